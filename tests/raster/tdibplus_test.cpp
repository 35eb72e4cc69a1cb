// The raster surface: storage layout, checked and fast pixel access, the
// 3 x 3 blur, row darkening and the copy onto another canvas.
#include "raster/tdibplus.h"

#include "canvas/colorcontrast.h"
#include "support/testhelpers.h"

#include <gtest/gtest.h>

namespace {

struct RowBytesCase
{
    int width;
    int height;
    int rowBytes;
};

class RowBytesTest : public testing::TestWithParam<RowBytesCase>
{ };

TEST_P(RowBytesTest, RowsArePaddedToFourBytes)
{
    const RowBytesCase c = GetParam();
    TDibPlus dib(c.width, c.height);
    EXPECT_EQ(dib.RowBytes(), c.rowBytes);
    EXPECT_EQ(dib.ImageSize(), c.rowBytes * c.height);
    EXPECT_EQ(dib.Image().bytesPerLine(), c.rowBytes);
}

INSTANTIATE_TEST_SUITE_P(Sizes, RowBytesTest,
                         testing::Values(RowBytesCase{1, 1, 4}, RowBytesCase{642, 621, 1928},
                                         RowBytesCase{206, 206, 620}, RowBytesCase{145, 55, 436},
                                         RowBytesCase{4, 2, 12}, RowBytesCase{2, 3, 8}));

TEST(TDibPlusTest, ANewSurfaceIsBlack)
{
    TDibPlus dib(31, 7);
    for (int i = 0; i < dib.ImageSize(); ++i)
        ASSERT_EQ(dib.Bits()[i], 0) << "byte " << i;
}

TEST(TDibPlusTest, PixelsAreStoredBlueGreenRedTopRowFirst)
{
    TDibPlus dib(5, 3);
    dib.SetPixel(2, 1, 0x123456);
    const std::uint8_t* p = dib.Bits() + 1 * dib.RowBytes() + 3 * 2;
    EXPECT_EQ(p[0], 0x56);
    EXPECT_EQ(p[1], 0x34);
    EXPECT_EQ(p[2], 0x12);
    EXPECT_EQ(dib.GetPixel(2, 1), 0x123456u);
    EXPECT_EQ(dib.GetPixelFast(2, 1), 0x123456u);
}

TEST(TDibPlusTest, OnlyTheLow24BitsAreStoredAndTheNextPixelKeepsItsBytes)
{
    TDibPlus dib(4, 1);
    dib.SetPixel(2, 0, 0x00ABCDEF);
    dib.SetPixel(1, 0, 0xFF102030);
    EXPECT_EQ(dib.GetPixel(1, 0), 0x102030u);
    EXPECT_EQ(dib.GetPixel(2, 0), 0xABCDEFu);
    dib.SetPixelFast(0, 0, 0x7F000001);
    EXPECT_EQ(dib.GetPixel(0, 0), 0x000001u);
    EXPECT_EQ(dib.GetPixel(1, 0), 0x102030u);
}

TEST(TDibPlusTest, PointsOutsideAreIgnored)
{
    TDibPlus dib(3, 2);
    const struct
    {
        int x, y;
    } outside[] = {{-1, 0}, {3, 0}, {0, -1}, {0, 2}, {-5, -5}, {1000, 1000}};
    for (const auto& p : outside) {
        dib.SetPixel(p.x, p.y, 0xFFFFFF);
        // Any answer but the transparent key 0xFF00FF keeps the about box right.
        EXPECT_NE(dib.GetPixel(p.x, p.y), 0xFF00FFu) << p.x << "," << p.y;
    }
    for (int i = 0; i < dib.ImageSize(); ++i)
        ASSERT_EQ(dib.Bits()[i], 0) << "byte " << i;
}

TEST(TDibPlusTest, UnusableSizesGiveAnEmptySurfaceThatIgnoresEverything)
{
    for (auto [w, h] : {std::pair{0, 5}, {5, 0}, {-3, 4}, {100000, 2}}) {
        TDibPlus dib(w, h);
        EXPECT_FALSE(dib.HasHandle());
        dib.SetPixel(0, 0, 0xFFFFFF);
        EXPECT_EQ(dib.GetPixel(0, 0), 0u);
        dib.ShadeRow(0, 3, 0, 0, 0, 0);
        dib.Fill(0xFFFFFF);
        dib.Canvas().FillRect(0, 0, 3, 3);
    }
}

TEST(TDibPlusTest, BlurTakesTheMeanOfEachChannelDroppingTheRemainder)
{
    TDibPlus dib(3, 3);
    dib.SetPixel(0, 0, 0x0A0B64); // red 10, green 11, blue 100
    dib.SetPixel(2, 2, 0x010008);
    dib.BlurPixel(1, 1);
    EXPECT_EQ(dib.GetPixel(1, 1), TDibColor((11 / 9) << 16 | (11 / 9) << 8 | (108 / 9)));
}

TEST(TDibPlusTest, ASweptBlurReadsAlreadyBlurredNeighbours)
{
    TDibPlus dib(4, 3);
    dib.SetPixel(0, 1, 0x000090); // blue 144
    dib.BlurPixel(1, 1); // 144 / 9 = 16
    dib.BlurPixel(2, 1); // sees the new 16, not the old 0: 16 / 9 = 1
    EXPECT_EQ(dib.GetPixel(1, 1), 16u);
    EXPECT_EQ(dib.GetPixel(2, 1), 1u);
}

class ShadeRowTest : public testing::Test
{
protected:
    // Rows longer than the 48 bytes the shade takes at a time.
    static constexpr int kWidth = 24;
    TDibPlus dib{kWidth, 3};

