// The figures the densitometry pages compute from densities. Each returns
// nothing when its divisor is zero or the result is not a finite number, so a
// page can show "no value" instead of an infinite or meaningless figure.
#pragma once

#include <optional>

// Apparent dot area in percent of a tint of density `tint` against the solid
// of density `solid` (Yule & Nielsen 1951; with n = 1 the Murray–Davies
// formula): (1 - 10^(-Dt/n)) / (1 - 10^(-Ds/n)) * 100, kept in single precision.
std::optional<float> DotArea(float tint, float solid, float n);

// Relative print contrast in percent (the ISO 12647 / FOGRA contrast):
// (Ds - Dt) / Ds * 100, kept in single precision.
std::optional<float> PrintContrast(float solid, float tint);

// Apparent trap of the second down ink on the first (Preucil 1953), all
// densities through the filter of the second ink: (Dop - D1) / D2 * 100.
std::optional<double> PreucilTrap(float overprint, float firstDown, float secondDown);

// The largest of three densities, but at least 0.
float Max3(float a, float b, float c);
// The smallest of three densities, but at most 99.
float Min3(float a, float b, float c);
// The median of three densities (with two equal values, that shared value).
float Mid3(float a, float b, float c);

// GATF hue error of an ink from its cyan, magenta and yellow densities:
// (M - L) / (H - L) * 100 with H, M, L the highest, middle and lowest density.
std::optional<float> GatfHueError(float cyan, float magenta, float yellow);
// GATF grayness: L / H * 100.
std::optional<float> GatfGrayness(float cyan, float magenta, float yellow);
