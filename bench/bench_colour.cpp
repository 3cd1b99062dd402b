// Cost of one call of the colour engine: CalcColorValues per colour space,
// CalcDeltaE per formula (CIEDE2000 also alone), the metamerism index and a dot-gain fit.
#include <benchmark/benchmark.h>

#include <cmath>

#include "Data/ColorCalc.h"
#include "MathLS/MathLS.h"

namespace {

// A printed red: reflectance rising towards 650 nm with a dip at 550 nm.
TSpectrum PrintedRed(double shift = 0.0) {
    TSpectrum s;
    for (int i = 0; i < SpectrumSize; ++i) {
        const double nm = 380.0 + 10.0 * i;
        const double red = std::exp(-std::pow((nm - 650.0) / 40.0, 2));
        const double green = std::exp(-std::pow((nm - 550.0 - shift) / 40.0, 2));
        s[i] = 0.4 + 0.3 * red - 0.1 * green;
    }
    return s;
}

void BM_CalcColorValues(benchmark::State& state) {
    const auto space = static_cast<TColorSpace>(state.range(0));
    TData r(EmptySpectrum);
    r.Spectrum = PrintedRed();
    for (auto _ : state) {
        CalcColorValues(r, space, TIlluminant::D50, TObserver::Obs2);
        benchmark::DoNotOptimize(r.Coord.data());
        benchmark::ClobberMemory();
    }
    state.SetLabel(std::to_string(state.range(0)));
}

void BM_CalcDeltaE(benchmark::State& state) {
    const auto space = static_cast<TColorSpace>(state.range(0));
    TData r(EmptySpectrum), s(EmptySpectrum);
    r.Spectrum = PrintedRed();
    s.Spectrum = PrintedRed(15.0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalcDeltaE(r, s, space, TIlluminant::D50, TObserver::Obs2));
        benchmark::ClobberMemory();
    }
}

// The CIEDE2000 formula alone, on the CIELAB values of the two reds.
void BM_Ciede2000(benchmark::State& state) {
    TData r(EmptySpectrum), s(EmptySpectrum);
    r.Spectrum = PrintedRed();
    s.Spectrum = PrintedRed(15.0);
    CalcColorValues(r, TColorSpace::CIELAB, TIlluminant::D50, TObserver::Obs2);
    CalcColorValues(s, TColorSpace::CIELAB, TIlluminant::D50, TObserver::Obs2);
    TLab a{r.Coord[0], r.Coord[1], r.Coord[2]}, b{s.Coord[0], s.Coord[1], s.Coord[2]};
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        benchmark::DoNotOptimize(Ciede2000(a, b));
    }
}

void BM_MetamerismIndex(benchmark::State& state) {
    TData r(EmptySpectrum), s(EmptySpectrum);
    r.Spectrum = PrintedRed();
    s.Spectrum = PrintedRed(15.0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            MetamerismIndex(r, s, TIlluminant::D50, TObserver::Obs2, TIlluminant::A, TObserver::Obs2));
        benchmark::ClobberMemory();
    }
}

void BM_LeastSquaresFitDotGainPiece(benchmark::State& state) {
    TFitVector x{}, y{}, fitted{}, residuals{};
    TFitCoeffs coeffs{};
    double sd = 0;
    std::uint8_t error = 0;
    for (auto _ : state) {
        ResetFit(x, y, fitted, residuals, coeffs, error);
        x[1] = 25; x[2] = 50; x[3] = 75;
        y[1] = 14; y[2] = 18; y[3] = 13;
        LeastSquaresFit(3, x, y, 3, coeffs, fitted, residuals, sd, error);
        benchmark::DoNotOptimize(coeffs.data());
    }
}

// Arguments: the colour-space number (0 CIELAB, 1 CIELab94, 2 CMC(1:1),
// 3 CMC(2:1), 4 CIELuv, 5 CIEXYZ, 6 CIExyY, 7 LABmg, 8 CIEDE2000).
BENCHMARK(BM_CalcColorValues)->DenseRange(0, ColorSpaceCount - 1);
BENCHMARK(BM_CalcDeltaE)->DenseRange(0, ColorSpaceCount - 1);
BENCHMARK(BM_Ciede2000);
BENCHMARK(BM_MetamerismIndex);
BENCHMARK(BM_LeastSquaresFitDotGainPiece);

}  // namespace
