// The globe view's hot path: the weight window renders up to three globes
// every 50 ms, each with its caption.
#include "raster/globeprojection.h"
#include "raster/globeview.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

const std::vector<PlaceRecord> kParis = {{}, {3, true, 0, 322, 74, -48, 176, 9.81}};

// One slot showing the Earth at Paris, freed at the end of the case.
class EarthSlot
{
public:
    EarthSlot()
    {
        SetGlobePlaceTable(kParis);
        AllocateGlobes(1, 1);
        GlobePlace[1] = 1;
        LoadGlobeMap(1, false);
    }
    ~EarthSlot()
    {
        FreeGlobes(1, 1, true);
        SetGlobePlaceTable({});
    }
};

void BM_RenderGlobeWithCaption(benchmark::State& state)
{
    EarthSlot slot;
    float turn = 0;
    for (auto _ : state) {
        GlobeTurn[1] = turn;
        GlobeTilt[1] = -48;
        turn += 7;
        RenderGlobe(1, QStringLiteral("Terre ( Paris )"), QStringLiteral("Altitude : 89 mètres"), true, 0);
        benchmark::DoNotOptimize(GlobePicture(1).constBits());
    }
}
BENCHMARK(BM_RenderGlobeWithCaption)->Unit(benchmark::kMicrosecond);

void BM_RenderGlobeWithoutCaption(benchmark::State& state)
{
    EarthSlot slot;
    for (auto _ : state) {
        RenderGlobe(1, QString(), QString(), false, 0xFFFFFF);
        benchmark::DoNotOptimize(GlobePicture(1).constBits());
    }
}
BENCHMARK(BM_RenderGlobeWithoutCaption)->Unit(benchmark::kMicrosecond);

void BM_ProjectGlobe(benchmark::State& state)
{
    EarthSlot slot;
    TDibPlus& map = *GlobeMap(1);
    TDibPlus& image = *GlobeImage(1);
    const int turn = static_cast<int>(state.range(0));
    const int tilt = static_cast<int>(state.range(1));
    for (auto _ : state) {
        ProjectGlobe(map, image, turn, tilt);
        benchmark::DoNotOptimize(image.Bits());
    }
}
BENCHMARK(BM_ProjectGlobe)->Args({176, -48})->Args({0, 0})->Args({90, -90})->Unit(benchmark::kMicrosecond);

void BM_LoadGlobeMap(benchmark::State& state)
{
    EarthSlot slot;
    for (auto _ : state)
        LoadGlobeMap(1, false);
}
BENCHMARK(BM_LoadGlobeMap)->Unit(benchmark::kMicrosecond);

} // namespace
