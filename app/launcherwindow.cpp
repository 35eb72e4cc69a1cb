#include "app/launcherwindow.h"

#include "app/settings/appsettings.h"
#include "app/windowplacement.h"
#include "platform/calculator.h"
#include "platform/desktop.h"
#include "platform/documents.h"
#include "platform/helpviewer.h"
#include "raster/globeview.h"
#include "shell/about/aboutwindow.h"
#include "shell/preferences/preferenceswindow.h"
#include "window/hints.h"
#include "window/modulewindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialog>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>

namespace {

constexpr int kClientWidth = 572;
constexpr int kClientHeight = 400;
// The smallest launcher, frame included.
constexpr QSize kMinOuterSize(500, 390);
constexpr int kStatusHeight = 20;

} // namespace

TMainF::TMainF(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName("MainF");
    InitProgramDir();
    m_settingsMessage = LoadSettings().message;
    setWindowTitle(LauncherCaption());

    const DisplayInfo display = CurrentDisplay();
    m_display = JudgeDisplay(display.bitsPerPixel, display.width, display.height);

    SetHelpFile(ProgramDir + QStringLiteral("/Kinea.html"));
    InstallHintSupport();

    setFont(DesignFont());

    auto* client = new QWidget(this);
    client->setObjectName("Client");
    client->setMouseTracking(true);
    client->installEventFilter(this);
    setCentralWidget(client);

    BuildMenus();
    BuildCaptions();
    BuildStatusPanel();

    m_tipTimer = new QTimer(this);
    m_tipTimer->setObjectName("TipTimer");
    m_tipTimer->setInterval(500);
    connect(m_tipTimer, &QTimer::timeout, this, &TMainF::TipTimerTimer);

    SetMinimumOuterSize(this, kMinOuterSize);
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
}

TMainF::~TMainF()
{
    CloseHelp();
}

void TMainF::SetWindows(const AppWindows& windows)
{
    m_windows = windows;
    for (int slot = SlotRoue; slot < PlacementSlotCount; ++slot) {
        if (auto* module = qobject_cast<ModuleWindow*>(m_windows.Placed(slot)))
            connect(module, &ModuleWindow::Closed, this, &TMainF::ModuleClosed);
    }
    if (m_windows.preferences)
        connect(m_windows.preferences, &QDialog::accepted, this, &TMainF::ApplyHintSetting);
    // "A propos de..." stays disabled while the about box shows, at start-up too.
    if (auto* about = qobject_cast<TSplashF*>(m_windows.about)) {
        QAction* entry = findChild<QAction*>("AboutMenu");
        entry->setEnabled(!about->isVisible());
        connect(about, &TSplashF::ShownChanged, entry, [entry](bool shown) { entry->setEnabled(!shown); });
    }
}

QLabel* TMainF::Caption(const char* name) const
{
    return findChild<QLabel*>(QString::fromLatin1(name));
}

void TMainF::SetDisplayQuality(const DisplayQuality& quality)
{
    m_display = quality;
    if (!m_firstShow)
        SetDisplayLabels();
}

void TMainF::ApplyHintSetting()
{
    for (QWidget* window : m_windows.Hinted())
        if (window)
            SetWindowHints(window, AppSettings.HintFlag);
}

// ---------------------------------------------------------------- showing

void TMainF::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Nothing is highlighted any more, for the mouse or the keys.
    m_hovered = nullptr;
    m_pressedCaption = nullptr;
    for (QLabel* caption : m_captions)
        SetTextColour(caption, kCaptionColour);
    if (m_firstShow)
        FormFirstShow();
}

void TMainF::FormFirstShow()
{
    ApplyHintSetting();
    if (AppSettings.TipFlag)
        m_tipTimer->start();
    ApplyPlacement(this, AppSettings.Placements[SlotMain]);
    for (int slot = SlotRoue; slot < PlacementSlotCount; ++slot)
        if (QWidget* window = m_windows.Placed(slot))
            ApplyPlacement(window, AppSettings.Placements[slot]);
    SetDisplayLabels();
    m_firstShow = false;
}

void TMainF::TipTimerTimer()
{
    if (m_windows.about && m_windows.about->isVisible())
        return;
    m_tipTimer->stop();
    if (!m_windows.tip)
        return;
    m_windows.tip->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    m_windows.tip->show();
}

// ---------------------------------------------------------------- closing

void TMainF::closeEvent(QCloseEvent* event)
{
    FreeGlobes(1, 0, true); // only the caption surface the globes share
    CapturePlacement(this, AppSettings.Placements[SlotMain]);
    for (int slot = SlotRoue; slot < PlacementSlotCount; ++slot)
        if (QWidget* window = m_windows.Placed(slot))
            CapturePlacement(window, AppSettings.Placements[slot]);
    // A write that failed is told; a file the user protected is left alone.
    const SettingsSaveResult saved = SaveSettings();
    if (!saved.error.isEmpty())
        QMessageBox::warning(nullptr, ProgramTitle(), saved.error);
    CloseHelp();
    event->accept();
    QApplication::quit();
}

void TMainF::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (width() < minimumWidth() || height() < minimumHeight()) {
        resize(size().expandedTo(minimumSize()));
        return;
    }
    QWidget* client = centralWidget();
    const int h = client->height();
    if (auto* panel = client->findChild<QWidget*>("StatusPanel"))
        panel->setGeometry(0, h - kStatusHeight, client->width(), kStatusHeight);
    if (auto* line = client->findChild<QFrame*>("StatusLine"))
        line->setGeometry(0, h - kStatusHeight - 2, client->width(), 2);
}

