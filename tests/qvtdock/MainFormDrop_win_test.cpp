// Files dropped onto the launcher in this process: WM_DROPFILES blocks posted to the button bar
// (or to another window, with a drop point), keys held by real input, the questions read and
// answered from a helper thread, programs and shortcuts through the recording shell, copies and
// moves through the real shell.
#include "qvtdock/MainFormTesting.h"

#include "forms/base/Codepage.h"
#include "forms/base/Exceptions.h"
#include "forms/base/ScopeGuard.h"
#include "forms/win/MessageDialog.h"
#include "forms/win/Screen.h"
#include "qvtdock/AutoHideSuspension.h"
#include "shared/LaunchItems.h"
#include "shared/TitledMessage.h"
#include "support/FakeShell.h"
#include "support/Marker.h"
#include "support/WinTesting.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <atomic>
#include <functional>
#include <thread>

using namespace qvttest;

namespace {

// A drop of these files at client point 'at' as the shell hands it over: a wide DROPFILES block.
HGLOBAL DropBlock(const std::vector<std::wstring>& files, POINT at) {
    std::wstring names;
    for (const std::wstring& f : files) {
        names += f;
        names += L'\0';
    }
    names += L'\0';
    // Wine counts the names by stepping over one before it looks for the list's end: an empty
    // list needs a second NUL, or the count runs on into whatever lies after the block.
    if (files.empty())
        names += L'\0';
    const size_t size = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GHND, size);
    auto* header = static_cast<DROPFILES*>(GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->pt = at;
    header->fWide = TRUE;
    memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), names.data(),
           names.size() * sizeof(wchar_t));
    GlobalUnlock(block);
    return block;
}

// The block was released (DragFinish frees it).
bool Released(HGLOBAL block) {
    return GlobalFlags(block) == GMEM_INVALID_HANDLE;
}

struct SeenDialog {
    std::string text;
    std::vector<std::string> buttons;
};

// The text as the message dialog shows it: every line break a CR LF.
std::string Shown(const std::string& text) {
    std::string shown;
    for (char c : text) {
        shown += c;
        if (c == '\r')
            shown += '\n';
    }
    return shown;
}

// Answers the message dialogs that block the test's thread, one after the other, from a helper
// thread: each new one is read and given the next answer; the next is looked for once it has
// gone. A dialog that does not come in time ends the watch.
class DialogAnswers {
public:
    explicit DialogAnswers(std::vector<std::string> answers)
        : answers_(std::move(answers)), thread_([this] { Watch(); }) {}
    ~DialogAnswers() {
        stop_ = true;
        thread_.join();
    }
    DialogAnswers(const DialogAnswers&) = delete;
    DialogAnswers& operator=(const DialogAnswers&) = delete;

    [[nodiscard]] bool Done() const { return done_; }
    // Read only after the scope's blocking calls returned and Done() holds.
    std::vector<SeenDialog> seen;

private:
    static HWND OpenDialog() {
        const HWND box = FindWindowW(L"TMessageForm", nullptr);
        return box && IsWindowVisible(box) ? box : nullptr;
    }
    void Watch() {
        for (const std::string& answer : answers_) {
            HWND box = nullptr;
            if (!kbtest::WaitUntil([&] { return stop_ || (box = OpenDialog()) != nullptr; },
                                   10000) ||
                !box)
                return;
            const kbtest::MessageDialogView view = kbtest::ReadMessageDialog(box);
            seen.push_back({view.text, view.buttons});
            kbtest::AnswerDialog(box, answer);
            kbtest::WaitUntil([&] { return stop_ || OpenDialog() != box; }, 10000);
        }
        done_ = true;
    }

    std::vector<std::string> answers_;
    std::atomic<bool> stop_{false}, done_{false};
    std::thread thread_;
};

