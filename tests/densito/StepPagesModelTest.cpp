// Dot Gain, Dot Area and Print Contrast pages without a window.
#include "DensityTestSupport.h"
#include "DotAreaModel.h"
#include "DotGainModel.h"
#include "PrintContrastModel.h"

#include <cmath>
#include <vector>

namespace {

using C = TDensityChannel;

// The tint density whose dot area against `solid` is `area` percent (n = 1).
float TintForArea(double area, float solid)
{
    return float(-std::log10(1.0 - area / 100.0 * (1.0 - std::pow(10.0, -double(solid)))));
}

class DotGainModelTest : public TConfigFixture {
protected:
    TDotGainModel Model;
    TDensitoShared Shared;
};

TEST_F(DotGainModelTest, StartsOnTheSolid)
{
    EXPECT_EQ(Model.Step, 0);
    EXPECT_EQ(Model.ValueText[0], "0.00");
    EXPECT_EQ(Model.ValueText[1], "0%");
    EXPECT_EQ(Model.SwatchColor[2], QColor("#9A9A9A"));
}

TEST_F(DotGainModelTest, WholeSequenceWithDefaultTints)
{
    const float solid = 1.40f;
    ASSERT_TRUE(Model.Measure(Reading(0.05f, solid, 0.02f, 0.03f, C::Magenta), Shared));
    EXPECT_EQ(Model.ValueText[0], "1.40");
    EXPECT_FLOAT_EQ(Shared.SolidDensity[1], solid);
    EXPECT_EQ(Shared.LastChannel, C::Magenta);
    // Magenta rows: ramp entries 0, 10, 5, 11.
    EXPECT_EQ(Model.SwatchColor[0].name(), "#d8217e");
    EXPECT_EQ(Model.SwatchColor[1].name(), "#de6da0");
    EXPECT_EQ(Model.SwatchColor[2].name(), "#e4a3c0");
    EXPECT_EQ(Model.SwatchColor[3].name(), "#eecbd7");
    EXPECT_EQ(Model.Step, 1);

    // 75 % measured as 88.6 %, 50 % as 66.4 %, 25 % as 21.8 %.
    const double areas[] = {88.6, 66.4, 21.8};
    const char* gains[] = {"14%", "16%", "-3%"};
    for (int k = 0; k < 3; ++k) {
        ASSERT_TRUE(Model.Measure(Reading(0.04f, TintForArea(areas[k], solid), 0.02f, 0.03f, C::Magenta), Shared));
        EXPECT_EQ(Model.ValueText[k + 1], gains[k]) << k;
    }
    EXPECT_EQ(Model.Step, 0);  // back to the solid for the next ink
    EXPECT_FLOAT_EQ(Shared.TintDensity[1], TintForArea(21.8, solid));
}

TEST_F(DotGainModelTest, CyanUsesItsEvenRamp)
{
    Model.Measure(Reading(1.4f, 0.3f, 0.1f, 0.1f, C::Cyan), Shared);
    EXPECT_EQ(Model.SwatchColor[1].name(), "#00b3e2");
    EXPECT_EQ(Model.SwatchColor[2].name(), "#8dcbe8");
    EXPECT_EQ(Model.SwatchColor[3].name(), "#c4dfe9");
}

// Steps the frame visits from the solid, one measurement each, per visibility setting.
TEST_F(DotGainModelTest, StepSequencePerVisibleTints)
{
    const struct {
        bool V1, V2, V3;
        std::vector<int> Steps;  // step after each of six measurements
    } cases[] = {
        {true, true, true, {1, 2, 3, 0, 1, 2}},
        {true, false, true, {1, 3, 0, 1, 3, 0}},   // "Dot 2 visible" off: solid, tint 1, tint 3, solid
        {true, true, false, {1, 2, 2, 2, 2, 2}},   // "Dot 3 visible" off: stays on tint 2
        {false, false, true, {3, 0, 3, 0, 3, 0}},
        {false, false, false, {0, 0, 0, 0, 0, 0}}, // only the solid
        {false, true, true, {2, 3, 0, 2, 3, 0}},
    };
    for (const auto& c : cases) {
        Config.Dot1Visible = c.V1;
        Config.Dot2Visible = c.V2;
        Config.Dot3Visible = c.V3;
        TDotGainModel model;
        TDensitoShared shared;
        std::vector<int> steps;
        for (int i = 0; i < 6; ++i) {
            model.Measure(Reading(1.3f, 0.1f, 0.1f, 0.1f, C::Cyan), shared);
            steps.push_back(model.Step);
        }
        EXPECT_EQ(steps, c.Steps) << c.V1 << c.V2 << c.V3;
    }
}

TEST_F(DotGainModelTest, Dot2HiddenEvaluatesTint3AgainstItsNominal)
{
    Config.Dot2Visible = false;
    Model.Measure(Reading(1.40f, 0.1f, 0.1f, 0.1f, C::Cyan), Shared);
    Model.Measure(Reading(TintForArea(85.0, 1.40f), 0.1f, 0.1f, 0.1f, C::Cyan), Shared);
    Model.Measure(Reading(TintForArea(37.0, 1.40f), 0.1f, 0.1f, 0.1f, C::Cyan), Shared);
    EXPECT_EQ(Model.ValueText[1], "10%");
    EXPECT_EQ(Model.ValueText[2], "0%");
    EXPECT_EQ(Model.ValueText[3], "12%");
}

TEST_F(DotGainModelTest, NominalPercentagesComeFromTheSettings)
{
    Config.Dot1 = 80;
    Model.Measure(Reading(1.40f, 0.1f, 0.1f, 0.1f, C::Cyan), Shared);
    Model.Measure(Reading(TintForArea(92.4, 1.40f), 0.1f, 0.1f, 0.1f, C::Cyan), Shared);
    EXPECT_EQ(Model.ValueText[1], "12%");
}

TEST_F(DotGainModelTest, TintOfAnotherInkIsIgnored)
{
    Model.Measure(Reading(1.40f, 0.3f, 0.1f, 0.1f, C::Cyan), Shared);
    const TDotGainModel before = Model;
    EXPECT_FALSE(Model.Measure(Reading(0.2f, 0.9f, 0.1f, 0.1f, C::Magenta), Shared));
    EXPECT_EQ(Model.Step, 1);
    EXPECT_EQ(Model.ValueText, before.ValueText);
    EXPECT_EQ(Model.SwatchColor, before.SwatchColor);
    EXPECT_FLOAT_EQ(Shared.TintDensity[1], 0.0f);
    // The cyan tint is still taken.
    EXPECT_TRUE(Model.Measure(Reading(0.9f, 0.2f, 0.1f, 0.1f, C::Cyan), Shared));
    EXPECT_EQ(Model.Step, 2);
}

TEST_F(DotGainModelTest, ChannelRecordedByAnotherPageDecides)
{
    Model.Measure(Reading(1.40f, 0.3f, 0.1f, 0.1f, C::Cyan), Shared);
    Shared.LastChannel = C::Yellow;  // a measurement on another page
    EXPECT_FALSE(Model.Measure(Reading(0.9f, 0.2f, 0.1f, 0.1f, C::Cyan), Shared));
    EXPECT_TRUE(Model.Measure(Reading(0.1f, 0.2f, 0.7f, 0.1f, C::Yellow), Shared));
}

TEST_F(DotGainModelTest, PressedSwatchDecidesTheNextPatch)
{
    Model.Measure(Reading(1.40f, 0.3f, 0.1f, 0.1f, C::Cyan), Shared);
    Model.SelectStep(3);
    Model.Measure(Reading(TintForArea(40.0, 1.40f), 0.1f, 0.1f, 0.1f, C::Cyan), Shared);
    EXPECT_EQ(Model.ValueText[3], "15%");
    EXPECT_EQ(Model.ValueText[1], "0%");
    EXPECT_EQ(Model.Step, 0);
    Model.SelectStep(9);
    EXPECT_EQ(Model.Step, 3);
}

TEST_F(DotGainModelTest, NewSolidClearsTheGains)
{
    Model.Measure(Reading(1.40f, 0.3f, 0.1f, 0.1f, C::Cyan), Shared);
    Model.Measure(Reading(1.0f, 0.3f, 0.1f, 0.1f, C::Cyan), Shared);
    ASSERT_NE(Model.ValueText[1], "0%");
    Model.SelectStep(0);
    Model.Measure(Reading(0.1f, 1.3f, 0.1f, 0.1f, C::Magenta), Shared);
    EXPECT_EQ(Model.ValueText[1], "0%");
    EXPECT_EQ(Model.ValueText[0], "1.30");
}

TEST_F(DotGainModelTest, HidingTheTintUnderTheFrameMovesTheFrameOn)
{
    const struct {
        int Step;
        bool V3;
        int Hidden, Expected;
    } cases[] = {
        {2, true, 2, 3},   // on to tint 3
        {2, false, 2, 0},  // tint 3 hidden too: back to the solid
        {3, true, 3, 0},
        {1, true, 2, 1},   // another row: the frame stays
        {0, true, 1, 0},
    };
    for (const auto& c : cases) {
        Config = ConfigType{};
        Config.Dot3Visible = c.V3;
        TDotGainModel model;
        model.SelectStep(c.Step);
        if (c.Hidden == 2)
            Config.Dot2Visible = false;
        else if (c.Hidden == 3)
            Config.Dot3Visible = false;
        else
            Config.Dot1Visible = false;
        model.TintHidden(c.Hidden);
        EXPECT_EQ(model.Step, c.Expected) << c.Step << " " << c.Hidden;
    }
}

TEST_F(DotGainModelTest, TintAgainstASolidOfZeroShowsNoValue)
{
    Model.Measure(Reading(0.0f, 0.3f, 0.1f, 0.1f, C::Cyan), Shared);
    Model.Measure(Reading(0.5f, 0.3f, 0.1f, 0.1f, C::Cyan), Shared);
    EXPECT_EQ(Model.ValueText[1], "-");
    EXPECT_EQ(Model.Step, 2);
}

TEST(DotCaption, WholeNumberAndPercent)
{
    EXPECT_EQ(DotCaption(75), "75%");
    EXPECT_EQ(DotCaption(5), "5%");
}

class DotAreaModelTest : public TConfigFixture {
protected:
    TDotAreaModel Model;
    TDensitoShared Shared;
    TFakePatchColor Patch;
};

TEST_F(DotAreaModelTest, TintsCycleAgainstTheSameSolid)
{
    Patch.Color = QColor(200, 30, 120);
    Model.Measure(Reading(0.1f, 1.40f, 0.05f, 0.05f, C::Magenta), Shared, Patch.Source());
    EXPECT_EQ(Model.ValueText[0], "1.40");
    EXPECT_EQ(Model.SwatchColor[0], QColor(200, 30, 120));
    EXPECT_EQ(Model.Step, 1);

    const double first[] = {24.6, 50.2, 75.7};
    const char* firstText[] = {"25%", "50%", "76%"};
    for (int k = 0; k < 3; ++k) {
        Patch.Color = QColor(10 * k, 0, 0);
        Model.Measure(Reading(0.1f, TintForArea(first[k], 1.40f), 0.05f, 0.05f, C::Magenta), Shared,
                      Patch.Source());
        EXPECT_EQ(Model.ValueText[k + 1], firstText[k]) << k;
        EXPECT_EQ(Model.SwatchColor[k + 1], QColor(10 * k, 0, 0));
    }
    EXPECT_EQ(Model.Step, 1);  // after the third tint: the first tint again

    Model.Measure(Reading(0.1f, TintForArea(30.0, 1.40f), 0.05f, 0.05f, C::Magenta), Shared, Patch.Source());
    EXPECT_EQ(Model.ValueText[1], "30%");
    EXPECT_EQ(Model.ValueText[2], "50%");  // the earlier series stays until overwritten
    EXPECT_EQ(Model.ValueText[0], "1.40");
    EXPECT_FLOAT_EQ(Shared.SolidDensity[1], 1.40f);
    EXPECT_EQ(Model.Step, 2);
}

TEST_F(DotAreaModelTest, SolidStepClearsTheTintRows)
{
    Model.Measure(Reading(1.3f, 0.1f, 0.1f, 0.1f, C::Cyan), Shared, Patch.Source());
    Model.Measure(Reading(0.6f, 0.1f, 0.1f, 0.1f, C::Cyan), Shared, Patch.Source());
    Model.SelectStep(0);
    Model.Measure(Reading(1.35f, 0.1f, 0.1f, 0.1f, C::Cyan), Shared, Patch.Source());
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(Model.ValueText[i], "0%");
        EXPECT_EQ(Model.SwatchColor[i], QColor("#808080"));
    }
}

