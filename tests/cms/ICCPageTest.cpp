// The ICC conversion page, driven through its real widgets with a small fake
// main window and the simulated instrument.
#include "ICCPage.h"
#include "InstrumentFixture.h"
#include "ProfileFixtures.h"

#include "CMS.h"
#include "ColorCalc.h"
#include "Config.h"
#include "Eye1lib.h"
#include "EyeOne.h"
#include "PageHost.h"
#include "TData.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

using namespace cmstest;

namespace {

class TFakeHost : public TPageHost {
public:
    void EnableStartupTimer() override { ++StartupTimerEnabled; }
    void SetBlinkShape(QWidget*) override {}
    void FocusDummy() override { ++FocusReturned; }
    TData* SampleData() override { return &Sample; }
    TData* MeasureData() override { return &Measure; }

    TData Sample{EmptySpectrum};
    TData Measure{EmptySpectrum};
    int StartupTimerEnabled = 0;
    int FocusReturned = 0;
};

using TTexts4 = std::array<QString, 4>;
using TTexts3 = std::array<QString, 3>;
const TTexts4 NoDeviceValues = {"0", "0", "0", "0"};

TSpectrum ToSpectrum(const TSimControl::TSpectrum& floats)
{
    TSpectrum s{};
    for (int i = 0; i < SpectrumSize; ++i)
        s[std::size_t(i)] = floats[std::size_t(i)];
    return s;
}

class ICCPage : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitColorManagement(); }

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        Sim = LoadSimulator();
        ASSERT_NE(Sim, nullptr);
        Config.ProfileName.clear();
        CurIlluminant = TIlluminant::D50;
        CurObserver = TObserver::Obs2;
        QLocale::setDefault(QLocale::c());
        MakePage();
    }

    void TearDown() override
    {
        icc.reset();
        page.reset();
        Config.ProfileName.clear();
        CurIlluminant = TIlluminant::D50;
        QLocale::setDefault(QLocale::c());
    }

    void MakePage()
    {
        icc.reset();
        page = std::make_unique<QWidget>();
        page->resize(600, 420);
        icc = std::make_unique<TICCPage>(host, page.get());
        icc->ChooseProfilePath = [this](const QString& folder, const QString& filter) {
            ++chooserCalls;
            chooserFolder = folder;
            chooserFilter = filter;
            return nextChoice;
        };
        icc->InitControls();
    }

    // The operator presses "Profile" and picks `path` (empty: cancels).
    void Choose(const QString& path)
    {
        nextChoice = path;
        icc->SelICCbtn->click();
    }

    void Measure(const std::string& patch)
    {
        ASSERT_TRUE(Sim->PlacePatch(patch)) << patch;
        icc->MeasureICCPage();
    }

    TSpectrum PatchSpectrum(const std::string& patch)
    {
        const auto s = Sim->PatchSpectrum(patch);
        EXPECT_TRUE(s.has_value()) << patch;
        return s ? ToSpectrum(*s) : EmptySpectrum;
    }

    TTexts4 DeviceTexts() const { return {icc->CCs->text(), icc->MMs->text(), icc->YYs->text(), icc->KKs->text()}; }
    TTexts3 LabTexts() const { return {icc->ICCLl->text(), icc->ICCal->text(), icc->ICCbl->text()}; }
    static QColor Fill(const QFrame* swatch) { return swatch->palette().color(QPalette::Window); }

    // The page's percentages computed here from a Lab triple.
    TTexts4 PercentagesOf(const TData& record, int intent) const
    {
        const auto device = LabToDevice(GhostscriptCmyk, record.Coord[0], record.Coord[1], record.Coord[2], intent);
        EXPECT_TRUE(device.has_value());
        TTexts4 texts;
        for (int i = 0; i < 4; ++i)
            texts[std::size_t(i)] = QString::number(device ? DevicePercent((*device)[std::size_t(i)]) : -1);
        return texts;
    }

    TSimControl* Sim = nullptr;
    QTemporaryDir folder;
    TFakeHost host;
    std::unique_ptr<QWidget> page;
    std::unique_ptr<TICCPage> icc;
    QString nextChoice;
    QString chooserFolder, chooserFilter;
    int chooserCalls = 0;
};

}  // namespace

