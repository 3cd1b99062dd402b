// Number formats of the densitometry pages.
#include "DensityFormat.h"

#include "Data/Config.h"
#include "Data/LocaleNumber.h"

#include <cmath>

QString DensityFormat(double density, int decimals)
{
    if (!std::isfinite(density))
        return NoValueText();
    return LocaleFixedPoint(density, decimals, 1);
}

QString DensityFormat(double density)
{
    return DensityFormat(density, Config.Decimals);
}

double RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction < 0.5)
        return lower;
    if (fraction > 0.5)
        return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

QString PercentText(std::optional<double> percent)
{
    if (!percent || !std::isfinite(*percent))
        return NoValueText();
    double rounded = RoundHalfEven(*percent);
    if (rounded == 0.0)
        rounded = 0.0;  // no "-0%"
    return QString::number(rounded, 'f', 0) + QLatin1Char('%');
}
