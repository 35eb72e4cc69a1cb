// One display of the visual-field window, composed from the scene: what the
// driver cannot see darkened (outside the field and behind the eye), the
// drunk driver's field blurred, and three lines of text at the bottom.
// A display is composed at the device pixel ratio of the screen that shows
// it: its surface holds device pixels, and the field's rows and columns
// are counted in them.
#pragma once

#include "canvas/canvas.h"
#include "road/field/model/fieldshape.h"

#include <QImage>
#include <QStringList>
#include <vector>

class TDibPlus;

// What the driver cannot see keeps 70/256 of each channel.
constexpr int kShadeFactor = 70;

// The surface's pixels as a picture of `ratio` device pixels per logical
// pixel, sharing its storage: drawn on, it draws on the surface; shown, it
// takes its logical size. Valid while the surface lives.
QImage SurfacePicture(TDibPlus& surface, qreal ratio);

// On each row of `field` (entry j is row eyeY - j) darkens the columns from
// the left edge to span.left and from span.right to the right edge, both
// ends included, each pixel once, leaving a side alone where the field
// reaches the edge; then darkens every row below the eye.
void ShadeOutsideField(TDibPlus& view, const std::vector<FieldSpan>& field, int eyeY);

// Blurs the field in place, from the row above the eye up to row 2 (entry j
// for row eyeY - j), each row left to right from column max(left, 2) to
// min(right, width - 1): every pixel becomes the mean of its 3 x 3 block as
// the buffer stands, already blurred neighbours included. The last column
// has no right neighbour: the column before it stands in for it. At a
// device pixel ratio r the sweep is made Round(r^2) times, so that the blur
// spreads as far on the screen as one sweep does at a ratio of 1.
void BlurField(TDibPlus& view, const std::vector<FieldSpan>& field, int eyeY, qreal ratio = 1);

// The font of the lines: Arial 10 points, bold, white.
CanvasFont ViewLinesFont();

// The three lines under one another at the bottom left, on the picture.
void WriteViewLines(TDibPlus& view, const QStringList& lines, qreal ratio = 1);

QStringList LeftViewLines();
// The speed view's lines, or the drunk driver's.
QStringList RightViewLines(bool drunk, int speedKmh, int fieldAngle);

// The whole display: the scene, the darkening, the blur when asked, the
// lines. `background` has the view's size; `field` and `eyeY` are in its
// device pixels.
void ComposeView(TDibPlus& view, const TDibPlus& background, const std::vector<FieldSpan>& field, int eyeY,
                 bool blurred, const QStringList& lines, qreal ratio = 1);
