// The dot gain curve and print curve charts by numbers, on a recording canvas
// with the chart areas' fixed layout.
#include "CurveCharts.h"
#include "DotGainCurveModel.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const TDrawingArea DotGainArea = AreaAt(2, 2, 349, 301);
const TDrawingArea PrintCurveArea = AreaAt(2, 2, 306, 306);
const TColor BlackInk = TColor::Hex(0x322F30);

std::vector<TCanvasCall> HorizontalLines(const TRecordingCanvas& c, TColor colour)
{
    std::vector<TCanvasCall> lines;
    for (const TCanvasCall& call : c.CallsOf(TCanvasOp::Line))
        if (call.From().Y == call.To().Y && call.PenColor == colour)
            lines.push_back(call);
    return lines;
}

TEST(CurveChartGeometry, PlotRectanglesOfTheFixedLayout)
{
    struct Case {
        TCurvePlot plot;
        int l, t, r, b;
    };
    for (const Case& c : {Case{DotGainPlot(DotGainArea), 32, 17, 326, 263},
                          Case{PrintCurvePlot(PrintCurveArea), 32, 17, 283, 268}}) {
        EXPECT_EQ(c.plot.L, c.l);
        EXPECT_EQ(c.plot.T, c.t);
        EXPECT_EQ(c.plot.R, c.r);
        EXPECT_EQ(c.plot.B, c.b);
    }
    const TCurvePlot p = DotGainPlot(DotGainArea);
    EXPECT_DOUBLE_EQ(p.XS, 2.94);
    EXPECT_DOUBLE_EQ(p.YS, 246.0 / 35.0);
}

TEST(DotGainAxes, GainLabelsAndLines)
{
    TRecordingCanvas c(DotGainArea);
    DrawDotGainAxes(c);
    const TCurvePlot p = DotGainPlot(DotGainArea);

    // The labels are the odd gains 35 % .. 1 %, centred on their rows.
    for (int g = 35; g >= 1; g -= 2) {
        const QString label = QString::number(g) + "%";
        const TCanvasCall* text = c.FindText(label);
        ASSERT_NE(text, nullptr) << g;
        const int y = p.T + Rnd(p.YS * (35 - g));
        EXPECT_EQ(text->Args[0], p.L - 6 * int(label.size()) - 2) << g;
        EXPECT_EQ(text->Args[1], y - 6) << g;
        EXPECT_EQ(text->FontFace, "Small Font");
        EXPECT_EQ(text->FontPoints, 8);
        EXPECT_EQ(text->FontColor, ChartColor::Grey);
    }
    for (int g : {34, 2})
        EXPECT_EQ(c.FindText(QString::number(g) + "%"), nullptr) << g;

    // Grey lines at 35, 31, .., 3 (dotted inside) and at 0 (solid).
    const auto lines = HorizontalLines(c, ChartColor::Grey);
    ASSERT_EQ(lines.size(), 10u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int gain = i < 9 ? 35 - 4 * int(i) : 0;
        EXPECT_EQ(lines[i].From(), (TPoint{p.L, p.T + Rnd(p.YS * (35 - gain))})) << gain;
        EXPECT_EQ(lines[i].To().X, p.R);
        EXPECT_EQ(lines[i].PenStyle, gain == 35 || gain == 0 ? TPenStyle::Solid : TPenStyle::Dotted) << gain;
    }
    EXPECT_EQ(lines.back().From().Y, p.B);

    // Film columns 0 % .. 100 %, silver, solid at the edges.
    std::vector<TCanvasCall> columns;
    for (const TCanvasCall& call : c.CallsOf(TCanvasOp::Line))
        if (call.From().X == call.To().X)
            columns.push_back(call);
    ASSERT_EQ(columns.size(), 11u);
    EXPECT_EQ(columns[5].From(), (TPoint{p.L + Rnd(p.XS * 50), p.B}));
    EXPECT_EQ(columns[5].PenStyle, TPenStyle::Dotted);
    EXPECT_EQ(columns[10].PenStyle, TPenStyle::Solid);
    EXPECT_EQ(columns[10].PenColor, ChartColor::Silver);
    EXPECT_EQ(c.FindText("100%")->Args[1], p.B + 2);

    const TCanvasCall* film = c.FindText("Dot Area Film");
    ASSERT_NE(film, nullptr);
    EXPECT_EQ(film->Args[0], p.R - 6 * 13);
    EXPECT_EQ(film->Args[1], 303 - 13 - 1);
    const TCanvasCall* print = c.FindText("Dot Area Print");
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->Args[0], p.L);
    EXPECT_EQ(print->Args[1], -1);
}

