// Pieces shared by the Canvas sources: boxes, dash patterns, wide pens, and
// the cells of round shapes.
#pragma once

#include "canvas/canvas.h"

#include <QPoint>
#include <QVector>
#include <algorithm>
#include <optional>
#include <vector>

namespace canvas_internal {

// A box in the program's convention: columns l..r-1, rows t..b-1.
struct Box
{
    int l, t, r, b;
    bool Empty() const { return r <= l || b <= t; }
    int Width() const { return r - l; }
    int Height() const { return b - t; }
    QRect Area() const { return QRect(l, t, r - l, b - t); }
    // The rectangle QPainter strokes with a one-pixel pen to cover the box.
    QRect Outline() const { return QRect(l, t, r - l - 1, b - t - 1); }
};

inline Box BoxOf(const QRect& rect)
{
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

inline Box Normalised(int l, int t, int r, int b)
{
    return {std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b)};
}

// Dash lengths in pen widths (pixels for a one-pixel pen), alternately
// drawn and left out; empty for solid and clear pens.
QVector<qreal> DashPattern(PenStyle style);

// Whether the pixel at `index` along a one-pixel line is drawn.
bool DashDrawn(const QVector<qreal>& pattern, int index);

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

// While alive, the canvas draws in device pixels: its coordinates, pen width
// (beyond one pixel) and font size are multiplied by its scale, which is
// then 1, so that each drawing call can hand itself its device coordinates.
class Canvas::DevicePixels
{
public:
    explicit DevicePixels(Canvas& canvas)
        : m_canvas(canvas),
          m_scale(canvas.m_scale),
          m_penWidth(canvas.pen.width),
          m_fontHeight(canvas.font.pixelHeight),
          m_damage(canvas.m_damage)
    {
        // The logical call logged its place already.
        m_canvas.m_damage = nullptr;
        if (m_penWidth > 1)
            m_canvas.pen.width = m_canvas.ToDevice(m_penWidth);
        m_canvas.font.pixelHeight = m_canvas.ToDevice(m_fontHeight);
        m_canvas.m_dashScale = m_scale;
        m_canvas.m_scale = 1;
    }
    ~DevicePixels()
    {
        m_canvas.m_scale = m_scale;
        m_canvas.m_dashScale = 1;
        m_canvas.pen.width = m_penWidth;
        m_canvas.font.pixelHeight = m_fontHeight;
        m_canvas.m_damage = m_damage;
    }
    DevicePixels(const DevicePixels&) = delete;
    DevicePixels& operator=(const DevicePixels&) = delete;

    // Opens a drawing call on the box l, t, r, b: logs its place and returns
    // the box to draw. On a scaled canvas `again` draws it instead, handed
    // the box in device pixels while the canvas draws in them, and nothing
    // is returned; nothing either when there is nothing to draw.
    template <class Again>
    static std::optional<canvas_internal::Box> BoxToDraw(Canvas& canvas, int l, int t, int r, int b, Again again)
    {
        const canvas_internal::Box box = canvas_internal::Normalised(l, t, r, b);
        if (!canvas.Painting() || box.Empty())
            return std::nullopt;
        canvas.Damage(box.l, box.t, box.r, box.b);
        if (!canvas.Scaled())
            return box;
        const canvas_internal::Box device = canvas_internal::BoxOf(canvas.ToDevice(box.Area()));
        const DevicePixels inDevice(canvas);
        again(device);
        return std::nullopt;
    }

private:
    Canvas& m_canvas;
    qreal m_scale;
    int m_penWidth;
    int m_fontHeight;
    std::vector<QRect>* m_damage;
};

// The pixels of an ellipse or a rounded rectangle fitted in a box: which lie
// on its outline and which inside, the same on every side.
class ShapeCells
{
public:
    enum class Cell : unsigned char
    {
        Outside,
        Outline,
        Inside
    };

    // One row of the shape: columns left..right, of which innerLeft..
    // innerRight are inside (none when innerLeft > innerRight) and the rest
    // outline.
    struct Row
    {
        int left = 0;
        int right = -1;
        int innerLeft = 0;
        int innerRight = -1;
    };

    // The ellipse whose pixel centres lie inside the ellipse inscribed in a
    // width x height box.
    static ShapeCells Ellipse(int width, int height);
    // A rectangle whose corners are the quarters of a cornerW x cornerH
    // ellipse.
    static ShapeCells RoundRect(int width, int height, int cornerW, int cornerH);

    int Width() const { return m_width; }
    int Height() const { return int(m_rows.size()); }
    const Row& RowAt(int y) const { return m_rows[std::size_t(y)]; }
    Cell At(int x, int y) const;
    // Outline pixels in box coordinates, row by row.
    QVector<QPoint> Outline() const;
    // The same counter-clockwise on screen, starting from the east.
    QVector<QPoint> OutlineAround() const;

private:
    ShapeCells(int width, int height);
    // Splits each row into outline and inside: a pixel is on the outline
    // when one of its four neighbours is outside the shape.
    void FindInsides();

    int m_width;
    std::vector<Row> m_rows;
};
