/* The twelve entry points of the instrument driver library, as this program
 * calls them. The simulated instrument exports exactly these, with C linkage.
 * Buffers: a spectrum is 36 floats (380 .. 730 nm, reflectance factors 0..1);
 * densities are 4 floats (cyan, magenta, yellow, black) plus the index of the
 * automatically recognised channel. Keys and values are zero-terminated
 * single-byte text. */
#ifndef KELVORA_I1_ENTRY_POINTS_H
#define KELVORA_I1_ENTRY_POINTS_H

#ifdef _WIN32
#define I1_CALL __stdcall
#else
#define I1_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef int (I1_CALL *TI1_IsConnected)(void);                  /* 0: connected */
typedef int (I1_CALL *TI1_KeyPressed)(void);                   /* 0: button was pressed */
typedef int (I1_CALL *TI1_Calibrate)(void);                    /* 0: calibrated */
typedef int (I1_CALL *TI1_TriggerMeasurement)(void);           /* 0 measured, 3 calibration needed */
typedef int (I1_CALL *TI1_GetNumberOfAvailableSamples)(void);  /* <= 0: nothing to read */
typedef int (I1_CALL *TI1_SetOption)(const char* key, const char* value);  /* 0: accepted */
typedef const char* (I1_CALL *TI1_GetOption)(const char* key); /* copied at once by the caller */
typedef int (I1_CALL *TI1_SetSubstrate)(float* spectrum);      /* taken as paper white */
typedef int (I1_CALL *TI1_GetTriStimulus)(float* tristimulus, int sample);  /* looked up, never called */
typedef int (I1_CALL *TI1_GetDensity)(float* density, int sample);          /* looked up, never called */
typedef int (I1_CALL *TI1_GetDensities)(float* densities, int* channel, int sample);
typedef int (I1_CALL *TI1_GetSpectrum)(float* spectrum, int sample);

#ifdef __cplusplus
}
#endif

#endif
