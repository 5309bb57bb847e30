// The demo launcher's data: the repository's table as pages and buttons, the files written from
// it read back by the launcher's own routines, and every fault of a table named by its line.
#include "tools/demo/DemoData.h"

#include "demo/DemoTesting.h"
#include "forms/base/Files.h"
#include "shared/LaunchItems.h"
#include "shared/Settings.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

using demo::ETableError;
using demo::ReadDemoTable;
using testing::HasSubstr;

namespace {
constexpr char kDataFolder[] = "C:\\kb\\user";

std::vector<std::string> Captions(const TLaunchList& list) {
    std::vector<std::string> captions;
    for (int p = 0; p < list.Pages().Count(); ++p)
        captions.push_back(list.Pages().Items(p)->Caption);
    return captions;
}

// The error that the table raises.
std::string ErrorOf(const std::string& table) {
    try {
        ReadDemoTable(table, kDataFolder);
    } catch (const ETableError& e) {
        return e.what();
    }
    return "no error";
}
} // namespace

// --- the repository's table -------------------------------------------------------------------

TEST(DemoTable, HasFourPagesOfProgramsFoldersDocumentsAndAnEmptyOne) {
    const demo::TDemoData data = ReadDemoTable(demotest::Table(), kDataFolder);
    const TLaunchList& list = *data.List;
    EXPECT_THAT(Captions(list),
                testing::ElementsAre("アプリ", "フォルダ", "文書とウェブ", "空きページ"));
    EXPECT_EQ(list.Pages().Items(3)->BtnCount, 10);
    EXPECT_EQ(list.Count(), 8 + 8 + 8 + 10);

    const TLaunchDataItem& notepad = *list.Items(0, 0);
    EXPECT_EQ(notepad.Kind, ikProgram);
    EXPECT_EQ(notepad.Title, "メモ帳");
    EXPECT_EQ(notepad.Path, "C:\\windows\\notepad.exe");
    EXPECT_EQ(notepad.WorkDir, "C:\\windows");
    EXPECT_EQ(notepad.Comment, "テキスト ファイルを書く");
    EXPECT_EQ(notepad.ShowCmd, kShowNormal);

    // Every page has empty buttons after its own.
    for (int p = 0; p < list.Pages().Count(); ++p) {
        const TLaunchDataItem& last = *list.Items(p, list.Pages().Items(p)->BtnCount - 1);
        EXPECT_EQ(last.Kind, ikUnregistered);
        EXPECT_EQ(last.Title, kUnregisteredTitle);
    }
}

TEST(DemoTable, NamesTheDataFolderAndItsInternetShortcut) {
    const demo::TDemoData data = ReadDemoTable(demotest::Table(), kDataFolder);
    bool dataFolderSeen = false, urlSeen = false, specialSeen = false;
    for (int i = 0; i < data.List->Count(); ++i) {
        const TLaunchDataItem& item = *data.List->Items(i);
        if (item.Kind == ikFolder && item.Path == kDataFolder)
            dataFolderSeen = true;
        if (item.Kind == ikUrl) {
            urlSeen = true;
            EXPECT_EQ(item.Path, "https://www.winehq.org/");
            EXPECT_EQ(item.LinkFile, std::string(kDataFolder) + "\\winehq.url");
        }
        if (item.Kind == ikSpecialFolder) {
            specialSeen = true;
            EXPECT_TRUE(RootFolderFromName(item.Path)) << item.Path;
        }
    }
    EXPECT_TRUE(dataFolderSeen);
    EXPECT_TRUE(urlSeen);
    EXPECT_TRUE(specialSeen);
    ASSERT_EQ(data.Links.size(), 1u);
    EXPECT_EQ(data.Links[0].FileName, "winehq.url");
    EXPECT_EQ(data.Links[0].Url, "https://www.winehq.org/");
}

TEST(DemoFolder, ReadsBackThroughTheLaunchersOwnRoutines) {
    kbtest::TempDir dir;
    const demo::TDemoData data = ReadDemoTable(demotest::Table(), dir.Path());
    demo::WriteDemoFolder(data, dir.Path());
    EXPECT_THAT(kbtest::ListNames(dir.Path()),
                testing::ElementsAre("qvtdock.ini", "qvtdock.lst", "winehq.url"));

    TLaunchList list;
    list.SetFileName(dir.File("qvtdock.lst"));
    list.LoadFromFile();
    ASSERT_TRUE(list.Loaded());
    EXPECT_EQ(Captions(list), Captions(*data.List));
    ASSERT_EQ(list.Count(), data.List->Count());
    for (int i = 0; i < list.Count(); ++i) {
        EXPECT_EQ(list.Items(i)->Title, data.List->Items(i)->Title);
        EXPECT_EQ(list.Items(i)->Path, data.List->Items(i)->Path);
        EXPECT_EQ(list.Items(i)->LinkFile, data.List->Items(i)->LinkFile);
        EXPECT_EQ(list.Items(i)->Comment, data.List->Items(i)->Comment);
    }

    TAppCfg cfg;
    LoadAppCfg(dir.File("qvtdock"), cfg);
    EXPECT_EQ(cfg.KeyShow, "Ctrl+Alt+L");
    EXPECT_EQ(cfg.KeyShowPos, 2);

    EXPECT_EQ(kbtest::ReadBytes(dir.File("winehq.url")),
              "[InternetShortcut]\r\nURL=https://www.winehq.org/\r\n");
}

