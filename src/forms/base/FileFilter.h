#pragma once
// The filter of a file dialog: "description|pattern|description|pattern...", as forms and
// settings write it. The text is split at each single-byte '|' character, never at a trail byte
// (ポ is 83 7C), so every description and pattern keeps its double-byte characters whole.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

struct TFilterEntry {
    std::string Description;
    std::string Pattern; // one or more patterns joined by ';' ("*.exe;*.com")
    friend bool operator==(const TFilterEntry& a, const TFilterEntry& b) {
        return a.Description == b.Description && a.Pattern == b.Pattern;
    }
};

// The pairs of a filter text; an empty text gives none. One '|' after the last pattern is
// allowed. None when the text is no list of pairs: a description without a pattern, an empty
// description or pattern, or a NUL byte (the system's list would end early and show other
// entries than the text names).
std::optional<std::vector<TFilterEntry>> ParseFileFilter(std::string_view filter);

} // namespace forms
