// The driver binding and the instrument operations against the simulated
// instrument: the Control key, the chain of default options, calibration,
// a missing library, a library lacking entry points, and bad answers.
#include "Eye1lib.h"
#include "EyeOne.h"

#include "SimControl.h"

#include <QGuiApplication>
#include <QString>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

class Instrument : public ::testing::Test {
protected:
    void SetUp() override
    {
        Sim.Reset();
        EyeOne::SetLibraryName("EYEONE");
        ASSERT_TRUE(EyeOne::LoadInstrumentLibrary());
        ControlKeyHeld = [] { return false; };
        InstrumentConnected = false;
        InstrumentSerial.clear();
        Sim.ClearCallLog();
    }
    void TearDown() override
    {
        EyeOne::FreeInstrumentLibrary();
        EyeOne::SetLibraryName("EYEONE");
    }
    std::vector<std::string> SetOptions()
    {
        std::vector<std::string> sent;
        for (const std::string& line : Sim.CallLines())
            if (line.rfind("I1_SetOption ", 0) == 0)
                sent.push_back(line.substr(13));
        return sent;
    }
    TSimControl Sim;
};

TEST_F(Instrument, ControlHeldMeansNoInstrumentWithoutAnyLibraryCall)
{
    InstrumentSerial = "kept";
    InstrumentConnected = true;
    ControlKeyHeld = [] { return true; };
    EXPECT_EQ(CheckInstrument(), ResultNoInstrument);
    EXPECT_EQ(Sim.CallLog(), "");
    EXPECT_EQ(InstrumentSerial, "kept");
    EXPECT_TRUE(InstrumentConnected);
}

TEST_F(Instrument, FoundReadsTheSerialNumber)
{
    EXPECT_EQ(CheckInstrument(), 0);
    EXPECT_TRUE(InstrumentConnected);
    EXPECT_FALSE(InstrumentSerial.empty());
    EXPECT_EQ(Sim.CallLines(), (std::vector<std::string>{"I1_IsConnected", "I1_GetOption SerialNumber"}));
}

TEST_F(Instrument, UnpluggedStillAsksForTheSerialNumber)
{
    Sim.Unplug();
    Sim.SetOptionAnswer("SerialNumber", "none");
    EXPECT_EQ(CheckInstrument(), ResultNoInstrument);
    EXPECT_FALSE(InstrumentConnected);
    EXPECT_EQ(InstrumentSerial, "none");
}

struct TChainCase {
    const char* RefusingKey;  // nullptr: every option accepted
    int Code;
    std::vector<std::string> Sent;
};

TEST_F(Instrument, DefaultOptionsStopAtTheFirstRefusalButAlwaysSendRecognition)
{
    const std::string ill = "Colorimetric.Illumination=D50", obs = "Colorimetric.Observer=TwoDegree",
                      wb = "Colorimetric.WhiteBase=Absolute", ds = "Colorimetric.DensityStandard=DIN",
                      fm = "Colorimetric.DensityFilterMode=Auto", mm = "MeasurementMode=SingleReflectance",
                      rec = "Recognition=no";
    const TChainCase cases[] = {
        {nullptr, 0, {ill, obs, wb, ds, fm, mm, rec}},
        {"Colorimetric.Illumination", 7, {ill, rec}},
        {"Colorimetric.Observer", 12, {ill, obs, rec}},
        {"Colorimetric.WhiteBase", 3, {ill, obs, wb, rec}},
        {"Colorimetric.DensityStandard", -1, {ill, obs, wb, ds, rec}},
        {"Colorimetric.DensityFilterMode", 2, {ill, obs, wb, ds, fm, rec}},
        {"MeasurementMode", 44, {ill, obs, wb, ds, fm, mm, rec}},
        {"Recognition", 9, {ill, obs, wb, ds, fm, mm, rec}},  // its answer is ignored
    };
    for (const TChainCase& c : cases) {
        Sim.Reset();
        if (c.RefusingKey)
            Sim.RefuseOption(c.RefusingKey, c.Code);
        Sim.ClearCallLog();
        const int expected = c.RefusingKey && std::string(c.RefusingKey) != "Recognition" ? c.Code : 0;
        EXPECT_EQ(SetDefaultOptions(), expected) << (c.RefusingKey ? c.RefusingKey : "none");
        EXPECT_EQ(SetOptions(), c.Sent) << (c.RefusingKey ? c.RefusingKey : "none");
    }
}

