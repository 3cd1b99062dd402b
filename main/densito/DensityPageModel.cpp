// Density and All densities pages.
#include "DensityPageModel.h"

#include "DensityFormat.h"

void TDensityPageModel::Reset()
{
    DensityHistory.fill(TDensityReading{});
    for (auto& row : AllDensitiesHistory)
        row.fill(0.0f);
    for (int i = 0; i < Rows; ++i) {
        ValueText[i] = DensityFormat(0.0);
        NameText[i] = DensityHistory[i].Name;
        SwatchColor[i] = DensityHistory[i].Color;
        AllText[i].fill(DensityFormat(0.0));
    }
    MarkerChannel.reset();
}

TDensityChannel TDensityPageModel::ShownChannel(const TDensityMeasurement& reading, int filterChoice)
{
    if (filterChoice >= 1 && filterChoice <= DensityChannelCount)
        return static_cast<TDensityChannel>(filterChoice - 1);
    return reading.Channel;
}

void TDensityPageModel::Measure(const TDensityMeasurement& reading, int filterChoice)
{
    // All densities: the new row on top, all rows shown, then the history
    // moves down with an empty row 1 for the next patch.
    AllDensitiesHistory[0] = reading.Densities;
    for (int row = 0; row < Rows; ++row)
        for (int c = 0; c < DensityChannelCount; ++c)
            AllText[row][c] = DensityFormat(AllDensitiesHistory[row][c]);
    for (int row = Rows - 1; row > 0; --row)
        AllDensitiesHistory[row] = AllDensitiesHistory[row - 1];
    AllDensitiesHistory[0].fill(0.0f);

    // Density: the filtered channel; the marker of the All densities page
    // follows the recognised one.
    const TDensityChannel channel = ShownChannel(reading, filterChoice);
    DensityHistory[0].Density = reading[channel];
    DensityHistory[0].Color = InkRampColor(channel, 0);
    DensityHistory[0].Name = ChannelShortName(channel).left(8);  // a name holds at most 8 characters
    MarkerChannel = reading.Channel;

    for (int i = 0; i < Rows; ++i) {
        ValueText[i] = DensityFormat(DensityHistory[i].Density);
        SwatchColor[i] = DensityHistory[i].Color;
        NameText[i] = DensityHistory[i].Name;
    }
    for (int i = Rows - 1; i > 0; --i)
        DensityHistory[i] = DensityHistory[i - 1];
    DensityHistory[0] = TDensityReading{};
}
