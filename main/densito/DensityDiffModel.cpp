// Densities diff page.
#include "DensityDiffModel.h"

#include "DensityFormat.h"

void TDensityDiffModel::Reset()
{
    ReferenceSide = true;
    DiffSampleDensities.fill(0.0f);
    DiffMeasureDensities.fill(0.0f);
    SampleText.fill(DensityFormat(0.0));
    MeasureText.fill(DensityFormat(0.0));
    DiffText.fill(DensityFormat(0.0));
    SampleColor = AreaGrey;
    MeasureColor = AreaGrey;
}

void TDensityDiffModel::Measure(const TDensityMeasurement& reading, const TPatchColorSource& patchColor)
{
    if (ReferenceSide) {
        ReferenceSide = false;
        DiffSampleDensities = reading.Densities;
        for (int c = 0; c < DensityChannelCount; ++c)
            SampleText[c] = DensityFormat(DiffSampleDensities[c]);
        SampleColor = patchColor ? patchColor() : AreaGrey;
        return;
    }
    DiffMeasureDensities = reading.Densities;
    for (int c = 0; c < DensityChannelCount; ++c) {
        MeasureText[c] = DensityFormat(DiffMeasureDensities[c]);
        // The difference of two single-precision densities, as the densities are kept.
        const float difference = DiffMeasureDensities[c] - DiffSampleDensities[c];
        DiffText[c] = DensityFormat(difference);
    }
    MeasureColor = patchColor ? patchColor() : AreaGrey;
}
