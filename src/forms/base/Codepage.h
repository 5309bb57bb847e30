#pragma once
// Code-page-932 text at the edges of the system. Every text inside the programs is a std::string
// of CP932 bytes, as the data, settings and style files hold it; UTF-16 exists only at a Win32
// call and UTF-8 only in the older data form. Conversions never depend on the system's ANSI code
// page.
#include <optional>
#include <string>
#include <string_view>

namespace cp932 {

// Lead bytes of double-byte characters: 81-9F and E0-FC.
constexpr bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Bytes that are not a character of the code page decode to U+30FB, as Windows does.
std::u16string ToUtf16(std::string_view text);
// Characters that the code page cannot hold become '?' and set *lossy.
std::string FromUtf16(std::u16string_view text, bool* lossy = nullptr);
std::string ToUtf8(std::string_view text);
std::string FromUtf8(std::string_view text, bool* lossy = nullptr);

std::u16string Utf8ToUtf16(std::string_view text, bool* lossy = nullptr);
std::string Utf16ToUtf8(std::u16string_view text);

// The portable codec behind the host build. The Windows build calls the system's conversion
// instead, and its tests hold the two to agree on every character.
namespace table {
std::u16string ToUtf16(std::string_view text);
std::string FromUtf16(std::u16string_view text, bool* lossy = nullptr);
} // namespace table

#ifdef _WIN32
// The Win32 boundary: W functions take these.
std::wstring Wide(std::string_view text);
std::string Narrow(std::wstring_view text, bool* lossy = nullptr);
// None when the code page cannot hold the whole text: a path or name that lost characters would
// name something else.
std::optional<std::string> NarrowExact(std::wstring_view text);
#endif

} // namespace cp932
