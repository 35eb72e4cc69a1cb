#include "motion/motionwindow.h"

#include "app/settings/appsettings.h"
#include "controls/plaincontrols.h"
#include "motion/legendsquare.h"
#include "motion/motionstate.h"
#include "motion/speedbutton.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPainter>
#include <QProxyStyle>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cstring>

namespace {

constexpr int kMinWidth = 400;
constexpr int kMinHeight = 300;
constexpr std::array<std::uint8_t, 3> kTraceBits{PlayBit::TraceA, PlayBit::TraceB, PlayBit::TraceC};

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

TColor traceColor(int point)
{
    const std::array<TColor, 3> colors{AppSettings.clTraceA, AppSettings.clTraceB, AppSettings.clTraceC};
    return colors[std::size_t(point)];
}

} // namespace

MotionWindow::MotionWindow(const MotionTraits& traits, QWidget* parent)
    : ModuleWindow(parent)
    , m_traits(traits)
{
    setFont(DesignFont());
    createControls();
    setDefaultHints();
    connect(&m_ctrlRepeat, &HeldKeyRepeat::repeated, this, &MotionWindow::ctrlStep);
}

MotionWindow::~MotionWindow()
{
    qApp->removeEventFilter(this);
}

void MotionWindow::createControls()
{
    Canevas = new PaintBox(this);
    Canevas->setObjectName(QStringLiteral("Canevas"));
    Canevas->onPaint = [this](QPainter& painter) { paintCanvas(painter); };

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
    if (m_traits.hasLoopButton) {
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

    PlayTimer = new QTimer(this);
    PlayTimer->setObjectName(QStringLiteral("PlayTimer"));
    PlayTimer->setInterval(100);
    PlayTimer->setTimerType(Qt::PreciseTimer);

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
}

void MotionWindow::setDefaultHints()
{
    ArriereBout->setToolTip(QStringLiteral(" Revenir d'un pas en arrière"));
    AvantBout->setToolTip(QStringLiteral(" Un pas en avant ( touche Ctrl )"));
    PlayBout->setToolTip(QStringLiteral(" Lancer l'animation"));
    StopBout->setToolTip(QStringLiteral(" Arrêter l'animation"));
    DebutBout->setToolTip(QStringLiteral(" Revenir au début de l'animation"));
    FinBout->setToolTip(QStringLiteral(" Aller à la fin de l'animation"));
    if (BoucleBout)
        BoucleBout->setToolTip(QStringLiteral(" Animation en boucle"));
    CloseBout->setToolTip(QStringLiteral(" Fermer la fenêtre"));
    AideBout->setToolTip(QStringLiteral(" Accéder à l'aide"));
    CopierBout->setToolTip(QStringLiteral(" Copier l'image dans le presse-papiers"));
    CalcBout->setToolTip(QStringLiteral(" Accéder à la calculatrice de Windows"));
    IpsCombo->setToolTip(QStringLiteral(" Cadence d'affichage de l'image ( images par seconde )"));
    if (TraceChecks[PointB])
        TraceChecks[PointB]->setToolTip(QStringLiteral("Afficher les positions successives de la balle"));
}

void MotionWindow::place(QWidget* widget, QWidget* parent, int x, int y, int w, int h)
{
    widget->setParent(parent);
    widget->setGeometry(x, y, w, h);
}

// ---- show and close -------------------------------------------------------

void MotionWindow::showEvent(QShowEvent* event)
{
    ModuleWindow::showEvent(event);
    // A window restored from the task bar is not a new show.
    if (!event->spontaneous())
        runShowSequence();
}

void MotionWindow::runShowSequence()
{
    ApplyTraceLock();
    prepareShow();
    m_tickBusy = false;
    applyShowPlayFlags();
    m_showing = true;
    if (!m_firstShowDone || m_back.isNull()) {
        m_firstShowDone = true;
        LayoutCanvas();
    }
    m_curFrame = 1;
    ComputeFrames();
    showIpsSetting();
    finishShow();
    qApp->removeEventFilter(this);
    qApp->installEventFilter(this);
    ComposeFrame();
}

void MotionWindow::applyShowPlayFlags()
{
    if (BoucleBout)
        SetCheckedSilently(BoucleBout, AppSettings.BoucleFlag);
    PlayFlags = AppSettings.BoucleFlag ? PlayBit::Loop : 0;
}

void MotionWindow::showIpsSetting()
{
    AppSettings.Ips = SafeIpsInterval(AppSettings.Ips);
    PlayTimer->setInterval(AppSettings.Ips);
    const QSignalBlocker blocker(IpsCombo);
    IpsCombo->setCurrentIndex(IpsItemForInterval(AppSettings.Ips));
}

void MotionWindow::closeEvent(QCloseEvent* event)
{
    stopPlaying();
    m_ctrlRepeat.stop();
    qApp->removeEventFilter(this);
    m_back = QImage();
    m_frame = QImage();
    m_firstShowDone = false;
    m_showing = false;
    finishClose();
    ModuleWindow::closeEvent(event);
}

// ---- layout -----------------------------------------------------------------

void MotionWindow::resizeEvent(QResizeEvent* event)
{
    ModuleWindow::resizeEvent(event);
    LayoutCanvas();
}

QSize MotionWindow::enforcedSize(QSize size) const
{
    const int w = std::max(size.width(), kMinWidth);
    const int h = std::min(std::max(size.height(), kMinHeight), w);
    return QSize(w, h);
}

void MotionWindow::LayoutCanvas()
{
    const QSize wanted = enforcedSize(size());
    if (wanted != size())
        resize(wanted);
    // The window system may refuse or delay the new size (a maximised
    // window): the controls follow the size the window really has.
    placeControls(size());
    m_canvasSize = Canevas->size();
    setScale();
    if (!m_showing)
        return;
    m_back = QImage(m_canvasSize, QImage::Format_RGB32);
    m_frame = QImage(m_canvasSize, QImage::Format_RGB32);
    redrawBackground();
    ComposeFrame();
}

void MotionWindow::redrawBackground()
{
    if (m_back.isNull())
        return;
    Canvas canvas(m_back);
    DrawBackground(canvas);
}

void MotionWindow::placeControls(QSize client)
{
    Canevas->setGeometry(5, m_canvasTop, client.width() - 10, client.height() - 80);
    if (m_bottomPanel)
        m_bottomPanel->setGeometry(0, client.height() - m_bottomPanel->height(), client.width(),
                                   m_bottomPanel->height());
}

// ---- frame composition --------------------------------------------------------

void MotionWindow::ComposeFrame()
{
    if (m_back.isNull() || m_frameCount < 1)
        return;
    if (m_frame.size() != m_back.size())
        m_frame = QImage(m_back.size(), m_back.format());
    // A straight copy: the background and the picture share size and format.
    std::memcpy(m_frame.bits(), m_back.constBits(), std::size_t(m_back.sizeInBytes()));
    {
        Canvas canvas(m_frame);
        drawBeforePoints(canvas);
        for (int p = 0; p < 3; ++p)
            if (m_traits.points[std::size_t(p)])
                drawPoint(canvas, p);
    }
    Canevas->update();
}

void MotionWindow::drawPoint(Canvas& canvas, int point) const
{
    const FrameTable& table = m_frames[std::size_t(point)];
    const int current = std::min(m_curFrame, table.count());
    if (current < 1)
        return;
    const TColor color = traceColor(point);
    canvas.pen = CanvasPen{color};
    canvas.brush = CanvasBrush{color};
    if (PlayFlags & kTraceBits[std::size_t(point)])
        for (int f = 1; f <= current; ++f)
            if (isTraced(point, f))
                drawCross(canvas, toPixel(table.at(f)));
    drawMark(canvas, toPixel(table.at(current)));
}

// The two arms of a cross, X-4..X+3 and Y-4..Y+3, as lines leaving out
// their end pixel would draw them; pen and brush share the point's colour,
// and one-pixel fills cost far less than clipped lines.
void MotionWindow::drawCross(Canvas& canvas, QPoint at) const
{
    canvas.FillRect(at.x() - 4, at.y(), at.x() + 4, at.y() + 1);
    canvas.FillRect(at.x(), at.y() - 4, at.x() + 1, at.y() + 4);
}

void MotionWindow::paintCanvas(QPainter& painter)
{
    if (m_frame.isNull()) {
        painter.fillRect(Canevas->rect(), QColorFromCanvas(AppSettings.clFond));
        return;
    }
    painter.drawImage(0, 0, m_frame);
    paintOverFrame(painter);
}

// ---- traces -------------------------------------------------------------------

void MotionWindow::ApplyTraceLock()
{
    const bool locked = AppSettings.LockFlag;
    const QColor face = palette().color(QPalette::Button);
    for (int p = 0; p < 3; ++p) {
        QCheckBox* check = TraceChecks[std::size_t(p)];
        if (!check)
            continue;
        SetCheckedSilently(check, false);
        check->setEnabled(!locked);
        Carres[std::size_t(p)]->setFill(locked ? face : QColorFromCanvas(traceColor(p)));
    }
    PlayFlags &= std::uint8_t(~PlayBit::AllTraces);
}

void MotionWindow::TraceCheckClick()
{
    for (int p = 0; p < 3; ++p) {
        const QCheckBox* check = TraceChecks[std::size_t(p)];
        const std::uint8_t bit = kTraceBits[std::size_t(p)];
        if (check && check->isChecked())
            PlayFlags |= bit;
        else
            PlayFlags &= std::uint8_t(~bit);
    }
    if (!(PlayFlags & PlayBit::Playing))
        ComposeFrame();
}