TEST_F(DotAreaModelTest, RecordsTheChannelAtEveryStep)
{
    Model.Measure(Reading(1.3f, 0.1f, 0.1f, 0.1f, C::Cyan), Shared, Patch.Source());
    Model.Measure(Reading(0.1f, 0.1f, 0.6f, 0.1f, C::Yellow), Shared, Patch.Source());
    EXPECT_EQ(Shared.LastChannel, C::Yellow);
    // The yellow tint has no yellow solid yet: no dot area.
    EXPECT_EQ(Model.ValueText[1], "-");
    EXPECT_EQ(Model.Step, 2);
}

TEST_F(DotAreaModelTest, TintDenserThanItsSolidIsAbove100)
{
    Model.Measure(Reading(1.2f, 0.1f, 0.1f, 0.1f, C::Cyan), Shared, Patch.Source());
    Model.Measure(Reading(1.4f, 0.1f, 0.1f, 0.1f, C::Cyan), Shared, Patch.Source());
    EXPECT_EQ(Model.ValueText[1], "102%");
}

class PrintContrastModelTest : public TConfigFixture {
protected:
    TPrintContrastModel Model;
    TDensitoShared Shared;
};

TEST_F(PrintContrastModelTest, SolidThenTints)
{
    Model.Measure(Reading(0.1f, 0.1f, 0.1f, 1.50f, C::Black), Shared);
    EXPECT_EQ(Model.ValueText[0], "1.50");
    EXPECT_EQ(Model.SwatchColor[0].name(), "#322f30");
    EXPECT_EQ(Model.Step, 1);
    Model.Measure(Reading(0.1f, 0.1f, 0.1f, 1.20f, C::Black), Shared);
    EXPECT_EQ(Model.ValueText[1], "20%");
    EXPECT_EQ(Model.SwatchColor[1].name(), "#6a6a6c");
    EXPECT_EQ(Model.Step, 1);  // every further patch is a tint
    Model.Measure(Reading(0.1f, 0.1f, 0.1f, 1.05f, C::Black), Shared);
    EXPECT_EQ(Model.ValueText[1], "30%");
    EXPECT_FLOAT_EQ(Shared.TintDensity[3], 1.05f);
}

