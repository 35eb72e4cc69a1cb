// The launcher: captions, menus, highlighting, module opening, clipboard
// rule, display labels, minimum size.
#include "launcherfixture.h"

#include "platform/documents.h"
#include "shell/preferences/preferenceswindow.h"
#include "window/modulewindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct CaptionCase
{
    const char* name;
    int top;
    const char* text;
};

const CaptionCase kCaptions[] = {
    {"l1", 16, " Roue de bicyclette "},
    {"l2", 40, " Mouvement d'un projectile "},
    {"l3", 64, " Disque en rotation "},
    {"l4", 88, " Chute libre d'une bille "},
    {"l20", 112, " Freinage d'un véhicule et sécurité routière "},
    {"l21", 136, " Poids et masse d'un objet "},
    {"l22", 160, " Orgue cinétique"},
    {"l10", 184, " Champ visuel et conduite "},
    {"l23", 216, " Mesure de la vitesse d'un véhicule ( document ) "},
    {"l24", 240, " Le tour du monde des règles de conduite ( document ) "},
    {"l11", 272, " A propos de Kinea"},
    {"l12", 296, " Accès aux préférences"},
    {"l6", 320, " Aide"},
    {"l5", 344, " Quitter"},
};

// The eight modules in the captions' order: caption, menu entry, and the
// fixture's window they open.
struct ModuleCase
{
    const char* caption;
    const char* entry;
    int module;
};

const ModuleCase kModules[] = {
    {"l1", "m1", 0},   {"l2", "m2", 1},   {"l3", "m3", 2},   {"l4", "m4", 3},
    {"l20", "m20", 4}, {"l21", "m21", 6}, {"l22", "m22", 5}, {"l10", "m10", 7},
};

struct MenuCase
{
    const char* name;
    const char* text;
};

const MenuCase kMenuEntries[] = {
    {"m1", "&Roue de bicyclette"},
    {"m2", "&Mouvement d'un projectile"},
    {"m3", "&Disque en rotation"},
    {"m4", "&Chute d'une bille"},
    {"m20", "&Freinage"},
    {"m21", "&Poids et masse d'un objet"},
    {"m22", "&Orgue cinétique"},
    {"m10", "Champ &visuel et conduite"},
    {"m23", " Mesure de la vitesse d'un véhicule ( documentaire ) "},
    {"m24", " Le tour du monde des règles de conduite ( documentaire ) "},
    {"m5", "&Quitter"},
#ifdef Q_OS_WIN
    {"CalcMenu", "&Calculatrice de Windows"},
#else
    {"CalcMenu", "&Calculatrice du bureau"},
#endif
    {"ClearMenu", "&Vider le presse-papiers"},
    {"Option0Menu", "&Générales"},
    {"Option1Menu", "O&utils du logiciel"},
    {"Option3Menu", "&Couleurs des modules \"mouvements\""},
    {"Option4Menu", "&Poids et masse d'un objet"},
    {"Option5Menu", "&Freinage d'un véhicule / Champ visuel"},
    {"Option6Menu", "&Orgue cinétique"},
    {"Option7Menu", "&Mouvements"},
    {"m6", "&Aide de Kinea"},
    {"AboutMenu", "A &propos de..."},
    {"Astucedujour1", "A&stuce du jour"},
    {"Lisezmoi1", "&Lisez moi"},
};

// A dialog that records its openings and closes at once.
class RecordingDialog : public QDialog
{
public:
    int opened = 0;
    int pageSeen = -1;
    int exec() override
    {
        ++opened;
        pageSeen = PreferencesPage;
        return QDialog::Rejected;
    }
};

// The launcher with plain module windows and dialogs that record their
// openings.
class LauncherTest : public LauncherFixture
{
protected:
    void SetUp() override
    {
        LauncherFixture::SetUp();
        AppSettings.TipFlag = false;
        for (auto& w : modules)
            w = std::make_unique<ModuleWindow>();
        windows.wheel = modules[0].get();
        windows.projectile = modules[1].get();
        windows.disc = modules[2].get();
        windows.freefall = modules[3].get();
        windows.braking = modules[4].get();
        windows.organ = modules[5].get();
        windows.weighing = modules[6].get();
        windows.field = modules[7].get();
        windows.preferences = &preferences;
        windows.about = &about;
        windows.tip = &tip;
        launcher->SetWindows(windows);
    }

    QColor ColourOf(const char* name) { return launcher->Caption(name)->palette().color(QPalette::WindowText); }

    std::unique_ptr<ModuleWindow> modules[8];
    RecordingDialog preferences, about, tip;
};

} // namespace

