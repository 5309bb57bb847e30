#include "forms/base/Codepage.h"

#include <array>
#include <cstdint>

namespace cp932 {
namespace {

#include "cp932_table.inc"

constexpr char16_t kNoCharacter = 0x30FB;

char16_t DecodePair(unsigned char lead, unsigned char trail) {
    const int row = lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
    return kDoubleByte[row][trail];
}

// Unicode -> CP932 (one or two bytes, 0 = none). Where several codes decode to one character,
// the one Windows writes wins: JIS X 0208, then NEC row 13, then IBM extensions before their
// NEC-selected copies in rows ED and EE.
const std::array<uint16_t, 0x10000>& EncodeTable() {
    static const std::array<uint16_t, 0x10000> table = [] {
        std::array<uint16_t, 0x10000> t{};
        for (int b = 1; b < 256; ++b)
            if (!IsLeadByte(static_cast<unsigned char>(b)) && kSingleByte[b] != 0 &&
                t[kSingleByte[b]] == 0)
                t[kSingleByte[b]] = static_cast<uint16_t>(b);
        auto addLead = [&t](int lead) {
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                const char16_t u =
                    DecodePair(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
                if (u != 0 && t[u] == 0)
                    t[u] = static_cast<uint16_t>(lead << 8 | trail);
            }
        };
        for (int lead = 0x81; lead <= 0xFC; ++lead)
            if (IsLeadByte(static_cast<unsigned char>(lead)) && lead != 0xED && lead != 0xEE)
                addLead(lead);
        addLead(0xED);
        addLead(0xEE);
        return t;
    }();
    return table;
}

} // namespace

namespace table {

std::u16string ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (!IsLeadByte(b)) {
            out.push_back(b == 0 ? u'\0' : static_cast<char16_t>(kSingleByte[b]));
            continue;
        }
        // A lead byte takes the next byte with it unless that is the end or a NUL.
        if (i + 1 >= text.size() || text[i + 1] == '\0') {
            out.push_back(kNoCharacter);
            continue;
        }
        const char16_t u = DecodePair(b, static_cast<unsigned char>(text[++i]));
        out.push_back(u != 0 ? u : kNoCharacter);
    }
    return out;
}

std::string FromUtf16(std::u16string_view text, bool* lossy) {
    const auto& encode = EncodeTable();
    std::string out;
    out.reserve(text.size() * 2);
    bool lost = false;
    // Like Windows, each unit of a surrogate pair becomes its own '?'.
    for (const char16_t u : text) {
        const uint16_t code = u == 0 ? 0 : encode[u];
        if (u != 0 && code == 0) {
            out.push_back('?');
            lost = true;
        } else if (code > 0xFF) {
            out.push_back(static_cast<char>(code >> 8));
            out.push_back(static_cast<char>(code & 0xFF));
        } else {
            out.push_back(static_cast<char>(code));
        }
    }
    if (lossy)
        *lossy = lost;
    return out;
}

} // namespace table

std::u16string Utf8ToUtf16(std::string_view text, bool* lossy) {
    std::u16string out;
    out.reserve(text.size());
    bool lost = false;
    size_t i = 0;
    auto cont = [&](size_t k) {
        return k < text.size() && (static_cast<unsigned char>(text[k]) & 0xC0) == 0x80;
    };
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        uint32_t cp = 0;
        size_t len = 0;
        if (b < 0x80) {
            cp = b;
            len = 1;
        } else if (b >= 0xC2 && b <= 0xDF && cont(i + 1)) {
            cp = (b & 0x1Fu) << 6 | (text[i + 1] & 0x3F);
            len = 2;
        } else if (b >= 0xE0 && b <= 0xEF && cont(i + 1) && cont(i + 2)) {
            cp = (b & 0x0Fu) << 12 | (text[i + 1] & 0x3Fu) << 6 | (text[i + 2] & 0x3F);
            len = 3;
            if (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))
                len = 0;
        } else if (b >= 0xF0 && b <= 0xF4 && cont(i + 1) && cont(i + 2) && cont(i + 3)) {
            cp = (b & 0x07u) << 18 | (text[i + 1] & 0x3Fu) << 12 | (text[i + 2] & 0x3Fu) << 6 |
                 (text[i + 3] & 0x3F);
            len = 4;
            if (cp < 0x10000 || cp > 0x10FFFF)
                len = 0;
        }
        if (len == 0) {
            out.push_back(0xFFFD);
            lost = true;
            ++i;
            continue;
        }
        i += len;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    if (lossy)
        *lossy = lost;
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | cp >> 6));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | cp >> 12));
            out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | cp >> 18));
            out.push_back(static_cast<char>(0x80 | (cp >> 12 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

std::string ToUtf8(std::string_view text) {
    return Utf16ToUtf8(ToUtf16(text));
}

std::string FromUtf8(std::string_view text, bool* lossy) {
    bool lostUtf8 = false, lostCp = false;
    std::string out = FromUtf16(Utf8ToUtf16(text, &lostUtf8), &lostCp);
    if (lossy)
        *lossy = lostUtf8 || lostCp;
    return out;
}

#ifndef _WIN32
std::u16string ToUtf16(std::string_view text) {
    return table::ToUtf16(text);
}
std::string FromUtf16(std::u16string_view text, bool* lossy) {
    return table::FromUtf16(text, lossy);
}
#endif

} // namespace cp932
