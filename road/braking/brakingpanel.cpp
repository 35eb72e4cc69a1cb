// The braking window's control panel: every control at its design place,
// the settings shown in it, its running and idle states, and the handlers
// that change the settings.
#include "road/braking/brakingwindow.h"

#include "app/settings/appsettings.h"
#include "controls/plaincontrols.h"
#include "platform/resources/namedresources.h"
#include "road/braking/model/brakingsettings.h"
#include "window/picturemenu.h"

#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr QSize kButtonSize(32, 38);
constexpr int kComboHeight = 22;
constexpr int kSecondVehicleOffset = 68;

QLabel* Label(QWidget* parent, const char* name, const QString& text, int x, int y)
{
    auto* created = new QLabel(text, parent);
    created->setObjectName(QString::fromLatin1(name));
    created->move(x, y);
    created->adjustSize();
    return created;
}

QToolButton* Button(QWidget* parent, const char* name, const char* picture, int x, int y)
{
    QToolButton* created = MakeSpeedButton(parent, name, picture, {});
    created->setGeometry(QRect(QPoint(x, y), kButtonSize));
    return created;
}

QComboBox* Combo(QWidget* parent, const QString& name, const QStringList& items, int x, int y, int width)
{
    auto* created = new QComboBox(parent);
    created->setObjectName(name);
    created->addItems(items);
    created->setGeometry(x, y, width, kComboHeight);
    return created;
}

QFrame* MakeBevel(QWidget* parent, const char* name, QFrame::Shape shape, const QRect& place)
{
    auto* created = new QFrame(parent);
    created->setObjectName(QString::fromLatin1(name));
    created->setFrameShape(shape);
    created->setFrameShadow(QFrame::Sunken);
    created->setGeometry(place);
    return created;
}

int& SpeedSetting(int k)
{
    return k == 2 ? AppSettings.VitesseCible2 : AppSettings.VitesseCible1;
}

} // namespace

void TFreinageF::CreatePanel()
{
    Panneau = new QWidget(this);
    Panneau->setObjectName("Panneau");

    DepartBout = Button(Panneau, "DepartBout", "FreinDepart", 7, 6);
    PauseBout = Button(Panneau, "PauseBout", "FreinPause", 41, 6);
    PauseBout->setCheckable(true);
    QIcon pauseIcon = PauseBout->icon();
    pauseIcon.addPixmap(QPixmap::fromImage(LoadNamedPicture(QStringLiteral("FreinReprise"))), QIcon::Normal, QIcon::On);
    PauseBout->setIcon(pauseIcon);
    StopBout = Button(Panneau, "StopBout", "FreinStop", 75, 6);
    PasLab = Label(Panneau, "PasLab", QStringLiteral("Echelle temporelle :"), 117, 7);
    PasBar = new QSlider(Qt::Horizontal, Panneau);
    PasBar->setObjectName("PasBar");
    PasBar->setRange(1, 3);
    PasBar->setPageStep(1);
    PasBar->setTickPosition(QSlider::TicksBelow);
    PasBar->setGeometry(116, 22, 41, 21);
    ZoomPlusBout = Button(Panneau, "ZoomPlusBout", "FreinZoomPlus", 7, 46);
    ZoomMoinsBout = Button(Panneau, "ZoomMoinsBout", "FreinZoomMoins", 41, 46);
    ZoomAdapteBout = Button(Panneau, "ZoomAdapteBout", "FreinZoomAdapte", 75, 46);
    CloseBout = Button(Panneau, "CloseBout", "FreinFermer", 7, 90);
    AideBout = Button(Panneau, "AideBout", "FreinAide", 41, 90);
    CopierBout = Button(Panneau, "CopierBout", "FreinCopier", 75, 90);
    CalcBout = Button(Panneau, "CalcBout", "FreinCalc", 109, 90);
    OptionsBout = Button(Panneau, "OptionsBout", "FreinOptions", 143, 90);

    CreateVehicleControls(1, 0);
    CreateVehicleControls(2, kSecondVehicleOffset);

    MessLab = Label(Panneau, "MessLab", QString(), 14, 132);
    MessLab->setGeometry(14, 132, 737, 14);
    Bevel = MakeBevel(Panneau, "Bevel", QFrame::Box, QRect(5, 131, 983, 16));
    MakeBevel(Panneau, "Bevel1", QFrame::HLine, QRect(224, 64, 529, 2));
    MakeBevel(Panneau, "Bevel2", QFrame::VLine, QRect(220, 4, 2, 124));
    Bevel->lower();
}

