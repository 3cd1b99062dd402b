// Constant spectral and caption tables: CIE illuminants and observers (41
// wavelengths, 380 .. 780 nm; computations use the first 36), the display
// names of the viewing conditions and the captions of each colour space.
#pragma once

#include "../Data/TData.h"

constexpr int TableWavelengths = 41;  // 380 .. 780 nm

// Generated at build time from the CIE reference tables.
extern const double IlluminantSPD[IlluminantCount][TableWavelengths];
extern const double ObserverCMF[ObserverCount][3][TableWavelengths];

// Display names, UTF-8 ("2°" uses U+00B0).
extern const char* const ColorSpaceNames[ColorSpaceCount];
extern const char* const IlluminantNames[IlluminantCount];
extern const char* const ObserverNames[ObserverCount];

struct TSpaceLabels {
    const char* Coord[5];   // captions of coordinates 1 .. 5 ("" where blank)
    const char* Delta[6];   // captions of the six differences
    int Decimals;           // decimals of the first two coordinates
};
extern const TSpaceLabels SpaceLabels[ColorSpaceCount];
