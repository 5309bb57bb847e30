// Version strings from a file's version resource, and the Windows version, on Win32.
#include "shared/VersionInfo.h"

#include "forms/base/Codepage.h"
#include "forms/base/Paths.h"
#include "shared/FileUtils.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <optional>
#include <vector>

namespace {
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
