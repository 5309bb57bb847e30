// The host build's file system: POSIX calls on the bytes of the name.
#include "forms/base/Exceptions.h"
#include "forms/base/Files.h"
#include "forms/base/Paths.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace forms {

namespace {
std::string Str(std::string_view s) {
    return std::string(s);
}

bool Stat(std::string_view path, struct stat& st) {
    return ::stat(Str(path).c_str(), &st) == 0;
}

class PosixFile : public FileHandle {
public:
    explicit PosixFile(int fd) : fd_(fd) {}
    ~PosixFile() override { ::close(fd_); }
    size_t Read(void* buffer, size_t count) override {
        size_t done = 0;
        while (done < count) {
            const ssize_t n = ::read(fd_, static_cast<char*>(buffer) + done, count - done);
            if (n <= 0)
                break;
            done += static_cast<size_t>(n);
        }
        return done;
    }
    size_t Write(const void* buffer, size_t count) override {
        size_t done = 0;
        while (done < count) {
            const ssize_t n = ::write(fd_, static_cast<const char*>(buffer) + done, count - done);
            if (n <= 0)
                break;
            done += static_cast<size_t>(n);
        }
        return done;
    }
    int64_t Seek(int64_t offset, int origin) override {
        const int whence = origin == 0 ? SEEK_SET : origin == 1 ? SEEK_CUR : SEEK_END;
        return ::lseek(fd_, offset, whence);
    }

private:
    int fd_;
};
} // namespace

std::string SysErrorMessage(int code) {
    return std::strerror(code);
}
int LastSystemError() {
    return errno;
}
std::string SysComErrorMessage(int32_t) {
    return {};
}

bool FileExists(std::string_view path) {
    struct stat st {};
    return Stat(path, st) && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(std::string_view path) {
    struct stat st {};
    return Stat(path, st) && S_ISDIR(st.st_mode);
}

bool RemoveFile(std::string_view path) {
    return ::unlink(Str(path).c_str()) == 0;
}

std::string ProgramPath() {
    std::vector<char> buf(4096);
    const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    return n > 0 ? std::string(buf.data(), static_cast<size_t>(n)) : std::string();
}

std::string CommandLine() {
    return {}; // the host build's programs are tests, started without one
}

std::unique_ptr<FileHandle> OpenFile(std::string_view path, FileMode mode) {
    const int fd = mode == FileMode::OpenRead
                       ? ::open(Str(path).c_str(), O_RDONLY | O_CLOEXEC)
                       : ::open(Str(path).c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || (mode == FileMode::OpenRead && DirectoryExists(path))) {
        const int err = fd < 0 ? errno : EISDIR;
        if (fd >= 0)
            ::close(fd);
        if (mode == FileMode::OpenRead)
            throw EFileOpenError(path, SysErrorMessage(err));
        throw EFileCreateError(path, SysErrorMessage(err));
    }
    return std::make_unique<PosixFile>(fd);
}

void detail::ClearReadError() {
    errno = 0;
}

int detail::ReadError() {
    return errno;
}

void WriteFileReplacing(std::string_view path, std::string_view bytes) {
    // Without its owner's write bit a file counts as read-only, even for root.
    struct stat st {};
    if (Stat(path, st) && !S_ISDIR(st.st_mode) && !(st.st_mode & S_IWUSR))
        throw EFileCreateError(path, SysErrorMessage(EACCES));
    std::string dir = ExtractFilePath(path);
    const size_t slash = std::string_view(path).rfind('/');
    if (dir.empty() && slash != std::string_view::npos)
        dir = std::string(path.substr(0, slash + 1));
    const std::optional<TWriteFault> fault = detail::NextWriteFault();
    if (fault == TWriteFault::ReadOnlyFolder)
        throw EFileCreateError(path, SysErrorMessage(EACCES));
    std::string temp = dir + ".kb-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        throw EFileCreateError(path, SysErrorMessage(errno));
    ::fchmod(fd, 0644);
    PosixFile file(fd);
    const size_t taken = fault ? bytes.size() / 2 : bytes.size();
    const bool written =
        file.Write(bytes.data(), taken) == bytes.size() && !fault && ::fsync(fd) == 0;
    const int err = fault ? ENOSPC : errno;
    if (!written || ::rename(temp.c_str(), Str(path).c_str()) != 0) {
        const int failure = written ? errno : err;
        ::unlink(temp.c_str());
        throw EFileCreateError(path, SysErrorMessage(failure));
    }
}

} // namespace forms
