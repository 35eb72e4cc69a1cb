// The four motion windows at their design size, on frame 1 and on a middle
// frame with every trace on.
#include "app/settings/appsettings.h"
#include "motion/discwindow.h"
#include "motion/freefallwindow.h"
#include "motion/projectilewindow.h"
#include "motion/wheelwindow.h"
#include "snapshot.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QtTest/QTest>

namespace {

void TraceEverything(QWidget* window)
{
    for (QCheckBox* check : window->findChildren<QCheckBox*>())
        check->setChecked(true);
}

void GoToFrame(MotionWindow& window, int frame)
{
    snapshots::TickWhile([&window, frame] { return window.CurFrame() < frame; }, [&window] { window.PlayTimerTimer(); },
                         1000, "the motion film");
}

// Frame 1, then the middle frame with every trace on.
void Photograph(MotionWindow& window, int middleFrame, const QString& outDir, const QString& name)
{
    AppSettings = AppSettingsRecord{};
    window.show();
    snapshots::Save(&window, outDir, name + "_first");
    TraceEverything(&window);
    GoToFrame(window, middleFrame);
    snapshots::Save(&window, outDir, name + "_middle");
}

} // namespace

KINEA_SNAPSHOT(motion_projectile)
{
    TBalleF window;
    Photograph(window, 45, outDir, "motion_projectile");
    window.close();
}

KINEA_SNAPSHOT(motion_freefall)
{
    TChuteF window;
    Photograph(window, 7, outDir, "motion_freefall");
    QWidget* canvas = window.findChild<QWidget*>("Canevas");
    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(60, 200));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(60, 200));
    snapshots::Save(&window, outDir, "motion_freefall_cursor");
    window.close();
}

KINEA_SNAPSHOT(motion_wheel)
{
    TRoueF window;
    Photograph(window, 25, outDir, "motion_wheel");
    window.close();
}

KINEA_SNAPSHOT(motion_disc)
{
    TDisqueF window;
    Photograph(window, 15, outDir, "motion_disc");
    window.close();
}
