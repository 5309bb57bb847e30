#pragma once
// A plain modal form that stands in for an editor that is not built yet: the editor's caption and
// client size, the settings file it was given, OK and "キャンセル"; placed as the editor would
// be. Lets the program's start, its command line and its exit be used and tested end to end.
#include <string>
#include <string_view>

// Shows the stand-in; true when it was closed with OK.
bool ShowEditorStandIn(std::string_view caption, int clientWidth, int clientHeight, int x, int y,
                       bool centre, const std::string& settingsPath);
