// Tristimulus values, white points and the coordinates of every colour space,
// as worked numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Data/ColorCalc.h"
#include "SampleSpectra.h"

namespace {

constexpr double Tol4 = 0.00005;   // four printed decimals
constexpr double Tol6 = 0.000002;  // six decimals of the worked tables

TData Computed(const TSpectrum& s, TColorSpace space, TIlluminant il = TIlluminant::D50,
               TObserver ob = TObserver::Obs2) {
    TData r(EmptySpectrum);
    r.Spectrum = s;
    CalcColorValues(r, space, il, ob);
    return r;
}

}  // namespace

TEST(CalcWhitePoint, TheWhitePointsOfTheTables) {
    struct Row { TIlluminant il; TObserver ob; double xn, zn; };
    const Row rows[] = {
        {TIlluminant::D50, TObserver::Obs2, 96.3844, 82.4525},  {TIlluminant::D50, TObserver::Obs10, 96.7238, 81.4613},
        {TIlluminant::D65, TObserver::Obs2, 95.0121, 108.8143}, {TIlluminant::D65, TObserver::Obs10, 94.8223, 107.3808},
        {TIlluminant::A, TObserver::Obs2, 109.8160, 35.5486},   {TIlluminant::C, TObserver::Obs2, 98.0401, 118.1056},
        {TIlluminant::F11, TObserver::Obs2, 103.1273, 51.5364},
    };
    for (const auto& r : rows) {
        TData d(EmptySpectrum);
        CalcWhitePoint(d, r.il, r.ob);
        SCOPED_TRACE(static_cast<int>(r.il) * 10 + static_cast<int>(r.ob));
        EXPECT_NEAR(d.WhiteX, r.xn, Tol4);
        EXPECT_EQ(d.WhiteY, 100.0);
        EXPECT_NEAR(d.WhiteZ, r.zn, Tol4);
        // The perfect white weighs exactly to the white point.
        TData w(EmptySpectrum);
        w.Spectrum = samples::Flat(1.0);
        CalcXYZ(w, r.il, r.ob);
        EXPECT_NEAR(w.X, d.WhiteX, 1e-9);
        EXPECT_NEAR(w.Y, 100.0, 1e-9);
        EXPECT_NEAR(w.Z, d.WhiteZ, 1e-9);
    }
}

TEST(CalcColorValues, WhiteAndHalfGreyInEverySpace) {
    struct Row { const char* sample; TColorSpace space; double c[5]; };
    const Row rows[] = {
        {"White", TColorSpace::CIELAB, {100.0, 0.0, 0.000001, 0.0, 90.0}},
        {"White", TColorSpace::CIELuv, {100.0, 0.0, 0.000001, 0.0, 90.0}},
        {"White", TColorSpace::LABmg, {112.2186, 0.0, 0.0, 0.0, 114.7317}},
        {"White", TColorSpace::CIEXYZ, {96.3844, 100.0, 82.4525, 0.0, 0.0}},
        {"White", TColorSpace::CIExyY, {0.3457, 0.3586, 100.0, 0.0, 0.0}},
        {"Half", TColorSpace::CIELAB, {76.0693, 0.0, 0.000001, 0.0, 90.0}},
        {"Half", TColorSpace::CIELuv, {76.0693, 0.0, 0.000001, 0.0, 90.0}},
        {"Half", TColorSpace::LABmg, {95.2350, 0.0, 0.0, 0.0, 114.7317}},
        {"Half", TColorSpace::CIEXYZ, {48.1922, 50.0, 41.2263, 0.0, 0.0}},
    };
    for (const auto& row : rows) {
        const TData r = Computed(samples::Named(row.sample), row.space);
        SCOPED_TRACE(std::string(row.sample) + " " + std::to_string(static_cast<int>(row.space)));
        for (int i = 0; i < 5; ++i) EXPECT_NEAR(r.Coord[i], row.c[i], Tol4) << "coordinate " << i + 1;
    }
    // The exact stored values behind the rounded ones.
    const TData lab = Computed(samples::Flat(1.0), TColorSpace::CIELAB);
    EXPECT_EQ(lab.Coord[1], 0.0);
    EXPECT_EQ(lab.Coord[2], 0.000001);  // b* of exactly 0 is stored as 0.000001
    EXPECT_EQ(lab.Coord[3], 0.0);       // chroma and hue were taken before that
    EXPECT_EQ(lab.Coord[4], 90.0);
    const TData luv = Computed(samples::Flat(0.5), TColorSpace::CIELuv);
    EXPECT_EQ(luv.Coord[1], 0.0);
    EXPECT_EQ(luv.Coord[2], 0.000001);
    const TData mg = Computed(samples::Flat(1.0), TColorSpace::LABmg);
    for (int i = 1; i <= 3; ++i) EXPECT_LT(std::fabs(mg.Coord[i]), 0.00001);
}

