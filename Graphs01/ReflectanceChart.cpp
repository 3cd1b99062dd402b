// The reflectance chart: grid, colour band, curves and the read-out index.
#include "ReflectanceChart.h"

#include "SpectrumColors.h"

#include <algorithm>

namespace {

constexpr int ReflectanceRows = 13;     // 0 .. 130 % in 10 % rows
constexpr int WavelengthColumns = 30;   // 400 .. 700 nm in 10 nm columns
constexpr int FirstDrawnIndex = 2;      // 400 nm

// y of a reflectance factor: 1.3 at T, 1 on the 100 % line, 0 at B.
int ReflectanceY(const TRect& plot, double factor)
{
    return plot.Top + Rnd((plot.Bottom - plot.Top) / 1300.0 * (13.0 - 10.0 * factor) * 100.0);
}

void DrawRows(TCanvas& area, const TRect& plot)
{
    const double ys = (plot.Bottom - plot.Top) / double(ReflectanceRows);
    for (int e = 0; e <= ReflectanceRows; ++e) {
        const int y = plot.Top + Rnd(ys * e);
        const QString label = QString::number((ReflectanceRows - e) * 10);
        area.TextOut(plot.Left - area.TextWidth(label) - 2, y - Div(area.TextHeight(label), 2), label);
        area.SetPenColor(ChartColor::Grey);
        area.SetPenStyle(e == 0 || e == ReflectanceRows ? TPenStyle::Solid : TPenStyle::Dotted);
        area.MoveTo(plot.Left, y);
        area.LineTo(plot.Right, y);
    }
}

void DrawColumns(TCanvas& area, const TRect& plot)
{
    const double xs = (plot.Right - plot.Left) / double(WavelengthColumns);
    for (int i = 0; i <= WavelengthColumns; ++i) {
        const int wavelength = 400 + 10 * i;
        const int x = plot.Left + Rnd(xs * i);
        if (i < WavelengthColumns) {
            const TColor band = SpectrumColors[std::size_t(FirstDrawnIndex + i)];
            area.SetPenColor(band);
            area.SetBrushColor(band);
            area.SetPenStyle(TPenStyle::Solid);
            area.Rectangle(x, plot.Bottom + 1, plot.Left + Rnd(xs * (i + 1)), plot.Bottom + 10);
        }
        area.SetBrushColor(ChartColor::White);
        area.SetPenColor(ChartColor::Grey);
        const bool edge = i == 0 || i == WavelengthColumns;
        area.SetPenStyle(edge ? TPenStyle::Solid : TPenStyle::Dotted);
        if (i % 2 == 0) {
            const QString label = QString::number(wavelength);
            const int width = area.TextWidth(label);
            area.TextOut(i < WavelengthColumns ? x - Div(width, 2) : x - width, plot.Bottom + 10, label);
        }
        if (i % 10 == 0) {
            // Full height, drawn from both ends as two strokes.
            area.MoveTo(x, plot.Bottom);
            area.LineTo(x, plot.Bottom - 70);
            area.LineTo(x, plot.Top);
            area.MoveTo(x, plot.Top);
            area.LineTo(x, plot.Top + 70);
        } else if (i % 2 == 0) {
            area.MoveTo(x, plot.Bottom);
            area.LineTo(x, plot.Bottom - 10);
        }
    }
}

}  // namespace

TRect ReflectancePlotRect(const TDrawingArea& area)
{
    const TRect& b = area.Bounds;
    return TRect{b.Left + 40, b.Top + 10, b.Left + b.Width() - 40, b.Top + b.Height() - 60};
}

void DrawReflectanceGrid(TCanvas& area)
{
    const TRect plot = ReflectancePlotRect(area.Area());
    area.SetBrushColor(ChartColor::White);
    area.FillRect(area.Area().ClientRect());
    area.SetPenColor(ChartColor::White);
    area.SetPenWidth(1);
    area.SetPenStyle(TPenStyle::Solid);
    area.Rectangle(plot.Left, plot.Top, plot.Right, plot.Bottom);
    const double ys = (plot.Bottom - plot.Top) / double(ReflectanceRows);
    area.SetBrushColor(ChartColor::LightGrey);
    area.Rectangle(plot.Left, plot.Top, plot.Right, plot.Top + Rnd(ys * 3));
    area.SetBrushColor(ChartColor::White);
    area.SetFontColor(ChartColor::Black);
    DrawRows(area, plot);
    DrawColumns(area, plot);
}

void DrawReflectanceCurve(TCanvas& area, const TSpectrum& spectrum, TColor colour)
{
    const TRect plot = ReflectancePlotRect(area.Area());
    area.SetPenColor(colour);
    area.SetPenStyle(TPenStyle::Solid);
    area.SetPenWidth(1);
    area.SetBrushColor(ChartColor::White);
    const double xs = (plot.Right - plot.Left) / double(WavelengthColumns);
    area.MoveTo(plot.Left + 2, ReflectanceY(plot, spectrum[FirstDrawnIndex]));
    for (int n = 1; n <= WavelengthColumns; ++n)
        area.LineTo(plot.Left + Rnd(xs * n), ReflectanceY(plot, spectrum[std::size_t(n + FirstDrawnIndex)]));
}

int ReflectanceIndexAt(const TDrawingArea& area, int x)
{
    const TRect plot = ReflectancePlotRect(area);
    const double xs = (plot.Right - plot.Left) / double(WavelengthColumns);
    if (!(xs > 0))
        return FirstDrawnIndex;
    // The offset is the fixed 40, not L (the bands sit 3 pixels left of the
    // midpoints on PBX1); far-off positions are held to the spectrum's ends.
    const int index = Rnd((x - 40) / xs) + FirstDrawnIndex;
    return std::clamp(index, 0, SpectrumSize - 1);
}
