// Files dropped onto a button, decided apart from the window: the keys, the plan for every kind
// and special folder, a program's parameters, the shortcuts written and what follows a drop.
#include "qvtdock/FileDrop.h"

#include "forms/base/Exceptions.h"
#include "support/FakeShell.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TLaunchDataItem Slot(TItemKind kind, const std::string& path) {
    TLaunchDataItem item;
    item.Kind = kind;
    item.Title = "slot";
    item.Path = path;
    return item;
}

TLaunchDataItem SpecialSlot(TRootFolder folder) {
    return Slot(ikSpecialFolder, RootFolderName(folder));
}

// A shell that knows every special folder; those with a file-system path have "C:\sf\<name>".
void AddEveryFolder(kbtest::FakeShell& shell) {
    for (const TRootFolderEntry& e : kRootFolders) {
        const bool virtualFolder = e.Folder == rfMyComputer || e.Folder == rfNetwork ||
                                   e.Folder == rfRecycleBin || e.Folder == rfControlPanel ||
                                   e.Folder == rfInternet || e.Folder == rfPrinters;
        shell.AddSpecialFolder(e.Csidl, std::string("pidl:") + e.Name,
                               virtualFolder ? "" : std::string("C:\\sf\\") + e.Name);
    }
}

constexpr TDropKeys kNoKey{};
constexpr TDropKeys kShiftKey{kDropMove, true};
constexpr TDropKeys kAltKey{kDropShortcuts, true};

} // namespace

// ---- Keys ---------------------------------------------------------------------------------------

TEST(DropKeys, EachKeyAloneChoosesItsOperation) {
    EXPECT_EQ(DropKeysOf(false, false, false).Code, kDropNoKey);
    EXPECT_FALSE(DropKeysOf(false, false, false).Chosen);
    EXPECT_EQ(DropKeysOf(true, false, false).Code, kDropCopy);
    EXPECT_EQ(DropKeysOf(false, true, false).Code, kDropMove);
    EXPECT_EQ(DropKeysOf(false, false, true).Code, kDropShortcuts);
    EXPECT_TRUE(DropKeysOf(false, false, true).Chosen);
}

TEST(DropKeys, LaterKeyWins_CtrlShiftMoves_CtrlAltLinks) {
    EXPECT_EQ(DropKeysOf(true, true, false).Code, kDropMove);
    EXPECT_EQ(DropKeysOf(true, false, true).Code, kDropShortcuts);
    EXPECT_EQ(DropKeysOf(true, true, true).Code, kDropShortcuts);
}

// ---- The plan by kind ---------------------------------------------------------------------------

TEST(PlanDrop, ProgramAndShortcutRun_OtherKindsDoNothing) {
    kbtest::FakeShell shell;
    EXPECT_EQ(PlanDrop(Slot(ikProgram, "C:\\a.exe"), kAltKey, true, shell).Step, TDropStep::Run);
    EXPECT_EQ(PlanDrop(Slot(ikShortcut, "C:\\a.lnk"), kNoKey, true, shell).Step, TDropStep::Run);
    for (int kind : {0, 2, 5, 7, 8, 255})
        EXPECT_EQ(PlanDrop(Slot(static_cast<TItemKind>(kind), "C:\\x"), kNoKey, true, shell).Step,
                  TDropStep::Nothing)
            << kind;
    EXPECT_EQ(shell.runs.size(), 0u);
}

TEST(PlanDrop, FolderWithoutKey_AsksOrCopiesAsTheSettingSays) {
    kbtest::FakeShell shell;
    const TDropPlan ask = PlanDrop(Slot(ikFolder, "C:\\dir"), kNoKey, true, shell);
    EXPECT_EQ(ask.Step, TDropStep::Choose);
    EXPECT_EQ(ask.Target, "C:\\dir");
    EXPECT_EQ(ask.Open, TDropOpen::Target);
    const TDropPlan copy = PlanDrop(Slot(ikFolder, "C:\\dir"), kNoKey, false, shell);
    EXPECT_EQ(copy.Step, TDropStep::FileOperation);
    EXPECT_EQ(copy.Operation, kDropCopy);
}

