#include "shared/UrlText.h"

std::string EscapeUrl(std::string_view url) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string escaped;
    escaped.reserve(url.size());
    for (const char c : url) {
        const auto b = static_cast<unsigned char>(c);
        if (b <= 0x20 || b == '"' || b == 0x7F) {
            escaped += '%';
            escaped += kHex[b >> 4];
            escaped += kHex[b & 0x0F];
        } else {
            escaped += c;
        }
    }
    return escaped;
}
