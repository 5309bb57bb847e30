// The About box: what it shows of the launcher and its programs, where it stands, how it closes,
// the clipboard button and the launcher held busy meanwhile.
#include "qvtdock/AboutBox.h"

#include "forms/base/Files.h"
#include "forms/base/Paths.h"
#include "forms/win/Clipboard.h"
#include "qvtdock/AboutText.h"
#include "qvtdock/MainFormTesting.h"
#include "support/Marker.h"
#include "support/WinTesting.h"

#include <gmock/gmock.h>

#include <atomic>

using namespace qvttest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {
// The launcher program as built, with its version resource.
std::string BuiltLauncher() {
    return forms::ExtractFilePath(forms::ProgramPath()) + "..\\bin\\qvtdock.exe";
}

std::vector<std::string> MemoLines(TAboutBox& box) {
    std::vector<std::string> lines = forms::Split(box.Memo->Text(), '\n');
    for (std::string& line : lines)
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
    return lines;
}

const std::string kEquals(40, '=');
} // namespace

class AboutBoxTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        Prepare({2});
        ASSERT_TRUE(CopyFileW(cp932::Wide(BuiltLauncher()).c_str(),
                              cp932::Wide(env->programPath).c_str(), FALSE));
    }
    forms::Scoped<TAboutBox> FilledBox() {
        auto box = forms::MakeScoped<TAboutBox>(env->programPath, nullptr);
        box->settingsBase_ = UserFolder() + "\\qvtdock";
        box->FillInfo();
        return box;
    }
    // Opens the About box from the launcher; act gets its window and must close it. Returns
    // the box's rectangle as it opened; closed says whether act closed it.
    RECT OpenAbout(const std::function<void(HWND)>& act, bool& closed) {
        RECT opened{};
        std::atomic<bool> done{false};
        {
            kbtest::WindowDriver driver(L"TAboutBox", [&](HWND h) {
                kbtest::WaitUntil([&] { return IsWindowVisible(h) != FALSE; });
                GetWindowRect(h, &opened);
                act(h);
                done = kbtest::WaitUntil([&] { return !IsWindow(h); });
            });
            form->mnAboutClick(nullptr);
        }
        closed = done;
        return opened;
    }
};

TEST_F(AboutBoxTest, Labels_ComeFromTheLaunchersVersionResource) {
    Start();
    auto box = FilledBox();
    EXPECT_EQ(box->Caption(), "K+Bandeo のバージョン情報");
    EXPECT_EQ(box->LbProductName->Caption(), "K+Bandeo");
    EXPECT_EQ(box->LbVersion->Caption(), "Version 2.00");
    EXPECT_EQ(box->LbCopyright->Caption(), "Copyright (C) K+Bandeo authors");
    EXPECT_EQ(box->ClientWidth(), 360);
    EXPECT_EQ(box->ClientHeight(), 156);
}

TEST_F(AboutBoxTest, Memo_WithoutTheOtherPrograms_SaysTheyAreMissing) {
    kbtest::WriteBytes(IniFile(), Lines({"[Edit]", "DataEditorPath=" + dir.File("nowhere")}));
    Start();
    auto box = FilledBox();
    EXPECT_THAT(MemoLines(*box),
                ElementsAre("[K+Bandeo : 2.00] qvtdock.exe", "インストール先：" + dir.Path() + "\\",
                            "設定保存先：" + UserFolder() + "\\",
                            "[ZVLEDIT.EXE] インストールされていません",
                            "[QVTCFG.EXE] インストールされていません", kEquals));
}

TEST_F(AboutBoxTest, Memo_WithTheOtherPrograms_TwoLinesEach) {
    const std::string editor = dir.File("editor");
    kbtest::MakeDir(editor);
    ASSERT_TRUE(CopyFileW(cp932::Wide(kbtest::MarkerProgram()).c_str(),
                          cp932::Wide(editor + "\\zvledit.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(cp932::Wide(kbtest::MarkerProgram()).c_str(),
                          cp932::Wide(dir.File("qvtcfg.exe")).c_str(), FALSE));
    // A bad colour after the editor's folder: what came before it counts.
    kbtest::WriteBytes(IniFile(),
                       Lines({"[Edit]", "DataEditorPath=" + editor, "[PopupHint]", "Color=blue"}));
    Start();
    auto box = FilledBox();
    const std::vector<std::string> lines = MemoLines(*box);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[3], "[ : ] zvledit.exe");
    EXPECT_EQ(lines[4], "インストール先：" + editor + "\\");
    EXPECT_EQ(lines[5], "[ : ] qvtcfg.exe");
    EXPECT_EQ(lines[6], "インストール先：" + dir.Path() + "\\");
    EXPECT_EQ(lines[7], kEquals);
}

