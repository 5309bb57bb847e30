#include "forms/base/Codepage.h"

#include <gtest/gtest.h>

using namespace cp932;

TEST(Codepage, JapaneseTextRoundTripsThroughUtf16AndUtf8) {
    const std::string text = "表示ソポ～＼ｱｲｳ abc";
    EXPECT_EQ(FromUtf16(ToUtf16(text)), text);
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
    EXPECT_EQ(ToUtf16("表"), u"表");
    EXPECT_EQ(ToUtf8("表"), "\xE8\xA1\xA8");
}

TEST(Codepage, MicrosoftMappingsNotPlainShiftJis) {
    EXPECT_EQ(ToUtf16("\x81\x60"), u"\uFF5E"); // wave dash as Windows maps it
    EXPECT_EQ(ToUtf16("\x81\x5F"), u"\uFF3C");
    EXPECT_EQ(FromUtf16(u"\u2252"), "\x81\xE0"); // JIS X 0208 wins over NEC row 13
    EXPECT_EQ(FromUtf16(u"\u2160"), "\x87\x54"); // NEC row 13 wins over IBM
    EXPECT_EQ(FromUtf16(u"\u2170"), "\xFA\x40"); // IBM wins over NEC-selected IBM
    EXPECT_EQ(FromUtf16(u"\uFFE2"), "\x81\xCA");
}

TEST(Codepage, UnmappableCharactersAreReportedAsLossy) {
    bool lossy = false;
    EXPECT_EQ(FromUtf16(u"a\u00A5b", &lossy), "a?b");
    EXPECT_TRUE(lossy);
    FromUtf16(u"表", &lossy);
    EXPECT_FALSE(lossy);
    EXPECT_EQ(FromUtf8("x\xF0\x9F\x98\x80y", &lossy), "x??y");
    EXPECT_TRUE(lossy);
    FromUtf8("\xFF", &lossy);
    EXPECT_TRUE(lossy);
}

TEST(Codepage, BrokenDoubleByteSequencesDecodeLikeWindows) {
    EXPECT_EQ(ToUtf16("A\x81"), u"A\u30FB"); // lead byte at the end
    EXPECT_EQ(ToUtf16(std::string("\x81\0A", 3)), std::u16string(u"\u30FB\0A", 3));
    EXPECT_EQ(ToUtf16("\x85\x40"
                      "A"),
              u"\u30FB"
              "A"); // undefined pair is one character
    EXPECT_EQ(ToUtf16("\xA0\xFD"), u"\uF8F0\uF8F1");
    EXPECT_EQ(FromUtf16(u"\uF8F0\u0080"), "\xA0\x80");
}

TEST(Codepage, EmbeddedNulsSurvive) {
    const std::string text("a\0b", 3);
    EXPECT_EQ(FromUtf16(ToUtf16(text)), text);
}
