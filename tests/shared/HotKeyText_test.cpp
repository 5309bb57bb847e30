// Reading shortcut texts and the hot-key text of [Key] Show.
#include "shared/HotKeyText.h"

#include <gtest/gtest.h>

namespace {
const TKeyNames& Names() {
    static const TKeyNames names([](uint8_t code) -> std::string {
        switch (code) {
        case 16:
            return "Shift";
        case 17:
            return "Ctrl";
        case 18:
            return "Alt";
        case 91:
            return "Left Windows";
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

THotKey Read(std::string_view text) {
    return ReadHotKeyText(text, Names());
}
} // namespace

TEST(HotKeyText, CtrlAltL_ModifiersThreeAndTheKeyL) {
    const THotKey k = Read("Ctrl+Alt+L");
    EXPECT_EQ(k.Modifiers, 3u);
    EXPECT_EQ(k.Key, 'L');
}

TEST(HotKeyText, WinF12_ModifierEightAndTheKeyF12) {
    const THotKey k = Read("Win+F12");
    EXPECT_EQ(k.Modifiers, 8u);
    EXPECT_EQ(k.Key, 123);
}

TEST(HotKeyText, WinShiftZ_ModifiersTwelveAndTheKeyZ) {
    const THotKey k = Read("Win+Shift+Z");
    EXPECT_EQ(k.Modifiers, 12u);
    EXPECT_EQ(k.Key, 'Z');
}

TEST(HotKeyText, Empty_NoModifiersNoKey) {
    const THotKey k = Read("");
    EXPECT_EQ(k.Modifiers, 0u);
    EXPECT_EQ(k.Key, 0);
}

TEST(HotKeyText, ModifiersAlone_TheirBitsAndNoKey) {
    EXPECT_EQ(Read("Shift+Ctrl").Modifiers, 6u);
    EXPECT_EQ(Read("Shift+Ctrl").Key, 0);
    // What the configuration program saves while Shift and the Windows key are held.
    EXPECT_EQ(Read("Shift+Win").Modifiers, 12u);
    EXPECT_EQ(Read("Shift+Win").Key, 0);
    EXPECT_EQ(Read("Alt").Modifiers, 1u);
    EXPECT_EQ(Read("Alt").Key, 0);
}

TEST(HotKeyText, ModifierWordsCountOnlyInTheirOwnLetterCase_TheKeyIsReadInAny) {
    const THotKey k = Read("ctrl+alt+l");
    EXPECT_EQ(k.Modifiers, 0u);
    EXPECT_EQ(k.Key, 'L');
    const THotKey win = Read("win+L");
    EXPECT_EQ(win.Modifiers, 0u);
    EXPECT_EQ(win.Key, 0); // "win+L" is no shortcut text
}

TEST(HotKeyText, WinWithinTheText_OnlyTheFirstWinPlusGoes) {
    const THotKey k = Read("Ctrl+Win+Enter");
    EXPECT_EQ(k.Modifiers, 10u);
    EXPECT_EQ(k.Key, 13);
    EXPECT_EQ(Read("Win+Win+L").Key, 0);
}

TEST(HotKeyText, LayoutNamedKeys_AsTheConfigurationProgramWritesThem) {
    EXPECT_EQ(Read("Alt+[").Key, 219);
    EXPECT_EQ(Read("Alt+[").Modifiers, 1u);
    EXPECT_EQ(Read("Ctrl+変換").Key, 28);
}

TEST(HotKeyText, UnreadableKey_TheModifiersStayTheKeyIsZero) {
    const THotKey k = Read("Ctrl+Alt+Nothing");
    EXPECT_EQ(k.Modifiers, 3u);
    EXPECT_EQ(k.Key, 0);
    EXPECT_EQ(Read("Ctrl+Alt+").Key, 0);
    EXPECT_EQ(Read("+").Key, 0);
    EXPECT_EQ(Read("L+Ctrl").Key, 0);
}

TEST(ShortcutText, PrefixesInAnyOrderAndCase) {
    const TShortcut s = ReadShortcutText("alt+SHIFT+Ctrl+Del", Names());
    EXPECT_EQ(s.Key, 46);
    EXPECT_TRUE(s.Shift);
    EXPECT_TRUE(s.Ctrl);
    EXPECT_TRUE(s.Alt);
    const TShortcut plain = ReadShortcutText("PgUp", Names());
    EXPECT_EQ(plain.Key, 33);
    EXPECT_FALSE(plain.Shift || plain.Ctrl || plain.Alt);
}

TEST(ShortcutText, AModifierKeyIsNoKey) {
    const TShortcut s = ReadShortcutText("Shift+Ctrl", Names());
    EXPECT_EQ(s.Key, 0);
    EXPECT_FALSE(s.Shift); // nothing of an unreadable text is kept
    EXPECT_EQ(ReadShortcutText("Left Windows", Names()).Key, 0);
}
