// Composition of one braking zone in the middle of a run (bands, braking
// car with its glow, dial and panel): the 30 ms timer composes two zones a
// tick, on a plain screen and on one scaled by 2. And the layout that
// rebuilds the scale's pictures at each zoom.
#include "road/braking/brakingscene.h"
#include "road/braking/model/brakingsession.h"

#include <QImage>
#include <benchmark/benchmark.h>

namespace {

struct MidRun
{
    explicit MidRun(QSize zone, qreal ratio = 1)
    {
        scene.Open();
        session.View().SetZoneSize(zone.width(), zone.height());
        scene.Layout(zone, session.View().Scale(), ratio);
        picture = scene.NewZonePicture();
        session.StartRun({60, 100, 100, false}, {70, 100, 100, false}, 3);
        while (session.CurrentStep() < 700)
            session.Tick([](int) {});
    }

    BrakingSession session;
    BrakingScene scene;
    QImage picture;
};

void drawZone(benchmark::State& state, QSize zone, qreal ratio = 1)
{
    MidRun run(zone, ratio);
    for (auto _ : state) {
        run.scene.DrawZone(1, run.session, run.picture);
        benchmark::DoNotOptimize(run.picture.constBits());
    }
}

void BM_DrawZone_Design(benchmark::State& state)
{
    drawZone(state, QSize(786, 187));
}

void BM_DrawZone_Large(benchmark::State& state)
{
    drawZone(state, QSize(1900, 450));
}

void BM_DrawZone_Design_Ratio2(benchmark::State& state)
{
    drawZone(state, QSize(786, 187), 2);
}

// The layout after a zoom step (in, then out again), at the design size
// and at the closest zoom of a large window.
void layout(benchmark::State& state, QSize zone, double viewHeight, qreal ratio = 1)
{
    MidRun run(zone, ratio);
    bool closer = false;
    for (auto _ : state) {
        closer = !closer;
        run.scene.Layout(zone, zone.height() / (closer ? viewHeight : viewHeight * 1.2), ratio);
    }
}

void BM_Layout_Design(benchmark::State& state)
{
    layout(state, QSize(786, 187), 10);
}

void BM_Layout_Design_Ratio2(benchmark::State& state)
{
    layout(state, QSize(786, 187), 10, 2);
}

void BM_Layout_LargeClosest(benchmark::State& state)
{
    layout(state, QSize(1900, 450), 4);
}

} // namespace

BENCHMARK(BM_DrawZone_Design)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawZone_Large)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawZone_Design_Ratio2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Layout_Design)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Layout_Design_Ratio2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Layout_LargeClosest)->Unit(benchmark::kMillisecond);
