#include "weight/organ/organwindow.h"

#include "app/settings/appsettings.h"
#include "canvas/picturehelpers.h"
#include "controls/plaincontrols.h"
#include "raster/tdibplus.h"
#include "shell/preferences/preferenceswindow.h"
#include "weight/organ/model/organmessages.h"
#include "weight/organ/model/organtable.h"
#include "window/picturemenu.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>

namespace {

// The smallest window, frame included.
constexpr QSize kMinOuterSize(750, 550);
constexpr int kOptionsPage = 6;

} // namespace

TPercutaF::TPercutaF(QWidget* parent)
    : ModuleWindow("PercutaF", ModuleCaption(QStringLiteral("Orgue cinétique")), parent)
{
    Display1 = MakePictureBox(this, "Display1", [this] { return &m_bench; });
    Display1->setMouseTracking(true);
    Display2 = MakePictureBox(this, "Display2", [this] { return &m_tubes; });
    Display2->setMouseTracking(true);
    connect(Display1, &PaintBox::MousePressed, this, &TPercutaF::Display1MouseDown);
    connect(Display1, &PaintBox::MouseMoved, this, &TPercutaF::Display1MouseMove);
    connect(Display1, &PaintBox::MouseReleased, this, &TPercutaF::Display1MouseUp);
    connect(Display2, &PaintBox::MousePressed, this, &TPercutaF::Display2MouseDown);
    connect(Display2, &PaintBox::MouseMoved, this, &TPercutaF::Display2MouseMove);

    AnimTimer = NewAnimationTimer(this, "AnimTimer", 40);
    connect(AnimTimer, &QTimer::timeout, this, &TPercutaF::AnimTimerTimer);

    CreatePanel();
    CreateMenu();
    WatchChildren();
    SetMinimumOuterSize(this, kMinOuterSize);
    resize(803, 576);
}

TPercutaF::~TPercutaF() = default;

// ---- show, close, layout ------------------------------------------------

void TPercutaF::showEvent(QShowEvent* event)
{
    ModuleWindow::showEvent(event);
    // A window restored from the task bar is not a new show.
    if (!m_shown)
        FormShow();
}

void TPercutaF::FormShow()
{
    m_shown = true;
    AppSettings.IndexTri = ValidSortMode(AppSettings.IndexTri);
    m_model.Reset(AppSettings.IndexTri);
    m_lastHint = -1;
    m_lastMessage.clear();
    m_drawnRevision = m_model.ListRevision() - 1;
    ApplyOptionSettings();
    {
        const QSignalBlocker blocker(ComboTri);
        ComboTri->setCurrentIndex(AppSettings.IndexTri);
    }
    Layout();
}

void TPercutaF::closeEvent(QCloseEvent* event)
{
    AnimTimer->stop();
    m_model.EndDrag();
    FreeBitmaps();
    m_shown = false;
    m_underMouse = nullptr;
    ModuleWindow::closeEvent(event);
}

void TPercutaF::resizeEvent(QResizeEvent* event)
{
    ModuleWindow::resizeEvent(event);
    Layout();
}

void TPercutaF::Layout()
{
    const OrganLayout layout = OrganLayout::ForClient(width(), height(), PanelHeight);
    Display1->setGeometry(5, 5, layout.DisplayWidth(), layout.BenchHeight());
    Display2->setGeometry(5, layout.BenchHeight() + 10, layout.DisplayWidth(), layout.TubesHeight());
    PlacePanel();
    if (!m_shown)
        return;
    // The message is shortened again for the new width.
    m_lastMessage.clear();
    ShowMessage(m_lastHint < 0 ? MessageElsewhere : m_lastHint);
    // A shot still flying is finished first: its steps were for the old size.
    m_model.SetLayout(layout);
    MakeBitmaps();
    m_drawnRevision = m_model.ListRevision() - 1;
    ModelChanged();
}

