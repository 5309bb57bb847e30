// Which slots hold their icons as pages are shown: only the shown pages', never more than the
// bound while the pages shown longest ago give theirs back whole, and the slot edits shifting the
// entries with their slots.
#include "qvtdock/PageIcons.h"

#include "forms/base/Exceptions.h"
#include "qvtdock/DataFolder.h"

#include <gtest/gtest.h>

namespace {
using Indexes = std::vector<int>;

void Fill(TLaunchList& list, std::initializer_list<int> counts) {
    ClearPages(list);
    for (const int n : counts)
        list.AddPage("P", n, 0);
}

// The flat indexes that hold their icon.
Indexes MadeOnes(const TPageIcons& icons) {
    Indexes made;
    for (int i = 0; i < icons.Count(); ++i)
        if (icons.Made(i))
            made.push_back(i);
    return made;
}
} // namespace

TEST(PageIconsTest, ShownPages_OnlyTheirSlotsGetIconsEachOnce) {
    TLaunchList list;
    Fill(list, {3, 2, 4, 0});
    TPageIcons icons;
    icons.Reset(list.Count());
    EXPECT_EQ(icons.MadeCount(), 0);
    TPageIcons::TWork work = icons.Show(list, 0);
    EXPECT_EQ(work.Make, (Indexes{0, 1, 2}));
    EXPECT_TRUE(work.Release.empty());
    EXPECT_EQ(icons.Show(list, 2).Make, (Indexes{5, 6, 7, 8}));
    EXPECT_TRUE(icons.Show(list, 0).Make.empty()); // shown before: nothing to make
    EXPECT_TRUE(icons.Show(list, 3).Make.empty()); // a page without slots
    EXPECT_EQ(MadeOnes(icons), (Indexes{0, 1, 2, 5, 6, 7, 8}));
    EXPECT_TRUE(icons.PageMade(list, 2));
    EXPECT_FALSE(icons.PageMade(list, 1));
    EXPECT_FALSE(icons.PageMade(list, 3));
    icons.Reset(list.Count()); // a reload forgets them all
    EXPECT_EQ(icons.MadeCount(), 0);
    EXPECT_EQ(icons.Show(list, 0).Make, (Indexes{0, 1, 2}));
}

TEST(PageIconsTest, Bound_PagesShownLongestAgoGiveBackFirstTheShownPageNever) {
    TLaunchList list;
    Fill(list, {2, 2, 2, 2});
    TPageIcons icons(5);
    icons.Reset(list.Count());
    icons.Show(list, 0);
    icons.Show(list, 1);
    TPageIcons::TWork work = icons.Show(list, 2);
    EXPECT_EQ(work.Release, (Indexes{0, 1}));
    EXPECT_EQ(work.Make, (Indexes{4, 5}));
    icons.Show(list, 1); // shown again: now the newest but one
    EXPECT_EQ(icons.Show(list, 3).Release, (Indexes{4, 5}));
    EXPECT_EQ(MadeOnes(icons), (Indexes{2, 3, 6, 7}));

    // A page above the bound keeps all its icons while shown, and gives them back after.
    TLaunchList large;
    Fill(large, {7, 1});
    TPageIcons big(5);
    big.Reset(large.Count());
    EXPECT_TRUE(big.Show(large, 0).Release.empty());
    EXPECT_EQ(big.MadeCount(), 7);
    EXPECT_EQ(big.Show(large, 1).Release, (Indexes{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(MadeOnes(big), (Indexes{7}));
}

TEST(PageIconsTest, SlotEdits_EntriesMoveWithTheirSlotsOnPagesWithAndWithoutIcons) {
    TLaunchList list;
    Fill(list, {2, 2, 2});
    TPageIcons icons(5);
    icons.Reset(list.Count());
    icons.Show(list, 1);
    // Two slots without icon at the front of page 1 that has none: the shown ones move along.
    list.InsertItem(0, 0, NewEmptyItem());
    icons.Insert(0, false);
    list.InsertItem(0, 0, NewEmptyItem());
    icons.Insert(0, false);
    EXPECT_EQ(MadeOnes(icons), (Indexes{4, 5}));
    // One with its icon on the shown page, one deleted from it.
    list.InsertItem(1, 1, NewEmptyItem());
    icons.Insert(5, true);
    EXPECT_TRUE(icons.PageMade(list, 1));
    list.DeleteItem(1, 0);
    icons.Delete(4);
    EXPECT_EQ(MadeOnes(icons), (Indexes{4, 5}));
    // A slot made alone, on a page not shown, counts as shown now and towards the bound.
    icons.Set(6, true);
    icons.Set(0, true);
    EXPECT_EQ(icons.MadeCount(), 4);
    icons.Set(0, false);
    EXPECT_EQ(icons.MadeCount(), 3);
    const TPageIcons::TWork work = icons.Show(list, 0);
    EXPECT_EQ(work.Make, (Indexes{0, 1, 2, 3}));
    EXPECT_EQ(work.Release, (Indexes{4, 5})); // page 1 was shown before slot 6 was made
    EXPECT_THROW(icons.Delete(8), forms::EListIndexError);
    EXPECT_THROW(icons.Insert(9, true), forms::EListIndexError);
    // A mirror out of step with the list raises rather than make the wrong icons.
    list.DeleteItem(2, 0);
    EXPECT_THROW(icons.Show(list, 2), forms::EListIndexError);
}
