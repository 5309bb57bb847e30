// The key capture of the settings editor's hot-key field and launcher-key fields, key by key as
// the fields see them.
#include "qvtcfg/KeyCapture.h"

#include <gtest/gtest.h>

namespace {

constexpr uint16_t kShift = 16, kCtrl = 17, kAlt = 18, kEnter = 13, kEsc = 27, kSpace = 32;
constexpr uint16_t kWin = 91, kF5 = 116, kPad5 = 101, kColon = 186;
constexpr THeldModifiers kNone{}, kShiftHeld{true, false, false}, kCtrlHeld{false, true, false},
    kCtrlAlt{false, true, true};

const TKeyNames& Names() {
    static const TKeyNames names([](uint8_t code) -> std::string {
        switch (code) {
        case kColon:
            return ":";
        case 221:
            return "]";
        default:
            return "";
        }
    });
    return names;
}

// The hot-key field: keys go down and up in it, the text follows.
struct HotKeyField {
    TKeyCapture capture{Names()};
    std::string text;
    void Down(uint16_t key, THeldModifiers held = kNone) { capture.HotKeyDown(text, key, held); }
    void Up() { capture.HotKeyUp(text); }
};

} // namespace

// ---- the hot key ----

TEST(HotKeyCapture, CtrlThenAltThenK_ShowsEachStepAndKeepsTheKey) {
    HotKeyField f;
    f.Down(kCtrl, kCtrlHeld);
    EXPECT_EQ(f.text, "Ctrl");
    f.Down(kAlt, kCtrlAlt);
    EXPECT_EQ(f.text, "Ctrl+Alt");
    f.Down('K', kCtrlAlt);
    EXPECT_EQ(f.text, "Ctrl+Alt+K");
    EXPECT_EQ(f.capture.Pending(), 0);
    for (int i = 0; i < 3; ++i)
        f.Up();
    EXPECT_EQ(f.text, "Ctrl+Alt+K");
}

TEST(HotKeyCapture, TheWindowsKeyCountsOnlyAsTheLastModifierPressed) {
    HotKeyField f;
    f.Down(kShift, kShiftHeld);
    f.Down(kWin, kShiftHeld);
    EXPECT_EQ(f.text, "Shift+Win");
    f.Down('Z', kShiftHeld);
    EXPECT_EQ(f.text, "Win+Shift+Z");
    f.Up();
    // The next key keeps "Win+" from the text, held or not.
    f.Down('A');
    EXPECT_EQ(f.text, "Win+A");

    HotKeyField g;
    g.Down(kWin);
    EXPECT_EQ(g.text, "Win");
    g.Down(kShift, kShiftHeld); // rewrites the text without Win
    g.Down('Z', kShiftHeld);
    EXPECT_EQ(g.text, "Shift+Z");
}

TEST(HotKeyCapture, ANamedKeyShowsWhileHeldAndIsGoneWhenReleased) {
    HotKeyField f;
    f.Down(kCtrl, kCtrlHeld);
    f.Down(kF5, kCtrlHeld);
    EXPECT_EQ(f.text, "Ctrl+F5");
    EXPECT_EQ(f.capture.Pending(), kF5);
    f.Up();
    EXPECT_EQ(f.text, "");

    f.Down(kEnter);
    EXPECT_EQ(f.text, "Enter");
    f.Up();
    EXPECT_EQ(f.text, "");
    // Pending keeps only the low byte of the code.
    f.Down(0x100 + kF5);
    EXPECT_EQ(f.capture.Pending(), kF5);
}

TEST(HotKeyCapture, ModifiersAloneStayAsTheirNames) {
    HotKeyField f;
    f.Down(kCtrl, kCtrlHeld);
    f.Up();
    EXPECT_EQ(f.text, "Ctrl");
}

TEST(HotKeyCapture, EscRemovesTheHotKey) {
    HotKeyField f;
    f.text = "Ctrl+Alt+K";
    f.Down(kEsc);
    EXPECT_EQ(f.text, "");
    EXPECT_EQ(f.capture.Pending(), 0);
    f.Up();
    EXPECT_EQ(f.text, "");
}

