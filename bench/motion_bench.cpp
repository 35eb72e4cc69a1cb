// Composition of one motion frame (background copy, every trace, marks) in
// a large canvas: 20 pictures a second must cost little of a core.
#include "app/settings/appsettings.h"
#include "motion/tballef.h"
#include "motion/tchutef.h"
#include "motion/tdisquef.h"
#include "motion/trouef.h"

#include <QCheckBox>
#include <benchmark/benchmark.h>

namespace {

// The window shown with a 1280 x 960 canvas (the free fall's canvas is half
// as wide as high), on its last frame with every trace on.
template <typename W>
void composeFrame(benchmark::State& state, QSize client)
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
