// The about box's globe turning to a new event: the short way round, in
// fifteen steps that speed up, keep a constant speed, then slow down.
#pragma once

#include <array>

constexpr int kTurnSteps = 15;
// Share of the whole turn taken by each step, in fiftieths (sum 50).
constexpr std::array<int, kTurnSteps> kTurnFiftieths{1, 2, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 2, 1};

// The longitude change from `from` to `to`, brought into -180 .. 180 so
// that the globe never turns more than half a revolution.
float ShortTurn(float from, float to);

class GlobeTurnAnimation
{
public:
    // Plans the turn from the current angles to the event's; step 1 next.
    void Start(float turn, float tilt, int toTurn, int toTilt);
    void Stop() { m_running = false; }

    bool Running() const { return m_running; }
    int Step() const { return m_step; } // 1..15, the next step to apply
    float TurnIncrement(int step) const { return m_turn[step - 1]; }
    float TiltIncrement(int step) const { return m_tilt[step - 1]; }

    // Steps come on even ticks only: on such a tick the step's increments
    // are added to the angles and true is returned (the globe needs a new
    // rendering); the turn ends after step 15.
    bool Tick(int tickCounter, float& turn, float& tilt);

private:
    std::array<float, kTurnSteps> m_turn{};
    std::array<float, kTurnSteps> m_tilt{};
    int m_step = 1;
    bool m_running = false;
};
