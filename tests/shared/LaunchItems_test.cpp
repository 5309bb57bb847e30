// What paths become, what running a slot asks of the shell and which icon a slot gets, checked
// on a recording fake of the shell.
#include "shared/LaunchItems.h"

#include "support/FakeShell.h"
#include "forms/base/Exceptions.h"
#include "shared/DataFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using kbtest::FakeShell;
using kbtest::IconSource;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {
constexpr int kCsidlControls = 3, kCsidlPersonal = 5, kCsidlDesktopDirectory = 16,
              kCsidlDrives = 17;

// A slot with every field set, so that a test sees what the classifier overwrites.
TLaunchDataItem UsedItem() {
    TLaunchDataItem item;
    item.Kind = ikProgram;
    item.UseCount = 7;
    item.Title = "old";
    item.Path = "C:\\old.exe";
    item.LinkFile = "C:\\old-link";
    item.Params = "-old";
    item.WorkDir = "C:\\";
    item.IconFile = "C:\\old.ico";
    item.ShowCmd = 3;
    item.IconIndex = 4;
    item.Comment = "old comment";
    return item;
}

void ExpectPlainFields(const TLaunchDataItem& item) {
    EXPECT_EQ(item.Params, "");
    EXPECT_EQ(item.IconFile, "");
    EXPECT_EQ(item.IconIndex, 0);
    EXPECT_EQ(item.ShowCmd, 1);
}

TLaunchDataItem Slot(TItemKind kind, std::string path) {
    TLaunchDataItem item;
    item.Kind = kind;
    item.Title = "slot";
    item.Path = std::move(path);
    item.ShowCmd = 1;
    return item;
}

TLoadedLink Link(std::string target) {
    TLoadedLink loaded;
    loaded.PathRead = true;
    loaded.Link.Path = std::move(target);
    loaded.Link.Arguments = "-a 1";
    loaded.Link.WorkDir = "C:\\work";
    loaded.Link.ShowCmd = 3;
    loaded.Link.IconFile = "C:\\icons.dll";
    loaded.Link.IconIndex = 2;
    loaded.Link.Description = "説明";
    return loaded;
}
} // namespace

// ---- Special folders and verbs ----

TEST(RootFolder, TableHoldsTheStoredNamesAndShellNumbersInValueOrder) {
    const std::vector<std::pair<std::string, int>> expected = {
        {"rfDesktop", 0},
        {"rfMyComputer", 17},
        {"rfNetwork", 18},
        {"rfRecycleBin", 10},
        {"rfAppData", 26},
        {"rfCommonDesktopDirectory", 25},
        {"rfCommonPrograms", 23},
        {"rfCommonStartMenu", 22},
        {"rfCommonStartup", 24},
        {"rfControlPanel", 3},
        {"rfDesktopDirectory", 16},
        {"rfFavorites", 6},
        {"rfFonts", 20},
        {"rfInternet", 1},
        {"rfPersonal", 5},
        {"rfPrinters", 4},
        {"rfPrintHood", 27},
        {"rfPrograms", 2},
        {"rfRecent", 8},
        {"rfSendTo", 9},
        {"rfStartMenu", 11},
        {"rfStartup", 7},
        {"rfTemplates", 21},
        {"rfHistory", 34},
        {"rfInternetCache", 32},
        {"rfCookies", 33},
    };
    ASSERT_EQ(kRootFolders.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(kRootFolders[i].Folder, static_cast<TRootFolder>(i));
        EXPECT_EQ(RootFolderName(static_cast<TRootFolder>(i)), expected[i].first);
        EXPECT_EQ(kRootFolders[i].Csidl, expected[i].second) << expected[i].first;
    }
}

TEST(RootFolder, NameFindsTheFolderWithAsciiLettersInAnyCase) {
    EXPECT_EQ(RootFolderFromName("rfControlPanel"), rfControlPanel);
    EXPECT_EQ(RootFolderFromName("RFCONTROLPANEL"), rfControlPanel);
    EXPECT_EQ(RootFolderFromName("rfcookies"), rfCookies);
}

TEST(RootFolder, OtherNamesAreNoFolder) {
    EXPECT_EQ(RootFolderFromName("rfNothing"), std::nullopt);
    EXPECT_EQ(RootFolderFromName(""), std::nullopt);
    EXPECT_EQ(RootFolderFromName("rfDesktop "), std::nullopt);
    EXPECT_EQ(RootFolderFromName("ｒｆDesktop"), std::nullopt);
}

TEST(RootFolder, PathHasATrailingBackslashOrIsEmptyForAVirtualFolder) {
    FakeShell shell;
    shell.AddSpecialFolder(kCsidlPersonal, "personal", "C:\\users\\表");
    shell.AddSpecialFolder(kCsidlControls, "controls");
    shell.AddSpecialFolder(kCsidlDrives, "drives", "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}");
    EXPECT_EQ(RootFolderPath(rfPersonal, shell), "C:\\users\\表\\");
    EXPECT_EQ(RootFolderPath(rfControlPanel, shell), "");
    EXPECT_EQ(RootFolderPath(rfMyComputer, shell), "");
}

TEST(RootFolder, AFolderTheSystemLacksRaisesTheOleError) {
    FakeShell shell;
    EXPECT_THROW((void)RootFolderPidl(rfCookies, shell), forms::EComError);
    EXPECT_THROW((void)RootFolderPath(rfCookies, shell), forms::EComError);
}

TEST(ShellVerb, IndexesTheVerbTableAndGivesNoneBeyondIt) {
    EXPECT_EQ(ShellVerb(0), "");
    EXPECT_EQ(ShellVerb(2), "Explore");
    EXPECT_EQ(ShellVerb(6), "Properties");
    EXPECT_EQ(ShellVerb(7), "");
    EXPECT_EQ(ShellVerb(255), "");
}

// ---- Classifying a path ----

TEST(ItemFromPath, EmptyPathIsUnregisteredWithoutAskingTheShell) {
    FakeShell shell;
    TLaunchDataItem item = UsedItem();
    EXPECT_FALSE(ItemFromPath("", item, shell));
    EXPECT_EQ(shell.queries, 0);
    EXPECT_EQ(item.Kind, ikUnregistered);
    EXPECT_EQ(item.Title, "未登録");
    EXPECT_EQ(item.Path, "");
    EXPECT_EQ(item.WorkDir, "");
    EXPECT_EQ(item.UseCount, 0);
    EXPECT_EQ(item.Comment, "");
    ExpectPlainFields(item);
}

