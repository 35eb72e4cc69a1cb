// Turning a globe the short way, shared by the about box and the weighing
// globes.
#include "canvas/turns.h"

#include <gtest/gtest.h>
#include <string>

struct ShortTurnCase
{
    const char* name;
    float from;
    float to;
    float expected;
};

class ShortTurnTest : public ::testing::TestWithParam<ShortTurnCase>
{ };

TEST_P(ShortTurnTest, GoesTheShortWay)
{
    EXPECT_FLOAT_EQ(ShortTurn(GetParam().from, GetParam().to), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Turns, ShortTurnTest,
    ::testing::Values(ShortTurnCase{"eastAcrossZero", 350, 10, 20}, ShortTurnCase{"westAcrossZero", 10, 350, -20},
                      ShortTurnCase{"plain", 100, 150, 50}, ShortTurnCase{"halfTurnGoesWest", 0, 180, -180},
                      ShortTurnCase{"halfTurnBack", 180, 0, -180}, ShortTurnCase{"none", 42, 42, 0},
                      ShortTurnCase{"fromPastAFullTurn", 530, 10, 200 - 360},
                      ShortTurnCase{"fromBelowZero", -170, 180, -10}),
    [](const auto& info) { return std::string(info.param.name); });
