// CMYK output profiles: which files are accepted, with what description, and
// the CIELAB to CMYK conversion through them. Real profiles throughout; bad
// ones are made from them.
#include "OutputProfile.h"
#include "ProfileFixtures.h"

#include "CMS.h"

#include <QDir>
#include <QTemporaryDir>

#include <lcms2.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

using namespace cmstest;

namespace {

const QString SwopDescription = QStringLiteral("Artifex CMYK SWOP Profile");

class OutputProfile : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitColorManagement(); }
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        cmyk = ReadAll(GhostscriptCmyk);
        ASSERT_FALSE(cmyk.isEmpty());
    }
    QString Write(const QString& name, const QByteArray& bytes) { return WriteFile(folder, name, bytes); }

    QTemporaryDir folder;
    QByteArray cmyk;
};

// Bytes read by this process so far (Linux), or nothing where unknown.
std::optional<long long> BytesReadByProcess()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return std::nullopt;
    for (const QByteArray& line : io.readAll().split('\n'))
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    return std::nullopt;
}

int OpenFileDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size());
}

}  // namespace

TEST(ProfileClass, EachMaskBitAcceptsItsOwnClass)
{
    struct TCase {
        cmsProfileClassSignature deviceClass;
        int bit;
    };
    const TCase classes[] = {
        {cmsSigInputClass, 1}, {cmsSigDisplayClass, 2}, {cmsSigColorSpaceClass, 4},
        {cmsSigOutputClass, 8}, {cmsSigAbstractClass, 16},
    };
    for (const TCase& c : classes)
        for (int mask = 0; mask < 32; ++mask)
            EXPECT_EQ(ProfileClassAccepted(c.deviceClass, mask), (mask & c.bit) != 0)
                << std::hex << c.deviceClass << " mask " << std::dec << mask;
    // Device links and named colour profiles pass under no mask.
    for (std::uint32_t other : {std::uint32_t(cmsSigLinkClass), std::uint32_t(cmsSigNamedColorClass), 0u})
        EXPECT_FALSE(ProfileClassAccepted(other, 31)) << std::hex << other;
    EXPECT_EQ(std::uint32_t(cmsSigOutputClass), 0x70727472u);  // "prtr"
}

TEST_F(OutputProfile, OnlyCmykOutputProfilesAreAccepted)
{
    struct TCase {
        const char* what;
        QString path;
        QString description;
    };
    const std::vector<TCase> cases = {
        {"CMYK output profile", GhostscriptCmyk, SwopDescription},
        {"CMYK output profile saved again by Little CMS",
         ReclassedCopy(folder, GhostscriptCmyk, "output.icc", cmsSigOutputClass), SwopDescription},
        {"CMYK input profile", ReclassedCopy(folder, GhostscriptCmyk, "input.icc", cmsSigInputClass), {}},
        {"CMYK display profile", ReclassedCopy(folder, GhostscriptCmyk, "display.icc", cmsSigDisplayClass), {}},
        {"CMYK colour space profile", ReclassedCopy(folder, GhostscriptCmyk, "space.icc", cmsSigColorSpaceClass), {}},
        {"CMYK abstract profile", ReclassedCopy(folder, GhostscriptCmyk, "abstract.icc", cmsSigAbstractClass), {}},
        {"RGB display profile made by the build", GeneratedDisplayProfile, {}},
        {"RGB display profile (icc-profiles-free)", FreeSrgb, {}},
        {"RGB profile as output class", ReclassedCopy(folder, FreeSrgb, "rgb-output.icc", cmsSigOutputClass), {}},
        {"a path outside ASCII", Write(QStringLiteral("Druckprofil Fogra \u00e9\u00fc\u4e2d.icc"), cmyk), SwopDescription},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ProfileDescription(c.path), c.description) << c.what;
}

TEST_F(OutputProfile, FilesThatAreNoProfileAreRefused)
{
    QByteArray random(70000, '\0');
    std::mt19937 generator(7);
    for (char& byte : random)
        byte = char(generator());
    QByteArray randomWithMagic = random;
    randomWithMagic.replace(36, 4, "acsp");

    const QString vanished = Write("vanished.icc", cmyk);
    QFile::remove(vanished);
    const QString directory = folder.filePath("folder.icc");
    QDir().mkpath(directory);

    struct TCase {
        const char* what;
        QString path;
    };
    std::vector<TCase> cases = {
        {"no path", QString()},
        {"zero bytes", Write("empty.icc", {})},
        {"random bytes", Write("random.icc", random)},
        {"random bytes with the profile signature", Write("magic.icc", randomWithMagic)},
        {"a folder", directory},
        {"a path that vanished", vanished},
        {"a text file", Write("text.icc", "this is not a colour profile\n")},
    };
    for (int length : {1, 4, 64, 127, 128, 131, 140, 200, 300, 1000})
        cases.push_back({"truncated", Write(QStringLiteral("cut%1.icc").arg(length), cmyk.left(length))});
    for (const TCase& c : cases)
        EXPECT_TRUE(ProfileDescription(c.path).isEmpty()) << c.what << " " << c.path.toStdString();
}

