// The ICC conversion page inside the real main window: presses of the
// simulated instrument's button reach the page through the measurement loop,
// the chosen profile goes through the settings file from one start to the
// next, and a saved profile that is gone or no output profile converts
// nothing.
#include "MainFormSupport.h"
#include "ProfileFixtures.h"

#include "CMS.h"
#include "ColorCalc.h"
#include "ICCPage.h"
#include "OutputProfile.h"
#include "PageControl.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include <array>
#include <string>
#include <vector>

using namespace cmstest;

namespace {

using TAct = TOperator::TAct;
using TTexts4 = std::array<QString, 4>;
using TTexts3 = std::array<QString, 3>;
const TTexts4 NoDeviceValues = {"0", "0", "0", "0"};
const TTexts3 NoLabValues = {"0.00", "0.00", "0.00"};
constexpr int Perceptual = 0, RelativeColorimetric = 1, AbsoluteColorimetric = 3;

class IccMainWindow : public CLocaleMainWindow {
protected:
    // A start of the program with the instrument there: the settings file
    // (absolute density reference, so no paper is asked for, and `lines`),
    // the window, the calibration pressed through, the loop running.
    void Start(const QByteArray& lines = {})
    {
        Config = ConfigType{};
        WriteSettings("Density reference=0\n" + lines);
        StartAgain();
    }

    // The next start with the settings file the last window left.
    void StartAgain()
    {
        Form.reset();
        Config = ConfigType{};
        Operator.Calibration.push_back(TAct::Press);
        Create();
        Page().ChooseProfilePath = [this](const QString& folder, const QString& filter) {
            ++ChooserCalls;
            ChooserFolder = folder;
            ChooserFilter = filter;
            return NextChoice;
        };
        Startup();
        ASSERT_TRUE(Form->Timer->isActive());
        ASSERT_EQ(Operator.Stuck, 0);
    }

    TICCPage& Page() { return *Form->ICC; }

    void ShowIccPage()
    {
        Form->V.PGC1->SetCurrentIndex(1);
        Form->V.PGC2->SetCurrentIndex(4);
    }

    // The operator presses "Profile" and picks `path` (empty: cancels).
    void Choose(const QString& path)
    {
        NextChoice = path;
        Page().SelICCbtn->click();
    }

    // The patch under the instrument, one press, one turn of the loop.
    void Measure(const std::string& patch)
    {
        ASSERT_TRUE(Sim.PlacePatch(patch)) << patch;
        Handlers.clear();
        PressAndTurn();
        EXPECT_EQ(Handlers, std::vector<std::string>{"MeasureICCPage"}) << patch;
    }

    TData LabOf(const std::string& patch, TIlluminant illuminant)
    {
        TData record(PatchSpectrum(patch));
        CalcColorValues(record, TColorSpace::CIELAB, illuminant, CurObserver);
        return record;
    }

    static TTexts3 LabTexts(const TData& lab)
    {
        return {QString::asprintf("%2.2f", lab.Coord[0]), QString::asprintf("%2.2f", lab.Coord[1]),
                QString::asprintf("%2.2f", lab.Coord[2])};
    }

    // The percentages of a record's Lab values through `profile`.
    static TTexts4 PercentagesOf(const TData& lab, int intent, const QString& profile = GhostscriptCmyk)
    {
        const auto device = LabToDevice(profile, lab.Coord[0], lab.Coord[1], lab.Coord[2], intent);
        EXPECT_TRUE(device.has_value());
        TTexts4 texts;
        for (int i = 0; i < 4; ++i)
            texts[std::size_t(i)] = QString::number(device ? DevicePercent((*device)[std::size_t(i)]) : -1);
        return texts;
    }

    TTexts4 DeviceTexts() { return {Page().CCs->text(), Page().MMs->text(), Page().YYs->text(), Page().KKs->text()}; }
    TTexts3 ShownLab() { return {Page().ICCLl->text(), Page().ICCal->text(), Page().ICCbl->text()}; }
    static QColor Fill(const QFrame* swatch) { return swatch->palette().color(QPalette::Window); }
    static QColor Outline(const QFrame* swatch) { return swatch->palette().color(QPalette::WindowText); }

