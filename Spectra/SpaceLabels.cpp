// Captions of the five coordinates and six differences of every colour space,
// and the number of decimals its first two coordinates are shown with.
#include "Spectra.h"

// "h\xC2\xB0" is "h" followed by the degree sign (UTF-8).
const TSpaceLabels SpaceLabels[ColorSpaceCount] = {
    // CIELAB
    {{"L* :", "a* :", "b* :", "C* :", "h\xC2\xB0 :"},
     {"dL* :", "da* :", "db* :", "dC* :", "dh* :", "dE* :"},
     2},
    // CIELab94
    {{"L :", "a :", "b :", "C :", "h\xC2\xB0:"},
     {"dL :", "da :", "db :", "dC :", "dh :", "dE94 :"},
     2},
    // CMC(1:1)
    {{"L :", "a :", "b :", "C :", "h\xC2\xB0:"},
     {"dL :", "da :", "db :", "dC :", "dh :", "dE (1:1) :"},
     2},
    // CMC(2:1)
    {{"L :", "a :", "b :", "C :", "h\xC2\xB0:"},
     {"dL :", "da :", "db :", "dC :", "dh :", "dE (2:1) :"},
     2},
    // CIELuv
    {{"L :", "u :", "v :", "C :", "h\xC2\xB0:"},
     {"dL :", "du :", "dv :", "dC :", "dh :", "dEuv :"},
     2},
    // CIEXYZ
    {{"X :", "Y :", "Z :", "", ""},
     {"dX :", "dY :", "dZ :", "", "", "dE :"},
     2},
    // CIExyY
    {{"x :", "y :", "Y :", "", ""},
     {"dx :", "dy :", "dY :", "", "", "dE :"},
     4},
    // LABmg
    {{"Lmg :", "amg :", "bmg :", "Cmg :", "hmg :"},
     {"dL :", "da :", "db :", "dC :", "dh :", "dEmg :"},
     2},
    // CIEDE2000: CIELAB coordinates and differences, the total is Delta E00
    {{"L* :", "a* :", "b* :", "C* :", "h\xC2\xB0 :"},
     {"dL* :", "da* :", "db* :", "dC* :", "dh* :", "dE00 :"},
     2},
};
