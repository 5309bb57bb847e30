// The icon list: its ownership of the icons and its index checks.
#include "shared/IconList.h"

#include "forms/gfx/Icon.h"

#include <gtest/gtest.h>

#include <memory>

using forms::EListIndexError;
using forms::TIcon;

namespace {
// An icon that counts its own end.
class CountedIcon : public TIcon {
public:
    explicit CountedIcon(int& freed) : freed_(freed) {}
    ~CountedIcon() override { ++freed_; }

private:
    int& freed_;
};

struct Icons {
    int freed = 0;
    std::unique_ptr<TIcon> Make() { return std::make_unique<CountedIcon>(freed); }
};
} // namespace

TEST(IconList, AddAppendsAndReturnsTheIndex) {
    Icons icons;
    TIconList list;
    auto a = icons.Make();
    TIcon* first = a.get();
    EXPECT_EQ(list.Add(std::move(a)), 0);
    EXPECT_EQ(list.Add(icons.Make()), 1);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.GetItem(0), first);
}

TEST(IconList, InsertMovesTheLaterIconsUpAndFreesNothing) {
    Icons icons;
    TIconList list;
    list.Add(icons.Make());
    list.Add(icons.Make());
    TIcon* second = list.GetItem(1);
    auto middle = icons.Make();
    TIcon* inserted = middle.get();
    list.Insert(1, std::move(middle));
    auto last = icons.Make();
    TIcon* appended = last.get();
    list.Insert(3, std::move(last)); // at the count: appends
    EXPECT_EQ(icons.freed, 0);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.GetItem(1), inserted);
    EXPECT_EQ(list.GetItem(2), second);
    EXPECT_EQ(list.GetItem(3), appended);
}

TEST(IconList, DeleteFreesTheIconThatLeaves) {
    Icons icons;
    TIconList list;
    list.Add(icons.Make());
    list.Add(icons.Make());
    TIcon* kept = list.GetItem(1);
    list.Delete(0);
    EXPECT_EQ(icons.freed, 1);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.GetItem(0), kept);
}

TEST(IconList, BadIndexRaisesAndChangesNothing) {
    Icons icons;
    TIconList list;
    list.Add(icons.Make());
    EXPECT_THROW(list.Delete(1), EListIndexError);
    EXPECT_THROW(list.Delete(-1), EListIndexError);
    EXPECT_THROW((void)list.GetItem(1), EListIndexError);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(icons.freed, 0);
}

TEST(IconList, RejectedIconStaysWithTheCaller) {
    Icons icons;
    TIconList list;
    auto icon = icons.Make();
    TIcon* own = icon.get();
    EXPECT_THROW(list.Insert(1, std::move(icon)), EListIndexError);
    EXPECT_THROW(list.Insert(-1, std::move(icon)), EListIndexError);
    EXPECT_EQ(icon.get(), own);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(icons.freed, 0);
}

TEST(IconList, ClearAndTheListsEndFreeEveryIcon) {
    Icons icons;
    {
        TIconList list;
        list.Add(icons.Make());
        list.Add(icons.Make());
        list.Clear();
        EXPECT_EQ(icons.freed, 2);
        list.Add(icons.Make());
    }
    EXPECT_EQ(icons.freed, 3);
}
