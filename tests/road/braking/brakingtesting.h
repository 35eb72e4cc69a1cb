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

    void Open(QSize client = QSize(792, 543));
    void Click(const char* name);
    // Ticks until both cars have stopped (bounded).
    void PlayToEnd();

    template <typename T = QWidget> T* Control(const char* name)
    {
        T* found = testing_support::Child<T>(&window, name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    TFreinageF window;
};

// A scene open at a zone size and zoom, with its session and picture.
struct SceneRig
{
    explicit SceneRig(QSize zone = QSize(786, 187), double viewHeight = 10);
    // Builds the run and shows vehicle 1 at `step`, its camera at `origin`.
    void ShowStep(const VehicleInputs& inputs, int step, double origin);
    void Draw(int k = 1) { scene.DrawZone(k, session, picture); }
    // The same zone with nothing but the road and scenery.
    QImage Background(double origin);

    BrakingSession session;
    BrakingScene scene;
    QImage picture;
};

// Pixels of `picture` inside `area` whose colour is within `tolerance` of
// `rgb` in each channel.
int CountNear(const QImage& picture, const QRect& area, QRgb rgb, int tolerance = 24);
