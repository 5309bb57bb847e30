// The child programs run from the launcher, with kb_marker standing in for the configuration
// program and the data editor: their command lines, what they find written, what the launcher
// takes up afterwards, and a launcher that comes back whole from every failure.
#include "qvtdock/MainFormTesting.h"

#include "components/FakeTrayShell.h"
#include "forms/base/Files.h"
#include "forms/base/Paths.h"
#include "qvtdock/AboutBox.h"
#include "support/Marker.h"

#include <gmock/gmock.h>

using namespace qvttest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {
// An environment variable of this process (and so of the programs it starts) for one scope.
class EnvVar {
public:
    EnvVar(const wchar_t* name, const std::string& value) : name_(name) {
        SetEnvironmentVariableW(name, cp932::Wide(value).c_str());
    }
    ~EnvVar() { SetEnvironmentVariableW(name_, nullptr); }
    EnvVar(const EnvVar&) = delete;
    EnvVar& operator=(const EnvVar&) = delete;

private:
    const wchar_t* name_;
};

void CopyProgram(const std::string& from, const std::string& to) {
    ASSERT_TRUE(CopyFileW(cp932::Wide(from).c_str(), cp932::Wide(to).c_str(), FALSE));
}

// What a message dialog showed, answered with OK.
struct SeenDialog {
    kbtest::MessageDialogView view;
    int count = 0;
};
} // namespace

class ChildProgramTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        Prepare({3});
    }
    // The stub as the configuration program beside the launcher.
    void InstallCfg() { CopyProgram(kbtest::MarkerProgram(), dir.File("qvtcfg.exe")); }
    // The stub as the data editor in its own folder, which the settings name.
    void InstallEditor() {
        const std::string folder = dir.File("editor");
        kbtest::MakeDir(folder);
        CopyProgram(kbtest::MarkerProgram(), folder + "\\zvledit.exe");
        kbtest::WriteBytes(IniFile(), Lines({"[Edit]", "DataEditorPath=" + folder}));
    }
    void ShowAt(int x, int y) {
        form->Show();
        form->SetBounds(x, y, form->Width(), form->Height());
        kbtest::PumpPosted();
    }
    // Everything a child program took away is back.
    void ExpectRestored() {
        EXPECT_FALSE(form->WizBtn->NoUse());
        EXPECT_TRUE(form->mnRegData->Enabled());
        EXPECT_TRUE(form->TrayIcon1->Visible());
        EXPECT_TRUE(static_cast<bool>(form->ApplicationEvents1->OnMessage));
        EXPECT_EQ(form->WindowState().Suspensions(), 0);
    }
    // Runs a command that shows one message dialog, answers it with OK and reports it.
    SeenDialog RunAnsweringMessages(const std::function<void()>& command) {
        SeenDialog seen;
        {
            kbtest::WindowDriver driver(L"TMessageForm", [&seen](HWND h) {
                seen.view = kbtest::ReadMessageDialog(h);
                ++seen.count;
                kbtest::AnswerDialog(h, "OK");
            });
            command();
        }
        return seen;
    }

    kbtest::Marker marker{dir};
    FakeTrayShell tray; // outlives the form
};

// ---- The settings and style editors

TEST_F(ChildProgramTest, SettingsEditor_VisibleLauncher_GetsItsCornerAndTheIni) {
    InstallCfg();
    Start();
    ShowAt(100, 200);
    form->mnCfgClick(nullptr);
    const auto report = marker.Wait();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->args, "/CFG \"100:200\" \"" + IniFile() + "\"");
    EXPECT_THAT(report->argv, ElementsAre("/CFG", "100:200", IniFile()));
    EXPECT_TRUE(errors.empty());
    ExpectRestored();
}

