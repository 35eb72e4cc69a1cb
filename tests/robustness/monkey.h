// Random use of a window from a seed: clicks on the visible enabled
// controls, choices in lists, typing in the edit boxes, presses, drags and
// wheel turns on the drawing areas, keys, resizes from tiny to 4000 x 3000,
// timer ticks, closing and reopening. The same seed gives the same events.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <random>

class QWidget;

namespace robustness {

class Monkey
{
public:
    explicit Monkey(std::uint32_t seed);

    // Sends `count` random events to the window (reopened when an event
    // closed it), then closes it.
    void Play(QWidget* window, int count);

    int EventsSent() const { return m_sent; }
    // Timers below 10 ms seen while playing, as FastTimers gives them.
    const QStringList& FastTimers() const { return m_fast; }
    // The last events, oldest first, to tell what led to a failure.
    QString RecentEvents() const { return m_recent.join(QStringLiteral("; ")); }

private:
    int Below(int n); // 0 .. n-1
    void OneEvent(QWidget* window);
    void ClickControl(QWidget* window);
    void ChooseInList(QWidget* window);
    void TypeText(QWidget* window);
    void UseDrawingArea(QWidget* window);
    void PressKey(QWidget* window);
    void Resize(QWidget* window);
    void Note(const QString& event);

    std::mt19937 m_random;
    int m_sent = 0;
    QStringList m_fast;
    QStringList m_recent;
};

} // namespace robustness
