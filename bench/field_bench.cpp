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

void counters(benchmark::State& state, const TChampF& window)
{
    state.counters["display_width"] = window.geometry().displayWidth();
    state.counters["display_height"] = window.geometry().displayHeight();
}

// Same size: the road picture drawn at this width is kept.
void BM_FieldRelayout(benchmark::State& state)
{
    DrunkWindow drunk;
    for (auto _ : state) {
        drunk.window.Relayout();
        benchmark::DoNotOptimize(drunk.window.rightView()->Bits());
    }
    counters(state, drunk.window);
}
BENCHMARK(BM_FieldRelayout)->Unit(benchmark::kMillisecond);

// A width that changes on every resize: the road picture is drawn anew.
void BM_FieldResizeWidth(benchmark::State& state)
{
    DrunkWindow drunk;
    int width = 1920;
    for (auto _ : state) {
        width = width == 1920 ? 1918 : 1920;
        drunk.window.resize(width, 1080);
        benchmark::DoNotOptimize(drunk.window.rightView()->Bits());
    }
    counters(state, drunk.window);
}
BENCHMARK(BM_FieldResizeWidth)->Unit(benchmark::kMillisecond);

void BM_FieldDrawBlurredView(benchmark::State& state)
{
    DrunkWindow drunk;
    for (auto _ : state) {
        drunk.window.DrawView(2);
        benchmark::DoNotOptimize(drunk.window.rightView()->Bits());
    }
    counters(state, drunk.window);
}
BENCHMARK(BM_FieldDrawBlurredView)->Unit(benchmark::kMillisecond);

// The drunk driver's display of the 1920 x 1080 window (954 x 988 logical
// pixels) composed at `ratio`: the scene copied, darkened, blurred, written.
void composeDisplay(benchmark::State& state, qreal ratio, bool blurred)
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
        ComposeView(view, background, field, geometry.eyeY(), blurred, lines, ratio);
        benchmark::DoNotOptimize(view.Bits());
    }
}

void BM_FieldComposeBlurred(benchmark::State& state)
{
    composeDisplay(state, 1, true);
}
BENCHMARK(BM_FieldComposeBlurred)->Unit(benchmark::kMillisecond);

void BM_FieldComposeBlurred_Ratio2(benchmark::State& state)
{
    composeDisplay(state, 2, true);
}
BENCHMARK(BM_FieldComposeBlurred_Ratio2)->Unit(benchmark::kMillisecond);

void BM_FieldComposeSharp_Ratio2(benchmark::State& state)
{
    composeDisplay(state, 2, false);
}
BENCHMARK(BM_FieldComposeSharp_Ratio2)->Unit(benchmark::kMillisecond);

} // namespace