TEST_F(OutputProfile, DamagedTagsAreRefused)
{
    // Tag 0 of the Ghostscript profile is its description.
    ASSERT_EQ(BigEndian32(cmyk, TagEntry(0)), std::uint32_t(cmsSigProfileDescriptionTag));
    const int descOffset = int(BigEndian32(cmyk, TagEntry(0) + 4));

    struct TCase {
        const char* what;
        std::function<void(QByteArray&)> damage;
        bool convertible;  // the colour tables are still whole
    };
    const TCase cases[] = {
        {"tag count far too large", [](QByteArray& p) { PutBigEndian32(p, 128, 0xFFFFFFFFu); }, false},
        {"no tags", [](QByteArray& p) { PutBigEndian32(p, 128, 0); }, false},
        {"all tags pointing into the header", [](QByteArray& p) {
             for (int i = 0; i < 9; ++i)
                 PutBigEndian32(p, TagEntry(i) + 4, 0);
         }, false},
        {"header size zero", [](QByteArray& p) { PutBigEndian32(p, 0, 0); }, false},
        {"header size beyond the end", [](QByteArray& p) { PutBigEndian32(p, 0, std::uint32_t(p.size() + 1)); }, false},
        {"profile signature damaged", [](QByteArray& p) { p.replace(36, 4, "abcd"); }, false},
        {"description beyond the end", [](QByteArray& p) { PutBigEndian32(p, TagEntry(0) + 4, std::uint32_t(p.size() + 16)); }, true},
        {"description of enormous size", [](QByteArray& p) { PutBigEndian32(p, TagEntry(0) + 8, 0xFFFFFFF0u); }, true},
        {"description offset wrapping around", [](QByteArray& p) {
             PutBigEndian32(p, TagEntry(0) + 4, 0xFFFFFFF0u);
             PutBigEndian32(p, TagEntry(0) + 8, 0x20u);
         }, true},
        {"description of unknown type", [&](QByteArray& p) { p.replace(descOffset, 4, "XXXX"); }, true},
        {"description text longer than its tag", [&](QByteArray& p) { PutBigEndian32(p, descOffset + 8, 0x7FFFFFFFu); }, true},
        {"description tag renamed", [](QByteArray& p) { p.replace(TagEntry(0), 4, "zzzz"); }, true},
    };
    for (const TCase& c : cases) {
        QByteArray damaged = cmyk;
        c.damage(damaged);
        const QString path = Write("damaged.icc", damaged);
        EXPECT_TRUE(ProfileDescription(path).isEmpty()) << c.what;
        EXPECT_EQ(LabToDevice(path, 50, 10, 10, INTENT_RELATIVE_COLORIMETRIC).has_value(), c.convertible) << c.what;
    }
}

// Damage to the colour tables leaves the description readable: the profile
// is accepted, but no conversion comes out of the broken tables.
TEST_F(OutputProfile, DamagedColourTablesGiveNoDeviceValues)
{
    QByteArray damaged = cmyk;
    ASSERT_EQ(damaged.mid(TagEntry(4), 4), QByteArray("B2A0"));
    // All three Lab to CMYK tags share one table in this profile.
    const int table = int(BigEndian32(damaged, TagEntry(4) + 4));
    damaged.replace(table, 4, "junk");
    const QString path = Write("damaged-table.icc", damaged);
    EXPECT_EQ(ProfileDescription(path), SwopDescription);
    for (int intent = 0; intent < 4; ++intent)
        EXPECT_FALSE(LabToDevice(path, 50, 10, 10, intent).has_value()) << intent;
}

// A very large file is judged by its header and tag table; it is not read
// whole. (Checked through the process's read counter where there is one.)
TEST_F(OutputProfile, AVeryLargeFileIsNotReadWhole)
{
    constexpr qint64 size = 200LL * 1024 * 1024;
    const QString zeros = folder.filePath("zeros.icc");
    const QString padded = Write("padded.icc", cmyk);
    for (const QString& path : {zeros, padded}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.resize(size));  // sparse where the file system allows
    }
    const std::optional<long long> before = BytesReadByProcess();
    EXPECT_TRUE(ProfileDescription(zeros).isEmpty());
    EXPECT_EQ(ProfileDescription(padded), SwopDescription);
    const std::optional<long long> after = BytesReadByProcess();
    if (before && after) {
        EXPECT_LT(*after - *before, 4LL * 1024 * 1024);
    }
}

