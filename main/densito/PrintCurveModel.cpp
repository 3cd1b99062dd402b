// Print curve page.
#include "PrintCurveModel.h"

#include "DensityFormat.h"
#include "DensityFormulas.h"

#include <algorithm>

namespace {

// InkRamp entries of the ten swatches, solid first.
constexpr std::array<int, TPrintCurveModel::Swatches> CyanScale{0, 11, 10, 8, 7, 6, 5, 4, 2, 1};
constexpr std::array<int, TPrintCurveModel::Swatches> OtherScale{0, 9, 8, 7, 6, 5, 4, 3, 2, 1};

const QColor PureYellow(0xFF, 0xFF, 0x00);
const QColor ListGrey(0x80, 0x80, 0x80);

QString Unmeasured()
{
    return QStringLiteral("?");
}

}  // namespace

std::array<QColor, TPrintCurveModel::Swatches> PrintCurveSwatchColors(TDensityChannel ink)
{
    const auto& entries = ink == TDensityChannel::Cyan ? CyanScale : OtherScale;
    std::array<QColor, TPrintCurveModel::Swatches> colors;
    for (int i = 0; i < TPrintCurveModel::Swatches; ++i)
        colors[i] = InkRampColor(ink, entries[i]);
    return colors;
}

QColor ColorListItemColor(int item)
{
    if (item == 2)
        return PureYellow;
    if (const auto ink = ChannelFromIndex(item))
        return InkRampColor(*ink, 0);
    return ListGrey;
}

std::array<TColorListSwatch, 4> ColorListItemSwatches(int item, int& count)
{
    std::array<TColorListSwatch, 4> swatches{};
    constexpr int top = 5, bottom = 34;
    if (item == TPrintCurveModel::AllInks) {
        for (int i = 0; i < 4; ++i)
            swatches[i] = {10 + 10 * i, top, 20 + 10 * i, bottom, ColorListItemColor(i)};
        count = 4;
    } else {
        swatches[0] = {10, top, 52, bottom, ColorListItemColor(item)};
        count = 1;
    }
    return swatches;
}

void TPrintCurveModel::Reset()
{
    Step = 0;
    Channel = -1;
    for (auto& curve : Curves)
        curve.fill(0.0f);
    ValueText.fill(Unmeasured());
    SwatchColor.fill(SwatchIdleGrey);
    SelectorColor = ListGrey;
}

void TPrintCurveModel::Measure(const TDensityMeasurement& reading, TDensitoShared& shared)
{
    const TDensityChannel c = reading.Channel;
    const int ink = ChannelIndex(c);
    if (Step == 0) {
        Channel = ink;
        shared.LastChannel = c;
        ValueText.fill(Unmeasured());
        Curves[ink].fill(0.0f);
    }
    // A tint is taken for the ink the instrument sees, against that ink's
    // stored scale solid, whatever the scale's solid was.
    SelectorColor = InkRampColor(c, 0);
    if (Step == 0) {
        SwatchColor = PrintCurveSwatchColors(c);
        Curves[ink][0] = reading[c];
        ValueText[0] = DensityFormat(reading[c]);
    } else {
        Channel = ink;
        const std::optional<float> area = DotArea(reading[c], Curves[ink][0], shared.YuleNielsenN);
        // Without a solid there is no dot area: the tint counts as not
        // measured, so the chart bridges it.
        Curves[ink][Step] = area ? *area : 0.0f;
        ValueText[Step] = PercentText(area ? std::optional<double>(*area) : std::nullopt);
    }
    Step = Step == Swatches - 1 ? 0 : Step + 1;
}

void TPrintCurveModel::SelectStep(int step)
{
    Step = std::clamp(step, 0, Swatches - 1);
}

void TPrintCurveModel::StepDown()
{
    Step = Step >= Swatches - 1 ? 0 : Step + 1;
}

void TPrintCurveModel::ShowInk(int item)
{
    SelectorColor = ColorListItemColor(item);
    const auto ink = ChannelFromIndex(item);
    if (!ink)
        return;
    SwatchColor = PrintCurveSwatchColors(*ink);
    for (int i = 1; i < Swatches; ++i)
        ValueText[i] = PercentText(double(Curves[item][i]));
}
