// The free-fall window: height entry, rule, ball, measuring cursor, logo.
#include "motiontesting.h"

#include "controls/plaincontrols.h"
#include "motion/freefallwindow.h"
#include "motion/model/motionrules.h"
#include "motion/projectilewindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest/QTest>

using testing_support::Child;
using testing_support::RgbAt;

namespace {

void TypeHeight(QWidget* window, const QString& text)
{
    auto* edit = Child<QLineEdit>(window, "HautEd");
    edit->setFocus();
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void DragCursorTo(TChuteF* w, int row)
{
    QWidget* canvas = Child<QWidget>(w, "Canevas");
    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(50, row));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(50, row));
}

bool RowHasCursor(QWidget* canvas, int row)
{
    const QImage shown = canvas->grab().toImage();
    return RgbAt(shown, canvas->width() / 2, row) == RgbOf(AppSettings.clCurseur);
}

using FreeFallWindow = MotionTest;

TEST_F(FreeFallWindow, DefaultHeightElevenFrames)
{
    Opened<TChuteF> w;
    EXPECT_EQ(w->FrameCount(), 11);
    EXPECT_EQ(Child<QLineEdit>(w.Get(), "HautEd")->text(), QStringLiteral(" 120 cm"));
    EXPECT_EQ(w->InfosText(), QStringLiteral("Curseur absent       "));
    EXPECT_EQ(Child<QWidget>(w.Get(), "BoucleBout"), nullptr);
}

struct TypedHeight
{
    const char* typed;
    int heightUm;
};

TEST_F(FreeFallWindow, TypedHeightsAreFilteredAndClamped)
{
    const TypedHeight cases[] = {{"9999", 1200000}, {"", 1200000}, {"20", 500000}, {"400", 3000000}, {"85", 850000}};
    Opened<TChuteF> w;
    for (const TypedHeight& c : cases) {
        TypeHeight(w.Get(), QString::fromLatin1(c.typed));
        EXPECT_EQ(AppSettings.HauteurUm, c.heightUm) << c.typed;
        EXPECT_EQ(Child<QLineEdit>(w.Get(), "HautEd")->text(), QStringLiteral(" %1 cm").arg(c.heightUm / 10000));
    }
}

TEST_F(FreeFallWindow, SpinDownStopsAtFiftyCentimetres)
{
    AppSettings.HauteurUm = 550000;
    Opened<TChuteF> w;
    auto* spin = Child<SpinButton>(w.Get(), "HauteurSpin");
    emit spin->DownClick();
    EXPECT_EQ(AppSettings.HauteurUm, 500000);
    emit spin->DownClick();
    EXPECT_EQ(AppSettings.HauteurUm, 500000);
    EXPECT_EQ(w->FrameCount(), 8);
}

TEST_F(FreeFallWindow, StoredHeightOutOfRangeIsClampedAtShow)
{
    const struct
    {
        int stored;
        int shown;
    } cases[] = {{0, 500000}, {-3, 500000}, {1000, 500000}, {2000000000, 3000000}};
    for (const auto& [stored, shown] : cases) {
        AppSettings.HauteurUm = stored;
        Opened<TChuteF> w;
        EXPECT_EQ(AppSettings.HauteurUm, shown) << stored;
        EXPECT_EQ(WorldScale, shown / w->Rule().length) << stored;
        EXPECT_EQ(w->Rule().worldScale, AppSettings.HauteurUm / w->Rule().length) << stored;
    }
}

TEST_F(FreeFallWindow, NewHeightStartsAgainAtTheReleasePointKeepingTheCursorRow)
{
    Opened<TChuteF> w;
    DragCursorTo(w.Get(), 200);
    Click(w.Get(), "FinBout");
    TypeHeight(w.Get(), QStringLiteral("200"));
    EXPECT_EQ(w->CurFrame(), 1);
    EXPECT_EQ(w->CursorY(), 200);
    EXPECT_EQ(w->FrameCount(), ComputeFreeFall(2000000).Count());
}

