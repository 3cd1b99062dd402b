// Hue error and Grayness pages.
#include "InkPurityModel.h"

#include "DensityFormat.h"
#include "DensityFormulas.h"

#include <algorithm>

void TInkPurityModel::Reset()
{
    Step = 0;
    ValueText.fill(PercentText(0.0));
    LetterText.fill(QStringLiteral("-"));
    SwatchColor.fill(SwatchIdleGrey);
}

void TInkPurityModel::SelectStep(int step)
{
    Step = std::clamp(step, 0, Swatches - 1);
}

void TInkPurityModel::Measure(const TDensityMeasurement& reading, TDensitoShared& shared,
                              const TPatchColorSource& patchColor)
{
    shared.LastChannel = reading.Channel;
    if (Step == 0) {
        for (int i = 1; i < Swatches; ++i) {
            ValueText[i] = PercentText(0.0);
            SwatchColor[i] = SwatchClearGrey;
        }
    }

    const float cyan = reading[TDensityChannel::Cyan];
    const float magenta = reading[TDensityChannel::Magenta];
    const float yellow = reading[TDensityChannel::Yellow];
    shared.Solid(TDensityChannel::Cyan) = cyan;
    shared.Solid(TDensityChannel::Magenta) = magenta;
    shared.Solid(TDensityChannel::Yellow) = yellow;

    const std::optional<float> figure = Figure == TInkPurityFigure::HueError ? GatfHueError(cyan, magenta, yellow)
                                                                             : GatfGrayness(cyan, magenta, yellow);
    ValueText[Step] = PercentText(figure ? std::optional<double>(*figure) : std::nullopt);
    SwatchColor[Step] = patchColor ? patchColor() : SwatchClearGrey;
    // The page takes the patches in the order cyan, magenta, yellow.
    LetterText[Step] = ChannelShortName(static_cast<TDensityChannel>(Step));

    Step = Step == Swatches - 1 ? 0 : Step + 1;
}
