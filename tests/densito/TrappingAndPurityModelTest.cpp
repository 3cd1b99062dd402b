// Trapping, Hue error and Grayness pages without a window.
#include "DensityTestSupport.h"
#include "DotAreaModel.h"
#include "InkPurityModel.h"
#include "TrappingModel.h"

namespace {

using C = TDensityChannel;

const TDensityMeasurement Paper = Reading(0.02f, 0.02f, 0.03f, 0.02f, C::Black);
const TDensityMeasurement CyanSolid = Reading(1.30f, 0.12f, 0.05f, 0.10f, C::Cyan);
const TDensityMeasurement MagentaSolid = Reading(0.20f, 1.35f, 0.60f, 0.15f, C::Magenta);
const TDensityMeasurement BlueOverprint = Reading(1.40f, 1.25f, 0.62f, 0.30f, C::Cyan);

class TrappingModelTest : public TConfigFixture {
protected:
    TTrappingModel Model;
    TFakePatchColor Patch;
    void Measure(const TDensityMeasurement& reading) { Model.Measure(reading, Patch.Source()); }
};

TEST_F(TrappingModelTest, StartState)
{
    EXPECT_EQ(Model.Step, 0);
    EXPECT_EQ(Model.SubstrateText, "?");
    EXPECT_EQ(Model.DownValueText[0], "0.00");
    EXPECT_EQ(Model.DownLetterText[1], "-");
    EXPECT_EQ(Model.TrapText, "0%");
    EXPECT_EQ(TrappingPromptText(Model.Prompt), "Measure first down color");
}

TEST_F(TrappingModelTest, MagentaOnCyanWithPromptsAndSteps)
{
    Measure(Paper);
    EXPECT_EQ(Model.SubstrateText, "OK!");
    EXPECT_EQ(Model.SwatchColor[0], QColor(Qt::white));
    EXPECT_EQ(Model.Step, 1);
    EXPECT_EQ(TrappingPromptText(Model.Prompt), "Measure first down color");

    Patch.Color = QColor(0, 150, 220);
    Measure(CyanSolid);
    EXPECT_EQ(Model.DownValueText[0], "1.30");
    EXPECT_EQ(Model.DownLetterText[0], "C");
    EXPECT_EQ(Model.SwatchColor[1], QColor(0, 150, 220));
    EXPECT_EQ(TrappingPromptText(Model.Prompt), "Measure second down color");
    EXPECT_EQ(Model.Step, 2);

    Measure(MagentaSolid);
    EXPECT_EQ(Model.DownValueText[1], "1.35");
    EXPECT_EQ(Model.DownLetterText[1], "M");
    EXPECT_EQ(TrappingPromptText(Model.Prompt), "Measure overprint");
    EXPECT_EQ(Model.Step, 3);

    Measure(BlueOverprint);
    EXPECT_EQ(Model.TrapText, "M on C = 84%");
    EXPECT_EQ(TrappingPromptText(Model.Prompt), "Measure first down color");
    EXPECT_EQ(Model.Step, 0);  // the frame goes back to the substrate
    EXPECT_EQ(Patch.Calls, 3);
}

TEST_F(TrappingModelTest, SubstrateClearsTheSecondDownAndTheTrapOnly)
{
    Measure(Paper);
    Measure(CyanSolid);
    Measure(MagentaSolid);
    Measure(BlueOverprint);
    Measure(Paper);
    EXPECT_EQ(Model.DownValueText[0], "1.30");
    EXPECT_EQ(Model.DownLetterText[0], "C");
    EXPECT_EQ(Model.DownValueText[1], "");
    EXPECT_EQ(Model.TrapText, "");
    EXPECT_EQ(Model.SwatchColor[2], QColor("#808080"));
    EXPECT_EQ(Model.SwatchColor[3], QColor("#808080"));
    EXPECT_EQ(Model.Step, 1);
}

TEST_F(TrappingModelTest, BlackDownColoursAreNotRecordedButTheStepAdvances)
{
    const TDensityMeasurement black = Reading(0.9f, 0.9f, 0.9f, 1.6f, C::Black);
    Measure(Paper);
    Measure(black);
    EXPECT_EQ(Model.Step, 2);
    EXPECT_EQ(Model.DownValueText[0], "0.00");
    EXPECT_EQ(Model.DownLetterText[0], "-");
    EXPECT_EQ(TrappingPromptText(Model.Prompt), "Measure first down color");
    Measure(MagentaSolid);
    Measure(BlueOverprint);
    EXPECT_EQ(Model.TrapText, "-");  // no first down colour in this sequence
    EXPECT_EQ(Model.Step, 0);
}

TEST_F(TrappingModelTest, OverprintOnAFreshStartShowsNoValue)
{
    Model.Step = 3;
    Measure(BlueOverprint);
    EXPECT_EQ(Model.TrapText, "-");
    EXPECT_EQ(Model.Step, 0);
}

TEST_F(TrappingModelTest, DownColoursOfAnEarlierSequenceAreNotReused)
{
    Measure(Paper);
    Measure(CyanSolid);
    Measure(MagentaSolid);
    Measure(BlueOverprint);
    Measure(Paper);
    Measure(CyanSolid);
    Measure(Reading(0.9f, 0.9f, 0.9f, 1.6f, C::Black));  // second down not recorded
    Measure(BlueOverprint);
    EXPECT_EQ(Model.TrapText, "-");
}

TEST_F(TrappingModelTest, SecondDownOfTheSameInkIsPassedOver)
{
    Measure(Paper);
    Measure(CyanSolid);
    Measure(CyanSolid);
    EXPECT_EQ(Model.Step, 3);
    EXPECT_EQ(Model.DownLetterText[1], "-");
    EXPECT_EQ(TrappingPromptText(Model.Prompt), "Measure second down color");
    Measure(BlueOverprint);
    EXPECT_EQ(Model.TrapText, "-");
}

TEST_F(TrappingModelTest, SecondDownWithoutDensityShowsNoTrapFigure)
{
    Measure(Paper);
    Measure(CyanSolid);
    Measure(Reading(0.1f, 0.0f, 0.1f, 0.1f, C::Magenta));
    Measure(BlueOverprint);
    EXPECT_EQ(Model.TrapText, "M on C = -");
}

TEST_F(TrappingModelTest, YellowOnMagenta)
{
    Measure(Paper);
    Measure(MagentaSolid);
    Measure(Reading(0.05f, 0.10f, 1.00f, 0.05f, C::Yellow));
    // Red overprint through the yellow filter: (1.45 - 0.60) / 1.00.
    Measure(Reading(0.15f, 1.40f, 1.45f, 0.10f, C::Magenta));
    EXPECT_EQ(Model.TrapText, "Y on M = 85%");
}

TEST_F(TrappingModelTest, RestartAtFirstDownKeepsTheFrameOnThatSwatch)
{
    Measure(Paper);
    Measure(CyanSolid);
    Model.RestartAtFirstDown();
    EXPECT_EQ(Model.Step, 1);
    EXPECT_EQ(TrappingPromptText(Model.Prompt), "Measure first down color");
    Measure(MagentaSolid);  // taken as the first down colour
    EXPECT_EQ(Model.DownLetterText[0], "M");
    EXPECT_EQ(Model.Step, 2);
}

class InkPurityModelTest : public TConfigFixture {
protected:
    TDensitoShared Shared;
    TFakePatchColor Patch;
};

TEST_F(InkPurityModelTest, HueErrorAndGraynessOfACyanSolid)
{
    TInkPurityModel hue(TInkPurityFigure::HueError);
    TInkPurityModel gray(TInkPurityFigure::Grayness);
    const TDensityMeasurement cyan = Reading(1.40f, 0.60f, 0.20f, 0.10f, C::Cyan);
    hue.Measure(cyan, Shared, Patch.Source());
    gray.Measure(cyan, Shared, Patch.Source());
    EXPECT_EQ(hue.ValueText[0], "33%");
    EXPECT_EQ(gray.ValueText[0], "14%");
    EXPECT_EQ(hue.LetterText[0], "C");
    EXPECT_EQ(hue.SwatchColor[0], Patch.Color);
    EXPECT_EQ(hue.Step, 1);
}

TEST_F(InkPurityModelTest, MedianEqualToTheLowestGivesZero)
{
    TInkPurityModel hue(TInkPurityFigure::HueError);
    hue.Measure(Reading(1.00f, 0.50f, 0.50f, 0.1f, C::Cyan), Shared, Patch.Source());
    EXPECT_EQ(hue.ValueText[0], "0%");
}

TEST_F(InkPurityModelTest, LettersFollowTheStepNotTheInk)
{
    for (auto figure : {TInkPurityFigure::HueError, TInkPurityFigure::Grayness}) {
        TInkPurityModel model(figure);
        const TDensityMeasurement yellow = Reading(0.05f, 0.10f, 1.00f, 0.05f, C::Yellow);
        for (int i = 0; i < 3; ++i)
            model.Measure(yellow, Shared, Patch.Source());
        EXPECT_EQ(model.LetterText[0], "C");
        EXPECT_EQ(model.LetterText[1], "M");
        EXPECT_EQ(model.LetterText[2], "Y");
        EXPECT_EQ(model.Step, 0);
        EXPECT_EQ(Shared.LastChannel, C::Yellow);
    }
}

TEST_F(InkPurityModelTest, CycleClearsLaterRowsOnTheCyanStep)
{
    TInkPurityModel gray(TInkPurityFigure::Grayness);
    for (int i = 0; i < 3; ++i)
        gray.Measure(Reading(1.40f, 0.60f, 0.20f, 0.10f, C::Cyan), Shared, Patch.Source());
    gray.Measure(Reading(1.40f, 0.70f, 0.35f, 0.10f, C::Cyan), Shared, Patch.Source());
    EXPECT_EQ(gray.ValueText[0], "25%");
    EXPECT_EQ(gray.ValueText[1], "0%");
    EXPECT_EQ(gray.ValueText[2], "0%");
    EXPECT_EQ(gray.SwatchColor[1], QColor("#808080"));
}

TEST_F(InkPurityModelTest, ZeroDivisorsShowNoValue)
{
    TInkPurityModel hue(TInkPurityFigure::HueError);
    TInkPurityModel gray(TInkPurityFigure::Grayness);
    hue.Measure(Reading(0.80f, 0.80f, 0.80f, 0.8f, C::Black), Shared, Patch.Source());
    gray.Measure(Reading(0.0f, 0.0f, 0.0f, 0.0f, C::Black), Shared, Patch.Source());
    EXPECT_EQ(hue.ValueText[0], "-");
    EXPECT_EQ(gray.ValueText[0], "-");
    EXPECT_EQ(hue.Step, 1);
    EXPECT_EQ(gray.Step, 1);
    gray.Measure(Reading(-0.01f, -0.02f, -0.03f, 0.0f, C::Black), Shared, Patch.Source());
    EXPECT_EQ(gray.ValueText[1], "-");
}

TEST_F(InkPurityModelTest, HueErrorWritesTheSolidsUsedByDotArea)
{
    TInkPurityModel hue(TInkPurityFigure::HueError);
    hue.Measure(Reading(0.20f, 1.40f, 0.60f, 0.10f, C::Magenta), Shared, Patch.Source());
    EXPECT_FLOAT_EQ(Shared.SolidDensity[0], 0.20f);
    EXPECT_FLOAT_EQ(Shared.SolidDensity[1], 1.40f);
    EXPECT_FLOAT_EQ(Shared.SolidDensity[2], 0.60f);
    EXPECT_FLOAT_EQ(Shared.SolidDensity[3], 0.0f);

    TDotAreaModel dotArea;
    dotArea.SelectStep(1);
    // (1 - 10^-0.5) / (1 - 10^-1.4) = 71.2 %
    dotArea.Measure(Reading(0.05f, 0.50f, 0.20f, 0.05f, C::Magenta), Shared, Patch.Source());
    EXPECT_EQ(dotArea.ValueText[1], "71%");
}

}  // namespace
