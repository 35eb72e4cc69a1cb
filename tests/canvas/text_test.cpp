// Text cells: top-left at the given point, on the brush colour unless the
// brush is clear, measured with the current font, smoothed in grays.
#include "canvastesting.h"
#include "support/testhelpers.h"

#include <QFontInfo>
#include <gtest/gtest.h>

using namespace canvas_testing;
using testing_support::ReadTextInk;
using testing_support::TextInk;

TEST(CanvasText, PointSizesConvertAt96Dpi)
{
    struct Case
    {
        int points;
        int pixels;
    };
    for (Case c : {Case{8, 11}, Case{10, 13}, Case{12, 16}, Case{9, 12}, Case{14, 19}}) {
        CanvasFont font;
        font.SetPointSize(c.points);
        EXPECT_EQ(font.pixelHeight, c.pixels) << c.points << " pt";
        EXPECT_EQ(font.PointSize(), c.points) << c.points << " pt";
    }
    EXPECT_EQ(CanvasFont().PointSize(), 8);
}

TEST(CanvasText, ArialIsLiberationSansTwelvePixelsHigh)
{
    QImage image = Blank(10, 10);
    Canvas canvas(image);
    EXPECT_EQ(QFontInfo(canvas.Qfont()).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(canvas.TextHeight("Ag"), 12);
    EXPECT_GT(canvas.TextWidth("Mass"), canvas.TextWidth("Mas"));
    canvas.font.bold = true;
    EXPECT_GT(canvas.TextWidth("Mass"), canvas.TextWidth("Mas"));
}

TEST(CanvasText, TextOutPaintsTheCellFromItsTopLeft)
{
    QImage image = Blank(40, 20);
    Canvas canvas(image);
    canvas.brush.color = kRed;
    canvas.TextOut(3, 4, "Ag");
    const QRect cell(3, 4, canvas.TextWidth("Ag"), canvas.TextHeight("Ag"));
    const TextInk outside = ReadTextInk(image, image.rect(), 0x000000, 0xFFFFFF);
    EXPECT_EQ(outside.bounds, cell);
    const TextInk text = ReadTextInk(image, cell, 0x000000, 0xFF0000);
    EXPECT_EQ(text.foreign, 0);
    EXPECT_LE(text.closest, 0x40);
    // The baseline is at y + ascent (10 for Arial at 11 pixels): the foot of
    // the "A" stands on row 4 + 9, and nothing of it goes below.
    const QRect a
        = ReadTextInk(image, QRect(cell.left(), cell.top(), cell.width() / 2, cell.height()), 0x000000, 0xFF0000)
              .bounds;
    EXPECT_EQ(a.bottom(), 13);
    // "g" hangs below the baseline, within the cell.
    EXPECT_GT(text.bounds.bottom(), 13);
}

// Small text stays legible: its edges are smoothed in grays, never in the
// colour fringes of subpixel smoothing.
TEST(CanvasText, TextIsSmoothedInGrays)
{
    QImage image = Blank(60, 16);
    Canvas canvas(image);
    canvas.brush.style = BrushStyle::Clear;
    canvas.font.SetPointSize(7);
    canvas.font.bold = true;
    canvas.TextOut(1, 1, "( m ) 70");
    const TextInk ink = ReadTextInk(image, image.rect(), 0x000000, 0xFFFFFF);
    EXPECT_EQ(ink.foreign, 0);
    EXPECT_GT(ink.blended, 0);
    EXPECT_LE(ink.closest, 0x40);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            EXPECT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)) << x << "," << y;
        }
}

// Where a picture is later cut by its exact colours, text can be drawn in
// its two colours only.
TEST(CanvasText, AliasedFontDrawsOnlyTheInk)
{
    QImage image = Blank(60, 16);
    Canvas canvas(image);
    canvas.brush.style = BrushStyle::Clear;
    canvas.font.antialiased = false;
    canvas.TextOut(1, 1, "( m ) 70");
    const int ink = CountColor(image, kBlack);
    EXPECT_GT(ink, 10);
    EXPECT_EQ(ink + CountColor(image, kWhite), 60 * 16);
}

TEST(CanvasText, ShapesAfterTextStayAliased)
{
    QImage image = Blank(40, 30);
    Canvas canvas(image);
    canvas.brush.style = BrushStyle::Clear;
    canvas.TextOut(1, 1, "Ag");
    image.fill(Qt::white);
    canvas.pen.color = kRed;
    canvas.brush = CanvasBrush{kBlue};
    canvas.Ellipse(3, 3, 30, 25);
    canvas.MoveTo(0, 29);
    canvas.LineTo(39, 26);
    EXPECT_EQ(CountColor(image, kWhite) + CountColor(image, kRed) + CountColor(image, kBlue), 40 * 30);
}

TEST(CanvasText, ClearBrushKeepsTheBackground)
{
    QImage image = Blank(40, 20);
    image.fill(QColorFromCanvas(kBlue));
    Canvas canvas(image);
    canvas.brush.style = BrushStyle::Clear;
    canvas.font.color = kRed;
    canvas.TextOut(2, 2, "Kinea");
    const TextInk ink = ReadTextInk(image, image.rect(), 0xFF0000, 0x0000FF);
    EXPECT_EQ(ink.foreign, 0);
    EXPECT_LE(ink.closest, 0x40);
    // Within the cell, but for a smoothed edge that may spill one pixel past
    // the advance.
    const QRect cell(2, 2, canvas.TextWidth("Kinea"), canvas.TextHeight("Kinea"));
    EXPECT_TRUE(cell.adjusted(0, 0, 1, 0).contains(ink.bounds));
    EXPECT_EQ(ink.bounds.left(), 2);
    // No descender: the letters stand on the baseline, row 2 + 9.
    EXPECT_EQ(ink.bounds.bottom(), 11);
}

TEST(CanvasText, TextRectPaintsAndClipsToItsRectangle)
{
    QImage image = Blank(40, 20);
    Canvas canvas(image);
    canvas.brush.color = kRed;
    const QRect clip(5, 2, 10, 8);
    canvas.TextRect(clip, 3, 0, "WWWW");
    EXPECT_EQ(ReadTextInk(image, image.rect(), 0x000000, 0xFFFFFF).bounds, clip);
    const TextInk text = ReadTextInk(image, clip, 0x000000, 0xFF0000);
    EXPECT_EQ(text.foreign, 0);
    EXPECT_LE(text.closest, 0x40);
}
