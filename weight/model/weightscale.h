// The scale of one measuring column: the weight it is going to and the
// value it shows while it rises to it or drains to zero.
#pragma once

#include <array>

// A change takes 21 frames of the 100 ms scale timer.
constexpr int kScaleFrames = 21;

// From 0 to 1 and from 1 to 0, fast first: (-0.25 i^2 + 10 i) / 100 and
// (0.25 i^2 - 10 i + 100) / 100.
extern const std::array<double, kScaleFrames> RiseCurve;
extern const std::array<double, kScaleFrames> FallCurve;

enum class WeightState
{
    Idle,
    Rising,
    Falling
};

// The measurement scatter: `weight` times (101 - 2 r) / 100 for r uniform
// in [0, 1), a factor above 0.99 and at most 1.01.
double ScatteredWeight(double weight, double r);

class ScaleColumn
{
public:
    WeightState State() const { return m_state; }
    double Weight() const { return m_weight; } // newtons, the target
    double ShownWeight() const { return m_shown; } // newtons, on the readout
    int WeightTick() const { return m_tick; } // next frame, 0..21

    // Still, showing `weight`.
    void Rest(double weight);
    // Rises from zero to `weight` from frame 0.
    void Rise(double weight);
    // Drains what the scale shows now to zero from frame 0.
    void Fall();
    // One frame: the shown value follows the curve; after frame 20 the
    // column is still on its weight (rising) or on zero (falling).
    void Tick();

private:
    WeightState m_state = WeightState::Idle;
    double m_weight = 0.0;
    double m_shown = 0.0;
    int m_tick = 0;
};
