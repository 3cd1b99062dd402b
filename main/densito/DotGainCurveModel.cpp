// Dot Gain curve page.
#include "DotGainCurveModel.h"

#include "Data/Config.h"
#include "DensityFormat.h"
#include "DensityFormulas.h"
#include "MathLS.h"

#include <algorithm>
#include <cmath>

namespace {

// Gains beyond any print stay whole numbers that the charts can still place.
constexpr double GainLimit = 100000.0;

}  // namespace

int DotGainCurvePercent(int tint)
{
    // The settings file may hold anything; the page works with what the
    // settings page allows.
    const auto allowed = [](std::int32_t percent) { return std::clamp<std::int32_t>(percent, 1, 99); };
    switch (tint) {
    case 1: return allowed(Config.DotGainCurve1);
    case 2: return allowed(Config.DotGainCurve2);
    case 3: return allowed(Config.DotGainCurve3);
    }
    return 0;
}

TDotGainCurve ResetDotGainCurve()
{
    TDotGainCurve curve;
    curve.X = {0, DotGainCurvePercent(1), DotGainCurvePercent(2), DotGainCurvePercent(3), 100};
    curve.Y.fill(0);
    for (auto& fit : curve.Fit)
        fit.fill(0.0);
    return curve;
}

void FitDotGainCurve(TDotGainCurve& curve)
{
    for (int piece = 0; piece < TDotGainCurve::Pieces; ++piece) {
        TFitVector x{}, y{}, fitted{}, residuals{};
        TFitCoeffs coeffs{};
        std::uint8_t error = 0;
        double deviation = 0.0;
        ResetFit(x, y, fitted, residuals, coeffs, error);
        for (int i = 1; i <= 3; ++i) {
            x[i] = curve.X[piece + i - 1];
            y[i] = curve.Y[piece + i - 1];
        }
        LeastSquaresFit(3, x, y, 3, coeffs, fitted, residuals, deviation, error);
        if (error == FitOk)
            curve.Fit[piece] = {coeffs[1], coeffs[2], coeffs[3]};
    }
}

void TDotGainCurveModel::Reset()
{
    Step = 0;
    Completed = false;
    Current = ResetDotGainCurve();
    Curves.fill(ResetDotGainCurve());
    ValueText.fill(QStringLiteral("?"));
    SwatchColor.fill(SwatchIdleGrey);
}

void TDotGainCurveModel::SelectStep(int step)
{
    Step = std::clamp(step, 0, Swatches - 1);
}

void TDotGainCurveModel::ForgetCurves()
{
    Curves.fill(ResetDotGainCurve());
}

bool TDotGainCurveModel::Measure(const TDensityMeasurement& reading, TDensitoShared& shared,
                                 const TPatchColorSource& patchColor)
{
    Completed = false;
    const TDensityChannel c = reading.Channel;
    if (Step == 0) {
        shared.LastChannel = c;
        Current = ResetDotGainCurve();
        for (int i = 1; i < Swatches; ++i)
            ValueText[i] = PercentText(0.0);
    } else if (shared.LastChannel != c) {
        return false;
    }

    if (Step == 0) {
        SwatchColor[0] = InkRampColor(c, 0);
        shared.Solid(c) = reading[c];
        ValueText[0] = DensityFormat(reading[c]);
    } else {
        shared.Tint(c) = reading[c];
        const std::optional<float> area = DotArea(reading[c], shared.Solid(c), shared.YuleNielsenN);
        // The gain against the percentage set now, even when the sequence
        // placed its point at an earlier one.
        std::optional<double> gain;
        if (area)
            gain = std::clamp(RoundHalfEven(double(*area) - DotGainCurvePercent(Step)), -GainLimit, GainLimit);
        ValueText[Step] = PercentText(gain);
        // Without a solid there is no dot area: the point keeps no gain.
        Current.Y[Step] = gain ? static_cast<int>(*gain) : 0;
        SwatchColor[Step] = patchColor ? patchColor() : SwatchClearGrey;
    }

    if (Step < Swatches - 1) {
        ++Step;
    } else {
        FitDotGainCurve(Current);
        Curves[ChannelIndex(shared.LastChannel)] = Current;
        Completed = true;
        Step = 0;
    }
    return true;
}
