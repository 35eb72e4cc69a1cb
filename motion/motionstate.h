// Values shared by the four motion windows: the play-state bits, the world
// scale of the open window and the frame-rate setting.
#pragma once

#include <cstdint>

namespace PlayBit {
constexpr std::uint8_t Playing = 1;
constexpr std::uint8_t Loop = 2;
constexpr std::uint8_t TraceA = 4;
constexpr std::uint8_t TraceB = 8;
constexpr std::uint8_t TraceC = 16;
constexpr std::uint8_t AllTraces = TraceA | TraceB | TraceC;
} // namespace PlayBit

// Play state of the open motion window; 0 at start-up, never saved.
extern std::uint8_t PlayFlags;

// World units per pixel of the open motion window (at least 1).
extern std::int32_t WorldScale;

// A world length in pixels, truncating toward zero (-2.5 px gives -2).
inline int ToPixels(std::int32_t worldLength)
{
    return worldLength / WorldScale;
}

// The timer interval for a stored `Ips`: values from 10 to 10000 ms are used
// as they are; anything else (0, negative, absurd) would make the timer spin
// or never tick, so it counts as the default 100 ms.
int SafeIpsInterval(int storedIps);

// The frame-rate list: items " 2,5 ips", " 5 ips", " 10 ips", " 20 ips".
constexpr int IpsItemCount = 4;
const char* IpsItemText(int item);
// The item shown for an interval: 400, 200, 100 ms, and item 3 for any other.
int IpsItemForInterval(int intervalMs);
// The interval an item chooses: 400, 200, 100 or 50 ms.
int IntervalForIpsItem(int item);
