// Colorimetric conversions of a sample record: tristimulus values from the
// spectrum (CIE 15 weighting at 10 nm, 380 .. 730 nm, no bandpass correction),
// the white point, CIELAB, CIELUV, LABmg and the rough screen colour.
//
// CIELAB and CIELUV keep the older CIE constants 0.008856, 903.3 and 7.787
// (CIE 15.2), not the exact rationals, so that the values match the ones the
// press room has always seen.
#include "ColorCalc.h"

#include <array>
#include <cmath>

#include "Spectra.h"

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double LabThreshold = 0.008856;
constexpr double LabKappa = 903.3;
constexpr double LabSlope = 7.787;
constexpr double LabOffset = 16.0 / 116.0;
// A b* (or v*) of exactly 0 is stored as this, so that downstream code
// always sees a defined hue direction.
constexpr double ZeroChromaMarker = 0.000001;

bool ValidConditions(TIlluminant illuminant, TObserver observer) {
    return static_cast<unsigned>(illuminant) < IlluminantCount && static_cast<unsigned>(observer) < ObserverCount;
}

// The weighting products SPD x CMF and their sums over 380 .. 730 nm are
// constants of the tables. They are worked out once, with the same products
// and the same order of summation as a direct computation, so the results are
// identical to the last bit and a spectrum costs only its multiply-adds.
struct TWeights {
    double W[3][SpectrumSize];
    double Sum[3];  // sum of W over the 36 wavelengths, term by term from 380 nm
};

const TWeights& Weights(TIlluminant illuminant, TObserver observer) {
    static const auto table = [] {
        std::array<std::array<TWeights, ObserverCount>, IlluminantCount> t{};
        for (int il = 0; il < IlluminantCount; ++il)
            for (int ob = 0; ob < ObserverCount; ++ob)
                for (int c = 0; c < 3; ++c) {
                    double sum = 0.0;
                    for (int i = 0; i < SpectrumSize; ++i) {
                        t[il][ob].W[c][i] = WeightingFactor(static_cast<TCmfComponent>(c),
                                                            static_cast<TIlluminant>(il), static_cast<TObserver>(ob), i);
                        sum += t[il][ob].W[c][i];
                    }
                    t[il][ob].Sum[c] = sum;
                }
        return t;
    }();
    return table[static_cast<int>(illuminant)][static_cast<int>(observer)];
}

void ZeroTristimulus(TData& record) {
    record.X = record.Y = record.Z = 0.0;
    record.SmallX = record.SmallY = 0.0;
}

// Round half to even, whatever the floating-point rounding mode is.
double RoundHalfEven(double v) {
    const double r = std::round(v);  // halves away from zero
    if (std::fabs(v - std::trunc(v)) == 0.5) return 2.0 * std::round(v / 2.0);
    return r;
}

// A rounded display value outside 0 .. 255 is clamped to the byte range.
std::uint8_t ToDisplayByte(double v) {
    if (!(v > 0.0)) return 0;  // also catches NaN
    if (v > 255.0) return 255;
    return static_cast<std::uint8_t>(v);
}

// CIELAB f(t) with the linear segment below the threshold.
double LabF(double t) {
    return t > LabThreshold ? CubeRootReal(t) : LabSlope * t + LabOffset;
}

// Stores L, the chromatic pair, its chroma and hue, then the zero marker.
void StoreCoordinates(TData& record, double l, double a, double b) {
    record.Coord[0] = l;
    record.Coord[1] = a;
    record.Coord[3] = std::sqrt(a * a + b * b);
    record.Coord[4] = HueAngle(a, b);
    record.Coord[2] = b == 0.0 ? ZeroChromaMarker : b;
}

}  // namespace

double WeightingFactor(TCmfComponent component, TIlluminant illuminant, TObserver observer, int index) {
    const auto c = static_cast<unsigned>(component);
    if (!ValidConditions(illuminant, observer) || c > 2 || index < 0 || index >= TableWavelengths) return 0.0;
    return IlluminantSPD[static_cast<int>(illuminant)][index] * ObserverCMF[static_cast<int>(observer)][c][index];
}

double PowerReal(double base, double exponent) {
    if (base == 0.0) return 0.0;
    if (base < 0.0) return std::pow(base, exponent);
    return std::exp(exponent * std::log(base));
}

double CubeRootReal(double t) {
    if (t < 0.0) return -PowerReal(-t, 1.0 / 3.0);
    return PowerReal(t, 1.0 / 3.0);
}

