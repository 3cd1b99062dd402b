// Least-squares polynomial fit: worked examples and every error code.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <optional>
#include <vector>

#include "MathLS/MathLS.h"

namespace {

struct TPoint {
    double x, y;
};

// One fit with the caller's arrays pre-filled with a marker, so that a test
// sees what the fit wrote and what it left alone.
struct TFit {
    static constexpr double Marker = -777.0;
    TFitVector x{}, y{}, fitted{}, residuals{};
    TFitCoeffs coeffs{};
    double sd = Marker;
    std::uint8_t error = 99;

    TFit(const std::vector<TPoint>& points, int m, std::optional<int> n = std::nullopt) {
        std::uint8_t reset = 1;
        ResetFit(x, y, fitted, residuals, coeffs, reset);
        EXPECT_EQ(reset, FitOk);
        for (std::size_t i = 0; i < points.size() && i < MaxFitPoints; ++i) {
            x[i + 1] = points[i].x;
            y[i + 1] = points[i].y;
        }
        fitted.fill(Marker);
        residuals.fill(Marker);
        coeffs.fill(Marker);
        LeastSquaresFit(n.value_or(static_cast<int>(points.size())), x, y, m, coeffs, fitted, residuals, sd, error);
    }
    bool CoefficientsAllZero() const {
        for (int i = 1; i <= MaxFitTerms; ++i)
            if (coeffs[i] != 0.0) return false;
        return true;
    }
    bool OutputsUntouched() const {
        for (int i = 1; i <= MaxFitPoints; ++i)
            if (fitted[i] != Marker || residuals[i] != Marker) return false;
        return sd == Marker;
    }
};

}  // namespace

TEST(LeastSquaresFit, QuadraticThroughThreePoints) {
    TFit f({{0, 0}, {50, 60}, {100, 100}}, 3);
    ASSERT_EQ(f.error, FitOk);
    EXPECT_NEAR(f.coeffs[1], 0.0, 1e-10);
    EXPECT_NEAR(f.coeffs[2], 1.4, 1e-12);
    EXPECT_NEAR(f.coeffs[3], -0.004, 1e-14);
    for (int p = 1; p <= 3; ++p) {
        EXPECT_NEAR(f.fitted[p], f.y[p], 1e-10);
        EXPECT_NEAR(f.residuals[p], 0.0, 1e-10);
    }
    EXPECT_EQ(f.sd, 0.0);  // n = m: exactly 0
    EXPECT_EQ(f.coeffs[4], 0.0);
}

TEST(LeastSquaresFit, StraightLineThroughFourPoints) {
    TFit f({{25, 37}, {50, 68}, {75, 89}, {100, 100}}, 2);
    ASSERT_EQ(f.error, FitOk);
    EXPECT_NEAR(f.coeffs[1], 21.0, 1e-10);
    EXPECT_NEAR(f.coeffs[2], 0.84, 1e-12);
    const double residuals[] = {5, -5, -5, 5};  // fitted minus measured
    for (int p = 1; p <= 4; ++p) EXPECT_NEAR(f.residuals[p], residuals[p - 1], 1e-10);
    EXPECT_NEAR(f.sd, std::sqrt(50.0), 1e-10);
    EXPECT_NEAR(f.sd, 7.07, 0.005);
}

TEST(LeastSquaresFit, DotGainPiecesPassThroughTheirPoints) {
    // The three quadratics of a dot gain curve: points 0-2, 1-3, 2-4.
    const std::vector<TPoint> curve = {{0, 0}, {25, 14}, {50, 18}, {75, 13}, {100, 0}};
    for (int start = 0; start <= 2; ++start) {
        const std::vector<TPoint> piece(curve.begin() + start, curve.begin() + start + 3);
        TFit f(piece, 3);
        ASSERT_EQ(f.error, FitOk);
        for (const auto& p : piece) {
            const double y = f.coeffs[1] + f.coeffs[2] * p.x + f.coeffs[3] * p.x * p.x;
            EXPECT_NEAR(y, p.y, 1e-9) << start << " x " << p.x;
        }
    }
}

TEST(LeastSquaresFit, PointOrderDoesNotMatter) {
    TFit sorted({{25, 37}, {50, 68}, {75, 89}, {100, 100}}, 3);
    TFit shuffled({{75, 89}, {25, 37}, {100, 100}, {50, 68}}, 3);
    ASSERT_EQ(sorted.error, FitOk);
    ASSERT_EQ(shuffled.error, FitOk);
    for (int j = 1; j <= 3; ++j) EXPECT_NEAR(sorted.coeffs[j], shuffled.coeffs[j], 1e-10);
}

