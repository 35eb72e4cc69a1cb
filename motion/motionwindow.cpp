#include "motion/motionwindow.h"

#include "app/settings/appsettings.h"
#include "canvas/picturehelpers.h"
#include "controls/plaincontrols.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPainter>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

namespace {

// The smallest window, frame included.
constexpr QSize kMinOuterSize(400, 300);
constexpr std::array<std::uint8_t, 3> kTraceBits{PlayBit::TraceA, PlayBit::TraceB, PlayBit::TraceC};

TColor TraceColor(int point)
{
    const std::array<TColor, 3> colors{AppSettings.clTraceA, AppSettings.clTraceB, AppSettings.clTraceC};
    return colors[std::size_t(point)];
}

} // namespace

MotionWindow::MotionWindow(MotionKind kind, QWidget* parent)
    : ModuleWindow(FilmTraits(kind).name, ModuleCaption(QString::fromUtf8(FilmTraits(kind).title)), parent),
      m_traits(FilmTraits(kind))
{
    SetMinimumOuterSize(this, kMinOuterSize);
    CreateControls();
    SetHints();
    const MotionLayout& layout = m_traits.layout;
    if (layout.panelHeight > 0) {
        BuildBottomPanel(layout.panelHeight, layout.canvasTop);
        OrderBottomPanelTabs({});
    }
    resize(layout.size);
    connect(&m_ctrlRepeat, &HeldKeyRepeat::Repeated, this, &MotionWindow::CtrlStep);
}

MotionWindow::~MotionWindow()
{
    qApp->removeEventFilter(this);
}

// ---- show and close -------------------------------------------------------

void MotionWindow::showEvent(QShowEvent* event)
{
    ModuleWindow::showEvent(event);
    // A window restored from the task bar is not a new show.
    if (!event->spontaneous())
        RunShowSequence();
}

void MotionWindow::RunShowSequence()
{
    ApplyTraceLock();
    PrepareShow();
    m_tickBusy = false;
    ApplyShowPlayFlags();
    m_showing = true;
    if (!m_firstShowDone || m_back.isNull()) {
        m_firstShowDone = true;
        LayoutCanvas();
    }
    m_curFrame = 1;
    ComputeFrames();
    ShowIpsSetting();
    FinishShow();
    // The window opens with the keyboard on the picture, not in a parameter
    // entry where the transport keys would edit the text.
    Canevas->setFocus();
    qApp->removeEventFilter(this);
    qApp->installEventFilter(this);
    ComposeFrame();
}

void MotionWindow::ApplyShowPlayFlags()
{
    // Without a loop button the loop stays as the last motion window left it.
    if (!BoucleBout) {
        PlayFlags &= PlayBit::Loop;
        return;
    }
    SetCheckedSilently(BoucleBout, AppSettings.BoucleFlag);
    PlayFlags = AppSettings.BoucleFlag ? PlayBit::Loop : 0;
}

void MotionWindow::ShowIpsSetting()
{
    AppSettings.Ips = SafeIpsInterval(AppSettings.Ips);
    PlayTimer->setInterval(AppSettings.Ips);
    const QSignalBlocker blocker(IpsCombo);
    IpsCombo->setCurrentIndex(IpsItemForInterval(AppSettings.Ips));
}

void MotionWindow::closeEvent(QCloseEvent* event)
{
    StopPlaying();
    CancelCtrlStep();
    qApp->removeEventFilter(this);
    m_back = QImage();
    m_frame = QImage();
    m_firstShowDone = false;
    m_showing = false;
    FinishClose();
    ModuleWindow::closeEvent(event);
}

// ---- layout -----------------------------------------------------------------

void MotionWindow::resizeEvent(QResizeEvent* event)
{
    ModuleWindow::resizeEvent(event);
    LayoutCanvas();
}

QSize MotionWindow::EnforcedSize(QSize size) const
{
    // The rule holds for the whole window, frame included.
    const QSize outer = (size + DesignFrame).expandedTo(kMinOuterSize);
    return QSize(outer.width(), std::min(outer.height(), outer.width())) - DesignFrame;
}

