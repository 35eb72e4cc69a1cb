// The program's nine placed windows as the program builds them: their title
// bars, their stored placements of any value, their minimum and design
// sizes.
#include "launcherfixture.h"

#include "app/startup.h"
#include "app/windowplacement.h"
#include "motion/discwindow.h"
#include "motion/freefallwindow.h"
#include "motion/projectilewindow.h"
#include "motion/wheelwindow.h"
#include "road/braking/brakingwindow.h"
#include "road/field/fieldwindow.h"
#include "weight/organ/organwindow.h"
#include "weight/weighing/weighingwindow.h"
#include "window/modulewindow.h"

#include <QDialog>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <climits>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using testing_support::Child;

namespace {

// The launcher and every window the start creates after it.
class ProgramWindows : public LauncherFixture
{
protected:
    void SetUp() override
    {
        LauncherFixture::SetUp();
        AppSettings.SplasheFlag = false;
        AppSettings.TipFlag = false;
    }
    void TearDown() override
    {
        for (QWidget* window : PlacedWindows())
            window->hide();
        DeleteModuleWindows(windows);
    }

    void CreateWindows()
    {
        windows.field = new TChampF;
        ::CreateWindows(*launcher, windows);
    }

    // The nine windows in placement-slot order.
    std::vector<QWidget*> PlacedWindows() const
    {
        std::vector<QWidget*> placed{launcher.get()};
        for (int slot = SlotRoue; slot < PlacementSlotCount; ++slot)
            if (QWidget* window = windows.Placed(slot))
                placed.push_back(window);
        return placed;
    }
};

// The window, frame included, lies wholly on the screen, unless its minimum
// size is larger than the screen: then it lies at the screen's top-left.
void ExpectWithinReach(const QWidget* window, const char* row)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame(window->pos(), window->size() + DesignFrame);
    SCOPED_TRACE(window->objectName().toStdString() + ", " + row);
    const QSize largest = (screen.size() - DesignFrame).expandedTo(window->minimumSize());
    EXPECT_LE(window->width(), largest.width());
    EXPECT_LE(window->height(), largest.height());
    EXPECT_GE(frame.left(), screen.left());
    EXPECT_GE(frame.top(), screen.top());
    if (frame.width() <= screen.width()) {
        EXPECT_LE(frame.right(), screen.right());
    }
    if (frame.height() <= screen.height()) {
        EXPECT_LE(frame.bottom(), screen.bottom());
    }
}

struct StoredRow
{
    const char* name;
    WindowPlacement placement;
};

constexpr int lo = INT_MIN;
constexpr int hi = INT_MAX;

} // namespace

