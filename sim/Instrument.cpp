// Behaviour of the simulated instrument behind the entry points.
#include "Instrument.h"

#include "EyeOneSimControl.h"
#include "SimClock.h"
#include "SimTables.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace Sim {
namespace {

const char* const KeyDensityStandard = "Colorimetric.DensityStandard";
const char* const KeyWhiteBase = "Colorimetric.WhiteBase";

std::string ErrorText(int code)
{
    switch (code) {
    case ResultOk: return "No error";
    case ResultNotConnected: return "Instrument not connected";
    case ResultInvalidArgument: return "Invalid argument";
    case ResultCalibrationNeeded: return "Calibration needed";
    case ResultNoSample: return "No sample available";
    default: return "Error " + std::to_string(code);
    }
}

// "2024-05-14 08:00:00" when loaded, one minute later for every calibration,
// so that the text is deterministic.
std::string CalibrationTimeText(int calibrations)
{
    const long minutes = 8L * 60 + calibrations;
    char text[32];
    std::snprintf(text, sizeof text, "2024-05-%02ld %02ld:%02ld:00", 14 + (minutes / 1440) % 14,
                  (minutes % 1440) / 60, minutes % 60);
    return text;
}

}

void TInstrument::Reset()
{
    Connected = true;
    PressCalls = 0;
    Holding = false;
    HoldCalls = 0;
    HoldUntilMs = 0;
    PressStarted = false;
    Calibrated = true;
    CalibrateResult = 0;
    CalibrationInterval = 0;
    MeasurementsSinceCalibration = 0;
    Calibrations = 0;
    NextTriggerResult.reset();
    SampleCountOverride = -1;
    PlacedSpectrum = PaperReflectance();
    Placed = "paper";
    SampleValid = false;
    SampleSpectrum = {};
    SampleNoise = {};
    SubstrateValid = false;
    Substrate = {};
    Options.clear();
    Refusals.clear();
    OptionAnswers.clear();
    OptionAnswerBuffer.clear();
    LastErrorCode = ResultOk;
    BadAnswers.clear();
    ChannelCalls = 0;
    DensityNoise = 0.0;
    NoiseState = 20240514u;
}

// --- button -------------------------------------------------------------

void TInstrument::Press(int calls)
{
    PressCalls = calls < 1 ? 1 : calls;
    Holding = false;
    HoldCalls = 0;
    HoldUntilMs = 0;
    PressStarted = true;
}

void TInstrument::Hold(int maxCalls)
{
    PressCalls = 0;
    Holding = true;
    HoldCalls = maxCalls < 1 ? 1 : maxCalls;
    HoldUntilMs = 0;
    PressStarted = true;
}

void TInstrument::HoldFor(std::int64_t ms)
{
    PressCalls = 1;   // down at least once, however short the time
    Holding = false;
    HoldCalls = 0;
    HoldUntilMs = NowMs() + (ms < 0 ? 0 : ms);
    PressStarted = true;
}

void TInstrument::Release()
{
    PressCalls = 0;
    Holding = false;
    HoldCalls = 0;
    HoldUntilMs = 0;
}

int TInstrument::KeyPressed()
{
    // An unplugged instrument reports nothing; a press waits for the plug.
    if (!Connected)
        return 1;
    bool down = false;
    if (Holding) {
        down = true;
        if (--HoldCalls <= 0)
            Holding = false;
    } else if (HoldUntilMs > 0 && NowMs() < HoldUntilMs) {
        down = true;
        PressCalls = 0;
    } else if (PressCalls > 0) {
        --PressCalls;
        down = true;
    }
    if (down)
        return 0;
    HoldUntilMs = 0;
    PressStarted = false;
    return 1;
}

// --- connection and calibration -------------------------------------------

int TInstrument::IsConnected() const
{
    return Connected ? ResultOk : ResultNotConnected;
}

int TInstrument::Calibrate()
{
    if (!Connected) {
        SetError(ResultNotConnected);
        return ResultNotConnected;
    }
    const int result = CalibrateResult;
    if (result == ResultOk) {
        Calibrated = true;
        MeasurementsSinceCalibration = 0;
        ++Calibrations;
    } else {
        Calibrated = false;
    }
    SetError(result);
    return result;
}

double TInstrument::NextNoise()
{
    // A small linear congruential generator: the same sequence after every reset.
    NoiseState = NoiseState * 1664525u + 1013904223u;
    return (NoiseState >> 8) / double(1u << 24) * 2.0 - 1.0;
}

