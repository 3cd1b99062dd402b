// How the densitometry pages write their numbers: densities in fixed-point
// notation with the configured number of decimals and the locale's decimal
// separator, percentages as whole numbers rounded half to even.
#pragma once

#include <QString>

#include <optional>

// Fixed point with `decimals` digits, as "%1.<decimals>f" writes it, with the
// locale's decimal separator and minus sign. "-" for a value that is not finite.
QString DensityFormat(double density, int decimals);
// The same with the "Decimals" setting of the moment.
QString DensityFormat(double density);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4),
// whatever rounding mode the floating-point unit is in.
double RoundHalfEven(double value);

// "16%", "-3%"; "-" when there is no value (a zero divisor) or it is not finite.
QString PercentText(std::optional<double> percent);

// The text a value label shows when its figure has no value.
inline QString NoValueText() { return QStringLiteral("-"); }