// Deterministic mutations of real profiles: every one is either accepted
// with a description or refused, and accepted ones convert or give nothing.
TEST_F(OutputProfile, MutatedProfilesAreAcceptedOrRefusedNeverHarmful)
{
    const QByteArray inputClass = ReadAll(ReclassedCopy(folder, GhostscriptCmyk, "input.icc", cmsSigInputClass));
    const std::vector<QByteArray> originals = {cmyk, inputClass, ReadAll(GeneratedDisplayProfile)};
    const std::uint32_t extremes[] = {0u, 1u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 128u, 132u};
    const std::uint32_t classes[] = {cmsSigInputClass, cmsSigDisplayClass, cmsSigOutputClass,
                                     cmsSigColorSpaceClass, cmsSigAbstractClass, cmsSigLinkClass};

    std::mt19937 generator(20240611u);
    auto below = [&](std::uint32_t n) { return n == 0 ? 0u : std::uint32_t(generator() % n); };
    int accepted = 0, refused = 0, converted = 0;
    for (int i = 0; i < 360; ++i) {
        QByteArray p = originals[std::size_t(i) % originals.size()];
        const std::uint32_t size = std::uint32_t(p.size());
        const std::uint32_t tagCount = std::min<std::uint32_t>(BigEndian32(p, 128), 40u);
        const int kind = int(below(7));
        switch (kind) {
        case 0:  // a few random bytes anywhere
            for (std::uint32_t n = 1 + below(8); n > 0; --n)
                p[int(below(size))] = char(generator());
            break;
        case 1:  // bit flips in the header
            for (std::uint32_t n = 1 + below(4); n > 0; --n)
                p[int(below(128))] ^= char(1u << below(8));
            break;
        case 2:  // bit flips in the tag table
            for (std::uint32_t n = 1 + below(4); n > 0; --n)
                p[int(132 + below(12 * tagCount))] ^= char(1u << below(8));
            break;
        case 3:  // cut short
            p.truncate(int(below(size)));
            break;
        case 4: {  // a header field set to an extreme value
            const int fields[] = {0, 8, 12, 16, 20, 36, 64, 128};
            PutBigEndian32(p, fields[below(8)], extremes[below(7)]);
            break;
        }
        case 5: {  // a tag entry's offset or size set to an extreme or near the end
            const int entry = TagEntry(int(below(tagCount)));
            const std::uint32_t values[] = {extremes[below(7)], size - 1, size + 1, size, below(size)};
            PutBigEndian32(p, entry + 4 + 4 * int(below(2)), values[below(5)]);
            break;
        }
        case 6:  // another device class, often an accepted one
            PutBigEndian32(p, 12, classes[below(6)]);
            if (below(2) == 0)
                p[int(below(size))] = char(generator());
            break;
        }
        const QString path = Write(QStringLiteral("mutant%1.icc").arg(i), p);
        const QString description = ProfileDescription(path);
        if (description.isEmpty()) {
            ++refused;
        } else {
            ++accepted;
            if (LabToDevice(path, 50, 40, -30, i % 4))
                ++converted;
        }
        QFile::remove(path);
    }
    RecordProperty("accepted", accepted);
    RecordProperty("refused", refused);
    RecordProperty("converted", converted);
    EXPECT_GT(accepted, 20);
    EXPECT_GT(refused, 20);
    EXPECT_GT(converted, 0);
}

// The reference passes floating-point Lab through an unprecalculated
// transform; the precalculated table of the conversion may differ from it by
// its interpolation (up to 2 here), a mixed-up Lab encoding by much more.
TEST_F(OutputProfile, DeviceValuesMatchLittleCmsForEachIntent)
{
    constexpr int tolerance = 2;
    cmsHPROFILE lab = cmsCreateLab4Profile(nullptr);
    cmsHPROFILE printer = cmsOpenProfileFromFile(QFile::encodeName(GhostscriptCmyk).constData(), "r");
    ASSERT_NE(printer, nullptr);
    const cmsCIELab colours[] = {{100, 0, 0},  {50, 0, 0},  {20, 0, 0},    {55, 70, 50},
                                 {40, 20, -60}, {85, -5, 80}, {70, -30, -30}, {30, 20, -60}};
    int mixUpsSeen = 0;
    for (int intent = 0; intent < 4; ++intent) {
        cmsHTRANSFORM reference = cmsCreateTransform(lab, TYPE_Lab_DBL, printer, TYPE_CMYK_8,
                                                     cmsUInt32Number(intent), cmsFLAGS_NOOPTIMIZE);
        cmsHTRANSFORM words = cmsCreateTransform(lab, TYPE_Lab_16, printer, TYPE_CMYK_8,
                                                 cmsUInt32Number(intent), cmsFLAGS_HIGHRESPRECALC);
        ASSERT_NE(reference, nullptr);
        ASSERT_NE(words, nullptr);
        for (const cmsCIELab& colour : colours) {
            cmsUInt8Number want[4], mixedUp[4];
            cmsDoTransform(reference, &colour, want, 1);
            cmsUInt16Number v2Words[3];
            cmsFloat2LabEncodedV2(v2Words, &colour);
            cmsDoTransform(words, v2Words, mixedUp, 1);
            const std::optional<TDeviceColor> got = LabToDevice(GhostscriptCmyk, colour.L, colour.a, colour.b, intent);
            ASSERT_TRUE(got.has_value());
            for (int i = 0; i < 4; ++i) {
                EXPECT_NEAR((*got)[std::size_t(i)], want[i], tolerance)
                    << "intent " << intent << " L*a*b* " << colour.L << " " << colour.a << " " << colour.b;
                if (std::abs(int(mixedUp[i]) - int(want[i])) > tolerance)
                    ++mixUpsSeen;
            }
        }
        cmsDeleteTransform(words);
        cmsDeleteTransform(reference);
    }
    cmsCloseProfile(printer);
    cmsCloseProfile(lab);
    EXPECT_GT(mixUpsSeen, 0);
    // Relative colorimetric white is the paper: no ink to speak of.
    const auto white = LabToDevice(GhostscriptCmyk, 100, 0, 0, INTENT_RELATIVE_COLORIMETRIC);
    ASSERT_TRUE(white.has_value());
    for (std::uint8_t v : *white)
        EXPECT_EQ(DevicePercent(v), 0);
}

