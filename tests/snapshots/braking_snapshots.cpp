// The braking window at its design size: waiting, in the middle of a run
// with both bands, and after the run with the adapted zoom.
#include "road/braking/brakingwindow.h"
#include "snapshot.h"

#include <QToolButton>

namespace {

void Press(QWidget& window, const char* name)
{
    window.findChild<QToolButton*>(QString::fromLatin1(name))->click();
}

} // namespace

KINEA_SNAPSHOT(braking)
{
    TFreinageF window;
    window.show();
    snapshots::Save(&window, outDir, "braking_idle");

    Press(window, "DepartBout");
    // Both cars brake from step 610; the red one stops at 778.
    const auto tick = [&window] { window.AnimTimerTimer(); };
    snapshots::TickWhile([&window] { return window.Session().CurrentStep() < 700; }, tick, 5000, "the braking run");
    snapshots::Save(&window, outDir, "braking_running");

    snapshots::TickWhile([&window] { return window.Session().AnyRunning(); }, tick, 5000, "the braking run");
    Press(window, "ZoomAdapteBout");
    snapshots::Save(&window, outDir, "braking_adapted");
    window.close();
}
