#include "road/field/fieldwindow.h"

#include "app/settings/appsettings.h"
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
    : ModuleWindow(parent)
{
    setObjectName("ChampF");
    setWindowTitle(ModuleCaption(QStringLiteral("Champ visuel et conduite")));
    setFont(DesignFont());

    Display1 = new PaintBox(this);
    Display1->setObjectName(QStringLiteral("Display1"));
    Display1->setFocusPolicy(Qt::TabFocus);
    Display1->onPaint = [this](QPainter& painter) { Display1Paint(painter, LeftView.get()); };
    Display2 = new PaintBox(this);
    Display2->setObjectName(QStringLiteral("Display2"));
    Display2->setFocusPolicy(Qt::TabFocus);
    Display2->onPaint = [this](QPainter& painter) { Display1Paint(painter, RightView.get()); };
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
    const int w = m_geometry.DisplayWidth();
    const int h = m_geometry.DisplayHeight();
    SceneBackground = std::make_unique<TDibPlus>(w, h);
    LeftView = CreateView(w, h);
    RightView = CreateView(w, h);
    BuildBackground(*SceneBackground, m_roadPicture);
    FieldRows = ComputeField(m_geometry, kRestFieldAngle);
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
    if (n == 1)
        ComposeView(*view, *SceneBackground, FieldRows, m_geometry.EyeY(), false, LeftViewLines());
    else
        ComposeView(*view, *SceneBackground, FieldRows, m_geometry.EyeY(), Drunk && AppSettings.FlouFlag,
                    RightViewLines(Drunk, VehicleSpeed, FieldAngle));
}

void TChampF::Display1Paint(QPainter& painter, const TDibPlus* view)
{
    if (view)
        painter.drawImage(0, 0, view->Image());
    else
        painter.fillRect(painter.viewport(), Qt::black);
}

// ---- speed and mode -------------------------------------------------------------

void TChampF::ShowRightView()
{
    FieldRows = ComputeField(m_geometry, FieldAngle);
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
    const int w = m_geometry.DisplayWidth();
    QImage both(2 * w, m_geometry.DisplayHeight(), QImage::Format_RGB32);
    {
        Canvas canvas(both);
        LeftView->Draw(canvas, 0, 0);
        RightView->Draw(canvas, w, 0);
    }
    return both;
}
