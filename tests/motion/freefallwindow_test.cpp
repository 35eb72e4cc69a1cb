// The free-fall window: height entry, rule, ball, measuring cursor, logo.
#include "motiontesting.h"

#include "controls/plaincontrols.h"
#include "motion/freefallwindow.h"
#include "motion/model/motionrules.h"
#include "motion/projectilewindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest/QTest>

using testing_support::child;
using testing_support::rgbAt;

namespace {

void typeHeight(QWidget* window, const QString& text)
{
    auto* edit = child<QLineEdit>(window, "HautEd");
    edit->setFocus();
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void dragCursorTo(TChuteF* w, int row)
{
    QWidget* canvas = child<QWidget>(w, "Canevas");
    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(50, row));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(50, row));
}

bool rowHasCursor(QWidget* canvas, int row)
{
    const QImage shown = canvas->grab().toImage();
    return rgbAt(shown, canvas->width() / 2, row) == rgbOf(AppSettings.clCurseur);
}

using FreeFallWindow = MotionTest;

TEST_F(FreeFallWindow, DefaultHeightElevenFrames)
{
    Opened<TChuteF> w;
    EXPECT_EQ(w->frameCount(), 11);
    EXPECT_EQ(child<QLineEdit>(w.get(), "HautEd")->text(), QStringLiteral(" 120 cm"));
    EXPECT_EQ(w->infosText(), QStringLiteral("Curseur absent       "));
    EXPECT_EQ(child<QWidget>(w.get(), "BoucleBout"), nullptr);
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
        typeHeight(w.get(), QString::fromLatin1(c.typed));
        EXPECT_EQ(AppSettings.HauteurUm, c.heightUm) << c.typed;
        EXPECT_EQ(child<QLineEdit>(w.get(), "HautEd")->text(), QStringLiteral(" %1 cm").arg(c.heightUm / 10000));
    }
}

TEST_F(FreeFallWindow, SpinDownStopsAtFiftyCentimetres)
{
    AppSettings.HauteurUm = 550000;
    Opened<TChuteF> w;
    auto* spin = child<SpinButton>(w.get(), "HauteurSpin");
    emit spin->downClick();
    EXPECT_EQ(AppSettings.HauteurUm, 500000);
    emit spin->downClick();
    EXPECT_EQ(AppSettings.HauteurUm, 500000);
    EXPECT_EQ(w->frameCount(), 8);
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
        EXPECT_EQ(WorldScale, shown / w->rule().length) << stored;
        EXPECT_EQ(w->rule().worldScale, AppSettings.HauteurUm / w->rule().length) << stored;
    }
}

TEST_F(FreeFallWindow, NewHeightStartsAgainAtTheReleasePointKeepingTheCursorRow)
{
    Opened<TChuteF> w;
    dragCursorTo(w.get(), 200);
    click(w.get(), "FinBout");
    typeHeight(w.get(), QStringLiteral("200"));
    EXPECT_EQ(w->curFrame(), 1);
    EXPECT_EQ(w->cursorY(), 200);
    EXPECT_EQ(w->frameCount(), ComputeFreeFall(2000000).count());
}

TEST_F(FreeFallWindow, LoopIsLeftAsTheLastMotionWindowLeftIt)
{
    {
        Opened<TChuteF> first;
        click(first.get(), "FinBout");
        click(first.get(), "PlayBout");
        first->PlayTimerTimer();
        EXPECT_EQ(first->curFrame(), 11);
        EXPECT_FALSE(PlayFlags & PlayBit::Playing);
    }
    {
        Opened<TBalleF> projectile;
    }
    Opened<TChuteF> w;
    click(w.get(), "FinBout");
    click(w.get(), "PlayBout");
    EXPECT_EQ(w->curFrame(), 1);
    EXPECT_TRUE(PlayFlags & PlayBit::Playing);
}

TEST_F(FreeFallWindow, StepsNeverWrap)
{
    Opened<TChuteF> w;
    PlayFlags |= PlayBit::Loop;
    click(w.get(), "ArriereBout");
    EXPECT_EQ(w->curFrame(), 1);
    click(w.get(), "FinBout");
    click(w.get(), "AvantBout");
    EXPECT_EQ(w->curFrame(), 11);
}

TEST_F(FreeFallWindow, CursorTexts)
{
    Opened<TChuteF> w;
    dragCursorTo(w.get(), 5);
    EXPECT_EQ(w->infosText(), QStringLiteral("Curseur hors règle "));
    dragCursorTo(w.get(), w->rule().top);
    EXPECT_EQ(w->infosText(), QStringLiteral("Curseur : 0.0 cm    "));
    dragCursorTo(w.get(), w->rule().top + w->rule().length);
    EXPECT_EQ(w->infosText(), QStringLiteral("Curseur : 120.0 cm    "));
}

TEST_F(FreeFallWindow, CursorFollowsTheMouseOnlyWithTheButtonHeld)
{
    Opened<TChuteF> w;
    QWidget* canvas = child<QWidget>(w.get(), "Canevas");
    QTest::mouseMove(canvas, QPoint(50, 100));
    EXPECT_EQ(w->cursorY(), NoCursor);
    QTest::mousePress(canvas, Qt::RightButton, {}, QPoint(50, 100));
    EXPECT_EQ(w->cursorY(), NoCursor);
    QTest::mouseRelease(canvas, Qt::RightButton, {}, QPoint(50, 100));
    dragCursorTo(w.get(), 150);
    EXPECT_EQ(w->cursorY(), 150);
}

