#include "forms/base/ObjectList.h"

#include <gtest/gtest.h>

using namespace forms;

TEST(ObjectList, BadIndexRaisesChangesNothingAndLeavesTheObjectWithTheCaller) {
    TObjectList<int> list;
    list.Add(std::make_unique<int>(1));
    auto refused = std::make_unique<int>(2);
    EXPECT_THROW(list.Insert(5, std::move(refused)), EListIndexError);
    ASSERT_NE(refused, nullptr);
    EXPECT_EQ(*refused, 2);
    EXPECT_THROW(list.SetItems(-1, std::move(refused)), EListIndexError);
    EXPECT_NE(refused, nullptr);
    EXPECT_THROW(list.Delete(1), EListIndexError);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(*list.Items(0), 1);
}

TEST(ObjectList, ReplacingFreesTheOldEntryUnlessItIsTheSameObject) {
    TObjectList<int> list;
    list.Add(std::make_unique<int>(1));
    int* same = list.Items(0);
    list.SetItems(0, std::unique_ptr<int>(same)); // must not free or double-own
    EXPECT_EQ(list.Items(0), same);
    list.SetItems(0, std::make_unique<int>(7));
    EXPECT_EQ(*list.Items(0), 7);
    auto extracted = list.Extract(0);
    EXPECT_EQ(*extracted, 7);
    EXPECT_EQ(list.Count(), 0);
}
