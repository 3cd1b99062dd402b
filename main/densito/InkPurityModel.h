// Step logic of the Hue error and Grayness pages: the cyan, magenta and
// yellow solids in turn, each judged from its three densities. Both pages
// also record the solids for the Dot Area and Print Contrast pages.
#pragma once

#include "DensitoState.h"

#include <QString>

#include <array>

enum class TInkPurityFigure { HueError, Grayness };

class TInkPurityModel {
public:
    static constexpr int Swatches = 3;  // cyan, magenta, yellow solid

    explicit TInkPurityModel(TInkPurityFigure figure) : Figure(figure) { Reset(); }
    void Reset();
    void Measure(const TDensityMeasurement& reading, TDensitoShared& shared, const TPatchColorSource& patchColor);
    void SelectStep(int step);

    const TInkPurityFigure Figure;
    int Step = 0;  // the frame surrounds swatch Step
    std::array<QString, Swatches> ValueText;   // HEl1 .. HEl3 / GRl1, GRl2, GRL3
    std::array<QString, Swatches> LetterText;  // hElL1 .. hElL3 / GRLl1 .. GRLl3
    std::array<QColor, Swatches> SwatchColor;
};
