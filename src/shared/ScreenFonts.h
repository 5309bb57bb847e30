#pragma once
// Two helpers of the configuration program's dialogs: the names of the screen's fonts, and
// focusing a control only where the user can see it.
#ifdef _WIN32
#include "forms/base/Strings.h"

namespace forms {
class TWinControl;
}

// A new list of the screen's font face names: every face, the vertical '@' faces included,
// sorted.
[[nodiscard]] forms::TStringList GetScreenFontNames();

// Focuses control when it exists and it and all its parents are visible and enabled; otherwise
// does nothing. True when it was focused.
bool FocusIfShowing(forms::TWinControl* control);
#endif
