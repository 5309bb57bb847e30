// The launch data model: construction, addressing, page and slot editing, copies and the page
// sort.
#include "shared/LaunchData.h"

#include "forms/base/Codepage.h"
#include "forms/base/Exceptions.h"
#include "forms/base/Files.h"
#include "forms/base/Paths.h"
#include "shared/DataFile.h"
#include "shared/LaunchListTesting.h"

#include <gmock/gmock.h>

using forms::EListIndexError;
using kbtest::Slot;
using kbtest::Snapshot;
using kbtest::Titles;
using testing::ElementsAre;

namespace {

// Pages of the given sizes, slots titled "p<page>s<slot>".
void MakePages(TLaunchList& list, std::initializer_list<int> sizes) {
    list.DeletePage(0);
    int p = 0;
    for (int n : sizes) {
        list.AddPage("page" + std::to_string(p), n, 0);
        for (int s = 0; s < n; ++s)
            list.Items(p, s)->Title = "p" + std::to_string(p) + "s" + std::to_string(s);
        ++p;
    }
}

void ExpectEmptySlot(const TLaunchDataItem& item) {
    EXPECT_EQ(item.Kind, ikUnregistered);
    EXPECT_EQ(item.UseCount, 0);
    EXPECT_EQ(item.Title, "未登録");
    EXPECT_EQ(item.Path, "");
    EXPECT_EQ(item.LinkFile, "");
    EXPECT_EQ(item.Params, "");
    EXPECT_EQ(item.WorkDir, "");
    EXPECT_EQ(item.IconFile, "");
    EXPECT_EQ(item.ShowCmd, 1);
    EXPECT_EQ(item.IconIndex, 0);
    EXPECT_EQ(item.Comment, "");
}

} // namespace

TEST(LaunchDataItem, NewObject_HasZeroNumbersAndEmptyTexts) {
    TLaunchDataItem item;
    EXPECT_EQ(item.Kind, ikUnregistered);
    EXPECT_EQ(item.UseCount, 0);
    EXPECT_EQ(item.Title, "");
    EXPECT_EQ(item.ShowCmd, 0);
    EXPECT_EQ(item.IconIndex, 0);
    EXPECT_EQ(item.Comment, "");
}

TEST(LaunchDataItem, NewEmptyItem_IsUnregisteredShownNormally) {
    ExpectEmptySlot(*NewEmptyItem());
}

TEST(LaunchList, New_HasOnePageWithOneEmptySlotAndTheFormatStatus) {
    TLaunchList list;
    ASSERT_EQ(list.Pages().Count(), 1);
    EXPECT_EQ(list.Pages().Items(0)->Caption, "新規ページ");
    EXPECT_EQ(list.Pages().Items(0)->BtnCount, 1);
    EXPECT_EQ(list.Pages().Items(0)->Value, 0);
    ASSERT_EQ(list.Count(), 1);
    ExpectEmptySlot(*list.Items(0, 0));
    EXPECT_EQ(list.Status().ProductName, "K+Bandeo");
    EXPECT_EQ(list.Status().Version, "3.00");
    EXPECT_FALSE(list.Status().Notice.empty());
    EXPECT_EQ(list.Status().Value1, 0);
    EXPECT_EQ(list.Status().Value2, 0);
    EXPECT_EQ(list.Status().Value3, 1);
    EXPECT_FALSE(list.Loaded());
}

TEST(LaunchList, New_FileNameIsTheProgramPathWithLst) {
    TLaunchList list;
    EXPECT_EQ(list.FileName(), forms::ChangeFileExt(forms::ProgramPath(), ".lst"));
    EXPECT_EQ(forms::ExtractFileExt(list.FileName()), ".lst");
    list.SetFileName("C:\\data\\qvtdock.lst");
    EXPECT_EQ(list.FileName(), "C:\\data\\qvtdock.lst");
}

TEST(LaunchList, ItemIndex_SumsTheSlotsOfEarlierPages) {
    TLaunchList list;
    MakePages(list, {10, 3, 4});
    EXPECT_EQ(list.ItemIndex(0, 5), 5);
    EXPECT_EQ(list.ItemIndex(2, 1), 14);
    EXPECT_EQ(list.ItemIndex(-1, 7), 7);
    EXPECT_EQ(list.ItemIndex(1, 3), 13); // just after the page's last slot
    EXPECT_EQ(list.Items(2, 1)->Title, "p2s1");
}

