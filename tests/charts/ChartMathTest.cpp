// Rnd and Div, the arithmetic every chart coordinate goes through.
#include "ChartMath.h"

#include <gtest/gtest.h>
#include <limits>

TEST(ChartMath, RndRoundsHalfToEvenAndClamps)
{
    const double inf = std::numeric_limits<double>::infinity();
    struct TCase {
        double Value;
        int Expected;
    } const cases[] = {
        {4.5, 4}, {5.5, 6}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {1.5, 2}, {-0.5, 0},
        {4.4999, 4}, {4.5001, 5}, {-4.5001, -5}, {0.4975, 0}, {139.0, 139}, {-0.0, 0},
        {1e30, MaxChartCoordinate}, {-1e30, -MaxChartCoordinate}, {inf, MaxChartCoordinate},
        {-inf, -MaxChartCoordinate}, {std::numeric_limits<double>::quiet_NaN(), 0},
        {2147483648.0, MaxChartCoordinate},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(Rnd(c.Value), c.Expected) << c.Value;
}

TEST(ChartMath, DivTruncatesTowardZero)
{
    EXPECT_EQ(Div(81, 2), 40);
    EXPECT_EQ(Div(-7, 2), -3);
    EXPECT_EQ(Div(318, 2), 159);
    EXPECT_EQ(SpanCentre(11, 329), 170);
    EXPECT_EQ(SpanCentre(11, 92), 51);
}
