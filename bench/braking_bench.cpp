// Composition of one braking zone in the middle of a run (bands, braking
// car with its glow, dial and panel): the 30 ms timer composes two zones a
// tick. And the layout that rebuilds the scale's pictures at each zoom.
#include "road/braking/brakingscene.h"
#include "road/braking/model/brakingsession.h"

#include <QImage>
#include <benchmark/benchmark.h>

namespace {

struct MidRun
{
    explicit MidRun(QSize zone)
        : picture(zone, QImage::Format_RGB32)
    {
        scene.Open();
        session.View().SetZoneSize(zone.width(), zone.height());
        scene.Layout(zone, session.View().Scale());
        session.StartRun({60, 100, 100, false}, {70, 100, 100, false}, 3);
        while (session.CurrentStep() < 700)
            session.Tick([](int) {});
    }

    BrakingSession session;
    BrakingScene scene;
    QImage picture;
};

void DrawZone(benchmark::State& state, QSize zone)
{
    MidRun run(zone);
    for (auto _ : state) {
        run.scene.DrawZone(1, run.session, run.picture);
        benchmark::DoNotOptimize(run.picture.constBits());
    }
}

void BmDrawZoneDesign(benchmark::State& state)
{
    DrawZone(state, QSize(786, 187));
}

void BmDrawZoneLarge(benchmark::State& state)
{
    DrawZone(state, QSize(1900, 450));
}

// The layout after a zoom step (in, then out again), at the design size
// and at the closest zoom of a large window.
void Layout(benchmark::State& state, QSize zone, double viewHeight)
{
    MidRun run(zone);
    bool closer = false;
    for (auto _ : state) {
        closer = !closer;
        run.scene.Layout(zone, zone.height() / (closer ? viewHeight : viewHeight * 1.2));
    }
}

void BmLayoutDesign(benchmark::State& state)
{
    Layout(state, QSize(786, 187), 10);
}

void BmLayoutLargeClosest(benchmark::State& state)
{
    Layout(state, QSize(1900, 450), 4);
}

} // namespace

BENCHMARK(BmDrawZoneDesign)->Unit(benchmark::kMicrosecond);
BENCHMARK(BmDrawZoneLarge)->Unit(benchmark::kMicrosecond);
BENCHMARK(BmLayoutDesign)->Unit(benchmark::kMillisecond);
BENCHMARK(BmLayoutLargeClosest)->Unit(benchmark::kMillisecond);
