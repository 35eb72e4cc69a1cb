// The player's transport: the frame clock, the buttons, the frame rate,
// copy, help and calculator.
#include "motion/motionwindow.h"

#include "app/settings/appsettings.h"
#include "motion/motionstate.h"
#include "platform/calculator.h"
#include "platform/helpviewer.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>
#include <QToolButton>

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
    if (!m_frame.isNull())
        QGuiApplication::clipboard()->setImage(m_frame);
}

void MotionWindow::AideBoutClick()
{
    ShowHelpTopic(QString::fromLatin1(m_traits.helpKeyword));
}

void MotionWindow::CalcBoutClick()
{
    OpenCalculator();
}
