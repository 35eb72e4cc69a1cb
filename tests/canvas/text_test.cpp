// Text cells: top-left at the given point, on the brush colour unless the
// brush is clear, measured with the current font, never antialiased.
#include "canvastesting.h"

#include <QFontInfo>
#include <gtest/gtest.h>

using namespace canvas_testing;

TEST(CanvasText, PointSizesConvertAt96Dpi)
{
    struct Case
    {
        int points;
        int pixels;
    };
    for (Case c : {Case{8, 11}, Case{10, 13}, Case{12, 16}, Case{9, 12}, Case{14, 19}}) {
        CanvasFont font;
        font.setPointSize(c.points);
        EXPECT_EQ(font.pixelHeight, c.pixels) << c.points << " pt";
        EXPECT_EQ(font.pointSize(), c.points) << c.points << " pt";
    }
    EXPECT_EQ(CanvasFont().pointSize(), 8);
}

TEST(CanvasText, ArialIsLiberationSansTwelvePixelsHigh)
{
    QImage image = blank(10, 10);
    Canvas canvas(image);
    EXPECT_EQ(QFontInfo(canvas.qfont()).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(canvas.TextHeight("Ag"), 12);
    EXPECT_GT(canvas.TextWidth("Mass"), canvas.TextWidth("Mas"));
    canvas.font.bold = true;
    EXPECT_GE(canvas.TextWidth("Mass"), canvas.TextWidth("Mas"));
}

TEST(CanvasText, TextOutPaintsTheCellFromItsTopLeft)
{
    QImage image = blank(40, 20);
    Canvas canvas(image);
    canvas.brush.color = kRed;
    canvas.TextOut(3, 4, "Ag");
    const int w = canvas.TextWidth("Ag");
    const int h = canvas.TextHeight("Ag");
    const QRect cell(3, 4, w, h);
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const TColor c = canvas.Pixel(x, y);
            if (!cell.contains(x, y))
                EXPECT_EQ(c, kWhite) << x << "," << y;
            else
                EXPECT_TRUE(c == kRed || c == kBlack) << x << "," << y << " no antialiasing";
            ink += c == kBlack;
        }
    }
    EXPECT_GT(ink, 10);
    // The baseline is at y + ascent (10 for Arial at 11 pixels): the foot of
    // the "A" stands on row 4 + 9, and nothing of it goes below.
    bool footOnBaseline = false;
    for (int x = 3; x < 3 + w / 2; ++x)
        footOnBaseline |= canvas.Pixel(x, 13) == kBlack;
    EXPECT_TRUE(footOnBaseline);
}

TEST(CanvasText, ClearBrushKeepsTheBackground)
{
    QImage image = blank(40, 20);
    image.fill(QColorFromCanvas(kBlue));
    Canvas canvas(image);
    canvas.brush.style = BrushStyle::Clear;
    canvas.font.color = kRed;
    canvas.TextOut(2, 2, "Kinea");
    const int red = countColor(image, kRed);
    EXPECT_GT(red, 10);
    EXPECT_EQ(red + countColor(image, kBlue), 40 * 20);
}

TEST(CanvasText, TextRectPaintsAndClipsToItsRectangle)
{
    QImage image = blank(40, 20);
    Canvas canvas(image);
    canvas.brush.color = kRed;
    const QRect clip(5, 2, 10, 8);
    canvas.TextRect(clip, 3, 0, "WWWW");
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            if (!clip.contains(x, y)) {
                EXPECT_EQ(canvas.Pixel(x, y), kWhite) << x << "," << y;
            }
    EXPECT_GT(countColor(image, kBlack), 0);
    EXPECT_EQ(countColor(image, kBlack) + countColor(image, kRed), clip.width() * clip.height());
}
