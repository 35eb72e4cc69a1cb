// The credits panel's geometry and pictures: rounded darkened shape,
// endless scroll, credits and globe masks.
#include "canvas/colorcontrast.h"
#include "raster/tdibplus.h"
#include "shell/about/aboutpictures.h"
#include "testhelpers.h"

#include <QPainter>
#include <gtest/gtest.h>

using testing_support::RgbAt;

// Half-widths of the corner's chord, round(sqrt(20² - (20 - i)²)), on the
// top rows and, mirrored, on the bottom ones.
TEST(CreditsPanel, CornerProfileOfRadiusTwenty)
{
    const TDibPlus panel(kCreditsWidth, kCreditsPanelHeight);
    const int expected[21] = {0, 6, 9, 11, 12, 13, 14, 15, 16, 17, 17, 18, 18, 19, 19, 19, 20, 20, 20, 20, 20};
    for (int i = 0; i <= 20; ++i) {
        EXPECT_EQ(DarkenedSpan(panel, i).first, 20 - expected[i]) << "row " << i;
        EXPECT_EQ(DarkenedSpan(panel, kCreditsPanelHeight - 1 - i).first, 20 - expected[i]) << "row " << i;
    }
}

TEST(CreditsPanel, DarkenedRowsAreRoundedAtTopAndBottom)
{
    struct Case
    {
        int row;
        int x1;
        int x2;
    };
    const Case cases[] = {{0, 20, 380},  {1, 14, 386},  {20, 0, 399},   {21, 0, 399},
                          {132, 0, 399}, {244, 0, 399}, {263, 14, 386}, {264, 20, 380}};
    const TDibPlus panel(kCreditsWidth, kCreditsPanelHeight);
    for (const Case& c : cases) {
        const ColumnSpan span = DarkenedSpan(panel, c.row);
        EXPECT_EQ(span.first, c.x1) << "row " << c.row;
        EXPECT_EQ(span.last, c.x2) << "row " << c.row;
    }
}

TEST(CreditsPanel, ScrollRepeatsEndlessly)
{
    EXPECT_EQ(CreditsHeight(45, 17), 44 * 17 + 40);
    const int height = 300;
    int row = 0;
    for (int tick = 0; tick < height - 1; ++tick)
        row = NextScrollRow(row, height);
    EXPECT_EQ(row, height - 1);
    EXPECT_EQ(NextScrollRow(row, height), 0);
}

TEST(CreditsPanel, PiecesContinueFromTheFirstRow)
{
    const std::vector<RowPiece> still = CreditPieces(100, 788);
    ASSERT_EQ(still.size(), 1u);
    EXPECT_EQ(still[0].sourceRow, 100);
    EXPECT_EQ(still[0].rows, 265);

    const std::vector<RowPiece> wrapped = CreditPieces(700, 788);
    ASSERT_EQ(wrapped.size(), 2u);
    EXPECT_EQ(wrapped[0].sourceRow, 700);
    EXPECT_EQ(wrapped[0].rows, 88);
    EXPECT_EQ(wrapped[1].sourceRow, 0);
    EXPECT_EQ(wrapped[1].panelRow, 88);
    EXPECT_EQ(wrapped[1].rows, 177);
}

TEST(CreditsPanel, ShortCreditsRepeatSeveralTimesInThePanel)
{
    const std::vector<RowPiece> pieces = CreditPieces(50, 100);
    int rows = 0;
    for (const RowPiece& p : pieces) {
        EXPECT_EQ(p.panelRow, rows);
        rows += p.rows;
    }
    EXPECT_EQ(rows, 265);
    EXPECT_EQ(pieces.size(), 4u);
    EXPECT_TRUE(CreditPieces(0, 0).empty());
}

TEST(AboutPictures, BackgroundGoesFromWhiteToPaleBlueInAGreyFrame)
{
    const QImage background = AboutBackground();
    ASSERT_EQ(background.size(), QSize(650, 455));
    EXPECT_EQ(RgbAt(background, 0, 0), 0x808080u);
    EXPECT_EQ(RgbAt(background, 649, 454), 0x808080u);
    EXPECT_EQ(RgbAt(background, 300, 1), 0xFFFFFFu);
    // Row 453 of 455: 0xFF + 453 (0x88 - 0xFF) / 455 rounded, and so on.
    EXPECT_EQ(RgbAt(background, 300, 453), 0x89BAF8u);
}

TEST(AboutPictures, GlobeMaskIsWhiteOnTheDiscOnly)
{
    QImage rendering(217, 217, QImage::Format_RGB32);
    rendering.fill(QColor(255, 0, 255));
    QPainter painter(&rendering);
    painter.fillRect(QRect(50, 50, 20, 20), Qt::black);
    painter.end();
    const QImage mask = GlobeMaskFrom(rendering);
    EXPECT_EQ(RgbAt(mask, 0, 0), 0x000000u);
    EXPECT_EQ(RgbAt(mask, 60, 60), 0xFFFFFFu);
}

