// Dot Gain page.
#include "DotGainModel.h"

#include "Data/Config.h"
#include "DensityFormat.h"
#include "DensityFormulas.h"

#include <algorithm>

void TDotGainModel::Reset()
{
    Step = 0;
    ValueText[0] = DensityFormat(0.0);
    for (int i = 1; i < Swatches; ++i)
        ValueText[i] = PercentText(0.0);
    SwatchColor.fill(SwatchIdleGrey);
}

int TDotGainModel::NominalDot(int tint)
{
    switch (tint) {
    case 1: return Config.Dot1;
    case 2: return Config.Dot2;
    case 3: return Config.Dot3;
    }
    return 0;
}

bool TDotGainModel::TintVisible(int tint)
{
    switch (tint) {
    case 1: return Config.Dot1Visible;
    case 2: return Config.Dot2Visible;
    case 3: return Config.Dot3Visible;
    }
    return false;
}

void TDotGainModel::SelectStep(int step)
{
    Step = std::clamp(step, 0, Swatches - 1);
}

void TDotGainModel::TintHidden(int tint)
{
    if (Step == 0 || Step != tint)
        return;
    for (int next = tint + 1; next < Swatches; ++next) {
        if (TintVisible(next)) {
            Step = next;
            return;
        }
    }
    Step = 0;
}

bool TDotGainModel::Measure(const TDensityMeasurement& reading, TDensitoShared& shared)
{
    const TDensityChannel c = reading.Channel;
    if (Step == 0) {
        shared.LastChannel = c;
        for (int i = 1; i < Swatches; ++i)
            ValueText[i] = PercentText(0.0);
    } else if (shared.LastChannel != c) {
        return false;
    }

    if (Step == 0) {
        // Cyan's ramp runs evenly to its lightest entry; the other inks use
        // their extra dark and light tints for the outer rows.
        static constexpr std::array<int, Swatches> cyanEntries{0, 3, 6, 9};
        static constexpr std::array<int, Swatches> otherEntries{0, 10, 5, 11};
        const auto& entries = c == TDensityChannel::Cyan ? cyanEntries : otherEntries;
        for (int i = 0; i < Swatches; ++i)
            SwatchColor[i] = InkRampColor(c, entries[i]);
        shared.Solid(c) = reading[c];
        ValueText[0] = DensityFormat(reading[c]);
    } else {
        shared.Tint(c) = reading[c];
        const std::optional<float> area = DotArea(reading[c], shared.Solid(c), shared.YuleNielsenN);
        std::optional<double> gain;
        if (area)
            gain = double(*area) - double(NominalDot(Step));
        ValueText[Step] = PercentText(gain);
    }

    // Next: from the last tint back to the solid; otherwise the first visible
    // later tint. Without one the step stays, so that tint is measured again.
    if (Step == Swatches - 1) {
        Step = 0;
    } else {
        for (int next = Step + 1; next < Swatches; ++next) {
            if (TintVisible(next)) {
                Step = next;
                break;
            }
        }
    }
    return true;
}

QString DotCaption(int percent)
{
    return QString::number(percent) + QLatin1Char('%');
}

std::optional<int> DotPercentFromText(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 1 || value > 99)
        return std::nullopt;
    return value;
}
