// The sample record: a reflectance spectrum and every value derived from it,
// the viewing-condition enumerations and the program-wide current choices.
#pragma once

#include <array>
#include <cstdint>
#include <string>

constexpr int SpectrumSize = 36;  // 380 .. 730 nm in 10 nm steps
using TSpectrum = std::array<double, SpectrumSize>;

enum class TColorSpace : std::uint8_t { CIELAB, CIELab94, CMC11, CMC21, CIELuv, CIEXYZ, CIExyY, LABmg, CIEDE2000 };
enum class TIlluminant : std::uint8_t { A, C, D50, D65, F11 };
enum class TObserver : std::uint8_t { Obs2, Obs10 };

// CIEDE2000 came last, so that stored indexes 0 .. 7 keep their meaning.
constexpr int ColorSpaceCount = 9;
constexpr int IlluminantCount = 5;
constexpr int ObserverCount = 2;

// Current viewing conditions, shared by every spectro page and the swatches.
extern TColorSpace CurColorSpace;   // initially CIELAB
extern TIlluminant CurIlluminant;   // initially D50
extern TObserver CurObserver;       // initially Obs2

// A record is a scratch pad: its derived fields hold the results of the last
// computation run on it, whatever space, illuminant and observer that used.
class TData {
public:
    explicit TData(const TSpectrum& spectrum);
    ~TData() = default;

    void Clear();  // Coord, the six differences and DisplayR/G/B to zero

    TSpectrum Spectrum{};
    std::uint8_t DisplayR = 0, DisplayG = 0, DisplayB = 0;
    std::array<double, 5> Coord{};  // Coord[0] is coordinate 1
    double DeltaL = 0, DeltaA = 0, DeltaB = 0, DeltaC = 0, DeltaH = 0, DeltaE = 0;
    double X = 0, Y = 0, Z = 0;
    double SmallX = 0, SmallY = 0;
    double WhiteX = 0, WhiteY = 0, WhiteZ = 0;
    std::int32_t DisplayColor = 0;  // R + 256*G + 65536*B
};

extern const TSpectrum EmptySpectrum;

// True when the samples 400 .. 700 nm (indices 2 .. 32) are all exactly zero.
bool SpectrumIsEmpty(const TSpectrum& spectrum);

// "CIELAB\D50\2°": the current viewing conditions for the status bar (UTF-8).
std::string ConditionsText();