int TInstrument::TriggerMeasurement()
{
    SampleValid = false;
    if (!Connected) {
        SetError(ResultNotConnected);
        return ResultNotConnected;
    }
    if (NextTriggerResult) {
        const int forced = *NextTriggerResult;
        NextTriggerResult.reset();
        if (forced != ResultOk) {
            SetError(forced);
            return forced;
        }
    }
    if (CalibrationInterval > 0 && MeasurementsSinceCalibration >= CalibrationInterval)
        Calibrated = false;
    if (!Calibrated) {
        SetError(ResultCalibrationNeeded);
        return ResultCalibrationNeeded;
    }
    SampleSpectrum = PlacedSpectrum;
    // The pseudo-random sequence only advances while noise is asked for.
    for (double& n : SampleNoise)
        n = DensityNoise > 0.0 ? DensityNoise * NextNoise() : 0.0;
    SampleValid = true;
    ++MeasurementsSinceCalibration;
    SetError(ResultOk);
    return ResultOk;
}

int TInstrument::NumberOfAvailableSamples() const
{
    if (SampleCountOverride != -1)
        return SampleCountOverride;
    return SampleValid ? 1 : 0;
}

// --- options ----------------------------------------------------------------

int TInstrument::SetOption(const char* key, const char* value)
{
    if (!key || !value) {
        SetError(ResultInvalidArgument);
        return ResultInvalidArgument;
    }
    const auto refusal = Refusals.find(key);
    if (refusal != Refusals.end() && refusal->second != 0) {
        SetError(refusal->second);
        return refusal->second;
    }
    const std::string k = key, v = value;
    if ((k == KeyDensityStandard && !IsDensityStandard(v))
        || (k == KeyWhiteBase && v != "Absolute" && v != "Paper")) {
        SetError(ResultInvalidArgument);
        return ResultInvalidArgument;
    }
    Options[k] = v;
    SetError(ResultOk);
    return ResultOk;
}

std::string TInstrument::OptionOr(const std::string& key, const std::string& fallback) const
{
    const auto it = Options.find(key);
    return it == Options.end() ? fallback : it->second;
}

std::string TInstrument::AnswerFor(const std::string& key) const
{
    const auto fixed = OptionAnswers.find(key);
    if (fixed != OptionAnswers.end())
        return fixed->second;
    if (key == "SerialNumber")
        return "114523";  // six digits: "EyeOne sn. " and the number fit the status panel
    if (key == "Version")
        return "Kelvora i1 simulator 1.0.0";
    if (key == "LastCalibrationTime")
        return CalibrationTimeText(Calibrations);
    if (key == "LastCalibrationCounter")
        return std::to_string(MeasurementsSinceCalibration);
    if (key == "PhysicalFilter")
        return "No filter (UV included)";
    if (key == "Connection")
        return Connected ? "USB" : "Not connected";
    if (key == "MeasurementMode")
        return OptionOr(key, "SingleReflectance");
    if (key == "Recognition")
        return OptionOr(key, "no");
    if (key == "LastError")
        return ErrorText(LastErrorCode);
    if (key == KeyDensityStandard)
        return OptionOr(key, "DIN");
    if (key == KeyWhiteBase)
        return OptionOr(key, "Absolute");
    return OptionOr(key, "");
}

const char* TInstrument::GetOption(const char* key)
{
    if (Bad(I1SimBadNullOption))
        return nullptr;
    OptionAnswerBuffer = key ? AnswerFor(key) : std::string();
    return OptionAnswerBuffer.c_str();
}

void TInstrument::RefuseOption(const std::string& key, int code)
{
    if (code == 0)
        Refusals.erase(key);
    else
        Refusals[key] = code;
}

const char* TInstrument::OptionValue(const std::string& key) const
{
    const auto it = Options.find(key);
    return it == Options.end() ? nullptr : it->second.c_str();
}

void TInstrument::SetOptionAnswer(const std::string& key, const char* text)
{
    if (text)
        OptionAnswers[key] = text;
    else
        OptionAnswers.erase(key);
}

// --- the patch and the sample ----------------------------------------------

bool TInstrument::PlacePatch(const std::string& name)
{
    const TPatch* patch = FindPatch(name);
    if (!patch)
        return false;
    PlaceSpectrum(patch->Reflectance, patch->Name);
    return true;
}

void TInstrument::PlaceSpectrum(const TSpectrum& spectrum, const std::string& name)
{
    PlacedSpectrum = spectrum;
    Placed = name;
}

