#include "weight/organ/model/organlaws.h"

#include <QRandomGenerator>
#include <algorithm>

namespace {

constexpr double kPushedInFactor = 0.0217;
constexpr double kDeformedFactor = 0.00548;

// Both laws grow with the kinetic energy: v² times the mass as a share of
// the heaviest striker's 20 kg.
double EnergyTerm(double speedMs, int massKg)
{
    return speedMs * speedMs * (0.05 * massKg);
}

} // namespace

double SpeedMsFromKmh(double speedKmh)
{
    return speedKmh / 3.6;
}

CrushLaws::CrushLaws(RandomSource random)
    : m_random(std::move(random))
{
    if (!m_random)
        m_random = [] { return QRandomGenerator::global()->generateDouble(); };
}

double CrushLaws::Factor()
{
    if (!m_scatter)
        return 1.0;
    // A source that strays out of [0, 1) must not widen the spread.
    const double r = std::clamp(m_random(), 0.0, 1.0);
    return 0.975 + 0.05 * r;
}

double CrushLaws::PushedInLaw(double speedMs, int massKg)
{
    return kPushedInFactor * EnergyTerm(speedMs, massKg) * Factor();
}

double CrushLaws::DeformedLaw(double speedMs, int massKg)
{
    return kDeformedFactor * EnergyTerm(speedMs, massKg) * Factor();
}

TubeRecord CrushLaws::CrushedTube(int speedKmh, int massKg)
{
    TubeRecord tube;
    tube.SpeedMs = SpeedMsFromKmh(speedKmh);
    tube.Deformed = DeformedLaw(tube.SpeedMs, massKg);
    tube.PushedIn = PushedInLaw(tube.SpeedMs, massKg);
    tube.Deformed = std::min(tube.Deformed, TubeLength - tube.PushedIn);
    tube.SpeedKmh = speedKmh;
    tube.Mass = massKg;
    return tube;
}
