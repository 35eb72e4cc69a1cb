// Text on the Canvas: the cell's top-left at the given point, painted on the
// brush colour unless the brush is clear.
#include "canvas/canvas.h"

#include <QFontMetrics>

void Canvas::TextOut(int x, int y, const QString& text)
{
    if (!painting() || text.isEmpty())
        return;
    const QFontMetrics metrics(qfont());
    if (brush.style != BrushStyle::Clear)
        m_painter->fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()),
                            QColorFromCanvas(brush.color));
    applyFont();
    m_painter->drawText(QPoint(x, y + metrics.ascent()), text);
}

void Canvas::TextRect(const QRect& clip, int x, int y, const QString& text)
{
    if (!painting())
        return;
    // As on the desktop: the whole clip rectangle takes the brush colour.
    if (brush.style != BrushStyle::Clear)
        m_painter->fillRect(clip, QColorFromCanvas(brush.color));
    if (text.isEmpty())
        return;
    const QFontMetrics metrics(qfont());
    applyFont();
    m_painter->save();
    m_painter->setClipRect(clip);
    m_painter->drawText(QPoint(x, y + metrics.ascent()), text);
    m_painter->restore();
}

int Canvas::TextWidth(const QString& text) const
{
    return QFontMetrics(qfont()).horizontalAdvance(text);
}

int Canvas::TextHeight(const QString&) const
{
    return QFontMetrics(qfont()).height();
}
