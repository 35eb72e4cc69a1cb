// The about box's animations as models: the typing of an event's text, two
// characters per tick; the globe turning to the event's place; and the pause
// between two events.
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <vector>

struct SplashEvent;

// ---- typing

// Width of a text in pixels, in the font it will be drawn with.
using TextMeasure = std::function<int(const QString&)>;

// The account cut into lines narrower than `width`: words (separated by
// spaces) are added while the line, a space and the word stay below the
// width. A word wider than the panel stands on a line of its own.
std::vector<QString> WrapWords(const QString& text, int width, const TextMeasure& measure);

// Number of header lines drawn in bold: the date, the place and the title.
constexpr int kBoldLines = 3;

// Date, place, title, then the account wrapped to `width`.
std::vector<QString> EventTextLines(const SplashEvent& event, int width, const TextMeasure& measure);

class TypingAnimation
{
public:
    // Starts on the first line with one character shown.
    void Start(std::vector<int> lineLengths);
    void Stop() { m_running = false; }

    // Two more characters; past the end of a line the next one starts with
    // one character; typing ends once the last line is shown whole.
    void Tick();

    bool Running() const { return m_running; }
    int Line() const { return m_line; } // 0-based line being typed
    int Chars() const { return m_chars; } // characters of that line shown

private:
    void Settle();

    std::vector<int> m_lengths;
    int m_line = 0;
    int m_chars = 0;
    bool m_running = false;
};

// ---- globe turn

// The globe turning to a new event: the short way round, in
// fifteen steps that speed up, keep a constant speed, then slow down.
constexpr int kTurnSteps = 15;
// Share of the whole turn taken by each step, in fiftieths (sum 50).
constexpr std::array<int, kTurnSteps> kTurnFiftieths{1, 2, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 2, 1};

// The longitude change from `from` to `to`, brought into -180 .. 180 so
// that the globe never turns more than half a revolution.
float ShortTurn(float from, float to);

class GlobeTurnAnimation
{
public:
    // Plans the turn from the current angles to the event's; step 1 next.
    void Start(float turn, float tilt, int toTurn, int toTilt);
    void Stop() { m_running = false; }

    bool Running() const { return m_running; }
    int Step() const { return m_step; } // 1..15, the next step to apply
    float TurnIncrement(int step) const { return m_turn[step - 1]; }
    float TiltIncrement(int step) const { return m_tilt[step - 1]; }

    // Steps come on even ticks only: on such a tick the step's increments
    // are added to the angles and true is returned (the globe needs a new
    // rendering); the turn ends after step 15.
    bool Tick(int tickCounter, float& turn, float& tilt);

private:
    std::array<float, kTurnSteps> m_turn{};
    std::array<float, kTurnSteps> m_tilt{};
    int m_step = 1;
    bool m_running = false;
};

// ---- pause between events

// The pause between two events: 210 ticks of 30 ms once the
// event is typed and the globe has turned, held while the mouse rests on
// the buttons, then the next event (or, at start-up, the end of the box).
constexpr int kEventTicks = 210;

class EventCountdown
{
public:
    enum class Outcome
    {
        Wait,
        NextEvent,
        CloseBox
    };

    void Restart() { m_ticks = kEventTicks; }
    int TicksLeft() const { return m_ticks; }

    // One timer tick. While the event is still being presented nothing
    // counts; at zero the box moves on; otherwise one tick is taken off,
    // unless the mouse hovers over the buttons or the cross.
    Outcome Tick(bool presenting, bool hover, bool startupMode);

    // The mouse came onto the buttons once the event was presented: the
    // next event follows as soon as it leaves.
    void HoldOnButtons();

    // The next/back buttons stand still while the event is presented or
    // hovered, and blink (three ticks on, three off) during the pause.
    bool ButtonsShown(bool hover) const;

private:
    int m_ticks = kEventTicks;
};
