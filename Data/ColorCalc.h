// Colorimetric conversions, colour differences and the metamerism index of
// sample records. No state of their own: every result lands in the record.
#pragma once

#include "TData.h"

enum class TCmfComponent : int { XBar = 0, YBar = 1, ZBar = 2 };

double WeightingFactor(TCmfComponent component, TIlluminant illuminant, TObserver observer, int index);
// 0 when the base is 0, otherwise exp(exponent * ln base). A negative base has
// no logarithm: it is raised with std::pow, exact for whole exponents and NaN
// where no real power exists (cube roots go through CubeRootReal instead).
double PowerReal(double base, double exponent);
// The real cube root used by the colour formulas: PowerReal(t, 1/3) for t >= 0,
// and -PowerReal(-t, 1/3) for t < 0, so that a negative ratio (from negative
// spectral values) gives a negative root instead of an undefined logarithm.
double CubeRootReal(double t);
// Hue angle in degrees in [0, 360) of the chromatic pair (a, b) of CIELAB or
// CIELUV; 90 for a = 0 and b >= 0, 270 for a = 0 and b < 0.
double HueAngle(double a, double b);

void CalcXYZ(TData& record, TIlluminant illuminant, TObserver observer);
void CalcWhitePoint(TData& record, TIlluminant illuminant, TObserver observer);
void XYZToLab(TData& record);
void XYZToLuv(TData& record);
void XYZToLabmg(TData& record);
void CalcDisplayColor(TData& record, TIlluminant illuminant, TObserver observer);
void CalcColorValues(TData& record, TColorSpace space, TIlluminant illuminant, TObserver observer);

// The weighting functions of CMC(l:c), from the reference's L*, C*ab and hab
// (degrees): SH = SC * (F * T + 1 - F).
struct TCmcWeights {
    double SL, SC, SH, F, T;
};
TCmcWeights CmcWeights(double lightness, double chroma, double hue);

// A CIELAB colour.
struct TLab {
    double L, A, B;
};
// CIEDE2000 Delta E00 between two CIELAB colours, kL = kC = kH = 1.
double Ciede2000(const TLab& reference, const TLab& compared);

// Recomputes both records (reference first), stores the differences
// (compared minus reference) in `compared` and returns DeltaE.
double CalcDeltaE(TData& reference, TData& compared, TColorSpace space, TIlluminant illuminant,
                  TObserver observer);
double MetamerismIndex(TData& reference, TData& compared, TIlluminant illuminant1, TObserver observer1,
                       TIlluminant illuminant2, TObserver observer2);