TEST_F(FreeFallWindow, LoopIsLeftAsTheLastMotionWindowLeftIt)
{
    {
        Opened<TChuteF> first;
        Click(first.Get(), "FinBout");
        Click(first.Get(), "PlayBout");
        first->PlayTimerTimer();
        EXPECT_EQ(first->CurFrame(), 11);
        EXPECT_FALSE(PlayFlags & PlayBit::Playing);
    }
    {
        Opened<TBalleF> projectile;
    }
    Opened<TChuteF> w;
    Click(w.Get(), "FinBout");
    Click(w.Get(), "PlayBout");
    EXPECT_EQ(w->CurFrame(), 1);
    EXPECT_TRUE(PlayFlags & PlayBit::Playing);
}

TEST_F(FreeFallWindow, StepsNeverWrap)
{
    Opened<TChuteF> w;
    PlayFlags |= PlayBit::Loop;
    Click(w.Get(), "ArriereBout");
    EXPECT_EQ(w->CurFrame(), 1);
    Click(w.Get(), "FinBout");
    Click(w.Get(), "AvantBout");
    EXPECT_EQ(w->CurFrame(), 11);
}

TEST_F(FreeFallWindow, CursorTexts)
{
    Opened<TChuteF> w;
    DragCursorTo(w.Get(), 5);
    EXPECT_EQ(w->InfosText(), QStringLiteral("Curseur hors règle "));
    DragCursorTo(w.Get(), w->Rule().top);
    EXPECT_EQ(w->InfosText(), QStringLiteral("Curseur : 0.0 cm    "));
    DragCursorTo(w.Get(), w->Rule().top + w->Rule().length);
    EXPECT_EQ(w->InfosText(), QStringLiteral("Curseur : 120.0 cm    "));
}

TEST_F(FreeFallWindow, CursorFollowsTheMouseOnlyWithTheButtonHeld)
{
    Opened<TChuteF> w;
    QWidget* canvas = Child<QWidget>(w.Get(), "Canevas");
    QTest::mouseMove(canvas, QPoint(50, 100));
    EXPECT_EQ(w->CursorY(), NoCursor);
    QTest::mousePress(canvas, Qt::RightButton, {}, QPoint(50, 100));
    EXPECT_EQ(w->CursorY(), NoCursor);
    QTest::mouseRelease(canvas, Qt::RightButton, {}, QPoint(50, 100));
    DragCursorTo(w.Get(), 150);
    EXPECT_EQ(w->CursorY(), 150);
}

TEST_F(FreeFallWindow, CursorLineIsDrawnOverThePictureNotIntoIt)
{
    Opened<TChuteF> w;
    QWidget* canvas = Child<QWidget>(w.Get(), "Canevas");
    DragCursorTo(w.Get(), 150);
    EXPECT_TRUE(RowHasCursor(canvas, 150));
    EXPECT_NE(RgbAt(w->FrameBitmap(), canvas->width() / 2, 150), RgbOf(AppSettings.clCurseur));
    Click(w.Get(), "NoCursBout");
    EXPECT_EQ(w->InfosText(), QStringLiteral("Curseur absent       "));
    EXPECT_FALSE(RowHasCursor(canvas, 150));
}

TEST_F(FreeFallWindow, ShrinkingBelowTheCursorRemovesIt)
{
    Opened<TChuteF> w(QSize(433, 600));
    DragCursorTo(w.Get(), 500);
    ASSERT_EQ(w->CursorY(), 500);
    w->resize(433, 374);
    testing_support::ProcessEvents();
    EXPECT_EQ(w->CursorY(), NoCursor);
}

TEST_F(FreeFallWindow, RuleFromTheReleasePointToTheFloor)
{
    Opened<TChuteF> w;
    const QImage& back = w->BackBitmap();
    const RuleGeometry& rule = w->Rule();
    const unsigned text = RgbOf(AppSettings.clTexte);
    EXPECT_EQ(rule.length, back.height() - 35);
    EXPECT_EQ(RgbAt(back, 75, rule.top), text);
    EXPECT_EQ(RgbAt(back, 75, rule.top + rule.length), text);
    // Labelled ticks at 0 and 120 cm, 6 pixels long.
    for (int row : {rule.top, rule.top + rule.length}) {
        EXPECT_EQ(RgbAt(back, 69, row), text) << row;
        EXPECT_NE(RgbAt(back, 68, row - 7), text) << row;
    }
    // Ticks every 10 cm are 4 pixels long.
    const int tenCm = int(std::nearbyint(rule.top + rule.length / 12.0));
    EXPECT_EQ(RgbAt(back, 71, tenCm), text);
    EXPECT_NE(RgbAt(back, 70, tenCm), text);
}

