#include "motion/trouef.h"

#include "app/settings/appsettings.h"
#include "motion/model/framedescription.h"
#include "motion/model/motions.h"
#include "motion/motionbackgrounds.h"

#include <algorithm>

namespace {

constexpr MotionTraits kTraits{
    .helpKeyword = "Roue",
    .kind = MotionKind::Wheel,
    .points = {true, true, true},
    .hasLoopButton = true,
    .consumesCtrl = true,
    .beepsOnEveryKey = false,
    .hints = {.back = " Un pas en arrière",
              .start = " Aller au début de l'animation",
              .traces = " Afficher les positions successives du point",
              .rate = " Définir la cadence d'affichage ( en images par seconde )"},
};
constexpr int kPanelHeight = 63;
constexpr int kCanvasTop = 8;

} // namespace

TRoueF::TRoueF(QWidget* parent)
    : MotionWindow(kTraits, parent)
{
    setObjectName(QStringLiteral("RoueF"));
    setWindowTitle(ModuleCaption(QStringLiteral("Roue d'une bicyclette")));
    buildBottomPanel(kPanelHeight, kCanvasTop);
    orderBottomPanelTabs({});
    resize(477, 328);
}

void TRoueF::ComputeFrames()
{
    m_frames = ComputeWheel();
    m_frameCount = WheelFrameCount;
    m_curFrame = 1;
}

MeasurementTable TRoueF::measurements() const
{
    return WheelMeasurements();
}

QString TRoueF::fileStem() const
{
    return WheelFileStem();
}

QString TRoueF::frameDescription() const
{
    return WheelFrameText(m_frames, m_curFrame);
}

void TRoueF::setScale()
{
    WorldScale = std::max(1, WheelWorldWidth / std::max(1, canvasWidth()));
    m_wheelRadiusPx = WheelRadius / WorldScale;
}

void TRoueF::DrawBackground(Canvas& canvas)
{
    const int w = canvas.width();
    DrawMotionGround(canvas);
    canvas.pen.color = AppSettings.clTexte;
    canvas.brush = CanvasBrush{AppSettings.clContour, BrushStyle::FDiagonal};
    canvas.Rectangle(5, ToPixels(WheelGroundY), w - 5, ToPixels(WheelGroundBottomY));
    canvas.brush.style = BrushStyle::Solid;
}

void TRoueF::drawBeforePoints(Canvas& canvas)
{
    const QPoint hub = toPixel(m_frames[PointC].at(m_curFrame));
    const int r = m_wheelRadiusPx;
    canvas.pen = CanvasPen{AppSettings.clContour};
    canvas.brush = CanvasBrush{AppSettings.clObjet};
    canvas.Ellipse(hub.x() - r, hub.y() - r, hub.x() + r, hub.y() + r);
}
