#pragma once
// The INI text inside a style file. Its rules differ from the settings file's: the text ends at
// its first NUL; lines end at CR LF, LF or CR and are trimmed; empty lines and ";" lines are
// skipped; a line "[name]" opens a section (name trimmed); other lines are "key=value" (both
// trimmed) and hold no key without "=" or before the first section. Sections and keys match with
// ASCII letters in any case, the first of a name wins, and values keep their quotes.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace forms {

class TStyleText {
public:
    TStyleText() = default;
    explicit TStyleText(std::string_view bytes);

    [[nodiscard]] bool SectionExists(std::string_view section) const;
    [[nodiscard]] bool ValueExists(std::string_view section, std::string_view key) const;
    [[nodiscard]] std::string ReadString(std::string_view section, std::string_view key,
                                         std::string_view fallback) const;
    // An integer text (decimal, "$" or "0x" hex, signed), else the fallback.
    [[nodiscard]] int32_t ReadInteger(std::string_view section, std::string_view key,
                                      int32_t fallback) const;
    // An integer text other than 0 is true; anything else gives the fallback.
    [[nodiscard]] bool ReadBool(std::string_view section, std::string_view key,
                                bool fallback) const;

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
    };
    [[nodiscard]] const Section* FindSection(std::string_view section) const;
    [[nodiscard]] const std::string* Find(std::string_view section, std::string_view key) const;

    std::vector<Section> sections_;
};

} // namespace forms
