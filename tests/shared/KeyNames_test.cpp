// The key-name table: fixed names, made names of digits, letters and function keys, the keyboard
// layout's names for the rest, and reading a name back.
#include "shared/KeyNames.h"

#include <gtest/gtest.h>

#include <map>

namespace {
// A layout that names a few keys and counts its questions.
struct FakeLayout {
    std::map<int, std::string> names{
        {13, "Return"}, {65, "a"}, {219, "["}, {28, "変換"}, {200, "\x82\x61"}};
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

TEST(KeyNames, FixedAndMadeNames_WhateverTheLayoutSays) {
    const FakeLayout layout;
    const TKeyNames names(layout.Function());
    const std::map<int, std::string> expected{
        {8, "BkSp"},  {9, "Tab"},  {13, "Enter"}, {27, "Esc"},  {32, "Space"}, {33, "PgUp"},
        {34, "PgDn"}, {35, "End"}, {36, "Home"},  {37, "Left"}, {38, "Up"},    {39, "Right"},
        {40, "Down"}, {45, "Ins"}, {46, "Del"},   {48, "0"},    {57, "9"},     {96, "0"},
        {105, "9"},   {65, "A"},   {90, "Z"},     {112, "F1"},  {123, "F12"},  {135, "F24"}};
    for (const auto& [code, name] : expected)
        EXPECT_EQ(names.KeyName(static_cast<uint16_t>(code)), name) << code;
    EXPECT_LT(layout.asked, 255); // never asked for those
}

TEST(KeyNames, OtherKeysTakeTheLayoutsName_OnlyTheLowByteCounts) {
    const FakeLayout layout;
    const TKeyNames names(layout.Function());
    EXPECT_EQ(names.KeyName(219), "[");
    EXPECT_EQ(names.KeyName(28), "変換");
    EXPECT_EQ(names.KeyName(136), ""); // past F24, unnamed by the layout
    EXPECT_EQ(TKeyNames().KeyName(219), "");
    EXPECT_EQ(names.KeyName(0x141), "A");
    EXPECT_EQ(names.KeyName(0), "");
}

TEST(KeyNames, KeyCode_ReadsNamesBackInAnyLetterCase_TheLowerCodeFirst) {
    const FakeLayout layout;
    const TKeyNames names(layout.Function());
    EXPECT_EQ(names.KeyCode("enter"), 13);
    EXPECT_EQ(names.KeyCode("PGDN"), 34);
    EXPECT_EQ(names.KeyCode("l"), 76);
    EXPECT_EQ(names.KeyCode("["), 219);
    EXPECT_EQ(names.KeyCode("変換"), 28);
    EXPECT_EQ(names.KeyCode("0"), 48); // not the keypad's 96
}

TEST(KeyNames, KeyCode_UnknownOrEmptyIsZero) {
    const FakeLayout layout;
    const TKeyNames names(layout.Function());
    EXPECT_EQ(names.KeyCode(""), 0);
    EXPECT_EQ(names.KeyCode("F25"), 0);
    EXPECT_EQ(names.KeyCode("Enter "), 0);
    EXPECT_EQ(names.KeyCode("Return"), 0); // the layout's word for a listed key
    // A double-byte name whose trail byte is a letter is not matched in another case.
    EXPECT_EQ(names.KeyCode("\x82\x61"), 200);
    EXPECT_EQ(names.KeyCode("\x82\x41"), 0);
}
