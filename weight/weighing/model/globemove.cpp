#include "weight/weighing/model/globemove.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kMinDragPixels = 2;
constexpr int kTiltDragPixels = 217;
constexpr int kTurnDragPixels = 110;

std::array<double, kGlobeMoveSteps> EasedSteps(double way)
{
    const double d = way / 30.0;
    std::array<double, kGlobeMoveSteps> steps{};
    for (int i = 0; i < kGlobeMoveSteps; ++i)
        steps[std::size_t(i)] = kGlobeStepThirtieths[std::size_t(i)] * d;
    return steps;
}

} // namespace

void GlobeMove::Start(float& turn, float tilt, int toTurn, int toTilt)
{
    turn = WrapTurn(turn);
    const double turnWay = ShortTurn(turn, toTurn);
    const double tiltWay = double(toTilt) - tilt;
    m_turnSteps = EasedSteps(turnWay);
    m_tiltSteps = EasedSteps(tiltWay);
    m_endTurn = float(turn + turnWay);
    m_endTilt = float(toTilt);
    m_step = 1;
    m_running = true;
}

bool GlobeMove::Advance(float& turn, float& tilt)
{
    if (!m_running)
        return false;
    if (m_step == kGlobeMoveSteps) {
        turn = m_endTurn;
        tilt = m_endTilt;
    } else {
        turn = float(turn + TurnStep(m_step));
        tilt = float(tilt + TiltStep(m_step));
    }
    if (++m_step > kGlobeMoveSteps)
        m_running = false;
    return true;
}

float DraggedTilt(float pressTilt, int upPixels)
{
    if (std::abs(upPixels) < kMinDragPixels)
        return pressTilt;
    const float tilt = pressTilt + float(90LL * upPixels / kTiltDragPixels);
    return std::clamp(tilt, -90.0f, 90.0f);
}

double DraggedTurn(float pressTurn, int rightPixels)
{
    if (std::abs(rightPixels) < kMinDragPixels)
        return pressTurn;
    return double(pressTurn) + double(90LL * rightPixels / kTurnDragPixels);
}
