// The keyboard focus cue of the program's own controls: the dotted
// rectangle of the classic desktop, shown once the user moves through a
// window with the keyboard, so that a mouse user sees the controls as they
// always were.
#pragma once

#include <QRect>

class QPainter;
class QWidget;

// True when `control` has the focus and its window is being driven from the
// keyboard (Tab has been pressed in it).
bool ShowsFocusCue(const QWidget* control);

// Inverts every other pixel along the edge of `rect` (edges included), so
// that the rectangle shows on any picture.
void DrawFocusCue(QPainter& painter, const QRect& rect);
