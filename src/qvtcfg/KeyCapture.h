#pragma once
// How the settings editor's key fields take a key. The hot-key field builds the text of [Key]
// Show from the keys pressed in it: modifiers alone show their names while held, a character key
// stays with the modifiers held with it, and a named key (F5, Enter, an arrow) shows while held and
// is gone when released, since the launcher could not register it reliably. The six launcher-key
// fields keep the last key pressed in them, by its code and its name (or the character it typed).
// Both share one pending code: non-zero while the key held must not stay in its field.
#include "shared/KeyNames.h"

#include <cstdint>
#include <string>

// The modifiers held with a key.
struct THeldModifiers {
    bool Shift = false, Ctrl = false, Alt = false;
};

// Keys that stay in a field as the character they type: digits, letters, the numeric keypad and
// the layout's punctuation (and, in the hot-key field, Space).
[[nodiscard]] bool IsCharacterKey(uint16_t key);

// A launcher-key field: the key code it stands for and the text it shows.
struct TKeyField {
    std::string Text;
    uint16_t Code = 0;
};

// What a key release asks of the field beyond its text.
struct TKeyUpEffect {
    bool CaretToEnd = false;
};

class TKeyCapture {
public:
    explicit TKeyCapture(const TKeyNames& names) : names_(names) {}

    // The hot-key field: a key goes down with the modifiers held; text is the field's text, which
    // the key replaces (the key itself never reaches the field).
    void HotKeyDown(std::string& text, uint16_t key, THeldModifiers held);
    // Any key released in the hot-key field: a pending named key leaves the field empty.
    void HotKeyUp(std::string& text) const;

    // A launcher-key field: a key goes down. A character key empties the field for the character
    // it types (the key then reaches the field); any other key shows its name and is the field's
    // code (and never reaches the field).
    void KeyFieldDown(TKeyField& field, uint16_t key);
    // The key released in the field, whose text now holds what the key typed, if anything.
    TKeyUpEffect KeyFieldUp(TKeyField& field, uint16_t key) const;

    // The code of the key that must not stay in its field; 0 for none.
    [[nodiscard]] uint16_t Pending() const { return pending_; }

private:
    const TKeyNames& names_;
    uint16_t pending_ = 0;
};
