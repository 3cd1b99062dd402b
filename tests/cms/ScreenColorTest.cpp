// CIELAB to screen colour through the display profile: worked sRGB values,
// truncation, the pairing of the Lab profile with its encoding, and what the
// swatches get when the display profile is missing or unreadable.
#include "CMS.h"
#include "Eye1lib.h"
#include "ProfileFixtures.h"

#include <QTemporaryDir>

#include <lcms2.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

using namespace cmstest;

namespace {

struct TLab {
    double L, a, b;
};

// sRGB of a CIELAB (D50) colour by the published formulas: CIELAB to XYZ
// (D50), Bradford adaptation to D65, the sRGB matrix and the sRGB curve.
std::array<int, 3> SrgbByFormula(const TLab& lab)
{
    auto finv = [](double t) { return t > 6.0 / 29.0 ? t * t * t : 3.0 * (6.0 / 29.0) * (6.0 / 29.0) * (t - 4.0 / 29.0); };
    const double fy = (lab.L + 16.0) / 116.0;
    const double X = 0.9642 * finv(fy + lab.a / 500.0), Y = finv(fy), Z = 0.8249 * finv(fy - lab.b / 200.0);
    const double X65 = 0.9555766 * X - 0.0230393 * Y + 0.0631636 * Z;
    const double Y65 = -0.0282895 * X + 1.0099416 * Y + 0.0210077 * Z;
    const double Z65 = 0.0122982 * X - 0.0204830 * Y + 1.3299098 * Z;
    const double linear[3] = {3.2404542 * X65 - 1.5371385 * Y65 - 0.4985314 * Z65,
                              -0.9692660 * X65 + 1.8760108 * Y65 + 0.0415560 * Z65,
                              0.0556434 * X65 - 0.2040259 * Y65 + 1.0572252 * Z65};
    std::array<int, 3> rgb{};
    for (int i = 0; i < 3; ++i) {
        const double v = std::clamp(linear[i], 0.0, 1.0);
        const double encoded = v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1.0 / 2.4) - 0.055;
        rgb[std::size_t(i)] = int(std::lround(255.0 * encoded));
    }
    return rgb;
}

// Whole-number colours inside the sRGB gamut, greys first.
const std::vector<TLab> InGamutColours = {
    {0, 0, 0},     {25, 0, 0},      {50, 0, 0},     {75, 0, 0},     {100, 0, 0},   {60, 20, -30},
    {40, -20, 30}, {70, -10, -10},  {30, 10, 10},   {85, 5, 40},    {45, 30, -50}, {90, -5, 5},
    {50, -12, -30}, {65, 40, 20},   {35, -5, -35},  {80, -30, 60},  {20, 15, -20}, {55, 0, 45},
};

// One pixel through a transform from `lab` to the profile at `path`, input
// encoded by `encode` in the layout `format`.
std::array<int, 3> ThroughLittleCms(const QString& path, cmsHPROFILE lab, cmsUInt32Number format,
                                    void (*encode)(cmsUInt16Number[3], const cmsCIELab*), const TLab& value)
{
    cmsHPROFILE display = cmsOpenProfileFromFile(QFile::encodeName(path).constData(), "r");
    cmsHTRANSFORM transform = cmsCreateTransform(lab, format, display, TYPE_RGB_8, INTENT_PERCEPTUAL,
                                                 cmsFLAGS_NOOPTIMIZE);
    const cmsCIELab in{value.L, value.a, value.b};
    cmsUInt8Number out[3] = {0, 0, 0};
    if (encode != nullptr) {
        cmsUInt16Number words[3];
        encode(words, &in);
        cmsDoTransform(transform, words, out, 1);
    } else {
        cmsDoTransform(transform, &in, out, 1);
    }
    cmsDeleteTransform(transform);
    cmsCloseProfile(display);
    return {out[0], out[1], out[2]};
}

std::array<int, 3> Rgb(const TScreenColor& c) { return {c.R, c.G, c.B}; }

class ScreenColor : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitColorManagement(); }
    void TearDown() override { SetExeFolderOverride(QString()); }
};

}  // namespace

TEST_F(ScreenColor, WhiteBlackAndMidGreyAreTheSrgbValues)
{
    EXPECT_EQ(Rgb(LabToScreen(100, 0, 0)), (std::array<int, 3>{255, 255, 255}));
    EXPECT_EQ(Rgb(LabToScreen(0, 0, 0)), (std::array<int, 3>{0, 0, 0}));
    const TScreenColor grey = LabToScreen(50, 0, 0);
    for (int channel : {grey.R, grey.G, grey.B})
        EXPECT_NEAR(channel, 119, 1);
}

TEST_F(ScreenColor, ColoursMatchTheSrgbFormulas)
{
    for (const TLab& lab : InGamutColours) {
        const std::array<int, 3> got = Rgb(LabToScreenThrough(GeneratedDisplayProfile, lab.L, lab.a, lab.b));
        const std::array<int, 3> want = SrgbByFormula(lab);
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(got[std::size_t(i)], want[std::size_t(i)], 1)
                << "L*a*b* " << lab.L << " " << lab.a << " " << lab.b << " channel " << i;
    }
}

