#include "shared/KeyNames.h"

#include "forms/base/StrUtils.h"

namespace {
// The keys named alike whatever the layout says.
struct TNamedKey {
    uint8_t Code;
    std::string_view Name;
};
constexpr TNamedKey kNamedKeys[] = {
    {8, "BkSp"},  {9, "Tab"},    {13, "Enter"}, {27, "Esc"},  {32, "Space"},
    {33, "PgUp"}, {34, "PgDn"},  {35, "End"},   {36, "Home"}, {37, "Left"},
    {38, "Up"},   {39, "Right"}, {40, "Down"},  {45, "Ins"},  {46, "Del"},
};

constexpr uint8_t kDigit0 = 48, kDigit9 = 57;
constexpr uint8_t kPad0 = 96, kPad9 = 105;
constexpr uint8_t kLetterA = 65, kLetterZ = 90;
constexpr uint8_t kF1 = 112, kF24 = 135;

// The digits, letters and function keys, whose names are made rather than listed.
const std::array<std::string, 256>& MadeNames() {
    static const std::array<std::string, 256> made = [] {
        std::array<std::string, 256> names;
        for (int c = kDigit0; c <= kDigit9; ++c)
            names[c] = std::string(1, static_cast<char>('0' + c - kDigit0));
        for (int c = kPad0; c <= kPad9; ++c)
            names[c] = std::string(1, static_cast<char>('0' + c - kPad0));
        for (int c = kLetterA; c <= kLetterZ; ++c)
            names[c] = std::string(1, static_cast<char>(c));
        for (int c = kF1; c <= kF24; ++c)
            names[c] = "F" + std::to_string(c - kF1 + 1);
        for (const TNamedKey& k : kNamedKeys)
            names[k.Code] = std::string(k.Name);
        return names;
    }();
    return made;
}
} // namespace

std::string_view FixedKeyName(uint8_t code) {
    return MadeNames()[code];
}

TKeyNames::TKeyNames(const TLayoutKeyName& layout) {
    for (int c = 0; c < 256; ++c) {
        const auto code = static_cast<uint8_t>(c);
        const std::string_view fixed = FixedKeyName(code);
        if (!fixed.empty())
            names_[c] = std::string(fixed);
        else if (layout && c != 0)
            names_[c] = layout(code);
    }
}

const std::string& TKeyNames::KeyName(uint16_t code) const {
    return names_[code & 0xFF];
}

uint8_t TKeyNames::KeyCode(std::string_view name) const {
    if (name.empty())
        return 0;
    for (int c = 1; c < 256; ++c)
        if (forms::SameText(names_[c], name))
            return static_cast<uint8_t>(c);
    return 0;
}