TEST_F(LauncherTest, CaptionsStandAtTheirPlacesWithTheirTexts)
{
    for (const CaptionCase& c : kCaptions) {
        SCOPED_TRACE(c.name);
        QLabel* label = launcher->Caption(c.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromUtf8(c.text));
        EXPECT_EQ(label->pos(), QPoint(56, c.top));
        EXPECT_TRUE(label->font().bold());
        EXPECT_TRUE(label->font().italic());
        EXPECT_EQ(label->font().pixelSize(), 16);
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
        auto* bullet = launcher->findChild<QLabel*>(QStringLiteral("Puce_") + c.name);
        ASSERT_NE(bullet, nullptr);
        EXPECT_EQ(bullet->geometry(), QRect(32, c.top + 5, 13, 9));
        ASSERT_FALSE(bullet->pixmap().isNull());
    }
}

TEST_F(LauncherTest, BulletBackgroundTakesTheButtonFace)
{
    const QImage bullet = launcher->findChild<QLabel*>("Puce_l1")->pixmap().toImage();
    const QRgb face = launcher->palette().color(QPalette::Button).rgb();
    EXPECT_EQ(bullet.pixel(12, 1), face);
    EXPECT_EQ(bullet.pixel(0, 0), face);
    EXPECT_NE(bullet.pixel(6, 4), face); // the ball itself
}

TEST_F(LauncherTest, MenuEntriesHaveTheirCaptions)
{
    for (const MenuCase& m : kMenuEntries) {
        SCOPED_TRACE(m.name);
        QAction* a = Action(m.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), QString::fromUtf8(m.text));
    }
    QStringList menus;
    for (QAction* a : launcher->menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, QStringList({"&Utiliser", "&Edition", QString::fromUtf8("&Préférences"), "&Aide"}));
}

TEST_F(LauncherTest, HoveringColoursOneCaptionBlueAndTheBackgroundResetsAll)
{
    launcher->show();
    const QColor blue(0, 0, 255);
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(launcher->Caption("l2"), &move);
    EXPECT_EQ(ColourOf("l2"), blue);
    EXPECT_EQ(ColourOf("l1"), QColor(Qt::black));

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(launcher->Caption("l3"), &enter);
    EXPECT_EQ(ColourOf("l3"), blue);
    EXPECT_EQ(ColourOf("l2"), QColor(Qt::black));

    QApplication::sendEvent(launcher->centralWidget(), &enter);
    for (const CaptionCase& c : kCaptions)
        EXPECT_EQ(ColourOf(c.name), QColor(Qt::black)) << c.name;
}

TEST_F(LauncherTest, OpeningAModuleHidesTheLauncherUntilItCloses)
{
    launcher->show();
    for (const ModuleCase& c : kModules) {
        SCOPED_TRACE(c.entry);
        Action(c.entry)->trigger();
        EXPECT_TRUE(modules[c.module]->isVisible());
        EXPECT_FALSE(launcher->isVisible());
        modules[c.module]->close();
        EXPECT_TRUE(launcher->isVisible());
    }
}

TEST_F(LauncherTest, ClickingACaptionRunsItsMenuEntry)
{
    launcher->show();
    QTest::mouseClick(launcher->Caption("l4"), Qt::LeftButton);
    EXPECT_TRUE(modules[3]->isVisible());
    modules[3]->close();

    QTest::mouseClick(launcher->Caption("l12"), Qt::LeftButton);
    EXPECT_EQ(preferences.opened, 1);
    EXPECT_EQ(preferences.pageSeen, 0);
}

