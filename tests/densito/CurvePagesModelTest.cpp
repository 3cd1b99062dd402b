// Step logic of the Print curve and Dot Gain curve pages, without a window.
#include "DensityFormat.h"
#include "DensityTestSupport.h"
#include "DotGainCurveModel.h"
#include "PrintCurveModel.h"

#include <cmath>

namespace {

using C = TDensityChannel;

// The tint density whose Murray–Davies dot area against `solid` is `area` %.
float TintFor(double area, float solid)
{
    return float(-std::log10(1.0 - area / 100.0 * (1.0 - std::pow(10.0, -double(solid)))));
}

TDensityMeasurement Patch(C ink, float density)
{
    TDensityMeasurement reading;
    reading.Densities.fill(0.05f);
    reading.Densities[ChannelIndex(ink)] = density;
    reading.Channel = ink;
    return reading;
}

// ---- Print curve

class PrintCurveModelTest : public TConfigFixture {
protected:
    void MeasureScale(C ink, float solid, const std::array<double, 9>& areas)
    {
        Model.Measure(Patch(ink, solid), Shared);
        for (double area : areas)
            Model.Measure(Patch(ink, TintFor(area, solid)), Shared);
    }
    TPrintCurveModel Model;
    TDensitoShared Shared;
};

TEST_F(PrintCurveModelTest, StartsEmpty)
{
    EXPECT_EQ(Model.Step, 0);
    EXPECT_EQ(Model.Channel, -1);
    for (const QString& text : Model.ValueText)
        EXPECT_EQ(text, "?");
    for (const QColor& color : Model.SwatchColor)
        EXPECT_EQ(color, QColor(0x9A, 0x9A, 0x9A));
}

TEST_F(PrintCurveModelTest, TenMeasurementsFillAScaleAndTheEleventhStartsANewOne)
{
    MeasureScale(C::Cyan, 1.40f, {12, 24, 35, 46, 57, 67, 77, 86, 94});
    EXPECT_EQ(Model.Step, 0);
    EXPECT_EQ(Model.Channel, 0);
    EXPECT_EQ(Model.ValueText[0], "1.40");
    EXPECT_EQ(Model.ValueText[1], "12%");
    EXPECT_EQ(Model.ValueText[5], "57%");
    EXPECT_EQ(Model.ValueText[9], "94%");
    EXPECT_NEAR(Model.Curves[0][5], 57.0, 1e-3);
    EXPECT_FLOAT_EQ(Model.Curves[0][0], 1.40f);
    EXPECT_EQ(Model.SwatchColor, PrintCurveSwatchColors(C::Cyan));

    // The eleventh: a new scale of the ink it sees; the cyan scale stays.
    Model.Measure(Patch(C::Magenta, 1.50f), Shared);
    EXPECT_EQ(Model.Step, 1);
    EXPECT_EQ(Model.Channel, 1);
    EXPECT_EQ(Shared.LastChannel, C::Magenta);
    EXPECT_EQ(Model.ValueText[0], "1.50");
    for (int i = 1; i < 10; ++i)
        EXPECT_EQ(Model.ValueText[i], "?") << i;
    EXPECT_EQ(Model.SwatchColor, PrintCurveSwatchColors(C::Magenta));
    EXPECT_EQ(Model.SelectorColor, InkRampColor(C::Magenta, 0));
    EXPECT_NEAR(Model.Curves[0][5], 57.0, 1e-3);
}

TEST_F(PrintCurveModelTest, ATintOfAnotherInkGoesToThatInksScale)
{
    MeasureScale(C::Magenta, 1.50f, {11, 22, 33, 44, 55, 66, 77, 88, 99});
    Model.Measure(Patch(C::Cyan, 1.40f), Shared);  // cyan scale solid
    Model.Measure(Patch(C::Magenta, TintFor(15, 1.50f)), Shared);
    EXPECT_EQ(Model.Channel, 1);
    EXPECT_EQ(Model.ValueText[1], "15%");
    EXPECT_NEAR(Model.Curves[1][1], 15.0, 1e-3);
    EXPECT_FLOAT_EQ(Model.Curves[0][1], 0.0f);
    // The swatches still show the cyan scale; the selector the ink just seen.
    EXPECT_EQ(Model.SwatchColor, PrintCurveSwatchColors(C::Cyan));
    EXPECT_EQ(Model.SelectorColor, InkRampColor(C::Magenta, 0));
}

TEST_F(PrintCurveModelTest, ATintWithoutAScaleSolidShowsNoValueAndStoresNothing)
{
    Model.Measure(Patch(C::Cyan, 1.40f), Shared);
    Model.Measure(Patch(C::Yellow, 0.6f), Shared);  // no yellow solid yet
    EXPECT_EQ(Model.ValueText[1], "-");
    EXPECT_FLOAT_EQ(Model.Curves[2][1], 0.0f);
    EXPECT_EQ(Model.Step, 2);
}

TEST_F(PrintCurveModelTest, ColourListShowsTheChosenInksScale)
{
    MeasureScale(C::Cyan, 1.40f, {12, 24, 35, 46, 57, 67, 77, 86, 94});
    Model.Measure(Patch(C::Magenta, 1.50f), Shared);
    Model.Measure(Patch(C::Magenta, TintFor(18, 1.50f)), Shared);
    MeasureScale(C::Cyan, 1.40f, {12, 24, 35, 46, 57, 67, 77, 86, 94});
    Model.Measure(Patch(C::Cyan, TintFor(20, 1.4f)), Shared);
    const QString solidText = Model.ValueText[0];

    Model.ShowInk(1);
    EXPECT_EQ(Model.SwatchColor, PrintCurveSwatchColors(C::Magenta));
    EXPECT_EQ(Model.ValueText[0], solidText);
    EXPECT_EQ(Model.ValueText[1], "18%");
    for (int i = 2; i < 10; ++i)
        EXPECT_EQ(Model.ValueText[i], "0%") << i;
    EXPECT_EQ(Model.Channel, 0);  // the chart's own ink does not change
    EXPECT_EQ(Model.SelectorColor, InkRampColor(C::Magenta, 0));

    const auto texts = Model.ValueText;
    const auto colors = Model.SwatchColor;
    Model.ShowInk(TPrintCurveModel::AllInks);
    EXPECT_EQ(Model.ValueText, texts);
    EXPECT_EQ(Model.SwatchColor, colors);
    EXPECT_EQ(Model.SelectorColor, QColor(0x80, 0x80, 0x80));
}

TEST_F(PrintCurveModelTest, APressedSwatchIsMeasuredNextAndDownStepsRound)
{
    Model.Measure(Patch(C::Black, 1.80f), Shared);
    Model.SelectStep(5);
    Model.Measure(Patch(C::Black, TintFor(62, 1.80f)), Shared);
    EXPECT_EQ(Model.ValueText[5], "62%");
    EXPECT_EQ(Model.Step, 6);
    for (int expected : {7, 8, 9, 0, 1}) {
        Model.StepDown();
        EXPECT_EQ(Model.Step, expected);
    }
    Model.SelectStep(42);
    EXPECT_EQ(Model.Step, 9);
}

TEST(PrintCurveTables, SwatchColoursOfTheScales)
{
    const auto cyan = PrintCurveSwatchColors(C::Cyan);
    EXPECT_EQ(cyan[1], InkRampColor(C::Cyan, 11));
    EXPECT_EQ(cyan[3], InkRampColor(C::Cyan, 8));
    EXPECT_EQ(cyan[8], InkRampColor(C::Cyan, 2));
    const auto black = PrintCurveSwatchColors(C::Black);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(black[i], InkRampColor(C::Black, i == 0 ? 0 : 10 - i)) << i;
}

TEST(PrintCurveTables, ColourListItems)
{
    struct Case {
        int item;
        QColor color;
        int count;
    };
    for (const Case& c : {Case{0, QColor(0x00, 0x9A, 0xDA), 1}, Case{1, QColor(0xD8, 0x21, 0x7E), 1},
                          Case{2, QColor(0xFF, 0xFF, 0x00), 1}, Case{3, QColor(0x32, 0x2F, 0x30), 1},
                          Case{4, QColor(0x80, 0x80, 0x80), 4}}) {
        EXPECT_EQ(ColorListItemColor(c.item), c.color) << c.item;
        int count = 0;
        const auto swatches = ColorListItemSwatches(c.item, count);
        EXPECT_EQ(count, c.count);
        EXPECT_EQ(swatches[0].Left, 10);
        EXPECT_EQ(swatches[count - 1].Right, c.count == 1 ? 52 : 50);
        EXPECT_EQ(swatches[0].Top, 5);
        EXPECT_EQ(swatches[0].Bottom, 34);
    }
    int count = 0;
    const auto all = ColorListItemSwatches(4, count);
    EXPECT_EQ(all[2].Color, QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(all[3].Left, 40);
}

// ---- Dot gain curve

TEST(DotGainCurveFit, PiecesPassThroughTheirPoints)
{
    TDotGainCurve curve;
    curve.X = {0, 25, 50, 75, 100};
    curve.Y = {0, 12, 18, 14, 0};
    FitDotGainCurve(curve);
    for (int piece = 0; piece < 3; ++piece)
        for (int i = piece; i < piece + 3; ++i)
            EXPECT_NEAR(curve.Gain(piece, curve.X[i]), curve.Y[i], 1e-9) << piece << " " << i;
    // Fit 1 through (0,0), (25,12), (50,18): 0.6x - 0.0048x².
    EXPECT_NEAR(curve.Fit[0][0], 0.0, 1e-9);
    EXPECT_NEAR(curve.Fit[0][1], 0.6, 1e-9);
    EXPECT_NEAR(curve.Fit[0][2], -0.0048, 1e-12);
}

TEST(DotGainCurveFit, AFailedPieceKeepsItsCoefficients)
{
    TDotGainCurve curve;
    curve.X = {0, 50, 50, 75, 100};  // two tints set to the same percentage
    curve.Y = {0, 12, 18, 14, 0};
    FitDotGainCurve(curve);
    for (int piece : {0, 1})
        for (double a : curve.Fit[piece])
            EXPECT_EQ(a, 0.0) << piece;
    EXPECT_NEAR(curve.Gain(2, 75), 14.0, 1e-9);
}

class DotGainCurveModelTest : public TConfigFixture {
protected:
    // Solid and three tints whose dot areas are the settings plus `gains`.
    void Sequence(C ink, float solid, const std::array<double, 3>& gains)
    {
        Model.Measure(Patch(ink, solid), Shared, Colors.Source());
        for (int k = 1; k <= 3; ++k)
            Model.Measure(Patch(ink, TintFor(DotGainCurvePercent(k) + gains[k - 1], solid)), Shared,
                          Colors.Source());
    }
    TDotGainCurveModel Model;
    TDensitoShared Shared;
    TFakePatchColor Colors;
};

TEST_F(DotGainCurveModelTest, StartsWithEmptyCurves)
{
    EXPECT_EQ(Model.Step, 0);
    for (const QString& text : Model.ValueText)
        EXPECT_EQ(text, "?");
    for (const TDotGainCurve& curve : Model.Curves) {
        EXPECT_EQ(curve.X, (std::array<int, 5>{0, 25, 50, 75, 100}));
        EXPECT_EQ(curve.Y, (std::array<int, 5>{}));
    }
}

TEST_F(DotGainCurveModelTest, ABlackSequenceStoresItsFittedCurve)
{
    Sequence(C::Black, 1.80f, {12.3, 17.6, 14.4});
    EXPECT_TRUE(Model.Completed);
    EXPECT_EQ(Model.Step, 0);
    EXPECT_EQ(Model.ValueText[0], "1.80");
    EXPECT_EQ(Model.ValueText[1], "12%");
    EXPECT_EQ(Model.ValueText[2], "18%");
    EXPECT_EQ(Model.ValueText[3], "14%");
    const TDotGainCurve& black = Model.Curves[3];
    EXPECT_EQ(black.Y, (std::array<int, 5>{0, 12, 18, 14, 0}));
    EXPECT_NEAR(black.Gain(1, 75), 14.0, 1e-9);
    EXPECT_EQ(Model.SwatchColor[0], InkRampColor(C::Black, 0));
    EXPECT_EQ(Model.SwatchColor[3], Colors.Color);
    EXPECT_EQ(Colors.Calls, 3);
    EXPECT_FLOAT_EQ(Shared.SolidDensity[3], 1.80f);
}

TEST_F(DotGainCurveModelTest, SequencesOfTwoInksAndASecondOfTheFirst)
{
    Sequence(C::Cyan, 1.40f, {10, 16, 12});
    Sequence(C::Magenta, 1.50f, {11, 19, 13});
    EXPECT_EQ(Model.Curves[0].Y[2], 16);
    EXPECT_EQ(Model.Curves[1].Y[2], 19);
    Sequence(C::Cyan, 1.40f, {8, 14, 9});
    EXPECT_EQ(Model.Curves[0].Y, (std::array<int, 5>{0, 8, 14, 9, 0}));
    EXPECT_EQ(Model.Curves[1].Y[2], 19);
}

TEST_F(DotGainCurveModelTest, ATintOfAnotherInkIsIgnored)
{
    Model.Measure(Patch(C::Cyan, 1.40f), Shared, Colors.Source());
    EXPECT_FALSE(Model.Measure(Patch(C::Magenta, 0.6f), Shared, Colors.Source()));
    EXPECT_EQ(Model.Step, 1);
    EXPECT_EQ(Model.ValueText[1], "0%");
    EXPECT_EQ(Colors.Calls, 0);
}

TEST_F(DotGainCurveModelTest, ATintAgainstASolidOfZeroShowsNoValue)
{
    Model.Measure(Patch(C::Yellow, 0.0f), Shared, Colors.Source());
    Model.Measure(Patch(C::Yellow, 0.4f), Shared, Colors.Source());
    EXPECT_EQ(Model.ValueText[1], "-");
    EXPECT_EQ(Model.Current.Y[1], 0);
    EXPECT_EQ(Model.Step, 2);
}

TEST_F(DotGainCurveModelTest, TheLastTintPressedEarlyCompletesTheCurve)
{
    Model.Measure(Patch(C::Cyan, 1.40f), Shared, Colors.Source());
    Model.Measure(Patch(C::Cyan, TintFor(25 + 11, 1.40f)), Shared, Colors.Source());
    Model.SelectStep(3);
    Model.Measure(Patch(C::Cyan, TintFor(75 + 9, 1.40f)), Shared, Colors.Source());
    EXPECT_TRUE(Model.Completed);
    EXPECT_EQ(Model.Curves[0].Y, (std::array<int, 5>{0, 11, 0, 9, 0}));
    EXPECT_EQ(Model.Step, 0);
}

TEST_F(DotGainCurveModelTest, ASettingChangedDuringASequence)
{
    Model.Measure(Patch(C::Cyan, 1.40f), Shared, Colors.Source());
    Model.Measure(Patch(C::Cyan, TintFor(25 + 11, 1.40f)), Shared, Colors.Source());
    Config.DotGainCurve2 = 40;
    Model.ForgetCurves();
    // Dot area 56 %: a gain of 16 against the new 40 %, placed at the old 50 %.
    Model.Measure(Patch(C::Cyan, TintFor(56, 1.40f)), Shared, Colors.Source());
    EXPECT_EQ(Model.ValueText[2], "16%");
    Model.Measure(Patch(C::Cyan, TintFor(75 + 9, 1.40f)), Shared, Colors.Source());
    EXPECT_EQ(Model.Curves[0].X[2], 50);
    EXPECT_EQ(Model.Curves[0].Y[2], 16);
    // The next sequence takes the new position.
    Model.Measure(Patch(C::Cyan, 1.40f), Shared, Colors.Source());
    EXPECT_EQ(Model.Current.X[2], 40);
}

}  // namespace

namespace {

TEST(DotGainCurveSettings, ValuesFromTheSettingsFileOutsideTheSpinRange)
{
    Config = ConfigType{};
    Config.DotGainCurve1 = -7;
    Config.DotGainCurve3 = 2000000000;
    EXPECT_EQ(ResetDotGainCurve().X, (std::array<int, 5>{0, 1, 50, 99, 100}));
    Config = ConfigType{};
}

}  // namespace
