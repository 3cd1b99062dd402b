// The state and behaviour of the simulated instrument behind the entry
// points: connection, button, calibration, options, the patch under the
// instrument, the measured sample, the substrate and the bad answers tests
// ask for. One instance per loaded library; nothing runs in the background.
#ifndef KELVORA_SIM_INSTRUMENT_H
#define KELVORA_SIM_INSTRUMENT_H

#include "Densitometer.h"
#include "PressSheet.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace Sim {

// Answers of the entry points other than 0 and 3 (the instrument's own).
enum TResult {
    ResultOk = 0,
    ResultNotConnected = 1,
    ResultInvalidArgument = 2,
    ResultCalibrationNeeded = 3,
    ResultNoSample = 4,
};

class TInstrument {
public:
    TInstrument() { Reset(); }
    void Reset();

    // --- entry points -------------------------------------------------
    int IsConnected() const;
    int KeyPressed();
    int Calibrate();
    int TriggerMeasurement();
    int NumberOfAvailableSamples() const;
    int SetOption(const char* key, const char* value);
    const char* GetOption(const char* key);
    int SetSubstrate(const float* spectrum);
    int GetTriStimulus(float* xyz, int sample);
    int GetDensity(float* density, int sample);
    int GetDensities(float* densities, int* channel, int sample);
    int GetSpectrum(float* spectrum, int sample);

    // --- control --------------------------------------------------------
    void SetConnected(bool connected) { Connected = connected; }
    void Press(int calls);
    void Hold(int maxCalls);
    void HoldFor(std::int64_t ms);
    void Release();
    // True from a press until I1_KeyPressed has answered "not pressed" after it.
    bool PressPending() const { return PressStarted; }

    void SetCalibrateResult(int result) { CalibrateResult = result; }
    void SetCalibrationInterval(int count) { CalibrationInterval = count < 0 ? 0 : count; }
    void NeedCalibration() { Calibrated = false; }
    void SetNextTriggerResult(int result) { NextTriggerResult = result; }
    void SetSampleCount(int count) { SampleCountOverride = count; }

    bool PlacePatch(const std::string& name);
    void PlaceSpectrum(const TSpectrum& spectrum, const std::string& name = "spectrum");
    const std::string& PlacedName() const { return Placed; }

    void RefuseOption(const std::string& key, int code);
    const char* OptionValue(const std::string& key) const;
    void SetOptionAnswer(const std::string& key, const char* text);

    void SetBadAnswer(int kind) { BadAnswers.insert(kind); }
    void ClearBadAnswers() { BadAnswers.clear(); }
    void SetDensityNoise(double amplitude) { DensityNoise = amplitude < 0.0 ? 0.0 : amplitude; }

    // What was measured and what the densities are computed against.
    bool HasSample() const { return SampleValid; }
    const TSpectrum& Sample() const { return SampleSpectrum; }
    int CalibrationCount() const { return Calibrations; }

private:
    bool Bad(int kind) const { return BadAnswers.count(kind) != 0; }
    std::string OptionOr(const std::string& key, const std::string& fallback) const;
    std::string AnswerFor(const std::string& key) const;
    void SetError(int code) { LastErrorCode = code; }
    double NextNoise();

    bool Connected;

    // Button: a press of a number of calls, a hold bounded by calls, or a hold
    // for a time.
    int PressCalls;
    bool Holding;
    int HoldCalls;
    std::int64_t HoldUntilMs;
    bool PressStarted;

    bool Calibrated;
    int CalibrateResult;
    int CalibrationInterval;
    int MeasurementsSinceCalibration;
    int Calibrations;
    std::optional<int> NextTriggerResult;
    int SampleCountOverride;

    TSpectrum PlacedSpectrum;
    std::string Placed;
    bool SampleValid;
    TSpectrum SampleSpectrum;
    TDensities SampleNoise;
    bool SubstrateValid;
    TSpectrum Substrate;

    std::map<std::string, std::string> Options;
    std::map<std::string, int> Refusals;
    std::map<std::string, std::string> OptionAnswers;
    std::string OptionAnswerBuffer;
    int LastErrorCode;

    std::set<int> BadAnswers;
    int ChannelCalls;
    double DensityNoise;
    std::uint32_t NoiseState;
};

TInstrument& Instrument();

}

#endif