class DropTest : public MainFormTest {
protected:
    // One page of four empty slots and these settings; the first slot selected.
    void StartWith(std::initializer_list<std::string_view> ini, bool systemShell = false) {
        env->shell = systemShell ? nullptr : &shell;
        ASSERT_NO_FATAL_FAILURE(MainFormTest::StartWith({4}, ini));
        form->BtnBar->SetBtnIndex(0);
    }
    TLaunchDataItem& Slot(int s) { return *form->LaunchList().Items(0, s); }
    void Register(int s, TItemKind kind, const std::string& path, const std::string& title) {
        Slot(s).Kind = kind;
        Slot(s).Path = path;
        Slot(s).Title = title;
        if (kind == ikProgram)
            shell.AddItem(path);
    }
    // Drops onto dropTo (the bar when none) at dropAt.
    HGLOBAL Drop(const std::vector<std::string>& files) {
        std::vector<std::wstring> names;
        for (const std::string& f : files)
            names.push_back(cp932::Wide(f));
        return DropWide(names);
    }
    HGLOBAL DropWide(const std::vector<std::wstring>& files) {
        const HWND to = dropTo ? dropTo : form->BtnBar->Handle();
        HGLOBAL block = DropBlock(files, dropAt);
        PostMessageW(to, WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0);
        return block;
    }
    // Aims the next drops at the centre of the bar's cell, through window.
    void AimAt(int cell, HWND window) {
        const forms::TPoint centre = form->BtnBar->BtnCenterOnScreen(cell);
        dropTo = window;
        dropAt = {centre.X, centre.Y};
        ScreenToClient(window, &dropAt);
    }
    // Drops and answers the message dialogs that come, in order; what they showed.
    std::vector<SeenDialog> DropAnswering(const std::vector<std::string>& dropped,
                                          std::vector<std::string> answers) {
        DialogAnswers dialogs(std::move(answers));
        const HGLOBAL block = Drop(dropped);
        EXPECT_TRUE(kbtest::PumpUntil([&] { return Released(block); }, 15000));
        EXPECT_TRUE(kbtest::WaitUntil([&] { return dialogs.Done(); }));
        return dialogs.seen;
    }
    // Drops and answers the one message dialog that comes; what it showed.
    SeenDialog DropAnswering(const std::vector<std::string>& dropped, const std::string& answer) {
        const std::vector<SeenDialog> seen = DropAnswering(dropped, std::vector{answer});
        return seen.empty() ? SeenDialog{} : seen.front();
    }
    // Drops; no message dialog may come.
    void DropSilently(const std::vector<std::string>& files) {
        kbtest::WindowDriver driver(L"TMessageForm",
                                    [](HWND box) { kbtest::AnswerDialog(box, "OK"); });
        const HGLOBAL block = Drop(files);
        EXPECT_TRUE(kbtest::PumpUntil([&] { return Released(block); }, 15000));
        kbtest::PumpPosted();
        EXPECT_FALSE(driver.Acted()) << "a message dialog came";
    }
    std::string File(const std::string& name, const std::string& bytes = "x") {
        const std::string path = files.File(name);
        kbtest::WriteBytes(path, bytes);
        return path;
    }
    std::string Folder(const std::string& name) {
        const std::string path = files.File(name);
        kbtest::MakeDir(path);
        return path;
    }

    kbtest::FakeShell shell;
    kbtest::TempDir files;
    HWND dropTo = nullptr;
    POINT dropAt{};
};

} // namespace

// ---- An empty button ----------------------------------------------------------------------------

TEST_F(DropTest, EmptyButton_AsksForTheFirstFileInItsLongForm_YesRegistersIt) {
    StartWith({});
    const std::string first = File("long program name.exe");
    wchar_t shortName[MAX_PATH] = {};
    GetShortPathNameW(cp932::Wide(first).c_str(), shortName, MAX_PATH);
    ASSERT_NE(cp932::Narrow(shortName), first);
    const SeenDialog seen =
        DropAnswering({cp932::Narrow(shortName), File("b.exe"), File("c.exe")}, "はい(&Y)");
    EXPECT_EQ(seen.text,
              Shown(TitledMessageText("登録の確認", "\"" + first + "\" を\r\r登録しますか？")));
    EXPECT_EQ(seen.buttons, (std::vector<std::string>{"はい(&Y)", "いいえ(&N)"}));
    EXPECT_EQ(Slot(0).Kind, ikProgram);
    EXPECT_EQ(Slot(0).Path, first);
    EXPECT_EQ(Slot(0).UseCount, 0);
    EXPECT_EQ(Slot(1).Kind, ikUnregistered); // the other files are ignored
    EXPECT_TRUE(shell.runs.empty());
}

