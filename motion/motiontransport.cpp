// The player's transport: the frame clock, the buttons, the frame rate, copy,
// help and calculator; and its keyboard: the window sees every key before the
// focused control, Ctrl alone steps forward (repeated while held), Ctrl+V
// toggles the trace lock, Ctrl+Maj+C copies the measurements, and Space, the
// arrows, Home and End drive the film unless the focused control uses them.
#include "motion/motionwindow.h"

#include "app/settings/appsettings.h"
#include "platform/calculator.h"
#include "platform/desktop.h"
#include "platform/helpviewer.h"
#include "window/picturemenu.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

int MotionWindow::FrameAfter(int frame) const
{
    return StepForward(m_traits.kind, frame, m_frameCount, PlayFlags & PlayBit::Loop);
}

int MotionWindow::FrameBefore(int frame) const
{
    return StepBack(m_traits.kind, frame, m_frameCount, PlayFlags & PlayBit::Loop);
}

void MotionWindow::PlayTimerTimer()
{
    if (m_tickBusy)
        return;
    m_tickBusy = true;
    if (m_curFrame < m_frameCount) {
        ++m_curFrame;
    } else if (PlayFlags & PlayBit::Loop) {
        m_curFrame = 1;
    } else {
        StopPlaying();
    }
    ComposeFrame();
    m_tickBusy = false;
}

void MotionWindow::StopPlaying()
{
    PlayFlags &= std::uint8_t(~PlayBit::Playing);
    PlayTimer->stop();
}

void MotionWindow::PlayBoutClick()
{
    PlayFlags |= PlayBit::Playing;
    PlayTimer->start();
    if (m_curFrame == m_frameCount && (PlayFlags & PlayBit::Loop))
        m_curFrame = 1;
    ComposeFrame();
}

void MotionWindow::StopBoutClick()
{
    StopPlaying();
}

void MotionWindow::BoucleBoutClick()
{
    if (BoucleBout->isChecked())
        PlayFlags |= PlayBit::Loop;
    else
        PlayFlags &= std::uint8_t(~PlayBit::Loop);
}

void MotionWindow::DebutBoutClick()
{
    m_curFrame = 1;
    ComposeFrame();
}

void MotionWindow::FinBoutClick()
{
    m_curFrame = std::max(1, m_frameCount);
    ComposeFrame();
}

void MotionWindow::ArriereBoutClick()
{
    StopPlaying();
    if (m_frameCount >= 1)
        m_curFrame = FrameBefore(m_curFrame);
    ComposeFrame();
}

void MotionWindow::AvantBoutClick()
{
    StopPlaying();
    if (m_frameCount >= 1)
        m_curFrame = FrameAfter(m_curFrame);
    ComposeFrame();
}

void MotionWindow::IpsComboChange(int item)
{
    AppSettings.Ips = IntervalForIpsItem(item);
    PlayTimer->setInterval(AppSettings.Ips);
}

void MotionWindow::CopierBoutClick()
{
    CopyPicture(m_frame);
}

void MotionWindow::AideBoutClick()
{
    ShowHelpTopic(QString::fromLatin1(m_traits.helpKeyword));
}

void MotionWindow::CalcBoutClick()
{
    OpenCalculator();
}

bool MotionWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return ModuleWindow::eventFilter(watched, event);
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (type == QEvent::KeyRelease) {
        const auto* widget = qobject_cast<const QWidget*>(watched);
        if (key->key() == Qt::Key_Control && !key->isAutoRepeat() && widget && widget->window() == this)
            CtrlKeyUp();
        return false;
    }
    if (!IsFirstKeyReceiver(watched))
        return false;
    return FormKeyDown(*key);
}

// A key goes first to the focused control (or to the window when nothing has
// the focus); if the control leaves it, it goes on to the parents and passes
// the application filter again, which must not count twice.
bool MotionWindow::IsFirstKeyReceiver(QObject* watched) const
{
    const QWidget* focus = QApplication::focusWidget();
    if (focus && focus->window() == this)
        return watched == focus;
    return watched == this;
}

