#include "shell/splashcountdown.h"

EventCountdown::Outcome EventCountdown::Tick(bool presenting, bool hover, bool startupMode)
{
    if (presenting)
        return Outcome::Wait;
    if (m_ticks <= 0)
        return startupMode ? Outcome::CloseBox : Outcome::NextEvent;
    if (!hover)
        --m_ticks;
    return Outcome::Wait;
}

void EventCountdown::HoldOnButtons()
{
    if (m_ticks < kEventTicks)
        m_ticks = 1;
}

bool EventCountdown::ButtonsShown(bool hover) const
{
    return m_ticks == kEventTicks || hover || (m_ticks < kEventTicks && m_ticks % 6 <= 2);
}
