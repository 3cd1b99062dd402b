// Build-time tool: writes "Cielab.bmp", the background picture of the CIELab
// diagram: 308 x 308 pixels of the a*, b* plane from -130 to +130 (pixel
// column 154 is a* = 0, row 154 is b* = 0, b* grows upward), converted from
// CIELAB (D50) through Little CMS into sRGB.
//
// A point of the plane has no lightness of its own, so each pixel shows the
// colour (L*, a*, b*) with the L* nearest to 60 at which sRGB can show it:
// every chromaticity a screen can display appears at its true colour, the
// middle grey stays dark enough for the white cross, and yellows (displayable
// only when light) and blues (only when dark) still appear. Beyond the sRGB
// gamut no L* works: there the pixel shows the colour clipped into sRGB at
// L* = 60, mixed 60 % toward white, so the hue direction still reads but the
// pale area is plainly not a true colour.
#include <lcms2.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int PictureSize = 308;
constexpr int Centre = PictureSize / 2;        // a* = b* = 0
constexpr double UnitsPerPixel = 260.0 / PictureSize;
constexpr double PreferredLightness = 60.0;
constexpr double LightnessStep = 0.5;
constexpr double WhiteMix = 0.6;              // outside the gamut
constexpr double GamutTolerance = 1e-6;

struct TRgb {
    double R, G, B;
};

bool InGamut(const TRgb& c)
{
    auto inside = [](double v) { return v >= -GamutTolerance && v <= 1 + GamutTolerance; };
    return inside(c.R) && inside(c.G) && inside(c.B);
}

std::uint8_t ToByte(double v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); }

class TLabToSrgb {
public:
    TLabToSrgb()
    {
        cmsHPROFILE lab = cmsCreateLab4Profile(nullptr);
        cmsHPROFILE srgb = cmsCreate_sRGBProfile();
        if (lab != nullptr && srgb != nullptr)
            Transform = cmsCreateTransform(lab, TYPE_Lab_DBL, srgb, TYPE_RGB_DBL, INTENT_RELATIVE_COLORIMETRIC,
                                           cmsFLAGS_NOOPTIMIZE);
        if (lab != nullptr)
            cmsCloseProfile(lab);
        if (srgb != nullptr)
            cmsCloseProfile(srgb);
    }
    ~TLabToSrgb()
    {
        if (Transform != nullptr)
            cmsDeleteTransform(Transform);
    }
    TLabToSrgb(const TLabToSrgb&) = delete;
    TLabToSrgb& operator=(const TLabToSrgb&) = delete;

    bool Ready() const { return Transform != nullptr; }
    // Float transforms of a matrix-shaper profile are unbounded: values
    // outside 0 .. 1 tell that sRGB cannot show the colour.
    TRgb operator()(double L, double a, double b) const
    {
        const cmsCIELab lab{L, a, b};
        double rgb[3] = {0, 0, 0};
        cmsDoTransform(Transform, &lab, rgb, 1);
        return TRgb{rgb[0], rgb[1], rgb[2]};
    }

private:
    cmsHTRANSFORM Transform = nullptr;
};

std::array<std::uint8_t, 3> PixelColour(const TLabToSrgb& toSrgb, double a, double b)
{
    for (double offset = 0; offset <= 60.0; offset += LightnessStep) {
        for (double L : {PreferredLightness - offset, PreferredLightness + offset}) {
            if (L < 0 || L > 100)
                continue;
            const TRgb c = toSrgb(L, a, b);
            if (InGamut(c))
                return {ToByte(c.R), ToByte(c.G), ToByte(c.B)};
        }
    }
    const TRgb c = toSrgb(PreferredLightness, a, b);
    auto pale = [](double v) { return std::clamp(v, 0.0, 1.0) * (1 - WhiteMix) + WhiteMix; };
    return {ToByte(pale(c.R)), ToByte(pale(c.G)), ToByte(pale(c.B))};
}

void PutLE(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF));
}

// An uncompressed 24-bit Windows bitmap, bottom-up rows padded to 4 bytes.
std::vector<std::uint8_t> EncodeBmp(const std::vector<std::array<std::uint8_t, 3>>& pixels)
{
    const std::uint32_t rowBytes = (PictureSize * 3 + 3) / 4 * 4;
    const std::uint32_t dataBytes = rowBytes * PictureSize;
    std::vector<std::uint8_t> out;
    out.reserve(54 + dataBytes);
    out.push_back('B');
    out.push_back('M');
    PutLE(out, 54 + dataBytes, 4);
    PutLE(out, 0, 4);
    PutLE(out, 54, 4);
    PutLE(out, 40, 4);  // BITMAPINFOHEADER
    PutLE(out, PictureSize, 4);
    PutLE(out, PictureSize, 4);
    PutLE(out, 1, 2);
    PutLE(out, 24, 2);
    PutLE(out, 0, 4);  // no compression
    PutLE(out, dataBytes, 4);
    PutLE(out, 3780, 4);  // 96 dpi
    PutLE(out, 3780, 4);
    PutLE(out, 0, 4);
    PutLE(out, 0, 4);
    for (int row = PictureSize - 1; row >= 0; --row) {
        for (int column = 0; column < PictureSize; ++column) {
            const auto& p = pixels[std::size_t(row * PictureSize + column)];
            out.push_back(p[2]);
            out.push_back(p[1]);
            out.push_back(p[0]);
        }
        for (std::uint32_t pad = PictureSize * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output bitmap>\n", argv[0]);
        return 2;
    }
    const TLabToSrgb toSrgb;
    if (!toSrgb.Ready()) {
        std::fprintf(stderr, "Little CMS could not make the CIELAB to sRGB transform\n");
        return 1;
    }
    std::vector<std::array<std::uint8_t, 3>> pixels(std::size_t(PictureSize) * PictureSize);
    for (int row = 0; row < PictureSize; ++row)
        for (int column = 0; column < PictureSize; ++column)
            pixels[std::size_t(row * PictureSize + column)] =
                PixelColour(toSrgb, (column - Centre) * UnitsPerPixel, (Centre - row) * UnitsPerPixel);

    const std::vector<std::uint8_t> bmp = EncodeBmp(pixels);
    std::FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    const bool written = std::fwrite(bmp.data(), 1, bmp.size(), file) == bmp.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
