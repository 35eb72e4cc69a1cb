// The credits panel's geometry and pictures: rounded darkened shape,
// endless scroll, credits and globe masks.
#include "shell/about/splashpictures.h"
#include "testhelpers.h"

#include <QPainter>
#include <gtest/gtest.h>

using testing_support::rgbAt;

TEST(CreditsPanel, CornerProfileOfRadiusTwenty)
{
    const int expected[21] = {0, 6, 9, 11, 12, 13, 14, 15, 16, 17, 17, 18, 18, 19, 19, 19, 20, 20, 20, 20, 20};
    for (int i = 0; i <= 20; ++i)
        EXPECT_EQ(CornerHalfWidth(i), expected[i]) << "row " << i;
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
    for (const Case& c : cases) {
        const RowSpan span = DarkenedSpan(c.row);
        EXPECT_EQ(span.x1, c.x1) << "row " << c.row;
        EXPECT_EQ(span.x2, c.x2) << "row " << c.row;
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

TEST(SplashPictures, BackgroundGoesFromWhiteToPaleBlueInAGreyFrame)
{
    const QImage background = SplashBackground();
    ASSERT_EQ(background.size(), QSize(650, 455));
    EXPECT_EQ(rgbAt(background, 0, 0), 0x808080u);
    EXPECT_EQ(rgbAt(background, 649, 454), 0x808080u);
    EXPECT_EQ(rgbAt(background, 300, 1), 0xFFFFFFu);
    // Row 453 of 455: 0xFF + 453 (0x88 - 0xFF) / 455 rounded, and so on.
    EXPECT_EQ(rgbAt(background, 300, 453), 0x89BAF8u);
}

TEST(SplashPictures, GlobeMaskIsWhiteOnTheDiscOnly)
{
    QImage rendering(217, 217, QImage::Format_RGB32);
    rendering.fill(QColor(255, 0, 255));
    QPainter painter(&rendering);
    painter.fillRect(QRect(50, 50, 20, 20), Qt::black);
    painter.end();
    const QImage mask = GlobeMaskFrom(rendering);
    EXPECT_EQ(rgbAt(mask, 0, 0), 0x000000u);
    EXPECT_EQ(rgbAt(mask, 60, 60), 0xFFFFFFu);
}

TEST(SplashPictures, CreditsMaskMarksTheDrawnPixels)
{
    QImage logo(10, 10, QImage::Format_ARGB32);
    logo.fill(Qt::transparent);
    logo.setPixel(2, 2, qRgba(10, 20, 30, 255));
    logo.setPixel(3, 2, qRgba(10, 20, 30, 100)); // faint edge: left out
    QStringList lines(13);
    lines.append(QStringLiteral("Kinea"));
    const CreditsPictures credits = PrepareCredits(lines, logo);
    // A line is as high as "|" in Arial 11 point bold.
    QImage probe(1, 1, QImage::Format_RGB32);
    Canvas measure(probe);
    measure.font.setPointSize(11);
    measure.font.bold = true;
    EXPECT_EQ(credits.lineHeight, measure.TextHeight(QStringLiteral("|")));
    EXPECT_EQ(credits.height, 13 * credits.lineHeight + 40);
    EXPECT_EQ(rgbAt(credits.picture, 17, 112), 0x0A141Eu);
    EXPECT_EQ(rgbAt(credits.mask, 17, 112), 0xFFFFFFu);
    EXPECT_EQ(rgbAt(credits.picture, 18, 112), 0xFFFFFFu);
    EXPECT_EQ(rgbAt(credits.mask, 18, 112), 0x000000u);
    EXPECT_EQ(rgbAt(credits.mask, 0, 0), 0x000000u);
    // The text of the last line is drawn in 0xEEEEEE somewhere on its row.
    bool found = false;
    for (int y = 10 + 13 * credits.lineHeight; y < 10 + 14 * credits.lineHeight; ++y)
        for (int x = 0; x < 400; ++x)
            found = found || rgbAt(credits.picture, x, y) == 0xEEEEEEu;
    EXPECT_TRUE(found);
}

TEST(SplashPictures, TransparentPartsSplitIntoPictureAndMask)
{
    QImage cross(2, 1, QImage::Format_ARGB32);
    cross.setPixel(0, 0, qRgba(200, 0, 0, 255));
    cross.setPixel(1, 0, qRgba(0, 0, 0, 0));
    const MaskedPicture split = SplitTransparency(cross);
    EXPECT_EQ(rgbAt(split.picture, 0, 0), 0xC80000u);
    EXPECT_EQ(rgbAt(split.mask, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(rgbAt(split.picture, 1, 0), 0xFFFFFFu);
    EXPECT_EQ(rgbAt(split.mask, 1, 0), 0x000000u);
}
