// Window placements: applied at the launcher's first show, captured at its
// close, and wholly on a screen whatever numbers the settings file holds.
#include "app/windowplacement.h"
#include "testhelpers.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <climits>
#include <gtest/gtest.h>

namespace {

const QSize kDesign(427, 273);
const QList<QRect> kScreens{QRect(0, 0, 1024, 768), QRect(1024, 0, 800, 600)};

} // namespace

TEST(Placement, AppliedPositionAndSizeComeBackWhenCaptured)
{
    QWidget window;
    ApplyPlacement(&window, {30, 40, 520, 410, false});
    window.show();
    WindowPlacement captured;
    CapturePlacement(&window, captured);
    EXPECT_EQ(captured.X, 30);
    EXPECT_EQ(captured.Y, 40);
    EXPECT_EQ(captured.W, 520);
    EXPECT_EQ(captured.H, 410);
    EXPECT_FALSE(captured.Maxis);
}

TEST(Placement, SizeOfZeroOrLessIsTheDesignSize)
{
    QWidget window;
    window.resize(333, 222);
    ApplyPlacement(&window, {5, 6, 0, -3, false});
    EXPECT_EQ(window.size(), QSize(333, 222));
    EXPECT_EQ(window.pos(), QPoint(5, 6));
}

TEST(Placement, MaximisedWindowKeepsItsLastNormalSize)
{
    QWidget window;
    ApplyPlacement(&window, {10, 10, 640, 480, true});
    window.show();
    testing_support::ProcessEvents(20);
    EXPECT_TRUE(window.isMaximized());
    WindowPlacement captured{10, 10, 640, 480, false};
    CapturePlacement(&window, captured);
    EXPECT_TRUE(captured.Maxis);
    EXPECT_EQ(captured.W, 640);
    EXPECT_EQ(captured.H, 480);
}

TEST(Placement, ReachablePlaceOfStoredNumbers)
{
    constexpr int lo = INT_MIN;
    constexpr int hi = INT_MAX;
    const struct
    {
        const char* name;
        WindowPlacement stored;
        QRect place;
    } rows[] = {
        {"on the first screen", {30, 40, 520, 410, false}, QRect(30, 40, 520, 410)},
        {"on the second screen", {1500, 100, 300, 200, false}, QRect(1500, 100, 300, 200)},
        {"left part off the screen", {-100, 50, 300, 200, false}, QRect(0, 50, 300, 200)},
        {"title bar above the screen", {-100, -50, 300, 200, false}, QRect(0, 0, 300, 200)},
        {"title bar barely on the left", {-290, 10, 300, 200, false}, QRect(0, 10, 300, 200)},
        {"title bar at the bottom edge", {10, 760, 300, 200, false}, QRect(10, 541, 300, 200)},
        {"corner of the first screen", {1023, 767, 300, 200, false}, QRect(716, 541, 300, 200)},
        {"mostly on the second screen", {1700, 500, 300, 200, false}, QRect(1516, 373, 300, 200)},
        {"right of every screen", {5000, 3000, 300, 200, false}, QRect(0, 0, 300, 200)},
        {"left of every screen", {-900, 10, 300, 200, false}, QRect(0, 0, 300, 200)},
        {"wider than its screen", {200, 30, 5000, 200, false}, QRect(0, 30, 1016, 200)},
        {"higher than its screen", {30, 200, 300, 5000, false}, QRect(30, 0, 300, 741)},
        {"X lowest", {lo, 1, 700, 500, false}, QRect(0, 0, 700, 500)},
        {"X highest", {hi, 1, 700, 500, false}, QRect(0, 0, 700, 500)},
        {"Y lowest", {1, lo, 700, 500, false}, QRect(0, 0, 700, 500)},
        {"Y highest", {1, hi, 700, 500, false}, QRect(0, 0, 700, 500)},
        {"W lowest", {1, 1, lo, 500, false}, QRect(1, 1, 427, 500)},
        {"W highest", {1, 1, hi, 500, false}, QRect(0, 1, 1016, 500)},
        {"H lowest", {1, 1, 700, lo, false}, QRect(1, 1, 700, 273)},
        {"H highest", {1, 1, 700, hi, false}, QRect(1, 0, 700, 741)},
        {"all lowest", {lo, lo, lo, lo, false}, QRect(0, 0, 427, 273)},
        {"all highest", {hi, hi, hi, hi, false}, QRect(0, 0, 1016, 741)},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ReachablePlace(row.stored, kDesign, kScreens), row.place) << row.name;
}

// On a 1280 x 1024 screen: a window that fits is moved wholly onto it with
// its size kept; the default size gives at least the design size.
TEST(Placement, WindowThatFitsOpensWhollyOnItsScreen)
{
    const QList<QRect> screen{QRect(0, 0, 1280, 1024)};
    const struct
    {
        const char* name;
        WindowPlacement stored;
        QSize design;
        QRect place;
    } rows[] = {
        {"braking window at the corner", {1279, 1023, 792, 543, false}, {792, 543}, QRect(480, 454, 792, 543)},
        {"launcher off the right edge", {900, 10, 600, 400, false}, {572, 421}, QRect(672, 10, 600, 400)},
        {"just fitting", {0, 0, 1272, 997, false}, {427, 273}, QRect(0, 0, 1272, 997)},
        {"one pixel too wide", {5, 5, 1273, 400, false}, {427, 273}, QRect(0, 5, 1272, 400)},
        {"first size of a small window", {}, {427, 273}, QRect(1, 1, 700, 500)},
        {"first size of the braking window", {}, {792, 543}, QRect(1, 1, 792, 543)},
        {"first size of a wide window", {}, {803, 300}, QRect(1, 1, 803, 500)},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ReachablePlace(row.stored, row.design, screen), row.place) << row.name;
}

TEST(Placement, FarAwayStoredPlaceIsBroughtBack)
{
    QWidget window;
    ApplyPlacement(&window, {-30000, 40000, 300, 200, false});
    const QRect primary = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(QRect(window.pos(), window.size()), QRect(primary.topLeft(), QSize(300, 200)));
}
