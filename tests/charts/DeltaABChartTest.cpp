// The delta a/b chart by numbers: span rule and label steps, axes, the
// compared patch's square, the tolerance circle and the CMC ellipse.
#include "ChartFixtures.h"
#include "ColorCalc.h"
#include "DeltaABChart.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>

using charts::PBXab;

namespace {
constexpr int CX = 170, CY = 170, H = 278;

bool HasText(const TRecordingCanvas& c, const char* text) { return c.FindText(QString::fromLatin1(text)) != nullptr; }
}  // namespace

TEST(DeltaABChart, GeometryOfTheFixedArea)
{
    const TDeltaABGeometry g = DeltaABGeometry(PBXab);
    EXPECT_EQ(g.Box, (TRect{10, 10, 330, 330}));
    EXPECT_EQ(g.Inner, (TRect{11, 11, 329, 329}));
    EXPECT_EQ(g.Plot, (TRect{19, 31, 321, 309}));
    EXPECT_EQ(g.CX, CX);
    EXPECT_EQ(g.CY, CY);
    EXPECT_EQ(g.H, H);
}

TEST(DeltaABChart, SpanAndLabelStep)
{
    struct TCase {
        double DeltaA, DeltaB;
        int Span, Step;
    } const cases[] = {
        {5, 0, 10, 1},     {0, -5, 10, 1},    {5.01, 0, 14, 1}, {-9.5, 2, 22, 3},
        {20, 0, 44, 5},    {0, 12.3, 28, 3},  {3, -3, 10, 1},   {-6.99, 1, 16, 1},
    };
    for (const TCase& c : cases) {
        const TData record = charts::Measured(0, c.DeltaA, c.DeltaB);
        const int span = DeltaABSpan(&record);
        EXPECT_EQ(span, c.Span) << c.DeltaA << ", " << c.DeltaB;
        EXPECT_EQ(DeltaABLabelStep(span / 2), c.Step) << c.DeltaA << ", " << c.DeltaB;
    }
    EXPECT_EQ(DeltaABSpan(nullptr), 10);
}

TEST(DeltaABChart, AxesLabelEveryStepUpToTheHalfSpan)
{
    struct TCase {
        double DeltaA;
        std::vector<const char*> Present, Absent;
    } const cases[] = {
        {5, {"+1", "-1", "+5", "-5"}, {"+6"}},
        {5.01, {"+1", "+7", "-7"}, {"+8"}},
        {-9.5, {"+3", "+6", "+9", "-9"}, {"+1", "+2", "+11", "+12"}},
        {20, {"+5", "+10", "+15", "+20", "-20"}, {"+1", "+3", "+21", "+22", "+25"}},
    };
    for (const TCase& c : cases) {
        TData measure = charts::Measured(0, c.DeltaA, 0);
        TRecordingCanvas canvas(PBXab);
        // Without a reference the stored differences are shown as they are.
        DrawDeltaABAxes(canvas, nullptr, &measure);
        for (const char* text : c.Present)
            EXPECT_TRUE(HasText(canvas, text)) << c.DeltaA << " " << text;
        for (const char* text : c.Absent)
            EXPECT_FALSE(HasText(canvas, text)) << c.DeltaA << " " << text;
    }
}

