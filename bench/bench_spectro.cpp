// Cost of one spectro measurement as the operator meets it: from a press of
// the instrument's button handled by MeasureSpectroPage (simulated
// instrument, no button delay) to every figure and chart of the spectro tab
// drawn: labels, swatches, the visual match, and the four charts rendered into
// images of their real sizes. Then the parts, to show where the time goes.
// Runs under a QApplication; the offscreen platform is used unless another is
// chosen.
#include "CMS.h"
#include "ColorCalc.h"
#include "ColorimetryModel.h"
#include "Config.h"
#include "Eye1lib.h"
#include "EyeOne.h"
#include "Graphs01.h"
#include "MainForm.h"
#include "PaintBox.h"
#include "SpectroPages.h"
#include "TData.h"
#include "VisualMatchModel.h"

#include "SimControl.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <lcms2.h>

#include <memory>

namespace {

// One application, one settings folder (holding copies of what the program
// reads beside itself), one simulated instrument and one main window for the
// whole run.
struct TBench {
    TBench()
    {
        SetExeFolderOverride(Folder.path());
        const QString bin = QCoreApplication::applicationDirPath() + QLatin1Char('/');
        QFile::copy(bin + QString::fromLatin1(DisplayProfileName), Folder.path() + '/' + DisplayProfileName);
        QFile::copy(bin + QStringLiteral("Cielab.bmp"), Folder.path() + QStringLiteral("/Cielab.bmp"));
        EyeOne::SetLibraryName(QStringLiteral(KV_SIM_LIBRARY));
        Sim = std::make_unique<TSimControl>(QStringLiteral(KV_SIM_LIBRARY));
        Sim->Reset();
        Form = std::make_unique<TMainForm>();
        Sim->PlacePatch("red");
        Form->MeasureSpectroPage();  // the reference
    }
    QTemporaryDir Folder;
    std::unique_ptr<TSimControl> Sim;
    std::unique_ptr<TMainForm> Form;
};

TBench& Bench()
{
    static TBench bench;
    return bench;
}

// The four charts as their paint handlers draw them, into images of their sizes.
void RenderCharts(TSpectroPages& pages)
{
    for (TPaintBox* box : {pages.PBX1, pages.PBXab, pages.PBXdl, pages.PBCircle}) {
        const QImage image = box->Render();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_SpectroPressToEverythingDrawn(benchmark::State& state)
{
    TBench& b = Bench();
    const char* patches[] = {"magenta-50", "cyan", "red", "paper"};
    int n = 0;
    for (auto _ : state) {
        b.Sim->PlacePatch(patches[n++ % 4]);
        b.Form->MeasureSpectroPage();
        RenderCharts(*b.Form->Spectro);
    }
}
BENCHMARK(BM_SpectroPressToEverythingDrawn)->Unit(benchmark::kMillisecond);

void BM_MeasureSpectroPageOnly(benchmark::State& state)
{
    TBench& b = Bench();
    for (auto _ : state)
        b.Form->MeasureSpectroPage();
}
BENCHMARK(BM_MeasureSpectroPageOnly)->Unit(benchmark::kMillisecond);

void BM_Chart(benchmark::State& state)
{
    TBench& b = Bench();
    TSpectroPages& p = *b.Form->Spectro;
    TPaintBox* const boxes[] = {p.PBX1, p.PBXab, p.PBXdl, p.PBCircle};
    TPaintBox* box = boxes[state.range(0)];
    state.SetLabel(box->objectName().toStdString());
    for (auto _ : state) {
        const QImage image = box->Render();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_Chart)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_LoadCielabPicture(benchmark::State& state)
{
    Bench();
    for (auto _ : state) {
        const QImage picture = LoadCielabPicture(ExeFolder());
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_LoadCielabPicture)->Unit(benchmark::kMicrosecond);

void BM_LabToScreen(benchmark::State& state)
{
    Bench();
    for (auto _ : state)
        benchmark::DoNotOptimize(LabToScreen(47.1, 68.1, 47.6));
}
BENCHMARK(BM_LabToScreen)->Unit(benchmark::kMicrosecond);

// The same conversion with the profiles opened and the transform built once:
// what LabToScreen costs once its transform is kept.
void BM_LabToScreenKeptTransform(benchmark::State& state)
{
    Bench();
    cmsHPROFILE lab = cmsCreateLab4Profile(nullptr);
    cmsHPROFILE display = cmsOpenProfileFromFile(DisplayProfilePath().toLocal8Bit().constData(), "r");
    cmsHTRANSFORM transform =
        cmsCreateTransform(lab, TYPE_Lab_16, display, TYPE_RGB_8, INTENT_PERCEPTUAL, cmsFLAGS_NOOPTIMIZE);
    for (auto _ : state) {
        const cmsCIELab value{47, 68, 47};
        cmsUInt16Number encoded[3];
        cmsFloat2LabEncoded(encoded, &value);
        cmsUInt8Number rgb[3] = {0, 0, 0};
        cmsDoTransform(transform, encoded, rgb, 1);
        benchmark::DoNotOptimize(rgb);
    }
    cmsDeleteTransform(transform);
    cmsCloseProfile(display);
    cmsCloseProfile(lab);
}
BENCHMARK(BM_LabToScreenKeptTransform)->Unit(benchmark::kMicrosecond);

// Opening the two profiles and building the transform, without converting.
void BM_LabToScreenTransformBuild(benchmark::State& state)
{
    Bench();
    const QByteArray path = DisplayProfilePath().toLocal8Bit();
    for (auto _ : state) {
        cmsHPROFILE lab = cmsCreateLab4Profile(nullptr);
        cmsHPROFILE display = cmsOpenProfileFromFile(path.constData(), "r");
        cmsHTRANSFORM transform =
            cmsCreateTransform(lab, TYPE_Lab_16, display, TYPE_RGB_8, INTENT_PERCEPTUAL, cmsFLAGS_NOOPTIMIZE);
        benchmark::DoNotOptimize(transform);
        cmsDeleteTransform(transform);
        cmsCloseProfile(display);
        cmsCloseProfile(lab);
    }
}
BENCHMARK(BM_LabToScreenTransformBuild)->Unit(benchmark::kMicrosecond);

void BM_ColorimetryFigures(benchmark::State& state)
{
    TBench& b = Bench();
    for (auto _ : state)
        benchmark::DoNotOptimize(ColorimetryFigures(*b.Form->SampleData(), *b.Form->MeasureData(),
                                                    CurrentConditions(), TIlluminant::A));
}
BENCHMARK(BM_ColorimetryFigures)->Unit(benchmark::kMicrosecond);

void BM_VisualMatchColors(benchmark::State& state)
{
    TBench& b = Bench();
    for (auto _ : state)
        benchmark::DoNotOptimize(VisualMatchColors(b.Form->MeasureData(), DefaultVisualIlluminants,
                                                   *b.Form->SampleData(), *b.Form->MeasureData(),
                                                   CurrentConditions()));
}
BENCHMARK(BM_VisualMatchColors)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
