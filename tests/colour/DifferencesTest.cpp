// Colour differences of every formula as worked numbers, and the rules around
// them: hue sign, CIE94 and CMC special cases, empty spectra.
#include <gtest/gtest.h>

#include <cmath>

#include "Data/ColorCalc.h"
#include "SampleSpectra.h"

namespace {

constexpr double Tol6 = 0.000002;

struct TPair {
    TData reference{EmptySpectrum};
    TData compared{EmptySpectrum};
    TPair(const std::string& r, const std::string& s) {
        reference.Spectrum = samples::Named(r);
        compared.Spectrum = samples::Named(s);
    }
    double Run(TColorSpace space, TIlluminant il = TIlluminant::D50, TObserver ob = TObserver::Obs2) {
        return CalcDeltaE(reference, compared, space, il, ob);
    }
    std::array<double, 6> Deltas() const {
        return {compared.DeltaL, compared.DeltaA, compared.DeltaB, compared.DeltaC, compared.DeltaH, compared.DeltaE};
    }
};

const TColorSpace AllSpaces[] = {TColorSpace::CIELAB, TColorSpace::CIELab94, TColorSpace::CMC11, TColorSpace::CMC21,
                                 TColorSpace::CIELuv, TColorSpace::CIEXYZ,   TColorSpace::CIExyY, TColorSpace::LABmg};

}  // namespace

TEST(CalcDeltaE, WorkedDifferencesOfEveryFormula) {
    struct Row { const char* reference; const char* compared; TColorSpace space; double d[6]; };
    const Row rows[] = {
        {"Red", "Orange", TColorSpace::CIELAB, {3.948761, -7.969964, 6.326468, -7.390857, -6.994266, 10.915001}},
        {"Red", "Orange", TColorSpace::CIELab94, {3.948761, -7.969964, 6.326468, -7.390857, 6.994266, 7.695066}},
        {"Red", "Orange", TColorSpace::CMC11, {3.948761, -7.969964, 6.326468, -7.390857, -6.994266, 8.027959}},
        {"Red", "Orange", TColorSpace::CMC21, {3.948761, -7.969964, 6.326468, -7.390857, -6.994266, 7.559811}},
        {"Red", "Orange", TColorSpace::CIELuv, {3.948761, -8.666012, 9.057759, -9.220930, -8.492186, 13.142887}},
        {"Red", "Orange", TColorSpace::LABmg, {3.079585, -5.533360, 5.873504, -4.921325, -6.395052, 8.637127}},
        {"Red", "Orange", TColorSpace::CIEXYZ, {3.948761, -7.969964, 6.326468, -7.390857, -6.994266, 10.915001}},
        {"Red", "Orange", TColorSpace::CIExyY, {3.948761, -7.969964, 6.326468, -7.390857, -6.994266, 10.915001}},
        {"Orange", "Red", TColorSpace::CIELab94, {-3.948761, 7.969964, -6.326468, 7.390857, 6.994266, 8.468474}},
        {"Orange", "Red", TColorSpace::CMC11, {-3.948761, 7.969964, -6.326468, 7.390857, 6.994266, 10.606348}},
        {"Orange", "Red", TColorSpace::CMC21, {-3.948761, 7.969964, -6.326468, 7.390857, 6.994266, 10.274103}},
        {"Green", "Blue", TColorSpace::CIELAB, {-9.616767, 24.156413, -39.368130, -1.271567, 46.171041, 47.179064}},
        {"Green", "Blue", TColorSpace::CIELab94, {-9.616767, 24.156413, -39.368130, -1.271567, 46.171041, 35.067103}},
        {"Green", "Blue", TColorSpace::CMC11, {-9.616767, 24.156413, -39.368130, -1.271567, 46.171041, 34.172609}},
        {"Green", "Blue", TColorSpace::CMC21, {-9.616767, 24.156413, -39.368130, -1.271567, 46.171041, 33.619067}},
        {"Green", "Blue", TColorSpace::CIELuv, {-9.616767, 14.465045, -53.524406, 1.170106, 55.432214, 56.272389}},
        {"Green", "Blue", TColorSpace::LABmg, {-7.264981, 26.047305, -27.087744, -0.705493, 37.572733, 38.275161}},
        {"Blue", "Green", TColorSpace::CIELab94, {9.616767, -24.156413, 39.368130, 1.271567, 46.171041, 35.525576}},
        {"Blue", "Green", TColorSpace::CMC11, {9.616767, -24.156413, 39.368130, 1.271567, -46.171041, 45.894792}},
        {"Blue", "Green", TColorSpace::CMC21, {9.616767, -24.156413, 39.368130, 1.271567, -46.171041, 45.436126}},
        {"Dark", "Green", TColorSpace::CMC11, {67.073200, -17.950690, 16.855489, 24.623867, 0.005806, 136.815400}},
        {"Dark", "Green", TColorSpace::CMC21, {67.073200, -17.950690, 16.855489, 24.623867, 0.005806, 76.136833}},
        {"Dark", "Green", TColorSpace::LABmg, {72.771257, -19.064133, 8.267411, 20.779586, 0.007363, 75.679899}},
    };
    for (const auto& row : rows) {
        TPair p(row.reference, row.compared);
        const double result = p.Run(row.space);
        SCOPED_TRACE(std::string(row.reference) + " -> " + row.compared + " space " +
                     std::to_string(static_cast<int>(row.space)));
        const auto d = p.Deltas();
        for (int i = 0; i < 6; ++i) EXPECT_NEAR(d[i], row.d[i], Tol6) << "difference " << i + 1;
        EXPECT_EQ(result, p.compared.DeltaE);
    }
}