TEST_F(LauncherTest, OnlyALeftClickPressedAndReleasedOnTheSameCaptionRunsIt)
{
    launcher->show();
    QLabel* l4 = launcher->Caption("l4");
    QLabel* l3 = launcher->Caption("l3");
    const QPoint inside = l4->rect().center();
    const QPoint outside(l4->width() + 5, l4->height() / 2);
    const struct
    {
        const char* name;
        std::function<void()> gesture;
    } refused[] = {
        {"right button", [&] { QTest::mouseClick(l4, Qt::RightButton, {}, inside); }},
        {"middle button", [&] { QTest::mouseClick(l4, Qt::MiddleButton, {}, inside); }},
        {"released off the caption",
         [&] {
             QTest::mousePress(l4, Qt::LeftButton, {}, inside);
             QTest::mouseRelease(l4, Qt::LeftButton, {}, outside);
         }},
        {"pressed on another caption",
         [&] {
             QTest::mousePress(l3, Qt::LeftButton, {}, l3->rect().center());
             QTest::mouseRelease(l4, Qt::LeftButton, {}, inside);
         }},
        {"released without a press", [&] { QTest::mouseRelease(l4, Qt::LeftButton, {}, inside); }},
    };
    for (const auto& row : refused) {
        row.gesture();
        EXPECT_FALSE(modules[3]->isVisible()) << row.name;
        EXPECT_FALSE(modules[2]->isVisible()) << row.name;
        EXPECT_TRUE(launcher->isVisible()) << row.name;
    }
    QTest::mousePress(l4, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(l4, Qt::LeftButton, {}, inside + QPoint(3, 1));
    EXPECT_TRUE(modules[3]->isVisible());
}

TEST_F(LauncherTest, ArrowKeysHighlightTheCaptionsAndEnterRunsIt)
{
    launcher->show();
    QTest::keyClick(launcher.get(), Qt::Key_Return); // nothing highlighted yet
    EXPECT_TRUE(launcher->isVisible());
    const QColor blue(0, 0, 255);
    const auto highlighted = [&] {
        QStringList names;
        for (const CaptionCase& c : kCaptions)
            if (ColourOf(c.name) == blue)
                names << c.name;
        return names;
    };
    const struct
    {
        Qt::Key key;
        const char* highlighted;
    } steps[] = {
        {Qt::Key_Down, "l1"}, {Qt::Key_Down, "l2"}, {Qt::Key_Up, "l1"},   {Qt::Key_Up, "l5"},
        {Qt::Key_Up, "l6"},   {Qt::Key_Down, "l5"}, {Qt::Key_Down, "l1"},
    };
    for (const auto& step : steps) {
        QTest::keyClick(launcher.get(), step.key);
        EXPECT_EQ(highlighted(), QStringList{step.highlighted}) << step.highlighted;
    }
    QTest::keyClick(launcher.get(), Qt::Key_Return);
    EXPECT_TRUE(modules[0]->isVisible());
    modules[0]->close();

    // The keys go on from the caption under the mouse; the keypad's Enter
    // runs it too.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(launcher->Caption("l4"), &enter);
    QTest::keyClick(launcher.get(), Qt::Key_Down);
    EXPECT_EQ(highlighted(), QStringList{"l20"});
    QTest::keyClick(launcher.get(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(modules[4]->isVisible());
}

// Driven from the keyboard alone: each module opened with Down and Enter,
// closed, and the keys go on from the launcher.
TEST_F(LauncherTest, ClosingAModuleGivesTheKeyboardBackToTheLauncherWithItsHighlight)
{
    launcher->show();
    launcher->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(launcher.get()));
    for (const ModuleCase& row : kModules) {
        SCOPED_TRACE(row.caption);
        ASSERT_EQ(QApplication::activeWindow(), launcher.get());
        QTest::keyClick(QApplication::activeWindow(), Qt::Key_Down);
        QTest::keyClick(QApplication::activeWindow(), Qt::Key_Return);
        ModuleWindow* module = modules[row.module].get();
        ASSERT_TRUE(module->isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowActive(module));
        module->close();
        EXPECT_TRUE(QTest::qWaitForWindowActive(launcher.get()));
        EXPECT_EQ(ColourOf(row.caption), QColor(0, 0, 255));
    }
}

TEST_F(LauncherTest, PreferenceEntriesOpenTheirPage)
{
    const struct
    {
        const char* entry;
        int page;
    } cases[] = {{"Option0Menu", 0}, {"Option1Menu", 1}, {"Option3Menu", 3}, {"Option4Menu", 4},
                 {"Option5Menu", 5}, {"Option6Menu", 6}, {"Option7Menu", 7}};
    for (const auto& c : cases) {
        Action(c.entry)->trigger();
        EXPECT_EQ(preferences.pageSeen, c.page) << c.entry;
    }
    EXPECT_EQ(preferences.opened, 7);
}

TEST_F(LauncherTest, AboutAndTipEntriesOpenTheirDialogs)
{
    Action("AboutMenu")->trigger();
    EXPECT_EQ(about.opened, 1);
    Action("Astucedujour1")->trigger();
    EXPECT_EQ(tip.opened, 1);
}

TEST_F(LauncherTest, DocumentEntriesHandTheirFilesBesideTheProgramToTheDesktop)
{
    QStringList handed;
    const DesktopOpener previous = SetDesktopOpener([&handed](const QString& path) {
        handed << path;
        return true;
    });
    for (const char* file : {"html/cinemometres.html", "html/planis.html", "lisezmoi.txt"}) {
        QDir().mkpath(QFileInfo(dir.File(file)).path());
        testing_support::WriteFile(dir.File(file), "Kinea");
    }
    for (const char* entry : {"m23", "m24", "Lisezmoi1"})
        Action(entry)->trigger();
    SetDesktopOpener(previous);
    EXPECT_EQ(handed, QStringList({dir.File("html/cinemometres.html"), dir.File("html/planis.html"),
                                   dir.File("lisezmoi.txt")}));
}

TEST_F(LauncherTest, ClearEntryEnabledOnlyForAPictureOnTheClipboard)
{
    auto* edit = launcher->findChild<QMenu*>("EditionMenu");
    QClipboard* clipboard = QGuiApplication::clipboard();

    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    clipboard->setImage(picture);
    emit edit->aboutToShow();
    EXPECT_TRUE(Action("ClearMenu")->isEnabled());

    Action("ClearMenu")->trigger();
    emit edit->aboutToShow();
    EXPECT_FALSE(Action("ClearMenu")->isEnabled());

    clipboard->setText("du texte");
    emit edit->aboutToShow();
    EXPECT_FALSE(Action("ClearMenu")->isEnabled());
}

TEST_F(LauncherTest, DisplayLabelsFollowTheColourDepth)
{
    const struct
    {
        int bits;
        const char* text;
        const char* warning;
        QColor colour;
    } cases[] = {
        {8, "Affichage 1024 sur 768 pixels, 256 couleurs.",
         "Affichage minimum conseillé : 800 sur 600 pixels, 65536 couleurs", QColor(255, 0, 0)},
        {16, "Affichage 1024 sur 768 pixels, 65536 couleurs.", "Affichage convenable", QColor(0, 128, 0)},
        {24, "Affichage 1024 sur 768 pixels, 16 millions de couleurs.", "Affichage convenable", QColor(0, 128, 0)},
        {32, "Affichage 1024 sur 768 pixels, 16 millions de couleurs.", "Affichage convenable", QColor(0, 128, 0)},
        {30, "Affichage 1024 sur 768 pixels, 16 millions de couleurs.", "Affichage convenable", QColor(0, 128, 0)},
        {48, "Affichage 1024 sur 768 pixels, 16 millions de couleurs.", "Affichage convenable", QColor(0, 128, 0)},
        {15, "Affichage 1024 sur 768 pixels, 16 couleurs.",
         "Affichage minimum conseillé : 800 sur 600 pixels, 65536 couleurs", QColor(255, 0, 0)},
        {4, "Affichage 1024 sur 768 pixels, 16 couleurs.",
         "Affichage minimum conseillé : 800 sur 600 pixels, 65536 couleurs", QColor(255, 0, 0)},
    };
    launcher->show();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bits);
        launcher->SetDisplayQuality(JudgeDisplay(c.bits, 1024, 768));
        auto* mode = launcher->findChild<QLabel*>("ModeLab");
        auto* warning = launcher->findChild<QLabel*>("WarningLab");
        EXPECT_EQ(mode->text(), QString::fromUtf8(c.text));
        EXPECT_EQ(warning->text(), QString::fromUtf8(c.warning));
        EXPECT_EQ(warning->palette().color(QPalette::WindowText), c.colour);
        EXPECT_EQ(warning->x(), mode->geometry().right() + 1 + 10);
        EXPECT_EQ(mode->y(), 2);
        EXPECT_EQ(warning->y(), 2);
    }
}

