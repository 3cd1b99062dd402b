// Formatting of the calculator's results.
#include "Report.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "Spectra/Spectra.h"

namespace spec2cie {

namespace {

const char* NameOf(TColorSpace s) { return ColorSpaceNames[static_cast<int>(s)]; }
const char* NameOf(TIlluminant i) { return IlluminantNames[static_cast<int>(i)]; }
const char* NameOf(TObserver o) { return ObserverNames[static_cast<int>(o)]; }

// "L* :" -> "L*", "dE (1:1) :" -> "dE (1:1)", "h°:" -> "h°".
std::string Caption(const char* caption) {
    std::string s = caption;
    while (!s.empty() && (s.back() == ' ' || s.back() == ':')) s.pop_back();
    return s;
}

struct TColumns {
    std::string Coord[5];  // empty: the pages leave this coordinate blank
    std::string Delta[6];
    int Decimals = 2;
};

TColumns ColumnsOf(TColorSpace space) {
    const TSpaceLabels& l = SpaceLabels[static_cast<int>(space)];
    TColumns c;
    for (int i = 0; i < 5; ++i) c.Coord[i] = Caption(l.Coord[i]);
    for (int i = 0; i < 6; ++i) c.Delta[i] = Caption(l.Delta[i]);
    c.Decimals = l.Decimals;
    return c;
}

bool TristimulusSpace(TColorSpace s) { return s == TColorSpace::CIEXYZ || s == TColorSpace::CIExyY; }

std::string Fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string s = buffer;
    // A value that rounds to zero is shown without a sign.
    if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

std::string ConditionsLine(const TConditions& c) {
    return std::string(NameOf(c.Space)) + "\\" + NameOf(c.Illuminant) + "\\" + NameOf(c.Observer);
}

std::string FormatTable(const TSpectralFile& file, const TConditions& c, const std::vector<TSampleResult>& results) {
    const TColumns cols = ColumnsOf(c.Space);
    const bool tri = TristimulusSpace(c.Space);
    std::vector<std::string> header = {"#", "id", "X", "Y", "Z", "x", "y"};
    std::vector<int> coordIndex, deltaIndex;
    for (int i = 0; i < 5; ++i)
        if (!cols.Coord[i].empty()) {
            header.push_back(cols.Coord[i]);
            coordIndex.push_back(i);
        }
    for (int i = 0; i < 6; ++i)
        if (!cols.Delta[i].empty()) {
            header.push_back(cols.Delta[i]);
            deltaIndex.push_back(i);
        }
    header.push_back("MI");

    std::vector<std::vector<std::string>> rows;
    for (const auto& r : results) {
        std::vector<std::string> row = {std::to_string(r.Number) + (r.IsReference ? "*" : ""), r.Id,
                                        Fixed(r.X, 2), Fixed(r.Y, 2), Fixed(r.Z, 2), Fixed(r.SmallX, 4),
                                        Fixed(r.SmallY, 4)};
        for (int i : coordIndex) row.push_back(Fixed(r.Coord[i], i < 2 ? cols.Decimals : 2));
        for (int i : deltaIndex) row.push_back(Fixed(r.Delta[i], (tri && i < 2) ? cols.Decimals : 2));
        row.push_back(Fixed(r.Metamerism, 2));
        rows.push_back(std::move(row));
    }

    // Width of a column in characters (UTF-8: continuation bytes do not count).
    auto width = [](const std::string& s) {
        std::size_t n = 0;
        for (unsigned char ch : s)
            if ((ch & 0xC0) != 0x80) ++n;
        return n;
    };
    std::vector<std::size_t> widths(header.size());
    for (std::size_t i = 0; i < header.size(); ++i) widths[i] = width(header[i]);
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], width(row[i]));

    auto pad = [&](const std::string& s, std::size_t w, bool left) {
        const std::string fill(w - std::min(w, width(s)), ' ');
        return left ? s + fill : fill + s;
    };
    auto line = [&](const std::vector<std::string>& cells) {
        std::string text;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i) text += "  ";
            text += pad(cells[i], widths[i], i == 1);
        }
        while (!text.empty() && text.back() == ' ') text.pop_back();
        return text + "\n";
    };

    std::string out;
    out += "File:        " + file.Path + " (" + file.Format + ", " + std::to_string(results.size()) +
           (results.size() == 1 ? " sample" : " samples") + "; " + file.ScaleNote + ")\n";
    out += "Conditions:  " + ConditionsLine(c) + "\n";
    const TSampleResult* ref = nullptr;
    for (const auto& r : results)
        if (r.IsReference) ref = &r;
    out += "Reference:   sample " + std::to_string(c.Reference) + (ref ? " (" + ref->Id + ")" : "") + ", marked *\n";
    out += "Metamerism:  MI, D50 2\u00B0 against " + std::string(NameOf(c.MetamerismIlluminant)) + " 2\u00B0\n";
    if (tri) out += "Differences: of the coordinates, and dE = CIELAB Delta E*ab\n";
    out += "\n";
    out += line(header);
    for (const auto& row : rows) out += line(row);
    return out;
}

std::string CsvHeader(const TConditions& c) {
    const TColumns cols = ColumnsOf(c.Space);
    const std::string space = NameOf(c.Space);
    std::string h = "sample,id,reference,X,Y,Z,x,y";
    for (int i = 0; i < 5; ++i) {
        h += ',';
        h += CsvCell(space + '.' + (cols.Coord[i].empty() ? 'c' + std::to_string(i + 1) : cols.Coord[i]));
    }
    for (int i = 0; i < 6; ++i) {
        h += ',';
        h += CsvCell(cols.Delta[i].empty() ? 'd' + std::to_string(i + 1) : cols.Delta[i]);
    }
    h += ",MI\n";
    return h;
}

