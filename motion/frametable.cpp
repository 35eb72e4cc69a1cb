#include "motion/frametable.h"

#include <cmath>

std::int32_t RoundHalfEven(double v)
{
    // The default rounding mode rounds halves to even.
    return std::int32_t(std::nearbyint(v));
}
