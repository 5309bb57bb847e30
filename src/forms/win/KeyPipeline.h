#pragma once
// The keyboard pipeline: what happens to a key message for one of our forms before and instead
// of plain dispatch. Tab and Shift+Tab of a dialog form move the focus first, unless the control
// asks for Tab; then the form's key events (with KeyPreview), then the focused control's (a key
// set to 0 is consumed); translation always, so that a consumed key-down still yields its
// character; the other dialog keys of a dialog form (arrows, Enter, Esc, mnemonics); and
// dispatch to the control, whose window procedure does not fire the events again.
#include <windows.h>

namespace forms {

// Runs the message through the pipeline; false when it is no key message for one of our forms
// (the pump dispatches it as usual).
bool KeyPipeline(MSG& msg);
// True while the pipeline dispatches this very message (its key events have fired already).
bool IsPipelinedKey(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace forms
