// Lines, rectangles, polygons, pixels and pictures of the Canvas. A box
// (l, t, r, b) covers columns l..r-1 and rows t..b-1, and a line leaves out
// its end pixel; pictures are drawn with copy, OR and AND.
#include "canvas/canvas.h"
#include "canvas/canvasinternal.h"

#include <QRegion>

using canvas_internal::Box;
using canvas_internal::Normalised;

void Canvas::MoveTo(int x, int y)
{
    m_penPos = QPoint(x, y);
}

void Canvas::LineTo(int x, int y)
{
    StrokeOpenLine({m_penPos, QPoint(x, y)});
    m_penPos = QPoint(x, y);
}

void Canvas::Polyline(const QVector<QPoint>& points)
{
    StrokeOpenLine(points);
}

void Canvas::StrokeOpenLine(const QVector<QPoint>& points)
{
    if (!Painting() || points.size() < 2 || pen.style == PenStyle::Clear)
        return;
    if (Scaled()) {
        const QVector<QPoint> device = ToDevice(points);
        const DevicePixels inDevice(*this);
        StrokeOpenLine(device);
        return;
    }
    if (std::all_of(points.begin(), points.end(), [&](QPoint p) { return p == points.first(); }))
        return;
    Damage(points);
    ApplyPen();
    m_painter->setBrush(Qt::NoBrush);
    // Clipping is undone by restore(): QPainter on a QImage ignores a clip
    // region set again after setClipping(false).
    m_painter->save();
    if (pen.width <= 1) {
        // Square caps draw both ends; the clip takes the last pixel away.
        QRegion clip(m_image.rect());
        clip -= QRegion(QRect(points.last(), QSize(1, 1)));
        m_painter->setClipRegion(clip);
    }
    if (pen.width > 1)
        m_painter->translate(0.5, 0.5);
    m_painter->drawPolyline(points.constData(), int(points.size()));
    m_painter->restore();
}

void Canvas::Rectangle(int l, int t, int r, int b)
{
    const std::optional<Box> box
        = DevicePixels::BoxToDraw(*this, l, t, r, b, [this](const Box& d) { Rectangle(d.l, d.t, d.r, d.b); });
    if (!box)
        return;
    if (pen.style == PenStyle::Clear) {
        FillRect(box->l, box->t, box->r, box->b);
        return;
    }
    ApplyPen();
    if (box->Width() < 2 || box->Height() < 2) {
        // No inside left: the outline is the whole box.
        m_painter->fillRect(box->Area(), m_painter->pen().color());
        return;
    }
    ApplyBrush();
    if (pen.width > 1) {
        const canvas_internal::PixelCentred centred(*m_painter);
        m_painter->drawRect(box->Outline());
        return;
    }
    m_painter->drawRect(box->Outline());
}

void Canvas::FillRect(int l, int t, int r, int b)
{
    const Box box = Normalised(l, t, r, b);
    if (!Painting() || box.Empty() || brush.style == BrushStyle::Clear)
        return;
    Damage(box.l, box.t, box.r, box.b);
    ApplyBrush();
    m_painter->fillRect(ToDevice(box.Area()), m_painter->brush());
}

void Canvas::FrameRect(int l, int t, int r, int b)
{
    // On a scaled canvas the frame stays one device pixel wide, as a
    // one-pixel pen does.
    const std::optional<Box> box
        = DevicePixels::BoxToDraw(*this, l, t, r, b, [this](const Box& d) { FrameRect(d.l, d.t, d.r, d.b); });
    if (!box)
        return;
    const QColor color = QColorFromCanvas(brush.color);
    const int w = box->Width();
    const int h = box->Height();
    m_painter->fillRect(QRect(box->l, box->t, w, 1), color);
    m_painter->fillRect(QRect(box->l, box->b - 1, w, 1), color);
    m_painter->fillRect(QRect(box->l, box->t, 1, h), color);
    m_painter->fillRect(QRect(box->r - 1, box->t, 1, h), color);
}

void Canvas::Polygon(const QVector<QPoint>& points)
{
    if (!Painting() || points.isEmpty())
        return;
    Damage(points);
    if (Scaled()) {
        const QVector<QPoint> device = ToDevice(points);
        const DevicePixels inDevice(*this);
        Polygon(device);
        return;
    }
    const auto polygon
        = [&](QPainter& painter) { painter.drawPolygon(points.constData(), int(points.size()), Qt::OddEvenFill); };
    if (DrawWithWidePen(polygon))
        return;
    ApplyPen();
    ApplyBrush();
    polygon(*m_painter);
}

namespace {

QPainter::CompositionMode CompositionFor(RasterOp op)
{
    switch (op) {
    case RasterOp::Copy: return QPainter::CompositionMode_SourceOver;
    case RasterOp::Or: return QPainter::RasterOp_SourceOrDestination;
    case RasterOp::And: return QPainter::RasterOp_SourceAndDestination;
    }
    return QPainter::CompositionMode_SourceOver;
}

} // namespace

TColor Canvas::Pixel(int x, int y) const
{
    const QPoint device = ToDevice(QPoint(x, y));
    if (x < 0 || y < 0 || !m_image.valid(device))
        return 0;
    return CanvasFromQColor(QColor(m_image.pixel(device)));
}

void Canvas::SetPixel(int x, int y, TColor color)
{
    if (!Painting() || x < 0 || y < 0 || !m_image.valid(ToDevice(QPoint(x, y))))
        return;
    AddDamage(QRect(x, y, 1, 1));
    // Through the painter, which writes to the very bytes it paints on.
    m_painter->fillRect(ToDevice(QRect(x, y, 1, 1)), QColorFromCanvas(color));
}

void Canvas::Draw(int x, int y, const QImage& picture, RasterOp op)
{
    DrawPicture(QRectF(QPointF(x, y), picture.deviceIndependentSize()), picture, QRectF(picture.rect()), op);
}

void Canvas::StretchDraw(const QRect& dest, const QImage& picture)
{
    DrawPicture(QRectF(dest), picture, QRectF(picture.rect()), RasterOp::Copy);
}

void Canvas::CopyRect(const QRect& dest, const QImage& source, const QRect& sourceRect, RasterOp op)
{
    const qreal ratio = source.devicePixelRatio();
    const QRectF sourcePixels(sourceRect.x() * ratio, sourceRect.y() * ratio, sourceRect.width() * ratio,
                              sourceRect.height() * ratio);
    DrawPicture(QRectF(dest), source, sourcePixels, op);
}

// `dest` in logical pixels, `source` in the picture's own pixels.
void Canvas::DrawPicture(const QRectF& logicalDest, const QImage& picture, const QRectF& source, RasterOp op)
{
    const QRectF dest(logicalDest.x() * m_scale, logicalDest.y() * m_scale, logicalDest.width() * m_scale,
                      logicalDest.height() * m_scale);
    if (!Painting() || picture.isNull() || dest.isEmpty() || source.isEmpty())
        return;
    AddDamage(logicalDest.toAlignedRect());
    // Drawing the canvas's own image onto itself reads what it overwrites.
    const bool self = picture.constBits() == m_image.constBits();
    QImage opaque = self ? picture.copy() : picture;
    if (op != RasterOp::Copy && opaque.hasAlphaChannel())
        opaque = opaque.convertToFormat(QImage::Format_RGB32);
    m_painter->setCompositionMode(CompositionFor(op));
    m_painter->drawImage(dest, opaque, source);
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}
