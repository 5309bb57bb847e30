#pragma once
// Style-file containers for tests: an index of 256 sizes and 256 offsets, then the items.
#include "forms/base/Files.h"

#include <cstdint>
#include <map>
#include <string>

namespace kbtest {

inline std::string Le32(int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    return {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8 & 0xFF),
            static_cast<char>(u >> 16 & 0xFF), static_cast<char>(u >> 24 & 0xFF)};
}

inline void SetIndexEntry(std::string& file, int item, int32_t size, int32_t offset) {
    file.replace(4 * static_cast<size_t>(item), 4, Le32(size));
    file.replace(1024 + 4 * static_cast<size_t>(item), 4, Le32(offset));
}

// The items one after another behind the index, in item order.
inline std::string MakeStyleFile(const std::map<int, std::string>& items) {
    std::string file(2048, '\0');
    for (const auto& [item, bytes] : items) {
        SetIndexEntry(file, item, static_cast<int32_t>(bytes.size()),
                      static_cast<int32_t>(file.size()));
        file += bytes;
    }
    return file;
}

// A style text that passes the style test, followed by more lines.
inline std::string StyleText(const std::string& more = "") {
    return "[Style]\r\nFormat=K+StyleInformation\r\nVersion=1\r\n[About]\r\n" + more;
}

// A 2 x 1 bitmap of 24 bits: a red pixel, then a blue one.
inline std::string TinyBmp() {
    std::string b = "BM" + Le32(62) + Le32(0) + Le32(54);
    b += Le32(40) + Le32(2) + Le32(1) + std::string("\x01\x00\x18\x00", 4) + Le32(0) + Le32(8) +
         Le32(2835) + Le32(2835) + Le32(0) + Le32(0);
    b += std::string("\x00\x00\xFF\xFF\x00\x00\x00\x00", 8);
    return b;
}

// The program folder of this build, where the style files are built: bin beside the folder of
// the test programs.
inline std::string ProgramFolder() {
    const std::string self = forms::ProgramPath();
    const size_t cut = self.find_last_of("/\\");
    const char sep = self[cut];
    return self.substr(0, cut + 1) + ".." + sep + "bin" + sep;
}

} // namespace kbtest
