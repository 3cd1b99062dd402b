// Step logic of the Dot Gain page: a solid, then up to three tints of the
// same ink, each shown as its dot area minus its nominal dot percentage.
#pragma once

#include "DensitoState.h"

#include <QString>

#include <array>
#include <optional>

class TDotGainModel {
public:
    static constexpr int Swatches = 4;  // ShD1 (solid), ShD2 .. ShD4 (tints 1 .. 3)

    TDotGainModel() { Reset(); }
    void Reset();

    // Returns false when the reading is ignored (a tint of another ink than
    // the solid); nothing changes then.
    bool Measure(const TDensityMeasurement& reading, TDensitoShared& shared);
    // A swatch was pressed: its patch is the next one measured.
    void SelectStep(int step);
    // The row of tint k (1 .. 3) was just hidden: when the frame was on it,
    // it moves to the next visible tint, or back to the solid.
    void TintHidden(int tint);

    // Settings of the moment: nominal dot percentage and visibility of tint k (1 .. 3).
    static int NominalDot(int tint);
    static bool TintVisible(int tint);

    int Step = 0;  // 0 solid, 1 .. 3 tints; the frame surrounds swatch Step
    std::array<QString, Swatches> ValueText;  // DGl1 .. DGl4
    std::array<QColor, Swatches> SwatchColor;
};

// Caption of a dot percentage setting: "75%".
QString DotCaption(int percent);
// The whole number 1 .. 99 a dot percentage field holds, or nothing.
std::optional<int> DotPercentFromText(const QString& text);
