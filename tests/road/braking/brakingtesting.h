// Helpers of the braking tests: a window opened on fresh settings, and a
// scene composed without a window.
#pragma once

#include "app/settings/appsettings.h"
#include "road/braking/brakingscene.h"
#include "road/braking/brakingwindow.h"
#include "road/braking/model/brakingsession.h"
#include "support/testhelpers.h"

#include <QImage>
#include <gtest/gtest.h>

// The window shown at its design client size on default settings, closed
// at the end of the test.
class BrakingWindowTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    void open(QSize client = QSize(792, 543));
    void click(const char* name);
    // Ticks until both cars have stopped (bounded).
    void playToEnd();

    template <typename T = QWidget> T* control(const char* name)
    {
        T* found = testing_support::child<T>(&window, name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    TFreinageF window;
};

// A scene open at a zone size, zoom and device pixel ratio, with its
// session and picture.
struct SceneRig
{
    explicit SceneRig(QSize zone = QSize(786, 187), double viewHeight = 10, qreal ratio = 1);
    // Builds the run and shows vehicle 1 at `step`, its camera at `origin`.
    void showStep(const VehicleInputs& inputs, int step, double origin);
    void draw(int k = 1) { scene.DrawZone(k, session, picture); }
    // The same zone with nothing but the road and scenery.
    QImage background(double origin);

    QSize zone;
    BrakingSession session;
    BrakingScene scene;
    QImage picture;
};

// Pixels of `picture` inside `area` whose colour is within `tolerance` of
// `rgb` in each channel.
int countNear(const QImage& picture, const QRect& area, QRgb rgb, int tolerance = 24);
