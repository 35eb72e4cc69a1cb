// A column's globe: ten eased steps the short way round to the place, and
// the angles a drag gives.
#include "weight/model/placetable.h"
#include "weight/model/weightglobemove.h"

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

TEST(GlobeMove, TenEasedStepsLandingExactlyOnThePlace)
{
    GlobeMove move;
    float turn = 0.0f;
    float tilt = 0.0f;
    move.Start(turn, tilt, 176, -48);
    EXPECT_DOUBLE_EQ(move.TurnStep(1), 176.0 / 30.0);
    EXPECT_DOUBLE_EQ(move.TurnStep(5), 4 * 176.0 / 30.0);
    EXPECT_DOUBLE_EQ(move.TiltStep(10), -48.0 / 30.0);
    EXPECT_EQ(RunMove(move, turn, tilt), kGlobeMoveSteps);
    EXPECT_FALSE(move.Running());
    EXPECT_EQ(turn, 176.0f);
    EXPECT_EQ(tilt, -48.0f);
}

TEST(GlobeMove, TurnsTheShortWayAcrossZero)
{
    GlobeMove move;
    float turn = 350.0f;
    float tilt = 0.0f;
    move.Start(turn, tilt, 10, 0);
    EXPECT_DOUBLE_EQ(move.TurnStep(1) * 30.0, 20.0);
    RunMove(move, turn, tilt);
    EXPECT_EQ(std::fmod(turn, 360.0f), 10.0f);
}

TEST(GlobeMove, ChainOfPlacesNeverTurnsMoreThanHalfARevolution)
{
    // Paris, Quito, Mercury, Neptune, Saturn, Uranus: the turn grows past
    // 540 degrees unless it is brought back.
    const int chain[] = {1, 4, 5, 11, 9, 10};
    GlobeMove move;
    float turn = 0.0f;
    float tilt = 0.0f;
    for (const int place : chain) {
        const PlaceRecord& record = PlaceTable[std::size_t(place)];
        move.Start(turn, tilt, record.Turn, record.Tilt);
        EXPECT_LE(std::abs(move.TurnStep(1) * 30.0), 180.0) << "to place " << place;
        RunMove(move, turn, tilt);
        EXPECT_NEAR(std::fmod(turn, 360.0f), float(record.Turn), 1e-3) << "to place " << place;
        EXPECT_LT(std::abs(turn), 540.0f) << "to place " << place;
    }
}

TEST(GlobeMove, WrapTurnKeepsTheGlobe)
{
    EXPECT_EQ(WrapTurn(-20.0f), 340.0f);
    EXPECT_EQ(WrapTurn(798.0f), 78.0f);
    EXPECT_EQ(WrapTurn(360.0f), 0.0f);
    EXPECT_EQ(WrapTurn(-1e-8f), 0.0f);
}

TEST(GlobeDrag, SurfaceFollowsTheMouseWithinLimits)
{
    // Up by the globe's height: a quarter turn towards the south pole.
    EXPECT_EQ(DraggedTilt(0.0f, 217), 90.0f);
    EXPECT_EQ(DraggedTilt(0.0f, -217), -90.0f);
    EXPECT_EQ(DraggedTilt(-48.0f, 108), -4.0f);
    EXPECT_EQ(DraggedTilt(60.0f, 217), 90.0f);
    EXPECT_EQ(DraggedTilt(-60.0f, -2000), -90.0f);
    EXPECT_EQ(DraggedTilt(12.5f, 1), 12.5f);
    // Right by 110 pixels: a quarter turn eastwards.
    EXPECT_EQ(DraggedTurn(10.0f, 110), 100.0);
    EXPECT_EQ(DraggedTurn(10.0f, -55), -35.0);
    EXPECT_EQ(DraggedTurn(10.0f, -1), 10.0);
}
