#include "motion/discmodel.h"

#include "canvas/textformat.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kR = DiscRadius;
constexpr double kStep = 2 * kPi / (DiscFrameCount - 1);

// A point turning at `fraction` of the radius from `start`, as absolute
// canvas positions.
FrameTable turningPoint(double start, double fraction)
{
    FrameTable table;
    table.reserve(DiscFrameCount);
    double theta = start;
    for (int k = 1; k <= DiscFrameCount; ++k, theta += kStep)
        table.append({RoundHalfEven(std::cos(theta) * fraction * kR) + DiscCentreX,
                      DiscCentreY - RoundHalfEven(std::sin(theta) * fraction * kR)});
    return table;
}

FrameTable rimDirection(double start)
{
    FrameTable table;
    table.reserve(DiscFrameCount);
    double theta = start;
    for (int k = 1; k <= DiscFrameCount; ++k, theta += kStep)
        table.append({RoundHalfEven(std::cos(theta) * kR), RoundHalfEven(std::sin(theta) * kR)});
    return table;
}

} // namespace

DiscMotion ComputeDisc()
{
    DiscMotion disc;
    disc.points[0] = turningPoint(0, 0.95);
    disc.points[1] = turningPoint(kPi / 2, 0.5);
    for (int k = 1; k <= DiscFrameCount; ++k)
        disc.points[2].append({DiscCentreX, DiscCentreY});
    disc.rimDirections = {rimDirection(2 + kPi / 2), rimDirection(2 + 3 * kPi / 2),
                          rimDirection(kPi / 2), rimDirection(kPi / 2 + 0.8)};
    return disc;
}
