// Where a control has drawn dark ink (its caption's letters), for checking
// the place of a caption without depending on the font's exact pixels.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

// The bounding box of the dark pixels of `image` inside `within` (null
// when there are none).
QRect InkBounds(const QImage& image, const QRect& within);

// The widget painted into an image at its current size and state.
QImage Paint(QWidget* widget);
