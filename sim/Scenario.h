// The scenario file: a plain-text list of steps that drives the simulated
// instrument through a whole session of the program (see README.md). The
// library has no thread of its own: the steps advance whenever the program
// calls an entry point.
#ifndef KELVORA_SIM_SCENARIO_H
#define KELVORA_SIM_SCENARIO_H

#include <string>

namespace Sim {

enum class TScenarioState { None = 0, Running = 1, Finished = 2, Failed = -1 };

// Starts the file named by KELVORA_SIM_SCENARIO once, on the first entry-point
// call after loading, then runs every step that is due.
void ScenarioTick();

// Reads and starts a scenario file; on an error writes one message to
// standard error, keeps it for ScenarioMessage and runs nothing.
bool StartScenario(const std::string& path);
// Parses scenario text (the name is used in messages only).
bool StartScenarioText(const std::string& text, const std::string& name);
void StopScenario();
TScenarioState ScenarioState();
const std::string& ScenarioMessage();
int ScenarioStepsDone();

}

#endif
