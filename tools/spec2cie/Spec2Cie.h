// The whole calculator as a function: arguments in, the complete output and
// error texts out, and the exit code. Nothing is printed here, so a failure
// never leaves half an output behind.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Calculator.h"
#include "Report.h"
#include "SpectralInput.h"

namespace spec2cie {

enum TExitCode : int {
    ExitOk = 0,
    ExitBadInput = 1,   // the measurement file cannot be used
    ExitUsage = 2,      // wrong options
    ExitWriteFailed = 3,
};

struct TCommandLine {
    TConditions Conditions;
    TFormat Format = TFormat::Table;
    TScale Scale = TScale::Auto;
    std::string Path;
    bool Help = false;
};

// Parses the options (argv without the program name). False with a message on error.
bool ParseCommandLine(const std::vector<std::string>& args, TCommandLine& line, std::string& message);

// Case-insensitive lookups of the display names ("CIELab94", "CMC(1:1)", "D65",
// "10°"); the enumeration names (CMC11, Obs10) and "2"/"10" are accepted too.
std::optional<TColorSpace> ColorSpaceByName(std::string_view name);
std::optional<TIlluminant> IlluminantByName(std::string_view name);
std::optional<TObserver> ObserverByName(std::string_view name);

std::string UsageText();

int RunSpec2Cie(const std::vector<std::string>& args, std::string& out, std::string& err);

}  // namespace spec2cie
