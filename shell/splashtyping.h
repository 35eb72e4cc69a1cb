// The about box's text panel as a model: the lines of an event (date,
// place and title, then the account wrapped to the panel) and their typing,
// two characters per tick.
#pragma once

#include <QString>
#include <functional>
#include <vector>

struct SplashEvent;

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
    int Line() const { return m_line; }   // 0-based line being typed
    int Chars() const { return m_chars; } // characters of that line shown

private:
    void Settle();

    std::vector<int> m_lengths;
    int m_line = 0;
    int m_chars = 0;
    bool m_running = false;
};
