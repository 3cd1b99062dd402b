// The sample record, the empty spectrum it is created from and the current
// viewing conditions shared by the spectro pages.
#include "TData.h"

#include "ColorCalc.h"
#include "Spectra.h"

TColorSpace CurColorSpace = TColorSpace::CIELAB;
TIlluminant CurIlluminant = TIlluminant::D50;
TObserver CurObserver = TObserver::Obs2;

const TSpectrum EmptySpectrum{};

TData::TData(const TSpectrum& spectrum) {
    Clear();
    Spectrum = spectrum;
    CalcDisplayColor(*this, CurIlluminant, CurObserver);
}

void TData::Clear() {
    Coord.fill(0.0);
    DeltaL = DeltaA = DeltaB = DeltaC = DeltaH = DeltaE = 0.0;
    DisplayR = DisplayG = DisplayB = 0;
}

bool SpectrumIsEmpty(const TSpectrum& spectrum) {
    // Only 400 .. 700 nm count: the ends of the range are noisy on real instruments.
    for (int i = 2; i <= 32; ++i) {
        if (spectrum[i] != 0.0) return false;
    }
    return true;
}

namespace {

// The name of an enumeration value, or "?" for a value outside the table
// (a damaged settings file must not make the status bar read out of bounds).
template <typename E, int Count>
const char* NameOf(E value, const char* const (&names)[Count]) {
    const auto index = static_cast<unsigned>(value);
    return index < static_cast<unsigned>(Count) ? names[index] : "?";
}

}  // namespace

std::string ConditionsText() {
    std::string text = NameOf(CurColorSpace, ColorSpaceNames);
    text += '\\';
    text += NameOf(CurIlluminant, IlluminantNames);
    text += '\\';
    text += NameOf(CurObserver, ObserverNames);
    return text;
}
