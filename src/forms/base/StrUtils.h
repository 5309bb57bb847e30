#pragma once
// Byte strings of code page 932, walked character by character: a trail byte can be '\', '|' or
// a letter (表 95 5C, ポ 83 7C, Ｂ 82 61), so every search and case change steps over whole
// characters.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

constexpr size_t npos = std::string_view::npos;

// Bytes taken by the character that starts at i: 2 for a lead byte followed by another byte
// (not NUL), else 1.
size_t CharLength(std::string_view s, size_t i);
inline size_t NextChar(std::string_view s, size_t i) {
    return i + CharLength(s, i);
}
// True when byte i is the second byte of a double-byte character.
bool IsTrailByte(std::string_view s, size_t i);

// Position of the first single-byte character c at or after from, or npos.
size_t FindChar(std::string_view s, char c, size_t from = 0);
// Position of the last single-byte character that is one of delims, or npos.
size_t LastDelimiter(std::string_view delims, std::string_view s);
// Pieces between the single-byte separators (n separators give n + 1 pieces).
std::vector<std::string> Split(std::string_view s, char separator);
// One line of a text and the terminator that ended it: "\r\n", "\n", "\r", or "" for a last
// line without one. (CR and LF are never trail bytes, so they need no character walk.)
struct TTextLine {
    std::string_view Text, Eol;
};
// The lines of text, ended by CR LF, LF or CR; a final terminator opens no further line.
std::vector<TTextLine> SplitLines(std::string_view text);
// At most maxBytes bytes, never ending inside a character.
std::string CutAtBytes(std::string_view s, size_t maxBytes);

// Case changes and comparisons of ASCII letters only; double-byte characters stay as they are.
std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
// Position of the first occurrence of sub (ASCII letters any case) at a character start, or npos.
size_t PosIC(std::string_view sub, std::string_view s);
// Position of the first occurrence of sub that starts on a character boundary, or npos.
size_t Pos(std::string_view sub, std::string_view s, size_t from = 0);
bool StartsText(std::string_view prefix, std::string_view s);

// Blanks and control bytes (up to 0x20) removed from the ends.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

// Every occurrence of from (at character starts) replaced by to.
std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to);
// The same with ASCII letters of from matched in any case.
std::string ReplaceText(std::string_view s, std::string_view from, std::string_view to);

// fmt with each "%s" replaced by the next argument in turn and "%%" by "%".
std::string Format(std::string_view fmt, std::initializer_list<std::string_view> args);

std::string IntToStr(int64_t value);

// s between double quotes, as a command line or a message encloses a path or a title; a quote
// inside s stays as it is.
std::string Quoted(std::string_view s);

// s without its CR and LF bytes: one line of what may hold several.
std::string WithoutLineBreaks(std::string_view s);

} // namespace forms
