#include "qvtcfg/SettingsFileChoice.h"

#include "forms/base/Paths.h"
#include "forms/base/StrUtils.h"

namespace {
// The full path of text when it has a file-name part.
std::optional<std::string> NamedFile(std::string_view text, TCfgEnvironment& environment) {
    if (text.empty())
        return std::nullopt;
    std::string full = environment.FullPath(std::string(text));
    if (full.empty() || forms::ExtractFileName(full).empty())
        return std::nullopt;
    return full;
}
} // namespace

std::optional<std::string> StartFormSettingsFile(std::string_view text,
                                                 TCfgEnvironment& environment) {
    std::optional<std::string> full = NamedFile(text, environment);
    if (!full || !environment.FileExists(*full))
        return std::nullopt;
    if (forms::UpperCase(forms::ExtractFileName(*full)) != kSettingsFileName)
        return std::nullopt;
    return full;
}

std::optional<std::string> SwitchModeSettingsFile(std::string_view argument,
                                                  TCfgEnvironment& environment) {
    return NamedFile(argument, environment);
}