TEST_F(FreeFallWindow, CursorLineIsDrawnOverThePictureNotIntoIt)
{
    Opened<TChuteF> w;
    QWidget* canvas = child<QWidget>(w.get(), "Canevas");
    dragCursorTo(w.get(), 150);
    EXPECT_TRUE(rowHasCursor(canvas, 150));
    EXPECT_NE(rgbAt(w->frameBitmap(), canvas->width() / 2, 150), rgbOf(AppSettings.clCurseur));
    click(w.get(), "NoCursBout");
    EXPECT_EQ(w->infosText(), QStringLiteral("Curseur absent       "));
    EXPECT_FALSE(rowHasCursor(canvas, 150));
}

TEST_F(FreeFallWindow, ShrinkingBelowTheCursorRemovesIt)
{
    Opened<TChuteF> w(QSize(433, 600));
    dragCursorTo(w.get(), 500);
    ASSERT_EQ(w->cursorY(), 500);
    w->resize(433, 374);
    testing_support::processEvents();
    EXPECT_EQ(w->cursorY(), NoCursor);
}

TEST_F(FreeFallWindow, RuleFromTheReleasePointToTheFloor)
{
    Opened<TChuteF> w;
    const QImage& back = w->backBitmap();
    const RuleGeometry& rule = w->rule();
    const unsigned text = rgbOf(AppSettings.clTexte);
    EXPECT_EQ(rule.length, back.height() - 35);
    EXPECT_EQ(rgbAt(back, 75, rule.top), text);
    EXPECT_EQ(rgbAt(back, 75, rule.top + rule.length), text);
    // Labelled ticks at 0 and 120 cm, 6 pixels long.
    for (int row : {rule.top, rule.top + rule.length}) {
        EXPECT_EQ(rgbAt(back, 69, row), text) << row;
        EXPECT_NE(rgbAt(back, 68, row - 7), text) << row;
    }
    // Ticks every 10 cm are 4 pixels long.
    const int tenCm = int(std::nearbyint(rule.top + rule.length / 12.0));
    EXPECT_EQ(rgbAt(back, 71, tenCm), text);
    EXPECT_NE(rgbAt(back, 70, tenCm), text);
}

TEST_F(FreeFallWindow, BallRestsOnItsPoint)
{
    Opened<TChuteF> w;
    const unsigned ball = rgbOf(AppSettings.clTraceB);
    const int top = w->rule().top;
    // Frame 1: the box (84, top-12) .. (94, top-1).
    EXPECT_EQ(rgbAt(w->frameBitmap(), 89, top - 1), ball);
    EXPECT_EQ(rgbAt(w->frameBitmap(), 89, top - 12), ball);
    EXPECT_NE(rgbAt(w->frameBitmap(), 89, top), ball);
    click(w.get(), "FinBout");
    const int floor = top + AppSettings.HauteurUm / WorldScale;
    EXPECT_EQ(floor, top + w->rule().length);
    EXPECT_EQ(rgbAt(w->frameBitmap(), 89, floor - 1), ball);
    EXPECT_NE(rgbAt(w->frameBitmap(), 89, floor), ball);
}

TEST_F(FreeFallWindow, TraceMarksTheFramesBeforeTheCurrentOne)
{
    Opened<TChuteF> w;
    child<QCheckBox>(w.get(), "TraceBCheck")->setChecked(true);
    EXPECT_EQ(countCrosses(w->frameBitmap(), AppSettings.clTraceB, QPoint(-100, -100)), 0);
    click(w.get(), "FinBout");
    // Frames 1 to 10 of 11, the ball resting on the floor at the last.
    EXPECT_EQ(countCrosses(w->frameBitmap(), AppSettings.clTraceB, QPoint(90, 353)), 10);
}

TEST_F(FreeFallWindow, DisplayIsFramedInTheFrameColour)
{
    Opened<TChuteF> w;
    const QImage shown = child<QWidget>(w.get(), "InfosZone")->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(114, 17));
    EXPECT_EQ(rgbAt(shown, 0, 0), rgbOf(AppSettings.clCadre));
    EXPECT_EQ(rgbAt(shown, 113, 16), rgbOf(AppSettings.clCadre));
    EXPECT_EQ(rgbAt(shown, 3, 8), rgbOf(AppSettings.clFond));
}

TEST_F(FreeFallWindow, LogoMergesWithThePanel)
{
    Opened<TChuteF> w;
    const QImage& logo = w->logoBitmap();
    ASSERT_EQ(logo.size(), QSize(125, 113));
    EXPECT_EQ(logo.pixelColor(0, 0), w->palette().color(QPalette::Button));
    w->close();
    EXPECT_TRUE(w->logoBitmap().isNull());
}

TEST_F(FreeFallWindow, TallWindowKeepsTheCanvasBesideThePanel)
{
    Opened<TChuteF> w;
    w->resize(400, 1000);
    testing_support::processEvents();
    QWidget* canvas = child<QWidget>(w.get(), "Canevas");
    EXPECT_EQ(canvas->height(), 994);
    EXPECT_EQ(canvas->width(), 497);
    EXPECT_GE(canvas->x(), 0);
    EXPECT_LE(canvas->geometry().right(), child<QWidget>(w.get(), "Panel2")->x());
}

TEST_F(FreeFallWindow, MinimumSizeAndPanelFollowingTheHeight)
{
    Opened<TChuteF> w;
    w->resize(300, 200);
    testing_support::processEvents();
    // 400 x 360 with the frame.
    EXPECT_EQ(w->size(), QSize(392, 333));
    EXPECT_EQ(child<QWidget>(w.get(), "Panneau")->y(), 333 - 234);
    EXPECT_EQ(child<QWidget>(w.get(), "Canevas")->geometry(), QRect(21, 3, 200, 327));
}

} // namespace
