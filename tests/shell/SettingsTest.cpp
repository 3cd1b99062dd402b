// The settings file: defaults, round trip, number formats, bad values, keys
// and sections it does not own, case, the text limit, and a save that fails.
#include "Config.h"
#include "ConfigFields.h"
#include "Eye1lib.h"
#include "Settings.h"
#include "SettingsIni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#ifdef __unix__
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Folder.isValid());
        SetExeFolderOverride(Folder.path());
        Config = ConfigType{};
        SettingsErrorReporter = [this](const QString& m) { Errors << m; };
    }
    void TearDown() override
    {
        SettingsErrorReporter = nullptr;
        SetExeFolderOverride(QString());
        Config = ConfigType{};
    }
    QString Path() const { return Folder.path() + "/" + SettingsFileName(); }

    QTemporaryDir Folder;
    QStringList Errors;
};

TEST_F(SettingsFile, LivesBesideTheExecutableUnderItsBaseName)
{
    EXPECT_EQ(SettingsFilePath(), Path());
    EXPECT_TRUE(SettingsFileName().endsWith(".ini"));
    EXPECT_FALSE(SettingsFileName().contains('/'));
}

TEST_F(SettingsFile, FirstStartGivesTheDefaultsAndLeavesRunTimeFieldsAlone)
{
    Config.SkinIndex = 4;
    Config.LastCalibrationResult = 7;
    Config.PaperMeasured = true;
    Config.FilterChoice = 3;
    EXPECT_TRUE(LoadSettings());
    const ConfigType defaults;
    EXPECT_EQ(FileFields(Config), FileFields(defaults));
    EXPECT_EQ(Config.SkinIndex, 1);
    EXPECT_EQ(Config.LanguageId, -99);
    EXPECT_EQ(Config.Decimals, 2);
    EXPECT_EQ(Config.DensityReference, 1);
    EXPECT_EQ(Config.Illuminant, 2);
    EXPECT_EQ(Config.Observer, 0);
    EXPECT_EQ(Config.SpaceColor, 0);
    // Not in the file: LoadSettings does not touch them.
    EXPECT_EQ(Config.LastCalibrationResult, 7);
    EXPECT_TRUE(Config.PaperMeasured);
    EXPECT_EQ(Config.FilterChoice, 3);
    EXPECT_FALSE(QFile::exists(Path()));
}

TEST_F(SettingsFile, SavingAFreshFileWritesEveryKeyInOrder)
{
    ASSERT_TRUE(SaveSettings());
    const QString expected =
        "[Settings]\n"
        "Skin index=1\n"
        "Language Id=-99\n"
        "Space Color=0\n"
        "Decimals=2\n"
        "Illuminant=2\n"
        "Observer=0\n"
        "Density standard filter=0\n"
        "Density reference=1\n"
        "Dot % 1=75\n"
        "Dot 1 visible=1\n"
        "Dot % 2=50\n"
        "Dot 2 visible=1\n"
        "Dot % 3=25\n"
        "Dot 3 visible=1\n"
        "Dot Contrast % 1=75\n"
        "Dot Gain flexo=50\n"
        "Optimal Dot Gain flexo=15\n"
        "Dot gain curve % 1=25\n"
        "Dot gain curve % 2=50\n"
        "Dot gain curve % 3=75\n"
        "VisualIll1=0\n"
        "VisualIll2=2\n"
        "VisualIll3=4\n"
        "Metamerism Ill index=0\n"
        "Profile name=\n"
        "Measurement log=0\n"
        "Measurement log folder=\n";
    QString text = QString::fromUtf8(ReadAll(Path()));
    text.replace("\r\n", "\n");
    EXPECT_EQ(text, expected);
    EXPECT_EQ(SettingsKeys().size(), 27);
    EXPECT_TRUE(Errors.isEmpty());
}

TEST_F(SettingsFile, RoundTripKeepsEveryValue)
{
    ConfigType c;
    c.SkinIndex = 0; c.LanguageId = 1040; c.SpaceColor = 7; c.Decimals = 4; c.Illuminant = 4;
    c.Observer = 1; c.DensityStandardFilter = 3; c.DensityReference = 0; c.Dot1 = 80;
    c.Dot1Visible = false; c.Dot2 = 40; c.Dot2Visible = false; c.Dot3 = 10; c.Dot3Visible = false;
    c.DotContrast1 = 60; c.DotGainFlexo = -3; c.OptimalDotGainFlexo = 2000000000; c.DotGainCurve1 = 5;
    c.DotGainCurve2 = 55; c.DotGainCurve3 = 95; c.VisualIll1 = 3; c.VisualIll2 = 1; c.VisualIll3 = 0;
    c.MetamerismIllIndex = 4; c.ProfileName = "/home/op/profiles/Coated FOGRA39 (ISO 12647-2:2004).icc";
    Config = c;
    ASSERT_TRUE(SaveSettings());
    Config = ConfigType{};
    ASSERT_TRUE(LoadSettings());
    EXPECT_EQ(FileFields(Config), FileFields(c));
}

