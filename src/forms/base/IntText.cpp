#include "forms/base/IntText.h"

#include "forms/base/Exceptions.h"
#include "forms/base/StrUtils.h"

namespace forms {

namespace {
int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
} // namespace

std::optional<int32_t> ParseIntText(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    bool hex = false;
    if (!text.empty() && text[0] == '$') {
        hex = true;
        text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        hex = true;
        text.remove_prefix(2);
    }
    if (hex) {
        if (text.empty() || text.size() > 8)
            return std::nullopt;
        uint32_t bits = 0;
        for (char c : text) {
            const int d = HexDigit(c);
            if (d < 0)
                return std::nullopt;
            bits = bits << 4 | static_cast<uint32_t>(d);
        }
        return static_cast<int32_t>(negative ? 0u - bits : bits);
    }
    if (text.empty())
        return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > int64_t{INT32_MAX} + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

int32_t StrToInt(std::string_view text) {
    if (auto v = ParseIntText(text))
        return *v;
    throw EConversionError(text);
}

int32_t StrToIntDef(std::string_view text, int32_t fallback) {
    return ParseIntText(text).value_or(fallback);
}

std::string IntToStrPad(int64_t value, int width) {
    const bool negative = value < 0;
    std::string digits = std::to_string(value);
    if (negative)
        digits.erase(0, 1);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<size_t>(width) - digits.size(), '0');
    return negative ? "-" + digits : digits;
}

} // namespace forms
