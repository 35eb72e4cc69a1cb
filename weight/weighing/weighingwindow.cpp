// The weight window's controls, layout, show and close sequence and
// painting; its handlers are in weighingevents.cpp.
#include "weight/weighing/weighingwindow.h"

#include "app/settings/appsettings.h"
#include "canvas/picturehelpers.h"
#include "controls/plaincontrols.h"
#include "platform/calculatorname.h"
#include "platform/resources/namedresources.h"
#include "raster/globeview.h"
#include "weight/weighing/model/placetable.h"
#include "weight/weighing/model/weighingobjects.h"
#include "window/picturemenu.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int kDesignWidth = 742;
constexpr int kDesignHeight = 523;
constexpr int kPanel1Height = 44;
constexpr int kPanel2Height = 137;
constexpr int kReservedHeight = 400; // the panels and the globes
constexpr int kFullZoneHeight = 252;
constexpr int kZoneGapAbovePanel = 5;
constexpr int kComboHeight = 22;
constexpr int kObjetComboWidth = 330;
constexpr int kButtonW = 33;
constexpr int kButtonH = 30;

const char* const kDisplayNames[] = {"Display1", "Display2", "Display3"};
const char* const kZoneNames[] = {"Zone1", "Zone2", "Zone3"};
const char* const kComboNames[] = {"Lieu1Combo", "Lieu2Combo", "Lieu3Combo"};

void Place(QWidget* widget, int x, int y, int w, int h)
{
    widget->setGeometry(x, y, w, h);
}

// A drop-down list whose opened list is wide enough for its longest item.
QComboBox* MakeCombo(QWidget* parent, const char* name)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setMaxVisibleItems(18);
    return combo;
}

void FitListToItems(QComboBox* combo)
{
    int widest = 0;
    for (int i = 0; i < combo->count(); ++i)
        widest = std::max(widest, combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
    combo->view()->setMinimumWidth(widest + 30);
}

} // namespace

TPoidsF::TPoidsF(QWidget* parent)
    : ModuleWindow("PoidsF", ModuleCaption(QStringLiteral("Poids d'un objet")), parent)
{
    // The smallest window, frame included: the design's client size.
    SetMinimumOuterSize(this, QSize(750, 550));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    CreateControls();
    CreatePanels();
    SetHints();
    resize(kDesignWidth, kDesignHeight);
}

TPoidsF::~TPoidsF()
{
    if (m_shown)
        FormClose();
}

void TPoidsF::CreateControls()
{
    for (int column = 1; column <= kWeightColumns; ++column) {
        MeasureColumn& c = At(column);
        c.display = MakePictureBox(
            this, kDisplayNames[column - 1], [column] { return &GlobePicture(column); }, Qt::black);
        c.display->resize(kGlobePictureSide, kGlobePictureSide);
        connect(c.display, &PaintBox::MousePressed, this,
                [this, column](QMouseEvent* e) { Display1MouseDown(column, e->position().toPoint(), e->button()); });
        connect(c.display, &PaintBox::MouseMoved, this,
                [this, column](QMouseEvent* e) { Display1MouseMove(column, e->position().toPoint(), e->buttons()); });
        connect(c.display, &PaintBox::MouseReleased, this, [this, column](QMouseEvent*) { Display1MouseUp(column); });

        c.zone = MakePictureBox(
            this, kZoneNames[column - 1], [this, column] { return &At(column).zoneImage; }, Qt::black);
        connect(c.zone, &PaintBox::MousePressed, this, &TPoidsF::ColorBoutClick);
    }

    Timer = NewAnimationTimer(this, "Timer", 100);
    connect(Timer, &QTimer::timeout, this, &TPoidsF::TimerEvent);
    AnimTimer = NewAnimationTimer(this, "AnimTimer", 50);
    connect(AnimTimer, &QTimer::timeout, this, &TPoidsF::AnimTimerTimer);
}

QToolButton* TPoidsF::MakeButton(const char* name, const char* picture, const QString& hint)
{
    return MakeSpeedButton(Panel1, name, picture, hint);
}

