// The folder picker with the shell's real browser ("#32770"), driven from a helper thread: its
// caption, owner and placement, the folder chosen with OK, Cancel, the status line and the OK
// button as OnSelectionChanged leaves them, and the items the choices name.
#include "components/FolderPicker.h"

#include "support/TempDir.h"
#include "support/WinTest.h"

#include "forms/base/Codepage.h"
#include "forms/base/Exceptions.h"
#include "forms/shell/ComInit.h"

#include <commctrl.h>
#include <shlobj.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace forms;

namespace {

constexpr int kTitleId = 0x3742;  // the text above the tree
constexpr int kStatusId = 0x3743; // the status line

Pidl SpecialFolder(int csidl) {
    Pidl p;
    SHGetSpecialFolderLocation(nullptr, csidl, p.Put());
    return p;
}

Pidl ItemOf(const std::wstring& path) {
    UseComOnThisThread();
    Pidl p;
    SHParseDisplayName(path.c_str(), nullptr, p.Put(), 0, nullptr);
    return p;
}

bool Same(const Pidl& a, const Pidl& b) {
    return a && b && ILIsEqual(a.Get(), b.Get());
}

// What the helper thread saw of the open browser.
struct Seen {
    std::atomic<bool> found{false};
    std::string title, status;
    HWND owner = nullptr;
    RECT rect{};
    bool ownerEnabled = true;
    bool okEnabled = true;
};

// The BFFM_ENABLEOK messages that the browser gets while the object lives (on this thread):
// whether each enables OK.
struct EnableOkLog {
    EnableOkLog() {
        current = this;
        hook = SetWindowsHookExW(WH_CALLWNDPROC, Record, nullptr, GetCurrentThreadId());
    }
    ~EnableOkLog() {
        UnhookWindowsHookEx(hook);
        current = nullptr;
    }
    EnableOkLog(const EnableOkLog&) = delete;
    EnableOkLog& operator=(const EnableOkLog&) = delete;

    static LRESULT CALLBACK Record(int code, WPARAM wParam, LPARAM lParam) {
        const auto* m = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && current && m->message == BFFM_ENABLEOK)
            current->sent.push_back(m->lParam != 0);
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline EnableOkLog* current = nullptr;
    HHOOK hook = nullptr;
    std::vector<bool> sent;
};

void Press(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string ItemText(HWND dialog, int id) {
    return kbtest::WindowText(GetDlgItem(dialog, id));
}

// The text of the tree's selected item.
std::string SelectedTreeText(HWND dialog) {
    HWND tree = kbtest::FindChildWindow(dialog, L"SysTreeView32");
    const auto item =
        reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!item)
        return {};
    wchar_t text[MAX_PATH] = {};
    TVITEMW tv{};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = text;
    tv.cchTextMax = MAX_PATH;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
    return cp932::Narrow(text);
}

// The browser has selected the folder the test made.
bool FolderSelected(HWND dialog) {
    return SelectedTreeText(dialog) == "登録先";
}

struct FolderPickerTest : WinTest {
    // One folder for the whole suite: Wine's shell now and then lists a folder as it was before
    // the last folder was removed and the next one made in it, and its browser then cannot find
    // the folder to select.
    static void SetUpTestSuite() {
        suiteTemp = std::make_unique<kbtest::TempDir>();
        kbtest::MakeDir(suiteTemp->File("登録先"));
    }
    static void TearDownTestSuite() { suiteTemp.reset(); }

    void SetUp() override {
        WinTest::SetUp();
        main = Application.CreateForm<TForm>();
        main->SetBounds(150, 120, 400, 300);
        main->Show();
        kbtest::BringToFront(main->Handle());
        picker = MakeOwned<TSHBrowseForFolderEx>(main);
        folder = temp.File("登録先");
    }
    void TearDown() override {
        delete main;
        WinTest::TearDown();
    }

