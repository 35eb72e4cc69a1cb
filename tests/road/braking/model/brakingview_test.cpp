// The zones' zoom, scale and cameras.
#include "road/braking/model/brakingsession.h"
#include "road/braking/model/brakingview.h"

#include <gtest/gtest.h>

#include <QSize>
#include <cmath>
#include <vector>

namespace {

BrakingView DesignView()
{
    BrakingView view;
    view.SetZoneSize(786, 187);
    return view;
}

TEST(BrakingView, ZoomButtonsStepBySixthsAndStopAtTheirLimits)
{
    BrakingView view = DesignView();
    EXPECT_DOUBLE_EQ(view.Scale(), 18.7);
    EXPECT_NEAR(view.ViewWidth(), 42.03, 0.01);
    const std::vector<double> in{8.333333, 6.944444, 5.787037, 4.822531, 4.018776, 4, 4};
    for (double expected : in) {
        view.ZoomIn();
        EXPECT_NEAR(view.ViewHeight(), expected, 1e-6);
    }
    view.SetViewHeight(10);
    const std::vector<double> out{12, 14.4, 17.28};
    for (double expected : out) {
        view.ZoomOut();
        EXPECT_NEAR(view.ViewHeight(), expected, 1e-9);
    }
    for (int step = 0; step < 100 && view.ViewHeight() < 221; ++step)
        view.ZoomOut();
    EXPECT_NEAR(view.ViewHeight(), 221.86, 0.01);
    view.ZoomOut();
    EXPECT_EQ(view.ViewHeight(), 256);
    view.ZoomOut();
    EXPECT_EQ(view.ViewHeight(), 256);
    EXPECT_DOUBLE_EQ(view.Scale(), 187 / 256.0);
}

// Each limit holds in its own direction only: a wide adapted view is not
// pulled in by the zoom-out button.
TEST(BrakingView, ZoomLimitsApplyOnlyInTheirOwnDirection)
{
    BrakingView view = DesignView();
    view.SetViewHeight(297);
    view.ZoomOut();
    EXPECT_EQ(view.ViewHeight(), 297);
    view.ZoomIn();
    EXPECT_NEAR(view.ViewHeight(), 247.5, 1e-9);
}

TEST(BrakingView, AdaptedZoomSpansTheLongerStopWithAMargin)
{
    BrakingSession session;
    session.View().SetZoneSize(786, 187);
    session.StartRun({60, 100, 100, false}, {70, 100, 100, false}, 3);
    const KeyPoints& red = session.Vehicle(1).Keys();
    const KeyPoints& green = session.Vehicle(2).Keys();
    BrakingView& view = session.View();
    view.AdaptedZoom(red, green);
    const double spanned = (green.StopPos - green.ReactionPos) * 1.05;
    EXPECT_NEAR(view.ViewWidth(), spanned, 1e-9);
    EXPECT_NEAR(view.Origin(1), red.ReactionPos - spanned / 42, 1e-9);
    EXPECT_NEAR(view.Origin(2), green.ReactionPos - spanned / 42, 1e-9);
}

// At 5 km/h with a 0.5 s reaction the stop takes 0.77 m: the view stays
// at the zoom buttons' closest, the stretch and the stopped car in sight,
// and the view never starts left of the road (at the design size the
// centred stretch would).
TEST(BrakingView, AdaptedZoomOfAShortStopKeepsTheClosestButtonZoom)
{
    for (QSize zone : {QSize(786, 187), QSize(1, 1), QSize(16000, 4000)}) {
        SCOPED_TRACE(zone.width());
        BrakingSession session;
        session.View().SetZoneSize(zone.width(), zone.height());
        session.StartRun({5, 50, 100, false}, {5, 50, 100, false}, 3);
        const KeyPoints& keys = session.Vehicle(1).Keys();
        ASSERT_NEAR(keys.StopPos - keys.ReactionPos, 0.77, 0.005);
        BrakingView& view = session.View();
        view.AdaptedZoom(keys, keys);
        EXPECT_EQ(view.ViewHeight(), view.MinViewHeight());
        EXPECT_GE(view.Origin(1), 0);
        EXPECT_LT(view.Origin(1), keys.ReactionPos);
        EXPECT_LT(keys.StopPos, view.Origin(1) + view.ViewWidth());
    }
}

// However tall the window, zooming in never makes the 150 m scenery strip
// outgrow its memory; ordinary windows keep the 4 m limit.
TEST(BrakingView, TallZonesKeepTheSceneryStripWithinItsBudget)
{
    for (int height : {152, 700, 2000, 8000}) {
        BrakingView view;
        view.SetZoneSize(1000, height);
        for (int i = 0; i < 40; ++i)
            view.ZoomIn();
        const double stripBytes = std::round(150 * view.Scale()) * height * 4;
        EXPECT_LE(stripBytes, BrakingView::kStripBudgetBytes * 1.001) << height;
        if (height <= 700) {
            EXPECT_EQ(view.ViewHeight(), 4) << height;
        }
    }
}

// Until the reaction the camera carries the car, rear at the left edge;
// then it stands, and follows forward once the front passes 97.5 %.
TEST(BrakingView, CameraCarriesTheCarThenLetsItCross)
{
    BrakingView view = DesignView();
    view.Follow(1, {50, 16, phCruising});
    EXPECT_DOUBLE_EQ(view.Origin(1), 50 - CarLength);
    view.Follow(1, {60, 16, phReacting});
    EXPECT_TRUE(view.Reached(1));
    EXPECT_DOUBLE_EQ(view.Origin(1), 50 - CarLength);
    view.Follow(1, {80, 10, phBraking});
    EXPECT_DOUBLE_EQ(view.Origin(1), 50 - CarLength);
    view.Follow(1, {120, 5, phBraking});
    EXPECT_DOUBLE_EQ(view.Origin(1), 120 - 0.975 * view.ViewWidth());
    EXPECT_EQ(view.Origin(2), 0);
}

TEST(BrakingView, DraggingLeftOfTheStartClampsAtZeroAndMovesThePressPoint)
{
    BrakingView view = DesignView();
    EXPECT_FALSE(view.DragTo(1, 500));
    view.Press(400);
    EXPECT_TRUE(view.DragTo(1, 587));
    EXPECT_DOUBLE_EQ(view.Origin(1), 187 / 18.7 * 0.1);
    EXPECT_TRUE(view.DragTo(1, 200));
    EXPECT_EQ(view.Origin(1), 0);
    EXPECT_EQ(view.PressX(), 200);
    view.Release();
    EXPECT_FALSE(view.Dragging());
}

} // namespace
