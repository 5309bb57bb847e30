#pragma once
// File-name parts, working on the last component only: '\' and ':' delimit, a trail byte 5C
// inside a double-byte character does not (C:\x\表 is the file 表 in C:\x).
#include <string>
#include <string_view>

namespace forms {

// Folder part with its trailing delimiter ("C:\a\b.txt" -> "C:\a\").
std::string ExtractFilePath(std::string_view path);
// Folder part without the trailing backslash ("C:\a\b.txt" -> "C:\a").
std::string ExtractFileDir(std::string_view path);
std::string ExtractFileName(std::string_view path);
// Extension with its dot, of the last component only ("C:\x.y\z" has none).
std::string ExtractFileExt(std::string_view path);
std::string ChangeFileExt(std::string_view path, std::string_view ext);
std::string IncludeTrailingBackslash(std::string_view path);
std::string ExcludeTrailingBackslash(std::string_view path);
// True when the last character is a (single-byte) backslash.
bool HasTrailingBackslash(std::string_view path);

} // namespace forms
