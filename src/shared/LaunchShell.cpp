#include "shared/LaunchShell.h"

#include "forms/base/Exceptions.h"
#include "forms/base/Files.h"
#include "shared/FileUtils.h"

bool TShell::IsDirectory(std::string_view path) {
    return ::IsDirectory(path);
}

bool TShell::FileExists(std::string_view path) {
    return forms::FileExists(path);
}

std::optional<std::string> TShell::ReadFileText(std::string_view path) {
    if (!forms::FileExists(path))
        return std::nullopt;
    try {
        return forms::ReadFileBytes(path);
    } catch (const forms::Exception&) {
        return std::nullopt;
    }
}
