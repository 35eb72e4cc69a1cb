// The weight window's handlers: choosing the object and the places, the
// scale and globe timers, dragging a globe, colour, copy, options, help.
#include "weight/weighing/weighingwindow.h"

#include "app/settings/appsettings.h"
#include "canvas/picturehelpers.h"
#include "canvas/textformat.h"
#include "controls/plaincontrols.h"
#include "platform/calculator.h"
#include "platform/helpviewer.h"
#include "raster/globeview.h"
#include "shell/preferences/preferenceswindow.h"
#include "weight/weighing/model/placetable.h"
#include "weight/weighing/model/readoutdigits.h"
#include "weight/weighing/model/weighingobjects.h"
#include "window/picturemenu.h"

#include <QComboBox>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr TColor kGlobeBackground = 0x000000;
constexpr int kCopyColumnPitch = 247;
constexpr int kCopyWidth = 711;
constexpr int kPreferencesPage = 4;

} // namespace

double TPoidsF::TargetWeight(int column) const
{
    return ObjectMass(m_object) * PlaceGravity(GlobePlace[column]);
}

void TPoidsF::startTimer(QTimer* timer)
{
    if (!timer->isActive())
        timer->start();
}

// ------------------------------------------------------------ choices

void TPoidsF::ObjetComboChange(int object)
{
    if (!m_shown)
        return;
    m_object = std::clamp(object, 0, kObjectCount - 1);
    m_picture.Load(m_object);
    m_picture.Fit(m_zoneHeight, devicePixelRatioF());
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    for (int column = 1; column <= kWeightColumns; ++column) {
        ScaleColumn& scale = At(column).scale;
        if (m_object == 0) {
            scale.Fall();
        } else {
            double weight = TargetWeight(column);
            if (AppSettings.PoidsRandomFlag)
                weight = ScatteredWeight(weight, uniform(m_random));
            scale.Rise(weight);
        }
        DrawZone(column);
    }
    startTimer(Timer);
}

void TPoidsF::LieuComboChange(int column, int place)
{
    if (!m_shown)
        return;
    GlobePlace[column] = std::clamp(place, 0, kPlaceCount - 1);
    if (GlobePlace[column] > 0) {
        // A new place is weighed exactly: the scatter comes with the object.
        At(column).scale.Rise(TargetWeight(column));
        startTimer(Timer);
    }
    DrawZone(column);
    LoadGlobeMap(column, false);
    StartGlobeMove(column);
}

// ------------------------------------------------------------ timers

void TPoidsF::TimerEvent()
{
    bool moving = false;
    for (int column = 1; column <= kWeightColumns; ++column) {
        ScaleColumn& scale = At(column).scale;
        if (scale.State() == WeightState::Idle)
            continue;
        scale.Tick();
        DrawZone(column);
        moving = moving || scale.State() != WeightState::Idle;
    }
    if (!moving)
        Timer->stop();
}

void TPoidsF::AnimTimerTimer()
{
    bool moving = false;
    for (int column = 1; column <= kWeightColumns; ++column) {
        GlobeMove& move = At(column).move;
        if (move.Advance(GlobeTurn[column], GlobeTilt[column]))
            RenderGlobe(column);
        moving = moving || move.Running();
    }
    if (!moving)
        AnimTimer->stop();
}

// ------------------------------------------------------------ drawing

void TPoidsF::DrawZone(int column)
{
    MeasureColumn& c = At(column);
    if (c.zoneImage.isNull())
        return;
    ComposeZone(c.zoneImage, GlobePlace[column] > 0, c.scale.ShownWeight(), m_face, m_picture);
    c.zone->update();
}

void TPoidsF::DrawAllZones()
{
    for (int column = 1; column <= kWeightColumns; ++column)
        DrawZone(column);
}

void TPoidsF::RenderGlobe(int column)
{
    const int place = GlobePlace[column];
    SetGlobeRatio(column, At(column).display->devicePixelRatioF());
    ::RenderGlobe(column, m_places.Name(place), m_places.Detail(place), true, kGlobeBackground);
    At(column).display->update();
}

// ------------------------------------------------------------ globes

void TPoidsF::StartGlobeMove(int column)
{
    const PlaceRecord& place = PlaceTable[std::size_t(GlobePlace[column])];
    At(column).move.Start(GlobeTurn[column], GlobeTilt[column], place.Turn, place.Tilt);
    startTimer(AnimTimer);
    RenderGlobe(column);
    m_dragging = false;
}

void TPoidsF::Display1MouseDown(int column, QPoint point, Qt::MouseButton button)
{
    if (!m_shown || button != Qt::LeftButton)
        return;
    At(column).move.Stop();
    m_dragging = true;
    m_dragColumn = column;
    m_dragStart = point;
    m_pressTilt = GlobeTilt[column];
    m_pressTurn = GlobeTurn[column];
}

void TPoidsF::Display1MouseMove(int column, QPoint point, Qt::MouseButtons buttons)
{
    if (!m_dragging || column != m_dragColumn || !(buttons & Qt::LeftButton))
        return;
    At(column).move.Stop();
    GlobeTilt[column] = DraggedTilt(m_pressTilt, m_dragStart.y() - point.y());
    GlobeTurn[column] = float(NormalizeDegrees(RoundHalfEven(DraggedTurn(m_pressTurn, point.x() - m_dragStart.x()))));
    RenderGlobe(column);
}

void TPoidsF::Display1MouseUp(int)
{
    m_dragging = false;
}

// ------------------------------------------------------------ buttons

void TPoidsF::ColorBoutClick()
{
    // A click on a column changes the colour only where the button may.
    if (!m_shown || !ColorBout->isEnabled())
        return;
    AppSettings.clDigits = NextReadoutColour(AppSettings.clDigits & 0xFFFFFF);
    m_face.SetColour(AppSettings.clDigits);
    DrawAllZones();
}

void TPoidsF::CopierBoutClick()
{
    CopyPicture(CopiedPicture());
}

QImage TPoidsF::CopiedPicture() const
{
    if (!m_shown)
        return {};
    // At the pictures' own resolution: copied pixel for pixel.
    QImage copy = NewPicture(QSize(kCopyWidth, m_zoneHeight + kCopyColumnPitch), GlobePicture(1).devicePixelRatio());
    copy.fill(Qt::black);
    {
        Canvas canvas(copy);
        for (int column = 1; column <= kWeightColumns; ++column) {
            const int left = (column - 1) * kCopyColumnPitch;
            canvas.Draw(left, 0, GlobePicture(column));
            canvas.Draw(left, kCopyColumnPitch, At(column).zoneImage);
        }
    }
    return copy;
}

void TPoidsF::OptionsBoutClick()
{
    RunPreferencesDialog(kPreferencesPage);
    ApplySettings();
}

void TPoidsF::AideBoutClick()
{
    ShowHelpTopic(QStringLiteral("POIDS"));
}

void TPoidsF::CalcBoutClick()
{
    OpenCalculator();
}
