// The four motion windows at their design size, on frame 1 and on a middle
// frame with every trace on.
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
    window.show();
    snapshots::Save(&window, outDir, name + "_first");
    TraceEverything(&window);
    GoToFrame(window, middleFrame);
    snapshots::Save(&window, outDir, name + "_middle");
}

// A film of window class W, photographed as above.
template <class W> void Photograph(int middleFrame, const QString& outDir, const QString& name)
{
    W window;
    Photograph(window, middleFrame, outDir, name);
    window.close();
}

} // namespace

KINEA_SNAPSHOT(motion_projectile)
{
    Photograph<TBalleF>(45, outDir, "motion_projectile");
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
    Photograph<TRoueF>(25, outDir, "motion_wheel");
}

KINEA_SNAPSHOT(motion_disc)
{
    Photograph<TDisqueF>(15, outDir, "motion_disc");
}
