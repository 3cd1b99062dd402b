// Call log of the simulated instrument.
#include "CallLog.h"

namespace Sim {

void TCallLog::Add(const char* entryPoint, const std::string& detail)
{
    std::string line = entryPoint;
    if (!detail.empty())
        line += " " + detail;
    Lines.push_back(std::move(line));
    if (Lines.size() > MaxLines)
        Lines.pop_front();
    ++Counts[entryPoint];
    JoinedValid = false;
}

void TCallLog::Clear()
{
    Lines.clear();
    Counts.clear();
    Joined.clear();
    JoinedValid = true;
}

const std::string& TCallLog::Text()
{
    if (!JoinedValid) {
        Joined.clear();
        for (const std::string& line : Lines)
            Joined += line + '\n';
        JoinedValid = true;
    }
    return Joined;
}

int TCallLog::Count(const std::string& entryPoint) const
{
    const auto it = Counts.find(entryPoint);
    return it == Counts.end() ? 0 : it->second;
}

TCallLog& CallLog()
{
    static TCallLog log;
    return log;
}

}