TEST(CalcColorValues, ColouredSamplesUnderEveryCondition) {
    struct Row { const char* sample; TColorSpace space; TIlluminant il; TObserver ob; double c[5]; };
    const Row rows[] = {
        {"Red", TColorSpace::CIELAB, TIlluminant::D50, TObserver::Obs2, {67.945667, 20.218979, -2.148469, 20.332806, 353.934511}},
        {"Red", TColorSpace::CIELuv, TIlluminant::D50, TObserver::Obs2, {67.945667, 29.443331, -6.508337, 30.154074, 347.535417}},
        {"Red", TColorSpace::LABmg, TIlluminant::D50, TObserver::Obs2, {88.979506, 18.245446, -1.642015, 18.319184, 354.857469}},
        {"Red", TColorSpace::CIELAB, TIlluminant::D65, TObserver::Obs10, {67.729542, 16.037960, -2.694386, 16.262714, 350.463333}},
        {"Red", TColorSpace::CIELAB, TIlluminant::A, TObserver::Obs2, {69.374266, 21.404569, 0.544847, 21.411503, 1.458132}},
        {"Red", TColorSpace::CIELAB, TIlluminant::C, TObserver::Obs2, {67.670720, 18.860097, -2.722829, 19.055630, 351.784978}},
        {"Red", TColorSpace::CIELAB, TIlluminant::F11, TObserver::Obs2, {67.975431, 20.301373, -2.139232, 20.413771, 353.984726}},
        {"Red", TColorSpace::CIELuv, TIlluminant::D65, TObserver::Obs10, {67.729542, 21.054877, -6.701243, 22.095576, 342.345022}},
        {"Red", TColorSpace::CIEXYZ, TIlluminant::D50, TObserver::Obs2, {43.000157, 37.898401, 32.660514, 0.0, 0.0}},
        {"Red", TColorSpace::CIExyY, TIlluminant::D50, TObserver::Obs2, {0.378659, 0.333733, 37.898401, 0.0, 0.0}},
        {"Green", TColorSpace::CIELAB, TIlluminant::D50, TObserver::Obs2, {80.073200, -17.950690, 16.855490, 24.623867, 136.802255}},
        {"Green", TColorSpace::CIELuv, TIlluminant::D50, TObserver::Obs2, {80.073200, -18.443327, 23.073917, 29.539159, 128.635867}},
        {"Green", TColorSpace::LABmg, TIlluminant::D50, TObserver::Obs2, {98.211570, -19.064135, 8.267416, 20.779591, 156.555392}},
        {"Green", TColorSpace::CIELAB, TIlluminant::D65, TObserver::Obs10, {79.538760, -13.922499, 16.451286, 21.551817, 130.240783}},
        {"Green", TColorSpace::CIELAB, TIlluminant::F11, TObserver::Obs2, {80.762337, -21.943371, 18.157364, 28.481597, 140.393445}},
        {"Green", TColorSpace::CIELuv, TIlluminant::D65, TObserver::Obs10, {79.538760, -10.275351, 25.732496, 27.708197, 111.767529}},
        {"Blue", TColorSpace::CIELAB, TIlluminant::D50, TObserver::Obs2, {70.456433, 6.205723, -22.512639, 23.352300, 285.411138}},
        {"Blue", TColorSpace::CIELuv, TIlluminant::D50, TObserver::Obs2, {70.456433, -3.978281, -30.450489, 30.709266, 262.556607}},
        {"Blue", TColorSpace::LABmg, TIlluminant::D50, TObserver::Obs2, {90.946588, 6.983170, -18.820329, 20.074098, 290.357069}},
        {"Blue", TColorSpace::CIELAB, TIlluminant::A, TObserver::Obs2, {70.005852, 1.450170, -22.192457, 22.239787, 273.738687}},
        {"Blue", TColorSpace::CIELAB, TIlluminant::C, TObserver::Obs2, {70.697033, 9.713589, -22.480481, 24.489300, 293.368686}},
    };
    for (const auto& row : rows) {
        const TData r = Computed(samples::Named(row.sample), row.space, row.il, row.ob);
        SCOPED_TRACE(std::string(row.sample) + " space " + std::to_string(static_cast<int>(row.space)) + " ill " +
                     std::to_string(static_cast<int>(row.il)) + " obs " + std::to_string(static_cast<int>(row.ob)));
        for (int i = 0; i < 5; ++i) EXPECT_NEAR(r.Coord[i], row.c[i], Tol6) << "coordinate " << i + 1;
    }
}