TEST(PlanDrop, FolderWithKey_NeverAsks) {
    kbtest::FakeShell shell;
    const TDropPlan move = PlanDrop(Slot(ikFolder, "D:\\"), kShiftKey, true, shell);
    EXPECT_EQ(move.Step, TDropStep::FileOperation);
    EXPECT_EQ(move.Operation, kDropMove);
    EXPECT_EQ(move.Target, "D:\\");
    EXPECT_EQ(PlanDrop(Slot(ikFolder, "D:\\"), TDropKeys{kDropCopy, true}, true, shell).Operation,
              kDropCopy);
    const TDropPlan links = PlanDrop(Slot(ikFolder, "D:\\"), kAltKey, true, shell);
    EXPECT_EQ(links.Step, TDropStep::Shortcuts);
    EXPECT_EQ(links.Target, "D:\\");
}

// Every special folder, without keys and asking: what the drop does, where and what opens.
TEST(PlanDrop, EverySpecialFolder) {
    kbtest::FakeShell shell;
    AddEveryFolder(shell);
    const std::map<TRootFolder, TDropStep> steps = {
        {rfDesktop, TDropStep::Choose},
        {rfMyComputer, TDropStep::Nothing},
        {rfNetwork, TDropStep::Nothing},
        {rfRecycleBin, TDropStep::RecycleBin},
        {rfAppData, TDropStep::Choose},
        {rfCommonDesktopDirectory, TDropStep::Choose},
        {rfCommonPrograms, TDropStep::AskShortcuts},
        {rfCommonStartMenu, TDropStep::AskShortcuts},
        {rfCommonStartup, TDropStep::AskShortcuts},
        {rfControlPanel, TDropStep::Nothing},
        {rfDesktopDirectory, TDropStep::Choose},
        {rfFavorites, TDropStep::AskShortcuts},
        {rfFonts, TDropStep::Choose},
        {rfInternet, TDropStep::Nothing},
        {rfPersonal, TDropStep::Choose},
        {rfPrinters, TDropStep::Nothing},
        {rfPrintHood, TDropStep::Nothing},
        {rfPrograms, TDropStep::AskShortcuts},
        {rfRecent, TDropStep::AskShortcuts},
        {rfSendTo, TDropStep::AskShortcuts},
        {rfStartMenu, TDropStep::AskShortcuts},
        {rfStartup, TDropStep::AskShortcuts},
        {rfTemplates, TDropStep::Choose},
        {rfHistory, TDropStep::Nothing},
        {rfInternetCache, TDropStep::Nothing},
        {rfCookies, TDropStep::Nothing},
    };
    ASSERT_EQ(steps.size(), kRootFolders.size());
    for (const TRootFolderEntry& e : kRootFolders) {
        const TDropPlan plan = PlanDrop(SpecialSlot(e.Folder), kNoKey, true, shell);
        EXPECT_EQ(plan.Step, steps.at(e.Folder)) << e.Name;
        const TRootFolder expected = e.Folder == rfDesktop ? rfCommonDesktopDirectory : e.Folder;
        if (plan.Step == TDropStep::Nothing) {
            EXPECT_EQ(plan.Open, TDropOpen::None) << e.Name;
            continue;
        }
        EXPECT_EQ(plan.Folder, expected) << e.Name;
        EXPECT_EQ(plan.Open, TDropOpen::SpecialFolder) << e.Name;
        if (plan.Step == TDropStep::Choose)
            EXPECT_EQ(plan.Target, std::string("C:\\sf\\") + kRootFolders[expected].Name + "\\")
                << e.Name;
        else
            EXPECT_EQ(plan.Target, "") << e.Name;
    }
}

