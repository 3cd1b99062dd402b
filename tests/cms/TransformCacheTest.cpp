// The kept colour transforms: conversions through a kept transform give the
// very bytes of a transform built for the one conversion, over many colours
// and every intent; a changed or replaced profile file takes effect at the
// next conversion; the release at the end leaves nothing kept.
#include "CMS.h"
#include "OutputProfile.h"
#include "ProfileFixtures.h"
#include "TransformCache.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <vector>

using namespace cmstest;

namespace {

struct TLab {
    double L, a, b;
};

std::array<int, 3> Rgb(const TScreenColor& c)
{
    return {c.R, c.G, c.B};
}

// A grid over CIELAB with fractions (truncation and rounding both matter).
std::vector<TLab> ManyColours()
{
    std::vector<TLab> colours;
    for (double L = 0.0; L <= 100.0; L += 24.7)
        for (double a = -110.0; a <= 110.0; a += 53.9)
            for (double b = -110.0; b <= 110.0; b += 51.3)
                colours.push_back({L, a, b});
    colours.push_back({53.97, 80.2, 67.9});
    colours.push_back({100, 0, 0});
    return colours;
}

class TransformCache : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitColorManagement();
        ReleaseColorTransforms();
        ASSERT_TRUE(QFileInfo::exists(GhostscriptCmyk)) << "libgs-common";
    }
    void TearDown() override { ReleaseColorTransforms(); }
};

TEST_F(TransformCache, ScreenColoursAreIdenticalToTheUncachedConversion)
{
    for (const QString& profile : {GeneratedDisplayProfile, GhostscriptA98, QStringLiteral("/no/such/profile.icm")}) {
        std::vector<TScreenColor> uncached;
        for (const TLab& c : ManyColours()) {
            ReleaseColorTransforms();  // built for this one conversion
            uncached.push_back(LabToScreenThrough(profile, c.L, c.a, c.b));
        }
        ReleaseColorTransforms();
        std::size_t i = 0;
        for (const TLab& c : ManyColours()) {
            const TScreenColor kept = LabToScreenThrough(profile, c.L, c.a, c.b);
            EXPECT_EQ(Rgb(kept), Rgb(uncached[i]))
                << profile.toStdString() << " " << c.L << " " << c.a << " " << c.b;
            ++i;
        }
        EXPECT_EQ(ColorTransformCount(), 1u);
    }
}

TEST_F(TransformCache, DeviceValuesAreIdenticalToTheUncachedConversionInEveryIntent)
{
    // Fewer colours: each uncached conversion builds a precalculated table.
    std::vector<TLab> colours;
    const std::vector<TLab> all = ManyColours();
    for (std::size_t i = 0; i < all.size(); i += 8)
        colours.push_back(all[i]);
    for (int intent = 0; intent <= 3; ++intent) {
        std::vector<std::optional<TDeviceColor>> uncached;
        for (const TLab& c : colours) {
            ReleaseColorTransforms();
            uncached.push_back(LabToDevice(GhostscriptCmyk, c.L, c.a, c.b, intent));
        }
        for (std::size_t i = 0; i < colours.size(); ++i) {
            const std::optional<TDeviceColor> kept = LabToDevice(GhostscriptCmyk, colours[i].L, colours[i].a,
                                                                 colours[i].b, intent);
            ASSERT_TRUE(kept.has_value());
            EXPECT_EQ(kept, uncached[i]) << "intent " << intent << " colour " << i;
        }
    }
    EXPECT_EQ(ColorTransformCount(), 1u);  // the last intent's; the others were released between
}

TEST_F(TransformCache, OneTransformPerProfileAndIntent)
{
    for (int round = 0; round < 3; ++round)
        for (int intent = 0; intent <= 3; ++intent)
            ASSERT_TRUE(LabToDevice(GhostscriptCmyk, 50, 20, -30, intent).has_value());
    LabToScreenThrough(GeneratedDisplayProfile, 50, 20, -30);
    EXPECT_EQ(ColorTransformCount(), 5u);
    ReleaseColorTransforms();
    EXPECT_EQ(ColorTransformCount(), 0u);
}

TEST_F(TransformCache, AReplacedProfileFileTakesEffectAtTheNextConversion)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("printer.icc"));
    const QString saturated = QStringLiteral("/usr/share/color/icc/ghostscript/ps_cmyk.icc");
    ASSERT_TRUE(QFileInfo::exists(saturated)) << "libgs-common";

    // A CMYK output profile, then another one put in its place.
    ASSERT_TRUE(QFile::copy(GhostscriptCmyk, path));
    const TLab blue{30, 20, -60};
    const auto before = LabToDevice(path, blue.L, blue.a, blue.b, 1);
    ASSERT_TRUE(before.has_value());
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::copy(saturated, path));
    const auto after = LabToDevice(path, blue.L, blue.a, blue.b, 1);
    ReleaseColorTransforms();
    EXPECT_EQ(after, LabToDevice(saturated, blue.L, blue.a, blue.b, 1));
    ASSERT_NE(before, after) << "the two profiles must convert this colour differently";

    // A file that is no longer a profile converts nothing; a good one again converts.
    WriteFile(dir, QStringLiteral("printer.icc"), QByteArray(600, 'x'));
    EXPECT_FALSE(LabToDevice(path, blue.L, blue.a, blue.b, 1).has_value());
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::copy(GhostscriptCmyk, path));
    EXPECT_EQ(LabToDevice(path, blue.L, blue.a, blue.b, 1), before);
}

TEST_F(TransformCache, AFileRewrittenInPlaceAtOnceWithTheSameSizeTakesEffect)
{
    // File times advance in coarse ticks: a rewrite within the same tick,
    // same size, same file, shows no change in them.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QByteArray bytes = ReadAll(GhostscriptCmyk);
    ASSERT_GT(bytes.size(), 128);
    const QString path = WriteFile(dir, QStringLiteral("printer.icc"), bytes);
    ASSERT_TRUE(LabToDevice(path, 30, 20, -60, 1).has_value());
    bytes.replace(12, 4, "scnr");  // now an input profile: no conversion
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_EQ(file.write(bytes), bytes.size());
    file.close();
    EXPECT_FALSE(LabToDevice(path, 30, 20, -60, 1).has_value());
}

TEST_F(TransformCache, ADisplayProfileThatAppearsLaterIsUsed)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("display.icm"));
    const TLab green{60, -70, 50};  // outside sRGB, inside the wider profile
    const TScreenColor builtIn = LabToScreenThrough(path, green.L, green.a, green.b);
    ASSERT_TRUE(QFile::copy(GhostscriptA98, path));
    const TScreenColor wide = LabToScreenThrough(path, green.L, green.a, green.b);
    EXPECT_NE(Rgb(builtIn), Rgb(wide));
    ReleaseColorTransforms();
    const TScreenColor fresh = LabToScreenThrough(path, green.L, green.a, green.b);
    EXPECT_EQ(Rgb(fresh), Rgb(wide));
}

}  // namespace
