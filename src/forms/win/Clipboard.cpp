#include "forms/win/Clipboard.h"

#include "forms/base/Codepage.h"
#include "forms/base/Exceptions.h"
#include "forms/base/ScopeGuard.h"
#include "forms/win/Application.h"

#include <windows.h>

#include <cstring>

namespace forms {

TClipboard Clipboard;

namespace {

[[noreturn]] void RaiseClipboardError(const char* what, DWORD code) {
    std::string message = what;
    if (code != 0)
        message += ": " + SysErrorMessage(static_cast<int>(code));
    throw Exception(message);
}

// The clipboard open for the scope, owned by the application's hidden window (an owner is
// needed to put data on it). Another program may hold it for a moment: a few tries.
class OpenClipboardScope {
public:
    OpenClipboardScope() {
        const HWND owner = Application.UtilityWindow();
        for (int attempt = 0; attempt < 20; ++attempt) {
            if (OpenClipboard(owner))
                return;
            Sleep(10);
        }
        RaiseClipboardError("クリップボードを開けません", GetLastError());
    }
    ~OpenClipboardScope() { CloseClipboard(); }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
};

// GlobalLock .. GlobalUnlock.
class GlobalLockScope {
public:
    explicit GlobalLockScope(HGLOBAL memory) : memory_(memory), data_(GlobalLock(memory)) {}
    ~GlobalLockScope() {
        if (data_)
            GlobalUnlock(memory_);
    }
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;
    [[nodiscard]] void* Data() const { return data_; }

private:
    HGLOBAL memory_;
    void* data_;
};

} // namespace

std::string TClipboard::AsText(bool* lossy) const {
    if (lossy)
        *lossy = false;
    const OpenClipboardScope open;
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (!data)
        return {};
    const GlobalLockScope lock(data);
    const auto* text = static_cast<const wchar_t*>(lock.Data());
    if (!text)
        return {};
    // The text ends at its NUL, and never after the memory block.
    const size_t capacity = GlobalSize(data) / sizeof(wchar_t);
    size_t length = 0;
    while (length < capacity && text[length] != L'\0')
        ++length;
    return cp932::Narrow(std::wstring_view(text, length), lossy);
}

void TClipboard::SetAsText(std::string_view text) {
    const std::wstring wide = cp932::Wide(text);
    const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        RaiseClipboardError("クリップボードに渡す領域を確保できません", GetLastError());
    auto release = OnScopeExit([memory] { GlobalFree(memory); });
    {
        const GlobalLockScope lock(memory);
        if (!lock.Data())
            RaiseClipboardError("クリップボードに渡す領域を確保できません", GetLastError());
        std::memcpy(lock.Data(), wide.c_str(), bytes);
    }
    const OpenClipboardScope open;
    if (!EmptyClipboard())
        RaiseClipboardError("クリップボードを空にできません", GetLastError());
    if (!SetClipboardData(CF_UNICODETEXT, memory))
        RaiseClipboardError("クリップボードに文字列を置けません", GetLastError());
    release.Dismiss(); // the system owns it now
}

bool TClipboard::HasText() const {
    return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
}

void TClipboard::Clear() {
    const OpenClipboardScope open;
    if (!EmptyClipboard())
        RaiseClipboardError("クリップボードを空にできません", GetLastError());
}

} // namespace forms
