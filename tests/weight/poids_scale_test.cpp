// The scale as drawn: the glyph sheets, the digits, the point, DEPASSE and
// the unit, in the scale colour on the black display window.
#include "support/testhelpers.h"
#include "weight/weightscaleface.h"
#include "weight/weightzone.h"

#include <QPainter>
#include <QSet>
#include <gtest/gtest.h>

using testing_support::rgbAt;

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

    QImage Scale(double newtons)
    {
        QImage image(kScaleWidth, kScaleHeight, QImage::Format_RGB32);
        Canvas canvas(image);
        face.Draw(canvas, 0, 0, newtons);
        return image;
    }
    QImage Glyph(int glyph) const { return face.DigitSheet().copy(25 * glyph, 0, 25, 35); }
    // Digit position k (0..6) shows the glyph: its lit pixels and no others,
    // the decimal point after digit `pointAfter` aside.
    bool Shows(const QImage& scale, int k, int glyph, int pointAfter = 0) const
    {
        const QImage sheet = Glyph(glyph);
        const QRect point(25 * pointAfter + 7, 46, 3, 4);
        for (int y = 0; y < 35; ++y)
            for (int x = 0; x < 25; ++x) {
                const QPoint at(8 + 25 * k + x, 16 + y);
                if (pointAfter > 0 && point.contains(at))
                    continue;
                if ((rgbAt(sheet, x, y) == kRgb) != (rgbAt(scale, at.x(), at.y()) == kRgb))
                    return false;
            }
        return true;
    }
    static bool PointAfter(const QImage& scale, int c)
    {
        for (int y = 46; y < 50; ++y)
            for (int x = 25 * c + 7; x < 25 * c + 10; ++x)
                if (rgbAt(scale, x, y) != kRgb)
                    return false;
        return true;
    }

    ScaleFace face;
};

} // namespace

TEST_F(ScaleDrawing, SheetsAreLitInTheScaleColourOnBlack)
{
    for (const QImage* sheet : {&face.DigitSheet(), &face.UnitSheet()}) {
        QSet<unsigned> colours;
        for (int y = 0; y < sheet->height(); ++y)
            for (int x = 0; x < sheet->width(); ++x)
                colours.insert(rgbAt(*sheet, x, y));
        EXPECT_EQ(colours, (QSet<unsigned>{0x000000, kRgb}));
    }
    // D is drawn like a 0, and the two S like a 5.
    EXPECT_EQ(Glyph(10), Glyph(0));
    EXPECT_EQ(Glyph(14), Glyph(5));
    EXPECT_EQ(Glyph(15), Glyph(5));
    EXPECT_NE(Glyph(8), Glyph(0));
}

TEST_F(ScaleDrawing, SixDigitsWithoutPointFromAHundredThousand)
{
    const QImage scale = Scale(313920.0);
    const int digits[] = {3, 1, 3, 9, 2, 0};
    for (int k = 0; k < 6; ++k)
        EXPECT_TRUE(Shows(scale, k, digits[k])) << k;
    for (int c = 1; c <= 5; ++c)
        EXPECT_FALSE(PointAfter(scale, c)) << c;
    EXPECT_EQ(scale.copy(159, 23, 20, 29), face.UnitSheet());
}

TEST_F(ScaleDrawing, SmallWeightKeepsItsLeadingZeroAndPointAfterIt)
{
    const QImage scale = Scale(0.016);
    const int digits[] = {0, 0, 1, 6, 0, 0};
    for (int k = 0; k < 6; ++k)
        EXPECT_TRUE(Shows(scale, k, digits[k], 1)) << k;
    EXPECT_TRUE(PointAfter(scale, 1));
    EXPECT_FALSE(PointAfter(scale, 2));
}

TEST_F(ScaleDrawing, OverAMillionNewtonsSpellsDepasseWithoutUnit)
{
    const QImage scale = Scale(32000 * 274.0);
    for (int k = 0; k < 7; ++k)
        EXPECT_TRUE(Shows(scale, k, 10 + k)) << k;
    // The seventh glyph leaves the display window's frame as it is.
    EXPECT_EQ(rgbAt(scale, 182, 30), 0xC0C0C0u);
    for (int c = 1; c <= 5; ++c)
        EXPECT_FALSE(PointAfter(scale, c)) << c;
}

TEST_F(ScaleDrawing, ObjectStandsCentredOnTheScale)
{
    ObjectPicture picture;
    picture.Load(14);
    picture.Fit(252);
    QImage zone(kScaleWidth, 252, QImage::Format_RGB32);
    ComposeZone(zone, true, 100.0, face, picture);
    EXPECT_EQ(zone.copy(0, 252 - kScaleHeight, kScaleWidth, kScaleHeight), Scale(100.0));
    if (!picture.Present())
        GTEST_SKIP() << "the elephant's picture is not among the resources";
    const QSize size = picture.Size();
    EXPECT_TRUE(size.height() == 252 - 70 || size.width() == kScaleWidth);
    QImage expected(size, QImage::Format_RGB32);
    expected.fill(Qt::black);
    QPainter(&expected).drawImage(0, 0, picture.Image());
    EXPECT_EQ(zone.copy(95 - size.width() / 2, 252 - kScaleHeight - size.height(), size.width(), size.height()),
              expected);
}
