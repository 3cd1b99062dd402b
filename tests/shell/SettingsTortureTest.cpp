// The settings file under damage: seeded random bytes and seeded mutations
// of a complete settings file. Loading never fails on content, every field of
// the file gets a value (read or default), and what is saved then loads back
// unchanged.
#include "Config.h"
#include "ConfigFields.h"
#include "Eye1lib.h"
#include "Settings.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>

namespace {

// A value no file below can produce, so a field still holding it was skipped.
constexpr std::int32_t Unset = 0x5EED5EED;
const std::string UnsetText = "\x01 unset";

ConfigType Unfilled()
{
    ConfigType c;
    for (std::int32_t* f : {&c.SkinIndex, &c.LanguageId, &c.SpaceColor, &c.Decimals, &c.Illuminant, &c.Observer,
                            &c.DensityStandardFilter, &c.DensityReference, &c.Dot1, &c.Dot2, &c.Dot3,
                            &c.DotContrast1, &c.DotGainFlexo, &c.OptimalDotGainFlexo, &c.DotGainCurve1,
                            &c.DotGainCurve2, &c.DotGainCurve3, &c.VisualIll1, &c.VisualIll2, &c.VisualIll3,
                            &c.MetamerismIllIndex})
        *f = Unset;
    c.ProfileName = UnsetText;
    return c;
}

void ExpectEveryFieldSet(const ConfigType& c, const std::string& what)
{
    for (std::int32_t v : {c.SkinIndex, c.LanguageId, c.SpaceColor, c.Decimals, c.Illuminant, c.Observer,
                           c.DensityStandardFilter, c.DensityReference, c.Dot1, c.Dot2, c.Dot3, c.DotContrast1,
                           c.DotGainFlexo, c.OptimalDotGainFlexo, c.DotGainCurve1, c.DotGainCurve2,
                           c.DotGainCurve3, c.VisualIll1, c.VisualIll2, c.VisualIll3, c.MetamerismIllIndex})
        EXPECT_NE(Unset, v) << what;
    EXPECT_NE(UnsetText, c.ProfileName) << what;
    EXPECT_LE(QString::fromStdString(c.ProfileName).size(), 2047) << what;
}

const QByteArray RealFile =
    "; written by Kelvora\r\n"
    "[Window]\r\nLeft=$10\r\nTop=0x20\r\n\r\n"
    "[Settings]\r\n"
    "Skin index=3\r\nLanguage Id=1040\r\nSpace Color=4\r\nDecimals=2\r\nIlluminant=2\r\nObserver=1\r\n"
    "Density standard filter=1\r\nDensity reference=1\r\nDot % 1=75\r\nDot 1 visible=1\r\nDot % 2=50\r\n"
    "Dot 2 visible=0\r\nDot % 3=25\r\nDot 3 visible=1\r\nDot Contrast % 1=75\r\nDot Gain flexo=50\r\n"
    "Optimal Dot Gain flexo=15\r\nDot gain curve % 1=25\r\nDot gain curve % 2=50\r\nDot gain curve % 3=75\r\n"
    "VisualIll1=0\r\nVisualIll2=2\r\nVisualIll3=4\r\nMetamerism Ill index=1\r\n"
    "Profile name=\"  /home/press/ISO Coated v2 (ECI).icc \"\r\n"
    "[Other]\r\nDecimals=9\r\n";

// Pieces an edited or damaged settings file tends to contain.
const char* const Tokens[] = {
    "[", "]", "=", "\"", ";", "#", "\n", "\r\n", "\r", " ", "\t", "$", "0x", "-", "+", "$FFFFFFFF", "2147483648",
    "-2147483649", "[Settings]", "[settings]\n", "Decimals=", "Profile name=", "\"\"", "\xc3\xa9", "\xff",
    "\xed\xa0\x80", "\xf0\x9f\x8e\xa8", "=\"", "  ",
};

QByteArray Mutate(QByteArray bytes, std::mt19937& random)
{
    const int edits = 1 + int(random() % 5);
    for (int e = 0; e < edits; ++e) {
        const qsizetype at = bytes.isEmpty() ? 0 : qsizetype(random() % (bytes.size() + 1));
        switch (random() % 6) {
        case 0:
            if (!bytes.isEmpty())
                bytes[at % bytes.size()] = char(random() % 256);
            break;
        case 1: bytes.insert(at, Tokens[random() % std::size(Tokens)]); break;
        case 2: bytes.remove(at, qsizetype(random() % 40)); break;
        case 3: bytes.truncate(at); break;
        case 4: bytes.insert(at, QByteArray(qsizetype(random() % 3000), char('a' + random() % 26))); break;
        default: {
            const qsizetype from = bytes.isEmpty() ? 0 : qsizetype(random() % bytes.size());
            bytes.insert(at, bytes.mid(from, qsizetype(random() % 80)));
            break;
        }
        }
    }
    return bytes;
}

QByteArray RandomBytes(std::mt19937& random)
{
    QByteArray bytes(qsizetype(random() % 400), '\0');
    for (char& c : bytes) {
        // Mostly the characters of an INI file, some of anything.
        static const char ini[] = "[]=;#\"$x \t\r\n0123456789-+abcdefSettingsDecimalsProfile name";
        c = random() % 4 ? ini[random() % (sizeof ini - 1)] : char(random() % 256);
    }
    if (random() % 2)
        bytes.prepend("[Settings]\n");
    return bytes;
}

class SettingsTorture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Folder.isValid());
        SetExeFolderOverride(Folder.path());
        SettingsErrorReporter = nullptr;
    }
    void TearDown() override
    {
        SetExeFolderOverride(QString());
        Config = ConfigType{};
    }

    // Writes `bytes` as the settings file, loads, saves and loads again.
    void RoundTrip(const QByteArray& bytes, const std::string& what)
    {
        const QString path = SettingsFilePath();
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            ASSERT_EQ(bytes.size(), file.write(bytes));
        }
        Config = Unfilled();
        ASSERT_TRUE(LoadSettings()) << what;
        ExpectEveryFieldSet(Config, what);
        const ConfigType loaded = Config;

        ASSERT_TRUE(SaveSettings()) << what;
        Config = Unfilled();
        ASSERT_TRUE(LoadSettings()) << what;
        EXPECT_EQ(FileFields(loaded), FileFields(Config)) << what;

        // A second save changes nothing more (checked now and then: saving is the slow part).
        if (++Rounds % 8 != 0)
            return;
        const QByteArray once = ReadAll(path);
        ASSERT_TRUE(SaveSettings()) << what;
        EXPECT_EQ(once, ReadAll(path)) << what;
    }

    static QByteArray ReadAll(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir Folder;
    int Rounds = 0;
};

