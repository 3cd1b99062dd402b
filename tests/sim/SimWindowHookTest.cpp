// KELVORA_SIM_WINDOW in a program without a Qt widget application: the
// library loads its window module on the first entry-point call, the module
// says there is no window to open, and the instrument answers as always. A
// program of its own, since the variable is read once per loaded library.
#include "I1EntryPoints.h"
#include "SimControl.h"

#include <gtest/gtest.h>

#include <QByteArray>

namespace {

TEST(SimWindowHook, WithoutAnApplicationObjectTheInstrumentWorksWithoutAWindow)
{
    ASSERT_TRUE(qputenv("KELVORA_SIM_WINDOW", "1"));
    TSimControl sim;
    auto isConnected = reinterpret_cast<TI1_IsConnected>(sim.Resolve("I1_IsConnected"));
    ASSERT_NE(nullptr, isConnected);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(0, isConnected());
    EXPECT_EQ(0, isConnected());
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos, said.find("no instrument window")) << said;
    // Said once, on the first call only.
    EXPECT_EQ(said.find("kelvora-sim:"), said.rfind("kelvora-sim:")) << said;
    EXPECT_EQ(2, sim.CallCount("I1_IsConnected"));
}

}
