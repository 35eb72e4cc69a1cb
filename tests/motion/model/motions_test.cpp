// The motions computed before playback: frame counts, positions and texts.
#include "motion/model/motions.h"

#include <gtest/gtest.h>

namespace {

struct ProjectileCase
{
    const char* name;
    int speed;
    int angle;
    int frameCount;
    const char* range;
    const char* height;
    const char* time;
};

class ProjectileNumbers : public testing::TestWithParam<ProjectileCase>
{ };

TEST_P(ProjectileNumbers, FrameCountAndInformationBlock)
{
    const ProjectileCase& c = GetParam();
    const ProjectileMotion motion = ComputeProjectile(c.speed, c.angle);
    EXPECT_EQ(motion.ball.Count(), c.frameCount);
    EXPECT_EQ(motion.infoLines[0], QStringLiteral("Angle de tir : %1° ").arg(c.angle));
    EXPECT_EQ(motion.infoLines[1], QStringLiteral("Vitesse initiale : %1 m/s ").arg(c.speed));
    EXPECT_EQ(motion.infoLines[2], QStringLiteral("Distance atteinte : %1 m ").arg(c.range));
    EXPECT_EQ(motion.infoLines[3], QStringLiteral("Hauteur atteinte : %1 m ").arg(c.height));
    EXPECT_EQ(motion.infoLines[4], QStringLiteral("Temps de vol : %1 s ").arg(c.time));
    EXPECT_EQ(motion.ball.At(1), (FramePos{0, 0}));
    EXPECT_EQ(motion.ball.At(motion.ball.Count()).y, 0);
}

INSTANTIATE_TEST_SUITE_P(Launches, ProjectileNumbers,
                         testing::Values(ProjectileCase{"V30_A45", 30, 45, 87, "91.7", "22.9", "4.3"},
                                         ProjectileCase{"V30_A90", 30, 90, 123, "0.0", "45.9", "6.1"},
                                         ProjectileCase{"V30_A0", 30, 0, 1, "0.0", "0.0", "0.0"},
                                         ProjectileCase{"V5_A5", 5, 5, 2, "0.4", "0.0", "0.1"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProjectileMotion, LandsExactlyAtTheRange)
{
    const ProjectileMotion motion = ComputeProjectile(30, 45);
    EXPECT_EQ(motion.ball.At(87), (FramePos{91743, 0}));
    // Frame 2 is 0.05 s after the launch.
    EXPECT_EQ(motion.ball.At(2).x, 1061);
}

struct EntryCase
{
    const char* name;
    const char* typed;
    EntryRule rule;
    int expected;
};

class EntryParsing : public testing::TestWithParam<EntryCase>
{ };

TEST_P(EntryParsing, FiltersFallsBackAndClamps)
{
    EXPECT_EQ(ParseEntry(QString::fromUtf8(GetParam().typed), GetParam().rule), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(TypedTexts, EntryParsing,
                         testing::Values(EntryCase{"AngleLetterDropped", "4a5", LaunchAngleRule, 45},
                                         EntryCase{"AngleThreeDigits", "120", LaunchAngleRule, 45},
                                         EntryCase{"AngleAboveRange", "99", LaunchAngleRule, 90},
                                         EntryCase{"AngleMinusDropped", "-10", LaunchAngleRule, 10},
                                         EntryCase{"AngleEmpty", "", LaunchAngleRule, 45},
                                         EntryCase{"AngleZero", "0", LaunchAngleRule, 0},
                                         EntryCase{"AngleShownText", " 30 °", LaunchAngleRule, 30},
                                         EntryCase{"SpeedBelowRange", "3", LaunchSpeedRule, 5},
                                         EntryCase{"SpeedAboveRange", "45", LaunchSpeedRule, 30},
                                         EntryCase{"SpeedNoDigits", "abc", LaunchSpeedRule, 30},
                                         EntryCase{"SpeedShownText", " 12 m/s", LaunchSpeedRule, 12},
                                         EntryCase{"HeightFourDigits", "9999", DropHeightRule, 120},
                                         EntryCase{"HeightEmpty", "", DropHeightRule, 120},
                                         EntryCase{"HeightBelowRange", "20", DropHeightRule, 50},
                                         EntryCase{"HeightAboveRange", "400", DropHeightRule, 300},
                                         EntryCase{"HeightShownText", " 85 cm", DropHeightRule, 85}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FreeFallMotion, DefaultHeightGivesElevenFramesEndingOnTheFloor)
{
    const FrameTable ball = ComputeFreeFall(1200000);
    ASSERT_EQ(ball.Count(), 11);
    EXPECT_EQ(ball.At(1), (FramePos{0, 0}));
    EXPECT_EQ(ball.At(11), (FramePos{0, -1200000}));
    for (int f = 2; f <= ball.Count(); ++f)
        EXPECT_LT(ball.At(f).y, ball.At(f - 1).y) << "frame " << f;
}

TEST(FreeFallMotion, FrameCountsOverTheHeightRange)
{
    EXPECT_EQ(ComputeFreeFall(MinDropHeightUm).Count(), 8);
    EXPECT_EQ(ComputeFreeFall(MaxDropHeightUm).Count(), 17);
}

TEST(FreeFallMotion, StoredHeightsAreBroughtIntoRange)
{
    EXPECT_EQ(ClampDropHeight(0), MinDropHeightUm);
    EXPECT_EQ(ClampDropHeight(-7), MinDropHeightUm);
    EXPECT_EQ(ClampDropHeight(2147483647), MaxDropHeightUm);
    EXPECT_EQ(ClampDropHeight(850000), 850000);
    EXPECT_EQ(DropHeightText(1250000), QStringLiteral(" 125 cm"));
}

TEST(FreeFallRule, ScaleMakesTheDropSpanTheRule)
{
    const RuleGeometry rule = FreeFallRule(354, 1200000);
    EXPECT_EQ(rule.top, 20);
    EXPECT_EQ(rule.length, 319);
    EXPECT_EQ(rule.worldScale, 1200000 / 319);
}

TEST(FreeFallCursor, DisplayTexts)
{
    const RuleGeometry rule = FreeFallRule(354, 1200000);
    EXPECT_EQ(CursorDisplayText(NoCursor, rule), QStringLiteral("Curseur absent       "));
    EXPECT_EQ(CursorDisplayText(rule.top - 1, rule), QStringLiteral("Curseur hors règle "));
    EXPECT_EQ(CursorDisplayText(0, rule), QStringLiteral("Curseur hors règle "));
    EXPECT_EQ(CursorDisplayText(rule.top + rule.length + 1, rule), QStringLiteral("Curseur hors règle "));
    EXPECT_EQ(CursorDisplayText(rule.top, rule), QStringLiteral("Curseur : 0.0 cm    "));
    // 319 rows of 3761 micrometres: 119.98 cm.
    EXPECT_EQ(CursorDisplayText(rule.top + rule.length, rule), QStringLiteral("Curseur : 120.0 cm    "));
    EXPECT_EQ(CursorDisplayText(rule.top + 100, rule), QStringLiteral("Curseur : 37.6 cm    "));
}

TEST(WheelMotion, StartsAtTheLeftEdgeWithATopRimPoint)
{
    const auto points = ComputeWheel();
    EXPECT_EQ(points[0].At(1), (FramePos{0, 6000}));
    EXPECT_EQ(points[1].At(1), (FramePos{0, 9000}));
    EXPECT_EQ(points[2].At(1), (FramePos{0, 8000}));
    for (const FrameTable& table : points)
        EXPECT_EQ(table.Count(), WheelFrameCount);
}

TEST(WheelMotion, EndsBeyondTheRightEdge)
{
    const auto points = ComputeWheel();
    EXPECT_EQ(points[0].At(50).x, 31054);
    EXPECT_EQ(points[2].At(50), (FramePos{29322, 8000}));
}

TEST(WheelMotion, RimPointTouchesTheGroundTwice)
{
    const auto points = ComputeWheel();
    std::vector<int> nearGround;
    for (int f = 1; f <= WheelFrameCount; ++f)
        if (points[0].At(f).y >= 9900)
            nearGround.push_back(f);
    EXPECT_EQ(nearGround, (std::vector<int>{11, 12, 32, 33}));
}

TEST(DiscMotion, OneTurnEndsWhereItStarted)
{
    const DiscMotion disc = ComputeDisc();
    EXPECT_EQ(disc.points[0].At(1), (FramePos{20700, 8000}));
    EXPECT_EQ(disc.points[1].At(1), (FramePos{15000, 5000}));
    EXPECT_EQ(disc.points[2].At(21), (FramePos{15000, 8000}));
    for (int t = 0; t < 2; ++t)
        EXPECT_EQ(disc.points[std::size_t(t)].At(41), disc.points[std::size_t(t)].At(1));
    // Frame 11 is a quarter turn on: A above the centre.
    EXPECT_EQ(disc.points[0].At(11), (FramePos{15000, 2300}));
    EXPECT_EQ(disc.rimDirections[2].At(1), (FramePos{0, 6000}));
}

} // namespace
