// What a press of the instrument's button costs inside the running program:
// from the moment the measurement loop sees the press to the moment the
// window has painted the labels, swatches and charts the page's handler set
// (PageBench.h). And what the About page's scrolling text costs while it
// shows, as a share of one core.
#include "PageBench.h"

#include "TransformCache.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

#include <string>
#include <vector>

namespace {

using benchsupport::TPageBench;

const QByteArray CmykProfileSetting = "Profile name=/usr/share/color/icc/ghostscript/default_cmyk.icc\n";

struct TPageCase {
    bool Spectro;                       // spectro tab, else densitometry tab
    int Index;                          // page index on that tab
    std::vector<std::string> Patches;   // placed in turn, one per press
    QByteArray Settings = "Density reference=0\n";
    bool FirstPress = false;            // every press as the first (no kept colour transforms)
};

void PressToPainted(benchmark::State& state, const TPageCase& page)
{
    TPageBench bench(page.Settings);
    if (page.Spectro)
        bench.ShowSpectroPage(page.Index);
    else
        bench.ShowDensitometryPage(page.Index);
    // A round of presses first: what a page does once (layout, first
    // transforms) is not what each press costs.
    for (const std::string& patch : page.Patches)
        if (!bench.PressAndPaint(patch)) {
            state.SkipWithError("a press painted nothing");
            return;
        }
    std::size_t next = 0;
    for (auto _ : state) {
        if (page.FirstPress) {
            state.PauseTiming();
            ReleaseColorTransforms();
            state.ResumeTiming();
        }
        bench.PressAndPaint(state, page.Patches[next]);
        next = (next + 1) % page.Patches.size();
    }
}

// Further pages add one line each, like the Colorimetry page below.
BENCHMARK_CAPTURE(PressToPainted, Density, TPageCase{false, 0, {"cyan", "magenta"}})
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(PressToPainted, DotGain, TPageCase{false, 3, {"cyan", "cyan-75", "cyan-50", "cyan-25"}})
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(PressToPainted, Colorimetry, TPageCase{true, 0, {"cyan", "red"}})
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(PressToPainted, ICC,
                  TPageCase{true, 4, {"cyan", "red"}, "Density reference=0\n" + CmykProfileSetting})
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(PressToPainted, ICCFirstPress,
                  TPageCase{true, 4, {"cyan", "red"}, "Density reference=0\n" + CmykProfileSetting, true})
    ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

double CpuSeconds()
{
#ifdef Q_OS_UNIX
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
#else
    return 0.0;
#endif
}

// The About tab showing for a few seconds, its text scrolling: the process's
// CPU time over the wall time, in percent of one core ("cpu_percent").
void AboutPageScrolling(benchmark::State& state)
{
    TPageBench bench;
    bench.Form->V.PGC1->SetCurrentIndex(3);
    bench.Counter.Page = bench.Form->V.PGC1;
    TPageBench::Settle();
    const int seconds = int(state.range(0));
    for (auto _ : state) {
        QElapsedTimer wall;
        wall.start();
        const double cpuBefore = CpuSeconds();
        QEventLoop loop;
        QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
        loop.exec();
        const double cpu = CpuSeconds() - cpuBefore;
        state.counters["cpu_percent"] = 100.0 * cpu / (double(wall.nsecsElapsed()) / 1e9);
        state.counters["paints_per_s"] = double(bench.Counter.Paints) / seconds;
        bench.Counter.Paints = 0;
    }
}
BENCHMARK(AboutPageScrolling)->Arg(4)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