// ---------------------------------------------------------------- highlighting

bool TMainF::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove || type == QEvent::Enter) {
        auto* label = qobject_cast<QLabel*>(watched);
        if (label && m_captions.contains(label)) {
            HoverCaption(label);
            // Unaccepted, the move would reach the window's surface below
            // and turn every caption black again.
            return type == QEvent::MouseMove;
        }
        if (watched == centralWidget())
            HoverLauncher();
    } else if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) {
        auto* label = qobject_cast<QLabel*>(watched);
        if (label && m_captionActions.value(label))
            return CaptionMouseEvent(label, static_cast<const QMouseEvent&>(*event));
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TMainF::CaptionMouseEvent(QLabel* label, const QMouseEvent& event)
{
    if (event.button() != Qt::LeftButton)
        return true;
    if (event.type() == QEvent::MouseButtonPress) {
        m_pressedCaption = label;
        return true;
    }
    // The release comes to the pressed caption wherever the mouse is: it
    // counts only over that caption, so that a click can still be given up.
    const bool sameCaption = m_pressedCaption == label && label->rect().contains(event.position().toPoint());
    m_pressedCaption = nullptr;
    if (sameCaption)
        RunCaption(label);
    return true;
}

void TMainF::RunCaption(QLabel* label)
{
    if (QAction* action = m_captionActions.value(label))
        action->trigger();
}

void TMainF::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Down: MoveKeyboardHighlight(1); break;
    case Qt::Key_Up: MoveKeyboardHighlight(-1); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* label = qobject_cast<QLabel*>(m_hovered); label && m_captions.contains(label))
            RunCaption(label);
        break;
    default: QMainWindow::keyPressEvent(event); return;
    }
    event->accept();
}

void TMainF::MoveKeyboardHighlight(int step)
{
    const int count = int(m_captions.size());
    if (count == 0)
        return;
    const int current = int(m_captions.indexOf(qobject_cast<QLabel*>(m_hovered)));
    // From no highlight, Down starts at the first caption and Up at the last.
    const int next = current < 0 ? (step > 0 ? 0 : count - 1) : (current + step + count) % count;
    HoverCaption(m_captions[next]);
}

void TMainF::HoverCaption(QLabel* label)
{
    if (m_hovered == label)
        return;
    for (QLabel* caption : m_captions)
        SetTextColour(caption, kCaptionColour);
    SetTextColour(label, kHoverColour);
    m_hovered = label;
}

void TMainF::HoverLauncher()
{
    if (m_hovered == this)
        return;
    for (QLabel* caption : m_captions)
        SetTextColour(caption, kCaptionColour);
    m_hovered = this;
}

// ---------------------------------------------------------------- actions

void TMainF::OpenModule(QWidget* window)
{
    if (!window)
        return;
    m_openerCaption = qobject_cast<QLabel*>(m_hovered);
    window->show();
    window->raise();
    window->activateWindow();
    hide();
}

void TMainF::ModuleClosed()
{
    show();
    // The keyboard comes back to the launcher, as it went to the module:
    // Up, Down and Enter go on from the caption that opened it.
    raise();
    activateWindow();
    if (m_openerCaption && m_captions.contains(m_openerCaption))
        HoverCaption(m_openerCaption);
}

void TMainF::OpenPreferences(int page)
{
    PreferencesPage = page;
    if (m_windows.preferences)
        m_windows.preferences->exec();
}

void TMainF::EditionMenuShow()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    m_clearMenu->setEnabled(data && data->hasImage());
}

void TMainF::M1Click()
{
    OpenModule(m_windows.wheel);
}
void TMainF::M2Click()
{
    OpenModule(m_windows.projectile);
}
void TMainF::M3Click()
{
    OpenModule(m_windows.disc);
}
void TMainF::M4Click()
{
    OpenModule(m_windows.freefall);
}
void TMainF::M20Click()
{
    OpenModule(m_windows.braking);
}
void TMainF::M21Click()
{
    OpenModule(m_windows.weighing);
}
void TMainF::M22Click()
{
    OpenModule(m_windows.organ);
}
void TMainF::M10Click()
{
    OpenModule(m_windows.field);
}

void TMainF::M23Click()
{
    OpenDocument(ProgramDir + QStringLiteral("/html/cinemometres.html"));
}

void TMainF::M24Click()
{
    OpenDocument(ProgramDir + QStringLiteral("/html/planis.html"));
}

void TMainF::M5Click()
{
    close();
}

void TMainF::M6Click()
{
    ShowHelpTopic(QStringLiteral("Sommaire"));
}

void TMainF::CalcMenuClick()
{
    OpenCalculator();
}

void TMainF::ClearMenuClick()
{
    QGuiApplication::clipboard()->clear();
}

void TMainF::AboutMenuClick()
{
    SetTextColour(Caption("l11"), kCaptionColour);
    if (auto* about = qobject_cast<TSplashF*>(m_windows.about))
        about->SetOpenedFromMenu(true);
    if (m_windows.about)
        m_windows.about->exec();
}

void TMainF::Astucedujour1Click()
{
    if (!m_windows.tip)
        return;
    // The start-up tip may still be open: bring it forward, as a second
    // modal run of the same dialog would nest its loop.
    if (m_windows.tip->isVisible()) {
        m_windows.tip->raise();
        m_windows.tip->activateWindow();
        return;
    }
    m_windows.tip->exec();
}

void TMainF::Lisezmoi1Click()
{
    OpenDocument(ProgramDir + QStringLiteral("/lisezmoi.txt"));
}
