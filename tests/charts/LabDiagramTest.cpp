// The CIELab diagram by numbers, and its background picture.
#include "ChartFixtures.h"
#include "ColorCalc.h"
#include "LabDiagram.h"
#include "RecordingCanvas.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using charts::PBCircle;

namespace {
constexpr int C = 174;

// The centres of the crosses drawn, with their colours.
std::vector<std::pair<TPoint, TColor>> Crosses(const TRecordingCanvas& c)
{
    std::vector<std::pair<TPoint, TColor>> crosses;
    const auto lines = c.CallsOf(TCanvasOp::Line);
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        const TPoint top = lines[i].From();
        EXPECT_EQ(lines[i].To(), (TPoint{top.X, top.Y + 40}));
        EXPECT_EQ(lines[i + 1].From(), (TPoint{top.X - 20, top.Y + 20}));
        EXPECT_EQ(lines[i + 1].To(), (TPoint{top.X + 20, top.Y + 20}));
        crosses.emplace_back(TPoint{top.X, top.Y + 20}, lines[i].PenColor);
    }
    return crosses;
}
}  // namespace

TEST(LabDiagram, Geometry)
{
    const TLabGeometry g = LabGeometry(PBCircle);
    EXPECT_EQ(g.Plot, (TRect{20, 20, 328, 328}));
    EXPECT_EQ(g.CX, C);
    EXPECT_EQ(g.CY, C);
    EXPECT_NEAR(g.PX, 1.1846, 1e-4);
    EXPECT_EQ(g.At(50, -30), (TPoint{233, 210}));
    EXPECT_EQ(g.At(0.42, 0), (TPoint{C, C}));  // Rnd(0.4975) = 0
    EXPECT_EQ(g.At(-130, 130), (TPoint{20, 20}));
}

TEST(LabDiagram, AxesCirclesAndLabels)
{
    TRecordingCanvas c(PBCircle);
    DrawLabDiagram(c);
    const auto lines = c.CallsOf(TCanvasOp::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].From(), (TPoint{20, C}));
    EXPECT_EQ(lines[0].To(), (TPoint{328, C}));
    EXPECT_EQ(lines[1].From(), (TPoint{C, 328}));
    EXPECT_EQ(lines[1].To(), (TPoint{C, 20}));
    EXPECT_EQ(lines[0].PenWidth, 2);
    EXPECT_EQ(lines[0].PenColor, ChartColor::Grey);

    const auto arcs = c.CallsOf(TCanvasOp::Arc);
    ASSERT_EQ(arcs.size(), 6u);
    const int radii[] = {118, 83, 47};
    for (int n = 0; n < 3; ++n) {
        const int inset = 154 - radii[n];
        const std::vector<int> box = {20 + inset, 20 + inset, 328 - inset, 328 - inset};
        EXPECT_EQ(std::vector<int>(arcs[2 * n].Args.begin(), arcs[2 * n].Args.begin() + 4), box) << radii[n];
        EXPECT_EQ(arcs[2 * n].PenWidth, 1);
        // Lower-left to upper-right, then back.
        EXPECT_EQ(arcs[2 * n].Args[4], box[0]);
        EXPECT_EQ(arcs[2 * n].Args[5], box[3]);
        EXPECT_EQ(arcs[2 * n + 1].Args[4], box[2]);
        EXPECT_EQ(arcs[2 * n + 1].Args[5], box[1]);
    }

    const TCanvasCall* minusA = c.FindText(QStringLiteral("- a "));
    ASSERT_NE(minusA, nullptr);
    EXPECT_EQ(minusA->Args[0], 20 - 24);
    EXPECT_EQ(minusA->Args[1], C - 6);
    EXPECT_EQ(minusA->FontFace, QStringLiteral("Small Font"));
    EXPECT_EQ(minusA->FontPoints, 8);
    EXPECT_EQ(minusA->FontColor, ChartColor::Grey);
    EXPECT_EQ(c.FindText(QStringLiteral(" + a"))->Args[0], 328);
    EXPECT_EQ(c.FindText(QStringLiteral("- b"))->Args, (std::vector<int>{C + 4, 328}));
    EXPECT_EQ(c.FindText(QStringLiteral("+ b"))->Args, (std::vector<int>{C + 4, 20 - 13}));
}

