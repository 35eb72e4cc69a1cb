// A column's globe: ten steps the short way round to the place, and the
// angles a drag gives.
#include "weight/weighing/model/globemove.h"
#include "weight/weighing/model/placetable.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Runs a whole movement; the number of steps it took.
int RunMove(GlobeMove& move, float& turn, float& tilt)
{
    int steps = 0;
    while (move.Advance(turn, tilt) && steps < 100)
        ++steps;
    return steps;
}

} // namespace

TEST(GlobeMove, TenStepsTheShortWayAcrossZeroLandingExactly)
{
    GlobeMove move;
    float turn = 350.0f;
    float tilt = 10.0f;
    move.Start(turn, tilt, 10, -48);
    EXPECT_DOUBLE_EQ(move.TurnStep(1) * 30.0, 20.0);
    EXPECT_EQ(RunMove(move, turn, tilt), kGlobeMoveSteps);
    EXPECT_EQ(turn, 370.0f);
    EXPECT_EQ(tilt, -48.0f);
}

TEST(GlobeMove, ChainOfPlacesNeverTurnsMoreThanHalfARevolution)
{
    // Paris, Quito, Mercury, Neptune, Saturn, Uranus: unless the turn is
    // brought back, the last move is wrapped once and still goes the long way.
    GlobeMove move;
    float turn = 0.0f;
    float tilt = 0.0f;
    for (const int place : {1, 4, 5, 11, 9, 10}) {
        const PlaceRecord& record = PlaceTable[std::size_t(place)];
        move.Start(turn, tilt, record.Turn, record.Tilt);
        EXPECT_LE(std::abs(move.TurnStep(1) * 30.0), 180.0) << "to place " << place;
        RunMove(move, turn, tilt);
        EXPECT_NEAR(std::fmod(turn, 360.0f), float(record.Turn), 1e-3) << "to place " << place;
    }
}

TEST(GlobeDrag, SurfaceFollowsTheMouseWithinLimits)
{
    // Up by the globe's height: a quarter turn bringing the south forward.
    EXPECT_EQ(DraggedTilt(0.0f, 217), 90.0f);
    EXPECT_EQ(DraggedTilt(0.0f, -217), -90.0f);
    EXPECT_EQ(DraggedTilt(-48.0f, 108), -4.0f);
    EXPECT_EQ(DraggedTilt(60.0f, 217), 90.0f);
    EXPECT_EQ(DraggedTilt(12.5f, 1), 12.5f);
    // Right by 110 pixels: a quarter turn eastwards.
    EXPECT_EQ(DraggedTurn(10.0f, 110), 100.0);
    EXPECT_EQ(DraggedTurn(10.0f, -1), 10.0);
}
