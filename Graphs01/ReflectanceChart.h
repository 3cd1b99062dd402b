// The reflectance chart of the Reflectance page: grid from 0 to 130 %,
// 400 to 700 nm with its colour band, the spectral curves, and the spectral
// index under a horizontal position for the read-out.
#pragma once

#include "Canvas.h"
#include "TData.h"

// L = Left + 40, T = Top + 10, R = Left + Width - 40, B = Top + Height - 60
// of the bounds rectangle (43, 13, 536, 274 for PBX1 at (3, 3), 573 x 331).
TRect ReflectancePlotRect(const TDrawingArea& area);

// Clears the area and draws background, the shaded band above 100 %, the
// reflectance rows and labels, the colour band, ticks and wavelength labels.
void DrawReflectanceGrid(TCanvas& area);
// One spectrum (36 reflectance factors, 380 .. 730 nm) as a polyline of its
// values 400 .. 700 nm in the given colour.
void DrawReflectanceCurve(TCanvas& area, const TSpectrum& spectrum, TColor colour);
// The spectral index (0 .. 35) under the horizontal position x; positions far
// outside the plot are clamped to the nearest valid index.
int ReflectanceIndexAt(const TDrawingArea& area, int x);
inline int ReflectanceIndexAt(const TCanvas& area, int x) { return ReflectanceIndexAt(area.Area(), x); }
