#include "shell/splashtyping.h"

#include "shell/splashevents.h"

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

std::vector<QString> EventTextLines(const SplashEvent& event, int width, const TextMeasure& measure)
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
