// CGATS (ISO 28178, CGATS.17, IT8.7) measurement files. Little CMS parses the
// file; its own tokens are re-read here only to know the line each value
// stands on, so that an error names the line and the value as written.
#include <lcms2.h>

#include <map>
#include <memory>
#include <regex>
#include <string_view>
#include <type_traits>

#include "SpectralInput.h"

namespace spec2cie {

namespace {

struct TToken {
    std::string_view Text;  // as written, quotes included (a view into the file's text)
    int Line = 0;
};

// Where each table of the file is and the tokens of its data section.
struct TRawTable {
    int FormatLine = 0;
    int DataLine = 0;
    std::vector<TToken> Data;
};

// Splits the text into CGATS tokens (blank-separated, quoted strings whole,
// '#' comments dropped) and collects the data section of every table.
std::vector<TRawTable> ScanTables(const std::string& text) {
    std::vector<TRawTable> tables;
    enum { Outside, InFormat, InData } state = Outside;
    TRawTable current;
    int line = 1;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        const char c = text[i];
        if (c == '\n') {
            ++line;
            ++i;
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
            ++i;
            continue;
        }
        if (c == '#') {
            while (i < n && text[i] != '\n') ++i;
            continue;
        }
        TToken token;
        token.Line = line;
        bool quoted = false;
        if (c == '"' || c == '\'') {
            quoted = true;
            const char quote = c;
            std::size_t j = i + 1;
            while (j < n && text[j] != quote && text[j] != '\n') ++j;
            token.Text = std::string_view(text).substr(i, (j < n && text[j] == quote) ? j + 1 - i : j - i);
            i = (j < n && text[j] == quote) ? j + 1 : j;
        } else {
            std::size_t j = i;
            while (j < n && text[j] != ' ' && text[j] != '\t' && text[j] != '\r' && text[j] != '\n') ++j;
            token.Text = std::string_view(text).substr(i, j - i);
            i = j;
        }
        if (!quoted && token.Text == "BEGIN_DATA_FORMAT") {
            current = TRawTable{};
            current.FormatLine = token.Line;
            state = InFormat;
        } else if (!quoted && token.Text == "END_DATA_FORMAT") {
            state = Outside;
        } else if (!quoted && token.Text == "BEGIN_DATA") {
            current.DataLine = token.Line;
            current.Data.clear();
            state = InData;
        } else if (!quoted && token.Text == "END_DATA") {
            tables.push_back(std::move(current));
            current = TRawTable{};
            state = Outside;
        } else if (state == InData) {
            current.Data.push_back(std::move(token));
        }
    }
    if (state == InData) tables.push_back(std::move(current));  // a file cut short after its data
    return tables;
}

// Messages of the parser, collected instead of printed.
void CollectMessage(cmsContext context, cmsUInt32Number, const char* text) {
    auto* log = static_cast<std::string*>(cmsGetContextUserData(context));
    if (log && text) {
        if (!log->empty()) *log += "; ";
        *log += text;
    }
}

struct TContextDeleter {
    void operator()(cmsContext c) const { cmsDeleteContext(c); }
};
struct THandleDeleter {
    void operator()(void* h) const { cmsIT8Free(h); }
};

// The parser says "Memory: Line 12, <problem>": turned into line 12 and the problem.
void ParserMessageToError(const std::string& message, TInputError& error) {
    static const std::regex pattern(R"(^(?:[^:]*: )?Line (\d+), (.*)$)");
    std::smatch m;
    const std::string first = message.substr(0, message.find("; "));
    std::string trimmed = first;
    while (!trimmed.empty() && (trimmed.back() == '\n' || trimmed.back() == '\r')) trimmed.pop_back();
    if (std::regex_match(trimmed, m, pattern)) {
        error.Line = std::stoi(m[1].str());
        error.Message = "not a valid CGATS file: " + m[2].str();
    } else {
        error.Message = "not a valid CGATS file: " + trimmed;
    }
    // The parser caps the size of one table (32766 sets with Little CMS 2.14).
    if (trimmed.find("too much data") != std::string::npos)
        error.Message += " (the CGATS parser reads at most 32766 samples per table: split the file, or convert it to CSV)";
}

int LineOfKeyword(const std::string& text, const std::string& keyword) {
    int line = 1;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string_view l(text.data() + start, end - start);
        while (!l.empty() && (l.front() == ' ' || l.front() == '\t')) l.remove_prefix(1);
        if (l.substr(0, keyword.size()) == keyword &&
            (l.size() == keyword.size() || l[keyword.size()] == ' ' || l[keyword.size()] == '\t'))
            return line;
        start = end + 1;
        ++line;
    }
    return 0;
}

