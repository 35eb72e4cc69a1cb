// Pixels and pictures on the Canvas: pixel access while the painter is open,
// and pictures drawn with copy, OR and AND.
#include "canvas/canvas.h"

namespace {

QPainter::CompositionMode compositionFor(RasterOp op)
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
    if (!m_image.valid(x, y))
        return 0;
    return CanvasFromQColor(QColor(m_image.pixel(x, y)));
}

void Canvas::SetPixel(int x, int y, TColor color)
{
    if (!painting() || !m_image.valid(x, y))
        return;
    // Through the painter, which writes to the very bytes it paints on.
    m_painter->fillRect(QRect(x, y, 1, 1), QColorFromCanvas(color));
}

void Canvas::Draw(int x, int y, const QImage& picture, RasterOp op)
{
    drawPicture(QRectF(x, y, picture.width(), picture.height()), picture,
                QRectF(picture.rect()), op);
}

void Canvas::StretchDraw(const QRect& dest, const QImage& picture)
{
    drawPicture(QRectF(dest), picture, QRectF(picture.rect()), RasterOp::Copy);
}

void Canvas::CopyRect(const QRect& dest, const QImage& source, const QRect& sourceRect, RasterOp op)
{
    drawPicture(QRectF(dest), source, QRectF(sourceRect), op);
}

void Canvas::drawPicture(const QRectF& dest, const QImage& picture, const QRectF& source, RasterOp op)
{
    if (!painting() || picture.isNull() || dest.isEmpty() || source.isEmpty())
        return;
    // Drawing the canvas's own image onto itself reads what it overwrites.
    const bool self = picture.constBits() == m_image.constBits();
    QImage opaque = self ? picture.copy() : picture;
    if (op != RasterOp::Copy && opaque.hasAlphaChannel())
        opaque = opaque.convertToFormat(QImage::Format_RGB32);
    m_painter->setCompositionMode(compositionFor(op));
    m_painter->drawImage(dest, opaque, source);
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}
