// The globe projection: degree normalising, rounding, the tables, and where
// map pixels land on the sphere for given turn and tilt.
#include "canvas/textformat.h"
#include "raster/globeview.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <thread>
#include <utility>

namespace {

struct DegreesCase
{
    int in;
    int out;
};

class NormalizeDegreesTest : public testing::TestWithParam<DegreesCase>
{ };

TEST_P(NormalizeDegreesTest, BringsDegreesInto0To360)
{
    EXPECT_EQ(NormalizeDegrees(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Values, NormalizeDegreesTest,
                         testing::Values(DegreesCase{-48, 312}, DegreesCase{-360, 0}, DegreesCase{360, 360},
                                         DegreesCase{361, 1}, DegreesCase{720, 360}, DegreesCase{0, 0},
                                         DegreesCase{-1, 359}, DegreesCase{-721, 359}, DegreesCase{721, 1},
                                         DegreesCase{176, 176}, DegreesCase{std::numeric_limits<int>::min(), 232},
                                         DegreesCase{std::numeric_limits<int>::max(), 127}));

TEST(GlobeTablesTest, HoldSingleSinesAndCosinesOfWholeSteps)
{
    const GlobeTables& t = GlobeTrigTables();
    EXPECT_EQ(t.Cos642[0], 1.0f);
    EXPECT_EQ(t.Sin642[0], 0.0f);
    EXPECT_NEAR(t.Cos642[321], -1.0f, 1e-7);
    EXPECT_NEAR(t.Sin642[160], std::sin(2 * M_PI * 160 / 642), 1e-7);
    EXPECT_NEAR(t.Cos642[720], std::cos(2 * M_PI * 720 / 642), 1e-7);
    EXPECT_NEAR(t.Sin360[90], 1.0f, 1e-7);
    EXPECT_NEAR(t.Cos360[360], 1.0f, 1e-7);
    EXPECT_NEAR(t.Sin360[312], std::sin(2 * M_PI * 312 / 360), 1e-7);
}

// A black map with chosen pixels, projected onto a grey image.
class ProjectionTest : public testing::Test
{
protected:
    static constexpr TDibColor kGrey = 0x808080;
    TDibPlus map{642, 621};
    TDibPlus image{206, 206};

    void SetUp() override { image.Fill(0x808080); }

    void MarkColumn(int column, TDibColor color)
    {
        for (int row = 0; row < 321; ++row)
            map.SetPixel(column, row, color);
    }
    void MarkRow(int row, TDibColor color)
    {
        for (int column = 0; column < 642; ++column)
            map.SetPixel(column, row, color);
    }
};

TEST_F(ProjectionTest, WithNoTurnAndNoTiltColumn0OnRow160LandsAtTheCentre)
{
    map.SetPixel(0, 160, 0x00FF00);
    ProjectGlobe(map, image, 0, 0);
    EXPECT_EQ(image.GetPixel(103, 103), 0x00FF00u);
    EXPECT_EQ(image.GetPixel(104, 103), 0u);
    EXPECT_EQ(image.GetPixel(103, 104), 0u);
}

TEST_F(ProjectionTest, TheTopMapRowsLandAtTheTopOfTheSphere)
{
    // Rows 0..11 all land on the sphere's top line; the later ones cover
    // the earlier ones, as there is no depth buffer.
    for (int row = 0; row <= 11; ++row) {
        MarkRow(row, 0x0000FF);
        MarkRow(320 - row, 0xFF0000);
    }
    ProjectGlobe(map, image, 0, 0);
    EXPECT_EQ(image.GetPixel(103, 1), 0x0000FFu);
    EXPECT_EQ(image.GetPixel(103, 205), 0xFF0000u);
    EXPECT_EQ(image.GetPixel(103, 0), kGrey);
}

TEST_F(ProjectionTest, EastLiesToTheRight)
{
    MarkColumn(20, 0x00FF00);
    ProjectGlobe(map, image, 0, 0);
    EXPECT_EQ(image.GetPixel(103 + 20, 103), 0x00FF00u);
}

TEST_F(ProjectionTest, OnlyTheFrontHemisphereIsDrawnAndTheRestKeepsTheBackground)
{
    MarkColumn(321, 0xFFFFFF); // the meridian behind the sphere
    ProjectGlobe(map, image, 0, 0);
    for (int y = 0; y < 206; ++y)
        for (int x = 0; x < 206; ++x)
            ASSERT_NE(image.GetPixel(x, y), 0xFFFFFFu) << x << "," << y;
    EXPECT_EQ(image.GetPixel(0, 0), kGrey);
    EXPECT_EQ(image.GetPixel(205, 205), kGrey);
    EXPECT_EQ(image.GetPixel(103, 103), 0u);
}

struct TurnCase
{
    int turn;
    int column; // 642 x (360 - turn) / 360
};

class TurnTest : public ProjectionTest, public testing::WithParamInterface<TurnCase>
{ };

TEST_P(TurnTest, BringsItsColumnToTheCentre)
{
    MarkColumn(GetParam().column, 0x00FF00);
    ProjectGlobe(map, image, GetParam().turn, 0);
    EXPECT_EQ(image.GetPixel(103, 103), 0x00FF00u);
    EXPECT_EQ(image.GetPixel(103, 60), 0x00FF00u);
}

INSTANTIATE_TEST_SUITE_P(Turns, TurnTest,
                         testing::Values(TurnCase{60, 535}, TurnCase{180, 321}, TurnCase{300, 107}, TurnCase{360, 0},
                                         TurnCase{-60, 107}, TurnCase{420, 535}));

class TiltTest : public ProjectionTest, public testing::WithParamInterface<int>
{ };

TEST_P(TiltTest, BringsRow160Plus321TiltOver180ToTheCentreLine)
{
    const int tilt = GetParam();
    const int row = RoundHalfEven(160 + 321.0 * tilt / 180.0);
    MarkRow(row, 0x00FF00);
    ProjectGlobe(map, image, 0, tilt);
    // The nearest whole map row lies within half a row of the centre line.
    bool found = false;
    for (int y = 102; y <= 104; ++y)
        found = found || image.GetPixel(103, y) == 0x00FF00u;
    EXPECT_TRUE(found);
    EXPECT_NE(image.GetPixel(103, 98), 0x00FF00u);
    EXPECT_NE(image.GetPixel(103, 108), 0x00FF00u);
}

INSTANTIATE_TEST_SUITE_P(Tilts, TiltTest, testing::Values(-48, -30, -16, 15, 35, 60));

TEST_F(ProjectionTest, ParisFacesTheViewerAtTheAnglesOfItsPlace)
{
    map.SetPixel(328, 74, 0xFF0000); // the column at the centre for turn 176
    ProjectGlobe(map, image, 176, -48);
    bool found = false;
    for (int y = 101; y <= 105; ++y)
        for (int x = 101; x <= 105; ++x)
            found = found || image.GetPixel(x, y) == 0xFF0000u;
    EXPECT_TRUE(found);
}

// The projection step by step as written: the radius terms, U, V, W and
// the depth held in single precision, each map pixel forward-mapped in map
// order.
void ReferenceProjection(const TDibPlus& map, TDibPlus& image, int turn, int tilt)
{
    const GlobeTables& t = GlobeTrigTables();
    const float cA = t.Cos360[NormalizeDegrees(turn)], sA = t.Sin360[NormalizeDegrees(turn)];
    const float cB = t.Cos360[NormalizeDegrees(tilt)], sB = t.Sin360[NormalizeDegrees(tilt)];
    const double r = 102.1774735;
    for (int i = 0; i <= 320; ++i) {
        const double phi = (i - 160) * M_PI / 321;
        const float p = static_cast<float>(r * std::cos(phi));
        const float q = static_cast<float>(r * std::sin(phi));
        for (int j = 0; j <= 641; ++j) {
            const float u = p * t.Cos642[j];
            const float v = p * t.Sin642[j];
            const float w = u * cA - v * sA;
            const float depth = w * cB + q * sB;
            if (depth > 0)
                image.SetPixel(RoundHalfEven(v * cA + u * sA + 103.0f), RoundHalfEven(q * cB - w * sB + 103.0f),
                               map.GetPixel(j, i));
        }
    }
}

class PixelForPixelTest : public ProjectionTest, public testing::WithParamInterface<std::pair<int, int>>
{ };

TEST_P(PixelForPixelTest, EveryImagePixelComesFromTheSameMapPixelAsStepByStep)
{
    for (int row = 0; row < 321; ++row)
        for (int column = 0; column < 642; ++column)
            map.SetPixel(column, row, TDibColor(row * 642 + column + 1));
    TDibPlus expected(206, 206);
    expected.Fill(0x808080);
    const auto [turn, tilt] = GetParam();
    ReferenceProjection(map, expected, turn, tilt);
    ProjectGlobe(map, image, turn, tilt);
    for (int y = 0; y < 206; ++y)
        for (int x = 0; x < 206; ++x)
            ASSERT_EQ(image.GetPixel(x, y), expected.GetPixel(x, y)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Angles, PixelForPixelTest,
                         testing::Values(std::pair{0, 0}, std::pair{176, -48}, std::pair{66, -29}, std::pair{128, 0},
                                         std::pair{90, -90}, std::pair{45, 30}, std::pair{359, 89}));

TEST_F(ProjectionTest, SurfacesOfTheWrongSizeAreLeftAlone)
{
    TDibPlus small(100, 100);
    ProjectGlobe(small, image, 0, 0);
    EXPECT_EQ(image.GetPixel(103, 103), kGrey);
    TDibPlus smallImage(50, 50);
    ProjectGlobe(map, smallImage, 0, 0);
    EXPECT_EQ(smallImage.GetPixel(25, 25), 0u);
}

} // namespace

// The caption of a globe is drawn while the lower bands are still being
// projected: it must find every row above it done. The bands below band 0
// are held back a little, so that a caption run too early sees them
// missing.
TEST(InRowBandsTest, TheTopRowsAreAllDoneBeforeOnceTopDoneAndEveryRowOnceAtTheEnd)
{
    constexpr int kRows = 120;
    constexpr int kTopRows = 90;
    std::array<std::atomic<int>, kRows> done{};
    bool topWasDone = false;
    InRowBands(
        kRows,
        [&done](int firstRow, int lastRow) {
            if (firstRow > 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            for (int row = firstRow; row < lastRow; ++row)
                ++done[static_cast<std::size_t>(row)];
        },
        kTopRows,
        [&] { topWasDone = std::all_of(done.begin(), done.begin() + kTopRows, [](const auto& n) { return n == 1; }); });
    EXPECT_TRUE(topWasDone);
    EXPECT_TRUE(std::all_of(done.begin(), done.end(), [](const auto& n) { return n == 1; }));
}
