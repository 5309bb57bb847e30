#include "forms/shell/Pidl.h"

#include <gtest/gtest.h>

using forms::Pidl;

namespace {
Pidl DrivesFolder() {
    Pidl p;
    EXPECT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, p.Put()), S_OK);
    return p;
}
} // namespace

TEST(Pidl, AdoptsAShellListAndClonesIt) {
    Pidl p = DrivesFolder();
    ASSERT_TRUE(p);
    Pidl copy = p.Clone();
    ASSERT_TRUE(copy);
    EXPECT_NE(copy.Get(), p.Get());
    EXPECT_TRUE(ILIsEqual(copy.Get(), p.Get()));
}

TEST(Pidl, MovesAndReleasesOwnership) {
    Pidl p = DrivesFolder();
    PIDLIST_ABSOLUTE raw = p.Get();
    Pidl moved = std::move(p);
    EXPECT_FALSE(p);
    EXPECT_EQ(moved.Get(), raw);
    PIDLIST_ABSOLUTE released = moved.Release();
    EXPECT_FALSE(moved);
    EXPECT_EQ(released, raw);
    CoTaskMemFree(released);
}

TEST(Pidl, EmptyListClonesToEmpty) {
    Pidl empty;
    EXPECT_FALSE(empty.Clone());
}
