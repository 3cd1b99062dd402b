// The reflectance read-out text (see ReflectanceReadout.h).
#include "ReflectanceReadout.h"

#include "SpectroFormat.h"

#include <algorithm>

QString ReflectanceReadout(int index, const TData& record)
{
    index = std::clamp(index, 0, SpectrumSize - 1);
    const int wavelength = 380 + 10 * index;
    return QString::number(wavelength) + QStringLiteral("nm.= ")
           + SpectroFormat(record.Spectrum[std::size_t(index)] * 100.0, 2) + QStringLiteral("%");
}
