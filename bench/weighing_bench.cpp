// The weight window's 50 ms globe tick with the three globes turning:
// three sphere renderings with their captions and three copies.
#include "app/settings/appsettings.h"
#include "weight/weighing/weighingwindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

// Sends the three globes to new places: each one turns for ten ticks.
void StartThreeMoves(TPoidsF& window, int round)
{
    const char* names[] = {"Lieu1Combo", "Lieu2Combo", "Lieu3Combo"};
    for (int column = 0; column < 3; ++column)
        window.findChild<QComboBox*>(names[column])->setCurrentIndex(1 + (round * 3 + column * 5) % 14);
}

} // namespace

static void BmWeightGlobeTickThreeMoving(benchmark::State& state)
{
    AppSettings = AppSettingsRecord{};
    TPoidsF window;
    window.show();
    int round = 0;
    for (auto _ : state) {
        if (!window.GlobeMoving(1) || !window.GlobeMoving(2) || !window.GlobeMoving(3)) {
            state.PauseTiming();
            StartThreeMoves(window, ++round);
            state.ResumeTiming();
        }
        window.AnimTimerTimer();
        // The displays copy the new pictures when they paint.
        QCoreApplication::processEvents();
    }
    window.close();
}
BENCHMARK(BmWeightGlobeTickThreeMoving)->Unit(benchmark::kMillisecond);
