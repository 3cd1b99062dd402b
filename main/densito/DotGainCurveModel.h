// Step logic of the Dot Gain curve page: the solid and three tints of one
// ink at the "Dot gain curve %" settings, their whole-number dot gains, and
// the fitted curve of every ink's last complete sequence.
#pragma once

#include "DensitoState.h"
#include "DotGainCurve.h"

#include <QString>

#include <array>

// The curve of a new sequence: X1 .. X3 from the settings of the moment,
// no gains, no fits.
TDotGainCurve ResetDotGainCurve();
// The three quadratic pieces through points 0-2, 1-3 and 2-4 (least
// squares with as many terms as points). A piece whose fit fails keeps its
// coefficients.
void FitDotGainCurve(TDotGainCurve& curve);
// The setting "Dot gain curve % k" (k = 1 .. 3), within 1 .. 99.
int DotGainCurvePercent(int tint);

class TDotGainCurveModel {
public:
    static constexpr int Swatches = 4;  // ShDGC1 (solid), ShDGC2 .. ShDGC4 (tints)

    TDotGainCurveModel() { Reset(); }
    void Reset();

    // Returns false when the reading is ignored (a tint of another ink than
    // the sequence's solid). true when something changed; Completed then
    // tells whether a curve was just stored.
    bool Measure(const TDensityMeasurement& reading, TDensitoShared& shared, const TPatchColorSource& patchColor);
    void SelectStep(int step);
    // A "Dot gain curve %" setting changed: every stored curve is emptied.
    // The sequence in progress keeps its point positions.
    void ForgetCurves();

    int Step = 0;  // 0 solid, 1 .. 3 tints; the frame surrounds swatch Step
    bool Completed = false;
    TDotGainCurve Current;                                   // CurrentDotGainCurve
    std::array<TDotGainCurve, DensityChannelCount> Curves;   // DotGainCurves
    std::array<QString, Swatches> ValueText;                 // DGCL1 .. DGCL4
    std::array<QColor, Swatches> SwatchColor;
};
