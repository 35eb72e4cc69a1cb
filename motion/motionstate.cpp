#include "motion/motionstate.h"

#include <array>

std::uint8_t PlayFlags = 0;
std::int32_t WorldScale = 1;

namespace {

constexpr int kDefaultIps = 100;
constexpr int kFastestIps = 10;
constexpr int kSlowestIps = 10000;
constexpr std::array<int, IpsItemCount> kItemIntervals{400, 200, 100, 50};
constexpr std::array<const char*, IpsItemCount> kItemTexts{" 2,5 ips", " 5 ips", " 10 ips", " 20 ips"};

} // namespace

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
