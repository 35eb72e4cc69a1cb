#include "motion/trouef.h"

#include "app/settings/appsettings.h"
#include "motion/motionstate.h"
#include "motion/steprules.h"
#include "motion/wheelmodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QToolButton>
#include <algorithm>

namespace {

constexpr MotionTraits kTraits{"Roue", {true, true, true}, true, true, false};
constexpr int kPanelHeight = 63;
constexpr int kCanvasTop = 8;

} // namespace

TRoueF::TRoueF(QWidget* parent)
    : MotionWindow(kTraits, parent)
{
    setObjectName(QStringLiteral("RoueF"));
    setWindowTitle(ModuleCaption(QStringLiteral("Roue d'une bicyclette")));
    buildBottomPanel(kPanelHeight, kCanvasTop);
    ArriereBout->setToolTip(QStringLiteral(" Un pas en arrière"));
    DebutBout->setToolTip(QStringLiteral(" Aller au début de l'animation"));
    for (QCheckBox* check : TraceChecks)
        check->setToolTip(QStringLiteral(" Afficher les positions successives du point"));
    IpsCombo->setToolTip(QStringLiteral(" Définir la cadence d'affichage ( en images par seconde )"));
    resize(477, 328);
}

void TRoueF::ComputeFrames()
{
    m_frames = ComputeWheel();
    m_frameCount = WheelFrameCount;
    m_curFrame = 1;
}

void TRoueF::setScale()
{
    WorldScale = std::max(1, WheelWorldWidth / std::max(1, canvasWidth()));
    m_wheelRadiusPx = WheelRadius / WorldScale;
}

void TRoueF::DrawBackground(Canvas& canvas)
{
    const int w = canvas.width();
    canvas.pen = CanvasPen{AppSettings.clCadre};
    canvas.brush = CanvasBrush{AppSettings.clFond};
    canvas.Rectangle(0, 0, w, canvas.height());
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

QPoint TRoueF::toPixel(const FramePos& position) const
{
    return QPoint(ToPixels(position.x), ToPixels(position.y));
}

void TRoueF::drawMark(Canvas& canvas, QPoint at) const
{
    canvas.Ellipse(at.x() - 4, at.y() - 4, at.x() + 4, at.y() + 4);
}

int TRoueF::stepForward(int frame) const
{
    return WheelStepForward(frame, m_frameCount, PlayFlags & PlayBit::Loop);
}

int TRoueF::stepBack(int frame) const
{
    return WheelStepBack(frame, m_frameCount, PlayFlags & PlayBit::Loop);
}

bool TRoueF::isTraced(int, int) const
{
    return true;
}
