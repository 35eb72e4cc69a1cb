// Where each window's step buttons lead, which frames carry trace marks,
// and the frame rates a stored interval gives.
#include "motion/model/motionrules.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

enum class Direction
{
    Forward,
    Back
};

struct StepCase
{
    const char* name;
    MotionKind kind;
    Direction direction;
    int frame;
    int count;
    bool loop;
    int expected;
};

int Step(const StepCase& c)
{
    if (c.direction == Direction::Forward)
        return StepForward(c.kind, c.frame, c.count, c.loop);
    return StepBack(c.kind, c.frame, c.count, c.loop);
}

class StepRules : public testing::TestWithParam<StepCase>
{ };

TEST_P(StepRules, LeadsToTheExpectedFrame)
{
    EXPECT_EQ(Step(GetParam()), GetParam().expected);
}

constexpr auto P = MotionKind::Projectile;
constexpr auto F = MotionKind::FreeFall;
constexpr auto W = MotionKind::Wheel;
constexpr auto D = MotionKind::Disc;
constexpr auto Fwd = Direction::Forward;
constexpr auto Back = Direction::Back;

INSTANTIATE_TEST_SUITE_P(
    Windows, StepRules,
    testing::Values(
        StepCase{"ProjectileFirstToSix", P, Fwd, 1, 87, false, 6},
        StepCase{"ProjectileSixToEleven", P, Fwd, 6, 87, false, 11},
        StepCase{"ProjectileSevenToEleven", P, Fwd, 7, 87, false, 11},
        StepCase{"ProjectileFiveToSix", P, Fwd, 5, 87, false, 6},
        StepCase{"ProjectileLastMarkToLast", P, Fwd, 86, 87, false, 87},
        StepCase{"ProjectileLastStays", P, Fwd, 87, 87, false, 87},
        StepCase{"ProjectileLastLoops", P, Fwd, 87, 87, true, 1},
        StepCase{"ProjectileSingleFrame", P, Fwd, 1, 1, false, 1},
        StepCase{"ProjectileSingleFrameLoop", P, Fwd, 1, 1, true, 1},
        StepCase{"ProjectileTwoFrames", P, Fwd, 1, 2, false, 2},
        StepCase{"ProjectileBackFirstStays", P, Back, 1, 87, false, 1},
        StepCase{"ProjectileBackFirstLoops", P, Back, 1, 87, true, 87},
        StepCase{"ProjectileBackTwoToFirst", P, Back, 2, 87, false, 1},
        StepCase{"ProjectileBackSixToFirst", P, Back, 6, 87, false, 1},
        StepCase{"ProjectileBackElevenToSix", P, Back, 11, 87, false, 6},
        StepCase{"ProjectileBackTenToSix", P, Back, 10, 87, false, 6},
        StepCase{"ProjectileBackLastToEightySix", P, Back, 87, 87, false, 86},
        StepCase{"ProjectileBackLastOffTheMarks", P, Back, 123, 123, false, 121},
        StepCase{"FreeFallForward", F, Fwd, 3, 11, false, 4},
        StepCase{"FreeFallLastStaysEvenWithLoop", F, Fwd, 11, 11, true, 11},
        StepCase{"FreeFallBack", F, Back, 3, 11, false, 2},
        StepCase{"FreeFallFirstStaysEvenWithLoop", F, Back, 1, 11, true, 1},
        StepCase{"WheelForward", W, Fwd, 1, 50, false, 2}, StepCase{"WheelLastStays", W, Fwd, 50, 50, false, 50},
        StepCase{"WheelLastLoops", W, Fwd, 50, 50, true, 1}, StepCase{"WheelBack", W, Back, 2, 50, false, 1},
        StepCase{"WheelFirstStays", W, Back, 1, 50, false, 1}, StepCase{"WheelFirstLoops", W, Back, 1, 50, true, 50},
        StepCase{"DiscOddToOdd", D, Fwd, 1, 41, false, 3}, StepCase{"DiscEvenToOdd", D, Fwd, 2, 41, false, 3},
        StepCase{"DiscToLast", D, Fwd, 39, 41, false, 41}, StepCase{"DiscEvenBeforeLast", D, Fwd, 40, 41, false, 41},
        StepCase{"DiscLastStays", D, Fwd, 41, 41, false, 41}, StepCase{"DiscLastLoops", D, Fwd, 41, 41, true, 1},
        StepCase{"DiscBackFirstStays", D, Back, 1, 41, false, 1},
        StepCase{"DiscBackFirstLoops", D, Back, 1, 41, true, 41},
        StepCase{"DiscBackTwoToOne", D, Back, 2, 41, false, 1},
        StepCase{"DiscBackThreeToOne", D, Back, 3, 41, false, 1},
        StepCase{"DiscBackEvenToOdd", D, Back, 4, 41, false, 3},
        StepCase{"DiscBackOddToOdd", D, Back, 41, 41, false, 39}),
    [](const auto& info) { return std::string(info.param.name); });