TEST(DeltaABChart, AxesFrameAxisLengthAndTicks)
{
    TData measure = charts::Measured(0, 20, 0);  // span 44, k = 278 / 44
    TRecordingCanvas c(PBXab);
    DrawDeltaABAxes(c, nullptr, &measure);
    const auto frames = c.CallsOf(TCanvasOp::BevelFrame);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].Rect(), (TRect{10, 10, 330, 330}));
    EXPECT_EQ(frames[0].FrameTop, ChartColor::Grey);
    EXPECT_EQ(frames[0].FrameBottom, ChartColor::Silver);
    const auto lines = c.CallsOf(TCanvasOp::Line);
    ASSERT_GE(lines.size(), 2u);
    const double k = 278.0 / 44;
    const int r = Rnd(k * 22);
    EXPECT_EQ(lines[0].From(), (TPoint{CX - r, CY}));
    EXPECT_EQ(lines[0].To(), (TPoint{CX + r, CY}));
    EXPECT_EQ(lines[0].PenWidth, 3);
    EXPECT_EQ(lines[1].From(), (TPoint{CX, 31}));
    EXPECT_EQ(lines[1].To(), (TPoint{CX, 309}));
    // Tick n = 1 below the centre crosses the axis.
    const int d = Rnd(k);
    EXPECT_EQ(lines[2].From(), (TPoint{CX + 5, CY + d}));
    EXPECT_EQ(lines[2].To(), (TPoint{CX, CY + d}));
    EXPECT_EQ(lines[2].PenWidth, 1);
    // "+a" right of the axis end, "-b" below it.
    EXPECT_EQ(c.FindText(QStringLiteral("+a"))->Args[0], CX + r + 6);
    EXPECT_EQ(c.FindText(QStringLiteral("-b"))->Args[1], CY + r + 3);
    // "+20" on the b axis right of it, and on the a axis centred by "MM" (12 wide).
    std::vector<TCanvasCall> plus20;
    for (const TCanvasCall& text : c.CallsOf(TCanvasOp::TextOut))
        if (text.Text == QStringLiteral("+20"))
            plus20.push_back(text);
    ASSERT_EQ(plus20.size(), 2u);
    const int h = 13 / 2;
    EXPECT_EQ(plus20[0].Args, (std::vector<int>{CX + 5, CY - Rnd(k * 20) - h}));
    EXPECT_EQ(plus20[1].Args, (std::vector<int>{CX + Rnd(k * 20) - 6, CY + 5}));
    EXPECT_EQ(plus20[1].BrushColor, ChartColor::White);
}

TEST(DeltaABChart, SquareMarkerOfTheComparedPatch)
{
    struct TCase {
        double DeltaA, DeltaB;
        TPoint Centre;
    } const cases[] = {
        {5, 0, {CX + 139, CY}},                     // k = 27.8
        {0, 5, {CX, CY - 139}},
        {-20, 0, {CX - Rnd(278.0 / 44 * 20), CY}},  // span 44
    };
    for (const TCase& c : cases) {
        const TData measure = charts::Measured(0, c.DeltaA, c.DeltaB);
        TRecordingCanvas canvas(PBXab);
        DrawDeltaABPoint(canvas, &measure, ChartColor::Red);
        const auto squares = canvas.CallsOf(TCanvasOp::Rectangle);
        ASSERT_EQ(squares.size(), 1u);
        EXPECT_EQ(squares[0].Rect(), (TRect{c.Centre.X - 4, c.Centre.Y - 4, c.Centre.X + 4, c.Centre.Y + 4}))
            << c.DeltaA << ", " << c.DeltaB;
        EXPECT_EQ(squares[0].BrushColor, ChartColor::Red);
        EXPECT_EQ(squares[0].PenColor, ChartColor::Black);
    }
    TData empty(EmptySpectrum);
    empty.DeltaA = 30;
    TRecordingCanvas canvas(PBXab);
    DrawDeltaABPoint(canvas, &empty, ChartColor::Red);
    const auto squares = canvas.CallsOf(TCanvasOp::Rectangle);
    ASSERT_EQ(squares.size(), 1u);
    EXPECT_EQ(squares[0].Rect(), (TRect{CX - 4, CY - 4, CX + 4, CY + 4}));
    EXPECT_EQ(squares[0].BrushColor, ChartColor::Yellow);
}

namespace {

// The 33 points of the tolerance figure's polyline.
std::vector<TPoint> ToleranceFigure(TData* reference, TData* measure)
{
    TRecordingCanvas c(PBXab);
    DrawToleranceEllipse(reference, measure, ChartColor::Red, c);
    const auto lines = c.CallsOf(TCanvasOp::Line);
    std::vector<TPoint> points;
    if (lines.empty())
        return points;
    points.push_back(lines.front().From());
    for (const TCanvasCall& line : lines) {
        EXPECT_EQ(line.PenColor, ChartColor::Red);
        points.push_back(line.To());
    }
    return points;
}

double Distance(TPoint p) { return std::hypot(p.X - CX, p.Y - CY); }

}  // namespace

