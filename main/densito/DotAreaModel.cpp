// Dot Area page.
#include "DotAreaModel.h"

#include "DensityFormat.h"
#include "DensityFormulas.h"

#include <algorithm>

void TDotAreaModel::Reset()
{
    Step = 0;
    ValueText[0] = DensityFormat(0.0);
    for (int i = 1; i < Swatches; ++i)
        ValueText[i] = PercentText(0.0);
    SwatchColor.fill(SwatchIdleGrey);
}

void TDotAreaModel::SelectStep(int step)
{
    Step = std::clamp(step, 0, Swatches - 1);
}

void TDotAreaModel::Measure(const TDensityMeasurement& reading, TDensitoShared& shared,
                            const TPatchColorSource& patchColor)
{
    const TDensityChannel c = reading.Channel;
    shared.LastChannel = c;
    if (Step == 0) {
        for (int i = 1; i < Swatches; ++i) {
            ValueText[i] = PercentText(0.0);
            SwatchColor[i] = SwatchClearGrey;
        }
    }

    const QColor color = patchColor ? patchColor() : SwatchClearGrey;
    if (Step == 0) {
        SwatchColor[0] = color;
        shared.Solid(c) = reading[c];
        ValueText[0] = DensityFormat(reading[c]);
    } else {
        shared.Tint(c) = reading[c];
        const std::optional<float> area = DotArea(reading[c], shared.Solid(c), shared.YuleNielsenN);
        ValueText[Step] = PercentText(area ? std::optional<double>(*area) : std::nullopt);
        SwatchColor[Step] = color;
    }

    // After the third tint a new series starts against the same solid; only
    // pressing the solid's swatch measures a new solid.
    Step = Step == Swatches - 1 ? 1 : Step + 1;
}