TEST(ItemFromPath, RootOfARemovableDriveIsAFolderEvenWithoutAListing) {
    FakeShell shell;
    shell.driveKinds['D'] = 2;
    shell.displayNames["D:\\"] = "CD ドライブ (D:)";
    TLaunchDataItem item = UsedItem();
    EXPECT_TRUE(ItemFromPath("D:\\", item, shell));
    EXPECT_EQ(item.Kind, ikFolder);
    EXPECT_EQ(item.Title, "CD ドライブ (D:)");
    EXPECT_EQ(item.Path, "D:\\");
    EXPECT_EQ(item.WorkDir, "");
    EXPECT_EQ(item.UseCount, 0);
    EXPECT_EQ(item.Comment, "");
    EXPECT_EQ(item.LinkFile, "C:\\old-link"); // only shortcuts set it
    ExpectPlainFields(item);
}

TEST(ItemFromPath, RootOfAFixedDriveComesThroughTheFolderTest) {
    FakeShell shell;
    shell.folders.insert("C:\\");
    TLaunchDataItem item;
    EXPECT_TRUE(ItemFromPath("C:\\", item, shell));
    EXPECT_EQ(item.Kind, ikFolder);
    EXPECT_THAT(shell.driveQueries, ElementsAre('C'));
}

TEST(ItemFromPath, OnlyAShortPathStartingWithALetterAsksForTheDriveKind) {
    FakeShell shell;
    TLaunchDataItem item;
    ItemFromPath("表", item, shell);
    ItemFromPath("\\\\x", item, shell);
    ItemFromPath("D:\\a", item, shell);
    EXPECT_THAT(shell.driveQueries, IsEmpty());
}

TEST(ItemFromPath, FolderIsKindThreeWithoutWorkingFolder) {
    FakeShell shell;
    shell.folders.insert("C:\\data\\tool.exe");
    shell.displayNames["C:\\data\\tool.exe"] = "tool.exe";
    TLaunchDataItem item = UsedItem();
    EXPECT_TRUE(ItemFromPath("C:\\data\\tool.exe", item, shell)); // the folder rule comes first
    EXPECT_EQ(item.Kind, ikFolder);
    EXPECT_EQ(item.Title, "tool.exe");
    EXPECT_EQ(item.WorkDir, "");
    ExpectPlainFields(item);
}

TEST(ItemFromPath, ProgramsAreKindOneWithTheirFolderAsWorkingFolder) {
    FakeShell shell;
    for (const char* path : {"C:\\bin\\tool.exe", "D:\\表\\saver.SCR", "C:\\x.ex", "C:\\x.co",
                             "C:\\x.c", "C:\\a.ico"}) {
        TLaunchDataItem item = UsedItem();
        EXPECT_TRUE(ItemFromPath(path, item, shell)) << path;
        EXPECT_EQ(item.Kind, ikProgram) << path;
        EXPECT_EQ(item.Path, path);
        ExpectPlainFields(item);
    }
    TLaunchDataItem item;
    ItemFromPath("D:\\表\\saver.SCR", item, shell);
    EXPECT_EQ(item.WorkDir, "D:\\表\\");
}

TEST(ItemFromPath, TitleIsTheDisplayNameOrElseTheFileName) {
    FakeShell shell;
    shell.displayNames["C:\\bin\\tool.exe"] = "Tool";
    TLaunchDataItem item;
    ItemFromPath("C:\\bin\\tool.exe", item, shell);
    EXPECT_EQ(item.Title, "Tool");
    ItemFromPath("C:\\bin\\表示.exe", item, shell);
    EXPECT_EQ(item.Title, "表示.exe");
    shell.driveKinds['E'] = 1;
    ItemFromPath("E:\\", item, shell);
    EXPECT_EQ(item.Title, "E:\\");
}

TEST(ItemFromPath, ControlPanelAppletIsKindFiveWithoutWorkingFolder) {
    FakeShell shell;
    TLaunchDataItem item = UsedItem();
    EXPECT_TRUE(ItemFromPath("C:\\windows\\applet.cpl", item, shell));
    EXPECT_EQ(item.Kind, ikControlPanel);
    EXPECT_EQ(item.WorkDir, "");
    ExpectPlainFields(item);
}

TEST(ItemFromPath, AssociatedDocumentIsKindTwoWithItsFolder) {
    FakeShell shell;
    shell.associations["C:\\docs\\readme.txt"] = "C:\\windows\\notepad.exe";
    TLaunchDataItem item = UsedItem();
    EXPECT_TRUE(ItemFromPath("C:\\docs\\readme.txt", item, shell));
    EXPECT_EQ(item.Kind, ikDocument);
    EXPECT_EQ(item.Path, "C:\\docs\\readme.txt");
    EXPECT_EQ(item.WorkDir, "C:\\docs\\");
    ExpectPlainFields(item);
}

TEST(ItemFromPath, PathOfNoKnownKindIsUnregisteredAndFalse) {
    FakeShell shell;
    TLaunchDataItem item = UsedItem();
    EXPECT_FALSE(ItemFromPath("C:\\docs\\noext", item, shell));
    EXPECT_EQ(item.Kind, ikUnregistered);
    EXPECT_EQ(item.Title, "未登録");
    EXPECT_EQ(item.Path, "");
    EXPECT_EQ(item.WorkDir, "");
    ExpectPlainFields(item);
}

// ---- Shell links ----

TEST(ResolveShortcut, FillsTheSlotFromTheLink) {
    FakeShell shell;
    shell.links["C:\\links\\エディタ.lnk"] = Link("C:\\bin\\editor.exe");
    shell.displayNames["C:\\links\\エディタ.lnk"] = "エディタ";
    TLaunchDataItem item = UsedItem();
    EXPECT_TRUE(ItemFromPath("C:\\links\\エディタ.lnk", item, shell));
    EXPECT_EQ(item.Kind, ikShortcut);
    EXPECT_EQ(item.Title, "エディタ");
    EXPECT_EQ(item.Path, "C:\\links\\エディタ.lnk");
    EXPECT_EQ(item.LinkFile, "C:\\bin\\editor.exe");
    EXPECT_EQ(item.Params, "-a 1");
    EXPECT_EQ(item.WorkDir, "C:\\work");
    EXPECT_EQ(item.ShowCmd, 3);
    EXPECT_EQ(item.IconFile, "C:\\icons.dll");
    EXPECT_EQ(item.IconIndex, 2);
    EXPECT_EQ(item.Comment, "説明");
    EXPECT_EQ(item.UseCount, 0);
}

