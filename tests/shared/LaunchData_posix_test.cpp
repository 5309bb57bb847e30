// The host build's stand-in for the user locale's text order.
#include "shared/LaunchData.h"

#include <gtest/gtest.h>

TEST(LocaleCompare, StandInIgnoresTheCaseOfAsciiLettersThenComparesBytes) {
    EXPECT_LT(CompareLocaleText("a", "B"), 0);
    EXPECT_LT(CompareLocaleText("A", "a"), 0);
    EXPECT_EQ(CompareLocaleText("表", "表"), 0);
    EXPECT_NE(CompareLocaleText("ａ", "Ａ"), 0); // no locale natively: full-width letters differ
}
