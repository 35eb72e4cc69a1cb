// The kinetic organ's two pictures at the design size: the bench is drawn
// on every 40 ms step of the striker, the tubes with their overlays on
// every move of the mouse over them. They are composed at the screen's
// ratio (the "ratio" counter): run under QT_SCALE_FACTOR=2 for a scaled
// screen.
#include "app/settings/appsettings.h"
#include "controls/plaincontrols.h"
#include "weight/organ/organwindow.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

namespace {

// The window at its design size with a full page of tubes, the third one
// selected and the sixth hovered (the info panel shows), and a crushed
// tube on the bench.
void Prepare(TPercutaF& window)
{
    AppSettings = AppSettingsRecord{};
    window.show();
    QWidget* launch = window.findChild<QWidget*>("DepartBout");
    auto* speed = window.findChild<SpinButton*>("SpeedSpin");
    for (int shot = 0; shot < 18; ++shot) {
        static_cast<QAbstractButton*>(launch)->click();
        while (window.Model().Shot().Flying())
            window.AnimTimerTimer();
        emit speed->UpClick();
    }
    QWidget* tubes = window.findChild<QWidget*>("Display2");
    const double scale = window.Model().Layout().TubeScale();
    QMouseEvent select(QEvent::MouseButtonPress, QPointF(12 * scale, 100), tubes->mapToGlobal(QPointF(12 * scale, 100)),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(tubes, &select);
    QMouseEvent hover(QEvent::MouseMove, QPointF(24 * scale, 100), tubes->mapToGlobal(QPointF(24 * scale, 100)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(tubes, &hover);
    static_cast<QAbstractButton*>(launch)->click();
    while (window.Model().Shot().Flying())
        window.AnimTimerTimer();
}

// Times `draw`, which composes the picture `picture` gives, with the
// picture's size and ratio beside the time.
void DrawOrganPicture(benchmark::State& state, void (TPercutaF::*draw)(), const QImage& (TPercutaF::*picture)() const)
{
    TPercutaF window;
    Prepare(window);
    for (auto _ : state) {
        (window.*draw)();
        benchmark::DoNotOptimize((window.*picture)().constBits());
    }
    state.counters["width"] = (window.*picture)().width();
    state.counters["height"] = (window.*picture)().height();
    state.counters["ratio"] = (window.*picture)().devicePixelRatio();
    window.close();
}

void BmOrganDrawBench(benchmark::State& state)
{
    DrawOrganPicture(state, &TPercutaF::DrawBench, &TPercutaF::BenchPicture);
}

void BmOrganDrawTubes(benchmark::State& state)
{
    DrawOrganPicture(state, &TPercutaF::DrawTubes, &TPercutaF::TubesPicture);
}

} // namespace

BENCHMARK(BmOrganDrawBench)->Unit(benchmark::kMicrosecond);
BENCHMARK(BmOrganDrawTubes)->Unit(benchmark::kMicrosecond);