TEST_F(SettingsTorture, RandomBytesLoadSaveAndLoadBack)
{
    std::mt19937 random(1994);
    for (int round = 0; round < 700 && !HasFatalFailure(); ++round)
        RoundTrip(RandomBytes(random), "random file " + std::to_string(round));
}

TEST_F(SettingsTorture, MutatedSettingsFilesLoadSaveAndLoadBack)
{
    std::mt19937 random(2047);
    for (int round = 0; round < 700 && !HasFatalFailure(); ++round)
        RoundTrip(Mutate(RealFile, random), "mutated file " + std::to_string(round));
}

TEST_F(SettingsTorture, UntouchedKeysOfAMutatedFileKeepTheirValues)
{
    // Damage after the section leaves the keys before it as they were.
    std::mt19937 random(5);
    const qsizetype tail = RealFile.indexOf("[Other]");
    for (int round = 0; round < 300 && !HasFatalFailure(); ++round) {
        QByteArray bytes = RealFile.left(tail) + Mutate(RealFile.mid(tail), random);
        bytes.insert(tail, "\r\n");   // damage never joins the last key's line
        RoundTrip(bytes, "tail mutated " + std::to_string(round));
        EXPECT_EQ(3, Config.SkinIndex);
        EXPECT_EQ(1040, Config.LanguageId);
        EXPECT_EQ(4, Config.SpaceColor);
        EXPECT_FALSE(Config.Dot2Visible);
        EXPECT_EQ("  /home/press/ISO Coated v2 (ECI).icc ", Config.ProfileName);
    }
}

}  // namespace
