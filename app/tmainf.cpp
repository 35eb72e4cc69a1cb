#include "app/tmainf.h"

#include "app/settings/appsettings.h"
#include "app/windowplacements.h"
#include "canvas/picturehelpers.h"
#include "platform/calculator.h"
#include "platform/desktop.h"
#include "platform/helpviewer.h"
#include "platform/resources/namedresources.h"
#include "raster/globeview.h"
#include "shell/tpreferencesf.h"
#include "shell/tsplashf.h"
#include "window/hints.h"
#include "window/modulewindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>

namespace {

constexpr int kClientWidth = 572;
constexpr int kClientHeight = 400;
constexpr int kMinWidth = 500;
constexpr int kMinHeight = 390;
constexpr int kStatusHeight = 20;

enum class Bullet { Blue, Red };

struct CaptionRow
{
    const char* name;
    int top;
    const char* text;
    Bullet bullet;
    const char* action;
};

// The fourteen captions, top to bottom, and the menu entry each one runs.
const CaptionRow kCaptionRows[] = {
    {"l1", 16, " Roue de bicyclette ", Bullet::Blue, "m1"},
    {"l2", 40, " Mouvement d'un projectile ", Bullet::Blue, "m2"},
    {"l3", 64, " Disque en rotation ", Bullet::Blue, "m3"},
    {"l4", 88, " Chute libre d'une bille ", Bullet::Blue, "m4"},
    {"l20", 112, " Freinage d'un véhicule et sécurité routière ", Bullet::Blue, "m20"},
    {"l21", 136, " Poids et masse d'un objet ", Bullet::Blue, "m21"},
    {"l22", 160, " Orgue cinétique", Bullet::Blue, "m22"},
    {"l10", 184, " Champ visuel et conduite ", Bullet::Blue, "m10"},
    {"l23", 216, " Mesure de la vitesse d'un véhicule ( document ) ", Bullet::Blue, "m23"},
    {"l24", 240, " Le tour du monde des règles de conduite ( document ) ", Bullet::Blue, "m24"},
    {"l11", 272, " A propos de Kinea", Bullet::Red, "AboutMenu"},
    {"l12", 296, " Accès aux  préférences", Bullet::Red, "Option0Menu"},
    {"l6", 320, " Aide", Bullet::Red, "m6"},
    {"l5", 344, " Quitter", Bullet::Red, "m5"},
};

constexpr TColor kBlack = 0x000000;
constexpr TColor kBlue = 0xFF0000; // 0x00BBGGRR

void setTextColour(QLabel* label, TColor colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColorFromCanvas(colour));
    label->setPalette(palette);
}

// The bullet's background (its pixel at (12, 1)) takes the button face,
// so that the bullet sits on the window like a transparent picture.
QPixmap bulletPixmap(const QString& name, const QColor& buttonFace)
{
    QImage image = LoadNamedPicture(name).convertToFormat(QImage::Format_RGB32);
    if (image.isNull())
        return {};
    ReplaceColor(image, CanvasFromQColor(QColor(image.pixel(12, 1))), CanvasFromQColor(buttonFace));
    return QPixmap::fromImage(image);
}

QFrame* raisedLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Raised);
    return line;
}

} // namespace

TMainF::TMainF(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName("MainF");
    InitProgramDir();
    LoadSettings();
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

    buildMenus();
    buildCaptions();
    buildStatusPanel();

    m_tipTimer = new QTimer(this);
    m_tipTimer->setObjectName("TipTimer");
    m_tipTimer->setInterval(500);
    connect(m_tipTimer, &QTimer::timeout, this, &TMainF::TipTimerTimer);

    setMinimumSize(kMinWidth, kMinHeight);
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
}

TMainF::~TMainF()
{
    CloseHelp();
}

void TMainF::buildCaptions()
{
    QWidget* client = centralWidget();
    raisedLine(client)->setGeometry(0, 0, 4000, 2);

    QFont captionFont(QStringLiteral("Arial"));
    captionFont.setPixelSize(16);
    captionFont.setBold(true);
    captionFont.setItalic(true);

    const QColor face = palette().color(QPalette::Button);
    const QPixmap blue = bulletPixmap(QStringLiteral("PuceBleue"), face);
    const QPixmap red = bulletPixmap(QStringLiteral("PuceRouge"), face);

    for (const CaptionRow& row : kCaptionRows) {
        auto* bullet = new QLabel(client);
        bullet->setObjectName(QStringLiteral("Puce_") + row.name);
        bullet->setPixmap(row.bullet == Bullet::Blue ? blue : red);
        bullet->setGeometry(32, row.top + 5, 13, 9);

        auto* label = new QLabel(QString::fromUtf8(row.text), client);
        label->setObjectName(row.name);
        label->setFont(captionFont);
        label->adjustSize();
        label->move(56, row.top);
        label->setCursor(Qt::PointingHandCursor);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        setTextColour(label, kBlack);
        m_captions.append(label);
        m_captionActions.insert(label, findChild<QAction*>(row.action));
    }
}

