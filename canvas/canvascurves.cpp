// Ellipses, rounded rectangles, arcs and pies of the Canvas. One-pixel pens
// draw them cell by cell from ShapeCells, so that every side of a shape is
// alike and an arc lies exactly on the ellipse of the same box; wider pens
// are left to QPainter.
#include "canvas/canvas.h"
#include "canvas/canvasinternal.h"

#include <QtMath>
#include <cmath>

using canvas_internal::Box;

namespace {

constexpr double kTurn = 2 * M_PI;
constexpr double kAngleTolerance = 1e-9;

// Direction of the ray from `centre` through `p`, counter-clockwise on
// screen from the east, in 0..2pi (screen y grows downwards).
double RayAngle(QPointF centre, QPointF p)
{
    const double a = std::atan2(-(p.y() - centre.y()), p.x() - centre.x());
    return a < 0 ? a + kTurn : a;
}

// The rays counter-clockwise from the ray through `first` to the ray through
// `second`, both from `centre`; equal rays sweep the whole turn.
class Sweep
{
public:
    Sweep(QPointF centre, QPointF first, QPointF second)
        : m_centre(centre),
          m_start(RayAngle(centre, first))
    {
        m_span = std::fmod(RayAngle(centre, second) - m_start + kTurn, kTurn);
        if (m_span < kAngleTolerance)
            m_span = kTurn;
    }

    bool Contains(QPointF p) const
    {
        if (p == m_centre)
            return true;
        const double d = std::fmod(RayAngle(m_centre, p) - m_start + kTurn, kTurn);
        return d <= m_span + kAngleTolerance || d >= kTurn - kAngleTolerance;
    }

    // Start and span in Qt's sixteenths of a degree for an ellipse in `box`:
    // Qt places arc ends by the ellipse's own parameter, so each ray's
    // direction is scaled by the half-axes.
    std::pair<int, int> QtAngles(const QRectF& box) const
    {
        const double a = std::max<qreal>(box.width() / 2, 0.5);
        const double b = std::max<qreal>(box.height() / 2, 0.5);
        auto parameter
            = [&](double ray) { return qRadiansToDegrees(std::atan2(std::sin(ray) / b, std::cos(ray) / a)); };
        const double start = parameter(m_start);
        double span = parameter(m_start + m_span) - start;
        while (span <= 0)
            span += 360;
        if (m_span >= kTurn)
            span = 360;
        return {qRound(start * 16), qRound(span * 16)};
    }

    // Where the ray at the sweep's start (or end) meets the ellipse through
    // the pixel centres of `box`.
    QPoint EndOnEllipse(const QRectF& box, bool atEnd) const
    {
        const double ray = atEnd ? m_start + m_span : m_start;
        const double dx = std::cos(ray);
        const double dy = -std::sin(ray);
        const double a = std::max<qreal>(box.width() / 2, 1e-9);
        const double b = std::max<qreal>(box.height() / 2, 1e-9);
        const double t = 1 / std::sqrt((dx / a) * (dx / a) + (dy / b) * (dy / b));
        return QPoint(qRound(box.center().x() + t * dx), qRound(box.center().y() + t * dy));
    }

private:
    QPointF m_centre;
    double m_start;
    double m_span = kTurn;
};

QPointF CentreOf(const Box& box)
{
    return QPointF(box.l + (box.Width() - 1) / 2.0, box.t + (box.Height() - 1) / 2.0);
}

QRectF PixelCentres(const Box& box)
{
    return QRectF(box.Outline());
}

// Fills the inside cells (and the outline cells when `withOutline`) that
// `keep` accepts (all when it is empty), run by run, with the painter's
// brush.
void FillCells(QPainter& painter, const ShapeCells& shape, QPoint origin, bool withOutline,
               const std::function<bool(QPoint)>& keep)
{
    for (int y = 0; y < shape.Height(); ++y) {
        const ShapeCells::Row& row = shape.RowAt(y);
        const int first = withOutline ? row.left : row.innerLeft;
        const int last = withOutline ? row.right : row.innerRight;
        for (int x = first; x <= last;) {
            if (keep && !keep(QPoint(x, y))) {
                ++x;
                continue;
            }
            const int start = x;
            while (x <= last && (!keep || keep(QPoint(x, y))))
                ++x;
            painter.fillRect(QRect(origin.x() + start, origin.y() + y, x - start, 1), painter.brush());
        }
    }
}

} // namespace

