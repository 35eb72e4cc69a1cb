// Plain pixel copies between a TDibPlus and an RGB32 picture, done directly
// rather than through a painter: the globe view runs them on every render.
#pragma once

#include "raster/tdibplus.h"

#include <QImage>
#include <QRect>

// Copies the whole surface into `picture` (Format_RGB32) with its top-left
// at (x, y), clipped to the picture.
void CopySurfaceToPicture(const TDibPlus& surface, QImage& picture, int x, int y);

// Copies the picture's rectangle `from` into the surface at (0, 0), clipped
// to both.
void CopyPictureToSurface(const QImage& picture, const QRect& from, TDibPlus& surface);
