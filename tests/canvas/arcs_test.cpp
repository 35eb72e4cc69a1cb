// Arcs run counter-clockwise on screen from the ray through the first point
// to the ray through the second, on the very pixels of the box's ellipse.
#include "canvastesting.h"

#include <gtest/gtest.h>

using namespace canvas_testing;

namespace {

// An 11 x 11 box centred on (5, 5): east is (10, 5), north (5, 0).
QImage Arc(QPoint first, QPoint second)
{
    QImage image = Blank(11, 11);
    Canvas canvas(image);
    canvas.Arc(0, 0, 11, 11, first.x(), first.y(), second.x(), second.y());
    return image;
}

QImage EllipseOutline(int w, int h)
{
    QImage image = Blank(w, h);
    Canvas canvas(image);
    canvas.brush.style = BrushStyle::Clear;
    canvas.Ellipse(0, 0, w, h);
    return image;
}

} // namespace

TEST(CanvasArcs, QuarterFromEastToNorthIsTheUpperRight)
{
    const QImage image = Arc({10, 5}, {5, 0});
    const QImage outline = EllipseOutline(11, 11);
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 11; ++x) {
            const bool upperRight = x >= 5 && y <= 5;
            const bool onEllipse = outline.pixel(x, y) != 0xFFFFFFFF;
            EXPECT_EQ(image.pixel(x, y) != 0xFFFFFFFF, upperRight && onEllipse) << x << "," << y;
        }
    }
}

TEST(CanvasArcs, FromNorthToEastCoversTheOtherThreeQuarters)
{
    const QImage image = Arc({5, 0}, {10, 5});
    const QImage outline = EllipseOutline(11, 11);
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 11; ++x) {
            const bool strictlyUpperRight = x > 5 && y < 5;
            const bool onEllipse = outline.pixel(x, y) != 0xFFFFFFFF;
            EXPECT_EQ(image.pixel(x, y) != 0xFFFFFFFF, onEllipse && !strictlyUpperRight) << x << "," << y;
        }
    }
}

TEST(CanvasArcs, RaysOnlyGiveDirections)
{
    // Points far outside the box, on the same rays, draw the same arc.
    EXPECT_EQ(Arc({10, 5}, {5, 0}), Arc({100, 5}, {5, -40}));
}

TEST(CanvasArcs, EqualRaysDrawTheWholeEllipse)
{
    QImage image = Blank(21, 9);
    Canvas canvas(image);
    canvas.Arc(0, 0, 21, 9, 3, 0, 3, 0);
    EXPECT_EQ(image, EllipseOutline(21, 9));
}

TEST(CanvasArcs, ArcOfAFlatEllipseFollowsItsRays)
{
    // 45 degrees to 135 degrees from the centre (10, 4): the top of the
    // ellipse, between the diagonals.
    QImage image = Blank(21, 9);
    Canvas canvas(image);
    canvas.Arc(0, 0, 21, 9, 20, -6, 0, -6);
    const QImage outline = EllipseOutline(21, 9);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 21; ++x) {
            const bool between = (4 - y) >= std::abs(x - 10);
            const bool onEllipse = outline.pixel(x, y) != 0xFFFFFFFF;
            EXPECT_EQ(image.pixel(x, y) != 0xFFFFFFFF, onEllipse && between) << x << "," << y;
        }
    }
}

TEST(CanvasArcs, PieIsTheQuarterClosedToTheCentre)
{
    QImage image = Blank(11, 11);
    Canvas canvas(image);
    canvas.brush.color = kRed;
    canvas.Pie(0, 0, 11, 11, 10, 5, 5, 0);
    EXPECT_EQ(Sketch(image),
              Rows({".....###...", ".....#rr#..", ".....#rrr#.", ".....#rrrr#", ".....#rrrr#", ".....######",
                    "...........", "...........", "...........", "...........", "..........."}));
}
