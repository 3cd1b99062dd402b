// The Visual match page's swatch colours (see VisualMatchModel.h).
#include "VisualMatchModel.h"

#include "ColorCalc.h"

std::array<TIlluminant, VisualMatchSwatches> VisualIlluminants(int setting1, int setting2, int setting3)
{
    return {IlluminantAt(setting1, DefaultVisualIlluminants[0]), IlluminantAt(setting2, DefaultVisualIlluminants[1]),
            IlluminantAt(setting3, DefaultVisualIlluminants[2])};
}

std::array<std::optional<TScreenColor>, VisualMatchSwatches>
VisualMatchColors(TData* lastMeasured, const std::array<TIlluminant, VisualMatchSwatches>& illuminants,
                  TData& reference, TData& compared, const TViewingConditions& conditions)
{
    std::array<std::optional<TScreenColor>, VisualMatchSwatches> colors;
    if (lastMeasured) {
        for (std::size_t k = 0; k < colors.size(); ++k) {
            CalcColorValues(*lastMeasured, TColorSpace::CIELAB, illuminants[k], conditions.Observer);
            colors[k] = LabToScreen(lastMeasured->Coord[0], lastMeasured->Coord[1], lastMeasured->Coord[2]);
        }
    }
    // The other pages read the records as the current conditions leave them.
    CalcColorValues(reference, conditions.Space, conditions.Illuminant, conditions.Observer);
    CalcColorValues(compared, conditions.Space, conditions.Illuminant, conditions.Observer);
    CalcDeltaE(reference, compared, conditions.Space, conditions.Illuminant, conditions.Observer);
    return colors;
}
