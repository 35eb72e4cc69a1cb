#include "motion/model/motionrules.h"

#include <algorithm>
#include <array>

std::uint8_t PlayFlags = 0;
std::int32_t WorldScale = 1;

namespace {

constexpr int kDefaultIps = 100;
constexpr int kFastestIps = 10;
constexpr int kSlowestIps = 10000;
constexpr std::array<int, IpsItemCount> kItemIntervals{400, 200, 100, 50};
constexpr std::array<const char*, IpsItemCount> kItemTexts{" 2,5 ips", " 5 ips", " 10 ips", " 20 ips"};

// The projectile's steps land on frame 1 and every fifth frame after it
// (1, 6, 11, ...): frames are 0.05 s apart, so the marks fall every 0.25 s
// from the launch and their gaps show the uniform horizontal motion.
constexpr int kProjectileStride = 5;

bool ProjectileMarked(int frame)
{
    return frame >= 1 && (frame - 1) % kProjectileStride == 0;
}

int ProjectileForward(int frame, int count)
{
    return std::min((frame - 1) / kProjectileStride * kProjectileStride + kProjectileStride + 1, count);
}

int ProjectileBack(int frame)
{
    if (ProjectileMarked(frame))
        return frame - kProjectileStride;
    return (frame - 1) / kProjectileStride * kProjectileStride + 1;
}

// The disc's steps land on the odd frames.
int DiscForward(int frame, int count)
{
    return std::min(frame % 2 == 0 ? frame + 1 : frame + 2, count);
}

int DiscBack(int frame)
{
    if (frame == 2)
        return 1;
    return frame % 2 == 0 ? frame - 1 : frame - 2;
}

} // namespace

int StepForward(MotionKind kind, int frame, int count, bool loop)
{
    if (frame >= count) {
        // The free fall stops at the floor whatever the loop.
        if (kind == MotionKind::FreeFall)
            return frame;
        return loop ? 1 : count;
    }
    switch (kind) {
    case MotionKind::Projectile: return ProjectileForward(frame, count);
    case MotionKind::Disc: return DiscForward(frame, count);
    case MotionKind::FreeFall:
    case MotionKind::Wheel: break;
    }
    return frame + 1;
}

int StepBack(MotionKind kind, int frame, int count, bool loop)
{
    if (frame <= 1) {
        if (kind == MotionKind::FreeFall)
            return frame;
        return loop ? count : 1;
    }
    switch (kind) {
    case MotionKind::Projectile: return ProjectileBack(frame);
    case MotionKind::Disc: return DiscBack(frame);
    case MotionKind::FreeFall:
    case MotionKind::Wheel: break;
    }
    return frame - 1;
}

bool FrameTraced(MotionKind kind, int point, int frame, int currentFrame)
{
    switch (kind) {
    case MotionKind::Projectile: return ProjectileMarked(frame);
    case MotionKind::FreeFall: return frame < currentFrame;
    case MotionKind::Wheel: return true;
    case MotionKind::Disc: return point != PointC && frame % 2 == 1;
    }
    return false;
}

int SafeIpsInterval(int storedIps)
{
    if (storedIps < kFastestIps || storedIps > kSlowestIps)
        return kDefaultIps;
    return storedIps;
}

const char* IpsItemText(int item)
{
    return kItemTexts.at(std::size_t(item));
}

int IpsItemForInterval(int intervalMs)
{
    for (int item = 0; item < IpsItemCount - 1; ++item)
        if (kItemIntervals[std::size_t(item)] == intervalMs)
            return item;
    return IpsItemCount - 1;
}

int IntervalForIpsItem(int item)
{
    if (item < 0 || item >= IpsItemCount)
        return kDefaultIps;
    return kItemIntervals[std::size_t(item)];
}

int ParseEntry(const QString& text, const EntryRule& rule)
{
    QString digits;
    for (QChar c : text)
        if (c >= u'0' && c <= u'9')
            digits += c;
    const int value = digits.isEmpty() || digits.size() > rule.maxDigits ? rule.fallback : digits.toInt();
    return std::clamp(value, rule.minimum, rule.maximum);
}
