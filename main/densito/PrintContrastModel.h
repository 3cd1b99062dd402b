// Step logic of the Print Contrast page: a solid, then tints evaluated
// against it until the solid's swatch is pressed.
#pragma once

#include "DensitoState.h"

#include <QString>

#include <array>

class TPrintContrastModel {
public:
    static constexpr int Swatches = 2;  // ShK1 (solid), ShK2 (tint)

    TPrintContrastModel() { Reset(); }
    void Reset();
    void Measure(const TDensityMeasurement& reading, TDensitoShared& shared);
    void SelectStep(int step);

    int Step = 0;  // the frame surrounds swatch Step
    std::array<QString, Swatches> ValueText;  // KL1, KL2
    std::array<QColor, Swatches> SwatchColor;
};
