// Repeats a held key at the desktop's keyboard rate for keys that the
// window system does not repeat itself (a held Ctrl key on X11).
#pragma once

#include <QObject>
#include <QTimer>

class HeldKeyRepeat : public QObject
{
    Q_OBJECT

public:
    explicit HeldKeyRepeat(QObject* parent = nullptr);

    // Starts repeating after the first delay; stop() ends it.
    void start();
    void stop();
    bool isActive() const { return m_timer.isActive(); }

    // The pause before the first repeat and between repeats, in ms.
    void setTimings(int delayMs, int intervalMs);

signals:
    void repeated();

private:
    void onTimeout();

    QTimer m_timer;
    int m_delayMs;
    int m_intervalMs;
};
