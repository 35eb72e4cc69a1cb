// Rectangles, ellipses, rounded rectangles, polygons and brushes in the box
// convention: a box (l, t, r, b) covers columns l..r-1 and rows t..b-1.
#include "canvastesting.h"

#include <gtest/gtest.h>

using namespace canvas_testing;

namespace {

// The smallest rectangle holding every pixel that is not white.
QRect InkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

bool MirrorSymmetric(const QImage& image)
{
    return image == image.mirrored(true, false) && image == image.mirrored(false, true);
}

} // namespace

TEST(CanvasBox, RectangleOutlinesWithPenAndFillsWithBrush)
{
    QImage image = Blank(8, 6);
    Canvas canvas(image);
    canvas.brush.color = kRed;
    canvas.Rectangle(1, 1, 6, 5);
    EXPECT_EQ(Sketch(image), Rows({"........", ".#####..", ".#rrr#..", ".#rrr#..", ".#####..", "........"}));
}

TEST(CanvasBox, FillRectAndClearPenRectangleCoverTheSameBox)
{
    for (bool clearPen : {false, true}) {
        QImage image = Blank(6, 5);
        Canvas canvas(image);
        canvas.brush.color = kBlue;
        canvas.pen.style = PenStyle::Clear;
        if (clearPen)
            canvas.Rectangle(4, 3, 1, 1); // corners given in reverse order
        else
            canvas.FillRect(1, 1, 4, 3);
        EXPECT_EQ(Sketch(image), Rows({"......", ".bbb..", ".bbb..", "......", "......"}))
            << (clearPen ? "Rectangle with a clear pen" : "FillRect");
    }
}

TEST(CanvasBox, FrameRectOutlinesInTheBrushColour)
{
    QImage image = Blank(6, 5);
    Canvas canvas(image);
    canvas.brush.color = kRed;
    canvas.FrameRect(0, 0, 5, 4);
    EXPECT_EQ(Sketch(image), Rows({"rrrrr.", "r...r.", "r...r.", "rrrrr.", "......"}));
}

TEST(CanvasBox, ThinAndEmptyBoxes)
{
    QImage image = Blank(5, 4);
    Canvas canvas(image);
    canvas.brush.color = kRed;
    canvas.Rectangle(1, 0, 2, 3); // one column: all outline
    canvas.Rectangle(3, 1, 3, 3); // no column at all
    canvas.Ellipse(4, 2, 4, 4);
    EXPECT_EQ(Sketch(image), Rows({".#...", ".#...", ".#...", "....."}));
}

TEST(CanvasBox, EllipseFitsItsBoxAndIsSymmetric)
{
    QImage image = Blank(12, 12);
    Canvas canvas(image);
    canvas.brush.color = kRed;
    canvas.Ellipse(0, 0, 11, 11);
    EXPECT_EQ(Sketch(image),
              Rows({"...#####....", "..#rrrrr#...", ".#rrrrrrr#..", "#rrrrrrrrr#.", "#rrrrrrrrr#.", "#rrrrrrrrr#.",
                    "#rrrrrrrrr#.", "#rrrrrrrrr#.", ".#rrrrrrr#..", "..#rrrrr#...", "...#####....", "............"}));
}

TEST(CanvasBox, CurvedShapesFitEveryBoxSize)
{
    const QSize sizes[] = {{1, 1}, {2, 2}, {3, 3}, {6, 3}, {16, 12}, {7, 30}, {40, 9}};
    for (QSize size : sizes) {
        for (bool round : {false, true}) {
            QImage image = Blank(size.width() + 4, size.height() + 4);
            Canvas canvas(image);
            canvas.brush.color = kRed;
            const int r = 2 + size.width();
            const int b = 2 + size.height();
            if (round)
                canvas.RoundRect(2, 2, r, b, 6, 4);
            else
                canvas.Ellipse(2, 2, r, b);
            const char* shape = round ? "RoundRect " : "Ellipse ";
            EXPECT_EQ(InkBounds(image), QRect(2, 2, size.width(), size.height()))
                << shape << size.width() << "x" << size.height();
            EXPECT_TRUE(MirrorSymmetric(image.copy(2, 2, size.width(), size.height())))
                << shape << size.width() << "x" << size.height();
        }
    }
}

TEST(CanvasBox, RoundRectHasStraightSidesAndCutCorners)
{
    QImage image = Blank(10, 7);
    Canvas canvas(image);
    canvas.brush.color = kRed;
    canvas.RoundRect(0, 0, 10, 7, 4, 4);
    EXPECT_EQ(Sketch(image),
              Rows({".########.", "#rrrrrrrr#", "#rrrrrrrr#", "#rrrrrrrr#", "#rrrrrrrr#", "#rrrrrrrr#", ".########."}));
}

TEST(CanvasBox, PolygonOutlinesEveryVertex)
{
    QImage image = Blank(6, 5);
    Canvas canvas(image);
    canvas.brush.color = kRed;
    canvas.Polygon({{1, 0}, {4, 0}, {4, 3}, {1, 3}});
    EXPECT_EQ(Sketch(image), Rows({".####.", ".#rr#.", ".#rr#.", ".####.", "......"}));
}

TEST(CanvasBox, HatchedBrushesLeaveTheBackgroundUntouched)
{
    const BrushStyle hatches[] = {BrushStyle::Horizontal, BrushStyle::Vertical, BrushStyle::FDiagonal,
                                  BrushStyle::BDiagonal,  BrushStyle::Cross,    BrushStyle::DiagCross};
    for (BrushStyle hatch : hatches) {
        QImage image = Blank(24, 24);
        image.fill(QColorFromCanvas(kBlue));
        Canvas canvas(image);
        canvas.pen.style = PenStyle::Clear;
        canvas.brush = {kRed, hatch};
        canvas.FillRect(0, 0, 24, 24);
        const int red = CountColor(image, kRed);
        EXPECT_GT(red, 0) << int(hatch);
        EXPECT_GT(CountColor(image, kBlue), 0) << int(hatch);
        EXPECT_EQ(red + CountColor(image, kBlue), 24 * 24) << int(hatch);
    }
}

TEST(CanvasBox, HatchInsideAShapeLinesUpWithTheImage)
{
    QImage filled = Blank(20, 20);
    QImage ellipse = Blank(20, 20);
    for (QImage* image : {&filled, &ellipse}) {
        Canvas canvas(*image);
        canvas.pen.style = PenStyle::Clear;
        canvas.brush = {kRed, BrushStyle::Cross};
        if (image == &filled)
            canvas.FillRect(0, 0, 20, 20);
        else
            canvas.Ellipse(0, 0, 20, 20);
    }
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if (ellipse.pixel(x, y) != 0xFFFFFFFF) {
                EXPECT_EQ(ellipse.pixel(x, y), filled.pixel(x, y)) << x << "," << y;
            }
}
