// Least-squares polynomial fit in a Chebyshev basis, returned as an ordinary
// power series in the untransformed abscissa: y = a1 + a2*x + ... + am*x^(m-1).
#pragma once

#include <array>
#include <cstdint>

constexpr int MaxFitPoints = 300;
constexpr int MaxFitTerms = 20;

// Index 0 is unused: entries 1 .. n (or 1 .. m) carry the data.
using TFitVector = std::array<double, MaxFitPoints + 1>;
using TFitCoeffs = std::array<double, MaxFitTerms + 1>;

enum TFitError : std::uint8_t {
    FitOk = 0,
    FitTooFewPoints = 1,      // fewer than 2 data points
    FitTooFewTerms = 2,       // number of terms below 1
    FitFewerPointsThanTerms = 3,
    FitSingular = 4,          // a pivot of magnitude below 1e-15
    FitAllXEqual = 5,         // xmax == xmin: the abscissa cannot be mapped
    FitTooLarge = 6,          // more than MaxFitPoints points or MaxFitTerms terms
};

void ResetFit(TFitVector& x, TFitVector& y, TFitVector& fitted, TFitVector& residuals, TFitCoeffs& coeffs,
              std::uint8_t& error);

void LeastSquaresFit(int n, const TFitVector& x, const TFitVector& y, int m, TFitCoeffs& coeffs,
                     TFitVector& fitted, TFitVector& residuals, double& standardDeviation, std::uint8_t& error);