void TFreinageF::CreateVehicleControls(int k, int top)
{
    const std::size_t i = std::size_t(k - 1);
    const QString n = QString::number(k);
    const bool first = k == 1;
    Label(Panneau, first ? "Label2" : "Label3", QStringLiteral("Vitesse :"), 233, 9 + top);
    SpeedSpins[i] = new SpinButton(Panneau);
    SpeedSpins[i]->setObjectName("Speed" + n + "Spin");
    SpeedSpins[i]->move(293, 6 + top);
    SpeedEds[i] = new QLineEdit(Panneau);
    SpeedEds[i]->setObjectName("Speed" + n + "Ed");
    // Typing changes nothing: the speed is set with the arrows.
    SpeedEds[i]->setReadOnly(true);
    SpeedEds[i]->setText(QStringLiteral(" 180"));
    SpeedEds[i]->setGeometry(314, 6 + top, 29, 22);
    SpeedLabs[i]
        = Label(Panneau, first ? "SpeedLab1" : "SpeedLab2", QStringLiteral("km/h"), first ? 349 : 345, 9 + top);
    Label(Panneau, first ? "Label6" : "Label11", QStringLiteral("Freins :"), 461, 9 + top);
    FreinsCombos[i]
        = Combo(Panneau, "Freins" + n + "Combo", {QStringLiteral("Neufs"), QStringLiteral("Usagés")}, 504, 6 + top, 69);
    Label(Panneau, first ? "Label7" : "Label10", QStringLiteral("Chaussée :"), 233, 37 + top);
    RouteCombos[i] = Combo(
        Panneau, "Route" + n + "Combo",
        {QStringLiteral(" Chaussée sèche"), QStringLiteral(" Chaussée humide"), QStringLiteral(" Chaussée glissante")},
        292, 34 + top, 125);
    Label(Panneau, first ? "Label8" : "Label12", QStringLiteral("T. de réaction :"), 429, 37 + top);
    ReactionCombos[i]
        = Combo(Panneau, "Reaction" + n + "Combo",
                {QStringLiteral("0,5 s"), QStringLiteral("1 s"), QStringLiteral("2 s"), QStringLiteral("3 s")}, 504,
                34 + top, 69);
    auto* icon = new PaintBox(Panneau);
    icon->setObjectName(first ? "AutoIconeRZone" : "AutoIconeGZone");
    icon->setGeometry(584, 6 + top, 173, 51);
    icon->onPaint = [this, icon, first](QPainter& painter) {
        const QImage& picture = first ? m_scene.IconRed() : m_scene.IconGreen();
        if (picture.isNull())
            painter.fillRect(icon->rect(), palette().color(QPalette::Button));
        else
            painter.drawImage(0, 0, picture);
    };
    AutoIcones[i] = icon;
}

void TFreinageF::ConnectControls()
{
    connect(DepartBout, &QToolButton::clicked, this, &TFreinageF::DepartBoutClick);
    connect(PauseBout, &QToolButton::toggled, this, &TFreinageF::PauseBoutClick);
    connect(StopBout, &QToolButton::clicked, this, &TFreinageF::StopBoutClick);
    connect(ZoomPlusBout, &QToolButton::clicked, this, &TFreinageF::ZoomPlusBoutClick);
    connect(ZoomMoinsBout, &QToolButton::clicked, this, &TFreinageF::ZoomMoinsBoutClick);
    connect(ZoomAdapteBout, &QToolButton::clicked, this, &TFreinageF::ZoomAdapteBoutClick);
    connect(CloseBout, &QToolButton::clicked, this, &QWidget::close);
    connect(AideBout, &QToolButton::clicked, this, &TFreinageF::AideBoutClick);
    connect(CopierBout, &QToolButton::clicked, this, &TFreinageF::CopierBoutClick);
    AddPictureMenu(CopierBout, {[this] { return CopiedPicture(); }, [] { return QStringLiteral("freinage"); }});
    connect(CalcBout, &QToolButton::clicked, this, &TFreinageF::CalcBoutClick);
    connect(OptionsBout, &QToolButton::clicked, this, &TFreinageF::OptionsBoutClick);
    connect(PasBar, &QSlider::valueChanged, this, &TFreinageF::PasBarChange);
    for (int k = 1; k <= 2; ++k) {
        const std::size_t i = std::size_t(k - 1);
        connect(SpeedSpins[i], &SpinButton::UpClick, this, [this, k] { SpeedSpinUpClick(k); });
        connect(SpeedSpins[i], &SpinButton::DownClick, this, [this, k] { SpeedSpinDownClick(k); });
        // Only what the user chooses: the program sets the combos silently.
        connect(FreinsCombos[i], &QComboBox::activated, this, [this, k](int item) { FreinsComboChange(k, item); });
        connect(RouteCombos[i], &QComboBox::activated, this, [this, k](int item) { RouteComboChange(k, item); });
        connect(ReactionCombos[i], &QComboBox::activated, this, [this, k](int item) { ReactionComboChange(k, item); });
    }
}