    // Runs Execute with the browser answered by pressing button once waitFor (read on the helper
    // thread) holds; fills seen. A browser that never gets there is cancelled and opened again,
    // twice at most: the stale listings of Wine's shell (above) also reach folders the suite does
    // not make.
    bool Run(int button, Seen& seen, const std::function<bool(HWND)>& waitFor = nullptr) {
        constexpr int kAttempts = 3;
        HWND mainWnd = main->Handle();
        for (int attempt = 1;; ++attempt) {
            std::atomic<bool> ready{true};
            bool result = false;
            {
                kbtest::WindowDriver driver(L"#32770", [&, mainWnd, button](HWND dialog) {
                    if (waitFor && !kbtest::WaitUntil([&] { return waitFor(dialog); }) &&
                        attempt < kAttempts) {
                        ready = false;
                        Press(dialog, IDCANCEL);
                        return;
                    }
                    seen.title = ItemText(dialog, kTitleId);
                    seen.status = ItemText(dialog, kStatusId);
                    seen.owner = GetWindow(dialog, GW_OWNER);
                    seen.rect = kbtest::ScreenRectOf(dialog);
                    seen.ownerEnabled = IsWindowEnabled(mainWnd) != 0;
                    seen.okEnabled = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != 0;
                    seen.found = true;
                    Press(dialog, button);
                });
                result = picker->Execute();
            }
            if (ready)
                return result;
        }
    }

    TForm* main = nullptr;
    TSHBrowseForFolderEx* picker = nullptr;
    static inline std::unique_ptr<kbtest::TempDir> suiteTemp;
    kbtest::TempDir& temp = *suiteTemp;
    std::string folder;
};

} // namespace

// ---- settings and items ----

TEST_F(FolderPickerTest, StartsWithItsDefaults) {
    EXPECT_EQ(picker->ShowStyle(), TShowStyle::ssClient);
    EXPECT_EQ(picker->SelectFolder(), TSelectFolder::sfDrives);
    EXPECT_EQ(picker->SelectFolderName(), "");
    EXPECT_EQ(picker->RootFolder(), TBrowseRootFolder::rfDesktop);
    EXPECT_EQ(picker->RootFolderName(), "");
    EXPECT_EQ(picker->Caption(), "");
    EXPECT_EQ(picker->Options(), TSHBrowseOptions{TSHBrowseOption::sboReturnOnlyFSDirs});
    EXPECT_EQ(picker->SelectedPath(), "");
    EXPECT_EQ(picker->SelectedDisplayName(), "");
}

TEST_F(FolderPickerTest, ByDefaultTheDrivesAreSelectedUnderTheDesktop) {
    EXPECT_TRUE(Same(picker->GetSelectPidl(), SpecialFolder(CSIDL_DRIVES)));
    EXPECT_TRUE(Same(picker->GetRootPidl(), SpecialFolder(CSIDL_DESKTOP)));
}

TEST_F(FolderPickerTest, AManualFolderIsThatFolder) {
    picker->SetSelectFolder(TSelectFolder::sfManual);
    picker->SetSelectFolderName(folder);
    picker->SetRootFolder(TBrowseRootFolder::rfManual);
    picker->SetRootFolderName(temp.Path());
    EXPECT_EQ(ItemFileSystemPath(picker->GetSelectPidl().Get()), folder);
    EXPECT_EQ(ItemFileSystemPath(picker->GetRootPidl().Get()), temp.Path());
}

TEST_F(FolderPickerTest, AManualNameThatIsEmptyMissingOrAFileIsTheDesktop) {
    const std::string file = temp.File("a.txt");
    kbtest::WriteBytes(file, "x");
    picker->SetSelectFolder(TSelectFolder::sfManual);
    for (const std::string& name : {std::string(), temp.File("無い"), file, std::string("::")}) {
        picker->SetSelectFolderName(name);
        EXPECT_TRUE(Same(picker->GetSelectPidl(), SpecialFolder(CSIDL_DESKTOP))) << name;
    }
}

