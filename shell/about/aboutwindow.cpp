#include "shell/about/aboutwindow.h"

#include "app/settings/appsettings.h"
#include "controls/plaincontrols.h"
#include "platform/resources/namedresources.h"
#include "raster/globeview.h"
#include "shell/about/aboutpictures.h"
#include "window/modulewindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int kAboutSlot = 4;
constexpr int kTickMs = 30;
constexpr TColor kGlobeBackground = 0xFFFFFF;
constexpr TColor kCheckColor = 0xF8BD8C;
constexpr QRect kButtonsArea{601, 15, 32, 15}; // both buttons, 601..633 x 15..30 with the bounds

// Bounds are inclusive: a rectangle of width w covers left .. left + w.
bool Within(QPoint point, const QRect& rect)
{
    return point.x() >= rect.left() && point.x() <= rect.left() + rect.width() && point.y() >= rect.top()
           && point.y() <= rect.top() + rect.height();
}

} // namespace

TSplashF::TSplashF(QWidget* parent)
    : OpeningDialog("SplashF", QStringLiteral("A propos de Kinea"), QSize(kAboutWidth, kAboutHeight), parent,
                    Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    const auto paintZone = [this](QPainter& painter) {
        // Moved to a screen of another device pixel ratio: composed again.
        if (!m_composition.isNull() && m_composition.devicePixelRatio() != m_zone->devicePixelRatioF())
            RecomposeAtScreenRatio();
        if (!m_composition.isNull())
            painter.drawImage(0, 0, m_composition);
    };
    m_zone = new PaintBox(this, QStringLiteral("Zone"), QRect(0, 0, kAboutWidth, kAboutHeight), paintZone);
    m_zone->setMouseTracking(true);
    connect(m_zone, &PaintBox::MousePressed, this, [this](QMouseEvent* e) { ZoneMouseDown(e->position().toPoint()); });
    connect(m_zone, &PaintBox::MouseMoved, this, [this](QMouseEvent* e) { ZoneMouseMove(e->position().toPoint()); });

    m_splasheCheck = new QCheckBox(QStringLiteral(" Afficher cette fenêtre au démarrage du logiciel"), this);
    m_splasheCheck->setObjectName("SplasheCheck");
    m_splasheCheck->move(8, 432);
    m_splasheCheck->adjustSize();
    m_splasheCheck->setBackgroundRole(QPalette::Window);
    QPalette palette = m_splasheCheck->palette();
    palette.setColor(QPalette::Window, QColorFromCanvas(kCheckColor));
    m_splasheCheck->setPalette(palette);
    m_splasheCheck->setAutoFillBackground(true);
    connect(m_splasheCheck, &QCheckBox::clicked, this, &TSplashF::SplasheCheckClick);

    m_animTimer = new QTimer(this);
    m_animTimer->setObjectName("AnimTimer");
    m_animTimer->setInterval(kTickMs);
    connect(m_animTimer, &QTimer::timeout, this, &TSplashF::AnimTimerTimer);
}

TSplashF::~TSplashF()
{
    if (IsOpen())
        FormClose();
}

// ------------------------------------------------------------ show and close

