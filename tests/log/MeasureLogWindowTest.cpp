// The measurement log of a session through the real main window and the
// simulated instrument: rows for the readings the pages accepted and for no
// other, their fields and values as the calculator reads them, a folder that
// cannot be written, switching the log off and on, and the settings.
#include "MainFormSupport.h"

#include "Calculator.h"
#include "MeasureLogHost.h"
#include "PageControl.h"
#include "SpectralInput.h"

#include <lcms2.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

using TAct = TOperator::TAct;

constexpr int DensitometryTab = 0;
constexpr int SetupTab = 2;
constexpr int DensityPage = 0;
constexpr int DotGainPage = 3;
constexpr int DotGainCurvePage = 5;
constexpr int SpectroTab = 1;
constexpr int ColorimetryPage = 0;
constexpr int ReflectancePage = 1;

struct TIt8Free {
    void operator()(void* h) const { cmsIT8Free(h); }
};
using TIt8 = std::unique_ptr<void, TIt8Free>;

class MeasureLogWindow : public MainWindow {
protected:
    void SetUp() override
    {
        MainWindow::SetUp();
        ASSERT_TRUE(LogRoot.isValid());
        Sim.SetDensityNoise(0.0);
        Sim.SetOptionAnswer("SerialNumber", "EO-12345");
    }

    // Start-up with the log on into `folder`, calibrated, the paper measured
    // when `paper` (reference paper white) or an absolute reference otherwise.
    void StartWithLog(const QString& folder, bool paper)
    {
        WriteSettings(("Language Id=1033\nMeasurement log=1\nMeasurement log folder=" + folder.toUtf8()
                       + "\nDensity reference=" + (paper ? "1" : "0") + "\n"));
        Operator.Calibration = {TAct::Press};
        Operator.Paper = {TAct::Press};
        Create();
        Form->EndOfSessionMessage = [this](const QString& m) { EndMessages << m; };
        Startup();
        ASSERT_EQ(Operator.Stuck, 0);
    }

    void ShowDensitometry(int page)
    {
        Form->V.PGC1->SetCurrentIndex(DensitometryTab);
        Form->V.PGC0->SetCurrentIndex(page);
    }

    void Measure(const char* patch)
    {
        ASSERT_TRUE(Sim.PlacePatch(patch)) << patch;
        PressAndTurn();
    }

    QString LogPath() const { return Form->LogHost->Log() ? Form->LogHost->Log()->FilePath() : QString(); }
    QString LogLine() const { return Form->findChild<QLabel*>("LogPathL")->toolTip(); }

    TIt8 ReadLog() const
    {
        QFile f(LogPath());
        if (!f.open(QIODevice::ReadOnly))
            return nullptr;
        const QByteArray text = f.readAll();
        return TIt8(cmsIT8LoadFromMem(nullptr, text.constData(), cmsUInt32Number(text.size())));
    }

    static std::string Cell(void* it8, int row, const char* field)
    {
        const int column = cmsIT8FindDataFormat(it8, field);
        const char* v = column >= 0 ? cmsIT8GetDataRowCol(it8, row, column) : nullptr;
        return v ? v : "<none>";
    }

    static int Rows(void* it8) { return int(cmsIT8GetPropertyDbl(it8, "NUMBER_OF_SETS")); }

    QTemporaryDir LogRoot;
    QStringList EndMessages;
};

}  // namespace

