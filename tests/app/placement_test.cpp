// Window placements: applied at the launcher's first show, captured at its
// close, never left outside every screen.
#include "app/startup.h"
#include "testhelpers.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

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

TEST(Placement, SizeOnlyAppliedWhenPositive)
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
    testing_support::processEvents(20);
    EXPECT_TRUE(window.isMaximized());
    WindowPlacement captured{10, 10, 640, 480, false};
    CapturePlacement(&window, captured);
    EXPECT_TRUE(captured.Maxis);
    EXPECT_EQ(captured.W, 640);
    EXPECT_EQ(captured.H, 480);
}

TEST(Placement, WindowOutsideEveryScreenComesBackToThePrimaryOne)
{
    const QList<QRect> screens{QRect(0, 0, 1024, 768), QRect(1024, 0, 800, 600)};
    EXPECT_EQ(KeepOnScreens(QRect(1500, 100, 300, 200), screens), QRect(1500, 100, 300, 200));
    EXPECT_EQ(KeepOnScreens(QRect(-100, -50, 300, 200), screens), QRect(-100, -50, 300, 200));
    EXPECT_EQ(KeepOnScreens(QRect(5000, 3000, 300, 200), screens), QRect(0, 0, 300, 200));
    EXPECT_EQ(KeepOnScreens(QRect(-900, 10, 300, 200), screens), QRect(0, 0, 300, 200));
}

TEST(Placement, FarAwayStoredPlaceIsBroughtBack)
{
    QWidget window;
    ApplyPlacement(&window, {-30000, 40000, 300, 200, false});
    const QRect primary = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(primary.intersects(QRect(window.pos(), window.size())));
}

// The file can hold any integer; the sanitizer build catches an overflow,
// and a window as large as the screen at most draws pictures of a sane size.
TEST(Placement, ExtremeStoredNumbersGiveAWindowOnTheScreen)
{
    const std::int32_t most = 2147483647;
    const std::int32_t least = -2147483647 - 1;
    const QRect primary = QGuiApplication::primaryScreen()->availableGeometry();
    for (const WindowPlacement& stored : {WindowPlacement{most, most, most, most, false},
                                          WindowPlacement{least, least, most, most, false},
                                          WindowPlacement{most, 1, 700, 500, false}}) {
        QWidget window;
        ApplyPlacement(&window, stored);
        EXPECT_TRUE(primary.intersects(QRect(window.pos(), window.size()))) << stored.X << " " << stored.W;
        EXPECT_LE(window.width(), primary.width() + 8);
        EXPECT_LE(window.height(), primary.height() + 27);
    }
}
