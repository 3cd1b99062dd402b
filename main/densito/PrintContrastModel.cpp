// Print Contrast page.
#include "PrintContrastModel.h"

#include "DensityFormat.h"
#include "DensityFormulas.h"

#include <algorithm>

void TPrintContrastModel::Reset()
{
    Step = 0;
    ValueText[0] = DensityFormat(0.0);
    ValueText[1] = PercentText(0.0);
    SwatchColor.fill(SwatchIdleGrey);
}

void TPrintContrastModel::SelectStep(int step)
{
    Step = std::clamp(step, 0, Swatches - 1);
}

void TPrintContrastModel::Measure(const TDensityMeasurement& reading, TDensitoShared& shared)
{
    const TDensityChannel c = reading.Channel;
    shared.LastChannel = c;
    if (Step == 0) {
        ValueText[1] = PercentText(0.0);
        SwatchColor[1] = SwatchClearGrey;
        SwatchColor[0] = InkRampColor(c, 0);
        shared.Solid(c) = reading[c];
        ValueText[0] = DensityFormat(reading[c]);
        Step = 1;
        return;
    }
    SwatchColor[1] = InkRampColor(c, c == TDensityChannel::Cyan ? 3 : 10);
    shared.Tint(c) = reading[c];
    const std::optional<float> contrast = PrintContrast(shared.Solid(c), reading[c]);
    ValueText[1] = PercentText(contrast ? std::optional<double>(*contrast) : std::nullopt);
}