TEST_F(MeasureLogWindow, ASessionLogsTheAcceptedReadingsOnly)
{
    StartWithLog(LogRoot.path(), true);
    ASSERT_EQ(Handlers, (std::vector<std::string>{"MeasurePaper"}));

    ShowDensitometry(DotGainPage);
    Measure("cyan");        // the solid
    const QString solidShown = Form->findChild<QLabel*>("DGl1")->text();
    Measure("magenta-75");  // another ink: the page ignores it
    Measure("cyan-75");     // the 75 % tint
    Sim.SetSampleCount(0);  // no sample: nothing to read
    Measure("cyan-50");
    Sim.SetSampleCount(-1);
    Form->V.PGC1->SetCurrentIndex(SetupTab);
    Measure("cyan-50");     // on the Setup tab a press is used up
    EXPECT_EQ(Panel(0), "Ready...");

    TIt8 log = ReadLog();
    ASSERT_TRUE(log) << LogPath().toStdString();
    ASSERT_EQ(Rows(log.get()), 3);
    EXPECT_EQ(Cell(log.get(), 0, "SAMPLE_NAME"), "Paper");
    EXPECT_EQ(Cell(log.get(), 1, "SAMPLE_NAME"), "Dot Gain Solid");
    EXPECT_EQ(Cell(log.get(), 2, "SAMPLE_NAME"), "Dot Gain 75%");
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(Cell(log.get(), r, "SAMPLE_ID"), std::to_string(r + 1));
        EXPECT_EQ(Cell(log.get(), r, "INSTRUMENT_SERIAL"), "EO-12345");
        EXPECT_EQ(Cell(log.get(), r, "DENSITY_STANDARD"), "DIN");
        EXPECT_EQ(Cell(log.get(), r, "DENSITY_REFERENCE"), "Paper white");
        const QDateTime when = QDateTime::fromString(QString::fromStdString(Cell(log.get(), r, "DATE_TIME")),
                                                     QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        EXPECT_TRUE(when.isValid());
        EXPECT_LE(std::abs(when.secsTo(QDateTime::currentDateTime())), 120);
    }
    // The densities as the instrument gave them, and the channel it recognised.
    EXPECT_EQ(Cell(log.get(), 1, "AUTO_CHANNEL"), "Cyan");
    EXPECT_EQ(Cell(log.get(), 2, "AUTO_CHANNEL"), "Cyan");
    EXPECT_EQ(QString::number(std::stod(Cell(log.get(), 1, "D_RED")), 'f', 2), solidShown);
    EXPECT_GT(std::stod(Cell(log.get(), 1, "D_RED")), std::stod(Cell(log.get(), 2, "D_RED")));
    EXPECT_GT(std::stod(Cell(log.get(), 1, "D_RED")), std::stod(Cell(log.get(), 1, "D_VIS")));

    // The calculator reads the file as it is and finds the same CIELAB (D50, 2°).
    spec2cie::TSpectralFile file;
    spec2cie::TInputError error;
    ASSERT_TRUE(spec2cie::ReadSpectralFile(LogPath().toStdString(), spec2cie::TScale::Auto, file, error))
        << error.Message;
    const auto results = spec2cie::Calculate(file.Samples, spec2cie::TConditions{});
    ASSERT_EQ(results.size(), 3u);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(results[std::size_t(r)].Coord[std::size_t(c)],
                        std::stod(Cell(log.get(), r, c == 0 ? "LAB_L" : c == 1 ? "LAB_A" : "LAB_B")), 1.5e-4)
                << "row " << r << " coordinate " << c;
    // The paper is light, cyan is not.
    EXPECT_GT(results[0].Coord[0], 90.0);
    EXPECT_LT(results[1].Coord[2], -30.0);

    // The program itself, run on the log.
    const QString out = LogRoot.filePath("calculator.csv");
    const std::string command = std::string("'") + KV_SPEC2CIE_EXE + "' --format csv '" + LogPath().toStdString()
        + "' > '" + out.toStdString() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream csv(out.toStdString());
    int lines = 0;
    for (std::string line; std::getline(csv, line);)
        ++lines;
    EXPECT_EQ(lines, 4);

    // The Main setup page says where the log is; so does the end of the session.
    EXPECT_TRUE(LogLine().contains(QDir::toNativeSeparators(LogPath()))) << LogLine().toStdString();
    Form->close();
    ASSERT_EQ(EndMessages.size(), 1);
    EXPECT_TRUE(EndMessages[0].contains(QDir::toNativeSeparators(LogPath())));
    EXPECT_TRUE(EndMessages[0].contains("3")) << EndMessages[0].toStdString();
}

