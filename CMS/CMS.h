// Colour management over Little CMS: CIELAB to screen colours through the
// display profile beside the executable, and the screen colour of the patch
// the instrument measured last.
#pragma once

#include <cstdint>

class QString;

struct TScreenColor {
    std::uint8_t R = 0, G = 0, B = 0;
    std::int32_t Packed() const { return R + 256 * G + 65536 * B; }
};

// The file name the display profile must have in the executable's folder.
inline constexpr const char* DisplayProfileName = "sRGB Color Space Profile.icm";

// Makes Little CMS ignore its errors (no message, no stop); called at start-up.
// The transforms the conversions build are kept for reuse until
// ReleaseColorTransforms() (TransformCache.h), called at the end.
void InitColorManagement();

// L*, a*, b* are truncated towards zero before the conversion.
TScreenColor LabToScreen(double L, double a, double b);

// Reads the last measured spectrum from the instrument and returns its screen
// colour under illuminant A with the current observer, packed R + 256G + 65536B.
std::int32_t MeasuredPatchColor();

// ExeFolder() + DisplayProfileName.
QString DisplayProfilePath();

// LabToScreen through the display profile at `displayProfilePath`, opened for
// this one conversion. When that file is missing, unreadable or not an RGB
// profile, Little CMS's built-in sRGB profile takes its place, so swatches
// still get a true sRGB colour.
TScreenColor LabToScreenThrough(const QString& displayProfilePath, double L, double a, double b);
