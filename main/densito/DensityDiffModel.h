// Step logic of the Densities diff page: a reference patch and a compared
// patch, and their differences per channel.
#pragma once

#include "DensitoState.h"

#include <QString>

#include <array>

class TDensityDiffModel {
public:
    TDensityDiffModel() { Reset(); }
    void Reset();

    // On the reference side the reading becomes the reference and the page
    // turns to the compared side; otherwise it is compared with the reference.
    void Measure(const TDensityMeasurement& reading, const TPatchColorSource& patchColor);

    bool ReferenceSide = true;  // MeasDRefBtn down
    std::array<float, DensityChannelCount> DiffSampleDensities{};
    std::array<float, DensityChannelCount> DiffMeasureDensities{};

    std::array<QString, DensityChannelCount> SampleText;   // DCSl, DMSl, DYSl, DBSl
    std::array<QString, DensityChannelCount> MeasureText;  // DCMl, DMMl, DYMl, DBMl
    std::array<QString, DensityChannelCount> DiffText;     // DCDl, DMDl, DYDl, DBDl
    QColor SampleColor;   // ShdfS
    QColor MeasureColor;  // ShdfM

    static inline const QColor AreaGrey = QColor(0xA0, 0xA0, 0xA0);
};
