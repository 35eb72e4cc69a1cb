// The kinetic organ at its design size: empty, during a shot, and with two
// pages of tubes, a selected tube, a hovered one and the info panel.
#include "snapshot.h"

#include "controls/plaincontrols.h"
#include "weight/organ/organwindow.h"

#include <QMouseEvent>
#include <QToolButton>
#include <QtTest/QTest>

namespace {

void Press(QWidget* window, const char* name)
{
    window->findChild<QToolButton*>(QString::fromLatin1(name))->click();
}

void EmitSpin(QWidget* window, const char* name, bool up)
{
    auto* spin = window->findChild<SpinButton*>(QString::fromLatin1(name));
    if (up)
        emit spin->UpClick();
    else
        emit spin->DownClick();
}

void WaitForTheShot(TPercutaF& window)
{
    snapshots::TickWhile([&window] { return window.Model().Shot().Flying(); }, [&window] { window.AnimTimerTimer(); },
                         2000, "the organ's shot");
}

// Shoots once at every speed step from 130 km/h down, with the mass shown.
void ShootDown(TPercutaF& window, int shots)
{
    for (int i = 0; i < 16; ++i)
        EmitSpin(&window, "SpeedSpin", true);
    for (int i = 0; i < shots; ++i) {
        Press(&window, "DepartBout");
        WaitForTheShot(window);
        EmitSpin(&window, "SpeedSpin", false);
    }
}

} // namespace

KINEA_SNAPSHOT(organ)
{
    TPercutaF window;
    window.show();
    snapshots::Save(&window, outDir, "organ_empty");

    Press(&window, "DepartBout");
    for (int i = 0; i < 6; ++i)
        window.AnimTimerTimer();
    snapshots::Save(&window, outDir, "organ_shot");
    WaitForTheShot(window);
    snapshots::Save(&window, outDir, "organ_crushed");

    ShootDown(window, 22);
    QWidget* tubes = window.findChild<QWidget*>("Display2");
    const double scale = window.Model().Layout().TubeScale();
    QTest::mouseClick(tubes, Qt::LeftButton, {}, QPoint(int(4 * 3 * scale), 200));
    QMouseEvent move(QEvent::MouseMove, QPointF(4 * 6 * scale, 200), tubes->mapToGlobal(QPointF(4 * 6 * scale, 200)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(tubes, &move);
    snapshots::Save(&window, outDir, "organ_tubes");
    Press(&window, "NextBout");
    snapshots::Save(&window, outDir, "organ_page2");
    window.close();
}
