// Running a launch button: the route each kind takes, what counts as a launch, the browser and
// mailer command lines, and the folder a registered file lies in.
#include "qvtdock/Launching.h"

#include "forms/base/Exceptions.h"
#include "support/FakeShell.h"
#include "shared/LaunchItems.h"

#include <gtest/gtest.h>

#include <limits>

using kbtest::FakeShell;

namespace {

// Page 0 of the list holds one slot of this kind and path.
void SetSlot(TLaunchList& list, TItemKind kind, const std::string& path,
             const std::string& linkFile = "") {
    TLaunchDataItem& item = *list.Items(0, 0);
    item.Kind = kind;
    item.Title = "メモ";
    item.Path = path;
    item.LinkFile = linkFile;
}

TAppCfg DefaultHandlers() {
    TAppCfg cfg;
    cfg.URL = true;
    cfg.MAIL = true;
    cfg.DropRunLockOff = true;
    return cfg;
}

} // namespace

// ---- The route by kind ----

TEST(RunSlot, AProgramRunsItsPath) {
    FakeShell shell;
    shell.AddItem("C:\\t\\rec.exe");
    TLaunchList list;
    SetSlot(list, ikProgram, "C:\\t\\rec.exe");
    EXPECT_EQ(RunSlot(list, 0, 0, 0, DefaultHandlers(), shell), 42);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "C:\\t\\rec.exe");
}

TEST(RunSlot, AnUnregisteredOrUnknownKindRunsNothing) {
    for (const auto kind : {ikUnregistered, static_cast<TItemKind>(9)}) {
        FakeShell shell;
        shell.AddItem("C:\\t\\rec.exe");
        TLaunchList list;
        SetSlot(list, kind, "C:\\t\\rec.exe");
        EXPECT_EQ(RunSlot(list, 0, 0, 0, DefaultHandlers(), shell), kNothingRun);
        EXPECT_TRUE(shell.runs.empty());
        EXPECT_TRUE(shell.invokes.empty());
    }
}

TEST(RunSlot, AMissingSpecialFolderRunsNothingInsteadOfRaising) {
    FakeShell shell; // knows no special folder: asking for one raises
    TLaunchList list;
    SetSlot(list, ikSpecialFolder, "rfPrinters");
    EXPECT_EQ(RunSlot(list, 0, 0, 0, DefaultHandlers(), shell), kNothingRun);
}

TEST(RunSlot, ASlotThatDoesNotExistRaises) {
    FakeShell shell;
    TLaunchList list;
    EXPECT_THROW(RunSlot(list, 0, 5, 0, DefaultHandlers(), shell), forms::EListIndexError);
    EXPECT_THROW(RunSlot(list, 3, 0, 0, DefaultHandlers(), shell), forms::EListIndexError);
}

TEST(RunSlot, AShortcutWithoutTargetOpensItsLinkFile) {
    FakeShell shell;
    TLaunchList list;
    SetSlot(list, ikShortcut, "C:\\l\\マイ コンピュータ.lnk", "");
    EXPECT_EQ(RunSlot(list, 0, 0, 0, DefaultHandlers(), shell), 42);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "C:\\l\\マイ コンピュータ.lnk");
    EXPECT_EQ(shell.runs[0].Params, "");
}

TEST(RunSlot, AShortcutWithATargetRunsTheTarget) {
    FakeShell shell;
    shell.AddItem("C:\\t\\rec.exe");
    TLaunchList list;
    SetSlot(list, ikShortcut, "C:\\l\\rec.lnk", "C:\\t\\rec.exe");
    RunSlot(list, 0, 0, 0, DefaultHandlers(), shell);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "C:\\t\\rec.exe");
}