TEST_F(SettingsFile, AnOlderFileWithoutTheLogKeysLeavesTheLogOff)
{
    WriteAll(Path(), "[Settings]\nSkin index=3\nSpace Color=8\nProfile name=x.icc\n");
    Config.MeasurementLog = true;
    Config.MeasurementLogFolder = "left over";
    ASSERT_TRUE(LoadSettings());
    EXPECT_FALSE(Config.MeasurementLog);
    EXPECT_EQ(Config.MeasurementLogFolder, "");
    EXPECT_EQ(Config.SkinIndex, 3);
    EXPECT_EQ(Config.SpaceColor, 8);
    EXPECT_EQ(Config.ProfileName, "x.icc");

    // Saved again, the two keys follow the 25 older ones and those stay as they were.
    Config.MeasurementLog = true;
    Config.MeasurementLogFolder = "/srv/press logs/hall 2";
    ASSERT_TRUE(SaveSettings());
    const QString text = QString::fromUtf8(ReadAll(Path()));
    EXPECT_TRUE(text.contains("Profile name=x.icc\nMeasurement log=1\nMeasurement log folder=/srv/press logs/hall 2\n"))
        << text.toStdString();
    Config = ConfigType{};
    ASSERT_TRUE(LoadSettings());
    EXPECT_TRUE(Config.MeasurementLog);
    EXPECT_EQ(Config.MeasurementLogFolder, "/srv/press logs/hall 2");
}

TEST_F(SettingsFile, ProfileNamesWithOddCharactersRoundTrip)
{
    for (const std::string name : {"  leading and trailing  ", "\"quoted\"", "C:\\Profili\\Stampa è=ok.icm",
                                   "semi;colon #hash [bracket]"}) {
        Config.ProfileName = name;
        ASSERT_TRUE(SaveSettings());
        Config.ProfileName.clear();
        ASSERT_TRUE(LoadSettings());
        EXPECT_EQ(Config.ProfileName, name);
    }
}

struct TIntegerCase {
    const char* Text;
    bool Parses;
    int Value;
};

TEST(SettingsInteger, DecimalAndHexadecimal)
{
    const TIntegerCase cases[] = {
        {"0", true, 0},          {"12", true, 12},         {"-5", true, -5},
        {"+7", true, 7},         {"$1F", true, 31},        {"$1f", true, 31},
        {"0x1f", true, 31},      {"0X10", true, 16},       {"-$10", true, -16},
        {"$FFFFFFFF", true, -1}, {"$7FFFFFFF", true, 2147483647},
        {"2147483647", true, 2147483647}, {"-2147483648", true, -2147483647 - 1},
        {"007", true, 7},
        {"2147483648", false, 0}, {"$100000000", false, 0}, {"", false, 0}, {"-", false, 0},
        {"$", false, 0},          {"0x", false, 0},         {"abc", false, 0}, {"12abc", false, 0},
        {"1.5", false, 0},        {"1e3", false, 0},        {"$G1", false, 0}, {"1 2", false, 0},
        {"--1", false, 0},        {"٣", false, 0},
    };
    for (const auto& c : cases) {
        int v = 12345;
        EXPECT_EQ(ParseSettingsInteger(QString::fromUtf8(c.Text), v), c.Parses) << c.Text;
        if (c.Parses)
            EXPECT_EQ(v, c.Value) << c.Text;
        else
            EXPECT_EQ(v, 12345) << c.Text;
    }
}

