// The globe view composed for a scaled screen: the sphere worked out for
// every device pixel, the caption box at full resolution, and the slot's
// ratio and its checks.
#include "globetesting.h"

#include "raster/globeview.h"

#include <QRandomGenerator>
#include <cmath>
#include <limits>

namespace {

constexpr TDibColor kRed = 0xFF0000;

// How many device pixels of `area` have the colour `rgb`.
int CountIn(const QImage& picture, const QRect& area, QRgb rgb)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += (picture.pixel(x, y) & 0xFFFFFFu) == rgb ? 1 : 0;
    return count;
}

// A map of 18 x 18 logical pixel tiles of random colours, at its ratio.
void FillTiles(TDibPlus& map)
{
    QRandomGenerator random(21);
    std::vector<TDibColor> tiles(36 * 18);
    for (TDibColor& tile : tiles)
        tile = random.generate() & 0xFFFFFF;
    const double ratio = map.Ratio();
    for (int y = 0; y < map.Height(); ++y)
        for (int x = 0; x < map.Width(); ++x) {
            const int tx = std::min(35, int(x / ratio) / 18), ty = std::min(17, int(y / ratio) / 18);
            map.SetPixelFast(x, y, tiles[std::size_t(ty * 36 + tx)]);
        }
}

struct Angles
{
    int turn;
    int tilt;
};

class ScaledProjectionTest : public testing::TestWithParam<Angles>
{ };

// Device pixel (x, y) at a ratio of 2 shows the tile that logical pixel
// (x / 2, y / 2) shows at a ratio of 1, but at the tiles' edges and the
// sphere's rim: turned, tilted and rowed the same way.
TEST_P(ScaledProjectionTest, ShowsWhatTheLogicalProjectionShowsAtEachPixel)
{
    TDibPlus map(642, 621), image(206, 206), fineMap(642, 621, 2), fineImage(206, 206, 2);
    FillTiles(map);
    FillTiles(fineMap);
    image.Fill(0x808080);
    fineImage.Fill(0x808080);
    ProjectGlobe(map, image, GetParam().turn, GetParam().tilt);
    ProjectGlobeAtRatio(fineMap, fineImage, GetParam().turn, GetParam().tilt);
    int same = 0, compared = 0;
    for (int y = 0; y < 412; ++y)
        for (int x = 0; x < 412; ++x) {
            const double dx = (x + 0.5) / 2 - 103.5, dy = (y + 0.5) / 2 - 103.5;
            if (dx * dx + dy * dy > 100.0 * 100.0)
                continue;
            ++compared;
            same += fineImage.GetPixel(x, y) == image.GetPixel(x / 2, y / 2) ? 1 : 0;
        }
    EXPECT_GT(same, compared * 93 / 100) << same << " of " << compared;
}

INSTANTIATE_TEST_SUITE_P(Angles, ScaledProjectionTest,
                         testing::Values(Angles{0, 0}, Angles{176, -48}, Angles{90, 30}, Angles{275, -16},
                                         Angles{0, -90}));

TEST(ScaledProjection, FillsTheWholeDiscAndNothingAroundIt)
{
    TDibPlus map(642, 621, 2), image(206, 206, 2);
    map.Fill(0xFFFFFF);
    image.Fill(0x000000);
    ProjectGlobeAtRatio(map, image, 176, -48);
    for (int y = 0; y < 412; ++y)
        for (int x = 0; x < 412; ++x) {
            const double dx = (x + 0.5) / 2 - 103.5, dy = (y + 0.5) / 2 - 103.5;
            const double distance = std::sqrt(dx * dx + dy * dy);
            if (distance < kGlobeRadius - 0.5) {
                ASSERT_EQ(image.GetPixel(x, y), 0xFFFFFFu) << x << "," << y;
            } else if (distance > kGlobeRadius + 0.5) {
                ASSERT_EQ(image.GetPixel(x, y), 0u) << x << "," << y;
            }
        }
}

TEST(ScaledProjection, SurfacesOfTheWrongSizeAreLeftAsTheyAre)
{
    TDibPlus map(642, 621), image(206, 206, 2);
    image.Fill(0x123456);
    ProjectGlobeAtRatio(map, image, 0, 0);
    EXPECT_EQ(image.GetPixel(206, 206), 0x563412u);
}

TEST_F(GlobeViewTest, AtRatioTwoTheSlotComposesAtTwiceTheSize)
{
    SetGlobeRatio(1, 2);
    EXPECT_EQ(GlobeRatio(1), 2);
    EXPECT_EQ(GlobeMap(1)->Width(), 1284);
    EXPECT_EQ(GlobeImage(1)->Width(), 412);
    EXPECT_EQ(GlobePicture(1).size(), QSize(434, 434));
    EXPECT_EQ(GlobePicture(1).deviceIndependentSize(), QSizeF(217, 217));
    EXPECT_EQ(GlobeRatio(2), 1);
}

