// The free-fall window's right-hand panel: logo, cursor display,
// transport, frame rate, height entry, trace and the window's buttons.
#include "motion/freefallwindow.h"

#include "controls/plaincontrols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QToolButton>
#include <tuple>

namespace {

constexpr int kButtonW = 33;
constexpr int kButtonH = 28;

void HorizontalBevel(QWidget* panel, int y)
{
    auto* bevel = new QFrame(panel);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(0, y, panel->width(), 2);
}

QLabel* WrappedLabel(QWidget* panel, const QString& text, int x, int y, int w)
{
    auto* label = new QLabel(text, panel);
    label->setWordWrap(true);
    label->setGeometry(x, y, w, 28);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

void TChuteF::CreatePanel()
{
    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Logo = new PaintBox(Panel2, QStringLiteral("Logo"), QRect(12, 6, 125, 113),
                        [this](QPainter& painter) { LogoPaint(painter); });
    Panneau = new QWidget(Panel2);
    Panneau->setObjectName(QStringLiteral("Panneau"));
    Panneau->setGeometry(4, 140, 142, 230);

    NoCursBout = MakeSpeedButton(Panneau, "NoCursBout", "MotionNoCursor", QStringLiteral(" Effacer le curseur"));
    NoCursBout->setGeometry(2, 13, 19, 17);
    connect(NoCursBout, &QToolButton::clicked, this, &TChuteF::NoCursBoutClick);
    InfosZone = new PaintBox(Panneau, QStringLiteral("InfosZone"), QRect(24, 13, 114, 17),
                             [this](QPainter& painter) { InfosZonePaint(painter); });

    PlacePanelControls();
}

void TChuteF::PlacePanelControls()
{
    Place(DebutBout, Panneau, 36, 42, kButtonW, kButtonH);
    Place(FinBout, Panneau, 70, 42, kButtonW, kButtonH);
    Place(PlayBout, Panneau, 2, 72, kButtonW, kButtonH);
    Place(ArriereBout, Panneau, 36, 72, kButtonW, kButtonH);
    Place(AvantBout, Panneau, 70, 72, kButtonW, kButtonH);
    Place(StopBout, Panneau, 104, 72, kButtonW, kButtonH);

    WrappedLabel(Panneau, QStringLiteral("Cadence d'affichage :"), 4, 108, 62);
    Place(IpsCombo, Panneau, 68, 112, 70, 21);
    HorizontalBevel(Panneau, 142);

    WrappedLabel(Panneau, QStringLiteral("Hauteur de chute :"), 4, 148, 60);
    std::tie(HauteurSpin, HautEd) = MakeParameterControls(
        Panneau, "HauteurSpin", "HautEd", {65, 149}, QStringLiteral(" Définir la hauteur de chute en centimètres"));
    connect(HauteurSpin, &SpinButton::UpClick, this, &TChuteF::HauteurSpinUpClick);
    connect(HauteurSpin, &SpinButton::DownClick, this, &TChuteF::HauteurSpinDownClick);
    connect(HautEd, &ParameterEntry::Entered, this, &TChuteF::HautEdExit);

    Place(TraceChecks[PointB], Panneau, 4, 175, 87, 17);
    Place(Carres[PointB], Panneau, 92, 177, 12, 12);
    HorizontalBevel(Panneau, 194);

    Place(CloseBout, Panneau, 2, 200, kButtonW, kButtonH);
    Place(AideBout, Panneau, 36, 200, kButtonW, kButtonH);
    Place(CalcBout, Panneau, 70, 200, kButtonW, kButtonH);
    Place(CopierBout, Panneau, 104, 200, kButtonW, kButtonH);
}