TEST_F(FreeFallWindow, BallRestsOnItsPoint)
{
    Opened<TChuteF> w;
    const unsigned ball = RgbOf(AppSettings.clTraceB);
    const int top = w->Rule().top;
    // Frame 1: the box (84, top-12) .. (94, top-1).
    EXPECT_EQ(RgbAt(w->FrameBitmap(), 89, top - 1), ball);
    EXPECT_EQ(RgbAt(w->FrameBitmap(), 89, top - 12), ball);
    EXPECT_NE(RgbAt(w->FrameBitmap(), 89, top), ball);
    Click(w.Get(), "FinBout");
    const int floor = top + AppSettings.HauteurUm / WorldScale;
    EXPECT_EQ(floor, top + w->Rule().length);
    EXPECT_EQ(RgbAt(w->FrameBitmap(), 89, floor - 1), ball);
    EXPECT_NE(RgbAt(w->FrameBitmap(), 89, floor), ball);
}

TEST_F(FreeFallWindow, TraceMarksTheFramesBeforeTheCurrentOne)
{
    Opened<TChuteF> w;
    Child<QCheckBox>(w.Get(), "TraceBCheck")->setChecked(true);
    EXPECT_EQ(CountCrosses(w->FrameBitmap(), AppSettings.clTraceB, QPoint(-100, -100)), 0);
    Click(w.Get(), "FinBout");
    // Frames 1 to 10 of 11, the ball resting on the floor at the last.
    EXPECT_EQ(CountCrosses(w->FrameBitmap(), AppSettings.clTraceB, QPoint(90, 353)), 10);
}

TEST_F(FreeFallWindow, DisplayIsFramedInTheFrameColour)
{
    Opened<TChuteF> w;
    const QImage shown = Child<QWidget>(w.Get(), "InfosZone")->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(114, 17));
    EXPECT_EQ(RgbAt(shown, 0, 0), RgbOf(AppSettings.clCadre));
    EXPECT_EQ(RgbAt(shown, 113, 16), RgbOf(AppSettings.clCadre));
    EXPECT_EQ(RgbAt(shown, 3, 8), RgbOf(AppSettings.clFond));
}

TEST_F(FreeFallWindow, LogoMergesWithThePanel)
{
    Opened<TChuteF> w;
    const QImage& logo = w->LogoBitmap();
    ASSERT_EQ(logo.size(), QSize(125, 113));
    EXPECT_EQ(logo.pixelColor(0, 0), w->palette().color(QPalette::Button));
    w->close();
    EXPECT_TRUE(w->LogoBitmap().isNull());
}

TEST_F(FreeFallWindow, TallWindowKeepsTheCanvasBesideThePanel)
{
    Opened<TChuteF> w;
    w->resize(400, 1000);
    testing_support::ProcessEvents();
    QWidget* canvas = Child<QWidget>(w.Get(), "Canevas");
    EXPECT_EQ(canvas->height(), 994);
    EXPECT_EQ(canvas->width(), 497);
    EXPECT_GE(canvas->x(), 0);
    EXPECT_LE(canvas->geometry().right(), Child<QWidget>(w.Get(), "Panel2")->x());
}

TEST_F(FreeFallWindow, MinimumSizeAndPanelFollowingTheHeight)
{
    Opened<TChuteF> w;
    w->resize(300, 200);
    testing_support::ProcessEvents();
    // 400 x 360 with the frame.
    EXPECT_EQ(w->size(), QSize(392, 333));
    EXPECT_EQ(Child<QWidget>(w.Get(), "Panneau")->y(), 333 - 234);
    EXPECT_EQ(Child<QWidget>(w.Get(), "Canevas")->geometry(), QRect(21, 3, 200, 327));
}

} // namespace
