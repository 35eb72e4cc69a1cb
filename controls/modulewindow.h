// Base of every top-level window opened from the launcher: it says when it
// has closed, so that the launcher can show itself again.
#pragma once

#include <QWidget>

class ModuleWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ModuleWindow(QWidget* parent = nullptr);

signals:
    // Emitted after the window has been hidden by a close.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
};
