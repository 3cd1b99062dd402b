// The plain value types every chart draws with: screen colours, points,
// rectangles and the size and placement of a drawing area.
#pragma once

#include <cstdint>

// A screen colour written #RRGGBB: TColor::Hex(0x808080) is grey.
struct TColor {
    std::uint8_t R = 0, G = 0, B = 0;

    static constexpr TColor Hex(std::uint32_t rrggbb)
    {
        return TColor{static_cast<std::uint8_t>((rrggbb >> 16) & 0xFF),
                      static_cast<std::uint8_t>((rrggbb >> 8) & 0xFF),
                      static_cast<std::uint8_t>(rrggbb & 0xFF)};
    }
    constexpr std::uint32_t ToHex() const { return (std::uint32_t(R) << 16) | (std::uint32_t(G) << 8) | B; }
    friend constexpr bool operator==(TColor a, TColor b) = default;
};

// The colours the charts share.
namespace ChartColor {
inline constexpr TColor White = TColor::Hex(0xFFFFFF);
inline constexpr TColor Black = TColor::Hex(0x000000);
inline constexpr TColor Grey = TColor::Hex(0x808080);
inline constexpr TColor Silver = TColor::Hex(0xC0C0C0);
inline constexpr TColor LightGrey = TColor::Hex(0xEEEEEE);
inline constexpr TColor Blue = TColor::Hex(0x0000FF);
inline constexpr TColor Red = TColor::Hex(0xFF0000);
inline constexpr TColor Yellow = TColor::Hex(0xFFFF00);
}  // namespace ChartColor

struct TPoint {
    int X = 0, Y = 0;
    friend constexpr bool operator==(TPoint a, TPoint b) = default;
};

// Left/Top inclusive, Right/Bottom exclusive, as the primitives take them.
struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    friend constexpr bool operator==(const TRect& a, const TRect& b) = default;
};

// What a chart knows of the area it draws on: its own size (the client
// rectangle is (0, 0, Width, Height)) and its bounds rectangle in the parent
// panel. Charts compute their plot rectangle from one or the other.
struct TDrawingArea {
    int Width = 0, Height = 0;
    TRect Bounds;  // (Left, Top, Left + Width, Top + Height) in the parent

    constexpr TRect ClientRect() const { return TRect{0, 0, Width, Height}; }
    friend constexpr bool operator==(const TDrawingArea& a, const TDrawingArea& b) = default;
};

// A drawing area of the given size placed at (left, top) in its parent.
constexpr TDrawingArea AreaAt(int left, int top, int width, int height)
{
    return TDrawingArea{width, height, TRect{left, top, left + width, top + height}};
}