void TPoidsF::CreatePanels()
{
    // The panels keep the ordinary window colours on the black window.
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    QPalette ordinary = palette();
    ordinary.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    for (QWidget* panel : {Panel1, Panel2}) {
        panel->setPalette(ordinary);
        panel->setAutoFillBackground(true);
    }

    ObjetLabel = new QLabel(QStringLiteral("Objet :"), Panel2);
    ObjetLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ObjetCombo = MakeCombo(Panel2, "ObjetCombo");
    for (int object = 0; object < kObjectCount; ++object)
        ObjetCombo->addItem(ObjectItemText(object));
    FitListToItems(ObjetCombo);
    connect(ObjetCombo, &QComboBox::currentIndexChanged, this, &TPoidsF::ObjetComboChange);
    for (int column = 1; column <= kWeightColumns; ++column) {
        MeasureColumn& c = At(column);
        c.label = new QLabel(QStringLiteral("Lieu n°%1 :").arg(column), Panel2);
        c.combo = MakeCombo(Panel2, kComboNames[column - 1]);
        connect(c.combo, &QComboBox::currentIndexChanged, this,
                [this, column](int place) { LieuComboChange(column, place); });
    }

    CloseBout = MakeButton("CloseBout", "MotionClose", QStringLiteral(" Fermer la fenêtre"));
    AideBout = MakeButton("AideBout", "MotionHelp", QStringLiteral(" Accéder à l'aide"));
    CopierBout = MakeButton("CopierBout", "MotionCopy", QStringLiteral(" Copier l'image dans le presse-papiers"));
    CalcBout = MakeButton("CalcBout", "MotionCalc", WithCalculatorName(QStringLiteral(" Accéder à {calculatrice}")));
    ColorBout = MakeButton("ColorBout", "PoidsColor", QStringLiteral(" Changer la couleur d'affichage"));
    OptionsBout = MakeButton("OptionsBout", "PoidsOptions", QStringLiteral(" Accéder aux préférences du logiciel"));
    const std::array<QToolButton*, 6> buttons{CloseBout, AideBout, CopierBout, CalcBout, ColorBout, OptionsBout};
    const std::array<int, 6> lefts{8, 42, 84, 118, 160, 194};
    for (std::size_t b = 0; b < buttons.size(); ++b)
        Place(buttons[b], lefts[b], 7, kButtonW, kButtonH);
    connect(CloseBout, &QToolButton::clicked, this, &QWidget::close);
    connect(AideBout, &QToolButton::clicked, this, &TPoidsF::AideBoutClick);
    connect(CopierBout, &QToolButton::clicked, this, &TPoidsF::CopierBoutClick);
    AddPictureMenu(CopierBout, {[this] { return CopiedPicture(); }, [] { return QStringLiteral("poids"); }});
    connect(CalcBout, &QToolButton::clicked, this, &TPoidsF::CalcBoutClick);
    connect(ColorBout, &QToolButton::clicked, this, &TPoidsF::ColorBoutClick);
    connect(OptionsBout, &QToolButton::clicked, this, &TPoidsF::OptionsBoutClick);
}

void TPoidsF::SetHints()
{
    ObjetCombo->setToolTip(QStringLiteral(" Sélectionner un objet"));
    for (MeasureColumn& c : m_columns) {
        c.combo->setToolTip(QStringLiteral(" Choisir un lieu pour la mesure du poids"));
        c.display->setToolTip(QStringLiteral(" Faire glisser la souris pour tourner le globe"));
    }
}

// ------------------------------------------------------------ show and close

void TPoidsF::showEvent(QShowEvent* event)
{
    ModuleWindow::showEvent(event);
    // A window restored from the task bar is not a new show.
    if (!event->spontaneous() && !m_shown)
        FormShow();
}

void TPoidsF::closeEvent(QCloseEvent* event)
{
    if (m_shown)
        FormClose();
    ModuleWindow::closeEvent(event);
}

void TPoidsF::ApplySettings()
{
    ColorBout->setEnabled(AppSettings.LCDCoulFlag);
    CalcBout->setEnabled(AppSettings.CalcFlag);
}

void TPoidsF::LoadPlaceTexts()
{
    // Read afresh at every show, into emptied lists.
    m_places = ParsePlaceTexts(LoadNamedText1252(QStringLiteral("Lieux")), kPlaceCount);
    for (MeasureColumn& c : m_columns) {
        const QSignalBlocker blocker(c.combo);
        c.combo->clear();
        c.combo->addItems(m_places.items);
        FitListToItems(c.combo);
    }
}

