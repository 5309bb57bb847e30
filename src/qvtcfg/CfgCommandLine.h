#pragma once
// What qvtcfg reads from its command line, as the launcher builds it:
//   <program path> /CFG "<left>:<top>" "<settings file>"     (or /STYLE)
// Argument 1 chooses the mode; arguments 2 and 3 count only in the two switch modes.
#include "qvtcfg/ProgramArguments.h"

#include <cstdint>
#include <string>
#include <string_view>

// Which part of the program runs.
enum class TCfgMode {
    StartForm, // no recognised switch: the start form picks the file and the editor
    Cfg,       // "/CFG": the settings editor alone
    Style      // "/STYLE": the style editor alone
};

// The mode that argument 1 selects, compared after upper-casing (so "/cfg" counts too).
[[nodiscard]] TCfgMode ModeOf(std::string_view argument1);

// The parsed values of the switch modes.
struct TCfgCommandLine {
    // The launcher window's top-left corner; -1 where a number is missing or not an integer.
    int32_t X = -1;
    int32_t Y = -1;
    // No position was given (X or Y is -1): the editor is centred.
    bool NoPos = true;
    // Argument 3 unchanged; empty when missing.
    std::string SettingsPath;
};

// Arguments 2 and 3: the two fields of argument 2 around ':' (trimmed as a whole first; without a
// ':' both are the whole text, and a third field is ignored), each an integer text (decimal, or
// hexadecimal after '$' or "0x") or -1; then the settings path.
[[nodiscard]] TCfgCommandLine ParseCommandLine(const TProgramArguments& arguments);

// value + offset, held at the ends of the 32-bit range instead of wrapping.
[[nodiscard]] int32_t SaturatedAdd(int32_t value, int32_t offset);
// Editors open this far right of and below the corner they are given.
constexpr int32_t kEditorOffset = 16;
