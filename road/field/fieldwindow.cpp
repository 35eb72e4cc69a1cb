#include "road/field/fieldwindow.h"

#include "app/settings/appsettings.h"
#include "canvas/picturehelpers.h"
#include "controls/plaincontrols.h"
#include "platform/helpviewer.h"
#include "raster/tdibplus.h"
#include "road/field/fieldview.h"
#include "shell/preferences/preferenceswindow.h"
#include "window/hints.h"
#include "window/picturemenu.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QShowEvent>
#include <QToolButton>

namespace {

constexpr int kPreferencesPage = 5;

} // namespace

TChampF::TChampF(QWidget* parent)
    : ModuleWindow("ChampF", ModuleCaption(QStringLiteral("Champ visuel et conduite")), parent)
{
    Display1 = new PaintBox(this, QStringLiteral("Display1"), QRect(),
                            [this](QPainter& painter) { Display1Paint(painter, LeftView.get()); });
    Display1->setFocusPolicy(Qt::TabFocus);
    Display2 = new PaintBox(this, QStringLiteral("Display2"), QRect(),
                            [this](QPainter& painter) { Display1Paint(painter, RightView.get()); });
    Display2->setFocusPolicy(Qt::TabFocus);
    CreatePanel();
    SetHints();

    // The smallest window, frame included, outweighs the design's 659 x 504.
    SetMinimumOuterSize(this, QSize(750, 550));
    resize(QSize(659, 504).expandedTo(minimumSize()));
}

TChampF::~TChampF() = default;

// ---- show and close ---------------------------------------------------------

void TChampF::showEvent(QShowEvent* event)
{
    ModuleWindow::showEvent(event);
    if (!m_shown)
        FormShow();
}

void TChampF::FormShow()
{
    m_shown = true;
    LeftView.reset();
    RightView.reset();
    OptionsBout->setEnabled(AppSettings.ChampAllowFlag);
    SetWindowHints(this, AppSettings.HintFlag);
    m_roadPicture.Load();
    Drunk = false;
    VehicleSpeed = 0;
    RadioReady = false;
    SetCheckedSilently(SpeedRadio, true);
    RadioReady = true;
    Relayout();
    ModeUpdate();
}

void TChampF::closeEvent(QCloseEvent* event)
{
    SceneBackground.reset();
    LeftView.reset();
    RightView.reset();
    FieldRows.clear();
    m_roadPicture.Release();
    m_shown = false;
    ModuleWindow::closeEvent(event);
}

// ---- layout -------------------------------------------------------------------

void TChampF::resizeEvent(QResizeEvent* event)
{
    ModuleWindow::resizeEvent(event);
    Relayout();
}

void TChampF::Relayout()
{
    // The window system may refuse the minimum size (a tiling desktop):
    // the displays follow the size the window really has.
    PlaceControls();
    if (!m_shown)
        return;
    // Composed at the resolution of the screen that shows the displays: a
    // window moved to a screen of another ratio comes here again.
    m_ratio = Display1->devicePixelRatioF();
    const QSize device = (QSizeF(m_geometry.DisplayWidth(), m_geometry.DisplayHeight()) * m_ratio).toSize();
    m_deviceGeometry = FieldGeometry(device.width(), device.height());
    const int w = m_deviceGeometry.DisplayWidth();
    const int h = m_deviceGeometry.DisplayHeight();
    SceneBackground = std::make_unique<TDibPlus>(w, h);
    LeftView = std::make_unique<TDibPlus>(w, h);
    RightView = std::make_unique<TDibPlus>(w, h);
    BuildBackground(*SceneBackground, m_roadPicture, m_ratio);
    FieldRows = ComputeField(m_deviceGeometry, kRestFieldAngle);
    DrawView(1);
    Display1->update();
    if (Drunk)
        DrunkUpdate();
    else
        SpeedUpdate();
}

