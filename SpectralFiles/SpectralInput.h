// Reading reflectance spectra from measurement files: CGATS (ISO 28178) text
// files through the Little CMS parser, and plain CSV files with 36 values a
// row. Every problem is reported with the file, line and field it was found
// in; nothing is guessed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Data/TData.h"

namespace spec2cie {

// How the spectral values of a file are scaled.
enum class TScale {
    Auto,     // SPECTRAL_NORM of the file, else percent when any value exceeds 1.5
    Percent,  // 100 means a reflectance factor of 1
    Factor,   // 1 means a reflectance factor of 1
};

struct TSpectralSample {
    std::string Id;     // SAMPLE_ID, else SAMPLE_NAME, else the CSV name column, else the number
    int Line = 0;       // line of the file where the sample's data starts
    TSpectrum Spectrum{};  // reflectance factors, 380 .. 730 nm
};

struct TSpectralFile {
    std::string Path;
    std::string Format;    // "CGATS" or "CSV"
    std::string ScaleNote; // how the values were scaled ("values in percent, largest 93.1")
    std::vector<TSpectralSample> Samples;
};

struct TInputError {
    std::string File;
    int Line = 0;          // 0: the file as a whole
    std::string Field;     // empty: no particular field
    std::string Message;
    std::string Text() const;  // "file:line: field F: message"
};

// Reads a measurement file: names ending in ".csv" are read as plain CSV,
// everything else as CGATS. Returns false and fills `error` on any problem.
bool ReadSpectralFile(const std::string& path, TScale scale, TSpectralFile& file, TInputError& error);

// Helpers shared by the readers (and tested on their own).

// The wavelength in nm a field name stands for (SPECTRAL_380, SPECTRAL_NM380,
// SPECTRAL_NM_380, SPEC_380, NM380, NM_380, 380NM, 380), case-insensitive;
// nullopt for any other name.
std::optional<int> SpectralFieldWavelength(std::string_view name);
// A finite decimal number filling the whole text (surrounding blanks allowed).
std::optional<double> ParseNumber(std::string_view text);

// Raw measurement values of one sample before scaling, with where they came from.
struct TRawSample {
    std::string Id;
    int Line = 0;
    std::array<double, SpectrumSize> Values{};
};

// Scales the raw values into reflectance factors and checks every sample for
// an empty spectrum (nothing between 400 and 700 nm). `norm` is the value
// that stands for 100 % according to the file, if it says so.
bool FinishSamples(const std::string& path, std::vector<TRawSample>& raw, TScale scale, std::optional<double> norm,
                   TSpectralFile& file, TInputError& error);

// The file's bytes; false with an error when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& text, TInputError& error);

bool ReadCgatsText(const std::string& path, const std::string& text, TScale scale, TSpectralFile& file,
                   TInputError& error);
bool ReadCsvText(const std::string& path, const std::string& text, TScale scale, TSpectralFile& file,
                 TInputError& error);

}  // namespace spec2cie