    void SetUp() override { dib.Fill(0xC8A064); } // canvas colour: red 0x64, green 0xA0, blue 0xC8

    void ExpectRow(int y, TDibColor inside, int first, int last, TDibColor outside = 0x64A0C8)
    {
        for (int x = 0; x < kWidth; ++x)
            EXPECT_EQ(dib.GetPixel(x, y), (x >= first && x <= last) ? inside : outside) << "x " << x;
    }
};

TEST_F(ShadeRowTest, FullFactorsLeaveTheRowUnchanged)
{
    dib.ShadeRow(0, kWidth, 1, 256, 256, 256);
    ExpectRow(1, 0x64A0C8, 0, kWidth - 1);
}

TEST_F(ShadeRowTest, EachChannelIsScaledByItsOwnFactor)
{
    dib.ShadeRow(2, 21, 1, 128, 64, 130);
    ExpectRow(1, TDibColor(0x64 * 128 / 256) << 16 | TDibColor(0xA0 * 64 / 256) << 8 | (0xC8 * 130 / 256), 2, 21);
}

TEST_F(ShadeRowTest, ASegmentStartingLeftOfTheSurfaceIsClamped)
{
    dib.ShadeRow(-5, 3, 1, 0, 0, 0);
    ExpectRow(1, 0x000000, 0, 3);
}

TEST_F(ShadeRowTest, ASegmentRightOfTheSurfaceBlackensTheWholeRow)
{
    dib.ShadeRow(kWidth, kWidth + 5, 1, 200, 200, 200);
    ExpectRow(1, 0x000000, 0, kWidth - 1);
    ExpectRow(0, 0x64A0C8, 0, kWidth - 1);
}

TEST_F(ShadeRowTest, ASegmentLeftOfTheSurfaceBlackensTheWholeRow)
{
    dib.ShadeRow(-9, -1, 2, 200, 200, 200);
    ExpectRow(2, 0x000000, 0, kWidth - 1);
}

TEST_F(ShadeRowTest, ARowOutsideTheSurfaceChangesNothing)
{
    for (int y : {-1, 3, 1000}) {
        dib.ShadeRow(0, kWidth, y, 0, 0, 0);
        dib.ShadeRow(kWidth, kWidth + 5, y, 0, 0, 0);
    }
    for (int y = 0; y < 3; ++y)
        ExpectRow(y, 0x64A0C8, 0, kWidth - 1);
}

TEST_F(ShadeRowTest, FactorsBeyondTheRangeAreClampedRatherThanSpillingIntoTheNextChannel)
{
    dib.ShadeRow(0, 0, 0, 1000, -20, 256);
    EXPECT_EQ(dib.GetPixel(0, 0), 0x6400C8u);
}

// A picture row darkened as the braking scene darkens its panels: each
// channel by its own factor, over more pixels than one vector holds, the
// ends kept, a segment past the edges clipped.
TEST(ShadePictureRowTest, EachChannelIsScaledByItsOwnFactorBetweenTheEnds)
{
    constexpr int kWidth = 12;
    QImage picture(kWidth, 2, QImage::Format_RGB32);
    for (int x = 0; x < kWidth; ++x)
        for (int y = 0; y < 2; ++y)
            picture.setPixel(x, y, qRgb(20 * x + 15, 255 - 9 * x, 7 * x));
    const QImage before = picture;
    ShadePictureRow(picture, 0, 1, 10, 110, 90, 70);
    ShadePictureRow(picture, 1, -4, kWidth + 3, 255, 300, -8);
    for (int x = 0; x < kWidth; ++x) {
        const QRgb was = before.pixel(x, 0);
        const QRgb shaded
            = (x >= 1 && x <= 10) ? qRgb(qRed(was) * 110 / 256, qGreen(was) * 90 / 256, qBlue(was) * 70 / 256) : was;
        EXPECT_EQ(picture.pixel(x, 0), shaded) << "x " << x;
        EXPECT_EQ(picture.pixel(x, 1), qRgb(qRed(was) * 255 / 256, qGreen(was), 0)) << "x " << x;
    }
}

// Every colour of a 16-level cube, darkened under a light ink: each pixel
// is kept when it reads already, and darkened as DarkenedUnder says when
// not. The grid walks each channel alone past the dark-enough limit.
TEST(TDibPlusTest, DarkenUnderInkKeepsWhatReadsAndDarkensTheRestAsDarkenedUnder)
{
    constexpr TColor kInk = 0xE0E0FF;
    constexpr int kLevels = 16;
    TDibPlus dib(kLevels * kLevels, kLevels);
    const auto canvasColour = [](int x, int y) {
        const auto level = [](int i) { return TColor(i * 17); };
        return level(x % kLevels) | level(x / kLevels) << 8 | level(y) << 16;
    };
    const auto swapRedBlue = [](TColor c) { return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF); };
    for (int y = 0; y < kLevels; ++y)
        for (int x = 0; x < kLevels * kLevels; ++x)
            dib.SetPixel(x, y, swapRedBlue(canvasColour(x, y)));
    for (int y = 0; y < kLevels; ++y)
        dib.DarkenUnderInk(0, kLevels * kLevels - 1, y, kInk);
    for (int y = 0; y < kLevels; ++y)
        for (int x = 0; x < kLevels * kLevels; ++x) {
            const TColor colour = canvasColour(x, y);
            const TColor expected = ContrastRatio(kInk, colour) >= 4.5 ? colour : DarkenedUnder(colour, kInk);
            ASSERT_EQ(swapRedBlue(dib.GetPixel(x, y)), expected) << std::hex << "colour " << colour;
        }
}

