// Export of the simulated instrument's API: the library is built with hidden
// symbols, and only what is declared between these markers is exported.
#ifndef KELVORA_SIM_EXPORT_H
#define KELVORA_SIM_EXPORT_H

#if defined(_WIN32)
#define KV_SIM_EXPORT __declspec(dllexport)
#else
#define KV_SIM_EXPORT __attribute__((visibility("default")))
#endif

#endif
