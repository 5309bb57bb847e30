#pragma once
// Which settings file an editor gets. A relative name is made a full path first, so that the
// file checked is the file edited, wherever the editor later looks.
#include "qvtcfg/CfgEnvironment.h"

#include <optional>
#include <string>
#include <string_view>

// The name the start form insists on, compared without letter case.
constexpr char kSettingsFileName[] = "QVTDOCK.INI";
// The refusal of a settings file.
constexpr char kFileNotFoundMessage[] = "設定ファイルが見つかりません。";
constexpr char kFileErrorTitle[] = "ファイルエラー";

// The start form's field: its full path, when that is an existing file named qvtdock.ini in any
// letter case; none for an empty field, a missing file or another name.
[[nodiscard]] std::optional<std::string> StartFormSettingsFile(std::string_view text,
                                                               TCfgEnvironment& environment);

// Argument 3 of a switch mode: its full path, when it has a file-name part; none when it is
// missing or names a folder (no editor should open a file that nobody named). The file need not
// exist: the editor makes it.
[[nodiscard]] std::optional<std::string> SwitchModeSettingsFile(std::string_view argument,
                                                                TCfgEnvironment& environment);
