// The delta L chart by numbers: scale, colour bars and the arrow at ΔL*.
#include "ChartFixtures.h"
#include "DeltaLChart.h"
#include "Palette.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

using charts::PBXdl;

namespace {
constexpr int CX = 51, CY = 170;

std::vector<TPoint> ArrowOf(TData* measure)
{
    TRecordingCanvas c(PBXdl);
    DrawDeltaLArrow(c, nullptr, measure, ChartColor::Red);
    const auto polygons = c.CallsOf(TCanvasOp::Polygon);
    EXPECT_EQ(polygons.size(), 1u);
    if (polygons.empty())
        return {};
    EXPECT_EQ(polygons[0].BrushColor, ChartColor::Red);
    EXPECT_EQ(polygons[0].PenColor, ChartColor::Black);
    return polygons[0].Points();
}

// Bar cells of one side (x1 as given), in drawing order.
std::vector<TCanvasCall> BarCells(const TRecordingCanvas& c, int x1)
{
    std::vector<TCanvasCall> cells;
    for (const TCanvasCall& call : c.CallsOf(TCanvasOp::Rectangle))
        if (call.Args[0] == x1 && call.Args[1] != 10)
            cells.push_back(call);
    return cells;
}
}  // namespace

TEST(DeltaLChart, GeometryOfTheFixedArea)
{
    const TDeltaLGeometry g = DeltaLGeometry(PBXdl);
    EXPECT_EQ(g.Box, (TRect{10, 10, 93, 330}));
    EXPECT_EQ(g.Inner, (TRect{11, 11, 92, 329}));
    EXPECT_EQ(g.Plot, (TRect{19, 21, 84, 319}));
    EXPECT_EQ(g.Arrow, (TRect{28, 40, 75, 300}));
    EXPECT_EQ(g.CX, CX);
    EXPECT_EQ(g.CY, CY);
    EXPECT_EQ(g.H, 298);
}

TEST(DeltaLChart, ArrowsForDeltaL)
{
    struct TCase {
        double DeltaL;
        std::vector<TPoint> Points;  // p0 .. p6, p0
    } const cases[] = {
        // Tip touching the +5 tick: y = 170 - Rnd(29.8 × 5) = 21.
        {5, {{28, 14}, {28, 28}, {39, 28}, {39, 35}, {51, 21}, {39, 7}, {39, 14}, {28, 14}}},
        // Off the scale: pointing up from y = 21 + 15, tip 13 pixels from the top.
        {5.01, {{21, 36}, {35, 36}, {35, 25}, {42, 25}, {28, 13}, {14, 25}, {21, 25}, {21, 36}}},
        // Off the scale downward: from y = 319 - 15.
        {-7, {{35, 304}, {21, 304}, {21, 315}, {14, 315}, {28, 327}, {42, 315}, {35, 315}, {35, 304}}},
        {0, {{28, 163}, {28, 177}, {39, 177}, {39, 184}, {51, 170}, {39, 156}, {39, 163}, {28, 163}}},
    };
    for (const TCase& c : cases) {
        TData measure = charts::Measured(c.DeltaL, 0, 0);
        EXPECT_EQ(ArrowOf(&measure), c.Points) << c.DeltaL;
    }
    TData empty(EmptySpectrum);
    empty.DeltaL = 7;
    EXPECT_EQ(ArrowOf(&empty).at(4), (TPoint{51, CY})) << "no measurement: horizontal arrow at 0";
}

TEST(DeltaLChart, ArrowShapeOfSevenPoints)
{
    const auto p = ArrowPoints({28, 100}, 47, 23, 30, 15, 0);
    const std::array<TPoint, 7> expected = {
        TPoint{28, 93}, TPoint{28, 107}, TPoint{39, 107}, TPoint{39, 114}, TPoint{51, 100}, TPoint{39, 86},
        TPoint{39, 93}};
    EXPECT_EQ(p, expected);
}

TEST(DeltaLChart, ScaleTicksAndLabels)
{
    TData measure = charts::Measured(1, 0, 0, 90);
    TRecordingCanvas c(PBXdl);
    DrawDeltaLAxes(c, &measure);
    const auto lines = c.CallsOf(TCanvasOp::Line);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0].From(), (TPoint{19, CY}));
    EXPECT_EQ(lines[0].To(), (TPoint{84, CY}));
    EXPECT_EQ(lines[0].PenWidth, 3);
    EXPECT_EQ(lines[0].PenColor, ChartColor::Silver);
    EXPECT_EQ(lines[1].From(), (TPoint{CX, 21}));
    EXPECT_EQ(lines[1].To(), (TPoint{CX, 319}));
    EXPECT_EQ(lines[2].From(), (TPoint{CX - 10, CY - 30}));  // Rnd(29.8) = 30
    EXPECT_EQ(lines[2].PenWidth, 1);
    for (int n = 1; n <= 5; ++n) {
        const TCanvasCall* plus = c.FindText(QStringLiteral("+%1").arg(n));
        ASSERT_NE(plus, nullptr);
        EXPECT_EQ(plus->Args[0], CX + 5);
        EXPECT_EQ(plus->Args[1], CY - Rnd(29.8 * n) - 6);
        EXPECT_EQ(plus->FontColor, ChartColor::Black);
        EXPECT_NE(c.FindText(QStringLiteral("-%1").arg(n)), nullptr);
    }
}

TEST(DeltaLChart, GreyBarsWithoutMeasurement)
{
    TData empty(EmptySpectrum);
    for (TData* measure : {&empty, static_cast<TData*>(nullptr)}) {
        TRecordingCanvas c(PBXdl);
        DrawDeltaLAxes(c, measure);
        const auto right = BarCells(c, 93), left = BarCells(c, 1);
        ASSERT_EQ(right.size(), 50u);
        ASSERT_EQ(left.size(), 50u);
        EXPECT_EQ(right.front().Rect(), (TRect{93, 21, 101, 21 + Rnd(5.96)}));
        EXPECT_EQ(right.front().BrushColor, (TColor{251, 251, 251}));  // light at the top
        EXPECT_EQ(right.back().Rect(), (TRect{93, 21 + Rnd(5.96 * 49), 101, 319}));
        EXPECT_EQ(right.back().BrushColor, (TColor{6, 6, 6}));
        EXPECT_EQ(left.front().Rect(), (TRect{1, 21, 10, 27}));
    }
}

TEST(DeltaLChart, HueBarsRunFromDarkAtTheBottomToTheHueAtTheTop)
{
    TData measure = charts::Measured(0, 0, 0, 90);
    TRecordingCanvas c(PBXdl);
    DrawDeltaLAxes(c, &measure);
    const auto right = BarCells(c, 93);
    ASSERT_EQ(right.size(), 50u);
    EXPECT_EQ(right.front().Rect(), (TRect{93, 319, 101, 319 - Rnd(5.96)}));
    EXPECT_EQ(right.back().Rect().Bottom, 21);
    EXPECT_EQ(right.back().BrushColor, ChartColor::Yellow);  // HueColor(46, 100) = #FFFF00
    const TColor darkest = right.front().BrushColor;
    EXPECT_EQ(darkest.R, darkest.G);
    EXPECT_LT(darkest.R, 100);
    EXPECT_EQ(darkest.B, 0);
}
