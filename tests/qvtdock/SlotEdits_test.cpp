// The editing commands on the slots and the icon list beside them: each icon stays with its slot,
// other pages stay as they were, a page's only slot is emptied rather than deleted, and an icon
// that cannot be made changes nothing. Also the questions, choices and size dialogs' values.
#include "qvtdock/SlotEdits.h"

#include "forms/base/Exceptions.h"
#include "qvtdock/DataFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>

namespace {
// An icon that names the slot it was made for.
class NamedIcon : public TEditIcon {
public:
    explicit NamedIcon(std::string n) : name(std::move(n)) {}
    std::string name;
};

class NamedIcons : public TSlotIconList {
public:
    std::vector<std::string> names; // "" for an entry without its icon
    bool failMaking = false;
    std::vector<int> pagesWithout; // pages that hold no icons

    int Count() const override { return static_cast<int>(names.size()); }
    bool PageHasIcons(int page) const override {
        return std::find(pagesWithout.begin(), pagesWithout.end(), page) == pagesWithout.end();
    }
    TEditIconPtr MakeEmptyIcon() override { return Make(kUnregisteredTitle); }
    TEditIconPtr MakeIcon(const TLaunchDataItem& item) override { return Make(item.Title); }
    void Insert(int index, TEditIconPtr icon) override {
        ASSERT_GE(index, 0);
        ASSERT_LE(index, Count());
        names.insert(names.begin() + index, Name(icon));
    }
    void Replace(int index, TEditIconPtr icon) override {
        ASSERT_GE(index, 0);
        ASSERT_LT(index, Count());
        names[static_cast<size_t>(index)] = Name(icon);
    }
    void Delete(int index) override {
        ASSERT_GE(index, 0);
        ASSERT_LT(index, Count());
        names.erase(names.begin() + index);
    }

private:
    TEditIconPtr Make(const std::string& title) {
        if (failMaking)
            throw std::runtime_error("no icon");
        return std::make_unique<NamedIcon>("icon:" + title);
    }
    static std::string Name(const TEditIconPtr& icon) {
        return icon ? dynamic_cast<const NamedIcon&>(*icon).name : "";
    }
};

int ByteCompare(std::string_view a, std::string_view b) {
    return a.compare(b);
}

class SlotEditsTest : public ::testing::Test {
protected:
    // Pages of these sizes captioned P1 ...; slot s of page p titled "p.s" (1-based), each with
    // its icon.
    void Make(std::initializer_list<int> counts) {
        ClearPages(list);
        int p = 0;
        for (const int n : counts) {
            list.AddPage("P" + std::to_string(p + 1), n, 0);
            for (int s = 0; s < n; ++s)
                list.Items(p, s)->Title = std::to_string(p + 1) + "." + std::to_string(s + 1);
            ++p;
        }
        for (int i = 0; i < list.Count(); ++i)
            icons.names.push_back("icon:" + list.Items(i)->Title);
    }
    std::vector<std::string> Titles(int page) const {
        std::vector<std::string> t;
        for (int s = 0; s < list.Pages().Items(page)->BtnCount; ++s)
            t.push_back(list.Items(page, s)->Title);
        return t;
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> c;
        for (int p = 0; p < list.Pages().Count(); ++p)
            c.push_back(list.Pages().Items(p)->Caption);
        return c;
    }
    // One entry per slot, each without icon or with the icon of its own slot.
    void ExpectTogether() const {
        ASSERT_EQ(icons.Count(), list.Count());
        for (int i = 0; i < list.Count(); ++i) {
            if (!icons.names[static_cast<size_t>(i)].empty()) {
                EXPECT_EQ(icons.names[static_cast<size_t>(i)], "icon:" + list.Items(i)->Title) << i;
            }
        }
    }
    // The page's entries that have their icon, one flag per slot.
    std::vector<bool> Made(int page) const {
        std::vector<bool> made;
        for (int s = 0; s < list.Pages().Items(page)->BtnCount; ++s)
            made.push_back(!icons.names[static_cast<size_t>(list.ItemIndex(page, s))].empty());
        return made;
    }

    TLaunchList list;
    NamedIcons icons;
    TSlotEdits edits{list, icons};
};

using Strings = std::vector<std::string>;
const std::string kEmpty = kUnregisteredTitle;
} // namespace

// ---- New page
// ---------------------------------------------------------------------------------------