void TPercutaF::MakeBitmaps()
{
    const OrganLayout& layout = m_model.Layout();
    // At the resolution of the screen the window stands on (a move to
    // another screen comes as a resize, which lays out again).
    const qreal ratio = Display1->devicePixelRatioF();
    m_pictures.Build(layout, ratio);
    m_pictures.BuildStriker(layout, m_model.StrikerMass());
    m_strikerMass = m_model.StrikerMass();
    m_bench = NewPicture(QSize(layout.DisplayWidth(), layout.BenchHeight()), ratio);
    m_tubeField = NewPicture(QSize(layout.DisplayWidth(), layout.TubesHeight()), ratio);
    m_tubes = NewPicture(QSize(layout.DisplayWidth(), layout.TubesHeight()), ratio);
    m_benchTint = std::make_unique<TDibPlus>(layout.Px(32), layout.BenchHeight(), ratio);
    m_infoPanel = std::make_unique<TDibPlus>(250, 130, ratio);
}

void TPercutaF::FreeBitmaps()
{
    m_pictures.Clear();
    m_bench = QImage();
    m_tubeField = QImage();
    m_tubes = QImage();
    m_benchTint.reset();
    m_infoPanel.reset();
}

// ---- following the model ----------------------------------------------------

void TPercutaF::ModelChanged()
{
    if (!m_shown)
        return;
    DepartBout->setEnabled(m_model.CanLaunch());
    DelBout->setEnabled(m_model.CanDelete());
    ShowStriker();
    ShowPaging();
    if (m_drawnRevision != m_model.ListRevision())
        DrawTubeField();
    DrawBench();
    DrawTubes();
    SyncTimer();
}

void TPercutaF::ShowStriker()
{
    SpeedEd->setText(QStringLiteral(" %1").arg(m_model.StrikerSpeed()));
    MasseEd->setText(QStringLiteral(" %1").arg(m_model.StrikerMass()));
    if (m_strikerMass != m_model.StrikerMass()) {
        m_pictures.BuildStriker(m_model.Layout(), m_model.StrikerMass());
        m_strikerMass = m_model.StrikerMass();
    }
}

void TPercutaF::ShowPaging()
{
    const TubePaging& paging = m_model.Paging();
    PageLab->setText(paging.Label());
    PredBout->setEnabled(paging.CanGoBack());
    NextBout->setEnabled(paging.CanGoForward());
}

void TPercutaF::SyncTimer()
{
    if (!m_model.Shot().Flying())
        AnimTimer->stop();
    else if (!AnimTimer->isActive())
        AnimTimer->start();
}

// ---- the striker -----------------------------------------------------------------

void TPercutaF::DepartBoutClick()
{
    m_model.Launch();
    ModelChanged();
}

void TPercutaF::AnimTimerTimer()
{
    const unsigned revision = m_model.ListRevision();
    m_model.Tick();
    if (revision != m_model.ListRevision()) {
        ModelChanged();
        return;
    }
    DrawBench();
    SyncTimer();
}

void TPercutaF::SpeedSpinUpClick()
{
    m_model.SpeedUp();
    ModelChanged();
}

void TPercutaF::SpeedSpinDownClick()
{
    m_model.SpeedDown();
    ModelChanged();
}

void TPercutaF::MasseSpinUpClick()
{
    m_model.MassUp();
    ModelChanged();
}

void TPercutaF::MasseSpinDownClick()
{
    m_model.MassDown();
    ModelChanged();
}

void TPercutaF::Display1MouseDown(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_model.StartDrag(event->position().toPoint().x());
}

void TPercutaF::Display1MouseMove(QMouseEvent* event)
{
    if (m_model.Shot().Dragging()) {
        m_model.DragTo(event->position().toPoint().x());
        DrawBench();
    }
    ComposMove(Display1);
}

void TPercutaF::Display1MouseUp(QMouseEvent*)
{
    m_model.EndDrag();
}

// ---- the tubes -----------------------------------------------------------------