std::string Unquoted(const char* value) {
    std::string s = value ? value : "";
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front()) s = s.substr(1, s.size() - 2);
    return s;
}

}  // namespace

bool ReadCgatsText(const std::string& path, const std::string& text, TScale scale, TSpectralFile& file,
                   TInputError& error) {
    error = TInputError{path, 0, "", ""};
    if (text.empty()) {
        error.Message = "the file is empty";
        return false;
    }
    std::string log;
    std::unique_ptr<std::remove_pointer_t<cmsContext>, TContextDeleter> context(cmsCreateContext(nullptr, &log));
    if (!context) {
        error.Message = "cannot set up the CGATS parser";
        return false;
    }
    cmsSetLogErrorHandlerTHR(context.get(), CollectMessage);
    std::unique_ptr<void, THandleDeleter> it8(
        cmsIT8LoadFromMem(context.get(), text.data(), static_cast<cmsUInt32Number>(text.size())));
    if (!it8) {
        if (log.empty())
            error.Message = "not a CGATS measurement file (it does not start with a CGATS or IT8 identifier)";
        else
            ParserMessageToError(log, error);
        return false;
    }

    const std::vector<TRawTable> raw = ScanTables(text);
    const int tableCount = static_cast<int>(cmsIT8TableCount(it8.get()));

    // The one table that carries spectral fields.
    int spectralTable = -1;
    int tablesWithFormat = 0;
    for (int t = 0; t < tableCount; ++t) {
        if (cmsIT8SetTable(it8.get(), t) < 0) continue;
        char** names = nullptr;
        int count = cmsIT8EnumDataFormat(it8.get(), &names);
        // NUMBER_OF_FIELDS alone sets a count without any field names.
        if (!names) count = 0;
        if (count > 0) ++tablesWithFormat;
        bool spectral = false;
        for (int f = 0; f < count; ++f)
            if (names[f] && SpectralFieldWavelength(names[f])) spectral = true;
        if (!spectral) continue;
        if (spectralTable >= 0) {
            error.Line = t < static_cast<int>(raw.size()) ? raw[t].FormatLine : 0;
            error.Message = "more than one table with spectral fields; split the file into one table per file";
            return false;
        }
        spectralTable = t;
    }
    if (tablesWithFormat == 0) {
        error.Message = "not a CGATS measurement file (no BEGIN_DATA_FORMAT ... END_DATA_FORMAT section)";
        return false;
    }
    if (spectralTable < 0) {
        error.Line = raw.empty() ? 0 : raw[0].FormatLine;
        error.Message = "no spectral fields: expected SPECTRAL_380 ... SPECTRAL_730 (or nm380 ... nm730)";
        return false;
    }
    cmsIT8SetTable(it8.get(), spectralTable);
    const TRawTable* table = spectralTable < static_cast<int>(raw.size()) ? &raw[spectralTable] : nullptr;
    const int formatLine = table ? table->FormatLine : 0;

    char** names = nullptr;
    const int fieldCount = cmsIT8EnumDataFormat(it8.get(), &names);
    int columns[SpectrumSize];
    std::fill(std::begin(columns), std::end(columns), -1);
    int idColumn = -1, nameColumn = -1;
    for (int f = 0; f < fieldCount; ++f) {
        const std::string name = names[f] ? names[f] : "";
        if (name == "SAMPLE_ID") idColumn = f;
        if (name == "SAMPLE_NAME") nameColumn = f;
        const auto nm = SpectralFieldWavelength(name);
        if (!nm) continue;
        if (*nm < 380 || *nm > 730 || (*nm - 380) % 10 != 0) {
            error.Line = formatLine;
            error.Field = name;
            error.Message = std::to_string(*nm) +
                            " nm is not one of the 36 bands 380, 390, ... 730 nm this calculator works with";
            return false;
        }
        const int index = (*nm - 380) / 10;
        if (columns[index] >= 0) {
            error.Line = formatLine;
            error.Field = name;
            error.Message = std::string("a second field for ") + std::to_string(*nm) + " nm (the first is " +
                            names[columns[index]] + ")";
            return false;
        }
        columns[index] = f;
    }
    for (int i = 0; i < SpectrumSize; ++i) {
        if (columns[i] < 0) {
            error.Line = formatLine;
            error.Message = "no field for " + std::to_string(380 + 10 * i) +
                            " nm: the spectra must cover 380 to 730 nm in 10 nm steps (SPECTRAL_380 ... SPECTRAL_730)";
            return false;
        }
    }
    if (idColumn < 0) idColumn = nameColumn;

    std::optional<double> norm;
    const char* normText = cmsIT8GetProperty(it8.get(), "SPECTRAL_NORM");
    if (!normText && spectralTable != 0) {
        cmsIT8SetTable(it8.get(), 0);
        normText = cmsIT8GetProperty(it8.get(), "SPECTRAL_NORM");
        cmsIT8SetTable(it8.get(), spectralTable);
    }
    if (normText) {
        norm = ParseNumber(Unquoted(normText));
        if (!norm || *norm <= 0.0) {
            error.Line = LineOfKeyword(text, "SPECTRAL_NORM");
            error.Message = std::string("keyword SPECTRAL_NORM: \"") + normText +
                            "\" is not a positive number (the value that stands for 100 %)";
            return false;
        }
    }

    const double setsProperty = cmsIT8GetPropertyDbl(it8.get(), "NUMBER_OF_SETS");
    const int rows = setsProperty > 0 && setsProperty < 1e8 ? static_cast<int>(setsProperty) : 0;
    // Line numbers from the tokens, when they line up with what the parser read.
    const bool tokensMatch = table && static_cast<long long>(table->Data.size()) ==
                                          static_cast<long long>(rows) * static_cast<long long>(fieldCount);
    auto tokenAt = [&](int row, int col) -> const TToken* {
        if (!tokensMatch) return nullptr;
        return &table->Data[static_cast<std::size_t>(row) * fieldCount + col];
    };

    std::vector<TRawSample> samples;
    samples.reserve(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        TRawSample sample;
        const TToken* first = tokenAt(r, 0);
        sample.Line = first ? first->Line : (table ? table->DataLine : 0);
        const char* id = idColumn >= 0 ? cmsIT8GetDataRowCol(it8.get(), r, idColumn) : nullptr;
        sample.Id = id && *id ? Unquoted(id) : std::to_string(r + 1);
        for (int i = 0; i < SpectrumSize; ++i) {
            const char* value = cmsIT8GetDataRowCol(it8.get(), r, columns[i]);
            const auto number = value ? ParseNumber(value) : std::nullopt;
            if (!number) {
                const TToken* token = tokenAt(r, columns[i]);
                error.Line = token ? token->Line : sample.Line;
                error.Field = names[columns[i]];
                const std::string shown = token ? std::string(token->Text) : std::string(value ? value : "");
                error.Message = "sample " + sample.Id + ": \"" + shown + "\" is not a number";
                return false;
            }
            sample.Values[i] = *number;
        }
        samples.push_back(std::move(sample));
    }
    return FinishSamples(path, samples, scale, norm, file, error);
}

}  // namespace spec2cie