double HueAngle(double a, double b) {
    double h;
    if (a != 0.0) {
        h = std::atan(b / a) * 180.0 / Pi;
        if (a < 0.0)
            h += 180.0;
        else if (b < 0.0)
            h += 360.0;
        // A hue a hair below a full turn rounds up to exactly 360 in double.
        if (h >= 360.0) h -= 360.0;
    } else {
        h = b >= 0.0 ? 90.0 : 270.0;
    }
    return h + 0.0;  // no negative zero
}

// CIE 15: X = k * sum R S xbar, k = 100 / sum S ybar.
void CalcXYZ(TData& record, TIlluminant illuminant, TObserver observer) {
    if (SpectrumIsEmpty(record.Spectrum) || !ValidConditions(illuminant, observer)) {
        ZeroTristimulus(record);
        return;
    }
    const TWeights& w = Weights(illuminant, observer);
    const double s = w.Sum[1];
    if (s == 0.0) {
        ZeroTristimulus(record);
        return;
    }
    const double k = 100.0 / s;
    double x = 0.0, y = 0.0, z = 0.0;
    for (int i = 0; i < SpectrumSize; ++i) {
        const double r = record.Spectrum[i];
        x += r * w.W[0][i];
        y += r * w.W[1][i];
        z += r * w.W[2][i];
    }
    record.X = k * x;
    record.Y = k * y;
    record.Z = k * z;
    // The record is a scratch pad: x, y keep their previous values when a
    // tristimulus value is 0, and also when the sum is 0 (negative spectra),
    // where the chromaticity is undefined.
    if (record.X == 0.0 || record.Y == 0.0 || record.Z == 0.0) return;
    const double sum = record.X + record.Y + record.Z;
    if (sum == 0.0) return;
    record.SmallX = record.X / sum;
    record.SmallY = record.Y / sum;
}

void CalcWhitePoint(TData& record, TIlluminant illuminant, TObserver observer) {
    if (!ValidConditions(illuminant, observer)) {
        record.WhiteX = record.WhiteY = record.WhiteZ = 0.0;
        return;
    }
    const TWeights& w = Weights(illuminant, observer);
    const double sx = w.Sum[0], sy = w.Sum[1], sz = w.Sum[2];
    if (sy == 0.0) {
        record.WhiteX = record.WhiteY = record.WhiteZ = 0.0;
        return;
    }
    const double k = 100.0 / sy;
    record.WhiteX = k * sx;
    record.WhiteY = 100.0;
    record.WhiteZ = k * sz;
}

// CIE 1976 L*a*b* (CIE 15.2 constants), chroma C*ab and hue hab.
void XYZToLab(TData& record) {
    if (record.WhiteX == 0.0 || record.WhiteY == 0.0 || record.WhiteZ == 0.0) {
        record.Coord.fill(0.0);
        return;
    }
    const double xr = record.X / record.WhiteX;
    const double yr = record.Y / record.WhiteY;
    const double zr = record.Z / record.WhiteZ;
    // f(Y/Yn) serves L* too: above the threshold both use the same cube root.
    const double fy = LabF(yr);
    const double l = yr > LabThreshold ? 116.0 * fy - 16.0 : LabKappa * yr;
    const double a = 500.0 * (LabF(xr) - fy);
    const double b = 200.0 * (fy - LabF(zr));
    StoreCoordinates(record, l, a, b);
}

// CIE 1976 L*u*v*; its lightness is the plain cube-root law without the
// linear segment of CIELAB (a black gives -16).
void XYZToLuv(TData& record) {
    if (record.X == 0.0 && record.Y == 0.0 && record.Z == 0.0) return;
    const double whiteDenominator = record.WhiteX + 15.0 * record.WhiteY + 3.0 * record.WhiteZ;
    if (record.WhiteY == 0.0 || whiteDenominator == 0.0) {
        record.Coord.fill(0.0);  // no white point to refer to
        return;
    }
    const double un = 4.0 * record.WhiteX / whiteDenominator;
    const double vn = 9.0 * record.WhiteY / whiteDenominator;
    const double denominator = record.X + 15.0 * record.Y + 3.0 * record.Z;
    // With negative spectral values the denominator can vanish: the
    // chromaticity is then undefined and the colour is taken as neutral.
    const double u = denominator != 0.0 ? 4.0 * record.X / denominator : un;
    const double v = denominator != 0.0 ? 9.0 * record.Y / denominator : vn;
    const double l = 116.0 * CubeRootReal(record.Y / record.WhiteY) - 16.0;
    StoreCoordinates(record, l, 13.0 * l * (u - un), 13.0 * l * (v - vn));
}