void Canvas::PaintShape(const ShapeCells& shape, QPoint origin, bool fill, const std::function<bool(QPoint)>& keep)
{
    const bool outlined = pen.style != PenStyle::Clear;
    if (fill && brush.style != BrushStyle::Clear) {
        ApplyBrush();
        FillCells(*m_painter, shape, origin, !outlined, keep);
    }
    if (!outlined)
        return;
    // Dashes run along the outline in drawing order.
    const QVector<qreal> dashes = PenDashes();
    QPolygon pixels;
    int index = 0;
    for (QPoint cell : dashes.isEmpty() ? shape.Outline() : shape.OutlineAround()) {
        if (keep && !keep(cell))
            continue;
        if (canvas_internal::DashDrawn(dashes, index++))
            pixels.append(origin + cell);
    }
    QPen dot(QColorFromCanvas(pen.color), 1);
    dot.setCosmetic(true);
    dot.setCapStyle(Qt::SquareCap);
    m_painter->setPen(dot);
    m_painter->drawPoints(pixels);
}

bool Canvas::DrawWithWidePen(const std::function<void(QPainter&)>& draw)
{
    if (pen.width <= 1 || pen.style == PenStyle::Clear)
        return false;
    ApplyPen();
    ApplyBrush();
    const canvas_internal::PixelCentred centred(*m_painter);
    draw(*m_painter);
    return true;
}

void Canvas::Ellipse(int l, int t, int r, int b)
{
    const std::optional<Box> box
        = DevicePixels::BoxToDraw(*this, l, t, r, b, [this](const Box& d) { Ellipse(d.l, d.t, d.r, d.b); });
    if (!box)
        return;
    if (DrawWithWidePen([&](QPainter& painter) { painter.drawEllipse(box->Outline()); }))
        return;
    PaintShape(ShapeCells::Ellipse(box->Width(), box->Height()), QPoint(box->l, box->t), true, {});
}

void Canvas::RoundRect(int l, int t, int r, int b, int cornerW, int cornerH)
{
    // Scaled here: in device pixels the canvas's scale is 1.
    const int deviceCornerW = ToDevice(cornerW);
    const int deviceCornerH = ToDevice(cornerH);
    const std::optional<Box> box = DevicePixels::BoxToDraw(
        *this, l, t, r, b, [&](const Box& d) { RoundRect(d.l, d.t, d.r, d.b, deviceCornerW, deviceCornerH); });
    if (!box)
        return;
    const auto rounded = [&](QPainter& painter) {
        painter.drawRoundedRect(box->Outline(), std::abs(cornerW) / 2.0, std::abs(cornerH) / 2.0);
    };
    if (DrawWithWidePen(rounded))
        return;
    PaintShape(ShapeCells::RoundRect(box->Width(), box->Height(), std::abs(cornerW), std::abs(cornerH)),
               QPoint(box->l, box->t), true, {});
}

void Canvas::Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4)
{
    DrawSweep(l, t, r, b, QPointF(x3, y3), QPointF(x4, y4), false);
}

void Canvas::Pie(int l, int t, int r, int b, int x3, int y3, int x4, int y4)
{
    DrawSweep(l, t, r, b, QPointF(x3, y3), QPointF(x4, y4), true);
}

void Canvas::DrawSweep(int l, int t, int r, int b, QPointF first, QPointF second, bool pie)
{
    const bool outlined = pen.style != PenStyle::Clear;
    if (!pie && !outlined)
        return;
    // Scaled here: in device pixels the canvas's scale is 1.
    const QPointF deviceFirst = first * m_scale;
    const QPointF deviceSecond = second * m_scale;
    const std::optional<Box> toDraw = DevicePixels::BoxToDraw(
        *this, l, t, r, b, [&](const Box& d) { DrawSweep(d.l, d.t, d.r, d.b, deviceFirst, deviceSecond, pie); });
    if (!toDraw)
        return;
    const Box box = *toDraw;
    const Sweep sweep(CentreOf(box), first, second);
    if (pen.width > 1 && outlined) {
        ApplyPen();
        if (pie)
            ApplyBrush();
        else
            m_painter->setBrush(Qt::NoBrush);
        const auto [start, span] = sweep.QtAngles(PixelCentres(box));
        const canvas_internal::PixelCentred centred(*m_painter);
        if (pie)
            m_painter->drawPie(box.Outline(), start, span);
        else
            m_painter->drawArc(box.Outline(), start, span);
        return;
    }
    const QPoint origin(box.l, box.t);
    PaintShape(ShapeCells::Ellipse(box.Width(), box.Height()), origin, pie,
               [&](QPoint cell) { return sweep.Contains(origin + cell); });
    if (!pie || !outlined)
        return;
    // The two radii, both ends drawn.
    ApplyPen();
    const QPoint centre = CentreOf(box).toPoint();
    m_painter->drawLine(centre, sweep.EndOnEllipse(PixelCentres(box), false));
    m_painter->drawLine(centre, sweep.EndOnEllipse(PixelCentres(box), true));
}