TEST(PlanDrop, DesktopTakesFilesIntoTheAllUsersDesktop) {
    kbtest::FakeShell shell;
    AddEveryFolder(shell);
    const TDropPlan plan = PlanDrop(SpecialSlot(rfDesktop), kShiftKey, true, shell);
    EXPECT_EQ(plan.Step, TDropStep::FileOperation);
    EXPECT_EQ(plan.Operation, kDropMove);
    EXPECT_EQ(plan.Target, "C:\\sf\\rfCommonDesktopDirectory\\");
}

TEST(PlanDrop, ShortcutFoldersIgnoreKeys_FileFoldersTakeAlt) {
    kbtest::FakeShell shell;
    AddEveryFolder(shell);
    EXPECT_EQ(PlanDrop(SpecialSlot(rfSendTo), kShiftKey, false, shell).Step,
              TDropStep::AskShortcuts);
    const TDropPlan links = PlanDrop(SpecialSlot(rfPersonal), kAltKey, true, shell);
    EXPECT_EQ(links.Step, TDropStep::Shortcuts);
    EXPECT_EQ(links.Target, "C:\\sf\\rfPersonal\\");
    EXPECT_EQ(PlanDrop(SpecialSlot(rfRecycleBin), kAltKey, true, shell).Step,
              TDropStep::RecycleBin);
}

TEST(PlanDrop, SpecialFolderTheSystemLacksOrNoName_DoesNothing) {
    kbtest::FakeShell shell; // knows no special folder: asking raises
    EXPECT_EQ(PlanDrop(SpecialSlot(rfPersonal), kNoKey, true, shell).Step, TDropStep::Nothing);
    shell.AddSpecialFolder(5, "virtualPersonal"); // no file-system path
    EXPECT_EQ(PlanDrop(SpecialSlot(rfPersonal), kNoKey, true, shell).Step, TDropStep::Nothing);
    EXPECT_EQ(PlanDrop(Slot(ikSpecialFolder, "rfNoSuchFolder"), kNoKey, true, shell).Step,
              TDropStep::Nothing);
    EXPECT_EQ(PlanDrop(Slot(ikSpecialFolder, ""), kNoKey, true, shell).Step, TDropStep::Nothing);
    // Nor is anyone asked about links into such a folder.
    EXPECT_EQ(PlanDrop(SpecialSlot(rfSendTo), kNoKey, true, shell).Step, TDropStep::Nothing);
}

TEST(ChosenDropPlan, IndexesCopyMoveLink_CancelDoesNothing) {
    TDropPlan choose;
    choose.Step = TDropStep::Choose;
    choose.Target = "C:\\dir";
    choose.Open = TDropOpen::Target;
    EXPECT_EQ(ChosenDropPlan(choose, 0).Step, TDropStep::FileOperation);
    EXPECT_EQ(ChosenDropPlan(choose, 0).Operation, kDropCopy);
    EXPECT_EQ(ChosenDropPlan(choose, 1).Operation, kDropMove);
    EXPECT_EQ(ChosenDropPlan(choose, 1).Target, "C:\\dir");
    EXPECT_EQ(ChosenDropPlan(choose, 2).Step, TDropStep::Shortcuts);
    EXPECT_EQ(ChosenDropPlan(choose, 2).Open, TDropOpen::Target);
    for (int index : {-1, 3, 100}) {
        EXPECT_EQ(ChosenDropPlan(choose, index).Step, TDropStep::Nothing) << index;
        EXPECT_EQ(ChosenDropPlan(choose, index).Open, TDropOpen::None) << index;
    }
}

// ---- A program's parameters ---------------------------------------------------------------------

TEST(DropParamText, EachFileQuotedAfterABlank) {
    EXPECT_EQ(DropParamText({"C:\\a.txt", "C:\\b c\\d.txt"}), " \"C:\\a.txt\" \"C:\\b c\\d.txt\"");
    EXPECT_EQ(DropParamText({}), "");
}

