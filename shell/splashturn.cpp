#include "shell/splashturn.h"

#include <cmath>

float ShortTurn(float from, float to)
{
    float d = std::fmod(to - from, 360.0f);
    if (d >= 180.0f)
        d -= 360.0f;
    else if (d < -180.0f)
        d += 360.0f;
    return d;
}

void GlobeTurnAnimation::Start(float turn, float tilt, int toTurn, int toTilt)
{
    const float turnWay = ShortTurn(turn, static_cast<float>(toTurn));
    const float tiltWay = static_cast<float>(toTilt) - tilt;
    for (int i = 0; i < kTurnSteps; ++i) {
        m_turn[i] = turnWay * static_cast<float>(kTurnFiftieths[i]) / 50.0f;
        m_tilt[i] = tiltWay * static_cast<float>(kTurnFiftieths[i]) / 50.0f;
    }
    m_step = 1;
    m_running = true;
}

bool GlobeTurnAnimation::Tick(int tickCounter, float& turn, float& tilt)
{
    if (!m_running || tickCounter % 2 != 0)
        return false;
    turn += m_turn[m_step - 1];
    tilt += m_tilt[m_step - 1];
    if (++m_step > kTurnSteps)
        m_running = false;
    return true;
}