TEST(TDibPlusCanvasTest, TheCanvasDrawsIntoTheSameStorage)
{
    TDibPlus dib(20, 10);
    dib.Canvas().brush = {0x0000FF, BrushStyle::Solid}; // canvas red
    dib.Canvas().FillRect(2, 3, 5, 4);
    EXPECT_EQ(dib.GetPixel(2, 3), 0xFF0000u);
    EXPECT_EQ(dib.GetPixel(4, 3), 0xFF0000u);
    EXPECT_EQ(dib.GetPixel(5, 3), 0u);
    dib.SetPixel(10, 5, 0x00FF00);
    EXPECT_EQ(dib.Canvas().Pixel(10, 5), 0x00FF00u);
}

TEST(TDibPlusCanvasTest, DrawCopiesTheWholeSurfaceUnscaled)
{
    TDibPlus dib(3, 2);
    dib.SetPixel(0, 0, 0x112233);
    dib.SetPixel(2, 1, 0x445566);
    QImage target(10, 10, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        Canvas canvas(target);
        dib.Draw(canvas, 4, 5);
    }
    using testing_support::RgbAt;
    EXPECT_EQ(RgbAt(target, 4, 5), 0x112233u);
    EXPECT_EQ(RgbAt(target, 6, 6), 0x445566u);
    EXPECT_EQ(RgbAt(target, 5, 5), 0x000000u);
    EXPECT_EQ(RgbAt(target, 7, 6), 0xFFFFFFu);
    EXPECT_EQ(RgbAt(target, 4, 7), 0xFFFFFFu);
}

TEST(TDibPlusCanvasTest, FillTakesACanvasColour)
{
    TDibPlus dib(3, 3);
    dib.Fill(0x332211); // red 0x11, green 0x22, blue 0x33
    EXPECT_EQ(dib.GetPixel(1, 1), 0x112233u);
}

} // namespace
