// The wheel and disc windows: their pictures at the design size, and the
// disc's turning rim and grooves, kept per frame, matching the canvas's own
// arcs drawn afresh.
#include "motiontesting.h"

#include "motion/discwindow.h"
#include "motion/model/motions.h"
#include "motion/wheelwindow.h"

#include <QCheckBox>
#include <gtest/gtest.h>

using testing_support::Child;
using testing_support::RgbAt;

namespace {

void CheckAll(QWidget* w)
{
    for (const char* name : {"TraceACheck", "TraceBCheck", "TraceCCheck"})
        Child<QCheckBox>(w, name)->setChecked(true);
}

using WheelWindow = MotionTest;

TEST_F(WheelWindow, ScaleAndGroundInADesignCanvas)
{
    Opened<TRoueF> w;
    ASSERT_EQ(w->FrameBitmap().width(), 467);
    EXPECT_EQ(WorldScale, 64);
    EXPECT_EQ(w->WheelRadiusPx(), 31);
    const QImage& back = w->BackBitmap();
    const unsigned text = RgbOf(AppSettings.clTexte);
    const unsigned fond = RgbOf(AppSettings.clFond);
    EXPECT_EQ(RgbAt(back, 100, 155), fond);
    EXPECT_EQ(RgbAt(back, 100, 156), text);
    EXPECT_EQ(RgbAt(back, 100, 186), text);
    EXPECT_EQ(RgbAt(back, 100, 187), fond);
    EXPECT_EQ(RgbAt(back, 5, 170), text);
    EXPECT_EQ(RgbAt(back, 461, 170), text);
    int hatch = 0;
    for (int x = 6; x < 461; ++x)
        hatch += RgbAt(back, x, 170) == RgbOf(AppSettings.clContour) ? 1 : 0;
    // One hatch line every 8 pixels along the row.
    EXPECT_EQ(hatch, 57);
}

TEST_F(WheelWindow, FirstFrameAtTheLeftEdge)
{
    Opened<TRoueF> w;
    const QImage& picture = w->FrameBitmap();
    EXPECT_EQ(RgbAt(picture, 0, 93), RgbOf(AppSettings.clTraceA));
    EXPECT_EQ(RgbAt(picture, 0, 140), RgbOf(AppSettings.clTraceB));
    EXPECT_EQ(RgbAt(picture, 0, 125), RgbOf(AppSettings.clTraceC));
    // The wheel around the hub (0, 125), radius 31.
    EXPECT_EQ(RgbAt(picture, 30, 125), RgbOf(AppSettings.clContour));
    EXPECT_EQ(RgbAt(picture, 20, 125), RgbOf(AppSettings.clObjet));
    EXPECT_EQ(RgbAt(picture, 32, 125), RgbOf(AppSettings.clFond));
}

TEST_F(WheelWindow, LastFrameWithEveryTrace)
{
    Opened<TRoueF> w;
    CheckAll(w.Get());
    Click(w.Get(), "FinBout");
    const QPoint hub(29322 / 64, 125);
    // Frames 2 to 49 of the hub; frame 1 is cut by the left edge and frame
    // 50 lies under the hub's mark.
    EXPECT_EQ(CountCrosses(w->FrameBitmap(), AppSettings.clTraceC, hub), 48);
    EXPECT_EQ(RgbAt(w->FrameBitmap(), hub.x(), hub.y()), RgbOf(AppSettings.clTraceC));
}

using DiscWindow = MotionTest;

TEST_F(DiscWindow, DiscAndGroovesInADesignCanvas)
{
    Opened<TDisqueF> w;
    ASSERT_EQ(w->FrameBitmap().width(), 467);
    EXPECT_EQ(w->DiscRadiusPx(), 93);
    EXPECT_EQ(w->CentrePx(), QPoint(234, 125));
    const QImage& back = w->BackBitmap();
    // Box (141, 32) .. (327, 218).
    EXPECT_EQ(RgbAt(back, 326, 125), RgbOf(AppSettings.clContour));
    EXPECT_EQ(RgbAt(back, 327, 125), RgbOf(AppSettings.clFond));
    EXPECT_EQ(RgbAt(back, 141, 125), RgbOf(AppSettings.clContour));
    EXPECT_EQ(RgbAt(back, 200, 125), RgbOf(AppSettings.clObjet));
}

bool NearColour(const QImage& picture, QPoint at, unsigned rgb)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (RgbAt(picture, at.x() + dx, at.y() + dy) == rgb)
                return true;
    return false;
}