TEST_F(Instrument, CalibrationNeedsTheMeasurementModeFirst)
{
    EXPECT_EQ(CalibrateInstrument(), 0);
    EXPECT_EQ(Sim.CallLines(), (std::vector<std::string>{"I1_SetOption MeasurementMode=SingleReflectance", "I1_Calibrate"}));

    Sim.ClearCallLog();
    Sim.SetCalibrateResult(6);
    EXPECT_EQ(CalibrateInstrument(), 6);

    Sim.ClearCallLog();
    Sim.RefuseOption("MeasurementMode", 21);
    EXPECT_EQ(CalibrateInstrument(), 21);
    EXPECT_EQ(Sim.CallCount("I1_Calibrate"), 0);
}

TEST_F(Instrument, OperationsNeverChangeTheCursorForGood)
{
    CheckInstrument();
    CalibrateInstrument();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(NoLibrary, EveryCallAnswersSafely)
{
    EyeOne::FreeInstrumentLibrary();
    EyeOne::SetLibraryName("EYEONE_that_does_not_exist");
    EXPECT_FALSE(EyeOne::LoadInstrumentLibrary());
    EXPECT_FALSE(EyeOne::IsLoaded());
    ControlKeyHeld = [] { return false; };
    EXPECT_EQ(CheckInstrument(), ResultNoInstrument);
    EXPECT_EQ(SetDefaultOptions(), ResultNoInstrument);
    EXPECT_EQ(CalibrateInstrument(), ResultNoInstrument);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    EXPECT_NE(EyeOne::I1_IsConnected(), 0);
    EXPECT_NE(EyeOne::I1_KeyPressed(), 0);
    EXPECT_NE(EyeOne::I1_Calibrate(), 0);
    EXPECT_NE(EyeOne::I1_TriggerMeasurement(), 0);
    EXPECT_NE(EyeOne::I1_TriggerMeasurement(), 3);
    EXPECT_LE(EyeOne::I1_GetNumberOfAvailableSamples(), 0);
    EXPECT_NE(EyeOne::I1_SetOption("Colorimetric.WhiteBase", "Absolute"), 0);
    EXPECT_EQ(EyeOne::I1_GetOption("SerialNumber"), "");
    float spectrum[36];
    for (float& v : spectrum)
        v = 0.25f;
    EyeOne::I1_GetSpectrum(spectrum, 0);
    EyeOne::I1_SetSubstrate(spectrum);
    for (float v : spectrum)
        EXPECT_EQ(v, 0.25f);
    float d[4] = {1, 2, 3, 4};
    int channel = 2;
    EXPECT_FALSE(EyeOne::I1_GetDensities(d, channel, 0));
    EXPECT_EQ(channel, 2);
    EXPECT_EQ(d[3], 4.0f);
    EyeOne::FreeInstrumentLibrary();  // twice is harmless
    EyeOne::SetLibraryName("EYEONE");
}

TEST(PartialLibrary, MissingEntryPointsAnswerSafely)
{
    const QString path = QStringLiteral(KV_SIM_DIR "/partial/libEYEONE.so");
    TSimControl partial(path);
    partial.Reset();
    EyeOne::FreeInstrumentLibrary();
    EyeOne::SetLibraryName(path);
    ASSERT_TRUE(EyeOne::LoadInstrumentLibrary());
    ControlKeyHeld = [] { return false; };
    EXPECT_EQ(CheckInstrument(), 0);  // what is there still works
    EXPECT_EQ(SetDefaultOptions(), 0);
    EXPECT_EQ(EyeOne::I1_TriggerMeasurement(), 0);
    float spectrum[36] = {};
    spectrum[5] = 0.5f;
    EyeOne::I1_GetSpectrum(spectrum, 0);
    EXPECT_EQ(spectrum[5], 0.5f);
    EyeOne::I1_SetSubstrate(spectrum);
    float d[4] = {};
    int channel = 0;
    EXPECT_FALSE(EyeOne::I1_GetDensities(d, channel, 0));
    EXPECT_EQ(partial.CallCount("I1_GetDensities"), 0);
    EyeOne::FreeInstrumentLibrary();
    EyeOne::SetLibraryName("EYEONE");
}

TEST_F(Instrument, ANullOptionTextBecomesEmpty)
{
    Sim.SetBadAnswer(I1SimBadNullOption);
    EXPECT_EQ(EyeOne::I1_GetOption("Version"), "");
    EXPECT_EQ(CheckInstrument(), 0);
    EXPECT_EQ(InstrumentSerial, "");
    EXPECT_EQ(EyeOne::I1_GetOption(nullptr), "");
}

struct TBadDensityCase {
    int Kind;
    bool Usable;
};

TEST_F(Instrument, BadDensitiesAreFlaggedAndMadeHarmless)
{
    const TBadDensityCase cases[] = {
        {I1SimBadNaNDensity, false},
        {I1SimBadInfiniteDensity, false},
        {I1SimBadNegativeDensity, true},  // a real (if odd) reading
        {I1SimBadChannelOutOfRange, false},
    };
    for (const TBadDensityCase& c : cases) {
        Sim.Reset();
        Sim.PlacePatch("cyan");
        Sim.SetBadAnswer(c.Kind);
        for (int call = 0; call < 2; ++call) {  // the channel case differs between calls
            ASSERT_EQ(EyeOne::I1_TriggerMeasurement(), 0);
            float d[4] = {-7, -7, -7, -7};
            int channel = -7;
            EXPECT_EQ(EyeOne::I1_GetDensities(d, channel, 0), c.Usable) << c.Kind;
            EXPECT_GE(channel, 0) << c.Kind;
            EXPECT_LE(channel, 3) << c.Kind;
            for (float v : d)
                EXPECT_TRUE(std::isfinite(v)) << c.Kind;
        }
    }
}

TEST_F(Instrument, BadSpectraAreMadeFinite)
{
    for (int kind : {I1SimBadNaNSpectrum, I1SimBadInfiniteSpectrum, I1SimBadNegativeSpectrum}) {
        Sim.Reset();
        Sim.SetBadAnswer(kind);
        ASSERT_EQ(EyeOne::I1_TriggerMeasurement(), 0);
        float s[36];
        EyeOne::I1_GetSpectrum(s, 0);
        for (float v : s)
            EXPECT_TRUE(std::isfinite(v)) << kind;
    }
}

TEST_F(Instrument, GoodReadingsPassUnchanged)
{
    Sim.PlacePatch("magenta");
    ASSERT_EQ(EyeOne::I1_TriggerMeasurement(), 0);
    float d[4] = {};
    int channel = -1;
    EXPECT_TRUE(EyeOne::I1_GetDensities(d, channel, 0));
    EXPECT_EQ(channel, 1);
    EXPECT_GT(d[1], d[0]);
    float s[36] = {};
    EyeOne::I1_GetSpectrum(s, 0);
    const auto expected = Sim.PatchSpectrum("magenta");
    ASSERT_TRUE(expected.has_value());
    for (int i = 0; i < 36; ++i)
        EXPECT_FLOAT_EQ(s[i], (*expected)[i]);
}

TEST(ExeFolder, EndsInASeparatorAndCanBeReplaced)
{
    SetExeFolderOverride(QString());
    const QString real = ExeFolder();
    EXPECT_TRUE(real.endsWith('/'));
    EXPECT_EQ(real, QCoreApplication::applicationDirPath() + "/");
    SetExeFolderOverride("/tmp/some/where");
    EXPECT_EQ(ExeFolder(), "/tmp/some/where/");
    SetExeFolderOverride("/tmp/some/where/");
    EXPECT_EQ(ExeFolder(), "/tmp/some/where/");
    SetExeFolderOverride(QString());
    qputenv("KELVORA_EXE_FOLDER", "/tmp/from-env");
    EXPECT_EQ(ExeFolder(), "/tmp/from-env/");
    qunsetenv("KELVORA_EXE_FOLDER");
    EXPECT_EQ(ExeFolder(), real);
}

}  // namespace
