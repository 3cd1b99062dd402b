// Fixture of the simulated instrument's tests: the library loaded the way the
// program loads it, its twelve entry points resolved by name, and a reset
// before every test.
#ifndef KELVORA_TESTS_SIM_FIXTURE_H
#define KELVORA_TESTS_SIM_FIXTURE_H

#include "I1EntryPoints.h"
#include "SimControl.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

struct TEntryPoints {
    TI1_IsConnected IsConnected = nullptr;
    TI1_KeyPressed KeyPressed = nullptr;
    TI1_Calibrate Calibrate = nullptr;
    TI1_TriggerMeasurement TriggerMeasurement = nullptr;
    TI1_GetNumberOfAvailableSamples GetNumberOfAvailableSamples = nullptr;
    TI1_SetOption SetOption = nullptr;
    TI1_GetOption GetOption = nullptr;
    TI1_SetSubstrate SetSubstrate = nullptr;
    TI1_GetTriStimulus GetTriStimulus = nullptr;
    TI1_GetDensity GetDensity = nullptr;
    TI1_GetDensities GetDensities = nullptr;
    TI1_GetSpectrum GetSpectrum = nullptr;

    explicit TEntryPoints(TSimControl& sim)
    {
        IsConnected = reinterpret_cast<TI1_IsConnected>(sim.Resolve("I1_IsConnected"));
        KeyPressed = reinterpret_cast<TI1_KeyPressed>(sim.Resolve("I1_KeyPressed"));
        Calibrate = reinterpret_cast<TI1_Calibrate>(sim.Resolve("I1_Calibrate"));
        TriggerMeasurement = reinterpret_cast<TI1_TriggerMeasurement>(sim.Resolve("I1_TriggerMeasurement"));
        GetNumberOfAvailableSamples =
            reinterpret_cast<TI1_GetNumberOfAvailableSamples>(sim.Resolve("I1_GetNumberOfAvailableSamples"));
        SetOption = reinterpret_cast<TI1_SetOption>(sim.Resolve("I1_SetOption"));
        GetOption = reinterpret_cast<TI1_GetOption>(sim.Resolve("I1_GetOption"));
        SetSubstrate = reinterpret_cast<TI1_SetSubstrate>(sim.Resolve("I1_SetSubstrate"));
        GetTriStimulus = reinterpret_cast<TI1_GetTriStimulus>(sim.Resolve("I1_GetTriStimulus"));
        GetDensity = reinterpret_cast<TI1_GetDensity>(sim.Resolve("I1_GetDensity"));
        GetDensities = reinterpret_cast<TI1_GetDensities>(sim.Resolve("I1_GetDensities"));
        GetSpectrum = reinterpret_cast<TI1_GetSpectrum>(sim.Resolve("I1_GetSpectrum"));
    }
};

struct TDensityAnswer {
    std::array<float, 4> D{};
    int Channel = -99;
    int Result = -99;
};

class SimTest : public ::testing::Test {
protected:
    static TSimControl& Sim()
    {
        static TSimControl sim;
        return sim;
    }
    static TEntryPoints& I1()
    {
        static TEntryPoints entryPoints(Sim());
        return entryPoints;
    }
    void SetUp() override { Sim().Reset(); }
    void TearDown() override { Sim().Reset(); }

    TDensityAnswer ReadDensities()
    {
        TDensityAnswer a;
        a.Result = I1().GetDensities(a.D.data(), &a.Channel, 0);
        return a;
    }
    std::array<float, 36> ReadSpectrum()
    {
        std::array<float, 36> s{};
        s.fill(-99.0f);
        I1().GetSpectrum(s.data(), 0);
        return s;
    }
    // Places the patch and triggers one measurement of it.
    void Measure(const std::string& patch)
    {
        ASSERT_TRUE(Sim().PlacePatch(patch)) << patch;
        ASSERT_EQ(0, I1().TriggerMeasurement()) << patch;
    }
};

#endif
