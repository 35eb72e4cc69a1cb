// The scale as drawn: the digits, the point, DEPASSE and the unit in the
// scale colour on the black display window.
#include "support/testhelpers.h"
#include "weight/weighing/weighingscaleface.h"

#include <gtest/gtest.h>
#include <vector>

using testing_support::RgbAt;

namespace {

constexpr TColor kColour = 0x6666FF; // canvas colour: red 0xFF, green and blue 0x66
constexpr unsigned kRgb = 0xFF6666;

class ScaleDrawing : public testing::Test
{
protected:
    void SetUp() override
    {
        face.Build();
        face.SetColour(kColour);
        ASSERT_EQ(face.DigitSheet().size(), QSize(425, 35));
        ASSERT_EQ(face.UnitSheet().size(), QSize(20, 29));
    }

    QImage Scale(double newtons) const
    {
        QImage image(kScaleWidth, kScaleHeight, QImage::Format_RGB32);
        Canvas canvas(image);
        face.Draw(canvas, 0, 0, newtons);
        return image;
    }
    // Position k (0..6) shows exactly the lit pixels of the glyph, the
    // point's rectangle aside.
    bool Shows(const QImage& scale, int k, int glyph, const QRect& point) const
    {
        for (int y = 0; y < 35; ++y)
            for (int x = 0; x < 25; ++x) {
                const QPoint at(8 + 25 * k + x, 16 + y);
                const bool lit = RgbAt(face.DigitSheet(), 25 * glyph + x, y) == kRgb;
                if (!point.contains(at) && lit != (RgbAt(scale, at.x(), at.y()) == kRgb))
                    return false;
            }
        return true;
    }

    ScaleFace face;
};

} // namespace

TEST_F(ScaleDrawing, DigitsPointDepasseAndUnit)
{
    const struct
    {
        const char* name;
        double newtons;
        std::vector<int> glyphs;
        int pointAfter;
    } cases[] = {
        {"apatosaurus_at_paris", 313920.0, {3, 1, 3, 9, 2, 0}, 0},
        {"snail_on_the_old_pluto", 0.016, {0, 0, 1, 6, 0, 0}, 1},
        {"apatosaurus_on_the_sun", 32000 * 274.0, {10, 11, 12, 13, 14, 15, 16}, 0},
    };
    for (const auto& c : cases) {
        const QImage scale = Scale(c.newtons);
        const QRect point(25 * c.pointAfter + 7, 46, 3, 4);
        for (int k = 0; k < int(c.glyphs.size()); ++k)
            EXPECT_TRUE(Shows(scale, k, c.glyphs[std::size_t(k)], point)) << c.name << " " << k;
        for (int after = 1; after <= 5; ++after)
            EXPECT_EQ(RgbAt(scale, 25 * after + 8, 47) == kRgb, after == c.pointAfter) << c.name << " " << after;
        const bool unit = scale.copy(159, 23, 20, 29) == face.UnitSheet();
        EXPECT_EQ(unit, c.glyphs.size() == 6) << c.name;
    }
    // DEPASSE's last letter leaves the display window's frame as it is.
    EXPECT_EQ(RgbAt(Scale(1e7), 182, 30), 0xC0C0C0u);
}
