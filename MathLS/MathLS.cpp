// Least-squares polynomial fit. The abscissae are mapped onto -1 .. 1 and the
// fit is made in the Chebyshev basis T0 .. T(m-1), which keeps the normal
// equations far better conditioned than plain powers of x; they are solved by
// Gaussian elimination with partial pivoting, and the result is converted back
// to a power series in the untransformed x.
#include "MathLS.h"

#include <cmath>

namespace {

constexpr double PivotTolerance = 1e-15;

using TMatrix = double[MaxFitTerms + 1][MaxFitTerms + 1];  // 1-based

// Solves A c = b in place (A and b are working copies). Returns false when
// the system is singular.
bool SolveNormalEquations(int m, TMatrix& a, double (&b)[MaxFitTerms + 1], double (&c)[MaxFitTerms + 1]) {
    if (m == 1) {
        if (std::fabs(a[1][1]) < PivotTolerance) return false;
        c[1] = b[1] / a[1][1];
        return true;
    }
    bool singular = false;
    for (int k = 1; k <= m - 1 && !singular; ++k) {
        int pivot = k;
        for (int r = k + 1; r <= m; ++r) {
            if (std::fabs(a[r][k]) > std::fabs(a[pivot][k])) pivot = r;
        }
        if (pivot != k) {
            for (int j = 1; j <= MaxFitTerms; ++j) std::swap(a[k][j], a[pivot][j]);
            std::swap(b[k], b[pivot]);
        } else if (std::fabs(a[k][k]) < PivotTolerance) {
            singular = true;
            break;
        }
        for (int r = k + 1; r <= m; ++r) {
            if (std::fabs(a[r][k]) <= PivotTolerance) continue;
            const double f = -a[r][k] / a[k][k];
            for (int j = 1; j <= m; ++j) a[r][j] += f * a[k][j];
            b[r] += f * b[k];
        }
    }
    if (std::fabs(a[m][m]) < PivotTolerance) singular = true;
    if (singular) return false;
    for (int r = m; r >= 1; --r) {
        double sum = b[r];
        for (int j = r + 1; j <= m; ++j) sum -= a[r][j] * c[j];
        c[r] = sum / a[r][r];
    }
    return true;
}

}  // namespace

void ResetFit(TFitVector& x, TFitVector& y, TFitVector& fitted, TFitVector& residuals, TFitCoeffs& coeffs,
              std::uint8_t& error) {
    x.fill(0.0);
    y.fill(0.0);
    fitted.fill(0.0);
    residuals.fill(0.0);
    coeffs.fill(0.0);
    error = FitOk;
}

void LeastSquaresFit(int n, const TFitVector& x, const TFitVector& y, int m, TFitCoeffs& coeffs,
                     TFitVector& fitted, TFitVector& residuals, double& standardDeviation, std::uint8_t& error) {
    // Counts beyond the arrays are refused before any data is read.
    if (n > MaxFitPoints || m > MaxFitTerms) {
        coeffs.fill(0.0);
        error = FitTooLarge;
        return;
    }
    error = FitOk;
    if (n < 2) error = FitTooFewPoints;
    if (m < 1) error = FitTooFewTerms;
    if (n < m) error = FitFewerPointsThanTerms;
    coeffs.fill(0.0);
    if (error != FitOk) return;

    // Working storage of one fit (about 50 kB: kept off the stack).
    struct TWork {
        double t[MaxFitPoints + 1];
        double y[MaxFitPoints + 1];
        double basis[MaxFitPoints + 1][MaxFitTerms + 1];
        TMatrix a;
        double b[MaxFitTerms + 1];
    };
    static thread_local TWork w;
    w = TWork{};

    // Map [xmin, xmax] onto [-1, 1]. All x equal (or an abscissa that is not
    // a finite number) leaves nothing to map: refused with its own code.
    double xmin = x[1], xmax = x[1];
    bool finite = true;
    for (int p = 1; p <= n; ++p) {
        if (!std::isfinite(x[p])) finite = false;
        if (x[p] < xmin) xmin = x[p];
        if (x[p] > xmax) xmax = x[p];
    }
    if (!finite || !(xmax > xmin) || !std::isfinite(xmax - xmin)) {
        error = FitAllXEqual;
        return;
    }
    const double multiplier = 2.0 / (xmax - xmin);
    const double constant = -multiplier * (xmax + xmin) / 2.0;
    for (int p = 1; p <= n; ++p) {
        w.t[p] = multiplier * x[p] + constant;
        w.y[p] = y[p];
    }

    // Chebyshev polynomials T0 .. T(m-1) at each transformed abscissa.
    for (int p = 1; p <= n; ++p) {
        w.basis[p][1] = 1.0;
        if (m >= 2) w.basis[p][2] = w.t[p];
        for (int k = 3; k <= m; ++k) w.basis[p][k] = 2.0 * w.t[p] * w.basis[p][k - 1] - w.basis[p][k - 2];
    }

    // Normal equations.
    for (int i = 1; i <= m; ++i) {
        double bi = 0.0;
        for (int p = 1; p <= n; ++p) bi += w.y[p] * w.basis[p][i];
        w.b[i] = bi;
        for (int j = i; j <= m; ++j) {
            double aij = 0.0;
            for (int p = 1; p <= n; ++p) aij += w.basis[p][j] * w.basis[p][i];
            w.a[i][j] = aij;
            w.a[j][i] = aij;
        }
    }

    double c[MaxFitTerms + 1] = {};
    if (!SolveNormalEquations(m, w.a, w.b, c)) {
        error = FitSingular;
        return;
    }

    // Fitted values and residuals (fitted minus measured), still in the Chebyshev basis.
    double squares = 0.0;
    for (int p = 1; p <= n; ++p) {
        double value = 0.0;
        for (int k = 1; k <= m; ++k) value += c[k] * w.basis[p][k];
        fitted[p] = value;
        residuals[p] = value - w.y[p];
        squares += residuals[p] * residuals[p];
    }
    standardDeviation = n == m ? 0.0 : std::sqrt(squares / (n - m));

    // P[k][j]: coefficient of x^(j-1) in T(k-1)(multiplier * x + constant).
    double P[MaxFitTerms + 1][MaxFitTerms + 1] = {};
    P[1][1] = 1.0;
    if (m >= 2) {
        P[2][1] = constant;
        P[2][2] = multiplier;
    }
    for (int k = 3; k <= m; ++k) {
        for (int j = 1; j <= k; ++j) {
            const double shifted = j >= 2 ? P[k - 1][j - 1] : 0.0;
            P[k][j] = 2.0 * multiplier * shifted + 2.0 * constant * P[k - 1][j] - P[k - 2][j];
        }
    }
    for (int j = 1; j <= m; ++j) {
        double a = 0.0;
        for (int k = j; k <= m; ++k) a += c[k] * P[k][j];
        coeffs[j] = a;
    }
}
