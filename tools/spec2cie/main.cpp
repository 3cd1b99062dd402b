// kelvora-spec2cie: Kelvora's colour engine on the command line. The whole
// output is built first and written in one piece, and only on success.
#include <cstdio>
#include <string>
#include <vector>

#include "Spec2Cie.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string out, err;
    const int code = spec2cie::RunSpec2Cie(args, out, err);
    if (!err.empty()) std::fputs(err.c_str(), stderr);
    if (code != spec2cie::ExitOk) return code;
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) {
        std::fputs("kelvora-spec2cie: cannot write the output\n", stderr);
        return spec2cie::ExitWriteFailed;
    }
    return spec2cie::ExitOk;
}
