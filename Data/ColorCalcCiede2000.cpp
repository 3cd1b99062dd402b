// CIEDE2000 colour difference of two CIELAB colours, kL = kC = kH = 1, as
// written out by Sharma, Wu and Dalal (Color Res. Appl. 30, 2005): a* is
// stretched near the neutral axis, hue angles and their mean are taken across
// 0/360 degrees, and a colour with no chroma has no hue.
#include "ColorCalc.h"

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Pow25To7 = 6103515625.0;  // 25^7

double Radians(double degrees) { return degrees * Pi / 180.0; }

// sqrt(C^7 / (C^7 + 25^7)): how far a chroma is from the neutral axis, 0 .. 1.
double ChromaSaturation(double chroma) {
    const double c7 = std::pow(chroma, 7.0);
    return std::sqrt(c7 / (c7 + Pow25To7));
}

// Hue angle in degrees [0, 360) of (a', b); 0 when both are 0.
double PrimeHue(double aPrime, double b) {
    if (aPrime == 0.0 && b == 0.0) return 0.0;
    double h = std::atan2(b, aPrime) * 180.0 / Pi;
    if (h < 0.0) h += 360.0;
    return h;
}

// h2' - h1' brought into [-180, 180]; 0 when either colour has no chroma.
double HueAngleDifference(double h1, double h2, double chromaProduct) {
    if (chromaProduct == 0.0) return 0.0;
    const double d = h2 - h1;
    if (d > 180.0) return d - 360.0;
    if (d < -180.0) return d + 360.0;
    return d;
}

// Mean hue: the mid-point on the shorter arc; the plain sum when either colour
// has no chroma.
double MeanHue(double h1, double h2, double chromaProduct) {
    const double sum = h1 + h2;
    if (chromaProduct == 0.0) return sum;
    if (std::fabs(h1 - h2) <= 180.0) return sum / 2.0;
    return sum < 360.0 ? (sum + 360.0) / 2.0 : (sum - 360.0) / 2.0;
}

}  // namespace

double Ciede2000(const TLab& reference, const TLab& compared) {
    const double c1 = std::hypot(reference.A, reference.B);
    const double c2 = std::hypot(compared.A, compared.B);
    const double g = 0.5 * (1.0 - ChromaSaturation((c1 + c2) / 2.0));

    const double a1 = (1.0 + g) * reference.A, a2 = (1.0 + g) * compared.A;
    const double cp1 = std::hypot(a1, reference.B), cp2 = std::hypot(a2, compared.B);
    const double hp1 = PrimeHue(a1, reference.B), hp2 = PrimeHue(a2, compared.B);
    const double chromaProduct = cp1 * cp2;

    const double dL = compared.L - reference.L;
    const double dC = cp2 - cp1;
    const double dh = HueAngleDifference(hp1, hp2, chromaProduct);
    const double dH = 2.0 * std::sqrt(chromaProduct) * std::sin(Radians(dh / 2.0));

    const double meanL = (reference.L + compared.L) / 2.0;
    const double meanC = (cp1 + cp2) / 2.0;
    const double meanH = MeanHue(hp1, hp2, chromaProduct);

    const double t = 1.0 - 0.17 * std::cos(Radians(meanH - 30.0)) + 0.24 * std::cos(Radians(2.0 * meanH)) +
                     0.32 * std::cos(Radians(3.0 * meanH + 6.0)) - 0.20 * std::cos(Radians(4.0 * meanH - 63.0));
    const double rotation = 30.0 * std::exp(-std::pow((meanH - 275.0) / 25.0, 2.0));
    const double rC = 2.0 * ChromaSaturation(meanC);
    const double l50 = (meanL - 50.0) * (meanL - 50.0);
    const double sL = 1.0 + 0.015 * l50 / std::sqrt(20.0 + l50);
    const double sC = 1.0 + 0.045 * meanC;
    const double sH = 1.0 + 0.015 * meanC * t;
    const double rT = -std::sin(Radians(2.0 * rotation)) * rC;

    const double kL = 1.0, kC = 1.0, kH = 1.0;
    const double l = dL / (kL * sL), c = dC / (kC * sC), h = dH / (kH * sH);
    return std::sqrt(l * l + c * c + h * h + rT * c * h);
}