TEST(AboutPictures, CreditsAreDrawnOnATransparentLayer)
{
    QImage logo(10, 10, QImage::Format_ARGB32);
    logo.fill(Qt::transparent);
    logo.setPixel(2, 2, qRgba(10, 20, 30, 255));
    logo.setPixel(3, 2, qRgba(10, 20, 30, 100)); // faint edge: kept faint
    QStringList lines(13);
    lines.append(QStringLiteral("Kinea"));
    const CreditsPictures credits = PrepareCredits(lines, logo);
    // A line is as high as "|" in Arial 11 point bold.
    QImage probe(1, 1, QImage::Format_RGB32);
    Canvas measure(probe);
    measure.font.SetPointSize(11);
    measure.font.bold = true;
    EXPECT_EQ(credits.lineHeight, measure.TextHeight(QStringLiteral("|")));
    EXPECT_EQ(credits.height, 13 * credits.lineHeight + 40);
    EXPECT_EQ(credits.picture.pixel(17, 112), qRgba(10, 20, 30, 255));
    EXPECT_EQ(qAlpha(credits.picture.pixel(18, 112)), 100);
    EXPECT_EQ(qAlpha(credits.picture.pixel(0, 0)), 0);
    // The last line is drawn in 0xEEEEEE, its smoothed edges in the same
    // grey, partly transparent: nothing else tints them.
    bool found = false;
    for (int y = 10 + 13 * credits.lineHeight; y < 10 + 14 * credits.lineHeight; ++y)
        for (int x = 0; x < 400; ++x) {
            const QRgb pixel = credits.picture.pixel(x, y);
            found = found || pixel == qRgba(0xEE, 0xEE, 0xEE, 255);
            if (qAlpha(pixel) > 0) {
                ASSERT_EQ(qRed(pixel), qGreen(pixel)) << x << "," << y;
                ASSERT_EQ(qBlue(pixel), qGreen(pixel)) << x << "," << y;
            }
        }
    EXPECT_TRUE(found);
}

// Still credits start at row 100, or just below when a line would be cut
// by the panel's bottom: every line is whole or wholly hidden there.
TEST(CreditsPanel, TheStillPanelCutsNoLineAtItsBottom)
{
    for (int lineHeight = 10; lineHeight <= 24; ++lineHeight) {
        const int row = StillCreditsRow(lineHeight);
        EXPECT_GE(row, 100) << lineHeight;
        EXPECT_LT(row, 100 + lineHeight) << lineHeight;
        const int bottom = row + kCreditsPanelHeight - kStillBottomMargin;
        for (int top = 10; top < bottom; top += lineHeight)
            EXPECT_TRUE(top + lineHeight <= bottom) << "line height " << lineHeight << ", line at " << top;
    }
}

// The typed text keeps its blue's hue, darkened until it reads at 4.5:1 on
// every row of the background under the panel.
TEST(AboutPictures, TheTextPanelInkReadsOnTheGradient)
{
    const QImage background = AboutBackground();
    const TColor ink = TextPanelInk();
    for (int y = kTextPanelRect.top(); y <= kTextPanelRect.bottom(); ++y)
        EXPECT_GE(ContrastRatio(ink, CanvasFromQColor(background.pixelColor(400, y))), 4.5) << y;
    EXPECT_NEAR(QColorFromCanvas(ink).hueF(), QColorFromCanvas(kTextPanelColor).hueF(), 0.01);
    EXPECT_EQ(TextPanelFont(true).color, ink);
}

TEST(AboutPictures, TransparentPartsSplitIntoPictureAndMask)
{
    QImage cross(2, 1, QImage::Format_ARGB32);
    cross.setPixel(0, 0, qRgba(200, 0, 0, 255));
    cross.setPixel(1, 0, qRgba(0, 0, 0, 0));
    const MaskedPicture split = SplitTransparency(cross);
    EXPECT_EQ(RgbAt(split.picture, 0, 0), 0xC80000u);
    EXPECT_EQ(RgbAt(split.mask, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(RgbAt(split.picture, 1, 0), 0xFFFFFFu);
    EXPECT_EQ(RgbAt(split.mask, 1, 0), 0x000000u);
}

// Under the panel the globe's ice can be white: darkened to 200/256 it
// would hold the light credits at 1.8:1. Every darkened pixel reads at
// 4.5:1 at least under the credits' grey; the corners stay as they were.
TEST(CreditsPanel, TheCreditsReadEvenOverWhite)
{
    QImage composition(kAboutWidth, kAboutHeight, QImage::Format_RGB32);
    composition.fill(Qt::white);
    TDibPlus surface(kCreditsWidth, kCreditsPanelHeight);
    const CreditsPictures credits = PrepareCredits(QStringList(3), QImage());
    DrawCreditsPanel(composition, surface, credits, 0);
    for (int row = 0; row < kCreditsPanelHeight; ++row) {
        const ColumnSpan span = DarkenedSpan(surface, row);
        const int y = kCreditsRect.top() + row;
        for (int x = 0; x < kCreditsWidth; ++x) {
            const TColor under = CanvasFromQColor(composition.pixelColor(kCreditsRect.left() + x, y));
            if (x >= span.first && x <= span.last)
                ASSERT_GE(ContrastRatio(0xEEEEEE, under), 4.5) << x << "," << row;
            else
                ASSERT_EQ(under, 0xFFFFFFu) << x << "," << row;
        }
    }
}
