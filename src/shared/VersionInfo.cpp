#include "shared/VersionInfo.h"

std::string VersionTranslationKey(std::string_view value) {
    if (value.size() < 4)
        return {};
    // Two little-endian words: the language, then the code page.
    const auto word = [&](size_t at) {
        return static_cast<unsigned>(static_cast<unsigned char>(value[at]) |
                                     static_cast<unsigned char>(value[at + 1]) << 8);
    };
    static constexpr char kHex[] = "0123456789abcdef";
    const unsigned both = word(0) << 16 | word(2);
    std::string key(8, '0');
    for (int i = 7; i >= 0; --i)
        key[static_cast<size_t>(7 - i)] = kHex[(both >> (i * 4)) & 0xF];
    return key;
}
