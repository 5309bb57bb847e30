// The main form's start-up in this process, with a program folder in a temporary folder: the
// window's shape, the data folder and the first run, early ends, and what start-up brings up.
#include "qvtdock/MainFormTesting.h"

#include "components/FakeTrayShell.h"
#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "shared/StyleFiles.h"
#include "shared/VersionInfo.h"

#include <gmock/gmock.h>

using namespace qvttest;
using ::testing::ElementsAre;

// ---- The window -------------------------------------------------------------------------------

TEST_F(MainFormTest, Window_StyleExactlyAPopupAndATopmostLayeredToolWindowThatTakesDrops) {
    Prepare({2});
    Start();
    const HWND h = form->Handle();
    // The system gives every top-level window WS_CLIPSIBLINGS.
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE)) &
                  ~static_cast<DWORD>(WS_CLIPSIBLINGS),
              0x80010000u);
    const DWORD ex = static_cast<DWORD>(GetWindowLongW(h, GWL_EXSTYLE));
    EXPECT_EQ(ex & ~static_cast<DWORD>(WS_EX_TOPMOST | WS_EX_LAYERED), 0x90u);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    EXPECT_TRUE(ex & WS_EX_LAYERED);
    EXPECT_TRUE(GetClassLongPtrW(h, GCL_STYLE) & CS_DROPSHADOW);
    EXPECT_EQ(kbtest::ClassNameOf(h), L"TfmMain");
}

TEST_F(MainFormTest, Window_ComponentsAreRealWindowsOfTheirClasses) {
    Prepare({2});
    Start();
    const HWND h = form->Handle();
    for (const wchar_t* name : {L"TPaintBox", L"TMarkBtn", L"TLabel", L"TScrlLabel", L"TKTabPanel",
                                L"TBasePanel", L"TQvtGrpBtns"})
        EXPECT_TRUE(kbtest::FindChildWindow(h, name)) << cp932::Narrow(name);
    EXPECT_EQ(GetParent(form->BtnBar->Handle()), form->Base->Handle());
}

// A start-up that ends before the settings leaves the title bar as the design made it.
TEST_F(MainFormTest, Window_DesignTitleBarBeforeTheSettings) {
    kbtest::MakeDir(UserFolder());
    env->answers = {false};
    Start();
    ASSERT_TRUE(EndedEarly());
    EXPECT_EQ(kbtest::WindowText(form->LbBtn->Handle()), "000");
    EXPECT_EQ(kbtest::WindowText(form->LbCount->Handle()), "000");
    EXPECT_EQ(form->LbTitle->TelopMessage(), "スクロール");
    EXPECT_EQ(form->LbTitle->DateTimeFormat(), "yyyy/mm/dd - hh:nn");
}