TEST(RunSlot, ADocumentEndingInDotUrlOpensTheUrlItHolds) {
    FakeShell shell;
    shell.files["C:\\fav\\site.url"] = "[InternetShortcut]\r\nURL=http://example.com/a b\r\n";
    TLaunchList list;
    SetSlot(list, ikDocument, "C:\\fav\\site.url");
    EXPECT_EQ(RunSlot(list, 0, 0, 0, DefaultHandlers(), shell), 42);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "http://example.com/a%20b");
}

TEST(RunSlot, AMissingDotUrlFileRunsNothing) {
    FakeShell shell;
    TLaunchList list;
    SetSlot(list, ikDocument, "C:\\fav\\gone.url");
    EXPECT_EQ(RunSlot(list, 0, 0, 0, DefaultHandlers(), shell), kNothingRun);
    EXPECT_TRUE(shell.runs.empty());
}

TEST(RunSlot, AnUpperCaseDotUrlRunsThroughTheAssociation) {
    FakeShell shell;
    shell.files["C:\\fav\\SITE.URL"] = "URL=http://example.com/\r\n";
    shell.AddItem("C:\\fav\\SITE.URL");
    TLaunchList list;
    SetSlot(list, ikDocument, "C:\\fav\\SITE.URL");
    RunSlot(list, 0, 0, 0, DefaultHandlers(), shell);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "C:\\fav\\SITE.URL");
}

TEST(RunSlot, AUrlSlotGoesToTheConfiguredBrowser) {
    FakeShell shell;
    TAppCfg cfg = DefaultHandlers();
    cfg.URL = false;
    cfg.URLExe = "C:\\t\\rec.exe";
    TLaunchList list;
    SetSlot(list, ikUrl, "http://example.com/");
    RunSlot(list, 0, 0, 0, cfg, shell);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "\"C:\\t\\rec.exe\"");
    EXPECT_EQ(shell.runs[0].Params, "http://example.com/");
}

// ---- What counts ----

TEST(JudgeLaunch, OnlyNothingRunCountsNothing) {
    for (const int32_t result : {0, 1, 2, 31, 32, 33, 42}) {
        const TLaunchVerdict verdict = JudgeLaunch(ikProgram, result, false, true);
        EXPECT_TRUE(verdict.Counted) << result;
        EXPECT_FALSE(verdict.Report) << result;
    }
    const TLaunchVerdict none = JudgeLaunch(ikProgram, kNothingRun, true, true);
    EXPECT_FALSE(none.Counted);
    EXPECT_FALSE(none.Unlock);
    EXPECT_TRUE(none.Report);
}

TEST(JudgeLaunch, AnUnregisteredSlotIsNeverReported) {
    EXPECT_FALSE(JudgeLaunch(ikUnregistered, kNothingRun, false, true).Report);
}

TEST(JudgeLaunch, UnlocksOnlyWhenLockedAndDropRunLockOffIsSet) {
    EXPECT_TRUE(JudgeLaunch(ikProgram, 42, true, true).Unlock);
    EXPECT_FALSE(JudgeLaunch(ikProgram, 42, true, false).Unlock);
    EXPECT_FALSE(JudgeLaunch(ikProgram, 42, false, true).Unlock);
}

TEST(LaunchSlot, ThreeLaunchesAddThreeToTheCounter) {
    FakeShell shell;
    shell.AddItem("C:\\t\\rec.exe");
    TLaunchList list;
    SetSlot(list, ikProgram, "C:\\t\\rec.exe");
    list.Items(0, 0)->UseCount = 7;
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(LaunchSlot(list, 0, 0, 0, DefaultHandlers(), false, shell).Counted);
    EXPECT_EQ(list.Items(0, 0)->UseCount, 10);
}

TEST(CountUse, StopsAtTheCountersLargestValue) {
    TLaunchDataItem item;
    item.UseCount = std::numeric_limits<int32_t>::max() - 1;
    CountUse(item);
    CountUse(item);
    EXPECT_EQ(item.UseCount, std::numeric_limits<int32_t>::max());
}