// --- faults in a table ------------------------------------------------------------------------

TEST(DemoTableFaults, AreNamedByTheirLine) {
    EXPECT_EQ(ErrorOf("page | p | 2\n\nfile | a | C:\\a | c\n"),
              "line 3: \"file\" is no kind of button");
    EXPECT_EQ(ErrorOf("program | a | C:\\a.exe | c\n"), "line 1: a button before the first page");
}

TEST(DemoTableFaults, FieldCountsAreChecked) {
    EXPECT_THAT(ErrorOf("page | p\n"), HasSubstr("line 1: a page has a caption"));
    EXPECT_THAT(ErrorOf("page | p | 2\nprogram | a | C:\\a.exe\n"),
                HasSubstr("line 2: program has 4 fields"));
    EXPECT_THAT(ErrorOf("page | p | 2\nurl | a | https://x/ | c\n"),
                HasSubstr("line 2: url has 5 fields"));
    EXPECT_THAT(ErrorOf("page | p | 2\nfolder | a | C:\\a | c | extra\n"),
                HasSubstr("line 2: folder has 4 fields"));
}

TEST(DemoTableFaults, PagesNeedACaptionAndANumberOfButtons) {
    for (const char* count : {"0", "x", "", "3x", "1001", "-1"})
        EXPECT_THAT(ErrorOf(std::string("page | p | ") + count + "\n"),
                    HasSubstr("is not a number of buttons"))
            << count;
    EXPECT_THAT(ErrorOf("page |  | 3\n"), HasSubstr("a page needs a caption"));
    EXPECT_EQ(ErrorOf("# only a comment\n\n"), "the table has no page");
    EXPECT_EQ(ErrorOf(""), "the table has no page");
}

TEST(DemoTableFaults, APageTakesNoMoreButtonsThanItHas) {
    EXPECT_EQ(ErrorOf("page | p | 1\nfolder | a | C:\\a | c\nfolder | b | C:\\b | c\n"),
              "line 3: more buttons than the page has");
}

TEST(DemoTableFaults, ButtonsNeedATitleAndAPath) {
    EXPECT_THAT(ErrorOf("page | p | 1\nfolder |  | C:\\a | c\n"), HasSubstr("a title and a path"));
    EXPECT_THAT(ErrorOf("page | p | 1\nfolder | a |  | c\n"), HasSubstr("a title and a path"));
}

TEST(DemoTableFaults, SpecialFoldersAndShortcutFilesAreChecked) {
    EXPECT_EQ(ErrorOf("page | p | 1\nspecial | a | rfNowhere | c\n"),
              "line 2: \"rfNowhere\" is no special folder");
    EXPECT_THAT(ErrorOf("page | p | 1\nurl | a | https://x/ | c | sub\\x.url\n"),
                HasSubstr("a name without a folder"));
    EXPECT_THAT(ErrorOf("page | p | 1\nurl | a | https://x/ | c | \n"),
                HasSubstr("a name without a folder"));
}

TEST(DemoTableFaults, TextThatCodePage932CannotHoldIsRefused) {
    EXPECT_THAT(ErrorOf("page | caf\xC3\xA9 | 1\n"),
                HasSubstr("has characters that code page 932 cannot hold"));
}

TEST(DemoTable, CrLfLinesAndBlanksAroundFieldsDoNotCount) {
    // The table is UTF-8 text, whatever this source is compiled to.
    const demo::TDemoData data =
        ReadDemoTable(u8"page\t|  ページ  |2\r\n\r\nfolder|ポ| {data}\\ポ |c\r\n", "D:\\表");
    EXPECT_EQ(data.List->Pages().Items(0)->Caption, "ページ");
    // '|' is the trail byte of ポ in code page 932; the table is split before the conversion.
    EXPECT_EQ(data.List->Items(0, 0)->Title, "ポ");
    EXPECT_EQ(data.List->Items(0, 0)->Path, "D:\\表\\ポ");
}
