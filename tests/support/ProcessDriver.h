#pragma once
// Drives another program from outside, as a person, the shell or the system would: starts it with
// an exact command line, environment and current folder, finds its top-level windows (hidden ones
// too), posts WM_CLOSE or ends the session, and waits for its exit code. A program that does not
// end in time is killed, so a test fails instead of hanging. Its boxes and menus are read and
// answered with the helpers of GuiTest.h (ReadMessageDialog, AnswerDialog, DriveMenu), which work
// across processes.
// Paths and texts are code-page-932 strings.
#ifdef _WIN32
#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kbtest {

// How the program is started.
struct ProcessOptions {
    std::string program; // the file that runs
    // The command line exactly as the program reads it; empty: the program's path in quotes.
    std::string commandLine;
    std::string currentDir; // empty: ours
    // Changes to our environment, in order: a value sets the variable, none removes it. Names are
    // matched without letter case, as the system does.
    std::vector<std::pair<std::string, std::optional<std::string>>> environment;
    bool emptyEnvironment = false; // start from no variables at all instead of ours
};

// The exit code that a program killed by the driver gets.
constexpr DWORD kKilledExitCode = 0xDEAD;

class ProcessDriver {
public:
    // Starts the program; throws std::runtime_error (naming the system's error) when it cannot.
    explicit ProcessDriver(const ProcessOptions& options);
    // Kills the program when it still runs.
    ~ProcessDriver();
    ProcessDriver(const ProcessDriver&) = delete;
    ProcessDriver& operator=(const ProcessDriver&) = delete;

    [[nodiscard]] DWORD Id() const { return id_; }
    [[nodiscard]] HANDLE Handle() const { return process_; }
    [[nodiscard]] bool Running() const;

    // Waits until the program first waits in its message loop with nothing to do
    // (WaitForInputIdle); false when the time is up, or it ended first.
    bool WaitForIdle(int timeoutMs = 10000);

    // Its top-level windows, visible or not, in z-order; with a class name, only those.
    [[nodiscard]] std::vector<HWND> Windows(const std::wstring& className = L"") const;
    // The first of them with the class name (and the text, when given), or null.
    [[nodiscard]] HWND FirstWindow(const std::wstring& className,
                                   const std::string& text = "") const;
    // Waits for such a window (a visible one when visibleOnly) that is not in except; null when
    // the time is up or the program ended.
    HWND WaitForWindow(const std::wstring& className, int timeoutMs = 10000,
                       bool visibleOnly = false, const std::vector<HWND>& except = {});
    // Waits until the window is gone (or no longer visible when onlyHidden).
    static bool WaitWindowGone(HWND window, int timeoutMs = 10000, bool onlyHidden = false);

    // Posts WM_CLOSE to the window; false when it does not exist.
    static bool PostClose(HWND window);
    // The session's end as the system puts it to a window, at logoff: the question
    // (WM_QUERYENDSESSION), whose answer is returned (false also when none came in time), and the
    // end itself (WM_ENDSESSION, ending true) or its cancellation.
    static bool QueryEndSession(HWND window, int timeoutMs = 10000);
    static void EndSession(HWND window, bool ending, int timeoutMs = 10000);

    // Waits for the end and returns the exit code; when the time is up the program is killed
    // (Killed() then holds) and the result is none.
    std::optional<DWORD> WaitForExit(int timeoutMs = 10000);
    [[nodiscard]] bool Killed() const { return killed_; }
    // Ends the program at once with kKilledExitCode.
    void Kill();

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
    bool killed_ = false;
};

// The environment block for CreateProcessW: ours (or none) with the changes applied, sorted by
// name without letter case, each entry "NAME=value", ending in an empty entry.
std::wstring EnvironmentBlock(const ProcessOptions& options);

} // namespace kbtest
#endif