TEST_F(SlotEditsTest, NewPage_OnAMiddlePage_InsertedBeforeItWithTenEmptySlots) {
    Make({2, 3, 1});
    EXPECT_TRUE(edits.NewPage(1, "ページ4"));
    EXPECT_EQ(Captions(), (Strings{"P1", "ページ4", "P2", "P3"}));
    EXPECT_EQ(Titles(1), Strings(10, kEmpty));
    EXPECT_EQ(Titles(2), (Strings{"2.1", "2.2", "2.3"}));
    // Not shown yet: its icons come when it is.
    EXPECT_EQ(Made(1), std::vector<bool>(10, false));
    EXPECT_EQ(Made(2), std::vector<bool>(3, true));
    ExpectTogether();
}

TEST_F(SlotEditsTest, NewPage_OnTheLastPageOrWithoutOne_Appended) {
    Make({2, 3});
    EXPECT_FALSE(edits.NewPage(1, "X"));
    EXPECT_FALSE(edits.NewPage(-1, "Y"));
    EXPECT_FALSE(edits.NewPage(99, "Z"));
    EXPECT_EQ(Captions(), (Strings{"P1", "P2", "X", "Y", "Z"}));
    EXPECT_EQ(Titles(4).size(), 10u);
    ExpectTogether();
}

// ---- Add
// ----------------------------------------------------------------------------------------------

TEST_F(SlotEditsTest, AddSlots_ThreeAtSlotTwo_EmptyAtTwoThreeFourAndFollowingPagesKeepTheirIcons) {
    Make({4, 5, 2});
    edits.AddSlots(0, 2, 3);
    EXPECT_EQ(Titles(0), (Strings{"1.1", "1.2", kEmpty, kEmpty, kEmpty, "1.3", "1.4"}));
    EXPECT_EQ(Titles(1), (Strings{"2.1", "2.2", "2.3", "2.4", "2.5"}));
    ExpectTogether();
}

TEST_F(SlotEditsTest, AddSlots_NoSelectedSlot_AppendedAtThePagesEnd) {
    Make({2, 2});
    edits.AddSlots(0, std::nullopt, 2);
    EXPECT_EQ(Titles(0), (Strings{"1.1", "1.2", kEmpty, kEmpty}));
    EXPECT_EQ(Titles(1), (Strings{"2.1", "2.2"}));
    ExpectTogether();
}

TEST_F(SlotEditsTest, AddSlots_PageWithoutSlots_GetsThem) {
    Make({2, 0, 1});
    edits.AddSlots(1, std::nullopt, 1);
    EXPECT_EQ(Titles(1), (Strings{kEmpty}));
    EXPECT_EQ(Titles(2), (Strings{"3.1"}));
    ExpectTogether();
}

TEST_F(SlotEditsTest, AddSlots_BadPageSlotOrCount_ChangesNothing) {
    Make({2, 2});
    for (const auto& [page, slot, count] :
         {std::tuple{-1, 0, 1}, std::tuple{2, 0, 1}, std::tuple{0, 3, 1}, std::tuple{0, -1, 1},
          std::tuple{0, 0, 0}, std::tuple{0, 0, -5}})
        edits.AddSlots(page, slot, count);
    EXPECT_EQ(list.Count(), 4);
    ExpectTogether();
}

// ---- Delete and clear
// -----------------------------------------------------------------------------

TEST_F(SlotEditsTest, DeleteSlot_TakesItsIconWithIt) {
    Make({3, 2});
    edits.DeleteSlot(0, 1);
    EXPECT_EQ(Titles(0), (Strings{"1.1", "1.3"}));
    ExpectTogether();
}

TEST_F(SlotEditsTest, DeleteSlot_APagesOnlySlot_EmptiedWithTheEmptyIcon) {
    Make({1, 2});
    list.Items(0, 0)->Kind = ikProgram;
    edits.DeleteSlot(0, 0);
    EXPECT_EQ(Titles(0), (Strings{kEmpty}));
    EXPECT_EQ(list.Items(0, 0)->Kind, ikUnregistered);
    ExpectTogether();
}

TEST_F(SlotEditsTest, DeleteAndClear_SlotOfNoPage_ChangeNothing) {
    Make({2, 2});
    edits.DeleteSlot(0, 2);
    edits.DeleteSlot(2, 0);
    edits.ClearSlot(0, -1);
    edits.ClearSlot(1, 2);
    EXPECT_EQ(Titles(0), (Strings{"1.1", "1.2"}));
    EXPECT_EQ(Titles(1), (Strings{"2.1", "2.2"}));
    ExpectTogether();
}

TEST_F(SlotEditsTest, ClearSlot_UnregisteredWithTheEmptyIcon) {
    Make({2, 2});
    list.Items(1, 1)->Kind = ikProgram;
    list.Items(1, 1)->Path = "c:\\a.exe";
    edits.ClearSlot(1, 1);
    EXPECT_EQ(list.Items(1, 1)->Kind, ikUnregistered);
    EXPECT_EQ(list.Items(1, 1)->Path, "");
    EXPECT_EQ(Titles(1), (Strings{"2.1", kEmpty}));
    ExpectTogether();
}

