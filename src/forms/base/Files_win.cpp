// The Windows build's file system: W functions on names converted from code page 932.
#include "forms/base/Codepage.h"
#include "forms/base/Exceptions.h"
#include "forms/base/Files.h"
#include "forms/base/Paths.h"

#include <windows.h>

namespace forms {

namespace {
DWORD Attributes(std::string_view path) {
    return GetFileAttributesW(cp932::Wide(path).c_str());
}

class WinFile : public FileHandle {
public:
    explicit WinFile(HANDLE h) : h_(h) {}
    ~WinFile() override { CloseHandle(h_); }
    size_t Read(void* buffer, size_t count) override {
        size_t done = 0;
        while (done < count) {
            DWORD n = 0;
            const DWORD want = static_cast<DWORD>(std::min<size_t>(count - done, 1u << 30));
            if (!ReadFile(h_, static_cast<char*>(buffer) + done, want, &n, nullptr) || n == 0)
                break;
            done += n;
        }
        return done;
    }
    size_t Write(const void* buffer, size_t count) override {
        size_t done = 0;
        while (done < count) {
            DWORD n = 0;
            const DWORD want = static_cast<DWORD>(std::min<size_t>(count - done, 1u << 30));
            if (!WriteFile(h_, static_cast<const char*>(buffer) + done, want, &n, nullptr) ||
                n == 0)
                break;
            done += n;
        }
        return done;
    }
    int64_t Seek(int64_t offset, int origin) override {
        LARGE_INTEGER distance, result;
        distance.QuadPart = offset;
        const DWORD method = origin == 0 ? FILE_BEGIN : origin == 1 ? FILE_CURRENT : FILE_END;
        if (!SetFilePointerEx(h_, distance, &result, method))
            return -1;
        return result.QuadPart;
    }

private:
    HANDLE h_;
};
} // namespace

std::string SysErrorMessage(int code) {
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = n && text ? std::wstring(text, n) : std::wstring();
    if (text)
        LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                                message.back() == L' ' || message.back() == L'.'))
        message.pop_back();
    return cp932::Narrow(message);
}

int LastSystemError() {
    return static_cast<int>(GetLastError());
}

std::string SysComErrorMessage(int32_t code) {
    // FormatMessage knows the texts of system HRESULTs, Win32 errors wrapped in one included.
    return SysErrorMessage(code);
}

bool FileExists(std::string_view path) {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(std::string_view path) {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool RemoveFile(std::string_view path) {
    return DeleteFileW(cp932::Wide(path).c_str()) != FALSE;
}

std::string ProgramPath() {
    std::wstring buf(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    buf.resize(n);
    return cp932::Narrow(buf);
}

std::string CommandLine() {
    const wchar_t* line = GetCommandLineW();
    if (!line)
        return {};
    const std::wstring_view text(line);
    return CommandLineFromUtf16(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

std::unique_ptr<FileHandle> OpenFile(std::string_view path, FileMode mode) {
    const std::wstring name = cp932::Wide(path);
    const HANDLE h =
        mode == FileMode::OpenRead
            ? CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)
            : CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const std::string reason = SysErrorMessage(static_cast<int>(GetLastError()));
        if (mode == FileMode::OpenRead)
            throw EFileOpenError(path, reason);
        throw EFileCreateError(path, reason);
    }
    return std::make_unique<WinFile>(h);
}

void detail::ClearReadError() {
    SetLastError(0);
}

int detail::ReadError() {
    const DWORD err = GetLastError();
    return err == ERROR_HANDLE_EOF ? 0 : static_cast<int>(err);
}

void WriteFileReplacing(std::string_view path, std::string_view bytes) {
    // Wine running as root would replace a read-only file; Windows refuses, and so do we.
    const DWORD attributes = Attributes(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        throw EFileCreateError(path, SysErrorMessage(ERROR_ACCESS_DENIED));
    std::string dir = ExtractFilePath(path);
    if (dir.empty())
        dir = ".";
    const std::optional<TWriteFault> fault = detail::NextWriteFault();
    if (fault == TWriteFault::ReadOnlyFolder)
        throw EFileCreateError(path, SysErrorMessage(ERROR_ACCESS_DENIED));
    wchar_t temp[MAX_PATH + 1] = {};
    if (!GetTempFileNameW(cp932::Wide(dir).c_str(), L"kb~", 0, temp))
        throw EFileCreateError(path, SysErrorMessage(static_cast<int>(GetLastError())));
    DWORD failure = 0;
    {
        const HANDLE h = CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            failure = GetLastError();
        } else {
            WinFile file(h);
            const size_t taken = fault ? bytes.size() / 2 : bytes.size();
            if (file.Write(bytes.data(), taken) != bytes.size() || fault || !FlushFileBuffers(h))
                failure = fault            ? ERROR_DISK_FULL
                          : GetLastError() ? GetLastError()
                                           : ERROR_WRITE_FAULT;
        }
    }
    if (!failure && !MoveFileExW(temp, cp932::Wide(path).c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        failure = GetLastError();
    if (failure) {
        DeleteFileW(temp);
        throw EFileCreateError(path, SysErrorMessage(static_cast<int>(failure)));
    }
}

} // namespace forms
