// Numbers as the program shows them: rounded to whole units (pixels, world
// units, degrees) with halves to even, and written as text with a fixed
// number of decimals. Qt Core only, so that the models can use it.
#pragma once

#include <QString>

// x to the nearest integer, exact halves to the even neighbour (2.5 gives 2,
// 3.5 gives 4); values beyond the int range are clamped to it and NaN gives 0.
int RoundHalfEven(double x);

// `value` with `decimals` digits after a point (never a comma, whatever the
// locale), right-aligned in at least `width` characters: (4.2, 4, 1) gives
// " 4.2".
QString FormatFixed(double value, int width, int decimals);

// "s" when count is 2 or more, "" otherwise.
QString PluralS(long long count);
