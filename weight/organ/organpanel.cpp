// The kinetic organ's bottom panel and popup menu: the window's buttons on
// the left, the striker's speed and mass, the launch button, paging, the
// sort list, the edit and copy buttons, and the message bar along the
// bottom.
#include "weight/organ/organwindow.h"

#include "controls/plaincontrols.h"
#include "platform/calculator.h"
#include "platform/helpviewer.h"
#include "window/picturemenu.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <array>
#include <tuple>

namespace {

constexpr int kButtonW = 33;
constexpr int kButtonH = 30;

QLabel* Label(QWidget* panel, const char* name, const QString& text, QRect geometry,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* result = new QLabel(text, panel);
    result->setObjectName(QString::fromLatin1(name));
    result->setGeometry(geometry);
    result->setAlignment(alignment);
    return result;
}

QToolButton* Button(QWidget* panel, const char* name, const char* picture, QRect geometry)
{
    QToolButton* result = MakeSpeedButton(panel, name, picture, {});
    result->setGeometry(geometry);
    return result;
}

void Separator(QWidget* panel, int x)
{
    auto* line = new QFrame(panel);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(x, 4, 2, 64);
}

// What the edit box shows is set by the step buttons only.
QLineEdit* ValueBox(QWidget* panel, const char* name, QRect geometry)
{
    auto* edit = new QLineEdit(panel);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setGeometry(geometry);
    return edit;
}

// A row of the striker's block whose step buttons' top is `top`: a caption,
// the step buttons, the value box and the unit, named as `names` says.
std::tuple<QLabel*, SpinButton*, QLineEdit*, QLabel*>
ValueRow(QWidget* panel, int top, const std::array<const char*, 4>& names, const QString& caption, const QString& unit)
{
    QLabel* captionLabel = Label(panel, names[0], caption, {44, top + 2, 106, 18}, Qt::AlignRight | Qt::AlignVCenter);
    auto* spin = new SpinButton(panel);
    spin->setObjectName(QString::fromLatin1(names[1]));
    spin->setGeometry(152, top, 17, 22);
    QLineEdit* box = ValueBox(panel, names[2], {171, top, 38, 22});
    return {captionLabel, spin, box, Label(panel, names[3], unit, {213, top + 2, 30, 18})};
}

} // namespace

// Every control stands within the narrowest client width (742 pixels).
void TPercutaF::CreatePanel()
{
    Panneau = new QWidget(this);
    Panneau->setObjectName(QStringLiteral("Panneau"));
    Panneau->resize(width(), PanelHeight);

    CloseBout = Button(Panneau, "CloseBout", "MotionClose", {4, 6, kButtonW, kButtonH});
    AideBout = Button(Panneau, "AideBout", "MotionHelp", {4, 38, kButtonW, kButtonH});
    Separator(Panneau, 41);
    CreateSpeedAndMass(Panneau);
    Separator(Panneau, 244);

    DepartBout = Button(Panneau, "DepartBout", "OrganLaunch", {250, 8, 44, 56});
    Separator(Panneau, 300);

    PredBout = Button(Panneau, "PredBout", "OrganPrevious", {306, 22, 26, 26});
    PageLab = Label(Panneau, "PageLab", {}, {334, 16, 92, 38}, Qt::AlignCenter);
    NextBout = Button(Panneau, "NextBout", "OrganNext", {428, 22, 26, 26});
    Separator(Panneau, 460);

    TriLab = Label(Panneau, "TriLab", QStringLiteral("Trier les tubes :"), {467, 10, 150, 16});
    ComboTri = new QComboBox(Panneau);
    ComboTri->setObjectName(QStringLiteral("ComboTri"));
    ComboTri->setGeometry(467, 32, 152, 22);
    for (const char* item : {" Pas de tri", " Par vitesse croissante", " Par vitesse décroissante",
                             " Par masse croissante", " Par masse décroissante"})
        ComboTri->addItem(QString::fromUtf8(item));
    Separator(Panneau, 625);

    DelBout = Button(Panneau, "DelBout", "OrganDelete", {631, 6, kButtonW, kButtonH});
    CopyDataBout = Button(Panneau, "CopyDataBout", "OrganCopyData", {665, 6, kButtonW, kButtonH});
    CopyBout = Button(Panneau, "CopyBout", "MotionCopy", {699, 6, kButtonW, kButtonH});
    OptionsBout = Button(Panneau, "OptionsBout", "OrganOptions", {631, 38, kButtonW, kButtonH});
    CalcBout = Button(Panneau, "CalcBout", "MotionCalc", {665, 38, kButtonW, kButtonH});

    Bevel = new QFrame(Panneau);
    Bevel->setObjectName(QStringLiteral("Bevel"));
    Bevel->setFrameShape(QFrame::Panel);
    Bevel->setFrameShadow(QFrame::Sunken);
    MessLab = Label(Panneau, "MessLab", {}, {});

    connect(CloseBout, &QToolButton::clicked, this, &QWidget::close);
    connect(AideBout, &QToolButton::clicked, this, [] { ShowHelpTopic(QStringLiteral("ORGUE")); });
    connect(CalcBout, &QToolButton::clicked, this, [] { OpenCalculator(); });
    connect(DepartBout, &QToolButton::clicked, this, &TPercutaF::DepartBoutClick);
    connect(PredBout, &QToolButton::clicked, this, &TPercutaF::PredBoutClick);
    connect(NextBout, &QToolButton::clicked, this, &TPercutaF::NextBoutClick);
    connect(DelBout, &QToolButton::clicked, this, &TPercutaF::DelBoutClick);
    connect(CopyDataBout, &QToolButton::clicked, this, &TPercutaF::CopyDataBoutClick);
    connect(CopyBout, &QToolButton::clicked, this, &TPercutaF::CopyBoutClick);
    AddPictureMenu(CopyBout, {[this] { return m_tubes.copy(); }, [] { return QStringLiteral("orgue"); }});
    connect(OptionsBout, &QToolButton::clicked, this, &TPercutaF::OptionsBoutClick);
    // Choosing the mode already shown sorts again and drops the selection too.
    connect(ComboTri, &QComboBox::activated, this, &TPercutaF::ComboTriChange);
}

