// Hue wheel and the interpolated hue colour of the delta L colour bars.
#include "Palette.h"

#include "ChartMath.h"

#include <algorithm>

namespace {
constexpr TRgbBytes Hex(std::uint32_t rrggbb)
{
    return TRgbBytes{std::uint8_t((rrggbb >> 16) & 0xFF), std::uint8_t((rrggbb >> 8) & 0xFF),
                     std::uint8_t(rrggbb & 0xFF)};
}
}  // namespace

const std::array<TRgbBytes, 37> HueWheel = {
    Hex(0xFF003F), Hex(0xFF001F), Hex(0xFF2700), Hex(0xFF2700), Hex(0xFF2700), Hex(0xFF5100), Hex(0xFF8400),
    Hex(0xFFAA00), Hex(0xFFFF00), Hex(0xFFFF00), Hex(0xFFFF00), Hex(0xD4FF00), Hex(0xAAFF00), Hex(0x7FFF00),
    Hex(0x55FF00), Hex(0x2EFF00), Hex(0x00FF05), Hex(0x00FF2F), Hex(0x00FF55), Hex(0x00FF80), Hex(0x00FFC8),
    Hex(0x00FFFF), Hex(0x00FFFF), Hex(0x00D4FF), Hex(0x00AAFF), Hex(0x0083FF), Hex(0x0050FF), Hex(0x002AFF),
    Hex(0x0000FF), Hex(0x2B00FF), Hex(0x5500FF), Hex(0x8000FF), Hex(0xAA00FF), Hex(0xD500FF), Hex(0xD500FF),
    Hex(0xFF00A5), Hex(0xFF007F),
};

namespace {

std::uint8_t Scaled(double lightness, std::uint8_t channel)
{
    return static_cast<std::uint8_t>(std::clamp(Rnd(lightness * channel / 100.0), 0, 255));
}

// c1 moved toward c2 by `fifths` fifths of the distance, rounded on its own.
std::uint8_t Between(std::uint8_t c1, std::uint8_t c2, int fifths)
{
    if (c2 > c1)
        return static_cast<std::uint8_t>(c1 + Rnd((c2 - c1) * fifths / 5.0));
    return static_cast<std::uint8_t>(c1 - Rnd((c1 - c2) * fifths / 5.0));
}

}  // namespace

TRgbBytes HueColor(int hueIndex, double lightness)
{
    const int n = std::clamp(hueIndex, 1, 181) - 1;
    const int row = n / 5;        // the 10° row
    const int fifths = n % 5;     // the 2° step within it
    double v = lightness;
    if (v != 0)
        v = v * 70.0 / 100.0 + 30.0;
    const TRgbBytes& w1 = HueWheel[std::size_t(row)];
    const TRgbBytes c1{Scaled(v, w1.R), Scaled(v, w1.G), Scaled(v, w1.B)};
    if (fifths == 0)
        return c1;
    const TRgbBytes& w2 = HueWheel[std::size_t(row + 1)];
    const TRgbBytes c2{Scaled(v, w2.R), Scaled(v, w2.G), Scaled(v, w2.B)};
    return TRgbBytes{Between(c1.R, c2.R, fifths), Between(c1.G, c2.G, fifths), Between(c1.B, c2.B, fifths)};
}
