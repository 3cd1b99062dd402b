// Number formats and the densitometric formulas, as tables of worked numbers.
#include "DensityFormat.h"
#include "DensityFormulas.h"
#include "DensityTestSupport.h"

#include <QLocale>

#include <cfenv>
#include <cmath>
#include <limits>

namespace {

struct TFormatCase {
    double Density;
    int Decimals;
    const char* Text;
};

class DensityFormatTest : public ::testing::TestWithParam<TFormatCase> {};

TEST_P(DensityFormatTest, WritesFixedPointLikePrintf)
{
    const TFormatCase& c = GetParam();
    EXPECT_EQ(DensityFormat(c.Density, c.Decimals), QString::fromLatin1(c.Text));
}

INSTANTIATE_TEST_SUITE_P(Cases, DensityFormatTest,
                         ::testing::Values(TFormatCase{1.4567, 2, "1.46"}, TFormatCase{0.05, 2, "0.05"},
                                           TFormatCase{-0.012, 2, "-0.01"}, TFormatCase{0.0, 2, "0.00"},
                                           TFormatCase{-0.004, 2, "0.00"}, TFormatCase{-0.0, 2, "0.00"},
                                           TFormatCase{1.5, 1, "1.5"}, TFormatCase{0.5, 3, "0.500"},
                                           TFormatCase{2.0, 4, "2.0000"}, TFormatCase{12345.678, 2, "12345.68"},
                                           TFormatCase{std::numeric_limits<double>::quiet_NaN(), 2, "-"},
                                           TFormatCase{std::numeric_limits<double>::infinity(), 2, "-"}));

TEST(DensityFormat, FollowsTheDecimalsSetting)
{
    Config.Decimals = 3;
    EXPECT_EQ(DensityFormat(1.4567), "1.457");
    Config = ConfigType{};
    EXPECT_EQ(DensityFormat(1.4567), "1.46");
}

TEST(DensityFormat, UsesTheLocalesDecimalSeparator)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(DensityFormat(1.4567, 2), "1,46");
    EXPECT_EQ(DensityFormat(-0.03, 2), "-0,03");
    EXPECT_EQ(DensityFormat(12345.678, 1), "12345,7");  // no group separator
    QLocale::setDefault(before);
    EXPECT_EQ(DensityFormat(1.4567, 2), "1.46");
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour)
{
    const std::pair<double, double> cases[] = {{0.5, 0.0},  {1.5, 2.0},  {2.5, 2.0},   {3.5, 4.0},
                                               {-0.5, 0.0}, {-1.5, -2.0}, {-2.5, -2.0}, {16.4, 16.0},
                                               {83.7, 84.0}, {12.5, 12.0}, {-3.2, -3.0}, {99.5, 100.0}};
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
}

TEST(RoundHalfEven, DoesNotDependOnTheRoundingMode)
{
    const int mode = std::fegetround();
    std::fesetround(FE_UPWARD);
    const double up = RoundHalfEven(2.5);
    const double down = RoundHalfEven(16.4);
    std::fesetround(FE_DOWNWARD);
    const double low = RoundHalfEven(83.7);
    std::fesetround(mode);
    EXPECT_EQ(up, 2.0);
    EXPECT_EQ(down, 16.0);
    EXPECT_EQ(low, 84.0);
}

TEST(PercentText, WholeNumberAndPercentSign)
{
    EXPECT_EQ(PercentText(16.4), "16%");
    EXPECT_EQ(PercentText(-3.2), "-3%");
    EXPECT_EQ(PercentText(-0.4), "0%");
    EXPECT_EQ(PercentText(0.0), "0%");
    EXPECT_EQ(PercentText(100.5), "100%");
    EXPECT_EQ(PercentText(std::nullopt), "-");
    EXPECT_EQ(PercentText(std::numeric_limits<double>::infinity()), "-");
    EXPECT_EQ(PercentText(std::numeric_limits<double>::quiet_NaN()), "-");
}

// Murray–Davies with n = 1: (1 - 10^-Dt) / (1 - 10^-Ds) * 100.
TEST(DotArea, MurrayDaviesWorkedNumbers)
{
    const struct {
        float Tint, Solid;
        double Area;
    } cases[] = {
        {1.40f, 1.40f, 100.0},
        {0.0f, 1.40f, 0.0},
        {0.30103f, 1.0f, 0.5 / 0.9 * 100.0},                               // 10^-0.30103 = 0.5
        {0.5f, 1.5f, (1 - std::pow(10.0, -0.5)) / (1 - std::pow(10.0, -1.5)) * 100.0},
    };
    for (const auto& c : cases) {
        const auto area = DotArea(c.Tint, c.Solid, 1.0f);
        ASSERT_TRUE(area.has_value());
        EXPECT_NEAR(*area, c.Area, 1e-3) << c.Tint << " " << c.Solid;
    }
}

TEST(DotArea, YuleNielsenFactorFlattensTheCurve)
{
    const auto md = DotArea(0.5f, 1.5f, 1.0f);
    const auto yn = DotArea(0.5f, 1.5f, 2.0f);
    ASSERT_TRUE(md && yn);
    const double expected = (1 - std::pow(10.0, -0.25)) / (1 - std::pow(10.0, -0.75)) * 100.0;
    EXPECT_NEAR(*yn, expected, 1e-3);
    EXPECT_LT(*yn, *md);
}

