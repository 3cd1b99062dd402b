// Channel names and the ink colour table.
#include "DensityChannel.h"

#include <QCoreApplication>

std::optional<TDensityChannel> ChannelFromIndex(int index)
{
    if (index < 0 || index >= DensityChannelCount)
        return std::nullopt;
    return static_cast<TDensityChannel>(index);
}

QString ChannelShortName(TDensityChannel channel)
{
    switch (channel) {
    case TDensityChannel::Cyan: return QCoreApplication::translate("TDensitometryPages", "C");
    case TDensityChannel::Magenta: return QCoreApplication::translate("TDensitometryPages", "M");
    case TDensityChannel::Yellow: return QCoreApplication::translate("TDensitometryPages", "Y");
    case TDensityChannel::Black: return QCoreApplication::translate("TDensitometryPages", "K");
    }
    return QStringLiteral("-");
}

QString ChannelLongName(TDensityChannel channel)
{
    switch (channel) {
    case TDensityChannel::Cyan: return QCoreApplication::translate("TDensitometryPages", "Cyan");
    case TDensityChannel::Magenta: return QCoreApplication::translate("TDensitometryPages", "Magenta");
    case TDensityChannel::Yellow: return QCoreApplication::translate("TDensitometryPages", "Yellow");
    case TDensityChannel::Black: return QCoreApplication::translate("TDensitometryPages", "Black");
    }
    return QStringLiteral("-");
}

const std::array<std::array<QRgb, InkRampEntries>, DensityChannelCount> InkRamp = {{
    {0xFF009ADA, 0xFF00A6DF, 0xFF00ACDD, 0xFF00B3E2, 0xFF32B7E4, 0xFF61C0E6, 0xFF8DCBE8, 0xFFA0D2E7,
     0xFFB7DBE9, 0xFFC4DFE9, 0xFFCCE1E8, 0xFFD6E6EA},
    {0xFFD8217E, 0xFFD9438C, 0xFFDE639B, 0xFFDE76A5, 0xFFE28BB2, 0xFFE4A3C0, 0xFFE8B2C9, 0xFFEDC4D3,
     0xFFECD0D8, 0xFFEEDFE5, 0xFFDE6DA0, 0xFFEECBD7},
    {0xFFF3DA00, 0xFFF5DD23, 0xFFF6E04A, 0xFFF4E063, 0xFFF3E37E, 0xFFF2E799, 0xFFF4E9AC, 0xFFF2E9BC,
     0xFFF7EECB, 0xFFF7F1E0, 0xFFF5E057, 0xFFF0E9C2},
    {0xFF322F30, 0xFF48494A, 0xFF626365, 0xFF747476, 0xFF88898C, 0xFFA3A3A5, 0xFFB5B6B8, 0xFFC4C4C4,
     0xFFD2D2D0, 0xFFE0E0E0, 0xFF6A6A6C, 0xFFC9C9C9},
}};

QColor InkRampColor(TDensityChannel channel, int entry)
{
    if (entry < 0 || entry >= InkRampEntries)
        return SwatchClearGrey;
    return QColor::fromRgb(InkRamp[ChannelIndex(channel)][entry]);
}

QColor ColorFromPacked(std::int32_t packed)
{
    const auto bits = static_cast<std::uint32_t>(packed);
    return QColor(int(bits & 0xFFu), int((bits >> 8) & 0xFFu), int((bits >> 16) & 0xFFu));
}
