// The hue palette of the delta L chart's colour bars: a wheel of 37 screen
// colours for 0°, 10°, ..., 360° and the colour of a hue at a lightness.
#pragma once

#include <array>
#include <cstdint>

struct TRgbBytes {
    std::uint8_t R = 0, G = 0, B = 0;
    friend constexpr bool operator==(TRgbBytes a, TRgbBytes b) = default;
};

// Row j is the hue 10·j degrees.
extern const std::array<TRgbBytes, 37> HueWheel;

// Hue index 1 .. 181 stands for 0° .. 360° in steps of 2°; lightness is a
// percentage (0 gives black, 2 .. 100 run from 31.4 % to 100 % of the wheel
// colour). Indices outside 1 .. 181 are taken as the nearest end.
TRgbBytes HueColor(int hueIndex, double lightness);
