// The calculator's output: a readable table with the decimals of the program's
// pages, CSV, or JSON lines (one object per sample), both with 12 significant
// digits.
#pragma once

#include <string>
#include <vector>

#include "Calculator.h"
#include "SpectralInput.h"

namespace spec2cie {

enum class TFormat { Table, Csv, Json };

std::string FormatReport(const TSpectralFile& file, const TConditions& conditions,
                         const std::vector<TSampleResult>& results, TFormat format);

// Helpers, tested on their own.
std::string JsonString(const std::string& text);  // quoted, escaped; bytes that are not UTF-8 read as Latin-1
std::string CsvCell(const std::string& text);      // quoted only when needed
std::string NumberText(double value);              // %.12g; non-finite values as an empty text

}  // namespace spec2cie
