// What the calculator computes for a batch of spectra: for every sample the
// tristimulus values, chromaticity and the five coordinates of the chosen
// space, and against the reference sample the six differences (as the
// Colorimetry page shows them) and the metamerism index.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "Data/TData.h"
#include "SpectralInput.h"

namespace spec2cie {

struct TConditions {
    TColorSpace Space = TColorSpace::CIELAB;
    TIlluminant Illuminant = TIlluminant::D50;
    TObserver Observer = TObserver::Obs2;
    TIlluminant MetamerismIlluminant = TIlluminant::A;  // against D50, both with the 2 degree observer
    int Reference = 1;                                  // 1-based sample number
};

struct TSampleResult {
    int Number = 0;  // 1-based position in the file
    std::string Id;
    bool IsReference = false;
    double X = 0, Y = 0, Z = 0, SmallX = 0, SmallY = 0;
    std::array<double, 5> Coord{};
    std::array<double, 6> Delta{};  // dL, da, db, dC, dH, dE (coordinate differences for XYZ and xyY)
    double Metamerism = 0;
};

// Computes every sample; `conditions.Reference` must be within 1 .. samples.size().
std::vector<TSampleResult> Calculate(const std::vector<TSpectralSample>& samples, const TConditions& conditions);

// The same for spectra alone (the numbers become the ids).
std::vector<TSampleResult> Calculate(const std::vector<TSpectrum>& spectra, const TConditions& conditions);

}  // namespace spec2cie
