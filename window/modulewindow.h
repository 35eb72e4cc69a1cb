// Base of every top-level window opened from the launcher, and what every
// window of the program shares: the design font and the minimum size.
#pragma once

#include <QFont>
#include <QSize>
#include <QWidget>

class ModuleWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ModuleWindow(QWidget* parent = nullptr);

signals:
    // Emitted after the window has been hidden by a close: the launcher
    // then shows itself again.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
};

// The font the windows are designed with: Arial, 8 points at 96 dpi (11
// pixels).
QFont DesignFont();

// What a framed window's border and caption took in the design: 8 pixels
// across and 27 down.
constexpr QSize DesignFrame{8, 27};

// Applies a minimum size given, as the design gives it, for the whole
// framed window: the client area may shrink to that size less the frame, so
// that the design's client size stays reachable (700 x 500 gives 692 x 473).
void SetMinimumOuterSize(QWidget* window, QSize outer);
