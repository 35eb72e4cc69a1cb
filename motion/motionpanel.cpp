// The player's controls: their creation, their hint bubbles, and the
// bottom panel of the projectile, wheel and disc windows (help, close, copy
// and calculator on the left, the frame rate and traces in the middle, the
// transport on the right).
#include "motion/motionwindow.h"

#include "controls/plaincontrols.h"
#include "platform/calculatorname.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QProxyStyle>
#include <QTimer>
#include <QToolButton>

namespace {

// The trace captions begin with a space that parts them from the box; the
// design leaves no room for the style's own spacing as well.
class TightCheckStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_CheckBoxLabelSpacing)
            return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

constexpr int kBigButtonW = 33;
constexpr int kBigButtonH = 30;
constexpr int kButtonW = 33;
constexpr int kButtonH = 28;
constexpr int kCheckW = 87;
constexpr int kCheckH = 17;

QFrame* VerticalBevel(QWidget* panel, int x)
{
    auto* bevel = new QFrame(panel);
    bevel->setFrameShape(QFrame::VLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(x, 0, 2, panel->height());
    return bevel;
}

} // namespace

void MotionWindow::CreateControls()
{
    Canevas = new PaintBox(this);
    Canevas->setObjectName(QStringLiteral("Canevas"));
    // Reached with Tab, where a screen reader speaks the current frame; a
    // click takes the keyboard out of an edit box, so that the transport
    // keys drive the film again.
    Canevas->setFocusPolicy(Qt::StrongFocus);
    Canevas->onPaint = [this](QPainter& painter) { PaintCanvas(painter); };

    PlayBout = MakeSpeedButton(this, "PlayBout", "MotionPlay", {});
    StopBout = MakeSpeedButton(this, "StopBout", "MotionStop", {});
    DebutBout = MakeSpeedButton(this, "DebutBout", "MotionFirst", {});
    FinBout = MakeSpeedButton(this, "FinBout", "MotionLast", {});
    ArriereBout = MakeSpeedButton(this, "ArriereBout", "MotionStepBack", {});
    AvantBout = MakeSpeedButton(this, "AvantBout", "MotionStepForward", {});
    CloseBout = MakeSpeedButton(this, "CloseBout", "MotionClose", {});
    AideBout = MakeSpeedButton(this, "AideBout", "MotionHelp", {});
    CopierBout = MakeSpeedButton(this, "CopierBout", "MotionCopy", {});
    CalcBout = MakeSpeedButton(this, "CalcBout", "MotionCalc", {});
    if (m_traits.flags & MotionFlag::LoopButton) {
        BoucleBout = MakeSpeedButton(this, "BoucleBout", "MotionLoop", {});
        BoucleBout->setCheckable(true);
        connect(BoucleBout, &QToolButton::toggled, this, &MotionWindow::BoucleBoutClick);
    }

    IpsCombo = new QComboBox(this);
    IpsCombo->setObjectName(QStringLiteral("IpsCombo"));
    for (int item = 0; item < IpsItemCount; ++item)
        IpsCombo->addItem(QString::fromUtf8(IpsItemText(item)));

    auto* tightCheckStyle = new TightCheckStyle;
    tightCheckStyle->setParent(this);
    static const std::array<const char*, 3> checkNames{"TraceACheck", "TraceBCheck", "TraceCCheck"};
    static const std::array<const char*, 3> squareNames{"CarreA", "CarreB", "CarreC"};
    for (int p = 0; p < 3; ++p) {
        if (!m_traits.points[std::size_t(p)])
            continue;
        auto* check = new QCheckBox(QStringLiteral(" Suivi du point"), this);
        check->setStyle(tightCheckStyle);
        check->setObjectName(QString::fromLatin1(checkNames[std::size_t(p)]));
        connect(check, &QCheckBox::toggled, this, &MotionWindow::TraceCheckClick);
        TraceChecks[std::size_t(p)] = check;
        auto* square = new LegendSquare(this);
        square->setObjectName(QString::fromLatin1(squareNames[std::size_t(p)]));
        Carres[std::size_t(p)] = square;
    }

    PlayTimer = NewAnimationTimer(this, "PlayTimer", 100);

    connect(PlayTimer, &QTimer::timeout, this, &MotionWindow::PlayTimerTimer);
    connect(PlayBout, &QToolButton::clicked, this, &MotionWindow::PlayBoutClick);
    connect(StopBout, &QToolButton::clicked, this, &MotionWindow::StopBoutClick);
    connect(DebutBout, &QToolButton::clicked, this, &MotionWindow::DebutBoutClick);
    connect(FinBout, &QToolButton::clicked, this, &MotionWindow::FinBoutClick);
    connect(ArriereBout, &QToolButton::clicked, this, &MotionWindow::ArriereBoutClick);
    connect(AvantBout, &QToolButton::clicked, this, &MotionWindow::AvantBoutClick);
    connect(CloseBout, &QToolButton::clicked, this, &QWidget::close);
    connect(AideBout, &QToolButton::clicked, this, &MotionWindow::AideBoutClick);
    connect(CopierBout, &QToolButton::clicked, this, &MotionWindow::CopierBoutClick);
    connect(CalcBout, &QToolButton::clicked, this, &MotionWindow::CalcBoutClick);
    connect(IpsCombo, &QComboBox::currentIndexChanged, this, &MotionWindow::IpsComboChange);
    // A stored odd interval shows as " 20 ips": choosing that item again must
    // still give 20 pictures a second.
    connect(IpsCombo, &QComboBox::activated, this, &MotionWindow::IpsComboChange);
    CreateCopyMenu();
}

