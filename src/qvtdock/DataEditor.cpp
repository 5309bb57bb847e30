#include "qvtdock/DataEditor.h"

#include "forms/base/Paths.h"

std::string DataEditorFile(const TAppCfg& cfg, std::string_view programPath) {
    if (cfg.DataEditorPath.empty())
        return LauncherFolderOf(programPath) + "zvledit.exe";
    return forms::IncludeTrailingBackslash(cfg.DataEditorPath) + "zvledit.exe";
}
