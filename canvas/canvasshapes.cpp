// Lines and shapes of the Canvas in the box convention: a box (l, t, r, b)
// covers columns l..r-1 and rows t..b-1, and a line leaves out its end pixel.
#include "canvas/canvas.h"

#include <QRegion>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace {

struct Box
{
    int l, t, r, b;
    bool empty() const { return r <= l || b <= t; }
    QRect area() const { return QRect(l, t, r - l, b - t); }
};

Box normalised(int l, int t, int r, int b)
{
    return {std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b)};
}

// Qt's angle (degrees, counter-clockwise on screen from east) at which its
// ellipse in `box` meets the ray from the box centre through `p`. Qt places
// arc ends by the ellipse's own parameter, so the ray's direction is scaled
// by the half-axes.
qreal arcAngle(const QRectF& box, QPoint p)
{
    const QPointF c = box.center();
    const qreal dx = p.x() - c.x();
    const qreal dy = -(p.y() - c.y());
    const qreal a = std::max<qreal>(box.width() / 2, 0.5);
    const qreal b = std::max<qreal>(box.height() / 2, 0.5);
    if (dx == 0 && dy == 0)
        return 0;
    return qRadiansToDegrees(std::atan2(dy / b, dx / a));
}

// Start and span in sixteenths of a degree, counter-clockwise from the first
// ray to the second; equal rays give the whole ellipse.
std::pair<int, int> arcSpan(const QRectF& box, QPoint first, QPoint second)
{
    const qreal start = arcAngle(box, first);
    qreal span = arcAngle(box, second) - start;
    while (span <= 0)
        span += 360;
    return {qRound(start * 16), qRound(span * 16)};
}

} // namespace

void Canvas::MoveTo(int x, int y)
{
    m_penPos = QPoint(x, y);
}

void Canvas::LineTo(int x, int y)
{
    strokeOpenLine({m_penPos, QPoint(x, y)});
    m_penPos = QPoint(x, y);
}

void Canvas::Polyline(const QVector<QPoint>& points)
{
    strokeOpenLine(points);
}

void Canvas::strokeOpenLine(const QVector<QPoint>& points)
{
    if (!painting() || points.size() < 2 || pen.style == PenStyle::Clear)
        return;
    if (std::all_of(points.begin(), points.end(), [&](QPoint p) { return p == points.first(); }))
        return;
    applyPen();
    m_painter->setBrush(Qt::NoBrush);
    if (pen.width <= 1) {
        // Square caps draw both ends; the clip takes the last pixel away.
        QRegion clip(m_image.rect());
        clip -= QRegion(QRect(points.last(), QSize(1, 1)));
        m_painter->setClipRegion(clip);
    }
    m_painter->drawPolyline(points.constData(), int(points.size()));
    m_painter->setClipping(false);
}

QRect Canvas::outlineBox(int l, int t, int r, int b) const
{
    return QRect(l, t, r - l - 1, b - t - 1);
}

void Canvas::Rectangle(int l, int t, int r, int b)
{
    const Box box = normalised(l, t, r, b);
    if (!painting() || box.empty())
        return;
    if (pen.style == PenStyle::Clear) {
        FillRect(box.l, box.t, box.r, box.b);
        return;
    }
    applyPen();
    if (box.r - box.l < 2 || box.b - box.t < 2) {
        // No inside left: the outline is the whole box.
        m_painter->fillRect(box.area(), m_painter->pen().color());
        return;
    }
    applyBrush();
    m_painter->drawRect(outlineBox(box.l, box.t, box.r, box.b));
}

void Canvas::FillRect(int l, int t, int r, int b)
{
    const Box box = normalised(l, t, r, b);
    if (!painting() || box.empty() || brush.style == BrushStyle::Clear)
        return;
    applyBrush();
    m_painter->fillRect(box.area(), m_painter->brush());
}

void Canvas::FrameRect(int l, int t, int r, int b)
{
    const Box box = normalised(l, t, r, b);
    if (!painting() || box.empty())
        return;
    const QColor color = QColorFromCanvas(brush.color);
    const int w = box.r - box.l;
    const int h = box.b - box.t;
    m_painter->fillRect(QRect(box.l, box.t, w, 1), color);
    m_painter->fillRect(QRect(box.l, box.b - 1, w, 1), color);
    m_painter->fillRect(QRect(box.l, box.t, 1, h), color);
    m_painter->fillRect(QRect(box.r - 1, box.t, 1, h), color);
}

void Canvas::Ellipse(int l, int t, int r, int b)
{
    const Box box = normalised(l, t, r, b);
    if (!painting() || box.empty())
        return;
    applyPen();
    applyBrush();
    if (pen.style == PenStyle::Clear)
        m_painter->drawEllipse(box.area());
    else
        m_painter->drawEllipse(outlineBox(box.l, box.t, box.r, box.b));
}

void Canvas::RoundRect(int l, int t, int r, int b, int cornerW, int cornerH)
{
    const Box box = normalised(l, t, r, b);
    if (!painting() || box.empty())
        return;
    applyPen();
    applyBrush();
    const QRect rect = pen.style == PenStyle::Clear ? box.area()
                                                    : outlineBox(box.l, box.t, box.r, box.b);
    m_painter->drawRoundedRect(rect, std::abs(cornerW) / 2.0, std::abs(cornerH) / 2.0);
}

void Canvas::Polygon(const QVector<QPoint>& points)
{
    if (!painting() || points.isEmpty())
        return;
    applyPen();
    applyBrush();
    m_painter->drawPolygon(points.constData(), int(points.size()), Qt::OddEvenFill);
}

void Canvas::Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4)
{
    const Box box = normalised(l, t, r, b);
    if (!painting() || box.empty() || pen.style == PenStyle::Clear)
        return;
    applyPen();
    m_painter->setBrush(Qt::NoBrush);
    const QRect rect = outlineBox(box.l, box.t, box.r, box.b);
    const auto [start, span] = arcSpan(rect, QPoint(x3, y3), QPoint(x4, y4));
    m_painter->drawArc(rect, start, span);
}

void Canvas::Pie(int l, int t, int r, int b, int x3, int y3, int x4, int y4)
{
    const Box box = normalised(l, t, r, b);
    if (!painting() || box.empty())
        return;
    applyPen();
    applyBrush();
    const QRect rect = outlineBox(box.l, box.t, box.r, box.b);
    const auto [start, span] = arcSpan(rect, QPoint(x3, y3), QPoint(x4, y4));
    m_painter->drawPie(rect, start, span);
}