TEST(LaunchList, ItemIndex_PageBeyondTheListRaises) {
    TLaunchList list;
    EXPECT_THROW((void)list.ItemIndex(2, 0), EListIndexError);
}

TEST(LaunchList, Items_SlotOutsideItsPageRaisesInsteadOfReadingTheNextPage) {
    TLaunchList list;
    MakePages(list, {2, 2});
    EXPECT_THROW((void)list.Items(0, 2), EListIndexError);
    EXPECT_THROW((void)list.Items(0, -1), EListIndexError);
    EXPECT_THROW((void)list.Items(2, 0), EListIndexError);
    EXPECT_THROW((void)list.Items(-1, 0), EListIndexError);
}

TEST(LaunchList, SetPageBtnCount_BelowOneSetsOneAndAddsNoSlot) {
    TLaunchList list;
    MakePages(list, {3});
    EXPECT_EQ(list.SetPageBtnCount(0, 0)->BtnCount, 1);
    EXPECT_EQ(list.SetPageBtnCount(0, -3)->BtnCount, 1);
    EXPECT_EQ(list.SetPageBtnCount(0, 3)->BtnCount, 3);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_THROW(list.SetPageBtnCount(1, 1), EListIndexError);
}

TEST(LaunchList, AddPage_AppendsThePageAndItsEmptySlots) {
    TLaunchList list;
    EXPECT_EQ(list.AddPage("二", 10, 5), 2);
    EXPECT_EQ(list.Count(), 11);
    EXPECT_EQ(list.Pages().Items(1)->Caption, "二");
    EXPECT_EQ(list.Pages().Items(1)->Value, 5);
    ExpectEmptySlot(*list.Items(1, 9));
    EXPECT_EQ(list.AddPage("空", 0, 0), 3);
    EXPECT_EQ(list.Count(), 11);
    EXPECT_EQ(list.Pages().Items(2)->BtnCount, 0);
}

TEST(LaunchList, InsertPage_AtIndexZeroPutsItsSlotsFirst) {
    TLaunchList list;
    MakePages(list, {2, 2});
    list.InsertPage(0, "new", 3, 7);
    EXPECT_EQ(list.Pages().Items(0)->Caption, "new");
    EXPECT_EQ(list.Pages().Items(0)->Value, 7);
    EXPECT_EQ(list.Pages().Items(1)->Caption, "page0");
    EXPECT_EQ(list.Count(), 7);
    EXPECT_EQ(list.Items(0, 0)->Title, "未登録");
    EXPECT_EQ(list.Items(1, 0)->Title, "p0s0");
    EXPECT_EQ(list.Items(2, 1)->Title, "p1s1");
}

TEST(LaunchList, InsertPage_InTheMiddleTakesTheMovedPagesFirstSlotIndex) {
    TLaunchList list;
    MakePages(list, {2, 2});
    list.InsertPage(1, "mid", 1, 0);
    EXPECT_THAT(Titles(list, 0), ElementsAre("p0s0", "p0s1"));
    EXPECT_THAT(Titles(list, 1), ElementsAre("未登録"));
    EXPECT_THAT(Titles(list, 2), ElementsAre("p1s0", "p1s1"));
    EXPECT_EQ(list.ItemIndex(2, 0), 3);
}

TEST(LaunchList, InsertPage_AtTheEndAppendsWithValueZero) {
    TLaunchList list;
    list.InsertPage(1, "end", 2, 9);
    ASSERT_EQ(list.Pages().Count(), 2);
    EXPECT_EQ(list.Pages().Items(1)->Caption, "end");
    EXPECT_EQ(list.Pages().Items(1)->Value, 0);
    EXPECT_EQ(list.Count(), 3);
}

TEST(LaunchList, InsertPage_NegativeIndexRaisesAndChangesNothing) {
    TLaunchList list;
    const auto before = Snapshot(list);
    EXPECT_THROW(list.InsertPage(-1, "x", 2, 0), EListIndexError);
    EXPECT_EQ(Snapshot(list), before);
}

TEST(LaunchList, DeletePage_FreesOnlyThatPagesSlots) {
    TLaunchList list;
    MakePages(list, {2, 3, 1});
    list.DeletePage(1);
    ASSERT_EQ(list.Pages().Count(), 2);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_THAT(Titles(list, 0), ElementsAre("p0s0", "p0s1"));
    EXPECT_THAT(Titles(list, 1), ElementsAre("p2s0"));
}

