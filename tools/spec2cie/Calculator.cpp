// The calculator's computation: the colour engine run on every sample exactly
// as the Colorimetry page runs it on its two records.
#include "Calculator.h"

#include "Data/ColorCalc.h"

namespace spec2cie {

namespace {

TSampleResult CalculateOne(const TSpectrum& reference, const TSpectrum& spectrum, const TConditions& c) {
    TData r(EmptySpectrum), s(EmptySpectrum);
    r.Spectrum = reference;
    s.Spectrum = spectrum;
    TSampleResult result;

    const bool tristimulusSpace = c.Space == TColorSpace::CIEXYZ || c.Space == TColorSpace::CIExyY;
    if (tristimulusSpace) {
        // The first three differences are those of the space's own
        // coordinates; the total is Delta E*ab.
        CalcColorValues(r, c.Space, c.Illuminant, c.Observer);
        CalcColorValues(s, c.Space, c.Illuminant, c.Observer);
        for (int i = 0; i < 3; ++i) result.Delta[i] = s.Coord[i] - r.Coord[i];
        result.Delta[5] = CalcDeltaE(r, s, c.Space, c.Illuminant, c.Observer);
    } else {
        CalcDeltaE(r, s, c.Space, c.Illuminant, c.Observer);
        result.Delta = {s.DeltaL, s.DeltaA, s.DeltaB, s.DeltaC, s.DeltaH, s.DeltaE};
    }
    result.Metamerism = MetamerismIndex(r, s, TIlluminant::D50, TObserver::Obs2, c.MetamerismIlluminant, TObserver::Obs2);

    CalcColorValues(s, c.Space, c.Illuminant, c.Observer);
    result.X = s.X;
    result.Y = s.Y;
    result.Z = s.Z;
    result.SmallX = s.SmallX;
    result.SmallY = s.SmallY;
    result.Coord = s.Coord;
    return result;
}

}  // namespace

std::vector<TSampleResult> Calculate(const std::vector<TSpectralSample>& samples, const TConditions& conditions) {
    std::vector<TSampleResult> results;
    if (conditions.Reference < 1 || conditions.Reference > static_cast<int>(samples.size())) return results;
    const TSpectrum& reference = samples[conditions.Reference - 1].Spectrum;
    results.reserve(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        TSampleResult r = CalculateOne(reference, samples[i].Spectrum, conditions);
        r.Number = static_cast<int>(i + 1);
        r.Id = samples[i].Id;
        r.IsReference = r.Number == conditions.Reference;
        results.push_back(std::move(r));
    }
    return results;
}

std::vector<TSampleResult> Calculate(const std::vector<TSpectrum>& spectra, const TConditions& conditions) {
    std::vector<TSpectralSample> samples(spectra.size());
    for (std::size_t i = 0; i < spectra.size(); ++i) {
        samples[i].Id = std::to_string(i + 1);
        samples[i].Spectrum = spectra[i];
    }
    return Calculate(samples, conditions);
}

}  // namespace spec2cie
