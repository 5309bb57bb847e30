#include "forms/base/StyleText.h"

#include <gtest/gtest.h>

using namespace forms;

namespace {

TEST(StyleText, Read_QuotedValue_KeepsItsQuotes) {
    const TStyleText ini("[TabFont]\r\nName=\"ＭＳ ゴシック\"\r\nSingle='x'\r\n");
    EXPECT_EQ(ini.ReadString("TabFont", "Name", ""), "\"ＭＳ ゴシック\"");
    EXPECT_EQ(ini.ReadString("TabFont", "Single", ""), "'x'");
}

TEST(StyleText, Read_BlanksAroundLinesKeysAndValues_AreTrimmed) {
    const TStyleText ini("  \t[ Style ]  \r\n\t Format =  K+StyleInformation \t\r\n");
    EXPECT_EQ(ini.ReadString("Style", "Format", ""), "K+StyleInformation");
}

TEST(StyleText, Read_CommentLines_HoldNoKeys) {
    const TStyleText ini("[A]\r\n;k=1\r\n   ; j=2\r\nv=a;b\r\n");
    EXPECT_EQ(ini.ReadString("A", "k", "none"), "none");
    EXPECT_EQ(ini.ReadString("A", "; j", "none"), "none");
    EXPECT_EQ(ini.ReadString("A", "v", ""), "a;b");
}

TEST(StyleText, Read_RepeatedKey_FirstWins) {
    const TStyleText ini("[A]\r\nk=1\r\nK=2\r\n");
    EXPECT_EQ(ini.ReadString("A", "k", ""), "1");
}

TEST(StyleText, Read_RepeatedSection_FirstWinsAndHidesTheSecond) {
    const TStyleText ini("[A]\r\nk=1\r\n[B]\r\n[a]\r\nk=2\r\nj=3\r\n");
    EXPECT_EQ(ini.ReadString("A", "k", ""), "1");
    EXPECT_EQ(ini.ReadString("A", "j", "none"), "none");
}

TEST(StyleText, Read_SectionsAndKeys_MatchInAnyCase) {
    const TStyleText ini("[glyph]\r\nlockbtn=3\r\n");
    EXPECT_EQ(ini.ReadInteger("GLYPH", "LockBtn", -1), 3);
}

TEST(StyleText, Read_LfOnlyAndCrOnlyBreaks_SplitLines) {
    const TStyleText lf("[A]\nk=1\nj=2\n");
    EXPECT_EQ(lf.ReadString("A", "k", ""), "1");
    EXPECT_EQ(lf.ReadString("A", "j", ""), "2");
    const TStyleText cr("[A]\rk=1\rj=2");
    EXPECT_EQ(cr.ReadString("A", "k", ""), "1");
    EXPECT_EQ(cr.ReadString("A", "j", ""), "2");
    const TStyleText mixed("[A]\r\n\r\nk=1\n\rj=2\r");
    EXPECT_EQ(mixed.ReadString("A", "k", ""), "1");
    EXPECT_EQ(mixed.ReadString("A", "j", ""), "2");
}

TEST(StyleText, Read_Nul_EndsTheText) {
    using namespace std::string_literals;
    const TStyleText ini("[A]\r\nk=1\0x\r\nj=2\r\n"s);
    EXPECT_EQ(ini.ReadString("A", "k", ""), "1");
    EXPECT_EQ(ini.ReadString("A", "j", "none"), "none");
}

TEST(StyleText, Read_LinesBeforeFirstSectionAndWithoutEquals_HoldNoKeys) {
    const TStyleText ini("k=0\r\n[A]\r\njust text\r\nk=1\r\n");
    EXPECT_FALSE(ini.ValueExists("", "k"));
    EXPECT_EQ(ini.ReadString("A", "k", ""), "1");
    EXPECT_FALSE(ini.ValueExists("A", "just text"));
}

TEST(StyleText, Read_ValueWithEquals_KeepsTextAfterFirstEquals) {
    const TStyleText ini("[A]\r\nk=a=b\r\n");
    EXPECT_EQ(ini.ReadString("A", "k", ""), "a=b");
}

TEST(StyleText, Read_PresentEmptyValue_IsEmptyNotFallback) {
    const TStyleText ini("[A]\r\nk=\r\n");
    EXPECT_EQ(ini.ReadString("A", "k", "fallback"), "");
    EXPECT_EQ(ini.ReadString("A", "missing", "fallback"), "fallback");
    EXPECT_EQ(ini.ReadString("Missing", "k", "fallback"), "fallback");
}

TEST(StyleText, Read_HeaderEndingInTrailByte5D_IsNoSection) {
    // ム is 83 5D: its second byte is ']' but the line is no header, so k stays in [A].
    const TStyleText ini("[A]\r\n[\x83\x5D\r\nk=1\r\n");
    EXPECT_EQ(ini.ReadString("A", "k", ""), "1");
    EXPECT_FALSE(ini.SectionExists("\x83"));
}

TEST(StyleText, ReadInteger_IntegerTexts_AndFallbackForOthers) {
    const TStyleText ini("[A]\r\nd=-5\r\nh=$10\r\nx=0x1F\r\nbad=12px\r\nempty=\r\n");
    EXPECT_EQ(ini.ReadInteger("A", "d", 0), -5);
    EXPECT_EQ(ini.ReadInteger("A", "h", 0), 16);
    EXPECT_EQ(ini.ReadInteger("A", "x", 0), 31);
    EXPECT_EQ(ini.ReadInteger("A", "bad", 7), 7);
    EXPECT_EQ(ini.ReadInteger("A", "empty", 7), 7);
    EXPECT_EQ(ini.ReadInteger("A", "missing", 7), 7);
}

TEST(StyleText, ReadBool_NonZeroIntegerIsTrue_OtherTextsGiveFallback) {
    const TStyleText ini("[A]\r\nz=0\r\nt=2\r\nword=true\r\n");
    EXPECT_FALSE(ini.ReadBool("A", "z", true));
    EXPECT_TRUE(ini.ReadBool("A", "t", false));
    EXPECT_TRUE(ini.ReadBool("A", "word", true));
    EXPECT_FALSE(ini.ReadBool("A", "word", false));
}

TEST(StyleText, Read_DoubleByteNames_MatchByteForByte) {
    const TStyleText ini("[表示]\r\nソ=十\r\n");
    EXPECT_EQ(ini.ReadString("表示", "ソ", ""), "十");
}

} // namespace
