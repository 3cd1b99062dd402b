// The wall clock of the simulated instrument in milliseconds. Tests may move
// it forward so that timed steps (a held button, a scenario wait) pass
// without really waiting.
#ifndef KELVORA_SIM_CLOCK_H
#define KELVORA_SIM_CLOCK_H

#include <cstdint>

namespace Sim {

std::int64_t NowMs();
void AdvanceClock(std::int64_t ms);

}

#endif
