// The player shared by the motion windows: show sequence, transport, frame
// clock, traces, frame rate, copy, help, layout and close.
#include "motiontesting.h"

#include "motion/model/motionrules.h"
#include "motion/motioncontrols.h"
#include "motion/tballef.h"
#include "motion/tchutef.h"
#include "motion/tdisquef.h"
#include "motion/trouef.h"
#include "platform/helpviewer.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QTimer>

using testing_support::child;

namespace {

bool playing()
{
    return PlayFlags & PlayBit::Playing;
}

QTimer* playTimer(QWidget* window)
{
    return window->findChild<QTimer*>(QStringLiteral("PlayTimer"));
}

using PlayerShow = MotionTest;

TEST_F(PlayerShow, OpensStoppedOnFrameOneWithLoopFromTheSetting)
{
    Opened<TBalleF> w;
    EXPECT_EQ(w->curFrame(), 1);
    EXPECT_EQ(w->frameCount(), 87);
    EXPECT_FALSE(playTimer(w.get())->isActive());
    EXPECT_EQ(PlayFlags, PlayBit::Loop);
    EXPECT_TRUE(child<QToolButton>(w.get(), "BoucleBout")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(w.get(), "TraceBCheck")->isChecked());
    EXPECT_EQ(w->windowTitle(), ModuleCaption(QStringLiteral("Mouvement d'un projectile")));
}

TEST_F(PlayerShow, LoopOffWhenTheSettingIsOff)
{
    AppSettings.BoucleFlag = false;
    PlayFlags = PlayBit::Loop | PlayBit::Playing | PlayBit::TraceB;
    Opened<TRoueF> w;
    EXPECT_EQ(PlayFlags, 0);
    EXPECT_FALSE(child<QToolButton>(w.get(), "BoucleBout")->isChecked());
}

TEST_F(PlayerShow, EveryShowStartsAgainStoppedOnFrameOneWithoutTrace)
{
    Opened<TDisqueF> w;
    child<QCheckBox>(w.get(), "TraceACheck")->setChecked(true);
    click(w.get(), "PlayBout");
    w->PlayTimerTimer();
    w->close();
    EXPECT_TRUE(w->frameBitmap().isNull());
    EXPECT_FALSE(playTimer(w.get())->isActive());
    w->show();
    EXPECT_EQ(w->curFrame(), 1);
    EXPECT_FALSE(playing());
    EXPECT_FALSE(child<QCheckBox>(w.get(), "TraceACheck")->isChecked());
    EXPECT_FALSE(w->frameBitmap().isNull());
}

TEST_F(PlayerShow, CloseSaysSoSoThatTheLauncherComesBack)
{
    Opened<TRoueF> w;
    QSignalSpy closed(w.get(), &ModuleWindow::closed);
    click(w.get(), "CloseBout");
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(w->isVisible());
}

using PlayerTransport = MotionTest;

TEST_F(PlayerTransport, PlayAtTheLastFrameWithLoopStartsAgainAtOnce)
{
    Opened<TBalleF> w;
    click(w.get(), "FinBout");
    click(w.get(), "PlayBout");
    EXPECT_EQ(w->curFrame(), 1);
    EXPECT_TRUE(playing());
    EXPECT_TRUE(playTimer(w.get())->isActive());
}

TEST_F(PlayerTransport, PlayAtTheLastFrameWithoutLoopStopsAtTheFirstTick)
{
    Opened<TBalleF> w;
    click(w.get(), "BoucleBout");
    EXPECT_EQ(PlayFlags & PlayBit::Loop, 0);
    click(w.get(), "FinBout");
    click(w.get(), "PlayBout");
    EXPECT_EQ(w->curFrame(), 87);
    const QImage before = w->frameBitmap().copy();
    w->PlayTimerTimer();
    EXPECT_EQ(w->curFrame(), 87);
    EXPECT_FALSE(playing());
    EXPECT_FALSE(playTimer(w.get())->isActive());
    EXPECT_EQ(w->frameBitmap(), before);
}

TEST_F(PlayerTransport, TicksAdvanceAndLoopBackToTheFirstFrame)
{
    Opened<TRoueF> w;
    click(w.get(), "PlayBout");
    w->PlayTimerTimer();
    EXPECT_EQ(w->curFrame(), 2);
    click(w.get(), "FinBout");
    w->PlayTimerTimer();
    EXPECT_EQ(w->curFrame(), 1);
    EXPECT_TRUE(playing());
}

TEST_F(PlayerTransport, FirstAndLastDoNotStopPlayback)
{
    Opened<TBalleF> w;
    click(w.get(), "PlayBout");
    click(w.get(), "FinBout");
    EXPECT_EQ(w->curFrame(), 87);
    EXPECT_TRUE(playing());
    click(w.get(), "DebutBout");
    EXPECT_EQ(w->curFrame(), 1);
    EXPECT_TRUE(playTimer(w.get())->isActive());
}

TEST_F(PlayerTransport, StopKeepsThePicture)
{
    Opened<TBalleF> w;
    click(w.get(), "PlayBout");
    w->PlayTimerTimer();
    click(w.get(), "StopBout");
    EXPECT_FALSE(playing());
    EXPECT_EQ(w->curFrame(), 2);
}

TEST_F(PlayerTransport, AStepStopsPlaybackAndWrapsWithLoop)
{
    Opened<TBalleF> w;
    click(w.get(), "PlayBout");
    click(w.get(), "FinBout");
    click(w.get(), "AvantBout");
    EXPECT_FALSE(playing());
    EXPECT_FALSE(playTimer(w.get())->isActive());
    EXPECT_EQ(w->curFrame(), 1);
    click(w.get(), "ArriereBout");
    EXPECT_EQ(w->curFrame(), 87);
}

TEST_F(PlayerTransport, StepsDoNotWrapWithoutLoop)
{
    AppSettings.BoucleFlag = false;
    Opened<TDisqueF> w;
    click(w.get(), "ArriereBout");
    EXPECT_EQ(w->curFrame(), 1);
    click(w.get(), "FinBout");
    click(w.get(), "AvantBout");
    EXPECT_EQ(w->curFrame(), 41);
}

TEST_F(PlayerTransport, LoopButtonLeavesTheSettingAndThePlayingStateAlone)
{
    Opened<TRoueF> w;
    click(w.get(), "PlayBout");
    click(w.get(), "BoucleBout");
    EXPECT_TRUE(AppSettings.BoucleFlag);
    EXPECT_EQ(PlayFlags, PlayBit::Playing);
}

using PlayerTraces = MotionTest;

TEST_F(PlayerTraces, CheckingWhileStoppedRedrawsAtOnce)
{
    Opened<TBalleF> w;
    click(w.get(), "FinBout");
    const QImage without = w->frameBitmap().copy();
    child<QCheckBox>(w.get(), "TraceBCheck")->setChecked(true);
    EXPECT_NE(w->frameBitmap(), without);
    EXPECT_EQ(PlayFlags & PlayBit::TraceB, PlayBit::TraceB);
}

TEST_F(PlayerTraces, CheckingWhilePlayingWaitsForTheNextTick)
{
    Opened<TBalleF> w;
    click(w.get(), "PlayBout");
    for (int i = 0; i < 20; ++i)
        w->PlayTimerTimer();
    const QImage without = w->frameBitmap().copy();
    child<QCheckBox>(w.get(), "TraceBCheck")->setChecked(true);
    EXPECT_EQ(w->frameBitmap(), without);
    w->PlayTimerTimer();
    // Frame 22: crosses of frames 1, 6, 11 and 16; the ball covers that of 21.
    EXPECT_EQ(countCrosses(w->frameBitmap(), AppSettings.clTraceB, QPoint(-100, -100)), 4);
}

TEST_F(PlayerTraces, ProjectileCrossesOnEveryFifthFrameFromTheFirst)
{
    Opened<TBalleF> w(QSize(1010, 380));
    child<QCheckBox>(w.get(), "TraceBCheck")->setChecked(true);
    click(w.get(), "FinBout");
    // Frames 1, 6, 11, ..., 86; the ball itself lies at the landing point.
    const QPoint ball(25 + 91743 / WorldScale, w->frameBitmap().height() - 20);
    EXPECT_EQ(countCrosses(w->frameBitmap(), AppSettings.clTraceB, ball), 18);
}

TEST_F(PlayerTraces, LockDisablesTheBoxesAndGreysTheSquares)
{
    AppSettings.LockFlag = true;
    Opened<TDisqueF> w;
    const QColor face = w->palette().color(QPalette::Button);
    for (const char* name : {"TraceACheck", "TraceBCheck", "TraceCCheck"}) {
        EXPECT_FALSE(child<QCheckBox>(w.get(), name)->isEnabled()) << name;
        EXPECT_FALSE(child<QCheckBox>(w.get(), name)->isChecked()) << name;
    }
    for (const char* name : {"CarreA", "CarreB", "CarreC"})
        EXPECT_EQ(child<LegendSquare>(w.get(), name)->fill(), face) << name;
}

TEST_F(PlayerTraces, UnlockedSquaresShowThePointColours)
{
    Opened<TRoueF> w;
    EXPECT_EQ(child<LegendSquare>(w.get(), "CarreA")->fill(), QColorFromCanvas(AppSettings.clTraceA));
    EXPECT_EQ(child<LegendSquare>(w.get(), "CarreC")->fill(), QColorFromCanvas(AppSettings.clTraceC));
    EXPECT_TRUE(child<QCheckBox>(w.get(), "TraceBCheck")->isEnabled());
}

using PlayerFrameRate = MotionTest;

TEST_F(PlayerFrameRate, ChoiceIsSharedByTheWindows)
{
    {
        Opened<TBalleF> w;
        child<QComboBox>(w.get(), "IpsCombo")->setCurrentIndex(3);
        EXPECT_EQ(AppSettings.Ips, 50);
        EXPECT_EQ(playTimer(w.get())->interval(), 50);
    }
    Opened<TRoueF> wheel;
    EXPECT_EQ(child<QComboBox>(wheel.get(), "IpsCombo")->currentIndex(), 3);
    EXPECT_EQ(playTimer(wheel.get())->interval(), 50);
}

TEST_F(PlayerFrameRate, ChangeDuringPlaybackKeepsPlaying)
{
    Opened<TDisqueF> w;
    click(w.get(), "PlayBout");
    child<QComboBox>(w.get(), "IpsCombo")->setCurrentIndex(0);
    EXPECT_EQ(playTimer(w.get())->interval(), 400);
    EXPECT_TRUE(playTimer(w.get())->isActive());
}

TEST_F(PlayerFrameRate, StoredOddValuePlaysAsStoredAndShowsTwentyIps)
{
    AppSettings.Ips = 75;
    Opened<TBalleF> w;
    EXPECT_EQ(playTimer(w.get())->interval(), 75);
    EXPECT_EQ(child<QComboBox>(w.get(), "IpsCombo")->currentText(), QStringLiteral(" 20 ips"));
}

TEST_F(PlayerFrameRate, ChoosingTheShownItemOverAnOddStoredValueAppliesIt)
{
    AppSettings.Ips = 75;
    Opened<TChuteF> w;
    auto* combo = child<QComboBox>(w.get(), "IpsCombo");
    ASSERT_EQ(combo->currentIndex(), 3);
    emit combo->activated(3);
    EXPECT_EQ(AppSettings.Ips, 50);
    EXPECT_EQ(playTimer(w.get())->interval(), 50);
}

TEST_F(PlayerFrameRate, StoredValueThatWouldStallTheTimerCountsAsDefault)
{
    for (int stored : {0, -40, 5, 86400000}) {
        AppSettings.Ips = stored;
        Opened<TRoueF> w;
        EXPECT_EQ(playTimer(w.get())->interval(), 100) << stored;
        EXPECT_EQ(AppSettings.Ips, 100) << stored;
        EXPECT_EQ(child<QComboBox>(w.get(), "IpsCombo")->currentIndex(), 2) << stored;
    }
}

using PlayerLayout = MotionTest;

TEST_F(PlayerLayout, NeverTallerThanWide)
{
    Opened<TBalleF> w;
    w->resize(600, 700);
    testing_support::processEvents();
    // With its 8 x 27 frame, the window is 608 wide and as high.
    EXPECT_EQ(w->size(), QSize(600, 581));
}

TEST_F(PlayerLayout, MinimumSize)
{
    Opened<TRoueF> w;
    w->resize(200, 100);
    testing_support::processEvents();
    // 400 x 300 with the frame.
    EXPECT_EQ(w->size(), QSize(392, 273));
    EXPECT_EQ(child<QWidget>(w.get(), "Canevas")->size(), QSize(382, 193));
}

TEST_F(PlayerLayout, CopyAfterAResizeGivesTheNewCanvasSize)
{
    Opened<TDisqueF> w;
    w->resize(700, 500);
    testing_support::processEvents();
    click(w.get(), "CopierBout");
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), QSize(690, 420));
    EXPECT_EQ(copied.size(), child<QWidget>(w.get(), "Canevas")->size());
}

TEST_F(PlayerLayout, ResizeWhileHiddenOnlyMovesTheCanvas)
{
    TBalleF w;
    w.resize(800, 500);
    EXPECT_TRUE(w.frameBitmap().isNull());
    w.show();
    testing_support::processEvents();
    EXPECT_EQ(w.frameBitmap().size(), QSize(790, 420));
    w.close();
}

using PlayerHelp = MotionTest;

TEST_F(PlayerHelp, HelpButtonOpensTheWindowTopic)
{
    testing_support::TempDir dir;
    testing_support::writeFile(dir.file("Kinea.html"), "<html><body><a name=\"Roue\"></a><p>Roue</p></body></html>");
    SetHelpFile(dir.file("Kinea.html"));
    Opened<TRoueF> w;
    click(w.get(), "AideBout");
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_EQ(HelpWindow()->source().fragment(), QStringLiteral("Roue"));
    CloseHelp();
}

} // namespace
