#include "road/braking/model/brakingrun.h"

#include <algorithm>

namespace {

// Speeds (m/s) at which the first three acceleration stages end, and the
// acceleration (m/s^2) of each of the four stages.
constexpr std::array<double, 3> kStageEnd{5.55, 13.88, 25};
constexpr std::array<double, 4> kStageAcceleration{8, 6, 4, 3};
// A gear change holds the speed for 0.30 s.
constexpr int kGearChangeSteps = 30;
constexpr double kRoadFactor = 10;
constexpr double kWornBrakeFactor = 0.6;
// The vehicle may move up to this step; the table always ends on a stop.
constexpr int kLastMovingStep = kLastStep - 1;

// A stretch of constant acceleration starts from here.
struct Origin
{
    double position;
    double speed;
    int step;
};

Origin OriginAt(const MotionRow& row, int step)
{
    return {row.Position, row.Speed, step};
}

MotionRow AdvancedFrom(const Origin& origin, double acceleration, int step)
{
    // Both times from the step numbers, so that every row of a stage is
    // computed alike whatever its distance from the origin.
    const double t = step * kStepSeconds - origin.step * kStepSeconds;
    MotionRow row;
    row.Speed = origin.speed + acceleration * t;
    row.Position = origin.position + origin.speed * t + acceleration * t * t / 2;
    row.Phase = acceleration >= 0 ? phAccelerating : phBraking;
    return row;
}

} // namespace

QString PhaseText(RunPhase phase)
{
    switch (phase) {
    case phWaiting: break;
    case phAccelerating: return QStringLiteral("Accélération");
    case phGearChange: return QStringLiteral("Change de rapport");
    case phCruising: return QStringLiteral("Mouvement uniforme");
    case phBraking: return QStringLiteral("Mouvement freiné");
    case phStopped: return QStringLiteral("Véhicule à l'arrêt");
    case phReacting: return QStringLiteral("Réaction en cours...");
    }
    return QStringLiteral("Attente...");
}

double Deceleration(int roadCoeff, bool wornBrakes)
{
    double deceleration = kRoadFactor * roadCoeff / 100;
    if (wornBrakes)
        deceleration *= kWornBrakeFactor;
    return deceleration;
}

VehicleRun::VehicleRun()
    : m_table(std::make_unique<MotionTable>())
{ }

const MotionRow& VehicleRun::Row(int step) const
{
    return (*m_table)[std::size_t(std::clamp(step, 0, kLastStep))];
}

void VehicleRun::BuildRun(const VehicleInputs& inputs, int cruiseExtra, double targetSpeed)
{
    MotionTable& rows = *m_table;
    rows[0] = MotionRow{};
    m_accelSteps = Accelerate(targetSpeed);

    const int reaction = Cruise(m_accelSteps, std::clamp(cruiseExtra, 0, kLastStep), phCruising);
    m_keys.ReactionPos = rows[std::size_t(reaction)].Position;
    m_keys.ReactionSpeed = rows[std::size_t(reaction)].Speed;
    m_keys.ReactionStep = reaction;

    const int braking = Cruise(reaction, std::clamp(inputs.reactionCs, 0, kLastStep), phReacting);
    StopAt(Brake(braking, Deceleration(inputs.roadCoeff, inputs.wornBrakes)));
}

int VehicleRun::Accelerate(double targetSpeed)
{
    MotionTable& rows = *m_table;
    Origin origin = OriginAt(rows[0], 0);
    std::size_t stage = 0;
    int pause = 0;
    int n = 1;
    for (; n <= kLastMovingStep && rows[std::size_t(n - 1)].Speed < targetSpeed; ++n) {
        const MotionRow& previous = rows[std::size_t(n - 1)];
        if (pause > 0) {
            PlainAdvance(n, phGearChange);
            if (--pause == 0)
                origin = OriginAt(rows[std::size_t(n)], n);
        } else if (stage < kStageEnd.size() && previous.Speed >= kStageEnd[stage]) {
            rows[std::size_t(n)] = previous;
            pause = kGearChangeSteps;
            ++stage;
        } else {
            rows[std::size_t(n)] = AdvancedFrom(origin, kStageAcceleration[stage], n);
        }
    }
    // The first step at or above the target (or the last one written).
    return n - 1;
}

// Steps `from` to `from` + `extra` at constant speed; row 0 stays the
// waiting car. Returns the last of them.
int VehicleRun::Cruise(int from, int extra, RunPhase phase)
{
    const int last = std::min(from + extra, kLastMovingStep);
    for (int n = std::max(from, 1); n <= last; ++n)
        PlainAdvance(n, phase);
    return last;
}

// Returns the step of the stop: the first after a negative speed.
int VehicleRun::Brake(int from, double deceleration)
{
    MotionTable& rows = *m_table;
    const MotionRow& start = rows[std::size_t(from)];
    m_keys.BrakePos = start.Position;
    m_keys.BrakeSpeed = start.Speed;
    m_keys.BrakeStep = from;
    const Origin origin = OriginAt(start, from);
    int n = std::max(from, 1);
    for (; n <= kLastMovingStep && rows[std::size_t(n - 1)].Speed >= 0; ++n)
        rows[std::size_t(n)] = AdvancedFrom(origin, -deceleration, n);
    return n;
}

void VehicleRun::StopAt(int step)
{
    MotionTable& rows = *m_table;
    MotionRow stop;
    stop.Position = rows[std::size_t(step - 1)].Position;
    stop.Speed = 0;
    stop.Phase = phStopped;
    std::fill(rows.begin() + step, rows.end(), stop);
    m_keys.StopPos = stop.Position;
    m_keys.StopSpeed = 0;
    m_keys.StopStep = step;
}

void VehicleRun::PlainAdvance(int step, RunPhase phase)
{
    MotionTable& rows = *m_table;
    const MotionRow& previous = rows[std::size_t(step - 1)];
    MotionRow& row = rows[std::size_t(step)];
    row.Position = previous.Position + kStepSeconds * previous.Speed;
    row.Speed = previous.Speed;
    row.Phase = phase;
}
