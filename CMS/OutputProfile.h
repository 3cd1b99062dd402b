// CMYK output profiles the operator chooses: the check that a file is one,
// its description, and CIELAB to CMYK printer values through it.
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// Device-class mask bits, as the checks combine them.
inline constexpr int ClassMaskInput = 1;       // "scnr"
inline constexpr int ClassMaskDisplay = 2;     // "mntr"
inline constexpr int ClassMaskColorSpace = 4;  // "spac"
inline constexpr int ClassMaskOutput = 8;      // "prtr"
inline constexpr int ClassMaskAbstract = 16;   // "abst"

// True when the device class (an ICC signature) is one of the classes the
// mask allows.
bool ProfileClassAccepted(std::uint32_t deviceClass, int mask);

// The description of the profile at `path` when it is a CMYK output profile;
// empty when there is no such file, it does not open as a profile, or it is
// not CMYK or not of the output class.
QString ProfileDescription(const QString& path);

using TDeviceColor = std::array<std::uint8_t, 4>;  // c, m, y, k

// CIELAB (D50) to the CMYK bytes of the output profile at `profilePath` with
// the ICC rendering intent 0 .. 3. L*, a*, b* are rounded to whole numbers
// first (halves to even). Nothing when the file is not a CMYK output profile
// or Little CMS cannot build the transform.
std::optional<TDeviceColor> LabToDevice(const QString& profilePath, double L, double a, double b, int intent);

// A device byte as a whole percentage: Round(v * 100 / 255), halves to even.
int DevicePercent(std::uint8_t value);