TEST_F(MainFormTest, Window_DesignValues) {
    Prepare({2});
    Start();
    EXPECT_EQ(form->Color(), 0x00CCE1E6);
    EXPECT_TRUE(form->KeyPreview());
    EXPECT_TRUE(form->AlphaBlend());
    EXPECT_TRUE(form->StayOnTop());
    EXPECT_EQ(form->Font().Name(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(form->Font().Height(), -12);
    EXPECT_EQ(form->ActiveControl(), form->BtnBar);
    EXPECT_EQ(form->LockBtn->Hint(), "ロック解除");
    EXPECT_EQ(form->WizBtn->Hint(), "登録データー編集");
    EXPECT_EQ(form->CloseBtn->Hint(), "閉じる");
    EXPECT_EQ(form->LbBtn->Hint(), "選択ボタンNo.");
    EXPECT_EQ(form->LbCount->Hint(), "ページ内ボタン数");
    EXPECT_EQ(form->LbCount->Font().Color(), forms::clLime);
    EXPECT_EQ(form->BtnBar->MarkColor(), forms::clRed);
    EXPECT_TRUE(form->BtnBar->AllBtnClicked());
    EXPECT_EQ(form->LTimer->Interval(), 100u);
    EXPECT_EQ(form->SHBrowseForFolderEx1->Caption(), "ファイルフォルダの登録");
    EXPECT_EQ(form->mnSave->Caption(), "データー保存(&E)");
    EXPECT_EQ(form->mnClose->Caption(), "K+Bandeoの終了(&X)");
    EXPECT_EQ(form->TrayIcon1->RBPopupMenu(), form->PopupMenu1);
    const TTitleBarStyle& title = form->TitleBarStyle();
    // No style in the program folder: the built-in style's black face.
    EXPECT_EQ(title.Color, forms::clBlack);
    EXPECT_EQ(title.TopLineColor, 0x00EEFFFF);
    EXPECT_EQ(title.BtmLineColor, 0x0099A8AC);
    EXPECT_FALSE(title.UseGlyph);
    EXPECT_EQ(title.Orientation, 0);
}

// ---- A normal start ----------------------------------------------------------------------------

TEST_F(MainFormTest, Start_DataFolderAndFileThere_ReadyAndHidden) {
    Prepare({3, 2});
    Start();
    EXPECT_FALSE(EndedEarly());
    EXPECT_TRUE(env->told.empty());
    EXPECT_TRUE(env->asked.empty());
    EXPECT_EQ(form->DataFolder(), UserFolder() + "\\");
    EXPECT_EQ(form->LaunchList().Count(), 5);
    EXPECT_EQ(form->IconList().Count(), 5);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(form->TrayIcon1->Enabled());
    EXPECT_TRUE(form->LTimer->Enabled());
    EXPECT_TRUE(form->TopMost());
    EXPECT_TRUE(form->DataLoaded());
}

TEST_F(MainFormTest, Start_SetsTitlesHelpFileAndHintTimings) {
    Prepare({1});
    Start();
    EXPECT_EQ(form->Caption(), "K+Bandeo2.00");
    EXPECT_EQ(form->TrayIcon1->TipHelp(), "K+Bandeo2.00");
    EXPECT_EQ(forms::Application.HelpFile(), dir.File("qvtdock.hlp"));
    EXPECT_FALSE(forms::Application.ShowMainForm());
    EXPECT_EQ(forms::Application.HintHidePause, 30000);
    EXPECT_EQ(forms::Application.HintPause, 100);
    EXPECT_EQ(forms::Application.HintShortPause, 10);
    EXPECT_NE(form->HintSetter(), nullptr);
}

TEST_F(MainFormTest, Start_TrayIconAddedWithoutATipThenGivenTheTitle) {
    FakeTrayShell tray;
    env->tray = &tray;
    Prepare({1});
    Start();
    ASSERT_GE(tray.calls.size(), 2u);
    EXPECT_EQ(tray.calls[0].Operation, TTrayOperation::Add);
    EXPECT_EQ(tray.calls[0].Record.Flags, 3u);
    EXPECT_EQ(tray.calls[0].Record.Tip, "");
    EXPECT_EQ(tray.calls[1].Operation, TTrayOperation::Modify);
    EXPECT_EQ(tray.calls[1].Record.Flags, 7u);
    EXPECT_EQ(tray.calls[1].Record.Tip, "K+Bandeo2.00");
    form.reset();
}

TEST_F(MainFormTest, Start_TabsHoldThePageCaptionsAndTheFirstIsSelected) {
    Prepare({1, 1, 1});
    Start();
    ASSERT_EQ(form->PageTab->Tabs().Count(), 3);
    EXPECT_EQ(form->PageTab->Tabs().Strings(0), "P1");
    EXPECT_EQ(form->PageTab->Tabs().Strings(2), "P3");
    EXPECT_EQ(form->PageTab->TabIndex(), 0);
}

TEST_F(MainFormTest, Start_StatusValue3BecomesOne) {
    kbtest::MakeDir(UserFolder());
    kbtest::WriteBytes(DataFile(),
                       Lines({";*STR", "\"K+Bandeo\",\"3.00\",\"n\",7,8,9", "**", ";*PAGE",
                              "\"A\",1,0", "**", ";*FILE", SlotLine("a"), "**"}));
    Start();
    EXPECT_EQ(form->LaunchList().Status().Value3, 1);
    EXPECT_EQ(form->LaunchList().Status().Value1, 7);
}

TEST_F(MainFormTest, Start_ReadsTheSettingsOfTheDataFolder) {
    Prepare({1});
    kbtest::WriteBytes(IniFile(), "[Visible]\r\nStyleFile=night.sti\r\nBtnSize=48\r\n");
    kbtest::WriteBytes(dir.File("night.sti"), kbtest::MakeStyleFile({{0, kbtest::StyleText()}}));
    Start();
    EXPECT_TRUE(form->SettingsLoaded());
    EXPECT_EQ(form->Cfg().StyleFile, "night.sti");
    EXPECT_EQ(form->Cfg().BtnSize, 48);
}

// ---- First run ---------------------------------------------------------------------------------

TEST_F(MainFormTest, FirstRun_NoFolderNoSeed_TwoMessagesAndANewSavedFile) {
    Start();
    EXPECT_FALSE(EndedEarly());
    const std::string folder = UserFolder() + "\\";
    EXPECT_THAT(env->told, ElementsAre("データー保存フォルダ\r\"" + folder + "\"\rを作成します",
                                       "qvtdock.lst を新規に作成します"));
    EXPECT_TRUE(env->asked.empty());
    EXPECT_EQ(TitlesOf(DataFile()), std::vector<std::string>(10, "未登録"));
    ASSERT_EQ(form->LaunchList().Pages().Count(), 1);
    EXPECT_EQ(form->LaunchList().Pages().Items(0)->Caption, "新規ページ");
    EXPECT_EQ(form->LaunchList().Count(), 10);
    EXPECT_EQ(form->IconList().Count(), 10);
}

TEST_F(MainFormTest, FirstRun_SeedYes_CopiesTheSeed) {
    WriteList(SeedFile(), {2, 1});
    env->answers = {true};
    Start();
    ASSERT_EQ(env->asked.size(), 1u);
    EXPECT_EQ(env->asked[0].first, "コピーの確認");
    EXPECT_EQ(kbtest::ReadBytes(DataFile()), kbtest::ReadBytes(SeedFile()));
    EXPECT_EQ(form->LaunchList().Count(), 3);
    EXPECT_THAT(env->told,
                ElementsAre("データー保存フォルダ\r\"" + UserFolder() + "\\\"\rを作成します"));
}

TEST_F(MainFormTest, FirstRun_SeedNo_WritesANewFileNotTheSeed) {
    WriteList(SeedFile(), {2, 1});
    env->answers = {false};
    Start();
    EXPECT_FALSE(EndedEarly());
    EXPECT_EQ(TitlesOf(DataFile()).size(), 10u);
    EXPECT_EQ(form->LaunchList().Count(), 10);
}

TEST_F(MainFormTest, FirstRun_FolderThereFileMissingYes_CreatesTheFile) {
    kbtest::MakeDir(UserFolder());
    env->answers = {true};
    Start();
    ASSERT_EQ(env->asked.size(), 1u);
    EXPECT_EQ(env->asked[0].first, "データーファイル作成の確認");
    EXPECT_EQ(env->asked[0].second, CreateQuestionText(UserFolder() + "\\"));
    EXPECT_EQ(TitlesOf(DataFile()).size(), 10u);
    EXPECT_FALSE(EndedEarly());
}

TEST_F(MainFormTest, FirstRun_UserNameEndingIn5C_FolderMadeAndUsed) {
    env->userName = "表";
    Start();
    EXPECT_FALSE(EndedEarly());
    EXPECT_EQ(form->DataFolder(), dir.File("表") + "\\");
    EXPECT_TRUE(forms::FileExists(dir.File("表") + "\\qvtdock.lst"));
}

TEST_F(MainFormTest, FirstRun_UnreadableUserName_DataFilesInTheProgramFolder) {
    env->userName = "";
    env->answers = {true};
    Start();
    EXPECT_EQ(form->DataFolder(), dir.Path() + "\\");
    EXPECT_TRUE(forms::FileExists(dir.File("qvtdock.lst")));
}

// ---- Early ends --------------------------------------------------------------------------------

TEST_F(MainFormTest, Declined_EndsWithoutWritingAnythingOrShowingTheWindow) {
    kbtest::MakeDir(UserFolder());
    env->answers = {false};
    Start();
    EXPECT_TRUE(EndedEarly());
    EXPECT_TRUE(kbtest::ListNames(UserFolder()).empty());
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(form->TrayIcon1->Enabled());
    EXPECT_FALSE(form->LTimer->Enabled());
    EXPECT_FALSE(form->DataLoaded());
    EXPECT_TRUE(env->told.empty());
}

TEST_F(MainFormTest, UnsupportedFile_SaysSoEndsAndLeavesTheFileAlone) {
    kbtest::MakeDir(UserFolder());
    const std::string garbage = "not a data file\r\nat all\r\n";
    kbtest::WriteBytes(DataFile(), garbage);
    Start();
    EXPECT_TRUE(EndedEarly());
    EXPECT_THAT(env->told, ElementsAre("qvtdock.lst は対応していない形式の為終了します"));
    form.reset();
    EXPECT_EQ(kbtest::ReadBytes(DataFile()), garbage);
    EXPECT_THAT(kbtest::ListNames(UserFolder()), ElementsAre("qvtdock.lst"));
}

TEST_F(MainFormTest, SettingsWithABadColour_ErrorShownOnceAndNothingSaved) {
    Prepare({2});
    const std::string ini = "[Color]\r\n1=blau\r\n";
    kbtest::WriteBytes(IniFile(), ini);
    const std::string data = kbtest::ReadBytes(DataFile());
    Start();
    EXPECT_TRUE(EndedEarly());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("は整数ではありません"), std::string::npos) << errors[0];
    EXPECT_FALSE(form->DataLoaded());
    form.reset();
    EXPECT_EQ(kbtest::ReadBytes(IniFile()), ini);
    EXPECT_EQ(kbtest::ReadBytes(DataFile()), data);
}

// ---- The program file ---------------------------------------------------------------------------

TEST(QvtdockProgram, CarriesTheProductVersion) {
    const std::string program =
        forms::ExtractFilePath(forms::ProgramPath()) + "..\\bin\\qvtdock.exe";
    ASSERT_TRUE(forms::FileExists(program)) << program;
    TVersionStrings info;
    GetFileVersionStrings(program, info);
    EXPECT_EQ(info[2], "K+Bandeo");
    EXPECT_EQ(info[3], "2.00");
    EXPECT_FALSE(info[4].empty());
}
