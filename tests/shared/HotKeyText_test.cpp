// Reading shortcut texts and the hot-key text of [Key] Show.
#include "shared/HotKeyText.h"

#include <gtest/gtest.h>

namespace {
const TKeyNames& Names() {
    static const TKeyNames names([](uint8_t code) -> std::string {
        switch (code) {
        case 17:
            return "Ctrl";
        case 219:
            return "[";
        case 28:
            return "変換";
        default:
            return "";
        }
    });
    return names;
}

void ExpectHotKey(std::string_view text, uint32_t modifiers, uint16_t key) {
    const THotKey k = ReadHotKeyText(text, Names());
    EXPECT_EQ(k.Modifiers, modifiers) << text;
    EXPECT_EQ(k.Key, key) << text;
}
} // namespace

TEST(HotKeyText, ModifiersAndKey) {
    ExpectHotKey("Ctrl+Alt+L", 3, 'L');
    ExpectHotKey("Win+F12", 8, 123);
    ExpectHotKey("Win+Shift+Z", 12, 'Z');
    ExpectHotKey("", 0, 0);
    ExpectHotKey("Ctrl+Win+Enter", 10, 13);
    // Names of the keyboard layout, as the configuration program writes them.
    ExpectHotKey("Alt+[", 1, 219);
    ExpectHotKey("Ctrl+変換", 2, 28);
}

TEST(HotKeyText, ModifiersAlone_TheirBitsAndNoKey) {
    ExpectHotKey("Shift+Ctrl", 6, 0);
    ExpectHotKey("Shift+Win", 12, 0);
    ExpectHotKey("Alt", 1, 0);
}

TEST(HotKeyText, ModifierWordsCountOnlyInTheirOwnLetterCase_TheKeyIsReadInAny) {
    ExpectHotKey("ctrl+alt+l", 0, 'L');
    ExpectHotKey("win+L", 0, 0); // "win+" stays, and is no shortcut text
}

TEST(HotKeyText, UnreadableKey_TheModifiersStayTheKeyIsZero) {
    ExpectHotKey("Ctrl+Alt+Nothing", 3, 0);
    ExpectHotKey("Ctrl+Alt+", 3, 0);
    ExpectHotKey("Win+Win+L", 8, 0);
    ExpectHotKey("+", 0, 0);
    ExpectHotKey("L+Ctrl", 2, 0);
}

TEST(ShortcutText, PrefixesInAnyOrderAndCase_AModifierIsNoKey) {
    const TShortcut s = ReadShortcutText("alt+SHIFT+Ctrl+Del", Names());
    EXPECT_EQ(s.Key, 46);
    EXPECT_TRUE(s.Shift && s.Ctrl && s.Alt);
    const TShortcut modifier = ReadShortcutText("Shift+Ctrl", Names());
    EXPECT_EQ(modifier.Key, 0);
    EXPECT_FALSE(modifier.Shift);
}