TEST(XYZToLab, ThresholdTakesTheLinearBranch) {
    TData r(EmptySpectrum);
    r.WhiteX = r.WhiteY = r.WhiteZ = 1.0;
    r.X = r.Y = r.Z = 0.008856;
    XYZToLab(r);
    EXPECT_NEAR(r.Coord[0], 903.3 * 0.008856, 1e-12);  // 7.9996
    EXPECT_NEAR(r.Coord[0], 7.9996, Tol4);
    r.X = r.Y = r.Z = std::nextafter(0.008856, 1.0);
    XYZToLab(r);
    EXPECT_NEAR(r.Coord[0], 116.0 * std::cbrt(0.008856) - 16.0, 1e-9);  // 7.999592: the cube root
    EXPECT_LT(r.Coord[0], 7.99960);
    // f(t) of a* and b* switches at the same threshold.
    r.X = 0.008856;
    r.Y = r.Z = 0.5;
    XYZToLab(r);
    EXPECT_NEAR(r.Coord[1], 500.0 * (7.787 * 0.008856 + 16.0 / 116.0 - std::cbrt(0.5)), 1e-9);
}

TEST(CalcColorValues, EmptySpectrumGivesZerosEvenWithValuesAtTheEnds) {
    TSpectrum s = EmptySpectrum;
    for (int i : {0, 1, 33, 34, 35}) s[i] = 0.8;
    for (int space = 0; space < ColorSpaceCount; ++space) {
        TData r(EmptySpectrum);
        r.Spectrum = s;
        r.SmallX = 0.3;
        r.Coord = {1, 2, 3, 4, 5};
        CalcColorValues(r, static_cast<TColorSpace>(space), TIlluminant::D65, TObserver::Obs10);
        EXPECT_EQ(r.X, 0.0);
        EXPECT_EQ(r.Y, 0.0);
        EXPECT_EQ(r.Z, 0.0);
        EXPECT_EQ(r.SmallX, 0.0);
        EXPECT_EQ(r.SmallY, 0.0);
        for (double c : r.Coord) EXPECT_EQ(c, 0.0) << "space " << space;
    }
}

TEST(CalcXYZ, ChromaticityKeptWhenATristimulusValueIsZero) {
    // Reflectance only from 650 nm on, where the 2 degree z-bar is zero: Z = 0.
    TData r(EmptySpectrum);
    for (int i = 27; i <= 32; ++i) r.Spectrum[i] = 0.9;
    r.SmallX = 0.25;
    r.SmallY = 0.125;
    CalcXYZ(r, TIlluminant::D50, TObserver::Obs2);
    EXPECT_GT(r.X, 0.0);
    EXPECT_GT(r.Y, 0.0);
    EXPECT_EQ(r.Z, 0.0);
    EXPECT_EQ(r.SmallX, 0.25);
    EXPECT_EQ(r.SmallY, 0.125);
}

TEST(CalcColorValues, FourthAndFifthCoordinatesOfXYZAndxyYAreZero) {
    for (TColorSpace s : {TColorSpace::CIEXYZ, TColorSpace::CIExyY}) {
        TData r(EmptySpectrum);
        r.Coord = {9, 9, 9, 9, 9};
        r.Spectrum = samples::Named("Blue");
        CalcColorValues(r, s, TIlluminant::D50, TObserver::Obs2);
        EXPECT_EQ(r.Coord[3], 0.0);
        EXPECT_EQ(r.Coord[4], 0.0);
    }
}

