// The motion windows' own controls: parameter entries, legend squares, and
// the repeat of a held Ctrl key.
#pragma once

#include <QColor>
#include <QLineEdit>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <utility>

class SpinButton;

// Repeats a held key at the desktop's keyboard rate for keys that the
// window system does not repeat itself (a held Ctrl key on X11).
class HeldKeyRepeat : public QObject
{
    Q_OBJECT

public:
    explicit HeldKeyRepeat(QObject* parent = nullptr);

    // Starts repeating after the first delay; stop() ends it.
    void Start();
    void Stop();
    bool IsActive() const { return m_timer.isActive(); }

    // The pause before the first repeat and between repeats, in ms.
    void SetTimings(int delayMs, int intervalMs);

signals:
    void Repeated();

private:
    void OnTimeout();

    QTimer m_timer;
    int m_delayMs;
    int m_intervalMs;
};

// The edit box of a parameter: it says when its text should be read, that
// is when Enter is pressed in it (the key goes no further) or when the focus
// moves to another control.
class ParameterEntry : public QLineEdit
{
    Q_OBJECT

public:
    explicit ParameterEntry(QWidget* parent = nullptr);

signals:
    void Entered();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// A parameter's spin button, its top-left at `at`, and its entry 3 pixels to
// its right, both 22 pixels high and with the same hint.
std::pair<SpinButton*, ParameterEntry*> MakeParameterControls(QWidget* parent, const char* spinName,
                                                              const char* entryName, QPoint at, const QString& hint);

// The small square beside a trace check box that shows the point's colour.
class LegendSquare : public QWidget
{
    Q_OBJECT

public:
    explicit LegendSquare(QWidget* parent = nullptr);

    void SetFill(const QColor& color);
    QColor Fill() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
};
