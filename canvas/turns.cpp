#include "canvas/turns.h"

#include <cmath>

double ShortTurn(double from, double to)
{
    double d = std::fmod(to - from, 360.0);
    if (d >= 180.0)
        d -= 360.0;
    else if (d < -180.0)
        d += 360.0;
    return d;
}

float WrapTurn(float degrees)
{
    float wrapped = std::fmod(degrees, 360.0f);
    if (wrapped < 0.0f)
        wrapped += 360.0f;
    // A tiny negative value wraps to 360 itself in single precision.
    return wrapped >= 360.0f ? 0.0f : wrapped;
}
