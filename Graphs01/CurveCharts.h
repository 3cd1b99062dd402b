// The dot gain curve chart (dot gain 0 .. 35 % over film dot area 0 .. 100 %,
// one fitted curve per ink) and the print curve chart (printed over film dot
// area, with the 45° line of a perfect reproduction).
#pragma once

#include "Canvas.h"
#include "main/densito/DotGainCurve.h"

#include <array>

// Plot rectangle and scales of either chart, from the area's bounds rectangle.
struct TCurvePlot {
    int L = 0, T = 0, R = 0, B = 0;
    double XS = 0, YS = 0;  // pixels per unit of the chart's axes

    int X(double units) const { return L + Rnd(XS * units); }
    int Y(double units) const { return B - Rnd(YS * units); }
};
// Dot gain chart: XS pixels per percent of film dot area, YS per percent of gain.
TCurvePlot DotGainPlot(const TDrawingArea& area);
// Print curve chart: XS and YS pixels per 10 %.
TCurvePlot PrintCurvePlot(const TDrawingArea& area);

// The top of the gain axis, in percent.
inline constexpr int DotGainAxisTop = 35;

void DrawDotGainAxes(TCanvas& canvas);
// Nothing when the gain at the middle tint is 0 (an empty curve).
void DrawDotGainCurve(TCanvas& canvas, const TDotGainCurve& curve, TColor colour);

void DrawPrintCurveAxes(TCanvas& canvas);
// Entry 0 (the scale's solid density) is not drawn; entries 1 .. 9 are the
// printed dot areas at 10 % .. 90 % film, 0 meaning not measured.
void DrawPrintCurve(TCanvas& canvas, const std::array<float, 10>& curve, TColor colour);