TEST(LaunchList, DeletePage_EveryPageOneByOneLeavesNothing) {
    TLaunchList list;
    MakePages(list, {2, 3, 1});
    while (list.Pages().Count() > 0)
        list.DeletePage(0);
    EXPECT_EQ(list.Count(), 0);
}

TEST(LaunchList, DeletePage_OutOfRangeRaisesTheTooManyPagesError) {
    TLaunchList list;
    MakePages(list, {1, 1});
    const auto before = Snapshot(list);
    for (int index : {-1, 2}) {
        try {
            list.DeletePage(index);
            FAIL() << index;
        } catch (const EListIndexError&) {
            FAIL() << "a general error is expected";
        } catch (const forms::Exception& e) {
            EXPECT_EQ(e.Message(), "ページ数が超過しています");
        }
    }
    EXPECT_EQ(Snapshot(list), before);
}

TEST(LaunchList, Error_EmptyMessageBecomesTheGeneralText) {
    TLaunchList list;
    try {
        list.Error("");
        FAIL();
    } catch (const forms::Exception& e) {
        EXPECT_EQ(e.Message(), "エラー");
    }
    try {
        list.Error("失敗");
        FAIL();
    } catch (const forms::Exception& e) {
        EXPECT_EQ(e.Message(), "失敗");
    }
}

TEST(LaunchList, AppendItem_GoesAfterThePagesLastSlot) {
    TLaunchList list;
    MakePages(list, {2, 1});
    EXPECT_EQ(list.AppendItem(0, Slot("new")), 4);
    EXPECT_THAT(Titles(list, 0), ElementsAre("p0s0", "p0s1", "new"));
    EXPECT_THAT(Titles(list, 1), ElementsAre("p1s0"));
}

TEST(LaunchList, InsertItem_MovesTheLaterSlotsUp) {
    TLaunchList list;
    MakePages(list, {2, 1});
    list.InsertItem(0, 1, Slot("mid"));
    list.InsertItem(0, 3, Slot("end")); // at BtnCount: after the last slot
    EXPECT_THAT(Titles(list, 0), ElementsAre("p0s0", "mid", "p0s1", "end"));
    EXPECT_THAT(Titles(list, 1), ElementsAre("p1s0"));
}

TEST(LaunchList, DeleteItem_RemovesTheSlotAndCountsOneLess) {
    TLaunchList list;
    MakePages(list, {3, 1});
    list.DeleteItem(0, 1);
    EXPECT_THAT(Titles(list, 0), ElementsAre("p0s0", "p0s2"));
    EXPECT_EQ(list.Count(), 3);
}

TEST(LaunchList, DeleteItem_OnAPagesOnlySlotEmptiesItLikeClearItem) {
    TLaunchList list;
    MakePages(list, {1, 1});
    TLaunchDataItem* only = list.Items(0, 0);
    only->UseCount = 9;
    list.DeleteItem(0, 0);
    EXPECT_EQ(list.Pages().Items(0)->BtnCount, 1);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Items(0, 0), only);
    ExpectEmptySlot(*only);
    EXPECT_EQ(list.Items(1, 0)->Title, "p1s0");
}

TEST(LaunchList, ReplaceItem_TheNewItemTakesTheSlotsPlace) {
    TLaunchList list;
    MakePages(list, {3});
    TLaunchDataItem* second = list.Items(0, 1);
    list.ReplaceItem(0, 0, Slot("new"));
    EXPECT_THAT(Titles(list, 0), ElementsAre("new", "p0s1", "p0s2"));
    EXPECT_EQ(list.Pages().Items(0)->BtnCount, 3);
    EXPECT_EQ(list.Items(0, 1), second);
}

TEST(LaunchList, PutItem_StoresTheItemAndKeepsTheCount) {
    TLaunchList list;
    MakePages(list, {2, 2});
    list.PutItem(1, 1, Slot("put"));
    EXPECT_THAT(Titles(list, 1), ElementsAre("p1s0", "put"));
    EXPECT_EQ(list.Count(), 4);
}

TEST(LaunchList, ClearItem_KeepsTheObjectAndResetsAllFields) {
    TLaunchList list;
    list.PutItem(0, 0, kbtest::FullSlot());
    TLaunchDataItem* item = list.Items(0, 0);
    list.ClearItem(0, 0);
    EXPECT_EQ(list.Items(0, 0), item);
    ExpectEmptySlot(*item);
}

