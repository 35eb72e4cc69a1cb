#include "motion/tdisquef.h"

#include "app/settings/appsettings.h"
#include "motion/discmodel.h"
#include "motion/motionstate.h"
#include "motion/steprules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QToolButton>
#include <algorithm>

namespace {

constexpr MotionTraits kTraits{"Disque", {true, true, true}, true, false, true};
constexpr int kPanelHeight = 63;
constexpr int kCanvasTop = 8;

} // namespace

TDisqueF::TDisqueF(QWidget* parent)
    : MotionWindow(kTraits, parent)
{
    setObjectName(QStringLiteral("DisqueF"));
    setWindowTitle(ModuleCaption(QStringLiteral("Disque en rotation")));
    buildBottomPanel(kPanelHeight, kCanvasTop);
    ArriereBout->setToolTip(QStringLiteral(" Un pas en arière"));
    AvantBout->setToolTip(QStringLiteral(" Un pas en avant ( équivalent à la touche Contrôle du clavier )"));
    DebutBout->setToolTip(QStringLiteral(" Aller au début de l'animation"));
    for (QCheckBox* check : TraceChecks)
        check->setToolTip(QStringLiteral(" afficher les positions successives du point"));
    IpsCombo->setToolTip(
        QStringLiteral(" Sélectionner la cadence d'affichage de l'animation ( en images par seconde )"));
    resize(477, 328);
}

void TDisqueF::ComputeFrames()
{
    DiscMotion disc = ComputeDisc();
    m_frames = std::move(disc.points);
    m_rimDirections = std::move(disc.rimDirections);
    m_frameCount = DiscFrameCount;
    m_curFrame = 1;
    m_turningLines.reset(centrePx(), m_discRadiusPx, &m_rimDirections);
}

void TDisqueF::setScale()
{
    WorldScale = std::max(1, DiscWorldWidth / std::max(1, canvasWidth()));
    m_discRadiusPx = DiscRadius / WorldScale;
    m_turningLines.reset(centrePx(), m_discRadiusPx, &m_rimDirections);
}

QPoint TDisqueF::centrePx() const
{
    return QPoint(ToPixels(DiscCentreX), ToPixels(DiscCentreY));
}

void TDisqueF::DrawBackground(Canvas& canvas)
{
    canvas.pen = CanvasPen{AppSettings.clCadre};
    canvas.brush = CanvasBrush{AppSettings.clFond};
    canvas.Rectangle(0, 0, canvas.width(), canvas.height());
    const QPoint c = centrePx();
    const int r = m_discRadiusPx;
    canvas.pen.color = AppSettings.clContour;
    canvas.brush.color = AppSettings.clObjet;
    canvas.Ellipse(c.x() - r, c.y() - r, c.x() + r, c.y() + r);
}

// Half of the rim in the frame colour over the background's outline, and
// three pairs of grooves, turn with the disc so that its rotation shows.
void TDisqueF::drawBeforePoints(Canvas& canvas)
{
    m_turningLines.draw(canvas, m_curFrame, AppSettings.clCadre);
}

QPoint TDisqueF::toPixel(const FramePos& position) const
{
    return QPoint(ToPixels(position.x), ToPixels(position.y));
}

void TDisqueF::drawMark(Canvas& canvas, QPoint at) const
{
    canvas.Ellipse(at.x() - 4, at.y() - 4, at.x() + 4, at.y() + 4);
}

int TDisqueF::stepForward(int frame) const
{
    return DiscStepForward(frame, m_frameCount, PlayFlags & PlayBit::Loop);
}

int TDisqueF::stepBack(int frame) const
{
    return DiscStepBack(frame, m_frameCount, PlayFlags & PlayBit::Loop);
}

bool TDisqueF::isTraced(int point, int frame) const
{
    return point != PointC && DiscTraced(frame);
}
