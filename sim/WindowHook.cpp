// Loads the window module beside the library on the first entry-point call
// when KELVORA_SIM_WINDOW asks for it. The module is a separate file so that
// the library itself stays free of Qt and loads anywhere.
#include "WindowHook.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace Sim {
namespace {

bool WindowAsked()
{
    const char* value = std::getenv("KELVORA_SIM_WINDOW");
    return value && *value && std::strcmp(value, "0") != 0;
}

using TOpenWindow = void (*)(void);
constexpr const char* OpenWindowSymbol = "KelvoraSimWindowOpen";

#if defined(_WIN32)
void LoadAndOpen()
{
    HMODULE module = LoadLibraryA("kelvora-sim-window.dll");
    auto open = module ? reinterpret_cast<TOpenWindow>(GetProcAddress(module, OpenWindowSymbol)) : nullptr;
    if (!open) {
        std::fprintf(stderr, "kelvora-sim: cannot load kelvora-sim-window.dll; no instrument window\n");
        return;
    }
    open();
}
#else
// The folder this library was loaded from.
std::string OwnFolder()
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&OpenWindowOnce), &info) || !info.dli_fname)
        return ".";
    const std::string path = info.dli_fname;
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

void LoadAndOpen()
{
    const std::string path = OwnFolder() + "/libkelvora-sim-window.so";
    // Never closed: the window lives as long as the process.
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        std::fprintf(stderr, "kelvora-sim: cannot load %s (%s); no instrument window\n", path.c_str(), dlerror());
        return;
    }
    auto open = reinterpret_cast<TOpenWindow>(dlsym(module, OpenWindowSymbol));
    if (!open) {
        std::fprintf(stderr, "kelvora-sim: %s has no %s; no instrument window\n", path.c_str(), OpenWindowSymbol);
        return;
    }
    open();
}
#endif

}

void OpenWindowOnce()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    if (WindowAsked())
        LoadAndOpen();
}

}