TEST_F(LauncherTest, ResizedTooSmallSnapsBackToTheMinimum)
{
    launcher->show();
    // 500 x 390 with the window's 8 x 27 frame.
    launcher->resize(400, 300);
    testing_support::ProcessEvents();
    EXPECT_EQ(launcher->size(), QSize(492, 363));
    launcher->resize(450, 600);
    EXPECT_EQ(launcher->size(), QSize(492, 600));
}

TEST_F(LauncherTest, ClosingCapturesPlacementsAndWritesTheSettings)
{
    launcher->show();
    modules[1]->move(40, 50);
    modules[1]->resize(610, 620);
    launcher->close();
    EXPECT_EQ(AppSettings.Placements[SlotBalle].W, 610);
    EXPECT_EQ(AppSettings.Placements[SlotBalle].H, 620);
    const QByteArray file = testing_support::ReadFile(dir.File("Kinea.ini"));
    EXPECT_TRUE(file.contains("[BalleF]"));
    EXPECT_TRUE(file.contains("W=610"));
}

TEST_F(LauncherTest, TipShownAfterTheStartUpAboutBoxHasClosed)
{
    AppSettings.TipFlag = true;
    about.show();
    launcher->show();
    auto* timer = launcher->findChild<QTimer*>("TipTimer");
    ASSERT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 500);
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_FALSE(tip.isVisible());
    about.hide();
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_TRUE(tip.isVisible());
    EXPECT_FALSE(timer->isActive());
}
