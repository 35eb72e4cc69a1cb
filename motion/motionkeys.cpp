// The player's keyboard: the window sees every key before the focused
// control; Ctrl steps forward (repeated while held), Ctrl+V toggles the
// trace lock.
#include "motion/motionwindow.h"

#include "app/settings/appsettings.h"
#include "platform/desktop.h"

#include <QApplication>
#include <QKeyEvent>
#include <QToolButton>

bool MotionWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return ModuleWindow::eventFilter(watched, event);
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (type == QEvent::KeyRelease) {
        if (key->key() == Qt::Key_Control && !key->isAutoRepeat())
            m_ctrlRepeat.stop();
        return false;
    }
    if (!isFirstKeyReceiver(watched))
        return false;
    return FormKeyDown(*key);
}

// A key goes first to the focused control (or to the window when nothing has
// the focus); if the control leaves it, it goes on to the parents and passes
// the application filter again, which must not count twice.
bool MotionWindow::isFirstKeyReceiver(QObject* watched) const
{
    const QWidget* focus = QApplication::focusWidget();
    if (focus && focus->window() == this)
        return watched == focus;
    return watched == this;
}

bool MotionWindow::FormKeyDown(const QKeyEvent& event)
{
    if (m_traits.beepsOnEveryKey)
        Beep();
    if (event.key() == Qt::Key_V && (event.modifiers() & Qt::ControlModifier)) {
        m_ctrlRepeat.stop();
        AppSettings.LockFlag = !AppSettings.LockFlag;
        ApplyTraceLock();
        ComposeFrame();
        return true;
    }
    if (event.key() == Qt::Key_Control) {
        // Where the window system repeats Ctrl itself, its repeats step.
        if (event.isAutoRepeat())
            m_ctrlRepeat.stop();
        else
            m_ctrlRepeat.start();
        AvantBout->click();
        return m_traits.consumesCtrl;
    }
    m_ctrlRepeat.stop();
    return false;
}

void MotionWindow::ctrlStep()
{
    if (m_traits.beepsOnEveryKey)
        Beep();
    AvantBout->click();
}

void MotionWindow::changeEvent(QEvent* event)
{
    // A window that loses the keyboard never hears the Ctrl key go up.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        m_ctrlRepeat.stop();
    ModuleWindow::changeEvent(event);
}
