#include "motion/motioncontrols.h"

#include "controls/plaincontrols.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleHints>
#include <algorithm>

namespace {

// Qt gives the repeat rate but not the delay; half a second is the usual
// desktop default.
constexpr int kRepeatDelayMs = 500;
constexpr int kFallbackRatePerSecond = 25;

int DesktopRepeatInterval()
{
    int rate = QGuiApplication::styleHints()->keyboardAutoRepeatRate();
    if (rate <= 0)
        rate = kFallbackRatePerSecond;
    return std::max(1, 1000 / rate);
}

} // namespace

HeldKeyRepeat::HeldKeyRepeat(QObject* parent)
    : QObject(parent),
      m_delayMs(kRepeatDelayMs),
      m_intervalMs(DesktopRepeatInterval())
{
    m_timer.setSingleShot(false);
    connect(&m_timer, &QTimer::timeout, this, &HeldKeyRepeat::OnTimeout);
}

void HeldKeyRepeat::SetTimings(int delayMs, int intervalMs)
{
    m_delayMs = std::max(1, delayMs);
    m_intervalMs = std::max(1, intervalMs);
}

void HeldKeyRepeat::Start()
{
    m_timer.start(m_delayMs);
}

void HeldKeyRepeat::Stop()
{
    m_timer.stop();
}

void HeldKeyRepeat::OnTimeout()
{
    if (m_timer.interval() != m_intervalMs)
        m_timer.setInterval(m_intervalMs);
    emit Repeated();
}

namespace {

constexpr int kMaxCharacters = 7;

} // namespace

ParameterEntry::ParameterEntry(QWidget* parent)
    : QLineEdit(parent)
{
    setMaxLength(kMaxCharacters);
}

void ParameterEntry::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit Entered();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ParameterEntry::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Only a move to another control leaves the entry: its context menu (to
    // paste a value) or a switch to another window must not read a half
    // typed number.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
        emit Entered();
}

std::pair<SpinButton*, ParameterEntry*> MakeParameterControls(QWidget* parent, const char* spinName,
                                                              const char* entryName, QPoint at, const QString& hint)
{
    auto* spin = new SpinButton(parent);
    spin->setObjectName(QString::fromLatin1(spinName));
    spin->setGeometry(at.x(), at.y(), 20, 22);
    spin->setToolTip(hint);
    auto* entry = new ParameterEntry(parent);
    entry->setObjectName(QString::fromLatin1(entryName));
    entry->setGeometry(at.x() + 23, at.y(), 45, 22);
    entry->setToolTip(hint);
    return {spin, entry};
}

LegendSquare::LegendSquare(QWidget* parent)
    : QWidget(parent),
      m_fill(Qt::white)
{
    setFixedSize(12, 12);
    setEnabled(false);
}

void LegendSquare::SetFill(const QColor& color)
{
    m_fill = color;
    update();
}

void LegendSquare::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(m_fill);
    painter.drawRect(0, 0, width() - 1, height() - 1);
}
