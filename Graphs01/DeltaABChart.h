// The delta a/b chart of the delta L-a-b page: a square plot centred on the
// reference with the compared patch as a square at (Δa*, Δb*) and the unit
// tolerance figure (CMC ellipse or circle). Records may be null (no record).
#pragma once

#include "Canvas.h"
#include "TData.h"

// Fixed insets of the chart, from the client rectangle.
struct TDeltaABGeometry {
    TRect Box;    // client less 10 on every side
    TRect Inner;  // the box less its bevel
    TRect Plot;   // the inner rectangle less 8 left/right, 20 top/bottom
    int CX = 0, CY = 0;
    int H = 0;    // plot height
};
TDeltaABGeometry DeltaABGeometry(const TDrawingArea& area);

// Largest span drawn. Differences of real surface colours stay far below it
// (a* and b* lie within about ±130); only broken data reaches it, and such a
// marker is drawn where it falls, off the plot, instead of the chart drawing
// hundreds of thousands of ticks.
inline constexpr int MaxDeltaABSpan = 1000;

// Span S in whole units across the plot for the record's Δa*, Δb*: 10 without
// a record or within ±5, else 2 × Trunc(max(|Δa*|, |Δb*|) + 2), at most
// MaxDeltaABSpan (NaN differences give 10).
int DeltaABSpan(const TData* record);
// Label step of the axes for the half span N: 1 (N ≤ 8), 3 (N ≤ 15), else 5.
int DeltaABLabelStep(int halfSpan);

// Box, bevel, axes, ticks and labels; first recomputes the differences with
// the current viewing conditions.
void DrawDeltaABAxes(TCanvas& area, TData* reference, TData* measure);
// The square marker of the compared patch (yellow at the centre when its
// spectrum is empty).
void DrawDeltaABPoint(TCanvas& area, const TData* measure, TColor colour);
// The tolerance figure around the centre: the CMC ellipse in CMC(1:1) and
// CMC(2:1), else a circle of one unit (the records then hold CIELAB values).
void DrawToleranceEllipse(TData* reference, TData* measure, TColor colour, TCanvas& area);
