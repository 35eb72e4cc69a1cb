// The four motions: ball positions of the projectile and the free fall
// every 0.05 s, the rolling wheel's and the turning disc's points frame by
// frame, and the texts that go with them.
#pragma once

#include "motion/model/motionrules.h"

#include <QString>
#include <array>
#include <cstdint>

// ---- projectile

// The projectile: ball positions every 0.05 s in millimetres from
// the launch speed and angle, and the five lines of the information block.

constexpr EntryRule LaunchSpeedRule{2, 30, 5, 30};
constexpr EntryRule LaunchAngleRule{2, 45, 0, 90};
// The angle spin's down arrow never goes below this.
constexpr int LaunchAngleSpinMinimum = 5;

// The projectile's and the free fall's frames are this far apart in time,
// all but the last, which is the exact landing.
constexpr double MotionFrameSeconds = 0.05;

struct ProjectileMotion
{
    FrameTable ball; // x from the launch point, y height, in mm
    std::array<QString, 5> infoLines; // at most 30 characters each
    double flightTimeS = 0; // when the last frame lands
};

ProjectileMotion ComputeProjectile(int launchSpeed, int launchAngleDeg);

// The entries' texts: " 30 m/s" and " 45 °".
QString LaunchSpeedText(int launchSpeed);
QString LaunchAngleText(int launchAngleDeg);

// ---- free fall

// The free fall: ball heights every 0.05 s in micrometres from the drop
// height, the height entry, and the text of the measuring cursor's display.

constexpr std::int32_t MinDropHeightUm = 500000;
constexpr std::int32_t MaxDropHeightUm = 3000000;
constexpr std::int32_t DropHeightStepUm = 100000;
// Typed in centimetres.
constexpr EntryRule DropHeightRule{3, 120, MinDropHeightUm / 10000, MaxDropHeightUm / 10000};

// The height brought into 50 cm .. 3 m.
std::int32_t ClampDropHeight(std::int32_t heightUm);

// x is 0; y is the height relative to the release point, negative below
// it; the last frame lies on the floor (y = -heightUm).
FrameTable ComputeFreeFall(std::int32_t heightUm);

// When the ball reaches the floor, the time of the last frame.
double FreeFallLandingTime(std::int32_t heightUm);

// The entry's text: " 120 cm".
QString DropHeightText(std::int32_t heightUm);

// The rule's place on the canvas, in pixels, and the scale in use.
struct RuleGeometry
{
    int top = 20;
    int length = 0;
    std::int32_t worldScale = 1;
};

// The rule spans the canvas height less 20 pixels above and 15 below; the
// scale makes the whole drop fit it.
RuleGeometry FreeFallRule(int canvasHeight, std::int32_t heightUm);

constexpr int NoCursor = -1;
// What the display says for a cursor on canvas row `cursorY`.
QString CursorDisplayText(int cursorY, const RuleGeometry& rule);

// ---- wheel

// The rolling bicycle wheel: positions of a rim point A, a half-radius
// point B and the hub C over 50 frames, in the abstract world unit (30000
// across the canvas, y downward, ground at y = 10000).

constexpr int WheelFrameCount = 50;
constexpr int WheelWorldWidth = 30000;
constexpr int WheelGroundY = 10000;
constexpr int WheelGroundBottomY = 12000;
constexpr int WheelRadius = 2000;

// Tables for A, B and C, in that order.
std::array<FrameTable, 3> ComputeWheel();

// ---- disc

// The rotating disc: one counter-clockwise turn in 41 frames (the last
// equal to the first) of a point A near the rim, B at half radius and the
// centre C, plus the rim directions that place the turning rim and grooves.

constexpr int DiscFrameCount = 41;
constexpr int DiscWorldWidth = 30000;
constexpr int DiscCentreX = 15000;
constexpr int DiscCentreY = 8000;
constexpr int DiscRadius = 6000;

struct DiscMotion
{
    std::array<FrameTable, 3> points; // A, B, C: absolute positions, y downward
    // E1..E4: directions from the centre at radius R, y upward.
    std::array<FrameTable, 4> rimDirections;
};

DiscMotion ComputeDisc();