void MotionWindow::LayoutCanvas()
{
    const QSize wanted = EnforcedSize(size());
    if (wanted != size())
        resize(wanted);
    // The window system may refuse or delay the new size (a maximised
    // window): the controls follow the size the window really has.
    PlaceControls(size());
    m_canvasSize = Canevas->size();
    SetScale();
    if (!m_showing)
        return;
    m_frameDamage.reset();
    m_back = NewPicture(m_canvasSize, Canevas->devicePixelRatioF());
    m_frame = NewPicture(m_canvasSize, Canevas->devicePixelRatioF());
    RedrawBackground();
    ComposeFrame();
}

void MotionWindow::RedrawBackground()
{
    if (m_back.isNull())
        return;
    m_frameDamage.reset();
    Canvas canvas(m_back);
    DrawBackground(canvas);
}

void MotionWindow::PlaceControls(QSize client)
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
    if (m_frame.size() != m_back.size()) {
        m_frame = QImage(m_back.size(), m_back.format());
        m_frame.setDevicePixelRatio(m_back.devicePixelRatio());
        m_frameDamage.reset();
    }
    RestoreBackground();
    {
        Canvas canvas(m_frame);
        m_frameDamage.emplace();
        canvas.LogDamage(&*m_frameDamage);
        DrawBeforePoints(canvas);
        for (int p = 0; p < 3; ++p)
            if (m_traits.points[std::size_t(p)])
                DrawPoint(canvas, p);
    }
    Canevas->update();
    DescribePicture();
}

// The picture goes back to the background: only where the last frame drew,
// when that is known, since copying a whole picture of a large or scaled
// screen is most of a frame's cost.
void MotionWindow::RestoreBackground()
{
    if (m_frameDamage)
        CopyPixels(m_back, m_frame, *m_frameDamage);
    else
        CopyPixels(m_back, m_frame);
}

// Only text, and only when it changes: a screen reader hears of each new
// frame without a word for a still picture.
void MotionWindow::DescribePicture()
{
    const QString text = FrameDescription();
    if (text != Canevas->accessibleDescription())
        Canevas->setAccessibleDescription(text);
}

void MotionWindow::DrawPoint(Canvas& canvas, int point) const
{
    const FrameTable& table = m_frames[std::size_t(point)];
    const int current = std::min(m_curFrame, table.Count());
    if (current < 1)
        return;
    const TColor color = TraceColor(point);
    canvas.pen = CanvasPen{color};
    canvas.brush = CanvasBrush{color};
    if (PlayFlags & kTraceBits[std::size_t(point)])
        for (int f = 1; f <= current; ++f)
            if (FrameTraced(m_traits.kind, point, f, m_curFrame))
                DrawCross(canvas, ToPixel(table.At(f)));
    DrawMark(canvas, ToPixel(table.At(current)));
}

QPoint MotionWindow::ToPixel(const FramePos& position) const
{
    return QPoint(ToPixels(position.x), ToPixels(position.y));
}

void MotionWindow::DrawMark(Canvas& canvas, QPoint at) const
{
    const QRect mark = m_traits.mark.translated(at);
    canvas.Ellipse(mark.left(), mark.top(), mark.right(), mark.bottom());
}

// The two arms of a cross, X-4..X+3 and Y-4..Y+3, as lines leaving out
// their end pixel would draw them; pen and brush share the point's colour,
// and one-pixel fills cost far less than clipped lines.
void MotionWindow::DrawCross(Canvas& canvas, QPoint at) const
{
    canvas.FillRect(at.x() - 4, at.y(), at.x() + 4, at.y() + 1);
    canvas.FillRect(at.x(), at.y() - 4, at.x() + 1, at.y() + 4);
}

void MotionWindow::PaintCanvas(QPainter& painter)
{
    if (m_frame.isNull()) {
        painter.fillRect(Canevas->rect(), QColorFromCanvas(AppSettings.clFond));
        return;
    }
    painter.drawImage(0, 0, m_frame);
    PaintOverFrame(painter);
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
        Carres[std::size_t(p)]->SetFill(locked ? face : QColorFromCanvas(TraceColor(p)));
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