TEST_F(MeasureLogWindow, AFolderThatCannotBeWrittenKeepsTheRowsAndWritesThemLater)
{
    // A file stands in the place of the log's folder.
    const QString folder = LogRoot.filePath("logs");
    {
        QFile blocker(folder);
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    StartWithLog(folder, true);
    EXPECT_EQ(Panel(0), "Measurement log NOT written!");  // the paper's row
    ShowDensitometry(DensityPage);
    Measure("cyan");
    EXPECT_EQ(Panel(0), "Measurement log NOT written!");
    EXPECT_FALSE(Form->findChild<QLabel*>("DL01")->text().isEmpty());  // the page still shows the reading
    EXPECT_TRUE(LogLine().startsWith("Cannot write")) << LogLine().toStdString();
    Measure("magenta");
    EXPECT_EQ(Panel(0), "Measurement log NOT written!");
    EXPECT_EQ(Form->LogHost->Log()->PendingRows(), 3);

    ASSERT_TRUE(QFile::remove(folder));
    Measure("yellow");
    EXPECT_EQ(Panel(0), "Ready...");
    TIt8 log = ReadLog();
    ASSERT_TRUE(log);
    ASSERT_EQ(Rows(log.get()), 4);
    EXPECT_EQ(Cell(log.get(), 0, "SAMPLE_NAME"), "Paper");
    EXPECT_EQ(Cell(log.get(), 1, "AUTO_CHANNEL"), "Cyan");
    EXPECT_EQ(Cell(log.get(), 2, "AUTO_CHANNEL"), "Magenta");
    EXPECT_EQ(Cell(log.get(), 3, "AUTO_CHANNEL"), "Yellow");
    EXPECT_EQ(Cell(log.get(), 3, "DENSITY_REFERENCE"), "Paper white");
}

TEST_F(MeasureLogWindow, WhatCouldNotBeWrittenIsToldAtTheEnd)
{
    const QString folder = LogRoot.filePath("logs");
    {
        QFile blocker(folder);
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    StartWithLog(folder, false);
    ShowDensitometry(DensityPage);
    Measure("cyan");
    Measure("black");
    Form->close();
    ASSERT_EQ(EndMessages.size(), 1);
    EXPECT_TRUE(EndMessages[0].contains("could not be written")) << EndMessages[0].toStdString();
    EXPECT_TRUE(EndMessages[0].contains("2 readings")) << EndMessages[0].toStdString();
}

TEST_F(MeasureLogWindow, SwitchedOffNothingIsLoggedAndTheChoiceIsKept)
{
    StartWithLog(LogRoot.path(), false);
    auto* check = Form->findChild<QCheckBox*>("LogCB");
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(check->isChecked());
    ShowDensitometry(DensityPage);
    Measure("cyan");
    check->click();  // off
    EXPECT_FALSE(Config.MeasurementLog);
    EXPECT_TRUE(LogLine().startsWith("Measurement log off")) << LogLine().toStdString();
    Measure("magenta");
    Measure("yellow");
    check->click();  // on again: the same session's file goes on
    Measure("black");
    TIt8 log = ReadLog();
    ASSERT_TRUE(log);
    ASSERT_EQ(Rows(log.get()), 2);
    EXPECT_EQ(Cell(log.get(), 0, "AUTO_CHANNEL"), "Cyan");
    EXPECT_EQ(Cell(log.get(), 1, "AUTO_CHANNEL"), "Black");
    EXPECT_EQ(Cell(log.get(), 1, "SAMPLE_ID"), "2");

    check->click();
    Form.reset();  // the settings are written as the window goes
    EXPECT_TRUE(ReadSettings().contains("Measurement log=0\n")) << ReadSettings().toStdString();
}

TEST_F(MeasureLogWindow, AnOlderSettingsFileLeavesTheLogOffAndTheFolderCanBeChosen)
{
    WriteSettings("Language Id=1033\nDensity reference=0\n");
    Operator.Calibration = {TAct::Press};
    Create();
    Form->EndOfSessionMessage = [this](const QString& m) { EndMessages << m; };
    Startup();
    auto* check = Form->findChild<QCheckBox*>("LogCB");
    ASSERT_NE(check, nullptr);
    EXPECT_FALSE(check->isChecked());
    EXPECT_EQ(check->text(), "Keep a measurement log");
    ShowDensitometry(DensityPage);
    Measure("cyan");
    EXPECT_EQ(Form->LogHost->Log(), nullptr);
    EXPECT_EQ(Panel(0), "Ready...");

    // The folder chooser: cancelled changes nothing, a choice is kept.
    const QString chosen = LogRoot.filePath("chosen");
    QString offered;
    Form->LogHost->ChooseFolder = [&](const QString& current) {
        offered = current;
        return QString();
    };
    Form->findChild<QPushButton*>("LogFolderBtn")->click();
    EXPECT_FALSE(offered.isEmpty());  // the documents folder by default
    EXPECT_EQ(Config.MeasurementLogFolder, "");
    Form->LogHost->ChooseFolder = [&](const QString&) { return chosen; };
    Form->findChild<QPushButton*>("LogFolderBtn")->click();
    EXPECT_EQ(QString::fromStdString(Config.MeasurementLogFolder), chosen);

    check->click();
    Measure("magenta");
    EXPECT_TRUE(LogPath().startsWith(chosen));
    TIt8 log = ReadLog();
    ASSERT_TRUE(log);
    EXPECT_EQ(Rows(log.get()), 1);
    Form.reset();
    EXPECT_TRUE(ReadSettings().contains("Measurement log=1\nMeasurement log folder=" + chosen + "\n"))
        << ReadSettings().toStdString();
}

TEST_F(MeasureLogWindow, TheIccPageLogsItsSpectrumAndTheHostAddsTheDensities)
{
    StartWithLog(LogRoot.path(), false);
    Form->V.PGC1->SetCurrentIndex(1);  // spectro tab
    Form->V.PGC2->SetCurrentIndex(4);  // ICC conversion
    Measure("magenta");
    ASSERT_EQ(Handlers.back(), "MeasureICCPage");
    const QString shownL = Form->findChild<QLabel*>("ICCLl")->text();
    Sim.SetBadAnswer(I1SimBadNaNSpectrum);
    Measure("cyan");  // not one usable value: no row
    Sim.ClearBadAnswers();
    TIt8 log = ReadLog();
    ASSERT_TRUE(log);
    ASSERT_EQ(Rows(log.get()), 1);
    EXPECT_EQ(Cell(log.get(), 0, "SAMPLE_NAME"), "ICC conversion");
    EXPECT_EQ(Cell(log.get(), 0, "AUTO_CHANNEL"), "Magenta");
    EXPECT_GT(std::stod(Cell(log.get(), 0, "D_GREEN")), std::stod(Cell(log.get(), 0, "D_RED")));
    // The page's own CIELAB (D50) is the log's.
    EXPECT_EQ(QString::number(std::stod(Cell(log.get(), 0, "LAB_L")), 'f', 2), shownL);
}

TEST_F(MeasureLogWindow, TheCurvePagesAndTheSpectroPagesLogWhatTheyTook)
{
    StartWithLog(LogRoot.path(), false);
    ShowDensitometry(DotGainCurvePage);
    Measure("cyan");        // the solid
    const QString solidShown = Form->findChild<QLabel*>("DGCL1")->text();
    Measure("magenta-25");  // another ink: the page ignores it
    Measure("cyan-25");

    Form->V.PGC1->SetCurrentIndex(SpectroTab);
    Form->V.PGC2->SetCurrentIndex(ColorimetryPage);
    Measure("red");         // the reference ("Sample")
    Form->V.PGC2->SetCurrentIndex(ReflectancePage);
    Measure("blue");        // compared with it ("Measure")
    const TSpectrum red = Form->SampleData()->Spectrum, blue = Form->MeasureData()->Spectrum;
    const QString redL = Form->findChild<QLabel*>("LC01")->text(), blueB = Form->findChild<QLabel*>("LM03")->text();
    Sim.SetBadAnswer(I1SimBadNaNSpectrum);
    Measure("green");       // not one usable value: no reading of the patch
    Sim.ClearBadAnswers();
    ASSERT_EQ(Handlers.back(), "MeasureSpectroPage");

    TIt8 log = ReadLog();
    ASSERT_TRUE(log) << LogPath().toStdString();
    ASSERT_EQ(Rows(log.get()), 4);
    EXPECT_EQ(Cell(log.get(), 0, "SAMPLE_NAME"), "Dot Gain curve Solid");
    EXPECT_EQ(Cell(log.get(), 1, "SAMPLE_NAME"), "Dot Gain curve 25%");
    EXPECT_EQ(Cell(log.get(), 2, "SAMPLE_NAME"), "Colorimetry Sample");
    EXPECT_EQ(Cell(log.get(), 3, "SAMPLE_NAME"), "Reflectance Measure");
    EXPECT_EQ(QString::number(std::stod(Cell(log.get(), 0, "D_RED")), 'f', 2), solidShown);
    EXPECT_EQ(Cell(log.get(), 1, "AUTO_CHANNEL"), "Cyan");

    // The spectro rows: the spectrum the page took, the densities the host
    // read of the same patch, and the page's own CIELAB (D50, 2°).
    // red: magenta and yellow, the two close enough that either may be the channel
    const std::string redChannel = Cell(log.get(), 2, "AUTO_CHANNEL");
    EXPECT_TRUE(redChannel == "Magenta" || redChannel == "Yellow") << redChannel;
    EXPECT_GT(std::stod(Cell(log.get(), 2, "D_GREEN")), std::stod(Cell(log.get(), 2, "D_RED")));
    const TSpectrum* spectra[2] = {&red, &blue};
    for (int r = 2; r < 4; ++r)
        for (int band : {0, 17, 35})
            EXPECT_NEAR(std::stod(Cell(log.get(), r, ("SPECTRAL_" + std::to_string(380 + 10 * band)).c_str())),
                        100 * (*spectra[r - 2])[std::size_t(band)], 1e-4)
                << "row " << r << " band " << band;
    // The page shows two decimals of the same value (a half may round either way).
    EXPECT_NEAR(std::stod(Cell(log.get(), 2, "LAB_L")), QLocale().toDouble(redL), 0.0051);
    EXPECT_NEAR(std::stod(Cell(log.get(), 3, "LAB_B")), QLocale().toDouble(blueB), 0.0051);
}