TEST_F(ChildProgramTest, StyleEditor_HiddenLauncher_GetsNoPosition) {
    InstallCfg();
    Start();
    form->mnSkinClick(nullptr);
    const auto report = marker.Wait();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->args, "/STYLE \"-1:-1\" \"" + IniFile() + "\"");
    EXPECT_FALSE(form->Visible());
    ExpectRestored();
}

TEST_F(ChildProgramTest, SettingsEditor_FindsTheWindowsGeometryWrittenBeforeItStarts) {
    InstallCfg();
    EnvVar copy(L"KB_MARKER_COPY", dir.File("seen.ini"));
    Start();
    ShowAt(120, 140);
    form->mnCfgClick(nullptr);
    ASSERT_TRUE(marker.Wait());
    const std::string seen = kbtest::ReadBytes(dir.File("seen.ini"));
    EXPECT_THAT(seen, HasSubstr("Left=120"));
    EXPECT_THAT(seen, HasSubstr("Top=140"));
    EXPECT_THAT(seen, HasSubstr("BtnSize=40"));
}

TEST_F(ChildProgramTest, SettingsEditor_ShownAgainOnlyWithRunHideOff) {
    InstallCfg();
    Start();
    ShowAt(100, 200);
    ASSERT_TRUE(form->Cfg().RunHide);
    form->mnCfgClick(nullptr);
    EXPECT_FALSE(form->Visible());
    SetEnvironmentVariableW(L"KB_MARKER_INI", L"Mouse|RunHide|0");
    form->mnCfgClick(nullptr);
    SetEnvironmentVariableW(L"KB_MARKER_INI", nullptr);
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(errors.empty());
}

TEST_F(ChildProgramTest, SettingsEditor_NewButtonSize_IsTakenUp) {
    InstallCfg();
    EnvVar change(L"KB_MARKER_INI", "Visible|BtnSize|60");
    Start();
    ASSERT_EQ(form->Width(), 400);
    form->mnCfgClick(nullptr);
    ASSERT_TRUE(marker.Wait());
    EXPECT_EQ(form->Cfg().BtnSize, 60);
    EXPECT_EQ(form->BtnBar->BtnSize(), 60);
    EXPECT_EQ(form->Width(), 600);
}

TEST_F(ChildProgramTest, SettingsEditor_BadColour_OneMessageAndTheOldSettingsStay) {
    InstallCfg();
    EnvVar change(L"KB_MARKER_INI", "PopupHint|Color|blue");
    Start();
    const TAppCfg before = form->Cfg();
    form->mnCfgClick(nullptr);
    ASSERT_TRUE(marker.Wait());
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_EQ(form->Cfg().HintColor, before.HintColor);
    EXPECT_EQ(form->Cfg().BtnSize, before.BtnSize);
    ExpectRestored();
    // Usable: the next run goes through.
    errors.clear();
    SetEnvironmentVariableW(L"KB_MARKER_INI", L"PopupHint|Color|clBlue");
    form->mnCfgClick(nullptr);
    ASSERT_TRUE(marker.Wait());
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(form->Cfg().HintColor, forms::clBlue);
}

TEST_F(ChildProgramTest, ConfigurationProgramMissing_MessageThenEverythingBack) {
    Start();
    ShowAt(100, 200);
    SeenDialog seen = RunAnsweringMessages([&] { form->mnCfgClick(nullptr); });
    EXPECT_EQ(seen.count, 1);
    EXPECT_EQ(seen.view.caption, "エラー");
    EXPECT_THAT(seen.view.text, HasSubstr("環境設定 呼び出しエラー"));
    EXPECT_THAT(seen.view.text, HasSubstr("QVTCFG.EXEが見つからない為、処理を中止します。"));
    ExpectRestored();
    seen = RunAnsweringMessages([&] { form->mnSkinClick(nullptr); });
    EXPECT_EQ(seen.count, 1);
    EXPECT_THAT(seen.view.text, HasSubstr("スタイルの設定 呼び出しエラー"));
    EXPECT_FALSE(marker.Ran());
    EXPECT_TRUE(errors.empty());
    ExpectRestored();
}

