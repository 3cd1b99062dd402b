// Density, All densities and Densities diff pages without a window.
#include "DensityDiffModel.h"
#include "DensityPageModel.h"
#include "DensityTestSupport.h"

namespace {

using C = TDensityChannel;

class DensityPageModelTest : public TConfigFixture {
protected:
    TDensityPageModel Model;
};

TEST_F(DensityPageModelTest, StartsWithResetRows)
{
    for (int i = 0; i < TDensityPageModel::Rows; ++i) {
        EXPECT_EQ(Model.ValueText[i], "0.00");
        EXPECT_EQ(Model.NameText[i], "-");
        EXPECT_EQ(Model.SwatchColor[i], QColor("#808080"));
        for (int c = 0; c < DensityChannelCount; ++c)
            EXPECT_EQ(Model.AllText[i][c], "0.00");
    }
    EXPECT_FALSE(Model.MarkerChannel);
}

// A magenta patch under each filter choice: which density, swatch and name row 1 shows.
TEST_F(DensityPageModelTest, FilterAutoVersusAChosenInkOnAMagentaPatch)
{
    const struct {
        int Filter;
        const char* Value;
        const char* Swatch;
        const char* Name;
    } cases[] = {
        {0, "1.45", "#d8217e", "M"}, {1, "0.31", "#009ada", "C"}, {2, "1.45", "#d8217e", "M"},
        {3, "0.07", "#f3da00", "Y"}, {4, "0.12", "#322f30", "K"},
    };
    const TDensityMeasurement magenta = Reading(0.31f, 1.45f, 0.07f, 0.12f, C::Magenta);
    for (const auto& c : cases) {
        TDensityPageModel model;
        model.Measure(magenta, c.Filter);
        EXPECT_EQ(model.ValueText[0], c.Value) << c.Filter;
        EXPECT_EQ(model.SwatchColor[0].name(), c.Swatch) << c.Filter;
        EXPECT_EQ(model.NameText[0], c.Name) << c.Filter;
        // The marker follows the recognised channel whatever the filter.
        ASSERT_TRUE(model.MarkerChannel);
        EXPECT_EQ(*model.MarkerChannel, C::Magenta) << c.Filter;
        // The All densities page shows all four densities of the patch.
        EXPECT_EQ(model.AllText[0][0], "0.31");
        EXPECT_EQ(model.AllText[0][1], "1.45");
        EXPECT_EQ(model.AllText[0][2], "0.07");
        EXPECT_EQ(model.AllText[0][3], "0.12");
    }
}

TEST_F(DensityPageModelTest, MarkerFollowsTheRecognisedChannel)
{
    const C channels[] = {C::Cyan, C::Yellow, C::Black, C::Magenta};
    for (C channel : channels) {
        Model.Measure(Reading(1, 1, 1, 1, channel), 1);
        EXPECT_EQ(*Model.MarkerChannel, channel);
    }
}

TEST_F(DensityPageModelTest, SixthMeasurementLeavesBothHistories)
{
    for (int n = 1; n <= 6; ++n)
        Model.Measure(Reading(0.1f * n, 0.2f * n, 0.01f * n, 0.02f * n, C::Cyan), 0);
    // Newest first: readings 6 .. 2; reading 1 has gone.
    const char* cyan[] = {"0.60", "0.50", "0.40", "0.30", "0.20"};
    const char* magenta[] = {"1.20", "1.00", "0.80", "0.60", "0.40"};
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(Model.ValueText[row], cyan[row]) << row;
        EXPECT_EQ(Model.NameText[row], "C");
        EXPECT_EQ(Model.AllText[row][0], cyan[row]) << row;
        EXPECT_EQ(Model.AllText[row][1], magenta[row]) << row;
    }
    // The state between measurements: row 1 waits for the next patch.
    EXPECT_EQ(Model.DensityHistory[0].Name, "-");
    EXPECT_FLOAT_EQ(Model.DensityHistory[1].Density, 0.6f);
    EXPECT_FLOAT_EQ(Model.AllDensitiesHistory[0][0], 0.0f);
    EXPECT_FLOAT_EQ(Model.AllDensitiesHistory[1][0], 0.6f);
}