TEST_F(DropTest, EmptyButton_NoChangesNothing) {
    StartWith({});
    DropAnswering({File("a.exe")}, "いいえ(&N)");
    EXPECT_EQ(Slot(0).Kind, ikUnregistered);
    EXPECT_EQ(Slot(0).Path, "");
}

TEST_F(DropTest, ButtonOfAKindWithoutPath_IsRegisteredLikeAnEmptyOne) {
    StartWith({});
    Register(0, ikProgram, "", "lost");
    const std::string file = File("a.exe");
    const SeenDialog seen = DropAnswering({file}, "はい(&Y)");
    EXPECT_EQ(seen.text,
              Shown(TitledMessageText("登録の確認", "\"" + file + "\" を\r\r登録しますか？")));
    EXPECT_EQ(Slot(0).Path, file);
    EXPECT_TRUE(shell.runs.empty());
}

TEST_F(DropTest, EmptyButton_PathTheClassifierRefuses_SaysSo) {
    StartWith({});
    const std::string odd = File("data.unknownext");
    const std::vector<SeenDialog> seen =
        DropAnswering({odd}, std::vector<std::string>{"はい(&Y)", "OK"});
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].text,
              Shown(TitledMessageText("登録エラー", "\"" + odd + "\" は登録できません。")));
    EXPECT_EQ(Slot(0).Kind, ikUnregistered);
}

// ---- Programs and shortcuts ---------------------------------------------------------------------

TEST_F(DropTest, Program_RunsWithEveryFileQuoted_ARootArrivesWhole_CountsOneUse) {
    StartWith({});
    Register(0, ikProgram, "C:\\t\\rec.exe", "rec");
    DropSilently({"C:\\t\\a b.txt", "C:\\"});
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, "C:\\t\\rec.exe");
    // The slot's own parameters (none) and the files, joined by a blank.
    EXPECT_EQ(shell.runs[0].Params, "  \"C:\\t\\a b.txt\" \"C:\\\\\"");
    EXPECT_EQ(Slot(0).UseCount, 1);
}

TEST_F(DropTest, Program_GetsEveryDroppedPathAsOneArgument) {
    kbtest::Marker marker(files);
    StartWith({}, true);
    Register(0, ikProgram, kbtest::CopyMarker(files.File("prog")), "marker");
    const std::string spaced = Folder("a b") + "\\";
    DropSilently({"C:\\", spaced, "C:\\t\\ソフト.exe"});
    const std::optional<kbtest::MarkerReport> report = marker.Wait();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->argv, (std::vector<std::string>{"C:\\", spaced, "C:\\t\\ソフト.exe"}));
    EXPECT_EQ(Slot(0).UseCount, 1);
}

TEST_F(DropTest, ProgramThatDoesNotStart_SaysSoAndCountsNothing) {
    StartWith({});
    Register(0, ikProgram, "C:\\t\\gone.exe", "消えた");
    shell.executeResult = 2; // file not found
    const SeenDialog seen = DropAnswering({"C:\\t\\a.txt"}, "OK");
    EXPECT_EQ(seen.text, Shown(TitledMessageText("実行エラー", "\"消えた\" は実行できません。")));
    EXPECT_EQ(seen.buttons, (std::vector<std::string>{"OK"}));
    EXPECT_EQ(Slot(0).UseCount, 0);
}

TEST_F(DropTest, Document_SaysItCannotRun_UrlAndControlPanelSayNothing) {
    StartWith({});
    Register(0, ikDocument, "C:\\t\\a.txt", "doc");
    const SeenDialog seen = DropAnswering({"C:\\t\\b.txt"}, "OK");
    EXPECT_EQ(seen.text, Shown(TitledMessageText("実行エラー", "\"doc\" は実行できません。")));
    Register(0, ikUrl, "http://example.com/", "url");
    DropSilently({"C:\\t\\b.txt"});
    Register(0, ikSpecialFolder, "rfControlPanel", "cp");
    shell.AddSpecialFolder(3, "controlpanel");
    DropSilently({"C:\\t\\b.txt"});
    EXPECT_TRUE(shell.runs.empty());
    EXPECT_TRUE(shell.invokes.empty());
    EXPECT_EQ(Slot(0).UseCount, 0);
}