TEST(LaunchList, SlotOperationsOutOfRangeRaiseAndChangeNothing) {
    TLaunchList list;
    MakePages(list, {2, 1});
    const auto before = Snapshot(list);
    EXPECT_THROW(list.AppendItem(2, Slot("x")), EListIndexError);
    EXPECT_THROW(list.InsertItem(0, 3, Slot("x")), EListIndexError);
    EXPECT_THROW(list.InsertItem(0, -1, Slot("x")), EListIndexError);
    EXPECT_THROW(list.InsertItem(5, 0, Slot("x")), EListIndexError);
    EXPECT_THROW(list.DeleteItem(0, 2), EListIndexError);
    EXPECT_THROW(list.DeleteItem(-1, 0), EListIndexError);
    EXPECT_THROW(list.ReplaceItem(1, 1, Slot("x")), EListIndexError);
    EXPECT_THROW(list.PutItem(0, 2, Slot("x")), EListIndexError);
    EXPECT_THROW(list.ClearItem(1, 1), EListIndexError);
    EXPECT_THROW(list.PutItem(3, Slot("x")), EListIndexError); // flat index
    EXPECT_EQ(Snapshot(list), before);
}

TEST(LaunchList, PageCountsOutOfStepWithTheSlotsRaiseInsteadOfReadingBeyond) {
    TLaunchList list;
    list.Pages().Items(0)->BtnCount = 3; // callers may write the fields directly
    const auto before = Snapshot(list);
    EXPECT_THROW((void)list.Items(0, 2), EListIndexError);
    EXPECT_THROW(list.AppendItem(0, Slot("x")), EListIndexError);
    EXPECT_THROW(list.DeletePage(0), EListIndexError);
    EXPECT_EQ(Snapshot(list), before);
}

TEST(BaseLaunchList, Assign_MakesIndependentByteExactCopies) {
    TLaunchList source;
    auto item = kbtest::FullSlot();
    // Bytes that a round trip through Unicode does not give back: an NEC-selected IBM extension
    // (ED 40, whose character also lives at FA 5C) and a lone lead byte.
    item->Title = "\xED\x40";
    item->Comment = "x\x81";
    ASSERT_NE(cp932::FromUtf8(cp932::ToUtf8(item->Title)), item->Title);
    ASSERT_NE(cp932::FromUtf8(cp932::ToUtf8(item->Comment)), item->Comment);
    source.PutItem(0, 0, std::move(item));
    source.AppendItem(0, Slot("二"));
    TLaunchList copy;
    copy.Pages().Items(0)->Caption = "kept";
    copy.Assign(source);
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_NE(copy.Items(0), source.Items(0));
    EXPECT_EQ(ItemToLine(*copy.Items(0)), ItemToLine(*source.Items(0)));
    EXPECT_EQ(copy.Items(0)->Title, "\xED\x40");
    EXPECT_EQ(copy.Items(0)->Comment, "x\x81");
    EXPECT_EQ(copy.Items(1)->Title, "二");
    source.Items(1)->Title = "changed";
    EXPECT_EQ(copy.Items(1)->Title, "二");
    EXPECT_EQ(copy.Pages().Count(), 1);
    EXPECT_EQ(copy.Pages().Items(0)->Caption, "kept");
}

// ---- Page sort -------------------------------------------------------------------------------

namespace {
int Ordinal(std::string_view a, std::string_view b) {
    const int c = a.compare(b);
    return (c > 0) - (c < 0);
}

void MakePage(TLaunchList& list, std::initializer_list<std::pair<const char*, int>> slots) {
    list.DeletePage(0);
    list.AddPage("p", 0, 0);
    for (const auto& [title, count] : slots)
        list.AppendItem(0, Slot(title, count));
}

std::vector<int> UseCounts(const TLaunchList& list) {
    std::vector<int> counts;
    for (int s = 0; s < list.Pages().Items(0)->BtnCount; ++s)
        counts.push_back(list.Items(0, s)->UseCount);
    return counts;
}
} // namespace

TEST(PageSort, ByTitle_UsesTheGivenComparer) {
    TLaunchList list;
    MakePage(list, {{"b", 0}, {"A", 0}, {"a", 0}, {"C", 0}});
    SortPageItems(list, 0, 0, false, Ordinal);
    EXPECT_THAT(Titles(list, 0), ElementsAre("A", "C", "a", "b"));
}

