// Step logic of the Dot Area page: a solid, then series of three tints
// evaluated against it.
#pragma once

#include "DensitoState.h"

#include <QString>

#include <array>

class TDotAreaModel {
public:
    static constexpr int Swatches = 4;  // ShDA1 (solid), ShDA2 .. ShDA4

    TDotAreaModel() { Reset(); }
    void Reset();
    void Measure(const TDensityMeasurement& reading, TDensitoShared& shared, const TPatchColorSource& patchColor);
    void SelectStep(int step);

    int Step = 0;  // the frame surrounds swatch Step
    std::array<QString, Swatches> ValueText;  // DDAl1 .. DDAl4
    std::array<QColor, Swatches> SwatchColor;
};