TEST(DropParamText, TrailingBackslashesDoubledBeforeTheQuote) {
    EXPECT_EQ(DropParamText({"C:\\"}), " \"C:\\\\\"");
    EXPECT_EQ(DropParamText({"C:\\a b\\"}), " \"C:\\a b\\\\\"");
    EXPECT_EQ(DropParamText({"\\\\srv\\x\\\\"}), " \"\\\\srv\\x\\\\\\\\\"");
}

TEST(DropParamText, TrailByte5CIsNoBackslash) {
    // ソ is 83 5C: the path ends in a character, not in a delimiter.
    EXPECT_EQ(DropParamText({"C:\\ソ"}), " \"C:\\ソ\"");
    EXPECT_EQ(DropParamText({"C:\\ソ\\"}), " \"C:\\ソ\\\\\"");
}

// ---- Results and what follows -------------------------------------------------------------------

TEST(DropResults, ShellOperationDoneOnlyWithZero) {
    EXPECT_TRUE(ShellOperationDone(0));
    for (int r : {kShellNothingToDo, kShellCancelled, 1, 0x75, 0x402})
        EXPECT_FALSE(ShellOperationDone(r)) << r;
}

TEST(DropOutcome, DoneCounts_FailedRunnableKindsSayWhy) {
    for (int kind = 0; kind <= 8; ++kind) {
        const auto k = static_cast<TItemKind>(kind);
        EXPECT_TRUE(DropOutcome(k, true).CountUse) << kind;
        EXPECT_FALSE(DropOutcome(k, true).RunError) << kind;
        EXPECT_FALSE(DropOutcome(k, false).CountUse) << kind;
        const bool runnable = kind == 1 || kind == 2 || kind == 5 || kind == 6;
        EXPECT_EQ(DropOutcome(k, false).RunError, runnable) << kind;
    }
}

TEST(DropUnlocks, OnlyALockedLauncherWithTheSetting) {
    EXPECT_TRUE(DropUnlocks(true, true));
    EXPECT_FALSE(DropUnlocks(true, false));
    EXPECT_FALSE(DropUnlocks(false, true));
}

// ---- Shortcuts ----------------------------------------------------------------------------------

TEST(DropShortcutItem, FileWorksInItsFolder_FolderInNone) {
    kbtest::FakeShell shell;
    shell.displayNames["C:\\t\\a.txt"] = "a";
    shell.folders.insert("C:\\t\\dir");
    const TLaunchDataItem file = DropShortcutItem("C:\\t\\a.txt", shell);
    EXPECT_EQ(file.Title, "a");
    EXPECT_EQ(file.Path, "C:\\t\\a.txt");
    EXPECT_EQ(file.WorkDir, "C:\\t\\");
    EXPECT_EQ(file.ShowCmd, 1);
    EXPECT_EQ(file.Params, "");
    EXPECT_EQ(file.IconFile, "");
    const TLaunchDataItem folder = DropShortcutItem("C:\\t\\dir", shell);
    EXPECT_EQ(folder.Title, "dir"); // the shell gave no name
    EXPECT_EQ(folder.WorkDir, "");
}

TEST(FreeLinkTitle, NumbersTheTitleUntilTheNameIsFree) {
    kbtest::FakeShell shell;
    EXPECT_EQ(FreeLinkTitle("a", "C:\\l\\", shell), "a");
    shell.files["C:\\l\\a.lnk"] = "";
    shell.folders.insert("C:\\l\\a (2).lnk");
    EXPECT_EQ(FreeLinkTitle("a", "C:\\l\\", shell), "a (3)");
}

TEST(FreeLinkTitle, CleanedNamesClashToo_AllTakenGivesNone) {
    kbtest::FakeShell shell;
    shell.files["C:\\l\\a_b.lnk"] = "";
    EXPECT_EQ(FreeLinkTitle("a:b", "C:\\l\\", shell), "a:b (2)");
    shell.files["C:\\l\\x.lnk"] = "";
    for (int n = 2; n <= kMaxLinkNumber; ++n)
        shell.files["C:\\l\\x (" + std::to_string(n) + ").lnk"] = "";
    EXPECT_EQ(FreeLinkTitle("x", "C:\\l\\", shell), std::nullopt);
}

