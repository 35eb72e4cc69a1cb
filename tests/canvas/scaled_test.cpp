// A canvas on a picture composed for a scaled screen (device pixel ratio r):
// the same logical drawing at r times the resolution, never enlarged pixels.
#include "canvas/picturehelpers.h"
#include "canvastesting.h"

#include <gtest/gtest.h>

#include <functional>

using namespace canvas_testing;

namespace {

QImage BlankAt(int logicalWidth, int logicalHeight, qreal ratio)
{
    QImage image = NewPicture(QSize(logicalWidth, logicalHeight), ratio);
    image.fill(Qt::white);
    return image;
}

// The pixels of `draw` on a canvas of ratio 2, and those of the same
// drawing with every coordinate and pen width doubled on a canvas of ratio 1.
struct Pair
{
    QImage scaled;
    QImage doubled;
};

Pair DrawBoth(int width, int height, const std::function<void(Canvas&, int)>& draw)
{
    Pair pair{BlankAt(width, height, 2), Blank(2 * width, 2 * height)};
    {
        Canvas canvas(pair.scaled);
        draw(canvas, 1);
    }
    {
        Canvas canvas(pair.doubled);
        draw(canvas, 2);
    }
    pair.scaled.setDevicePixelRatio(1);
    return pair;
}

int InkInRow(const QImage& image, int y)
{
    int ink = 0;
    for (int x = 0; x < image.width(); ++x)
        ink += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    return ink;
}

} // namespace

// Every shape lands where the same shape in a box twice as large would, with
// one-pixel pens one device pixel wide and wider pens twice as wide.
TEST(CanvasScaled, ShapesAreDrawnAtDeviceResolution)
{
    struct Row
    {
        const char* name;
        std::function<void(Canvas&, int)> draw;
    };
    const std::vector<Row> table = {
        {"Rectangle", [](Canvas& c, int k) { c.brush.color = kRed, c.Rectangle(1 * k, 2 * k, 9 * k, 7 * k); }},
        {"FillRect", [](Canvas& c, int k) { c.brush.color = kBlue, c.FillRect(3 * k, 1 * k, 8 * k, 4 * k); }},
        {"FrameRect", [](Canvas& c, int k) { c.FrameRect(2 * k, 2 * k, 10 * k, 8 * k); }},
        {"Ellipse", [](Canvas& c, int k) { c.brush.color = kRed, c.Ellipse(1 * k, 1 * k, 10 * k, 8 * k); }},
        {"RoundRect", [](Canvas& c, int k) { c.RoundRect(1 * k, 1 * k, 11 * k, 9 * k, 4 * k, 4 * k); }},
        {"Arc", [](Canvas& c, int k) { c.Arc(1 * k, 1 * k, 11 * k, 9 * k, 11 * k, 1 * k, 1 * k, 9 * k); }},
        {"Pie",
         [](Canvas& c, int k) {
             c.brush.color = kBlue;
             c.Pie(1 * k, 1 * k, 11 * k, 9 * k, 11 * k, 5 * k, 6 * k, 0);
         }},
        {"Polygon",
         [](Canvas& c, int k) {
             c.brush.color = kRed;
             c.Polygon({QPoint(1 * k, 1 * k), QPoint(10 * k, 3 * k), QPoint(4 * k, 9 * k)});
         }},
        {"Lines",
         [](Canvas& c, int k) {
             c.MoveTo(1 * k, 8 * k);
             c.LineTo(11 * k, 1 * k);
             c.Polyline({QPoint(1 * k, 1 * k), QPoint(6 * k, 1 * k), QPoint(6 * k, 9 * k)});
         }},
        {"WidePen",
         [](Canvas& c, int k) {
             c.pen.width = 3 * k;
             c.Rectangle(2 * k, 2 * k, 9 * k, 8 * k);
         }},
        {"Pixel",
         [](Canvas& c, int k) {
             if (k == 1)
                 c.SetPixel(5, 4, kRed);
             else
                 c.brush.color = kRed, c.FillRect(10, 8, 12, 10);
         }},
    };
    for (const Row& row : table) {
        const Pair pair = DrawBoth(12, 10, row.draw);
        EXPECT_EQ(Sketch(pair.scaled), Sketch(pair.doubled)) << row.name;
    }
}

TEST(CanvasScaled, OnePixelLineIsOneDevicePixelWide)
{
    QImage image = BlankAt(10, 4, 2);
    Canvas canvas(image);
    canvas.MoveTo(1, 1);
    canvas.LineTo(6, 1);
    EXPECT_EQ(InkInRow(image, 2), 10); // logical columns 1..5, end left out
    EXPECT_EQ(InkInRow(image, 3), 0);
    EXPECT_EQ(canvas.Width(), 10);
    EXPECT_EQ(canvas.Height(), 4);
}

// Dashes keep their logical length: 18 on and 6 off become 36 and 12
// device pixels of a line one device pixel wide.
TEST(CanvasScaled, DashesKeepTheirLogicalLength)
{
    QImage image = BlankAt(40, 2, 2);
    {
        Canvas canvas(image);
        canvas.pen.style = PenStyle::Dash;
        canvas.MoveTo(0, 0);
        canvas.LineTo(40, 0);
    }
    std::string row;
    for (int x = 0; x < 60; ++x)
        row += (image.pixel(x, 0) & 0xFFFFFF) == 0 ? '#' : '.';
    EXPECT_EQ(row, std::string(36, '#') + std::string(12, '.') + std::string(12, '#'));
    EXPECT_EQ(InkInRow(image, 1), 0);
}

