// The braking window's life: show, layout, close, the timer, and the
// buttons that run, zoom, copy and reach help and preferences.
#include "road/braking/brakingwindow.h"

#include "app/settings/appsettings.h"
#include "controls/plaincontrols.h"
#include "platform/calculator.h"
#include "platform/helpviewer.h"
#include "road/braking/model/brakingsettings.h"
#include "shell/preferences/preferenceswindow.h"
#include "window/picturemenu.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int kPanelHeight = 154;
// Zones leave 4 pixels round them and 8 between them, above the panel.
constexpr int kZoneMargin = 4;
constexpr int kZoneGap = 8;
// The smallest window, frame included.
constexpr QSize kMinOuterSize(700, 500);
constexpr QSize kDesignClientSize(792, 543);
constexpr int kTickMs = 30;

VehicleInputs VehicleSettings(int k)
{
    const AppSettingsRecord& s = AppSettings;
    return k == 2 ? VehicleInputs{s.VitesseCible2, s.TempsReac2, s.CoeffRoute2, s.BasBrake2}
                  : VehicleInputs{s.VitesseCible1, s.TempsReac1, s.CoeffRoute1, s.BasBrake1};
}

} // namespace

TFreinageF::TFreinageF(QWidget* parent)
    : ModuleWindow("FreinageF", ModuleCaption(QStringLiteral("Freinage d'un véhicule")), parent)
{
    SetMinimumOuterSize(this, kMinOuterSize);
    resize(kDesignClientSize);

    AnimTimer = NewAnimationTimer(this, "AnimTimer", kTickMs);
    connect(AnimTimer, &QTimer::timeout, this, &TFreinageF::AnimTimerTimer);

    CreateZones();
    CreatePanel();
    ConnectControls();
    WatchControls();
}

TFreinageF::~TFreinageF() = default;

void TFreinageF::CreateZones()
{
    for (int k = 1; k <= 2; ++k) {
        auto* zone = MakePictureBox(
            this, k == 1 ? "Zone1" : "Zone2", [this, k] { return &ZonePicture(k); }, Qt::white);
        connect(zone, &PaintBox::MousePressed, this, [this, k](QMouseEvent* e) { ZoneMouseDown(k, e); });
        connect(zone, &PaintBox::MouseMoved, this, [this, k](QMouseEvent* e) { ZoneMouseMove(k, e); });
        connect(zone, &PaintBox::MouseReleased, this, [this](QMouseEvent* e) { ZoneMouseUp(e); });
        m_zones[std::size_t(k - 1)] = zone;
    }
}

// ---- show, layout, close ---------------------------------------------------