TDotGainCurve BlackCurve()
{
    TDotGainCurve curve;
    curve.X = {0, 25, 50, 75, 100};
    curve.Y = {0, 12, 18, 14, 0};
    FitDotGainCurve(curve);
    return curve;
}

TEST(DotGainCurveChart, ABlackCurveThroughItsFivePointsWithFiveDiscs)
{
    TRecordingCanvas c(DotGainArea);
    DrawDotGainCurve(c, BlackCurve(), BlackInk);
    const TCurvePlot p = DotGainPlot(DotGainArea);

    const auto discs = c.CallsOf(TCanvasOp::Ellipse);
    ASSERT_EQ(discs.size(), 5u);
    const std::array<std::pair<int, int>, 5> points{{{0, 0}, {25, 12}, {50, 18}, {75, 14}, {100, 0}}};
    for (std::size_t i = 0; i < points.size(); ++i) {
        const int px = p.L + Rnd(p.XS * points[i].first), py = p.B - Rnd(p.YS * points[i].second);
        EXPECT_EQ(discs[i].Rect(), (TRect{px - 5, py - 5, px + 5, py + 5})) << i;
        EXPECT_EQ(discs[i].BrushColor, BlackInk);
    }
    // One line per whole percent of each piece, starting at the origin.
    const auto lines = c.CallsOf(TCanvasOp::Line);
    EXPECT_EQ(lines.size(), 26u + 51u + 26u);
    EXPECT_EQ(lines.front().From(), (TPoint{p.L, p.B}));
    EXPECT_EQ(lines.back().To(), (TPoint{p.R, p.B}));
    for (const TCanvasCall& line : lines) {
        EXPECT_EQ(line.PenColor, BlackInk);
        EXPECT_EQ(line.PenWidth, 1);
        EXPECT_GE(line.To().Y, p.B - Rnd(p.YS * 19));  // the curve's peak lies near 18 %
    }
}

TEST(DotGainCurveChart, CurvesThatAreNotDrawn)
{
    TDotGainCurve noMiddleGain = BlackCurve();
    noMiddleGain.Y = {0, 12, 0, 14, 0};
    FitDotGainCurve(noMiddleGain);
    TRecordingCanvas c(DotGainArea);
    DrawDotGainCurve(c, noMiddleGain, BlackInk);
    DrawDotGainCurve(c, TDotGainCurve{}, BlackInk);
    EXPECT_TRUE(c.Calls().empty());
}

TEST(DotGainCurveChart, AFailedPieceRunsAlongTheZeroLine)
{
    TDotGainCurve curve = BlackCurve();
    curve.Fit[2] = {0, 0, 0};
    TRecordingCanvas c(DotGainArea);
    DrawDotGainCurve(c, curve, BlackInk);
    const TCurvePlot p = DotGainPlot(DotGainArea);
    const auto lines = c.CallsOf(TCanvasOp::Line);
    EXPECT_EQ(lines.back().To(), (TPoint{p.R, p.B}));
    EXPECT_EQ(lines[26 + 51 + 1].To().Y, p.B);  // x = 76 on the zero line
}

TEST(PrintCurveAxes, LabelsLinesAndThe45DegreeLine)
{
    TRecordingCanvas c(PrintCurveArea);
    DrawPrintCurveAxes(c);
    const TCurvePlot p = PrintCurvePlot(PrintCurveArea);

    for (int i = 0; i <= 10; ++i) {
        const TCanvasCall* row = c.FindText(QString::number((10 - i) * 10) + "%");
        ASSERT_NE(row, nullptr) << i;
        EXPECT_EQ(row->Args[1], p.T + Rnd(p.YS * i) - 6) << i;
    }
    // Film labels at two heights; 0 % has none on the film axis.
    int filmLabels = 0;
    for (const TCanvasCall& text : c.CallsOf(TCanvasOp::TextOut)) {
        if (text.Args[1] <= p.B)
            continue;
        if (text.Text.startsWith("Dot Area"))
            continue;
        ++filmLabels;
        const int tens = text.Text.chopped(1).toInt();
        EXPECT_EQ(text.Args[1], tens % 20 == 0 ? p.B + 2 : p.B + 2 + 6) << tens;
        EXPECT_NE(tens, 0);
    }
    EXPECT_EQ(filmLabels, 10);

    const auto rows = HorizontalLines(c, ChartColor::Grey);
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_EQ(rows[0].PenStyle, TPenStyle::Solid);
    EXPECT_EQ(rows[4].PenStyle, TPenStyle::Dotted);

    const auto lines = c.CallsOf(TCanvasOp::Line);
    const auto diagonal = std::find_if(lines.begin(), lines.end(), [](const TCanvasCall& l) { return l.PenWidth == 2; });
    ASSERT_NE(diagonal, lines.end());
    EXPECT_EQ(diagonal->From(), (TPoint{p.L, p.B}));
    EXPECT_EQ(diagonal->To(), (TPoint{p.R - 1, p.T - 1}));
    EXPECT_EQ(diagonal->PenColor, ChartColor::Silver);
    EXPECT_EQ(diagonal->PenStyle, TPenStyle::Solid);
}

