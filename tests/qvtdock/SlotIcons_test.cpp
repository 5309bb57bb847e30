// The icon of each slot, and what stands in when the shell or the program has none.
#include "qvtdock/SlotIcons.h"

#include "support/FakeShell.h"
#include "shared/LaunchItems.h"

#include <gtest/gtest.h>

using kbtest::IconSource;

namespace {
std::unique_ptr<TLaunchDataItem> SpecialFolderSlot(const char* name) {
    auto item = NewEmptyItem();
    item->Kind = ikSpecialFolder;
    item->Title = "folder";
    item->Path = name;
    return item;
}
} // namespace

TEST(SlotIcon, EmptySlotShowsTheProgramsNullIcon) {
    kbtest::FakeShell shell;
    const TSlotIcon icon = SlotIcon(*NewEmptyItem(), shell);
    EXPECT_EQ(IconSource(icon.Icon), "program:NULLICON");
    EXPECT_FALSE(icon.UseMainIcon);
}

TEST(SlotIcon, EmptySlotWithoutNullIcon_ShowsTheMainIcon) {
    kbtest::FakeShell shell;
    shell.programIcons.clear();
    const TSlotIcon icon = SlotIcon(*NewEmptyItem(), shell);
    EXPECT_EQ(icon.Icon, nullptr);
    EXPECT_TRUE(icon.UseMainIcon);
}

TEST(SlotIcon, SpecialFolderTheSystemLacks_GetsTheShellsDefaultIcon) {
    kbtest::FakeShell shell; // knows no special folder: asking for one raises
    const TSlotIcon icon = SlotIcon(*SpecialFolderSlot("rfControlPanel"), shell);
    EXPECT_EQ(IconSource(icon.Icon), "file:SHELL32.DLL,0");
    EXPECT_FALSE(icon.UseMainIcon);
}

TEST(SlotIcon, SpecialFolderThere_GetsItsOwnIcon) {
    kbtest::FakeShell shell;
    shell.AddSpecialFolder(3, "controls"); // CSIDL_CONTROLS
    shell.itemIcons.insert("controls");
    const TSlotIcon icon = SlotIcon(*SpecialFolderSlot("rfControlPanel"), shell);
    EXPECT_EQ(IconSource(icon.Icon), "item:controls");
}

TEST(SlotIcon, RegisteredItemWithoutAnyIcon_StaysBlankNotTheMainIcon) {
    kbtest::FakeShell shell;
    shell.fileIcons.clear();
    const TSlotIcon icon = SlotIcon(*SpecialFolderSlot("rfControlPanel"), shell);
    EXPECT_EQ(icon.Icon, nullptr);
    EXPECT_FALSE(icon.UseMainIcon);
}