void TFreinageF::showEvent(QShowEvent* event)
{
    ModuleWindow::showEvent(event);
    // Restored from the task bar, the window goes on as it was.
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TFreinageF::FormShow()
{
    m_scene.Open();
    SettingsIntoControls();
    m_session.PrepareShow();
    AnimTimer->stop();
    m_scene.dark = ShadeFactors{110, 90, 70};
    m_scene.maxSpeed = 180;
    m_wheelRemainder = 0;
    ControlsState();
    // Last, once the pictures exist: the layout builds what depends on the
    // scale and draws both zones.
    FormLayout();
    m_lastMessage = -1;
    ShowMessage(0);
}

void TFreinageF::closeEvent(QCloseEvent* event)
{
    AnimTimer->stop();
    m_shown = false;
    m_scene.Close();
    m_zonePictures = {};
    ModuleWindow::closeEvent(event);
}

void TFreinageF::resizeEvent(QResizeEvent* event)
{
    ModuleWindow::resizeEvent(event);
    FormLayout();
}

void TFreinageF::FormLayout()
{
    if (!Panneau)
        return;
    // The window system may give another size than asked (a maximised
    // window): everything follows the size the window really has.
    const QSize client = size();
    // The zones share what the panel and the margins leave, rounded down.
    const int zoneWidth = std::max(client.width() - 6, 1);
    const int zoneHeight = std::max((client.height() - 168) / 2, 1);
    m_zones[0]->setGeometry(kZoneMargin, kZoneMargin, zoneWidth, zoneHeight);
    m_zones[1]->setGeometry(kZoneMargin, kZoneMargin + zoneHeight + kZoneGap, zoneWidth, zoneHeight);
    Panneau->setGeometry(0, client.height() - kPanelHeight, client.width(), kPanelHeight);
    Bevel->resize(client.width() - 12, Bevel->height());
    MessLab->resize(Bevel->width() - 8, MessLab->height());
    m_messageWidth = MessLab->width();
    ShortenMessage();

    m_session.View().SetZoneSize(zoneWidth, zoneHeight);
    // Composed at the resolution of the screen that shows the zones: a
    // window moved to a screen of another ratio comes here again.
    m_scene.Layout(QSize(zoneWidth, zoneHeight), m_session.View().Scale(), m_zones[0]->devicePixelRatioF());
    if (!m_scene.IsOpen())
        return;
    const qreal ratio = m_scene.Ratio();
    if (m_scene.IconRed().isNull() || m_scene.IconRed().devicePixelRatio() != ratio) {
        m_scene.BuildIcons(palette().color(QPalette::Button).rgb(), ratio);
        for (PaintBox* icon : AutoIcones)
            icon->update();
    }
    for (QImage& picture : m_zonePictures)
        if (picture.size() != m_scene.ZoneDeviceSize() || picture.devicePixelRatio() != ratio)
            picture = m_scene.NewZonePicture();
    DrawZone(1);
    DrawZone(2);
}

void TFreinageF::DrawZone(int k)
{
    QImage& picture = m_zonePictures[k == 2 ? 1 : 0];
    if (picture.isNull())
        return;
    m_scene.DrawZone(k, m_session, picture);
    m_zones[k == 2 ? 1 : 0]->update();
}

// ---- the run ---------------------------------------------------------------

void TFreinageF::AnimTimerTimer()
{
    if (m_session.Tick([this](int k) { DrawZone(k); })) {
        AnimTimer->stop();
        ControlsState();
    }
}

void TFreinageF::SetTimerRunning(bool running)
{
    if (running)
        AnimTimer->start();
    else
        AnimTimer->stop();
    // The pause button shows whether the run is held.
    SetCheckedSilently(PauseBout, m_session.AnyRunning() && !AnimTimer->isActive());
}

void TFreinageF::DepartBoutClick()
{
    m_session.StartRun(VehicleSettings(1), VehicleSettings(2), OfferedTimeStep(AppSettings.PasAnim0));
    DrawZone(1);
    DrawZone(2);
    SetTimerRunning(true);
    ControlsState();
}

void TFreinageF::PauseBoutClick(bool paused)
{
    SetTimerRunning(m_session.AnyRunning() && !paused);
}

void TFreinageF::StopBoutClick()
{
    m_session.ResetRun();
    SetTimerRunning(false);
    ControlsState();
    DrawZone(1);
    DrawZone(2);
}

void TFreinageF::ZoomPlusBoutClick()
{
    m_session.View().ZoomIn();
    FormLayout();
}

void TFreinageF::ZoomMoinsBoutClick()
{
    m_session.View().ZoomOut();
    FormLayout();
}

void TFreinageF::ZoomAdapteBoutClick()
{
    if (!m_session.RunMade())
        return;
    m_session.View().AdaptedZoom(m_session.Vehicle(1).Keys(), m_session.Vehicle(2).Keys());
    FormLayout();
}

void TFreinageF::MouseWheel(int delta)
{
    // A touchpad sends small deltas: one zoom step per notch of 120.
    if (delta == 0)
        return;
    if ((delta > 0) != (m_wheelRemainder > 0))
        m_wheelRemainder = 0;
    m_wheelRemainder += delta;
    const int steps = m_wheelRemainder / 120;
    if (steps == 0)
        return;
    m_wheelRemainder -= steps * 120;
    for (int i = 0; i < std::abs(steps); ++i) {
        if (steps > 0)
            m_session.View().ZoomIn();
        else
            m_session.View().ZoomOut();
    }
    FormLayout();
}

// ---- help, copy, calculator, preferences -------------------------------------

void TFreinageF::AideBoutClick()
{
    ShowHelpTopic(QStringLiteral("FREINAGE"));
    // Reading the help holds a run under way, and the next press resumes
    // it; with no run under way there is nothing to hold.
    if (m_session.AnyRunning())
        SetTimerRunning(!AnimTimer->isActive());
}

void TFreinageF::CopierBoutClick()
{
    CopyPicture(CopiedPicture());
}

QImage TFreinageF::CopiedPicture()
{
    DrawZone(1);
    DrawZone(2);
    const QImage& first = m_zonePictures[0];
    if (first.isNull())
        return {};
    // Pixel for pixel, at the zones' resolution.
    const auto devicePixels = [](QImage picture) {
        picture.setDevicePixelRatio(1);
        return picture;
    };
    QImage both(first.width(), 2 * first.height(), QImage::Format_RGB32);
    {
        QPainter painter(&both);
        painter.drawImage(0, 0, devicePixels(first));
        painter.drawImage(0, first.height(), devicePixels(m_zonePictures[1]));
    }
    both.setDevicePixelRatio(first.devicePixelRatio());
    return both;
}

void TFreinageF::CalcBoutClick()
{
    OpenCalculator();
}

void TFreinageF::OptionsBoutClick()
{
    RunPreferencesDialog(5);
    SettingsIntoControls();
    // A run under way keeps its controls locked.
    ControlsState();
}
