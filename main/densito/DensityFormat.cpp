// Number formats of the densitometry pages.
#include "DensityFormat.h"

#include "Data/Config.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

QString DensityFormat(double density, int decimals)
{
    if (!std::isfinite(density))
        return NoValueText();
    // A settings file may hold any number; keep the text within reason.
    decimals = std::clamp(decimals, 0, 9);
    // QString::asprintf ignores the C locale, so the separators are replaced
    // explicitly by those of the operator's locale.
    QString text = QString::asprintf("%1.*f", decimals, density);
    const QLocale locale;
    if (text.startsWith(QLatin1Char('-')))
        text.replace(0, 1, locale.negativeSign());
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point >= 0)
        text.replace(point, 1, locale.decimalPoint());
    return text;
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
