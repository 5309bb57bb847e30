#pragma once
// Version strings: the product name, version and copyright from a file's version resource, and
// the major version of Windows.
#include <array>
#include <string>
#include <string_view>

// The key of a version resource's string table, from the value of its translation entry: the
// first language and code page as eight lower-case hex digits ("041103a4"). Empty when the value
// is shorter than one entry (4 bytes).
[[nodiscard]] std::string VersionTranslationKey(std::string_view value);

// What GetFileVersionStrings fills: the long path, its folder with a trailing backslash, and the
// product name, product version and legal copyright of the file's version resource.
using TVersionStrings = std::array<std::string, 5>;

#ifdef _WIN32
// info[0] and info[1] from the file's name; info[2] to info[4] from its version resource, each
// left as it was when the resource, its translation or that string is missing.
void GetFileVersionStrings(std::string_view fileName, TVersionStrings& info);
// The major Windows version on the NT platform; 0 on other platforms and below 3.
[[nodiscard]] int GetNTMajorVersion();
#endif
