// What the four motion windows' player follows: the tables of positions,
// where a step leads and which frames carry a trace mark, the play state,
// the world scale, the frame rates and the reading of typed parameters.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// ---- frame tables

struct FramePos
{
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const FramePos&) const = default;
};

// The precomputed positions of one tracked point, frame by frame, in the
// module's world unit, indexed from 1 to count() as the frames are numbered.
class FrameTable
{
public:
    void Clear() { m_positions.clear(); }
    void Append(FramePos p) { m_positions.push_back(p); }
    void Reserve(int n) { m_positions.reserve(std::size_t(n)); }
    int Count() const { return int(m_positions.size()); }
    bool Empty() const { return m_positions.empty(); }
    const FramePos& At(int frame) const { return m_positions.at(std::size_t(frame - 1)); }
    FramePos& Last() { return m_positions.back(); }

private:
    std::vector<FramePos> m_positions;
};

// ---- steps and traces

// The tracked points: A near the rim, B, and C the centre or hub.
enum TracePoint
{
    PointA = 0,
    PointB = 1,
    PointC = 2
};

// The four motions, each with its own way through the frames.
enum class MotionKind
{
    Projectile,
    FreeFall,
    Wheel,
    Disc
};

// The frame a step forward or back leads to, frames numbered 1 to `count`:
// the projectile lands on frames 1, 6, 11, 16, ... (every 0.25 s) and on
// the last; the free fall goes one frame at a time and never wraps; the
// wheel goes one frame at a time; the disc lands on the odd frames. With
// `loop`, a step past either end wraps.
int StepForward(MotionKind kind, int frame, int count, bool loop);
int StepBack(MotionKind kind, int frame, int count, bool loop);

// Whether frame `frame` of `point` carries a trace mark while `currentFrame`
// is shown: the projectile's frames 1, 6, 11, ..., the free fall's frames
// before the current one, every frame of the wheel, the disc's odd frames
// for A and B.
bool FrameTraced(MotionKind kind, int point, int frame, int currentFrame);

// ---- play state

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

// ---- frame rates

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

// ---- typed parameters

struct EntryRule
{
    int maxDigits;
    int fallback;
    int minimum;
    int maximum;
};

// What was typed in a parameter entry: every character that is not 0 to 9
// is dropped; no digit, or more than rule.maxDigits, gives rule.fallback;
// the number is then clamped.
int ParseEntry(const QString& text, const EntryRule& rule);
