// The rotating disc: one counter-clockwise turn in 41 frames (the last
// equal to the first) of a point A near the rim, B at half radius and the
// centre C, plus the rim directions that place the turning rim and grooves.
#pragma once

#include "motion/frametable.h"

#include <array>

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
