// The about box's 30 ms tick: while the globe turns (a rendering of the
// sphere and a whole frame) and once the event is presented (a frame with
// the scrolling credits only).
#include "app/settings/appsettings.h"
#include "shell/about/tsplashf.h"

#include <benchmark/benchmark.h>

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