TEST_F(PrintContrastModelTest, CyanTintUsesRampEntry3)
{
    Model.Measure(Reading(1.4f, 0.1f, 0.1f, 0.1f, C::Cyan), Shared);
    Model.Measure(Reading(1.1f, 0.1f, 0.1f, 0.1f, C::Cyan), Shared);
    EXPECT_EQ(Model.SwatchColor[1].name(), "#00b3e2");
}

TEST_F(PrintContrastModelTest, TintWithoutSolidShowsNoValue)
{
    Model.SelectStep(1);
    Model.Measure(Reading(0.1f, 0.9f, 0.1f, 0.1f, C::Magenta), Shared);
    EXPECT_EQ(Model.ValueText[1], "-");
    EXPECT_EQ(Model.Step, 1);
}

TEST_F(PrintContrastModelTest, UsesASolidMeasuredOnAnotherPage)
{
    TDotAreaModel dotArea;
    dotArea.Measure(Reading(0.1f, 1.50f, 0.1f, 0.1f, C::Magenta), Shared, {});
    Model.SelectStep(1);
    Model.Measure(Reading(0.1f, 1.20f, 0.1f, 0.1f, C::Magenta), Shared);
    EXPECT_EQ(Model.ValueText[1], "20%");
}

}  // namespace
