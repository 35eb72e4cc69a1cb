#include "motion/wheelmodel.h"

#include "canvas/textformat.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kR = WheelRadius;
constexpr double kStep = 2 * std::numbers::pi / 21;
constexpr double kHalfPi = std::numbers::pi / 2;

} // namespace

std::array<FrameTable, 3> ComputeWheel()
{
    std::array<FrameTable, 3> points;
    for (FrameTable& table : points)
        table.reserve(WheelFrameCount);
    // Each point's angle restarts from 0 and grows by repeated addition.
    double theta = 0;
    for (int k = 1; k <= WheelFrameCount; ++k, theta += kStep)
        points[0].append({RoundHalfEven((theta + std::cos(theta - kHalfPi)) * kR),
                          WheelGroundY - RoundHalfEven((1 - std::sin(theta - kHalfPi)) * kR)});
    theta = 0;
    for (int k = 1; k <= WheelFrameCount; ++k, theta += kStep)
        points[1].append({RoundHalfEven((theta + 0.5 * std::cos(theta + kHalfPi)) * kR),
                          WheelGroundY - RoundHalfEven((1 - 0.5 * std::sin(theta + kHalfPi)) * kR)});
    theta = 0;
    for (int k = 1; k <= WheelFrameCount; ++k, theta += kStep)
        points[2].append({RoundHalfEven(kR * theta), WheelGroundY - RoundHalfEven(kR)});
    return points;
}
