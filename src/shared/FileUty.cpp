#include "shared/FileUty.h"

// Interim: returns the path as given until the file-system search lands.
std::string GetLongPathNameStr(std::string_view path) { return std::string(path); }
