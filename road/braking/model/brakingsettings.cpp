#include "road/braking/model/brakingsettings.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<int, 3> kRoads{100, 55, 20};
constexpr std::array<int, 4> kReactions{50, 100, 200, 300};
constexpr std::array<int, 3> kTimeSteps{1, 3, 6};

// The index of `value` in `offered`, or the last index.
template <std::size_t N> int ItemOf(const std::array<int, N>& offered, int value)
{
    const auto found = std::find(offered.begin(), offered.end(), value);
    return found == offered.end() ? int(N) - 1 : int(found - offered.begin());
}

template <std::size_t N> int ValueOf(const std::array<int, N>& offered, int item)
{
    return offered[std::size_t(std::clamp(item, 0, int(N) - 1))];
}

} // namespace

int OfferedSpeed(int kmh)
{
    const int clamped = std::clamp(kmh, kMinSpeedKmh, kMaxSpeedKmh);
    return (clamped + kSpeedStepKmh / 2) / kSpeedStepKmh * kSpeedStepKmh;
}

int OfferedReaction(int hundredths)
{
    return ValueOf(kReactions, ItemOf(kReactions, hundredths));
}

int OfferedRoad(int coefficient)
{
    return ValueOf(kRoads, ItemOf(kRoads, coefficient));
}

int OfferedTimeStep(int steps)
{
    return ValueOf(kTimeSteps, ItemOf(kTimeSteps, steps));
}

int SpeedUp(int kmh)
{
    return kmh >= kMaxSpeedKmh - kSpeedStepKmh ? kMaxSpeedKmh : kmh + kSpeedStepKmh;
}

int SpeedDown(int kmh)
{
    return kmh <= 2 * kSpeedStepKmh ? kMinSpeedKmh : kmh - kSpeedStepKmh;
}

int RoadItem(int coefficient)
{
    return ItemOf(kRoads, coefficient);
}

int RoadForItem(int item)
{
    return ValueOf(kRoads, item);
}

int ReactionItem(int hundredths)
{
    return ItemOf(kReactions, hundredths);
}

int ReactionForItem(int item)
{
    return ValueOf(kReactions, item);
}

int TimeStepPosition(int steps)
{
    return ItemOf(kTimeSteps, steps) + 1;
}

int TimeStepForPosition(int position)
{
    return ValueOf(kTimeSteps, position - 1);
}
