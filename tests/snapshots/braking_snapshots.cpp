// The braking window at its design size: waiting, in the middle of a run
// with both bands, and after the run with the adapted zoom.
#include "app/settings/appsettings.h"
#include "road/braking/brakingwindow.h"
#include "snapshot.h"

#include <QToolButton>

namespace {

void press(QWidget& window, const char* name)
{
    window.findChild<QToolButton*>(QString::fromLatin1(name))->click();
}

} // namespace

KINEA_SNAPSHOT(braking)
{
    AppSettings = AppSettingsRecord{};
    TFreinageF window;
    window.resize(792, 543);
    window.show();
    snapshots::save(&window, outDir, "braking_idle");

    press(window, "DepartBout");
    // Both cars brake from step 610; the red one stops at 778.
    while (window.Session().CurrentStep() < 700)
        window.AnimTimerTimer();
    snapshots::save(&window, outDir, "braking_running");

    while (window.Session().AnyRunning())
        window.AnimTimerTimer();
    press(window, "ZoomAdapteBout");
    snapshots::save(&window, outDir, "braking_adapted");
    window.close();
    AppSettings = AppSettingsRecord{};
}
