// What one density measurement gives the pages, and the state that the
// stepwise densitometry pages share.
#pragma once

#include "DensityChannel.h"

#include <QColor>

#include <array>
#include <functional>

// The four densities of one patch (TDensityChannel order) and the channel the
// instrument recognised on it.
struct TDensityMeasurement {
    std::array<float, DensityChannelCount> Densities{};
    TDensityChannel Channel = TDensityChannel::Cyan;

    float operator[](TDensityChannel channel) const { return Densities[ChannelIndex(channel)]; }
};

// Screen colour of the patch just measured. Asked only by the steps that show
// it, because it reads the spectrum from the instrument.
using TPatchColorSource = std::function<QColor()>;

// Solid and tint densities per ink as last measured on any page, the channel
// the pages recorded last, and the n-factor of the dot area formula.
struct TDensitoShared {
    std::array<float, DensityChannelCount> SolidDensity{};
    std::array<float, DensityChannelCount> TintDensity{};
    TDensityChannel LastChannel = TDensityChannel::Cyan;
    float YuleNielsenN = 1.0f;  // 1: Murray–Davies

    float& Solid(TDensityChannel c) { return SolidDensity[ChannelIndex(c)]; }
    float& Tint(TDensityChannel c) { return TintDensity[ChannelIndex(c)]; }
};
