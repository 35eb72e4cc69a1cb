// The colour dialog of the preferences, behind a seam that tests replace.
#pragma once

#include "canvas/canvas.h"

#include <functional>
#include <optional>

class QWidget;

// Asks for a colour, starting from `initial`; nothing when cancelled.
using ColorChooser = std::function<std::optional<TColor>(TColor initial, QWidget* parent)>;

// The platform colour dialog unless a test has put something else here.
extern ColorChooser ChooseColor;

std::optional<TColor> ChooseColorWithDialog(TColor initial, QWidget* parent);