    // The "Profile name" line of the settings file, empty when there is none.
    QString SavedProfileLine() const
    {
        for (const QString& line : ReadSettings().split(QLatin1Char('\n')))
            if (line.startsWith(QLatin1String("Profile name=")))
                return line.trimmed();
        return {};
    }

    QTemporaryDir Profiles;
    QString NextChoice;
    QString ChooserFolder, ChooserFilter;
    int ChooserCalls = 0;
};

}  // namespace

TEST_F(IccMainWindow, APressOnThePageMeasuresThereAndShowsLabWithoutDeviceValuesBeforeAProfile)
{
    Start();
    // The page lives in the window's fifth spectro page, found by its names.
    ASSERT_NE(Form->ICC, nullptr);
    EXPECT_EQ(Form->findChild<QPushButton*>("SelICCbtn"), Page().SelICCbtn);
    EXPECT_EQ(Form->findChild<QLabel*>("CCs"), Page().CCs);
    EXPECT_TRUE(Form->V.SpectroPages[4]->isAncestorOf(Page().SelICCbtn));
    EXPECT_TRUE(Form->V.SpectroPages[4]->isAncestorOf(Page().ICCSh1));
    EXPECT_EQ(Page().ProfileL->text(), "None");
    EXPECT_EQ(Page().ProfileDL->text(), "");
    EXPECT_EQ(Page().IntentCB->currentIndex(), RelativeColorimetric);

    ShowIccPage();
    const QColor outline = Outline(Page().ICCSh1);
    Measure("red");
    const TData red = LabOf("red", TIlluminant::D50);
    EXPECT_EQ(ShownLab(), LabTexts(red));
    const TScreenColor screen = LabToScreen(red.Coord[0], red.Coord[1], red.Coord[2]);
    for (const QFrame* swatch : {Page().ICCSh1, Page().ICCSh2}) {
        EXPECT_EQ(Fill(swatch), QColor(screen.R, screen.G, screen.B));
        EXPECT_EQ(Outline(swatch), outline);
    }
    EXPECT_GT(screen.R, 150);  // a red, really
    EXPECT_EQ(DeviceTexts(), NoDeviceValues);

    // A press on another spectro page is not this page's.
    Form->V.PGC2->SetCurrentIndex(3);
    Sim.PlacePatch("blue");
    Handlers.clear();
    PressAndTurn();
    EXPECT_EQ(Handlers, std::vector<std::string>{"MeasureSpectroPage"});
    EXPECT_EQ(ShownLab(), LabTexts(red));
}

// With the illuminant of the settings D50 and A: the shown Lab values are
// always those under D50, the printer values those under the current one.
TEST_F(IccMainWindow, ACmykOutputProfileGivesThePrinterValuesOfTheMeasuredPatchForEachIntent)
{
    struct TCase {
        const char* Setting;
        TIlluminant Illuminant;
    };
    for (const TCase& c : {TCase{"Illuminant=2\n", TIlluminant::D50}, TCase{"Illuminant=0\n", TIlluminant::A}}) {
        SCOPED_TRACE(c.Setting);
        ChooserCalls = 0;
        Start(c.Setting);
        ASSERT_EQ(CurIlluminant, c.Illuminant);
        ShowIccPage();
        Choose(GhostscriptCmyk);
        EXPECT_EQ(ChooserCalls, 1);
        EXPECT_EQ(ChooserFolder, ExeFolder());
        EXPECT_TRUE(ChooserFilter.contains("*.icc") && ChooserFilter.contains("*.icm")) << ChooserFilter.toStdString();
        EXPECT_EQ(Page().ProfileL->text(), "default_cmyk.icc");
        EXPECT_EQ(Page().ProfileDL->text(), "Artifex CMYK SWOP Profile");
        EXPECT_EQ(Config.ProfileName, GhostscriptCmyk.toStdString());
        // The window's records are still empty: the choice converts nothing.
        EXPECT_EQ(DeviceTexts(), NoDeviceValues);

        const TData underD50 = LabOf("blue", TIlluminant::D50);
        const TData underCurrent = LabOf("blue", c.Illuminant);
        Page().IntentCB->setCurrentIndex(Perceptual);
        Measure("blue");
        const TTexts4 perceptual = DeviceTexts();
        EXPECT_EQ(perceptual, PercentagesOf(underCurrent, Perceptual));
        EXPECT_EQ(ShownLab(), LabTexts(underD50));
        // Cyan and magenta make the blue, with little yellow.
        EXPECT_GE(perceptual[0].toInt(), 80);
        EXPECT_GE(perceptual[1].toInt(), 80);
        EXPECT_LE(perceptual[2].toInt(), 30);

        // A new intent converts the window's records, still empty: the values
        // shown stay until the next measurement.
        Page().IntentCB->setCurrentIndex(AbsoluteColorimetric);
        EXPECT_EQ(DeviceTexts(), perceptual);
        Measure("blue");
        const TTexts4 absolute = DeviceTexts();
        EXPECT_EQ(absolute, PercentagesOf(underCurrent, AbsoluteColorimetric));
        EXPECT_NE(absolute, perceptual);
        if (c.Illuminant != TIlluminant::D50) {
            EXPECT_NE(absolute, PercentagesOf(underD50, AbsoluteColorimetric));
        }

        // With a compared record in the window the intent moves the values at once.
        Form->MeasureData()->Spectrum = PatchSpectrum("blue");
        Page().IntentCB->setCurrentIndex(Perceptual);
        EXPECT_EQ(DeviceTexts(), perceptual);
        Form.reset();
    }
}