void TMainF::buildStatusPanel()
{
    QWidget* client = centralWidget();
    auto* panel = new QWidget(client);
    panel->setObjectName("StatusPanel");
    auto* line = raisedLine(client);
    line->setObjectName("StatusLine");

    m_modeLab = new QLabel(panel);
    m_modeLab->setObjectName("ModeLab");
    m_modeLab->move(4, 2);
    m_warningLab = new QLabel(panel);
    m_warningLab->setObjectName("WarningLab");
    m_warningLab->move(200, 2);
}

QAction* TMainF::addAction(QMenu* menu, const char* name, const QString& text, void (TMainF::*slot)())
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    if (slot)
        connect(action, &QAction::triggered, this, slot);
    return action;
}

void TMainF::buildMenus()
{
    QMenu* use = menuBar()->addMenu(QStringLiteral("&Utiliser"));
    use->setObjectName("UtiliserMenu");
    addAction(use, "m1", QStringLiteral("&Roue de bicyclette"), &TMainF::m1Click);
    addAction(use, "m2", QStringLiteral("&Mouvement d'un projectile"), &TMainF::m2Click);
    addAction(use, "m3", QStringLiteral("&Disque en rotation"), &TMainF::m3Click);
    addAction(use, "m4", QStringLiteral("&Chute d'une bille"), &TMainF::m4Click);
    addAction(use, "m20", QStringLiteral("&Freinage"), &TMainF::m20Click);
    addAction(use, "m21", QStringLiteral("&Poids et masse d'un objet"), &TMainF::m21Click);
    addAction(use, "m22", QStringLiteral("&Orgue cinétique"), &TMainF::m22Click);
    addAction(use, "m10", QStringLiteral("Champ &visuel et conduite"), &TMainF::m10Click);
    use->addSeparator();
    addAction(use, "m23", QStringLiteral(" Mesure de la vitesse d'un véhicule ( documentaire ) "), &TMainF::m23Click);
    addAction(use, "m24", QStringLiteral(" Le tour du monde des règles de conduite ( documentaire ) "), &TMainF::m24Click);
    use->addSeparator();
    addAction(use, "m5", QStringLiteral("&Quitter"), &TMainF::m5Click);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edition"));
    edit->setObjectName("EditionMenu");
    addAction(edit, "CalcMenu", QStringLiteral("&Calculatrice de Windows"), &TMainF::CalcMenuClick);
    edit->addSeparator();
    m_clearMenu = addAction(edit, "ClearMenu", QStringLiteral("&Vider le presse-papiers"), &TMainF::ClearMenuClick);
    connect(edit, &QMenu::aboutToShow, this, &TMainF::EditionMenuShow);

    QMenu* prefs = menuBar()->addMenu(QStringLiteral("&Préférences"));
    prefs->setObjectName("PreferencesMenu");
    const struct { const char* name; const char* text; int page; } optionEntries[] = {
        {"Option0Menu", "&Générales", 0},
        {"Option1Menu", "O&utils du logiciel", 1},
        {"Option3Menu", "&Couleurs des modules \"mouvements\"", 3},
        {"Option4Menu", "&Poids et masse d'un objet", 4},
        {"Option5Menu", "&Freinage d'un véhicule / Champ visuel", 5},
        {"Option6Menu", "&Orgue cinétique", 6},
        {"Option7Menu", "&Mouvements", 7},
    };
    for (const auto& entry : optionEntries) {
        QAction* action = addAction(prefs, entry.name, QString::fromUtf8(entry.text), nullptr);
        const int page = entry.page;
        connect(action, &QAction::triggered, this, [this, page] { openPreferences(page); });
    }

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Aide"));
    help->setObjectName("AideMenu");
    addAction(help, "m6", QStringLiteral("&Aide de Kinea"), &TMainF::m6Click);
    addAction(help, "AboutMenu", QStringLiteral("A &propos de..."), &TMainF::AboutMenuClick);
    help->addSeparator();
    addAction(help, "Astucedujour1", QStringLiteral("A&stuce du jour"), &TMainF::Astucedujour1Click);
    help->addSeparator();
    addAction(help, "Lisezmoi1", QStringLiteral("&Lisez moi"), &TMainF::Lisezmoi1Click);
}

