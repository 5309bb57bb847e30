#pragma once
// The one integer-text reader of every file format: an optional sign, then either decimal digits
// that fit 32 bits, or '$' / "0x" with 1 to 8 hexadecimal digits taken as a 32-bit pattern
// ("$FF000017" is -16777193). Nothing may stand around it; callers trim first.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace forms {

std::optional<int32_t> ParseIntText(std::string_view text);
// Raises EConversionError "'text' は整数ではありません".
int32_t StrToInt(std::string_view text);
int32_t StrToIntDef(std::string_view text, int32_t fallback);
// Decimal, left-filled with zeros to at least width digits after the sign (-5, 5 -> "-00005").
std::string IntToStrPad(int64_t value, int width);

} // namespace forms