TEST(DotArea, TintDenserThanSolidIsAbove100)
{
    const auto area = DotArea(1.6f, 1.4f, 1.0f);
    ASSERT_TRUE(area);
    EXPECT_GT(*area, 100.0f);
}

TEST(DotArea, NoValueAgainstASolidOfZero)
{
    EXPECT_FALSE(DotArea(0.5f, 0.0f, 1.0f));
    EXPECT_FALSE(DotArea(0.0f, 0.0f, 1.0f));
    EXPECT_FALSE(DotArea(0.5f, -0.0f, 1.0f));
    EXPECT_FALSE(DotArea(0.5f, 1e-45f, 1.0f));  // a divisor that vanishes in the arithmetic
    EXPECT_FALSE(DotArea(0.5f, 1.4f, 0.0f));
}

TEST(DotArea, NegativeDensitiesGiveAFiniteFigure)
{
    const auto area = DotArea(-0.02f, 1.4f, 1.0f);
    ASSERT_TRUE(area);
    EXPECT_LT(*area, 0.0f);
}

TEST(PrintContrast, WorkedNumbers)
{
    EXPECT_EQ(PercentText(*PrintContrast(1.50f, 1.20f)), "20%");
    EXPECT_EQ(PercentText(*PrintContrast(2.0f, 1.75f)), "12%");  // 12.5 exactly: to the even 12
    EXPECT_EQ(PercentText(*PrintContrast(1.0f, 0.625f)), "38%");  // 37.5 exactly: to the even 38
    EXPECT_EQ(PercentText(*PrintContrast(1.2f, 1.5f)), "-25%");
    EXPECT_FALSE(PrintContrast(0.0f, 1.2f));
}

TEST(PreucilTrap, MagentaOnCyan)
{
    const auto trap = PreucilTrap(1.25f, 0.12f, 1.35f);
    ASSERT_TRUE(trap);
    EXPECT_NEAR(*trap, 83.7, 0.05);
    EXPECT_EQ(PercentText(trap), "84%");
    EXPECT_FALSE(PreucilTrap(1.25f, 0.12f, 0.0f));
}

TEST(ThreeValueFunctions, MaxMinMid)
{
    const struct {
        float A, B, C, Max, Min, Mid;
    } cases[] = {
        {1.40f, 0.60f, 0.20f, 1.40f, 0.20f, 0.60f},
        {0.20f, 1.40f, 0.60f, 1.40f, 0.20f, 0.60f},
        {0.60f, 0.20f, 1.40f, 1.40f, 0.20f, 0.60f},
        {1.00f, 0.50f, 0.50f, 1.00f, 0.50f, 0.50f},
        {0.50f, 0.50f, 1.00f, 1.00f, 0.50f, 0.50f},
        {0.70f, 0.70f, 0.70f, 0.70f, 0.70f, 0.70f},
        {-0.1f, -0.3f, -0.2f, 0.0f, -0.3f, -0.2f},     // Max3 is at least 0
        {150.f, 120.f, 100.f, 150.f, 99.0f, 120.f},     // Min3 is at most 99
    };
    for (const auto& c : cases) {
        EXPECT_FLOAT_EQ(Max3(c.A, c.B, c.C), c.Max);
        EXPECT_FLOAT_EQ(Min3(c.A, c.B, c.C), c.Min);
        EXPECT_FLOAT_EQ(Mid3(c.A, c.B, c.C), c.Mid);
    }
}

TEST(GatfFormulas, CyanSolidExample)
{
    const auto hue = GatfHueError(1.40f, 0.60f, 0.20f);
    const auto gray = GatfGrayness(1.40f, 0.60f, 0.20f);
    ASSERT_TRUE(hue && gray);
    EXPECT_NEAR(*hue, 33.3, 0.05);
    EXPECT_NEAR(*gray, 14.3, 0.05);
    EXPECT_EQ(PercentText(double(*hue)), "33%");
    EXPECT_EQ(PercentText(double(*gray)), "14%");
}

TEST(GatfFormulas, EqualMiddleAndLowGiveNoHueError)
{
    const auto hue = GatfHueError(1.00f, 0.50f, 0.50f);
    ASSERT_TRUE(hue);
    EXPECT_EQ(PercentText(double(*hue)), "0%");
}

TEST(GatfFormulas, ZeroDivisorsHaveNoValue)
{
    EXPECT_FALSE(GatfHueError(0.8f, 0.8f, 0.8f));    // H = L
    EXPECT_FALSE(GatfHueError(0.0f, 0.0f, 0.0f));
    EXPECT_FALSE(GatfGrayness(0.0f, 0.0f, 0.0f));    // H = 0
    EXPECT_FALSE(GatfGrayness(-0.1f, -0.2f, -0.3f)); // H clamped to 0
    EXPECT_TRUE(GatfHueError(-0.1f, -0.2f, -0.3f));  // H = 0, L = -0.3: a value
}

}  // namespace