void TSplashF::FormShow()
{
    emit ShownChanged(true);
    m_events = LoadAboutEvents();
    if (QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    AllocateGlobes(kAboutSlot, kAboutSlot);
    SetCheckedSilently(m_splasheCheck, AppSettings.SplasheFlag);
    m_splasheCheck->setVisible(!m_openedFromMenu);
    PreparePictures();
    m_hover = false;
    m_turn.Stop();
    m_scrollRow = m_credits.stillRow;
    StartEvent();
    qApp->installEventFilter(this);
}

void TSplashF::FormClose()
{
    m_animTimer->stop();
    m_startupMode = false;
    m_openedFromMenu = false;
    qApp->removeEventFilter(this);
    FreeGlobes(kAboutSlot, kAboutSlot, false);
    m_zone->unsetCursor();
    m_events.clear();
    m_lines.clear();
    m_typing.Stop();
    m_turn.Stop();
    m_background = m_composition = m_globeMask = QImage();
    m_credits = CreditsPictures();
    m_buttons = AboutButtons();
    m_creditsSurface.reset();
    emit ShownChanged(false);
}

void TSplashF::PreparePictures()
{
    const qreal ratio = m_zone->devicePixelRatioF();
    m_buttons.back = LoadNamedPicture(QStringLiteral("back"), QSize(), ratio);
    m_buttons.next = LoadNamedPicture(QStringLiteral("next"), QSize(), ratio);
    m_buttons.cross = SplitTransparency(LoadNamedPicture(QStringLiteral("Croix"), QSize(), ratio));
    m_background = AboutBackground(ratio);
    m_composition = m_background.copy();

    // The disc's outline: a globe with no picture is a black disc on magenta.
    SetGlobeRatio(kAboutSlot, ratio);
    GlobeEventRecord = PlaceRecord{};
    LoadGlobeMap(kAboutSlot, true);
    RenderGlobe(kAboutSlot, QString(), QString(), false, kKeyMagenta);
    m_globeMask = GlobeMaskFrom(GlobePicture(kAboutSlot));

    m_credits
        = PrepareCredits(LoadCreditLines(), LoadNamedPicture(QStringLiteral("moyen_tessard"), QSize(), ratio), ratio);
    m_creditsSurface = std::make_unique<TDibPlus>(kCreditsWidth, kCreditsPanelHeight, ratio);
}

void TSplashF::RecomposeAtScreenRatio()
{
    // Preparing draws the mask from a blank globe: the event's place goes
    // back on the map afterwards, and the globe keeps its turn.
    const PlaceRecord event = GlobeEventRecord;
    PreparePictures();
    GlobeEventRecord = event;
    if (!m_lines.empty())
        LoadGlobeMap(kAboutSlot, true);
    RenderTurnedGlobe();
    ComposeFrame();
}

// ------------------------------------------------------------------ events

void TSplashF::StartEvent()
{
    m_countdown.Restart();
    m_lines.clear();
    if (!m_events.empty()) {
        AppSettings.Event_Index = CycleIndex(AppSettings.Event_Index, EventCount());
        const AboutEvent& event = m_events[static_cast<size_t>(AppSettings.Event_Index)];
        m_lines = EventTextLines(event, kTextPanelRect.width(), TextPanelMeasure());
        GlobeEventRecord = event.record;
        LoadGlobeMap(kAboutSlot, true);
        m_turn.Start(GlobeTurn[kAboutSlot], GlobeTilt[kAboutSlot], event.record.Turn, event.record.Tilt);
    }
    if (!m_animTimer->isActive())
        m_animTimer->start();
    RenderTurnedGlobe();
    std::vector<int> lengths;
    for (const QString& line : m_lines)
        lengths.push_back(static_cast<int>(line.size()));
    m_typing.Start(std::move(lengths));
    ComposeFrame();
}

void TSplashF::ShowOtherEvent(int step)
{
    AppSettings.Event_Index = CycleIndex(static_cast<std::int64_t>(AppSettings.Event_Index) + step, EventCount());
    StartEvent();
}

void TSplashF::AdvanceIndexAndClose()
{
    AppSettings.Event_Index = CycleIndex(static_cast<std::int64_t>(AppSettings.Event_Index) + 1, EventCount());
    m_animTimer->stop();
    close();
}

void TSplashF::RenderTurnedGlobe()
{
    RenderGlobe(kAboutSlot, QString(), QString(), false, kGlobeBackground);
}

// -------------------------------------------------------------- animation

void TSplashF::AnimTimerTimer()
{
    if (!IsOpen())
        return;
    m_tickCounter = (m_tickCounter + 1) & 0xFFFFFF;
    m_typing.Tick();
    if (m_turn.Tick(m_tickCounter, GlobeTurn[kAboutSlot], GlobeTilt[kAboutSlot]))
        RenderTurnedGlobe();

    const bool presenting = m_typing.Running() || m_turn.Running();
    switch (m_countdown.Tick(presenting, m_hover, m_startupMode)) {
    case EventCountdown::Outcome::CloseBox: AdvanceIndexAndClose(); return;
    case EventCountdown::Outcome::NextEvent: ShowOtherEvent(+1); break;
    case EventCountdown::Outcome::Wait: break;
    }
    m_scrollRow = m_openedFromMenu ? NextScrollRow(m_scrollRow, m_credits.height) : m_credits.stillRow;
    if (m_animTimer->isActive())
        ComposeFrame();
}

void TSplashF::ComposeFrame()
{
    if (m_background.isNull())
        return;
    m_composition = m_background.copy();
    const TypedText text{&m_lines, m_typing.Line(), m_typing.Chars()};
    DrawTextPanel(m_composition, text, m_buttons, m_countdown.ButtonsShown(m_hover));
    DrawGlobe(m_composition, m_globeMask, GlobePicture(kAboutSlot));
    DrawCreditsPanel(m_composition, *m_creditsSurface, m_credits, m_scrollRow);
    m_zone->update();
}

// ------------------------------------------------------------ mouse, keys

bool TSplashF::OnButtons(QPoint point) const
{
    return Within(point, kButtonsArea);
}

void TSplashF::ZoneMouseDown(QPoint point)
{
    if (!IsOpen())
        return;
    if (OnButtons(point)) {
        m_startupMode = false;
        ShowOtherEvent(point.x() < kNextRect.left() ? -1 : +1);
    } else if (Within(point, kCrossRect)) {
        AdvanceIndexAndClose();
    }
}

void TSplashF::ZoneMouseMove(QPoint point)
{
    const bool onButtons = OnButtons(point);
    m_hover = onButtons || Within(point, kCrossRect);
    if (onButtons)
        m_countdown.HoldOnButtons();
    if (m_hover)
        m_zone->setCursor(Qt::PointingHandCursor);
    else
        m_zone->unsetCursor();
}

bool TSplashF::eventFilter(QObject* watched, QEvent* event)
{
    // The mouse can leave the box straight from the buttons, with no move
    // over Zone to say so: the hover would otherwise hold the event forever.
    if (watched == m_zone && event->type() == QEvent::Leave && IsOpen())
        ZoneMouseMove(QPoint(-1, -1));
    if (event->type() != QEvent::KeyPress || !IsOpen())
        return QDialog::eventFilter(watched, event);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Right: ShowOtherEvent(+1); return true;
    case Qt::Key_Left: ShowOtherEvent(-1); return true;
    case Qt::Key_Escape: AdvanceIndexAndClose(); return true;
    default: return QDialog::eventFilter(watched, event);
    }
}

void TSplashF::SplasheCheckClick()
{
    AppSettings.SplasheFlag = m_splasheCheck->isChecked();
}
