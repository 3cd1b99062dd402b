// How the spectro pages write their numbers: fixed point as "%2.<n>f" writes
// it, with the decimal separator and minus sign of the operator's locale.
#pragma once

#include <QString>

// `value` with `decimals` digits after the separator ("%2.2f" for two);
// "-" for a value that is not finite.
QString SpectroFormat(double value, int decimals = 2);