// ---- Sort and replace
// ------------------------------------------------------------------------------

TEST_F(SlotEditsTest, SortPage_ByUseCountDescending_MostUsedFirstWithItsIcon) {
    Make({1, 4, 1});
    const int uses[] = {3, 9, 0, 5};
    for (int s = 0; s < 4; ++s)
        list.Items(1, s)->UseCount = uses[s];
    edits.SortPage(1, 1, true, ByteCompare);
    EXPECT_EQ(Titles(1), (Strings{"2.2", "2.4", "2.1", "2.3"}));
    EXPECT_EQ(Titles(2), (Strings{"3.1"}));
    ExpectTogether();
}

TEST_F(SlotEditsTest, SortPage_ByTitleDescending) {
    Make({3});
    edits.SortPage(0, 0, true, ByteCompare);
    EXPECT_EQ(Titles(0), (Strings{"1.3", "1.2", "1.1"}));
    ExpectTogether();
}

TEST_F(SlotEditsTest, ReplaceSlot_TakesTheItemsIcon) {
    Make({2, 2});
    auto item = NewEmptyItem();
    item->Title = "New";
    item->Kind = ikFolder;
    edits.ReplaceSlot(1, 0, std::move(item));
    EXPECT_EQ(Titles(1), (Strings{"New", "2.2"}));
    EXPECT_EQ(list.Items(1, 0)->Kind, ikFolder);
    ExpectTogether();
    edits.ReplaceSlot(1, 0, nullptr);
    edits.ReplaceSlot(1, 5, NewEmptyItem());
    EXPECT_EQ(Titles(1), (Strings{"New", "2.2"}));
}

// ---- Failures and random sequences
// -----------------------------------------------------------------

TEST_F(SlotEditsTest, IconThatCannotBeMade_LeavesBothListsAsTheyWere) {
    Make({3, 2});
    icons.failMaking = true;
    EXPECT_THROW(edits.AddSlots(0, 1, 2), std::runtime_error);
    EXPECT_THROW(edits.ClearSlot(0, 0), std::runtime_error);
    EXPECT_THROW(edits.ReplaceSlot(0, 0, NewEmptyItem()), std::runtime_error);
    EXPECT_EQ(Captions(), (Strings{"P1", "P2"}));
    EXPECT_EQ(Titles(0), (Strings{"1.1", "1.2", "1.3"}));
    ExpectTogether();
}

TEST_F(SlotEditsTest, PageWithoutIcons_EditsMakeNoneAndItsEntriesStayWithTheirSlots) {
    Make({3, 2, 2});
    icons.pagesWithout = {1};
    icons.names[3] = icons.names[4] = ""; // page 2 holds no icons
    icons.failMaking = true;              // nothing may be made
    edits.AddSlots(1, 1, 2);
    edits.ClearSlot(1, 0);
    auto item = NewEmptyItem();
    item->Title = "New";
    edits.ReplaceSlot(1, 3, std::move(item));
    edits.SortPage(1, 0, true, ByteCompare);
    edits.DeleteSlot(1, 0);
    EXPECT_EQ(Titles(1), (Strings{kEmpty, kEmpty, "New"}));
    EXPECT_EQ(Made(1), std::vector<bool>(3, false));
    EXPECT_EQ(Made(0), std::vector<bool>(3, true));
    EXPECT_EQ(Made(2), std::vector<bool>(2, true));
    ExpectTogether();
}

