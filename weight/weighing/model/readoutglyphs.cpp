#include "weight/weighing/model/readoutglyphs.h"

#include <algorithm>
#include <cmath>

namespace {

// Centre lines of the segments, and half their thickness; each end is
// pointed, with a little room left before the next segment.
constexpr double kLeft = 5, kRight = 21;
constexpr double kTop = 5, kMiddle = 18, kBottom = 31;
constexpr double kHalf = 2;
constexpr double kGap = 0.5;

struct Segment
{
    double x0, y0, x1, y1;
};

// a to g, clockwise from the top, g across the middle.
constexpr Segment kSegments[7] = {
    {kLeft, kTop, kRight, kTop},       {kRight, kTop, kRight, kMiddle},  {kRight, kMiddle, kRight, kBottom},
    {kLeft, kBottom, kRight, kBottom}, {kLeft, kMiddle, kLeft, kBottom}, {kLeft, kTop, kLeft, kMiddle},
    {kLeft, kMiddle, kRight, kMiddle},
};

// The segments of each glyph, bit k for segment a + k.
constexpr unsigned char kGlyphSegments[kGlyphCount] = {
    0b0111111, 0b0000110, 0b1011011, 0b1001111, 0b1100110, 0b1101101, 0b1111101, 0b0000111, 0b1111111,
    0b1101111, // 0-9
    0b0111111, 0b1111001, 0b1110011, 0b1110111, 0b1101101, 0b1101101, 0b1111001, // D E P A S S E
};

bool InSegment(const Segment& s, double x, double y)
{
    const bool horizontal = s.y0 == s.y1;
    const double across = horizontal ? std::fabs(y - s.y0) : std::fabs(x - s.x0);
    const double along = horizontal ? x : y;
    const double start = horizontal ? s.x0 : s.y0;
    const double end = horizontal ? s.x1 : s.y1;
    return across < kHalf && std::min(along - start, end - along) > across + kGap;
}

} // namespace

bool GlyphLit(int glyph, double x, double y)
{
    if (glyph < 0 || glyph >= kGlyphCount)
        return false;
    for (int k = 0; k < 7; ++k)
        if ((kGlyphSegments[glyph] >> k & 1) && InSegment(kSegments[k], x, y))
            return true;
    return false;
}

bool UnitLit(double x, double y)
{
    // Two uprights three pixels wide on rows 6..25 and the diagonal
    // between them, three pixels wide, from top-left to bottom-right.
    constexpr double top = 6, bottom = 25, left = 3, right = 16;
    if (y < top || y >= bottom + 1)
        return false;
    if ((x >= left && x < left + 3) || (x >= right - 2 && x < right + 1))
        return true;
    // Rows and columns counted from the pixels' top-left corners.
    const double t = (y - 0.5 - top) / (bottom - top);
    const double centre = left + 1 + t * (right - left - 2);
    return std::fabs(x - 0.5 - centre) <= 1.5;
}