TEST_F(ChildProgramTest, FolderWithBlanks_NeverStartsTheProgramItsFirstWordNames) {
    // The launcher in "<temp>\K Bandeo\", a recorder planted as "<temp>\K.exe".
    const std::string folder = dir.File("K Bandeo");
    kbtest::MakeDir(folder);
    env->programPath = folder + "\\qvtdock.exe";
    kbtest::MakeDir(folder + "\\taro");
    WriteList(folder + "\\taro\\" + kDataFileName, {2});
    CopyProgram(kbtest::MarkerProgram(), dir.File("K.exe"));
    CopyProgram(kbtest::MarkerProgram(), folder + "\\qvtcfg.exe");
    Start();
    form->mnCfgClick(nullptr);
    const auto report = marker.Wait();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->args, "/CFG \"-1:-1\" \"" + folder + "\\taro\\qvtdock.ini\"");
}

// ---- The data editor

TEST_F(ChildProgramTest, DataEditor_OpensTheSavedDataFile) {
    InstallEditor();
    EnvVar copy(L"KB_MARKER_COPY", dir.File("seen.lst"));
    Start();
    form->LaunchList().Items(0, 1)->Title = "changed";
    form->WizBtn->Click();
    const auto report = marker.Wait();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->args, "/FAS \"" + DataFile() + "\"");
    EXPECT_THAT(TitlesOf(dir.File("seen.lst")), ElementsAre("1.1", "changed", "1.3"));
    ExpectRestored();
}

TEST_F(ChildProgramTest, DataEditor_AddedPage_OneMoreTab) {
    InstallEditor();
    WriteList(dir.File("two.lst"), {3, 2});
    EnvVar replace(L"KB_MARKER_REPLACE", dir.File("two.lst"));
    Start();
    ASSERT_EQ(form->PageTab->Tabs().Count(), 1);
    form->mnRegDataClick(nullptr);
    ASSERT_TRUE(marker.Wait());
    EXPECT_EQ(form->PageTab->Tabs().Count(), 2);
    EXPECT_EQ(form->LaunchList().Pages().Count(), 2);
    EXPECT_TRUE(env->told.empty());
}

TEST_F(ChildProgramTest, DataEditor_Garbage_OldPagesKeptAndAMessage) {
    InstallEditor();
    kbtest::WriteBytes(dir.File("garbage.lst"), "not a data file\r\n");
    EnvVar replace(L"KB_MARKER_REPLACE", dir.File("garbage.lst"));
    Start();
    form->mnRegDataClick(nullptr);
    ASSERT_TRUE(marker.Wait());
    EXPECT_THAT(env->told, ElementsAre(kReloadFailedMessage));
    EXPECT_EQ(form->LaunchList().Count(), 3);
    EXPECT_EQ(form->PageTab->Tabs().Count(), 1);
    ExpectRestored();
}

TEST_F(ChildProgramTest, DataEditor_DraggedWindow_KeepsItsPlace) {
    InstallEditor();
    Start();
    ShowAt(300, 300);
    form->mnRegDataClick(nullptr);
    ASSERT_TRUE(marker.Wait());
    EXPECT_EQ(form->Cfg().Left, 300);
    EXPECT_EQ(form->Cfg().Top, 300);
    EXPECT_EQ(form->Left(), 300);
    EXPECT_EQ(form->Top(), 300);
}

TEST_F(ChildProgramTest, DataEditor_Missing_MessageThenButtonAndItemBack) {
    kbtest::WriteBytes(IniFile(), Lines({"[Edit]", "DataEditorPath=" + dir.File("nowhere")}));
    Start();
    const SeenDialog seen = RunAnsweringMessages([&] { form->WizBtn->Click(); });
    EXPECT_EQ(seen.count, 1);
    EXPECT_THAT(seen.view.text, HasSubstr("登録データー編集 呼び出しエラー"));
    EXPECT_THAT(seen.view.text, HasSubstr("XQMEDIT.EXEが見つからない為、処理を中止します。"));
    ExpectRestored();
}

