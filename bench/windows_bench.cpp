// The windows' hot paths: composing one motion frame in a large canvas, the
// about box's 30 ms tick, and the start-up up to the launcher on screen.
#include "app/settings/appsettings.h"
#include "app/startup.h"
#include "app/tmainf.h"
#include "motion/tballef.h"
#include "motion/tchutef.h"
#include "motion/tdisquef.h"
#include "motion/trouef.h"
#include "road/tchampf.h"
#include "shell/about/tsplashf.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// ---- motion frames

namespace {

// The window shown with a 1280 x 960 canvas (the free fall's canvas is half
// as wide as high), on its last frame with every trace on.
template <typename W> void composeFrame(benchmark::State& state, QSize client)
{
    AppSettings = AppSettingsRecord{};
    W window;
    window.resize(client);
    window.show();
    for (QCheckBox* check : window.template findChildren<QCheckBox*>())
        check->setChecked(true);
    while (window.curFrame() < window.frameCount())
        window.PlayTimerTimer();
    for (auto _ : state) {
        window.ComposeFrame();
        benchmark::DoNotOptimize(window.frameBitmap().constBits());
    }
    state.counters["width"] = window.frameBitmap().width();
    state.counters["height"] = window.frameBitmap().height();
    window.close();
}

void BM_ComposeFrame_Projectile(benchmark::State& state)
{
    composeFrame<TBalleF>(state, QSize(1290, 1040));
}

void BM_ComposeFrame_FreeFall(benchmark::State& state)
{
    composeFrame<TChuteF>(state, QSize(645, 966));
}

void BM_ComposeFrame_Wheel(benchmark::State& state)
{
    composeFrame<TRoueF>(state, QSize(1290, 1040));
}

void BM_ComposeFrame_Disc(benchmark::State& state)
{
    composeFrame<TDisqueF>(state, QSize(1290, 1040));
}

} // namespace

BENCHMARK(BM_ComposeFrame_Projectile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComposeFrame_FreeFall)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComposeFrame_Wheel)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComposeFrame_Disc)->Unit(benchmark::kMicrosecond);

// ---- about box

// The about box's 30 ms tick: while the globe turns (a rendering of the
// sphere and a whole frame) and once the event is presented (a frame with
// the scrolling credits only).
static void BM_AboutTickWhileTurning(benchmark::State& state)
{
    AppSettings = AppSettingsRecord{};
    TSplashF box;
    box.SetOpenedFromMenu(true);
    box.show();
    int index = 0;
    for (auto _ : state) {
        if (!box.Turn().Running()) {
            state.PauseTiming();
            AppSettings.Event_Index = index++;
            box.close();
            box.SetOpenedFromMenu(true);
            box.show();
            state.ResumeTiming();
        }
        box.AnimTimerTimer();
    }
    box.close();
}
BENCHMARK(BM_AboutTickWhileTurning)->Unit(benchmark::kMillisecond);

static void BM_AboutTickPresented(benchmark::State& state)
{
    AppSettings = AppSettingsRecord{};
    TSplashF box;
    box.SetOpenedFromMenu(true);
    box.show();
    while (box.Typing().Running() || box.Turn().Running())
        box.AnimTimerTimer();
    for (auto _ : state) {
        // Hovering holds the event, so every tick composes the same scene.
        box.ZoneMouseMove(QPoint(620, 430));
        box.AnimTimerTimer();
    }
    box.close();
}
BENCHMARK(BM_AboutTickPresented)->Unit(benchmark::kMillisecond);

// ---- start-up

// From an empty process to the launcher on screen, with neither
// the start-up about box nor the tip, and the memory held at that moment.
namespace {

// Resident memory of this process in megabytes, from the kernel's account.
double residentMegabytes()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

void BM_StartToLauncherShown(benchmark::State& state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        TMainF launcher;
        ProgramDir = dir.path(); // the bench never writes the build tree's settings
        AppSettings.SplasheFlag = false;
        AppSettings.TipFlag = false;
        AppWindows windows;
        windows.champ = new TChampF;
        CreateWindows(launcher, windows);
        launcher.show();
        QCoreApplication::processEvents();
        state.counters["resident_MB"] = residentMegabytes();
        state.PauseTiming();
        launcher.hide();
        DeleteModuleWindows(windows);
        state.ResumeTiming();
    }
}

} // namespace

// The first iteration is the one a user sees: fonts, styles and resources
// are loaded then.
BENCHMARK(BM_StartToLauncherShown)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartToLauncherShown)->Iterations(5)->Unit(benchmark::kMillisecond)->Name("BM_StartToLauncherShown_warm");