TEST_F(SettingsFile, ValuesThatDoNotParseGiveTheDefaultFlagsAreNonZero)
{
    WriteAll(Path(),
             "[Settings]\n"
             "Skin index=$3\n"
             "Language Id=0x410\n"
             "Decimals=three\n"
             "Illuminant=\n"
             "Observer = 1 \n"
             "Dot % 1=99.5\n"
             "Dot 1 visible=5\n"
             "Dot 2 visible=0\n"
             "Dot 3 visible=yes\n"
             "Density reference=-1\n");
    ASSERT_TRUE(LoadSettings());
    EXPECT_EQ(Config.SkinIndex, 3);
    EXPECT_EQ(Config.LanguageId, 1040);
    EXPECT_EQ(Config.Decimals, 2);     // default
    EXPECT_EQ(Config.Illuminant, 2);   // empty: default
    EXPECT_EQ(Config.Observer, 1);     // blanks around the value are not part of it
    EXPECT_EQ(Config.Dot1, 75);        // default
    EXPECT_TRUE(Config.Dot1Visible);   // 5 is not 0
    EXPECT_FALSE(Config.Dot2Visible);
    EXPECT_TRUE(Config.Dot3Visible);   // does not parse: default
    EXPECT_EQ(Config.DensityReference, -1);
}

TEST_F(SettingsFile, IndicesOutsideTheListsAndKeptOnlyKeysSurvive)
{
    WriteAll(Path(),
             "[Settings]\n"
             "Space Color=42\n"
             "Illuminant=-3\n"
             "Density standard filter=9\n"
             "Dot Gain flexo=-123456\n"
             "Optimal Dot Gain flexo=$7FFFFFFF\n");
    ASSERT_TRUE(LoadSettings());
    EXPECT_EQ(Config.SpaceColor, 42);
    EXPECT_EQ(Config.Illuminant, -3);
    EXPECT_EQ(Config.DensityStandardFilter, 9);
    ASSERT_TRUE(SaveSettings());
    const QString text = QString::fromUtf8(ReadAll(Path()));
    EXPECT_TRUE(text.contains("Space Color=42\n"));
    EXPECT_TRUE(text.contains("Illuminant=-3\n"));
    EXPECT_TRUE(text.contains("Dot Gain flexo=-123456\n"));
    EXPECT_TRUE(text.contains("Optimal Dot Gain flexo=2147483647\n"));
    Config = ConfigType{};
    ASSERT_TRUE(LoadSettings());
    EXPECT_EQ(Config.DotGainFlexo, -123456);
    EXPECT_EQ(Config.OptimalDotGainFlexo, 2147483647);
}

TEST_F(SettingsFile, OtherSectionsKeysAndCommentsAreKept)
{
    const QByteArray before =
        "; written by hand\n"
        "[Window]\n"
        "Left=100\n"
        "Odd key % with=spaces = and equals\n"
        "\n"
        "[Settings]\n"
        "Operator=Anna\n"
        "Decimals=3\n"
        "; keep me\n"
        "\n"
        "[Later]\n"
        "Skin index=5\n";
    WriteAll(Path(), before);
    ASSERT_TRUE(LoadSettings());
    EXPECT_EQ(Config.Decimals, 3);
    EXPECT_EQ(Config.SkinIndex, 1);  // only the Settings section counts
    Config.Decimals = 4;
    ASSERT_TRUE(SaveSettings());
    QString after = QString::fromUtf8(ReadAll(Path()));
    after.replace("\r\n", "\n");
    EXPECT_TRUE(after.startsWith("; written by hand\n[Window]\nLeft=100\nOdd key % with=spaces = and equals\n\n[Settings]\nSkin index=1\n"));
    EXPECT_TRUE(after.contains("Profile name=\nMeasurement log=0\nMeasurement log folder=\nOperator=Anna\n; keep me\n\n[Later]\nSkin index=5\n"));
    EXPECT_TRUE(after.contains("Decimals=4\n"));
    EXPECT_FALSE(after.contains("Decimals=3"));
    EXPECT_EQ(after.count("[Settings]"), 1);
}

TEST_F(SettingsFile, KeysAndSectionMatchWithoutRegardToCase)
{
    WriteAll(Path(),
             "[SETTINGS]\n"
             "skin INDEX=4\n"
             "DOT % 2=33\n"
             "profile NAME=/x.icc\n"
             "Decimals=1\n"
             "decimals=3\n");
    ASSERT_TRUE(LoadSettings());
    EXPECT_EQ(Config.SkinIndex, 4);
    EXPECT_EQ(Config.Dot2, 33);
    EXPECT_EQ(Config.ProfileName, "/x.icc");
    EXPECT_EQ(Config.Decimals, 1);  // the first of a key wins
    ASSERT_TRUE(SaveSettings());
    const QString after = QString::fromUtf8(ReadAll(Path()));
    EXPECT_EQ(after.count("skin index", Qt::CaseInsensitive), 1);
    EXPECT_EQ(after.count("decimals", Qt::CaseInsensitive), 1);
    EXPECT_TRUE(after.contains("Skin index=4\n"));
}

