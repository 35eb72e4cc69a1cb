// Legible text colours: the contrast ratio of two colours as readers of
// screens measure it (relative luminance), and an ink darkened or
// lightened, keeping its hue, until it reads well on a background.
#pragma once

#include "canvas/canvas.h"

// The relative luminance of a canvas colour: 0 for black, 1 for white,
// growing with each channel.
double Luminance(TColor color);

// (L1 + 0.05) / (L2 + 0.05), the lighter colour's luminance over the
// darker's: 1 for equal colours, 21 for black on white. Canvas colours.
double ContrastRatio(TColor a, TColor b);

// `ink` itself when it reaches `ratio` against `background`; otherwise the
// same hue, darkened (on a light background) or lightened (on a dark one)
// just enough. Canvas colours.
TColor ReadableInk(TColor ink, TColor background, double ratio = 4.5);

// `background` darkened, keeping its hue, just enough for the lighter
// `ink` to reach `ratio` on it (black when nothing less is enough). Canvas
// colours.
TColor DarkenedUnder(TColor background, TColor ink, double ratio = 4.5);

// The ink for text laid on `area` of `picture` (clipped to it): `ink`
// darkened, keeping its hue, until it reaches `ratio` against every pixel
// there, for text on a light picture; lightened likewise on a dark one.
// Pixels on the other side of the middle (a dark line under dark text) are
// left out.
TColor ReadableInkOver(TColor ink, const QImage& picture, const QRect& area, double ratio = 4.5);