TEST(HueAngle, QuadrantsAxesAndTheFullTurn) {
    struct Case { double a, b, h; };
    const Case cases[] = {
        {1, 0, 0},       {1, 1, 45},       {0, 1, 90},    {-1, 1, 135},  {-1, 0, 180},
        {-1, -1, 225},   {0, -1, 270},     {1, -1, 315},  {0, 0, 90},    {-1, -0.0, 180},
        {1, -1e-300, 0},  // a hair below a full turn rounds to 360: reported as 0
        {1, -1e-12, 360.0 - 1e-12 * 180.0 / 3.14159265358979323846},
    };
    for (const auto& c : cases) {
        const double h = HueAngle(c.a, c.b);
        EXPECT_NEAR(h, c.h, 1e-12) << c.a << " " << c.b;
        EXPECT_GE(h, 0.0);
        EXPECT_LT(h, 360.0);
        EXPECT_FALSE(std::signbit(h));
    }
}

TEST(XYZToLabmg, HueIsNotWrappedAtTheFullTurn) {
    TData r(EmptySpectrum);
    CalcWhitePoint(r, TIlluminant::D50, TObserver::Obs2);
    // a* > 0 and b* exactly 0 (stored 0.000001): hue angle 0, hmg 0.
    r.X = r.WhiteX * 0.6;
    r.Y = 50.0;
    r.Z = r.WhiteZ * 0.5;
    XYZToLabmg(r);
    EXPECT_NEAR(r.Coord[4], 0.0, 0.001);
    // b* a hair below 0: the hue angle is just below a full turn, and so is hmg.
    r.Z = r.WhiteZ * 0.5 * (1.0 + 1e-9);
    XYZToLabmg(r);
    EXPECT_NEAR(r.Coord[4], 360.0, 0.001);
    EXPECT_LT(r.Coord[4], 360.0);
}

TEST(CubeRootReal, SignPreservingRealRoot) {
    struct Case { double t, root; };
    const Case cases[] = {{8, 2}, {-8, -2}, {0, 0}, {0.001, 0.1}, {-0.001, -0.1}, {1e-300, 1e-100}};
    for (const auto& c : cases) EXPECT_NEAR(CubeRootReal(c.t), c.root, 1e-12 * std::max(1.0, std::fabs(c.root)));
}

TEST(PowerReal, ZeroBaseAndWholeExponents) {
    EXPECT_EQ(PowerReal(0.0, 4.0), 0.0);
    EXPECT_EQ(PowerReal(0.0, -1.0), 0.0);  // 0 for a zero base whatever the exponent
    EXPECT_NEAR(PowerReal(2.0, 4.0), 16.0, 1e-12);
    EXPECT_NEAR(PowerReal(10.0, -0.5), 0.316227766016838, 1e-14);
    EXPECT_NEAR(PowerReal(-2.0, 4.0), 16.0, 1e-12);
    EXPECT_NEAR(PowerReal(-2.0, 3.0), -8.0, 1e-12);
}

TEST(CalcColorValues, NegativeOrExtremeSpectraNeverGiveNaN) {
    TSpectrum negative = samples::Flat(-0.2);
    TSpectrum mixed = samples::Bump(-0.05, 0.1, 450, 30);  // negative outside a blue band
    TSpectrum fluorescent = samples::Bump(0.9, 1.5, 600, 20);
    TSpectrum tiny = samples::Flat(1e-200);
    for (const TSpectrum* s : {&negative, &mixed, &fluorescent, &tiny}) {
        for (int space = 0; space < ColorSpaceCount; ++space) {
            for (int il = 0; il < IlluminantCount; ++il) {
                TData r = Computed(*s, static_cast<TColorSpace>(space), static_cast<TIlluminant>(il));
                for (double c : r.Coord) EXPECT_TRUE(std::isfinite(c)) << "space " << space << " ill " << il;
                EXPECT_TRUE(std::isfinite(r.SmallX) && std::isfinite(r.SmallY));
            }
        }
        TData d(*s);
        EXPECT_LE(d.DisplayColor, 0xFFFFFF);
    }
    // A negative lightness ratio: CIELUV follows the sign-preserving cube root.
    const TData luv = Computed(negative, TColorSpace::CIELuv);
    EXPECT_NEAR(luv.Coord[0], 116.0 * -std::cbrt(0.2) - 16.0, 1e-9);
    const TData lab = Computed(negative, TColorSpace::CIELAB);
    EXPECT_NEAR(lab.Coord[0], 903.3 * -0.2, 1e-9);  // the linear segment
}