TEST(PrintCurveChart, OnlyThe50PercentEntry)
{
    std::array<float, 10> curve{};
    curve[0] = 1.4f;  // the solid density is not drawn
    curve[5] = 62.0f;
    TRecordingCanvas c(PrintCurveArea);
    DrawPrintCurve(c, curve, BlackInk);
    const TCurvePlot p = PrintCurvePlot(PrintCurveArea);
    const TPoint middle{p.L + Rnd(p.XS * 5), p.B - Rnd(p.YS * 6.2)};

    const auto lines = c.CallsOf(TCanvasOp::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].From(), (TPoint{p.L, p.B}));
    EXPECT_EQ(lines[0].To(), middle);
    EXPECT_EQ(lines[1].To(), (TPoint{p.R - 1, p.T}));
    const auto discs = c.CallsOf(TCanvasOp::Ellipse);
    ASSERT_EQ(discs.size(), 1u);
    EXPECT_EQ(discs[0].Rect(), (TRect{middle.X - 3, middle.Y - 3, middle.X + 3, middle.Y + 3}));
    EXPECT_EQ(c.PenColor(), ChartColor::Grey);
}

TEST(PrintCurveChart, AnEmptyCurveIsTheStraightLine)
{
    TRecordingCanvas c(PrintCurveArea);
    DrawPrintCurve(c, std::array<float, 10>{}, BlackInk);
    const TCurvePlot p = PrintCurvePlot(PrintCurveArea);
    const auto lines = c.CallsOf(TCanvasOp::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].To(), (TPoint{p.R - 1, p.T}));
    EXPECT_TRUE(c.CallsOf(TCanvasOp::Ellipse).empty());
}

}  // namespace

namespace {

// A tint against an almost blank solid gives an absurd dot area; the charts
// place it far outside the plot without overflowing a pixel coordinate.
TEST(CurveChartsOnAbsurdValues, PointsFarOutsideThePlotStayOnTheCanvas)
{
    std::array<float, 10> curve{};
    curve[3] = 4.0e8f;
    TRecordingCanvas print(PrintCurveArea);
    DrawPrintCurve(print, curve, BlackInk);
    EXPECT_EQ(print.CallsOf(TCanvasOp::Line)[0].To().Y, PrintCurvePlot(PrintCurveArea).B - MaxChartCoordinate);

    TDotGainCurve gains;
    gains.Y = {0, 100000, -100000, 100000, 0};
    FitDotGainCurve(gains);
    TRecordingCanvas dotGain(DotGainArea);
    DrawDotGainCurve(dotGain, gains, BlackInk);
    EXPECT_EQ(dotGain.CallsOf(TCanvasOp::Ellipse).size(), 5u);
    for (const TCanvasCall& line : dotGain.CallsOf(TCanvasOp::Line))
        EXPECT_LE(std::abs(line.To().Y), MaxChartCoordinate + 300);
}

}  // namespace

namespace {

TEST(CurveChartsOnAbsurdValues, FilmPositionsBeyondTheAxisDoNotRunAway)
{
    TDotGainCurve curve;
    curve.X = {0, -2000000000, 50, 2000000000, 100};
    curve.Y = {0, 5, 10, 5, 0};
    TRecordingCanvas c(DotGainArea);
    DrawDotGainCurve(c, curve, BlackInk);
    EXPECT_LE(c.CallsOf(TCanvasOp::Line).size(), 103u);
}

}  // namespace