TEST(ResolveShortcut, PifFilesAreLinksToo) {
    FakeShell shell;
    shell.links["C:\\dos.PIF"] = Link("C:\\dos\\game.com");
    TLaunchDataItem item;
    EXPECT_TRUE(ItemFromPath("C:\\dos.PIF", item, shell));
    EXPECT_EQ(item.Kind, ikShortcut);
    EXPECT_EQ(item.LinkFile, "C:\\dos\\game.com");
}

TEST(ResolveShortcut, ALinkThatCannotBeLoadedOrResolvedIsFalse) {
    FakeShell shell;
    TLaunchDataItem item;
    EXPECT_FALSE(ItemFromPath("C:\\gone.lnk", item, shell));
}

TEST(ResolveShortcut, ALinkWhosePathCannotBeReadIsFalseWithItsFieldsRead) {
    FakeShell shell;
    TLoadedLink loaded = Link("");
    loaded.PathRead = false;
    shell.links["C:\\odd.lnk"] = loaded;
    TLaunchDataItem item;
    item.Kind = ikShortcut;
    EXPECT_FALSE(ResolveShortcut("C:\\odd.lnk", item, shell));
    EXPECT_EQ(item.Params, "-a 1");
    EXPECT_EQ(item.Comment, "説明");
    EXPECT_EQ(item.Kind, ikShortcut);
}

TEST(ResolveShortcut, ALinkObjectThatCannotBeMadeRaises) {
    FakeShell shell;
    shell.linkObjectFails = true;
    TLaunchDataItem item;
    EXPECT_THROW(ItemFromPath("C:\\a.lnk", item, shell), forms::EComError);
}

// ---- Internet shortcuts ----

TEST(ReadUrlShortcut, WithoutIconFileTheIconIsUrlDll) {
    FakeShell shell;
    shell.files["C:\\fav\\site.url"] = "[InternetShortcut]\r\nURL=http://example.com/a?b=c\r\n";
    shell.displayNames["C:\\fav\\site.url"] = "site";
    TLaunchDataItem item = UsedItem();
    EXPECT_TRUE(ItemFromPath("C:\\fav\\site.url", item, shell));
    EXPECT_EQ(item.Kind, ikUrl);
    EXPECT_EQ(item.Title, "site");
    EXPECT_EQ(item.Path, "http://example.com/a?b=c");
    EXPECT_EQ(item.LinkFile, "C:\\fav\\site.url");
    EXPECT_EQ(item.IconFile, "URL.DLL");
    EXPECT_EQ(item.IconIndex, 0);
    EXPECT_EQ(item.Params, "");
    EXPECT_EQ(item.WorkDir, "");
    EXPECT_EQ(item.ShowCmd, 1);
    EXPECT_EQ(item.UseCount, 0);
    EXPECT_EQ(item.Comment, "");
}

TEST(ReadUrlShortcut, IconFileAndIndexAreTaken) {
    FakeShell shell;
    shell.files["a.url"] = "URL=http://x/\nIconFile=C:\\表\\i.ico\nIconIndex=3\n";
    TLaunchDataItem item;
    EXPECT_TRUE(ReadUrlShortcut("a.url", item, shell));
    EXPECT_EQ(item.IconFile, "C:\\表\\i.ico");
    EXPECT_EQ(item.IconIndex, 3);
}

TEST(ReadUrlShortcut, AnIconIndexThatIsNoIntegerIsZero) {
    FakeShell shell;
    shell.files["a.url"] = "URL=http://x/\rIconFile=i.ico\rIconIndex=three\r";
    TLaunchDataItem item;
    EXPECT_TRUE(ReadUrlShortcut("a.url", item, shell));
    EXPECT_EQ(item.IconFile, "i.ico");
    EXPECT_EQ(item.IconIndex, 0);
}

TEST(ReadUrlShortcut, NamesMatchInAnyCaseAndTheFirstLineWinsAnywhere) {
    FakeShell shell;
    shell.files["a.url"] =
        "[Other]\r\nurl=http://first/\r\n[InternetShortcut]\r\nURL=http://second/\r\n";
    TLaunchDataItem item;
    EXPECT_TRUE(ReadUrlShortcut("a.url", item, shell));
    EXPECT_EQ(item.Path, "http://first/");
}

TEST(ReadUrlShortcut, AMissingFileIsFalseAndLeavesTheItem) {
    FakeShell shell;
    TLaunchDataItem item = UsedItem();
    EXPECT_FALSE(ReadUrlShortcut("C:\\none.url", item, shell));
    EXPECT_EQ(ItemToLine(item), ItemToLine(UsedItem()));
}

TEST(ReadUrlShortcut, AFileWithoutAUrlValueIsFalseAndLeavesTheItem) {
    FakeShell shell;
    shell.files["empty.url"] = "[InternetShortcut]\r\nURL=\r\nIconFile=x.ico\r\n";
    shell.files["none.url"] = "[InternetShortcut]\r\nURLX=http://x/\r\n URL=http://y/\r\n";
    for (const char* path : {"empty.url", "none.url"}) {
        TLaunchDataItem item = UsedItem();
        EXPECT_FALSE(ReadUrlShortcut(path, item, shell)) << path;
        EXPECT_EQ(ItemToLine(item), ItemToLine(UsedItem()));
    }
}

// ---- Special-folder slots ----

TEST(ItemFromRootFolder, MakesAKindFourSlotNamedByTheFolder) {
    FakeShell shell;
    shell.AddSpecialFolder(kCsidlControls, "controls");
    shell.itemNames["controls"] = "コントロール パネル";
    TLaunchDataItem item = UsedItem();
    EXPECT_TRUE(ItemFromRootFolder(rfControlPanel, item, shell));
    EXPECT_EQ(item.Kind, ikSpecialFolder);
    EXPECT_EQ(item.Title, "コントロール パネル");
    EXPECT_EQ(item.Path, "rfControlPanel");
    EXPECT_EQ(item.UseCount, 0);
    EXPECT_EQ(item.Comment, "");
    EXPECT_EQ(item.WorkDir, "");
    ExpectPlainFields(item);
}

TEST(ItemFromRootFolder, AFolderWithoutDisplayNameIsUnTitled) {
    FakeShell shell;
    shell.AddSpecialFolder(kCsidlPersonal, "personal");
    TLaunchDataItem item;
    ItemFromRootFolder(rfPersonal, item, shell);
    EXPECT_EQ(item.Title, "UnTitled");
}

