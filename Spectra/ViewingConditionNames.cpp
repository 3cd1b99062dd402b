// Display names of the colour spaces, illuminants and observers, in the order
// of their enumerations: the choosers list exactly these texts.
#include "Spectra.h"

const char* const ColorSpaceNames[ColorSpaceCount] = {
    "CIELAB", "CIELab94", "CMC(1:1)", "CMC(2:1)", "CIELuv", "CIEXYZ", "CIExyY", "LABmg", "CIEDE2000",
};

const char* const IlluminantNames[IlluminantCount] = {"A", "C", "D50", "D65", "F11"};

// U+00B0 DEGREE SIGN, written as its UTF-8 bytes so the source encoding cannot change it.
const char* const ObserverNames[ObserverCount] = {"2\xC2\xB0", "10\xC2\xB0"};
