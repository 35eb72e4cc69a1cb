// Gradients, shaded bars and colour replacement, checked value by value.
#include "canvas/picturehelpers.h"
#include "canvastesting.h"

#include <gtest/gtest.h>

using namespace canvas_testing;

namespace {

TColor At(const QImage& image, int x, int y)
{
    return CanvasFromQColor(QColor(image.pixel(x, y)));
}

void ExpectRow(const QImage& image, int y, TColor color)
{
    for (int x = 0; x < image.width(); ++x)
        EXPECT_EQ(At(image, x, y), color) << "row " << y << " column " << x;
}

} // namespace

TEST(PictureHelpers, VerticalGradientRowsAreRoundedSteps)
{
    // White toward 0xF8BA88 over 455 rows: the about box's sky.
    QImage image = Blank(3, 455, QImage::Format_BGR888);
    VerticalGradient(image, 0xFFFFFF, 0xF8BA88, 455);
    ExpectRow(image, 0, 0xFFFFFF);
    ExpectRow(image, 227, 0xFCDDC4); // 195.63, 220.58, 251.51 rounded
    ExpectRow(image, 454, 0xF8BA88); // 136.26, 186.15, 248.02 rounded
}

TEST(PictureHelpers, GradientHalvesRoundAwayFromZeroAndStopAtTheirRows)
{
    QImage image = Blank(2, 4);
    VerticalGradient(image, 0x000000, 0x0000FF, 2);
    ExpectRow(image, 0, 0x000000);
    ExpectRow(image, 1, 0x000080); // 127.5
    ExpectRow(image, 2, kWhite); // beyond the gradient's rows
    ExpectRow(image, 3, kWhite);
}

TEST(PictureHelpers, HorizontalGradientColumns)
{
    QImage image = Blank(4, 2);
    HorizontalGradient(image, 0x000000, 0xC8C8C8, 4);
    const TColor expected[] = {0x000000, 0x323232, 0x646464, 0x969696};
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 2; ++y)
            EXPECT_EQ(At(image, x, y), expected[x]) << x << "," << y;
}

TEST(PictureHelpers, ShadedBarHasThreeBands)
{
    QImage image = Blank(4, 8);
    ShadedBar(image, 0x000000, 0xC8C8C8, 0x646464, 1, 3, 5, 7, 1, 3);
    const TColor rows[] = {kWhite, 0x000000, 0x646464, 0xC8C8C8, 0xC8C8C8, 0xC8C8C8, 0x969696, kWhite};
    for (int y = 0; y < 8; ++y) {
        EXPECT_EQ(At(image, 0, y), kWhite) << "row " << y;
        EXPECT_EQ(At(image, 1, y), rows[y]) << "row " << y;
        EXPECT_EQ(At(image, 2, y), rows[y]) << "row " << y;
        EXPECT_EQ(At(image, 3, y), kWhite) << "row " << y;
    }
}

TEST(PictureHelpers, ShadedBarVerticalHasThreeBandsOfColumns)
{
    QImage image = Blank(8, 3, QImage::Format_ARGB32_Premultiplied);
    ShadedBarVertical(image, 0x000000, 0xC8C8C8, 0x646464, 1, 3, 5, 7, 0, 2);
    const TColor columns[] = {kWhite, 0x000000, 0x646464, 0xC8C8C8, 0xC8C8C8, 0xC8C8C8, 0x969696, kWhite};
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(At(image, x, 0), columns[x]) << "column " << x;
        EXPECT_EQ(At(image, x, 1), columns[x]) << "column " << x;
        EXPECT_EQ(At(image, x, 2), kWhite) << "column " << x;
    }
}

TEST(PictureHelpers, BandsCutByTheImageEdgeAreClipped)
{
    QImage image = Blank(3, 3);
    ShadedBar(image, 0x000000, 0xFFFFFF, 0x000000, -4, 1, 2, 12, -5, 40);
    ShadedBarVertical(image, 0x000000, 0xFFFFFF, 0x000000, 5, 4, 3, 2, 0, 3); // bands out of order
    VerticalGradient(image, 0, 0, -1);
    ExpectRow(image, 0, 0xCCCCCC); // 4 of the 5 steps from black to white
    ExpectRow(image, 1, kWhite);
    ExpectRow(image, 2, kWhite); // the first row of the last band is light
}

TEST(PictureHelpers, ReplaceColorChangesOnlyThatColour)
{
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_BGR888, QImage::Format_ARGB32}) {
        QImage image = Blank(3, 1, format);
        image.setPixel(0, 0, QRgbFromCanvas(kRed));
        image.setPixel(2, 0, QRgbFromCanvas(0x0000FE));
        ReplaceColor(image, kRed, kBlue);
        EXPECT_EQ(At(image, 0, 0), kBlue) << format;
        EXPECT_EQ(At(image, 1, 0), kWhite) << format;
        EXPECT_EQ(At(image, 2, 0), 0x0000FEu) << format;
    }
}

// A film restores its background only where the last frame drew: those
// rectangles (one reaching past the edge) come back, every other pixel
// keeps the frame's; a picture of another shape is left alone.
TEST(PictureHelpers, CopyPixelsCopiesTheAreasClippedAndNothingBetweenShapesThatDiffer)
{
    QImage background(40, 6, QImage::Format_RGB32);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 40; ++x)
            background.setPixel(x, y, qRgb(x, y, 7));
    QImage frame(40, 6, QImage::Format_RGB32);
    frame.fill(0xFF0000FF);
    CopyPixels(background, frame, {QRect(3, 1, 30, 2), QRect(35, 4, 20, 9)});
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool restored = (x >= 3 && x <= 32 && y >= 1 && y <= 2) || (x >= 35 && y >= 4);
            ASSERT_EQ(frame.pixel(x, y), restored ? background.pixel(x, y) : 0xFF0000FFu) << x << "," << y;
        }
    CopyPixels(background, frame);
    EXPECT_EQ(frame, background);
    QImage other(40, 6, QImage::Format_ARGB32);
    other.fill(0);
    CopyPixels(background, other);
    EXPECT_EQ(other.pixel(5, 5), 0u);
}
