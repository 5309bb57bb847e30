#include "forms/base/StrUtils.h"

#include <gtest/gtest.h>

using namespace forms;

TEST(StrUtils, TrailBytesAreNeverDelimiters) {
    EXPECT_EQ(LastDelimiter("\\", "C:\\x\\表"), 4u);
    EXPECT_EQ(LastDelimiter("\\", "ソ"), npos);
    EXPECT_EQ(FindChar("ポ|a", '|'), 2u);
    EXPECT_EQ(Split("ポップ|b", '|'), (std::vector<std::string>{"ポップ", "b"}));
    EXPECT_EQ(Split("", '|'), (std::vector<std::string>{""}));
    EXPECT_TRUE(IsTrailByte("表", 1));
    EXPECT_FALSE(IsTrailByte("表a", 2));
}

TEST(StrUtils, CaseChangesLeaveDoubleByteCharactersAlone) {
    EXPECT_EQ(UpperCase("aＢc"), "AＢC"); // Ｂ is 82 61: its trail byte stays 'a'
    EXPECT_EQ(LowerCase("A六"), "a六");   // 六 is 98 5A
    EXPECT_TRUE(SameText("abc", "ABC"));
    EXPECT_FALSE(SameText("ab", "abc"));
    EXPECT_LT(CompareText("abc", "ABD"), 0);
}

TEST(StrUtils, SearchesStartOnCharacterBoundaries) {
    EXPECT_EQ(PosIC("\\", "表"), npos);
    EXPECT_EQ(PosIC("EXE", "prog.exe"), 5u);
    EXPECT_EQ(Pos("a", "Ｂa"), 2u);
    EXPECT_TRUE(StartsText("HTTP", "http://x"));
    EXPECT_FALSE(StartsText("\x95", "表"));
}

TEST(StrUtils, CutNeverSplitsACharacter) {
    EXPECT_EQ(CutAtBytes("a表", 2), "a");
    EXPECT_EQ(CutAtBytes("a表", 3), "a表");
    EXPECT_EQ(CutAtBytes("abc", 0), "");
}

TEST(StrUtils, TrimAndFormat) {
    EXPECT_EQ(Trim(" \t x y \r\n"), "x y");
    EXPECT_EQ(TrimLeft("  a "), "a ");
    EXPECT_EQ(Format("'%s' は%s%%", {"x", "y"}), "'x' はy%");
    EXPECT_EQ(ReplaceAll("a表b", "\\", "/"), "a表b");
    EXPECT_EQ(ReplaceAll("a\\b", "\\", "/"), "a/b");
}

TEST(StrUtils, ReplaceTextMatchesLettersInAnyCaseAtCharacterStarts) {
    EXPECT_EQ(ReplaceText("a[@tt]b[@TT]", "[@TT]", "x"), "axbx");
    EXPECT_EQ(ReplaceText("ゼ@D]", "[@D]", "x"), "ゼ@D]"); // ゼ is 83 5B
    EXPECT_EQ(ReplaceText("abc", "", "x"), "abc");
}

TEST(StrUtils, SplitLinesKeepsEachLinesTerminator) {
    const auto lines = SplitLines("a\r\nb\rc\n\r\nd");
    std::vector<std::pair<std::string, std::string>> got;
    for (const TTextLine& l : lines)
        got.emplace_back(l.Text, l.Eol);
    EXPECT_EQ(got, (std::vector<std::pair<std::string, std::string>>{
                       {"a", "\r\n"}, {"b", "\r"}, {"c", "\n"}, {"", "\r\n"}, {"d", ""}}));
    EXPECT_EQ(SplitLines("x\n").size(), 1u); // a final terminator opens no empty line
    EXPECT_TRUE(SplitLines("").empty());
}

TEST(StrUtils, WithoutLineBreaks_RemovesEveryCrAndLfAndKeepsDoubleByteCharacters) {
    EXPECT_EQ(forms::WithoutLineBreaks("C:\\a\r\nb\rc\nd"), "C:\\abcd");
    EXPECT_EQ(forms::WithoutLineBreaks("\r\n\r\n"), "");
    EXPECT_EQ(forms::WithoutLineBreaks("C:\\\x97\x5C\x92\xE8\\x"), "C:\\\x97\x5C\x92\xE8\\x");
}