TEST_F(DropTest, NameTheCodePageCannotHold_ComesByItsShortName_AFileWithoutOneIsLeftOut) {
    StartWith({});
    Register(0, ikProgram, "C:\\t\\rec.exe", "rec");
    const std::wstring cafe = cp932::Wide(files.Path()) + L"\\caf\u00E9.txt";
    CloseHandle(CreateFileW(cafe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    wchar_t shortName[MAX_PATH] = {};
    GetShortPathNameW(cafe.c_str(), shortName, MAX_PATH);
    const HGLOBAL block = DropWide({cafe, L"C:\\nowhere\\caf\u00E9.txt"});
    ASSERT_TRUE(kbtest::PumpUntil([&] { return Released(block); }));
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].Params, "  \"" + cp932::Narrow(shortName) + "\"");
}

TEST_F(DropTest, DropOnAButton_ThatOneTakesIt_BehindTheLastButtonOrOnTheHintTheSelectedOne) {
    StartWith({});
    Register(0, ikProgram, "C:\\t\\a.exe", "a");
    Register(1, ikProgram, "C:\\t\\b.exe", "b");
    for (const int cell : {1, 5}) {
        AimAt(cell, form->Handle());
        DropSilently({"C:\\x.txt"});
    }
    form->BtnBar->SetBtnIndex(0);
    AimAt(1, form->HintSetter()->HintWindow()->Handle());
    DropSilently({"C:\\x.txt"});
    ASSERT_EQ(shell.runs.size(), 3u);
    EXPECT_EQ(shell.runs[0].File, "C:\\t\\b.exe");
    EXPECT_EQ(shell.runs[1].File, "C:\\t\\b.exe");
    EXPECT_EQ(shell.runs[2].File, "C:\\t\\a.exe");
}

// ---- Folders ------------------------------------------------------------------------------------

TEST_F(DropTest, Folder_ShiftMovesOneFile_ThenTheFolderOpens) {
    StartWith({});
    const std::string target = Folder("to");
    Register(0, ikFolder, target, "to");
    const std::string moved = File("m.txt");
    {
        wintest::HeldInput keys;
        keys.Key(VK_SHIFT);
        DropSilently({moved});
    }
    EXPECT_FALSE(kbtest::Exists(moved));
    EXPECT_TRUE(kbtest::Exists(target + "\\m.txt"));
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, target);
    EXPECT_EQ(Slot(0).UseCount, 1);
}

TEST_F(DropTest, Folder_CtrlCopiesTwoFiles_WithoutOpenNothingOpens) {
    StartWith({"[Drop]", "Open=0"});
    const std::string target = Folder("to");
    Register(0, ikFolder, target, "to");
    const std::string a = File("a.txt"), b = File("b.txt");
    {
        wintest::HeldInput keys;
        keys.Key(VK_CONTROL);
        DropSilently({a, b});
    }
    EXPECT_TRUE(kbtest::Exists(a));
    EXPECT_EQ(kbtest::ListNames(target), (std::vector<std::string>{"a.txt", "b.txt"}));
    EXPECT_TRUE(shell.runs.empty());
    EXPECT_EQ(Slot(0).UseCount, 1);
}

TEST_F(DropTest, Folder_AltLinksByDisplayName_AClashGetsANumber) {
    StartWith({"[Drop]", "Open=0"});
    const std::string target = Folder("to");
    Register(0, ikFolder, target, "to");
    const std::string a = File("a.txt");
    shell.displayNames[a] = "エー";
    shell.files[target + "\\エー.lnk"] = "existing";
    {
        wintest::HeldInput keys;
        keys.Key(VK_MENU);
        DropSilently({a});
    }
    ASSERT_EQ(shell.savedLinks.size(), 1u);
    EXPECT_EQ(shell.savedLinks[0].first, target + "\\エー (2).lnk");
    EXPECT_EQ(shell.savedLinks[0].second.Path, a);
    EXPECT_EQ(Slot(0).UseCount, 1);
}

TEST_F(DropTest, Folder_PlainDropWithoutTheChoice_Copies) {
    StartWith({"[Drop]", "Dlg=0", "Open=1"});
    const std::string target = Folder("to");
    Register(0, ikFolder, target, "to");
    const std::string a = File("a.txt");
    DropSilently({a});
    EXPECT_TRUE(kbtest::Exists(a));
    EXPECT_TRUE(kbtest::Exists(target + "\\a.txt"));
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, target);
}