TEST(DeltaABChart, ToleranceCircleHasRadiusK)
{
    charts::TViewingConditionsGuard guard;
    CurColorSpace = TColorSpace::CIELAB;
    TData reference(charts::Bump(0.1, 0.6, 600, 50));
    TData measure(charts::Bump(0.1, 0.62, 600, 50));
    const auto points = ToleranceFigure(&reference, &measure);
    ASSERT_EQ(points.size(), 33u);
    const double k = double(H) / DeltaABSpan(&measure);
    EXPECT_EQ(points.front(), (TPoint{CX + Rnd(k), CY}));
    EXPECT_EQ(points.back(), points.front());
    EXPECT_EQ(points[8], (TPoint{CX, CY - Rnd(k)}));
    for (const TPoint& p : points)
        EXPECT_NEAR(Distance(p), k, 0.75);
}

TEST(DeltaABChart, NoToleranceFigureWithoutReference)
{
    TData measure = charts::Measured(0, 1, 1);
    EXPECT_TRUE(ToleranceFigure(nullptr, &measure).empty());
}

TEST(DeltaABChart, CmcEllipseLiesAlongTheReferenceHue)
{
    charts::TViewingConditionsGuard guard;
    CurColorSpace = TColorSpace::CMC11;
    const double k = H / 10.0;  // no compared record: span 10
    // Saturated yellowish reference (h = 90°): SC along the b axis, the
    // shorter SH across it.
    TData reference(charts::Flat(0.5));
    reference.Coord = {80, 0, 60, 60, 90};
    const auto points = ToleranceFigure(&reference, nullptr);
    ASSERT_EQ(points.size(), 33u);
    const double c = 60, sc = 0.0638 * c / (1 + 0.0131 * c) + 0.638;
    const double f = c * c / std::sqrt(c * c * c * c + 1900);
    const double t = 0.36 + std::fabs(0.4 * std::cos(M_PI / 2 + 0.6108653));
    const double sh = sc * (f * t + 1 - f);
    EXPECT_EQ(points[0], (TPoint{CX, CY - Rnd(k * sc)}));   // t = 0: along the hue
    EXPECT_EQ(points[8], (TPoint{CX - Rnd(k * sh), CY}));   // t = π/2: across it
    EXPECT_GT(Distance(points[0]), 1.5 * Distance(points[8]));

    // Neutral reference: H = π/2, SC = 0.638, F = 0, SH = SC: a circle.
    TData neutral(charts::Flat(0.5));
    neutral.Coord = {50, 0, 0, 0, 0};
    for (const TPoint& p : ToleranceFigure(&neutral, nullptr))
        EXPECT_NEAR(Distance(p), k * 0.638, 0.75);
}

TEST(DeltaABChart, CmcEllipseTurnsWithTheHue)
{
    charts::TViewingConditionsGuard guard;
    CurColorSpace = TColorSpace::CMC21;
    // h = 45°: the long axis runs along the diagonal to the upper right.
    TData reference(charts::Flat(0.5));
    reference.Coord = {60, 40, 40, std::hypot(40, 40), 45};
    const auto points = ToleranceFigure(&reference, nullptr);
    ASSERT_EQ(points.size(), 33u);
    EXPECT_GT(points[0].X, CX);
    EXPECT_LT(points[0].Y, CY);
    EXPECT_NEAR(points[0].X - CX, CY - points[0].Y, 1);
    EXPECT_GT(Distance(points[0]), Distance(points[8]));
}

TEST(DeltaABChart, CircleLeavesCielabValuesInTheRecords)
{
    charts::TViewingConditionsGuard guard;
    CurColorSpace = TColorSpace::CIELuv;
    TData reference(charts::Bump(0.1, 0.6, 600, 50));
    TData measure(charts::Bump(0.1, 0.62, 610, 50));
    ToleranceFigure(&reference, &measure);
    TData expected(measure.Spectrum);
    TData expectedReference(reference.Spectrum);
    CalcDeltaE(expectedReference, expected, TColorSpace::CIELAB, CurIlluminant, CurObserver);
    EXPECT_DOUBLE_EQ(measure.DeltaA, expected.DeltaA);
    EXPECT_DOUBLE_EQ(measure.DeltaB, expected.DeltaB);
}