void TPercutaF::Display2MouseMove(QMouseEvent* event)
{
    const int before = m_model.Tubes().Hovered();
    m_model.Hover(m_model.TubeAt(event->position().x()));
    if (m_model.Tubes().Hovered() != before)
        DrawTubes();
    ComposMove(Display2);
}

void TPercutaF::Display2MouseLeave()
{
    if (m_model.Tubes().Hovered() < 0)
        return;
    m_model.Hover(-1);
    DrawTubes();
}

void TPercutaF::Display2MouseDown(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        Pop->popup(Display2->mapToGlobal(event->position().toPoint()));
        return;
    }
    m_model.Select(m_model.TubeAt(event->position().x()));
    DrawTubes();
}

void TPercutaF::ComboTriChange(int item)
{
    AppSettings.IndexTri = ValidSortMode(item);
    m_model.SetSortMode(AppSettings.IndexTri);
    ModelChanged();
}

void TPercutaF::TriMenuClick(int item)
{
    {
        const QSignalBlocker blocker(ComboTri);
        ComboTri->setCurrentIndex(item);
    }
    ComboTriChange(item);
}

void TPercutaF::PopPopup()
{
    const bool selected = m_model.Tubes().Selected() >= 0;
    DeselMenu->setEnabled(selected);
    DelMenu->setEnabled(selected);
    for (int mode = 0; mode < SortModeCount; ++mode)
        TriMenus[std::size_t(mode)]->setChecked(mode == m_model.Tubes().SortMode());
}

void TPercutaF::DeselMenuClick()
{
    m_model.Select(-1);
    DrawTubes();
}

void TPercutaF::DelBoutClick()
{
    m_model.DeleteSelected();
    ModelChanged();
}

void TPercutaF::NextBoutClick()
{
    m_model.NextPage();
    m_drawnRevision = m_model.ListRevision() - 1;
    ModelChanged();
    ShowMessage(MessageCode(m_underMouse));
}

void TPercutaF::PredBoutClick()
{
    m_model.PreviousPage();
    m_drawnRevision = m_model.ListRevision() - 1;
    ModelChanged();
    ShowMessage(MessageCode(m_underMouse));
}

bool TPercutaF::FormKeyDown(int key)
{
    if (key == Qt::Key_Delete) {
        DelBoutClick();
        return true;
    }
    if (key == Qt::Key_Escape) {
        DeselMenuClick();
        return true;
    }
    return false;
}

// ---- copies, options, help, calculator -------------------------------------------

void TPercutaF::CopyBoutClick()
{
    // A copy of its own: the window draws on its picture again.
    CopyPicture(m_tubes.copy());
}

void TPercutaF::SaveImMenuClick()
{
    SavePictureAtSize(this, m_tubes.copy(), QStringLiteral("orgue"), 1);
}

void TPercutaF::CopyDataBoutClick()
{
    TableColumns columns;
    columns.Vms = AppSettings.VmsFlag;
    columns.Vkmh = AppSettings.VkmhFlag;
    columns.Vcarre = AppSettings.VcarreFlag;
    columns.Masse = AppSettings.MasseFlag;
    columns.L0 = AppSettings.L0Flag;
    columns.Lf = AppSettings.LfFlag;
    columns.LEnf = AppSettings.LEnfFlag;
    columns.LPli = AppSettings.LPliFlag;
    QGuiApplication::clipboard()->setText(ValuesTable(m_model.Tubes().Tubes(), columns));
}

void TPercutaF::OptionsBoutClick()
{
    RunPreferencesDialog(kOptionsPage);
    ApplyOptionSettings();
    m_drawnRevision = m_model.ListRevision() - 1;
    ModelChanged();
}

void TPercutaF::ApplyOptionSettings()
{
    OptionsBout->setEnabled(AppSettings.OrgueAllowFlag);
    CalcBout->setEnabled(AppSettings.CalcFlag);
    m_model.SetScatter(AppSettings.OrgueRandomFlag);
}
