// The caption box of the globe view: its place, its round-cornered
// darkening and its three lines of text.
#include "globetesting.h"

#include "raster/globeview.h"
#include "support/testhelpers.h"

namespace {

using testing_support::RgbAt;

constexpr unsigned kWhite = 0xFFFFFF;
// 255 x 130 / 256 = 129 (0x81) holds the text at 3.1:1 only: white ice is
// darkened further, to 0x68, where the text reads at 4.5:1.
constexpr unsigned kDarkenedWhite = 0x686868;
constexpr unsigned kTextColour = 0xFFE0E0; // canvas colour 0xE0E0FF

// Rows 0..54 of the box: which columns are darkened.
bool Darkened(int column, int row)
{
    const int d = std::min(row, 54 - row);
    if (d > 7)
        return true;
    return column >= 7 - LabelInset[d] && column <= std::min(138 + LabelInset[d], 144);
}

bool AnyPixelIn(const QImage& picture, int top, int bottom, unsigned colour)
{
    for (int y = top; y <= bottom; ++y)
        for (int x = 55; x < 200; ++x)
            if (RgbAt(picture, x, y) == colour)
                return true;
    return false;
}

TEST(LabelInsetTest, IsTheRoundedCornerProfileOfRadiusSeven)
{
    EXPECT_EQ(LabelRadius, 7);
    const std::array<int, 8> expected = {0, 4, 5, 6, 6, 7, 7, 7};
    EXPECT_EQ(LabelInset, expected);
    for (int k = 0; k <= 7; ++k)
        EXPECT_EQ(LabelInset[k], static_cast<int>(std::nearbyint(std::sqrt(49.0 - (7 - k) * (7 - k))))) << k;
}

TEST_F(GlobeViewTest, TheCaptionDarkensItsBoxWithRoundCornersAndNothingElse)
{
    RenderGlobe(1, "", "", true, 0xFFFFFF);
    const QImage& picture = GlobePicture(1);
    for (int y = 0; y < 217; ++y)
        for (int x = 0; x < 217; ++x) {
            const bool inBox = x >= 55 && x < 200 && y >= 19 && y < 74;
            const unsigned expected = inBox && Darkened(x - 55, y - 19) ? kDarkenedWhite : kWhite;
            ASSERT_EQ(RgbAt(picture, x, y), expected) << x << "," << y;
        }
}

TEST_F(GlobeViewTest, WithNoPlaceTheFirstCaptionLineIsEmpty)
{
    RenderGlobe(1, "Terre ( Paris )", "Altitude : 89 mètres", true, 0xFFFFFF);
    const QImage& picture = GlobePicture(1);
    EXPECT_FALSE(AnyPixelIn(picture, 19, 19 + 18, kTextColour));
    EXPECT_TRUE(AnyPixelIn(picture, 19 + 19, 19 + 33, kTextColour));
    EXPECT_TRUE(AnyPixelIn(picture, 19 + 34, 19 + 50, kTextColour));
}

TEST_F(GlobeViewTest, WithAPlaceTheCaptionSaysAPlaceIsSelected)
{
    Show(1, 1);
    RenderGlobe(1, "", "", true, 0);
    EXPECT_TRUE(AnyPixelIn(GlobePicture(1), 19 + 2, 19 + 18, kTextColour));
}

TEST_F(GlobeViewTest, WithoutTheCaptionSurfaceTheBoxIsLeftOut)
{
    FreeGlobes(4, 0, true);
    RenderGlobe(1, "Titre", "Détail", true, 0xFFFFFF);
    EXPECT_EQ(RgbAt(GlobePicture(1), 120, 40), kWhite);
}

TEST_F(GlobeViewTest, TheCaptionKeepsItsFontBetweenRenders)
{
    RenderGlobe(1, "Terre", "Altitude", true, 0);
    const QImage first = GlobePicture(1).copy();
    RenderGlobe(1, "Terre", "Altitude", true, 0);
    EXPECT_EQ(GlobePicture(1), first);
}

} // namespace
