// Small pieces shared by the Canvas sources: boxes, dash patterns, wide pens.
#pragma once

#include "canvas/canvas.h"

#include <algorithm>

namespace canvas_internal {

// A box in the program's convention: columns l..r-1, rows t..b-1.
struct Box
{
    int l, t, r, b;
    bool empty() const { return r <= l || b <= t; }
    int width() const { return r - l; }
    int height() const { return b - t; }
    QRect area() const { return QRect(l, t, r - l, b - t); }
    // The rectangle QPainter strokes with a one-pixel pen to cover the box.
    QRect outline() const { return QRect(l, t, r - l - 1, b - t - 1); }
};

inline Box normalised(int l, int t, int r, int b)
{
    return {std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b)};
}

// Dash lengths in pen widths (pixels for a one-pixel pen), alternately
// drawn and left out; empty for solid and clear pens.
QVector<qreal> dashPattern(PenStyle style);

// Whether the pixel at `index` along a one-pixel line is drawn.
bool dashDrawn(const QVector<qreal>& pattern, int index);

// While alive, coordinates name pixel centres rather than pixel corners, so
// that wide pens lie centred on the pixels they are drawn through.
class PixelCentred
{
public:
    explicit PixelCentred(QPainter& painter)
        : m_painter(painter)
    {
        m_painter.save();
        m_painter.translate(0.5, 0.5);
    }
    ~PixelCentred() { m_painter.restore(); }
    PixelCentred(const PixelCentred&) = delete;
    PixelCentred& operator=(const PixelCentred&) = delete;

private:
    QPainter& m_painter;
};

} // namespace canvas_internal
