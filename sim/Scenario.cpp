// Scenario file of the simulated instrument (stub until the runner lands).
#include "Scenario.h"

namespace Sim {
namespace {
TScenarioState state = TScenarioState::None;
std::string message;
}

void ScenarioTick() {}
bool StartScenario(const std::string&) { return false; }
bool StartScenarioText(const std::string&, const std::string&) { return false; }
void StopScenario() { state = TScenarioState::None; }
TScenarioState ScenarioState() { return state; }
const std::string& ScenarioMessage() { return message; }
int ScenarioStepsDone() { return 0; }

}
