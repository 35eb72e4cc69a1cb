// The wheel and disc windows: their pictures at the design size, and the
// disc's turning rim and grooves, kept per frame, matching the canvas's own
// arcs drawn afresh.
#include "motiontesting.h"

#include "motion/model/motions.h"
#include "motion/tdisquef.h"
#include "motion/trouef.h"

#include <QCheckBox>
#include <gtest/gtest.h>

using testing_support::child;
using testing_support::rgbAt;

namespace {

void checkAll(QWidget* w)
{
    for (const char* name : {"TraceACheck", "TraceBCheck", "TraceCCheck"})
        child<QCheckBox>(w, name)->setChecked(true);
}

using WheelWindow = MotionTest;

TEST_F(WheelWindow, ScaleAndGroundInADesignCanvas)
{
    Opened<TRoueF> w;
    ASSERT_EQ(w->frameBitmap().width(), 467);
    EXPECT_EQ(WorldScale, 64);
    EXPECT_EQ(w->wheelRadiusPx(), 31);
    const QImage& back = w->backBitmap();
    const unsigned text = rgbOf(AppSettings.clTexte);
    const unsigned fond = rgbOf(AppSettings.clFond);
    EXPECT_EQ(rgbAt(back, 100, 155), fond);
    EXPECT_EQ(rgbAt(back, 100, 156), text);
    EXPECT_EQ(rgbAt(back, 100, 186), text);
    EXPECT_EQ(rgbAt(back, 100, 187), fond);
    EXPECT_EQ(rgbAt(back, 5, 170), text);
    EXPECT_EQ(rgbAt(back, 461, 170), text);
    int hatch = 0;
    for (int x = 6; x < 461; ++x)
        hatch += rgbAt(back, x, 170) == rgbOf(AppSettings.clContour) ? 1 : 0;
    // One hatch line every 8 pixels along the row.
    EXPECT_EQ(hatch, 57);
}

TEST_F(WheelWindow, FirstFrameAtTheLeftEdge)
{
    Opened<TRoueF> w;
    const QImage& picture = w->frameBitmap();
    EXPECT_EQ(rgbAt(picture, 0, 93), rgbOf(AppSettings.clTraceA));
    EXPECT_EQ(rgbAt(picture, 0, 140), rgbOf(AppSettings.clTraceB));
    EXPECT_EQ(rgbAt(picture, 0, 125), rgbOf(AppSettings.clTraceC));
    // The wheel around the hub (0, 125), radius 31.
    EXPECT_EQ(rgbAt(picture, 30, 125), rgbOf(AppSettings.clContour));
    EXPECT_EQ(rgbAt(picture, 20, 125), rgbOf(AppSettings.clObjet));
    EXPECT_EQ(rgbAt(picture, 32, 125), rgbOf(AppSettings.clFond));
}

TEST_F(WheelWindow, LastFrameWithEveryTrace)
{
    Opened<TRoueF> w;
    checkAll(w.get());
    click(w.get(), "FinBout");
    const QPoint hub(29322 / 64, 125);
    // Frames 2 to 49 of the hub; frame 1 is cut by the left edge and frame
    // 50 lies under the hub's mark.
    EXPECT_EQ(countCrosses(w->frameBitmap(), AppSettings.clTraceC, hub), 48);
    EXPECT_EQ(rgbAt(w->frameBitmap(), hub.x(), hub.y()), rgbOf(AppSettings.clTraceC));
}

using DiscWindow = MotionTest;

TEST_F(DiscWindow, DiscAndGroovesInADesignCanvas)
{
    Opened<TDisqueF> w;
    ASSERT_EQ(w->frameBitmap().width(), 467);
    EXPECT_EQ(w->discRadiusPx(), 93);
    EXPECT_EQ(w->centrePx(), QPoint(234, 125));
    const QImage& back = w->backBitmap();
    // Box (141, 32) .. (327, 218).
    EXPECT_EQ(rgbAt(back, 326, 125), rgbOf(AppSettings.clContour));
    EXPECT_EQ(rgbAt(back, 327, 125), rgbOf(AppSettings.clFond));
    EXPECT_EQ(rgbAt(back, 141, 125), rgbOf(AppSettings.clContour));
    EXPECT_EQ(rgbAt(back, 200, 125), rgbOf(AppSettings.clObjet));
}

bool nearColour(const QImage& picture, QPoint at, unsigned rgb)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (rgbAt(picture, at.x() + dx, at.y() + dy) == rgb)
                return true;
    return false;
}

