// The command list of a launch button: its entries by kind, special folder and comment, and what
// each command asks of the shell.
#include "qvtdock/CommandMenu.h"

#include "support/FakeShell.h"
#include "shared/LaunchItems.h"

#include <gtest/gtest.h>

#include <set>

using kbtest::FakeShell;

namespace {

TLaunchDataItem Slot(TItemKind kind, const std::string& path, const std::string& comment = "") {
    TLaunchDataItem item;
    item.Kind = kind;
    item.Title = "t";
    item.Path = path;
    item.Comment = comment;
    return item;
}

std::vector<std::string> Captions(const std::vector<TCommandEntry>& entries) {
    std::vector<std::string> captions;
    for (const TCommandEntry& entry : entries)
        captions.push_back(entry.Caption);
    return captions;
}

const TDriveSource kTwoDrives = [] {
    return std::vector<TDriveName>{{"C:\\", "ローカル ディスク (C:)"}, {"D:\\", "CD (D:)"}};
};

const TDriveSource kNoDrivesAsked = []() -> std::vector<TDriveName> {
    ADD_FAILURE() << "the drives were asked for";
    return {};
};

} // namespace

// ---- Entries by kind ----

TEST(CommandEntries, AnUnregisteredSlotHasNone) {
    EXPECT_TRUE(
        CommandEntries(Slot(ikUnregistered, "", "http://example.com/"), kNoDrivesAsked).empty());
}

TEST(CommandEntries, FilesUrlsAndShortcutsHaveTheExplorerEntry) {
    for (const auto kind : {ikProgram, ikDocument, ikControlPanel, ikShortcut, ikUrl}) {
        const auto entries = CommandEntries(Slot(kind, "C:\\t\\rec.exe"), kNoDrivesAsked);
        ASSERT_EQ(entries.size(), 1u) << int(kind);
        EXPECT_EQ(entries[0], (TCommandEntry{"エクスプローラ", "C:\\t\\rec.exe", ccExplorer,
                                             TCommandClick::Command}));
    }
}

TEST(CommandEntries, AFolderCanMoveItsContentsToTheRecycleBin) {
    const auto entries = CommandEntries(Slot(ikFolder, "C:\\t\\dir"), kNoDrivesAsked);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].Caption, "エクスプローラ");
    EXPECT_TRUE(entries[1].IsSeparator());
    EXPECT_EQ(entries[1].Click, TCommandClick::None);
    EXPECT_EQ(entries[2], (TCommandEntry{"中のファイルをごみ箱に移す", "C:\\t\\dir",
                                         ccRecycleContents, TCommandClick::Command}));
}

TEST(CommandEntries, MyComputerListsTheDrivesInOrderThenTheRecycleBinAndRecentDocuments) {
    const auto entries = CommandEntries(Slot(ikSpecialFolder, "rfMyComputer"), kTwoDrives);
    EXPECT_EQ(Captions(entries),
              (std::vector<std::string>{"DRIVE: ローカル ディスク (C:)", "DRIVE: CD (D:)", "-",
                                        "ごみ箱を空にする", "最近使ったファイル一覧をクリア"}));
    EXPECT_EQ(entries[0].Hint, "C:\\");
    EXPECT_EQ(entries[0].Tag, ccOpenDrive);
    EXPECT_EQ(entries[1].Hint, "D:\\");
    EXPECT_EQ(entries[3].Tag, ccEmptyRecycleBin);
    EXPECT_EQ(entries[4].Tag, ccClearRecentDocs);
}

TEST(CommandEntries, EverySpecialFolderByItsRow) {
    const std::set<TRootFolder> none = {rfNetwork,  rfControlPanel, rfInternet,
                                        rfPrinters, rfPrintHood,    rfHistory};
    for (const TRootFolderEntry& folder : kRootFolders) {
        const auto entries = CommandEntries(Slot(ikSpecialFolder, folder.Name), kTwoDrives);
        std::vector<std::string> expected;
        if (folder.Folder == rfMyComputer)
            expected = {"DRIVE: ローカル ディスク (C:)", "DRIVE: CD (D:)", "-", "ごみ箱を空にする",
                        "最近使ったファイル一覧をクリア"};
        else if (folder.Folder == rfRecycleBin)
            expected = {"ごみ箱を空にする"};
        else if (folder.Folder == rfRecent)
            expected = {"エクスプローラ", "-", "最近使ったファイル一覧をクリア"};
        else if (!none.count(folder.Folder))
            expected = {"エクスプローラ"};
        EXPECT_EQ(Captions(entries), expected) << folder.Name;
    }
}