TEST(LabDiagram, CrossesOfTheRecords)
{
    charts::TViewingConditionsGuard guard;
    TData reference(charts::Bump(0.1, 0.7, 620, 50));
    TData measure(charts::Flat(0.5));
    TRecordingCanvas c(PBCircle);
    DrawLabPoints(c, &reference, &measure);
    const auto crosses = Crosses(c);
    ASSERT_EQ(crosses.size(), 2u);
    TData expected(reference.Spectrum);
    CalcColorValues(expected, TColorSpace::CIELAB, CurIlluminant, CurObserver);
    EXPECT_EQ(crosses[0].first, LabGeometry(PBCircle).At(expected.Coord[1], expected.Coord[2]));
    EXPECT_EQ(crosses[0].second, ChartColor::Black);
    EXPECT_EQ(crosses[1].second, ChartColor::White);
    // A neutral patch: exactly over the axes' crossing.
    EXPECT_EQ(crosses[1].first, (TPoint{C, C}));
}

TEST(LabDiagram, CrossesIgnoreTheChosenColourSpaceButFollowTheIlluminant)
{
    charts::TViewingConditionsGuard guard;
    TData reference(charts::Bump(0.1, 0.7, 620, 50));
    auto crossAt = [&] {
        TRecordingCanvas c(PBCircle);
        DrawLabPoints(c, &reference, nullptr);
        return Crosses(c).at(0).first;
    };
    CurColorSpace = TColorSpace::CIELAB;
    const TPoint lab = crossAt();
    CurColorSpace = TColorSpace::CIELuv;
    EXPECT_EQ(crossAt(), lab);
    CurIlluminant = TIlluminant::A;
    EXPECT_NE(crossAt(), lab);
}

TEST(LabDiagram, WithoutMeasurementsOnlyABlackCrossAtTheCentre)
{
    TData reference(EmptySpectrum), measure(EmptySpectrum);
    TRecordingCanvas c(PBCircle);
    DrawLabPoints(c, &reference, &measure);
    const auto crosses = Crosses(c);
    ASSERT_EQ(crosses.size(), 1u);
    EXPECT_EQ(crosses[0].first, (TPoint{C, C}));
    EXPECT_EQ(crosses[0].second, ChartColor::Black);
}

TEST(LabDiagram, GeneratedPictureCoversThePlotSquare)
{
    const QString path = QStringLiteral(KV_CIELAB_PICTURE);
    const QString folder = path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
    const QImage picture = LoadCielabPicture(folder);
    ASSERT_FALSE(picture.isNull()) << path.toStdString();
    EXPECT_EQ(picture.size(), QSize(308, 308));
    // Centre: neutral. +a* right: reddish; -a* left: greenish; +b* up: yellowish; -b* down: bluish.
    const QRgb centre = picture.pixel(154, 154);
    EXPECT_EQ(qRed(centre), qGreen(centre));
    EXPECT_EQ(qGreen(centre), qBlue(centre));
    const double pxPerUnit = 308.0 / 260;
    auto at = [&](double a, double b) {
        return picture.pixel(154 + Rnd(a * pxPerUnit), 154 - Rnd(b * pxPerUnit));
    };
    EXPECT_GT(qRed(at(60, 0)), qGreen(at(60, 0)));
    EXPECT_GT(qGreen(at(-60, 0)), qRed(at(-60, 0)));
    EXPECT_GT(qRed(at(0, 60)) + qGreen(at(0, 60)), 2 * qBlue(at(0, 60)) + 100);
    EXPECT_GT(qBlue(at(0, -60)), qRed(at(0, -60)));
    // Outside the screen's gamut (a* = b* = 125): pale, every channel light.
    const QRgb outside = at(125, 125);
    EXPECT_GT(qRed(outside), 150);
    EXPECT_GT(qGreen(outside), 150);
    EXPECT_GT(qBlue(outside), 150);
}

TEST(LabDiagram, MissingOrUnreadablePictureDrawsNothing)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    EXPECT_TRUE(LoadCielabPicture(folder).isNull());
    QFile broken(folder + QStringLiteral("Cielab.bmp"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("BM this is not a bitmap");
    broken.close();
    EXPECT_TRUE(LoadCielabPicture(folder).isNull());
    EXPECT_TRUE(LoadCielabPicture(QStringLiteral("/no/such/folder/")).isNull());

    TRecordingCanvas c(PBCircle);
    DrawLabBackground(c, QImage());
    EXPECT_TRUE(c.Calls().empty());
    QImage picture(308, 308, QImage::Format_RGB32);
    DrawLabBackground(c, picture);
    ASSERT_EQ(c.Calls().size(), 1u);
    EXPECT_EQ(c.Calls()[0].Args, (std::vector<int>{20, 20, 308, 308}));
}