TEST_F(DensityPageModelTest, RowsNotYetFilledStayGrey)
{
    Model.Measure(Reading(1.3f, 0.4f, 0.1f, 0.2f, C::Cyan), 0);
    Model.Measure(Reading(0.2f, 0.3f, 1.0f, 0.1f, C::Yellow), 0);
    EXPECT_EQ(Model.NameText[0], "Y");
    EXPECT_EQ(Model.NameText[1], "C");
    EXPECT_EQ(Model.NameText[2], "-");
    EXPECT_EQ(Model.ValueText[2], "0.00");
    EXPECT_EQ(Model.SwatchColor[2], QColor("#808080"));
    EXPECT_EQ(Model.AllText[2][0], "0.00");
}

TEST_F(DensityPageModelTest, DecimalsChangeOnlyLaterValues)
{
    Model.Measure(Reading(1.4567f, 0.5f, 0.1f, 0.2f, C::Cyan), 0);
    Config.Decimals = 3;
    EXPECT_EQ(Model.ValueText[0], "1.46");  // shown text kept
    EXPECT_EQ(Model.AllText[0][0], "1.46");
    Model.Measure(Reading(1.2344f, 0.5f, 0.1f, 0.2f, C::Cyan), 0);
    EXPECT_EQ(Model.ValueText[0], "1.234");
    EXPECT_EQ(Model.ValueText[1], "1.457");  // every row is written again at a measurement
    EXPECT_EQ(Model.AllText[1][0], "1.457");
}

TEST_F(DensityPageModelTest, NegativeDensitiesAreShownWithASign)
{
    Model.Measure(Reading(-0.02f, 1.2f, 0.0f, 0.0f, C::Magenta), 1);
    EXPECT_EQ(Model.ValueText[0], "-0.02");
    EXPECT_EQ(Model.AllText[0][0], "-0.02");
}

class DensityDiffModelTest : public TConfigFixture {
protected:
    TDensityDiffModel Model;
    TFakePatchColor Patch;
};

TEST_F(DensityDiffModelTest, ReferenceThenComparedPatches)
{
    Patch.Color = QColor(10, 20, 30);
    Model.Measure(Reading(1.23f, 0.40f, 0.10f, 0.05f, C::Cyan), Patch.Source());
    EXPECT_FALSE(Model.ReferenceSide);
    EXPECT_EQ(Model.SampleText[0], "1.23");
    EXPECT_EQ(Model.SampleColor, QColor(10, 20, 30));
    EXPECT_EQ(Model.DiffText[0], "0.00");  // differences untouched
    EXPECT_EQ(Model.MeasureColor, TDensityDiffModel::AreaGrey);

    Patch.Color = QColor(40, 50, 60);
    Model.Measure(Reading(1.20f, 0.45f, 0.10f, 0.05f, C::Cyan), Patch.Source());
    EXPECT_FALSE(Model.ReferenceSide);  // stays on the compared side
    EXPECT_EQ(Model.MeasureText[0], "1.20");
    EXPECT_EQ(Model.DiffText[0], "-0.03");
    EXPECT_EQ(Model.DiffText[1], "0.05");
    EXPECT_EQ(Model.DiffText[2], "0.00");
    EXPECT_EQ(Model.MeasureColor, QColor(40, 50, 60));
    EXPECT_EQ(Model.SampleColor, QColor(10, 20, 30));

    // A further compared patch is compared with the same reference.
    Model.Measure(Reading(1.30f, 0.40f, 0.10f, 0.05f, C::Cyan), Patch.Source());
    EXPECT_EQ(Model.DiffText[0], "0.07");
    EXPECT_EQ(Model.SampleText[0], "1.23");
    EXPECT_EQ(Patch.Calls, 3);
}

TEST_F(DensityDiffModelTest, ComparedBeforeAnyReferenceShowsTheDensitiesAsDifferences)
{
    Model.ReferenceSide = false;
    Model.Measure(Reading(0.31f, 1.45f, 0.07f, 0.12f, C::Magenta), Patch.Source());
    for (int c = 0; c < DensityChannelCount; ++c)
        EXPECT_EQ(Model.DiffText[c], Model.MeasureText[c]) << c;
    EXPECT_EQ(Model.DiffText[1], "1.45");
    EXPECT_EQ(Model.SampleText[1], "0.00");
}

}  // namespace