// LABmg: lightness and chroma integrated from 1/SL and 1/SC of CMC(l:c), and
// the hue warped by a four-term Fourier series, so that Euclidean distances
// approach CMC(1:1) differences.
void XYZToLabmg(TData& record) {
    XYZToLab(record);
    const double l = record.Coord[0];
    const double a = record.Coord[1];
    const double b = record.Coord[2];
    if (l == 0.0 && a == 0.0 && b == 0.0) return;

    record.Coord[0] = l < 16.0 ? l / 0.511 : (std::log(0.040975 * l) + 0.01765 * l) / 0.040975 + 34.7231;

    const double c = std::sqrt(a * a + b * b);
    if (c == 0.0) {
        record.Coord[1] = record.Coord[2] = record.Coord[3] = record.Coord[4] = 0.0;
        return;
    }
    const double cosT = a / c;
    double sinT = b / c;
    if (sinT == 0.0) sinT = ZeroChromaMarker;

    double theta = cosT == 0.0 ? Pi / 2.0 : std::atan(sinT / cosT);
    if (theta < 0.0) theta += Pi;
    if (sinT < 0.0) theta += Pi;

    const double cmg = 12.253 * std::log(0.072158 * c + 0.638) + 0.181547 * c + 5.50671;

    static constexpr double A[4] = {0.13893, -0.05390, -0.04029, -0.01043};
    static constexpr double B[4] = {-0.09622, -0.06742, -0.02137, 0.00587};
    double h = theta + 0.17914;
    double sk = 0.0, ck = 1.0;  // sin k theta, cos k theta by rotation
    for (int k = 0; k < 4; ++k) {
        const double s = cosT * sk + sinT * ck;
        const double co = cosT * ck - sinT * sk;
        sk = s;
        ck = co;
        h += A[k] * sk + B[k] * ck;
    }

    record.Coord[1] = cmg * std::cos(h);
    record.Coord[2] = cmg * std::sin(h);
    record.Coord[3] = cmg;
    record.Coord[4] = h * 180.0 / Pi;  // not reduced to [0, 360)
}

void CalcColorValues(TData& record, TColorSpace space, TIlluminant illuminant, TObserver observer) {
    CalcXYZ(record, illuminant, observer);
    CalcWhitePoint(record, illuminant, observer);
    if (record.X == 0.0 && record.Y == 0.0 && record.Z == 0.0) {
        record.Coord.fill(0.0);
        return;
    }
    switch (space) {
        case TColorSpace::CIEXYZ:
            record.Coord = {record.X, record.Y, record.Z, 0.0, 0.0};
            break;
        case TColorSpace::CIExyY:
            record.Coord = {record.SmallX, record.SmallY, record.Y, 0.0, 0.0};
            break;
        case TColorSpace::CIELAB:
        case TColorSpace::CIELab94:
        case TColorSpace::CMC11:
        case TColorSpace::CMC21:
        case TColorSpace::CIEDE2000:
            XYZToLab(record);
            break;
        case TColorSpace::CIELuv:
            XYZToLuv(record);
            break;
        case TColorSpace::LABmg:
            XYZToLabmg(record);
            break;
        default:
            record.Coord.fill(0.0);  // not a colour space of the program
            break;
    }
}

// A rough screen colour: the sRGB matrix applied to X, Y, Z on their 0 .. 100
// scale, no gamma; near-neutral colours (C* < 8) are shown as grey.
void CalcDisplayColor(TData& record, TIlluminant illuminant, TObserver observer) {
    if (SpectrumIsEmpty(record.Spectrum)) {
        record.DisplayR = record.DisplayG = record.DisplayB = 0;
        record.DisplayColor = 0;
        return;
    }
    CalcColorValues(record, TColorSpace::CIELAB, illuminant, observer);
    double r = RoundHalfEven(3.240479 * record.X - 1.53715 * record.Y - 0.498535 * record.Z);
    double g = RoundHalfEven(-0.969256 * record.X + 1.875992 * record.Y + 0.041556 * record.Z);
    double b = RoundHalfEven(0.055648 * record.X - 0.204043 * record.Y + 1.057311 * record.Z);
    if (record.Coord[3] < 8.0) r = g = b = RoundHalfEven((r + g + b) / 3.0);
    record.DisplayR = ToDisplayByte(r);
    record.DisplayG = ToDisplayByte(g);
    record.DisplayB = ToDisplayByte(b);
    record.DisplayColor = record.DisplayR + 256 * record.DisplayG + 65536 * record.DisplayB;
}
