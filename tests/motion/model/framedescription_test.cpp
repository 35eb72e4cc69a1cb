// The words that speak the motion picture: frame, time or turn, positions,
// with a decimal comma whatever the locale.
#include "motion/model/framedescription.h"
#include "motion/model/motions.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

struct Row
{
    const char* name;
    QString (*describe)(int frame);
    int frame; // 0: the last frame
    const char* expected;
};

QString Projectile(int frame)
{
    const FrameTable ball = ComputeProjectile(30, 45).ball;
    return ProjectileFrameText(ball, frame ? frame : ball.Count(), ProjectileFlightSeconds(30, 45));
}

QString FreeFall(int frame)
{
    const FrameTable ball = ComputeFreeFall(1200000);
    return FreeFallFrameText(ball, frame ? frame : ball.Count(), 1200000);
}

QString Wheel(int frame)
{
    return WheelFrameText(ComputeWheel(), frame ? frame : WheelFrameCount);
}

QString Disc(int frame)
{
    return DiscFrameText(ComputeDisc().points, frame ? frame : DiscFrameCount);
}

const Row kRows[] = {
    {"projectile_launch", Projectile, 1, "Image 1 sur 87, t = 0,00 s, x = 0,0 m, y = 0,0 m"},
    // 1 s: x = 30 cos 45° = 21.2 m, y = 21.2 - 4.905 = 16.3 m.
    {"projectile_one_second", Projectile, 21, "Image 21 sur 87, t = 1,00 s, x = 21,2 m, y = 16,3 m"},
    {"projectile_landing", Projectile, 0, "Image 87 sur 87, t = 4,32 s, x = 91,7 m, y = 0,0 m"},
    {"free_fall_release", FreeFall, 1, "Image 1 sur 11, t = 0,00 s, chute = 0,0 cm"},
    // 0.2 s: 9.81 x 0.04 / 2 = 19.62 cm.
    {"free_fall_fifth", FreeFall, 5, "Image 5 sur 11, t = 0,20 s, chute = 19,6 cm"},
    {"free_fall_floor", FreeFall, 0, "Image 11 sur 11, t = 0,49 s, chute = 120,0 cm"},
    {"wheel_start", Wheel, 1,
     "Image 1 sur 50, rotation 0°, A : x = 0,00 R, y = 2,00 R ; B : x = 0,00 R, y = 0,50 R ; "
     "C : x = 0,00 R, y = 1,00 R"},
    // Half a turn after frame 1 would be frame 11.5; frame 22 is one whole
    // turn: A back on top, the hub one circumference on.
    {"wheel_one_turn", Wheel, 22,
     "Image 22 sur 50, rotation 0°, A : x = 6,28 R, y = 2,00 R ; B : x = 6,28 R, y = 0,50 R ; "
     "C : x = 6,28 R, y = 1,00 R"},
    {"disc_start", Disc, 1,
     "Image 1 sur 41, rotation 0°, A : x = 0,95 R, y = 0,00 R ; B : x = 0,00 R, y = 0,50 R ; C au centre"},
    {"disc_quarter", Disc, 11,
     "Image 11 sur 41, rotation 90°, A : x = 0,00 R, y = 0,95 R ; B : x = -0,50 R, y = 0,00 R ; C au centre"},
    {"disc_whole_turn", Disc, 0,
     "Image 41 sur 41, rotation 0°, A : x = 0,95 R, y = 0,00 R ; B : x = 0,00 R, y = 0,50 R ; C au centre"},
};

TEST(FrameDescription, SaysFrameTimeAndPositions)
{
    // The decimal comma never depends on the locale.
    QLocale::setDefault(QLocale(QLocale::English));
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.describe(row.frame), QString::fromUtf8(row.expected));
    }
    QLocale::setDefault(QLocale::c());
}

TEST(FrameDescription, FrameOutsideTheFilmSaysNothing)
{
    const FrameTable ball = ComputeFreeFall(1200000);
    EXPECT_TRUE(FreeFallFrameText(ball, 0, 1200000).isEmpty());
    EXPECT_TRUE(FreeFallFrameText(ball, ball.Count() + 1, 1200000).isEmpty());
    EXPECT_TRUE(WheelFrameText({}, 1).isEmpty());
}

} // namespace