TEST(CommandEntries, ASpecialFolderOfNoKnownNameHasOnlyItsCommentLinks) {
    EXPECT_TRUE(CommandEntries(Slot(ikSpecialFolder, "rfNowhere"), kNoDrivesAsked).empty());
    EXPECT_EQ(Captions(CommandEntries(Slot(ikSpecialFolder, "rfControlPanel", "www.example.com"),
                                      kNoDrivesAsked)),
              (std::vector<std::string>{"URL: www.example.com"}));
}

// ---- Comment links ----

TEST(CommandEntries, AUrlThenAnAddressAreSeparatedFromEachOtherAndTheExplorerEntry) {
    const auto entries = CommandEntries(
        Slot(ikProgram, "C:\\t\\rec.exe", "見る http://example.com/a 書く taro@example.jp"),
        kNoDrivesAsked);
    EXPECT_EQ(Captions(entries),
              (std::vector<std::string>{"エクスプローラ", "-", "URL: http://example.com/a", "-",
                                        "MAIL: taro@example.jp"}));
    EXPECT_EQ(entries[2].Hint, "http://example.com/a");
    EXPECT_EQ(entries[2].Click, TCommandClick::Url);
    EXPECT_EQ(entries[4].Hint, "taro@example.jp");
    EXPECT_EQ(entries[4].Click, TCommandClick::Mail);
}

TEST(CommandEntries, TwoUrlsWithoutAnAddressHaveNoSeparatorAfterThem) {
    const auto entries = CommandEntries(
        Slot(ikProgram, "C:\\t\\rec.exe", "http://a.example/ https://b.example/x"), kNoDrivesAsked);
    EXPECT_EQ(Captions(entries),
              (std::vector<std::string>{"エクスプローラ", "-", "URL: http://a.example/",
                                        "URL: https://b.example/x"}));
}

TEST(CommandEntries, ACommentWithoutLinksAddsNoSeparator) {
    EXPECT_EQ(
        Captions(CommandEntries(Slot(ikProgram, "C:\\t\\rec.exe", "ただのメモ"), kNoDrivesAsked)),
        (std::vector<std::string>{"エクスプローラ"}));
}

TEST(CommandEntries, OnlyAnAddressGetsOneSeparator) {
    EXPECT_EQ(Captions(CommandEntries(Slot(ikProgram, "C:\\t\\rec.exe", "a@b.jp"), kNoDrivesAsked)),
              (std::vector<std::string>{"エクスプローラ", "-", "MAIL: a@b.jp"}));
}

TEST(AddCommentLinks, AnEscapedLineBreakEndsAUrl) {
    std::vector<TCommandEntry> entries;
    AddCommentLinks(entries, "http://a.example/x\\nhttp://b.example/");
    EXPECT_EQ(Captions(entries),
              (std::vector<std::string>{"URL: http://a.example/x", "URL: http://b.example/"}));
}

TEST(AddCommentLinks, TheSameUrlTwiceGivesTwoEntries) {
    std::vector<TCommandEntry> entries;
    AddCommentLinks(entries, "www.a.jp www.a.jp");
    EXPECT_EQ(entries.size(), 2u);
}

// After a match the search goes on one character later, not one byte: 、 is 81 41.
TEST(AddCommentLinks, TheSearchGoesOnOneCharacterPastEachMatch) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases{
        {"a@b.jp、c@d.jp", {"MAIL: a@b.jp", "MAIL: c@d.jp"}},
        {"ftp:\x82http:", {"URL: ftp:"}},
        {"http://a.jp/\x82\xE2http://b.jp/", {"URL: http://a.jp/", "URL: http://b.jp/"}}};
    for (const auto& [comment, captions] : cases) {
        std::vector<TCommandEntry> entries;
        AddCommentLinks(entries, comment);
        EXPECT_EQ(Captions(entries), captions) << comment;
    }
}

// ---- Drives ----

TEST(DriveNames, TheShellsNameOrElseTheRoot) {
    FakeShell shell;
    shell.displayNames["C:\\"] = "ローカル ディスク (C:)";
    const auto drives = DriveNames({"C:\\", "Z:\\"}, shell);
    ASSERT_EQ(drives.size(), 2u);
    EXPECT_EQ(drives[0].Name, "ローカル ディスク (C:)");
    EXPECT_EQ(drives[1].Name, "Z:\\");
    EXPECT_EQ(drives[1].Root, "Z:\\");
}

