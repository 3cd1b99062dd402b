// Reflection densities of a spectrum through the density standards the
// simulated instrument knows, and the ink it recognises from them.
#ifndef KELVORA_SIM_DENSITOMETER_H
#define KELVORA_SIM_DENSITOMETER_H

#include "PressSheet.h"

#include <array>
#include <string>

namespace Sim {

// Channels in the order of the density buffer.
enum TChannel { ChannelCyan = 0, ChannelMagenta = 1, ChannelYellow = 2, ChannelBlack = 3 };

using TDensities = std::array<double, 4>;   // cyan, magenta, yellow, black

// The spectral responses of one standard: red filter (cyan density), green
// (magenta), blue (yellow) and visual (black), 380 .. 730 nm.
struct TDensityResponses {
    std::array<double, 36> Channel[4];
};

// "DIN" (status E), "ANSIA" (status A), "ANSIT" (status T), "DINNB" and "SPI"
// (narrow bands, see Densitometer.cpp). nullptr for any other name.
const TDensityResponses* DensityResponses(const std::string& standard);
bool IsDensityStandard(const std::string& standard);

// Smallest reflectance a channel can see: a black or zero spectrum gives a
// large but finite density.
constexpr double ReflectanceFloor = 1e-6;

// D = -log10(sum w R / sum w) per channel.
TDensities Densities(const TSpectrum& reflectance, const TDensityResponses& responses);

// The ink recognised from densities (relative to the paper when one is
// known): black when the three colour densities are within a ratio of each
// other, otherwise the channel of the highest of cyan, magenta and yellow.
constexpr double NeutralRatio = 0.8;
int RecognisedChannel(const TDensities& densities);

}

#endif
