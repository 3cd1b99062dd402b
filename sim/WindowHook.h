// Opens the simulated instrument's window (sim/window) when the environment
// asks for it: KELVORA_SIM_WINDOW set to anything but "" or "0".
#ifndef KELVORA_SIM_WINDOW_HOOK_H
#define KELVORA_SIM_WINDOW_HOOK_H

namespace Sim {

// Called on every entry-point call; acts once, on the first. Loads the window
// module that lies beside this library and hands it the call; the module
// opens the window on the application's thread when the process has a
// QApplication, and says why not otherwise. Without the variable nothing
// happens, so the library stays the plain stand-in.
void OpenWindowOnce();

}

#endif
