// The sample record, the empty-spectrum rule and the conditions text.
#include <gtest/gtest.h>

#include "Data/ColorCalc.h"
#include "Data/TData.h"
#include "SampleSpectra.h"

namespace {

// Restores the program-wide viewing conditions after a test that changes them.
class ConditionsGuard {
public:
    ~ConditionsGuard() {
        CurColorSpace = space_;
        CurIlluminant = illuminant_;
        CurObserver = observer_;
    }

private:
    TColorSpace space_ = CurColorSpace;
    TIlluminant illuminant_ = CurIlluminant;
    TObserver observer_ = CurObserver;
};

}  // namespace

TEST(TData, CreatedFromEmptySpectrumIsAllZero) {
    TData r(EmptySpectrum);
    EXPECT_TRUE(SpectrumIsEmpty(r.Spectrum));
    for (double c : r.Coord) EXPECT_EQ(c, 0.0);
    for (double v : {r.DeltaL, r.DeltaA, r.DeltaB, r.DeltaC, r.DeltaH, r.DeltaE, r.X, r.Y, r.Z, r.SmallX, r.SmallY,
                     r.WhiteX, r.WhiteY, r.WhiteZ})
        EXPECT_EQ(v, 0.0);
    EXPECT_EQ(r.DisplayR + r.DisplayG + r.DisplayB, 0);
    EXPECT_EQ(r.DisplayColor, 0);
}

TEST(TData, CreationComputesTheScreenColourUnderTheCurrentConditions) {
    ConditionsGuard guard;
    CurIlluminant = TIlluminant::D50;
    CurObserver = TObserver::Obs2;
    TData r(samples::Named("Green"));
    EXPECT_EQ(r.Spectrum, samples::Named("Green"));
    EXPECT_EQ(r.DisplayR, 51);
    EXPECT_EQ(r.DisplayG, 62);
    EXPECT_EQ(r.DisplayB, 27);
    EXPECT_EQ(r.DisplayColor, 51 + 256 * 62 + 65536 * 27);
}

TEST(TData, ClearZeroesCoordinatesDifferencesAndScreenColourOnly) {
    TData r(samples::Named("Red"));
    CalcColorValues(r, TColorSpace::CIELAB, TIlluminant::D50, TObserver::Obs2);
    r.DeltaE = 3.0;
    const double y = r.Y;
    r.Clear();
    for (double c : r.Coord) EXPECT_EQ(c, 0.0);
    EXPECT_EQ(r.DeltaE, 0.0);
    EXPECT_EQ(r.DisplayR + r.DisplayG + r.DisplayB, 0);
    EXPECT_EQ(r.Y, y);  // tristimulus values are not part of Clear
}

TEST(SpectrumIsEmpty, OnlyFourHundredToSevenHundredNanometresCount) {
    struct Case { int index; double value; bool empty; };
    const Case cases[] = {
        {-1, 0.0, true},                 // all zero
        {0, 0.3, true},  {1, 0.3, true},   // 380, 390 nm
        {33, 0.3, true}, {34, 0.3, true}, {35, 0.3, true},  // 710, 720, 730 nm
        {2, 1e-300, false},              // 400 nm
        {32, -0.1, false},               // 700 nm, even a negative value
        {17, 0.5, false},
    };
    for (const auto& c : cases) {
        TSpectrum s = EmptySpectrum;
        if (c.index >= 0) s[c.index] = c.value;
        EXPECT_EQ(SpectrumIsEmpty(s), c.empty) << "index " << c.index;
    }
}

TEST(ConditionsText, NamesJoinedByBackslashes) {
    ConditionsGuard guard;
    EXPECT_EQ(ConditionsText(), "CIELAB\\D50\\2\u00B0");  // the start-up conditions
    CurIlluminant = TIlluminant::F11;
    CurObserver = TObserver::Obs10;
    EXPECT_EQ(ConditionsText(), "CIELAB\\F11\\10\u00B0");
    CurColorSpace = TColorSpace::CMC21;
    CurIlluminant = TIlluminant::A;
    EXPECT_EQ(ConditionsText(), "CMC(2:1)\\A\\10\u00B0");
    // A value no chooser can give (a damaged settings file) does not read past the tables.
    CurColorSpace = static_cast<TColorSpace>(42);
    EXPECT_EQ(ConditionsText(), "?\\A\\10\u00B0");
}
