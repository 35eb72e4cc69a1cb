// Bases of the program's windows: the module windows opened from the
// launcher, and the dialogs whose opening and closing sequences run once per
// opening; and what every window shares: the design font and the minimum
// size.
#pragma once

#include <QDialog>
#include <QFont>
#include <QSize>
#include <QWidget>

class QTimer;

class ModuleWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ModuleWindow(QWidget* parent = nullptr);
    // A window of the form `name` ("FreinageF"), with its caption, in the
    // design font.
    ModuleWindow(const char* name, const QString& caption, QWidget* parent);

signals:
    // Emitted after the window has been hidden by a close: the launcher
    // then shows itself again.
    void Closed();

protected:
    // Names the controls for screen readers (window/accessiblenames.h).
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Moved to a screen of another device pixel ratio, the window is laid
    // out again as for a resize, which composes its pictures at the new ratio.
    bool event(QEvent* event) override;

private:
    qreal m_pictureRatio = 0;
};

// A dialog whose opening sequence (FormShow) runs when it is opened and whose
// closing sequence (FormClose) runs when it is closed, by any way; a window
// system that hides it and shows it again (minimising, restoring) runs
// neither. Its controls are named for screen readers as it shows.
class OpeningDialog : public QDialog
{
    Q_OBJECT

public:
    using QDialog::QDialog;
    // A dialog of the form `name` ("TipF"), with its caption, in the design
    // font, of a fixed client size.
    OpeningDialog(const char* name, const QString& caption, QSize size, QWidget* parent, Qt::WindowFlags flags);

protected:
    virtual void FormShow() = 0;
    virtual void FormClose() = 0;
    // True from the opening sequence to the closing one.
    bool IsOpen() const { return m_open; }

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool m_open = false;
};

// The clock of an animation: a precise timer named `name`, as the form
// names it, that ticks every `intervalMs` once started.
QTimer* NewAnimationTimer(QObject* owner, const char* name, int intervalMs);

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
