// Colour differences between a reference and a compared record: the Euclidean
// distance of the chosen space (CIELAB, CIELUV, LABmg; CIE76 Delta E*ab for
// XYZ and xyY), CIE94 (CIE 116-1995, kL = kC = kH = 1), CMC(l:c)
// (BS 6923 / ISO 105-J03, c = 1) and CIEDE2000 (kL = kC = kH = 1, with the
// CIELAB differences beside it). Every difference is compared minus reference.
#include "ColorCalc.h"

#include <cmath>

namespace {

constexpr double DegreesPerRadian = 57.29577951308232;

struct TDifferences {
    double L, A, B, C, H, E;
};

// Delta H from the total and the other two differences: the remainder can come
// out a hair below zero by rounding, hence the absolute value.
double HueDifferenceMagnitude(double deltaE2, double deltaL, double deltaC) {
    return std::sqrt(std::fabs(deltaE2 - deltaL * deltaL - deltaC * deltaC));
}

// Delta H carries the sign of the hue change (no wrap-around at 0/360 degrees).
double SignedHueDifference(double magnitude, const TData& reference, const TData& compared) {
    return compared.Coord[4] < reference.Coord[4] ? -magnitude : magnitude;
}

void EuclideanDifference(const TData& r, const TData& s, TDifferences& d) {
    d.E = std::sqrt(d.L * d.L + d.A * d.A + d.B * d.B);
    d.H = SignedHueDifference(HueDifferenceMagnitude(d.E * d.E, d.L, d.C), r, s);
}

void Cie94Difference(const TData& r, TDifferences& d) {
    const double kL = 1.0, kC = 1.0, kH = 1.0;
    d.H = HueDifferenceMagnitude(d.A * d.A + d.B * d.B, 0.0, d.C);
    const double chroma = r.Coord[3];
    const double sL = 1.0;
    const double sC = 1.0 + 0.045 * chroma;
    const double sH = 1.0 + 0.015 * chroma;
    const double l = d.L / (kL * sL), c = d.C / (kC * sC), h = d.H / (kH * sH);
    d.E = std::sqrt(l * l + c * c + h * h);
}

// The differences shown are those of CIELAB; only the total is Delta E00.
void Ciede2000Difference(const TData& r, const TData& s, TDifferences& d) {
    EuclideanDifference(r, s, d);
    d.E = Ciede2000({r.Coord[0], r.Coord[1], r.Coord[2]}, {s.Coord[0], s.Coord[1], s.Coord[2]});
}

void CmcDifference(const TData& r, const TData& s, double lightnessWeight, TDifferences& d) {
    const double chromaWeight = 1.0;
    const double deltaEab2 = d.L * d.L + d.A * d.A + d.B * d.B;
    d.H = SignedHueDifference(HueDifferenceMagnitude(deltaEab2, d.L, d.C), r, s);

    const TCmcWeights w = CmcWeights(r.Coord[0], r.Coord[3], r.Coord[4]);
    const double dl = d.L / (lightnessWeight * w.SL), dc = d.C / (chromaWeight * w.SC), dh = d.H / w.SH;
    d.E = std::sqrt(dl * dl + dc * dc + dh * dh);
}

}  // namespace

TCmcWeights CmcWeights(double lightness, double chroma, double hue) {
    TCmcWeights w{};
    w.SL = lightness < 16.0 ? 0.511 : 0.040975 * lightness / (1.0 + 0.01765 * lightness);
    w.SC = 0.0638 * chroma / (1.0 + 0.0131 * chroma) + 0.638;
    const double c4 = PowerReal(chroma, 4.0);
    w.F = std::sqrt(c4 / (c4 + 1900.0));
    w.T = (hue > 164.0 && hue < 345.0) ? 0.56 + std::fabs(0.2 * std::cos((hue + 168.0) / DegreesPerRadian))
                                       : 0.36 + std::fabs(0.4 * std::cos((hue + 35.0) / DegreesPerRadian));
    w.SH = w.SC * (w.F * w.T + 1.0 - w.F);
    return w;
}

double CalcDeltaE(TData& reference, TData& compared, TColorSpace space, TIlluminant illuminant,
                  TObserver observer) {
    // The weighted formulas and the tristimulus spaces compare in CIELAB.
    TColorSpace coordinates = space;
    switch (space) {
        case TColorSpace::CIELab94:
        case TColorSpace::CMC11:
        case TColorSpace::CMC21:
        case TColorSpace::CIEXYZ:
        case TColorSpace::CIExyY:
        case TColorSpace::CIEDE2000:
            coordinates = TColorSpace::CIELAB;
            break;
        default:
            break;
    }
    CalcColorValues(reference, coordinates, illuminant, observer);
    CalcColorValues(compared, coordinates, illuminant, observer);

    if (SpectrumIsEmpty(reference.Spectrum) || SpectrumIsEmpty(compared.Spectrum)) return 0.0;

    TDifferences d{};
    d.L = compared.Coord[0] - reference.Coord[0];
    d.A = compared.Coord[1] - reference.Coord[1];
    d.B = compared.Coord[2] - reference.Coord[2];
    d.C = compared.Coord[3] - reference.Coord[3];

    switch (space) {
        case TColorSpace::CIELab94:
            Cie94Difference(reference, d);
            break;
        case TColorSpace::CMC11:
            CmcDifference(reference, compared, 1.0, d);
            break;
        case TColorSpace::CMC21:
            CmcDifference(reference, compared, 2.0, d);
            break;
        case TColorSpace::CIEDE2000:
            Ciede2000Difference(reference, compared, d);
            break;
        default:
            EuclideanDifference(reference, compared, d);
            break;
    }

    compared.DeltaL = d.L;
    compared.DeltaA = d.A;
    compared.DeltaB = d.B;
    compared.DeltaC = d.C;
    compared.DeltaH = d.H;
    compared.DeltaE = d.E;
    return d.E;
}
