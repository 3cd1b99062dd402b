/* Control interface of the simulated instrument (libEYEONE), for tests and
 * tools. It is exported by the same library the program loads, so a test that
 * loads that library by the same name drives the very instance the program
 * talks to. All calls are deterministic; nothing runs in the background. */
#ifndef KELVORA_EYEONE_SIM_CONTROL_H
#define KELVORA_EYEONE_SIM_CONTROL_H

#ifdef __cplusplus
extern "C" {
#endif

/* Back to the state after loading: plugged in, calibrated, paper under the
 * instrument, no press, no refusals, empty call log, scenario not running. */
void I1Sim_Reset(void);

void I1Sim_SetConnected(int connected);          /* 1 plugged, 0 unplugged */

/* The button. A press makes I1_KeyPressed answer 0 for `calls` calls (at least
 * 1), then 1 again. I1Sim_Hold keeps it down until I1Sim_Release, but never
 * longer than `maxCalls` calls, so a loop waiting for the release always ends. */
void I1Sim_Press(int calls);
void I1Sim_Hold(int maxCalls);
void I1Sim_Release(void);

/* Calibration. I1_Calibrate answers `result` (0 success). After `count`
 * measurements (0: never) I1_TriggerMeasurement answers 3 until calibrated.
 * I1Sim_NeedCalibration makes the next trigger answer 3 at once. */
void I1Sim_SetCalibrateResult(int result);
void I1Sim_SetCalibrationInterval(int count);
void I1Sim_NeedCalibration(void);

/* The next trigger answers `result` (without measuring when not 0) once;
 * I1Sim_SetSampleCount overrides I1_GetNumberOfAvailableSamples (-1: normal). */
void I1Sim_SetNextTriggerResult(int result);
void I1Sim_SetSampleCount(int count);

/* The patch under the instrument: a named patch of the press sheet (0 when
 * known, -1 otherwise) or any 36-value reflectance spectrum (0 .. 1). */
int I1Sim_PlacePatch(const char* name);
void I1Sim_PlaceSpectrum(const float spectrum[36]);
int I1Sim_PatchCount(void);
const char* I1Sim_PatchName(int index);          /* NULL past the end */

/* Options: make a key refuse with `code` (0 accepts again); read back the last
 * value the program set for a key (NULL when never set). */
void I1Sim_RefuseOption(const char* key, int code);
const char* I1Sim_OptionValue(const char* key);

/* Bad answers, for the program's defences. Each applies to every answer from
 * now on until I1Sim_ClearBadAnswers. */
enum I1SimBadAnswer {
    I1SimBadNaNDensity = 1,
    I1SimBadInfiniteDensity = 2,
    I1SimBadNegativeDensity = 3,
    I1SimBadChannelOutOfRange = 4,   /* channel 7, and -1 on the next call */
    I1SimBadNullOption = 5,          /* I1_GetOption answers NULL */
    I1SimBadNaNSpectrum = 6,
    I1SimBadInfiniteSpectrum = 7,
    I1SimBadNegativeSpectrum = 8
};
void I1Sim_SetBadAnswer(int kind);
void I1Sim_ClearBadAnswers(void);

/* The call log: one line per entry-point call, "I1_SetOption MeasurementMode=SingleReflectance",
 * "I1_TriggerMeasurement", ... in order. The text stays valid until the next call into the library. */
const char* I1Sim_CallLog(void);
void I1Sim_ClearCallLog(void);
int I1Sim_CallCount(const char* entryPoint);

/* ---- Additions: finer control for tests and tools. ---- */

/* Keeps the button down for `ms` milliseconds of wall time (at least one call). */
void I1Sim_HoldFor(int ms);
/* 1 from a press until I1_KeyPressed has answered "not pressed" after it. */
int I1Sim_PressPending(void);

/* The text I1_GetOption answers for `key` from now on (NULL: the normal answer again). */
void I1Sim_SetOptionAnswer(const char* key, const char* text);

/* Name of the patch under the instrument ("spectrum" after I1Sim_PlaceSpectrum),
 * and the spectrum of a named patch (0 when known, -1 otherwise). */
const char* I1Sim_PlacedPatch(void);
int I1Sim_PatchSpectrum(const char* name, float spectrum[36]);

/* Every density read varies by up to +-fraction of itself (0: exact), from a
 * pseudo-random sequence that restarts with I1Sim_Reset. */
void I1Sim_SetDensityNoise(double fraction);

/* Moves the library's clock forward, so timed holds and scenario waits pass at once. */
void I1Sim_AdvanceClock(int ms);

/* Scenario files (format in sim/README.md). Start returns 0, or -1 after
 * writing a message naming the file and line to standard error (then nothing
 * runs). The text variant takes the file's contents directly. State: 0 none,
 * 1 running, 2 finished, -1 stopped by an error. */
int I1Sim_StartScenario(const char* path);
int I1Sim_StartScenarioText(const char* text);
void I1Sim_StopScenario(void);
int I1Sim_ScenarioState(void);
const char* I1Sim_ScenarioMessage(void);   /* last error message, "" when none */
int I1Sim_ScenarioStepsDone(void);

/* ---- For the instrument's window (sim/window). ---- */
/* 1 when plugged in, 0 when unplugged. */
int I1Sim_Connected(void);
/* Puts a spectrum under the instrument under a name I1Sim_PlacedPatch answers
 * (NULL or empty: "spectrum"). */
void I1Sim_PlaceNamedSpectrum(const float spectrum[36], const char* name);
/* Absolute densities (cyan, magenta, yellow, black) of a spectrum through a
 * density standard ("DIN", "ANSIA", "ANSIT", "DINNB", "SPI"), without noise or
 * bad answers: 0, or -1 for an unknown standard or a null argument. */
int I1Sim_SpectrumDensities(const float spectrum[36], const char* standard, float densities[4]);

#ifdef __cplusplus
}
#endif

#endif
