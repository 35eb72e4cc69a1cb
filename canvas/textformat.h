// Number and word formatting for texts drawn by the windows.
#pragma once

#include <QString>

// `value` with `decimals` digits after a point (never a comma, whatever the
// locale), right-aligned in at least `width` characters: (4.2, 4, 1) gives
// " 4.2".
QString FormatFixed(double value, int width, int decimals);

// "s" when count is 2 or more, "" otherwise.
QString PluralS(long long count);
