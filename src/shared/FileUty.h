#pragma once
// File and folder routines shared by both programs.
#include <string>
#include <string_view>

// path with every existing component in the long form and letter case that the file system
// stores. (Spelled with a suffix: GetLongPathName is a <windows.h> macro.)
std::string GetLongPathNameStr(std::string_view path);
