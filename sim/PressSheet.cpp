// The simulated press sheet. A small physical model of offset print on coated
// paper, all spectra 380 .. 730 nm in 10 nm steps:
//  - paper: a high, nearly flat reflectance with a gentle tilt and the drop of
//    an unbrightened coating in the near ultraviolet;
//  - ink film: an absorbance (optical density, both passes through the film)
//    made of a few Gaussian bands per ink; its transmittance is 10^-absorbance;
//  - solid: R = s + (Rpaper - s) * t, s being the light reflected at the ink's
//    surface before it enters the film;
//  - tint: the Yule-Nielsen mix of paper and solid, R = ((1-a) Rp^(1/n) + a Rs^(1/n))^n,
//    a being the printed tone value after the dot gain of the plate's value;
//  - overprint: the product of the transmittances, the ink printed on top of
//    another ink transferring less (its absorbance scaled by a trap factor).
// The parameters were tuned so that under D50 and the 2 degree observer the
// paper, solids and overprints land near the ISO 12647-2 aims for coated
// paper and the status E densities look like a real press.
#include "PressSheet.h"

#include <cmath>

namespace Sim {
namespace {

constexpr int N = 36;
double Wavelength(int i) { return 380.0 + 10.0 * i; }

struct TBand {
    double Centre;   // nm
    double Width;    // standard deviation, nm
    double Height;   // absorbance at the centre
};

struct TInkModel {
    double Base;               // absorbance at every wavelength
    TBand Bands[3];
    double DotGainExponent;    // printed = 1 - (1 - nominal)^k
};

struct TPaperModel {
    double Level;      // reflectance at 550 nm
    double Tilt;       // change per 100 nm towards the blue
    double UvDrop;     // loss at 380 nm, fading out by 420 nm
};

constexpr TPaperModel Paper = {0.880, 0.010, 0.10};

// Index by TInk.
constexpr TInkModel Inks[4] = {
    // cyan: broad red absorption, a little in the green and blue
    {0.02, {{640.0, 50.0, 1.70}, {540.0, 35.0, 0.20}, {420.0, 30.0, 0.08}}, 1.474},
    // magenta: green absorption with the usual side band in the blue
    {0.02, {{545.0, 32.0, 1.60}, {440.0, 30.0, 0.35}, {600.0, 20.0, 0.10}}, 1.474},
    // yellow: blue absorption with a steep edge near 500 nm
    {0.01, {{440.0, 32.0, 1.25}, {390.0, 20.0, 0.40}, {500.0, 15.0, 0.05}}, 1.42},
    // black: nearly flat, slightly stronger in the blue
    {1.70, {{420.0, 60.0, 0.10}, {550.0, 100.0, 0.0}, {650.0, 100.0, 0.0}}, 1.60},
};

constexpr double SurfaceReflection = 0.004;
constexpr double YuleNielsenN = 1.6;
constexpr double TrapSecond = 0.92;   // second ink down on the first
constexpr double TrapThird = 0.88;    // third ink down on two

double Absorbance(const TInkModel& ink, double nm)
{
    double a = ink.Base;
    for (const TBand& band : ink.Bands) {
        const double z = (nm - band.Centre) / band.Width;
        a += band.Height * std::exp(-0.5 * z * z);
    }
    return a;
}

TSpectrum Transmittance(TInk ink, double trap)
{
    TSpectrum t{};
    const TInkModel& model = Inks[static_cast<int>(ink)];
    for (int i = 0; i < N; ++i)
        t[i] = std::pow(10.0, -trap * Absorbance(model, Wavelength(i)));
    return t;
}

// Ink films of transmittance t over the paper.
TSpectrum Overprint(const TSpectrum& t)
{
    const TSpectrum paper = PaperReflectance();
    TSpectrum r{};
    for (int i = 0; i < N; ++i)
        r[i] = SurfaceReflection + (paper[i] - SurfaceReflection) * t[i];
    return r;
}

TSpectrum Multiply(const TSpectrum& a, const TSpectrum& b)
{
    TSpectrum r{};
    for (int i = 0; i < N; ++i)
        r[i] = a[i] * b[i];
    return r;
}

const char* InkName(TInk ink)
{
    static const char* names[4] = {"cyan", "magenta", "yellow", "black"};
    return names[static_cast<int>(ink)];
}

std::vector<TPatch> BuildPressSheet()
{
    std::vector<TPatch> sheet;
    sheet.push_back({"paper", PaperReflectance()});
    const TInk inks[4] = {TInk::Cyan, TInk::Magenta, TInk::Yellow, TInk::Black};
    for (TInk ink : inks)
        sheet.push_back({InkName(ink), Overprint(Transmittance(ink, 1.0))});
    const int tints[] = {10, 20, 25, 30, 40, 50, 60, 70, 75, 80, 90};
    for (TInk ink : inks)
        for (int percent : tints)
            sheet.push_back({std::string(InkName(ink)) + "-" + std::to_string(percent),
                             TintReflectance(ink, percent / 100.0)});
    // Printing order cyan, magenta, yellow: the later ink traps on the earlier.
    const TSpectrum c = Transmittance(TInk::Cyan, 1.0);
    sheet.push_back({"red", Overprint(Multiply(Transmittance(TInk::Magenta, 1.0),
                                               Transmittance(TInk::Yellow, TrapSecond)))});
    sheet.push_back({"green", Overprint(Multiply(c, Transmittance(TInk::Yellow, TrapSecond)))});
    sheet.push_back({"blue", Overprint(Multiply(c, Transmittance(TInk::Magenta, TrapSecond)))});
    sheet.push_back({"cmy", Overprint(Multiply(Multiply(c, Transmittance(TInk::Magenta, TrapSecond)),
                                               Transmittance(TInk::Yellow, TrapThird)))});
    return sheet;
}

}

TSpectrum PaperReflectance()
{
    TSpectrum r{};
    for (int i = 0; i < N; ++i) {
        const double nm = Wavelength(i);
        double value = Paper.Level + Paper.Tilt * (550.0 - nm) / 100.0;
        if (nm < 420.0)
            value -= Paper.UvDrop * (420.0 - nm) / 40.0;
        r[i] = value;
    }
    return r;
}

double PrintedToneValue(TInk ink, double nominal)
{
    if (nominal <= 0.0)
        return 0.0;
    if (nominal >= 1.0)
        return 1.0;
    return 1.0 - std::pow(1.0 - nominal, Inks[static_cast<int>(ink)].DotGainExponent);
}

TSpectrum TintReflectance(TInk ink, double nominal)
{
    const TSpectrum paper = PaperReflectance();
    const TSpectrum solid = Overprint(Transmittance(ink, 1.0));
    const double a = PrintedToneValue(ink, nominal);
    TSpectrum r{};
    for (int i = 0; i < N; ++i) {
        const double mix = (1.0 - a) * std::pow(paper[i], 1.0 / YuleNielsenN)
                           + a * std::pow(solid[i], 1.0 / YuleNielsenN);
        r[i] = std::pow(mix, YuleNielsenN);
    }
    return r;
}

const std::vector<TPatch>& PressSheet()
{
    static const std::vector<TPatch> sheet = BuildPressSheet();
    return sheet;
}

const TPatch* FindPatch(const std::string& name)
{
    for (const TPatch& patch : PressSheet())
        if (patch.Name == name)
            return &patch;
    return nullptr;
}

}