TEST_F(GlobeViewTest, ANewRatioRedrawsThePlaceLastLoaded)
{
    Show(1, 1);
    GlobeTurn[1] = 176;
    GlobeTilt[1] = -48;
    SetGlobeRatio(1, 2);
    RenderGlobe(1, "", "", false, 0);
    // Paris's red dot, a little west of the centre (217, 217): its six
    // logical pixels across are twelve device pixels.
    const int red = CountIn(GlobePicture(1), QRect(200, 200, 34, 34), kRed);
    EXPECT_GE(red, 4 * 12);
}

TEST_F(GlobeViewTest, AtRatioTwoTheCaptionIsDrawnAtFullResolution)
{
    Show(1, 1);
    SetGlobeRatio(1, 2);
    RenderGlobe(1, "Terre ( Paris )", "Altitude : 89 mètres", true, 0);
    const QImage& picture = GlobePicture(1);
    // The box: from logical (55, 19) to (200, 74). Text pixels in full ink
    // stand on rows of both parities: not logical pixels enlarged.
    const QRect box(110, 38, 290, 110);
    EXPECT_GT(CountIn(picture, box, 0xFFE0E0), 100);
    bool enlarged = true;
    for (int y = box.top(); y < box.bottom() && enlarged; y += 2)
        for (int x = box.left(); x < box.right() && enlarged; x += 2)
            enlarged = picture.pixel(x, y) == picture.pixel(x + 1, y) && picture.pixel(x, y) == picture.pixel(x, y + 1);
    EXPECT_FALSE(enlarged);
    EXPECT_EQ(LabelSurface()->Ratio(), 2);
}

TEST_F(GlobeViewTest, UnusableRatiosMeanOne)
{
    for (qreal ratio : {0.0, -2.0, 100.0, std::numeric_limits<double>::quiet_NaN()}) {
        SetGlobeRatio(3, 2);
        SetGlobeRatio(3, ratio);
        EXPECT_EQ(GlobeRatio(3), 1) << ratio;
        EXPECT_EQ(GlobePicture(3).size(), QSize(217, 217)) << ratio;
    }
    SetGlobeRatio(0, 2);
    EXPECT_EQ(GlobeRatio(0), 1);
}

struct RowCase
{
    qreal ratio;
    int row;
    int first;
    int last;
};

class RoundedBoxRowTest : public testing::TestWithParam<RowCase>
{ };

// The caption's 145 x 55 box with corners of 7 pixels.
TEST_P(RoundedBoxRowTest, CoversTheBoxWithRoundCornersAtAnyRatio)
{
    const RowCase& c = GetParam();
    const TDibPlus surface(145, 55, c.ratio);
    const ColumnSpan span = RoundedBoxRow(surface, 7, c.row);
    EXPECT_EQ(span.first, c.first);
    EXPECT_EQ(span.last, c.last);
}

INSTANTIATE_TEST_SUITE_P(Rows, RoundedBoxRowTest,
                         testing::Values(RowCase{1, 0, 7, 138}, RowCase{1, 1, 3, 142}, RowCase{1, 54, 7, 138},
                                         RowCase{1, 7, 0, 145}, RowCase{1, 30, 0, 145}, RowCase{2, 0, 14, 276},
                                         // sqrt(14^2 - 13^2) = 5.2
                                         RowCase{2, 1, 9, 281}, RowCase{2, 109, 14, 276}, RowCase{2, 14, 0, 290}));

TEST(TDibPlusRatioTest, CountsDevicePixelsAndDrawsInLogicalOnes)
{
    TDibPlus dib(20, 10, 2);
    EXPECT_EQ(dib.Width(), 40);
    EXPECT_EQ(dib.Height(), 20);
    EXPECT_EQ(dib.Canvas().Width(), 20);
    dib.Canvas().brush = {0x0000FF, BrushStyle::Solid};
    dib.Canvas().FillRect(5, 5, 6, 6);
    EXPECT_EQ(dib.GetPixel(10, 10), 0xFF0000u);
    EXPECT_EQ(dib.GetPixel(11, 11), 0xFF0000u);
    EXPECT_EQ(dib.GetPixel(12, 12), 0u);
    EXPECT_EQ(DeviceRect(QRect(5, 5, 1, 1), 2), QRect(10, 10, 2, 2));
    EXPECT_FALSE(TDibPlus(20000, 10, 1).HasHandle());
    EXPECT_FALSE(TDibPlus(9000, 10, 2).HasHandle());
    EXPECT_EQ(TDibPlus(20, 10, std::numeric_limits<double>::quiet_NaN()).Width(), 20);
}

} // namespace