TEST_F(FolderPickerTest, AnItemsPathIsEmptyWhenCodePage932CannotHoldIt) {
    const std::wstring wide = cp932::Wide(temp.Path()) + L"\\\u00e4\u00f6";
    ASSERT_TRUE(CreateDirectoryW(wide.c_str(), nullptr));
    const Pidl lossy = ItemOf(wide);
    ASSERT_TRUE(lossy);
    EXPECT_EQ(ItemFileSystemPath(lossy.Get()), "");
    EXPECT_EQ(ItemFileSystemPath(ItemOf(cp932::Wide(folder)).Get()), folder);
    EXPECT_EQ(ItemFileSystemPath(SpecialFolder(CSIDL_DRIVES).Get()), ""); // no path at all
    EXPECT_EQ(ItemFileSystemPath(nullptr), "");
}

// ---- the browser ----

TEST_F(FolderPickerTest, OkReturnsTheSelectedFolder) {
    picker->SetCaption("登録するフォルダ");
    picker->SetSelectFolder(TSelectFolder::sfManual);
    picker->SetSelectFolderName(folder);
    Seen seen;
    EXPECT_TRUE(Run(IDOK, seen, FolderSelected));
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.title, "登録するフォルダ");
    EXPECT_EQ(picker->SelectedPath(), folder);
    // The shell's name of the folder (Wine gives its whole path).
    const std::string name = picker->SelectedDisplayName();
    EXPECT_EQ(name.substr(name.size() - std::string("登録先").size()), "登録先");
}

TEST_F(FolderPickerTest, AFolderWithoutAPathIsChosenWithAnEmptyPath) {
    // By default the drives folder is selected, which has no file-system path.
    Seen seen;
    EXPECT_TRUE(Run(IDOK, seen, [](HWND d) { return !SelectedTreeText(d).empty(); }));
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(picker->SelectedPath(), "");
}

TEST_F(FolderPickerTest, TheMainFormOwnsTheBrowserAndIsDisabledMeanwhile) {
    Seen seen;
    Run(IDCANCEL, seen);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.owner, main->Handle());
    EXPECT_FALSE(seen.ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));
}

TEST_F(FolderPickerTest, CancelGivesFalseAndClearsTheLastResult) {
    picker->SetSelectFolder(TSelectFolder::sfManual);
    picker->SetSelectFolderName(folder);
    Seen first, second;
    ASSERT_TRUE(Run(IDOK, first, FolderSelected));
    ASSERT_EQ(picker->SelectedPath(), folder);
    EXPECT_FALSE(Run(IDCANCEL, second));
    ASSERT_TRUE(second.found);
    EXPECT_EQ(picker->SelectedPath(), "");
    EXPECT_EQ(picker->SelectedDisplayName(), "");
}

TEST_F(FolderPickerTest, ClientStyleSitsAtTheOwnerFormsClientCorner) {
    Seen seen;
    Run(IDCANCEL, seen);
    ASSERT_TRUE(seen.found);
    const RECT client = kbtest::ClientRectOnScreen(main->Handle());
    EXPECT_EQ(seen.rect.left, client.left);
    EXPECT_EQ(seen.rect.top, client.top);
}

TEST_F(FolderPickerTest, CenterScreenStyleSitsCentredAndAThirdDown) {
    picker->SetShowStyle(TShowStyle::ssCenterScreen);
    Seen seen;
    Run(IDCANCEL, seen);
    ASSERT_TRUE(seen.found);
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const int w = seen.rect.right - seen.rect.left, h = seen.rect.bottom - seen.rect.top;
    EXPECT_EQ(seen.rect.left, (area.right - area.left - w) / 2);
    EXPECT_EQ(seen.rect.top, (area.bottom - area.top - h) / 3);
}

