// The precomputed positions of one tracked point, frame by frame, in the
// module's world unit.
#pragma once

#include <cstdint>
#include <vector>

struct FramePos
{
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const FramePos&) const = default;
};

// Positions indexed from 1 to count(), as the frames are numbered.
class FrameTable
{
public:
    void clear() { m_positions.clear(); }
    void append(FramePos p) { m_positions.push_back(p); }
    void reserve(int n) { m_positions.reserve(std::size_t(n)); }
    int count() const { return int(m_positions.size()); }
    bool empty() const { return m_positions.empty(); }
    const FramePos& at(int frame) const { return m_positions.at(std::size_t(frame - 1)); }
    FramePos& last() { return m_positions.back(); }

private:
    std::vector<FramePos> m_positions;
};
