// The banner and the colour preview, probed at the pixels their drawing
// rules fix.
#include "canvas/canvas.h"
#include "shell/preferences/preferencescolorpage.h"
#include "shell/preferences/preferencesdrawing.h"
#include "shell/preferences/preferencespages.h"
#include "support/testhelpers.h"

#include <gtest/gtest.h>

using testing_support::RgbAt;

namespace {

constexpr unsigned kNavyRgb = 0x000080;
constexpr TColor kFace = 0xE0D8F0; // canvas layout: red F0, green D8, blue E0

QImage Banner(int page, TColor face = kFace)
{
    QImage image(kBannerSize, QImage::Format_RGB32);
    QImage iconBitmap(kPageIconSize, QImage::Format_RGB32);
    DrawPreferencesBanner(image, iconBitmap, PreferencesPageDrawing(page), PreferencesPageCaption(page), face);
    return image;
}

TEST(PreferencesBanner, NavyOnTheLeftThenAGradientToTheButtonFace)
{
    const QImage image = Banner(2);
    for (int y : {0, 11, 22}) {
        EXPECT_EQ(RgbAt(image, 0, y), kNavyRgb);
        EXPECT_EQ(RgbAt(image, 4, y), kNavyRgb);
    }
    // Bottom row, below the caption: the gradient alone.
    const int y = 22;
    EXPECT_EQ(RgbAt(image, 25, y), kNavyRgb);
    const unsigned last = RgbAt(image, 394, y);
    EXPECT_NEAR(int(last >> 16), 0xF0, 1);
    EXPECT_NEAR(int((last >> 8) & 0xFF), 0xD8, 1);
    EXPECT_NEAR(int(last & 0xFF), 0xE0, 1);
    // Half-way, each channel half-way, rounded.
    const unsigned middle = RgbAt(image, 25 + 185, y);
    EXPECT_EQ(middle >> 16, 0x78u);
    EXPECT_EQ((middle >> 8) & 0xFF, 0x6Cu);
    EXPECT_EQ(middle & 0xFF, 0xB0u);
}

TEST(PreferencesBanner, IconWhiteTurnsNavy)
{
    for (int page = 0; page < 8; ++page) {
        const QImage icon = PreferencesPageIcon(page);
        const QImage image = Banner(page);
        ASSERT_EQ(icon.size(), QSize(20, 21));
        int navy = 0;
        for (int y = 0; y < 21; ++y) {
            for (int x = 0; x < 20; ++x) {
                if (RgbAt(icon, x, y) == 0xFFFFFF) {
                    EXPECT_EQ(RgbAt(image, 5 + x, y), kNavyRgb) << page << " " << x << "," << y;
                    ++navy;
                }
            }
        }
        // Each icon draws something, on a white ground.
        EXPECT_GT(navy, 40) << page;
        EXPECT_LT(navy, 20 * 21) << page;
    }
}

TEST(PreferencesBanner, CaptionIsWhiteAndCentredVertically)
{
    const QImage image = Banner(0);
    int top = 99;
    int bottom = -1;
    int left = 999;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 25; x < image.width(); ++x) {
            if (RgbAt(image, x, y) == 0xFFFFFF) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
            }
        }
    }
    ASSERT_GE(bottom, 0);
    EXPECT_GE(left, 25 + 2); // after the caption's leading space
    EXPECT_NEAR((top + bottom) / 2.0, 11.5, 2.5);
}

struct PreviewFixture : testing::Test
{
    void SetUp() override
    {
        // Eight different colours, so that each probe tells which setting
        // painted it; in the editor's order: markers A, B and C, screen,
        // objects, outline, text, frame.
        WriteColors(s, {0x00E000, 0xF00000, 0x0A0B0C, 0x102030, 0x708090, 0xA0B0C0, 0x0000D0, 0x405060});
        preview.fill(Qt::black);
        DrawColorPreview(preview, s, QStringLiteral("Kinea"));
    }

    // The pixel in the canvas colour layout.
    TColor At(int x, int y) const { return CanvasFromQColor(QColor(preview.pixel(x, y))); }

    AppSettingsRecord s;
    QImage preview{kPreviewSize, QImage::Format_RGB32};
};

TEST_F(PreviewFixture, ScreenFrameAndWheel)
{
    EXPECT_EQ(At(0, 0), s.clCadre);
    EXPECT_EQ(At(179, 99), s.clCadre);
    EXPECT_EQ(At(3, 40), s.clFond);
    EXPECT_EQ(At(90, 30), s.clObjet);
    EXPECT_EQ(At(65, 50), s.clContour);
    // Marker A, drawn after the wheel, covers its right edge there.
    EXPECT_EQ(At(114, 50), s.clTraceA);
}

TEST_F(PreviewFixture, ThreeMarkers)
{
    EXPECT_EQ(At(115, 50), s.clTraceA);
    EXPECT_EQ(At(78, 50), s.clTraceB);
    EXPECT_EQ(At(90, 50), s.clTraceC);
}

TEST_F(PreviewFixture, HatchedBarOutlinedInTextColour)
{
    EXPECT_EQ(At(10, 80), s.clTexte);
    EXPECT_EQ(At(169, 80), s.clTexte);
    // Inside the outline, diagonals eight pixels apart: each column of the
    // eight inner rows crosses one of them once, on the background.
    for (int x = 11; x <= 168; ++x) {
        int hatch = 0;
        int ground = 0;
        for (int y = 76; y <= 83; ++y) {
            hatch += At(x, y) == s.clContour;
            ground += At(x, y) == s.clFond;
        }
        EXPECT_EQ(hatch, 1) << "column " << x;
        EXPECT_EQ(ground, 7) << "column " << x;
    }
}

TEST_F(PreviewFixture, TitleEndsAtX175AtTheTop)
{
    // Right of the wheel and inside the frame: the title alone, smoothed
    // text in the text colour over the screen colour.
    const testing_support::TextInk ink = testing_support::ReadTextInk(
        preview, QRect(120, 1, 59, 39), QRgbFromCanvas(s.clTexte) & 0xFFFFFFu, QRgbFromCanvas(s.clFond) & 0xFFFFFFu);
    EXPECT_EQ(ink.foreign, 0);
    EXPECT_LE(ink.closest, 0x40);
    EXPECT_LE(ink.bounds.right(), 175);
    EXPECT_GE(ink.bounds.right(), 172);
    EXPECT_GE(ink.bounds.top(), 5);
    EXPECT_LE(ink.bounds.top(), 9);
}

} // namespace