bool MotionWindow::FormKeyDown(const QKeyEvent& event)
{
    if (m_traits.flags & MotionFlag::BeepsOnEveryKey)
        Beep();
    if (event.key() == Qt::Key_Control) {
        CtrlKeyDown(event.isAutoRepeat());
        return m_traits.flags & MotionFlag::ConsumesCtrl;
    }
    // Any other key makes the Ctrl held so far part of a shortcut.
    CancelCtrlStep();
    if (event.key() == Qt::Key_V && (event.modifiers() & Qt::ControlModifier)) {
        AppSettings.LockFlag = !AppSettings.LockFlag;
        ApplyTraceLock();
        ComposeFrame();
        return true;
    }
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    if (event.key() == Qt::Key_C && (event.modifiers() & ctrlShift) == ctrlShift) {
        CopierMesuresClick();
        return true;
    }
    return TransportKey(event);
}

// Ctrl begins shortcuts (Ctrl+Maj+C, Ctrl+V, Ctrl+P) as well as stepping:
// the step waits until Ctrl is released alone or held past the repeat delay.
void MotionWindow::CtrlKeyDown(bool autoRepeat)
{
    if (!autoRepeat) {
        m_ctrlAlone = true;
        m_ctrlStepped = false;
        m_ctrlRepeat.Start();
        return;
    }
    // Where the window system repeats Ctrl itself, its repeats step.
    m_ctrlRepeat.Stop();
    if (m_ctrlAlone) {
        m_ctrlStepped = true;
        AvantBout->click();
    }
}

void MotionWindow::CtrlKeyUp()
{
    const bool tapped = m_ctrlAlone && !m_ctrlStepped;
    CancelCtrlStep();
    if (tapped)
        AvantBout->click();
}

void MotionWindow::CancelCtrlStep()
{
    m_ctrlRepeat.Stop();
    m_ctrlAlone = false;
    m_ctrlStepped = false;
}

namespace {

// Where typed keys belong to the text: arrows, Home and End move the text
// cursor and Space is a character.
bool IsEditBox(const QWidget* widget)
{
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->isEditable();
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget)
           || qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget);
}

// True when the focused control has its own use for this transport key: an
// edit box for all of them, a list for its moves and Space (which opens it),
// a check box or a button for Space. The others stay with the film.
bool FocusUsesKey(const QWidget* focus, int key)
{
    if (IsEditBox(focus))
        return true;
    if (qobject_cast<const QComboBox*>(focus))
        return key != Qt::Key_Left && key != Qt::Key_Right;
    if (qobject_cast<const QAbstractButton*>(focus))
        return key == Qt::Key_Space;
    return false;
}

} // namespace

bool MotionWindow::TransportKey(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (FocusUsesKey(QApplication::focusWidget(), event.key()))
        return false;
    switch (event.key()) {
    case Qt::Key_Space:
        // A held space bar would start and stop the film at the repeat rate.
        if (!event.isAutoRepeat())
            (PlayFlags & PlayBit::Playing ? StopBout : PlayBout)->click();
        return true;
    case Qt::Key_Right: AvantBout->click(); return true;
    case Qt::Key_Left: ArriereBout->click(); return true;
    case Qt::Key_Home: DebutBout->click(); return true;
    case Qt::Key_End: FinBout->click(); return true;
    default: return false;
    }
}

void MotionWindow::CtrlStep()
{
    if (m_traits.flags & MotionFlag::BeepsOnEveryKey)
        Beep();
    m_ctrlStepped = true;
    AvantBout->click();
}

void MotionWindow::changeEvent(QEvent* event)
{
    // A window that loses the keyboard never hears the Ctrl key go up.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        CancelCtrlStep();
    ModuleWindow::changeEvent(event);
}
