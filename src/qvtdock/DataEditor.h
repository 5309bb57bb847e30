#pragma once
// Where the launcher expects the data editor: the one place the menu, the editor's command line
// and the About box take it from.
#include "shared/Settings.h"

#include <string>
#include <string_view>

// The setting's folder with a trailing delimiter + "zvledit.exe". An empty setting means its
// default, the folder of the launcher's file (programPath), never the drive's root.
std::string DataEditorFile(const TAppCfg& cfg, std::string_view programPath);
