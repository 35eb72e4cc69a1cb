// A measuring column's globe: turning to a new place in ten eased steps,
// the short way round, and following the mouse while it is dragged.
#pragma once

#include <array>

constexpr int kGlobeMoveSteps = 10;
// Share of the whole movement taken by each step, in thirtieths (sum 30).
constexpr std::array<int, kGlobeMoveSteps> kGlobeStepThirtieths{1, 2, 4, 4, 4, 4, 4, 4, 2, 1};

// The longitude change from `from` to `to` degrees, brought into
// -180 .. 180 (exclusive at 180) whatever the angles' size.
double ShortTurn(double from, double to);

// `degrees` brought into 0 .. 360 (exclusive at 360): same globe.
float WrapTurn(float degrees);

class GlobeMove
{
public:
    // Plans the movement from the present angles to the place's; the turn
    // is first wrapped into 0 .. 360 so that it never grows without end.
    void Start(float& turn, float tilt, int toTurn, int toTilt);
    void Stop() { m_running = false; }

    bool Running() const { return m_running; }
    int GlobeStep() const { return m_step; } // next step, 1..10
    double TurnStep(int step) const { return m_turnSteps[std::size_t(step - 1)]; }
    double TiltStep(int step) const { return m_tiltSteps[std::size_t(step - 1)]; }

    // Adds the next step to the angles; the last one lands exactly on the
    // place and ends the movement. False (nothing changed) when not running.
    bool Advance(float& turn, float& tilt);

private:
    std::array<double, kGlobeMoveSteps> m_turnSteps{};
    std::array<double, kGlobeMoveSteps> m_tiltSteps{};
    float m_endTurn = 0;
    float m_endTilt = 0;
    int m_step = 1;
    bool m_running = false;
};

// Dragging: the surface under the mouse moves with it. A vertical drag of
// 217 pixels (the globe's height) tilts the globe by 90 degrees, a
// horizontal one of 110 pixels turns it by 90; moves of less than 2 pixels
// from the press point leave that angle as it was at the press.
// `upPixels` is press y - mouse y, `rightPixels` mouse x - press x.
float DraggedTilt(float pressTilt, int upPixels); // kept within -90 .. 90
double DraggedTurn(float pressTurn, int rightPixels); // before rounding