TEST_F(SettingsFile, TextIsReadUpTo2047Characters)
{
    const QString longName = QString(3000, QChar('p'));
    WriteAll(Path(), ("[Settings]\nProfile name=" + longName + "\n").toUtf8());
    ASSERT_TRUE(LoadSettings());
    EXPECT_EQ(Config.ProfileName.size(), 2047u);
    // A character outside the basic plane is not cut in half.
    const QString astral = QString(2046, QChar('a')) + QString::fromUtf8("\xF0\x9F\x8E\xA8") + "tail";
    WriteAll(Path(), ("[Settings]\nProfile name=" + astral + "\n").toUtf8());
    ASSERT_TRUE(LoadSettings());
    EXPECT_EQ(QString::fromStdString(Config.ProfileName), QString(2046, QChar('a')));
}

TEST_F(SettingsFile, ATargetThatCannotBeWrittenNamesTheFile)
{
    // Folders where the file and the file beside it should be.
    ASSERT_TRUE(QDir().mkpath(Path()));
    ASSERT_TRUE(QDir().mkpath(Path() + ".new"));
    EXPECT_FALSE(SaveSettings());
    ASSERT_EQ(Errors.size(), 1);
    EXPECT_EQ(Errors[0], "Unable to write to " + QDir::toNativeSeparators(Path() + ".new"));
}

