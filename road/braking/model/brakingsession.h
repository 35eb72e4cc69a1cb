// The braking comparison: two vehicles built so that both drivers begin to
// react at the same instant, played back step by step under a timer.
#pragma once

#include "road/braking/model/brakingrun.h"
#include "road/braking/model/brakingview.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>

// The quantities the result panel shows for the current row.
struct Readout
{
    double speedKmh = 0; // never negative
    double elapsedS = 0;
    double distanceM = 0;
    std::optional<double> reactionM; // once the braking has begun
    std::optional<double> brakingM; // once the vehicle has stopped
    RunPhase phase = phWaiting;
};

// The panel's six lines: the labels on the left and, on the first five,
// the values on the right ("59.9 km/h", "7.8 s", "-------- " while a
// distance is not known yet); the sixth label is the phase.
struct ReadoutTexts
{
    std::array<QString, 6> labels;
    std::array<QString, 5> values;
};
ReadoutTexts ReadoutLines(const Readout& readout);

class BrakingSession
{
public:
    // Vehicle k is 1 or 2 (any other value means vehicle 1).
    const VehicleRun& Vehicle(int k) const { return m_vehicles[Index(k)]; }
    BrakingView& View() { return m_view; }
    const BrakingView& View() const { return m_view; }

    // The step shown, common to both vehicles; always inside the table.
    int CurrentStep() const { return m_currentStep; }
    void SetCurrentStep(int step);
    int StepIncrement() const { return m_stepIncrement; }
    bool Running(int k) const { return m_running[Index(k)]; }
    bool AnyRunning() const { return m_running[0] || m_running[1]; }
    bool RunMade() const { return m_runMade; }

    // The window is shown: no run, step 0, both cars waiting at the start,
    // the default zoom.
    void PrepareShow();
    // Builds both vehicles aligned on a common reaction step, one second
    // after the later one has reached its speed, and starts the playback
    // at `stepIncrement` steps per tick.
    void StartRun(const VehicleInputs& first, const VehicleInputs& second, int stepIncrement);
    // One timer tick. `drawZone(k)` is called for each vehicle when its
    // zone is to be composed. Returns true when both vehicles have been
    // seen stopped: the playback is over.
    bool Tick(const std::function<void(int)>& drawZone);
    // Both vehicles back at the start, no run made, step 0.
    void ResetRun();

    // The row shown for vehicle k, and what the panel says of it.
    const MotionRow& ShownRow(int k) const { return Vehicle(k).Row(m_currentStep); }
    Readout Quantities(int k) const;

private:
    static std::size_t Index(int k) { return k == 2 ? 1 : 0; }

    std::array<VehicleRun, 2> m_vehicles;
    BrakingView m_view;
    int m_currentStep = 0;
    int m_stepIncrement = 3;
    std::array<bool, 2> m_running{false, false};
    bool m_runMade = false;
};