std::string FormatCsv(const TConditions& c, const std::vector<TSampleResult>& results) {
    const TColumns cols = ColumnsOf(c.Space);
    std::string out = CsvHeader(c);
    out.reserve(out.size() + results.size() * 320);
    for (const auto& r : results) {
        out += std::to_string(r.Number);
        out += ',';
        out += CsvCell(r.Id);
        out += r.IsReference ? ",1" : ",0";
        for (double v : {r.X, r.Y, r.Z, r.SmallX, r.SmallY}) {
            out += ',';
            out += NumberText(v);
        }
        for (int i = 0; i < 5; ++i) {
            out += ',';
            if (!cols.Coord[i].empty()) out += NumberText(r.Coord[i]);
        }
        for (int i = 0; i < 6; ++i) {
            out += ',';
            if (!cols.Delta[i].empty()) out += NumberText(r.Delta[i]);
        }
        out += ',';
        out += NumberText(r.Metamerism);
        out += '\n';
    }
    return out;
}

std::string JsonNumber(double v) {
    const std::string s = NumberText(v);
    return s.empty() ? "null" : s;
}

std::string FormatJson(const TConditions& c, const std::vector<TSampleResult>& results) {
    const TColumns cols = ColumnsOf(c.Space);
    std::string out;
    out.reserve(results.size() * 560);
    for (const auto& r : results) {
        out += "{\"sample\":" + std::to_string(r.Number) + ",\"id\":" + JsonString(r.Id) +
               ",\"reference\":" + (r.IsReference ? "true" : "false");
        out += ",\"space\":" + JsonString(NameOf(c.Space)) + ",\"illuminant\":" + JsonString(NameOf(c.Illuminant)) +
               ",\"observer\":" + JsonString(NameOf(c.Observer));
        out += ",\"X\":" + JsonNumber(r.X) + ",\"Y\":" + JsonNumber(r.Y) + ",\"Z\":" + JsonNumber(r.Z) +
               ",\"x\":" + JsonNumber(r.SmallX) + ",\"y\":" + JsonNumber(r.SmallY);
        out += ",\"coordinates\":{";
        for (int i = 0; i < 5; ++i) {
            if (i) out += ",";
            const std::string key = cols.Coord[i].empty() ? 'c' + std::to_string(i + 1) : cols.Coord[i];
            out += JsonString(key);
            out += ':';
            out += cols.Coord[i].empty() ? std::string("null") : JsonNumber(r.Coord[i]);
        }
        out += "},\"differences\":{";
        for (int i = 0; i < 6; ++i) {
            if (i) out += ",";
            const std::string key = cols.Delta[i].empty() ? 'd' + std::to_string(i + 1) : cols.Delta[i];
            out += JsonString(key);
            out += ':';
            out += cols.Delta[i].empty() ? std::string("null") : JsonNumber(r.Delta[i]);
        }
        out += "},\"metamerism_illuminant\":" + JsonString(NameOf(c.MetamerismIlluminant)) +
               ",\"metamerism_index\":" + JsonNumber(r.Metamerism) + "}\n";
    }
    return out;
}

// Length of the valid UTF-8 sequence starting at s[i], or 0.
std::size_t Utf8SequenceLength(const std::string& s, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    std::size_t n = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c <= 0xDF ? 2 : 0;
    if (n == 0 || i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k)
        if ((b(i + k) & 0xC0) != 0x80) return 0;
    if (n == 3 && c == 0xE0 && b(i + 1) < 0xA0) return 0;  // overlong
    if (n == 3 && c == 0xED && b(i + 1) >= 0xA0) return 0;  // surrogate
    if (n == 4 && c == 0xF0 && b(i + 1) < 0x90) return 0;   // overlong
    if (n == 4 && c == 0xF4 && b(i + 1) >= 0x90) return 0;  // beyond U+10FFFF
    return n;
}

}  // namespace

std::string NumberText(double value) {
    if (!std::isfinite(value)) return "";
    // Same text as printf's %.12g, several times faster on large batches.
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 12);
    return std::string(buffer, result.ptr);
}

std::string CsvCell(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string q = "\"";
    for (char c : text) {
        if (c == '"') q += '"';
        q += c;
    }
    return q + "\"";
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        char buffer[8];
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
            ++i;
        } else if (c < 0x20) {
            std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
            out += buffer;
            ++i;
        } else if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
        } else if (const std::size_t n = Utf8SequenceLength(text, i)) {
            out.append(text, i, n);
            i += n;
        } else {
            std::snprintf(buffer, sizeof buffer, "\\u%04x", c);  // a Latin-1 byte
            out += buffer;
            ++i;
        }
    }
    return out + "\"";
}

std::string FormatReport(const TSpectralFile& file, const TConditions& conditions,
                         const std::vector<TSampleResult>& results, TFormat format) {
    switch (format) {
        case TFormat::Csv:
            return FormatCsv(conditions, results);
        case TFormat::Json:
            return FormatJson(conditions, results);
        case TFormat::Table:
        default:
            return FormatTable(file, conditions, results);
    }
}

}  // namespace spec2cie
