#include "motion/steprules.h"

#include <algorithm>

int ProjectileStepForward(int frame, int count, bool loop)
{
    if (frame >= count)
        return loop ? 1 : count;
    return std::min(frame / 5 * 5 + 5, count);
}

int ProjectileStepBack(int frame, int count, bool loop)
{
    if (frame <= 1)
        return loop ? count : 1;
    if (frame <= 5)
        return 1;
    if (frame % 5 == 0)
        return frame - 5;
    return frame / 5 * 5;
}

bool ProjectileTraced(int frame)
{
    return frame == 1 || frame % 5 == 0;
}

int FreeFallStepForward(int frame, int count)
{
    return frame < count ? frame + 1 : frame;
}

int FreeFallStepBack(int frame)
{
    return frame > 1 ? frame - 1 : frame;
}

bool FreeFallTraced(int frame, int currentFrame)
{
    return frame < currentFrame;
}

int WheelStepForward(int frame, int count, bool loop)
{
    if (frame >= count)
        return loop ? 1 : count;
    return frame + 1;
}

int WheelStepBack(int frame, int count, bool loop)
{
    if (frame <= 1)
        return loop ? count : 1;
    return frame - 1;
}

int DiscStepForward(int frame, int count, bool loop)
{
    if (frame >= count)
        return loop ? 1 : count;
    return std::min(frame % 2 == 0 ? frame + 1 : frame + 2, count);
}

int DiscStepBack(int frame, int count, bool loop)
{
    if (frame <= 1)
        return loop ? count : 1;
    if (frame == 2)
        return 1;
    return frame % 2 == 0 ? frame - 1 : frame - 2;
}

bool DiscTraced(int frame)
{
    return frame % 2 == 1;
}
