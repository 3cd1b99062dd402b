// The control interface of the simulated instrument (I1Sim_*), exported next
// to the entry points so that a test drives the very instance the program
// talks to.
#if defined(__GNUC__)
#pragma GCC visibility push(default)
#endif
#include "EyeOneSimControl.h"
#if defined(__GNUC__)
#pragma GCC visibility pop
#endif

#include "CallLog.h"
#include "Densitometer.h"
#include "Instrument.h"
#include "PressSheet.h"
#include "Scenario.h"
#include "SimClock.h"
#include "SimExport.h"

namespace {
Sim::TInstrument& Device() { return Sim::Instrument(); }
}

extern "C" {

KV_SIM_EXPORT void I1Sim_Reset(void)
{
    Sim::StopScenario();
    Device().Reset();
    Sim::CallLog().Clear();
}

KV_SIM_EXPORT void I1Sim_SetConnected(int connected) { Device().SetConnected(connected != 0); }

KV_SIM_EXPORT void I1Sim_Press(int calls) { Device().Press(calls); }
KV_SIM_EXPORT void I1Sim_Hold(int maxCalls) { Device().Hold(maxCalls); }
KV_SIM_EXPORT void I1Sim_Release(void) { Device().Release(); }
KV_SIM_EXPORT void I1Sim_HoldFor(int ms) { Device().HoldFor(ms); }
KV_SIM_EXPORT int I1Sim_PressPending(void) { return Device().PressPending() ? 1 : 0; }

KV_SIM_EXPORT void I1Sim_SetCalibrateResult(int result) { Device().SetCalibrateResult(result); }
KV_SIM_EXPORT void I1Sim_SetCalibrationInterval(int count) { Device().SetCalibrationInterval(count); }
KV_SIM_EXPORT void I1Sim_NeedCalibration(void) { Device().NeedCalibration(); }

KV_SIM_EXPORT void I1Sim_SetNextTriggerResult(int result) { Device().SetNextTriggerResult(result); }
KV_SIM_EXPORT void I1Sim_SetSampleCount(int count) { Device().SetSampleCount(count); }

KV_SIM_EXPORT int I1Sim_PlacePatch(const char* name)
{
    return name && Device().PlacePatch(name) ? 0 : -1;
}

KV_SIM_EXPORT void I1Sim_PlaceSpectrum(const float spectrum[36])
{
    if (!spectrum)
        return;
    Sim::TSpectrum s{};
    for (int i = 0; i < 36; ++i)
        s[i] = spectrum[i];
    Device().PlaceSpectrum(s);
}

KV_SIM_EXPORT void I1Sim_PlaceNamedSpectrum(const float spectrum[36], const char* name)
{
    if (!spectrum)
        return;
    Sim::TSpectrum s{};
    for (int i = 0; i < 36; ++i)
        s[i] = spectrum[i];
    Device().PlaceSpectrum(s, name && *name ? name : "spectrum");
}

KV_SIM_EXPORT int I1Sim_Connected(void) { return Device().IsConnected() == 0 ? 1 : 0; }

KV_SIM_EXPORT int I1Sim_SpectrumDensities(const float spectrum[36], const char* standard, float densities[4])
{
    const Sim::TDensityResponses* responses = standard ? Sim::DensityResponses(standard) : nullptr;
    if (!responses || !spectrum || !densities)
        return -1;
    Sim::TSpectrum s{};
    for (int i = 0; i < 36; ++i)
        s[i] = spectrum[i];
    const Sim::TDensities d = Sim::Densities(s, *responses);
    for (int i = 0; i < 4; ++i)
        densities[i] = static_cast<float>(d[i]);
    return 0;
}

KV_SIM_EXPORT int I1Sim_PatchCount(void) { return static_cast<int>(Sim::PressSheet().size()); }

KV_SIM_EXPORT const char* I1Sim_PatchName(int index)
{
    const auto& sheet = Sim::PressSheet();
    if (index < 0 || index >= static_cast<int>(sheet.size()))
        return nullptr;
    return sheet[index].Name.c_str();
}

KV_SIM_EXPORT const char* I1Sim_PlacedPatch(void) { return Device().PlacedName().c_str(); }

KV_SIM_EXPORT int I1Sim_PatchSpectrum(const char* name, float spectrum[36])
{
    const Sim::TPatch* patch = name ? Sim::FindPatch(name) : nullptr;
    if (!patch || !spectrum)
        return -1;
    for (int i = 0; i < 36; ++i)
        spectrum[i] = static_cast<float>(patch->Reflectance[i]);
    return 0;
}

KV_SIM_EXPORT void I1Sim_RefuseOption(const char* key, int code)
{
    if (key)
        Device().RefuseOption(key, code);
}

KV_SIM_EXPORT const char* I1Sim_OptionValue(const char* key)
{
    return key ? Device().OptionValue(key) : nullptr;
}

KV_SIM_EXPORT void I1Sim_SetOptionAnswer(const char* key, const char* text)
{
    if (key)
        Device().SetOptionAnswer(key, text);
}

KV_SIM_EXPORT void I1Sim_SetBadAnswer(int kind) { Device().SetBadAnswer(kind); }
KV_SIM_EXPORT void I1Sim_ClearBadAnswers(void) { Device().ClearBadAnswers(); }
KV_SIM_EXPORT void I1Sim_SetDensityNoise(double fraction) { Device().SetDensityNoise(fraction); }

KV_SIM_EXPORT const char* I1Sim_CallLog(void) { return Sim::CallLog().Text().c_str(); }
KV_SIM_EXPORT void I1Sim_ClearCallLog(void) { Sim::CallLog().Clear(); }

KV_SIM_EXPORT int I1Sim_CallCount(const char* entryPoint)
{
    return entryPoint ? Sim::CallLog().Count(entryPoint) : 0;
}

KV_SIM_EXPORT void I1Sim_AdvanceClock(int ms) { Sim::AdvanceClock(ms); }

KV_SIM_EXPORT int I1Sim_StartScenario(const char* path)
{
    return path && Sim::StartScenario(path) ? 0 : -1;
}

KV_SIM_EXPORT int I1Sim_StartScenarioText(const char* text)
{
    return text && Sim::StartScenarioText(text, "(scenario text)") ? 0 : -1;
}

KV_SIM_EXPORT void I1Sim_StopScenario(void) { Sim::StopScenario(); }
KV_SIM_EXPORT int I1Sim_ScenarioState(void) { return static_cast<int>(Sim::ScenarioState()); }
KV_SIM_EXPORT const char* I1Sim_ScenarioMessage(void) { return Sim::ScenarioMessage().c_str(); }
KV_SIM_EXPORT int I1Sim_ScenarioStepsDone(void) { return Sim::ScenarioStepsDone(); }

}