TEST_F(AboutBoxTest, ClipboardButton_CopiesEveryLine) {
    Start();
    auto box = FilledBox();
    box->SetBounds(100, 100, box->Width(), box->Height());
    box->Show();
    kbtest::BringToFront(box->Handle());
    forms::Clipboard.SetAsText("before");
    kbtest::ClickAt(box->Handle(), 56 + 11, 104 + 22);
    ASSERT_TRUE(kbtest::PumpUntil([] { return forms::Clipboard.AsText() != "before"; }));
    const std::string text = forms::Clipboard.AsText();
    EXPECT_EQ(text, box->Memo->Text());
    EXPECT_THAT(text, HasSubstr("\r\n[QVTCFG.EXE] インストールされていません\r\n" + kEquals));
}

TEST_F(AboutBoxTest, EditMenu_CaptionsHintsAndStates) {
    Start();
    auto box = FilledBox();
    std::vector<std::string> captions;
    for (int i = 0; i < box->PopupMenu2->Items().Count(); ++i)
        captions.push_back(box->PopupMenu2->Items().Items(i)->Caption());
    EXPECT_THAT(captions, ElementsAre("元に戻す(&U)", "-", "切り取り(&T)", "コピー(&C)",
                                      "貼り付け(&P)", "削除(&D)", "-", "すべてを選択(&A)"));
    EXPECT_EQ(box->Cut1->Hint(), "切り取り|選択部分を切り取り、クリップボードに送る");
    box->Memo->SetSelStart(0);
    box->Memo->SetSelLength(0);
    box->PopupMenu2Popup(nullptr);
    EXPECT_FALSE(box->Copy1->Enabled());
    EXPECT_TRUE(box->SelectAll1->Enabled());
    box->Memo->SelectAll();
    box->PopupMenu2Popup(nullptr);
    EXPECT_TRUE(box->Copy1->Enabled());
}