void TChampF::DrawView(int n)
{
    TDibPlus* view = n == 1 ? LeftView.get() : RightView.get();
    if (!view || !SceneBackground)
        return;
    const int eyeY = m_deviceGeometry.EyeY();
    if (n == 1)
        ComposeView(*view, *SceneBackground, FieldRows, eyeY, false, LeftViewLines(), m_ratio);
    else
        ComposeView(*view, *SceneBackground, FieldRows, eyeY, Drunk && AppSettings.FlouFlag,
                    RightViewLines(Drunk, VehicleSpeed, FieldAngle), m_ratio);
}

void TChampF::Display1Paint(QPainter& painter, TDibPlus* view)
{
    if (view)
        painter.drawImage(0, 0, SurfacePicture(*view, m_ratio));
    else
        painter.fillRect(painter.viewport(), Qt::black);
}

// ---- speed and mode -------------------------------------------------------------

void TChampF::ShowRightView()
{
    FieldRows = ComputeField(m_deviceGeometry, FieldAngle);
    DrawView(2);
    Display2->update();
}

void TChampF::SpeedUpdate()
{
    SpeedEd->setText(QStringLiteral(" %1").arg(VehicleSpeed));
    FieldAngle = FieldAngleFor(VehicleSpeed);
    ShowRightView();
}

void TChampF::DrunkUpdate()
{
    SpeedEd->setText(QStringLiteral(" 0"));
    FieldAngle = kDrunkFieldAngle;
    ShowRightView();
}

void TChampF::ModeUpdate()
{
    for (QWidget* control : {static_cast<QWidget*>(SpeedLab), static_cast<QWidget*>(SpeedLab0),
                             static_cast<QWidget*>(SpeedEd), static_cast<QWidget*>(SpeedSpin)})
        control->setEnabled(!Drunk);
    AlcoolLab->setEnabled(Drunk);
    if (Drunk)
        DrunkUpdate();
    else
        SpeedUpdate();
}

void TChampF::SpeedSpinUpClick()
{
    if (Drunk)
        return;
    VehicleSpeed
        = VehicleSpeed > kMaxVehicleSpeed - kVehicleSpeedStep ? kMaxVehicleSpeed : VehicleSpeed + kVehicleSpeedStep;
    SpeedUpdate();
}

void TChampF::SpeedSpinDownClick()
{
    if (Drunk)
        return;
    VehicleSpeed = VehicleSpeed <= kVehicleSpeedStep ? 0 : VehicleSpeed - kVehicleSpeedStep;
    SpeedUpdate();
}

void TChampF::RadioClick(bool checked)
{
    if (!RadioReady || !checked)
        return;
    Drunk = AlcoolRadio->isChecked();
    ModeUpdate();
}

// ---- buttons ----------------------------------------------------------------------

void TChampF::OptionsBoutClick()
{
    RunPreferencesDialog(kPreferencesPage);
    OptionsBout->setEnabled(AppSettings.ChampAllowFlag);
    SetWindowHints(this, AppSettings.HintFlag);
    // A changed blur setting shows at once.
    if (RightView) {
        DrawView(2);
        Display2->update();
    }
}

void TChampF::AideBoutClick()
{
    ShowHelpTopic(QStringLiteral("CHAMP"));
}

void TChampF::CopyBoutClick()
{
    CopyPicture(CopiedPicture());
}

QImage TChampF::CopiedPicture() const
{
    if (!LeftView || !RightView)
        return {};
    // At the views' own resolution, pixel for pixel.
    const int w = m_geometry.DisplayWidth();
    QImage both = NewPicture(QSize(2 * w, m_geometry.DisplayHeight()), m_ratio);
    {
        Canvas canvas(both);
        canvas.Draw(0, 0, SurfacePicture(*LeftView, m_ratio));
        canvas.Draw(w, 0, SurfacePicture(*RightView, m_ratio));
    }
    return both;
}
