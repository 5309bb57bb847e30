#include "shared/UrlText.h"

#include "forms/base/Codepage.h"

namespace {
bool IsTrailByte(unsigned char b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}
} // namespace

std::string EscapeUrl(std::string_view url) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string escaped;
    escaped.reserve(url.size());
    for (size_t i = 0; i < url.size(); ++i) {
        const auto b = static_cast<unsigned char>(url[i]);
        if (cp932::IsLeadByte(b) && i + 1 < url.size() &&
            IsTrailByte(static_cast<unsigned char>(url[i + 1]))) {
            escaped.append(url.substr(i, 2));
            ++i;
        } else if (b <= 0x20 || b == '"' || b == 0x7F || cp932::IsLeadByte(b)) {
            escaped += '%';
            escaped += kHex[b >> 4];
            escaped += kHex[b & 0x0F];
        } else {
            escaped += url[i];
        }
    }
    return escaped;
}
