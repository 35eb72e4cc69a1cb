#include "brakingtesting.h"

#include <QToolButton>
#include <cstdlib>

void BrakingWindowTest::SetUp()
{
    AppSettings = AppSettingsRecord{};
}

void BrakingWindowTest::TearDown()
{
    window.close();
    AppSettings = AppSettingsRecord{};
}

void BrakingWindowTest::Open(QSize client)
{
    window.resize(client);
    window.show();
    testing_support::ProcessEvents();
}

void BrakingWindowTest::Click(const char* name)
{
    QToolButton* button = Control<QToolButton>(name);
    ASSERT_NE(button, nullptr);
    button->click();
}

void BrakingWindowTest::PlayToEnd()
{
    for (int tick = 0; tick < 10000 && window.Session().AnyRunning(); ++tick)
        window.AnimTimerTimer();
}

SceneRig::SceneRig(QSize zone, double viewHeight)
    : picture(zone, QImage::Format_RGB32)
{
    scene.Open();
    session.View().SetZoneSize(zone.width(), zone.height());
    session.View().SetViewHeight(viewHeight);
    scene.Layout(zone, session.View().Scale());
}

void SceneRig::ShowStep(const VehicleInputs& inputs, int step, double origin)
{
    session.StartRun(inputs, inputs, 3);
    session.SetCurrentStep(step);
    for (int k = 1; k <= 2; ++k) {
        session.View().Follow(k, session.ShownRow(k));
        session.View().SetOrigin(k, origin);
    }
}

QImage SceneRig::Background(double origin)
{
    BrakingSession empty;
    empty.View().SetZoneSize(picture.width(), picture.height());
    empty.View().SetViewHeight(session.View().ViewHeight());
    // The car far behind the view: only the road and the scenery are left.
    empty.View().Follow(1, MotionRow{-1000, 0, phReacting});
    empty.View().SetOrigin(1, origin);
    QImage plain(picture.size(), QImage::Format_RGB32);
    scene.DrawZone(1, empty, plain);
    return plain;
}

int CountNear(const QImage& picture, const QRect& area, QRgb rgb, int tolerance)
{
    int count = 0;
    const QRect inside = area & picture.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if (std::abs(qRed(p) - qRed(rgb)) <= tolerance && std::abs(qGreen(p) - qGreen(rgb)) <= tolerance
                && std::abs(qBlue(p) - qBlue(rgb)) <= tolerance)
                ++count;
        }
    return count;
}
