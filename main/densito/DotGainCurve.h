// One dot gain curve: five points (0 %, three tints, 100 %) and the three
// quadratic pieces fitted through consecutive triples of them. The charts
// draw it; the Dot Gain curve page fills and fits it.
#pragma once

#include <array>

struct TDotGainCurve {
    static constexpr int Points = 5;
    static constexpr int Pieces = 3;

    // Dot percentages X0 .. X4 and whole-number gains Y0 .. Y4. X0 = 0 and
    // X4 = 100 with no gain at either end.
    std::array<int, Points> X{0, 25, 50, 75, 100};
    std::array<int, Points> Y{};
    // Fit 1 .. Fit 3: a0, a1, a2 so that the gain at x is a0 + a1*x + a2*x².
    // Piece p runs through points p, p + 1, p + 2.
    std::array<std::array<double, 3>, Pieces> Fit{};

    double Gain(int piece, double x) const
    {
        const auto& a = Fit[piece];
        return a[0] + a[1] * x + a[2] * x * x;
    }
};
