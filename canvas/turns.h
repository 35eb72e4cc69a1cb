// Turning a globe: the short way between two longitudes, and a longitude
// kept within one turn. Shared by the about box's globe and the weighing
// globes. Qt-free, so that the models can use it.
#pragma once

// The longitude change from `from` to `to` degrees, brought into
// -180 .. 180 (exclusive at 180) whatever the angles' size, so that a globe
// never turns more than half a revolution.
double ShortTurn(double from, double to);

// `degrees` brought into 0 .. 360 (exclusive at 360): same globe.
float WrapTurn(float degrees);