TEST(ItemFromRootFolder, AFolderTheSystemLacksRaisesAndChangesNothing) {
    FakeShell shell;
    TLaunchDataItem item = UsedItem();
    EXPECT_THROW(ItemFromRootFolder(rfHistory, item, shell), forms::EComError);
    EXPECT_EQ(ItemToLine(item), ItemToLine(UsedItem()));
}

// ---- Storing a classified path ----

TEST(SetItemFromPath, StoresANewSlotWhenThePathClassifies) {
    FakeShell shell;
    TLaunchList list;
    TLaunchDataItem* before = list.Items(0, 0);
    EXPECT_TRUE(list.SetItemFromPath(0, 0, "C:\\bin\\tool.exe", shell));
    EXPECT_NE(list.Items(0, 0), before);
    EXPECT_EQ(list.Items(0, 0)->Kind, ikProgram);
    EXPECT_EQ(list.Items(0, 0)->Path, "C:\\bin\\tool.exe");
}

TEST(SetItemFromPath, AFailedClassificationLeavesTheSlot) {
    FakeShell shell;
    TLaunchList list;
    TLaunchDataItem* before = list.Items(0, 0);
    const std::string line = ItemToLine(*before);
    EXPECT_FALSE(list.SetItemFromPath(0, 0, "C:\\gone.lnk", shell));
    EXPECT_FALSE(list.SetItemFromPath(0, 0, "C:\\noext", shell));
    EXPECT_EQ(list.Items(0, 0), before);
    EXPECT_EQ(ItemToLine(*list.Items(0, 0)), line);
}

TEST(SetItemFromPath, ASlotThatDoesNotExistRaisesBeforeTheShellIsAsked) {
    FakeShell shell;
    TLaunchList list;
    EXPECT_THROW(list.SetItemFromPath(0, 5, "C:\\a.lnk", shell), forms::EListIndexError);
    EXPECT_EQ(shell.queries, 0);
}

// ---- Running ----

TEST(RunItem, UnregisteredSlotsAndUnknownKindsRunNothing) {
    FakeShell shell;
    shell.AddItem("C:\\a.exe");
    for (const int kind : {0, 8, 200}) {
        TLaunchDataItem item = Slot(static_cast<TItemKind>(kind), "C:\\a.exe");
        EXPECT_EQ(RunItem(item, "", 0, shell), kNothingRun) << kind;
    }
    EXPECT_EQ(shell.queries, 0);
}

TEST(RunItem, AProgramRunsThroughItsPathWithParametersFolderAndShowCommand) {
    FakeShell shell;
    shell.AddItem("C:\\bin\\tool.exe");
    TLaunchDataItem item = Slot(ikProgram, "C:\\bin\\tool.exe");
    item.Params = "-p";
    item.WorkDir = "C:\\work\\";
    item.ShowCmd = 3;
    EXPECT_EQ(RunItem(item, "extra", 4, shell), 42);
    ASSERT_EQ(shell.runs.size(), 1u);
    const TShellRun& run = shell.runs[0];
    EXPECT_EQ(run.Verb, "");
    EXPECT_EQ(run.File, "C:\\bin\\tool.exe");
    EXPECT_EQ(run.Params, "-p extra");
    EXPECT_EQ(run.Dir, "C:\\work\\");
    EXPECT_EQ(run.ShowCmd, 3);
}

TEST(RunItem, WithoutExtraParametersOnlyTheSlotsAreGiven) {
    FakeShell shell;
    shell.AddItem("C:\\doc.txt");
    TLaunchDataItem item = Slot(ikDocument, "C:\\doc.txt");
    item.Params = "-p";
    RunItem(item, "", 0, shell);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].Params, "-p");
}

TEST(RunItem, TheShellsErrorCodeIsPassedThrough) {
    FakeShell shell;
    shell.AddItem("C:\\a.exe");
    shell.executeResult = 2;
    EXPECT_EQ(RunItem(Slot(ikProgram, "C:\\a.exe"), "", 0, shell), 2);
}

TEST(RunItem, AnItemWhoseShellObjectCannotBeHadRunsNothing) {
    FakeShell shell;
    EXPECT_EQ(RunItem(Slot(ikProgram, "C:\\vanished.exe"), "", 0, shell), kNothingRun);
    EXPECT_EQ(RunItem(Slot(ikFolder, ""), "", 0, shell), kNothingRun);
    EXPECT_THAT(shell.runs, IsEmpty());
    EXPECT_THAT(shell.invokes, IsEmpty());
}

TEST(RunItem, AVirtualSpecialFolderGetsTheChosenVerb) {
    FakeShell shell;
    shell.AddSpecialFolder(kCsidlControls, "controls");
    TLaunchDataItem item = Slot(ikSpecialFolder, "rfControlPanel");
    item.Params = "-p";
    item.WorkDir = "C:\\w";
    item.ShowCmd = 7;
    EXPECT_EQ(RunItem(item, "x", 2, shell), 1);
    ASSERT_EQ(shell.invokes.size(), 1u);
    EXPECT_EQ(shell.invokes[0].first, "controls");
    EXPECT_EQ(shell.invokes[0].second.Verb, "Explore");
    EXPECT_EQ(shell.invokes[0].second.Params, "-p x");
    EXPECT_EQ(shell.invokes[0].second.Dir, "C:\\w");
    EXPECT_EQ(shell.invokes[0].second.ShowCmd, 7);
    EXPECT_THAT(shell.runs, IsEmpty());
}

TEST(RunItem, TheVerbZeroAndVerbsBeyondTheTableAreTheDefaultAction) {
    FakeShell shell;
    shell.AddSpecialFolder(kCsidlControls, "controls");
    shell.invokeResult = 0;
    const TLaunchDataItem item = Slot(ikSpecialFolder, "rfControlPanel");
    EXPECT_EQ(RunItem(item, "", 0, shell), 0);
    EXPECT_EQ(RunItem(item, "", 9, shell), 0);
    ASSERT_EQ(shell.invokes.size(), 2u);
    EXPECT_EQ(shell.invokes[0].second.Verb, "");
    EXPECT_EQ(shell.invokes[1].second.Verb, "");
}

TEST(RunItem, ASpecialFolderWithAFileSystemPathOpensByDefaultIgnoringTheVerb) {
    FakeShell shell;
    shell.AddSpecialFolder(kCsidlPersonal, "personal", "C:\\users\\me\\Documents");
    EXPECT_EQ(RunItem(Slot(ikSpecialFolder, "rfPersonal"), "", 2, shell), 42);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "C:\\users\\me\\Documents");
    EXPECT_EQ(shell.runs[0].Verb, "");
    EXPECT_THAT(shell.invokes, IsEmpty());
}

