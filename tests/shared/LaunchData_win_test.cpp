// The user locale's text order on Windows, and the page sort that uses it.
#include "shared/LaunchData.h"

#include "shared/LaunchListTesting.h"

#include <gmock/gmock.h>

using testing::ElementsAre;

// Full-width letters differ only in case in UTF-16; as code-page-932 bytes (or read through
// another ANSI code page) they are unrelated.
TEST(LocaleCompare, ComparesTheUtf16TextIgnoringCase) {
    EXPECT_EQ(CompareLocaleText("ａ", "Ａ"), 0);
    EXPECT_LT(CompareLocaleText("Ａ", "ｂ"), 0);
    EXPECT_GT(CompareLocaleText("ｃ", "Ｂ"), 0);
    EXPECT_EQ(CompareLocaleText("abc", "ABC"), 0);
}

TEST(LocaleCompare, SortByTitleOfFullWidthLetters) {
    TLaunchList list;
    list.DeletePage(0);
    list.AddPage("p", 0, 0);
    for (const char* title : {"ｂ", "Ａ", "ａ", "Ｃ"})
        list.AppendItem(0, kbtest::Slot(title));
    SortPageItems(list, 0, 0, false);
    EXPECT_THAT(kbtest::Titles(list, 0), ElementsAre("Ａ", "ａ", "ｂ", "Ｃ"));
}
