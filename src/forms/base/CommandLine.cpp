#include "forms/base/Codepage.h"
#include "forms/base/Files.h"

namespace forms {

namespace {
bool IsHighSurrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}
} // namespace

std::string CommandLineFromUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    size_t i = 0;
    while (i < text.size()) {
        // Through the one conversion, a character at a time, so that each lost one is known.
        size_t length = 1;
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]))
            length = 2;
        bool lossy = false;
        const std::string bytes = cp932::FromUtf16(text.substr(i, length), &lossy);
        if (lossy)
            out.push_back('\0');
        else
            out += bytes;
        i += length;
    }
    return out;
}

} // namespace forms
