// The log of entry-point calls the simulated instrument keeps for tests: one
// line per call, and a count per entry point.
#ifndef KELVORA_SIM_CALL_LOG_H
#define KELVORA_SIM_CALL_LOG_H

#include <deque>
#include <map>
#include <string>

namespace Sim {

class TCallLog {
public:
    // The program polls the button ten times a second: keep only the newest
    // lines so that a long session does not grow without end.
    static constexpr std::size_t MaxLines = 20000;

    void Add(const char* entryPoint, const std::string& detail = std::string());
    void Clear();
    const std::string& Text();          // lines joined by '\n', each ending in '\n'
    int Count(const std::string& entryPoint) const;

private:
    std::deque<std::string> Lines;
    std::map<std::string, int> Counts;
    std::string Joined;
    bool JoinedValid = true;
};

TCallLog& CallLog();

}

#endif
