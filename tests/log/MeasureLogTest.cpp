// The measurement log without a window: the CGATS text as Little CMS and the
// calculator read it back, and the file kept whole through folders that
// cannot be written.
#include "MeasureLog.h"

#include "Calculator.h"
#include "SpectralInput.h"

#include <lcms2.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

namespace {

const QDateTime SessionStart(QDate(2026, 3, 14), QTime(9, 5, 7));

TMeasureLogRow Row(const std::string& name, double level, double redRise)
{
    TMeasureLogRow row;
    row.Time = SessionStart.addSecs(60);
    row.Name = name;
    row.Serial = "114523";
    row.DensityStandard = "ANSI T";
    row.DensityReference = "Paper white";
    row.Densities = {1.3872763f, 0.37067485f, 0.21677935f, 0.65922093f};
    row.AutoChannel = "Cyan";
    for (int i = 0; i < 36; ++i)
        row.Spectrum[std::size_t(i)] = level + redRise * i / 35.0;
    row.Lab = {50.12345, -1.5, 0.0};
    return row;
}

struct TIt8Free {
    void operator()(void* h) const { cmsIT8Free(h); }
};

std::unique_ptr<void, TIt8Free> Parse(const std::string& text)
{
    return std::unique_ptr<void, TIt8Free>(
        cmsIT8LoadFromMem(nullptr, text.data(), static_cast<cmsUInt32Number>(text.size())));
}

std::string ReadFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll().toStdString();
}

}  // namespace

TEST(MeasureLogText, LittleCmsReadsEveryFieldBack)
{
    TMeasureLogRow second = Row("Dot Gain 50%", 0.5, 0.2);
    second.Name = "a \"quoted\"\nname";
    second.Densities = {-0.0f, 2.5f, 0.001f, 1e-9f};
    TMeasureLogRow third = Row("", 0.5, 0.0);
    third.Name = "-";
    third.Serial = "12AB";
    const std::string text = MeasureLogText({Row("Paper", 0.9, 0.0), second, third}, SessionStart, "Kelvora");
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.rfind("CGATS.17", 0), 0u) << text.substr(0, 40);

    auto it8 = Parse(text);
    ASSERT_TRUE(it8);
    EXPECT_STREQ(cmsIT8GetProperty(it8.get(), "ORIGINATOR"), "Kelvora");
    EXPECT_STREQ(cmsIT8GetProperty(it8.get(), "CREATED"), "2026-03-14T09:05:07");
    EXPECT_STREQ(cmsIT8GetProperty(it8.get(), "SPECTRAL_NORM"), "100");
    EXPECT_EQ(cmsIT8GetPropertyDbl(it8.get(), "NUMBER_OF_SETS"), 3.0);

    char** names = nullptr;
    const int fields = cmsIT8EnumDataFormat(it8.get(), &names);
    ASSERT_EQ(fields, 14 + 36);
    const char* expected[] = {"SAMPLE_ID", "SAMPLE_NAME", "DATE_TIME", "INSTRUMENT_SERIAL", "DENSITY_STANDARD",
                              "DENSITY_REFERENCE", "D_RED", "D_GREEN", "D_BLUE", "D_VIS", "AUTO_CHANNEL",
                              "LAB_L", "LAB_A", "LAB_B", "SPECTRAL_380"};
    for (int f = 0; f < int(std::size(expected)); ++f)
        EXPECT_STREQ(names[f], expected[f]);
    EXPECT_STREQ(names[fields - 1], "SPECTRAL_730");

    auto cell = [&](int row, const char* field) {
        const char* v = cmsIT8GetData(it8.get(), std::to_string(row + 1).c_str(), field);
        return std::string(v ? v : "<none>");
    };
    EXPECT_EQ(cell(0, "SAMPLE_NAME"), "Paper");
    EXPECT_EQ(cell(1, "SAMPLE_NAME"), "a 'quoted' name");  // quotes and line breaks cannot end the value early
    EXPECT_EQ(cell(0, "DATE_TIME"), "2026-03-14 09:06:07");
    EXPECT_EQ(cell(0, "INSTRUMENT_SERIAL"), "114523");
    EXPECT_EQ(cell(0, "DENSITY_STANDARD"), "ANSI T");
    EXPECT_EQ(cell(0, "DENSITY_REFERENCE"), "Paper white");
    EXPECT_EQ(cell(0, "AUTO_CHANNEL"), "Cyan");
    // Densities read back as the very single-precision numbers the instrument gave.
    EXPECT_EQ(std::stof(cell(0, "D_RED")), 1.3872763f);
    EXPECT_EQ(std::stof(cell(0, "D_VIS")), 0.65922093f);
    EXPECT_EQ(std::stof(cell(1, "D_GREEN")), 2.5f);
    EXPECT_EQ(std::stof(cell(1, "D_VIS")), 1e-9f);
    EXPECT_EQ(std::stod(cell(0, "LAB_L")), 50.1234);  // four decimals
    EXPECT_EQ(std::stod(cell(0, "LAB_B")), 0.0);
    EXPECT_EQ(std::stod(cell(0, "SPECTRAL_380")), 90.0);  // percent
    EXPECT_EQ(std::stod(cell(1, "SPECTRAL_730")), 70.0);
    // Text that looks like a number at first stays text.
    EXPECT_EQ(cell(2, "INSTRUMENT_SERIAL"), "12AB");
    EXPECT_EQ(cell(2, "SAMPLE_NAME"), "-");
}

