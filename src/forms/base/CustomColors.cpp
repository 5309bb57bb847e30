#include "forms/base/CustomColors.h"

#include "forms/base/StrUtils.h"
#include "forms/base/Strings.h"

#include <cstdio>

namespace forms {

namespace {
int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

uint32_t ParseColorValue(std::string_view text) {
    const std::string value = Trim(text);
    if (value.empty() || value.size() > 6)
        return 0;
    uint32_t color = 0;
    for (const char c : value) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return 0;
        color = color << 4 | static_cast<uint32_t>(digit);
    }
    return color;
}
} // namespace

std::string CustomColorName(int index) {
    return std::string("Color") + static_cast<char>('A' + index);
}

std::string CustomColorLine(int index, uint32_t color) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%06X", static_cast<unsigned>(color & 0xFFFFFFu));
    return CustomColorName(index) + "=" + digits;
}

TCustomColors ReadCustomColors(const TStrings& lines) {
    TCustomColors colors{};
    for (int i = 0; i < kCustomColorCount; ++i)
        colors[static_cast<size_t>(i)] = ParseColorValue(lines.Values(CustomColorName(i)));
    return colors;
}

void WriteCustomColors(const TCustomColors& colors, TStrings& lines) {
    const TStringsUpdate update(lines);
    lines.Clear();
    for (int i = 0; i < kCustomColorCount; ++i)
        lines.Add(CustomColorLine(i, colors[static_cast<size_t>(i)]));
}

} // namespace forms
