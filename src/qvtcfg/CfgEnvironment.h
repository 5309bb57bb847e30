#pragma once
// What the configuration program takes from the machine it runs on: its command line and its own
// path, full paths and file existence, the two editors and the messages it shows. The program
// uses the system's (SystemCfgEnvironment.h); tests replace any part.
#include <exception>
#include <string>
#include <string_view>
#include <vector>

class TCfgEnvironment {
public:
    virtual ~TCfgEnvironment() = default;

    // The command line as the system passed it (forms::CommandLine: a NUL byte for each
    // character code page 932 cannot hold).
    virtual std::string CommandLine() = 0;
    // The program file's path as the system gives it, then its long form when that differs.
    virtual std::vector<std::string> ProgramPaths() = 0;
    // path made full against the current folder; "" when it cannot be (or the result is not
    // code page 932 text).
    virtual std::string FullPath(const std::string& path) = 0;
    // An existing file (not a folder).
    virtual bool FileExists(const std::string& path) = 0;

    // The settings and the style editor: (x, y) is the editor's top-left corner unless centre;
    // true when the user closed it with OK. Errors of loading or saving the settings file come
    // out as exceptions.
    virtual bool ShowCfgForm(int x, int y, bool centre, const std::string& settingsPath) = 0;
    virtual bool ShowStyleForm(int x, int y, bool centre, const std::string& settingsPath) = 0;

    // An error message with OK alone, titled, at (x, y) (ShowTitledMessage: a coordinate of 0
    // is the pointer's minus 16, both negative centre it).
    virtual void TellError(std::string_view message, std::string_view title, int x, int y) = 0;
    // The error box of an error that escaped an editor in a switch mode.
    virtual void ShowError(std::exception_ptr error) = 0;
};