TEST_F(ProgramWindows, TitleBarsShowTheCaptionsAlone)
{
    CreateWindows();
    const struct
    {
        QWidget* window;
        const char* title;
    } rows[] = {
        {launcher.get(), " Kinea - La physique en mouvement"},
        {windows.wheel, "Kinea - Roue d'une bicyclette"},
        {windows.projectile, "Kinea - Mouvement d'un projectile"},
        {windows.disc, "Kinea - Disque en rotation"},
        {windows.freefall, "Kinea - Chute d'une bille"},
        {windows.braking, "Kinea - Freinage d'un véhicule"},
        {windows.organ, "Kinea - Orgue cinétique"},
        {windows.weighing, "Kinea - Poids d'un objet"},
        {windows.field, "Kinea - Champ visuel et conduite"},
        {windows.preferences, " Préférences"},
        {windows.tip, " Astuce du jour"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.window->windowTitle(), QString::fromUtf8(row.title)) << row.title;
    EXPECT_EQ(SecondCopyBox()->windowTitle(), QStringLiteral("Avertissement"));

    // Qt ends a title bar with the application's display name once one has
    // been set; unset, the display name follows the application's name.
    NameTheProgram();
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Kinea"));
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("kinea"));
    QCoreApplication::setApplicationName(QStringLiteral("Sonde"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Sonde"));
    NameTheProgram();
}

TEST_F(ProgramWindows, AnyStoredKeyAloneKeepsEveryWindowWithinReach)
{
    CreateWindows();
    const StoredRow rows[] = {
        {"X lowest", {lo, 1, 700, 500, false}}, {"X highest", {hi, 1, 700, 500, false}},
        {"Y lowest", {1, lo, 700, 500, false}}, {"Y highest", {1, hi, 700, 500, false}},
        {"W lowest", {1, 1, lo, 500, false}},   {"W highest", {1, 1, hi, 500, false}},
        {"H lowest", {1, 1, 700, lo, false}},   {"H highest", {1, 1, 700, hi, false}},
    };
    for (QWidget* window : PlacedWindows()) {
        const QSize design = window->size();
        for (const StoredRow& row : rows) {
            window->resize(design);
            ApplyPlacement(window, row.placement);
            ExpectWithinReach(window, row.name);
        }
    }
}

// Every key of every window at one end of its range, as a settings file
// may hold it: the launcher's first show places the windows.
class ProgramWindowsAtAnEnd : public ProgramWindows, public ::testing::WithParamInterface<StoredRow>
{ };

TEST_P(ProgramWindowsAtAnEnd, EveryWindowOpensOnScreen)
{
    const StoredRow& row = GetParam();
    CreateWindows();
    AppSettings.Placements.fill(row.placement);
    launcher->show();
    testing_support::ProcessEvents();
    for (QWidget* window : PlacedWindows())
        ExpectWithinReach(window, row.name);
    // Each module as the launcher opens it.
    for (const char* entry : {"m1", "m2", "m3", "m4", "m20", "m21", "m22", "m10"}) {
        Action(entry)->trigger();
        testing_support::ProcessEvents();
        for (QWidget* window : PlacedWindows())
            if (window->isVisible())
                ExpectWithinReach(window, row.name);
        for (QWidget* window : PlacedWindows())
            if (window != launcher.get())
                window->close();
    }
}

INSTANTIATE_TEST_SUITE_P(AllKeys, ProgramWindowsAtAnEnd,
                         ::testing::Values(StoredRow{"AllLowest", {lo, lo, lo, lo, false}},
                                           StoredRow{"AllHighest", {hi, hi, hi, hi, false}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProgramWindows, MinimumSizesLeaveTheFrameOutSoThatTheDesignSizeIsReachable)
{
    const struct
    {
        const char* name;
        std::function<QWidget*()> create;
        QSize outerMinimum;
        QSize design;
    } rows[] = {
        {"launcher", [] { return new TMainF; }, {500, 390}, {572, 400}},
        {"roue", [] { return new TRoueF; }, {400, 300}, {477, 328}},
        {"balle", [] { return new TBalleF; }, {400, 300}, {427, 273}},
        {"disque", [] { return new TDisqueF; }, {400, 300}, {477, 328}},
        {"chute", [] { return new TChuteF; }, {400, 360}, {433, 374}},
        {"freinage", [] { return new TFreinageF; }, {700, 500}, {792, 543}},
        {"percuta", [] { return new TPercutaF; }, {750, 550}, {803, 576}},
        {"poids", [] { return new TPoidsF; }, {750, 550}, {742, 523}},
        {"champ", [] { return new TChampF; }, {750, 550}, {742, 523}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::unique_ptr<QWidget> window(row.create());
        // The launcher's creation has loaded the settings again; its first
        // show then keeps the design size.
        ProgramDir = dir.Path();
        AppSettings = AppSettingsRecord{};
        AppSettings.TipFlag = false;
        AppSettings.Placements[SlotMain] = {1, 1, 0, 0, false};
        EXPECT_EQ(window->minimumSize(), row.outerMinimum - DesignFrame);
        // The launcher's client area lies below its menu bar.
        auto* main = qobject_cast<TMainF*>(window.get());
        const QSize design = main ? row.design + QSize(0, main->menuBar()->sizeHint().height()) : row.design;
        window->resize(design);
        window->show();
        testing_support::ProcessEvents();
        EXPECT_EQ(window->size(), design);
        if (main) {
            EXPECT_EQ(main->centralWidget()->size(), row.design);
        }
        if (auto* balle = qobject_cast<TBalleF*>(window.get())) {
            EXPECT_EQ(Child<QWidget>(balle, "Canevas")->size(), QSize(417, 193));
        }
        window->hide();
    }
}
