#pragma once
// The system message box for questions that come before any form (start-up).
#include <cstdint>
#include <string_view>

#ifdef _WIN32
// The owner value that stands for the foreground window.
inline void* const kForegroundOwner = reinterpret_cast<void*>(static_cast<intptr_t>(-1));

// A system-modal message box in the foreground, in Japanese. kind: 0 warning, 1 information,
// 2 question, 3 error icon, anything else information. buttons: 0 Abort/Retry/Ignore, 1 OK,
// 2 OK/Cancel, 3 Retry/Cancel, 4 Yes/No, 5 Yes/No/Cancel, anything else OK. owner is an HWND or
// kForegroundOwner. Returns the pressed button's identifier (IDOK ... IDNO), 0 when the box could
// not be shown.
int ShowMessageBoxEx(std::string_view text, std::string_view caption, int kind, int buttons,
                     void* owner);
#endif
