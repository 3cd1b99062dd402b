// Loads the instrument driver library by name through the platform's ordinary
// library search, resolves its twelve entry points, and answers safely for
// every call while the library or a single entry point is missing. Readings
// the pages could not use are made harmless before they leave this file.
#include "EyeOne.h"

#include "I1EntryPoints.h"

#include <QLibrary>
#include <QString>

#include <algorithm>
#include <cmath>
#include <memory>

namespace EyeOne {
namespace {

// Answers used while the library or an entry point is missing.
constexpr int NotConnected = 1;
constexpr int NoPress = 1;
constexpr int Refused = 99;

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
};

QString& LibraryName()
{
    static QString name = QStringLiteral("EYEONE");
    return name;
}

std::unique_ptr<QLibrary>& Library()
{
    static std::unique_ptr<QLibrary> library;
    return library;
}

TEntryPoints& Entry()
{
    static TEntryPoints entry;
    return entry;
}

template <typename T>
void Resolve(QLibrary& library, const char* name, T& target)
{
    target = reinterpret_cast<T>(library.resolve(name));
}

bool Finite(float v) { return std::isfinite(v); }

}  // namespace

void SetLibraryName(const QString& name)
{
    LibraryName() = name;
}

bool LoadInstrumentLibrary()
{
    if (IsLoaded())
        return true;
    auto library = std::make_unique<QLibrary>(LibraryName());
    if (!library->load())
        return false;  // nothing is looked up
    TEntryPoints& e = Entry();
    // Looked up in this order, every one of them, whenever the library loads.
    Resolve(*library, "I1_IsConnected", e.IsConnected);
    Resolve(*library, "I1_KeyPressed", e.KeyPressed);
    Resolve(*library, "I1_Calibrate", e.Calibrate);
    Resolve(*library, "I1_TriggerMeasurement", e.TriggerMeasurement);
    Resolve(*library, "I1_GetNumberOfAvailableSamples", e.GetNumberOfAvailableSamples);
    Resolve(*library, "I1_SetOption", e.SetOption);
    Resolve(*library, "I1_GetOption", e.GetOption);
    Resolve(*library, "I1_SetSubstrate", e.SetSubstrate);
    Resolve(*library, "I1_GetTriStimulus", e.GetTriStimulus);
    Resolve(*library, "I1_GetDensity", e.GetDensity);
    Resolve(*library, "I1_GetDensities", e.GetDensities);
    Resolve(*library, "I1_GetSpectrum", e.GetSpectrum);
    Library() = std::move(library);
    return true;
}

void FreeInstrumentLibrary()
{
    Entry() = TEntryPoints{};
    if (Library()) {
        Library()->unload();
        Library().reset();
    }
}

bool IsLoaded()
{
    return Library() != nullptr;
}

int I1_IsConnected()
{
    return Entry().IsConnected ? Entry().IsConnected() : NotConnected;
}

int I1_KeyPressed()
{
    return Entry().KeyPressed ? Entry().KeyPressed() : NoPress;
}

int I1_Calibrate()
{
    return Entry().Calibrate ? Entry().Calibrate() : Refused;
}

int I1_TriggerMeasurement()
{
    return Entry().TriggerMeasurement ? Entry().TriggerMeasurement() : Refused;
}

int I1_GetNumberOfAvailableSamples()
{
    return Entry().GetNumberOfAvailableSamples ? Entry().GetNumberOfAvailableSamples() : 0;
}

int I1_SetOption(const char* key, const char* value)
{
    if (!Entry().SetOption || !key || !value)
        return Refused;
    return Entry().SetOption(key, value);
}

std::string I1_GetOption(const char* key)
{
    if (!Entry().GetOption || !key)
        return {};
    const char* answer = Entry().GetOption(key);
    return answer ? std::string(answer) : std::string();  // copied at once
}

void I1_SetSubstrate(const float spectrum[SpectrumValues])
{
    if (!Entry().SetSubstrate || !spectrum)
        return;
    float copy[SpectrumValues];  // the library's prototype is not const
    std::copy(spectrum, spectrum + SpectrumValues, copy);
    Entry().SetSubstrate(copy);
}

bool I1_GetDensities(float densities[DensityChannels], int& channel, int sample)
{
    if (!Entry().GetDensities || !densities)
        return false;
    float buffer[DensityChannels];
    std::copy(densities, densities + DensityChannels, buffer);
    int answeredChannel = channel;
    Entry().GetDensities(buffer, &answeredChannel, sample);

    // What leaves here is always safe to use, even by a caller that ignores
    // the result: unusable densities become 0 and a wild channel becomes 0.
    bool usable = true;
    for (int i = 0; i < DensityChannels; ++i) {
        if (!Finite(buffer[i])) {
            buffer[i] = 0.0f;
            usable = false;
        }
    }
    if (answeredChannel < 0 || answeredChannel >= DensityChannels) {
        answeredChannel = 0;
        usable = false;
    }
    std::copy(buffer, buffer + DensityChannels, densities);
    channel = answeredChannel;
    return usable;
}

void I1_GetSpectrum(float spectrum[SpectrumValues], int sample)
{
    if (!Entry().GetSpectrum || !spectrum)
        return;
    // The caller's buffer is handed over as it is: whatever the library does
    // not write keeps its value (the paper dialog relies on zeros then).
    Entry().GetSpectrum(spectrum, sample);
    for (int i = 0; i < SpectrumValues; ++i)
        if (!Finite(spectrum[i]))
            spectrum[i] = 0.0f;
}

}  // namespace EyeOne
