// The launcher's entry.
#include "forms/win/Application.h"
#include "qvtdock/ProgramStart.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        return RunLauncher();
    } catch (...) {
        // An error that escaped the main form's creation: shown once; the program ends quietly.
        forms::Application.HandleException(std::current_exception());
        return 0;
    }
}
