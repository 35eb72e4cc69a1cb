#include "canvas/colorcontrast.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Lighter than this, a colour takes dark text; darker, light text.
constexpr double kMiddleLuminance = 0.18;

double LinearChannel(int value)
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (int v = 0; v < 256; ++v) {
            const double c = v / 255.0;
            t[std::size_t(v)] = c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return t;
    }();
    return table[std::size_t(std::clamp(value, 0, 255))];
}

// Each channel moved `amount` (0..1) of the way to `target` (0 or 255):
// the proportions between the channels, hence the hue, stay.
TColor Toward(TColor color, int target, double amount)
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

double Luminance(TColor color)
{
    return 0.2126 * LinearChannel(int(color & 0xFF)) + 0.7152 * LinearChannel(int((color >> 8) & 0xFF))
           + 0.0722 * LinearChannel(int((color >> 16) & 0xFF));
}

double ContrastRatio(TColor a, TColor b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TColor ReadableInk(TColor ink, TColor background, double ratio)
{
    ink &= 0xFFFFFF;
    if (ContrastRatio(ink, background) >= ratio)
        return ink;
    // Away from the background: darker on a light one, lighter on a dark one.
    const int target = Luminance(background) > kMiddleLuminance ? 0 : 255;
    for (int step = 1; step <= 100; ++step) {
        const TColor candidate = Toward(ink, target, step / 100.0);
        if (ContrastRatio(candidate, background) >= ratio)
            return candidate;
    }
    return Toward(ink, target, 1.0);
}

TColor DarkenedUnder(TColor background, TColor ink, double ratio)
{
    background &= 0xFFFFFF;
    // Dark text (as ReadableInk judges a background) is helped by a lighter
    // background, never by a darker one.
    if (ContrastRatio(ink, background) >= ratio || Luminance(ink) <= kMiddleLuminance)
        return background;
    // The least darkening that is enough, to within a 1/1024 step.
    double enough = 1.0;
    double short_ = 0.0;
    for (int i = 0; i < 10; ++i) {
        const double middle = (enough + short_) / 2;
        (ContrastRatio(ink, Toward(background, 0, middle)) >= ratio ? enough : short_) = middle;
    }
    return Toward(background, 0, enough);
}

TColor ReadableInkOver(TColor ink, const QImage& picture, const QRect& area, double ratio)
{
    ink &= 0xFFFFFF;
    const QRect inside = area & picture.rect();
    // The text stands on light or dark ground as most of the pixels under
    // it are; there the ground nearest to the middle is the one that limits
    // the contrast: an ink that reads on it reads on all the others.
    int lighter = 0;
    int darker = 0;
    TColor nearestLighter = 0xFFFFFF;
    TColor nearestDarker = 0x000000;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const TColor under = CanvasFromQColor(QColor(picture.pixel(x, y)));
            const double level = Luminance(under);
            if (level > kMiddleLuminance) {
                ++lighter;
                if (level < Luminance(nearestLighter))
                    nearestLighter = under;
            } else {
                ++darker;
                if (level > Luminance(nearestDarker))
                    nearestDarker = under;
            }
        }
    if (lighter + darker == 0)
        return ink;
    return ReadableInk(ink, lighter >= darker ? nearestLighter : nearestDarker, ratio);
}
