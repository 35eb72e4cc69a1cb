// The windows' hot paths: composing one motion frame in a large canvas, the
// about box's 30 ms tick, and the start-up up to the launcher on screen.
#include "app/launcherwindow.h"
#include "app/settings/appsettings.h"
#include "app/startup.h"
#include "motion/discwindow.h"
#include "motion/freefallwindow.h"
#include "motion/projectilewindow.h"
#include "motion/wheelwindow.h"
#include "road/field/fieldwindow.h"
#include "shell/about/aboutwindow.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// ---- motion frames

namespace {

// The window shown with a 1280 x 960 canvas (the free fall's canvas is half
// as wide as high), on its last frame with every trace on.
template <typename W> void ComposeFrame(benchmark::State& state, QSize client)
{
    AppSettings = AppSettingsRecord{};
    W window;
    window.resize(client);
    window.show();
    for (QCheckBox* check : window.template findChildren<QCheckBox*>())
        check->setChecked(true);
    while (window.CurFrame() < window.FrameCount())
        window.PlayTimerTimer();
    for (auto _ : state) {
        window.ComposeFrame();
        benchmark::DoNotOptimize(window.FrameBitmap().constBits());
    }
    state.counters["width"] = window.FrameBitmap().width();
    state.counters["height"] = window.FrameBitmap().height();
    window.close();
}

void BmComposeFrameProjectile(benchmark::State& state)
{
    ComposeFrame<TBalleF>(state, QSize(1290, 1040));
}

void BmComposeFrameFreeFall(benchmark::State& state)
{
    ComposeFrame<TChuteF>(state, QSize(645, 966));
}

void BmComposeFrameWheel(benchmark::State& state)
{
    ComposeFrame<TRoueF>(state, QSize(1290, 1040));
}

void BmComposeFrameDisc(benchmark::State& state)
{
    ComposeFrame<TDisqueF>(state, QSize(1290, 1040));
}

} // namespace

BENCHMARK(BmComposeFrameProjectile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BmComposeFrameFreeFall)->Unit(benchmark::kMicrosecond);
BENCHMARK(BmComposeFrameWheel)->Unit(benchmark::kMicrosecond);
BENCHMARK(BmComposeFrameDisc)->Unit(benchmark::kMicrosecond);

// ---- about box

namespace {

// The about box as the menu opens it, on the stored event.
void OpenFromMenu(TSplashF& box)
{
    box.SetOpenedFromMenu(true);
    box.show();
}

} // namespace

// The about box's 30 ms tick: while the globe turns (a rendering of the
// sphere and a whole frame) and once the event is presented (a frame with
// the scrolling credits only).
static void BmAboutTickWhileTurning(benchmark::State& state)
{
    AppSettings = AppSettingsRecord{};
    TSplashF box;
    OpenFromMenu(box);
    int index = 0;
    for (auto _ : state) {
        if (!box.Turn().Running()) {
            state.PauseTiming();
            AppSettings.Event_Index = index++;
            box.close();
            OpenFromMenu(box);
            state.ResumeTiming();
        }
        box.AnimTimerTimer();
    }
    box.close();
}
BENCHMARK(BmAboutTickWhileTurning)->Unit(benchmark::kMillisecond);

static void BmAboutTickPresented(benchmark::State& state)
{
    AppSettings = AppSettingsRecord{};
    TSplashF box;
    OpenFromMenu(box);
    while (box.Typing().Running() || box.Turn().Running())
        box.AnimTimerTimer();
    for (auto _ : state) {
        // Hovering holds the event, so every tick composes the same scene.
        box.ZoneMouseMove(QPoint(620, 430));
        box.AnimTimerTimer();
    }
    box.close();
}
BENCHMARK(BmAboutTickPresented)->Unit(benchmark::kMillisecond);

// ---- start-up

// From an empty process to the launcher on screen, with neither
// the start-up about box nor the tip, and the memory held at that moment.
namespace {

// Resident memory of this process in megabytes, from the kernel's account.
double ResidentMegabytes()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

void BmStartToLauncherShown(benchmark::State& state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        TMainF launcher;
        ProgramDir = dir.path(); // the bench never writes the build tree's settings
        AppSettings.SplasheFlag = false;
        AppSettings.TipFlag = false;
        AppWindows windows;
        windows.field = new TChampF;
        CreateWindows(launcher, windows);
        launcher.show();
        QCoreApplication::processEvents();
        state.counters["resident_MB"] = ResidentMegabytes();
        state.PauseTiming();
        launcher.hide();
        DeleteModuleWindows(windows);
        state.ResumeTiming();
    }
}

} // namespace

// The first iteration is the one a user sees: fonts, styles and resources
// are loaded then.
BENCHMARK(BmStartToLauncherShown)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BmStartToLauncherShown)->Iterations(5)->Unit(benchmark::kMillisecond)->Name("BM_StartToLauncherShown_warm");
