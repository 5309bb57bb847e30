#include "shared/SystemMessageBox.h"

#include "forms/win/MessageDialog.h"

#include <windows.h>

namespace {
constexpr UINT kIcons[] = {MB_ICONWARNING, MB_ICONINFORMATION, MB_ICONQUESTION, MB_ICONERROR};
constexpr UINT kButtons[] = {MB_ABORTRETRYIGNORE, MB_OK,    MB_OKCANCEL,
                             MB_RETRYCANCEL,      MB_YESNO, MB_YESNOCANCEL};

template <size_t N> UINT Pick(const UINT (&table)[N], int index, UINT fallback) {
    return index >= 0 && static_cast<size_t>(index) < N ? table[index] : fallback;
}
} // namespace

int ShowMessageBoxEx(std::string_view text, std::string_view caption, int kind, int buttons,
                     void* owner) {
    const HWND wnd = owner == kForegroundOwner ? GetForegroundWindow() : static_cast<HWND>(owner);
    const UINT style = Pick(kIcons, kind, MB_ICONINFORMATION) | Pick(kButtons, buttons, MB_OK) |
                       MB_SYSTEMMODAL | MB_SETFOREGROUND;
    return forms::SystemMessageBox(wnd, text, caption, style,
                                   MAKELANGID(LANG_JAPANESE, SUBLANG_NEUTRAL));
}