TEST_F(FolderPickerTest, ShowPathPutsThePathInTheStatusWhateverTheEventSays) {
    picker->SetOptions({TSHBrowseOption::sboStatusTextAndShowPath});
    picker->SetSelectFolder(TSelectFolder::sfManual);
    picker->SetSelectFolderName(folder);
    picker->OnSelectionChanged = [](TComponent*, HWND, const std::string&, std::string& text,
                                    TOKButtonState&) { text = "無視される"; };
    Seen seen;
    Run(IDCANCEL, seen, [this](HWND d) { return ItemText(d, kStatusId) == folder; });
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.status, folder);
}

TEST_F(FolderPickerTest, WithoutShowPathTheStatusIsWhatTheEventSet) {
    picker->SetOptions({TSHBrowseOption::sboStatusText, TSHBrowseOption::sboReturnOnlyFSDirs});
    picker->SetSelectFolder(TSelectFolder::sfManual);
    picker->SetSelectFolderName(folder);
    struct Call {
        TComponent* sender;
        std::wstring windowClass;
        std::string path;
        std::string text;
        TOKButtonState state;
    };
    std::vector<Call> calls;
    picker->OnSelectionChanged = [&](TComponent* sender, HWND wnd, const std::string& path,
                                     std::string& text, TOKButtonState& state) {
        calls.push_back({sender, kbtest::ClassNameOf(wnd), path, text, state});
        text = "選択: " + path;
    };
    Seen seen;
    Run(IDCANCEL, seen, [this](HWND d) { return ItemText(d, kStatusId) == "選択: " + folder; });
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.status, "選択: " + folder);
    ASSERT_FALSE(calls.empty());
    const Call& last = calls.back();
    EXPECT_EQ(last.sender, picker);
    EXPECT_EQ(last.windowClass, L"#32770");
    EXPECT_EQ(last.path, folder);
    EXPECT_EQ(last.text, ""); // each call starts empty
    EXPECT_EQ(last.state, TOKButtonState::obsDefault);
}

TEST_F(FolderPickerTest, OkStatesAreSentAfterEachSelectionChange) {
    picker->SetSelectFolder(TSelectFolder::sfManual);
    picker->SetSelectFolderName(folder);
    TOKButtonState answer = TOKButtonState::obsDisabled;
    picker->OnSelectionChanged = [&](TComponent*, HWND, const std::string&, std::string&,
                                     TOKButtonState& state) { state = answer; };
    for (const TOKButtonState state : {TOKButtonState::obsDisabled, TOKButtonState::obsEnabled}) {
        answer = state;
        EnableOkLog log;
        Seen seen;
        Run(IDCANCEL, seen);
        ASSERT_TRUE(seen.found);
        ASSERT_FALSE(log.sent.empty());
        EXPECT_EQ(log.sent.front(), state == TOKButtonState::obsEnabled);
    }
}

TEST_F(FolderPickerTest, TheDefaultStateSendsNothing) {
    picker->SetSelectFolder(TSelectFolder::sfManual);
    picker->SetSelectFolderName(folder);
    int changes = 0;
    picker->OnSelectionChanged = [&](TComponent*, HWND, const std::string&, std::string&,
                                     TOKButtonState&) { ++changes; };
    picker->SetOptions({}); // the shell itself then enables OK for every folder
    EnableOkLog log;
    Seen seen;
    Run(IDCANCEL, seen);
    ASSERT_TRUE(seen.found);
    EXPECT_GT(changes, 0);
    for (const bool enable : log.sent)
        EXPECT_TRUE(enable);
}

TEST_F(FolderPickerTest, AnErrorInTheEventIsReportedAndTheBrowserGoesOn) {
    picker->SetSelectFolder(TSelectFolder::sfManual);
    picker->SetSelectFolderName(folder);
    picker->OnSelectionChanged = [](TComponent*, HWND, const std::string&, std::string&,
                                    TOKButtonState&) { throw Exception("選択エラー"); };
    Seen seen;
    EXPECT_TRUE(Run(IDOK, seen, FolderSelected));
    EXPECT_EQ(picker->SelectedPath(), folder);
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ(errors.front(), "選択エラー");
}
