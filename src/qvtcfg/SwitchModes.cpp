#include "qvtcfg/SwitchModes.h"

#include "qvtcfg/SettingsFileChoice.h"

namespace {
int RunEditor(TCfgEnvironment& environment, const TCfgCommandLine& parsed, TCfgMode mode) {
    const std::optional<std::string> file =
        SwitchModeSettingsFile(parsed.SettingsPath, environment);
    if (!file) {
        environment.TellError(kFileNotFoundMessage, kFileErrorTitle, -1, -1);
        return kExitOk;
    }
    const int x = SaturatedAdd(parsed.X, kEditorOffset);
    const int y = SaturatedAdd(parsed.Y, kEditorOffset);
    try {
        if (mode == TCfgMode::Cfg)
            environment.ShowCfgForm(x, y, parsed.NoPos, *file);
        else
            environment.ShowStyleForm(x, y, parsed.NoPos, *file);
    } catch (...) {
        environment.ShowError(std::current_exception());
        return kExitAfterError;
    }
    return kExitOk;
}
} // namespace

int RunCfgMode(TCfgEnvironment& environment, const TCfgCommandLine& parsed) {
    return RunEditor(environment, parsed, TCfgMode::Cfg);
}

int RunStyleMode(TCfgEnvironment& environment, const TCfgCommandLine& parsed) {
    return RunEditor(environment, parsed, TCfgMode::Style);
}
