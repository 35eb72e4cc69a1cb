// The weight window's 50 ms globe tick with the three globes turning:
// three sphere renderings with their captions and three copies. The window
// composes at its screen's ratio (run under QT_SCALE_FACTOR=2 for a scaled
// screen); the tick's pictures alone are also measured at a ratio of 2.
#include "app/settings/appsettings.h"
#include "weight/weighing/weighingwindow.h"

#include "canvas/picturehelpers.h"
#include "raster/globeview.h"
#include "weight/weighing/model/placetable.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QPainter>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cmath>

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
            // The ticks measured are the loop's own: the window's timer
            // firing inside processEvents would add some.
            window.findChild<QTimer*>("AnimTimer")->stop();
            state.ResumeTiming();
        }
        window.AnimTimerTimer();
        // The displays copy the new pictures when they paint.
        QCoreApplication::processEvents();
    }
    state.counters["ratio"] = window.devicePixelRatioF();
    window.close();
}
BENCHMARK(BmWeightGlobeTickThreeMoving)->Unit(benchmark::kMillisecond);

// The same tick's pictures without the window, composed at the ratio given
// as argument: three globes turned and tilted a step, captioned, and each
// drawn on its display as a paint box draws it.
static void BmWeightGlobeTickPictures(benchmark::State& state)
{
    const qreal ratio = qreal(state.range(0));
    SetGlobePlaceTable(PlaceTable);
    AllocateGlobes(1, 3);
    QImage display = NewPicture(QSize(kGlobePictureSide, kGlobePictureSide), ratio);
    for (int slot = 1; slot <= 3; ++slot) {
        SetGlobeRatio(slot, ratio);
        GlobePlace[slot] = 3 + slot;
        LoadGlobeMap(slot, false);
    }
    float step = 0;
    for (auto _ : state) {
        step += 1;
        for (int slot = 1; slot <= 3; ++slot) {
            GlobeTurn[slot] = 17 * step + 40 * slot;
            GlobeTilt[slot] = std::fmod(3 * step, 120.0f) - 60;
            RenderGlobe(slot, QStringLiteral("Terre ( Paris )"), QStringLiteral("Altitude : 89 mètres"), true, 0);
            QPainter painter(&display);
            painter.drawImage(0, 0, GlobePicture(slot));
        }
        benchmark::DoNotOptimize(display.constBits());
    }
    FreeGlobes(1, 3, false);
    SetGlobePlaceTable({});
}
BENCHMARK(BmWeightGlobeTickPictures)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
