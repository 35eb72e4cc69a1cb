// The free fall: ball heights every 0.05 s in micrometres from the drop
// height, the height entry, and the text of the measuring cursor's display.
#pragma once

#include "motion/entryparse.h"
#include "motion/frametable.h"

#include <QString>
#include <cstdint>

constexpr std::int32_t MinDropHeightUm = 500000;
constexpr std::int32_t MaxDropHeightUm = 3000000;
constexpr std::int32_t DropHeightStepUm = 100000;
// Typed in centimetres.
constexpr EntryRule DropHeightRule{3, 120, MinDropHeightUm / 10000, MaxDropHeightUm / 10000};

// The height brought into 50 cm .. 3 m.
std::int32_t ClampDropHeight(std::int32_t heightUm);

// x is 0; y is the height relative to the release point, negative below
// it; the last frame lies on the floor (y = -heightUm).
FrameTable ComputeFreeFall(std::int32_t heightUm);

// The entry's text: " 120 cm".
QString DropHeightText(std::int32_t heightUm);

// The rule's place on the canvas, in pixels, and the scale in use.
struct RuleGeometry
{
    int top = 20;
    int length = 0;
    std::int32_t worldScale = 1;
};

// The rule spans the canvas height less 20 pixels above and 15 below; the
// scale makes the whole drop fit it.
RuleGeometry FreeFallRule(int canvasHeight, std::int32_t heightUm);

constexpr int NoCursor = -1;
// What the display says for a cursor on canvas row `cursorY`.
QString CursorDisplayText(int cursorY, const RuleGeometry& rule);
