// The configuration program's entry.
#include "forms/win/Application.h"
#include "qvtcfg/ProgramStart.h"
#include "qvtcfg/SwitchModes.h"
#include "qvtcfg/SystemCfgEnvironment.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    TSystemCfgEnvironment environment;
    try {
        return RunConfigProgram(environment);
    } catch (...) {
        // An error that escaped the program's own start: shown once, and the code says so.
        forms::Application.HandleException(std::current_exception());
        return kExitAfterError;
    }
}
