// Options of the calculator and the run from file to finished output.
#include "Spec2Cie.h"

#include <cctype>

#include "Spectra/Spectra.h"

namespace spec2cie {

namespace {

constexpr const char* ProgramName = "kelvora-spec2cie";

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

template <int Count>
std::string Choices(const char* const (&names)[Count]) {
    std::string s;
    for (int i = 0; i < Count; ++i) s += (i ? ", " : "") + std::string(names[i]);
    return s;
}

}  // namespace

std::optional<TColorSpace> ColorSpaceByName(std::string_view name) {
    for (int i = 0; i < ColorSpaceCount; ++i)
        if (EqualNoCase(name, ColorSpaceNames[i])) return static_cast<TColorSpace>(i);
    if (EqualNoCase(name, "CMC11") || EqualNoCase(name, "CMC1:1")) return TColorSpace::CMC11;
    if (EqualNoCase(name, "CMC21") || EqualNoCase(name, "CMC2:1")) return TColorSpace::CMC21;
    if (EqualNoCase(name, "DE2000") || EqualNoCase(name, "dE00")) return TColorSpace::CIEDE2000;
    return std::nullopt;
}

std::optional<TIlluminant> IlluminantByName(std::string_view name) {
    for (int i = 0; i < IlluminantCount; ++i)
        if (EqualNoCase(name, IlluminantNames[i])) return static_cast<TIlluminant>(i);
    return std::nullopt;
}

std::optional<TObserver> ObserverByName(std::string_view name) {
    for (int i = 0; i < ObserverCount; ++i)
        if (EqualNoCase(name, ObserverNames[i])) return static_cast<TObserver>(i);
    if (name == "2" || EqualNoCase(name, "Obs2") || EqualNoCase(name, "2deg")) return TObserver::Obs2;
    if (name == "10" || EqualNoCase(name, "Obs10") || EqualNoCase(name, "10deg")) return TObserver::Obs10;
    return std::nullopt;
}

std::string UsageText() {
    return std::string("Usage: ") + ProgramName + " [options] FILE\n"
           "Computes CIE colour values, colour differences and the metamerism index of the\n"
           "reflectance spectra (380 to 730 nm, 10 nm steps) in FILE, the way Kelvora does.\n"
           "FILE is a CGATS measurement file, or a plain CSV file (name ending in .csv) with\n"
           "36 values a row, optionally after a name column.\n\n"
           "Options:\n"
           "  --space NAME                  " + Choices(ColorSpaceNames) + " (default CIELAB)\n"
           "  --illuminant NAME             " + Choices(IlluminantNames) + " (default D50)\n"
           "  --observer NAME               2 or 10 (2\u00B0, 10\u00B0; default 2)\n"
           "  --reference N                 sample number N (from 1) is the reference (default 1)\n"
           "  --metamerism-illuminant NAME  illuminant compared with D50 for the metamerism\n"
           "                                index, both 2\u00B0 (default A)\n"
           "  --format table|csv|json       output format (default table)\n"
           "  --scale auto|percent|factor   how the file's values are scaled (default auto:\n"
           "                                SPECTRAL_NORM if the file has it, otherwise percent\n"
           "                                when any value is above 1.5, else factors)\n"
           "  --help                        this text\n\n"
           "Exit codes: 0 done, 1 the file cannot be used, 2 wrong options, 3 output not written.\n";
}

bool ParseCommandLine(const std::vector<std::string>& args, TCommandLine& line, std::string& message) {
    line = TCommandLine{};
    bool pathSeen = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::string value;
        bool hasValue = false;
        if (arg.rfind("--", 0) == 0) {
            const auto eq = arg.find('=');
            if (eq != std::string::npos) {
                value = arg.substr(eq + 1);
                arg = arg.substr(0, eq);
                hasValue = true;
            }
        }
        auto takeValue = [&]() -> bool {
            if (hasValue) return true;
            if (i + 1 >= args.size()) {
                message = "option " + arg + " needs a value";
                return false;
            }
            value = args[++i];
            return true;
        };
        if (arg == "--help" || arg == "-h") {
            line.Help = true;
        } else if (arg == "--space") {
            if (!takeValue()) return false;
            const auto s = ColorSpaceByName(value);
            if (!s) {
                message = "unknown colour space \"" + value + "\" (choose one of " + Choices(ColorSpaceNames) + ")";
                return false;
            }
            line.Conditions.Space = *s;
        } else if (arg == "--illuminant" || arg == "--metamerism-illuminant") {
            if (!takeValue()) return false;
            const auto il = IlluminantByName(value);
            if (!il) {
                message = "unknown illuminant \"" + value + "\" for " + arg + " (choose one of " +
                          Choices(IlluminantNames) + ")";
                return false;
            }
            (arg == "--illuminant" ? line.Conditions.Illuminant : line.Conditions.MetamerismIlluminant) = *il;
        } else if (arg == "--observer") {
            if (!takeValue()) return false;
            const auto ob = ObserverByName(value);
            if (!ob) {
                message = "unknown observer \"" + value + "\" (choose 2 or 10)";
                return false;
            }
            line.Conditions.Observer = *ob;
        } else if (arg == "--reference") {
            if (!takeValue()) return false;
            const auto n = ParseNumber(value);
            if (!n || *n < 1 || *n != static_cast<double>(static_cast<long long>(*n)) || *n > 1e9) {
                message = "--reference needs a sample number from 1 on, not \"" + value + "\"";
                return false;
            }
            line.Conditions.Reference = static_cast<int>(*n);
        } else if (arg == "--format") {
            if (!takeValue()) return false;
            if (EqualNoCase(value, "table")) line.Format = TFormat::Table;
            else if (EqualNoCase(value, "csv")) line.Format = TFormat::Csv;
            else if (EqualNoCase(value, "json")) line.Format = TFormat::Json;
            else {
                message = "unknown format \"" + value + "\" (choose table, csv or json)";
                return false;
            }
        } else if (arg == "--scale") {
            if (!takeValue()) return false;
            if (EqualNoCase(value, "auto")) line.Scale = TScale::Auto;
            else if (EqualNoCase(value, "percent")) line.Scale = TScale::Percent;
            else if (EqualNoCase(value, "factor")) line.Scale = TScale::Factor;
            else {
                message = "unknown scale \"" + value + "\" (choose auto, percent or factor)";
                return false;
            }
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "--") {
            message = "unknown option " + arg;
            return false;
        } else {
            if (arg == "--") {
                if (i + 1 >= args.size()) break;
                arg = args[++i];
            }
            if (pathSeen) {
                message = "only one FILE can be given (also got \"" + arg + "\")";
                return false;
            }
            line.Path = arg;
            pathSeen = true;
        }
    }
    if (!line.Help && !pathSeen) {
        message = "no FILE given";
        return false;
    }
    return true;
}

int RunSpec2Cie(const std::vector<std::string>& args, std::string& out, std::string& err) {
    out.clear();
    err.clear();
    TCommandLine line;
    std::string message;
    if (!ParseCommandLine(args, line, message)) {
        err = std::string(ProgramName) + ": " + message + "\nTry '" + ProgramName + " --help'.\n";
        return ExitUsage;
    }
    if (line.Help) {
        out = UsageText();
        return ExitOk;
    }
    TSpectralFile file;
    TInputError error;
    if (!ReadSpectralFile(line.Path, line.Scale, file, error)) {
        err = std::string(ProgramName) + ": " + error.Text() + "\n";
        return ExitBadInput;
    }
    const int count = static_cast<int>(file.Samples.size());
    if (line.Conditions.Reference > count) {
        err = std::string(ProgramName) + ": --reference " + std::to_string(line.Conditions.Reference) + ": " +
              line.Path + " has " + std::to_string(count) + (count == 1 ? " sample" : " samples") + "\n";
        return ExitUsage;
    }
    const std::vector<TSampleResult> results = Calculate(file.Samples, line.Conditions);
    out = FormatReport(file, line.Conditions, results, line.Format);
    return ExitOk;
}

}  // namespace spec2cie
