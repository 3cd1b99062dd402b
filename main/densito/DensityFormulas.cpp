// Dot area, print contrast, trap, hue error and grayness.
#include "DensityFormulas.h"

#include "Data/ColorCalc.h"

#include <algorithm>
#include <cmath>

namespace {

std::optional<float> FiniteFloat(double value)
{
    const auto single = static_cast<float>(value);
    if (!std::isfinite(single))
        return std::nullopt;
    return single;
}

}  // namespace

std::optional<float> DotArea(float tint, float solid, float n)
{
    if (n == 0.0f)
        return std::nullopt;
    const double divisor = 1.0 - PowerReal(10.0, -double(solid) / double(n));
    if (divisor == 0.0 || !std::isfinite(divisor))
        return std::nullopt;
    const double dividend = 1.0 - PowerReal(10.0, -double(tint) / double(n));
    return FiniteFloat(dividend / divisor * 100.0);
}

std::optional<float> PrintContrast(float solid, float tint)
{
    if (solid == 0.0f)
        return std::nullopt;
    return FiniteFloat((double(solid) - double(tint)) / double(solid) * 100.0);
}

std::optional<double> PreucilTrap(float overprint, float firstDown, float secondDown)
{
    if (secondDown == 0.0f)
        return std::nullopt;
    const double trap = (double(overprint) - double(firstDown)) / double(secondDown) * 100.0;
    if (!std::isfinite(trap))
        return std::nullopt;
    return trap;
}

float Max3(float a, float b, float c)
{
    return std::max({a, b, c, 0.0f});
}

float Min3(float a, float b, float c)
{
    return std::min({a, b, c, 99.0f});
}

float Mid3(float a, float b, float c)
{
    return std::max(std::min(a, b), std::min(std::max(a, b), c));
}

std::optional<float> GatfHueError(float cyan, float magenta, float yellow)
{
    const float high = Max3(cyan, magenta, yellow);
    const float low = Min3(cyan, magenta, yellow);
    const float middle = Mid3(cyan, magenta, yellow);
    const float range = high - low;
    if (range == 0.0f)
        return std::nullopt;
    return FiniteFloat((double(middle) - double(low)) / double(range) * 100.0);
}

std::optional<float> GatfGrayness(float cyan, float magenta, float yellow)
{
    const float high = Max3(cyan, magenta, yellow);
    const float low = Min3(cyan, magenta, yellow);
    if (high == 0.0f)
        return std::nullopt;
    return FiniteFloat(double(low) / double(high) * 100.0);
}
