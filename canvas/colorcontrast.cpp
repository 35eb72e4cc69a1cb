#include "canvas/colorcontrast.h"

#include <algorithm>
#include <cmath>

namespace {

double linearChannel(int value)
{
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(TColor color)
{
    return 0.2126 * linearChannel(int(color & 0xFF)) + 0.7152 * linearChannel(int((color >> 8) & 0xFF))
           + 0.0722 * linearChannel(int((color >> 16) & 0xFF));
}

// Each channel moved `amount` (0..1) of the way to `target` (0 or 255):
// the proportions between the channels, hence the hue, stay.
TColor toward(TColor color, int target, double amount)
{
    TColor result = 0;
    for (int shift : {0, 8, 16}) {
        const int c = int((color >> shift) & 0xFF);
        const long v = std::lround(c + (target - c) * amount);
        result |= TColor(std::clamp<long>(v, 0, 255)) << shift;
    }
    return result;
}

} // namespace

double ContrastRatio(TColor a, TColor b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TColor ReadableInk(TColor ink, TColor background, double ratio)
{
    ink &= 0xFFFFFF;
    if (ContrastRatio(ink, background) >= ratio)
        return ink;
    // Away from the background: darker on a light one, lighter on a dark one.
    const int target = luminance(background) > 0.18 ? 0 : 255;
    for (int step = 1; step <= 100; ++step) {
        const TColor candidate = toward(ink, target, step / 100.0);
        if (ContrastRatio(candidate, background) >= ratio)
            return candidate;
    }
    return toward(ink, target, 1.0);
}
