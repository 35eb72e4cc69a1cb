// The rolling bicycle wheel: positions of a rim point A, a half-radius
// point B and the hub C over 50 frames, in the abstract world unit (30000
// across the canvas, y downward, ground at y = 10000).
#pragma once

#include "motion/frametable.h"

#include <array>

constexpr int WheelFrameCount = 50;
constexpr int WheelWorldWidth = 30000;
constexpr int WheelGroundY = 10000;
constexpr int WheelGroundBottomY = 12000;
constexpr int WheelRadius = 2000;

// Tables for A, B and C, in that order.
std::array<FrameTable, 3> ComputeWheel();
