// Dot gain curve and print curve charts.
#include "CurveCharts.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr int SmallChartPoints = 8;

TCurvePlot PlotRect(const TDrawingArea& area)
{
    const TRect& b = area.Bounds;
    TCurvePlot p;
    p.L = b.Left + 30;
    p.T = b.Top + 15;
    p.R = b.Left + b.Width() - 25;
    p.B = b.Top + b.Height() - 40;
    return p;
}

QString Percent(int value)
{
    return QString::number(value) + QLatin1Char('%');
}

// Blank area, white plot, the small grey font.
void ClearChart(TCanvas& c, const TCurvePlot& p)
{
    c.SetBrushColor(ChartColor::White);
    c.FillRect(c.Area().ClientRect());
    c.SetPenColor(ChartColor::White);
    c.Rectangle(p.L, p.T, p.R, p.B);
    c.SetFont(QString::fromLatin1(SmallChartFace), SmallChartPoints);
    c.SetFontColor(ChartColor::Grey);
    c.SetPenWidth(1);
}

void Line(TCanvas& c, int x1, int y1, int x2, int y2)
{
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

TPenStyle EdgeSolid(bool edge)
{
    return edge ? TPenStyle::Solid : TPenStyle::Dotted;
}

// "Dot Area Film" ending at the plot's right edge at the bottom of the area,
// "Dot Area Print" above the plot's left edge.
void AxisCaptions(TCanvas& c, const TCurvePlot& p)
{
    const TRect& b = c.Area().Bounds;
    c.SetPenStyle(TPenStyle::Solid);
    const QString film = QCoreApplication::translate("CurveCharts", "Dot Area Film");
    c.TextOut(p.R - c.TextWidth(film), b.Bottom - c.TextHeight(film) - 1, film);
    c.TextOut(p.L, b.Top - 3, QCoreApplication::translate("CurveCharts", "Dot Area Print"));
}

void Disc(TCanvas& c, int x, int y, int radius)
{
    c.Ellipse(x - radius, y - radius, x + radius, y + radius);
}

}  // namespace

TCurvePlot DotGainPlot(const TDrawingArea& area)
{
    TCurvePlot p = PlotRect(area);
    p.XS = (p.R - p.L) / 100.0;
    p.YS = (p.B - p.T) / double(DotGainAxisTop);
    return p;
}

TCurvePlot PrintCurvePlot(const TDrawingArea& area)
{
    TCurvePlot p = PlotRect(area);
    p.XS = (p.R - p.L) / 10.0;
    p.YS = (p.B - p.T) / 10.0;
    return p;
}

void DrawDotGainAxes(TCanvas& c)
{
    const TCurvePlot p = DotGainPlot(c.Area());
    ClearChart(c, p);

    // Gain rows from the top: labels on every other row, lines every fourth.
    for (int e = 0; e <= DotGainAxisTop; ++e) {
        const int y = p.T + Rnd(p.YS * e);
        c.SetPenStyle(EdgeSolid(e == 0 || e == DotGainAxisTop));
        if (e % 2 == 0 && e < DotGainAxisTop) {
            const QString label = Percent(DotGainAxisTop - e);
            c.TextOut(p.L - c.TextWidth(label) - 2, y - Div(c.TextHeight(label), 2), label);
        }
        if (e % 4 == 0 || e == DotGainAxisTop) {
            c.SetPenColor(ChartColor::Grey);
            Line(c, p.L, y, p.R, y);
        }
    }
    // Film columns every 10 %.
    for (int v = 0; v <= 100; v += 10) {
        const int x = p.X(v);
        c.SetPenColor(ChartColor::Silver);
        c.SetPenStyle(EdgeSolid(v == 0 || v == 100));
        const QString label = Percent(v);
        c.TextOut(x - Div(c.TextWidth(label), 2), p.B + 2, label);
        Line(c, x, p.B, x, p.T);
    }
    AxisCaptions(c, p);
}

