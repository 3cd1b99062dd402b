// Step logic of the Print curve page: a ten-step scale of one ink (the solid,
// then the tints 10 % to 90 %), each tint shown as its dot area against the
// scale's solid, and the last scale of every ink for the chart and the
// colour list.
#pragma once

#include "DensitoState.h"

#include <QString>

#include <array>

// Entry 0 the solid density of the scale, entries 1 .. 9 the dot areas in
// percent of the tints 10 % .. 90 % (0: not measured).
using TPrintCurve = std::array<float, 10>;

class TPrintCurveModel {
public:
    static constexpr int Swatches = 10;  // ShPC1 (solid), ShPC2 .. ShPC10 (10 % .. 90 %)
    static constexpr int ListItems = 5;  // colour list: Cyan, Magenta, Yellow, Black, All
    static constexpr int AllInks = 4;    // the colour list's item "All"

    TPrintCurveModel() { Reset(); }
    void Reset();

    void Measure(const TDensityMeasurement& reading, TDensitoShared& shared);
    // A swatch was pressed: its patch is the next one measured.
    void SelectStep(int step);
    // Down-arrow held: the next row, from the last back to the solid.
    void StepDown();
    // An item of the colour list was chosen: for one ink its scale's swatches
    // and dot areas (the solid's value keeps its text); "All" changes nothing.
    void ShowInk(int item);

    int Step = 0;      // PrintCurveStep: 0 solid, 1 .. 9 tints; the frame surrounds swatch Step
    int Channel = -1;  // PrintCurveChannel: the ink the chart paints, -1 none
    std::array<TPrintCurve, DensityChannelCount> Curves{};  // PrintCurves
    std::array<QString, Swatches> ValueText;                 // PCL1 .. PCL10
    std::array<QColor, Swatches> SwatchColor;
    QColor SelectorColor;  // ShCol
};

// Swatch colours of an ink's scale, from the solid to the 90 % tint.
std::array<QColor, TPrintCurveModel::Swatches> PrintCurveSwatchColors(TDensityChannel ink);
// Colour of a colour list item: the ink's solid (pure yellow for Yellow),
// grey for "All".
QColor ColorListItemColor(int item);
// The swatches one colour list item shows, relative to the item's top left:
// one for an ink, four (cyan, magenta, yellow, black) for "All".
struct TColorListSwatch {
    int Left, Top, Right, Bottom;  // pixels Left <= x < Right, Top <= y < Bottom
    QColor Color;
};
std::array<TColorListSwatch, 4> ColorListItemSwatches(int item, int& count);