TEST_F(IccMainWindow, ProfilesThatAreNoCmykOutputProfilesLeaveTheChosenOneInForce)
{
    ASSERT_TRUE(Profiles.isValid());
    Start();
    ShowIccPage();
    Choose(GhostscriptCmyk);
    Measure("blue");
    const TTexts4 shown = DeviceTexts();
    ASSERT_NE(shown, NoDeviceValues);

    const std::vector<std::pair<const char*, QString>> refused = {
        {"RGB display profile", FreeSrgb},
        {"the generated display profile", GeneratedDisplayProfile},
        {"CMYK input profile", ReclassedCopy(Profiles, GhostscriptCmyk, "input.icc", cmsSigInputClass)},
        {"zero bytes", WriteFile(Profiles, "empty.icc", QByteArray())},
        {"a folder", Profiles.path()},
        {"cancelled", QString()},
    };
    for (const auto& [what, path] : refused) {
        Choose(path);
        EXPECT_EQ(Page().ProfileL->text(), "default_cmyk.icc") << what;
        EXPECT_EQ(Page().ProfileDL->text(), "Artifex CMYK SWOP Profile") << what;
        EXPECT_EQ(Config.ProfileName, GhostscriptCmyk.toStdString()) << what;
        EXPECT_EQ(DeviceTexts(), shown) << what;
    }
    Measure("blue");
    EXPECT_EQ(DeviceTexts(), shown);
    Form.reset();
    EXPECT_EQ(SavedProfileLine(), "Profile name=" + GhostscriptCmyk);
}

TEST_F(IccMainWindow, TheChosenProfileIsSavedAtCloseAndShownAtTheNextStart)
{
    ASSERT_TRUE(Profiles.isValid());
    // A name with blanks and letters outside ASCII, to go through the file intact.
    const QString name = QStringLiteral("Presse \u00e9t\u00e9 SWOP.icc");
    const QString path = WriteFile(Profiles, name, ReadAll(GhostscriptCmyk));
    Start();
    ShowIccPage();
    Choose(path);
    ASSERT_EQ(Page().ProfileL->text(), name);
    Page().IntentCB->setCurrentIndex(AbsoluteColorimetric);

    Form.reset();
    EXPECT_EQ(SavedProfileLine(), "Profile name=" + path);

    StartAgain();
    EXPECT_EQ(Config.ProfileName, path.toStdString());
    EXPECT_EQ(Page().ProfileL->text(), name);
    EXPECT_EQ(Page().ProfileDL->text(), "Artifex CMYK SWOP Profile");
    EXPECT_EQ(Page().IntentCB->currentIndex(), RelativeColorimetric);  // the intent is not kept
    ShowIccPage();
    Measure("blue");
    EXPECT_EQ(DeviceTexts(), PercentagesOf(LabOf("blue", TIlluminant::D50), RelativeColorimetric, path));
    EXPECT_NE(DeviceTexts(), NoDeviceValues);
}

