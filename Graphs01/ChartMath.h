// Pixel arithmetic of every chart: Rnd (round half to even, clamped so that
// absurd values never overflow an int) and Div (integer division truncating
// toward zero). One place, used by every chart.
#pragma once

#include <cmath>

// Farthest a chart coordinate may lie from the origin. A drawing area is a
// few hundred pixels across; anything beyond this is off the surface anyway,
// and sums like cx + Rnd(v) + 20 stay far from the int limits.
inline constexpr int MaxChartCoordinate = 1'000'000;

// v rounded to the nearest integer, ties to even (Rnd(4.5) = 4, Rnd(5.5) = 6,
// Rnd(-2.5) = -2). Values beyond +-MaxChartCoordinate are clamped to it; NaN
// gives 0.
inline int Rnd(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= MaxChartCoordinate)
        return MaxChartCoordinate;
    if (v <= -MaxChartCoordinate)
        return -MaxChartCoordinate;
    // Half to even whatever the floating-point rounding mode is.
    const double below = std::floor(v);
    const double fraction = v - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        rounded = below + 1.0;
    return static_cast<int>(rounded);
}

// a div b: integer division truncating toward zero (81 div 2 = 40, -7 div 2 = -3).
// Named Div because the C library already has a div().
constexpr int Div(int a, int b) { return a / b; }

// The centre of the span from a to b: a + (b - a) div 2.
constexpr int SpanCentre(int a, int b) { return a + Div(b - a, 2); }
