// The scenario file of the simulated instrument: each step, the waits that
// hold later steps back, the errors that stop a scenario, and the example
// session played through by a stand-in for the program's own call sequences.
#include "SimFixture.h"

#include <ostream>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <vector>

namespace {

class SimScenarioTest : public SimTest {
protected:
    // Lets the scenario advance, as any call of the program would.
    void Tick() { I1().IsConnected(); }

    bool Start(const std::string& text)
    {
        const bool ok = Sim().StartScenarioText(text);
        return ok;
    }

    std::string WriteFile(const std::string& name, const std::string& text)
    {
        const QString path = Dir.filePath(QString::fromStdString(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
        return path.toStdString();
    }

    QTemporaryDir Dir;
};

TEST_F(SimScenarioTest, StepsRunWhenTheProgramCallsIn)
{
    ASSERT_TRUE(Start("# a comment\n\nplace cyan   # trailing comment\nunplug\n"));
    EXPECT_EQ(1, Sim().ScenarioState());
    EXPECT_EQ("paper", Sim().PlacedPatch());   // nothing runs before a call
    Tick();
    EXPECT_EQ("cyan", Sim().PlacedPatch());
    EXPECT_NE(0, I1().IsConnected());
    EXPECT_EQ(2, Sim().ScenarioState());
    EXPECT_EQ(2, Sim().ScenarioStepsDone());
}

TEST_F(SimScenarioTest, PressHoldsLaterStepsUntilTheReleaseIsSeen)
{
    ASSERT_TRUE(Start("press\nplace cyan\n"));
    Tick();
    EXPECT_TRUE(Sim().PressPending());
    EXPECT_EQ(0, I1().KeyPressed());
    I1().TriggerMeasurement();                  // the program measures the press
    EXPECT_EQ("paper", Sim().PlacedPatch());
    EXPECT_EQ(1, I1().KeyPressed());            // released
    EXPECT_EQ("paper", Sim().PlacedPatch());
    Tick();
    EXPECT_EQ("cyan", Sim().PlacedPatch());
}

TEST_F(SimScenarioTest, PressWithACountAndHoldForATime)
{
    ASSERT_TRUE(Start("press 3\nhold 2000\n"));
    Tick();
    EXPECT_EQ(0, I1().KeyPressed());
    EXPECT_EQ(0, I1().KeyPressed());
    EXPECT_EQ(0, I1().KeyPressed());
    EXPECT_EQ(1, I1().KeyPressed());
    // The next call starts the hold: down until 2 s have passed.
    EXPECT_EQ(0, I1().KeyPressed());
    EXPECT_EQ(0, I1().KeyPressed());
    Sim().AdvanceClock(2001);
    EXPECT_EQ(1, I1().KeyPressed());
    Tick();
    EXPECT_EQ(2, Sim().ScenarioState());
}

TEST_F(SimScenarioTest, WaitHoldsLaterStepsForItsTime)
{
    ASSERT_TRUE(Start("wait 5000\nplace magenta\n"));
    Tick();
    Tick();
    EXPECT_EQ("paper", Sim().PlacedPatch());
    Sim().AdvanceClock(4000);
    Tick();
    EXPECT_EQ("paper", Sim().PlacedPatch());
    Sim().AdvanceClock(1001);
    Tick();
    EXPECT_EQ("magenta", Sim().PlacedPatch());
}

TEST_F(SimScenarioTest, PressOnAnUnpluggedInstrumentDoesNotBlockThePlug)
{
    ASSERT_TRUE(Start("unplug\npress\nplug\nplace yellow\n"));
    Tick();
    EXPECT_EQ(0, I1().KeyPressed());   // plugged in again in the same turn
    EXPECT_EQ("yellow", Sim().PlacedPatch());
}

struct TStepCase {
    const char* Name;
    const char* Line;
    std::function<void(TEntryPoints&, TSimControl&)> Check;
    friend void PrintTo(const TStepCase& c, std::ostream* os) { *os << c.Name; }
};

class SimScenarioStepTest : public SimScenarioTest, public ::testing::WithParamInterface<TStepCase> {};

TEST_P(SimScenarioStepTest, StepHasItsEffect)
{
    ASSERT_TRUE(Start(GetParam().Line));
    Tick();
    GetParam().Check(I1(), Sim());
}

const TStepCase StepCases[] = {
    {"place", "place Black-50", [](TEntryPoints&, TSimControl& s) { EXPECT_EQ("black-50", s.PlacedPatch()); }},
    {"spectrum",
     "spectrum 0 0.01 0.02 0.03 0.04 0.05 0.06 0.07 0.08 0.09 0.1 0.11 0.12 0.13 0.14 0.15 0.16 0.17 0.18 "
     "0.19 0.2 0.21 0.22 0.23 0.24 0.25 0.26 0.27 0.28 0.29 0.3 0.31 0.32 0.33 0.34 1.35",
     [](TEntryPoints& i1, TSimControl& s) {
         EXPECT_EQ("spectrum", s.PlacedPatch());
         ASSERT_EQ(0, i1.TriggerMeasurement());
         float r[36] = {};
         i1.GetSpectrum(r, 0);
         EXPECT_FLOAT_EQ(0.12f, r[12]);
         EXPECT_FLOAT_EQ(1.35f, r[35]);
     }},
    {"unplug", "unplug", [](TEntryPoints& i1, TSimControl&) { EXPECT_NE(0, i1.IsConnected()); }},
    {"plug", "unplug\nplug", [](TEntryPoints& i1, TSimControl&) { EXPECT_EQ(0, i1.IsConnected()); }},
    {"needCalibration", "need-calibration",
     [](TEntryPoints& i1, TSimControl&) { EXPECT_EQ(3, i1.TriggerMeasurement()); }},
    {"calibrateResult", "calibrate-result 12", [](TEntryPoints& i1, TSimControl&) { EXPECT_EQ(12, i1.Calibrate()); }},
    {"calibrationInterval", "calibration-interval 1",
     [](TEntryPoints& i1, TSimControl&) {
         EXPECT_EQ(0, i1.TriggerMeasurement());
         EXPECT_EQ(3, i1.TriggerMeasurement());
     }},
    {"triggerResult", "trigger-result 7", [](TEntryPoints& i1, TSimControl&) { EXPECT_EQ(7, i1.TriggerMeasurement()); }},
    {"sampleCount", "sample-count -3",
     [](TEntryPoints& i1, TSimControl&) { EXPECT_EQ(-3, i1.GetNumberOfAvailableSamples()); }},
    {"refuse", "refuse Colorimetric.Observer 8",
     [](TEntryPoints& i1, TSimControl&) { EXPECT_EQ(8, i1.SetOption("Colorimetric.Observer", "TwoDegree")); }},
    {"accept", "refuse MeasurementMode 8\naccept MeasurementMode",
     [](TEntryPoints& i1, TSimControl&) { EXPECT_EQ(0, i1.SetOption("MeasurementMode", "SingleReflectance")); }},
    {"answer", "answer SerialNumber EO 99  spare unit",
     [](TEntryPoints& i1, TSimControl&) { EXPECT_STREQ("EO 99  spare unit", i1.GetOption("SerialNumber")); }},
    {"badNullOption", "bad null-option", [](TEntryPoints& i1, TSimControl&) { EXPECT_EQ(nullptr, i1.GetOption("Version")); }},
    {"badChannel", "bad channel-out-of-range",
     [](TEntryPoints& i1, TSimControl&) {
         float d[4];
         int channel = 0;
         i1.TriggerMeasurement();
         i1.GetDensities(d, &channel, 0);
         EXPECT_EQ(7, channel);
     }},
    {"good", "bad nan-spectrum\ngood",
     [](TEntryPoints& i1, TSimControl&) {
         float r[36];
         i1.TriggerMeasurement();
         i1.GetSpectrum(r, 0);
         EXPECT_FALSE(std::isnan(r[10]));
     }},
    {"densityNoise", "density-noise 0.05",
     [](TEntryPoints& i1, TSimControl& s) {
         s.PlacePatch("cyan");
         std::vector<float> seen;
         for (int i = 0; i < 5; ++i) {
             float d[4];
             int channel = 0;
             i1.TriggerMeasurement();
             i1.GetDensities(d, &channel, 0);
             seen.push_back(d[0]);
         }
         EXPECT_NE(seen[0], seen[1]);
     }},
    {"say", "say hello from the scenario", [](TEntryPoints&, TSimControl& s) { EXPECT_EQ(2, s.ScenarioState()); }},
};

INSTANTIATE_TEST_SUITE_P(Steps, SimScenarioStepTest, ::testing::ValuesIn(StepCases),
                         [](const auto& info) { return std::string(info.param.Name); });

struct TBadLineCase {
    const char* Name;
    const char* Text;
    int Line;
    const char* Message;
    friend void PrintTo(const TBadLineCase& c, std::ostream* os) { *os << c.Name; }
};

class SimScenarioErrorTest : public SimScenarioTest, public ::testing::WithParamInterface<TBadLineCase> {};

// A bad line stops the scenario before any step ran, with one message naming
// the file and the line.
TEST_P(SimScenarioErrorTest, BadLineStopsTheScenario)
{
    const std::string path = WriteFile("bad.txt", GetParam().Text);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(Sim().StartScenario(path));
    const std::string err = ::testing::internal::GetCapturedStderr();
    const std::string where = path + ":" + std::to_string(GetParam().Line) + ": ";
    EXPECT_EQ(-1, Sim().ScenarioState());
    EXPECT_NE(std::string::npos, Sim().ScenarioMessage().find(where + GetParam().Message)) << Sim().ScenarioMessage();
    EXPECT_NE(std::string::npos, err.find(where)) << err;
    EXPECT_EQ(1, std::count(err.begin(), err.end(), '\n')) << err;
    Tick();
    Tick();
    EXPECT_EQ("paper", Sim().PlacedPatch());
    EXPECT_EQ(0, I1().IsConnected());
}

const TBadLineCase BadLines[] = {
    {"unknownStep", "place cyan\ndance\n", 2, "unknown step \"dance\""},
    {"unknownPatch", "place mauve\n", 1, "unknown patch \"mauve\""},
    {"badNumber", "place cyan\n\nwait soon\n", 3, "\"soon\" is not a whole number"},
    {"negativeWait", "wait -5\n", 1, "-5 is out of range"},
    {"numberWithJunk", "press 2x\n", 1, "\"2x\" is not a whole number"},
    {"missingArgument", "place\n", 1, "\"place\" needs 1 argument"},
    {"extraArgument", "unplug now\n", 1, "\"unplug\" takes no arguments, got 1"},
    {"shortSpectrum", "spectrum 0.5 0.5 0.5\n", 1, "\"spectrum\" needs 36 reflectance values"},
    {"spectrumNaN",
     "spectrum nan 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n", 1,
     "\"nan\" is not a number"},
    {"spectrumOutOfRange",
     "spectrum 5 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n", 1,
     "5 is out of range"},
    {"unknownBadAnswer", "bad weather\n", 1, "unknown bad answer \"weather\""},
    {"refuseWithZero", "refuse MeasurementMode 0\n", 1, "a refusal needs a code other than 0"},
    {"hugeNumber", "wait 99999999999999999999\n", 1, "\"99999999999999999999\" is not a whole number"},
    {"noiseTooLarge", "density-noise 3\n", 1, "3 is out of range"},
};

INSTANTIATE_TEST_SUITE_P(Table, SimScenarioErrorTest, ::testing::ValuesIn(BadLines),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(SimScenarioTest, UnreadableFileStopsWithAMessage)
{
    const std::string path = Dir.filePath("missing.txt").toStdString();
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(Sim().StartScenario(path));
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(-1, Sim().ScenarioState());
    EXPECT_NE(std::string::npos, err.find(path + ": cannot read the scenario file")) << err;
    Tick();
}

TEST_F(SimScenarioTest, WindowsLineEndsAndUpperCaseStepsAreRead)
{
    ASSERT_TRUE(Start("PLACE Magenta\r\nUnplug\r\n"));
    Tick();
    EXPECT_EQ("magenta", Sim().PlacedPatch());
    EXPECT_NE(0, I1().IsConnected());
}

TEST_F(SimScenarioTest, ResetStopsARunningScenario)
{
    ASSERT_TRUE(Start("wait 100000\nunplug\n"));
    Tick();
    Sim().Reset();
    EXPECT_EQ(0, Sim().ScenarioState());
    Sim().AdvanceClock(100001);
    Tick();
    EXPECT_EQ(0, I1().IsConnected());
}

// --- the example session, played by a stand-in for the program -------------

// The program's call sequences for the start-up, the two dialogs and the
// measurement loop, with its 100 ms polls on the simulated clock.
class TProgramStandIn {
public:
    TProgramStandIn(TEntryPoints& i1, TSimControl& sim) : I1(i1), Sim(sim) {}

    bool PollForPress(int maxPolls = 1000)
    {
        for (int i = 0; i < maxPolls; ++i) {
            if (I1.KeyPressed() == 0)
                return true;
            Sim.AdvanceClock(100);
        }
        return false;
    }

    void WaitForRelease()
    {
        for (int i = 0; i < 100000 && I1.KeyPressed() == 0; ++i) {
        }
    }

    bool Startup()
    {
        Sim.AdvanceClock(1000);
        if (I1.IsConnected() != 0)
            return false;
        I1.GetOption("SerialNumber");
        for (auto [key, value] : {std::pair{"Colorimetric.Illumination", "D50"},
                                  {"Colorimetric.Observer", "TwoDegree"}, {"Colorimetric.WhiteBase", "Absolute"},
                                  {"Colorimetric.DensityStandard", "DIN"},
                                  {"Colorimetric.DensityFilterMode", "Auto"},
                                  {"MeasurementMode", "SingleReflectance"}})
            if (I1.SetOption(key, value) != 0)
                break;
        I1.SetOption("Recognition", "no");
        // Calibration dialog.
        if (!PollForPress())
            return false;
        if (I1.SetOption("MeasurementMode", "SingleReflectance") == 0)
            Calibrated = I1.Calibrate() == 0;
        Sim.AdvanceClock(500);
        // Paper dialog (density reference paper white).
        if (!PollForPress())
            return false;
        float paper[36] = {};
        I1.SetOption("MeasurementMode", "SingleReflectance");
        I1.SetOption("Recognition", "no");
        I1.TriggerMeasurement();
        I1.GetSpectrum(paper, 0);
        I1.SetOption("Colorimetric.WhiteBase", "Paper");
        I1.SetSubstrate(paper);
        Sim.AdvanceClock(500);
        return true;
    }

    // One turn of the measurement loop on the Density page; false when no press came.
    bool MeasureDensity()
    {
        if (!PollForPress())
            return false;
        if (I1.TriggerMeasurement() == 0 && I1.GetNumberOfAvailableSamples() > 0) {
            I1.SetOption("Colorimetric.DensityStandard", "DIN");
            float d[4];
            int channel = -1;
            I1.GetDensities(d, &channel, 0);
            Channels.push_back(channel);
            Cyan.push_back(d[0]);
        }
        WaitForRelease();
        return true;
    }

    bool Calibrated = false;
    std::vector<int> Channels;
    std::vector<float> Cyan;

private:
    TEntryPoints& I1;
    TSimControl& Sim;
};

TEST_F(SimScenarioTest, ExampleSessionCalibratesMeasuresPaperAndSixPatches)
{
    ASSERT_TRUE(Sim().StartScenario(KV_SIM_EXAMPLE_SESSION)) << Sim().ScenarioMessage();
    TProgramStandIn program(I1(), Sim());
    ::testing::internal::CaptureStderr();   // the session's "say" lines
    ASSERT_TRUE(program.Startup());
    while (program.MeasureDensity()) {
    }
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(program.Calibrated);
    EXPECT_EQ(1, Sim().CallCount("I1_SetSubstrate"));
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 0, 1}), program.Channels);
    ASSERT_EQ(6u, program.Cyan.size());
    EXPECT_GT(program.Cyan[0], 1.2f);   // relative to the paper
    EXPECT_LT(program.Cyan[0], 1.6f);
    EXPECT_EQ(2, Sim().ScenarioState());
    EXPECT_NE(std::string::npos, said.find("session done")) << said;
}

}
