// The four density channels of the process inks, their names, the density
// reading shown on the Density page and the table of ink and tint colours.
#pragma once

#include <QColor>
#include <QString>

#include <array>
#include <optional>

// In the order in which the instrument returns its four densities.
enum class TDensityChannel : int { Cyan = 0, Magenta = 1, Yellow = 2, Black = 3 };

constexpr int DensityChannelCount = 4;

constexpr int ChannelIndex(TDensityChannel channel) { return static_cast<int>(channel); }
// The channel with that index, or nothing outside 0 .. 3.
std::optional<TDensityChannel> ChannelFromIndex(int index);

// "C", "M", "Y", "K" and "Cyan", "Magenta", "Yellow", "Black", translated.
QString ChannelShortName(TDensityChannel channel);
QString ChannelLongName(TDensityChannel channel);

// One density as shown on the Density page.
struct TDensityReading {
    float Density = 0.0f;
    QString Name = QStringLiteral("-");  // the channel's short name, at most 8 characters
    QColor Color = QColor(0x80, 0x80, 0x80);
};

// Screen colours of the solid inks (entry 0) and their tints, one row per
// channel. Cyan runs from solid to lightest over all twelve entries; the other
// rows do so over entries 0 .. 9 and add a dark (10) and a light (11) tint.
constexpr int InkRampEntries = 12;
extern const std::array<std::array<QRgb, InkRampEntries>, DensityChannelCount> InkRamp;

QColor InkRampColor(TDensityChannel channel, int entry);

// Screen colour from the packed form R + 256*G + 65536*B.
QColor ColorFromPacked(std::int32_t packed);

// Colours the pages use besides the ramp.
inline const QColor SwatchIdleGrey = QColor(0x9A, 0x9A, 0x9A);   // swatch before its first patch
inline const QColor SwatchClearGrey = QColor(0x80, 0x80, 0x80);  // swatch cleared for a new series
