// Screen colours of the 10 nm bands from 380 to 730 nm (the reflectance
// chart's colour band uses 400 to 690 nm).
#pragma once

#include "ChartTypes.h"

#include <array>

// Entry i is the band 380 + 10·i nm.
extern const std::array<TColor, 36> SpectrumColors;
