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
// The parameters were fitted offline (tools/tune_press_sheet.py) so that under
// D50 and the 2 degree observer the paper, solids and overprints land near the
// ISO 12647-2 aims for coated paper, the status E densities look like a real
// press, trapping (Preucil), hue error and grayness (GATF) read as off a sound
// coated sheet, and the 50 % tints gain about 14 % (black 16 %) by Murray-Davies.
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

constexpr TPaperModel Paper = {0.8812, 0.0250, 0.0015};

// Index by TInk.
constexpr TInkModel Inks[4] = {
    // cyan: broad red absorption, some in the green and a little in the blue
    {0.000, {{627.0, 34.9, 1.241}, {574.6, 37.8, 0.646}, {447.2, 15.0, 0.237}}, 1.209},
    // magenta: green absorption with the strong side absorption in the blue
    // and violet that gives process magenta the largest hue error of the three
    {0.019, {{508.5, 30.1, 1.465}, {368.5, 41.5, 2.057}, {569.7, 19.8, 1.275}}, 1.215},
    // yellow: blue absorption with a steep edge near 500 nm
    {0.005, {{431.8, 15.3, 0.590}, {553.6, 15.0, 0.062}, {460.2, 23.2, 1.599}}, 1.186},
    // black: nearly flat, a little stronger in the blue and the green
    {1.500, {{439.1, 45.7, 0.308}, {576.8, 27.8, 0.455}, {533.3, 85.0, 0.002}}, 1.253},
};

constexpr double SurfaceReflection = 0.004;
constexpr double YuleNielsenN = 1.3;
// How much of the later ink's film the earlier ink takes, per pair (the
// printing order is cyan, magenta, yellow), and for the third ink on two.
constexpr double TrapYellowOnMagenta = 0.599;
constexpr double TrapYellowOnCyan = 0.905;
constexpr double TrapMagentaOnCyan = 0.709;
constexpr double TrapThird = 0.626;

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
                                               Transmittance(TInk::Yellow, TrapYellowOnMagenta)))});
    sheet.push_back({"green", Overprint(Multiply(c, Transmittance(TInk::Yellow, TrapYellowOnCyan)))});
    sheet.push_back({"blue", Overprint(Multiply(c, Transmittance(TInk::Magenta, TrapMagentaOnCyan)))});
    sheet.push_back({"cmy", Overprint(Multiply(Multiply(c, Transmittance(TInk::Magenta, TrapMagentaOnCyan)),
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
