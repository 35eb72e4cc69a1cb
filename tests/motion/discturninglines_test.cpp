// The disc's turning rim and grooves, kept per frame, match the canvas's
// own arcs drawn afresh.
#include "motion/discmodel.h"
#include "motion/discturninglines.h"
#include "motion/motionstate.h"

#include <gtest/gtest.h>

namespace {

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
