#include "forms/base/StyleText.h"

#include "forms/base/IntText.h"
#include "forms/base/StrUtils.h"

namespace forms {

namespace {

// "[name]": the first byte '[' and the last character a single-byte ']' (a trail byte 5D is not).
bool IsSectionLine(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']' &&
           !IsTrailByte(line, line.size() - 1);
}

} // namespace

TStyleText::TStyleText(std::string_view bytes) {
    const size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos)
        bytes = bytes.substr(0, nul);

    Section* current = nullptr;
    for (const TTextLine& raw : SplitLines(bytes)) {
        const std::string line = Trim(raw.Text);
        if (line.empty() || line.front() == ';')
            continue;
        if (IsSectionLine(line)) {
            sections_.push_back({Trim(std::string_view(line).substr(1, line.size() - 2)), {}});
            current = &sections_.back();
            continue;
        }
        const size_t eq = FindChar(line, '=');
        if (current == nullptr || eq == npos)
            continue;
        const std::string_view view(line);
        current->keys.emplace_back(Trim(view.substr(0, eq)), Trim(view.substr(eq + 1)));
    }
}

const TStyleText::Section* TStyleText::FindSection(std::string_view section) const {
    for (const Section& s : sections_)
        if (SameText(s.name, section))
            return &s;
    return nullptr;
}

const std::string* TStyleText::Find(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    if (s == nullptr)
        return nullptr;
    for (const auto& [name, value] : s->keys)
        if (SameText(name, key))
            return &value;
    return nullptr;
}

bool TStyleText::SectionExists(std::string_view section) const {
    return FindSection(section) != nullptr;
}

bool TStyleText::ValueExists(std::string_view section, std::string_view key) const {
    return Find(section, key) != nullptr;
}

std::string TStyleText::ReadString(std::string_view section, std::string_view key,
                                   std::string_view fallback) const {
    const std::string* value = Find(section, key);
    return value ? *value : std::string(fallback);
}

int32_t TStyleText::ReadInteger(std::string_view section, std::string_view key,
                                int32_t fallback) const {
    return StrToIntDef(ReadString(section, key, ""), fallback);
}

bool TStyleText::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

} // namespace forms
