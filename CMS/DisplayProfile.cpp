// The display profile beside the executable and the screen colour through it.
#include "CMS.h"

#include "Eye1lib.h"

#include <QString>

QString DisplayProfilePath()
{
    return ExeFolder() + QString::fromUtf8(DisplayProfileName);
}

TScreenColor LabToScreen(double L, double a, double b)
{
    return LabToScreenThrough(DisplayProfilePath(), L, a, b);
}