void DrawDotGainCurve(TCanvas& c, const TDotGainCurve& curve, TColor colour)
{
    if (curve.Y[2] == 0)
        return;
    const TCurvePlot p = DotGainPlot(c.Area());
    c.SetPenColor(colour);
    c.SetBrushColor(colour);
    c.SetPenWidth(1);
    c.SetPenStyle(TPenStyle::Solid);
    c.MoveTo(p.L, p.B);

    // Piece 1 from X0 to X1, piece 2 over two intervals from X1 to X3, piece
    // 3 from X3 to X4; a disc on each of the five points, drawn after the
    // line that reaches it.
    struct TPiece {
        int From, To;
        std::array<bool, TDotGainCurve::Points> Marks;
    };
    // Film dot areas lie within 0 .. 100 %; a curve made elsewhere cannot
    // make the loops run beyond them.
    const auto film = [&](int i) { return std::clamp(curve.X[i], 0, 100); };
    const std::array<TPiece, TDotGainCurve::Pieces> pieces{{
        {film(0), film(1), {true, false, false, false, false}},
        {film(1), film(3), {false, true, true, true, false}},
        {film(3), film(4), {false, false, false, false, true}},
    }};
    for (int piece = 0; piece < TDotGainCurve::Pieces; ++piece) {
        const TPiece& s = pieces[piece];
        for (int x = s.From; x <= s.To; ++x) {
            const int px = p.X(x), py = p.Y(curve.Gain(piece, x));
            c.LineTo(px, py);
            for (int i = 0; i < TDotGainCurve::Points; ++i) {
                if (s.Marks[i] && curve.X[i] == x) {
                    Disc(c, px, py, 5);
                    break;
                }
            }
        }
    }
}

void DrawPrintCurveAxes(TCanvas& c)
{
    const TCurvePlot p = PrintCurvePlot(c.Area());
    ClearChart(c, p);

    for (int i = 0; i <= 10; ++i) {
        const int y = p.T + Rnd(p.YS * i);
        const QString label = Percent((10 - i) * 10);
        c.TextOut(p.L - c.TextWidth(label) - 2, y - Div(c.TextHeight(label), 2), label);
        c.SetPenColor(ChartColor::Grey);
        c.SetPenStyle(EdgeSolid(i == 0 || i == 10));
        Line(c, p.L, y, p.R, y);
    }
    // Film labels alternate between two heights so that they do not touch.
    for (int i = 0; i <= 10; ++i) {
        const int x = p.X(i);
        c.SetPenColor(ChartColor::Silver);
        c.SetPenStyle(EdgeSolid(i == 0 || i == 10));
        if (i >= 1) {
            const QString label = Percent(i * 10);
            const int y = i % 2 == 0 ? p.B + 2 : p.B + 2 + Div(c.TextHeight(label), 2);
            c.TextOut(x - Div(c.TextWidth(label), 2), y, label);
        }
        Line(c, x, p.B, x, p.T);
    }
    // Print equal to film.
    c.SetPenStyle(TPenStyle::Solid);
    c.SetPenWidth(2);
    Line(c, p.L, p.B, p.R - 1, p.T - 1);
    AxisCaptions(c, p);
}

void DrawPrintCurve(TCanvas& c, const std::array<float, 10>& curve, TColor colour)
{
    const TCurvePlot p = PrintCurvePlot(c.Area());
    c.SetPenStyle(TPenStyle::Solid);
    c.SetPenWidth(1);
    c.SetPenColor(colour);
    c.SetBrushColor(colour);
    c.MoveTo(p.L, p.B);
    // Tints not measured (0) are bridged by the line to the next one.
    for (int i = 1; i <= 9; ++i) {
        const double printed = curve[i];
        if (printed == 0.0)
            continue;
        const int px = p.X(i), py = p.Y(printed / 10.0);
        c.LineTo(px, py);
        Disc(c, px, py, 3);
    }
    c.LineTo(p.R - 1, p.T);
    c.SetPenColor(ChartColor::Grey);
}