TEST(CalcDeltaE, IdenticalSpectraGiveZeroInEveryFormula) {
    for (TColorSpace space : AllSpaces) {
        TPair p("Blue", "Blue");
        p.compared.DeltaE = 7.0;
        EXPECT_EQ(p.Run(space, TIlluminant::F11, TObserver::Obs10), 0.0);
        for (double d : p.Deltas()) EXPECT_EQ(d, 0.0) << "space " << static_cast<int>(space);
    }
}

TEST(CalcDeltaE, HueDifferenceSignIgnoresTheWrapAround) {
    // Reference hue 353.9 degrees, compared 18.8: the smaller angle is the
    // reference's, so the signed formulas report a positive change, and the
    // reverse pair a negative one, though the hue turned the other way.
    TPair forward("Red", "Orange");
    forward.Run(TColorSpace::CIELAB);
    EXPECT_GT(forward.reference.Coord[4], 350.0);
    EXPECT_LT(forward.compared.Coord[4], 20.0);
    EXPECT_LT(forward.compared.DeltaH, 0.0);
    TPair backward("Orange", "Red");
    backward.Run(TColorSpace::CIELAB);
    EXPECT_GT(backward.compared.DeltaH, 0.0);
}

TEST(CalcDeltaE, Cie94HueDifferenceIsNeverNegative) {
    const char* names[] = {"Red", "Orange", "Green", "Blue", "Dark", "Half"};
    for (const char* r : names) {
        for (const char* s : names) {
            TPair p(r, s);
            p.Run(TColorSpace::CIELab94);
            EXPECT_GE(p.compared.DeltaH, 0.0) << r << " -> " << s;
            EXPECT_GE(p.compared.DeltaE, 0.0) << r << " -> " << s;
        }
    }
}

TEST(CalcDeltaE, Cie94WithAnAchromaticReferenceEqualsDeltaEab) {
    // With a reference chroma of 0, SC = SH = 1; only the 0.000001 stored for
    // b* separates the two at the seventh digit.
    for (const char* s : {"Red", "Green", "Blue"}) {
        TPair p94("Half", s), pab("Half", s);
        EXPECT_NEAR(p94.Run(TColorSpace::CIELab94), pab.Run(TColorSpace::CIELAB), 1e-5) << s;
    }
}

