// The delta L chart: scale, colour bars of the compared hue, the arrow at
// ΔL*, and the arrow shape itself.
#include "DeltaLChart.h"

#include "ColorCalc.h"
#include "Palette.h"

#include <cmath>
#include <numbers>

namespace {

bool HasMeasurement(const TData* record) { return record != nullptr && !SpectrumIsEmpty(record->Spectrum); }

constexpr int BarSteps = 50;

TColor FromBytes(TRgbBytes c) { return TColor{c.R, c.G, c.B}; }

void BarCell(TCanvas& area, const TDeltaLGeometry& g, TColor colour, int y1, int y2)
{
    area.SetPenColor(colour);
    area.SetBrushColor(colour);
    // Right bar in the right margin, left bar in the left margin.
    area.Rectangle(g.Box.Right, y1, g.Box.Right + 8, y2);
    area.Rectangle(1, y1, g.Box.Left, y2);
}

void DrawColourBars(TCanvas& area, const TDeltaLGeometry& g, const TData* measure)
{
    const double s = g.H / double(BarSteps);
    area.SetPenStyle(TPenStyle::Solid);
    if (!HasMeasurement(measure)) {
        for (int i = 1; i <= BarSteps; ++i) {
            const auto level = static_cast<std::uint8_t>(256 - 5 * i);
            BarCell(area, g, TColor{level, level, level}, g.Plot.Top + Rnd(s * (i - 1)), g.Plot.Top + Rnd(s * i));
        }
        return;
    }
    // A NaN or absurd hue lands on the wheel's ends instead of outside it.
    const int q = Rnd(std::fmin(std::fmax(measure->Coord[4], 0.0), 360.0));
    for (int i = 1; i <= BarSteps; ++i) {
        const TColor colour = FromBytes(HueColor(Div(q, 2) + 1, 2.0 * i));
        BarCell(area, g, colour, g.Plot.Bottom - Rnd(s * (i - 1)), g.Plot.Bottom - Rnd(s * i));
    }
}

}  // namespace

TDeltaLGeometry DeltaLGeometry(const TDrawingArea& area)
{
    TDeltaLGeometry g;
    const TRect client = area.ClientRect();
    g.Box = TRect{client.Left + 10, client.Top + 10, client.Right - 10, client.Bottom - 10};
    g.Inner = TRect{g.Box.Left + 1, g.Box.Top + 1, g.Box.Right - 1, g.Box.Bottom - 1};
    g.CX = g.Inner.Left + Div(g.Inner.Width(), 2);
    g.CY = g.Inner.Top + Div(g.Inner.Height(), 2);
    g.Plot = TRect{g.Inner.Left + 8, g.Inner.Top + 10, g.Inner.Right - 8, g.Inner.Bottom - 10};
    g.H = g.Plot.Height();
    g.Arrow = TRect{client.Left + 28, client.Top + 40, client.Right - 28, client.Bottom - 40};
    return g;
}

void DrawDeltaLAxes(TCanvas& area, const TData* measure)
{
    const TDeltaLGeometry g = DeltaLGeometry(area.Area());
    area.SetPenColor(ChartColor::White);
    area.SetBrushColor(ChartColor::White);
    area.Rectangle(g.Box.Left, g.Box.Top, g.Box.Right, g.Box.Bottom);
    TRect frame = g.Box;
    area.BevelFrame(frame, ChartColor::Grey, ChartColor::Silver);
    area.SetPenWidth(1);
    const double k = g.H / 10.0;
    const int cx = g.CX, cy = g.CY;

    area.SetPenColor(ChartColor::Silver);
    area.SetPenWidth(3);
    area.SetFontColor(ChartColor::Black);
    area.MoveTo(g.Plot.Left, cy);
    area.LineTo(g.Plot.Right, cy);
    area.MoveTo(cx, g.Plot.Top);
    area.LineTo(cx, g.Plot.Bottom);

    area.SetPenWidth(1);
    area.SetBrushColor(ChartColor::White);
    const int h = Div(area.TextHeight(QStringLiteral("M")), 2);
    for (int n = 1; n <= 5; ++n) {
        const int d = Rnd(k * n);
        area.MoveTo(cx - 10, cy - d);
        area.LineTo(cx, cy - d);
        area.TextOut(cx + 5, cy - d - h, QStringLiteral("+") + QString::number(n));
        area.MoveTo(cx - 10, cy + d);
        area.LineTo(cx, cy + d);
        area.TextOut(cx + 5, cy + d - h, QStringLiteral("-") + QString::number(n));
    }
    DrawColourBars(area, g, measure);
}

void DrawDeltaLArrow(TCanvas& area, TData* reference, TData* measure, TColor fill)
{
    if (reference != nullptr && measure != nullptr)
        CalcDeltaE(*reference, *measure, CurColorSpace, CurIlluminant, CurObserver);
    const TDeltaLGeometry g = DeltaLGeometry(area.Area());
    const double k = g.H / 10.0;
    const int length = g.Arrow.Width();
    int y = g.CY;
    double angle = 0;
    if (HasMeasurement(measure)) {
        const double dl = measure->DeltaL;
        if (dl > 5) {
            y = g.CY - Rnd(k * 5) + 15;
            angle = 90;
        } else if (dl < -5) {
            y = g.CY + Rnd(k * 5) - 15;
            angle = -90;
        } else if (!std::isnan(dl)) {
            y = g.CY - Rnd(k * dl);
        }
    }
    DrawArrow(area, TPoint{g.Arrow.Left, y}, length, Div(length, 2), 30, 15, fill, ChartColor::Black, angle);
}

std::array<TPoint, 7> ArrowPoints(TPoint p, int length, int shaftLength, int headWidth, int shaftWidth,
                                  double angle)
{
    const double radians = angle * std::numbers::pi / 180;
    const double fx = std::cos(radians), fy = -std::sin(radians);  // forward, y downward
    const double nx = std::sin(radians), ny = std::cos(radians);   // side
    const int w = Div(shaftWidth, 2), o = Div(headWidth - shaftWidth, 2);
    const int e = Div(shaftLength, 2), t = Div(length, 2);
    // Every product of a direction component with a distance is rounded on its own.
    auto along = [](TPoint from, double dx, double dy, int distance) {
        return TPoint{from.X + Rnd(dx * distance), from.Y + Rnd(dy * distance)};
    };
    const TPoint p0 = along(p, -nx, -ny, w);
    const TPoint p1 = along(p, nx, ny, w);
    const TPoint p2 = along(p1, fx, fy, e);
    const TPoint p6 = along(p0, fx, fy, e);
    const TPoint p3 = along(p2, nx, ny, o);
    const TPoint p5 = along(p6, -nx, -ny, o);
    const TPoint p4 = along(p, fx, fy, t);
    return {p0, p1, p2, p3, p4, p5, p6};
}

void DrawArrow(TCanvas& surface, TPoint p, int length, int shaftLength, int headWidth, int shaftWidth,
               TColor fill, TColor outline, double angle)
{
    const std::array<TPoint, 7> corners = ArrowPoints(p, length, shaftLength, headWidth, shaftWidth, angle);
    const std::array<TPoint, 8> closed = {corners[0], corners[1], corners[2], corners[3],
                                          corners[4], corners[5], corners[6], corners[0]};
    surface.SetPenColor(outline);
    surface.SetBrushColor(fill);
    surface.Polygon(closed);
}
