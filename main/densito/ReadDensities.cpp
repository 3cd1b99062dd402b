// Trigger, sample count, density standard and the four densities.
#include "ReadDensities.h"

#include "Data/Config.h"
#include "EyeOne/EyeOne.h"
#include "main/PageHost.h"

#include <cmath>

namespace {
constexpr int CalibrationNeeded = 3;
}

const char* DensityStandardOption(int filterIndex)
{
    static constexpr const char* options[] = {"DIN", "DINNB", "ANSIA", "ANSIT", "SPI"};
    if (filterIndex < 0 || filterIndex >= int(std::size(options)))
        return nullptr;
    return options[filterIndex];
}

std::optional<TDensityMeasurement> ReadDensities(TPageHost& host)
{
    if (EyeOne::I1_TriggerMeasurement() == CalibrationNeeded) {
        host.EnableStartupTimer();
        return std::nullopt;
    }
    // Other trigger results are the instrument's business; the sample count tells.
    if (EyeOne::I1_GetNumberOfAvailableSamples() <= 0)
        return std::nullopt;
    if (const char* standard = DensityStandardOption(Config.DensityStandardFilter))
        EyeOne::I1_SetOption("Colorimetric.DensityStandard", standard);

    float densities[EyeOne::DensityChannels] = {0, 0, 0, 0};
    int channel = -1;
    if (!EyeOne::I1_GetDensities(densities, channel, 0))
        return std::nullopt;
    // The binding has already refused unusable answers; the pages index
    // tables by the channel, so check again where it matters.
    const std::optional<TDensityChannel> recognised = ChannelFromIndex(channel);
    if (!recognised)
        return std::nullopt;
    TDensityMeasurement reading;
    for (int c = 0; c < DensityChannelCount; ++c) {
        if (!std::isfinite(densities[c]))
            return std::nullopt;
        reading.Densities[c] = densities[c];
    }
    reading.Channel = *recognised;
    return reading;
}