TEST_F(ChildProgramTest, DataEditor_TrayIconRefusedOnReturn_TheEditorsFileIsTakenUpAndKept) {
    env->tray = &tray;
    InstallEditor();
    WriteList(dir.File("two.lst"), {3, 2});
    EnvVar replace(L"KB_MARKER_REPLACE", dir.File("two.lst"));
    Start();
    tray.refuse = true;
    form->mnRegDataClick(nullptr);
    ASSERT_TRUE(marker.Wait());
    EXPECT_EQ(form->PageTab->Tabs().Count(), 2);
    EXPECT_THAT(errors, ElementsAre(ENotifyIconError().Message()));
    form->Close(); // the exit's save
    EXPECT_THAT(TitlesOf(DataFile()), ElementsAre("1.1", "1.2", "1.3", "2.1", "2.2"));
}

TEST_F(ChildProgramTest, DataEditor_EmptyFolderSetting_IsTheLaunchersFolderEverywhere) {
    CopyProgram(kbtest::MarkerProgram(), dir.File("zvledit.exe"));
    kbtest::WriteBytes(IniFile(), Lines({"[Edit]", "DataEditorPath="}));
    Start();
    form->PopupMenu1Popup(nullptr);
    ASSERT_TRUE(form->mnRegData->Enabled()); // a click would only meet the error box
    auto about = forms::MakeScoped<TAboutBox>(env->programPath, nullptr);
    about->settingsBase_ = UserFolder() + "\\qvtdock";
    about->FillInfo();
    EXPECT_THAT(about->Memo->Text(), HasSubstr("] zvledit.exe\r\n"));
    form->WizBtn->Click();
    const auto report = marker.Wait();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->args, "/FAS \"" + DataFile() + "\"");
}

TEST_F(ChildProgramTest, DataEditor_DisabledButton_DoesNothing) {
    InstallEditor();
    Start();
    form->WizBtn->SetNoUse(true);
    form->mnRegDataClick(nullptr);
    EXPECT_FALSE(marker.Ran());
}

// ---- Help -------------------------------------------------------------------------------------

namespace {
// A help viewer as the help call finds one, a window of the class "MS_WINHELP": it gets each
// request (help file and command) as WM_COPYDATA.
std::vector<std::string> helpRequests;
LRESULT CALLBACK HelpViewerProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_COPYDATA)
        return DefWindowProcW(h, msg, wParam, lParam);
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    helpRequests.emplace_back(static_cast<const char*>(data->lpData), data->cbData);
    return TRUE;
}
} // namespace

TEST_F(ChildProgramTest, Help_ShowsTheContentsOfTheHelpFileOnlyWhenItIsThere) {
    Start();
    WNDCLASSW wc{};
    wc.lpfnWndProc = HelpViewerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"MS_WINHELP";
    RegisterClassW(&wc);
    const HWND viewer = CreateWindowW(L"MS_WINHELP", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                      wc.hInstance, nullptr);
    helpRequests.clear();
    ASSERT_EQ(form->mnHelp->Caption(), "ヘルプ(&H)...");
    form->mnHelp->Click();
    EXPECT_TRUE(helpRequests.empty());

    kbtest::WriteBytes(dir.File("QVTDOCK.HLP"), "help");
    form->mnHelp->Click();
    DestroyWindow(viewer);
    UnregisterClassW(L"MS_WINHELP", wc.hInstance);
    ASSERT_EQ(helpRequests.size(), 1u);
    EXPECT_THAT(helpRequests[0], HasSubstr(forms::ExtractFileName(forms::Application.HelpFile())));
    EXPECT_THAT(helpRequests[0], HasSubstr(std::string("CONTENTS()") + '\0'));
}