TEST(RunItem, AParsingNameIsNoFileSystemPath) {
    FakeShell shell;
    shell.AddSpecialFolder(kCsidlDrives, "drives", "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}");
    EXPECT_EQ(RunItem(Slot(ikSpecialFolder, "rfMyComputer"), "", 0, shell), 1);
    EXPECT_THAT(shell.runs, IsEmpty());
    EXPECT_EQ(shell.invokes.size(), 1u);
}

TEST(RunItem, AKindFourSlotOfNoKnownFolderRunsNothingAndRaisesNothing) {
    FakeShell shell;
    EXPECT_EQ(RunItem(Slot(ikSpecialFolder, "rfNowhere"), "", 0, shell), kNothingRun);
    EXPECT_EQ(shell.queries, 0);
}

TEST(RunItem, AKindFourSlotOfAFolderTheSystemLacksRaises) {
    FakeShell shell;
    EXPECT_THROW(RunItem(Slot(ikSpecialFolder, "rfCookies"), "", 0, shell), forms::EComError);
}

TEST(RunItem, AShortcutRunsItsTarget) {
    FakeShell shell;
    shell.AddItem("C:\\bin\\editor.exe");
    shell.AddItem("C:\\links\\editor.lnk");
    TLaunchDataItem item = Slot(ikShortcut, "C:\\links\\editor.lnk");
    item.LinkFile = "C:\\bin\\editor.exe";
    RunItem(item, "", 0, shell);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "C:\\bin\\editor.exe");
}

TEST(RunItem, AnInstallerShortcutRunsTheLinkFileItself) {
    FakeShell shell;
    const std::string target = "C:\\Windows\\Installer\\{90120000-0011}\\icon.exe";
    shell.AddItem(target);
    shell.AddItem("C:\\links\\office.lnk");
    TLaunchDataItem item = Slot(ikShortcut, "C:\\links\\office.lnk");
    item.LinkFile = target;
    EXPECT_TRUE(IsInstallerShortcut(item));
    RunItem(item, "", 0, shell);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "C:\\links\\office.lnk");
}

TEST(RunItem, InstallerShortcutsAreKindSixWithTheTextInAnyCase) {
    TLaunchDataItem item = Slot(ikShortcut, "a.lnk");
    item.LinkFile = "c:\\windows\\INSTALLER\\{x}\\a.exe";
    EXPECT_TRUE(IsInstallerShortcut(item));
    item.LinkFile = "C:\\MyInstaller\\{x}\\a.exe";
    EXPECT_FALSE(IsInstallerShortcut(item));
    item.Kind = ikProgram;
    item.LinkFile = "C:\\Installer\\{x}";
    EXPECT_FALSE(IsInstallerShortcut(item));
}

TEST(RunItem, AUrlSlotOpensTheUrlWithTheRegisteredBrowser) {
    FakeShell shell;
    shell.SetOpenCommand("http", "\"C:\\Program Files\\Web\\web.exe\" -url \"%1\"");
    EXPECT_EQ(RunItem(Slot(ikUrl, "http://example.com/"), "ignored", 2, shell), 42);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "\"C:\\Program Files\\Web\\web.exe\"");
    EXPECT_EQ(shell.runs[0].Params, "-url \"http://example.com/\"");
    EXPECT_EQ(shell.runs[0].Dir, "");
    EXPECT_EQ(shell.runs[0].ShowCmd, 1);
}

TEST(RunItemFile, AnEmptyFileNameRunsNothing) {
    FakeShell shell;
    EXPECT_EQ(RunItemFile(Slot(ikProgram, "C:\\a.exe"), "", "x", shell), kNothingRun);
    EXPECT_THAT(shell.runs, IsEmpty());
}

TEST(RunItemByAssociation, RunsTheAssociatedProgramWithThePathUnquoted) {
    FakeShell shell;
    shell.associations["C:\\my docs\\a.txt"] = "C:\\windows\\notepad.exe";
    TLaunchDataItem item = Slot(ikDocument, "C:\\my docs\\a.txt");
    item.Params = "-p";
    item.WorkDir = "C:\\my docs\\";
    item.ShowCmd = 3;
    EXPECT_EQ(RunItemByAssociation(item, shell), 42);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "C:\\windows\\notepad.exe");
    EXPECT_EQ(shell.runs[0].Params, "C:\\my docs\\a.txt -p");
    EXPECT_EQ(shell.runs[0].Dir, "C:\\my docs\\");
    EXPECT_EQ(shell.runs[0].ShowCmd, 3);
}

TEST(RunItemByAssociation, WithoutAnAssociatedProgramNothingRuns) {
    FakeShell shell;
    EXPECT_EQ(RunItemByAssociation(Slot(ikDocument, "C:\\a.zzz"), shell), kNothingRun);
    EXPECT_THAT(shell.runs, IsEmpty());
}

TEST(LaunchListRunItem, APathEndingInDotUrlOpensTheUrlOfThatFile) {
    FakeShell shell;
    shell.files["C:\\fav\\site.url"] = "[InternetShortcut]\r\nURL=http://example.com/\r\n";
    shell.SetOpenCommand("http", "C:\\web\\web.exe %1");
    TLaunchList list;
    list.Items(0, 0)->Kind = ikDocument;
    list.Items(0, 0)->Path = "C:\\fav\\site.url";
    EXPECT_EQ(list.RunItem(0, 0, "", 0, shell), 42);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "C:\\web\\web.exe");
    EXPECT_EQ(shell.runs[0].Params, "http://example.com/");
}

TEST(LaunchListRunItem, ADotUrlFileThatCannotBeReadGivesZero) {
    FakeShell shell;
    TLaunchList list;
    list.Items(0, 0)->Kind = ikDocument;
    list.Items(0, 0)->Path = "C:\\fav\\gone.url";
    EXPECT_EQ(list.RunItem(0, 0, "", 0, shell), 0);
    EXPECT_THAT(shell.runs, IsEmpty());
}

TEST(LaunchListRunItem, AnUpperCaseExtensionRunsThroughTheAssociation) {
    FakeShell shell;
    shell.files["C:\\fav\\SITE.URL"] = "URL=http://example.com/\r\n";
    shell.AddItem("C:\\fav\\SITE.URL");
    TLaunchList list;
    list.Items(0, 0)->Kind = ikDocument;
    list.Items(0, 0)->Path = "C:\\fav\\SITE.URL";
    list.RunItem(0, 0, "", 0, shell);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "C:\\fav\\SITE.URL");
}