TEST_F(OutputProfile, LabIsRoundedHalvesToEvenBeforeTheConversion)
{
    auto device = [](double L, double a, double b) { return LabToDevice(GhostscriptCmyk, L, a, b, INTENT_PERCEPTUAL); };
    EXPECT_EQ(device(50.5, 20.5, -20.5), device(50, 20, -20));
    EXPECT_EQ(device(51.5, 21.5, -21.5), device(52, 22, -22));
    EXPECT_EQ(device(49.6, 19.51, -20.49), device(50, 20, -20));
    // The cases are ones where a whole step shows in the device values.
    EXPECT_NE(device(50, 20, -20), device(51, 21, -21));
    EXPECT_NE(device(51, 21, -21), device(52, 22, -22));
}

TEST_F(OutputProfile, IntentsChangeTheValuesOfASaturatedColour)
{
    const auto perceptual = LabToDevice(GhostscriptCmyk, 30, 20, -60, INTENT_PERCEPTUAL);
    const auto absolute = LabToDevice(GhostscriptCmyk, 30, 20, -60, INTENT_ABSOLUTE_COLORIMETRIC);
    ASSERT_TRUE(perceptual && absolute);
    EXPECT_NE(*perceptual, *absolute);
    EXPECT_FALSE(LabToDevice(GhostscriptCmyk, 30, 20, -60, -1).has_value());
    EXPECT_FALSE(LabToDevice(GhostscriptCmyk, 30, 20, -60, 4).has_value());
}

TEST_F(OutputProfile, NoDeviceValuesWithoutACmykOutputProfile)
{
    const QString input = ReclassedCopy(folder, GhostscriptCmyk, "input.icc", cmsSigInputClass);
    const QString missing = folder.filePath("missing.icc");
    for (const QString& path : {GeneratedDisplayProfile, FreeSrgb, input, missing, QString()})
        EXPECT_FALSE(LabToDevice(path, 50, 0, 0, INTENT_PERCEPTUAL).has_value()) << path.toStdString();
}

// Every conversion and check releases its file again.
TEST_F(OutputProfile, RepeatedConversionsKeepNoFileOpen)
{
    const QString bad = Write("bad.icc", cmyk.left(500));
    const int before = OpenFileDescriptors();
    for (int i = 0; i < 40; ++i) {
        ProfileDescription(GhostscriptCmyk);
        ProfileDescription(bad);
        LabToDevice(GhostscriptCmyk, 50, 0, 0, i % 4);
        LabToScreenThrough(GeneratedDisplayProfile, 50, 0, 0);
        LabToScreenThrough(bad, 50, 0, 0);
    }
    EXPECT_EQ(OpenFileDescriptors(), before);
}

TEST(DevicePercent, BytesBecomeWholePercentages)
{
    const std::pair<int, int> cases[] = {{0, 0}, {1, 0}, {2, 1}, {64, 25}, {127, 50}, {128, 50},
                                         {191, 75}, {254, 100}, {255, 100}};
    for (const auto& [byte, percent] : cases)
        EXPECT_EQ(DevicePercent(std::uint8_t(byte)), percent) << byte;
    for (int v = 0; v < 256; ++v)
        EXPECT_LE(std::abs(DevicePercent(std::uint8_t(v)) - v * 100.0 / 255.0), 0.5) << v;
}
