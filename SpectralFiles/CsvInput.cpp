// Plain CSV spectra: one sample a row, the 36 values 380, 390, ... 730 nm,
// optionally preceded by a name column. Separators: comma, semicolon or tab
// (taken from the first row). An optional first row of captions must name
// the wavelengths 380 ... 730 in order. Blank lines and lines starting with
// '#' are skipped.
#include <algorithm>
#include <string_view>

#include "SpectralInput.h"

namespace spec2cie {

namespace {

// Cells of one row, trimmed. Rows without quotes (the usual case) are split
// in place; quoted cells are unquoted into `storage`.
std::vector<std::string> SplitQuotedCells(std::string_view line, char separator);

void SplitCells(std::string_view line, char separator, std::vector<std::string_view>& cells,
                std::vector<std::string>& storage) {
    cells.clear();
    if (line.find('"') != std::string_view::npos) {
        storage = SplitQuotedCells(line, separator);
        for (const auto& s : storage) cells.emplace_back(s);
        return;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t end = line.find(separator, start);
        std::string_view cell = line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        while (!cell.empty() && (cell.front() == ' ' || cell.front() == '\t')) cell.remove_prefix(1);
        while (!cell.empty() && (cell.back() == ' ' || cell.back() == '\t')) cell.remove_suffix(1);
        cells.push_back(cell);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
}

std::vector<std::string> SplitQuotedCells(std::string_view line, char separator) {
    std::vector<std::string> cells;
    std::string cell;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            cells.push_back(cell);
            cell.clear();
        } else {
            cell += c;
        }
    }
    cells.push_back(cell);
    for (auto& s : cells) {
        while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.erase(0, 1);
        while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
    }
    return cells;
}

char DetectSeparator(std::string_view line) {
    if (line.find('\t') != std::string_view::npos && line.find(',') == std::string_view::npos) return '\t';
    if (line.find(';') != std::string_view::npos && line.find(',') == std::string_view::npos) return ';';
    return ',';
}

std::string BandName(int index) { return std::to_string(380 + 10 * index) + " nm"; }

}  // namespace

bool ReadCsvText(const std::string& path, const std::string& text, TScale scale, TSpectralFile& file,
                 TInputError& error) {
    error = TInputError{path, 0, "", ""};
    std::vector<TRawSample> samples;
    samples.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    char separator = 0;
    bool firstRow = true;
    std::vector<std::string_view> cells;
    std::vector<std::string> storage;
    int line = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string_view row(text.data() + start, end - start);
        start = end + 1;
        ++line;
        if (!row.empty() && row.back() == '\r') row.remove_suffix(1);
        std::size_t firstChar = row.find_first_not_of(" \t");
        if (firstChar == std::string_view::npos || row[firstChar] == '#') continue;

        if (separator == 0) separator = DetectSeparator(row);
        SplitCells(row, separator, cells, storage);
        const int count = static_cast<int>(cells.size());
        if (count != SpectrumSize && count != SpectrumSize + 1) {
            error.Line = line;
            error.Message = std::to_string(count) + " fields, expected 36 values (380 to 730 nm in 10 nm steps)" +
                            ", optionally after a name";
            return false;
        }
        const int offset = count - SpectrumSize;  // 1 with a name column

        // A first row that is not all numbers, or that counts 380, 390, ...
        // 730, is a row of captions.
        if (firstRow) {
            firstRow = false;
            bool allNumbers = true;
            for (int i = 0; i < SpectrumSize; ++i)
                if (!ParseNumber(cells[offset + i])) allNumbers = false;
            bool wavelengthCaptions = true;
            for (int i = 0; i < SpectrumSize; ++i) {
                const auto nm = SpectralFieldWavelength(cells[offset + i]);
                if (!nm || *nm != 380 + 10 * i) wavelengthCaptions = false;
            }
            if (!allNumbers || wavelengthCaptions) {
                for (int i = 0; i < SpectrumSize; ++i) {
                    const auto nm = SpectralFieldWavelength(cells[offset + i]);
                    if (!nm || *nm != 380 + 10 * i) {
                        error.Line = line;
                        error.Field = std::to_string(offset + i + 1);
                        error.Message = "caption \"";
                        error.Message += cells[offset + i];
                        error.Message += "\" where " + BandName(i) +
                                         " was expected (the columns must be 380 to 730 nm in 10 nm steps)";
                        return false;
                    }
                }
                continue;
            }
        }

        TRawSample sample;
        sample.Line = line;
        sample.Id = offset == 1 && !cells[0].empty() ? std::string(cells[0]) : std::to_string(samples.size() + 1);
        for (int i = 0; i < SpectrumSize; ++i) {
            const auto number = ParseNumber(cells[offset + i]);
            if (!number) {
                error.Line = line;
                error.Field = std::to_string(offset + i + 1) + " (" + BandName(i) + ")";
                error.Message = "\"";
                error.Message += cells[offset + i];
                error.Message += "\" is not a number";
                return false;
            }
            sample.Values[i] = *number;
        }
        samples.push_back(std::move(sample));
    }
    return FinishSamples(path, samples, scale, std::nullopt, file, error);
}

}  // namespace spec2cie