// ---- Opening URLs ----

TEST(OpenUrl, ATextWithoutAUrlGoesToTheShellAsItIs) {
    FakeShell shell;
    shell.SetOpenCommand("mailto", "C:\\mail.exe %1");
    EXPECT_EQ(OpenUrl("mailto:a@b.c", "-p", shell), 42);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "mailto:a@b.c");
    EXPECT_EQ(shell.runs[0].Params, "-p");
    EXPECT_EQ(shell.runs[0].Dir, "");
    EXPECT_EQ(shell.runs[0].ShowCmd, 1);
}

TEST(OpenUrl, ASchemeWithoutAnExeCommandGoesToTheShellAsItIs) {
    FakeShell shell;
    shell.SetOpenCommand("ftp", "rundll32 url.dll,FileProtocolHandler %1");
    for (const char* url : {"http://example.com/", "ftp://h/"}) {
        shell.runs.clear();
        OpenUrl(url, "-p", shell);
        ASSERT_EQ(shell.runs.size(), 1u);
        EXPECT_EQ(shell.runs[0].File, url);
        EXPECT_EQ(shell.runs[0].Params, "-p");
    }
}

TEST(OpenUrl, TheRegisteredProgramGetsTheUrlForItsPlaceholder) {
    FakeShell shell;
    shell.SetOpenCommand("https", "\"C:\\表示\\Web.EXE\" -osint -url \"%1\"");
    OpenUrl("https://example.com/", "unused", shell);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "\"C:\\表示\\Web.EXE\"");
    EXPECT_EQ(shell.runs[0].Params, "-osint -url \"https://example.com/\"");
}

TEST(SplitOpenCommand, AnUnquotedProgramEndsAtExe) {
    const auto split = SplitOpenCommand("C:\\web\\web.exe %1", "http://x/");
    ASSERT_TRUE(split);
    EXPECT_EQ(split->Program, "C:\\web\\web.exe");
    EXPECT_EQ(split->Params, "http://x/");
}

TEST(SplitOpenCommand, WithoutPlaceholderTheUrlIsAppended) {
    auto split = SplitOpenCommand("\"C:\\web\\web.exe\" -new", "http://x/");
    ASSERT_TRUE(split);
    EXPECT_EQ(split->Program, "\"C:\\web\\web.exe\"");
    EXPECT_EQ(split->Params, "-new http://x/");
    split = SplitOpenCommand("  \"C:\\web\\web.exe\"  ", "http://x/");
    ASSERT_TRUE(split);
    EXPECT_EQ(split->Program, "\"C:\\web\\web.exe\"");
    EXPECT_EQ(split->Params, "http://x/");
}

TEST(SplitOpenCommand, EveryPlaceholderSpellingIsReplaced) {
    const auto split = SplitOpenCommand("web.exe %1 %L %l %2 %*", "u");
    ASSERT_TRUE(split);
    EXPECT_EQ(split->Params, "u u u %2 %*");
}

TEST(SplitOpenCommand, APlaceholderInsideTheUrlStays) {
    const auto split = SplitOpenCommand("web.exe %1", "http://x/%L%1");
    ASSERT_TRUE(split);
    EXPECT_EQ(split->Params, "http://x/%L%1");
}

TEST(SplitOpenCommand, ACommandWithoutExeIsNone) {
    EXPECT_FALSE(SplitOpenCommand("", "u"));
    EXPECT_FALSE(SplitOpenCommand("\"C:\\web\\web.bat\" %1", "u"));
    // Full-width letters are no ".exe".
    EXPECT_FALSE(SplitOpenCommand("C:\\ｅｘｅ.ｅｘｅ", "u"));
}

// ---- Opening items and properties ----

TEST(OpenPidl, AFileSystemItemOpensByDefaultWithoutParameters) {
    FakeShell shell;
    shell.AddItem("C:\\data");
    const auto pidl = PidlFromPath("C:\\data", shell);
    ASSERT_TRUE(pidl);
    OpenPidl(*pidl, "/e,", 2, shell);
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "C:\\data");
    EXPECT_EQ(shell.runs[0].Params, "");
    EXPECT_EQ(shell.runs[0].ShowCmd, 1);
    EXPECT_THAT(shell.invokes, IsEmpty());
}

TEST(OpenPidl, AVirtualItemGetsTheVerbAndParameters) {
    FakeShell shell;
    shell.AddSpecialFolder(kCsidlControls, "controls");
    const auto pidl = RootFolderPidl(rfControlPanel, shell);
    EXPECT_EQ(OpenPidl(*pidl, "/e,", 2, shell), 1);
    ASSERT_EQ(shell.invokes.size(), 1u);
    EXPECT_EQ(shell.invokes[0].second.Verb, "Explore");
    EXPECT_EQ(shell.invokes[0].second.Params, "/e,");
    EXPECT_EQ(shell.invokes[0].second.Dir, "");
    EXPECT_EQ(shell.invokes[0].second.ShowCmd, 1);
}

TEST(PidlFromPath, AnEmptyPathHasNoItem) {
    FakeShell shell;
    shell.parseable[""] = "desktop";
    EXPECT_FALSE(PidlFromPath("", shell));
}

TEST(ShowItemProperties, AsksForThePropertiesOfTheItem) {
    FakeShell shell;
    shell.AddItem("C:\\bin\\tool.exe");
    EXPECT_EQ(ShowItemProperties(Slot(ikProgram, "C:\\bin\\tool.exe"), shell), 1);
    ASSERT_EQ(shell.invokes.size(), 1u);
    EXPECT_EQ(shell.invokes[0].first, "C:\\bin\\tool.exe");
    EXPECT_EQ(shell.invokes[0].second.Verb, "Properties");
    EXPECT_EQ(shell.invokes[0].second.Params, "");
}

TEST(ShowItemProperties, AUrlSlotShowsItsShortcutFile) {
    FakeShell shell;
    shell.AddItem("C:\\fav\\site.url");
    TLaunchDataItem item = Slot(ikUrl, "http://example.com/");
    item.LinkFile = "C:\\fav\\site.url";
    ShowItemProperties(item, shell);
    ASSERT_EQ(shell.invokes.size(), 1u);
    EXPECT_EQ(shell.invokes[0].first, "C:\\fav\\site.url");
}