#ifdef __unix__
// The write runs out of room half way: the old file must stay as it was.
TEST_F(SettingsFile, AFailedWriteLeavesTheOldFileIntact)
{
    const QByteArray before = "[Settings]\nDecimals=3\n[Other]\nA=1\n";
    WriteAll(Path(), before);
    Config.ProfileName = std::string(4000, 'x');

    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 512;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = SaveSettings();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadAll(Path()), before);
    ASSERT_EQ(Errors.size(), 1);
    EXPECT_EQ(Errors[0], "Unable to write to " + QDir::toNativeSeparators(Path()));
    // No half-written companion is left behind either.
    EXPECT_EQ(QDir(Folder.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(SettingsFile, AReadOnlyFileIsNotReplaced)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "file permissions do not bind the super-user";
    const QByteArray before = "[Settings]\nDecimals=3\n";
    WriteAll(Path(), before);
    QFile::setPermissions(Path(), QFile::ReadOwner);
    EXPECT_FALSE(SaveSettings());
    EXPECT_EQ(ReadAll(Path()), before);
    EXPECT_EQ(Errors.size(), 1);
}
#endif

#ifdef __unix__
// Settings files that are no settings files: each starts the program at
// once with the defaults and one message, and stays as it is; the settings
// go beside it. (The test binary runs under a time limit, in case a read
// ever blocks again.)
struct TRefusedCase {
    const char* Name;
    const char* Reason;                          // part of the message
    std::function<void(const QString& path)> Make;
};

class RefusedSettingsFile : public SettingsFile, public ::testing::WithParamInterface<TRefusedCase> {};

TEST_P(RefusedSettingsFile, CountsAsMissingAndIsLeftAsItIs)
{
    GetParam().Make(Path());
    const QFileInfo before(Path());
    const QByteArray target = before.symLinkTarget().toUtf8();
    Config.Decimals = 4;

    testing::internal::CaptureStderr();
    EXPECT_FALSE(LoadSettings());
    const std::string loadMessage = testing::internal::GetCapturedStderr();
    EXPECT_EQ(FileFields(Config), FileFields(ConfigType{}));
    EXPECT_NE(loadMessage.find(QDir::toNativeSeparators(Path()).toStdString()), std::string::npos) << loadMessage;
    EXPECT_NE(loadMessage.find(GetParam().Reason), std::string::npos) << loadMessage;
    EXPECT_EQ(std::count(loadMessage.begin(), loadMessage.end(), '\n'), 1) << loadMessage;

    Config.Decimals = 3;
    testing::internal::CaptureStderr();
    EXPECT_TRUE(SaveSettings());
    const std::string saveMessage = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(Errors.isEmpty());
    EXPECT_NE(saveMessage.find((Path() + ".new").toStdString()), std::string::npos) << saveMessage;

    // The refused file is as it was; the settings are beside it.
    const QFileInfo after(Path());
    EXPECT_EQ(after.isSymLink(), before.isSymLink());
    EXPECT_EQ(after.symLinkTarget().toUtf8(), target);
    EXPECT_EQ(after.isFile(), before.isFile());
    EXPECT_EQ(after.size(), before.size());
    EXPECT_TRUE(ReadAll(Path() + ".new").contains("Decimals=3\n"));
    Config = ConfigType{};
    ASSERT_TRUE(LoadSettingsFrom(Path() + ".new", Config));
    EXPECT_EQ(Config.Decimals, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Unix, RefusedSettingsFile,
    ::testing::Values(
        TRefusedCase{"NamedPipe", "named pipe",
                     [](const QString& path) { ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0); }},
        TRefusedCase{"LinkToAnEndlessDevice", "device",
                     [](const QString& path) { ASSERT_TRUE(QFile::link("/dev/zero", path)); }},
        TRefusedCase{"Folder", "folder", [](const QString& path) { ASSERT_TRUE(QDir().mkpath(path)); }},
        TRefusedCase{"OverOneMebibyte", "larger than 1048576 bytes",
                     [](const QString& path) {
                         WriteAll(path, "[Settings]\nDecimals=1\n" + QByteArray(1024 * 1024, ';'));
                     }}),
    [](const ::testing::TestParamInfo<TRefusedCase>& info) { return std::string(info.param.Name); });

TEST_F(SettingsFile, AFileOfExactlyTheLimitIsRead)
{
    QByteArray bytes = "[Settings]\nDecimals=4\n";
    bytes += QByteArray(1024 * 1024 - bytes.size(), ';');
    WriteAll(Path(), bytes);
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(Config.Decimals, 4);
}

TEST_F(SettingsFile, ALinkToARegularFileIsReadAndWrittenThrough)
{
    WriteAll(Folder.path() + "/elsewhere.ini", "[Settings]\nDecimals=4\n");
    ASSERT_TRUE(QFile::link(Folder.path() + "/elsewhere.ini", Path()));
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(Config.Decimals, 4);
    Config.Decimals = 1;
    EXPECT_TRUE(SaveSettings());
    EXPECT_TRUE(ReadAll(Folder.path() + "/elsewhere.ini").contains("Decimals=1\n"));
}

TEST_F(SettingsFile, WhenTheFileBesideARefusedOneIsRefusedTooNothingIsWritten)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(Path()).constData(), 0600), 0);
    ASSERT_EQ(mkfifo(QFile::encodeName(Path() + ".new").constData(), 0600), 0);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(SaveSettings());
    testing::internal::GetCapturedStderr();
    ASSERT_EQ(Errors.size(), 1);
    EXPECT_EQ(Errors[0], "Unable to write to " + QDir::toNativeSeparators(Path() + ".new"));
    EXPECT_FALSE(QFileInfo(Path()).isFile());
    EXPECT_FALSE(QFileInfo(Path() + ".new").isFile());
}
#endif

TEST_F(SettingsFile, AFolderThatCannotHoldTheFileMovesItToTheUserFolder)
{
    // A folder path that runs through a plain file can never be written.
    WriteAll(Folder.path() + "/plain", "x");
    SetExeFolderOverride(Folder.path() + "/plain/bin");
    const QByteArray oldConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", (Folder.path() + "/user-config").toUtf8());
    const QString expected =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/" + SettingsFileName();
    EXPECT_EQ(SettingsFilePath(), expected);
    EXPECT_TRUE(expected.startsWith(Folder.path() + "/user-config/"));
    Config.Decimals = 3;
    EXPECT_TRUE(SaveSettings());
    Config = ConfigType{};
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(Config.Decimals, 3);
    if (oldConfigHome.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldConfigHome);
}

TEST(SettingsIni, LineEndingsAndBlankKeys)
{
    const TIniText ini = TIniText::Parse("[Settings]\r\nA=1\r\n=orphan\r\nB = \" two \" \r\n");
    EXPECT_EQ(ini.Value("settings", "a"), QString("1"));
    EXPECT_EQ(ini.Value("Settings", "B"), QString(" two "));
    EXPECT_FALSE(ini.Value("Settings", "").has_value());
    EXPECT_FALSE(ini.Value("Other", "A").has_value());
    EXPECT_EQ(TIniText::EncodeValue("line\nbreak"), QString("line break"));
}

}  // namespace