// ---- Carrying out ----

TEST(CommandRootName, OnlyASpecialFolderNamesOne) {
    EXPECT_EQ(CommandRootName(Slot(ikSpecialFolder, "rfRecent")), "rfRecent");
    EXPECT_EQ(CommandRootName(Slot(ikFolder, "C:\\t")), "");
}

TEST(CarryOutCommand, ExplorerOpensAnExistingFolderItself) {
    FakeShell shell;
    shell.folders.insert("C:\\t\\dir\\");
    CarryOutCommand(ccExplorer, "C:\\t\\dir\\", "", shell);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "explorer.exe");
    EXPECT_EQ(shell.runs[0].Params, "/e,\"C:\\t\\dir\\\"");
}

TEST(CarryOutCommand, ExplorerOpensAFilesFolder) {
    FakeShell shell;
    CarryOutCommand(ccExplorer, "C:\\t\\ソフト.exe", "", shell);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].Params, "/e,\"C:\\t\\\"");
}

TEST(CarryOutCommand, ExplorerOpensASpecialFoldersPath) {
    FakeShell shell;
    shell.AddSpecialFolder(8, "recent", "C:\\u\\Recent");
    CarryOutCommand(ccExplorer, "rfRecent", "rfRecent", shell);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "explorer.exe");
    EXPECT_EQ(shell.runs[0].Params, "/e,\"C:\\u\\Recent\\\"");
}

TEST(CarryOutCommand, AVirtualSpecialFolderOpensItsItemForExplorer) {
    FakeShell shell;
    shell.AddSpecialFolder(0, "desktop-item");
    CarryOutCommand(ccExplorer, "rfDesktop", "rfDesktop", shell);
    EXPECT_TRUE(shell.runs.empty());
    ASSERT_EQ(shell.invokes.size(), 1u);
    EXPECT_EQ(shell.invokes[0].first, "desktop-item");
    EXPECT_EQ(shell.invokes[0].second.Params, "/e,");
    EXPECT_EQ(shell.invokes[0].second.Verb, "");
}

TEST(CarryOutCommand, AMissingOrUnknownSpecialFolderDoesNothing) {
    FakeShell shell;
    EXPECT_NO_THROW(CarryOutCommand(ccExplorer, "rfFonts", "rfFonts", shell));
    CarryOutCommand(ccExplorer, "x", "rfNowhere", shell);
    EXPECT_TRUE(shell.runs.empty());
    EXPECT_TRUE(shell.invokes.empty());
}

TEST(CarryOutCommand, RecyclingActsOnlyOnAnExistingFolder) {
    FakeShell shell;
    shell.folders.insert("C:\\t\\dir");
    const TCommandOutcome there = CarryOutCommand(ccRecycleContents, "C:\\t\\dir", "", shell);
    EXPECT_EQ(there.Operation, TCommandOperation::RecycleFolderContents);
    EXPECT_EQ(there.Folder, "C:\\t\\dir");
    for (const char* path : {"C:\\t\\gone", ""})
        EXPECT_EQ(CarryOutCommand(ccRecycleContents, path, "", shell).Operation,
                  TCommandOperation::None)
            << path;
    EXPECT_TRUE(shell.runs.empty());
}

TEST(CarryOutCommand, TheRecycleBinAndRecentDocumentsAreLeftToTheCaller) {
    FakeShell shell;
    EXPECT_EQ(CarryOutCommand(ccEmptyRecycleBin, "", "rfRecycleBin", shell).Operation,
              TCommandOperation::EmptyRecycleBin);
    EXPECT_EQ(CarryOutCommand(ccClearRecentDocs, "", "rfMyComputer", shell).Operation,
              TCommandOperation::ClearRecentDocs);
    EXPECT_TRUE(shell.runs.empty());
}

TEST(CarryOutCommand, ADriveOpensItsRoot) {
    FakeShell shell;
    CarryOutCommand(ccOpenDrive, "D:\\", "rfMyComputer", shell);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "D:\\");
    EXPECT_EQ(shell.runs[0].Params, "");
}

TEST(CarryOutCommand, AnUnknownCodeDoesNothing) {
    FakeShell shell;
    for (const int32_t code : {-1, 5, 99})
        EXPECT_EQ(CarryOutCommand(code, "C:\\t", "", shell).Operation, TCommandOperation::None);
    EXPECT_TRUE(shell.runs.empty());
}