TEST(CreateDropShortcuts, OneLinkPerFileNamedByDisplayName_NeverReplacing) {
    kbtest::FakeShell shell;
    shell.displayNames["C:\\t\\a.txt"] = "a";
    shell.displayNames["C:\\u\\a.txt"] = "a";
    shell.files["C:\\l\\a.lnk"] = "old";
    EXPECT_TRUE(CreateDropShortcuts({"C:\\t\\a.txt", "C:\\u\\a.txt"}, rfCommonDesktopDirectory,
                                    "C:\\l", shell));
    ASSERT_EQ(shell.savedLinks.size(), 2u);
    EXPECT_EQ(shell.savedLinks[0].first, "C:\\l\\a (2).lnk");
    EXPECT_EQ(shell.savedLinks[0].second.Path, "C:\\t\\a.txt");
    EXPECT_EQ(shell.savedLinks[0].second.WorkDir, "C:\\t");
    EXPECT_EQ(shell.savedLinks[1].first, "C:\\l\\a (3).lnk");
    EXPECT_EQ(shell.files["C:\\l\\a.lnk"], "old");
}

TEST(CreateDropShortcuts, WithoutTargetIntoTheSpecialFolder) {
    kbtest::FakeShell shell;
    AddEveryFolder(shell);
    EXPECT_TRUE(CreateDropShortcuts({"C:\\t\\b.exe"}, rfSendTo, "", shell));
    ASSERT_EQ(shell.savedLinks.size(), 1u);
    EXPECT_EQ(shell.savedLinks[0].first, "C:\\sf\\rfSendTo\\b.exe.lnk");
}

TEST(CreateDropShortcuts, NoFilesOrNoFolder_False) {
    kbtest::FakeShell shell;
    AddEveryFolder(shell);
    EXPECT_FALSE(CreateDropShortcuts({}, rfSendTo, "C:\\l", shell));
    EXPECT_FALSE(CreateDropShortcuts({"C:\\a"}, rfRecycleBin, "", shell)); // no file-system path
    EXPECT_TRUE(shell.savedLinks.empty());
}

TEST(CreateDropShortcuts, OneLinkNotWritten_FalseEvenWhenTheLastIs) {
    kbtest::FakeShell shell;
    shell.files["C:\\l\\x.lnk"] = "";
    for (int n = 2; n <= kMaxLinkNumber; ++n)
        shell.files["C:\\l\\x (" + std::to_string(n) + ").lnk"] = "";
    EXPECT_FALSE(
        CreateDropShortcuts({"C:\\t\\x", "C:\\t\\y"}, rfCommonDesktopDirectory, "C:\\l", shell));
    ASSERT_EQ(shell.savedLinks.size(), 1u);
    EXPECT_EQ(shell.savedLinks[0].first, "C:\\l\\y.lnk");
}

TEST(CreateDropShortcuts, FailingWriteRaises) {
    kbtest::FakeShell shell;
    shell.saveFails = true;
    EXPECT_THROW(CreateDropShortcuts({"C:\\t\\x"}, rfCommonDesktopDirectory, "C:\\l", shell),
                 forms::EComError);
}

// ---- Texts --------------------------------------------------------------------------------------

TEST(DropTexts, AsTheUserReadsThem) {
    EXPECT_EQ(DropRegisterQuestion("C:\\a b\\c.txt"), "\"C:\\a b\\c.txt\" を\r\r登録しますか？");
    EXPECT_EQ(DropRegisterErrorText("C:\\x"), "\"C:\\x\" は登録できません。");
    EXPECT_EQ(DropShortcutQuestion("送る"), "[ 送る ] にショートカットを作成しますか？");
    EXPECT_EQ(DropChoiceMessage("作業"), "[ 作業 ] に");
}
