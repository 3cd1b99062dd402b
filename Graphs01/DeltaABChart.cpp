// The delta a/b chart: span rule, axes, the compared patch's square and the
// tolerance circle or CMC ellipse.
#include "DeltaABChart.h"

#include "ColorCalc.h"

#include <cmath>
#include <numbers>

namespace {

bool HasMeasurement(const TData* record) { return record != nullptr && !SpectrumIsEmpty(record->Spectrum); }

// S of the chart: the span of the record, 10 while it holds no measurement.
int ShownSpan(const TData* measure) { return HasMeasurement(measure) ? DeltaABSpan(measure) : 10; }

bool IsCmcSpace(TColorSpace space) { return space == TColorSpace::CMC11 || space == TColorSpace::CMC21; }

// The hue direction of (a, b) in radians, 0 .. 2π.
double CmcHueRadians(double a, double b)
{
    if (a == 0)
        return b < 0 ? std::numbers::pi / 2 + std::numbers::pi : std::numbers::pi / 2;
    if (b == 0)
        return -std::numbers::pi;
    double h = std::atan(b / a);
    if (h < 0)
        h += std::numbers::pi;
    if (b < 0)
        h += std::numbers::pi;
    return h;
}

void Polyline33(TCanvas& area, const TDeltaABGeometry& g, double k, auto&& pointAt)
{
    for (int i = 0; i <= 32; ++i) {
        const double t = i * std::numbers::pi / 16;
        const auto [da, db] = pointAt(t);
        const int x = g.CX + Rnd(k * da), y = g.CY - Rnd(k * db);
        if (i == 0)
            area.MoveTo(x, y);
        else
            area.LineTo(x, y);
    }
}

struct TPair {
    double A, B;
};

}  // namespace

TDeltaABGeometry DeltaABGeometry(const TDrawingArea& area)
{
    TDeltaABGeometry g;
    const TRect client = area.ClientRect();
    g.Box = TRect{client.Left + 10, client.Top + 10, client.Right - 10, client.Bottom - 10};
    g.Inner = TRect{g.Box.Left + 1, g.Box.Top + 1, g.Box.Right - 1, g.Box.Bottom - 1};
    g.CX = g.Inner.Left + Div(g.Inner.Width(), 2);
    g.CY = g.Inner.Top + Div(g.Inner.Height(), 2);
    g.Plot = TRect{g.Inner.Left + 8, g.Inner.Top + 20, g.Inner.Right - 8, g.Inner.Bottom - 20};
    g.H = g.Plot.Height();
    return g;
}

int DeltaABSpan(const TData* record)
{
    if (record == nullptr)
        return 10;
    const double da = std::fabs(record->DeltaA), db = std::fabs(record->DeltaB);
    if (da <= 5 && db <= 5)
        return 10;
    const double m = std::fmax(da, db);
    if (std::isnan(m))
        return 10;
    const double span = 2 * std::trunc(std::fmin(m + 2, MaxDeltaABSpan / 2.0));
    return static_cast<int>(span);
}

int DeltaABLabelStep(int halfSpan)
{
    if (halfSpan <= 8)
        return 1;
    if (halfSpan <= 15)
        return 3;
    return 5;
}

