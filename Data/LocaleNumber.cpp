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
    // A difference just below zero would read "-0.00": a zero has no sign on show.
    const bool allZero = std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'1' && c <= u'9'; });
    if (allZero && text.contains(QLatin1Char('-')))
        text = QString::asprintf("%*.*f", minimumWidth, decimals, 0.0);
    const QLocale locale;
    if (text.startsWith(QLatin1Char('-')))
        text.replace(0, 1, locale.negativeSign());
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point >= 0)
        text.replace(point, 1, locale.decimalPoint());
    return text;
}
