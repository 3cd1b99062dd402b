// Fixed-point numbers in the operator's locale, for the pages that show
// measured values: written as printf writes them, then given the locale's
// decimal separator and minus sign.
#pragma once

#include <QString>

// `value` as "%<minimumWidth>.<decimals>f" writes it (decimals kept within
// 0..9, since a settings file may hold any number), with the separator and
// minus sign of the operator's locale. Only for finite values.
QString LocaleFixedPoint(double value, int decimals, int minimumWidth);
