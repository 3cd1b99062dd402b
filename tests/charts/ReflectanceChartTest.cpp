// The reflectance chart by numbers from the recording canvas: plot
// rectangle, grid, labels, colour band, curves and the read-out index.
#include "ChartFixtures.h"
#include "RecordingCanvas.h"
#include "ReflectanceChart.h"
#include "SpectrumColors.h"

#include <gtest/gtest.h>

using charts::PBX1;

namespace {

constexpr int L = 43, T = 13, R = 536, B = 274;

std::vector<TCanvasCall> CurveLines(const TSpectrum& spectrum)
{
    TRecordingCanvas c(PBX1);
    DrawReflectanceCurve(c, spectrum, ChartColor::Red);
    return c.CallsOf(TCanvasOp::Line);
}

}  // namespace

TEST(ReflectanceChart, PlotRectangleComesFromTheBoundsRectangle)
{
    EXPECT_EQ(ReflectancePlotRect(PBX1), (TRect{L, T, R, B}));
    EXPECT_EQ(ReflectancePlotRect(AreaAt(0, 0, 573, 331)), (TRect{40, 10, 533, 271}));
}

TEST(ReflectanceChart, GridClearsShadesAndLabelsTheRows)
{
    TRecordingCanvas c(PBX1);
    DrawReflectanceGrid(c);
    const auto& calls = c.Calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0].Op, TCanvasOp::FillRect);
    EXPECT_EQ(calls[0].Rect(), (TRect{0, 0, 573, 331}));
    EXPECT_EQ(calls[0].BrushColor, ChartColor::White);
    EXPECT_EQ(calls[1].Rect(), (TRect{L, T, R, B}));
    // The band above 100 %: 3 rows of (B - T) / 13 = 20.08 pixels.
    EXPECT_EQ(calls[2].Op, TCanvasOp::Rectangle);
    EXPECT_EQ(calls[2].Rect(), (TRect{L, T, R, T + 60}));
    EXPECT_EQ(calls[2].BrushColor, ChartColor::LightGrey);
    EXPECT_EQ(calls[2].PenColor, ChartColor::White);

    const double ys = (B - T) / 13.0;
    for (int e = 0; e <= 13; ++e) {
        const QString label = QString::number((13 - e) * 10);
        const TCanvasCall* text = c.FindText(label);
        ASSERT_NE(text, nullptr) << label.toStdString();
        const int y = T + Rnd(ys * e);
        EXPECT_EQ(text->Args[0], L - 6 * int(label.size()) - 2) << label.toStdString();
        EXPECT_EQ(text->Args[1], y - 13 / 2) << label.toStdString();
        EXPECT_EQ(text->FontColor, ChartColor::Black);
    }
    EXPECT_EQ(c.FindText(QStringLiteral("100%")), nullptr);
    int solidRows = 0, dottedRows = 0;
    for (const TCanvasCall& line : c.CallsOf(TCanvasOp::Line))
        if (line.From().Y == line.To().Y && line.From().X == L && line.To().X == R) {
            EXPECT_EQ(line.PenColor, ChartColor::Grey);
            (line.PenStyle == TPenStyle::Solid ? solidRows : dottedRows)++;
        }
    EXPECT_EQ(solidRows, 2);
    EXPECT_EQ(dottedRows, 12);
}

TEST(ReflectanceChart, ColourBandHasThirtyCellsBelowThePlot)
{
    TRecordingCanvas c(PBX1);
    DrawReflectanceGrid(c);
    std::vector<TCanvasCall> cells;
    for (const TCanvasCall& call : c.CallsOf(TCanvasOp::Rectangle))
        if (call.Args[1] == B + 1)
            cells.push_back(call);
    ASSERT_EQ(cells.size(), 30u);
    const double xs = (R - L) / 30.0;
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(cells[i].Rect(), (TRect{L + Rnd(xs * i), B + 1, L + Rnd(xs * (i + 1)), B + 10})) << i;
        EXPECT_EQ(cells[i].BrushColor, SpectrumColors[i + 2]) << i;
        EXPECT_EQ(cells[i].PenColor, SpectrumColors[i + 2]) << i;
    }
    EXPECT_EQ(cells.front().BrushColor, TColor::Hex(0x490090));  // 400 nm
    EXPECT_EQ(cells.back().BrushColor, TColor::Hex(0xBB0000));   // 690 nm
    EXPECT_EQ(cells.back().Args[2], R);
}

