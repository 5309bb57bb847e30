#include "forms/base/FileFilter.h"

#include "forms/base/StrUtils.h"

namespace forms {

std::optional<std::vector<TFilterEntry>> ParseFileFilter(std::string_view filter) {
    std::vector<TFilterEntry> entries;
    if (filter.empty())
        return entries;
    if (filter.find('\0') != std::string_view::npos)
        return std::nullopt;
    std::vector<std::string> pieces = Split(filter, '|');
    if (pieces.size() % 2 == 1 && pieces.back().empty())
        pieces.pop_back(); // "text|*.txt|"
    if (pieces.size() % 2 == 1)
        return std::nullopt;
    for (size_t i = 0; i < pieces.size(); i += 2) {
        if (pieces[i].empty() || pieces[i + 1].empty())
            return std::nullopt;
        entries.push_back({std::move(pieces[i]), std::move(pieces[i + 1])});
    }
    return entries;
}

} // namespace forms