TEST(LeastSquaresFit, OneTermIsTheMean) {
    TFit f({{1, 2}, {2, 4}, {3, 9}}, 1);
    ASSERT_EQ(f.error, FitOk);
    EXPECT_NEAR(f.coeffs[1], 5.0, 1e-12);
    EXPECT_EQ(f.coeffs[2], 0.0);
    EXPECT_NEAR(f.sd, std::sqrt((9.0 + 1.0 + 16.0) / 2.0), 1e-12);
}

TEST(LeastSquaresFit, HigherDegreeRecoversAPolynomial) {
    // y = 1 - 2x + 0.5x^3 sampled at 12 points, fitted with 4 and 6 terms.
    std::vector<TPoint> points;
    for (int i = 0; i < 12; ++i) {
        const double x = -3.0 + 0.5 * i;
        points.push_back({x, 1.0 - 2.0 * x + 0.5 * x * x * x});
    }
    for (int m : {4, 6}) {
        TFit f(points, m);
        ASSERT_EQ(f.error, FitOk);
        const double expected[] = {1.0, -2.0, 0.0, 0.5, 0.0, 0.0};
        for (int j = 1; j <= m; ++j) EXPECT_NEAR(f.coeffs[j], expected[j - 1], 1e-9) << "m " << m << " a" << j;
        EXPECT_LT(f.sd, 1e-9);
    }
}

TEST(LeastSquaresFit, EveryErrorCode) {
    struct Case { std::vector<TPoint> points; int n, m; std::uint8_t error; const char* what; };
    const std::vector<TPoint> three = {{0, 0}, {50, 60}, {100, 100}};
    const Case cases[] = {
        {three, 1, 1, FitTooFewPoints, "n = 1, m = 1"},
        {three, 0, 1, FitFewerPointsThanTerms, "n = 0, m = 1: the later check wins"},
        {three, -4, 0, FitFewerPointsThanTerms, "negative n, m = 0"},
        {three, -4, -4, FitTooFewTerms, "negative n and m"},
        {three, 3, 0, FitTooFewTerms, "m = 0"},
        {three, 1, 0, FitTooFewTerms, "n = 1, m = 0: the later check wins"},
        {three, 1, 2, FitFewerPointsThanTerms, "n = 1, m = 2: the later check wins"},
        {three, 2, 3, FitFewerPointsThanTerms, "n = 2, m = 3"},
        {{{0, 1}, {0, 2}, {100, 3}}, 3, 3, FitSingular, "duplicate abscissa"},
        {{{10, 1}, {10, 2}, {20, 3}, {20, 4}}, 4, 3, FitSingular, "two distinct abscissae, three terms"},
        {{{5, 1}, {5, 2}, {5, 3}}, 3, 2, FitAllXEqual, "all x equal"},
        {{{0, 1}, {NAN, 2}, {100, 3}}, 3, 2, FitAllXEqual, "an abscissa that is not a number"},
        {three, MaxFitPoints + 1, 3, FitTooLarge, "301 points"},
        {three, INT_MAX, 3, FitTooLarge, "INT_MAX points"},
        {three, 30, MaxFitTerms + 1, FitTooLarge, "21 terms"},
    };
    for (const auto& c : cases) {
        TFit f(c.points, c.m, c.n);
        EXPECT_EQ(f.error, c.error) << c.what;
        EXPECT_TRUE(f.CoefficientsAllZero()) << c.what;
        EXPECT_TRUE(f.OutputsUntouched()) << c.what;
    }
}

TEST(LeastSquaresFit, LimitsThemselvesAreAccepted) {
    std::vector<TPoint> points;
    for (int i = 0; i < MaxFitPoints; ++i) points.push_back({static_cast<double>(i), 0.25 * i + 3.0});
    TFit f(points, MaxFitTerms);
    EXPECT_EQ(f.error, FitOk);
    EXPECT_NEAR(f.fitted[MaxFitPoints], 0.25 * (MaxFitPoints - 1) + 3.0, 1e-6);
    EXPECT_LT(f.sd, 1e-6);
}

TEST(ResetFit, ZeroesTheArraysAndTheErrorButNotTheDeviation) {
    TFitVector x, y, fitted, residuals;
    TFitCoeffs coeffs;
    for (auto* v : {&x, &y, &fitted, &residuals}) v->fill(3.0);
    coeffs.fill(3.0);
    std::uint8_t error = FitSingular;
    ResetFit(x, y, fitted, residuals, coeffs, error);
    EXPECT_EQ(error, FitOk);
    for (auto* v : {&x, &y, &fitted, &residuals})
        for (double d : *v) EXPECT_EQ(d, 0.0);
    for (double d : coeffs) EXPECT_EQ(d, 0.0);
}
