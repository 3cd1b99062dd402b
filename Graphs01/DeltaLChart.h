// The delta L chart of the delta L-a-b page: a vertical scale from -5 to +5,
// an arrow at ΔL* (or up/down at the scale's end when off it) and two colour
// bars of the compared patch's hue. Records may be null (no record).
#pragma once

#include "Canvas.h"
#include "TData.h"

#include <array>

struct TDeltaLGeometry {
    TRect Box;    // client less 10 on every side
    TRect Inner;  // the box less its bevel
    TRect Plot;   // the inner rectangle less 8 left/right, 10 top/bottom
    TRect Arrow;  // client less 20 left/right, 30 top/bottom, then 8 and 10 more
    int CX = 0, CY = 0;
    int H = 0;    // plot height
};
TDeltaLGeometry DeltaLGeometry(const TDrawingArea& area);

// Box, bevel, scale, ticks, labels and the two colour bars.
void DrawDeltaLAxes(TCanvas& area, const TData* measure);
// The arrow at ΔL*; first recomputes the differences.
void DrawDeltaLArrow(TCanvas& area, TData* reference, TData* measure, TColor fill);

// The seven corners of a filled arrow from p (back of the shaft, centre) of
// the given length, pointing at `angle` degrees (0 right, 90 up).
std::array<TPoint, 7> ArrowPoints(TPoint p, int length, int shaftLength, int headWidth, int shaftWidth,
                                  double angle);
// The arrow as a polygon p0 .. p6, p0: outline in `outline`, filled with `fill`.
void DrawArrow(TCanvas& surface, TPoint p, int length, int shaftLength, int headWidth, int shaftWidth,
               TColor fill, TColor outline, double angle);
