// Stepping through a list that wraps round at both ends, for indexes read
// from the settings file, which can hold any integer.
#pragma once

#include <cstdint>

// `index` brought into 0 .. count - 1 (0 for an empty list).
inline int CycleIndex(std::int64_t index, int count)
{
    if (count <= 0)
        return 0;
    const std::int64_t r = index % count;
    return static_cast<int>(r < 0 ? r + count : r);
}
