// The projectile's motion: ball positions every 0.05 s in millimetres from
// the launch speed and angle, and the five lines of the information block.
#pragma once

#include "motion/entryparse.h"
#include "motion/frametable.h"

#include <QString>
#include <array>

constexpr EntryRule LaunchSpeedRule{2, 30, 5, 30};
constexpr EntryRule LaunchAngleRule{2, 45, 0, 90};
// The angle spin's down arrow never goes below this.
constexpr int LaunchAngleSpinMinimum = 5;

struct ProjectileMotion
{
    FrameTable ball;                   // x from the launch point, y height, in mm
    std::array<QString, 5> infoLines;  // at most 30 characters each
};

ProjectileMotion ComputeProjectile(int launchSpeed, int launchAngleDeg);

// The entries' texts: " 30 m/s" and " 45 °".
QString LaunchSpeedText(int launchSpeed);
QString LaunchAngleText(int launchAngleDeg);