std::vector<int> TracedFrames(const std::function<bool(int)>& traced, int upTo)
{
    std::vector<int> frames;
    for (int f = 1; f <= upTo; ++f)
        if (traced(f))
            frames.push_back(f);
    return frames;
}

// The frames of `point` that carry a mark while `current` is shown.
std::function<bool(int)> Traced(MotionKind kind, int point, int current = 1)
{
    return [=](int frame) { return FrameTraced(kind, point, frame, current); };
}

// Frames are 0.05 s apart: marks every fifth frame from the first fall
// every 0.25 s from the launch, and the steps stop on each of them.
TEST(TraceRules, ProjectileMarksEveryQuarterSecondFromTheLaunch)
{
    EXPECT_EQ(TracedFrames(Traced(P, PointB), 21), (std::vector<int>{1, 6, 11, 16, 21}));
    int frame = 1;
    for (int f : TracedFrames(Traced(P, PointB), 87)) {
        EXPECT_EQ(frame, f);
        frame = StepForward(P, frame, 87, false);
    }
    EXPECT_EQ(frame, 87);
}

TEST(TraceRules, FreeFallMarksTheFramesBeforeTheCurrentOne)
{
    EXPECT_EQ(TracedFrames(Traced(F, PointB, 4), 4), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(TracedFrames(Traced(F, PointB, 1), 1).empty());
}

TEST(TraceRules, WheelMarksEveryFrameOfEveryPoint)
{
    for (int point : {PointA, PointB, PointC})
        EXPECT_EQ(TracedFrames(Traced(W, point), 50).size(), 50u) << point;
}

TEST(TraceRules, DiscMarksTheOddFramesOfTheTurningPointsOnly)
{
    EXPECT_EQ(TracedFrames(Traced(D, PointA), 7), (std::vector<int>{1, 3, 5, 7}));
    EXPECT_EQ(TracedFrames(Traced(D, PointB), 41).size(), 21u);
    EXPECT_TRUE(TracedFrames(Traced(D, PointC), 41).empty());
}

struct IpsCase
{
    const char* name;
    int stored;
    int interval;
    int item;
};

class IpsSetting : public testing::TestWithParam<IpsCase>
{ };

TEST_P(IpsSetting, IntervalAndListItem)
{
    const int interval = SafeIpsInterval(GetParam().stored);
    EXPECT_EQ(interval, GetParam().interval);
    EXPECT_EQ(IpsItemForInterval(interval), GetParam().item);
}

INSTANTIATE_TEST_SUITE_P(StoredValues, IpsSetting,
                         testing::Values(IpsCase{"Slowest", 400, 400, 0}, IpsCase{"Five", 200, 200, 1},
                                         IpsCase{"Default", 100, 100, 2}, IpsCase{"Fastest", 50, 50, 3},
                                         IpsCase{"OddValueKept", 75, 75, 3}, IpsCase{"Zero", 0, 100, 2},
                                         IpsCase{"Negative", -20, 100, 2}, IpsCase{"TooFast", 9, 100, 2},
                                         IpsCase{"FastestAllowed", 10, 10, 3},
                                         IpsCase{"SlowestAllowed", 10000, 10000, 3},
                                         IpsCase{"Absurd", 2000000000, 100, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