// The 16-bit Lab words must be decoded as they were encoded. The reference
// passes the Lab values as floating point, where no encoding is involved.
TEST_F(ScreenColor, LabEncodingMatchesTheLabProfile)
{
    cmsHPROFILE lab4 = cmsCreateLab4Profile(nullptr);
    cmsHPROFILE lab2 = cmsCreateLab2Profile(nullptr);
    int v2WordsReadAsV4 = 0, v4WordsReadAsV2 = 0;
    for (const TLab& lab : InGamutColours) {
        const auto reference = ThroughLittleCms(GeneratedDisplayProfile, lab4, TYPE_Lab_DBL, nullptr, lab);
        EXPECT_EQ(Rgb(LabToScreenThrough(GeneratedDisplayProfile, lab.L, lab.a, lab.b)), reference)
            << "L*a*b* " << lab.L << " " << lab.a << " " << lab.b;
        // The table is able to see the two ways of mixing them up.
        if (ThroughLittleCms(GeneratedDisplayProfile, lab4, TYPE_Lab_16, cmsFloat2LabEncodedV2, lab) != reference)
            ++v2WordsReadAsV4;
        if (ThroughLittleCms(GeneratedDisplayProfile, lab2, TYPE_LabV2_16, cmsFloat2LabEncoded, lab) != reference)
            ++v4WordsReadAsV2;
    }
    EXPECT_GT(v2WordsReadAsV4, 0);
    EXPECT_GT(v4WordsReadAsV2, 0);
    cmsCloseProfile(lab2);
    cmsCloseProfile(lab4);
}

TEST_F(ScreenColor, LabValuesAreTruncatedTowardsZero)
{
    struct TCase {
        TLab given, truncated, rounded;
    };
    const TCase cases[] = {
        {{53.97, 80.2, 67.9}, {53, 80, 67}, {54, 80, 68}},
        {{50.9, -12.6, -30.9}, {50, -12, -30}, {51, -13, -31}},
        {{0.99, 0.7, -0.7}, {0, 0, 0}, {1, 1, -1}},
    };
    for (const TCase& c : cases) {
        const auto got = Rgb(LabToScreen(c.given.L, c.given.a, c.given.b));
        EXPECT_EQ(got, Rgb(LabToScreen(c.truncated.L, c.truncated.a, c.truncated.b))) << c.given.L;
        // The example is one where rounding would show.
        EXPECT_NE(got, Rgb(LabToScreen(c.rounded.L, c.rounded.a, c.rounded.b))) << c.given.L;
    }
    EXPECT_EQ(Rgb(LabToScreen(53.97, 80.2, 67.9)), (std::array<int, 3>{250, 0, 7}));
}

TEST_F(ScreenColor, TheBuildPutsTheDisplayProfileBesideTheExecutable)
{
    const QString path = ExeFolder() + QString::fromUtf8(DisplayProfileName);
    EXPECT_EQ(DisplayProfilePath(), path);
    ASSERT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
    EXPECT_EQ(QFileInfo(path).fileName(), QStringLiteral("sRGB Color Space Profile.icm"));

    cmsHPROFILE profile = cmsOpenProfileFromFile(QFile::encodeName(path).constData(), "r");
    ASSERT_NE(profile, nullptr);
    EXPECT_EQ(cmsGetDeviceClass(profile), cmsSigDisplayClass);
    EXPECT_EQ(cmsGetColorSpace(profile), cmsSigRgbData);
    cmsCloseProfile(profile);
}

// LabToScreen reads whatever display profile lies in the executable's
// folder: a wide-gamut one gives another colour for a saturated green.
TEST_F(ScreenColor, TheDisplayProfileComesFromTheExecutableFolder)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    WriteFile(folder, QString::fromUtf8(DisplayProfileName), ReadAll(GhostscriptA98));
    SetExeFolderOverride(folder.path());

    const TLab green{60, -60, 50};
    const auto wide = Rgb(LabToScreen(green.L, green.a, green.b));
    EXPECT_EQ(wide, Rgb(LabToScreenThrough(GhostscriptA98, green.L, green.a, green.b)));
    EXPECT_NE(wide, Rgb(LabToScreenThrough(GeneratedDisplayProfile, green.L, green.a, green.b)));
}

// Without a usable display profile the swatches keep true sRGB colours from
// Little CMS's built-in sRGB profile.
TEST_F(ScreenColor, AMissingOrUnreadableDisplayProfileFallsBackToBuiltInSrgb)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString name = QString::fromUtf8(DisplayProfileName);
    const QByteArray srgb = ReadAll(GeneratedDisplayProfile);
    QByteArray random(4096, '\0');
    for (int i = 0; i < random.size(); ++i)
        random[i] = char((i * 2654435761u) >> 13);

    const std::vector<std::pair<const char*, std::function<void(const QString&)>>> cases = {
        {"missing", [](const QString&) {}},
        {"empty", [&](const QString&) { WriteFile(folder, name, {}); }},
        {"truncated", [&](const QString&) { WriteFile(folder, name, srgb.left(200)); }},
        {"random bytes", [&](const QString&) { WriteFile(folder, name, random); }},
        {"a CMYK profile", [&](const QString&) { WriteFile(folder, name, ReadAll(GhostscriptCmyk)); }},
        {"a folder", [&](const QString& path) { QDir().mkpath(path); }},
    };
    for (const auto& [what, make] : cases) {
        const QString path = folder.filePath(name);
        QFile::remove(path);
        QDir().rmdir(path);
        make(path);
        SetExeFolderOverride(folder.path());
        EXPECT_EQ(Rgb(LabToScreen(100, 0, 0)), (std::array<int, 3>{255, 255, 255})) << what;
        EXPECT_EQ(Rgb(LabToScreen(0, 0, 0)), (std::array<int, 3>{0, 0, 0})) << what;
        for (const TLab& lab : InGamutColours)
            EXPECT_EQ(Rgb(LabToScreen(lab.L, lab.a, lab.b)),
                      Rgb(LabToScreenThrough(GeneratedDisplayProfile, lab.L, lab.a, lab.b)))
                << what << ": L*a*b* " << lab.L << " " << lab.a << " " << lab.b;
    }
}
