#pragma once
// The file system as the portable code sees it. Names are code-page-932 text; the Windows build
// converts them at the call, the host build uses the bytes as they are.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace forms {

bool FileExists(std::string_view path); // exists and is not a folder
bool DirectoryExists(std::string_view path);
bool RemoveFile(std::string_view path);
// The running program's full path.
std::string ProgramPath();
// The program's command line as the system passed it (the host build has none: empty). Each
// character that code page 932 cannot hold is one NUL byte, so that a caller splitting the line
// can refuse just the argument that held it instead of using a name changed by '?'.
std::string CommandLine();
// The conversion behind CommandLine: text from UTF-16 to code page 932 with each character the
// code page cannot hold (a surrogate pair is one character, a lone surrogate another) as one NUL.
std::string CommandLineFromUtf16(std::u16string_view text);

// The whole file; EFileOpenError when it cannot be opened, EIoError when reading fails.
std::string ReadFileBytes(std::string_view path);
// Writes bytes to a temporary file in the target's folder and then replaces the target with it,
// so the target is either the old file or the complete new one. A read-only target is never
// replaced (as Windows refuses, also where the process could override it). Raises
// EFileCreateError (and leaves the old file byte-identical) on any failure.
void WriteFileReplacing(std::string_view path, std::string_view bytes);

// For tests only, which cannot fill a disk or, running as root, lock a folder: the n-th
// WriteFileReplacing from this call on (counted from 1) fails once as the fault makes it fail; n 0
// disarms. A full disk takes part of the bytes and refuses the rest; a read-only folder refuses
// the temporary file. The programs never arm it.
enum class TWriteFault { DiskFull, ReadOnlyFolder };
void ArmWriteFault(TWriteFault fault, int n);
namespace detail {
// Counts one WriteFileReplacing and tells the fault that strikes it, if any.
std::optional<TWriteFault> NextWriteFault();
} // namespace detail

// An open file for TFileStream.
class FileHandle {
public:
    virtual ~FileHandle() = default;
    virtual size_t Read(void* buffer, size_t count) = 0;
    virtual size_t Write(const void* buffer, size_t count) = 0;
    virtual int64_t Seek(int64_t offset, int origin) = 0; // origin 0 begin, 1 current, 2 end
};
enum class FileMode { OpenRead, Create };
// Raises EFileOpenError (OpenRead) or EFileCreateError (Create).
std::unique_ptr<FileHandle> OpenFile(std::string_view path, FileMode mode);

namespace detail {
// The platform's record of a failed read, behind ReadFileBytes: cleared before a read, and
// the system's error code after one that came back short (0: the file ended).
void ClearReadError();
int ReadError();
} // namespace detail

} // namespace forms