// ---- Special folders ----------------------------------------------------------------------------

TEST_F(DropTest, SendTo_AsksThenLinksIntoTheFolder_NoLinksNothing) {
    StartWith({"[Drop]", "Open=1"});
    const std::string sendTo = Folder("sendto");
    shell.AddSpecialFolder(9, "sendto", sendTo);
    Register(0, ikSpecialFolder, "rfSendTo", "送る");
    const std::string a = File("a.txt");
    const SeenDialog no = DropAnswering({a}, "いいえ(&N)");
    EXPECT_EQ(no.text, Shown(TitledMessageText("ショートカット作成",
                                               "[ 送る ] にショートカットを作成しますか？")));
    EXPECT_TRUE(shell.savedLinks.empty());
    EXPECT_EQ(Slot(0).UseCount, 0);

    DropAnswering({a}, "はい(&Y)");
    ASSERT_EQ(shell.savedLinks.size(), 1u);
    EXPECT_EQ(shell.savedLinks[0].first, sendTo + "\\a.txt.lnk");
    EXPECT_EQ(Slot(0).UseCount, 1);
    // The folder opens by its identifier list: a file-system folder through ShellOpen.
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].File, sendTo);
}

TEST_F(DropTest, Desktop_TakesFilesIntoTheAllUsersDesktop) {
    StartWith({"[Drop]", "Dlg=0", "Open=0"});
    const std::string common = Folder("common");
    shell.AddSpecialFolder(0, "desktop", Folder("own"));
    shell.AddSpecialFolder(25, "common", common);
    Register(0, ikSpecialFolder, "rfDesktop", "desk");
    DropSilently({File("a.txt")});
    EXPECT_TRUE(kbtest::Exists(common + "\\a.txt"));
    EXPECT_TRUE(kbtest::ListNames(files.File("own")).empty());
}

// ---- The choice ---------------------------------------------------------------------------------

namespace {
// What the choice dialog showed.
struct SeenChoice {
    std::string caption;
    std::vector<std::string> items;
    int selected = -1;
    POINT place{};
};

// Chooses the entry down steps below the first in the open value dialog, with OK.
std::function<void(HWND)> Choose(int down, SeenChoice& seen) {
    return [down, &seen](HWND dialog) {
        const HWND combo = kbtest::FindChildWindow(dialog, L"TComboBox");
        seen.caption = kbtest::WindowText(dialog);
        const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[128] = {};
            SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            seen.items.push_back(cp932::Narrow(text));
        }
        seen.selected = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
        const RECT r = kbtest::ScreenRectOf(dialog);
        seen.place = {r.left, r.top};
        for (int i = 0; i < down; ++i)
            kbtest::PostKey(combo, VK_DOWN);
        PostMessageW(kbtest::FindChildWindow(dialog, L"TButton", "OK"), BM_CLICK, 0, 0);
    };
}
} // namespace

TEST_F(DropTest, Folder_PlainDrop_AsksBesideTheWindow_CopyIsFirst) {
    StartWith({"[Bounds]", "Left=100", "Top=120", "[Drop]", "Dlg=1", "Open=0"});
    const std::string target = Folder("to");
    Register(0, ikFolder, target, "to");
    const std::string a = File("a.txt");
    SeenChoice seen;
    {
        kbtest::WindowDriver dialog(L"TResIconBox", Choose(0, seen));
        DropSilently({a});
        EXPECT_TRUE(dialog.Acted());
    }
    EXPECT_EQ(seen.caption, "ファイルドロップ処理の選択");
    EXPECT_EQ(seen.items, (std::vector<std::string>{"ファイルをコピー", "ファイルを移動",
                                                    "ファイルのショートカットを作成"}));
    EXPECT_EQ(seen.selected, 0);
    EXPECT_EQ(seen.place.x, form->Left() + 16);
    EXPECT_EQ(seen.place.y, form->Top() + 16);
    EXPECT_TRUE(kbtest::Exists(a));
    EXPECT_TRUE(kbtest::Exists(target + "\\a.txt"));
    EXPECT_EQ(Slot(0).UseCount, 1);
}