TEST(ShowItemProperties, AnyInstallerFolderInTheTargetShowsTheLinkFile) {
    FakeShell shell;
    shell.AddItem("C:\\links\\a.lnk");
    shell.AddItem("C:\\MyInstaller\\{x}\\a.exe");
    TLaunchDataItem item = Slot(ikShortcut, "C:\\links\\a.lnk");
    item.LinkFile = "C:\\MyInstaller\\{x}\\a.exe";
    ShowItemProperties(item, shell);
    ASSERT_EQ(shell.invokes.size(), 1u);
    EXPECT_EQ(shell.invokes[0].first, "C:\\links\\a.lnk");
}

TEST(ShowItemProperties, NothingIsAskedForUnregisteredOrVanishedItems) {
    FakeShell shell;
    EXPECT_EQ(ShowItemProperties(Slot(ikUnregistered, "C:\\a"), shell), kNothingRun);
    EXPECT_EQ(ShowItemProperties(Slot(static_cast<TItemKind>(9), "C:\\a"), shell), kNothingRun);
    EXPECT_EQ(ShowItemProperties(Slot(ikProgram, "C:\\gone.exe"), shell), kNothingRun);
    EXPECT_EQ(ShowItemProperties(Slot(ikSpecialFolder, "rfNowhere"), shell), kNothingRun);
    EXPECT_THAT(shell.invokes, IsEmpty());
}

TEST(ShowProperties, ShowsTheSlotOfTheModel) {
    FakeShell shell;
    shell.AddItem("C:\\a.exe");
    TLaunchList list;
    *list.Items(0, 0) = Slot(ikProgram, "C:\\a.exe");
    list.ShowProperties(0, 0, shell);
    EXPECT_EQ(shell.invokes.size(), 1u);
}

// ---- Icons and names ----

TEST(ItemIcon, AnEmptySlotShowsTheProgramsEmptySlotIcon) {
    FakeShell shell;
    TLaunchDataItem item = Slot(ikUnregistered, "");
    item.IconFile = "C:\\i.ico";
    EXPECT_EQ(IconSource(ItemIcon(item, shell)), "program:NULLICON");
}

TEST(ItemIcon, AnIconFileIsUsedForEveryRegisteredKind) {
    FakeShell shell;
    shell.fileIcons["C:\\ICONS.DLL"] = {5};
    for (const int kind : {1, 2, 3, 4, 5, 6, 7, 9}) {
        TLaunchDataItem item = Slot(static_cast<TItemKind>(kind), "rfNowhere");
        item.IconFile = "C:\\icons.dll";
        item.IconIndex = 5;
        EXPECT_EQ(IconSource(ItemIcon(item, shell)), "file:C:\\icons.dll,5") << kind;
    }
}

TEST(ItemIcon, WithoutIconFileTheShellShowsTheItem) {
    FakeShell shell;
    shell.AddItem("C:\\bin\\tool.exe");
    shell.itemIcons.insert("C:\\bin\\tool.exe");
    shell.AddSpecialFolder(kCsidlDrives, "drives");
    shell.itemIcons.insert("drives");
    EXPECT_EQ(IconSource(ItemIcon(Slot(ikProgram, "C:\\bin\\tool.exe"), shell)),
              "item:C:\\bin\\tool.exe");
    EXPECT_EQ(IconSource(ItemIcon(Slot(static_cast<TItemKind>(12), "C:\\bin\\tool.exe"), shell)),
              "item:C:\\bin\\tool.exe");
    EXPECT_EQ(IconSource(ItemIcon(Slot(ikSpecialFolder, "rfMyComputer"), shell)), "item:drives");
}

TEST(ItemIcon, AShortcutShowsItsTargetOrAnInstallerLinkItself) {
    FakeShell shell;
    for (const char* path : {"C:\\bin\\a.exe", "C:\\l.lnk", "C:\\Installer\\{x}\\a.exe"}) {
        shell.AddItem(path);
        shell.itemIcons.insert(path);
    }
    TLaunchDataItem item = Slot(ikShortcut, "C:\\l.lnk");
    item.LinkFile = "C:\\bin\\a.exe";
    EXPECT_EQ(IconSource(ItemIcon(item, shell)), "item:C:\\bin\\a.exe");
    item.LinkFile = "C:\\Installer\\{x}\\a.exe";
    EXPECT_EQ(IconSource(ItemIcon(item, shell)), "item:C:\\l.lnk");
}

TEST(ItemIcon, WhatHasNoIconGetsTheShellsDefaultIcon) {
    FakeShell shell;
    const std::string fallback = "file:SHELL32.DLL,0";
    shell.AddItem("C:\\a.exe"); // parsed, but the shell gives no icon
    EXPECT_EQ(IconSource(ItemIcon(Slot(ikProgram, "C:\\a.exe"), shell)), fallback);
    EXPECT_EQ(IconSource(ItemIcon(Slot(ikProgram, "C:\\vanished.exe"), shell)), fallback);
    EXPECT_EQ(IconSource(ItemIcon(Slot(ikSpecialFolder, "rfNowhere"), shell)), fallback);
    TLaunchDataItem item = Slot(ikProgram, "C:\\a.exe");
    item.IconFile = "C:\\no-icons.txt";
    EXPECT_EQ(IconSource(ItemIcon(item, shell)), fallback);
}

TEST(ItemIcon, AUrlSlotWithoutIconFileNeverAsksForAFileWithoutName) {
    FakeShell shell;
    EXPECT_EQ(IconSource(ItemIcon(Slot(ikUrl, "http://x/"), shell)), "file:SHELL32.DLL,0");
    EXPECT_THAT(shell.iconFileQueries, ElementsAre("SHELL32.DLL"));
}

TEST(ItemIcon, AKindFourSlotOfAFolderTheSystemLacksRaises) {
    FakeShell shell;
    EXPECT_THROW((void)ItemIcon(Slot(ikSpecialFolder, "rfCookies"), shell), forms::EComError);
}

TEST(Icons, DefaultIconIsShell32AtTheIndex) {
    FakeShell shell;
    EXPECT_EQ(IconSource(ShellDefaultIcon(3, shell)), "file:SHELL32.DLL,3");
    EXPECT_EQ(IconSource(IconFromFile("C:\\x.dll", 1, shell)), "file:SHELL32.DLL,0");
    EXPECT_EQ(IconSource(IconOfPidl(nullptr, shell)), "file:SHELL32.DLL,0");
}

TEST(Icons, AMissingEmptySlotResourceIsNoIcon) {
    FakeShell shell;
    shell.programIcons.clear();
    EXPECT_EQ(IconSource(EmptySlotIcon(shell)), "<none>");
}

// ---- Writing shell links ----

