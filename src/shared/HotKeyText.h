#pragma once
// Key texts of the settings: a menu shortcut text ("Ctrl+Alt+K": modifier words and a key name
// of the key-name table) and the hot-key text of [Key] Show, which may also hold "Win". Reading
// turns them into the key code and the modifiers that the system's hot-key registration takes;
// the configuration program writes them with ShortcutText and ShiftStateText.
#include "shared/KeyNames.h"

#include <cstdint>
#include <string>
#include <string_view>

// The modifiers of a hot key, as the system's registration takes them.
constexpr uint32_t kHotKeyAlt = 1, kHotKeyCtrl = 2, kHotKeyShift = 4, kHotKeyWin = 8;

// A key with the modifiers held with it.
struct TShortcut {
    uint16_t Key = 0; // 0: none
    bool Shift = false, Ctrl = false, Alt = false;
};

// The text of a key with the modifiers held: "Shift+", "Ctrl+" and "Alt+" in this order for those
// held, then the key's name; empty when the key has no name.
[[nodiscard]] std::string ShortcutText(const TShortcut& shortcut, const TKeyNames& names);

// The modifiers held, while no other key is: "Shift", "Ctrl", "Alt", then "Win" when withWin,
// joined by "+"; empty when none.
[[nodiscard]] std::string ShiftStateText(bool shift, bool ctrl, bool alt, bool withWin);

// A menu shortcut text: "Shift+", "Ctrl+" and "Alt+" in any order and letter case, then a key
// name of the table. A text that cannot be read (no name after the modifiers, a name that no key
// bears, a modifier key given as the key) gives key 0 and no modifiers.
[[nodiscard]] TShortcut ReadShortcutText(std::string_view text, const TKeyNames& names);

// What a hot-key text registers.
struct THotKey {
    uint32_t Modifiers = 0; // kHotKeyAlt | kHotKeyCtrl | kHotKeyShift | kHotKeyWin
    uint16_t Key = 0;       // 0 when the text names no key
};

// The hot key of a [Key] Show text. The modifiers are the words "Shift", "Ctrl", "Alt" and "Win"
// found anywhere in the text, in this letter case only; the first "Win+" is taken out and the rest
// is read as a shortcut text for the key alone. So "Shift+Ctrl", which the configuration program
// saves while only modifiers were held, registers the modifiers without a key.
[[nodiscard]] THotKey ReadHotKeyText(std::string_view text, const TKeyNames& names);