TEST(CmcWeights, SpecialCases) {
    // Chroma 0: F = 0 and SH = SC = 0.638.
    const TCmcWeights achromatic = CmcWeights(50.0, 0.0, 90.0);
    EXPECT_EQ(achromatic.F, 0.0);
    EXPECT_EQ(achromatic.SC, 0.638);
    EXPECT_EQ(achromatic.SH, 0.638);
    // Lightness below 16 and at 16.
    EXPECT_EQ(CmcWeights(15.999, 20.0, 90.0).SL, 0.511);
    EXPECT_NEAR(CmcWeights(16.0, 20.0, 90.0).SL, 0.5112, 0.00005);
    EXPECT_NEAR(CmcWeights(16.0, 20.0, 90.0).SL, 0.040975 * 16.0 / (1.0 + 0.01765 * 16.0), 1e-15);
    // T: the 164 .. 345 degree branch is open at both ends.
    struct Case { double h, t; };
    const Case cases[] = {
        {164.0, 0.36 + std::fabs(0.4 * std::cos((164.0 + 35.0) / 57.29577951308232))},
        {164.5, 0.56 + std::fabs(0.2 * std::cos((164.5 + 168.0) / 57.29577951308232))},
        {344.9, 0.56 + std::fabs(0.2 * std::cos((344.9 + 168.0) / 57.29577951308232))},
        {345.0, 0.36 + std::fabs(0.4 * std::cos((345.0 + 35.0) / 57.29577951308232))},
        {0.0, 0.36 + 0.4 * std::cos(35.0 / 57.29577951308232)},
    };
    for (const auto& c : cases) EXPECT_NEAR(CmcWeights(50.0, 20.0, c.h).T, c.t, 1e-15) << c.h;
}

TEST(CalcDeltaE, CmcWithADarkAchromaticReference) {
    // Dark: L* = 13 (below 16) and C* = 0, so SL = 0.511 and SH = SC = 0.638.
    TPair p("Dark", "Green");
    p.Run(TColorSpace::CMC21);
    EXPECT_NEAR(p.reference.Coord[0], 13.0, 1e-9);
    EXPECT_EQ(p.reference.Coord[3], 0.0);
    const double dl = p.compared.DeltaL / (2.0 * 0.511);
    const double dc = p.compared.DeltaC / 0.638;
    const double dh = p.compared.DeltaH / 0.638;
    EXPECT_NEAR(p.compared.DeltaE, std::sqrt(dl * dl + dc * dc + dh * dh), 1e-9);
}

TEST(CalcDeltaE, TristimulusSpacesCompareInCielab) {
    for (TColorSpace space : {TColorSpace::CIEXYZ, TColorSpace::CIExyY}) {
        TPair p("Green", "Blue");
        p.Run(space);
        TData lab(EmptySpectrum);
        lab.Spectrum = samples::Named("Blue");
        CalcColorValues(lab, TColorSpace::CIELAB, TIlluminant::D50, TObserver::Obs2);
        EXPECT_EQ(p.compared.Coord, lab.Coord);  // both records hold CIELAB afterwards
        EXPECT_NEAR(p.reference.Coord[0], 80.073200, Tol6);
    }
}

TEST(CalcDeltaE, EmptySpectrumOnEitherSideLeavesTheDifferences) {
    for (int emptySide = 0; emptySide < 2; ++emptySide) {
        TPair p(emptySide == 0 ? "Empty" : "Green", emptySide == 0 ? "Green" : "Empty");
        p.compared.DeltaL = 1;
        p.compared.DeltaA = 2;
        p.compared.DeltaB = 3;
        p.compared.DeltaC = 4;
        p.compared.DeltaH = 5;
        p.compared.DeltaE = 6;
        EXPECT_EQ(p.Run(TColorSpace::CMC11), 0.0);
        EXPECT_EQ(p.Deltas(), (std::array<double, 6>{1, 2, 3, 4, 5, 6}));
        // Both records were recomputed first.
        TData& filled = emptySide == 0 ? p.compared : p.reference;
        EXPECT_NEAR(filled.Coord[0], 80.073200, Tol6);
    }
}
