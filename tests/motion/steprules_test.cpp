// Where each window's step buttons lead and which frames carry trace marks.
#include "motion/steprules.h"

#include <gtest/gtest.h>
#include <functional>

namespace {

enum class Window { Projectile, FreeFall, Wheel, Disc };
enum class Direction { Forward, Back };

struct StepCase
{
    const char* name;
    Window window;
    Direction direction;
    int frame;
    int count;
    bool loop;
    int expected;
};

int step(const StepCase& c)
{
    const bool fwd = c.direction == Direction::Forward;
    switch (c.window) {
    case Window::Projectile:
        return fwd ? ProjectileStepForward(c.frame, c.count, c.loop) : ProjectileStepBack(c.frame, c.count, c.loop);
    case Window::FreeFall:
        return fwd ? FreeFallStepForward(c.frame, c.count) : FreeFallStepBack(c.frame);
    case Window::Wheel:
        return fwd ? WheelStepForward(c.frame, c.count, c.loop) : WheelStepBack(c.frame, c.count, c.loop);
    case Window::Disc:
        return fwd ? DiscStepForward(c.frame, c.count, c.loop) : DiscStepBack(c.frame, c.count, c.loop);
    }
    return 0;
}

class StepRules : public testing::TestWithParam<StepCase>
{
};

TEST_P(StepRules, LeadsToTheExpectedFrame)
{
    EXPECT_EQ(step(GetParam()), GetParam().expected);
}

constexpr auto P = Window::Projectile;
constexpr auto F = Window::FreeFall;
constexpr auto W = Window::Wheel;
constexpr auto D = Window::Disc;
constexpr auto Fwd = Direction::Forward;
constexpr auto Back = Direction::Back;

INSTANTIATE_TEST_SUITE_P(
    Windows, StepRules,
    testing::Values(StepCase{"ProjectileFirstToFive", P, Fwd, 1, 87, false, 5},
                    StepCase{"ProjectileFiveToTen", P, Fwd, 5, 87, false, 10},
                    StepCase{"ProjectileSevenToTen", P, Fwd, 7, 87, false, 10},
                    StepCase{"ProjectileNearEndToLast", P, Fwd, 86, 87, false, 87},
                    StepCase{"ProjectileLastStays", P, Fwd, 87, 87, false, 87},
                    StepCase{"ProjectileLastLoops", P, Fwd, 87, 87, true, 1},
                    StepCase{"ProjectileSingleFrame", P, Fwd, 1, 1, false, 1},
                    StepCase{"ProjectileSingleFrameLoop", P, Fwd, 1, 1, true, 1},
                    StepCase{"ProjectileBackFirstStays", P, Back, 1, 87, false, 1},
                    StepCase{"ProjectileBackFirstLoops", P, Back, 1, 87, true, 87},
                    StepCase{"ProjectileBackTwoToFirst", P, Back, 2, 87, false, 1},
                    StepCase{"ProjectileBackFiveToFirst", P, Back, 5, 87, false, 1},
                    StepCase{"ProjectileBackTenToFive", P, Back, 10, 87, false, 5},
                    StepCase{"ProjectileBackSevenToFive", P, Back, 7, 87, false, 5},
                    StepCase{"ProjectileBackLastToEightyFive", P, Back, 87, 87, false, 85},
                    StepCase{"FreeFallForward", F, Fwd, 3, 11, false, 4},
                    StepCase{"FreeFallLastStaysEvenWithLoop", F, Fwd, 11, 11, true, 11},
                    StepCase{"FreeFallBack", F, Back, 3, 11, false, 2},
                    StepCase{"FreeFallFirstStaysEvenWithLoop", F, Back, 1, 11, true, 1},
                    StepCase{"WheelForward", W, Fwd, 1, 50, false, 2},
                    StepCase{"WheelLastStays", W, Fwd, 50, 50, false, 50},
                    StepCase{"WheelLastLoops", W, Fwd, 50, 50, true, 1},
                    StepCase{"WheelBack", W, Back, 2, 50, false, 1},
                    StepCase{"WheelFirstStays", W, Back, 1, 50, false, 1},
                    StepCase{"WheelFirstLoops", W, Back, 1, 50, true, 50},
                    StepCase{"DiscOddToOdd", D, Fwd, 1, 41, false, 3},
                    StepCase{"DiscEvenToOdd", D, Fwd, 2, 41, false, 3},
                    StepCase{"DiscToLast", D, Fwd, 39, 41, false, 41},
                    StepCase{"DiscEvenBeforeLast", D, Fwd, 40, 41, false, 41},
                    StepCase{"DiscLastStays", D, Fwd, 41, 41, false, 41},
                    StepCase{"DiscLastLoops", D, Fwd, 41, 41, true, 1},
                    StepCase{"DiscBackFirstStays", D, Back, 1, 41, false, 1},
                    StepCase{"DiscBackFirstLoops", D, Back, 1, 41, true, 41},
                    StepCase{"DiscBackTwoToOne", D, Back, 2, 41, false, 1},
                    StepCase{"DiscBackThreeToOne", D, Back, 3, 41, false, 1},
                    StepCase{"DiscBackEvenToOdd", D, Back, 4, 41, false, 3},
                    StepCase{"DiscBackOddToOdd", D, Back, 41, 41, false, 39}),
    [](const auto& info) { return std::string(info.param.name); });

std::vector<int> tracedFrames(const std::function<bool(int)>& traced, int upTo)
{
    std::vector<int> frames;
    for (int f = 1; f <= upTo; ++f)
        if (traced(f))
            frames.push_back(f);
    return frames;
}

TEST(TraceRules, ProjectileMarksTheFramesTheStepsReach)
{
    EXPECT_EQ(tracedFrames(ProjectileTraced, 21), (std::vector<int>{1, 5, 10, 15, 20}));
    int frame = 1;
    for (int f : tracedFrames(ProjectileTraced, 87)) {
        EXPECT_EQ(frame, f);
        frame = ProjectileStepForward(frame, 87, false);
    }
}

TEST(TraceRules, FreeFallMarksTheFramesBeforeTheCurrentOne)
{
    EXPECT_EQ(tracedFrames([](int f) { return FreeFallTraced(f, 4); }, 4), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(tracedFrames([](int f) { return FreeFallTraced(f, 1); }, 1).empty());
}

TEST(TraceRules, DiscMarksTheOddFrames)
{
    EXPECT_EQ(tracedFrames(DiscTraced, 7), (std::vector<int>{1, 3, 5, 7}));
    EXPECT_EQ(tracedFrames(DiscTraced, 41).size(), 21u);
}

} // namespace
