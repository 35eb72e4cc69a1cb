#include "motion/wheelwindow.h"

#include "app/settings/appsettings.h"
#include "motion/model/framedescription.h"
#include "motion/model/motions.h"
#include "motion/motionbackgrounds.h"

#include <algorithm>
#include <cmath>

TRoueF::TRoueF(QWidget* parent)
    : MotionWindow(MotionKind::Wheel, parent)
{ }

void TRoueF::ComputeFrames()
{
    m_frames = ComputeWheel();
    m_frameCount = WheelFrameCount;
    m_curFrame = 1;
}

Worksheet TRoueF::WorksheetDetails() const
{
    // The wheel where it starts, its hub above the first point of contact.
    return {.fileStem = WheelFileStem(),
            .parameters = QStringLiteral("Rayon de la roue : %1 cm").arg(std::lround(WheelRadiusMetres * 100)),
            .table = WheelMeasurements(),
            .points = NamedWorksheetPoints(3),
            .circles = {{0, WheelRadiusMetres, WheelRadiusMetres}},
            .groundY = 0};
}

QString TRoueF::FrameDescription() const
{
    return WheelFrameText(m_frames, m_curFrame);
}

void TRoueF::SetScale()
{
    WorldScale = std::max(1, WheelWorldWidth / std::max(1, CanvasWidth()));
    m_wheelRadiusPx = WheelRadius / WorldScale;
}

void TRoueF::DrawBackground(Canvas& canvas)
{
    const int w = canvas.Width();
    DrawMotionGround(canvas);
    canvas.pen.color = AppSettings.clTexte;
    canvas.brush = CanvasBrush{AppSettings.clContour, BrushStyle::FDiagonal};
    canvas.Rectangle(5, ToPixels(WheelGroundY), w - 5, ToPixels(WheelGroundBottomY));
    canvas.brush.style = BrushStyle::Solid;
}

void TRoueF::DrawBeforePoints(Canvas& canvas)
{
    const QPoint hub = ToPixel(m_frames[PointC].At(m_curFrame));
    const int r = m_wheelRadiusPx;
    canvas.pen = CanvasPen{AppSettings.clContour};
    canvas.brush = CanvasBrush{AppSettings.clObjet};
    canvas.Ellipse(hub.x() - r, hub.y() - r, hub.x() + r, hub.y() + r);
}
