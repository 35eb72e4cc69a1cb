// Readable text colours: the ink for a picture's area, and a background
// darkened under light text.
#include "canvas/colorcontrast.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// The organ's highlight beside its pale field: an ink that reads on one
// need not read on the other.
TEST(ReadableInkOver, ReadsOnEveryBackgroundOfTheArea)
{
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(QColorFromCanvas(0xFFF8F0));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 8; ++x)
            picture.setPixelColor(x, y, QColorFromCanvas(0x95C4F9));
    const TColor ink = ReadableInkOver(0x95C4F9, picture, QRect(0, 0, 20, 10));
    EXPECT_GE(ContrastRatio(ink, 0x95C4F9), 4.5);
    EXPECT_GE(ContrastRatio(ink, 0xFFF8F0), 4.5);
    EXPECT_NEAR(QColorFromCanvas(ink).hueF(), QColorFromCanvas(0x95C4F9).hueF(), 0.01);
    // Only the field under the text: a lighter ink is enough.
    const TColor onField = ReadableInkOver(0x95C4F9, picture, QRect(10, 0, 10, 10));
    EXPECT_GT(QColorFromCanvas(onField).lightness(), QColorFromCanvas(ink).lightness());
}

TEST(ReadableInkOver, AnAreaOutsideThePictureKeepsTheInk)
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::white);
    EXPECT_EQ(ReadableInkOver(0xFFFFFF, picture, QRect(10, 10, 5, 5)), 0xFFFFFFu);
}

TEST(DarkenedUnder, WhiteDarkensUntilLightTextReads)
{
    const TColor under = DarkenedUnder(0xFFFFFF, 0xEEEEEE);
    EXPECT_GE(ContrastRatio(0xEEEEEE, under), 4.5);
    // Just enough: a step lighter would not do.
    const int level = int(under & 0xFF);
    EXPECT_LT(ContrastRatio(0xEEEEEE, TColor(level + 2) * 0x010101), 4.5);
}

TEST(DarkenedUnder, KeepsTheHueOfAColouredBackground)
{
    const TColor sky = 0xF8BA88;
    const TColor under = DarkenedUnder(sky, 0xE0E0FF);
    EXPECT_GE(ContrastRatio(0xE0E0FF, under), 4.5);
    EXPECT_NEAR(QColorFromCanvas(under).hueF(), QColorFromCanvas(sky).hueF(), 0.01);
}

TEST(DarkenedUnder, DarkEnoughOrUnderDarkTextStaysAsItIs)
{
    EXPECT_EQ(DarkenedUnder(0x202020, 0xEEEEEE), 0x202020u);
    // Dark text on a grey picture (3.1:1): darkening would make it worse.
    EXPECT_EQ(DarkenedUnder(0xA0A0A0, 0x505050), 0xA0A0A0u);
}

} // namespace
