#include "qvtdock/DataEditor.h"

#include "forms/base/Paths.h"

std::string DataEditorFile(const TAppCfg& cfg) {
    return forms::IncludeTrailingBackslash(cfg.DataEditorPath) + "zvledit.exe";
}
