// Densities of the simulated instrument through I1_GetDensities: the status
// responses of every density standard, the floor for black, densities
// relative to the substrate, a standard set after the trigger, and the
// automatically recognised ink on every patch of the press sheet.
#include "SimFixture.h"

#include <ostream>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

namespace {

using TResponse = std::array<double, 36>;

// The status responses straight from the reference table, read here
// independently of the table the library was built with.
std::map<std::string, TResponse> ReadStatusTable()
{
    std::ifstream in(KV_DENSITY_CSV);
    std::map<std::string, TResponse> columns;
    std::string line;
    if (!std::getline(in, line))
        return columns;
    std::vector<std::string> names;
    std::istringstream header(line);
    for (std::string cell; std::getline(header, cell, ',');)
        names.push_back(cell);
    for (int row = 0; row < 36 && std::getline(in, line); ++row) {
        std::istringstream cells(line);
        std::string cell;
        for (std::size_t c = 0; std::getline(cells, cell, ','); ++c)
            if (c > 0 && c < names.size())
                columns[names[c]][row] = std::stod(cell);
    }
    return columns;
}

const std::map<std::string, TResponse>& StatusTable()
{
    static const auto table = ReadStatusTable();
    return table;
}

// The narrow bands of "DINNB" and "SPI": Gaussian pass bands of the given
// full width at half maximum.
TResponse Gaussian(double peak, double fwhm)
{
    const double sigma = fwhm / (2.0 * std::sqrt(2.0 * std::log(2.0)));
    TResponse r{};
    for (int i = 0; i < 36; ++i)
        r[i] = std::exp(-0.5 * std::pow((380.0 + 10.0 * i - peak) / sigma, 2.0));
    return r;
}

std::array<TResponse, 4> Responses(const std::string& standard)
{
    const auto& t = StatusTable();
    auto status = [&](const char* prefix) {
        const std::string p = prefix;
        return std::array<TResponse, 4>{t.at(p + "_red"), t.at(p + "_green"), t.at(p + "_blue"), t.at("visual")};
    };
    if (standard == "DIN")
        return status("E");
    if (standard == "ANSIA")
        return status("A");
    if (standard == "ANSIT")
        return status("T");
    if (standard == "DINNB")
        return {Gaussian(620, 20), Gaussian(530, 20), Gaussian(450, 20), t.at("visual")};
    return {Gaussian(630, 16), Gaussian(540, 16), Gaussian(440, 16), t.at("visual")};
}

std::array<double, 4> ExpectedDensities(const std::array<float, 36>& r, const std::string& standard)
{
    std::array<double, 4> d{};
    const auto responses = Responses(standard);
    for (int c = 0; c < 4; ++c) {
        double wr = 0, w = 0;
        for (int i = 0; i < 36; ++i) {
            wr += responses[c][i] * r[i];
            w += responses[c][i];
        }
        d[c] = -std::log10(std::max(wr / w, 1e-6));
    }
    return d;
}

const char* const Standards[] = {"DIN", "DINNB", "ANSIA", "ANSIT", "SPI"};

class SimDensityTest : public SimTest {
protected:
    void SetStandard(const char* standard)
    {
        ASSERT_EQ(0, I1().SetOption("Colorimetric.DensityStandard", standard));
    }
    void HandOverPaper()
    {
        auto paper = *Sim().PatchSpectrum("paper");
        ASSERT_EQ(0, I1().SetOption("Colorimetric.WhiteBase", "Paper"));
        ASSERT_EQ(0, I1().SetSubstrate(paper.data()));
    }
};

TEST_F(SimDensityTest, TheTableIsThere)
{
    ASSERT_EQ(13u, StatusTable().size()) << KV_DENSITY_CSV;
}

struct TStandardPatch {
    const char* Standard;
    const char* Patch;
    friend void PrintTo(const TStandardPatch& c, std::ostream* os) { *os << c.Standard << " " << c.Patch; }
};

class SimStandardTest : public SimDensityTest, public ::testing::WithParamInterface<TStandardPatch> {};

TEST_P(SimStandardTest, DensitiesFollowTheStandardsResponses)
{
    SetStandard(GetParam().Standard);
    Measure(GetParam().Patch);
    const auto expected = ExpectedDensities(*Sim().PatchSpectrum(GetParam().Patch), GetParam().Standard);
    const TDensityAnswer a = ReadDensities();
    ASSERT_EQ(0, a.Result);
    for (int c = 0; c < 4; ++c)
        EXPECT_NEAR(expected[c], a.D[c], 2e-4) << "channel " << c;
}

std::vector<TStandardPatch> StandardPatchCases()
{
    std::vector<TStandardPatch> cases;
    for (const char* s : Standards)
        for (const char* p : {"paper", "cyan", "magenta", "yellow", "black", "red", "magenta-40"})
            cases.push_back({s, p});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Table, SimStandardTest, ::testing::ValuesIn(StandardPatchCases()),
    [](const auto& info) {
        std::string name = std::string(info.param.Standard) + "_" + info.param.Patch;
        for (char& c : name)
            if (c == '-')
                c = '_';
        return name;
    });

struct TFlatCase {
    float Reflectance;
    float Density;
    friend void PrintTo(const TFlatCase& c, std::ostream* os) { *os << c.Reflectance; }
};

class SimFlatTest : public SimDensityTest, public ::testing::WithParamInterface<TFlatCase> {};

// A flat spectrum has the same density through every filter: -log10 R, with
// a zero or negative spectrum held at the reflectance floor (density 6).
TEST_P(SimFlatTest, FlatSpectrumGivesMinusLogR)
{
    std::array<float, 36> s{};
    s.fill(GetParam().Reflectance);
    Sim().PlaceSpectrum(s);
    ASSERT_EQ(0, I1().TriggerMeasurement());
    for (const char* standard : Standards) {
        SetStandard(standard);
        const TDensityAnswer a = ReadDensities();
        for (float d : a.D)
            EXPECT_NEAR(GetParam().Density, d, 1e-4) << standard;
    }
}

INSTANTIATE_TEST_SUITE_P(Worked, SimFlatTest,
    ::testing::Values(TFlatCase{1.0f, 0.0f}, TFlatCase{0.1f, 1.0f}, TFlatCase{0.01f, 2.0f},
                      TFlatCase{0.5f, 0.30103f}, TFlatCase{0.0f, 6.0f}, TFlatCase{-0.2f, 6.0f}));

TEST_F(SimDensityTest, NarrowBandsSeeOnlyTheirPeak)
{
    // Reflectance 1 everywhere except 0.01 at 620 nm: the "DINNB" red band
    // (peak 620, 20 nm wide) sees the dip, status E hardly.
    std::array<float, 36> s{};
    s.fill(1.0f);
    s[(620 - 380) / 10] = 0.01f;
    Sim().PlaceSpectrum(s);
    ASSERT_EQ(0, I1().TriggerMeasurement());
    SetStandard("DINNB");
    const float narrow = ReadDensities().D[0];
    SetStandard("DIN");
    const float broad = ReadDensities().D[0];
    EXPECT_NEAR(ExpectedDensities(s, "DINNB")[0], narrow, 1e-4);
    EXPECT_GT(narrow, 0.25f);
    EXPECT_LT(broad, narrow);
}

TEST_F(SimDensityTest, StandardSetAfterTheTriggerAppliesToTheReading)
{
    SetStandard("DIN");
    Measure("magenta");
    const float din = ReadDensities().D[1];
    SetStandard("ANSIT");
    const TDensityAnswer t = ReadDensities();
    EXPECT_NEAR(ExpectedDensities(*Sim().PatchSpectrum("magenta"), "ANSIT")[1], t.D[1], 2e-4);
    EXPECT_NE(din, t.D[1]);
}

TEST_F(SimDensityTest, RelativeToTheSubstrateAfterPaper)
{
    HandOverPaper();
    Measure("paper");
    for (float d : ReadDensities().D)
        EXPECT_NEAR(0.0f, d, 1e-5);

    Measure("cyan");
    const auto cyan = ExpectedDensities(*Sim().PatchSpectrum("cyan"), "DIN");
    const auto paper = ExpectedDensities(*Sim().PatchSpectrum("paper"), "DIN");
    const TDensityAnswer a = ReadDensities();
    for (int c = 0; c < 4; ++c)
        EXPECT_NEAR(cyan[c] - paper[c], a.D[c], 2e-4) << c;

    // Back to absolute: the substrate stays with the instrument but no longer counts.
    ASSERT_EQ(0, I1().SetOption("Colorimetric.WhiteBase", "Absolute"));
    const TDensityAnswer b = ReadDensities();
    for (int c = 0; c < 4; ++c)
        EXPECT_NEAR(cyan[c], b.D[c], 2e-4) << c;
}

TEST_F(SimDensityTest, PaperWhiteBaseWithoutSubstrateStaysAbsolute)
{
    ASSERT_EQ(0, I1().SetOption("Colorimetric.WhiteBase", "Paper"));
    Measure("cyan");
    EXPECT_NEAR(ExpectedDensities(*Sim().PatchSpectrum("cyan"), "DIN")[0], ReadDensities().D[0], 2e-4);
}

TEST_F(SimDensityTest, SubstrateIsTakenAsHandedOver)
{
    // A darker "paper" handed over makes every density relative to it, also
    // for a standard chosen later.
    std::array<float, 36> grey{};
    grey.fill(0.5f);
    ASSERT_EQ(0, I1().SetOption("Colorimetric.WhiteBase", "Paper"));
    ASSERT_EQ(0, I1().SetSubstrate(grey.data()));
    std::array<float, 36> darker{};
    darker.fill(0.05f);
    Sim().PlaceSpectrum(darker);
    ASSERT_EQ(0, I1().TriggerMeasurement());
    SetStandard("SPI");
    for (float d : ReadDensities().D)
        EXPECT_NEAR(1.0f, d, 1e-4);
    EXPECT_NE(0, I1().SetSubstrate(nullptr));
}

TEST_F(SimDensityTest, GetDensityAnswersTheRecognisedChannel)
{
    Measure("yellow");
    const TDensityAnswer a = ReadDensities();
    float single = -1.0f;
    ASSERT_EQ(0, I1().GetDensity(&single, 0));
    ASSERT_EQ(2, a.Channel);
    EXPECT_EQ(a.D[2], single);
}

TEST_F(SimDensityTest, TriStimulusOfPaperUnderD50)
{
    Measure("paper");
    float xyz[3] = {};
    ASSERT_EQ(0, I1().GetTriStimulus(xyz, 0));
    EXPECT_NEAR(87.8f, xyz[1], 1.5f);   // L* 95
}

TEST_F(SimDensityTest, DensityNoiseIsBoundedAndRepeatable)
{
    Measure("cyan");
    const float exact = ReadDensities().D[0];
    Sim().SetDensityNoise(0.02);
    std::vector<float> first;
    for (int i = 0; i < 20; ++i) {
        Measure("cyan");
        first.push_back(ReadDensities().D[0]);
        EXPECT_NEAR(exact, first.back(), 0.02 * exact + 1e-5);
    }
    EXPECT_NE(first.front(), first.back());
    Sim().Reset();
    Sim().SetDensityNoise(0.02);
    for (int i = 0; i < 20; ++i) {
        Measure("cyan");
        EXPECT_EQ(first[i], ReadDensities().D[0]) << i;
    }
}

// --- the automatically recognised channel ------------------------------------

int ExpectedInk(const std::string& patch)
{
    for (int c = 0; c < 4; ++c) {
        static const char* inks[4] = {"cyan", "magenta", "yellow", "black"};
        const std::string ink = inks[c];
        if (patch == ink || patch.rfind(ink + "-", 0) == 0)
            return c;
    }
    return -1;
}

struct TRecognitionCase {
    const char* Standard;
    bool RelativeToPaper;
    friend void PrintTo(const TRecognitionCase& c, std::ostream* os) { *os << c.Standard << (c.RelativeToPaper ? " paper" : " absolute"); }
};

class SimRecognitionTest : public SimDensityTest, public ::testing::WithParamInterface<TRecognitionCase> {};

TEST_P(SimRecognitionTest, EveryTintAndSolidIsItsOwnInk)
{
    SetStandard(GetParam().Standard);
    if (GetParam().RelativeToPaper)
        HandOverPaper();
    int checked = 0;
    for (const std::string& patch : Sim().PatchNames()) {
        const int ink = ExpectedInk(patch);
        if (ink < 0)
            continue;
        Measure(patch);
        EXPECT_EQ(ink, ReadDensities().Channel) << patch;
        ++checked;
    }
    EXPECT_EQ(4 * 12, checked);
}

TEST_P(SimRecognitionTest, OverprintsGoToOneOfTheirInks)
{
    SetStandard(GetParam().Standard);
    if (GetParam().RelativeToPaper)
        HandOverPaper();
    const std::map<std::string, std::vector<int>> allowed = {
        {"red", {1, 2}}, {"green", {0, 2}}, {"blue", {0, 1}}, {"cmy", {3}}};
    for (const auto& [patch, channels] : allowed) {
        Measure(patch);
        const int channel = ReadDensities().Channel;
        EXPECT_NE(channels.end(), std::find(channels.begin(), channels.end(), channel))
            << patch << " recognised as " << channel;
    }
}

INSTANTIATE_TEST_SUITE_P(Standards, SimRecognitionTest,
    ::testing::Values(TRecognitionCase{"DIN", false}, TRecognitionCase{"DIN", true},
                      TRecognitionCase{"ANSIA", false}, TRecognitionCase{"ANSIA", true},
                      TRecognitionCase{"ANSIT", false}, TRecognitionCase{"ANSIT", true},
                      TRecognitionCase{"DINNB", false}, TRecognitionCase{"DINNB", true},
                      TRecognitionCase{"SPI", false}, TRecognitionCase{"SPI", true}),
    [](const auto& info) {
        return std::string(info.param.Standard) + (info.param.RelativeToPaper ? "_paper" : "_absolute");
    });

TEST_F(SimDensityTest, NeutralGreyIsBlack)
{
    std::array<float, 36> grey{};
    grey.fill(0.3f);
    Sim().PlaceSpectrum(grey);
    ASSERT_EQ(0, I1().TriggerMeasurement());
    EXPECT_EQ(3, ReadDensities().Channel);
}

}