void DrawDeltaABAxes(TCanvas& area, TData* reference, TData* measure)
{
    TDeltaABGeometry g = DeltaABGeometry(area.Area());
    area.SetPenColor(ChartColor::White);
    area.SetBrushColor(ChartColor::White);
    area.Rectangle(g.Box.Left, g.Box.Top, g.Box.Right, g.Box.Bottom);
    TRect frame = g.Box;
    area.BevelFrame(frame, ChartColor::Grey, ChartColor::Silver);
    area.SetPenWidth(1);
    if (reference != nullptr && measure != nullptr)
        CalcDeltaE(*reference, *measure, CurColorSpace, CurIlluminant, CurObserver);

    const int span = ShownSpan(measure);
    const int half = Div(span, 2);
    const double k = double(g.H) / span;
    const int cx = g.CX, cy = g.CY;

    area.SetPenColor(ChartColor::Grey);
    area.SetPenWidth(3);
    area.SetBrushColor(ChartColor::White);
    area.SetFontColor(ChartColor::Grey);
    area.MoveTo(cx - Rnd(k * half), cy);
    area.LineTo(cx + Rnd(k * half), cy);
    area.MoveTo(cx, g.Plot.Top);
    area.LineTo(cx, g.Plot.Bottom);

    area.SetPenWidth(1);
    const int step = DeltaABLabelStep(half);
    const int h = Div(area.TextHeight(QStringLiteral("M")), 2);
    const int w = Div(area.TextWidth(QStringLiteral("MM")), 2);
    for (int n = 1; n <= half; ++n) {
        const int d = Rnd(k * n);
        const bool labelled = n % step == 0;
        area.MoveTo(cx + 5, cy + d);
        area.LineTo(cx, cy + d);
        area.MoveTo(cx - 5, cy - d);
        area.LineTo(cx, cy - d);
        area.MoveTo(cx - 5, cy + d);
        area.LineTo(cx, cy + d);
        if (labelled) {
            area.TextOut(cx + 5, cy - d - h, QStringLiteral("+") + QString::number(n));
            area.TextOut(cx + 5, cy + d - h, QStringLiteral("-") + QString::number(n));
        }
        area.MoveTo(cx - d, cy - 5);
        area.LineTo(cx - d, cy);
        area.MoveTo(cx + d, cy - 5);
        area.LineTo(cx + d, cy);
        if (labelled) {
            area.TextOut(cx + d - w, cy + 5, QStringLiteral("+") + QString::number(n));
            area.TextOut(cx - d - w, cy + 5, QStringLiteral("-") + QString::number(n));
        }
    }

    const int r = Rnd(k * half);
    const QString plusA = QStringLiteral("+a"), minusA = QStringLiteral("-a");
    const QString plusB = QStringLiteral("+b"), minusB = QStringLiteral("-b");
    area.TextOut(cx + r + 6, cy - Div(area.TextHeight(QStringLiteral("M")), 2), plusA);
    area.TextOut(cx - r - area.TextWidth(minusA) - 6, cy - Div(area.TextHeight(minusA), 2), minusA);
    area.TextOut(cx - Div(area.TextWidth(plusB), 2), cy - r - area.TextHeight(plusB) - 3, plusB);
    area.TextOut(cx - Div(area.TextWidth(minusB), 2), cy + r + 3, minusB);
}

void DrawDeltaABPoint(TCanvas& area, const TData* measure, TColor colour)
{
    const TDeltaABGeometry g = DeltaABGeometry(area.Area());
    const int span = ShownSpan(measure);
    const double k = double(g.H) / span;
    const int m = Rnd(3.0 * g.H / 200.0);
    area.SetPenColor(ChartColor::Black);
    area.SetPenWidth(1);
    if (!HasMeasurement(measure)) {
        area.SetBrushColor(ChartColor::Yellow);
        area.Rectangle(g.CX - m, g.CY - m, g.CX + m, g.CY + m);
        return;
    }
    area.SetBrushColor(colour);
    const int x = g.CX + Rnd(k * measure->DeltaA), y = g.CY - Rnd(k * measure->DeltaB);
    area.Rectangle(x - m, y - m, x + m, y + m);
}

void DrawToleranceEllipse(TData* reference, TData* measure, TColor colour, TCanvas& area)
{
    if (reference == nullptr)
        return;
    if (measure != nullptr)
        CalcDeltaE(*reference, *measure, CurColorSpace, CurIlluminant, CurObserver);
    const TDeltaABGeometry g = DeltaABGeometry(area.Area());
    const double k = double(g.H) / ShownSpan(measure);
    area.SetPenColor(colour);
    area.SetPenStyle(TPenStyle::Solid);
    area.SetPenWidth(1);

    if (IsCmcSpace(CurColorSpace)) {
        const double chroma = reference->Coord[3], hueDegrees = reference->Coord[4];
        const double a = chroma * std::cos(hueDegrees * std::numbers::pi / 180);
        const double b = chroma * std::sin(hueDegrees * std::numbers::pi / 180);
        const double c = std::sqrt(a * a + b * b);
        const double sc = 0.0638 * c / (1 + 0.0131 * c) + 0.638;
        const double hue = CmcHueRadians(a, b);
        const double t = (hue >= 2.86234 && hue <= 6.021387) ? 0.56 + std::fabs(0.2 * std::cos(hue + 2.932154))
                                                             : 0.36 + std::fabs(0.4 * std::cos(hue + 0.6108653));
        const double f = c * c / std::sqrt(c * c * c * c + 1900);
        const double sh = sc * (f * t + 1 - f);
        Polyline33(area, g, k, [&](double angle) {
            const double u = sc * std::cos(angle), v = sh * std::sin(angle);
            return TPair{u * std::cos(hue) - v * std::sin(hue), u * std::sin(hue) + v * std::cos(hue)};
        });
    } else {
        if (measure != nullptr)
            CalcDeltaE(*reference, *measure, TColorSpace::CIELAB, CurIlluminant, CurObserver);
        Polyline33(area, g, k, [](double angle) { return TPair{std::cos(angle), std::sin(angle)}; });
    }
    area.SetPenStyle(TPenStyle::Solid);
}