TEST_F(ICCPage, StartsWithItsControlsAndTexts)
{
    EXPECT_EQ(icc->SelICCbtn->text(), "Profile");
    EXPECT_EQ(icc->ProfileL->text(), "None");
    EXPECT_EQ(icc->ProfileDL->text(), "");
    ASSERT_EQ(icc->IntentCB->count(), 4);
    const QStringList intents = {"PERCEPTUAL", "RELATIVE COLORIMETRIC", "SATURATION", "ABSOLUTE COLORIMETRIC"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(icc->IntentCB->itemText(i), intents[i]);
    EXPECT_EQ(icc->IntentCB->currentIndex(), 1);
    EXPECT_EQ(LabTexts(), (TTexts3{"0.00", "0.00", "0.00"}));
    EXPECT_EQ(DeviceTexts(), NoDeviceValues);

    for (const char* name : {"SelICCbtn", "ProfileL", "ProfileDL", "IntentCB", "ICCLl", "ICCal", "ICCbl", "ICCSh1",
                             "ICCSh2", "CCs", "MMs", "YYs", "KKs"})
        EXPECT_NE(page->findChild<QWidget*>(name), nullptr) << name;
    QStringList captions;
    for (const QLabel* label : page->findChildren<QLabel*>())
        captions << label->text();
    for (const char* caption : {"Description:", "Intent:", "L :", "a :", "b :", "C :", "M :", "Y :", "K :"})
        EXPECT_TRUE(captions.contains(caption)) << caption;

    // The panel, the swatches side by side, the values in bold navy.
    EXPECT_EQ(icc->Panel->palette().color(QPalette::Window), QColor("#EEEEEE"));
    page->show();
    for (const QFrame* swatch : {icc->ICCSh1, icc->ICCSh2}) {
        EXPECT_EQ(swatch->size(), QSize(80, 120));
        EXPECT_EQ(Fill(swatch), Fill(icc->ICCSh1));
        EXPECT_EQ(swatch->parentWidget(), icc->Panel);
    }
    EXPECT_EQ(qGray(Fill(icc->ICCSh1).rgb()), Fill(icc->ICCSh1).red());  // grey
    EXPECT_EQ(icc->ICCSh1->y(), icc->ICCSh2->y());
    EXPECT_GE(icc->ICCSh2->x(), icc->ICCSh1->x() + 80);
    for (const QLabel* value : {icc->ICCLl, icc->ICCal, icc->ICCbl, icc->CCs, icc->MMs, icc->YYs, icc->KKs}) {
        EXPECT_TRUE(value->font().bold()) << value->objectName().toStdString();
        EXPECT_EQ(value->palette().color(QPalette::WindowText), QColor("#000080"));
    }
    EXPECT_LT(icc->ICCLl->x(), icc->ICCSh1->x());
    EXPECT_GT(icc->CCs->x(), icc->ICCSh2->x());
}

TEST_F(ICCPage, BeforeAnyProfileAMeasurementShowsLabAndSwatchesOnly)
{
    Measure("red");
    TData expected(PatchSpectrum("red"));
    CalcColorValues(expected, TColorSpace::CIELAB, TIlluminant::D50, CurObserver);
    EXPECT_EQ(LabTexts(), (TTexts3{QString::asprintf("%2.2f", expected.Coord[0]),
                                   QString::asprintf("%2.2f", expected.Coord[1]),
                                   QString::asprintf("%2.2f", expected.Coord[2])}));
    const TScreenColor screen = LabToScreen(expected.Coord[0], expected.Coord[1], expected.Coord[2]);
    EXPECT_EQ(Fill(icc->ICCSh1), QColor(screen.R, screen.G, screen.B));
    EXPECT_EQ(Fill(icc->ICCSh2), QColor(screen.R, screen.G, screen.B));
    EXPECT_GT(screen.R, 150);  // a red, really
    EXPECT_EQ(DeviceTexts(), NoDeviceValues);
}

TEST_F(ICCPage, TheMeasurementAsksTheInstrumentInOrder)
{
    Sim->ClearCallLog();
    Measure("blue");
    const std::vector<std::string> want = {"I1_IsConnected", "I1_SetOption MeasurementMode=SingleReflectance",
                                           "I1_TriggerMeasurement", "I1_GetSpectrum"};
    EXPECT_EQ(Sim->CallLines(), want);
}

TEST_F(ICCPage, ChoosingACmykOutputProfileShowsItAndItsDeviceValues)
{
    host.Measure.Spectrum = PatchSpectrum("blue");
    Choose(GhostscriptCmyk);
    EXPECT_EQ(chooserCalls, 1);
    EXPECT_EQ(chooserFolder, ExeFolder());
    EXPECT_TRUE(chooserFilter.contains("*.icm") && chooserFilter.contains("*.icc")) << chooserFilter.toStdString();
    EXPECT_EQ(icc->ProfileL->text(), "default_cmyk.icc");
    EXPECT_EQ(icc->ProfileDL->text(), "Artifex CMYK SWOP Profile");
    EXPECT_EQ(Config.ProfileName, GhostscriptCmyk.toStdString());
    // The values of the compared record, the second one converted.
    EXPECT_EQ(DeviceTexts(), PercentagesOf(host.Measure, 1));
    EXPECT_NE(DeviceTexts(), NoDeviceValues);
}

TEST_F(ICCPage, CancellingTheChoiceChangesNothing)
{
    Choose(GhostscriptCmyk);
    Choose(QString());
    EXPECT_EQ(icc->ProfileL->text(), "default_cmyk.icc");
    EXPECT_EQ(Config.ProfileName, GhostscriptCmyk.toStdString());
}

TEST_F(ICCPage, ProfilesThatAreNoCmykOutputProfilesAreRefused)
{
    const QByteArray cmyk = ReadAll(GhostscriptCmyk);
    const std::vector<std::pair<const char*, QString>> refused = {
        {"RGB display profile", GeneratedDisplayProfile},
        {"RGB display profile (icc-profiles-free)", FreeSrgb},
        {"CMYK input profile", ReclassedCopy(folder, GhostscriptCmyk, "input.icc", cmsSigInputClass)},
        {"truncated profile", WriteFile(folder, "cut.icc", cmyk.left(cmyk.size() / 2))},
        {"not a profile", WriteFile(folder, "text.icc", "hello")},
        {"missing file", folder.filePath("missing.icc")},
    };
    // First with no profile chosen, then with one in force.
    for (const QString& before : {QString(), GhostscriptCmyk}) {
        MakePage();
        Config.ProfileName.clear();
        if (!before.isEmpty())
            Choose(before);
        host.Measure.Spectrum = PatchSpectrum("green");
        const QString name = icc->ProfileL->text(), description = icc->ProfileDL->text();
        const std::string setting = Config.ProfileName;
        const TTexts4 values = DeviceTexts();
        for (const auto& [what, path] : refused) {
            Choose(path);
            EXPECT_EQ(icc->ProfileL->text(), name) << what;
            EXPECT_EQ(icc->ProfileDL->text(), description) << what;
            EXPECT_EQ(Config.ProfileName, setting) << what;
            EXPECT_EQ(DeviceTexts(), values) << what;
        }
    }
}

TEST_F(ICCPage, IntentChangesMoveTheDeviceValuesOfASaturatedColour)
{
    Choose(GhostscriptCmyk);
    host.Measure.Spectrum = PatchSpectrum("blue");
    const int focusBefore = host.FocusReturned;

    icc->IntentCB->setCurrentIndex(0);
    const TTexts4 perceptual = DeviceTexts();
    EXPECT_EQ(perceptual, PercentagesOf(host.Measure, 0));
    icc->IntentCB->setCurrentIndex(3);
    const TTexts4 absolute = DeviceTexts();
    EXPECT_EQ(absolute, PercentagesOf(host.Measure, 3));
    EXPECT_NE(perceptual, absolute);
    EXPECT_EQ(host.FocusReturned, focusBefore + 2);  // focus back to the sink after each choice
}

TEST_F(ICCPage, IntentChangesDoNothingWithoutAProfile)
{
    host.Sample.Spectrum = PatchSpectrum("red");
    host.Measure.Spectrum = PatchSpectrum("blue");
    for (int intent : {0, 3, 2, 1})
        icc->IntentCB->setCurrentIndex(intent);
    EXPECT_EQ(DeviceTexts(), NoDeviceValues);
}

TEST_F(ICCPage, DeviceValuesUseTheCurrentIlluminantWhileLabAndSwatchesUseD50)
{
    Choose(GhostscriptCmyk);
    CurIlluminant = TIlluminant::A;
    Measure("blue");

    TData underD50(PatchSpectrum("blue"));
    CalcColorValues(underD50, TColorSpace::CIELAB, TIlluminant::D50, CurObserver);
    TData underA(PatchSpectrum("blue"));
    CalcColorValues(underA, TColorSpace::CIELAB, TIlluminant::A, CurObserver);

    EXPECT_EQ(LabTexts(), (TTexts3{QString::asprintf("%2.2f", underD50.Coord[0]),
                                   QString::asprintf("%2.2f", underD50.Coord[1]),
                                   QString::asprintf("%2.2f", underD50.Coord[2])}));
    const TScreenColor screen = LabToScreen(underD50.Coord[0], underD50.Coord[1], underD50.Coord[2]);
    EXPECT_EQ(Fill(icc->ICCSh1), QColor(screen.R, screen.G, screen.B));
    EXPECT_EQ(DeviceTexts(), PercentagesOf(underA, 1));
    EXPECT_NE(DeviceTexts(), PercentagesOf(underD50, 1));  // the two illuminants tell apart here
}

TEST_F(ICCPage, TheMeasurementLeavesSampleAndMeasureDataAlone)
{
    Choose(GhostscriptCmyk);
    host.Sample.Spectrum = PatchSpectrum("red");
    host.Measure.Spectrum = PatchSpectrum("green");
    CalcDeltaE(host.Sample, host.Measure, TColorSpace::CIELAB, CurIlluminant, CurObserver);
    const std::vector<double> sample = Fields(host.Sample), measure = Fields(host.Measure);

    CurIlluminant = TIlluminant::F11;
    Measure("blue");
    EXPECT_NE(DeviceTexts(), NoDeviceValues);
    EXPECT_EQ(Fields(host.Sample), sample);
    EXPECT_EQ(Fields(host.Measure), measure);
}

TEST_F(ICCPage, NoInstrumentNoMeasurement)
{
    Sim->Unplug();
    Sim->ClearCallLog();
    Measure("red");
    EXPECT_EQ(Sim->CallCount("I1_TriggerMeasurement"), 0);
    EXPECT_EQ(LabTexts(), (TTexts3{"0.00", "0.00", "0.00"}));
}

TEST_F(ICCPage, CalibrationNeededRunsTheStartUpAgain)
{
    Choose(GhostscriptCmyk);
    Sim->NeedCalibration();
    Sim->ClearCallLog();
    Measure("red");
    EXPECT_EQ(host.StartupTimerEnabled, 1);
    EXPECT_EQ(Sim->CallCount("I1_GetSpectrum"), 0);
    EXPECT_EQ(LabTexts(), (TTexts3{"0.00", "0.00", "0.00"}));
    EXPECT_EQ(DeviceTexts(), NoDeviceValues);
    EXPECT_EQ(Fill(icc->ICCSh1), QColor(0x80, 0x80, 0x80));
}

TEST_F(ICCPage, TheSavedProfileIsShownAtStartWhileItIsStillAnOutputProfile)
{
    const QString saved = WriteFile(folder, QStringLiteral("Presse \u00e9t\u00e9.icc"), ReadAll(GhostscriptCmyk));
    Config.ProfileName = saved.toStdString();
    MakePage();
    EXPECT_EQ(icc->ProfileL->text(), QStringLiteral("Presse \u00e9t\u00e9.icc"));
    EXPECT_EQ(icc->ProfileDL->text(), "Artifex CMYK SWOP Profile");
    EXPECT_EQ(icc->IntentCB->currentIndex(), 1);
    Measure("red");
    EXPECT_NE(DeviceTexts(), NoDeviceValues);

    // An RGB profile saved by hand is not shown, and converts nothing.
    Config.ProfileName = FreeSrgb.toStdString();
    MakePage();
    EXPECT_EQ(icc->ProfileL->text(), "None");
    EXPECT_EQ(icc->ProfileDL->text(), "");
    Measure("red");
    EXPECT_EQ(DeviceTexts(), NoDeviceValues);
}

// The setting still names the file; it is not lost, but nothing converts
// through a file that is gone.
TEST_F(ICCPage, ASavedProfileThatVanishedShowsNoneAndNoDeviceValues)
{
    const QString saved = WriteFile(folder, "press.icc", ReadAll(GhostscriptCmyk));
    Config.ProfileName = saved.toStdString();
    MakePage();
    Measure("red");
    const TTexts4 shown = DeviceTexts();
    EXPECT_NE(shown, NoDeviceValues);

    QFile::remove(saved);
    Measure("blue");  // the page still shows the profile; its file went away meanwhile
    EXPECT_EQ(DeviceTexts(), shown);
    TData blue(PatchSpectrum("blue"));
    CalcColorValues(blue, TColorSpace::CIELAB, TIlluminant::D50, CurObserver);
    EXPECT_EQ(icc->ICCLl->text(), QString::asprintf("%2.2f", blue.Coord[0]));

    MakePage();  // next start
    EXPECT_EQ(icc->ProfileL->text(), "None");
    EXPECT_EQ(icc->ProfileDL->text(), "");
    EXPECT_EQ(Config.ProfileName, saved.toStdString());
    Measure("red");
    EXPECT_EQ(DeviceTexts(), NoDeviceValues);
    icc->IntentCB->setCurrentIndex(3);
    EXPECT_EQ(DeviceTexts(), NoDeviceValues);
}

TEST_F(ICCPage, ARecordWithoutLightnessLeavesTheValuesShown)
{
    Choose(GhostscriptCmyk);
    Measure("blue");
    const TTexts4 shown = DeviceTexts();
    TData empty(EmptySpectrum);
    icc->ShowDeviceValues(&empty);
    icc->ShowDeviceValues(nullptr);
    EXPECT_EQ(DeviceTexts(), shown);
    // After a new choice the values are those of the compared record; an
    // empty one leaves those of the reference.
    host.Sample.Spectrum = PatchSpectrum("green");
    icc->IntentCB->setCurrentIndex(0);
    EXPECT_EQ(DeviceTexts(), PercentagesOf(host.Sample, 0));
}

TEST_F(ICCPage, LabValuesUseTheLocaleDecimalSeparator)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Measure("blue");
    TData blue(PatchSpectrum("blue"));
    CalcColorValues(blue, TColorSpace::CIELAB, TIlluminant::D50, CurObserver);
    EXPECT_EQ(icc->ICCal->text(), QString::asprintf("%2.2f", blue.Coord[1]).replace('.', ','));
}

TEST_F(ICCPage, RetranslatingKeepsTheShownProfileAndIntent)
{
    Choose(GhostscriptCmyk);
    icc->IntentCB->setCurrentIndex(2);
    icc->Retranslate();
    EXPECT_EQ(icc->ProfileL->text(), "default_cmyk.icc");
    EXPECT_EQ(icc->IntentCB->currentIndex(), 2);
    EXPECT_EQ(icc->IntentCB->currentText(), "SATURATION");
}
