#include "weight/weighing/model/weighingscale.h"

namespace {

constexpr std::array<double, kScaleFrames> Curve(double a, double b, double c)
{
    std::array<double, kScaleFrames> curve{};
    for (int i = 0; i < kScaleFrames; ++i)
        curve[std::size_t(i)] = (a * i * i + b * i + c) * 0.01;
    return curve;
}

} // namespace

const std::array<double, kScaleFrames> RiseCurve = Curve(-0.25, 10.0, 0.0);
const std::array<double, kScaleFrames> FallCurve = Curve(0.25, -10.0, 100.0);

double ScatteredWeight(double weight, double r)
{
    return (101.0 - 2.0 * r) * weight * 0.01;
}

void ScaleColumn::Rest(double weight)
{
    m_state = WeightState::Idle;
    m_weight = m_shown = weight;
    m_tick = 0;
}

void ScaleColumn::Rise(double weight)
{
    m_state = WeightState::Rising;
    m_weight = weight;
    m_tick = 0;
}

void ScaleColumn::Fall()
{
    // From what the pupil sees: an object taken off mid-rise does not
    // first jump up to its full weight.
    m_state = WeightState::Falling;
    m_weight = m_shown;
    m_tick = 0;
}

void ScaleColumn::Tick()
{
    if (m_state == WeightState::Idle)
        return;
    const auto& curve = m_state == WeightState::Rising ? RiseCurve : FallCurve;
    m_shown = m_weight * curve[std::size_t(m_tick)];
    if (++m_tick < kScaleFrames)
        return;
    if (m_state == WeightState::Falling)
        m_weight = 0.0;
    m_state = WeightState::Idle;
}
