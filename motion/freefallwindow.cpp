#include "motion/freefallwindow.h"

#include "app/settings/appsettings.h"
#include "canvas/picturehelpers.h"
#include "controls/plaincontrols.h"
#include "motion/model/framedescription.h"
#include "motion/motionbackgrounds.h"
#include "platform/resources/namedresources.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <algorithm>

namespace {

// The smallest window, frame included.
constexpr QSize kMinOuterSize(400, 360);
constexpr int kPanelWidth = 149;
constexpr int kCanvasTop = 3;
constexpr int kCanvasMinWidth = 200;
// Room left of the canvas and between it and the panel.
constexpr int kCanvasMargins = 16;

int CanvasHeightFor(int clientHeight)
{
    return clientHeight - 6;
}

int CanvasWidthFor(int clientHeight)
{
    return std::max(kCanvasMinWidth, CanvasHeightFor(clientHeight) / 2);
}

} // namespace

TChuteF::TChuteF(QWidget* parent)
    : MotionWindow(MotionKind::FreeFall, parent)
{
    CreatePanel();
    SetMinimumOuterSize(this, kMinOuterSize);
    // The right-hand panel, top to bottom and left to right.
    OrderTabs({Canevas, NoCursBout, DebutBout, FinBout, PlayBout, ArriereBout, AvantBout, StopBout, IpsCombo,
               HauteurSpin->UpButton(), HauteurSpin->DownButton(), HautEd, TraceChecks[PointB], CloseBout, AideBout,
               CalcBout, CopierBout});
    connect(Canevas, &PaintBox::MousePressed, this, &TChuteF::CanevasMouseMove);
    connect(Canevas, &PaintBox::MouseMoved, this, &TChuteF::CanevasMouseMove);
}

QSize TChuteF::EnforcedSize(QSize size) const
{
    const QSize least = kMinOuterSize - DesignFrame;
    const int h = std::max(size.height(), least.height());
    // A tall window must stay wide enough to show the canvas beside the panel.
    const int w = std::max({size.width(), least.width(), CanvasWidthFor(h) + kPanelWidth + kCanvasMargins});
    return QSize(w, h);
}

void TChuteF::PlaceControls(QSize client)
{
    Panel2->setGeometry(client.width() - kPanelWidth, 0, kPanelWidth, client.height());
    Panneau->move(4, client.height() - 234);
    const int hc = CanvasHeightFor(client.height());
    const int wc = CanvasWidthFor(client.height());
    Canevas->setGeometry((client.width() - 150 - wc) / 2, kCanvasTop, wc, hc);
    if (m_cursorY > hc)
        m_cursorY = NoCursor;
}

void TChuteF::SetScale()
{
    m_rule = FreeFallRule(CanvasHeight(), AppSettings.HauteurUm);
    WorldScale = m_rule.worldScale;
}

void TChuteF::PrepareShow()
{
    // A hand-edited settings file may hold any height; the rule needs one
    // within 50 cm .. 3 m.
    AppSettings.HauteurUm = ClampDropHeight(AppSettings.HauteurUm);
    m_cursorY = NoCursor;
    HautEd->setText(DropHeightText(AppSettings.HauteurUm));
    InfosZone->update();
}

void TChuteF::FinishShow()
{
    m_logo = LoadNamedPicture(QStringLiteral("LogoG"), QSize(), Logo->devicePixelRatioF())
                 .convertToFormat(QImage::Format_RGB32);
    if (!m_logo.isNull())
        ReplaceColor(m_logo, CanvasFromQColor(m_logo.pixelColor(0, 0)),
                     CanvasFromQColor(palette().color(QPalette::Button)));
    Logo->update();
}

void TChuteF::FinishClose()
{
    m_logo = QImage();
}

void TChuteF::ComputeFrames()
{
    m_frames[PointB] = ComputeFreeFall(AppSettings.HauteurUm);
    m_frameCount = m_frames[PointB].Count();
    m_curFrame = 1;
}

Worksheet TChuteF::WorksheetDetails() const
{
    return {.fileStem = FreeFallFileStem(AppSettings.HauteurUm),
            .parameters = QStringLiteral("Hauteur de chute : %1 cm").arg(AppSettings.HauteurUm / 10000),
            .table = FreeFallMeasurements(AppSettings.HauteurUm),
            .points = {{QString(), QString(), QStringLiteral("y"), WorksheetPointColor(0)}},
            .unitMetres = 0.01,
            .fallRule = true,
            .groundY = -AppSettings.HauteurUm / 1e6};
}

void TChuteF::DrawBackground(Canvas& canvas)
{
    m_rule = FreeFallRule(canvas.Height(), AppSettings.HauteurUm);
    WorldScale = m_rule.worldScale;
    DrawFreeFallBackground(canvas, m_rule, AppSettings.HauteurUm);
}

QPoint TChuteF::ToPixel(const FramePos& position) const
{
    return QPoint(FreeFallBallX, m_rule.top - ToPixels(position.y));
}

// ---- height -----------------------------------------------------------------

void TChuteF::HauteurSpinUpClick()
{
    ApplyHeight(AppSettings.HauteurUm + DropHeightStepUm);
}

void TChuteF::HauteurSpinDownClick()
{
    ApplyHeight(AppSettings.HauteurUm - DropHeightStepUm);
}

void TChuteF::HautEdExit()
{
    ApplyHeight(ParseEntry(HautEd->text(), DropHeightRule) * 10000);
}

void TChuteF::ApplyHeight(std::int32_t heightUm)
{
    AppSettings.HauteurUm = ClampDropHeight(heightUm);
    HautEd->setText(DropHeightText(AppSettings.HauteurUm));
    RedrawBackground();
    ComputeFrames();
    ComposeFrame();
    InfosZone->update();
}

// ---- measuring cursor -----------------------------------------------------------

void TChuteF::CanevasMouseMove(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    m_cursorY = std::clamp(int(event->position().y()), 0, CanvasHeight());
    Canevas->update();
    InfosZone->update();
}

void TChuteF::NoCursBoutClick()
{
    m_cursorY = NoCursor;
    ComposeFrame();
    InfosZone->update();
}

void TChuteF::PaintOverFrame(QPainter& painter)
{
    if (m_cursorY == NoCursor)
        return;
    // One device pixel wide on a scaled screen, as the picture's lines are.
    QPen cursor(QColorFromCanvas(AppSettings.clCurseur), 1);
    cursor.setCosmetic(true);
    painter.setPen(cursor);
    // From column 1 up to, not including, the last column.
    painter.drawLine(1, m_cursorY, CanvasWidth() - 2, m_cursorY);
}

QString TChuteF::FrameDescription() const
{
    return FreeFallFrameText(m_frames[PointB], m_curFrame, AppSettings.HauteurUm);
}

QString TChuteF::InfosText() const
{
    return CursorDisplayText(m_cursorY, m_rule);
}

void TChuteF::InfosZonePaint(QPainter& painter)
{
    QImage picture = NewPicture(InfosZone->size(), InfosZone->devicePixelRatioF());
    {
        Canvas canvas(picture);
        DrawMotionGround(canvas);
        canvas.font = CanvasFont{};
        canvas.font.color = AppSettings.clCurseur;
        canvas.TextOut(6, 1, InfosText());
    }
    painter.drawImage(0, 0, picture);
}

void TChuteF::LogoPaint(QPainter& painter)
{
    painter.fillRect(Logo->rect(), palette().color(QPalette::Button));
    if (!m_logo.isNull())
        painter.drawImage(0, 0, m_logo);
}