TEST_F(SlotEditsTest, RandomCommands_IconsStayWithTheirSlotsAndOtherPagesUnchanged) {
    Make({3, 1, 4, 2});
    // Registered slots carry unique titles, so a misplaced icon shows.
    int serial = 0;
    std::mt19937 random(1234);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int step = 0; step < 400; ++step) {
        const int pages = list.Pages().Count();
        const int page = pick(pages + 1) - (pick(8) == 0 ? 1 : 0); // sometimes no page
        const int count = page >= 0 && page < pages ? list.Pages().Items(page)->BtnCount : 0;
        const int slot = pick(count + 2) - 1;
        std::vector<Strings> before;
        for (int p = 0; p < pages; ++p)
            before.push_back(Titles(p));
        const int command = pick(7);
        switch (command) {
        case 0:
            if (pick(4) == 0)
                edits.NewPage(page, "N" + std::to_string(step));
            break;
        case 1:
            edits.AddSlots(page, pick(3) == 0 ? std::nullopt : std::optional<int>(slot),
                           1 + pick(3));
            break;
        case 2:
        case 3:
            edits.DeleteSlot(page, slot);
            break;
        case 4:
            edits.ClearSlot(page, slot);
            break;
        case 5:
            edits.SortPage(page, pick(2), pick(2) == 1, ByteCompare);
            break;
        case 6: {
            auto item = NewEmptyItem();
            item->Title = "R" + std::to_string(++serial);
            edits.ReplaceSlot(page, slot, std::move(item));
            break;
        }
        }
        ExpectTogether();
        if (HasFailure())
            FAIL() << "step " << step << " command " << command;
        // No page loses its last slot.
        for (int p = 0; p < list.Pages().Count(); ++p) {
            if (before.size() > static_cast<size_t>(p) && !before[static_cast<size_t>(p)].empty()) {
                EXPECT_GE(list.Pages().Items(p)->BtnCount, 1);
            }
        }
        // Pages other than the edited one (and the ones a new page pushed along) stay.
        if (command != 0 && page >= 0 && page < pages) {
            for (int p = 0; p < pages; ++p) {
                if (p != page) {
                    EXPECT_EQ(Titles(p), before[static_cast<size_t>(p)]) << step;
                }
            }
        }
    }
}

// ---- Questions and choices
// -------------------------------------------------------------------------

TEST(EditQuestions, Texts_ByteForByteWithACarriageReturn) {
    EXPECT_EQ(DeleteQuestion("P1", "Mail"),
              "[P1]ページの選択しているボタン\r[ Mail ]を削除しますか？");
    EXPECT_EQ(ClearQuestion("P1", "Mail"),
              "[P1]ページの選択しているボタン\r[ Mail ]の登録情報を削除しますか？");
    EXPECT_EQ(ProposedPageName(3), "ページ4");
    EXPECT_EQ(ProposedPageName(0), "ページ1");
}

TEST(EditQuestions, SortOrders_FourChoicesTitleThenUseCountUpThenDown) {
    ASSERT_EQ(SortOrderChoices().size(), 4u);
    EXPECT_EQ(SortOrderChoices()[0], "タイトル [昇順] A -> Z");
    EXPECT_EQ(SortOrderChoices()[3], "使用回数 [降順] 9 -> 0");
    EXPECT_EQ(SortOrderOf(0)->Mode, 0);
    EXPECT_FALSE(SortOrderOf(0)->Descending);
    EXPECT_TRUE(SortOrderOf(1)->Descending);
    EXPECT_EQ(SortOrderOf(2)->Mode, 1);
    EXPECT_TRUE(SortOrderOf(3)->Descending);
    EXPECT_FALSE(SortOrderOf(-1));
    EXPECT_FALSE(SortOrderOf(4));
}

TEST(EditQuestions, SizeDialogs_RangesAndDefaults) {
    const TSizeQuestion& size = SizeQuestion(TSizeSetting::BtnSize);
    EXPECT_STREQ(size.Caption, "ボタンサイズの変更");
    EXPECT_STREQ(size.Message, "24～72の間で指定 (標準 40) ");
    EXPECT_EQ(size.Min, 24);
    EXPECT_EQ(size.Max, 72);
    EXPECT_EQ(size.Default, 40);
    const TSizeQuestion& cols = SizeQuestion(TSizeSetting::FormSize);
    EXPECT_STREQ(cols.Caption, "ボタン横表示数の変更");
    EXPECT_STREQ(cols.Message, "10～50の間で指定 (標準 10) ");
    EXPECT_EQ(cols.Min, 10);
    EXPECT_EQ(cols.Max, 50);
    const TSizeQuestion& rows = SizeQuestion(TSizeSetting::RowMax);
    EXPECT_STREQ(rows.Caption, "ボタン列数の変更");
    EXPECT_STREQ(rows.Message, "1～10の間で指定 (標準 1) ");
    EXPECT_EQ(rows.Default, 1);
    EXPECT_EQ(rows.Max, 10);
}

TEST(EditQuestions, SpecialFolders_AllUsersSuffixAndDataFileNameWhenUnnamed) {
    const Strings names = SpecialFolderChoices([](TRootFolder f) -> std::string {
        if (f == rfInternet)
            throw forms::EComError(static_cast<int32_t>(0x80070057u));
        return "F" + std::to_string(int(f));
    });
    ASSERT_EQ(names.size(), 26u);
    EXPECT_EQ(names[0], "F0");
    EXPECT_EQ(names[4], "F4");
    EXPECT_EQ(names[5], "F5 (All Users)");
    EXPECT_EQ(names[8], "F8 (All Users)");
    EXPECT_EQ(names[9], "F9");
    EXPECT_EQ(names[rfInternet], "rfInternet");
    EXPECT_EQ(names[25], "F25");
}