void TMainF::setWindows(const AppWindows& windows)
{
    m_windows = windows;
    for (int slot = SlotRoue; slot < PlacementSlotCount; ++slot) {
        if (auto* module = qobject_cast<ModuleWindow*>(m_windows.placed(slot)))
            connect(module, &ModuleWindow::closed, this, [this] { show(); });
    }
    if (m_windows.preferences)
        connect(m_windows.preferences, &QDialog::accepted, this, &TMainF::ApplyHintSetting);
    // "A propos de..." stays disabled while the about box shows, at start-up too.
    if (auto* about = qobject_cast<TSplashF*>(m_windows.splash)) {
        QAction* entry = findChild<QAction*>("AboutMenu");
        entry->setEnabled(!about->isVisible());
        connect(about, &TSplashF::shownChanged, entry, [entry](bool shown) { entry->setEnabled(!shown); });
    }
}

QLabel* TMainF::caption(const char* name) const
{
    return findChild<QLabel*>(QString::fromLatin1(name));
}

void TMainF::setDisplayQuality(const DisplayQuality& quality)
{
    m_display = quality;
    if (!m_firstShow)
        setDisplayLabels();
}

void TMainF::ApplyHintSetting()
{
    for (QWidget* window : m_windows.hinted())
        if (window)
            SetWindowHints(window, AppSettings.HintFlag);
}

// ---------------------------------------------------------------- showing

void TMainF::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    m_hovered = nullptr;
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
        if (QWidget* window = m_windows.placed(slot))
            ApplyPlacement(window, AppSettings.Placements[slot]);
    setDisplayLabels();
    m_firstShow = false;
}

void TMainF::setDisplayLabels()
{
    m_modeLab->setText(m_display.text);
    m_modeLab->adjustSize();
    m_warningLab->setText(DisplayWarningText(m_display));
    setTextColour(m_warningLab, DisplayWarningColour(m_display));
    m_warningLab->adjustSize();
    m_warningLab->move(m_modeLab->geometry().right() + 1 + 10, 2);
}

void TMainF::TipTimerTimer()
{
    if (m_windows.splash && m_windows.splash->isVisible())
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
        if (QWidget* window = m_windows.placed(slot))
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
    if (width() < kMinWidth || height() < kMinHeight) {
        resize(std::max(width(), kMinWidth), std::max(height(), kMinHeight));
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
            hoverCaption(label);
            // Unaccepted, the move would reach the window's surface below
            // and turn every caption black again.
            return type == QEvent::MouseMove;
        }
        if (watched == centralWidget())
            hoverLauncher();
    } else if (type == QEvent::MouseButtonRelease) {
        auto* label = qobject_cast<QLabel*>(watched);
        if (label && m_captionActions.value(label)) {
            m_captionActions.value(label)->trigger();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainF::hoverCaption(QLabel* label)
{
    if (m_hovered == label)
        return;
    for (QLabel* caption : m_captions)
        setTextColour(caption, kBlack);
    setTextColour(label, kBlue);
    m_hovered = label;
}

void TMainF::hoverLauncher()
{
    if (m_hovered == this)
        return;
    for (QLabel* caption : m_captions)
        setTextColour(caption, kBlack);
    m_hovered = this;
}

// ---------------------------------------------------------------- actions

void TMainF::openModule(QWidget* window)
{
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
    hide();
}

void TMainF::openPreferences(int page)
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

void TMainF::m1Click() { openModule(m_windows.roue); }
void TMainF::m2Click() { openModule(m_windows.balle); }
void TMainF::m3Click() { openModule(m_windows.disque); }
void TMainF::m4Click() { openModule(m_windows.chute); }
void TMainF::m20Click() { openModule(m_windows.freinage); }
void TMainF::m21Click() { openModule(m_windows.poids); }
void TMainF::m22Click() { openModule(m_windows.percuta); }
void TMainF::m10Click() { openModule(m_windows.champ); }

void TMainF::m23Click()
{
    OpenWithDesktop(ProgramDir + QStringLiteral("/html/cinemometres.html"));
}

void TMainF::m24Click()
{
    OpenWithDesktop(ProgramDir + QStringLiteral("/html/planis.html"));
}

void TMainF::m5Click()
{
    close();
}

void TMainF::m6Click()
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
    setTextColour(caption("l11"), kBlack);
    if (auto* about = qobject_cast<TSplashF*>(m_windows.splash))
        about->SetOpenedFromMenu(true);
    if (m_windows.splash)
        m_windows.splash->exec();
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
    OpenWithDesktop(ProgramDir + QStringLiteral("/lisezmoi.txt"));
}
