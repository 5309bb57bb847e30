// The title bar's counters and what a button says of itself.
#include "qvtdock/TitleText.h"

#include "forms/base/Exceptions.h"
#include "qvtdock/DataFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
// Pages "A" (3 slots) and "表" (2 slots); slot s of page p titled "p.s".
std::unique_ptr<TLaunchList> TwoPages() {
    auto owned = std::make_unique<TLaunchList>();
    TLaunchList& list = *owned;
    ClearPages(list);
    list.AddPage("A", 3, 0);
    list.AddPage("表", 2, 0);
    for (int p = 0; p < 2; ++p)
        for (int s = 0; s < list.Pages().Items(p)->BtnCount; ++s)
            list.Items(p, s)->Title = std::to_string(p + 1) + "." + std::to_string(s + 1);
    return owned;
}
} // namespace

// ---- Counters ----------------------------------------------------------------------------------

TEST(CounterText, ThreeDigitsLeftFilledWithZeros) {
    EXPECT_EQ(CounterText(7), "007");
    EXPECT_EQ(CounterText(120), "120");
    EXPECT_EQ(CounterText(0), "000");
}

TEST(CounterText, LongerNumbersKeepEveryDigit) {
    EXPECT_EQ(CounterText(1000), "1000");
    EXPECT_EQ(CounterText(2147483648LL), "2147483648");
}

// ---- Comments ----------------------------------------------------------------------------------

TEST(CommentLines, BackslashNBreaksTheLine) {
    EXPECT_EQ(CommentLines("first\\nsecond"), "first\r\nsecond");
    EXPECT_EQ(CommentLines("\\n\\n"), "\r\n\r\n");
    EXPECT_EQ(CommentLines("no break"), "no break");
}

TEST(CommentLines, TrailByte5CFollowedByN_StaysAsItIs) {
    // ソ is 83 5C and 表 is 95 5C: "ソn" and "表n" hold the bytes 5C 6E, but no backslash.
    EXPECT_EQ(CommentLines("ソn"), "ソn");
    EXPECT_EQ(CommentLines("表n"), "表n");
    EXPECT_EQ(CommentLines("表\\n表n"), "表\r\n表n");
}

// ---- Button texts ------------------------------------------------------------------------------

TEST(ComposeButtonText, TitleAlone) {
    const auto owned = TwoPages();
    TLaunchList& list = *owned;
    EXPECT_EQ(ComposeButtonText(list, 1, 1, false, false), "2.2");
}

TEST(ComposeButtonText, WithPage_CaptionInBracketsAndALineBreakFirst) {
    const auto owned = TwoPages();
    TLaunchList& list = *owned;
    EXPECT_EQ(ComposeButtonText(list, 1, 0, false, true), "[表] \r\n2.1");
}

TEST(ComposeButtonText, WithComment_TitleColonLineBreakAndTheCommentsLines) {
    const auto owned = TwoPages();
    TLaunchList& list = *owned;
    list.Items(0, 2)->Comment = "one\\ntwo";
    EXPECT_EQ(ComposeButtonText(list, 0, 2, true, false), "1.3 : \r\none\r\ntwo");
    EXPECT_EQ(ComposeButtonText(list, 0, 2, true, true), "[A] \r\n1.3 : \r\none\r\ntwo");
}

TEST(ComposeButtonText, CommentOfSoAndHyouN_Unchanged) {
    const auto owned = TwoPages();
    TLaunchList& list = *owned;
    list.Items(0, 1)->Comment = "ソn表n";
    EXPECT_EQ(ComposeButtonText(list, 0, 1, true, false), "1.2 : \r\nソn表n");
}

TEST(ComposeButtonText, SlotOutsideThePage_Raises) {
    const auto owned = TwoPages();
    TLaunchList& list = *owned;
    EXPECT_THROW((void)ComposeButtonText(list, 0, 3, false, false), forms::EListIndexError);
    EXPECT_THROW((void)ComposeButtonText(list, 2, 0, false, true), forms::EListIndexError);
    EXPECT_THROW((void)ComposeButtonText(list, 0, -1, false, false), forms::EListIndexError);
}
