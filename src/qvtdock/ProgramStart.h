#pragma once
// The launcher program from its entry to its end: one instance at a time, marked by a named
// mutex; the application's title; the hidden main form; the message loop.
#include <string_view>

// Creates the named mutex (not owned, default security). True, with the handle closed again,
// when it could not be made or existed already (another instance runs); otherwise false, and the
// handle stays open for the rest of the process.
bool IsAlreadyRunning(std::string_view name);

// The program: a second instance ends at once, silently; otherwise the main form is made (it
// stays hidden) and the loop runs until the form closes or start-up ended. Errors escaping the
// main form's creation reach the caller. Returns the exit code, always 0.
int RunLauncher();
