#include "forms/base/Files.h"

#include "forms/base/Exceptions.h"

namespace forms {

std::string ReadFileBytes(std::string_view path) {
    auto file = OpenFile(path, FileMode::OpenRead);
    std::string bytes;
    // One allocation of the file's size, rather than a buffer that doubles as it fills.
    const int64_t size = file->Seek(0, 2);
    file->Seek(0, 0);
    if (size > 0)
        bytes.reserve(static_cast<size_t>(size));
    char chunk[65536];
    for (;;) {
        detail::ClearReadError();
        const size_t n = file->Read(chunk, sizeof chunk);
        bytes.append(chunk, n);
        if (n < sizeof chunk) {
            if (const int err = detail::ReadError(); err != 0)
                throw EIoError(path, SysErrorMessage(err));
            break;
        }
    }
    return bytes;
}

} // namespace forms
