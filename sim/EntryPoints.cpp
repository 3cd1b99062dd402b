// The twelve entry points of the simulated instrument, with C linkage. Each
// call is logged, lets a running scenario advance, then asks the instrument.
// Built with KV_SIM_PARTIAL the library lacks I1_SetSubstrate,
// I1_GetDensities and I1_GetSpectrum, like an old or foreign driver would.
#include "I1EntryPoints.h"

#include "CallLog.h"
#include "Instrument.h"
#include "Scenario.h"
#include "SimExport.h"
#include "WindowHook.h"

#include <string>
#include <type_traits>

namespace {

void Enter(const char* entryPoint, const std::string& detail = std::string())
{
    Sim::OpenWindowOnce();
    Sim::CallLog().Add(entryPoint, detail);
    Sim::ScenarioTick();
}

const char* Printable(const char* text)
{
    return text ? text : "(null)";
}

}

extern "C" {

KV_SIM_EXPORT int I1_CALL I1_IsConnected(void)
{
    Enter("I1_IsConnected");
    return Sim::Instrument().IsConnected();
}

KV_SIM_EXPORT int I1_CALL I1_KeyPressed(void)
{
    Enter("I1_KeyPressed");
    return Sim::Instrument().KeyPressed();
}

KV_SIM_EXPORT int I1_CALL I1_Calibrate(void)
{
    Enter("I1_Calibrate");
    return Sim::Instrument().Calibrate();
}

KV_SIM_EXPORT int I1_CALL I1_TriggerMeasurement(void)
{
    Enter("I1_TriggerMeasurement");
    return Sim::Instrument().TriggerMeasurement();
}

KV_SIM_EXPORT int I1_CALL I1_GetNumberOfAvailableSamples(void)
{
    Enter("I1_GetNumberOfAvailableSamples");
    return Sim::Instrument().NumberOfAvailableSamples();
}

KV_SIM_EXPORT int I1_CALL I1_SetOption(const char* key, const char* value)
{
    Enter("I1_SetOption", std::string(Printable(key)) + "=" + Printable(value));
    return Sim::Instrument().SetOption(key, value);
}

KV_SIM_EXPORT const char* I1_CALL I1_GetOption(const char* key)
{
    Enter("I1_GetOption", Printable(key));
    return Sim::Instrument().GetOption(key);
}

KV_SIM_EXPORT int I1_CALL I1_GetTriStimulus(float* tristimulus, int sample)
{
    Enter("I1_GetTriStimulus");
    return Sim::Instrument().GetTriStimulus(tristimulus, sample);
}

KV_SIM_EXPORT int I1_CALL I1_GetDensity(float* density, int sample)
{
    Enter("I1_GetDensity");
    return Sim::Instrument().GetDensity(density, sample);
}

#ifndef KV_SIM_PARTIAL
KV_SIM_EXPORT int I1_CALL I1_SetSubstrate(float* spectrum)
{
    Enter("I1_SetSubstrate");
    return Sim::Instrument().SetSubstrate(spectrum);
}

KV_SIM_EXPORT int I1_CALL I1_GetDensities(float* densities, int* channel, int sample)
{
    Enter("I1_GetDensities");
    return Sim::Instrument().GetDensities(densities, channel, sample);
}

KV_SIM_EXPORT int I1_CALL I1_GetSpectrum(float* spectrum, int sample)
{
    Enter("I1_GetSpectrum");
    return Sim::Instrument().GetSpectrum(spectrum, sample);
}
#endif

}

// The exported functions have exactly the types the program looks them up as.
static_assert(std::is_same_v<decltype(&I1_IsConnected), TI1_IsConnected>);
static_assert(std::is_same_v<decltype(&I1_KeyPressed), TI1_KeyPressed>);
static_assert(std::is_same_v<decltype(&I1_Calibrate), TI1_Calibrate>);
static_assert(std::is_same_v<decltype(&I1_TriggerMeasurement), TI1_TriggerMeasurement>);
static_assert(std::is_same_v<decltype(&I1_GetNumberOfAvailableSamples), TI1_GetNumberOfAvailableSamples>);
static_assert(std::is_same_v<decltype(&I1_SetOption), TI1_SetOption>);
static_assert(std::is_same_v<decltype(&I1_GetOption), TI1_GetOption>);
static_assert(std::is_same_v<decltype(&I1_GetTriStimulus), TI1_GetTriStimulus>);
static_assert(std::is_same_v<decltype(&I1_GetDensity), TI1_GetDensity>);
#ifndef KV_SIM_PARTIAL
static_assert(std::is_same_v<decltype(&I1_SetSubstrate), TI1_SetSubstrate>);
static_assert(std::is_same_v<decltype(&I1_GetDensities), TI1_GetDensities>);
static_assert(std::is_same_v<decltype(&I1_GetSpectrum), TI1_GetSpectrum>);
#endif
