// Start-up: from an empty process to the launcher on screen, with neither
// the start-up about box nor the tip, and the memory held at that moment.
#include "app/startup.h"
#include "app/settings/appsettings.h"
#include "app/tmainf.h"
#include "road/tchampf.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Resident memory of this process in megabytes, from the kernel's account.
double residentMegabytes()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

void BM_StartToLauncherShown(benchmark::State& state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        TMainF launcher;
        ProgramDir = dir.path(); // the bench never writes the build tree's settings
        AppSettings.SplasheFlag = false;
        AppSettings.TipFlag = false;
        AppWindows windows;
        windows.champ = new TChampF;
        CreateWindows(launcher, windows);
        launcher.show();
        QCoreApplication::processEvents();
        state.counters["resident_MB"] = residentMegabytes();
        state.PauseTiming();
        launcher.hide();
        DeleteModuleWindows(windows);
        state.ResumeTiming();
    }
}

} // namespace

// The first iteration is the one a user sees: fonts, styles and resources
// are loaded then.
BENCHMARK(BM_StartToLauncherShown)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartToLauncherShown)->Iterations(5)->Unit(benchmark::kMillisecond)->Name("BM_StartToLauncherShown_warm");