TEST_F(DropTest, Folder_ChoiceMove_MovesTheFile_ChoiceLink_Links) {
    StartWith({"[Drop]", "Dlg=1", "Open=0"});
    const std::string target = Folder("to");
    Register(0, ikFolder, target, "to");
    const std::string a = File("a.txt");
    SeenChoice move, link;
    {
        kbtest::WindowDriver dialog(L"TResIconBox", Choose(1, move));
        DropSilently({a});
    }
    EXPECT_FALSE(kbtest::Exists(a));
    EXPECT_TRUE(kbtest::Exists(target + "\\a.txt"));
    const std::string b = File("b.txt");
    {
        kbtest::WindowDriver dialog(L"TResIconBox", Choose(2, link));
        DropSilently({b});
    }
    EXPECT_TRUE(kbtest::Exists(b));
    ASSERT_EQ(shell.savedLinks.size(), 1u);
    EXPECT_EQ(shell.savedLinks[0].first, target + "\\b.txt.lnk");
    EXPECT_EQ(Slot(0).UseCount, 2);
}

TEST_F(DropTest, Folder_PlainDropWithTheChoiceCancelled_DoesNothing) {
    StartWith({"[Drop]", "Dlg=1"});
    const std::string target = Folder("to");
    Register(0, ikFolder, target, "to");
    const std::string a = File("a.txt");
    {
        kbtest::WindowDriver dialog(L"TResIconBox",
                                    [](HWND box) { PostMessageW(box, WM_CLOSE, 0, 0); });
        DropSilently({a});
        EXPECT_TRUE(dialog.Acted());
    }
    EXPECT_TRUE(kbtest::ListNames(target).empty());
    EXPECT_EQ(Slot(0).UseCount, 0);
    EXPECT_TRUE(shell.runs.empty());
}

// ---- Every drop ---------------------------------------------------------------------------------

TEST_F(DropTest, LockedLauncher_UnlocksAfterADrop_OnlyWithTheSetting) {
    StartWith({"[Mouse]", "DropRunLockOff=1"});
    Register(0, ikUrl, "http://example.com/", "url");
    form->TitleBarLockBtnClick(nullptr);
    ASSERT_TRUE(form->WindowState().Locked());
    DropSilently({"C:\\a.txt"});
    EXPECT_TRUE(form->WindowState().Locked() == false);
}

TEST_F(DropTest, LockedLauncher_StaysLockedWithoutTheSetting) {
    StartWith({"[Mouse]", "DropRunLockOff=0"});
    Register(0, ikProgram, "C:\\t\\p.exe", "p");
    form->TitleBarLockBtnClick(nullptr);
    DropSilently({"C:\\a.txt"});
    EXPECT_TRUE(form->WindowState().Locked());
    EXPECT_EQ(Slot(0).UseCount, 1);
}

TEST_F(DropTest, NoFilesOrNoSelectedButton_ReleasedAndNothingHappens) {
    StartWith({"[Mouse]", "DropRunLockOff=1"});
    Register(0, ikProgram, "C:\\t\\p.exe", "p");
    form->TitleBarLockBtnClick(nullptr);
    DropSilently({});
    form->BtnBar->SetBtnIndex(-1);
    AimAt(5, form->Handle()); // behind the page's last button
    DropSilently({"C:\\a.txt"});
    EXPECT_TRUE(shell.runs.empty());
    EXPECT_TRUE(form->WindowState().Locked());
    EXPECT_EQ(form->WindowState().Suspensions(), 0);
}

TEST_F(DropTest, DropWhileADropIsHandled_IsReleasedAndIgnored) {
    StartWith({});
    Register(0, ikProgram, "C:\\t\\p.exe", "p");
    shell.executeResult = 2; // the first drop shows its error, and meanwhile a second comes
    HGLOBAL second = nullptr;
    {
        kbtest::WindowDriver driver(L"TMessageForm", [&](HWND box) {
            second = Drop({"C:\\second.txt"});
            kbtest::WaitUntil([&] { return Released(second); });
            kbtest::AnswerDialog(box, "OK");
        });
        const HGLOBAL first = Drop({"C:\\first.txt"});
        EXPECT_TRUE(kbtest::PumpUntil([&] { return Released(first); }, 15000));
        EXPECT_TRUE(driver.Acted());
    }
    kbtest::PumpPosted();
    EXPECT_TRUE(Released(second));
    ASSERT_EQ(shell.runs.size(), 1u);
    EXPECT_EQ(shell.runs[0].Params, "  \"C:\\first.txt\"");
    EXPECT_EQ(form->WindowState().Suspensions(), 0);
    EXPECT_EQ(forms::Screen.Cursor(), forms::crDefault);
}