// At a ratio of 1.5 a box's corners round to whole device pixels, and a
// one-pixel outline lies on the box's first and last device columns.
TEST(CanvasScaled, FractionalRatioKeepsOutlinesOnTheBox)
{
    QImage image = BlankAt(10, 10, 1.5);
    ASSERT_EQ(image.size(), QSize(15, 15));
    Canvas canvas(image);
    canvas.Rectangle(2, 2, 8, 8); // device 3..11
    const QImage device = image.copy();
    for (int x : {3, 11})
        EXPECT_EQ(device.pixel(x, 7) & 0xFFFFFF, 0u) << x;
    for (int x : {2, 4, 10, 12})
        EXPECT_EQ(device.pixel(x, 7) & 0xFFFFFF, 0xFFFFFFu) << x;
}

TEST(CanvasScaled, PixelReadsAndWritesWholeLogicalPixels)
{
    QImage image = BlankAt(4, 4, 2);
    Canvas canvas(image);
    canvas.SetPixel(1, 2, kBlue);
    EXPECT_EQ(canvas.Pixel(1, 2), kBlue);
    EXPECT_EQ(canvas.Pixel(2, 2), kWhite);
    EXPECT_EQ(CountColor(image, kBlue), 4);
    EXPECT_EQ(canvas.Pixel(-1, 0), 0u);
    EXPECT_EQ(canvas.Pixel(4, 0), 0u);
}

// Text is drawn with a font twice as high, smoothed at that resolution,
// while its measures stay logical so that layouts do not move.
TEST(CanvasScaled, TextIsSetAtDeviceResolutionAndMeasuredLogically)
{
    QImage plain = Blank(60, 16);
    QImage scaled = BlankAt(60, 16, 2);
    int plainWidth = 0;
    int scaledWidth = 0;
    {
        Canvas canvas(plain);
        canvas.brush.style = BrushStyle::Clear;
        canvas.TextOut(2, 1, QStringLiteral("Vitesse"));
        plainWidth = canvas.TextWidth(QStringLiteral("Vitesse"));
    }
    {
        Canvas canvas(scaled);
        canvas.brush.style = BrushStyle::Clear;
        canvas.TextOut(2, 1, QStringLiteral("Vitesse"));
        scaledWidth = canvas.TextWidth(QStringLiteral("Vitesse"));
    }
    EXPECT_EQ(scaledWidth, plainWidth);
    auto inkRows = [](const QImage& image) {
        int rows = 0;
        for (int y = 0; y < image.height(); ++y)
            rows += InkInRow(image, y) > 0;
        return rows;
    };
    // Twice the rows of ink, within a row or two of hinting.
    EXPECT_NEAR(inkRows(scaled), 2 * inkRows(plain), 2);
    EXPECT_GT(CountColor(scaled, kBlack) + 0, 0);
    const int grey = scaled.width() * scaled.height() - CountColor(scaled, kWhite) - CountColor(scaled, kBlack);
    EXPECT_GT(grey, 0) << "smoothed edges";
}

// A picture composed at the canvas's ratio is copied pixel for pixel; a
// picture of ratio 1 covers its logical size, enlarged.
TEST(CanvasScaled, PicturesArePlacedAtTheirLogicalSize)
{
    QImage fine = BlankAt(2, 2, 2);
    fine.setPixel(1, 0, qRgb(0, 0, 0));
    QImage coarse = Blank(2, 2);
    coarse.setPixel(1, 0, qRgb(0, 0, 0));
    QImage image = BlankAt(6, 3, 2);
    {
        Canvas canvas(image);
        canvas.Draw(0, 0, fine);
        canvas.Draw(3, 0, coarse);
        canvas.CopyRect(QRect(0, 2, 1, 1), fine, QRect(0, 0, 1, 1), RasterOp::And);
    }
    image.setDevicePixelRatio(1);
    EXPECT_EQ(Sketch(image),
              Rows({".#......##..", "........##..", "............", "............", ".#..........", "............"}));
}

TEST(CanvasScaled, GradientsAndBarsFollowTheRatio)
{
    QImage image = NewPicture(QSize(4, 6), 2);
    image.fill(Qt::white);
    VerticalGradient(image, 0x000000, 0xF0F0F0, 3);
    // Six device rows of gradient, each its own shade, then white.
    EXPECT_EQ(QColor(image.pixel(0, 0)).red(), 0);
    EXPECT_EQ(QColor(image.pixel(0, 5)).red(), 200);
    EXPECT_EQ(image.pixel(0, 6) & 0xFFFFFF, 0xFFFFFFu);
    ShadedBar(image, 0x0000FF, 0x0000FF, 0x0000FF, 4, 4, 5, 5, 1, 2);
    EXPECT_EQ(image.pixel(2, 8) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixel(3, 9) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixel(4, 8) & 0xFFFFFF, 0xFFFFFFu);
}