void MotionWindow::SetHints()
{
    const MotionHints& own = m_traits.hints;
    auto hint = [](const char* text, const char* fallback) { return QString::fromUtf8(text ? text : fallback); };
    ArriereBout->setToolTip(hint(own.back, " Revenir d'un pas en arrière"));
    AvantBout->setToolTip(hint(own.forward, " Un pas en avant ( touche Ctrl )"));
    PlayBout->setToolTip(hint(own.play, " Lancer l'animation"));
    StopBout->setToolTip(QStringLiteral(" Arrêter l'animation"));
    DebutBout->setToolTip(hint(own.start, " Revenir au début de l'animation"));
    FinBout->setToolTip(QStringLiteral(" Aller à la fin de l'animation"));
    if (BoucleBout)
        BoucleBout->setToolTip(QStringLiteral(" Animation en boucle"));
    CloseBout->setToolTip(QStringLiteral(" Fermer la fenêtre"));
    AideBout->setToolTip(QStringLiteral(" Accéder à l'aide"));
    CopierBout->setToolTip(QStringLiteral(" Copier l'image dans le presse-papiers"));
    CalcBout->setToolTip(WithCalculatorName(QStringLiteral(" Accéder à {calculatrice}")));
    IpsCombo->setToolTip(hint(own.rate, " Cadence d'affichage de l'image ( images par seconde )"));
    for (QCheckBox* check : TraceChecks)
        if (check)
            check->setToolTip(hint(own.traces, "Afficher les positions successives de la balle"));
}

void MotionWindow::OrderTabs(const QList<QWidget*>& chain)
{
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void MotionWindow::OrderBottomPanelTabs(const QList<QWidget*>& entries)
{
    QList<QWidget*> chain{Canevas, AideBout, CopierBout, CloseBout, CalcBout, IpsCombo};
    for (QCheckBox* check : TraceChecks)
        if (check)
            chain << check;
    chain << entries << QList<QWidget*>{DebutBout, ArriereBout, AvantBout, FinBout, StopBout, PlayBout};
    if (BoucleBout)
        chain << BoucleBout;
    OrderTabs(chain);
}

void MotionWindow::Place(QWidget* widget, QWidget* parent, int x, int y, int w, int h)
{
    widget->setParent(parent);
    widget->setGeometry(x, y, w, h);
}

void MotionWindow::BuildBottomPanel(int panelHeight, int canvasTop)
{
    m_canvasTop = canvasTop;
    m_bottomPanel = new QWidget(this);
    m_bottomPanel->setObjectName(QStringLiteral("Panel1"));
    m_bottomPanel->resize(width(), panelHeight);

    Place(AideBout, m_bottomPanel, 3, 3, kBigButtonW, kBigButtonH);
    Place(CloseBout, m_bottomPanel, 3, 36, kBigButtonW, kBigButtonH);
    Place(CopierBout, m_bottomPanel, 37, 3, kBigButtonW, kBigButtonH);
    Place(CalcBout, m_bottomPanel, 37, 36, kBigButtonW, kBigButtonH);
    VerticalBevel(m_bottomPanel, 72);
    Place(IpsCombo, m_bottomPanel, 80, 4, 61, 21);
    for (int p = 0, row = 0; p < 3; ++p) {
        if (!TraceChecks[std::size_t(p)])
            continue;
        // A lone point B sits on the first row, as A would.
        Place(TraceChecks[std::size_t(p)], m_bottomPanel, 148, 3 + 20 * row, kCheckW, kCheckH);
        Place(Carres[std::size_t(p)], m_bottomPanel, 236, 5 + 20 * row, 12, 12);
        ++row;
    }
    VerticalBevel(m_bottomPanel, 251);
    Place(DebutBout, m_bottomPanel, 257, 3, kButtonW, kButtonH);
    Place(ArriereBout, m_bottomPanel, 291, 3, kButtonW, kButtonH);
    Place(AvantBout, m_bottomPanel, 325, 3, kButtonW, kButtonH);
    Place(FinBout, m_bottomPanel, 359, 3, kButtonW, kButtonH);
    Place(StopBout, m_bottomPanel, 257, 32, kButtonW, kButtonH);
    Place(PlayBout, m_bottomPanel, 291, 32, kButtonW, kButtonH);
    if (BoucleBout)
        Place(BoucleBout, m_bottomPanel, 325, 32, kButtonW, kButtonH);
}
