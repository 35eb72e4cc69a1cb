// One vehicle's run: the worked figures, the distances the physics gives,
// and a table that never overflows whatever it is asked.
#include "road/braking/model/brakingrun.h"
#include "road/braking/model/brakingsession.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

VehicleInputs Vehicle(int kmh, int reaction = 100, int road = 100, bool worn = false)
{
    return {kmh, reaction, road, worn};
}

double ReactionDistance(const KeyPoints& keys)
{
    return keys.BrakePos - keys.ReactionPos;
}

double BrakingDistance(const KeyPoints& keys)
{
    return keys.StopPos - keys.BrakePos;
}

TEST(BrakingRun, DefaultsAlignBothReactionsAndStopWhereTheFiguresSay)
{
    BrakingSession session;
    session.StartRun(Vehicle(60), Vehicle(70), 3);
    const VehicleRun& red = session.Vehicle(1);
    const VehicleRun& green = session.Vehicle(2);
    EXPECT_EQ(red.AccelSteps(), 340);
    EXPECT_EQ(green.AccelSteps(), 410);
    EXPECT_EQ(red.Keys().ReactionStep, 510);
    EXPECT_EQ(green.Keys().ReactionStep, 510);
    EXPECT_NEAR(red.Keys().ReactionSpeed * 3.6, 59.9, 0.05);
    EXPECT_NEAR(green.Keys().ReactionSpeed * 3.6, 70.0, 0.05);
    EXPECT_NEAR(ReactionDistance(red.Keys()), 16.64, 1e-9);
    EXPECT_NEAR(ReactionDistance(green.Keys()), 19.44, 1e-9);
    EXPECT_NEAR(BrakingDistance(red.Keys()), 13.84, 0.005);
    EXPECT_NEAR(BrakingDistance(green.Keys()), 18.90, 0.005);
    EXPECT_EQ(red.Keys().StopStep, 778);
    EXPECT_EQ(green.Keys().StopStep, 806);
}

// The cruising speed is the last one below the target: one acceleration
// step short of it.
TEST(BrakingRun, CruisingSpeedStopsOneStepBelowTheTarget)
{
    VehicleRun run;
    run.BuildRun(Vehicle(5), 100, 5 / 3.6);
    EXPECT_NEAR(run.Keys().ReactionSpeed, 1.36, 1e-9);
    EXPECT_NEAR(run.Keys().ReactionSpeed * 3.6, 4.9, 0.05);

    run.BuildRun(Vehicle(50), 100, 50 / 3.6);
    EXPECT_NEAR(ReactionDistance(run.Keys()), 13.88, 1e-9);
    EXPECT_NEAR(BrakingDistance(run.Keys()), 9.63, 0.005);
}

// The reaction lasts T steps at the cruising speed; the braking distance is
// v^2 / 2a to a millimetre, for every road, brake and reaction offered.
TEST(BrakingRun, DistancesFollowTheCruisingSpeedAndTheDeceleration)
{
    for (int road : {100, 55, 20})
        for (bool worn : {false, true})
            for (int reaction : {50, 100, 200, 300})
                for (int kmh : {5, 45, 90, 130, 180}) {
                    SCOPED_TRACE(testing::Message()
                                 << kmh << " km/h, road " << road << ", worn " << worn << ", reaction " << reaction);
                    VehicleRun run;
                    run.BuildRun(Vehicle(kmh, reaction, road, worn), 100, kmh / 3.6);
                    const KeyPoints& keys = run.Keys();
                    EXPECT_EQ(keys.BrakeStep - keys.ReactionStep, reaction);
                    EXPECT_NEAR(ReactionDistance(keys), reaction * 0.01 * keys.ReactionSpeed, 1e-9);
                    const double a = Deceleration(road, worn);
                    EXPECT_NEAR(BrakingDistance(keys), keys.BrakeSpeed * keys.BrakeSpeed / (2 * a), 0.001);
                    EXPECT_LT(keys.StopStep, kLastStep);
                }
}

TEST(BrakingRun, TheLongestOfferedRunStopsInsideTheTable)
{
    BrakingSession session;
    const VehicleInputs worst = Vehicle(180, 300, 20, true);
    session.StartRun(worst, worst, 6);
    EXPECT_EQ(session.Vehicle(1).Keys().StopStep, 5980);
    EXPECT_EQ(session.Vehicle(2).Keys().StopStep, 5980);
}

// Values no control offers (read from a hand-edited settings file) end on a
// stop at the last row at the latest, never past it, with row 0 the waiting
// car; the sanitizers watch the writes.
TEST(BrakingRun, HostileInputsKeepTheRunInsideTheTable)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case
    {
        const char* name;
        VehicleInputs inputs;
        int cruiseExtra;
        double target;
    };
    const Case cases[] = {
        {"speed 0", Vehicle(0), 100, 0},
        {"speed -1", Vehicle(-1), 100, -1 / 3.6},
        {"speed 181", Vehicle(181), 100, 181 / 3.6},
        {"speed 10000", Vehicle(10000), 100, 10000 / 3.6},
        {"infinite speed", Vehicle(60), 100, inf},
        {"NaN speed", Vehicle(60), 100, nan},
        {"coefficient 0", Vehicle(60, 100, 0), 100, 60 / 3.6},
        {"coefficient -20", Vehicle(60, 100, -20), 100, 60 / 3.6},
        {"reaction -600", Vehicle(60, -600), 100, 60 / 3.6},
        {"reaction 100000", Vehicle(60, 100000), 100, 60 / 3.6},
        {"cruise -5000", Vehicle(60), -5000, 60 / 3.6},
        {"cruise 2^31-1", Vehicle(60), std::numeric_limits<int>::max(), 60 / 3.6},
        {"slow coefficient", Vehicle(180, 300, 1, true), 100, 180 / 3.6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VehicleRun run;
        run.BuildRun(c.inputs, c.cruiseExtra, c.target);
        EXPECT_EQ(run.Row(0).Position, CarLength);
        EXPECT_EQ(run.Row(0).Speed, 0);
        EXPECT_EQ(run.Row(0).Phase, phWaiting);
        EXPECT_EQ(run.Row(kLastStep).Phase, phStopped);
        EXPECT_LE(run.Keys().StopStep, kLastStep);
        EXPECT_TRUE(std::isfinite(run.Keys().StopPos));
    }
}

} // namespace
