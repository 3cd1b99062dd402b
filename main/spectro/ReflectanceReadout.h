// The read-out under the reflectance chart: the wavelength under the mouse
// and the record's reflectance there, e.g. "570nm.= 45.23%".
#pragma once

#include "TData.h"

#include <QString>

// The text for spectral index `index` (380 + 10·index nm) of `record`. An
// index outside the spectrum is taken as its nearest end.
QString ReflectanceReadout(int index, const TData& record);
