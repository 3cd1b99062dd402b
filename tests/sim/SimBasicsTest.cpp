// The simulated instrument's basics through the real entry points: connection,
// button, calibration, options, samples, bad answers, call log, and the
// partial library.
#include "SimFixture.h"

#include <ostream>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

// --- button -----------------------------------------------------------------

struct TPressCase {
    const char* Name;
    int Calls;
    std::vector<int> Answers;   // of successive I1_KeyPressed calls
    friend void PrintTo(const TPressCase& c, std::ostream* os) { *os << c.Name; }
};

class SimPressTest : public SimTest, public ::testing::WithParamInterface<TPressCase> {};

TEST_P(SimPressTest, PressLastsItsCallsThenReleases)
{
    const TPressCase& c = GetParam();
    Sim().Press(c.Calls);
    std::vector<int> answers;
    for (std::size_t i = 0; i < c.Answers.size(); ++i)
        answers.push_back(I1().KeyPressed());
    EXPECT_EQ(c.Answers, answers);
    EXPECT_FALSE(Sim().PressPending());
}

INSTANTIATE_TEST_SUITE_P(Calls, SimPressTest,
    ::testing::Values(TPressCase{"one", 1, {0, 1, 1}},
                      TPressCase{"three", 3, {0, 0, 0, 1, 1}},
                      TPressCase{"zeroMeansOne", 0, {0, 1}},
                      TPressCase{"negativeMeansOne", -4, {0, 1}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(SimTest, NoPressAnswersNotPressed)
{
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(1, I1().KeyPressed());
}

TEST_F(SimTest, HoldEndsAtReleaseOrAtItsBound)
{
    Sim().Hold(1000);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(0, I1().KeyPressed());
    Sim().Release();
    EXPECT_EQ(1, I1().KeyPressed());

    Sim().Hold(4);
    int down = 0;
    while (I1().KeyPressed() == 0 && down < 100)
        ++down;
    EXPECT_EQ(4, down);
}

TEST_F(SimTest, HoldForEndsAfterItsTime)
{
    Sim().HoldFor(60000);
    EXPECT_EQ(0, I1().KeyPressed());
    EXPECT_EQ(0, I1().KeyPressed());
    Sim().AdvanceClock(60001);
    EXPECT_EQ(1, I1().KeyPressed());
}

TEST_F(SimTest, UnpluggedInstrumentKeepsThePressForLater)
{
    Sim().Press(1);
    Sim().Unplug();
    EXPECT_EQ(1, I1().KeyPressed());
    EXPECT_TRUE(Sim().PressPending());
    Sim().Plug();
    EXPECT_EQ(0, I1().KeyPressed());
    EXPECT_EQ(1, I1().KeyPressed());
}

// --- connection and calibration -------------------------------------------

TEST_F(SimTest, ConnectionFollowsThePlug)
{
    EXPECT_EQ(0, I1().IsConnected());
    EXPECT_STREQ("USB", I1().GetOption("Connection"));
    Sim().Unplug();
    EXPECT_NE(0, I1().IsConnected());
    EXPECT_NE(0, I1().Calibrate());
    EXPECT_NE(0, I1().TriggerMeasurement());
    EXPECT_STREQ("Not connected", I1().GetOption("Connection"));
    Sim().Plug();
    EXPECT_EQ(0, I1().IsConnected());
}

TEST_F(SimTest, TriggerAnswers3UntilCalibrated)
{
    EXPECT_EQ(0, I1().TriggerMeasurement());
    Sim().NeedCalibration();
    EXPECT_EQ(3, I1().TriggerMeasurement());
    EXPECT_EQ(3, I1().TriggerMeasurement());
    EXPECT_EQ(0, I1().GetNumberOfAvailableSamples());
    EXPECT_EQ(0, I1().Calibrate());
    EXPECT_EQ(0, I1().TriggerMeasurement());
}

TEST_F(SimTest, FailedCalibrationLeavesTheInstrumentNeedingOne)
{
    Sim().SetCalibrateResult(17);
    EXPECT_EQ(17, I1().Calibrate());
    EXPECT_EQ(3, I1().TriggerMeasurement());
    Sim().SetCalibrateResult(0);
    EXPECT_EQ(0, I1().Calibrate());
    EXPECT_EQ(0, I1().TriggerMeasurement());
}

TEST_F(SimTest, CalibrationIntervalCountsMeasurements)
{
    Sim().SetCalibrationInterval(2);
    EXPECT_EQ(0, I1().TriggerMeasurement());
    EXPECT_EQ(0, I1().TriggerMeasurement());
    EXPECT_EQ(3, I1().TriggerMeasurement());
    EXPECT_EQ(0, I1().Calibrate());
    EXPECT_STREQ("0", I1().GetOption("LastCalibrationCounter"));
    EXPECT_EQ(0, I1().TriggerMeasurement());
    EXPECT_STREQ("1", I1().GetOption("LastCalibrationCounter"));
}

TEST_F(SimTest, NextTriggerResultAppliesOnce)
{
    Sim().SetNextTriggerResult(9);
    EXPECT_EQ(9, I1().TriggerMeasurement());
    EXPECT_EQ(0, I1().GetNumberOfAvailableSamples());
    EXPECT_EQ(0, I1().TriggerMeasurement());
    EXPECT_EQ(1, I1().GetNumberOfAvailableSamples());
}

// --- options ------------------------------------------------------------------

TEST_F(SimTest, OptionsAreStoredAndReadBack)
{
    EXPECT_FALSE(Sim().OptionValue("Colorimetric.Observer").has_value());
    EXPECT_EQ(0, I1().SetOption("Colorimetric.Observer", "TwoDegree"));
    EXPECT_EQ("TwoDegree", Sim().OptionValue("Colorimetric.Observer").value_or(""));
    EXPECT_STREQ("TwoDegree", I1().GetOption("Colorimetric.Observer"));
    EXPECT_EQ(0, I1().SetOption("MeasurementMode", "SingleReflectance"));
    EXPECT_STREQ("SingleReflectance", I1().GetOption("MeasurementMode"));
}

TEST_F(SimTest, RefusedOptionIsNotStoredUntilAcceptedAgain)
{
    Sim().RefuseOption("Colorimetric.Observer", 42);
    EXPECT_EQ(42, I1().SetOption("Colorimetric.Observer", "TwoDegree"));
    EXPECT_FALSE(Sim().OptionValue("Colorimetric.Observer").has_value());
    EXPECT_EQ(0, I1().SetOption("Colorimetric.Illumination", "D50"));
    Sim().AcceptOption("Colorimetric.Observer");
    EXPECT_EQ(0, I1().SetOption("Colorimetric.Observer", "TwoDegree"));
}

TEST_F(SimTest, UnknownValuesOfTheDensityOptionsAreRefused)
{
    EXPECT_NE(0, I1().SetOption("Colorimetric.DensityStandard", "ISO-X"));
    EXPECT_NE(0, I1().SetOption("Colorimetric.WhiteBase", "Snow"));
    EXPECT_NE(0, I1().SetOption(nullptr, "x"));
    EXPECT_NE(0, I1().SetOption("MeasurementMode", nullptr));
    for (const char* standard : {"DIN", "DINNB", "ANSIA", "ANSIT", "SPI"})
        EXPECT_EQ(0, I1().SetOption("Colorimetric.DensityStandard", standard)) << standard;
}

struct TReadKeyCase {
    const char* Key;
    const char* Answer;   // nullptr: any non-empty text
    friend void PrintTo(const TReadKeyCase& c, std::ostream* os) { *os << c.Key; }
};

class SimReadKeyTest : public SimTest, public ::testing::WithParamInterface<TReadKeyCase> {};

TEST_P(SimReadKeyTest, KeysReadByTheProgramAnswerPlausibleTexts)
{
    const char* answer = I1().GetOption(GetParam().Key);
    ASSERT_NE(nullptr, answer);
    if (GetParam().Answer)
        EXPECT_STREQ(GetParam().Answer, answer);
    else
        EXPECT_GT(std::strlen(answer), 0u);
}

INSTANTIATE_TEST_SUITE_P(NineKeys, SimReadKeyTest,
    ::testing::Values(TReadKeyCase{"SerialNumber", "114523"}, TReadKeyCase{"Version", nullptr},
                      TReadKeyCase{"LastCalibrationTime", "2024-05-14 08:00:00"},
                      TReadKeyCase{"LastCalibrationCounter", "0"}, TReadKeyCase{"PhysicalFilter", nullptr},
                      TReadKeyCase{"Connection", "USB"}, TReadKeyCase{"MeasurementMode", "SingleReflectance"},
                      TReadKeyCase{"Recognition", "no"}, TReadKeyCase{"LastError", "No error"}),
    [](const auto& info) { return std::string(info.param.Key); });

TEST_F(SimTest, CalibrationMovesTheCalibrationTimeOn)
{
    EXPECT_EQ(0, I1().Calibrate());
    EXPECT_STREQ("2024-05-14 08:01:00", I1().GetOption("LastCalibrationTime"));
}

TEST_F(SimTest, LastErrorNamesTheLastFailure)
{
    Sim().NeedCalibration();
    I1().TriggerMeasurement();
    EXPECT_STREQ("Calibration needed", I1().GetOption("LastError"));
}

TEST_F(SimTest, OptionAnswerCanBeReplaced)
{
    Sim().SetOptionAnswer("SerialNumber", "EO-0000001");
    EXPECT_STREQ("EO-0000001", I1().GetOption("SerialNumber"));
    Sim().ClearOptionAnswer("SerialNumber");
    EXPECT_STREQ("114523", I1().GetOption("SerialNumber"));
}

// --- samples ------------------------------------------------------------------

TEST_F(SimTest, OneSampleAfterATriggerNoneBefore)
{
    EXPECT_EQ(0, I1().GetNumberOfAvailableSamples());
    EXPECT_EQ(0, I1().TriggerMeasurement());
    EXPECT_EQ(1, I1().GetNumberOfAvailableSamples());
    Sim().SetSampleCount(-5);
    EXPECT_EQ(-5, I1().GetNumberOfAvailableSamples());
    Sim().SetSampleCount(-1);
    EXPECT_EQ(1, I1().GetNumberOfAvailableSamples());
}

TEST_F(SimTest, SpectrumIsThePatchPlacedAtTheTrigger)
{
    const auto cyan = Sim().PatchSpectrum("cyan");
    ASSERT_TRUE(cyan.has_value());
    Measure("cyan");
    ASSERT_TRUE(Sim().PlacePatch("yellow"));   // moved after the trigger
    EXPECT_EQ(*cyan, ReadSpectrum());
    EXPECT_EQ(*cyan, ReadSpectrum());           // can be read more than once
}

TEST_F(SimTest, PlacedSpectrumIsMeasuredAsGiven)
{
    std::array<float, 36> s{};
    for (int i = 0; i < 36; ++i)
        s[i] = 0.01f * i;
    Sim().PlaceSpectrum(s);
    EXPECT_EQ("spectrum", Sim().PlacedPatch());
    ASSERT_EQ(0, I1().TriggerMeasurement());
    EXPECT_EQ(s, ReadSpectrum());
}

TEST_F(SimTest, ReadingWithoutASampleGivesZerosAndAnError)
{
    std::array<float, 36> s{};
    s.fill(5.0f);
    EXPECT_NE(0, I1().GetSpectrum(s.data(), 0));
    for (float v : s)
        EXPECT_EQ(0.0f, v);
    ASSERT_EQ(0, I1().TriggerMeasurement());
    EXPECT_NE(0, I1().GetSpectrum(s.data(), 1));   // only sample 0 exists
    EXPECT_NE(0, I1().GetSpectrum(nullptr, 0));
    TDensityAnswer a;
    EXPECT_NE(0, I1().GetDensities(nullptr, &a.Channel, 0));
    EXPECT_NE(0, I1().GetDensities(a.D.data(), nullptr, 0));
}

TEST_F(SimTest, UnknownPatchIsRefused)
{
    EXPECT_FALSE(Sim().PlacePatch("mauve"));
    EXPECT_FALSE(Sim().PatchSpectrum("mauve").has_value());
    EXPECT_EQ("paper", Sim().PlacedPatch());
}

TEST_F(SimTest, NamedPatchesOfTheFirstSetExist)
{
    for (const char* name : {"paper", "cyan", "magenta", "yellow", "black", "cyan-50", "magenta-50",
                             "yellow-50", "black-50"})
        EXPECT_TRUE(Sim().PatchSpectrum(name).has_value()) << name;
}

// --- bad answers ----------------------------------------------------------------

TEST_F(SimTest, NullOptionAnswer)
{
    Sim().SetBadAnswer(I1SimBadNullOption);
    EXPECT_EQ(nullptr, I1().GetOption("SerialNumber"));
    Sim().ClearBadAnswers();
    EXPECT_NE(nullptr, I1().GetOption("SerialNumber"));
}

struct TBadDensityCase {
    const char* Name;
    int Kind;
    bool (*Check)(float);
    friend void PrintTo(const TBadDensityCase& c, std::ostream* os) { *os << c.Name; }
};

class SimBadDensityTest : public SimTest, public ::testing::WithParamInterface<TBadDensityCase> {};

TEST_P(SimBadDensityTest, EveryDensityIsBad)
{
    Measure("magenta");
    Sim().SetBadAnswer(GetParam().Kind);
    const TDensityAnswer a = ReadDensities();
    for (float d : a.D)
        EXPECT_TRUE(GetParam().Check(d)) << d;
    Sim().ClearBadAnswers();
    for (float d : ReadDensities().D)
        EXPECT_TRUE(std::isfinite(d) && d >= 0.0f) << d;
}

INSTANTIATE_TEST_SUITE_P(Kinds, SimBadDensityTest,
    ::testing::Values(TBadDensityCase{"NaN", I1SimBadNaNDensity, [](float d) { return std::isnan(d); }},
                      TBadDensityCase{"Infinite", I1SimBadInfiniteDensity, [](float d) { return std::isinf(d); }},
                      TBadDensityCase{"Negative", I1SimBadNegativeDensity, [](float d) { return d < 0.0f; }}),
    [](const auto& info) { return std::string(info.param.Name); });

class SimBadSpectrumTest : public SimTest, public ::testing::WithParamInterface<TBadDensityCase> {};

TEST_P(SimBadSpectrumTest, EveryValueIsBad)
{
    Measure("cyan");
    Sim().SetBadAnswer(GetParam().Kind);
    for (float v : ReadSpectrum())
        EXPECT_TRUE(GetParam().Check(v)) << v;
}

INSTANTIATE_TEST_SUITE_P(Kinds, SimBadSpectrumTest,
    ::testing::Values(TBadDensityCase{"NaN", I1SimBadNaNSpectrum, [](float v) { return std::isnan(v); }},
                      TBadDensityCase{"Infinite", I1SimBadInfiniteSpectrum, [](float v) { return std::isinf(v); }},
                      TBadDensityCase{"Negative", I1SimBadNegativeSpectrum, [](float v) { return v < 0.0f; }}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(SimTest, ChannelOutOfRangeAlternatesAboveAndBelow)
{
    Measure("magenta");
    Sim().SetBadAnswer(I1SimBadChannelOutOfRange);
    EXPECT_EQ(7, ReadDensities().Channel);
    EXPECT_EQ(-1, ReadDensities().Channel);
    EXPECT_EQ(7, ReadDensities().Channel);
    Sim().ClearBadAnswers();
    EXPECT_EQ(1, ReadDensities().Channel);
}

// --- call log --------------------------------------------------------------------

TEST_F(SimTest, CallLogHasOneLinePerCallInOrder)
{
    I1().SetOption("MeasurementMode", "SingleReflectance");
    I1().TriggerMeasurement();
    I1().GetOption("SerialNumber");
    I1().KeyPressed();
    I1().KeyPressed();
    const std::vector<std::string> expected = {"I1_SetOption MeasurementMode=SingleReflectance",
                                               "I1_TriggerMeasurement", "I1_GetOption SerialNumber",
                                               "I1_KeyPressed", "I1_KeyPressed"};
    EXPECT_EQ(expected, Sim().CallLines());
    EXPECT_EQ(2, Sim().CallCount("I1_KeyPressed"));
    EXPECT_EQ(1, Sim().CallCount("I1_SetOption"));
    EXPECT_EQ(0, Sim().CallCount("I1_Calibrate"));
    Sim().ClearCallLog();
    EXPECT_EQ("", Sim().CallLog());
    EXPECT_EQ(0, Sim().CallCount("I1_KeyPressed"));
}

TEST_F(SimTest, CallLogKeepsTheNewestLinesOfALongSession)
{
    I1().IsConnected();
    for (int i = 0; i < 20005; ++i)
        I1().KeyPressed();
    const std::vector<std::string> lines = Sim().CallLines();
    ASSERT_EQ(20000u, lines.size());
    EXPECT_EQ("I1_KeyPressed", lines.front());   // the first calls dropped out
    EXPECT_EQ(20005, Sim().CallCount("I1_KeyPressed"));
    EXPECT_EQ(1, Sim().CallCount("I1_IsConnected"));
}

TEST_F(SimTest, NullArgumentsAreLoggedAndRefused)
{
    EXPECT_NE(0, I1().SetOption(nullptr, nullptr));
    EXPECT_STREQ("", I1().GetOption(nullptr));
    EXPECT_NE(0, I1().GetTriStimulus(nullptr, 0));
    EXPECT_NE(0, I1().GetDensity(nullptr, 0));
    EXPECT_EQ((std::vector<std::string>{"I1_SetOption (null)=(null)", "I1_GetOption (null)", "I1_GetTriStimulus",
                                        "I1_GetDensity"}),
              Sim().CallLines());
}

TEST_F(SimTest, ResetRestoresTheStateAfterLoading)
{
    Sim().Unplug();
    Sim().RefuseOption("MeasurementMode", 5);
    Sim().NeedCalibration();
    Sim().PlacePatch("black");
    Sim().SetBadAnswer(I1SimBadNullOption);
    Sim().Press(3);
    Sim().Reset();
    EXPECT_EQ(0, I1().IsConnected());
    EXPECT_EQ(1, I1().KeyPressed());
    EXPECT_EQ(0, I1().SetOption("MeasurementMode", "SingleReflectance"));
    EXPECT_EQ(0, I1().TriggerMeasurement());
    EXPECT_EQ("paper", Sim().PlacedPatch());
    EXPECT_NE(nullptr, I1().GetOption("SerialNumber"));
}

// --- the partial library ----------------------------------------------------------

TEST(SimPartialLibrary, LacksThreeEntryPointsAndKeepsTheRest)
{
    TSimControl partial{QString::fromUtf8(KV_SIM_PARTIAL_LIBRARY)};
    for (const char* missing : {"I1_SetSubstrate", "I1_GetDensities", "I1_GetSpectrum"})
        EXPECT_EQ(nullptr, partial.Resolve(missing)) << missing;
    for (const char* present : {"I1_IsConnected", "I1_KeyPressed", "I1_Calibrate", "I1_TriggerMeasurement",
                                "I1_GetNumberOfAvailableSamples", "I1_SetOption", "I1_GetOption",
                                "I1_GetTriStimulus", "I1_GetDensity"})
        EXPECT_NE(nullptr, partial.Resolve(present)) << present;
}

TEST(SimPartialLibrary, IsAnInstanceOfItsOwn)
{
    TSimControl full;
    TSimControl partial{QString::fromUtf8(KV_SIM_PARTIAL_LIBRARY)};
    full.Reset();
    partial.Reset();
    partial.Unplug();
    auto isConnected = reinterpret_cast<TI1_IsConnected>(full.Resolve("I1_IsConnected"));
    EXPECT_EQ(0, isConnected());
    partial.Reset();
}

}