TEST_F(DropTest, DropWhileALauncherDialogIsOpen_IsReleasedAndIgnored) {
    StartWith({});
    Register(0, ikProgram, "C:\\t\\p.exe", "p");
    form->Show();
    ASSERT_TRUE(kbtest::PumpUntil([&] { return IsWindowVisible(form->Handle()) != FALSE; }));
    HGLOBAL dropped = nullptr;
    {
        kbtest::WindowDriver driver(L"TMessageForm", [&](HWND box) {
            dropped = Drop({"C:\\a.txt"});
            kbtest::WaitUntil([&] { return Released(dropped); });
            kbtest::AnswerDialog(box, "OK");
        });
        forms::ShowMessageDialog("open", forms::TMsgDlgType::mtCustom, {forms::TMsgDlgBtn::mbOK});
        EXPECT_TRUE(driver.Acted());
    }
    kbtest::PumpPosted();
    EXPECT_TRUE(Released(dropped));
    EXPECT_TRUE(shell.runs.empty());
    EXPECT_EQ(Slot(0).UseCount, 0);
}

TEST_F(DropTest, DropWhileTheLauncherIsBracketed_IsReleasedAndIgnored) {
    StartWith({});
    Register(0, ikProgram, "C:\\t\\p.exe", "p");
    {
        const TAutoHideSuspension childProgram(*form);
        const HGLOBAL block = Drop({"C:\\a.txt"});
        EXPECT_TRUE(kbtest::PumpUntil([&] { return Released(block); }));
    }
    EXPECT_TRUE(shell.runs.empty());
    EXPECT_EQ(Slot(0).UseCount, 0);
}

TEST_F(DropTest, LinkThatCannotBeWritten_ReportsTheErrorAndTheNextDropWorks) {
    StartWith({"[Drop]", "Open=0"});
    const std::string target = Folder("to");
    Register(0, ikFolder, target, "to");
    std::vector<std::string> errors;
    forms::Application.OnException = [&](std::exception_ptr e) {
        try {
            std::rethrow_exception(e);
        } catch (const forms::EComError&) {
            errors.push_back("com");
        } catch (...) {
            errors.push_back("other");
        }
    };
    const auto restore = forms::OnScopeExit([] { forms::Application.OnException = nullptr; });
    shell.saveFails = true;
    {
        wintest::HeldInput keys;
        keys.Key(VK_MENU);
        DropSilently({File("a.txt")});
    }
    EXPECT_EQ(errors, (std::vector<std::string>{"com"}));
    EXPECT_EQ(Slot(0).UseCount, 0);
    EXPECT_EQ(form->WindowState().Suspensions(), 0);
    EXPECT_EQ(forms::Screen.Cursor(), forms::crDefault);

    shell.saveFails = false;
    {
        wintest::HeldInput keys;
        keys.Key(VK_MENU);
        DropSilently({File("b.txt")});
    }
    EXPECT_EQ(shell.savedLinks.size(), 1u);
    EXPECT_EQ(Slot(0).UseCount, 1);
}

// The shell's own confirmation, and Wine's trash, are all there is to see of the recycle bin.
TEST_F(DropTest, RecycleBin_TakesTheFilesWithTheShellsConfirmation_ThenOpens) {
    StartWith({});
    shell.AddSpecialFolder(10, "recyclebin");
    Register(0, ikSpecialFolder, "rfRecycleBin", "bin");
    const std::string a = File("a.txt");
    {
        kbtest::WindowDriver confirm(L"#32770", [](HWND box) { kbtest::AnswerDialog(box, IDYES); });
        DropSilently({a});
    }
    EXPECT_FALSE(kbtest::Exists(a));
    EXPECT_EQ(Slot(0).UseCount, 1);
    ASSERT_EQ(shell.invokes.size(), 1u);
    EXPECT_EQ(shell.invokes[0].first, "recyclebin");
}
