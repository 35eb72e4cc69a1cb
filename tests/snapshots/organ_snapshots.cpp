// The kinetic organ at its design size: empty, during a shot, and with two
// pages of tubes, a selected tube, a hovered one and the info panel.
#include "app/settings/appsettings.h"
#include "snapshot.h"
#include "weight/organ/organwindow.h"

#include <QMouseEvent>
#include <QToolButton>
#include <QtTest/QTest>

namespace {

void press(QWidget* window, const char* name)
{
    window->findChild<QToolButton*>(QString::fromLatin1(name))->click();
}

void emitSpin(QWidget* window, const char* name, bool up)
{
    QWidget* spin = window->findChild<QWidget*>(QString::fromLatin1(name));
    const QMetaMethod signal
        = spin->metaObject()->method(spin->metaObject()->indexOfSignal(up ? "upClick()" : "downClick()"));
    signal.invoke(spin);
}

void waitForTheShot(TPercutaF& window)
{
    snapshots::tickWhile([&window] { return window.model().Shot().Flying(); }, [&window] { window.AnimTimerTimer(); },
                         2000, "the organ's shot");
}

// Shoots once at every speed step from 130 km/h down, with the mass shown.
void shootDown(TPercutaF& window, int shots)
{
    for (int i = 0; i < 16; ++i)
        emitSpin(&window, "SpeedSpin", true);
    for (int i = 0; i < shots; ++i) {
        press(&window, "DepartBout");
        waitForTheShot(window);
        emitSpin(&window, "SpeedSpin", false);
    }
}

} // namespace

KINEA_SNAPSHOT(organ)
{
    AppSettings = AppSettingsRecord{};
    TPercutaF window;
    window.show();
    snapshots::save(&window, outDir, "organ_empty");

    press(&window, "DepartBout");
    for (int i = 0; i < 6; ++i)
        window.AnimTimerTimer();
    snapshots::save(&window, outDir, "organ_shot");
    waitForTheShot(window);
    snapshots::save(&window, outDir, "organ_crushed");

    shootDown(window, 22);
    QWidget* tubes = window.findChild<QWidget*>("Display2");
    const double scale = window.model().Layout().TubeScale();
    QTest::mouseClick(tubes, Qt::LeftButton, {}, QPoint(int(4 * 3 * scale), 200));
    QMouseEvent move(QEvent::MouseMove, QPointF(4 * 6 * scale, 200), tubes->mapToGlobal(QPointF(4 * 6 * scale, 200)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(tubes, &move);
    snapshots::save(&window, outDir, "organ_tubes");
    press(&window, "NextBout");
    snapshots::save(&window, outDir, "organ_page2");
    window.close();
}
