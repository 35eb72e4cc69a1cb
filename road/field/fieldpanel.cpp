// The bottom panel of the visual-field window: close, options, help and
// copy on the left, the choice between speed and alcohol, the speed.
#include "road/field/fieldwindow.h"

#include "controls/plaincontrols.h"
#include "platform/resources/namedresources.h"
#include "window/picturemenu.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>

namespace {

constexpr int kPanelHeight = 84;

QToolButton* PanelButton(QWidget* panel, const char* name, const char* picture, int x, int y)
{
    QToolButton* button = MakeSpeedButton(panel, name, picture, {});
    button->setGeometry(x, y, 32, 38);
    return button;
}

QLabel* Label(QWidget* panel, const char* name, const QString& text, int x, int y)
{
    auto* result = new QLabel(text, panel);
    result->setObjectName(QString::fromLatin1(name));
    result->move(x, y);
    result->adjustSize();
    return result;
}

void VerticalBevel(QWidget* panel, int x)
{
    auto* bevel = new QFrame(panel);
    bevel->setFrameShape(QFrame::VLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(x, 0, 2, kPanelHeight);
}

} // namespace

void TChampF::CreatePanel()
{
    Panneau = new QWidget(this);
    Panneau->setObjectName(QStringLiteral("Panneau"));
    Panneau->resize(width(), kPanelHeight);

    CloseBout = PanelButton(Panneau, "CloseBout", "MotionClose", 5, 3);
    OptionsBout = PanelButton(Panneau, "OptionsBout", "Pref_Generales", 40, 3);
    AideBout = PanelButton(Panneau, "AideBout", "MotionHelp", 5, 42);
    CopyBout = PanelButton(Panneau, "CopyBout", "MotionCopy", 40, 42);
    VerticalBevel(Panneau, 80);
    VerticalBevel(Panneau, 236);

    SpeedRadio = new QRadioButton(QStringLiteral(" Influence de la vitesse"), Panneau);
    SpeedRadio->setObjectName(QStringLiteral("SpeedRadio"));
    SpeedRadio->setGeometry(92, 8, 141, 17);
    AlcoolRadio = new QRadioButton(QStringLiteral(" Influence de l'absorption d'alcool"), Panneau);
    AlcoolRadio->setObjectName(QStringLiteral("AlcoolRadio"));
    AlcoolRadio->setGeometry(244, 8, 185, 17);

    SpeedLab0 = Label(Panneau, "SpeedLab0", QStringLiteral("Vitesse :"), 101, 41);
    SpeedSpin = new SpinButton(Panneau);
    SpeedSpin->setObjectName(QStringLiteral("SpeedSpin"));
    SpeedSpin->setGeometry(149, 38, 17, 22);
    SpeedEd = new QLineEdit(QStringLiteral(" 0"), Panneau);
    SpeedEd->setObjectName(QStringLiteral("SpeedEd"));
    SpeedEd->setGeometry(170, 38, 29, 22);
    // The speed changes only through the arrows: a typed value the picture
    // ignored would tell the pupil something false.
    SpeedEd->setReadOnly(true);
    SpeedLab = Label(Panneau, "SpeedLab", QStringLiteral("km/h"), 201, 41);
    AlcoolLab = Label(Panneau, "AlcoolLab", QStringLiteral("Conducteur fortement alcoolisé"), 256, 40);

    connect(CloseBout, &QToolButton::clicked, this, &QWidget::close);
    connect(OptionsBout, &QToolButton::clicked, this, &TChampF::OptionsBoutClick);
    connect(AideBout, &QToolButton::clicked, this, &TChampF::AideBoutClick);
    connect(CopyBout, &QToolButton::clicked, this, &TChampF::CopyBoutClick);
    AddPictureMenu(CopyBout, {[this] { return CopiedPicture(); }, [] { return QStringLiteral("champ_visuel"); }});
    connect(SpeedSpin, &SpinButton::UpClick, this, &TChampF::SpeedSpinUpClick);
    connect(SpeedSpin, &SpinButton::DownClick, this, &TChampF::SpeedSpinDownClick);
    // Each change of mode unchecks one button and checks the other: the
    // checked one alone runs the handler.
    connect(SpeedRadio, &QRadioButton::toggled, this, &TChampF::RadioClick);
    connect(AlcoolRadio, &QRadioButton::toggled, this, &TChampF::RadioClick);
}

void TChampF::SetHints()
{
    CloseBout->setToolTip(QStringLiteral(" Fermer la fenêtre"));
    OptionsBout->setToolTip(QStringLiteral(" Accéder aux préférences du logiciel"));
    AideBout->setToolTip(QStringLiteral(" Accéder à l'aide"));
    CopyBout->setToolTip(QStringLiteral(" Copier la zone d'affichage dans le presse-papiers"));
    SpeedRadio->setToolTip(QStringLiteral(" Choisir de visualiser l'influence de la vitesse sur le champ visuel"));
    AlcoolRadio->setToolTip(QStringLiteral(" Choisir de visualiser l'influence de l'alcool sur le champ visuel"));
    SpeedSpin->setToolTip(QStringLiteral(" Définir la vitesse du véhicule"));
    SpeedEd->setToolTip(QStringLiteral(" Définir la vitesse du véhicule"));
}

void TChampF::PlaceControls()
{
    const int w = width();
    const int h = height();
    Panneau->setGeometry(0, h - kPanelHeight, w, kPanelHeight);
    const int displayWidth = std::max((w - 12) / 2, 1);
    const int displayHeight = std::max(h - kPanelHeight - 8, 1);
    Display1->setGeometry(4, 4, displayWidth, displayHeight);
    Display2->setGeometry(displayWidth + 8, 4, displayWidth, displayHeight);
    m_geometry = FieldGeometry(displayWidth, displayHeight);
}
