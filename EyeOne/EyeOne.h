// The program's binding to the instrument driver library: loading by name,
// the twelve entry points, and safe answers for every call made while the
// library (or one of its entry points) is missing. Driver answers that the
// pages could not use are made harmless here (see the notes per call).
#pragma once

#include <string>

class QString;

namespace EyeOne {

constexpr int SpectrumValues = 36;
constexpr int DensityChannels = 4;

// The library's base name, resolved by the platform's ordinary search
// ("EYEONE" -> EYEONE.DLL on Windows, libEYEONE.so here). Tests may name
// another file or a full path before loading.
void SetLibraryName(const QString& name);
bool LoadInstrumentLibrary();
void FreeInstrumentLibrary();
bool IsLoaded();

// Answers without a library (or without that entry point): not connected (1),
// no press (1), refusal (99) for calibrate, trigger and options, 0 samples,
// empty option text, and the buffers left untouched.
int I1_IsConnected();
int I1_KeyPressed();
int I1_Calibrate();
int I1_TriggerMeasurement();
int I1_GetNumberOfAvailableSamples();
int I1_SetOption(const char* key, const char* value);
std::string I1_GetOption(const char* key);  // a null answer becomes ""
void I1_SetSubstrate(const float spectrum[SpectrumValues]);

// Fills densities and channel. Returns false when the reading cannot be used:
// a density that is NaN or infinite, or a channel outside 0 .. 3 (the pages
// index tables by it). Negative densities are real readings and pass.
bool I1_GetDensities(float densities[DensityChannels], int& channel, int sample);
// Fills the spectrum; NaN or infinite values are replaced by 0.
void I1_GetSpectrum(float spectrum[SpectrumValues], int sample);

}  // namespace EyeOne
