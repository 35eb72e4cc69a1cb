// The launcher as it opens, and with a caption under the mouse.
#include "app/launcherwindow.h"
#include "app/settings/appsettings.h"
#include "snapshot.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

KINEA_SNAPSHOT(launcher)
{
    TMainF launcher;
    ProgramDir = outDir; // never write the build tree's settings
    AppSettings.TipFlag = false;
    AppSettings.Placements[SlotMain] = WindowPlacement{0, 0, 572, 420, false};
    launcher.show();
    launcher.SetDisplayQuality(JudgeDisplay(24, 1280, 1024));
    snapshots::Save(&launcher, outDir, "launcher");

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(launcher.Caption("l2"), &enter);
    snapshots::Save(&launcher, outDir, "launcher_hover");
    launcher.hide();
}
