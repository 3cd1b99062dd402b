// Step logic of the Density and All densities pages: the two five-row
// histories and the texts and colours those pages show. One measurement
// updates both pages.
#pragma once

#include "DensitoState.h"

#include <QString>

#include <array>
#include <optional>

class TDensityPageModel {
public:
    static constexpr int Rows = 5;

    TDensityPageModel() { Reset(); }
    void Reset();

    // filterChoice: 0 Auto (the recognised channel), 1 .. 4 Cyan .. Black.
    void Measure(const TDensityMeasurement& reading, int filterChoice);

    // Histories, index 0 = row 1 (the newest).
    std::array<TDensityReading, Rows> DensityHistory;
    std::array<std::array<float, DensityChannelCount>, Rows> AllDensitiesHistory{};

    // Density page: value (DL01 ..), channel label (DL1 ..), swatch (SH01 ..).
    std::array<QString, Rows> ValueText;
    std::array<QString, Rows> NameText;
    std::array<QColor, Rows> SwatchColor;
    // All densities page: AllText[row][channel] is label DL<row+1><channel+1>.
    std::array<std::array<QString, DensityChannelCount>, Rows> AllText;
    // Row 1 swatch the marker surrounds; none before the first measurement.
    std::optional<TDensityChannel> MarkerChannel;

    // The channel the Density page shows for a reading under a filter choice.
    static TDensityChannel ShownChannel(const TDensityMeasurement& reading, int filterChoice);
};