// The settings name a file that is gone or no CMYK output profile: the
// start shows "None", a measurement shows Lab and no printer values, and
// the setting itself is kept for the operator to see in the file.
TEST_F(IccMainWindow, ASavedProfileThatGivesNoProfileShowsNoneAndNoDeviceValues)
{
    ASSERT_TRUE(Profiles.isValid());
    const QString vanished = WriteFile(Profiles, "vanished.icc", ReadAll(GhostscriptCmyk));
    ASSERT_TRUE(QFile::remove(vanished));
    const QByteArray cmyk = ReadAll(GhostscriptCmyk);
    const std::vector<std::pair<const char*, QString>> saved = {
        {"file gone", vanished},
        {"RGB display profile", FreeSrgb},
        {"zero bytes", WriteFile(Profiles, "empty.icc", QByteArray())},
        {"truncated", WriteFile(Profiles, "cut.icc", cmyk.left(cmyk.size() / 3))},
        {"a folder", Profiles.path()},
    };
    const TData red = LabOf("red", TIlluminant::D50);
    for (const auto& [what, path] : saved) {
        SCOPED_TRACE(what);
        Start("Profile name=" + path.toUtf8() + "\n");
        EXPECT_EQ(Config.ProfileName, path.toStdString());
        EXPECT_EQ(Page().ProfileL->text(), "None");
        EXPECT_EQ(Page().ProfileDL->text(), "");
        ShowIccPage();
        Measure("red");
        EXPECT_EQ(ShownLab(), LabTexts(red));
        EXPECT_EQ(DeviceTexts(), NoDeviceValues);
        Form->MeasureData()->Spectrum = PatchSpectrum("red");
        Page().IntentCB->setCurrentIndex(AbsoluteColorimetric);
        EXPECT_EQ(DeviceTexts(), NoDeviceValues);
        Form.reset();
        EXPECT_EQ(SavedProfileLine(), "Profile name=" + path);
    }
}

TEST_F(IccMainWindow, CalibrationNeededOnThePageRunsTheStartUpAgain)
{
    Operator.Calibration = {TAct::Press};  // and one more for the start below
    Start();
    ShowIccPage();
    Choose(GhostscriptCmyk);
    Measure("blue");
    const TTexts3 lab = ShownLab();
    const TTexts4 device = DeviceTexts();
    ASSERT_EQ(Sim.CallCount("I1_Calibrate"), 1);

    Sim.NeedCalibration();
    Sim.ClearCallLog();
    Measure("red");
    EXPECT_TRUE(Form->TimerS->isActive());
    EXPECT_EQ(Sim.CallCount("I1_GetSpectrum"), 0);
    EXPECT_EQ(ShownLab(), lab);
    EXPECT_EQ(DeviceTexts(), device);

    // A second later the start-up runs: search, defaults, calibration.
    ASSERT_TRUE(WaitUntil([&] { return Sim.CallCount("I1_Calibrate") == 1 && Form->Timer->isActive(); }));
    EXPECT_FALSE(Form->TimerS->isActive());
    EXPECT_EQ(Operator.Stuck, 0);
    ShowIccPage();
    Measure("red");
    EXPECT_EQ(ShownLab(), LabTexts(LabOf("red", TIlluminant::D50)));
    EXPECT_EQ(Page().ProfileL->text(), "default_cmyk.icc");
    EXPECT_NE(DeviceTexts(), device);
}

TEST_F(IccMainWindow, TheMeasurementLeavesTheWindowsRecordsAlone)
{
    Start();
    ShowIccPage();
    Choose(GhostscriptCmyk);
    TData* sample = Form->SampleData();
    TData* measure = Form->MeasureData();
    sample->Spectrum = PatchSpectrum("red");
    measure->Spectrum = PatchSpectrum("green");
    CalcDeltaE(*sample, *measure, TColorSpace::CIELAB, CurIlluminant, CurObserver);
    const std::vector<double> sampleBefore = Fields(*sample), measureBefore = Fields(*measure);

    Measure("blue");
    EXPECT_NE(DeviceTexts(), NoDeviceValues);
    EXPECT_EQ(Form->SampleData(), sample);
    EXPECT_EQ(Form->MeasureData(), measure);
    EXPECT_EQ(Fields(*sample), sampleBefore);
    EXPECT_EQ(Fields(*measure), measureBefore);
}
