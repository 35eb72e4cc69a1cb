// Drawing hot paths of an animation tick: gradients of a background, the arcs
// of the turning disc, text, single pixels and masked pictures; and the globe
// view, whose globes the weight window renders every 50 ms.
#include "canvas/canvas.h"
#include "canvas/picturehelpers.h"
#include "raster/globeview.h"

#include <benchmark/benchmark.h>
#include <vector>

// ---- canvas

namespace {

void BmVerticalGradient(benchmark::State& state)
{
    QImage image(800, 455, QImage::Format_BGR888);
    for (auto _ : state)
        VerticalGradient(image, 0xFFFFFF, 0xF8BA88, image.height());
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BmVerticalGradient);

void BmDiscArcs(benchmark::State& state)
{
    const int radius = int(state.range(0));
    QImage image(2 * radius + 2, 2 * radius + 2, QImage::Format_RGB32);
    Canvas canvas(image);
    for (auto _ : state) {
        for (int k = 7; k <= 10; ++k) {
            const int r = radius * k / 10;
            canvas.Arc(radius - r, radius - r, radius + r, radius + r, 0, 0, 2 * radius, radius);
        }
    }
}
BENCHMARK(BmDiscArcs)->Arg(60)->Arg(200);

void BmEllipse(benchmark::State& state)
{
    QImage image(400, 400, QImage::Format_RGB32);
    Canvas canvas(image);
    canvas.brush.color = 0x00FF00;
    for (auto _ : state)
        canvas.Ellipse(0, 0, 400, 400);
}
BENCHMARK(BmEllipse);

void BmTextOut(benchmark::State& state)
{
    QImage image(400, 40, QImage::Format_RGB32);
    Canvas canvas(image);
    for (auto _ : state)
        canvas.TextOut(2, 2, QStringLiteral("Vitesse : 50 km/h"));
}
BENCHMARK(BmTextOut);

void BmSetPixel(benchmark::State& state)
{
    QImage image(256, 256, QImage::Format_BGR888);
    Canvas canvas(image);
    TColor c = 0;
    for (auto _ : state) {
        canvas.SetPixel(int(c & 0xFF), int((c >> 8) & 0xFF), c);
        ++c;
    }
}
BENCHMARK(BmSetPixel);

void BmMaskedDraw(benchmark::State& state)
{
    QImage image(800, 400, QImage::Format_RGB32);
    QImage mask(120, 60, QImage::Format_RGB32);
    QImage picture(120, 60, QImage::Format_RGB32);
    mask.fill(Qt::black);
    picture.fill(Qt::white);
    Canvas canvas(image);
    for (auto _ : state) {
        canvas.Draw(300, 200, mask, RasterOp::Or);
        canvas.Draw(300, 200, picture, RasterOp::And);
    }
}
BENCHMARK(BmMaskedDraw);

} // namespace

// ---- globe view

// The globe view's hot path: the weight window renders up to three globes
// every 50 ms, each with its caption.
namespace {

const std::vector<PlaceRecord> kParis = {{}, {3, true, 0, 322, 74, -48, 176, 9.81}};

// One slot showing the Earth at Paris, composed at `ratio` device pixels
// per logical pixel, freed at the end of the case.
class EarthSlot
{
public:
    explicit EarthSlot(qreal ratio = 1)
    {
        SetGlobePlaceTable(kParis);
        AllocateGlobes(1, 1);
        SetGlobeRatio(1, ratio);
        GlobePlace[1] = 1;
        LoadGlobeMap(1, false);
    }
    ~EarthSlot()
    {
        FreeGlobes(1, 1, true);
        SetGlobePlaceTable({});
    }
};

// The same turning globe with and without its caption box, so that the
// box's share shows. Argument: the device pixel ratio.
void RenderTurningGlobe(benchmark::State& state, bool withLabel)
{
    EarthSlot slot(qreal(state.range(0)));
    float turn = 0;
    for (auto _ : state) {
        GlobeTurn[1] = turn;
        GlobeTilt[1] = -48;
        turn += 7;
        RenderGlobe(1, QStringLiteral("Terre ( Paris )"), QStringLiteral("Altitude : 89 mètres"), withLabel, 0);
        benchmark::DoNotOptimize(GlobePicture(1).constBits());
    }
}

void BmRenderGlobeWithCaption(benchmark::State& state)
{
    RenderTurningGlobe(state, true);
}
BENCHMARK(BmRenderGlobeWithCaption)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BmRenderGlobeWithoutCaption(benchmark::State& state)
{
    RenderTurningGlobe(state, false);
}
BENCHMARK(BmRenderGlobeWithoutCaption)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Arguments: turn, tilt and the device pixel ratio; at 2, four times the
// pixels, each worked out back to the map.
void BmProjectGlobe(benchmark::State& state)
{
    const int ratio = static_cast<int>(state.range(2));
    EarthSlot slot(ratio);
    TDibPlus& map = *GlobeMap(1);
    TDibPlus& image = *GlobeImage(1);
    const int turn = static_cast<int>(state.range(0));
    const int tilt = static_cast<int>(state.range(1));
    for (auto _ : state) {
        if (ratio == 1)
            ProjectGlobe(map, image, turn, tilt);
        else
            ProjectGlobeAtRatio(map, image, turn, tilt);
        benchmark::DoNotOptimize(image.Bits());
    }
}
BENCHMARK(BmProjectGlobe)
    ->Args({176, -48, 1})
    ->Args({0, 0, 1})
    ->Args({90, -90, 1})
    ->Args({176, -48, 2})
    ->Args({0, 0, 2})
    ->Args({90, -90, 2})
    ->Unit(benchmark::kMicrosecond);

void BmLoadGlobeMap(benchmark::State& state)
{
    EarthSlot slot;
    for (auto _ : state)
        LoadGlobeMap(1, false);
}
BENCHMARK(BmLoadGlobeMap)->Unit(benchmark::kMicrosecond);

} // namespace