TEST_F(DiscWindow, RimHalfAndGroovesTurnWithTheDisc)
{
    Opened<TDisqueF> w;
    const QImage& picture = w->FrameBitmap();
    const unsigned cadre = RgbOf(AppSettings.clCadre);
    // Frame 1: the light half of the rim runs through the bottom.
    EXPECT_TRUE(NearColour(picture, QPoint(234, 217), cadre));
    EXPECT_FALSE(NearColour(picture, QPoint(234, 33), cadre));
    // Each groove arc spans 0.8 rad counter-clockwise from straight up, and
    // its twin the same half a turn on.
    for (int r : {83, 74, 65}) {
        const double a = 1.5707963 + 0.4;
        const QPoint on(int(std::lround(234 + r * std::cos(a))), int(std::lround(125 - r * std::sin(a))));
        const QPoint twin(2 * 234 - on.x(), 2 * 125 - on.y());
        EXPECT_TRUE(NearColour(picture, on, cadre)) << r;
        EXPECT_TRUE(NearColour(picture, twin, cadre)) << r;
        const QPoint mirror(2 * 234 - on.x(), on.y());
        EXPECT_FALSE(NearColour(picture, mirror, cadre)) << r;
    }
}

TEST_F(DiscWindow, TurnEndsOnTheFirstPicture)
{
    Opened<TDisqueF> w;
    const QImage first = w->FrameBitmap().copy();
    Click(w.Get(), "FinBout");
    EXPECT_EQ(w->FrameBitmap(), first);
}

TEST_F(DiscWindow, TracesOnTheOddFramesAndNoneForTheCentre)
{
    Opened<TDisqueF> w;
    CheckAll(w.Get());
    Click(w.Get(), "FinBout");
    // 21 marks each, the last on top of the first, under the point itself.
    EXPECT_EQ(CountCrosses(w->FrameBitmap(), AppSettings.clTraceA, QPoint(234 + 89, 125)), 19);
    EXPECT_EQ(CountCrosses(w->FrameBitmap(), AppSettings.clTraceB, QPoint(234, 125 - 46)), 19);
    const QImage withCentre = w->FrameBitmap().copy();
    Child<QCheckBox>(w.Get(), "TraceCCheck")->setChecked(false);
    EXPECT_EQ(w->FrameBitmap(), withCentre);
}

TEST_F(DiscWindow, StepsVisitTheOddFrames)
{
    Opened<TDisqueF> w;
    Click(w.Get(), "AvantBout");
    EXPECT_EQ(w->CurFrame(), 3);
    w->PlayTimerTimer();
    Click(w.Get(), "AvantBout");
    EXPECT_EQ(w->CurFrame(), 5);
    Click(w.Get(), "ArriereBout");
    EXPECT_EQ(w->CurFrame(), 3);
}

constexpr TColor kWhite = 0xFFFFFF;

// The arcs straight from the rim directions, in a 467-pixel-wide canvas.
QImage DrawnAfresh(const DiscMotion& disc, int frame)
{
    QImage image(467, 248, QImage::Format_RGB32);
    image.fill(Qt::black);
    Canvas canvas(image);
    canvas.pen = CanvasPen{kWhite};
    const QPoint c(234, 125);
    auto end = [&](int table, int sign) {
        const FramePos& e = disc.rimDirections[std::size_t(table)].At(frame);
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
    lines.Reset(QPoint(234, 125), 93, &disc.rimDirections);
    for (int frame : {1, 2, 7, 20, 41, 7}) {
        QImage kept(467, 248, QImage::Format_RGB32);
        kept.fill(Qt::black);
        {
            Canvas canvas(kept);
            lines.Draw(canvas, frame, kWhite);
        }
        EXPECT_EQ(kept, DrawnAfresh(disc, frame)) << "frame " << frame;
    }
    WorldScale = 1;
}

TEST(DiscTurningLines, NothingToDrawBeforeTheMotionIsKnown)
{
    QImage image(50, 50, QImage::Format_RGB32);
    image.fill(Qt::black);
    DiscTurningLines lines;
    Canvas canvas(image);
    lines.Draw(canvas, 1, kWhite);
    EXPECT_EQ(image.pixel(25, 25), QColor(Qt::black).rgb());
}

} // namespace
