// Fixed-point numbers in the operator's locale (see LocaleNumber.h).
#include "LocaleNumber.h"

#include <QLocale>

#include <algorithm>

QString LocaleFixedPoint(double value, int decimals, int minimumWidth)
{
    decimals = std::clamp(decimals, 0, 9);
    // QString::asprintf ignores the locale: the separators are replaced by
    // those of the operator's locale afterwards.
    QString text = QString::asprintf("%*.*f", minimumWidth, decimals, value);
    const QLocale locale;
    if (text.startsWith(QLatin1Char('-')))
        text.replace(0, 1, locale.negativeSign());
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point >= 0)
        text.replace(point, 1, locale.decimalPoint());
    return text;
}
