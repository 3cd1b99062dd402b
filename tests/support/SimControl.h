// Test access to the simulated instrument's control interface (I1Sim_*).
//
// TSimControl loads the same library the program loads: "EYEONE" through the
// platform's ordinary library search (tests run with the simulated
// instrument's folder on the search path), or an explicit file such as the
// partial variant. Both QLibrary objects refer to one loaded file, so the test
// drives the very instance the program talks to. The library is never
// unloaded from here.
//
//   TSimControl sim;            // throws std::runtime_error when the library
//   sim.Reset();                // or any I1Sim_* function cannot be found
//   sim.PlacePatch("magenta");
//   sim.Press();
//   EXPECT_NE(sim.CallLog().find("I1_TriggerMeasurement"), std::string::npos);
#ifndef KELVORA_TESTS_SIM_CONTROL_H
#define KELVORA_TESTS_SIM_CONTROL_H

#include "../../sim/EyeOneSimControl.h"

#include <QLibrary>
#include <QString>

#include <array>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

class TSimControl {
public:
    using TSpectrum = std::array<float, 36>;

    // The library found as "EYEONE" on the library search path.
    TSimControl() : Library(QStringLiteral("EYEONE")) { Load(); }
    // An explicit library file, e.g. <sim folder>/partial/libEYEONE.so.
    explicit TSimControl(const QString& filePath) : Library(filePath) { Load(); }

    TSimControl(const TSimControl&) = delete;
    TSimControl& operator=(const TSimControl&) = delete;

    // Back to the state after loading: plugged, calibrated, paper placed, no
    // press, no refusals, no bad answers, empty call log, no scenario.
    void Reset() { F.Reset(); }

    void SetConnected(bool connected) { F.SetConnected(connected ? 1 : 0); }
    void Unplug() { SetConnected(false); }
    void Plug() { SetConnected(true); }

    // Button: down for `calls` calls of I1_KeyPressed; held until Release (at
    // most maxCalls calls); held for a time.
    void Press(int calls = 1) { F.Press(calls); }
    void Hold(int maxCalls) { F.Hold(maxCalls); }
    void Release() { F.Release(); }
    void HoldFor(int ms) { F.HoldFor(ms); }
    bool PressPending() { return F.PressPending() != 0; }

    void SetCalibrateResult(int result) { F.SetCalibrateResult(result); }
    void SetCalibrationInterval(int count) { F.SetCalibrationInterval(count); }
    void NeedCalibration() { F.NeedCalibration(); }
    void SetNextTriggerResult(int result) { F.SetNextTriggerResult(result); }
    void SetSampleCount(int count) { F.SetSampleCount(count); }   // -1: normal

    // true when the patch is known (see sim/README.md for the names).
    bool PlacePatch(const std::string& name) { return F.PlacePatch(name.c_str()) == 0; }
    void PlaceSpectrum(const TSpectrum& spectrum) { F.PlaceSpectrum(spectrum.data()); }
    std::string PlacedPatch() { return Text(F.PlacedPatch()); }
    int PatchCount() { return F.PatchCount(); }
    std::string PatchName(int index) { return Text(F.PatchName(index)); }
    std::vector<std::string> PatchNames()
    {
        std::vector<std::string> names;
        for (int i = 0; i < PatchCount(); ++i)
            names.push_back(PatchName(i));
        return names;
    }
    // The spectrum of a named patch; std::nullopt when unknown.
    std::optional<TSpectrum> PatchSpectrum(const std::string& name)
    {
        TSpectrum s{};
        if (F.PatchSpectrum(name.c_str(), s.data()) != 0)
            return std::nullopt;
        return s;
    }

    void RefuseOption(const std::string& key, int code) { F.RefuseOption(key.c_str(), code); }
    void AcceptOption(const std::string& key) { F.RefuseOption(key.c_str(), 0); }
    // The last value the program set for `key`; std::nullopt when never set.
    std::optional<std::string> OptionValue(const std::string& key)
    {
        const char* value = F.OptionValue(key.c_str());
        if (!value)
            return std::nullopt;
        return std::string(value);
    }
    void SetOptionAnswer(const std::string& key, const std::string& text) { F.SetOptionAnswer(key.c_str(), text.c_str()); }
    void ClearOptionAnswer(const std::string& key) { F.SetOptionAnswer(key.c_str(), nullptr); }

    // kind: I1SimBadNaNDensity ... I1SimBadNegativeSpectrum (EyeOneSimControl.h).
    void SetBadAnswer(int kind) { F.SetBadAnswer(kind); }
    void ClearBadAnswers() { F.ClearBadAnswers(); }
    void SetDensityNoise(double fraction) { F.SetDensityNoise(fraction); }

