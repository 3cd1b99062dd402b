// Fuzzer of the calculator's CSV reader: any bytes as a measurement file.
#include "fuzz_spectra_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckSpectralRead(&spec2cie::ReadCsvText, "fuzzed.csv", data, size);
    return 0;
}
