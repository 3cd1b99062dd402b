// The simulated press sheet against a press room's expectations: paper,
// solids and overprints near the ISO 12647-2 aims for coated paper (D50, 2
// degree observer, through our colour engine), press-like status E
// densities and dot gains. All read through the library's entry points.
#include "SimFixture.h"

#include "ColorCalc.h"
#include "TData.h"

#include <cmath>
#include <ostream>
#include <set>

namespace {

class SimPressSheetTest : public SimTest {
protected:
    ::TSpectrum MeasuredSpectrum(const std::string& patch)
    {
        Measure(patch);
        const auto r = ReadSpectrum();
        ::TSpectrum s{};
        for (int i = 0; i < 36; ++i)
            s[i] = r[i];
        return s;
    }
    std::array<double, 3> Lab(const std::string& patch)
    {
        TData record(MeasuredSpectrum(patch));
        CalcColorValues(record, TColorSpace::CIELAB, TIlluminant::D50, TObserver::Obs2);
        return {record.Coord[0], record.Coord[1], record.Coord[2]};
    }
    void HandOverPaper()
    {
        auto paper = *Sim().PatchSpectrum("paper");
        ASSERT_EQ(0, I1().SetOption("Colorimetric.DensityStandard", "DIN"));
        ASSERT_EQ(0, I1().SetOption("Colorimetric.WhiteBase", "Paper"));
        ASSERT_EQ(0, I1().SetSubstrate(paper.data()));
    }
    float Density(const std::string& patch, int channel)
    {
        Measure(patch);
        return ReadDensities().D[channel];
    }
    // Murray-Davies dot area of a tint from densities relative to the paper.
    double DotArea(const std::string& tint, const std::string& solid, int channel)
    {
        const double dt = Density(tint, channel);
        const double ds = Density(solid, channel);
        return (1.0 - std::pow(10.0, -dt)) / (1.0 - std::pow(10.0, -ds));
    }
};

struct TAimCase {
    const char* Patch;
    double L, A, B;
    friend void PrintTo(const TAimCase& c, std::ostream* os) { *os << c.Patch; }
};

class SimAimTest : public SimPressSheetTest, public ::testing::WithParamInterface<TAimCase> {};

TEST_P(SimAimTest, LandsNearTheIsoAim)
{
    const auto lab = Lab(GetParam().Patch);
    const double dE = std::hypot(lab[0] - GetParam().L, lab[1] - GetParam().A, lab[2] - GetParam().B);
    EXPECT_LT(dE, 4.0) << GetParam().Patch << ": L* " << lab[0] << " a* " << lab[1] << " b* " << lab[2];
}

INSTANTIATE_TEST_SUITE_P(Coated, SimAimTest,
    ::testing::Values(TAimCase{"paper", 95, 0, -2}, TAimCase{"cyan", 55, -37, -50}, TAimCase{"magenta", 48, 74, -3},
                      TAimCase{"yellow", 89, -5, 93}, TAimCase{"black", 16, 0, 0}, TAimCase{"red", 47, 68, 48},
                      TAimCase{"green", 50, -65, 27}, TAimCase{"blue", 24, 22, -46},
                      // not an ISO aim; the characterisation data of coated offset print has 23, 0, 0
                      TAimCase{"cmy", 23, 0, 0}),
    [](const auto& info) { return std::string(info.param.Patch); });

struct TSolidCase {
    const char* Ink;
    int Channel;
    float Lowest, Highest;   // status E density above the paper
    friend void PrintTo(const TSolidCase& c, std::ostream* os) { *os << c.Ink; }
};

class SimSolidTest : public SimPressSheetTest, public ::testing::WithParamInterface<TSolidCase> {};

TEST_P(SimSolidTest, SolidDensityLooksLikeAPress)
{
    HandOverPaper();
    const float d = Density(GetParam().Ink, GetParam().Channel);
    EXPECT_GE(d, GetParam().Lowest);
    EXPECT_LE(d, GetParam().Highest);
}

TEST_P(SimSolidTest, DotGainAtHalfToneIsTypical)
{
    HandOverPaper();
    const std::string ink = GetParam().Ink;
    const double gain = 100.0 * (DotArea(ink + "-50", ink, GetParam().Channel) - 0.5);
    EXPECT_GE(gain, 10.0) << ink;
    EXPECT_LE(gain, 18.0) << ink;
}

TEST_P(SimSolidTest, TintsGainAndRiseSteadily)
{
    HandOverPaper();
    const std::string ink = GetParam().Ink;
    double previous = 0.0;
    for (int percent : {10, 20, 25, 30, 40, 50, 60, 70, 75, 80, 90}) {
        const double area = DotArea(ink + "-" + std::to_string(percent), ink, GetParam().Channel);
        EXPECT_GT(area, previous) << ink << " " << percent;
        EXPECT_GT(area, percent / 100.0) << ink << " " << percent;
        EXPECT_LT(area, 1.0) << ink << " " << percent;
        previous = area;
    }
}

INSTANTIATE_TEST_SUITE_P(Inks, SimSolidTest,
    ::testing::Values(TSolidCase{"cyan", 0, 1.30f, 1.50f}, TSolidCase{"magenta", 1, 1.30f, 1.55f},
                      TSolidCase{"yellow", 2, 0.90f, 1.10f}, TSolidCase{"black", 3, 1.55f, 1.90f}),
    [](const auto& info) { return std::string(info.param.Ink); });

TEST_F(SimPressSheetTest, EveryPatchIsAReflectanceAndNamedOnce)
{
    const auto names = Sim().PatchNames();
    EXPECT_EQ(1u + 4u + 4u * 11u + 4u, names.size());
    EXPECT_EQ(names.size(), std::set<std::string>(names.begin(), names.end()).size());
    for (const std::string& name : names) {
        const auto s = Sim().PatchSpectrum(name);
        ASSERT_TRUE(s.has_value()) << name;
        for (float v : *s) {
            EXPECT_GT(v, 0.0f) << name;
            EXPECT_LE(v, 1.0f) << name;
        }
    }
    EXPECT_EQ("", Sim().PatchName(static_cast<int>(names.size())));
    EXPECT_EQ("", Sim().PatchName(-1));
}

}