TEST(ReflectanceChart, WavelengthLabelsEverySecondColumnAndLastEndsAtTheEdge)
{
    TRecordingCanvas c(PBX1);
    DrawReflectanceGrid(c);
    const double xs = (R - L) / 30.0;
    for (int w = 400; w <= 700; w += 10) {
        const TCanvasCall* text = c.FindText(QString::number(w));
        const int i = (w - 400) / 10;
        if (i % 2 != 0) {
            EXPECT_EQ(text, nullptr) << w;
            continue;
        }
        ASSERT_NE(text, nullptr) << w;
        const int x = L + Rnd(xs * i);
        EXPECT_EQ(text->Args[0], w == 700 ? x - 18 : x - 9) << w;
        EXPECT_EQ(text->Args[1], B + 10) << w;
    }
    EXPECT_EQ(c.FindText(QStringLiteral("700"))->Args[0] + 18, R);
}

TEST(ReflectanceChart, VerticalLinesAtHundredsAndTicksAtEvenColumns)
{
    TRecordingCanvas c(PBX1);
    DrawReflectanceGrid(c);
    const double xs = (R - L) / 30.0;
    std::map<int, std::vector<TCanvasCall>> verticals;
    for (const TCanvasCall& line : c.CallsOf(TCanvasOp::Line))
        if (line.From().X == line.To().X)
            verticals[line.From().X].push_back(line);
    for (int i = 0; i <= 30; ++i) {
        const int x = L + Rnd(xs * i);
        const auto& lines = verticals[x];
        if (i % 10 == 0) {
            ASSERT_EQ(lines.size(), 3u) << i;
            EXPECT_EQ(lines[0].From(), (TPoint{x, B}));
            EXPECT_EQ(lines[1].To(), (TPoint{x, T}));
            EXPECT_EQ(lines[2].To(), (TPoint{x, T + 70}));
            EXPECT_EQ(lines[0].PenStyle, i == 0 || i == 30 ? TPenStyle::Solid : TPenStyle::Dotted) << i;
        } else if (i % 2 == 0) {
            ASSERT_EQ(lines.size(), 1u) << i;
            EXPECT_EQ(lines[0].To(), (TPoint{x, B - 10}));
            EXPECT_EQ(lines[0].PenStyle, TPenStyle::Dotted);
        } else {
            EXPECT_TRUE(lines.empty()) << i;
        }
    }
}

TEST(ReflectanceChart, CurveStartsTwoPixelsInAndEndsAtTheRightEdge)
{
    const auto lines = CurveLines(charts::Bump(0.1, 0.6, 550, 50));
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(lines.front().From().X, L + 2);
    EXPECT_EQ(lines.back().To().X, R);
    EXPECT_EQ(lines.front().PenColor, ChartColor::Red);
    EXPECT_EQ(lines.front().PenStyle, TPenStyle::Solid);
    for (std::size_t n = 1; n < lines.size(); ++n)
        EXPECT_EQ(lines[n].From(), lines[n - 1].To());
}

TEST(ReflectanceChart, FlatSpectraLieOnTheirGridLines)
{
    const double ys = (B - T) / 13.0;
    struct TCase {
        double Factor;
        int Y;
    } const cases[] = {
        {1.0, T + Rnd(ys * 3)},  // the line labelled 100
        {1.3, T},
        {0.0, B},
        {0.5, T + Rnd(ys * 8)},
    };
    for (const TCase& c : cases)
        for (const TCanvasCall& line : CurveLines(charts::Flat(c.Factor))) {
            EXPECT_EQ(line.From().Y, c.Y) << c.Factor;
            EXPECT_EQ(line.To().Y, c.Y) << c.Factor;
        }
}

TEST(ReflectanceChart, ReadOutIndexUnderThePointer)
{
    const double xs = (R - L) / 30.0;
    EXPECT_EQ(ReflectanceIndexAt(PBX1, int(40 + 5 * xs)), 7);  // 450 nm
    EXPECT_EQ(ReflectanceIndexAt(PBX1, 0), 0);
    EXPECT_EQ(ReflectanceIndexAt(PBX1, 572), 34);
    EXPECT_EQ(ReflectanceIndexAt(PBX1, 40), 2);
    // The bands' boundaries lie at 40 + (k + 0.5)·xs, 3 pixels left of the
    // midpoints between the drawn points.
    EXPECT_EQ(ReflectanceIndexAt(PBX1, 48), 2);
    EXPECT_EQ(ReflectanceIndexAt(PBX1, 49), 3);
    // Positions far off the area stay within the spectrum.
    EXPECT_EQ(ReflectanceIndexAt(PBX1, -100000), 0);
    EXPECT_EQ(ReflectanceIndexAt(PBX1, 100000), 35);
}