    std::string CallLog() { return Text(F.CallLog()); }
    std::vector<std::string> CallLines()
    {
        std::vector<std::string> lines;
        std::istringstream in(CallLog());
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
    void ClearCallLog() { F.ClearCallLog(); }
    int CallCount(const std::string& entryPoint) { return F.CallCount(entryPoint.c_str()); }

    void AdvanceClock(int ms) { F.AdvanceClock(ms); }

    bool StartScenario(const std::string& path) { return F.StartScenario(path.c_str()) == 0; }
    bool StartScenarioText(const std::string& text) { return F.StartScenarioText(text.c_str()) == 0; }
    void StopScenario() { F.StopScenario(); }
    int ScenarioState() { return F.ScenarioState(); }   // 0 none, 1 running, 2 finished, -1 failed
    std::string ScenarioMessage() { return Text(F.ScenarioMessage()); }
    int ScenarioStepsDone() { return F.ScenarioStepsDone(); }

    // Any exported symbol of the library (the I1_* entry points too); nullptr
    // when it lacks it.
    QFunctionPointer Resolve(const char* name) { return Library.resolve(name); }
    QString FileName() const { return Library.fileName(); }

private:
    struct TFunctions {
        decltype(&I1Sim_Reset) Reset;
        decltype(&I1Sim_SetConnected) SetConnected;
        decltype(&I1Sim_Press) Press;
        decltype(&I1Sim_Hold) Hold;
        decltype(&I1Sim_Release) Release;
        decltype(&I1Sim_HoldFor) HoldFor;
        decltype(&I1Sim_PressPending) PressPending;
        decltype(&I1Sim_SetCalibrateResult) SetCalibrateResult;
        decltype(&I1Sim_SetCalibrationInterval) SetCalibrationInterval;
        decltype(&I1Sim_NeedCalibration) NeedCalibration;
        decltype(&I1Sim_SetNextTriggerResult) SetNextTriggerResult;
        decltype(&I1Sim_SetSampleCount) SetSampleCount;
        decltype(&I1Sim_PlacePatch) PlacePatch;
        decltype(&I1Sim_PlaceSpectrum) PlaceSpectrum;
        decltype(&I1Sim_PatchCount) PatchCount;
        decltype(&I1Sim_PatchName) PatchName;
        decltype(&I1Sim_PlacedPatch) PlacedPatch;
        decltype(&I1Sim_PatchSpectrum) PatchSpectrum;
        decltype(&I1Sim_RefuseOption) RefuseOption;
        decltype(&I1Sim_OptionValue) OptionValue;
        decltype(&I1Sim_SetOptionAnswer) SetOptionAnswer;
        decltype(&I1Sim_SetBadAnswer) SetBadAnswer;
        decltype(&I1Sim_ClearBadAnswers) ClearBadAnswers;
        decltype(&I1Sim_SetDensityNoise) SetDensityNoise;
        decltype(&I1Sim_CallLog) CallLog;
        decltype(&I1Sim_ClearCallLog) ClearCallLog;
        decltype(&I1Sim_CallCount) CallCount;
        decltype(&I1Sim_AdvanceClock) AdvanceClock;
        decltype(&I1Sim_StartScenario) StartScenario;
        decltype(&I1Sim_StartScenarioText) StartScenarioText;
        decltype(&I1Sim_StopScenario) StopScenario;
        decltype(&I1Sim_ScenarioState) ScenarioState;
        decltype(&I1Sim_ScenarioMessage) ScenarioMessage;
        decltype(&I1Sim_ScenarioStepsDone) ScenarioStepsDone;
    };

    static std::string Text(const char* text) { return text ? std::string(text) : std::string(); }

    template <typename T>
    void Bind(T& target, const char* name)
    {
        target = reinterpret_cast<T>(Library.resolve(name));
        if (!target)
            throw std::runtime_error("simulated instrument " + Library.fileName().toStdString()
                                     + " lacks the control function " + name);
    }

    void Load()
    {
        if (!Library.load())
            throw std::runtime_error("cannot load the simulated instrument " + Library.fileName().toStdString()
                                     + ": " + Library.errorString().toStdString());
        Bind(F.Reset, "I1Sim_Reset");
        Bind(F.SetConnected, "I1Sim_SetConnected");
        Bind(F.Press, "I1Sim_Press");
        Bind(F.Hold, "I1Sim_Hold");
        Bind(F.Release, "I1Sim_Release");
        Bind(F.HoldFor, "I1Sim_HoldFor");
        Bind(F.PressPending, "I1Sim_PressPending");
        Bind(F.SetCalibrateResult, "I1Sim_SetCalibrateResult");
        Bind(F.SetCalibrationInterval, "I1Sim_SetCalibrationInterval");
        Bind(F.NeedCalibration, "I1Sim_NeedCalibration");
        Bind(F.SetNextTriggerResult, "I1Sim_SetNextTriggerResult");
        Bind(F.SetSampleCount, "I1Sim_SetSampleCount");
        Bind(F.PlacePatch, "I1Sim_PlacePatch");
        Bind(F.PlaceSpectrum, "I1Sim_PlaceSpectrum");
        Bind(F.PatchCount, "I1Sim_PatchCount");
        Bind(F.PatchName, "I1Sim_PatchName");
        Bind(F.PlacedPatch, "I1Sim_PlacedPatch");
        Bind(F.PatchSpectrum, "I1Sim_PatchSpectrum");
        Bind(F.RefuseOption, "I1Sim_RefuseOption");
        Bind(F.OptionValue, "I1Sim_OptionValue");
        Bind(F.SetOptionAnswer, "I1Sim_SetOptionAnswer");
        Bind(F.SetBadAnswer, "I1Sim_SetBadAnswer");
        Bind(F.ClearBadAnswers, "I1Sim_ClearBadAnswers");
        Bind(F.SetDensityNoise, "I1Sim_SetDensityNoise");
        Bind(F.CallLog, "I1Sim_CallLog");
        Bind(F.ClearCallLog, "I1Sim_ClearCallLog");
        Bind(F.CallCount, "I1Sim_CallCount");
        Bind(F.AdvanceClock, "I1Sim_AdvanceClock");
        Bind(F.StartScenario, "I1Sim_StartScenario");
        Bind(F.StartScenarioText, "I1Sim_StartScenarioText");
        Bind(F.StopScenario, "I1Sim_StopScenario");
        Bind(F.ScenarioState, "I1Sim_ScenarioState");
        Bind(F.ScenarioMessage, "I1Sim_ScenarioMessage");
        Bind(F.ScenarioStepsDone, "I1Sim_ScenarioStepsDone");
    }

    QLibrary Library;
    TFunctions F{};
};

#endif
