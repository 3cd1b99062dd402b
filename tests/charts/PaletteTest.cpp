// The hue palette of the delta L chart's bars.
#include "Palette.h"

#include <gtest/gtest.h>

namespace {
TRgbBytes Rgb(int r, int g, int b) { return TRgbBytes{std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)}; }
}  // namespace

TEST(Palette, HueColor)
{
    struct TCase {
        int Index;
        double Lightness;
        TRgbBytes Expected;
    } const cases[] = {
        {181, 100, Rgb(0xFF, 0x00, 0x7F)},  // 360°, not the 0° colour
        {1, 100, Rgb(255, 0, 63)},          // 0°
        {46, 100, Rgb(0xFF, 0xFF, 0x00)},   // 90°
        {1, 0, Rgb(0, 0, 0)},               // lightness 0 is black
        {1, 2, Rgb(80, 0, 20)},             // 31.4 % of #FF003F
        // 2° past 0°: a fifth of the way from #FF003F to #FF001F.
        {2, 100, Rgb(255, 0, 63 - 6)},
        // 4°: two fifths; 18° (index 10): four fifths from #FF001F to #FF2700.
        {3, 100, Rgb(255, 0, 63 - 13)},
        {10, 100, Rgb(255, 31, 31 - 25)},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(HueColor(c.Index, c.Lightness), c.Expected) << c.Index << " at " << c.Lightness;
}

TEST(Palette, WheelEnds)
{
    EXPECT_EQ(HueWheel.front(), (TRgbBytes{0xFF, 0x00, 0x3F}));
    EXPECT_EQ(HueWheel[9], (TRgbBytes{0xFF, 0xFF, 0x00}));
    EXPECT_EQ(HueWheel.back(), (TRgbBytes{0xFF, 0x00, 0x7F}));
}
