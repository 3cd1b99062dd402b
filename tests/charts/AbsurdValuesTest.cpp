// Spectra and differences no instrument should give (1e30 from a broken
// driver, NaN, ΔE of thousands) still draw every chart, on the recording
// canvas and on real pixels, without an int overflow (checked by the
// sanitizer build).
#include "ChartFixtures.h"
#include "Graphs01.h"
#include "QtCanvas.h"
#include "RecordingCanvas.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

struct TAbsurd {
    const char* Name;
    TSpectrum Spectrum;
};

std::vector<TAbsurd> AbsurdSpectra()
{
    TSpectrum alternating;
    for (int i = 0; i < SpectrumSize; ++i)
        alternating[std::size_t(i)] = i % 2 == 0 ? 1e30 : -1e30;
    TSpectrum withNaN = charts::Flat(0.5);
    withNaN[10] = NaN;
    return {
        {"1e30", charts::Flat(1e30)},       {"-1e30", charts::Flat(-1e30)}, {"alternating", alternating},
        {"NaN inside", withNaN},            {"infinite", charts::Flat(Inf)}, {"max double", charts::Flat(1.7e308)},
        {"thousands", charts::Flat(2500.0)},
    };
}

void DrawAll(TCanvas& reflectance, TCanvas& deltaAB, TCanvas& deltaL, TCanvas& lab, TData& reference,
             TData& measure)
{
    DrawReflectanceGrid(reflectance);
    DrawReflectanceCurve(reflectance, reference.Spectrum, ChartColor::Blue);
    DrawReflectanceCurve(reflectance, measure.Spectrum, ChartColor::Red);
    DrawDeltaLAxes(deltaL, &measure);
    DrawDeltaLArrow(deltaL, &reference, &measure, ChartColor::Red);
    DrawDeltaABAxes(deltaAB, &reference, &measure);
    DrawDeltaABPoint(deltaAB, &measure, ChartColor::Red);
    DrawToleranceEllipse(&reference, &measure, ChartColor::Red, deltaAB);
    DrawLabDiagram(lab);
    DrawLabPoints(lab, &reference, &measure);
}

void DrawOnImages(TData& reference, TData& measure)
{
    QImage a(573, 331, QImage::Format_RGB32), b(340, 340, QImage::Format_RGB32), c(103, 340, QImage::Format_RGB32),
        d(348, 348, QImage::Format_RGB32);
    QPainter pa(&a), pb(&b), pc(&c), pd(&d);
    TQtCanvas ca(pa, charts::PBX1), cb(pb, charts::PBXab), cc(pc, charts::PBXdl), cd(pd, charts::PBCircle);
    DrawAll(ca, cb, cc, cd, reference, measure);
}

}  // namespace

TEST(AbsurdValues, SpectraDrawEveryChart)
{
    charts::TViewingConditionsGuard guard;
    for (TColorSpace space : {TColorSpace::CIELAB, TColorSpace::CMC21, TColorSpace::CIExyY}) {
        CurColorSpace = space;
        for (const TAbsurd& absurd : AbsurdSpectra()) {
            SCOPED_TRACE(absurd.Name);
            TData reference(charts::Flat(0.5)), measure(absurd.Spectrum);
            TRecordingCanvas ra(charts::PBX1), rb(charts::PBXab), rc(charts::PBXdl), rd(charts::PBCircle);
            DrawAll(ra, rb, rc, rd, reference, measure);
            TData absurdReference(absurd.Spectrum), plain(charts::Flat(0.4));
            DrawAll(ra, rb, rc, rd, absurdReference, plain);
            DrawOnImages(reference, measure);
            DrawOnImages(absurdReference, plain);
            for (const TCanvasCall& call : ra.Calls())
                for (int v : call.Args)
                    EXPECT_LE(std::abs(v), 3 * MaxChartCoordinate);
        }
    }
}

TEST(AbsurdValues, StoredDifferencesDrawWithoutOverflow)
{
    struct TCase {
        double DeltaL, DeltaA, DeltaB, Hue;
    } const cases[] = {
        {3000, -4000, 2500, 400}, {NaN, NaN, NaN, NaN}, {-1e300, 1e300, -Inf, -50}, {Inf, 0, 1e9, 1e30},
    };
    for (const TCase& c : cases) {
        TData measure = charts::Measured(c.DeltaL, c.DeltaA, c.DeltaB, c.Hue);
        const int span = DeltaABSpan(&measure);
        EXPECT_GE(span, 10);
        EXPECT_LE(span, MaxDeltaABSpan);
        TRecordingCanvas ab(charts::PBXab), dl(charts::PBXdl);
        DrawDeltaABAxes(ab, nullptr, &measure);
        DrawDeltaABPoint(ab, &measure, ChartColor::Red);
        DrawDeltaLAxes(dl, &measure);
        DrawDeltaLArrow(dl, nullptr, &measure, ChartColor::Red);
        EXPECT_EQ(dl.CallsOf(TCanvasOp::Polygon).size(), 1u);
    }
}
