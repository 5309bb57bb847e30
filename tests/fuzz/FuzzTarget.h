#pragma once
// What every fuzz target shares. A target is one file <name>_fuzz.cpp that defines
// LLVMFuzzerTestOneInput over one parser of outside data and checks what must hold for any input;
// its corpus is the folder <name>/ beside it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace fuzz {

inline std::string Bytes(const uint8_t* data, size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// A broken promise ends the run at once, so that the engine keeps the input as a reproducer.
[[noreturn]] inline void Fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: fuzz check failed: %s\n", file, line, what);
    std::abort();
}

// A file for parsers that read files: one per process, rewritten for each input, removed at exit.
class ScratchFile {
public:
    explicit ScratchFile(const char* suffix)
        : path_((std::filesystem::temp_directory_path() /
                 ("kb_fuzz_" + std::to_string(getpid()) + suffix))
                    .string()) {}
    ~ScratchFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& Write(std::string_view bytes) const {
        std::ofstream(path_, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path_;
    }

private:
    std::string path_;
};

} // namespace fuzz

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::fuzz::Fail(#condition, __FILE__, __LINE__);                                          \
    } while (false)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
