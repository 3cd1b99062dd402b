// Metamerism index between two illuminants.
#include <gtest/gtest.h>

#include "Data/ColorCalc.h"
#include "SampleSpectra.h"

namespace {

TData Record(const std::string& name) {
    TData r(EmptySpectrum);
    r.Spectrum = samples::Named(name);
    return r;
}

}  // namespace

TEST(MetamerismIndex, WorkedPairs) {
    struct Row { const char* reference; const char* compared; TIlluminant second; double index; };
    const Row rows[] = {
        {"Red", "Orange", TIlluminant::A, 1.337618},
        {"Green", "Blue", TIlluminant::F11, 3.428180},
        {"Blue", "Red", TIlluminant::D65, 4.040682},
        {"Dark", "Green", TIlluminant::A, 2.171576},
    };
    for (const auto& row : rows) {
        TData r = Record(row.reference), s = Record(row.compared);
        EXPECT_NEAR(MetamerismIndex(r, s, TIlluminant::D50, TObserver::Obs2, row.second, TObserver::Obs2), row.index,
                    0.000002)
            << row.reference << " -> " << row.compared;
    }
}

TEST(MetamerismIndex, ZeroForIdenticalSpectraAndForEqualConditions) {
    for (int il = 0; il < IlluminantCount; ++il) {
        TData r = Record("Green"), s = Record("Green");
        EXPECT_EQ(MetamerismIndex(r, s, TIlluminant::D50, TObserver::Obs2, static_cast<TIlluminant>(il), TObserver::Obs2),
                  0.0);
        TData a = Record("Red"), b = Record("Blue");
        EXPECT_NEAR(MetamerismIndex(a, b, static_cast<TIlluminant>(il), TObserver::Obs10, static_cast<TIlluminant>(il),
                                    TObserver::Obs10),
                    0.0, 1e-12);
    }
}

TEST(MetamerismIndex, LeavesTheRecordsWithTristimulusValuesOfTheSecondConditions) {
    TData r = Record("Red"), s = Record("Blue");
    r.Coord = {1, 2, 3, 4, 5};
    s.DeltaE = 9.0;
    MetamerismIndex(r, s, TIlluminant::D50, TObserver::Obs2, TIlluminant::F11, TObserver::Obs2);
    TData expected = Record("Blue");
    CalcXYZ(expected, TIlluminant::F11, TObserver::Obs2);
    EXPECT_EQ(s.X, expected.X);
    EXPECT_EQ(s.Y, expected.Y);
    EXPECT_EQ(s.Z, expected.Z);
    EXPECT_EQ(r.Coord, (std::array<double, 5>{1, 2, 3, 4, 5}));  // only tristimulus fields change
    EXPECT_EQ(s.DeltaE, 9.0);
}

TEST(MetamerismIndex, EmptyReferenceTakesTheCompareSampleUnchanged) {
    // R2 = 0, so T = S2: the index is the compared sample's own shift between the illuminants.
    TData r = Record("Empty"), s = Record("Green");
    const double index = MetamerismIndex(r, s, TIlluminant::D50, TObserver::Obs2, TIlluminant::A, TObserver::Obs2);
    TData s1 = Record("Green"), s2 = Record("Green");
    CalcXYZ(s1, TIlluminant::D50, TObserver::Obs2);
    CalcXYZ(s2, TIlluminant::A, TObserver::Obs2);
    CalcWhitePoint(s1, TIlluminant::D50, TObserver::Obs2);
    CalcWhitePoint(s2, TIlluminant::D50, TObserver::Obs2);
    XYZToLab(s1);
    XYZToLab(s2);
    const double dl = s2.Coord[0] - s1.Coord[0], da = s2.Coord[1] - s1.Coord[1], db = s2.Coord[2] - s1.Coord[2];
    EXPECT_NEAR(index, std::sqrt(dl * dl + da * da + db * db), 1e-12);
    EXPECT_GT(index, 1.0);
}
