// Colours, pixels and pictures: the 0x00BBGGRR layout, copy/OR/AND on every
// image format the program draws on, and an image over foreign storage.
#include "canvastesting.h"

#include <gtest/gtest.h>

using namespace canvas_testing;

TEST(CanvasColours, RedIsTheLowByte)
{
    EXPECT_EQ(QColorFromCanvas(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(QColorFromCanvas(0x00FF00), QColor(0, 255, 0));
    EXPECT_EQ(QColorFromCanvas(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(QRgbFromCanvas(0xF8BA88), qRgb(0x88, 0xBA, 0xF8));
    EXPECT_EQ(CanvasFromQColor(QColor(0x12, 0x34, 0x56)), 0x563412u);
}

TEST(CanvasPixels, SetPixelAndPixelIgnoreOutOfRange)
{
    QImage image = Blank(4, 3);
    Canvas canvas(image);
    canvas.SetPixel(1, 2, 0x563412);
    EXPECT_EQ(image.pixel(1, 2), qRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(canvas.Pixel(1, 2), 0x563412u);
    for (QPoint p : {QPoint(-1, 0), QPoint(4, 0), QPoint(0, -1), QPoint(0, 3)}) {
        canvas.SetPixel(p.x(), p.y(), kBlack);
        EXPECT_EQ(canvas.Pixel(p.x(), p.y()), 0u);
    }
    EXPECT_EQ(CountColor(image, kBlack), 0);
}

TEST(CanvasPixels, ImagesThatCannotBePaintedDrawNothing)
{
    QImage null;
    QImage indexed(4, 4, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 255, 255)});
    indexed.fill(0);
    for (QImage* image : {&null, &indexed}) {
        Canvas canvas(*image);
        canvas.Rectangle(0, 0, 5, 5);
        canvas.Ellipse(0, 0, 5, 5);
        canvas.TextOut(0, 0, "x");
        canvas.SetPixel(0, 0, kRed);
        canvas.Draw(0, 0, Blank(2, 2));
    }
    EXPECT_EQ(indexed.pixel(0, 0), qRgb(255, 255, 255));
}

class CanvasFormats : public testing::TestWithParam<QImage::Format>
{ };

TEST_P(CanvasFormats, PixelsAndShapesKeepTheirColours)
{
    QImage image = Blank(6, 4, GetParam());
    Canvas canvas(image);
    canvas.SetPixel(5, 3, 0x563412);
    canvas.brush.color = kRed;
    canvas.pen.color = kBlue;
    canvas.Rectangle(0, 0, 3, 3);
    EXPECT_EQ(canvas.Pixel(5, 3), 0x563412u);
    EXPECT_EQ(canvas.Pixel(1, 1), kRed);
    EXPECT_EQ(canvas.Pixel(2, 2), kBlue);
    EXPECT_EQ(canvas.Pixel(3, 3), kWhite);
}

TEST_P(CanvasFormats, OrAndAndCombineWithTheDestination)
{
    struct Case
    {
        RasterOp op;
        TColor result;
    };
    for (Case c : {Case{RasterOp::Copy, 0x0F0F0F}, Case{RasterOp::Or, 0x3F3F3F}, Case{RasterOp::And, 0x030303}}) {
        QImage image = Blank(4, 4, GetParam());
        image.fill(QColorFromCanvas(0x333333));
        QImage picture(2, 2, QImage::Format_RGB32);
        picture.fill(QColorFromCanvas(0x0F0F0F));
        Canvas canvas(image);
        canvas.Draw(1, 1, picture, c.op);
        EXPECT_EQ(canvas.Pixel(1, 1), c.result) << int(c.op);
        EXPECT_EQ(canvas.Pixel(2, 2), c.result) << int(c.op);
        EXPECT_EQ(canvas.Pixel(0, 0), 0x333333u) << int(c.op);
        EXPECT_EQ(canvas.Pixel(3, 3), 0x333333u) << int(c.op);
    }
}

TEST_P(CanvasFormats, MaskedDrawingShowsOnlyThePicture)
{
    // The transparency idiom: OR with the mask (white on the shape, black
    // around it), then AND with the picture (white around the shape).
    QImage image = Blank(3, 1, GetParam());
    image.fill(QColorFromCanvas(kBlue));
    QImage mask(3, 1, QImage::Format_RGB32);
    QImage picture(3, 1, QImage::Format_RGB32);
    mask.fill(Qt::black);
    picture.fill(Qt::white);
    mask.setPixel(1, 0, qRgb(255, 255, 255));
    picture.setPixel(1, 0, QRgbFromCanvas(kRed));
    Canvas canvas(image);
    canvas.Draw(0, 0, mask, RasterOp::Or);
    canvas.Draw(0, 0, picture, RasterOp::And);
    EXPECT_EQ(Sketch(image), "\nbrb");
}

INSTANTIATE_TEST_SUITE_P(AllFormats, CanvasFormats,
                         testing::Values(QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied,
                                         QImage::Format_BGR888));

TEST(CanvasPictures, StretchDrawRepeatsPixels)
{
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, QRgbFromCanvas(kRed));
    picture.setPixel(1, 0, QRgbFromCanvas(kBlue));
    QImage image = Blank(6, 2);
    Canvas canvas(image);
    canvas.StretchDraw(QRect(1, 0, 4, 2), picture);
    EXPECT_EQ(Sketch(image), Rows({".rrbb.", ".rrbb."}));
}

TEST(CanvasPictures, CopyRectTakesPartOfASource)
{
    QImage source = Blank(4, 1);
    source.setPixel(2, 0, QRgbFromCanvas(kRed));
    source.setPixel(3, 0, QRgbFromCanvas(kBlue));
    QImage image = Blank(4, 1);
    Canvas canvas(image);
    canvas.CopyRect(QRect(0, 0, 2, 1), source, QRect(2, 0, 2, 1));
    EXPECT_EQ(Sketch(image), "\nrb..");
}

TEST(CanvasPictures, CopyRectWithinItsOwnImage)
{
    QImage image = Blank(4, 1);
    Canvas canvas(image);
    canvas.SetPixel(0, 0, kRed);
    canvas.SetPixel(1, 0, kBlue);
    canvas.CopyRect(QRect(1, 0, 2, 1), image, QRect(0, 0, 2, 1));
    EXPECT_EQ(Sketch(image), "\nrrb.");
}

TEST(CanvasPictures, ForeignStorageIsDrawnInPlace)
{
    // A 24-bit image over storage owned elsewhere, as the raster surface
    // binds it: bytes are blue, green, red and never move.
    const int width = 4;
    const int stride = 12;
    std::vector<uchar> storage(std::size_t(stride) * 3, 0xFF);
    QImage image(storage.data(), width, 3, stride, QImage::Format_BGR888);
    Canvas canvas(image);
    canvas.SetPixel(1, 0, 0x563412);
    canvas.pen.color = kRed;
    canvas.MoveTo(0, 2);
    canvas.LineTo(4, 2);
    EXPECT_EQ(image.constBits(), storage.data());
    EXPECT_EQ(storage[3], 0x56);
    EXPECT_EQ(storage[4], 0x34);
    EXPECT_EQ(storage[5], 0x12);
    EXPECT_EQ(storage[2 * stride + 9], 0x00); // blue of (3, 2)
    EXPECT_EQ(storage[2 * stride + 11], 0xFF); // red of (3, 2)
    // A pixel written behind the canvas's back is read back through it.
    storage[stride] = 0x00;
    EXPECT_EQ(canvas.Pixel(0, 1), 0x00FFFFu);
}
