#pragma once
// The configuration program's environment on the running system: GetCommandLineW,
// GetModuleFileNameW and its long form, GetFullPathNameW, the real editors, ShowTitledMessage and
// the application's error box.
#include "qvtcfg/CfgEnvironment.h"

class TSystemCfgEnvironment : public TCfgEnvironment {
public:
    std::string CommandLine() override;
    std::vector<std::string> ProgramPaths() override;
    std::string FullPath(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    bool ShowCfgForm(int x, int y, bool centre, const std::string& settingsPath) override;
    bool ShowStyleForm(int x, int y, bool centre, const std::string& settingsPath) override;
    void TellError(std::string_view message, std::string_view title, int x, int y) override;
    void ShowError(std::exception_ptr error) override;
};