void TPoidsF::FormShow()
{
    m_shown = true;
    ApplySettings();
    LoadPlaceTexts();
    m_face.Build(devicePixelRatioF());
    m_face.SetColour(AppSettings.clDigits);
    Timer->stop();
    AnimTimer->stop();
    m_object = 0;
    m_picture.Clear();
    m_dragging = false;
    for (int column = 1; column <= kWeightColumns; ++column) {
        GlobePlace[column] = column == 1 ? 1 : 0;
        GlobeTurn[column] = 0;
        GlobeTilt[column] = 0;
        At(column).scale.Rest(0.0);
        At(column).move.Stop();
    }
    SetGlobePlaceTable(PlaceTable);
    AllocateGlobes(1, kWeightColumns);
    for (int column = 1; column <= kWeightColumns; ++column) {
        SetGlobeRatio(column, At(column).display->devicePixelRatioF());
        LoadGlobeMap(column, false);
        RenderGlobe(column);
        const QSignalBlocker blocker(At(column).combo);
        At(column).combo->setCurrentIndex(GlobePlace[column]);
    }
    {
        const QSignalBlocker blocker(ObjetCombo);
        ObjetCombo->setCurrentIndex(0);
    }
    FormResize();
    StartGlobeMove(1);
}

void TPoidsF::FormClose()
{
    m_shown = false;
    Timer->stop();
    AnimTimer->stop();
    m_dragging = false;
    for (MeasureColumn& c : m_columns) {
        c.move.Stop();
        c.zoneImage = QImage();
        const QSignalBlocker blocker(c.combo);
        c.combo->clear();
    }
    m_places = PlaceTexts();
    m_picture.Clear();
    m_face.Release();
    FreeGlobes(1, kWeightColumns, false);
}

// ------------------------------------------------------------------ layout

void TPoidsF::resizeEvent(QResizeEvent* event)
{
    ModuleWindow::resizeEvent(event);
    FormResize();
}

void TPoidsF::FormResize()
{
    const int width = this->width();
    const int height = this->height();
    const int h = height - kReservedHeight;
    // The columns grow up to their full height, then the globes come down
    // to the middle of the room left above them: no jump in between.
    m_zoneHeight = std::clamp(h, 1, kFullZoneHeight);
    const int displayTop = std::max(2, (h - kFullZoneHeight) / 2);
    const int panel1Top = height - kPanel1Height;
    const int panel2Top = panel1Top - kPanel2Height;
    Place(Panel1, 0, panel1Top, width, kPanel1Height);
    Place(Panel2, 0, panel2Top, width, kPanel2Height);
    m_columnGap = (width - kWeightColumns * kScaleWidth) / 4;
    for (int column = 1; column <= kWeightColumns; ++column) {
        MeasureColumn& c = At(column);
        const int left = column * m_columnGap + (column - 1) * kScaleWidth;
        c.display->move(left, displayTop);
        Place(c.zone, left, panel2Top - m_zoneHeight - kZoneGapAbovePanel, kScaleWidth, m_zoneHeight);
        Place(c.label, left, 10, kScaleWidth, 14);
        Place(c.combo, left, 26, kGlobePictureSide, kComboHeight);
    }
    const int objetLeft = (width - kObjetComboWidth) / 2;
    Place(ObjetCombo, objetLeft, 84, kObjetComboWidth, kComboHeight);
    Place(ObjetLabel, objetLeft - 60, 84, 54, kComboHeight);
    if (!m_shown)
        return;
    // Everything is composed again at the resolution of the screen the
    // window stands on now: it may have moved to another one.
    const qreal ratio = devicePixelRatioF();
    if (m_face.Ratio() != ratio) {
        m_face.Build(ratio);
        m_face.SetColour(m_face.Colour());
    }
    for (MeasureColumn& c : m_columns) {
        c.zoneImage = NewPicture(QSize(kScaleWidth, m_zoneHeight), c.zone->devicePixelRatioF());
        c.zoneImage.fill(Qt::black);
    }
    m_picture.Fit(m_zoneHeight, ratio);
    DrawAllZones();
    for (int column = 1; column <= kWeightColumns; ++column)
        RenderGlobe(column);
}
