// A column's scale rising to a weight and draining to zero, and the
// measurement scatter.
#include "weight/model/weightscale.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Ticks until the column is still; the number of frames it took.
int RunToRest(ScaleColumn& column)
{
    int frames = 0;
    while (column.State() != WeightState::Idle && frames < 100) {
        column.Tick();
        ++frames;
    }
    return frames;
}

} // namespace

TEST(ScaleColumn, RisesInTwentyOneFramesExactlyOntoTheWeight)
{
    ScaleColumn column;
    column.Rise(313920.0);
    column.Tick();
    EXPECT_EQ(column.ShownWeight(), 0.0);
    for (int frame = 2; frame <= 20; ++frame)
        column.Tick();
    EXPECT_EQ(column.State(), WeightState::Rising);
    EXPECT_LT(column.ShownWeight(), 313920.0);
    EXPECT_GT(column.ShownWeight(), 0.99 * 313920.0);
    column.Tick();
    EXPECT_EQ(column.State(), WeightState::Idle);
    EXPECT_EQ(column.ShownWeight(), 313920.0);
    EXPECT_EQ(column.Weight(), 313920.0);
}

TEST(ScaleColumn, RisesFastFirst)
{
    ScaleColumn column;
    column.Rise(100.0);
    double previousStep = 1e9;
    for (int frame = 1; frame < kScaleFrames; ++frame) {
        const double before = column.ShownWeight();
        column.Tick();
        if (frame > 1) {
            const double step = column.ShownWeight() - before;
            EXPECT_GT(step, 0.0) << frame;
            EXPECT_LT(step, previousStep) << frame;
            previousStep = step;
        }
    }
}

TEST(ScaleColumn, FallsFromWhatItShowsToZeroAndForgetsTheWeight)
{
    ScaleColumn column;
    column.Rest(86.7);
    column.Fall();
    EXPECT_EQ(RunToRest(column), kScaleFrames);
    EXPECT_EQ(column.ShownWeight(), 0.0);
    EXPECT_EQ(column.Weight(), 0.0);

    // Taken off halfway up: it drains from there, it does not jump to the
    // full weight first.
    column.Rise(100.0);
    for (int frame = 0; frame < 8; ++frame)
        column.Tick();
    const double halfway = column.ShownWeight();
    column.Fall();
    column.Tick();
    EXPECT_EQ(column.ShownWeight(), halfway);
    EXPECT_EQ(RunToRest(column), kScaleFrames - 1);
    EXPECT_EQ(column.ShownWeight(), 0.0);
}

TEST(ScaleColumn, NewChoiceWhileMovingStartsAgainFromFrameZero)
{
    ScaleColumn column;
    column.Rise(50.0);
    for (int frame = 0; frame < 12; ++frame)
        column.Tick();
    column.Rise(70.0);
    EXPECT_EQ(column.WeightTick(), 0);
    EXPECT_EQ(RunToRest(column), kScaleFrames);
    EXPECT_EQ(column.ShownWeight(), 70.0);
}

TEST(Scatter, WithinOnePercentEitherSide)
{
    EXPECT_DOUBLE_EQ(ScatteredWeight(200.0, 0.0), 202.0);
    EXPECT_DOUBLE_EQ(ScatteredWeight(200.0, 0.5), 200.0);
    const double lowest = ScatteredWeight(200.0, std::nextafter(1.0, 0.0));
    EXPECT_GE(lowest, 198.0);
    EXPECT_LT(lowest, 198.0 + 1e-9);
}
