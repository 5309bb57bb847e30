// The GDI brackets give back what they took, on every path.
#include "forms/gfx/DeviceContext.h"
#include "support/GuiTest.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace forms;

TEST(DeviceContext, MemoryContextAndBitmapAreFreedEvenWhenAnErrorLeaves) {
    auto once = [] {
        const MemoryDC dc;
        const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc.Handle(), 8, 8));
        const SelectedObject selected(dc.Handle(), bitmap.Handle());
        throw std::runtime_error("drawing failed");
    };
    EXPECT_THROW(once(), std::runtime_error); // the system's first use may keep objects
    if (!kbtest::ObjectsCounted())
        GTEST_SKIP() << "no GDI or user object counts here";
    const DWORD before = kbtest::GdiObjects();
    for (int i = 0; i < 20; ++i)
        EXPECT_THROW(once(), std::runtime_error);
    EXPECT_EQ(kbtest::GdiObjects(), before);
}

TEST(DeviceContext, SelectedObjectPutsThePreviousOneBack) {
    const MemoryDC dc;
    ASSERT_TRUE(dc);
    const HGDIOBJ original = GetCurrentObject(dc.Handle(), OBJ_BITMAP);
    const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc.Handle(), 4, 4));
    {
        const SelectedObject selected(dc.Handle(), bitmap.Handle());
        EXPECT_EQ(GetCurrentObject(dc.Handle(), OBJ_BITMAP), bitmap.Handle());
    }
    EXPECT_EQ(GetCurrentObject(dc.Handle(), OBJ_BITMAP), original);
}

TEST(DeviceContext, SelectingNothingChangesNothing) {
    const MemoryDC dc;
    const HGDIOBJ original = GetCurrentObject(dc.Handle(), OBJ_BRUSH);
    {
        const SelectedObject none(dc.Handle(), nullptr);
        const SelectedObject noContext(nullptr, GetStockObject(BLACK_BRUSH));
    }
    EXPECT_EQ(GetCurrentObject(dc.Handle(), OBJ_BRUSH), original);
}

TEST(DeviceContext, SavedStateComesBack) {
    const MemoryDC dc;
    {
        const SavedDC saved(dc.Handle());
        SetWindowOrgEx(dc.Handle(), 7, 9, nullptr);
    }
    POINT origin{-1, -1};
    GetWindowOrgEx(dc.Handle(), &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
}

TEST(DeviceContext, WindowContextOfTheScreenIsGivenBack) {
    {
        const WindowDC screen;
        ASSERT_TRUE(screen);
        EXPECT_GT(GetDeviceCaps(screen.Handle(), LOGPIXELSY), 0);
    }
    if (!kbtest::ObjectsCounted())
        GTEST_SKIP() << "no GDI or user object counts here";
    const DWORD before = kbtest::GdiObjects();
    for (int i = 0; i < 20; ++i) {
        const WindowDC screen;
    }
    EXPECT_EQ(kbtest::GdiObjects(), before);
}

TEST(DeviceContext, OwnedObjectMovesAndCanBeGivenUp) {
    GdiObject<HBRUSH> first(CreateSolidBrush(RGB(1, 2, 3)));
    const HBRUSH handle = first.Handle();
    GdiObject<HBRUSH> second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_EQ(second.Handle(), handle);
    const HBRUSH released = second.Release();
    EXPECT_FALSE(second);
    EXPECT_EQ(GetObjectType(released), static_cast<DWORD>(OBJ_BRUSH));
    second.Reset(released);
    second.Reset();
    EXPECT_EQ(GetObjectType(released), 0u); // deleted
}
