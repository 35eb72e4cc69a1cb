// Whole-picture helpers shared by the windows: colour replacement,
// gradients and shaded bars. Coordinates are logical pixels: an image
// composed at a device pixel ratio r gets r times as many rows of gradient.
#pragma once

#include "canvas/canvas.h"

#include <vector>

// A picture of `logicalSize` composed at `ratio` device pixels per logical
// pixel (the device pixel ratio of the screen that shows it); its pixels are
// left as allocated.
QImage NewPicture(QSize logicalSize, qreal ratio, QImage::Format format = QImage::Format_RGB32);

// The pixels of `from` copied into `to`, of the same size and format
// (otherwise nothing is copied): all of them, or those of the device
// rectangles `areas`, clipped to the pictures.
void CopyPixels(const QImage& from, QImage& to);
void CopyPixels(const QImage& from, QImage& to, const std::vector<QRect>& areas);

// Every pixel of colour `from` becomes `to` (both 0x00BBGGRR).
void ReplaceColor(QImage& image, TColor from, TColor to);

// The program's sky, white overhead to pale blue at the horizon: behind the
// about box, the road and the organ's bench and tubes.
constexpr TColor kPaleSkyTop = 0xFFFFFF;
constexpr TColor kPaleSkyHorizon = 0xF8BA88;

// Row y of `rows` (0..rows-1) gets from + y * (to - from) / rows in each
// channel, rounded, drawn as one line across the whole width.
void VerticalGradient(QImage& image, TColor from, TColor to, int rows);
// The same with columns across the whole height.
void HorizontalGradient(QImage& image, TColor from, TColor to, int columns);

// Rows y0..y1-1 go from edge to light, y1..y2-1 are light, y2..y3-1 go from
// light to edge2; each row is a line over columns x0..x1-1.
void ShadedBar(QImage& image, TColor edge, TColor light, TColor edge2, int y0, int y1, int y2, int y3, int x0, int x1);
// The same turned a quarter: bands of columns, each a line over rows y0..y1-1.
void ShadedBarVertical(QImage& image, TColor edge, TColor light, TColor edge2, int x0, int x1, int x2, int x3, int y0,
                       int y1);
