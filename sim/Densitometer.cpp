// Density responses and reflection densities of the simulated instrument.
//
// Broad-band standards come from the ISO 5-3 status tables compiled in at
// build time: "DIN" answers status E, "ANSIA" status A, "ANSIT" status T. The
// two narrow-band standards are the instrument's own: Gaussian pass bands
//   "DINNB": red 620 nm, green 530 nm, blue 450 nm, 20 nm full width at half maximum;
//   "SPI":   red 630 nm, green 540 nm, blue 440 nm, 16 nm full width at half maximum.
// The black channel of every standard uses the ISO visual response.
#include "Densitometer.h"

#include "SimTables.h"

#include <algorithm>
#include <cmath>

namespace Sim {
namespace {

std::array<double, 36> Copy(const double (&table)[36])
{
    std::array<double, 36> r{};
    std::copy(std::begin(table), std::end(table), r.begin());
    return r;
}

std::array<double, 36> GaussianBand(double peak, double fwhm)
{
    const double sigma = fwhm / (2.0 * std::sqrt(2.0 * std::log(2.0)));
    std::array<double, 36> r{};
    for (int i = 0; i < 36; ++i) {
        const double z = (380.0 + 10.0 * i - peak) / sigma;
        r[i] = 100.0 * std::exp(-0.5 * z * z);
    }
    return r;
}

TDensityResponses StatusResponses(const double (&red)[36], const double (&green)[36], const double (&blue)[36])
{
    return {{Copy(red), Copy(green), Copy(blue), Copy(SimTables::Status_visual)}};
}

TDensityResponses NarrowBandResponses(double red, double green, double blue, double fwhm)
{
    return {{GaussianBand(red, fwhm), GaussianBand(green, fwhm), GaussianBand(blue, fwhm),
             Copy(SimTables::Status_visual)}};
}

}

const TDensityResponses* DensityResponses(const std::string& standard)
{
    using namespace SimTables;
    static const TDensityResponses statusE = StatusResponses(Status_E_red, Status_E_green, Status_E_blue);
    static const TDensityResponses statusA = StatusResponses(Status_A_red, Status_A_green, Status_A_blue);
    static const TDensityResponses statusT = StatusResponses(Status_T_red, Status_T_green, Status_T_blue);
    static const TDensityResponses dinNarrow = NarrowBandResponses(620.0, 530.0, 450.0, 20.0);
    static const TDensityResponses spi = NarrowBandResponses(630.0, 540.0, 440.0, 16.0);
    if (standard == "DIN")
        return &statusE;
    if (standard == "ANSIA")
        return &statusA;
    if (standard == "ANSIT")
        return &statusT;
    if (standard == "DINNB")
        return &dinNarrow;
    if (standard == "SPI")
        return &spi;
    return nullptr;
}

bool IsDensityStandard(const std::string& standard)
{
    return DensityResponses(standard) != nullptr;
}

TDensities Densities(const TSpectrum& reflectance, const TDensityResponses& responses)
{
    TDensities d{};
    for (int c = 0; c < 4; ++c) {
        double weighted = 0.0, total = 0.0;
        for (int i = 0; i < 36; ++i) {
            weighted += responses.Channel[c][i] * reflectance[i];
            total += responses.Channel[c][i];
        }
        double mean = total > 0.0 ? weighted / total : 0.0;
        if (!(mean > ReflectanceFloor))   // also catches NaN
            mean = ReflectanceFloor;
        d[c] = -std::log10(mean);
    }
    return d;
}

int RecognisedChannel(const TDensities& densities)
{
    const double c = std::max(densities[ChannelCyan], 0.0);
    const double m = std::max(densities[ChannelMagenta], 0.0);
    const double y = std::max(densities[ChannelYellow], 0.0);
    const double highest = std::max({c, m, y});
    const double lowest = std::min({c, m, y});
    if (lowest >= NeutralRatio * highest)
        return ChannelBlack;
    if (highest == c)
        return ChannelCyan;
    if (highest == m)
        return ChannelMagenta;
    return ChannelYellow;
}

}
