// Cost of drawing the spectro tab's charts as the program draws them: each
// chart into an image of its drawing area's real size through the Qt canvas
// with the program's fonts, and the CIELab page's picture, which the page
// reads from disk at every paint.
#include "ColorCalc.h"
#include "Fonts.h"
#include "Graphs01.h"
#include "QtCanvas.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>
#include <cmath>
#include <functional>

namespace {

// Fonts need an application object; made once, kept to the end.
void StartGui()
{
    static int argc = 1;
    static char name[] = "bench_charts";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);
    }
}

TSpectrum Bump(double base, double amp, double centre, double width)
{
    TSpectrum s;
    for (int i = 0; i < SpectrumSize; ++i) {
        const double d = (380.0 + 10.0 * i - centre) / width;
        s[std::size_t(i)] = base + amp * std::exp(-d * d);
    }
    return s;
}

struct TRecords {
    TData Reference{Bump(0.08, 0.75, 600, 60)};
    TData Measure{Bump(0.1, 0.7, 610, 55)};
};

const TDrawingArea PBX1 = AreaAt(3, 3, 573, 331);
const TDrawingArea PBXab = AreaAt(182, 11, 340, 340);
const TDrawingArea PBXdl = AreaAt(66, 11, 103, 340);
const TDrawingArea PBCircle = AreaAt(1, 1, 348, 348);

void Paint(QImage& image, const TDrawingArea& area, const std::function<void(TCanvas&)>& draw)
{
    QPainter painter(&image);
    TQtCanvas canvas(painter, area, ChartFont);
    draw(canvas);
}

void Reflectance(QImage& image, TRecords& r)
{
    Paint(image, PBX1, [&](TCanvas& c) {
        DrawReflectanceGrid(c);
        DrawReflectanceCurve(c, r.Reference.Spectrum, ChartColor::Blue);
        DrawReflectanceCurve(c, r.Measure.Spectrum, ChartColor::Red);
    });
}

void DeltaAB(QImage& image, TRecords& r)
{
    Paint(image, PBXab, [&](TCanvas& c) {
        DrawDeltaABAxes(c, &r.Reference, &r.Measure);
        DrawDeltaABPoint(c, &r.Measure, ChartColor::Red);
        DrawToleranceEllipse(&r.Reference, &r.Measure, ChartColor::Red, c);
    });
}

void DeltaL(QImage& image, TRecords& r)
{
    Paint(image, PBXdl, [&](TCanvas& c) {
        DrawDeltaLAxes(c, &r.Measure);
        DrawDeltaLArrow(c, &r.Reference, &r.Measure, ChartColor::Red);
    });
}

void Lab(QImage& image, TRecords& r, const QImage& picture)
{
    Paint(image, PBCircle, [&](TCanvas& c) {
        c.SetBrushColor(ChartColor::White);
        c.FillRect(c.Area().ClientRect());
        DrawLabBackground(c, picture);
        DrawLabDiagram(c);
        DrawLabPoints(c, &r.Reference, &r.Measure);
    });
}

QImage ImageOf(const TDrawingArea& area) { return QImage(area.Width, area.Height, QImage::Format_RGB32); }

const QString PictureFolder = QStringLiteral(KV_BENCH_PICTURE_FOLDER);

void BM_ReflectanceChart(benchmark::State& state)
{
    StartGui();
    TRecords r;
    QImage image = ImageOf(PBX1);
    for (auto _ : state)
        Reflectance(image, r);
}
BENCHMARK(BM_ReflectanceChart)->Unit(benchmark::kMicrosecond);

void BM_DeltaABChart(benchmark::State& state)
{
    StartGui();
    TRecords r;
    QImage image = ImageOf(PBXab);
    for (auto _ : state)
        DeltaAB(image, r);
}
BENCHMARK(BM_DeltaABChart)->Unit(benchmark::kMicrosecond);

void BM_DeltaLChart(benchmark::State& state)
{
    StartGui();
    TRecords r;
    QImage image = ImageOf(PBXdl);
    for (auto _ : state)
        DeltaL(image, r);
}
BENCHMARK(BM_DeltaLChart)->Unit(benchmark::kMicrosecond);

void BM_LabDiagramWithoutPicture(benchmark::State& state)
{
    StartGui();
    TRecords r;
    QImage image = ImageOf(PBCircle);
    for (auto _ : state)
        Lab(image, r, QImage());
}
BENCHMARK(BM_LabDiagramWithoutPicture)->Unit(benchmark::kMicrosecond);

void BM_LoadCielabPicture(benchmark::State& state)
{
    StartGui();
    for (auto _ : state) {
        QImage picture = LoadCielabPicture(PictureFolder);
        if (picture.isNull())
            state.SkipWithError("no Cielab.bmp beside the executable");
        benchmark::DoNotOptimize(picture);
    }
}
BENCHMARK(BM_LoadCielabPicture)->Unit(benchmark::kMicrosecond);

// What the CIELab page's paint costs: read the picture, draw it and the diagram.
void BM_LabDiagramReadingThePicture(benchmark::State& state)
{
    StartGui();
    TRecords r;
    QImage image = ImageOf(PBCircle);
    for (auto _ : state)
        Lab(image, r, LoadCielabPicture(PictureFolder));
}
BENCHMARK(BM_LabDiagramReadingThePicture)->Unit(benchmark::kMicrosecond);

void BM_AllFourSpectroCharts(benchmark::State& state)
{
    StartGui();
    TRecords r;
    QImage a = ImageOf(PBX1), b = ImageOf(PBXab), c = ImageOf(PBXdl), d = ImageOf(PBCircle);
    for (auto _ : state) {
        Reflectance(a, r);
        DeltaL(c, r);
        DeltaAB(b, r);
        Lab(d, r, LoadCielabPicture(PictureFolder));
    }
}
BENCHMARK(BM_AllFourSpectroCharts)->Unit(benchmark::kMicrosecond);

}  // namespace
