// The player shared by the motion windows: show sequence, transport, frame
// clock, traces, frame rate, copy, help, layout and close.
#include "motiontesting.h"

#include "motion/discwindow.h"
#include "motion/freefallwindow.h"
#include "motion/model/motionrules.h"
#include "motion/motioncontrols.h"
#include "motion/projectilewindow.h"
#include "motion/wheelwindow.h"
#include "platform/helpviewer.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QTimer>

using testing_support::Child;

namespace {

bool Playing()
{
    return PlayFlags & PlayBit::Playing;
}

QTimer* PlayTimer(QWidget* window)
{
    return window->findChild<QTimer*>(QStringLiteral("PlayTimer"));
}

using PlayerShow = MotionTest;

TEST_F(PlayerShow, OpensStoppedOnFrameOneWithLoopFromTheSetting)
{
    Opened<TBalleF> w;
    EXPECT_EQ(w->CurFrame(), 1);
    EXPECT_EQ(w->FrameCount(), 87);
    EXPECT_FALSE(PlayTimer(w.Get())->isActive());
    EXPECT_EQ(PlayFlags, PlayBit::Loop);
    EXPECT_TRUE(Child<QToolButton>(w.Get(), "BoucleBout")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(w.Get(), "TraceBCheck")->isChecked());
    EXPECT_EQ(w->windowTitle(), ModuleCaption(QStringLiteral("Mouvement d'un projectile")));
}

TEST_F(PlayerShow, LoopOffWhenTheSettingIsOff)
{
    AppSettings.BoucleFlag = false;
    PlayFlags = PlayBit::Loop | PlayBit::Playing | PlayBit::TraceB;
    Opened<TRoueF> w;
    EXPECT_EQ(PlayFlags, 0);
    EXPECT_FALSE(Child<QToolButton>(w.Get(), "BoucleBout")->isChecked());
}

TEST_F(PlayerShow, EveryShowStartsAgainStoppedOnFrameOneWithoutTrace)
{
    Opened<TDisqueF> w;
    Child<QCheckBox>(w.Get(), "TraceACheck")->setChecked(true);
    Click(w.Get(), "PlayBout");
    w->PlayTimerTimer();
    w->close();
    EXPECT_TRUE(w->FrameBitmap().isNull());
    EXPECT_FALSE(PlayTimer(w.Get())->isActive());
    w->show();
    EXPECT_EQ(w->CurFrame(), 1);
    EXPECT_FALSE(Playing());
    EXPECT_FALSE(Child<QCheckBox>(w.Get(), "TraceACheck")->isChecked());
    EXPECT_FALSE(w->FrameBitmap().isNull());
}

TEST_F(PlayerShow, CloseSaysSoSoThatTheLauncherComesBack)
{
    Opened<TRoueF> w;
    QSignalSpy closed(w.Get(), &ModuleWindow::Closed);
    Click(w.Get(), "CloseBout");
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(w->isVisible());
}

using PlayerTransport = MotionTest;

TEST_F(PlayerTransport, PlayAtTheLastFrameWithLoopStartsAgainAtOnce)
{
    Opened<TBalleF> w;
    Click(w.Get(), "FinBout");
    Click(w.Get(), "PlayBout");
    EXPECT_EQ(w->CurFrame(), 1);
    EXPECT_TRUE(Playing());
    EXPECT_TRUE(PlayTimer(w.Get())->isActive());
}

TEST_F(PlayerTransport, PlayAtTheLastFrameWithoutLoopStopsAtTheFirstTick)
{
    Opened<TBalleF> w;
    Click(w.Get(), "BoucleBout");
    EXPECT_EQ(PlayFlags & PlayBit::Loop, 0);
    Click(w.Get(), "FinBout");
    Click(w.Get(), "PlayBout");
    EXPECT_EQ(w->CurFrame(), 87);
    const QImage before = w->FrameBitmap().copy();
    w->PlayTimerTimer();
    EXPECT_EQ(w->CurFrame(), 87);
    EXPECT_FALSE(Playing());
    EXPECT_FALSE(PlayTimer(w.Get())->isActive());
    EXPECT_EQ(w->FrameBitmap(), before);
}

TEST_F(PlayerTransport, TicksAdvanceAndLoopBackToTheFirstFrame)
{
    Opened<TRoueF> w;
    Click(w.Get(), "PlayBout");
    w->PlayTimerTimer();
    EXPECT_EQ(w->CurFrame(), 2);
    Click(w.Get(), "FinBout");
    w->PlayTimerTimer();
    EXPECT_EQ(w->CurFrame(), 1);
    EXPECT_TRUE(Playing());
}

TEST_F(PlayerTransport, FirstAndLastDoNotStopPlayback)
{
    Opened<TBalleF> w;
    Click(w.Get(), "PlayBout");
    Click(w.Get(), "FinBout");
    EXPECT_EQ(w->CurFrame(), 87);
    EXPECT_TRUE(Playing());
    Click(w.Get(), "DebutBout");
    EXPECT_EQ(w->CurFrame(), 1);
    EXPECT_TRUE(PlayTimer(w.Get())->isActive());
}

TEST_F(PlayerTransport, StopKeepsThePicture)
{
    Opened<TBalleF> w;
    Click(w.Get(), "PlayBout");
    w->PlayTimerTimer();
    Click(w.Get(), "StopBout");
    EXPECT_FALSE(Playing());
    EXPECT_EQ(w->CurFrame(), 2);
}

TEST_F(PlayerTransport, AStepStopsPlaybackAndWrapsWithLoop)
{
    Opened<TBalleF> w;
    Click(w.Get(), "PlayBout");
    Click(w.Get(), "FinBout");
    Click(w.Get(), "AvantBout");
    EXPECT_FALSE(Playing());
    EXPECT_FALSE(PlayTimer(w.Get())->isActive());
    EXPECT_EQ(w->CurFrame(), 1);
    Click(w.Get(), "ArriereBout");
    EXPECT_EQ(w->CurFrame(), 87);
}

TEST_F(PlayerTransport, StepsDoNotWrapWithoutLoop)
{
    AppSettings.BoucleFlag = false;
    Opened<TDisqueF> w;
    Click(w.Get(), "ArriereBout");
    EXPECT_EQ(w->CurFrame(), 1);
    Click(w.Get(), "FinBout");
    Click(w.Get(), "AvantBout");
    EXPECT_EQ(w->CurFrame(), 41);
}

TEST_F(PlayerTransport, LoopButtonLeavesTheSettingAndThePlayingStateAlone)
{
    Opened<TRoueF> w;
    Click(w.Get(), "PlayBout");
    Click(w.Get(), "BoucleBout");
    EXPECT_TRUE(AppSettings.BoucleFlag);
    EXPECT_EQ(PlayFlags, PlayBit::Playing);
}

using PlayerTraces = MotionTest;

TEST_F(PlayerTraces, CheckingWhileStoppedRedrawsAtOnce)
{
    Opened<TBalleF> w;
    Click(w.Get(), "FinBout");
    const QImage without = w->FrameBitmap().copy();
    Child<QCheckBox>(w.Get(), "TraceBCheck")->setChecked(true);
    EXPECT_NE(w->FrameBitmap(), without);
    EXPECT_EQ(PlayFlags & PlayBit::TraceB, PlayBit::TraceB);
}

TEST_F(PlayerTraces, CheckingWhilePlayingWaitsForTheNextTick)
{
    Opened<TBalleF> w;
    Click(w.Get(), "PlayBout");
    for (int i = 0; i < 20; ++i)
        w->PlayTimerTimer();
    const QImage without = w->FrameBitmap().copy();
    Child<QCheckBox>(w.Get(), "TraceBCheck")->setChecked(true);
    EXPECT_EQ(w->FrameBitmap(), without);
    w->PlayTimerTimer();
    // Frame 22: crosses of frames 1, 6, 11 and 16; the ball covers that of 21.
    EXPECT_EQ(CountCrosses(w->FrameBitmap(), AppSettings.clTraceB, QPoint(-100, -100)), 4);
}

TEST_F(PlayerTraces, ProjectileCrossesOnEveryFifthFrameFromTheFirst)
{
    Opened<TBalleF> w(QSize(1010, 380));
    Child<QCheckBox>(w.Get(), "TraceBCheck")->setChecked(true);
    Click(w.Get(), "FinBout");
    // Frames 1, 6, 11, ..., 86; the ball itself lies at the landing point.
    const QPoint ball(25 + 91743 / WorldScale, w->FrameBitmap().height() - 20);
    EXPECT_EQ(CountCrosses(w->FrameBitmap(), AppSettings.clTraceB, ball), 18);
}

TEST_F(PlayerTraces, LockDisablesTheBoxesAndGreysTheSquares)
{
    AppSettings.LockFlag = true;
    Opened<TDisqueF> w;
    const QColor face = w->palette().color(QPalette::Button);
    for (const char* name : {"TraceACheck", "TraceBCheck", "TraceCCheck"}) {
        EXPECT_FALSE(Child<QCheckBox>(w.Get(), name)->isEnabled()) << name;
        EXPECT_FALSE(Child<QCheckBox>(w.Get(), name)->isChecked()) << name;
    }
    for (const char* name : {"CarreA", "CarreB", "CarreC"})
        EXPECT_EQ(Child<LegendSquare>(w.Get(), name)->Fill(), face) << name;
}

TEST_F(PlayerTraces, UnlockedSquaresShowThePointColours)
{
    Opened<TRoueF> w;
    EXPECT_EQ(Child<LegendSquare>(w.Get(), "CarreA")->Fill(), QColorFromCanvas(AppSettings.clTraceA));
    EXPECT_EQ(Child<LegendSquare>(w.Get(), "CarreC")->Fill(), QColorFromCanvas(AppSettings.clTraceC));
    EXPECT_TRUE(Child<QCheckBox>(w.Get(), "TraceBCheck")->isEnabled());
}

using PlayerFrameRate = MotionTest;

TEST_F(PlayerFrameRate, ChoiceIsSharedByTheWindows)
{
    {
        Opened<TBalleF> w;
        Child<QComboBox>(w.Get(), "IpsCombo")->setCurrentIndex(3);
        EXPECT_EQ(AppSettings.Ips, 50);
        EXPECT_EQ(PlayTimer(w.Get())->interval(), 50);
    }
    Opened<TRoueF> wheel;
    EXPECT_EQ(Child<QComboBox>(wheel.Get(), "IpsCombo")->currentIndex(), 3);
    EXPECT_EQ(PlayTimer(wheel.Get())->interval(), 50);
}

TEST_F(PlayerFrameRate, ChangeDuringPlaybackKeepsPlaying)
{
    Opened<TDisqueF> w;
    Click(w.Get(), "PlayBout");
    Child<QComboBox>(w.Get(), "IpsCombo")->setCurrentIndex(0);
    EXPECT_EQ(PlayTimer(w.Get())->interval(), 400);
    EXPECT_TRUE(PlayTimer(w.Get())->isActive());
}

TEST_F(PlayerFrameRate, StoredOddValuePlaysAsStoredAndShowsTwentyIps)
{
    AppSettings.Ips = 75;
    Opened<TBalleF> w;
    EXPECT_EQ(PlayTimer(w.Get())->interval(), 75);
    EXPECT_EQ(Child<QComboBox>(w.Get(), "IpsCombo")->currentText(), QStringLiteral(" 20 ips"));
}

TEST_F(PlayerFrameRate, ChoosingTheShownItemOverAnOddStoredValueAppliesIt)
{
    AppSettings.Ips = 75;
    Opened<TChuteF> w;
    auto* combo = Child<QComboBox>(w.Get(), "IpsCombo");
    ASSERT_EQ(combo->currentIndex(), 3);
    emit combo->activated(3);
    EXPECT_EQ(AppSettings.Ips, 50);
    EXPECT_EQ(PlayTimer(w.Get())->interval(), 50);
}

TEST_F(PlayerFrameRate, StoredValueThatWouldStallTheTimerCountsAsDefault)
{
    for (int stored : {0, -40, 5, 86400000}) {
        AppSettings.Ips = stored;
        Opened<TRoueF> w;
        EXPECT_EQ(PlayTimer(w.Get())->interval(), 100) << stored;
        EXPECT_EQ(AppSettings.Ips, 100) << stored;
        EXPECT_EQ(Child<QComboBox>(w.Get(), "IpsCombo")->currentIndex(), 2) << stored;
    }
}

using PlayerLayout = MotionTest;

TEST_F(PlayerLayout, NeverTallerThanWide)
{
    Opened<TBalleF> w;
    w->resize(600, 700);
    testing_support::ProcessEvents();
    // With its 8 x 27 frame, the window is 608 wide and as high.
    EXPECT_EQ(w->size(), QSize(600, 581));
}

TEST_F(PlayerLayout, MinimumSize)
{
    Opened<TRoueF> w;
    w->resize(200, 100);
    testing_support::ProcessEvents();
    // 400 x 300 with the frame.
    EXPECT_EQ(w->size(), QSize(392, 273));
    EXPECT_EQ(Child<QWidget>(w.Get(), "Canevas")->size(), QSize(382, 193));
}

TEST_F(PlayerLayout, CopyAfterAResizeGivesTheNewCanvasSize)
{
    Opened<TDisqueF> w;
    w->resize(700, 500);
    testing_support::ProcessEvents();
    Click(w.Get(), "CopierBout");
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), QSize(690, 420));
    EXPECT_EQ(copied.size(), Child<QWidget>(w.Get(), "Canevas")->size());
}

TEST_F(PlayerLayout, ResizeWhileHiddenOnlyMovesTheCanvas)
{
    TBalleF w;
    w.resize(800, 500);
    EXPECT_TRUE(w.FrameBitmap().isNull());
    w.show();
    testing_support::ProcessEvents();
    EXPECT_EQ(w.FrameBitmap().size(), QSize(790, 420));
    w.close();
}

using PlayerHelp = MotionTest;

TEST_F(PlayerHelp, HelpButtonOpensTheWindowTopic)
{
    testing_support::TempDir dir;
    testing_support::WriteFile(dir.File("Kinea.html"), "<html><body><a name=\"Roue\"></a><p>Roue</p></body></html>");
    SetHelpFile(dir.File("Kinea.html"));
    Opened<TRoueF> w;
    Click(w.Get(), "AideBout");
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_EQ(HelpWindow()->Source().fragment(), QStringLiteral("Roue"));
    CloseHelp();
}

} // namespace
