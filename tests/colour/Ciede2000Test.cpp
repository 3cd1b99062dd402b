// CIEDE2000: the 34 published test pairs, symmetry, and the choice of it as
// the colour space of CalcDeltaE (CIELAB coordinates and differences beside
// the Delta E00 total).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Data/ColorCalc.h"
#include "SampleSpectra.h"

namespace {

struct TPublishedPair {
    int Number;
    TLab First, Second;
    double DeltaE00;
};

std::vector<TPublishedPair> ReadPairs() {
    const std::string path = std::string(KV_SHARED_DATA_DIR) + "/ciede2000-pairs.csv";
    std::ifstream in(path);
    EXPECT_TRUE(in) << path;
    std::vector<TPublishedPair> pairs;
    std::string line;
    std::getline(in, line);  // pair,L1,a1,b1,L2,a2,b2,dE00
    while (std::getline(in, line)) {
        if (line.empty() || line == "\r") continue;
        std::vector<double> v;
        std::stringstream cells(line);
        std::string cell;
        while (std::getline(cells, cell, ',')) v.push_back(std::stod(cell));
        EXPECT_EQ(v.size(), 8u) << line;
        if (v.size() != 8) continue;
        pairs.push_back({static_cast<int>(v[0]), {v[1], v[2], v[3]}, {v[4], v[5], v[6]}, v[7]});
    }
    return pairs;
}

std::array<double, 6> Deltas(const TData& d) {
    return {d.DeltaL, d.DeltaA, d.DeltaB, d.DeltaC, d.DeltaH, d.DeltaE};
}

}  // namespace

TEST(Ciede2000, PublishedPairsToFourDecimals) {
    const auto pairs = ReadPairs();
    ASSERT_EQ(pairs.size(), 34u);
    for (const auto& p : pairs) {
        SCOPED_TRACE("pair " + std::to_string(p.Number));
        EXPECT_NEAR(Ciede2000(p.First, p.Second), p.DeltaE00, 1e-4);
    }
}

TEST(Ciede2000, SymmetricInItsTwoColours) {
    for (const auto& p : ReadPairs()) {
        SCOPED_TRACE("pair " + std::to_string(p.Number));
        EXPECT_NEAR(Ciede2000(p.First, p.Second), Ciede2000(p.Second, p.First), 1e-12);
    }
}

TEST(Ciede2000, EdgesOfTheHueCircleAndTheNeutralAxis) {
    EXPECT_EQ(Ciede2000({50, 10, -10}, {50, 10, -10}), 0.0);
    EXPECT_EQ(Ciede2000({0, 0, 0}, {0, 0, 0}), 0.0);
    // Two neutrals: only the lightness term is left, 20 / SL with SL = 1 at mean L* 50.
    EXPECT_NEAR(Ciede2000({40, 0, 0}, {60, 0, 0}), 20.0, 1e-12);
    // Hues of 357 and 3 degrees are a short step apart, not half the circle.
    const double across = Ciede2000({50, 20, -1}, {50, 20, 1});
    EXPECT_GT(across, 0.0);
    EXPECT_LT(across, 2.0);
}

TEST(CalcDeltaE, Ciede2000ShowsCielabDifferencesAndTheDeltaE00Total) {
    const std::pair<const char*, const char*> pairs[] = {
        {"Red", "Orange"},   // hues on either side of 0/360 degrees
        {"Green", "Blue"},
        {"Dark", "Green"},   // an achromatic reference
        {"Blue", "Half"},    // an achromatic compared patch
    };
    for (const auto& [reference, compared] : pairs) {
        SCOPED_TRACE(std::string(reference) + " -> " + compared);
        TData r(EmptySpectrum), s(EmptySpectrum), labR(EmptySpectrum), labS(EmptySpectrum);
        r.Spectrum = labR.Spectrum = samples::Named(reference);
        s.Spectrum = labS.Spectrum = samples::Named(compared);

        const double result = CalcDeltaE(r, s, TColorSpace::CIEDE2000, TIlluminant::D65, TObserver::Obs10);
        CalcDeltaE(labR, labS, TColorSpace::CIELAB, TIlluminant::D65, TObserver::Obs10);

        const auto d00 = Deltas(s), dab = Deltas(labS);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(d00[i], dab[i]) << "difference " << i + 1;
        for (int i = 0; i < 5; ++i) EXPECT_EQ(r.Coord[i], labR.Coord[i]) << "coordinate " << i + 1;
        const double expected = Ciede2000({r.Coord[0], r.Coord[1], r.Coord[2]}, {s.Coord[0], s.Coord[1], s.Coord[2]});
        EXPECT_EQ(s.DeltaE, expected);
        EXPECT_EQ(result, s.DeltaE);
        EXPECT_GT(s.DeltaE, 0.0);
        EXPECT_NE(s.DeltaE, labS.DeltaE);

        // Swapping the records gives the same total.
        TData r2(EmptySpectrum), s2(EmptySpectrum);
        r2.Spectrum = s.Spectrum;
        s2.Spectrum = r.Spectrum;
        EXPECT_NEAR(CalcDeltaE(r2, s2, TColorSpace::CIEDE2000, TIlluminant::D65, TObserver::Obs10), result, 1e-12);
    }
}

TEST(CalcDeltaE, Ciede2000OfIdenticalOrEmptySpectra) {
    TData r(EmptySpectrum), s(EmptySpectrum);
    r.Spectrum = s.Spectrum = samples::Named("Green");
    s.DeltaE = 7.0;
    EXPECT_EQ(CalcDeltaE(r, s, TColorSpace::CIEDE2000, TIlluminant::D50, TObserver::Obs2), 0.0);
    for (double d : Deltas(s)) EXPECT_EQ(d, 0.0);

    TData empty(EmptySpectrum);
    s.DeltaE = 7.0;
    EXPECT_EQ(CalcDeltaE(empty, s, TColorSpace::CIEDE2000, TIlluminant::D50, TObserver::Obs2), 0.0);
    EXPECT_EQ(s.DeltaE, 7.0);  // left as it was
}

TEST(CalcColorValues, Ciede2000CoordinatesAreThoseOfCielab) {
    TData a(EmptySpectrum), b(EmptySpectrum);
    a.Spectrum = b.Spectrum = samples::Named("Blue");
    CalcColorValues(a, TColorSpace::CIEDE2000, TIlluminant::D50, TObserver::Obs2);
    CalcColorValues(b, TColorSpace::CIELAB, TIlluminant::D50, TObserver::Obs2);
    EXPECT_EQ(a.Coord, b.Coord);
}