TEST_F(DiscWindow, RimHalfAndGroovesTurnWithTheDisc)
{
    Opened<TDisqueF> w;
    const QImage& picture = w->frameBitmap();
    const unsigned cadre = rgbOf(AppSettings.clCadre);
    // Frame 1: the light half of the rim runs through the bottom.
    EXPECT_TRUE(nearColour(picture, QPoint(234, 217), cadre));
    EXPECT_FALSE(nearColour(picture, QPoint(234, 33), cadre));
    // Each groove arc spans 0.8 rad counter-clockwise from straight up, and
    // its twin the same half a turn on.
    for (int r : {83, 74, 65}) {
        const double a = 1.5707963 + 0.4;
        const QPoint on(int(std::lround(234 + r * std::cos(a))), int(std::lround(125 - r * std::sin(a))));
        const QPoint twin(2 * 234 - on.x(), 2 * 125 - on.y());
        EXPECT_TRUE(nearColour(picture, on, cadre)) << r;
        EXPECT_TRUE(nearColour(picture, twin, cadre)) << r;
        const QPoint mirror(2 * 234 - on.x(), on.y());
        EXPECT_FALSE(nearColour(picture, mirror, cadre)) << r;
    }
}

TEST_F(DiscWindow, TurnEndsOnTheFirstPicture)
{
    Opened<TDisqueF> w;
    const QImage first = w->frameBitmap().copy();
    click(w.get(), "FinBout");
    EXPECT_EQ(w->frameBitmap(), first);
}

TEST_F(DiscWindow, TracesOnTheOddFramesAndNoneForTheCentre)
{
    Opened<TDisqueF> w;
    checkAll(w.get());
    click(w.get(), "FinBout");
    // 21 marks each, the last on top of the first, under the point itself.
    EXPECT_EQ(countCrosses(w->frameBitmap(), AppSettings.clTraceA, QPoint(234 + 89, 125)), 19);
    EXPECT_EQ(countCrosses(w->frameBitmap(), AppSettings.clTraceB, QPoint(234, 125 - 46)), 19);
    const QImage withCentre = w->frameBitmap().copy();
    child<QCheckBox>(w.get(), "TraceCCheck")->setChecked(false);
    EXPECT_EQ(w->frameBitmap(), withCentre);
}

TEST_F(DiscWindow, StepsVisitTheOddFrames)
{
    Opened<TDisqueF> w;
    click(w.get(), "AvantBout");
    EXPECT_EQ(w->curFrame(), 3);
    w->PlayTimerTimer();
    click(w.get(), "AvantBout");
    EXPECT_EQ(w->curFrame(), 5);
    click(w.get(), "ArriereBout");
    EXPECT_EQ(w->curFrame(), 3);
}

constexpr TColor kWhite = 0xFFFFFF;

// The arcs straight from the rim directions, in a 467-pixel-wide canvas.
QImage drawnAfresh(const DiscMotion& disc, int frame)
{
    QImage image(467, 248, QImage::Format_RGB32);
    image.fill(Qt::black);
    Canvas canvas(image);
    canvas.pen = CanvasPen{kWhite};
    const QPoint c(234, 125);
    auto end = [&](int table, int sign) {
        const FramePos& e = disc.rimDirections[std::size_t(table)].at(frame);
        return QPoint((DiscCentreX + sign * e.x) / 64, (DiscCentreY - sign * e.y) / 64);
    };
    auto arc = [&](int r, QPoint a, QPoint b) {
        canvas.Arc(c.x() - r, c.y() - r, c.x() + r, c.y() + r, a.x(), a.y(), b.x(), b.y());
    };
    arc(93, end(0, 1), end(1, 1));
    for (int r : {83, 74, 65}) {
        arc(r, end(2, 1), end(3, 1));
        arc(r, end(2, -1), end(3, -1));
    }
    return image;
}

TEST(DiscTurningLines, KeptPixelsMatchFreshArcs)
{
    WorldScale = 64;
    const DiscMotion disc = ComputeDisc();
    DiscTurningLines lines;
    lines.reset(QPoint(234, 125), 93, &disc.rimDirections);
    for (int frame : {1, 2, 7, 20, 41, 7}) {
        QImage kept(467, 248, QImage::Format_RGB32);
        kept.fill(Qt::black);
        {
            Canvas canvas(kept);
            lines.draw(canvas, frame, kWhite);
        }
        EXPECT_EQ(kept, drawnAfresh(disc, frame)) << "frame " << frame;
    }
    WorldScale = 1;
}

TEST(DiscTurningLines, NothingToDrawBeforeTheMotionIsKnown)
{
    QImage image(50, 50, QImage::Format_RGB32);
    image.fill(Qt::black);
    DiscTurningLines lines;
    Canvas canvas(image);
    lines.draw(canvas, 1, kWhite);
    EXPECT_EQ(image.pixel(25, 25), QColor(Qt::black).rgb());
}

} // namespace
