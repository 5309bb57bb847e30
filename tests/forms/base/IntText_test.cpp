#include "forms/base/Exceptions.h"
#include "forms/base/IntText.h"

#include <gtest/gtest.h>

using namespace forms;

TEST(IntText, AcceptsDecimalAndHexPatterns) {
    EXPECT_EQ(ParseIntText("0"), 0);
    EXPECT_EQ(ParseIntText("-42"), -42);
    EXPECT_EQ(ParseIntText("+7"), 7);
    EXPECT_EQ(ParseIntText("2147483647"), 2147483647);
    EXPECT_EQ(ParseIntText("-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseIntText("$FF000017"), -16777193);
    EXPECT_EQ(ParseIntText("-$10"), -16);
    EXPECT_EQ(ParseIntText("0x1f"), 31);
    EXPECT_EQ(ParseIntText("0XFFFFFFFF"), -1);
}

TEST(IntText, RejectsEverythingElse) {
    for (const char* bad : {"", " 5", "5 ", "48px", "2147483648", "-2147483649", "$", "0x",
                            "$123456789", "1e3", "--1", "+", "99999999999999999999", "０"})
        EXPECT_FALSE(ParseIntText(bad).has_value()) << bad;
}

TEST(IntText, StrToIntRaisesTheConversionError) {
    EXPECT_EQ(StrToIntDef("x", 9), 9);
    try {
        StrToInt("abc");
        FAIL();
    } catch (const EConversionError& e) {
        EXPECT_EQ(e.Message(), "'abc' は整数ではありません");
    }
}

TEST(IntText, PaddedDecimal) {
    EXPECT_EQ(IntToStrPad(3, 5), "00003");
    EXPECT_EQ(IntToStrPad(-5, 5), "-00005");
    EXPECT_EQ(IntToStrPad(123456, 5), "123456");
}
