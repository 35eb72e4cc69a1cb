// The visual-field window at 1920 x 1080: a relayout recomposes the scene
// and both views, and the drunk view's blur is its costliest part. And the
// composition of one display of that window on a plain screen and on one
// scaled by 2.
#include "app/settings/appsettings.h"
#include "raster/tdibplus.h"
#include "road/field/fieldscene.h"
#include "road/field/fieldview.h"
#include "road/field/fieldwindow.h"

#include <QRadioButton>
#include <benchmark/benchmark.h>

namespace {

// The window shown at 1920 x 1080 with the blurred drunk view.
class DrunkWindow
{
public:
    DrunkWindow()
    {
        AppSettings = AppSettingsRecord{};
        window.resize(1920, 1080);
        window.show();
        window.findChild<QRadioButton*>("AlcoolRadio")->click();
    }
    ~DrunkWindow() { window.close(); }

    TChampF window;
};

void Counters(benchmark::State& state, const TChampF& window)
{
    state.counters["display_width"] = window.geometry().DisplayWidth();
    state.counters["display_height"] = window.geometry().DisplayHeight();
}

// Same size: the road picture drawn at this width is kept.
void BmFieldRelayout(benchmark::State& state)
{
    DrunkWindow drunk;
    for (auto _ : state) {
        drunk.window.Relayout();
        benchmark::DoNotOptimize(drunk.window.RightViewPicture()->Bits());
    }
    Counters(state, drunk.window);
}
BENCHMARK(BmFieldRelayout)->Unit(benchmark::kMillisecond);

// A width that changes on every resize: the road picture is drawn anew.
void BmFieldResizeWidth(benchmark::State& state)
{
    DrunkWindow drunk;
    int width = 1920;
    for (auto _ : state) {
        width = width == 1920 ? 1918 : 1920;
        drunk.window.resize(width, 1080);
        benchmark::DoNotOptimize(drunk.window.RightViewPicture()->Bits());
    }
    Counters(state, drunk.window);
}
BENCHMARK(BmFieldResizeWidth)->Unit(benchmark::kMillisecond);

void BmFieldDrawBlurredView(benchmark::State& state)
{
    DrunkWindow drunk;
    for (auto _ : state) {
        drunk.window.DrawView(2);
        benchmark::DoNotOptimize(drunk.window.RightViewPicture()->Bits());
    }
    Counters(state, drunk.window);
}
BENCHMARK(BmFieldDrawBlurredView)->Unit(benchmark::kMillisecond);

// The drunk driver's display of the 1920 x 1080 window (954 x 988 logical
// pixels) composed at `ratio`: the scene copied, darkened, blurred, written.
void ComposeDisplay(benchmark::State& state, qreal ratio, bool blurred)
{
    const QSize device = (QSizeF(954, 988) * ratio).toSize();
    const FieldGeometry geometry(device.width(), device.height());
    TDibPlus background(device.width(), device.height());
    TDibPlus view(device.width(), device.height());
    RoadPicture road;
    road.Load();
    BuildBackground(background, road, ratio);
    const std::vector<FieldSpan> field = ComputeField(geometry, kDrunkFieldAngle);
    const QStringList lines = RightViewLines(true, 0, kDrunkFieldAngle);
    for (auto _ : state) {
        ComposeView(view, background, field, geometry.EyeY(), blurred, lines, ratio);
        benchmark::DoNotOptimize(view.Bits());
    }
}

void BmFieldComposeBlurred(benchmark::State& state)
{
    ComposeDisplay(state, 1, true);
}
BENCHMARK(BmFieldComposeBlurred)->Unit(benchmark::kMillisecond);

void BmFieldComposeBlurredRatio2(benchmark::State& state)
{
    ComposeDisplay(state, 2, true);
}
BENCHMARK(BmFieldComposeBlurredRatio2)->Unit(benchmark::kMillisecond);

void BmFieldComposeSharpRatio2(benchmark::State& state)
{
    ComposeDisplay(state, 2, false);
}
BENCHMARK(BmFieldComposeSharpRatio2)->Unit(benchmark::kMillisecond);

} // namespace
