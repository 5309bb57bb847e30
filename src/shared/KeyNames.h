#pragma once
// The names of keys as the settings show and store them: a fixed name for the keys that the
// configuration program lists by name (BkSp, Enter, PgUp, F1 ...), the digit or letter for the
// character keys, and for every other key the name that the keyboard layout gives it. The table
// is built once from the layout; reading a name back finds the first key code that bears it, so
// the launcher accepts exactly the names that the configuration program writes.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The keyboard layout's name of a key (by its virtual-key code); empty when the key has no scan
// code or no name. Texts are code page 932.
using TLayoutKeyName = std::function<std::string(uint8_t code)>;

class TKeyNames {
public:
    // Without a layout, the keys without a fixed name have none.
    explicit TKeyNames(const TLayoutKeyName& layout = nullptr);

    // The name of a key code; only its low byte counts. Empty for a key without a name.
    [[nodiscard]] const std::string& KeyName(uint16_t code) const;
    // The first key code (1 to 255) whose name is the text, letters in any case; 0 for none.
    [[nodiscard]] uint8_t KeyCode(std::string_view name) const;

private:
    std::array<std::string, 256> names_;
};

// The names of keys that never come from the layout, whatever it calls them; empty for others.
[[nodiscard]] std::string_view FixedKeyName(uint8_t code);

#ifdef _WIN32
// The table of the keyboard layout that is active when it is first asked for.
[[nodiscard]] const TKeyNames& SystemKeyNames();
#endif
