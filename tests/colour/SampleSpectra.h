// Reflectance spectra used as worked samples by the colour tests: smooth,
// instrument-like curves defined by formula so that every number in the tables
// can be recomputed by hand.
#pragma once

#include <cmath>
#include <string>

#include "Data/TData.h"

namespace samples {

inline double Wavelength(int i) { return 380.0 + 10.0 * i; }

inline double Band(int i, double centre, double width) {
    const double d = (Wavelength(i) - centre) / width;
    return std::exp(-d * d);
}

inline TSpectrum Flat(double value) {
    TSpectrum s;
    s.fill(value);
    return s;
}

// base + amp * exp(-((lambda - centre) / width)^2)
inline TSpectrum Bump(double base, double amp, double centre, double width) {
    TSpectrum s;
    for (int i = 0; i < SpectrumSize; ++i) s[i] = base + amp * Band(i, centre, width);
    return s;
}

// 0.4 + red * band(650 nm) - green * band(550 nm), bands 40 nm wide.
inline TSpectrum TwoBands(double red, double green) {
    TSpectrum s;
    for (int i = 0; i < SpectrumSize; ++i) s[i] = 0.4 + red * Band(i, 650, 40) - green * Band(i, 550, 40);
    return s;
}

// The named samples of the tables.
inline TSpectrum Named(const std::string& name) {
    if (name == "Red") return TwoBands(0.3, 0.1);      // hue just below 360 degrees
    if (name == "Orange") return TwoBands(0.3, 0.0);   // hue about 19 degrees
    if (name == "Green") return Bump(0.4, 0.3, 550, 40);
    if (name == "Blue") return Bump(0.4, 0.3, 450, 40);
    if (name == "Dark") return Flat(1.0 / 64.0);       // L* 13, chroma exactly 0
    if (name == "White") return Flat(1.0);
    if (name == "Half") return Flat(0.5);
    return Flat(0.0);
}

}  // namespace samples
