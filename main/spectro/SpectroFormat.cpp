// Number format of the spectro pages.
#include "SpectroFormat.h"

#include "LocaleNumber.h"

#include <cmath>

QString SpectroFormat(double value, int decimals)
{
    if (!std::isfinite(value))
        return QStringLiteral("-");
    return LocaleFixedPoint(value, decimals, 2);
}
