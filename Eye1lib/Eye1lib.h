// The program's own operations on the instrument: connection check, default
// options, calibration, and the folder of the running executable.
#pragma once

#include <functional>
#include <string>

#include <QString>

constexpr int ResultNoInstrument = 99;

extern bool InstrumentConnected;      // false at start
extern std::string InstrumentSerial;  // empty at start

int CheckInstrument();       // 0 or ResultNoInstrument
int SetDefaultOptions();     // 0, the first refusal, or ResultNoInstrument
int CalibrateInstrument();   // the last answer, or ResultNoInstrument

// Folder of the running executable, ending in the path separator. A test or
// the --exe-folder option / KELVORA_EXE_FOLDER may put another folder in its
// place (so nothing real is touched).
QString ExeFolder();
void SetExeFolderOverride(const QString& folder);  // empty: back to the real one

// Whether the Control key is held at this moment; tests replace it.
extern std::function<bool()> ControlKeyHeld;