TEST(PageSort, ByTitle_EqualTitlesKeepTheirOrderAscendingAndReverseDescending) {
    TLaunchList list;
    MakePage(list, {{"x", 1}, {"x", 2}, {"a", 3}});
    SortPageItems(list, 0, 0, false, Ordinal);
    EXPECT_THAT(UseCounts(list), ElementsAre(3, 1, 2));
    MakePage(list, {{"x", 1}, {"x", 2}, {"a", 3}});
    SortPageItems(list, 0, 0, true, Ordinal);
    EXPECT_THAT(UseCounts(list), ElementsAre(2, 1, 3));
}

TEST(PageSort, ByUseCount_EqualCountsAreOrderedByTheirDataLine) {
    TLaunchList list;
    MakePage(list, {{"z", 5}, {"m", 12}, {"b", 5}});
    SortPageItems(list, 0, 1, false, Ordinal);
    EXPECT_THAT(Titles(list, 0), ElementsAre("b", "z", "m"));
    SortPageItems(list, 0, 1, true, Ordinal);
    EXPECT_THAT(Titles(list, 0), ElementsAre("m", "z", "b"));
}

TEST(PageSort, ByUseCount_LongAndNegativeCountsNeverChangeASlotsFields) {
    TLaunchList list;
    MakePage(list, {{"a", 99999}, {"b", 100000}, {"c", -3}, {"d", 2147483647}, {"e", 7}});
    std::vector<std::string> lines;
    for (int s = 0; s < 5; ++s)
        lines.push_back(ItemToLine(*list.Items(0, s)));
    SortPageItems(list, 0, 1, false, Ordinal);
    // Compared as text: "-00003" < "00007" < "100000" < "2147483647" < "99999".
    EXPECT_THAT(Titles(list, 0), ElementsAre("c", "e", "b", "d", "a"));
    std::vector<std::string> after;
    for (int s = 0; s < 5; ++s)
        after.push_back(ItemToLine(*list.Items(0, s)));
    EXPECT_THAT(after, ElementsAre(lines[2], lines[4], lines[1], lines[3], lines[0]));
}

TEST(PageSort, OnlyThatPageIsTouched) {
    TLaunchList list;
    MakePage(list, {{"b", 0}, {"a", 0}});
    list.AddPage("q", 2, 0);
    list.Items(1, 0)->Title = "z";
    TLaunchDataItem* other = list.Items(1, 0);
    SortPageItems(list, 0, 0, false, Ordinal);
    EXPECT_THAT(Titles(list, 0), ElementsAre("a", "b"));
    EXPECT_EQ(list.Items(1, 0), other);
}

TEST(PageSort, OtherModeKeepsTheOrderButReplacesTheObjects) {
    TLaunchList list;
    MakePage(list, {{"b", 0}, {"a", 0}});
    TLaunchDataItem* first = list.Items(0, 0);
    SortPageItems(list, 0, 2, true, Ordinal);
    EXPECT_THAT(Titles(list, 0), ElementsAre("b", "a"));
    EXPECT_NE(list.Items(0, 0), first);
}

TEST(PageSort, OneSlotPageGetsANewObjectOfEqualContent) {
    TLaunchList list;
    list.PutItem(0, 0, Slot("only", 4));
    TLaunchDataItem* before = list.Items(0, 0);
    const std::string line = ItemToLine(*before);
    SortPageItems(list, 0, 0, false);
    EXPECT_NE(list.Items(0, 0), before);
    EXPECT_EQ(ItemToLine(*list.Items(0, 0)), line);
}

TEST(PageSort, PageOutOfRangeRaises) {
    TLaunchList list;
    EXPECT_THROW(SortPageItems(list, 1, 0, false), forms::EListIndexError);
}

// The default comparer of each build: the user locale on Windows, its stand-in natively. Both
// ignore case, so equal letters keep their slot order.
TEST(PageSort, ByTitle_DefaultComparerIgnoresCase) {
    TLaunchList list;
    MakePage(list, {{"b", 0}, {"A", 0}, {"a", 0}, {"C", 0}});
    SortPageItems(list, 0, 0, false);
    EXPECT_THAT(Titles(list, 0), ElementsAre("A", "a", "b", "C"));
    MakePage(list, {{"b", 0}, {"A", 0}, {"a", 0}, {"C", 0}});
    SortPageItems(list, 0, 0, true);
    EXPECT_THAT(Titles(list, 0), ElementsAre("C", "b", "a", "A"));
}
