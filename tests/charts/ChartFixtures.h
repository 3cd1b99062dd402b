// Shared pieces of the chart tests: the fixed drawing areas of the main
// window, records with chosen spectra or differences, and a guard that puts
// the current viewing conditions back after a test.
#pragma once

#include "ChartTypes.h"
#include "TData.h"

#include <cmath>

namespace charts {

// The drawing areas as the main window places them.
inline constexpr TDrawingArea PBX1 = AreaAt(3, 3, 573, 331);
inline constexpr TDrawingArea PBXab = AreaAt(182, 11, 340, 340);
inline constexpr TDrawingArea PBXdl = AreaAt(66, 11, 103, 340);
inline constexpr TDrawingArea PBCircle = AreaAt(1, 1, 348, 348);

inline TSpectrum Flat(double value)
{
    TSpectrum s;
    s.fill(value);
    return s;
}

// base + amp * exp(-((lambda - centre) / width)^2): a smooth coloured patch.
inline TSpectrum Bump(double base, double amp, double centre, double width)
{
    TSpectrum s;
    for (int i = 0; i < SpectrumSize; ++i) {
        const double d = (380.0 + 10.0 * i - centre) / width;
        s[std::size_t(i)] = base + amp * std::exp(-d * d);
    }
    return s;
}

// A compared record that holds a measurement and the given differences, as
// CalcDeltaE would have left them.
inline TData Measured(double dL, double da, double db, double hue = 0)
{
    TData record(Flat(0.5));
    record.DeltaL = dL;
    record.DeltaA = da;
    record.DeltaB = db;
    record.Coord[4] = hue;
    return record;
}

class TViewingConditionsGuard {
public:
    TViewingConditionsGuard() = default;
    ~TViewingConditionsGuard()
    {
        CurColorSpace = Space;
        CurIlluminant = Illuminant;
        CurObserver = Observer;
    }
    TViewingConditionsGuard(const TViewingConditionsGuard&) = delete;
    TViewingConditionsGuard& operator=(const TViewingConditionsGuard&) = delete;

private:
    TColorSpace Space = CurColorSpace;
    TIlluminant Illuminant = CurIlluminant;
    TObserver Observer = CurObserver;
};

}  // namespace charts