void TPercutaF::CreateSpeedAndMass(QWidget* panel)
{
    std::tie(SpeedLab0, SpeedSpin, SpeedEd, SpeedLab)
        = ValueRow(panel, 8, {"SpeedLab0", "SpeedSpin", "SpeedEd", "SpeedLab"}, QStringLiteral("Vitesse :"),
                   QStringLiteral("km/h"));
    std::tie(Masselab0, MasseSpin, MasseEd, MasseLab)
        = ValueRow(panel, 40, {"Masselab0", "MasseSpin", "MasseEd", "MasseLab"}, QStringLiteral("Masse du percuteur :"),
                   QStringLiteral("kg"));

    connect(SpeedSpin, &SpinButton::UpClick, this, &TPercutaF::SpeedSpinUpClick);
    connect(SpeedSpin, &SpinButton::DownClick, this, &TPercutaF::SpeedSpinDownClick);
    connect(MasseSpin, &SpinButton::UpClick, this, &TPercutaF::MasseSpinUpClick);
    connect(MasseSpin, &SpinButton::DownClick, this, &TPercutaF::MasseSpinDownClick);
}

void TPercutaF::PlacePanel()
{
    Panneau->setGeometry(0, height() - PanelHeight, width(), PanelHeight);
    Bevel->setGeometry(4, 74, width() - 8, 26);
    MessLab->setGeometry(10, 78, width() - 20, 18);
}

void TPercutaF::CreateMenu()
{
    Pop = new QMenu(this);
    Pop->setObjectName(QStringLiteral("Pop"));
    DeselMenu = Pop->addAction(QStringLiteral("&Invalider la sélection"), this, &TPercutaF::DeselMenuClick);
    DeselMenu->setObjectName(QStringLiteral("DeselMenu"));
    DelMenu = Pop->addAction(QStringLiteral("&Supprimer le tube sélectionné"), this, &TPercutaF::DelBoutClick);
    DelMenu->setObjectName(QStringLiteral("DelMenu"));
    Pop->addSeparator();
    const char* sortTexts[SortModeCount]
        = {"&Pas de tri", "Vitesse &croissante", "&Vitesse &décroissante", "&Masse croissante", "M&asse décroissante"};
    for (int mode = 0; mode < SortModeCount; ++mode) {
        QAction* entry = Pop->addAction(QString::fromUtf8(sortTexts[mode]), this, [this, mode] { TriMenuClick(mode); });
        entry->setObjectName(QStringLiteral("TriMenu%1").arg(mode));
        entry->setCheckable(true);
        TriMenus[std::size_t(mode)] = entry;
    }
    Pop->addSeparator();
    CopyValMenu = Pop->addAction(QStringLiteral("C&opier les valeurs sous forme de tableau"), this,
                                 &TPercutaF::CopyDataBoutClick);
    CopyValMenu->setObjectName(QStringLiteral("CopyValMenu"));
    CopyImMenu
        = Pop->addAction(QStringLiteral("Copier l'&image dans le presse-papiers"), this, &TPercutaF::CopyBoutClick);
    CopyImMenu->setObjectName(QStringLiteral("CopyImMenu"));
    SaveImMenu = Pop->addAction(QStringLiteral("&Enregistrer l'image..."), this, &TPercutaF::SaveImMenuClick);
    SaveImMenu->setObjectName(QStringLiteral("SaveImMenu"));
    QAction* saveLarge = Pop->addAction(QStringLiteral("Enregistrer l'image en &taille double..."), this, [this] {
        SavePictureAtSize(this, m_tubes.copy(), QStringLiteral("orgue"), 2);
    });
    saveLarge->setObjectName(QStringLiteral("SaveImDoubleMenu"));
    connect(Pop, &QMenu::aboutToShow, this, &TPercutaF::PopPopup);
}
