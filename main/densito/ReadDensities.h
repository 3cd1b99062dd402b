// The density read sequence every densitometry page handler starts with.
#pragma once

#include "DensitoState.h"

#include <optional>

class TPageHost;

// The instrument option value for a "Density standard filter" index:
// "DIN", "DINNB", "ANSIA", "ANSIT", "SPI"; nullptr for any other index.
const char* DensityStandardOption(int filterIndex);

// Triggers a measurement and reads the densities of sample 0. Nothing when
// the handler must end without effect: the instrument asks for calibration
// (the host's start-up sequence is switched on), no sample is available, or
// the driver's answer cannot be used.
std::optional<TDensityMeasurement> ReadDensities(TPageHost& host);