TEST(LaunchSlot, AShellErrorCountsAndIsNotReported) {
    FakeShell shell;
    shell.AddItem("C:\\t\\rec.exe");
    shell.executeResult = 2; // file not found: the shell reports it itself
    TLaunchList list;
    SetSlot(list, ikProgram, "C:\\t\\rec.exe");
    const TLaunchVerdict verdict = LaunchSlot(list, 0, 0, 0, DefaultHandlers(), false, shell);
    EXPECT_FALSE(verdict.Report);
    EXPECT_EQ(list.Items(0, 0)->UseCount, 1);
}

TEST(LaunchSlot, AVanishedTargetCountsNothingAndIsReported) {
    FakeShell shell; // cannot parse the path
    TLaunchList list;
    SetSlot(list, ikProgram, "C:\\t\\gone.exe");
    const TLaunchVerdict verdict = LaunchSlot(list, 0, 0, 0, DefaultHandlers(), true, shell);
    EXPECT_TRUE(verdict.Report);
    EXPECT_FALSE(verdict.Unlock);
    EXPECT_EQ(list.Items(0, 0)->UseCount, 0);
}

TEST(LaunchSlot, AMissingSpecialFolderIsReportedLikeNothingRun) {
    FakeShell shell;
    TLaunchList list;
    SetSlot(list, ikSpecialFolder, "rfHistory");
    const TLaunchVerdict verdict = LaunchSlot(list, 0, 0, 0, DefaultHandlers(), false, shell);
    EXPECT_TRUE(verdict.Report);
    EXPECT_EQ(list.Items(0, 0)->UseCount, 0);
}

TEST(LaunchSlot, TheCounterStopsAtItsLargestValue) {
    FakeShell shell;
    TLaunchList list;
    SetSlot(list, ikShortcut, "C:\\l\\pc.lnk");
    list.Items(0, 0)->UseCount = std::numeric_limits<int32_t>::max();
    LaunchSlot(list, 0, 0, 0, DefaultHandlers(), false, shell);
    EXPECT_EQ(list.Items(0, 0)->UseCount, std::numeric_limits<int32_t>::max());
}

TEST(NotRunnableText, QuotesTheTitle) {
    EXPECT_EQ(NotRunnableText("メモ帳"), "\"メモ帳\" は実行できません。");
}

// ---- Browser and mailer ----

TEST(OpenUrlWith, TheDefaultHandlerWhenSetOrWhenNoBrowserIsNamed) {
    for (const bool useDefault : {true, false}) {
        FakeShell shell;
        TAppCfg cfg;
        cfg.URL = useDefault;
        cfg.URLExeParam = "-new";
        OpenUrlWith(cfg, "http://example.com/", shell);
        ASSERT_EQ(shell.runs.size(), 1u);
        EXPECT_EQ(shell.runs[0].File, "http://example.com/");
        EXPECT_EQ(shell.runs[0].Params, "");
    }
}

TEST(OpenUrlWith, TheBrowserGetsItsParametersABlankAndTheUrl) {
    FakeShell shell;
    TAppCfg cfg;
    cfg.URLExe = "C:\\t\\rec.exe";
    cfg.URLExeParam = "-new";
    EXPECT_EQ(OpenUrlWith(cfg, "http://example.com/?q=1", shell), 42);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].Verb, "open");
    EXPECT_EQ(shell.runs[0].File, "\"C:\\t\\rec.exe\"");
    EXPECT_EQ(shell.runs[0].Params, "-new http://example.com/?q=1");
    EXPECT_EQ(shell.runs[0].Dir, "");
    EXPECT_EQ(shell.runs[0].ShowCmd, 5);
}

TEST(OpenUrlWith, AUrlWithBlanksOrQuotesStaysOneArgument) {
    FakeShell shell;
    TAppCfg cfg;
    cfg.URLExe = "C:\\t\\rec.exe";
    OpenUrlWith(cfg, "http://h/a b\"c -evil", shell);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].Params, "http://h/a%20b%22c%20-evil");
}

