// Monotonic milliseconds plus the offset tests have added.
#include "SimClock.h"

#include <chrono>

namespace Sim {
namespace {
std::int64_t offsetMs = 0;
}

std::int64_t NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count() + offsetMs;
}

void AdvanceClock(std::int64_t ms)
{
    if (ms > 0)
        offsetMs += ms;
}

}