// ---- settings and states -------------------------------------------------------

void TFreinageF::SettingsIntoControls()
{
    AppSettingsRecord& s = AppSettings;
    // Values the controls cannot show (a hand-edited file) become the entry
    // the controls show for them, so that what is shown is what runs.
    s.VitesseCible1 = OfferedSpeed(s.VitesseCible1);
    s.VitesseCible2 = OfferedSpeed(s.VitesseCible2);
    s.TempsReac1 = OfferedReaction(s.TempsReac1);
    s.TempsReac2 = OfferedReaction(s.TempsReac2);
    s.CoeffRoute1 = OfferedRoad(s.CoeffRoute1);
    s.CoeffRoute2 = OfferedRoad(s.CoeffRoute2);
    s.PasAnim0 = OfferedTimeStep(s.PasAnim0);

    CalcBout->setEnabled(s.CalcFlag);
    OptionsBout->setEnabled(s.FreinageAllowFlag);
    {
        const QSignalBlocker blocker(PasBar);
        PasBar->setValue(TimeStepPosition(s.PasAnim0));
    }
    PasBar->setEnabled(s.AnimPasFlag);
    PasLab->setEnabled(s.AnimPasFlag);
    const std::array<bool, 2> worn{s.BasBrake1, s.BasBrake2};
    const std::array<int, 2> roads{s.CoeffRoute1, s.CoeffRoute2};
    const std::array<int, 2> reactions{s.TempsReac1, s.TempsReac2};
    for (std::size_t i = 0; i < 2; ++i) {
        const QSignalBlocker freins(FreinsCombos[i]);
        const QSignalBlocker route(RouteCombos[i]);
        const QSignalBlocker reaction(ReactionCombos[i]);
        FreinsCombos[i]->setCurrentIndex(worn[i] ? 1 : 0);
        RouteCombos[i]->setCurrentIndex(RoadItem(roads[i]));
        ReactionCombos[i]->setCurrentIndex(ReactionItem(reactions[i]));
        ShowSpeed(int(i) + 1);
    }
}

void TFreinageF::ShowSpeed(int k)
{
    SpeedEds[std::size_t(k - 1)]->setText(QLatin1Char(' ') + QString::number(SpeedSetting(k)));
}

void TFreinageF::ControlsState()
{
    const bool running = m_session.AnyRunning();
    PauseBout->setEnabled(running);
    SetCheckedSilently(PauseBout, running && !AnimTimer->isActive());
    ZoomAdapteBout->setEnabled(!running && m_session.RunMade());
    PasBar->setEnabled(!running && AppSettings.AnimPasFlag);
    for (std::size_t i = 0; i < 2; ++i) {
        for (QWidget* control : std::initializer_list<QWidget*>{SpeedSpins[i], SpeedEds[i], FreinsCombos[i],
                                                                RouteCombos[i], ReactionCombos[i]})
            control->setEnabled(!running);
    }
}

// ---- settings handlers --------------------------------------------------------

void TFreinageF::SpeedSpinUpClick(int k)
{
    SpeedSetting(k) = SpeedUp(SpeedSetting(k));
    ShowSpeed(k);
}

void TFreinageF::SpeedSpinDownClick(int k)
{
    SpeedSetting(k) = SpeedDown(SpeedSetting(k));
    ShowSpeed(k);
}

void TFreinageF::ReactionComboChange(int k, int item)
{
    (k == 2 ? AppSettings.TempsReac2 : AppSettings.TempsReac1) = ReactionForItem(item);
}

void TFreinageF::RouteComboChange(int k, int item)
{
    (k == 2 ? AppSettings.CoeffRoute2 : AppSettings.CoeffRoute1) = RoadForItem(item);
}

void TFreinageF::FreinsComboChange(int k, int item)
{
    (k == 2 ? AppSettings.BasBrake2 : AppSettings.BasBrake1) = item == 1;
}

void TFreinageF::PasBarChange(int position)
{
    AppSettings.PasAnim0 = TimeStepForPosition(position);
}
