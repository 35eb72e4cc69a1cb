// The about box's pause between two events: 210 ticks of 30 ms once the
// event is typed and the globe has turned, held while the mouse rests on
// the buttons, then the next event (or, at start-up, the end of the box).
#pragma once

constexpr int kEventTicks = 210;

class EventCountdown
{
public:
    enum class Outcome { Wait, NextEvent, CloseBox };

    void Restart() { m_ticks = kEventTicks; }
    int TicksLeft() const { return m_ticks; }

    // One timer tick. While the event is still being presented nothing
    // counts; at zero the box moves on; otherwise one tick is taken off,
    // unless the mouse hovers over the buttons or the cross.
    Outcome Tick(bool presenting, bool hover, bool startupMode);

    // The mouse came onto the buttons once the event was presented: the
    // next event follows as soon as it leaves.
    void HoldOnButtons();

    // The next/back buttons stand still while the event is presented or
    // hovered, and blink (three ticks on, three off) during the pause.
    bool ButtonsShown(bool hover) const;

private:
    int m_ticks = kEventTicks;
};
