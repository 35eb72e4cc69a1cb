// Composing one display: the darkening outside the field and behind the
// eye, and the drunk driver's blur.
#include "raster/tdibplus.h"
#include "road/field/fieldview.h"

#include <gtest/gtest.h>

namespace {

constexpr TDibColor kGrey = 0xC8C8C8; // 200 in each channel
constexpr TDibColor kShadedGrey = 0x363636; // 200 * 70 / 256 = 54

// Row `y` as a string, '#' for a darkened pixel and '.' for an untouched one.
std::string RowPattern(const TDibPlus& view, int y)
{
    std::string pattern;
    for (int x = 0; x < view.Width(); ++x)
        pattern += view.GetPixel(x, y) == kShadedGrey ? '#' : view.GetPixel(x, y) == kGrey ? '.' : '?';
    return pattern;
}

TEST(FieldDarkening, OutsideTheSpansBothEndsIncludedOnceEachAndEverythingBehindTheEye)
{
    TDibPlus view(10, 8);
    view.Fill(0xC8C8C8);
    // The eye on row 5, where both spans hold column 5, the field reaching
    // the left edge on row 3 and both edges on row 2; rows 1 and 0 are
    // beyond the field's rows.
    ShadeOutsideField(view, {{5, 5}, {4, 7}, {0, 8}, {0, 10}}, 5);
    EXPECT_EQ(RowPattern(view, 0), "..........");
    EXPECT_EQ(RowPattern(view, 1), "..........");
    EXPECT_EQ(RowPattern(view, 2), "..........");
    EXPECT_EQ(RowPattern(view, 3), "........##");
    EXPECT_EQ(RowPattern(view, 4), "#####..###");
    EXPECT_EQ(RowPattern(view, 5), "##########");
    EXPECT_EQ(RowPattern(view, 6), "##########");
    EXPECT_EQ(RowPattern(view, 7), "##########");
}

TEST(FieldBlur, SweepsRowsUpwardLeftToRightOverAlreadyBlurredPixels)
{
    // The eye on row 5: rows 4 then 3 are blurred. One bright blue pixel.
    TDibPlus view(12, 8);
    view.SetPixel(5, 3, 0x0000FF);
    BlurField(view, std::vector<FieldSpan>(4, FieldSpan{0, 12}), 5);
    // Row 4 went first and carried the light to the right as it went; row 3
    // then met it again from below.
    EXPECT_EQ(view.GetPixel(5, 4), 31u);
    EXPECT_EQ(view.GetPixel(7, 4), 3u);
    EXPECT_EQ(view.GetPixel(4, 3), 35u);
    EXPECT_EQ(view.GetPixel(6, 3), 11u);
    EXPECT_EQ(view.GetPixel(5, 2), 0u);
}

TEST(FieldBlur, NeverReadsPastTheEndOfARow)
{
    // 364 pixels of 3 bytes fill their rows exactly: the pixel after a
    // row's last is the next row's first.
    TDibPlus view(364, 6);
    view.Fill(0x204060);
    for (int y = 0; y < view.Height(); ++y)
        view.SetPixel(0, y, 0xFFFFFF);
    BlurField(view, std::vector<FieldSpan>(5, FieldSpan{0, 364}), 5);
    for (int y = 0; y < view.Height(); ++y) {
        EXPECT_EQ(view.GetPixel(363, y), 0x604020u) << "row " << y;
        EXPECT_EQ(view.GetPixel(0, y), 0xFFFFFFu) << "row " << y;
        EXPECT_EQ(view.GetPixel(2, y), 0x604020u) << "row " << y;
    }
}

} // namespace