TEST(XYZToLuv, VanishingChromaticityDenominatorIsNeutral) {
    TData r(EmptySpectrum);
    CalcWhitePoint(r, TIlluminant::D50, TObserver::Obs2);
    r.X = 3.0;
    r.Y = 1.0;
    r.Z = -6.0;  // X + 15 Y + 3 Z = 0
    XYZToLuv(r);
    for (double c : r.Coord) EXPECT_TRUE(std::isfinite(c));
    EXPECT_EQ(r.Coord[1], 0.0);
    EXPECT_EQ(r.Coord[2], 0.000001);
}

TEST(CalcDisplayColor, RoughScreenColours) {
    struct Row { const char* sample; int r, g, b; };
    const Row rows[] = {
        {"Red", 65, 31, 29}, {"Orange", 66, 38, 29}, {"Green", 51, 62, 27}, {"Blue", 46, 39, 49},
        {"Dark", 2, 2, 2},    // C* < 8: grey
        {"White", 96, 96, 96},
    };
    for (const auto& row : rows) {
        TData d(EmptySpectrum);
        d.Spectrum = samples::Named(row.sample);
        CalcDisplayColor(d, TIlluminant::D50, TObserver::Obs2);
        EXPECT_EQ(d.DisplayR, row.r) << row.sample;
        EXPECT_EQ(d.DisplayG, row.g) << row.sample;
        EXPECT_EQ(d.DisplayB, row.b) << row.sample;
        EXPECT_EQ(d.DisplayColor, row.r + 256 * row.g + 65536 * row.b);
    }
}

TEST(CalcDisplayColor, ValuesOutsideTheByteRangeAreClamped) {
    // A fluorescent white far above 100 %: grey 288 before clamping.
    TData bright(EmptySpectrum);
    bright.Spectrum = samples::Flat(3.0);
    CalcDisplayColor(bright, TIlluminant::D50, TObserver::Obs2);
    EXPECT_EQ(bright.DisplayR, 255);
    EXPECT_EQ(bright.DisplayColor, 0xFFFFFF);
    // A saturated blue: its green comes out at -3.84 and is shown as 0.
    TData blue(EmptySpectrum);
    blue.Spectrum = samples::Bump(0.0, 0.9, 440, 25);
    CalcDisplayColor(blue, TIlluminant::D50, TObserver::Obs2);
    EXPECT_EQ(blue.DisplayR, 3);
    EXPECT_EQ(blue.DisplayG, 0);
    EXPECT_EQ(blue.DisplayB, 43);
    // An empty spectrum is black and leaves the other fields alone.
    TData empty(EmptySpectrum);
    empty.DisplayColor = 123;
    CalcDisplayColor(empty, TIlluminant::D50, TObserver::Obs2);
    EXPECT_EQ(empty.DisplayColor, 0);
    EXPECT_EQ(empty.WhiteX, 0.0);
}

TEST(WeightingFactor, ProductOfTheTablesAndZeroOutsideThem) {
    EXPECT_EQ(WeightingFactor(TCmfComponent::YBar, TIlluminant::D65, TObserver::Obs2, 17), 104.05 * 0.9950);
    EXPECT_EQ(WeightingFactor(TCmfComponent::ZBar, TIlluminant::A, TObserver::Obs2, 25), 0.0);
    EXPECT_EQ(WeightingFactor(TCmfComponent::XBar, TIlluminant::A, TObserver::Obs2, 41), 0.0);
    EXPECT_EQ(WeightingFactor(TCmfComponent::XBar, static_cast<TIlluminant>(9), TObserver::Obs2, 3), 0.0);
}
