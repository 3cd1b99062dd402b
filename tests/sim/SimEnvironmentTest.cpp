// The scenario named by KELVORA_SIM_SCENARIO starts by itself on the first
// entry-point call after the library was loaded. A program of its own, since
// the variable is read once per loaded library.
#include "I1EntryPoints.h"
#include "SimControl.h"

#include <gtest/gtest.h>

#include <QByteArray>

namespace {

TEST(SimEnvironment, ScenarioFromTheEnvironmentRunsOnTheFirstCall)
{
    ASSERT_TRUE(qputenv("KELVORA_SIM_SCENARIO", QByteArray(KV_SIM_EXAMPLE_SESSION)));
    TSimControl sim;
    EXPECT_EQ(0, sim.ScenarioState());
    auto isConnected = reinterpret_cast<TI1_IsConnected>(sim.Resolve("I1_IsConnected"));
    ASSERT_NE(nullptr, isConnected);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(0, isConnected());
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(1, sim.ScenarioState()) << sim.ScenarioMessage();
    EXPECT_GE(sim.ScenarioStepsDone(), 2);   // "say", then "wait" holds the rest
    EXPECT_NE(std::string::npos, said.find("session started")) << said;
    // Read once: a reset stops it and it does not come back.
    sim.Reset();
    isConnected();
    EXPECT_EQ(0, sim.ScenarioState());
}

}