TEST(MeasureLogText, TheCalculatorReadsTheLogAsItIs)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TMeasureLog log(SessionStart, "Kelvora");
    log.SetFolder(dir.path());
    // Dark patches only: the calculator must not take their percentages for factors.
    ASSERT_TRUE(log.Add(Row("Density", 0.004, 0.002)));
    ASSERT_TRUE(log.Add(Row("Density", 0.010, 0.0)));

    spec2cie::TSpectralFile file;
    spec2cie::TInputError error;
    ASSERT_TRUE(spec2cie::ReadSpectralFile(log.FilePath().toStdString(), spec2cie::TScale::Auto, file, error))
        << error.Message;
    ASSERT_EQ(file.Samples.size(), 2u);
    EXPECT_EQ(file.Samples[0].Id, "1");
    EXPECT_EQ(file.Samples[1].Id, "2");
    for (std::size_t s = 0; s < 2; ++s)
        for (int i = 0; i < 36; ++i)
            EXPECT_NEAR(file.Samples[s].Spectrum[std::size_t(i)], log.Rows()[s].Spectrum[std::size_t(i)], 6e-9);
}

TEST(MeasureLogFile, NamedByTheSessionStartAndReplacedWholeAfterEveryRow)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TMeasureLog log(SessionStart, "Kelvora");
    log.SetFolder(dir.path() + "/press/logs");  // made when missing
    EXPECT_TRUE(log.WrittenPath().isEmpty());
    EXPECT_EQ(MeasureLogFileName(SessionStart), "kelvora-log-2026-03-14_09-05-07.txt");
    EXPECT_EQ(log.FilePath(), dir.path() + "/press/logs/kelvora-log-2026-03-14_09-05-07.txt");

    for (int n = 1; n <= 3; ++n) {
        ASSERT_TRUE(log.Add(Row("Density", 0.1 * n, 0.0)));
        EXPECT_EQ(log.PendingRows(), 0);
        EXPECT_EQ(log.WrittenPath(), log.FilePath());
        const std::string text = ReadFile(log.FilePath());
        EXPECT_EQ(text, MeasureLogText(log.Rows(), SessionStart, "Kelvora"));
        auto it8 = Parse(text);
        ASSERT_TRUE(it8);
        EXPECT_EQ(cmsIT8GetPropertyDbl(it8.get(), "NUMBER_OF_SETS"), double(n));
    }
    // Nothing but the log in the folder: no temporary files left behind.
    EXPECT_EQ(QDir(dir.path() + "/press/logs").entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(MeasureLogFile, AFolderThatCannotBeWrittenKeepsTheRowsUntilItCan)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A file stands where the folder should be (a read-only folder does not
    // stop the tests' user when it is root; a file in the way stops everyone).
    const QString folder = dir.path() + "/logs";
    {
        QFile blocker(folder);
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.write("not a folder");
    }
    TMeasureLog log(SessionStart, "Kelvora");
    log.SetFolder(folder);
    EXPECT_FALSE(log.Add(Row("Density", 0.2, 0.0)));
    EXPECT_FALSE(log.Add(Row("Dot Gain Solid", 0.3, 0.0)));
    EXPECT_EQ(log.PendingRows(), 2);
    EXPECT_EQ(log.Rows().size(), 2u);
    EXPECT_TRUE(log.WrittenPath().isEmpty());
    EXPECT_TRUE(log.LastError().contains(QDir::toNativeSeparators(log.FilePath()))) << log.LastError().toStdString();
    EXPECT_FALSE(log.Flush());

    // Cleared: the next row brings the earlier ones along.
    ASSERT_TRUE(QFile::remove(folder));
    ASSERT_TRUE(log.Add(Row("Dot Gain 75%", 0.4, 0.0)));
    EXPECT_EQ(log.PendingRows(), 0);
    EXPECT_TRUE(log.LastError().isEmpty());
    auto it8 = Parse(ReadFile(log.FilePath()));
    ASSERT_TRUE(it8);
    EXPECT_EQ(cmsIT8GetPropertyDbl(it8.get(), "NUMBER_OF_SETS"), 3.0);
    EXPECT_STREQ(cmsIT8GetData(it8.get(), "1", "SAMPLE_NAME"), "Density");
    EXPECT_STREQ(cmsIT8GetData(it8.get(), "3", "SAMPLE_NAME"), "Dot Gain 75%");
}

TEST(MeasureLogFile, AFileInThePlaceOfTheLogIsNotDestroyedAndAnotherFolderGetsEveryRow)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TMeasureLog log(SessionStart, "Kelvora");
    log.SetFolder(dir.path());
    // A folder of the log's name stands where the file should go.
    ASSERT_TRUE(QDir(dir.path()).mkdir(MeasureLogFileName(SessionStart)));
    EXPECT_FALSE(log.Add(Row("Density", 0.2, 0.0)));
    EXPECT_EQ(log.PendingRows(), 1);
    EXPECT_TRUE(QFileInfo(log.FilePath()).isDir());

    // The operator picks another folder: the whole session goes there.
    log.SetFolder(dir.path() + "/elsewhere");
    EXPECT_TRUE(log.Flush());
    EXPECT_EQ(log.PendingRows(), 0);
    EXPECT_EQ(log.WrittenPath(), dir.path() + "/elsewhere/" + MeasureLogFileName(SessionStart));
    ASSERT_TRUE(log.Add(Row("Density", 0.3, 0.0)));
    auto it8 = Parse(ReadFile(log.WrittenPath()));
    ASSERT_TRUE(it8);
    EXPECT_EQ(cmsIT8GetPropertyDbl(it8.get(), "NUMBER_OF_SETS"), 2.0);
}
