#include "shell/about/aboutanimation.h"

#include "shell/about/aboutevents.h"

#include <cmath>

// ---- typing

std::vector<QString> WrapWords(const QString& text, int width, const TextMeasure& measure)
{
    std::vector<QString> lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (measure(longer) < width) {
            line = longer;
            continue;
        }
        if (!line.isEmpty())
            lines.push_back(line);
        line = word;
        if (measure(word) >= width) {
            lines.push_back(word);
            line.clear();
        }
    }
    if (!line.isEmpty())
        lines.push_back(line);
    return lines;
}

std::vector<QString> EventTextLines(const AboutEvent& event, int width, const TextMeasure& measure)
{
    std::vector<QString> lines{event.date, event.place, event.title};
    for (QString& line : WrapWords(event.account, width, measure))
        lines.push_back(std::move(line));
    return lines;
}

void TypingAnimation::Start(std::vector<int> lineLengths)
{
    m_lengths = std::move(lineLengths);
    m_line = 0;
    m_chars = 1;
    m_running = !m_lengths.empty();
    Settle();
}

void TypingAnimation::Tick()
{
    if (!m_running)
        return;
    m_chars += 2;
    Settle();
}

void TypingAnimation::Settle()
{
    const int last = static_cast<int>(m_lengths.size()) - 1;
    while (m_running && m_chars > m_lengths[m_line]) {
        if (m_line == last) {
            m_chars = m_lengths[m_line];
            m_running = false;
        } else {
            ++m_line;
            m_chars = 1;
        }
    }
    if (m_running && m_line == last && m_chars >= m_lengths[m_line])
        m_running = false;
}

// ---- globe turn

void GlobeTurnAnimation::Start(float turn, float tilt, int toTurn, int toTilt)
{
    const auto turnWay = static_cast<float>(ShortTurn(turn, toTurn));
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

// ---- pause between events

EventCountdown::Outcome EventCountdown::Tick(bool presenting, bool hover, bool startupMode)
{
    if (presenting)
        return Outcome::Wait;
    if (m_ticks <= 0)
        return startupMode ? Outcome::CloseBox : Outcome::NextEvent;
    if (!hover)
        --m_ticks;
    return Outcome::Wait;
}

void EventCountdown::HoldOnButtons()
{
    if (m_ticks < kEventTicks)
        m_ticks = 1;
}

bool EventCountdown::ButtonsShown(bool hover) const
{
    return m_ticks == kEventTicks || hover || (m_ticks < kEventTicks && m_ticks % 6 <= 2);
}
