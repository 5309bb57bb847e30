#include "forms/base/Paths.h"

#include "forms/base/StrUtils.h"

namespace forms {

namespace {
// Index just after the last '\' or ':', or 0.
size_t NameStart(std::string_view path) {
    const size_t d = LastDelimiter("\\:", path);
    return d == npos ? 0 : d + 1;
}
size_t ExtStart(std::string_view path) {
    const size_t d = LastDelimiter(".\\:", path);
    return d != npos && path[d] == '.' ? d : npos;
}
} // namespace

std::string ExtractFilePath(std::string_view path) {
    return std::string(path.substr(0, NameStart(path)));
}

std::string ExtractFileDir(std::string_view path) {
    size_t end = NameStart(path);
    // "C:\a" keeps its root backslash; "C:\a\b" loses the one before "b".
    if (end > 1 && path[end - 1] == '\\' &&
        LastDelimiter("\\:", path.substr(0, end - 1)) != end - 2)
        --end;
    return std::string(path.substr(0, end));
}

std::string ExtractFileName(std::string_view path) {
    return std::string(path.substr(NameStart(path)));
}

std::string ExtractFileExt(std::string_view path) {
    const size_t e = ExtStart(path);
    return e == npos ? std::string() : std::string(path.substr(e));
}

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
    const size_t e = ExtStart(path);
    std::string out(path.substr(0, e == npos ? path.size() : e));
    out.append(ext);
    return out;
}

bool HasTrailingBackslash(std::string_view path) {
    return !path.empty() && path.back() == '\\' && !IsTrailByte(path, path.size() - 1);
}

std::string IncludeTrailingBackslash(std::string_view path) {
    std::string out(path);
    if (!HasTrailingBackslash(path))
        out.push_back('\\');
    return out;
}

std::string ExcludeTrailingBackslash(std::string_view path) {
    std::string out(path);
    if (HasTrailingBackslash(path))
        out.pop_back();
    return out;
}

} // namespace forms
