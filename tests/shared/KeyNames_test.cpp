// The key-name table: fixed names, made names of digits, letters and function keys, the keyboard
// layout's names for the rest, and reading a name back.
#include "shared/KeyNames.h"

#include <gtest/gtest.h>

#include <map>

namespace {
// A layout that names a few keys, as a Japanese or US layout might, and counts its questions.
struct FakeLayout {
    std::map<int, std::string> names{{16, "Shift"}, {17, "Ctrl"}, {219, "["},       {221, "]"},
                                     {28, "変換"},  {186, ";"},   {200, "\x82\x61"}};
    mutable int asked = 0;
    TLayoutKeyName Function() const {
        return [this](uint8_t code) {
            ++asked;
            const auto it = names.find(code);
            return it == names.end() ? std::string() : it->second;
        };
    }
};
} // namespace

TEST(KeyNames, TheListedKeysHaveTheirFixedNames) {
    const TKeyNames names;
    const std::map<int, std::string> expected{
        {8, "BkSp"},  {9, "Tab"},    {13, "Enter"}, {27, "Esc"},  {32, "Space"},
        {33, "PgUp"}, {34, "PgDn"},  {35, "End"},   {36, "Home"}, {37, "Left"},
        {38, "Up"},   {39, "Right"}, {40, "Down"},  {45, "Ins"},  {46, "Del"}};
    for (const auto& [code, name] : expected)
        EXPECT_EQ(names.KeyName(static_cast<uint16_t>(code)), name) << code;
}

TEST(KeyNames, DigitsLettersAndFunctionKeysAreMade) {
    const TKeyNames names;
    EXPECT_EQ(names.KeyName(48), "0");
    EXPECT_EQ(names.KeyName(57), "9");
    EXPECT_EQ(names.KeyName(96), "0"); // the keypad's digits are named alike
    EXPECT_EQ(names.KeyName(105), "9");
    EXPECT_EQ(names.KeyName(65), "A");
    EXPECT_EQ(names.KeyName(90), "Z");
    EXPECT_EQ(names.KeyName(112), "F1");
    EXPECT_EQ(names.KeyName(123), "F12");
    EXPECT_EQ(names.KeyName(135), "F24");
}

TEST(KeyNames, OtherKeysTakeTheLayoutsName_OrNone) {
    const FakeLayout layout;
    const TKeyNames names(layout.Function());
    EXPECT_EQ(names.KeyName(219), "[");
    EXPECT_EQ(names.KeyName(28), "変換");
    EXPECT_EQ(names.KeyName(136), ""); // past F24, and the layout names it not
    EXPECT_EQ(TKeyNames().KeyName(219), "");
}

TEST(KeyNames, TheLayoutIsAskedOnceForEachUnlistedKeyAndNeverForListedOnes) {
    FakeLayout layout;
    layout.names[13] = "Return";
    layout.names[65] = "a";
    const TKeyNames names(layout.Function());
    EXPECT_EQ(names.KeyName(13), "Enter");
    EXPECT_EQ(names.KeyName(65), "A");
    const int built = layout.asked;
    (void)names.KeyName(219);
    (void)names.KeyCode("[");
    EXPECT_EQ(layout.asked, built);
    EXPECT_LT(built, 255);
}

TEST(KeyNames, OnlyTheLowByteOfACodeNamesIt) {
    const TKeyNames names;
    EXPECT_EQ(names.KeyName(0x141), "A");
    EXPECT_EQ(names.KeyName(0xFF0D), "Enter");
    EXPECT_EQ(names.KeyName(0), "");
}

TEST(KeyNames, KeyCode_ReadsEveryNameBackInAnyLetterCase) {
    const FakeLayout layout;
    const TKeyNames names(layout.Function());
    EXPECT_EQ(names.KeyCode("Enter"), 13);
    EXPECT_EQ(names.KeyCode("enter"), 13);
    EXPECT_EQ(names.KeyCode("PGDN"), 34);
    EXPECT_EQ(names.KeyCode("l"), 76);
    EXPECT_EQ(names.KeyCode("F12"), 123);
    EXPECT_EQ(names.KeyCode("]"), 221);
    EXPECT_EQ(names.KeyCode("変換"), 28);
}

TEST(KeyNames, KeyCode_ANameTwoKeysBearIsTheLowerCode) {
    const TKeyNames names;
    EXPECT_EQ(names.KeyCode("0"), 48); // not the keypad's 96
    EXPECT_EQ(names.KeyCode("7"), 55);
}

TEST(KeyNames, KeyCode_UnknownOrEmptyIsZero) {
    const FakeLayout layout;
    const TKeyNames names(layout.Function());
    EXPECT_EQ(names.KeyCode(""), 0);
    EXPECT_EQ(names.KeyCode("F25"), 0);
    EXPECT_EQ(names.KeyCode("Enter "), 0);
    EXPECT_EQ(names.KeyCode("Ctrl+L"), 0);
    // A double-byte name whose trail byte is a letter is not matched in another case.
    EXPECT_EQ(names.KeyCode("\x82\x61"), 200);
    EXPECT_EQ(names.KeyCode("\x82\x41"), 0);
}
