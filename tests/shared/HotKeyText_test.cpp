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

TEST(ShortcutText, ModifiersInTheFixedOrderThenTheName_NoNameNoText) {
    EXPECT_EQ(ShortcutText({'K', false, true, true}, Names()), "Ctrl+Alt+K");
    EXPECT_EQ(ShortcutText({116, true, true, true}, Names()), "Shift+Ctrl+Alt+F5");
    EXPECT_EQ(ShortcutText({13, false, false, false}, Names()), "Enter");
    EXPECT_EQ(ShortcutText({219, false, false, true}, Names()), "Alt+[");
    // A key the layout does not name gives no text, whatever is held.
    EXPECT_EQ(ShortcutText({0xE8, true, false, false}, Names()), "");
    // Only the low byte names the key.
    EXPECT_EQ(ShortcutText({0x100 + 'A', false, false, false}, Names()), "A");
}

TEST(ShortcutText, WhatItWritesIsReadBackAsTheSameKey) {
    for (const TShortcut& s :
         {TShortcut{'Z', true, false, false}, TShortcut{123, false, true, true},
          TShortcut{28, false, true, false}}) {
        const TShortcut read = ReadShortcutText(ShortcutText(s, Names()), Names());
        EXPECT_EQ(read.Key, s.Key);
        EXPECT_EQ(read.Shift, s.Shift);
        EXPECT_EQ(read.Ctrl, s.Ctrl);
        EXPECT_EQ(read.Alt, s.Alt);
    }
}

TEST(ShiftStateText, HeldModifiersJoinedInTheFixedOrderWinLast) {
    EXPECT_EQ(ShiftStateText(false, false, false, false), "");
    EXPECT_EQ(ShiftStateText(false, true, false, false), "Ctrl");
    EXPECT_EQ(ShiftStateText(true, true, true, false), "Shift+Ctrl+Alt");
    EXPECT_EQ(ShiftStateText(true, false, false, true), "Shift+Win");
    EXPECT_EQ(ShiftStateText(false, false, false, true), "Win");
    EXPECT_EQ(ShiftStateText(false, true, true, true), "Ctrl+Alt+Win");
}
