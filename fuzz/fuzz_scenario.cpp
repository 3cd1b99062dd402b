// Fuzzer of the simulated instrument's scenario files: any bytes as the file.
// A scenario either starts, or stops before running anything with a message
// naming the line; a started one is driven as the program would drive it, its
// waits passed by moving the library's clock.
#include "EyeOneSimControl.h"
#include "I1EntryPoints.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" {
int I1_IsConnected(void);
int I1_KeyPressed(void);
int I1_Calibrate(void);
int I1_TriggerMeasurement(void);
int I1_GetNumberOfAvailableSamples(void);
const char* I1_GetOption(const char* key);
int I1_GetDensities(float* densities, int* channel, int sample);
int I1_GetSpectrum(float* spectrum, int sample);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    text = text.substr(0, text.find('\0'));   // the control call takes a C string

    I1Sim_Reset();
    if (I1Sim_StartScenarioText(text.c_str()) != 0) {
        const std::string message = I1Sim_ScenarioMessage();
        if (I1Sim_ScenarioState() != -1 || message.empty() || message.find(':') == std::string::npos)
            std::abort();
        I1_IsConnected();
        if (I1Sim_ScenarioStepsDone() != 0)
            std::abort();   // nothing of a refused scenario runs
        return 0;
    }
    for (int turn = 0; turn < 64 && I1Sim_ScenarioState() == 1; ++turn) {
        I1Sim_AdvanceClock(250);
        if (I1_KeyPressed() == 0) {
            I1_TriggerMeasurement();
            float densities[4];
            int channel = 0;
            float spectrum[36];
            if (I1_GetNumberOfAvailableSamples() > 0) {
                I1_GetDensities(densities, &channel, 0);
                I1_GetSpectrum(spectrum, 0);
            }
        }
        I1_Calibrate();
        I1_GetOption("SerialNumber");
        I1_IsConnected();
    }
    const int state = I1Sim_ScenarioState();
    if (state != 1 && state != 2)
        std::abort();   // a checked scenario never fails while running
    return 0;
}
