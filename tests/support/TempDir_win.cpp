#include "support/TempDir.h"

#include "forms/base/Codepage.h"

#include <windows.h>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace kbtest {

namespace {
void RemoveTree(const std::wstring& dir) {
    WIN32_FIND_DATAW fd;
    const HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring full = dir + L"\\" + name;
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                DeleteFileW(full.c_str());
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(dir.c_str());
}
} // namespace

TempDir::TempDir() {
    wchar_t base[MAX_PATH + 1];
    GetTempPathW(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;) {
        const std::wstring dir = std::wstring(base) + L"kbtest-" +
                                 std::to_wstring(GetCurrentProcessId()) + L"-" +
                                 std::to_wstring(++counter);
        if (CreateDirectoryW(dir.c_str(), nullptr)) {
            path_ = cp932::Narrow(dir);
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("cannot create a temporary folder");
    }
}

TempDir::~TempDir() {
    RemoveTree(cp932::Wide(path_));
}

std::string TempDir::File(std::string_view name) const {
    return path_ + "\\" + std::string(name);
}

void WriteBytes(const std::string& path, std::string_view bytes) {
    const HANDLE h = CreateFileW(cp932::Wide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot write " + path);
    DWORD n = 0;
    const BOOL ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
    CloseHandle(h);
    if (!ok || n != bytes.size())
        throw std::runtime_error("cannot write " + path);
}

std::string ReadBytes(const std::string& path) {
    const HANDLE h = CreateFileW(cp932::Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot read " + path);
    std::string bytes;
    char chunk[65536];
    DWORD n = 0;
    while (ReadFile(h, chunk, sizeof chunk, &n, nullptr) && n > 0)
        bytes.append(chunk, n);
    CloseHandle(h);
    return bytes;
}

bool Exists(const std::string& path) {
    return GetFileAttributesW(cp932::Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeDir(const std::string& path) {
    if (!CreateDirectoryW(cp932::Wide(path).c_str(), nullptr))
        throw std::runtime_error("cannot create " + path);
}

std::vector<std::string> ListNames(const std::string& dir) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW fd;
    const HANDLE h = FindFirstFileW((cp932::Wide(dir) + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = fd.cFileName;
            if (name != L"." && name != L"..")
                names.push_back(cp932::Narrow(name));
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    std::sort(names.begin(), names.end());
    return names;
}

void SetReadOnly(const std::string& path, bool readOnly) {
    SetFileAttributesW(cp932::Wide(path).c_str(),
                       readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}

} // namespace kbtest
