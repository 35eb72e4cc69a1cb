#include "motion/discwindow.h"

#include "app/settings/appsettings.h"
#include "canvas/picturehelpers.h"
#include "motion/model/framedescription.h"
#include "motion/model/motions.h"
#include "motion/motionbackgrounds.h"

#include <algorithm>
#include <cmath>

namespace {

enum RimTable
{
    E1 = 0,
    E2 = 1,
    E3 = 2,
    E4 = 3
};
// Larger discs are drawn straight away rather than kept (a kept picture of
// the disc's box would cost more memory than it saves time).
constexpr int kLargestKeptBox = 2048;
constexpr QRgb kMarked = 0xFFFFFFFF;

} // namespace

TDisqueF::TDisqueF(QWidget* parent)
    : MotionWindow(MotionKind::Disc, parent)
{ }

void TDisqueF::ComputeFrames()
{
    DiscMotion disc = ComputeDisc();
    m_frames = std::move(disc.points);
    m_rimDirections = std::move(disc.rimDirections);
    m_frameCount = DiscFrameCount;
    m_curFrame = 1;
    m_turningLines.Reset(CentrePx(), m_discRadiusPx, &m_rimDirections);
}

Worksheet TDisqueF::WorksheetDetails() const
{
    return {.fileStem = DiscFileStem(),
            .parameters = QStringLiteral("Rayon du disque : %1 cm").arg(std::lround(DiscRadiusMetres * 100)),
            .table = DiscMeasurements(),
            .points = NamedWorksheetPoints(2),
            .circles = {{0, 0, DiscRadiusMetres}}};
}

QString TDisqueF::FrameDescription() const
{
    return DiscFrameText(m_frames, m_curFrame);
}

void TDisqueF::SetScale()
{
    WorldScale = std::max(1, DiscWorldWidth / std::max(1, CanvasWidth()));
    m_discRadiusPx = DiscRadius / WorldScale;
    m_turningLines.Reset(CentrePx(), m_discRadiusPx, &m_rimDirections);
}

QPoint TDisqueF::CentrePx() const
{
    return QPoint(ToPixels(DiscCentreX), ToPixels(DiscCentreY));
}

void TDisqueF::DrawBackground(Canvas& canvas)
{
    DrawMotionGround(canvas);
    const QPoint c = CentrePx();
    const int r = m_discRadiusPx;
    canvas.pen.color = AppSettings.clContour;
    canvas.brush.color = AppSettings.clObjet;
    canvas.Ellipse(c.x() - r, c.y() - r, c.x() + r, c.y() + r);
}

// Half of the rim in the frame colour over the background's outline, and
// three pairs of grooves, turn with the disc so that its rotation shows.
void TDisqueF::DrawBeforePoints(Canvas& canvas)
{
    m_turningLines.Draw(canvas, m_curFrame, AppSettings.clCadre);
}

// ---- the turning rim and grooves

void DiscTurningLines::Reset(QPoint centre, int radius, const std::array<FrameTable, 4>* rimDirections)
{
    m_centre = centre;
    m_radius = radius;
    m_directions = rimDirections;
    m_pixels.assign(std::size_t(DiscFrameCount) + 1, {});
}

void DiscTurningLines::Draw(Canvas& canvas, int frame, TColor color)
{
    if (!m_directions || (*m_directions)[E1].Count() < frame || frame < 1)
        return;
    // Kept pixels serve canvases of one whole scale: at 1.5 a shifted arc
    // may round onto other device pixels than the arc drawn in place.
    const qreal scale = canvas.Scale();
    if (2 * m_radius * scale > kLargestKeptBox || std::size_t(frame) >= m_pixels.size() || scale != std::floor(scale)) {
        canvas.pen = CanvasPen{color};
        DrawArcs(canvas, frame, QPoint());
        return;
    }
    if (scale != m_scale) {
        m_scale = scale;
        m_pixels.assign(m_pixels.size(), {});
    }
    canvas.AddDamage(QRect(m_centre - QPoint(m_radius, m_radius), QSize(2 * m_radius + 1, 2 * m_radius + 1)));
    QImage& image = canvas.Image();
    const QRgb rgb = QRgbFromCanvas(color);
    // Written straight into the picture the canvas paints on: a fill per
    // pixel would cost as much as the arcs.
    for (const QPoint& p : PixelsOf(frame))
        if (image.valid(p))
            reinterpret_cast<QRgb*>(image.scanLine(p.y()))[p.x()] = rgb;
}

const std::vector<QPoint>& DiscTurningLines::PixelsOf(int frame)
{
    std::vector<QPoint>& pixels = m_pixels[std::size_t(frame)];
    if (!pixels.empty())
        return pixels;
    const QPoint origin(m_centre.x() - m_radius, m_centre.y() - m_radius);
    QImage scratch = NewPicture(QSize(2 * m_radius + 1, 2 * m_radius + 1), m_scale);
    scratch.fill(0);
    {
        Canvas canvas(scratch);
        canvas.pen = CanvasPen{0xFFFFFF};
        DrawArcs(canvas, frame, -origin);
    }
    for (int y = 0; y < scratch.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        for (int x = 0; x < scratch.width(); ++x)
            if (line[x] == kMarked)
                pixels.push_back(QPoint(x, y) + origin * int(m_scale));
    }
    return pixels;
}

QPoint DiscTurningLines::RayPoint(int table, int frame, bool opposite) const
{
    const FramePos& e = (*m_directions)[std::size_t(table)].At(frame);
    if (opposite)
        return QPoint(ToPixels(DiscCentreX - e.x), ToPixels(DiscCentreY + e.y));
    return QPoint(ToPixels(DiscCentreX + e.x), ToPixels(DiscCentreY - e.y));
}

// The rim from E1 to E2 (half a turn), then for 9/10, 8/10 and 7/10 of the
// radius a groove from E3 to E4 and its twin half a turn on.
void DiscTurningLines::DrawArcs(Canvas& canvas, int frame, QPoint offset) const
{
    auto arc = [&](int r, QPoint from, QPoint to) {
        const QPoint c = m_centre + offset;
        from += offset;
        to += offset;
        canvas.Arc(c.x() - r, c.y() - r, c.x() + r, c.y() + r, from.x(), from.y(), to.x(), to.y());
    };
    arc(m_radius, RayPoint(E1, frame, false), RayPoint(E2, frame, false));
    for (int tenths : {9, 8, 7}) {
        const int r = m_radius * tenths / 10;
        arc(r, RayPoint(E3, frame, false), RayPoint(E4, frame, false));
        arc(r, RayPoint(E3, frame, true), RayPoint(E4, frame, true));
    }
}
