// The folder picker's choices, flags, centring and what its callback answers.
#include "components/FolderBrowseRules.h"

#include <gtest/gtest.h>

#include <utility>

using forms::Rect;
using forms::TPoint;

TEST(FolderCsidl, SelectChoicesNameTheirSpecialFolders) {
    const std::pair<TSelectFolder, int> table[] = {
        {TSelectFolder::sfDesktop, 0},    {TSelectFolder::sfManual, 0},
        {TSelectFolder::sfDrives, 17},    {TSelectFolder::sfDesktopDir, 16},
        {TSelectFolder::sfFavorites, 6},  {TSelectFolder::sfPrograms, 2},
        {TSelectFolder::sfRecent, 8},     {TSelectFolder::sfSendTo, 9},
        {TSelectFolder::sfStartMenu, 11}, {TSelectFolder::sfStartup, 7},
        {TSelectFolder::sfTemplates, 21},
    };
    for (const auto& [choice, csidl] : table)
        EXPECT_EQ(FolderCsidl(choice), csidl) << static_cast<int>(choice);
}

TEST(FolderCsidl, RootChoicesMatchTheSelectChoices) {
    for (int i = 0; i <= static_cast<int>(TSelectFolder::sfTemplates); ++i)
        EXPECT_EQ(FolderCsidl(static_cast<TBrowseRootFolder>(i)),
                  FolderCsidl(static_cast<TSelectFolder>(i)))
            << i;
}

TEST(FolderCsidl, AValueOutsideTheChoicesIsTheDesktop) {
    EXPECT_EQ(FolderCsidl(static_cast<TSelectFolder>(40)), 0);
    EXPECT_EQ(FolderCsidl(static_cast<TBrowseRootFolder>(-1)), 0);
}

TEST(BrowseFlags, EachOptionHasItsFlag) {
    using O = TSHBrowseOption;
    EXPECT_EQ(BrowseFlags({}), 0u);
    EXPECT_EQ(BrowseFlags({O::sboDontGoBelowDomain}), 2u);
    EXPECT_EQ(BrowseFlags({O::sboReturnFSAncestors}), 8u);
    EXPECT_EQ(BrowseFlags({O::sboReturnOnlyFSDirs}), 1u);
    EXPECT_EQ(BrowseFlags({O::sboStatusTextAndShowPath}), 4u);
    EXPECT_EQ(BrowseFlags({O::sboStatusText}), 4u);
    EXPECT_EQ(BrowseFlags({O::sboStatusText, O::sboStatusTextAndShowPath}), 4u);
    EXPECT_EQ(BrowseFlags({O::sboDontGoBelowDomain, O::sboReturnFSAncestors, O::sboReturnOnlyFSDirs,
                           O::sboStatusText}),
              15u);
}

TEST(BrowseFlags, OnlyTheShowPathOptionShowsThePath) {
    using O = TSHBrowseOption;
    EXPECT_TRUE(ShowsPath({O::sboStatusTextAndShowPath}));
    EXPECT_FALSE(ShowsPath({O::sboStatusText, O::sboReturnOnlyFSDirs}));
}

TEST(BrowseOptions, IncludeAndExcludeChangeOneOption) {
    using O = TSHBrowseOption;
    TSHBrowseOptions o{O::sboReturnOnlyFSDirs};
    o.Include(O::sboStatusText);
    EXPECT_EQ(o, (TSHBrowseOptions{O::sboStatusText, O::sboReturnOnlyFSDirs}));
    o.Exclude(O::sboReturnOnlyFSDirs);
    EXPECT_TRUE(o.Has(O::sboStatusText));
    EXPECT_FALSE(o.Has(O::sboReturnOnlyFSDirs));
    EXPECT_NE(o, TSHBrowseOptions{});
}

TEST(CenteredDialogPos, CentresAcrossAndAThirdDown) {
    const auto at = CenteredDialogPos(Rect(0, 0, 1024, 748), {300, 401});
    ASSERT_TRUE(at);
    EXPECT_EQ(*at, (TPoint{362, 115}));
}

TEST(CenteredDialogPos, UsesTheWorkAreasSizeFromTheScreenCorner) {
    const auto at = CenteredDialogPos(Rect(100, 30, 1124, 778), {300, 401});
    ASSERT_TRUE(at);
    EXPECT_EQ(*at, (TPoint{362, 115}));
}

TEST(CenteredDialogPos, ADialogLargerThanTheAreaTruncatesTowardZero) {
    const auto at = CenteredDialogPos(Rect(0, 0, 100, 100), {301, 105});
    ASSERT_TRUE(at);
    EXPECT_EQ(*at, (TPoint{-100, -1}));
}

TEST(CenteredDialogPos, WithoutAWorkAreaNothingMoves) {
    EXPECT_FALSE(CenteredDialogPos(std::nullopt, {300, 400}));
}

TEST(BrowseReply, WithoutShowPathTheStatusIsWhatTheEventSet) {
    const TBrowseReply r = BrowseReply(false, "C:\\x", "選択中", TOKButtonState::obsDefault);
    EXPECT_EQ(r.StatusText, "選択中");
    EXPECT_FALSE(r.EnableOk);
}

TEST(BrowseReply, ShowPathReplacesWhatTheEventSetByThePath) {
    EXPECT_EQ(BrowseReply(true, "C:\\表", "選択中", TOKButtonState::obsDefault).StatusText,
              "C:\\表");
    // A message without a selection has no path: the line is cleared.
    EXPECT_EQ(BrowseReply(true, "", "", TOKButtonState::obsDefault).StatusText, "");
}

TEST(BrowseReply, OkStatesEnableOrDisableAndDefaultLeavesTheButton) {
    EXPECT_EQ(BrowseReply(false, "", "", TOKButtonState::obsEnabled).EnableOk, true);
    EXPECT_EQ(BrowseReply(false, "", "", TOKButtonState::obsDisabled).EnableOk, false);
    EXPECT_EQ(BrowseReply(false, "", "", TOKButtonState::obsDefault).EnableOk, std::nullopt);
}
