// The Win32 file system and the shell routines, through the W functions.
#include "shared/FileUtils.h"

#include "forms/base/Codepage.h"
#include "forms/shell/ComInit.h"

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>

namespace {
class Win32FileSystem : public TFileSystem {
public:
    std::vector<TFoundFile> Search(std::string_view pattern) const override {
        std::vector<TFoundFile> found;
        WIN32_FIND_DATAW data;
        const HANDLE h = FindFirstFileW(cp932::Wide(pattern).c_str(), &data);
        if (h == INVALID_HANDLE_VALUE)
            return found;
        do {
            std::optional<std::string> name = cp932::NarrowExact(data.cFileName);
            if (!name)
                continue;
            TFoundFile entry;
            entry.Name = std::move(*name);
            entry.Directory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            entry.Hidden =
                (data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
            found.push_back(std::move(entry));
        } while (FindNextFileW(h, &data));
        FindClose(h);
        return found;
    }

    bool FolderExists(std::string_view path) const override {
        const DWORD a = GetFileAttributesW(cp932::Wide(path).c_str());
        return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
    }

    bool CreateFolder(std::string_view path) override {
        return CreateDirectoryW(cp932::Wide(path).c_str(), nullptr) != FALSE;
    }
};

const wchar_t* WidePtr(const std::u16string& s) {
    return reinterpret_cast<const wchar_t*>(s.c_str());
}

int RunShellOperation(void* owner, UINT func, const forms::TStrings& files, const wchar_t* dest,
                      bool confirm) {
    const std::u16string source = ShellFileList(files);
    if (source.empty())
        return kShellNothingToDo;
    SHFILEOPSTRUCTW op{};
    op.hwnd = static_cast<HWND>(owner);
    op.wFunc = func;
    op.pFrom = WidePtr(source);
    op.pTo = dest;
    op.fFlags = static_cast<FILEOP_FLAGS>(FOF_ALLOWUNDO | (confirm ? 0 : FOF_NOCONFIRMATION));
    const int result = SHFileOperationW(&op);
    return ShellOperationResult(result, op.fAnyOperationsAborted != FALSE);
}
} // namespace

std::optional<std::string> FindAssociatedExe(std::string_view fileName) {
    wchar_t exe[MAX_PATH + 1] = {};
    const auto result =
        reinterpret_cast<INT_PTR>(FindExecutableW(cp932::Wide(fileName).c_str(), nullptr, exe));
    if (result <= 32)
        return std::nullopt;
    // A program that code page 932 cannot name could not be started by that name.
    return cp932::NarrowExact(exe).value_or(std::string());
}

std::string GetAssociatedExe(std::string_view fileName) {
    return FindAssociatedExe(fileName).value_or(std::string());
}

bool HasAssociatedExe(std::string_view fileName) {
    return FindAssociatedExe(fileName).has_value();
}

int GetDriveKind(char letter) {
    const std::wstring root = cp932::Wide(std::string(1, letter)) + L":\\";
    const UINT type = GetDriveTypeW(root.c_str());
    std::string name;
    if (type == DRIVE_REMOVABLE) {
        forms::UseComOnThisThread(); // SHGetFileInfo may ask shell extensions
        SHFILEINFOW info{};
        if (SHGetFileInfoW(root.c_str(), 0, &info, sizeof info,
                           SHGFI_DISPLAYNAME | SHGFI_ATTRIBUTES))
            name = cp932::Narrow(info.szDisplayName);
    }
    return DriveKindOf(type, name);
}

std::string GetShellOpenCommand(std::string_view url) {
    const std::string key = ShellOpenCommandKey(url);
    if (key.empty())
        return {};
    HKEY h = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, cp932::Wide(key).c_str(), 0, KEY_QUERY_VALUE, &h) !=
        ERROR_SUCCESS)
        return {};
    DWORD type = 0, size = 0;
    std::wstring value;
    if (RegQueryValueExW(h, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
        value.assign(size / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(h, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                             &size) != ERROR_SUCCESS)
            value.clear();
        value.resize(std::min<size_t>(value.size(), size / sizeof(wchar_t)));
        // The stored text may or may not end with its NUL.
        value.resize(std::wstring_view(value.c_str()).size());
    }
    RegCloseKey(h);
    return cp932::NarrowExact(value).value_or(std::string());
}

TFileSystem& LocalFileSystem() {
    static Win32FileSystem fs;
    return fs;
}

forms::TStringList GetDriveList() {
    forms::TStringList drives;
    std::wstring buffer(GetLogicalDriveStringsW(0, nullptr) + 1, L'\0');
    const DWORD n = GetLogicalDriveStringsW(static_cast<DWORD>(buffer.size()), buffer.data());
    if (n == 0 || n >= buffer.size())
        return drives;
    for (size_t i = 0; i < n && buffer[i] != L'\0';) {
        const size_t end = buffer.find(L'\0', i);
        drives.Add(cp932::Narrow(std::wstring_view(buffer).substr(i, end - i)));
        i = end + 1;
    }
    return drives;
}

int32_t EmptyRecycleBin(bool confirm) {
    return SHEmptyRecycleBinW(nullptr, nullptr, confirm ? 0 : SHERB_NOCONFIRMATION);
}

void ClearRecentDocs() {
    SHAddToRecentDocs(SHARD_PIDL, nullptr);
}

std::string GetLogonUserName() {
    wchar_t name[256];
    DWORD size = 256;
    if (!GetUserNameW(name, &size) || size == 0)
        return {};
    return LogonNameFromUtf16(
        std::u16string_view(reinterpret_cast<const char16_t*>(name), size - 1));
}

int ShellDeleteFiles(void* owner, const forms::TStrings& files, bool confirm) {
    return RunShellOperation(owner, FO_DELETE, files, nullptr, confirm);
}

int ShellFileOperation(void* owner, const forms::TStrings& files, std::string_view dest,
                       uint16_t func, bool confirm) {
    std::wstring target = cp932::Wide(dest);
    target.append(2, L'\0');
    return RunShellOperation(owner, func, files, target.c_str(), confirm);
}
