// Lines leave out their end pixel; pens solid, dashed, dotted, clear, wide.
#include "canvastesting.h"

#include <gtest/gtest.h>

using namespace canvas_testing;

namespace {

struct LineCase
{
    const char* name;
    QPoint from;
    QPoint to;
};

const LineCase kLines[] = {
    {"east", {2, 6}, {10, 6}},      {"west", {10, 6}, {2, 6}},      {"south", {6, 2}, {6, 10}},
    {"north", {6, 10}, {6, 2}},     {"south-east", {2, 2}, {9, 9}}, {"north-west", {9, 9}, {2, 2}},
    {"north-east", {2, 9}, {9, 2}}, {"south-west", {9, 2}, {2, 9}}, {"steep", {4, 1}, {7, 11}},
    {"shallow", {11, 7}, {1, 4}},
};

} // namespace

TEST(CanvasLines, EndPixelIsLeftOutInEveryDirection)
{
    for (const LineCase& line : kLines) {
        QImage image = Blank(13, 13);
        Canvas canvas(image);
        canvas.MoveTo(line.from.x(), line.from.y());
        canvas.LineTo(line.to.x(), line.to.y());
        const QPoint d = line.to - line.from;
        EXPECT_EQ(canvas.Pixel(line.from.x(), line.from.y()), kBlack) << line.name;
        EXPECT_EQ(canvas.Pixel(line.to.x(), line.to.y()), kWhite) << line.name;
        EXPECT_EQ(CountColor(image, kBlack), std::max(std::abs(d.x()), std::abs(d.y()))) << line.name;
        EXPECT_EQ(canvas.PenPos(), line.to) << line.name;
    }
}

TEST(CanvasLines, ReversedLineCoversTheOtherEnd)
{
    QImage image = Blank(8, 3);
    Canvas canvas(image);
    canvas.MoveTo(1, 0);
    canvas.LineTo(6, 0);
    canvas.MoveTo(6, 2);
    canvas.LineTo(1, 2);
    EXPECT_EQ(Sketch(image), Rows({".#####..", "........", "..#####."}));
}

TEST(CanvasLines, ZeroLengthLineDrawsNothing)
{
    for (int width : {1, 3}) {
        QImage image = Blank(5, 5);
        Canvas canvas(image);
        canvas.pen.width = width;
        canvas.MoveTo(2, 2);
        canvas.LineTo(2, 2);
        EXPECT_EQ(CountColor(image, kWhite), 25) << "width " << width;
    }
}

TEST(CanvasLines, PolylineLeavesOutOnlyItsLastPixel)
{
    QImage image = Blank(6, 5);
    Canvas canvas(image);
    canvas.MoveTo(0, 0);
    canvas.Polyline({{1, 0}, {4, 0}, {4, 3}, {1, 3}});
    EXPECT_EQ(Sketch(image), Rows({".####.", "....#.", "....#.", "..###.", "......"}));
    EXPECT_EQ(canvas.PenPos(), QPoint(0, 0));
}

TEST(CanvasLines, DashedAndDottedPens)
{
    struct Case
    {
        PenStyle style;
        const char* row;
    };
    const Case cases[] = {
        {PenStyle::Dash, "##################......################"},
        {PenStyle::Dot, "###...###...###...###...###...###...###."},
        {PenStyle::DashDot, "#########......###......#########......#"},
        {PenStyle::DashDotDot, "#########...###...###...#########...###."},
        {PenStyle::Clear, "........................................"},
    };
    for (const Case& c : cases) {
        QImage image = Blank(40, 1);
        Canvas canvas(image);
        canvas.pen.style = c.style;
        canvas.MoveTo(0, 0);
        canvas.LineTo(40, 0);
        EXPECT_EQ(Sketch(image), std::string("\n") + c.row) << int(c.style);
    }
}

TEST(CanvasLines, DottedPenOnAShapeOutline)
{
    QImage image = Blank(24, 3);
    Canvas canvas(image);
    canvas.pen.style = PenStyle::Dot;
    canvas.brush.style = BrushStyle::Clear;
    canvas.Rectangle(0, 0, 24, 3);
    const std::string top = Sketch(image).substr(1, 24);
    EXPECT_NE(top.find("#.."), std::string::npos) << top;
    EXPECT_EQ(top.find("#####"), std::string::npos) << top;
}

TEST(CanvasLines, WidePensAreCentredOnTheLine)
{
    QImage image = Blank(12, 7);
    Canvas canvas(image);
    canvas.pen.width = 3;
    canvas.MoveTo(3, 3);
    canvas.LineTo(8, 3);
    // Round caps of radius 1.5 reach the pixels diagonal to each end.
    EXPECT_EQ(Sketch(image), Rows({"............", "............", "..########..", "..########..", "..########..",
                                   "............", "............"}));
}
