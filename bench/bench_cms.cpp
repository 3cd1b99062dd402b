// Cost of the colour management conversions as the program makes them,
// under the program's kind of application (offscreen QApplication): with
// the transform kept from an earlier conversion (every conversion after the
// first), and built for the conversion ("Built": the first one, or the first
// after the profile file changed).
//   LabToScreen: CIELAB to screen through the display profile beside the
//   executable (no precalculation), and through the built-in sRGB fallback.
//   LabToDevice: CIELAB to CMYK through a CMYK output profile with
//   high-resolution precalculation, per intent (what ShowDeviceValues does).
//   ProfileDescription: the check of a chosen profile.
#include "BenchApplication.h"

#include "CMS.h"
#include "Eye1lib.h"
#include "OutputProfile.h"
#include "TransformCache.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// ExeFolder() is the application's folder, so an application object must
// exist; it is made once and kept to the end.
void StartColorManagement()
{
    benchsupport::GuiApplication();
    InitColorManagement();
    ReleaseColorTransforms();
}

// Each conversion builds its transform: none is kept from the one before.
void ForgetTransforms(benchmark::State& state)
{
    state.PauseTiming();
    ReleaseColorTransforms();
    state.ResumeTiming();
}

const QString CmykOutputProfile = QStringLiteral("/usr/share/color/icc/ghostscript/default_cmyk.icc");

void BM_LabToScreen(benchmark::State& state)
{
    StartColorManagement();
    SetExeFolderOverride(QString());  // the display profile made by the build
    if (!QFileInfo::exists(DisplayProfilePath()))
        state.SkipWithError("no display profile beside the executable");
    for (auto _ : state)
        benchmark::DoNotOptimize(LabToScreen(53.97, 80.2, 67.9));
}
BENCHMARK(BM_LabToScreen)->Unit(benchmark::kMicrosecond);

void BM_LabToScreenBuilt(benchmark::State& state)
{
    StartColorManagement();
    SetExeFolderOverride(QString());
    for (auto _ : state) {
        ForgetTransforms(state);
        benchmark::DoNotOptimize(LabToScreen(53.97, 80.2, 67.9));
    }
}
BENCHMARK(BM_LabToScreenBuilt)->Unit(benchmark::kMicrosecond);

void BM_LabToScreenWithoutDisplayProfile(benchmark::State& state)
{
    StartColorManagement();
    QTemporaryDir empty;
    SetExeFolderOverride(empty.path());
    for (auto _ : state)
        benchmark::DoNotOptimize(LabToScreen(53.97, 80.2, 67.9));
    SetExeFolderOverride(QString());
}
BENCHMARK(BM_LabToScreenWithoutDisplayProfile)->Unit(benchmark::kMicrosecond);

void BM_LabToDevice(benchmark::State& state)
{
    StartColorManagement();
    const int intent = int(state.range(0));
    for (auto _ : state) {
        const auto device = LabToDevice(CmykOutputProfile, 30.4, 20.2, -60.7, intent);
        if (!device) {
            state.SkipWithError("no CMYK output profile (libgs-common)");
            break;
        }
        benchmark::DoNotOptimize(device);
    }
}
BENCHMARK(BM_LabToDevice)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_LabToDeviceBuilt(benchmark::State& state)
{
    StartColorManagement();
    const int intent = int(state.range(0));
    for (auto _ : state) {
        ForgetTransforms(state);
        const auto device = LabToDevice(CmykOutputProfile, 30.4, 20.2, -60.7, intent);
        if (!device) {
            state.SkipWithError("no CMYK output profile (libgs-common)");
            break;
        }
        benchmark::DoNotOptimize(device);
    }
}
BENCHMARK(BM_LabToDeviceBuilt)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_ProfileDescription(benchmark::State& state)
{
    StartColorManagement();
    for (auto _ : state)
        benchmark::DoNotOptimize(ProfileDescription(CmykOutputProfile));
}
BENCHMARK(BM_ProfileDescription)->Unit(benchmark::kMicrosecond);

}  // namespace
