#pragma once
// The sixteen custom colours of a colour dialog as text lines, the form in which they are kept in
// settings files: "ColorA=BBGGRR" to "ColorP=BBGGRR", six upper-case hexadecimal digits of the
// colour value (blue, green, red).
#include <array>
#include <cstdint>
#include <string>

namespace forms {

class TStrings;

constexpr int kCustomColorCount = 16;
// Colour values 0x00BBGGRR.
using TCustomColors = std::array<uint32_t, kCustomColorCount>;

// "ColorA" .. "ColorP" for index 0 .. 15.
std::string CustomColorName(int index);
// "ColorA=0000FF": the name, '=' and the six digits (bits above the colour are dropped).
std::string CustomColorLine(int index, uint32_t color);
// The value of each name (the first line naming it, any letter case): one to six hexadecimal
// digits of either case, blanks around them allowed. A missing or malformed line reads as 0.
TCustomColors ReadCustomColors(const TStrings& lines);
// Replaces the lines with the sixteen lines of colors, in order.
void WriteCustomColors(const TCustomColors& colors, TStrings& lines);

} // namespace forms