TEST_F(AboutBoxTest, HiddenLauncher_CentredAndClosedByEsc) {
    Start();
    bool closed = false;
    const RECT r = OpenAbout([](HWND h) { kbtest::PostKey(h, VK_ESCAPE); }, closed);
    EXPECT_TRUE(closed);
    const RECT work = kbtest::ScreenRectOf(GetDesktopWindow());
    EXPECT_NEAR((r.left + r.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, (work.top + work.bottom) / 2, 1);
}

TEST_F(AboutBoxTest, VisibleLauncher_AtItsCornerPlus16AndClosedByOk) {
    Start();
    form->Show();
    form->SetBounds(100, 200, form->Width(), form->Height());
    bool closed = false;
    const RECT r = OpenAbout(
        [](HWND h) {
            HWND ok = kbtest::FindChildWindow(h, L"TButton", "OK");
            ASSERT_TRUE(ok);
            kbtest::PostClick(ok, 10, 10);
        },
        closed);
    EXPECT_TRUE(closed);
    EXPECT_EQ(r.left, 116);
    EXPECT_EQ(r.top, 216);
    EXPECT_TRUE(errors.empty());
}

TEST_F(AboutBoxTest, Closed_ThePopupHintShowsAgain) {
    Start();
    form->Show();
    form->BtnBar->SetBtnIndex(0);
    bool closed = false;
    OpenAbout([](HWND h) { PostMessageW(h, WM_CLOSE, 0, 0); }, closed);
    EXPECT_TRUE(closed);
    TRvHint* hint = form->HintSetter()->HintWindow();
    EXPECT_TRUE(kbtest::PumpUntil([&] { return hint && hint->IsHintVisible(); }));
}

TEST_F(AboutBoxTest, CloseBox_ClosesIt_AndTheLauncherIsNoLongerBusy) {
    Start();
    std::atomic<int> suspensions{-1};
    std::atomic<bool> filterDetached{false};
    bool closed = false;
    OpenAbout(
        [&](HWND h) {
            suspensions = form->WindowState().Suspensions();
            filterDetached = !form->ApplicationEvents1->OnMessage;
            PostMessageW(h, WM_CLOSE, 0, 0);
        },
        closed);
    EXPECT_TRUE(closed);
    EXPECT_EQ(suspensions, 1);
    EXPECT_TRUE(filterDetached);
    EXPECT_EQ(form->WindowState().Suspensions(), 0);
    EXPECT_TRUE(static_cast<bool>(form->ApplicationEvents1->OnMessage));
}

TEST_F(AboutBoxTest, VisibleLauncherNearTheCorner_BoxStaysInTheWorkArea) {
    Start();
    const RECT work = wintest::WorkArea();
    form->Show();
    form->SetBounds(work.right - 50, work.bottom - 50, form->Width(), form->Height());
    bool closed = false;
    const RECT r = OpenAbout([](HWND h) { PostMessageW(h, WM_CLOSE, 0, 0); }, closed);
    EXPECT_TRUE(closed);
    EXPECT_LE(r.right, work.right);
    EXPECT_LE(r.bottom, work.bottom);
}

TEST_F(AboutBoxTest, LinkClick_OpensTheHomePage) {
    Start();
    std::vector<std::string> opened;
    auto box = forms::MakeScoped<TAboutBox>(
        env->programPath, [&opened](const std::string& url) { opened.push_back(url); });
    box->settingsBase_ = UserFolder() + "\\qvtdock";
    box->FillInfo();
    box->SetBounds(100, 100, box->Width(), box->Height());
    box->Show();
    kbtest::BringToFront(box->Handle());
    kbtest::ClickAt(box->Handle(), 64 + 4, 72 + 4);
    ASSERT_TRUE(kbtest::PumpUntil([&] { return !opened.empty(); }));
    EXPECT_THAT(opened, ElementsAre(box->LbUrl->Caption()));
    EXPECT_THAT(box->LbUrl->Caption(), HasSubstr("http"));
}

TEST_F(AboutBoxTest, LinkClickFromTheLauncher_OpensThroughItsUrlOpener) {
    kbtest::Marker marker(dir);
    const std::string browser = kbtest::CopyMarker(dir.File("web"));
    kbtest::WriteBytes(IniFile(), Lines({"[Connection]", "URL=0", "URLExe=" + browser}));
    Start();
    bool closed = false;
    OpenAbout(
        [&](HWND h) {
            if (const HWND link = kbtest::FindChildWindow(h, L"TLabel", kHomePage)) {
                kbtest::PostClick(link, 4, 4);
                kbtest::WaitUntil([&] { return marker.Ran(); });
            }
            PostMessageW(h, WM_CLOSE, 0, 0);
        },
        closed);
    EXPECT_TRUE(closed);
    const auto report = marker.Wait();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->argv, std::vector<std::string>{kHomePage});
}

TEST_F(AboutBoxTest, Paint_BandFromTheActiveToTheInactiveCaptionColour) {
    Start();
    auto box = FilledBox();
    box->SetBounds(100, 100, box->Width(), box->Height());
    box->Show();
    kbtest::BringToFront(box->Handle());
    ASSERT_TRUE(kbtest::Painted(box->Handle()));
    const auto similar = [](COLORREF a, COLORREF b) {
        return std::abs(int(GetRValue(a)) - int(GetRValue(b))) <= 8 &&
               std::abs(int(GetGValue(a)) - int(GetGValue(b))) <= 8 &&
               std::abs(int(GetBValue(a)) - int(GetBValue(b))) <= 8;
    };
    EXPECT_TRUE(similar(kbtest::ReadPixel(box->Handle(), 2, 0), GetSysColor(COLOR_ACTIVECAPTION)));
    EXPECT_TRUE(
        similar(kbtest::ReadPixel(box->Handle(), 2, 155), GetSysColor(COLOR_INACTIVECAPTION)));
    // Right of the band the form's face.
    EXPECT_EQ(kbtest::ReadPixel(box->Handle(), 52, 150), GetSysColor(COLOR_BTNFACE));
}
