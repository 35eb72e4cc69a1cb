// The motion of one braking vehicle, precomputed from standstill to its stop
// as a table of positions and speeds every hundredth of a second.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <memory>

// One table step lasts 0.01 s; the table holds steps 0 to kLastStep.
constexpr int kLastStep = 6000;
constexpr double kStepSeconds = 0.01;
// Length of the drawn vehicle, and the start position of its front.
constexpr double CarLength = 6.1;
constexpr double kKmhPerMs = 3.6;

enum RunPhase : std::uint8_t
{
    phWaiting = 0,
    phAccelerating = 1,
    phGearChange = 2,
    phCruising = 3,
    phBraking = 4,
    phStopped = 5,
    phReacting = 6,
};

// What the result panel says a vehicle is doing ("Attente...", ...).
QString PhaseText(RunPhase phase);

struct MotionRow
{
    double Position = CarLength; // metres, front of the vehicle from the start line
    double Speed = 0; // m/s; the last braking row may be slightly negative
    RunPhase Phase = phWaiting;
};

using MotionTable = std::array<MotionRow, kLastStep + 1>;

struct KeyPoints
{
    double ReactionPos = CarLength;
    double ReactionSpeed = 0;
    std::int32_t ReactionStep = 0;
    double BrakePos = CarLength;
    double BrakeSpeed = 0;
    std::int32_t BrakeStep = 0;
    double StopPos = CarLength;
    double StopSpeed = 0;
    std::int32_t StopStep = 0;
};

// The settings of one vehicle, as the window offers them.
struct VehicleInputs
{
    int speedKmh = 60;
    int reactionCs = 100; // hundredths of a second
    int roadCoeff = 100; // hundredths: 100 dry, 55 wet, 20 slippery
    bool wornBrakes = false;
};

// Braking deceleration in m/s^2 (positive) for a road and brake condition.
double Deceleration(int roadCoeff, bool wornBrakes);

class VehicleRun
{
public:
    // Every row holds the waiting car until a run is built.
    VehicleRun();

    // Rewrites the table, the key points and AccelSteps: acceleration to
    // `targetSpeed` (m/s), `cruiseExtra` more steps at constant speed, the
    // reaction, the braking and the stop. Whatever it is given, it writes
    // rows 0 to kLastStep only, row 0 is the waiting car and the last row
    // is a stop (a run too long for the table is cut there).
    void BuildRun(const VehicleInputs& inputs, int cruiseExtra, double targetSpeed);

    const MotionTable& Table() const { return *m_table; }
    // The row of `step`, taken inside the table.
    const MotionRow& Row(int step) const;
    const KeyPoints& Keys() const { return m_keys; }
    int AccelSteps() const { return m_accelSteps; }

private:
    // The steps of BuildRun; each returns the step where the next begins.
    int Accelerate(double targetSpeed);
    int Cruise(int from, int extra, RunPhase phase);
    int Brake(int from, double deceleration);
    void StopAt(int step);
    void PlainAdvance(int step, RunPhase phase);

    std::unique_ptr<MotionTable> m_table;
    KeyPoints m_keys;
    int m_accelSteps = 0;
};