TEST(HotKeyCapture, CharacterKeysAndSpaceStayAfterRelease) {
    for (uint16_t key : {uint16_t{kSpace}, uint16_t{'7'}, uint16_t{kPad5}, uint16_t{kColon}}) {
        HotKeyField f;
        f.Down(key, kCtrlHeld);
        f.Up();
        EXPECT_FALSE(f.text.empty()) << key;
        EXPECT_EQ(f.text.rfind("Ctrl+", 0), 0u) << key;
    }
}

TEST(HotKeyCapture, AKeyWithoutANameLeavesNoTextAndNoWin) {
    HotKeyField f;
    f.text = "Win";
    f.Down(0xE8, kCtrlHeld); // named by no layout
    EXPECT_EQ(f.text, "");
}

// ---- the launcher keys ----

TEST(KeyFieldCapture, NamedKeysShowTheirNameAndBecomeTheCode) {
    TKeyCapture c(Names());
    for (auto [key, name] : {std::pair{kF5, "F5"}, std::pair{kEnter, "Enter"},
                             std::pair{kEsc, "Esc"}, std::pair{kShift, ""}}) {
        TKeyField f{"PgUp", 33};
        c.KeyFieldDown(f, key);
        EXPECT_EQ(f.Code, key);
        c.KeyFieldUp(f, key);
        EXPECT_EQ(f.Code, key);
        EXPECT_EQ(f.Text, name) << key;
    }
}

TEST(KeyFieldCapture, ALetterLandsInTheEmptiedFieldInUpperCase) {
    TKeyCapture c(Names());
    TKeyField f{"Enter", 13};
    c.KeyFieldDown(f, 'A');
    EXPECT_EQ(f.Text, "");
    EXPECT_EQ(f.Code, 13); // not yet: the key has typed nothing so far
    f.Text += "a";         // what the key types
    const TKeyUpEffect e = c.KeyFieldUp(f, 'A');
    EXPECT_EQ(f.Text, "A");
    EXPECT_EQ(f.Code, 'A');
    EXPECT_TRUE(e.CaretToEnd);
}

TEST(KeyFieldCapture, SpaceKeepsItsNameWithoutTheBlankItTyped) {
    TKeyCapture c(Names());
    TKeyField f{"A", 65};
    c.KeyFieldDown(f, kSpace);
    EXPECT_EQ(f.Text, "Space");
    f.Text = " " + f.Text; // the blank lands before the caret at the start
    c.KeyFieldUp(f, kSpace);
    EXPECT_EQ(f.Text, "Space");
    EXPECT_EQ(f.Code, kSpace);
}

TEST(KeyFieldCapture, NumpadAndPunctuationKeepTheCharacterTheyTyped) {
    TKeyCapture c(Names());
    for (auto [key, typed] : {std::pair{kPad5, "5"}, std::pair{kColon, ":"}}) {
        TKeyField f{"Esc", 27};
        c.KeyFieldDown(f, key);
        f.Text += typed;
        const TKeyUpEffect e = c.KeyFieldUp(f, key);
        EXPECT_EQ(f.Text, typed);
        EXPECT_EQ(f.Code, key);
        EXPECT_TRUE(e.CaretToEnd);
    }
}

TEST(KeyFieldCapture, AReleaseOfANamedKeyStillPendingFromTheHotKeyFieldEmptiesTheField) {
    TKeyCapture c(Names());
    std::string hotKey;
    c.HotKeyDown(hotKey, kF5, kNone);
    TKeyField f{"Enter", 13};
    c.KeyFieldUp(f, kF5);
    EXPECT_EQ(f.Text, "");
    // A key pressed in a key field ends what was pending.
    c.KeyFieldDown(f, kEsc);
    c.KeyFieldUp(f, kEsc);
    EXPECT_EQ(f.Text, "Esc");
}

TEST(IsCharacterKey, DigitsLettersKeypadAndPunctuation) {
    for (uint16_t key : {48, 57, 65, 90, 96, 111, 146, 186, 245})
        EXPECT_TRUE(IsCharacterKey(key)) << key;
    for (uint16_t key : {8, 9, 13, 27, 32, 33, 46, 47, 91, 95, 112, 145, 246, 255})
        EXPECT_FALSE(IsCharacterKey(key)) << key;
}
