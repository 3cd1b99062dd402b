// Screen colour of the patch the instrument measured last, as the
// densitometry swatches show it: CIELAB under illuminant A.
#include "CMS.h"

#include "ColorCalc.h"
#include "EyeOne.h"
#include "TData.h"

std::int32_t MeasuredPatchColor()
{
    float spectrum[EyeOne::SpectrumValues] = {};
    EyeOne::I1_GetSpectrum(spectrum, 0);

    TData patch(EmptySpectrum);
    for (int i = 0; i < SpectrumSize; ++i)
        patch.Spectrum[std::size_t(i)] = spectrum[i];
    CalcColorValues(patch, TColorSpace::CIELAB, TIlluminant::A, CurObserver);
    return LabToScreen(patch.Coord[0], patch.Coord[1], patch.Coord[2]).Packed();
}
