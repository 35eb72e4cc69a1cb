// The player's transport: the frame clock, the buttons, the frame rate, copy,
// help and calculator; and its keyboard: the window sees every key before the
// focused control, Ctrl steps forward (repeated while held), Ctrl+V toggles
// the trace lock, Ctrl+Maj+C copies the measurements, and outside an edit box
// Space plays or stops, the arrows step, Home and End go to either end.
#include "motion/motionwindow.h"

#include "app/settings/appsettings.h"
#include "platform/calculator.h"
#include "platform/desktop.h"
#include "platform/helpviewer.h"
#include "window/picturemenu.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

int MotionWindow::stepForward(int frame) const
{
    return StepForward(m_traits.kind, frame, m_frameCount, PlayFlags & PlayBit::Loop);
}

int MotionWindow::stepBack(int frame) const
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
        stopPlaying();
    }
    ComposeFrame();
    m_tickBusy = false;
}

void MotionWindow::stopPlaying()
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
    stopPlaying();
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
    stopPlaying();
    if (m_frameCount >= 1)
        m_curFrame = stepBack(m_curFrame);
    ComposeFrame();
}

void MotionWindow::AvantBoutClick()
{
    stopPlaying();
    if (m_frameCount >= 1)
        m_curFrame = stepForward(m_curFrame);
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
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    if (event.key() == Qt::Key_C && (event.modifiers() & ctrlShift) == ctrlShift) {
        CopierMesuresClick();
        return true;
    }
    return transportKey(event);
}

namespace {

// Where typed keys belong to the text: arrows, Home and End move the text
// cursor and Space is a character.
bool isEditBox(const QWidget* widget)
{
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->isEditable();
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget)
           || qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget);
}

} // namespace

bool MotionWindow::transportKey(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (isEditBox(QApplication::focusWidget()))
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
