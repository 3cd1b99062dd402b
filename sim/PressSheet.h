// The printed control strip under the simulated instrument: paper, the four
// solids, tints of each ink, the two-ink overprints and the three-ink one, each
// a reflectance spectrum computed by a small physical model of a coated sheet
// (see PressSheet.cpp).
#ifndef KELVORA_SIM_PRESS_SHEET_H
#define KELVORA_SIM_PRESS_SHEET_H

#include <array>
#include <string>
#include <vector>

namespace Sim {

using TSpectrum = std::array<double, 36>;   // reflectance factors, 380 .. 730 nm

struct TPatch {
    std::string Name;     // "paper", "cyan", "cyan-50", "red", "cmy", ...
    TSpectrum Reflectance;
};

// Every patch of the sheet in a fixed order: paper, the solids cyan, magenta,
// yellow, black, then for each ink its tints (10 .. 90 % and 25, 75 %, in
// ascending order), then red, green, blue, cmy.
const std::vector<TPatch>& PressSheet();

// The patch of that name (exact, lower case), or nullptr.
const TPatch* FindPatch(const std::string& name);

// Building blocks of the model, for tests and tools.
enum class TInk { Cyan = 0, Magenta = 1, Yellow = 2, Black = 3 };
TSpectrum PaperReflectance();
// Printed tone value (0..1 of the plate's nominal value) after dot gain.
double PrintedToneValue(TInk ink, double nominal);
TSpectrum TintReflectance(TInk ink, double nominal);

}

#endif
