#include "qvtdock/DataEditor.h"

#include "forms/base/Paths.h"

std::string DataEditorFile(const TAppCfg& cfg, std::string_view programPath) {
    const std::string folder =
        cfg.DataEditorPath.empty() ? LauncherFolderOf(programPath) : cfg.DataEditorPath;
    return forms::IncludeTrailingBackslash(folder) + "zvledit.exe";
}
