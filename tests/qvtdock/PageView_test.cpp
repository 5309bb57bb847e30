// The selected button of the page shown: an index that names no button selects none, and the
// list is never asked for a slot that is not there.
#include "qvtdock/PageView.h"

#include "qvtdock/DataFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
std::unique_ptr<TLaunchList> Pages(std::initializer_list<int> counts) {
    auto owned = std::make_unique<TLaunchList>();
    TLaunchList& list = *owned;
    ClearPages(list);
    int page = 0;
    for (const int n : counts) {
        list.AddPage("P" + std::to_string(page + 1), n, 0);
        for (int s = 0; s < n; ++s)
            list.Items(page, s)->Title = std::to_string(page + 1) + "." + std::to_string(s + 1);
        ++page;
    }
    return owned;
}
} // namespace

TEST(SelectedSlot, ButtonOfThePage_ItsSlot) {
    const auto owned = Pages({3, 5});
    TLaunchList& list = *owned;
    const auto slot = SelectedSlotOf(list, 1, 4);
    ASSERT_TRUE(slot);
    EXPECT_EQ(slot->Page, 1);
    EXPECT_EQ(slot->Slot, 4);
    EXPECT_EQ(slot->Item->Title, "2.5");
}

TEST(SelectedSlot, StaleIndexFromALongerPage_None) {
    // Left over from a page of 20 buttons, or from before a reload.
    const auto owned = Pages({20, 5});
    TLaunchList& list = *owned;
    EXPECT_FALSE(SelectedSlotOf(list, 1, 15));
    EXPECT_FALSE(SelectedSlotOf(list, 1, 5));
    EXPECT_TRUE(SelectedSlotOf(list, 0, 15));
}

TEST(SelectedSlot, GridsNothingSelectedOrANegativeIndex_None) {
    const auto owned = Pages({5});
    TLaunchList& list = *owned;
    // The grid of two rows of ten says "nothing" with its cell count.
    EXPECT_FALSE(SelectedSlotOf(list, 0, 20));
    EXPECT_FALSE(SelectedSlotOf(list, 0, -1));
}

TEST(SelectedSlot, PageThatDoesNotExist_None) {
    const auto owned = Pages({5});
    TLaunchList& list = *owned;
    EXPECT_FALSE(SelectedSlotOf(list, 1, 0));
    EXPECT_FALSE(SelectedSlotOf(list, -1, 0));
}

TEST(PageBtnCount, ThePagesCountOrZero) {
    const auto owned = Pages({3, 120});
    TLaunchList& list = *owned;
    EXPECT_EQ(PageBtnCount(list, 1), 120);
    EXPECT_EQ(PageBtnCount(list, 2), 0);
    EXPECT_EQ(PageBtnCount(list, -1), 0);
}
