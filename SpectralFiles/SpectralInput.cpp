// Shared part of the spectral file readers: choosing the reader, field names,
// numbers, percent or factor, and the empty-spectrum check.
#include "SpectralInput.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace spec2cie {

namespace {

// Above this any value means the file is in percent: reflectance factors of
// real prints, even fluorescent papers, stay well below 1.5.
constexpr double PercentDetectionLimit = 1.5;

std::string Upper(std::string_view s) {
    std::string u(s);
    for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && s.substr(0, prefix.size()) == prefix;
}

bool EndsWithCsv(const std::string& path) {
    return path.size() >= 4 && Upper(path.substr(path.size() - 4)) == ".CSV";
}

std::string FormatValue(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", v);
    return buffer;
}

}  // namespace

std::string TInputError::Text() const {
    std::string text = File;
    if (Line > 0) {
        text += ':';
        text += std::to_string(Line);
    }
    text += ": ";
    if (!Field.empty()) {
        text += "field ";
        text += Field;
        text += ": ";
    }
    text += Message;
    return text;
}

std::optional<int> SpectralFieldWavelength(std::string_view name) {
    std::string u = Upper(name);
    std::string_view rest = u;
    for (std::string_view prefix : {"SPECTRAL_NM_", "SPECTRAL_NM", "SPECTRAL_", "SPEC_", "NM_", "NM"}) {
        if (StartsWith(rest, prefix)) {
            rest.remove_prefix(prefix.size());
            break;
        }
    }
    for (std::string_view suffix : {"_NM", "NM"}) {
        if (rest.size() > suffix.size() && rest.substr(rest.size() - suffix.size()) == suffix) {
            rest.remove_suffix(suffix.size());
            break;
        }
    }
    if (rest.empty() || rest.size() > 4) return std::nullopt;
    int nm = 0;
    for (char c : rest) {
        if (c < '0' || c > '9') return std::nullopt;
        nm = nm * 10 + (c - '0');
    }
    return nm;
}

std::optional<double> ParseNumber(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

bool ReadWholeFile(const std::string& path, std::string& text, TInputError& error) {
    error = TInputError{path, 0, "", ""};
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error.Message = "is a folder, not a measurement file";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error.Message = "cannot open the file";
        return false;
    }
    // One read straight into the text: large batches are tens of megabytes.
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size < 0 || !in) {
        error.Message = "cannot read the file";
        return false;
    }
    text.resize(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(text.data(), size)) {
        error.Message = "cannot read the file";
        return false;
    }
    // A UTF-8 byte-order mark (Windows editors write one) is not part of the text.
    if (StartsWith(text, "\xEF\xBB\xBF")) text.erase(0, 3);
    // The parser must never see an empty text (Little CMS asserts on it).
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
        error.Message = "the file is empty";
        return false;
    }
    if (text.find('\0') != std::string::npos) {
        error.Message = "not a text file (it contains NUL bytes)";
        return false;
    }
    return true;
}

bool FinishSamples(const std::string& path, std::vector<TRawSample>& raw, TScale scale, std::optional<double> norm,
                   TSpectralFile& file, TInputError& error) {
    if (raw.empty()) {
        error = TInputError{path, 0, "", "no samples in the file"};
        return false;
    }
    double divisor = 1.0;
    switch (scale) {
        case TScale::Percent:
            divisor = 100.0;
            file.ScaleNote = "values in percent (--scale)";
            break;
        case TScale::Factor:
            divisor = 1.0;
            file.ScaleNote = "values as factors (--scale)";
            break;
        case TScale::Auto:
            if (norm) {
                divisor = *norm;
                file.ScaleNote = "values divided by SPECTRAL_NORM " + FormatValue(*norm);
            } else {
                double largest = 0.0;
                for (const auto& s : raw)
                    for (double v : s.Values) largest = std::max(largest, v);
                const bool percent = largest > PercentDetectionLimit;
                divisor = percent ? 100.0 : 1.0;
                file.ScaleNote = percent ? "values in percent, largest " + FormatValue(largest)
                                         : "values as factors, none above 1.5";
            }
            break;
    }
    file.Samples.clear();
    file.Samples.reserve(raw.size());
    for (auto& s : raw) {
        TSpectralSample sample;
        sample.Id = std::move(s.Id);
        sample.Line = s.Line;
        for (int i = 0; i < SpectrumSize; ++i) sample.Spectrum[i] = s.Values[i] / divisor;
        if (SpectrumIsEmpty(sample.Spectrum)) {
            error = TInputError{path, sample.Line, "",
                                "sample " + sample.Id + ": empty spectrum (all values from 400 to 700 nm are 0)"};
            return false;
        }
        file.Samples.push_back(std::move(sample));
    }
    return true;
}

bool ReadSpectralFile(const std::string& path, TScale scale, TSpectralFile& file, TInputError& error) {
    file = TSpectralFile{};
    file.Path = path;
    std::string text;
    if (!ReadWholeFile(path, text, error)) return false;
    if (EndsWithCsv(path)) {
        file.Format = "CSV";
        return ReadCsvText(path, text, scale, file, error);
    }
    file.Format = "CGATS";
    return ReadCgatsText(path, text, scale, file, error);
}

}  // namespace spec2cie
