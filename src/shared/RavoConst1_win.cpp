// The work area, the pointer and desktop tests, key state and version strings on Win32.
#include "shared/RavoConst1.h"

#include "forms/base/Codepage.h"
#include "forms/base/Paths.h"
#include "forms/win/MessageDialog.h"
#include "shared/FileUtils.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <optional>
#include <vector>

namespace {
forms::TRect WorkArea() {
    RECT r{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0))
        return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return {r.left, r.top, r.right, r.bottom};
}

std::optional<forms::TPoint> Cursor() {
    POINT p{};
    if (!GetCursorPos(&p))
        return std::nullopt;
    return forms::TPoint{p.x, p.y};
}

bool CursorStrictlyInside(HWND wnd) {
    RECT r{};
    const auto p = Cursor();
    return wnd && p && GetWindowRect(wnd, &r) &&
           StrictlyInside({r.left, r.top, r.right, r.bottom}, *p);
}

HWND ChildOfClass(HWND parent, const wchar_t* className) {
    return parent ? FindWindowExW(parent, nullptr, className, nullptr) : nullptr;
}

// A value of the version resource as bytes, cut at the end of the block: the lengths come from
// the file.
std::optional<std::string_view> VersionValue(const std::vector<char>& block, const wchar_t* path,
                                             size_t unit) {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), path, &value, &length) || !value)
        return std::nullopt;
    const char* at = static_cast<const char*>(value);
    const char* end = block.data() + block.size();
    if (at < block.data() || at > end)
        return std::nullopt;
    const size_t bytes =
        std::min(static_cast<size_t>(length) * unit, static_cast<size_t>(end - at));
    return std::string_view(at, bytes);
}

// A string value; its length counts characters, the terminating NUL among them.
std::optional<std::string> VersionString(const std::vector<char>& block, const std::wstring& path) {
    const auto bytes = VersionValue(block, path.c_str(), sizeof(wchar_t));
    if (!bytes)
        return std::nullopt;
    std::wstring text(bytes->size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), bytes->data(), text.size() * sizeof(wchar_t));
    text.resize(std::wcslen(text.c_str()));
    return cp932::Narrow(text);
}
} // namespace

int ShowTitledMessage(std::string_view msg, std::string_view title, forms::TMsgDlgButtons buttons,
                      forms::TMsgDlgType dlgType, int x, int y) {
    using forms::TMsgDlgType;
    static constexpr struct {
        TMsgDlgType type;
        UINT sound;
    } kBeeps[] = {{TMsgDlgType::mtWarning, MB_ICONEXCLAMATION},
                  {TMsgDlgType::mtError, MB_ICONHAND},
                  {TMsgDlgType::mtInformation, MB_ICONASTERISK},
                  {TMsgDlgType::mtConfirmation, MB_ICONQUESTION}};
    const forms::TPoint place = TitledMessagePlace(x, y, Cursor().value_or(forms::TPoint{}));
    for (const auto& b : kBeeps)
        if (b.type == dlgType)
            MessageBeep(b.sound);
    // The dialog centres itself for two negative coordinates and keeps itself in the work area.
    return forms::ShowMessageDialog(TitledMessageText(title, msg), dlgType, buttons, place.X,
                                    place.Y);
}

void ClampToWorkArea(int& x, int& y, int w, int h) {
    ClampToArea(x, y, w, h, WorkArea());
}

bool BelowWorkArea(int y) {
    return y > WorkArea().Bottom;
}

bool CursorInWindow(void* wnd) {
    return CursorStrictlyInside(static_cast<HWND>(wnd));
}

bool CursorOnDesktop() {
    const auto p = Cursor();
    if (!p)
        return false;
    const HWND under = WindowFromPoint({p->X, p->Y});
    const HWND view = ChildOfClass(FindWindowW(L"Progman", nullptr), L"SHELLDLL_DefView");
    if (const HWND web = ChildOfClass(view, L"Internet Explorer_Server"))
        return under == web;
    const HWND icons = ChildOfClass(view, L"SysListView32");
    return icons && under == icons;
}

bool CursorOnTaskbar() {
    return CursorStrictlyInside(FindWindowW(L"Shell_TrayWnd", nullptr));
}

bool IsKeyDown(int vk) {
    return (GetAsyncKeyState(vk) & 0x8000) != 0;
}

bool IsKeyUp(int vk) {
    return !IsKeyDown(vk);
}

TLaunchMouseBtns GetMouseButtons() {
    static constexpr struct {
        int vk;
        TLaunchMouseBtn btn;
    } kButtons[] = {{VK_LBUTTON, lmLeft},
                    {VK_RBUTTON, lmRight},
                    {VK_MBUTTON, lmMiddle},
                    {VK_XBUTTON1, lmMos4},
                    {VK_XBUTTON2, lmMos5}};
    TLaunchMouseBtns held;
    for (const auto& b : kButtons)
        if (IsKeyDown(b.vk))
            held.Include(b.btn);
    return held;
}

void GetFileVersionStrings(std::string_view fileName, TVersionStrings& info) {
    info[0] = GetLongPathNameStr(fileName);
    info[1] = forms::ExtractFilePath(info[0]);

    const std::wstring wideName = cp932::Wide(fileName);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(wideName.c_str(), &handle);
    if (size == 0)
        return;
    std::vector<char> block(size);
    if (!GetFileVersionInfoW(wideName.c_str(), 0, size, block.data()))
        return;

    const auto translation = VersionValue(block, L"\\VarFileInfo\\Translation", 1);
    const std::string key = translation ? VersionTranslationKey(*translation) : std::string();
    if (key.empty())
        return;

    static const wchar_t* const kNames[] = {L"ProductName", L"ProductVersion", L"LegalCopyright"};
    for (size_t i = 0; i < 3; ++i) {
        const std::wstring path = L"\\StringFileInfo\\" + cp932::Wide(key) + L"\\" + kNames[i];
        if (auto value = VersionString(block, path))
            info[2 + i] = std::move(*value);
    }
}

int GetNTMajorVersion() {
    OSVERSIONINFOW v{};
    v.dwOSVersionInfoSize = sizeof(v);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const BOOL ok = GetVersionExW(&v);
#pragma GCC diagnostic pop
    if (!ok || v.dwPlatformId != VER_PLATFORM_WIN32_NT || v.dwMajorVersion < 3)
        return 0;
    return static_cast<int>(v.dwMajorVersion);
}