TEST(OpenUrlWith, AnEmptyUrlRunsNothing) {
    FakeShell shell;
    EXPECT_EQ(OpenUrlWith(DefaultHandlers(), "  ", shell), kNothingRun);
    EXPECT_TRUE(shell.runs.empty());
}

TEST(OpenMailWith, TheDefaultHandlerGetsMailto) {
    FakeShell shell;
    TAppCfg cfg;
    cfg.MAIL = true;
    cfg.MAILExe = "C:\\t\\mail.exe";
    OpenMailWith(cfg, "taro@example.jp", shell);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "mailto:taro@example.jp");
    EXPECT_EQ(shell.runs[0].Params, "");
}

TEST(OpenMailWith, TheMailerGetsItsParametersDirectlyFollowedByMailto) {
    FakeShell shell;
    TAppCfg cfg;
    cfg.MAILExe = "C:\\t\\mail.exe";
    cfg.MAILExeParam = "/c ";
    OpenMailWith(cfg, "taro@example.jp", shell);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "\"C:\\t\\mail.exe\"");
    EXPECT_EQ(shell.runs[0].Params, "/c mailto:taro@example.jp");
    EXPECT_EQ(shell.runs[0].ShowCmd, 5);
    cfg.MAILExeParam = "-m";
    EXPECT_EQ(MailerRun(cfg, "a@b.c").Params, "-mmailto:a@b.c");
}

// ---- The registered folder ----

TEST(RegisteredFolder, AShortcutNamesItsTargetsFolder) {
    TLaunchDataItem item;
    item.Kind = ikShortcut;
    item.Path = "C:\\l\\rec.lnk";
    item.LinkFile = "D:\\t\\rec.exe";
    EXPECT_EQ(RegisteredFolder(item), "D:\\t\\");
}

TEST(RegisteredFolder, AnInstallerShortcutAndOtherKindsNameTheirPathsFolder) {
    TLaunchDataItem item;
    item.Kind = ikShortcut;
    item.Path = "C:\\l\\office.lnk";
    item.LinkFile = "C:\\Windows\\Installer\\{1234}\\icon.exe";
    EXPECT_EQ(RegisteredFolder(item), "C:\\l\\");
    item.Kind = ikProgram;
    item.Path = "C:\\t\\ソフト.exe";
    EXPECT_EQ(RegisteredFolder(item), "C:\\t\\");
}

TEST(OpenRegisteredFolder, AFolderTheShellCannotNameIsNeverHandedToIt) {
    FakeShell shell;
    TLaunchDataItem item;
    item.Kind = ikProgram;
    item.Path = "C:\\gone\\rec.exe";
    EXPECT_FALSE(OpenRegisteredFolder(item, shell));
    EXPECT_TRUE(shell.runs.empty());
    EXPECT_TRUE(shell.invokes.empty());
}

TEST(OpenRegisteredFolder, OpensTheFolderAndTellsWhetherTheShellStarted) {
    FakeShell shell;
    shell.AddItem("C:\\t\\");
    TLaunchDataItem item;
    item.Kind = ikProgram;
    item.Path = "C:\\t\\rec.exe";
    EXPECT_TRUE(OpenRegisteredFolder(item, shell));
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "C:\\t\\");
    shell.executeResult = 3; // path not found
    EXPECT_FALSE(OpenRegisteredFolder(item, shell));
}

TEST(ShellStarted, AboveThirtyTwoOrTheExtendedCallsOne) {
    EXPECT_TRUE(ShellStarted(33));
    EXPECT_TRUE(ShellStarted(1));
    EXPECT_FALSE(ShellStarted(0));
    EXPECT_FALSE(ShellStarted(2));
    EXPECT_FALSE(ShellStarted(32));
    EXPECT_FALSE(ShellStarted(kNothingRun));
}