TEST(CreateItemShortcut, WritesTitleDotLnkIntoTheFolderWithOrWithoutBackslash) {
    for (const char* folder : {"C:\\Links", "C:\\Links\\"}) {
        FakeShell shell;
        TLaunchDataItem item = Slot(ikProgram, "C:\\bin\\editor.exe");
        item.Title = "Editor";
        item.Params = "-p";
        item.WorkDir = "C:\\bin\\";
        item.ShowCmd = 3;
        item.IconFile = "C:\\i.ico";
        item.IconIndex = 2;
        item.Comment = "説明";
        EXPECT_TRUE(CreateItemShortcut(item, rfDesktop, folder, shell));
        ASSERT_EQ(shell.savedLinks.size(), 1u);
        EXPECT_EQ(shell.savedLinks[0].first, "C:\\Links\\Editor.lnk");
        const TShellLink& link = shell.savedLinks[0].second;
        EXPECT_EQ(link.Path, "C:\\bin\\editor.exe");
        EXPECT_EQ(link.Arguments, "-p");
        EXPECT_EQ(link.WorkDir, "C:\\bin");
        EXPECT_EQ(link.ShowCmd, 3);
        EXPECT_EQ(link.IconFile, "C:\\i.ico");
        EXPECT_EQ(link.IconIndex, 2);
        EXPECT_EQ(link.Description, "説明");
    }
}

TEST(CreateItemShortcut, WithoutFolderPathTheSpecialFolderTakesTheLink) {
    FakeShell shell;
    shell.AddSpecialFolder(kCsidlDesktopDirectory, "desktopdir", "C:\\users\\me\\Desktop");
    TLaunchDataItem item = Slot(ikProgram, "C:\\kb\\qvtdock.exe");
    item.Title = "K+Bandeo";
    EXPECT_TRUE(CreateItemShortcut(item, rfDesktopDirectory, "", shell));
    ASSERT_EQ(shell.savedLinks.size(), 1u);
    EXPECT_EQ(shell.savedLinks[0].first, "C:\\users\\me\\Desktop\\K+Bandeo.lnk");
}

TEST(CreateItemShortcut, AVirtualFolderHasNoPlaceForALink) {
    FakeShell shell;
    shell.AddSpecialFolder(kCsidlControls, "controls");
    EXPECT_FALSE(CreateItemShortcut(Slot(ikProgram, "C:\\a.exe"), rfControlPanel, "", shell));
    EXPECT_THAT(shell.savedLinks, IsEmpty());
}

TEST(CreateItemShortcut, AFolderTheSystemLacksRaisesAndWritesNothing) {
    FakeShell shell;
    EXPECT_THROW(CreateItemShortcut(Slot(ikProgram, "C:\\a.exe"), rfStartup, "", shell),
                 forms::EComError);
    EXPECT_THAT(shell.savedLinks, IsEmpty());
}

TEST(CreateItemShortcut, AFailingWriteRaisesTheOleError) {
    FakeShell shell;
    shell.saveFails = true;
    EXPECT_THROW(CreateItemShortcut(Slot(ikProgram, "C:\\a.exe"), rfDesktop, "C:\\L", shell),
                 forms::EComError);
}

TEST(CreateItemShortcut, ATitleNeverLeavesTheFolder) {
    FakeShell shell;
    TLaunchDataItem item = Slot(ikProgram, "C:\\a.exe");
    item.Title = "..\\..\\Windows\\evil";
    EXPECT_TRUE(CreateItemShortcut(item, rfDesktop, "C:\\L", shell));
    ASSERT_EQ(shell.savedLinks.size(), 1u);
    EXPECT_EQ(shell.savedLinks[0].first, "C:\\L\\.._.._Windows_evil.lnk");
}

TEST(ShortcutFileName, ReservedCharactersAndControlBytesBecomeUnderscores) {
    EXPECT_EQ(ShortcutFileName("Editor"), "Editor.lnk");
    EXPECT_EQ(ShortcutFileName("a\\b/c:d*e?f\"g<h>i|j"), "a_b_c_d_e_f_g_h_i_j.lnk");
    EXPECT_EQ(ShortcutFileName(std::string("a\tb\x01\x7f", 5)), "a_b__.lnk");
    EXPECT_EQ(ShortcutFileName(std::string("a\0b", 3)), "a_b.lnk");
}

TEST(ShortcutFileName, DoubleByteCharactersStayWhole) {
    // 表 is 95 5C, ソ 83 5C, ポ 83 7C: their trail bytes are no '\' and no '|'.
    EXPECT_EQ(ShortcutFileName("表示"), "表示.lnk");
    EXPECT_EQ(ShortcutFileName("ソ|ポ"), "ソ_ポ.lnk");
    EXPECT_EQ(ShortcutFileName("ｶﾀｶﾅ"), "ｶﾀｶﾅ.lnk");
}

TEST(ShortcutFileName, BytesThatMakeNoCharacterBecomeUnderscores) {
    EXPECT_EQ(ShortcutFileName("a\x83"), "a_.lnk");              // a lead byte at the end
    EXPECT_EQ(ShortcutFileName("\x83/x"), "__x.lnk");            // a lead byte before a slash
    EXPECT_EQ(ShortcutFileName("\x80\xA0\xFD\xFF"), "____.lnk"); // bytes of no character
}

TEST(ShortcutFileName, AnEmptyTitleIsUntitled) {
    EXPECT_EQ(ShortcutFileName(""), "untitled.lnk");
}

TEST(ShortcutFileName, DeviceNamesGetALeadingUnderscore) {
    EXPECT_EQ(ShortcutFileName("CON"), "_CON.lnk");
    EXPECT_EQ(ShortcutFileName("nul.txt"), "_nul.txt.lnk");
    EXPECT_EQ(ShortcutFileName("Com1"), "_Com1.lnk");
    EXPECT_EQ(ShortcutFileName("LPT9 "), "_LPT9 .lnk");
    EXPECT_EQ(ShortcutFileName("CONSOLE"), "CONSOLE.lnk");
    EXPECT_EQ(ShortcutFileName("COM0"), "COM0.lnk");
}

TEST(DisplayNameOfPidl, IsUnTitledWhenTheShellHasNoName) {
    FakeShell shell;
    shell.AddItem("C:\\a");
    const auto pidl = PidlFromPath("C:\\a", shell);
    EXPECT_EQ(DisplayNameOfPidl(*pidl, shell), "UnTitled");
    shell.itemNames["C:\\a"] = "ア";
    EXPECT_EQ(DisplayNameOfPidl(*pidl, shell), "ア");
}
