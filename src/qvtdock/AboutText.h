#pragma once
// What the About box says: the launcher's name, version and notice, and the lines of its text
// panel (where the launcher, its settings, the data editor and the configuration program are,
// with their versions), built from version strings that the window code reads.
#include "shared/VersionInfo.h"

#include <optional>
#include <string>
#include <vector>

// Where the home page is; the About box's link opens it.
constexpr char kHomePage[] = "https://kbandeo.example.jp/";

// "Version " + the product version.
[[nodiscard]] std::string AboutVersionText(const TVersionStrings& info);

// A program's two lines: "[name : version] file name" and "インストール先：folder".
[[nodiscard]] std::vector<std::string> ProgramLines(const TVersionStrings& info);

// What the panel shows of the launcher (self), where its settings are (settingsFolder, with a
// trailing backslash) and of the data editor and the configuration program: their lines, or
// "[ZVLEDIT.EXE] インストールされていません" / "[QVTCFG.EXE] インストールされていません" for one
// that is not there; then a line of 40 "=".
[[nodiscard]] std::vector<std::string> AboutMemoLines(const TVersionStrings& self,
                                                      const std::string& settingsFolder,
                                                      const std::optional<TVersionStrings>& editor,
                                                      const std::optional<TVersionStrings>& cfg);