int TInstrument::SetSubstrate(const float* spectrum)
{
    if (!spectrum) {
        SetError(ResultInvalidArgument);
        return ResultInvalidArgument;
    }
    for (int i = 0; i < 36; ++i)
        Substrate[i] = spectrum[i];
    SubstrateValid = true;
    return ResultOk;
}

int TInstrument::GetSpectrum(float* spectrum, int sample)
{
    if (!spectrum) {
        SetError(ResultInvalidArgument);
        return ResultInvalidArgument;
    }
    const bool valid = SampleValid && sample == 0;
    for (int i = 0; i < 36; ++i) {
        float value = valid ? static_cast<float>(SampleSpectrum[i]) : 0.0f;
        if (Bad(I1SimBadNegativeSpectrum))
            value = -std::fabs(value) - 0.01f;
        if (Bad(I1SimBadNaNSpectrum))
            value = std::numeric_limits<float>::quiet_NaN();
        if (Bad(I1SimBadInfiniteSpectrum))
            value = std::numeric_limits<float>::infinity();
        spectrum[i] = value;
    }
    if (!valid) {
        SetError(ResultNoSample);
        return ResultNoSample;
    }
    return ResultOk;
}

int TInstrument::GetDensities(float* densities, int* channel, int sample)
{
    if (!densities || !channel) {
        SetError(ResultInvalidArgument);
        return ResultInvalidArgument;
    }
    const bool valid = SampleValid && sample == 0;
    TDensities result{};
    int recognised = ChannelCyan;
    if (valid) {
        const TDensityResponses* responses = DensityResponses(OptionOr(KeyDensityStandard, "DIN"));
        if (!responses)
            responses = DensityResponses("DIN");
        const TDensities absolute = Densities(SampleSpectrum, *responses);
        TDensities relative = absolute;
        if (SubstrateValid) {
            const TDensities paper = Densities(Substrate, *responses);
            for (int c = 0; c < 4; ++c)
                relative[c] = absolute[c] - paper[c];
        }
        recognised = RecognisedChannel(relative);
        result = OptionOr(KeyWhiteBase, "Absolute") == "Paper" ? relative : absolute;
        for (int c = 0; c < 4; ++c)
            result[c] *= 1.0 + SampleNoise[c];
    }
    for (int c = 0; c < 4; ++c) {
        float value = static_cast<float>(result[c]);
        if (Bad(I1SimBadNegativeDensity))
            value = -std::fabs(value) - 0.05f;
        if (Bad(I1SimBadNaNDensity))
            value = std::numeric_limits<float>::quiet_NaN();
        if (Bad(I1SimBadInfiniteDensity))
            value = std::numeric_limits<float>::infinity();
        densities[c] = value;
    }
    if (Bad(I1SimBadChannelOutOfRange))
        recognised = (ChannelCalls++ % 2 == 0) ? 7 : -1;
    *channel = recognised;
    if (!valid) {
        SetError(ResultNoSample);
        return ResultNoSample;
    }
    return ResultOk;
}

int TInstrument::GetDensity(float* density, int sample)
{
    if (!density) {
        SetError(ResultInvalidArgument);
        return ResultInvalidArgument;
    }
    float all[4];
    int channel = 0;
    const int result = GetDensities(all, &channel, sample);
    *density = all[channel >= 0 && channel < 4 ? channel : 0];
    return result;
}

int TInstrument::GetTriStimulus(float* xyz, int sample)
{
    if (!xyz) {
        SetError(ResultInvalidArgument);
        return ResultInvalidArgument;
    }
    const bool valid = SampleValid && sample == 0;
    // D50, 2 degree observer, perfect white Y = 100.
    using namespace SimTables;
    double sums[3] = {0.0, 0.0, 0.0}, norm = 0.0;
    for (int i = 0; i < 36; ++i) {
        const double r = valid ? SampleSpectrum[i] : 0.0;
        sums[0] += IlluminantD50[i] * Observer2_x2[i] * r;
        sums[1] += IlluminantD50[i] * Observer2_y2[i] * r;
        sums[2] += IlluminantD50[i] * Observer2_z2[i] * r;
        norm += IlluminantD50[i] * Observer2_y2[i];
    }
    for (int k = 0; k < 3; ++k)
        xyz[k] = static_cast<float>(100.0 * sums[k] / norm);
    if (!valid) {
        SetError(ResultNoSample);
        return ResultNoSample;
    }
    return ResultOk;
}

TInstrument& Instrument()
{
    static TInstrument instrument;
    return instrument;
}

}
