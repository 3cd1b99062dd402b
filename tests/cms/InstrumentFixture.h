// The simulated instrument for the colour management tests: one control
// object for the whole run, and the program's binding loaded beside it.
#pragma once

#include "EyeOne.h"
#include "SimControl.h"

#include <gtest/gtest.h>

#include <exception>
#include <memory>

namespace cmstest {

// Fails the calling test (never skips it) when the stand-in is missing.
inline TSimControl* LoadSimulator()
{
    static std::unique_ptr<TSimControl> sim;
    if (!sim) {
        try {
            sim = std::make_unique<TSimControl>();
        } catch (const std::exception& e) {
            ADD_FAILURE() << e.what();
            return nullptr;
        }
    }
    if (!EyeOne::LoadInstrumentLibrary()) {
        ADD_FAILURE() << "the program cannot load the simulated instrument";
        return nullptr;
    }
    sim->Reset();
    return sim.get();
}

}  // namespace cmstest
