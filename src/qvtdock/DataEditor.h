#pragma once
// Where the launcher expects the data editor: the one place the menu, the editor's command line
// and the About box take it from.
#include "shared/Settings.h"

#include <string>

// The setting's folder with a trailing delimiter + "zvledit.exe".
std::string DataEditorFile(const TAppCfg& cfg);
