// Shared checks of the calculator's file readers under fuzzing: a reader
// either gives samples with finite reflectances or an error naming the file.
#pragma once

#include "Calculator.h"
#include "SpectralInput.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

inline void CheckSpectralRead(bool (*reader)(const std::string&, const std::string&, spec2cie::TScale,
                                             spec2cie::TSpectralFile&, spec2cie::TInputError&),
                              const char* path, const uint8_t* data, size_t size)
{
    using namespace spec2cie;
    const TScale scales[] = {TScale::Auto, TScale::Percent, TScale::Factor};
    const TScale scale = scales[size ? data[size - 1] % 3 : 0];
    const std::string text(reinterpret_cast<const char*>(data), size);
    TSpectralFile file;
    TInputError error;
    if (!reader(path, text, scale, file, error)) {
        if (error.File != path || error.Message.empty() || error.Text().find(path) != 0)
            std::abort();
        return;
    }
    if (file.Samples.empty())
        std::abort();
    for (const TSpectralSample& sample : file.Samples)
        for (double v : sample.Spectrum)
            if (!std::isfinite(v))
                std::abort();
    // What the calculator makes of the accepted spectra.
    TConditions conditions;
    conditions.Reference = int(file.Samples.size());
    const auto results = Calculate(file.Samples, conditions);
    if (results.size() != file.Samples.size())
        std::abort();
}
