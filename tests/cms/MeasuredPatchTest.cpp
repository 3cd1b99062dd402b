// The screen colour of the patch just measured, as the densitometry swatches
// get it: CIELAB under illuminant A, whatever the current illuminant.
#include "InstrumentFixture.h"

#include "CMS.h"
#include "ColorCalc.h"
#include "TData.h"

#include <gtest/gtest.h>

#include <string>

using namespace cmstest;

namespace {

class MeasuredPatch : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitColorManagement();
        Sim = LoadSimulator();
        ASSERT_NE(Sim, nullptr);
        CurIlluminant = TIlluminant::D50;
    }
    void TearDown() override { CurIlluminant = TIlluminant::D50; }

    void MeasurePatch(const std::string& name)
    {
        ASSERT_TRUE(Sim->PlacePatch(name)) << name;
        ASSERT_EQ(EyeOne::I1_TriggerMeasurement(), 0);
    }

    TScreenColor Expected(const std::string& name, TIlluminant illuminant)
    {
        TSpectrum spectrum{};
        const auto floats = Sim->PatchSpectrum(name);
        EXPECT_TRUE(floats.has_value());
        for (int i = 0; floats && i < SpectrumSize; ++i)
            spectrum[std::size_t(i)] = (*floats)[std::size_t(i)];
        TData record(spectrum);
        CalcColorValues(record, TColorSpace::CIELAB, illuminant, CurObserver);
        return LabToScreen(record.Coord[0], record.Coord[1], record.Coord[2]);
    }

    TSimControl* Sim = nullptr;
};

}  // namespace

TEST_F(MeasuredPatch, IsTheColourUnderIlluminantAWhateverTheCurrentOne)
{
    for (const char* patch : {"cyan", "magenta", "yellow", "red", "paper"}) {
        MeasurePatch(patch);
        const TScreenColor underA = Expected(patch, TIlluminant::A);
        for (TIlluminant current : {TIlluminant::D50, TIlluminant::D65, TIlluminant::F11}) {
            CurIlluminant = current;
            EXPECT_EQ(MeasuredPatchColor(), underA.R + 256 * underA.G + 65536 * underA.B) << patch;
        }
    }
    // Under A a cyan is not what it is under D50.
    EXPECT_NE(Expected("cyan", TIlluminant::A).Packed(), Expected("cyan", TIlluminant::D50).Packed());
}

TEST_F(MeasuredPatch, ReadsSampleZeroOfTheLastMeasurement)
{
    MeasurePatch("magenta");
    Sim->ClearCallLog();
    MeasuredPatchColor();
    EXPECT_EQ(Sim->CallLines(), std::vector<std::string>{"I1_GetSpectrum"});
    EXPECT_EQ(Sim->CallCount("I1_TriggerMeasurement"), 0);  // the page triggered it
}

TEST_F(MeasuredPatch, UnusableSpectraGiveBlackNotACrash)
{
    MeasurePatch("cyan");
    Sim->SetBadAnswer(I1SimBadNaNSpectrum);
    const std::int32_t withNaN = MeasuredPatchColor();
    EXPECT_GE(withNaN, 0);
    EXPECT_LE(withNaN, 0xFFFFFF);
    Sim->ClearBadAnswers();

    EyeOne::FreeInstrumentLibrary();  // no driver: nothing is read, the spectrum stays empty
    EXPECT_EQ(MeasuredPatchColor(), 0);
    ASSERT_TRUE(EyeOne::LoadInstrumentLibrary());
}
