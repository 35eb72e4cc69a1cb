#include "motion/heldkeyrepeat.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <algorithm>

namespace {

// Qt gives the repeat rate but not the delay; half a second is the usual
// desktop default.
constexpr int kRepeatDelayMs = 500;
constexpr int kFallbackRatePerSecond = 25;

int desktopRepeatInterval()
{
    int rate = QGuiApplication::styleHints()->keyboardAutoRepeatRate();
    if (rate <= 0)
        rate = kFallbackRatePerSecond;
    return std::max(1, 1000 / rate);
}

} // namespace

HeldKeyRepeat::HeldKeyRepeat(QObject* parent)
    : QObject(parent)
    , m_delayMs(kRepeatDelayMs)
    , m_intervalMs(desktopRepeatInterval())
{
    m_timer.setSingleShot(false);
    connect(&m_timer, &QTimer::timeout, this, &HeldKeyRepeat::onTimeout);
}

void HeldKeyRepeat::setTimings(int delayMs, int intervalMs)
{
    m_delayMs = std::max(1, delayMs);
    m_intervalMs = std::max(1, intervalMs);
}

void HeldKeyRepeat::start()
{
    m_timer.start(m_delayMs);
}

void HeldKeyRepeat::stop()
{
    m_timer.stop();
}

void HeldKeyRepeat::onTimeout()
{
    if (m_timer.interval() != m_intervalMs)
        m_timer.setInterval(m_intervalMs);
    emit repeated();
}
