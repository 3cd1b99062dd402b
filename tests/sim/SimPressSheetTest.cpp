// The simulated press sheet against a press room's expectations: paper,
// solids and overprints near the ISO 12647-2 aims for coated paper (D50, 2
// degree observer, through our colour engine), press-like status E
// densities, dot gains, trapping, hue error and grayness (by the program's
// own formulas). All read through the library's entry points.
#include "SimFixture.h"

#include "ColorCalc.h"
#include "TData.h"
#ifdef KV_HAVE_DENSITY_FORMULAS
#include "DensityFormulas.h"
#endif

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
    std::array<float, 4> Densities(const std::string& patch)
    {
        Measure(patch);
        const auto d = ReadDensities().D;
        return {d[0], d[1], d[2], d[3]};
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

#ifdef KV_HAVE_DENSITY_FORMULAS
// Preucil trap of the later ink on the earlier, through the later ink's filter,
// as the Trapping page computes it from densities relative to the paper.
struct TTrapCase {
    const char* Overprint;
    const char* FirstDown;
    const char* SecondDown;
    int Channel;   // the second ink's
    friend void PrintTo(const TTrapCase& c, std::ostream* os) { *os << c.Overprint; }
};

class SimTrapTest : public SimPressSheetTest, public ::testing::WithParamInterface<TTrapCase> {};

TEST_P(SimTrapTest, TrapsLikeASoundPress)
{
    HandOverPaper();
    const TTrapCase& c = GetParam();
    const auto trap = PreucilTrap(Density(c.Overprint, c.Channel), Density(c.FirstDown, c.Channel),
                                  Density(c.SecondDown, c.Channel));
    ASSERT_TRUE(trap.has_value());
    EXPECT_GE(*trap, 70.0) << c.Overprint;
    EXPECT_LE(*trap, 95.0) << c.Overprint;
}

INSTANTIATE_TEST_SUITE_P(Overprints, SimTrapTest,
    ::testing::Values(TTrapCase{"red", "magenta", "yellow", 2}, TTrapCase{"green", "cyan", "yellow", 2},
                      TTrapCase{"blue", "cyan", "magenta", 1}),
    [](const auto& info) { return std::string(info.param.Overprint); });

// GATF hue error and grayness of the process inks on a coated sheet, as the
// Hue error and Grayness pages compute them.
struct TPurityCase {
    const char* Ink;
    float HueErrorLowest, HueErrorHighest;
    float GraynessLowest, GraynessHighest;
    friend void PrintTo(const TPurityCase& c, std::ostream* os) { *os << c.Ink; }
};

class SimPurityTest : public SimPressSheetTest, public ::testing::WithParamInterface<TPurityCase> {};

TEST_P(SimPurityTest, HueErrorAndGraynessOfACoatedSheet)
{
    HandOverPaper();
    const TPurityCase& c = GetParam();
    const auto d = Densities(c.Ink);
    const auto hueError = GatfHueError(d[0], d[1], d[2]);
    const auto grayness = GatfGrayness(d[0], d[1], d[2]);
    ASSERT_TRUE(hueError.has_value());
    ASSERT_TRUE(grayness.has_value());
    EXPECT_GE(*hueError, c.HueErrorLowest) << c.Ink;
    EXPECT_LE(*hueError, c.HueErrorHighest) << c.Ink;
    EXPECT_GE(*grayness, c.GraynessLowest) << c.Ink;
    EXPECT_LE(*grayness, c.GraynessHighest) << c.Ink;
}

INSTANTIATE_TEST_SUITE_P(Inks, SimPurityTest,
    ::testing::Values(TPurityCase{"cyan", 12.0f, 30.0f, 5.0f, 20.0f}, TPurityCase{"magenta", 38.0f, 50.0f, 8.0f, 22.0f},
                      TPurityCase{"yellow", 3.0f, 15.0f, 0.0f, 10.0f}),
    [](const auto& info) { return std::string(info.param.Ink); });

TEST_F(SimPressSheetTest, MagentaHasTheLargestHueError)
{
    HandOverPaper();
    auto hueError = [this](const char* ink) {
        const auto d = Densities(ink);
        return GatfHueError(d[0], d[1], d[2]).value_or(0.0f);
    };
    const float magenta = hueError("magenta");
    EXPECT_GT(magenta, hueError("cyan"));
    EXPECT_GT(magenta, hueError("yellow"));
}
#endif

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
