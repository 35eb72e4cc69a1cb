// Helpers of the about box's tests: driving its 30 ms timer tick by tick.
#pragma once

#include "shell/about/aboutwindow.h"

#include <gtest/gtest.h>

namespace about_testing {

// Ticks until the event is typed and the globe has turned; returns the
// number of ticks (at most `limit`).
inline int PresentEvent(TSplashF& box, int limit = 1000)
{
    int ticks = 0;
    while ((box.Typing().Running() || box.Turn().Running()) && ticks < limit) {
        box.AnimTimerTimer();
        ++ticks;
    }
    return ticks;
}

inline void Tick(TSplashF& box, int count)
{
    for (int i = 0; i < count && box.isVisible(); ++i)
        box.AnimTimerTimer();
}

// Points inside the buttons, the cross, and away from all of them.
inline const QPoint kOnBack{605, 20};
inline const QPoint kOnNext{625, 20};
inline const QPoint kOnCross{620, 430};
inline const QPoint kAway{300, 300};

} // namespace about_testing
