// The context menu as the user opens it in this process (a right click on a button, on the title
// bar, on the pop-up hint, from the tray icon), read from the open menu; and the editing
// commands with their questions answered as a user would, checked in the saved data file.
#include "qvtdock/MainFormTesting.h"

#include "components/TrayNotifier.h"
#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "qvtdock/SlotEdits.h"
#include "shared/TitledMessage.h"

#include <gtest/gtest.h>

using namespace qvttest;

namespace {
using Strings = std::vector<std::string>;

// A launcher environment whose folder picker answers what the test says.
class PickingEnvironment : public TestEnvironment {
public:
    std::optional<std::string> picked;
    int picks = 0;
    std::optional<std::string> PickFolder(TSHBrowseForFolderEx& /*picker*/) override {
        ++picks;
        return picked;
    }
};

constexpr char kProgram[] = "C:\\windows\\notepad.exe";

class EditingTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        picking->programPath = env->programPath;
        env = picking;
    }

    // Page P1: a registered program "Note", an unregistered slot, a URL "Site"; page P2: "2.1",
    // "2.2".
    void WriteMixedList() {
        TLaunchList list;
        ClearPages(list);
        list.AddPage("P1", 3, 0);
        list.AddPage("P2", 2, 0);
        TLaunchDataItem& note = *list.Items(0, 0);
        note.Kind = ikProgram;
        note.Title = "Note";
        note.Path = kProgram;
        TLaunchDataItem& site = *list.Items(0, 2);
        site.Kind = ikUrl;
        site.Title = "Site";
        site.Path = "http://example.com/";
        list.Items(1, 0)->Title = "2.1";
        list.Items(1, 1)->Title = "2.2";
        list.SetFileName(DataFile());
        list.SaveToFile();
    }
    // The launcher on the data file with these settings lines, shown in front.
    void StartShown(std::initializer_list<std::string_view> ini) {
        if (!kbtest::Exists(UserFolder()))
            kbtest::MakeDir(UserFolder());
        if (!kbtest::Exists(DataFile()))
            WriteMixedList();
        kbtest::WriteBytes(IniFile(), Lines(ini));
        Start();
        ASSERT_FALSE(EndedEarly());
        form->Show();
        kbtest::BringToFront(form->Handle());
        ASSERT_TRUE(kbtest::PumpUntil([&] { return GetFocus() == form->BtnBar->Handle(); }));
    }

    // Opens the menu by 'open' and reads it: each entry's text, "-" for a separator.
    Strings OpenMenu(const std::function<void()>& open) {
        views.clear();
        {
            kbtest::WindowDriver driver(
                L"#32768", [this](HWND menu) { views = kbtest::DriveMenu(menu, -1); }, 5000);
            open();
            EXPECT_TRUE(kbtest::PumpUntil([&] { return driver.Acted(); }));
            kbtest::PumpUntil([&] { return form->WindowState().Suspensions() == 0; });
        }
        Strings texts;
        for (const kbtest::MenuItemView& v : views)
            texts.push_back((v.type & MFT_SEPARATOR) ? "-" : cp932::Narrow(v.text));
        return texts;
    }
    // The state of the entry with this text in the menu last read.
    UINT StateOf(const std::string& text) const {
        for (const kbtest::MenuItemView& v : views)
            if (cp932::Narrow(v.text) == text)
                return v.state;
        ADD_FAILURE() << "no entry " << text;
        return 0;
    }
    // A message's text as the dialog shows it: each CR breaks the line.
    static std::string Shown(const std::string& text) {
        std::string shown;
        for (const char c : text)
            shown += c == '\r' ? std::string("\r\n") : std::string(1, c);
        return shown;
    }
    bool Disabled(const std::string& text) const { return (StateOf(text) & MFS_DISABLED) != 0; }

    void RightClickButton(int index) {
        const int size = form->BtnBar->BtnSize();
        kbtest::ClickAt(form->BtnBar->Handle(), index * size + size / 2, size / 2, true);
    }
    void RightClickTitle() { kbtest::ClickAt(form->TitleBox->Handle(), 4, 14, true); }
    // Answers the next message dialog with the button, keeping what it showed.
    std::unique_ptr<kbtest::WindowDriver> Answer(const std::string& button) {
        question = {};
        return std::make_unique<kbtest::WindowDriver>(L"TMessageForm", [this, button](HWND d) {
            question = kbtest::ReadMessageDialog(d);
            kbtest::AnswerDialog(d, button);
        });
    }

    // The saved data file's titles, and the icons kept beside the slots.
    Strings SavedTitles() {
        form->mnSaveClick(nullptr);
        return TitlesOf(DataFile());
    }
    void ExpectIconPerSlot() {
        EXPECT_EQ(form->IconList().Count(), form->LaunchList().Count());
        EXPECT_EQ(form->BtnBar->ButtonCount(),
                  form->LaunchList().Pages().Items(form->PageTab->TabIndex())->BtnCount);
    }

    std::shared_ptr<PickingEnvironment> picking = std::make_shared<PickingEnvironment>();
    std::vector<kbtest::MenuItemView> views;
    kbtest::MessageDialogView question;
};

const std::string kEditor = "登録データー編集(&Z)...";
const std::string kHide = "ランチャーを閉じる(&Q)";
const std::string kQuit = "K+Bandeoの終了(&X)";
const std::string kLock = "ランチャーをロック(&L)";
const Strings kLauncherItems = {kLock,
                                "ランチャー呼び出し不可(&N)",
                                "-",
                                kEditor,
                                "スタイルの設定(&K)...",
                                "環境設定(&S)...",
                                "ヘルプ(&H)...",
                                "バージョン情報(&A)...",
                                "-",
                                kQuit};
} // namespace

// ---- The menu in its contexts
// --------------------------------------------------------------------

TEST_F(EditingTest, RightClickOnARegisteredProgram_TitleItsCommandsButtonsEditorAndHide) {
    StartShown({"[Mouse]", "ShowPos=2"});
    const Strings menu = OpenMenu([&] { RightClickButton(0); });
    EXPECT_EQ(menu,
              (Strings{"Note", "-", "開く(&O)", "登録先のフォルダを開く(&U)", "プロパティ(&R)", "-",
                       "コマンド(&C)", "-", "ボタン(&B)", "-", kEditor, "-", kHide}));
    EXPECT_EQ(form->InputState().MenuContext(), mcButtonBar);
    EXPECT_TRUE(form->mnBtnCls->Enabled());
    EXPECT_FALSE(form->mnRegFolder->Enabled());
}

TEST_F(EditingTest, RightClickOnAnUnregisteredButton_UnregisteredTitleAndNoClear) {
    StartShown({"[Mouse]", "ShowPos=2"});
    const Strings menu = OpenMenu([&] { RightClickButton(1); });
    EXPECT_EQ(menu, (Strings{"未登録", "-", "ボタン(&B)", "-", kEditor, "-", kHide}));
    EXPECT_FALSE(form->mnBtnCls->Enabled());
    EXPECT_TRUE(form->mnRegSpfolder->Enabled());
    EXPECT_TRUE(form->mnRegFolder->Enabled());
    EXPECT_TRUE(form->mnBtnDel->Enabled());
}

TEST_F(EditingTest, TitleBar_PageListWithTheCurrentPageCheckedAndTheLauncherItems) {
    StartShown({"[Mouse]", "ShowPos=2"});
    form->PageTab->SetTabIndex(1);
    form->ResetPageView();
    const Strings menu = OpenMenu([&] { RightClickTitle(); });
    Strings expected = {"ページリスト(&P)", "-", "ボタン(&B)", "-"};
    expected.insert(expected.end(), kLauncherItems.begin(), kLauncherItems.end());
    expected.push_back(kHide);
    EXPECT_EQ(menu, expected);
    ASSERT_EQ(form->mnPage->Count(), 2);
    EXPECT_FALSE(form->mnPage->Items(0)->Checked());
    EXPECT_TRUE(form->mnPage->Items(1)->Checked());
    EXPECT_TRUE(form->mnPage->Items(1)->RadioItem());
}

TEST_F(EditingTest, TrayRightClick_OnlyTheLauncherItems) {
    StartShown({"[Mouse]", "ShowPos=2"});
    const HWND callback = kbtest::FindChildWindow(form->Handle(), L"TCallbackWindow");
    ASSERT_NE(callback, nullptr);
    const Strings menu = OpenMenu([&] {
        PostMessageW(callback, kTrayCallbackMessage, 1, WM_RBUTTONDOWN);
        PostMessageW(callback, kTrayCallbackMessage, 1, WM_RBUTTONUP);
    });
    Strings expected = kLauncherItems;
    expected.push_back(kHide);
    EXPECT_EQ(menu, expected);
    EXPECT_EQ(form->InputState().MenuContext(), mcOutside);
    // The next opening on the window is the window's again.
    OpenMenu([&] { RightClickButton(0); });
    EXPECT_EQ(form->InputState().MenuContext(), mcButtonBar);
}

TEST_F(EditingTest, HintWindow_ButtonCommandsWithoutTitleOrHide) {
    StartShown({"[Mouse]", "ShowPos=2"});
    const HWND hint = ShowHint();
    const Strings menu = OpenMenu([&] { kbtest::ClickAt(hint, 30, 5, true); });
    Strings expected = {"ページリスト(&P)", "-", "開く(&O)",     "登録先のフォルダを開く(&U)",
                        "プロパティ(&R)",   "-", "コマンド(&C)", "-",
                        "ボタン(&B)",       "-"};
    expected.insert(expected.end(), kLauncherItems.begin(), kLauncherItems.end());
    EXPECT_EQ(menu, expected);
    EXPECT_EQ(form->InputState().MenuContext(), mcHintWindow);
}

TEST_F(EditingTest, Locked_LockCheckedAndNoQuitAlsoFromTheHintWindow) {
    StartShown({"[Mouse]", "ShowPos=2"});
    form->TitleBarLockBtnClick(nullptr);
    ASSERT_TRUE(form->WindowState().Locked());
    OpenMenu([&] { RightClickTitle(); });
    EXPECT_TRUE(StateOf(kLock) & MFS_CHECKED);
    EXPECT_TRUE(Disabled(kQuit));
    EXPECT_FALSE(Disabled(kHide));
    const HWND hint = ShowHint();
    OpenMenu([&] { kbtest::ClickAt(hint, 30, 5, true); });
    EXPECT_TRUE(StateOf(kLock) & MFS_CHECKED);
    EXPECT_TRUE(Disabled(kQuit));
    form->TitleBarLockBtnClick(nullptr);
    OpenMenu([&] { RightClickTitle(); });
    EXPECT_FALSE(StateOf(kLock) & MFS_CHECKED);
    EXPECT_FALSE(Disabled(kQuit));
}

TEST_F(EditingTest, DataEditorItem_EnabledOnlyWhenItsProgramExists) {
    const std::string editorFolder = dir.File("editor");
    kbtest::MakeDir(editorFolder);
    StartShown({"[Mouse]", "ShowPos=2", "[Edit]", "DataEditorPath=" + editorFolder});
    OpenMenu([&] { RightClickTitle(); });
    EXPECT_TRUE(Disabled(kEditor));
    OpenMenu([&] { RightClickButton(0); });
    EXPECT_TRUE(Disabled(kEditor));
    kbtest::WriteBytes(editorFolder + "\\zvledit.exe", "MZ");
    OpenMenu([&] { RightClickTitle(); });
    EXPECT_FALSE(Disabled(kEditor));
    OpenMenu([&] { RightClickButton(0); });
    EXPECT_FALSE(Disabled(kEditor));
}

TEST_F(EditingTest, EmptyCellOfTwoRows_NoTitleAndNothingToDeleteOrClear) {
    StartShown({"[Mouse]", "ShowPos=2", "[Visible]", "RowMax=2"});
    form->BtnBar->SetBtnIndex(12);
    OpenMenu([&] { RightClickTitle(); });
    EXPECT_FALSE(form->mnBtnTitle->Visible());
    EXPECT_FALSE(form->mnBtnDel->Enabled());
    EXPECT_FALSE(form->mnBtnCls->Enabled());
    EXPECT_FALSE(form->mnRegSpfolder->Enabled());
    EXPECT_FALSE(form->mnRegFolder->Enabled());
    EXPECT_TRUE(form->mnBtnAdd->Enabled());
}

TEST_F(EditingTest, ButtonSubmenu_EveryCaptionInItsOrder) {
    StartShown({"[Mouse]", "ShowPos=2"});
    Strings captions;
    for (int i = 0; i < form->mnBtn->Count(); ++i)
        captions.push_back(form->mnBtn->Items(i)->Caption());
    EXPECT_EQ(captions, (Strings{"新規ページ追加(&N)...", "追加(&A)...", "削除(&D)...",
                                 "登録情報クリア(&C)...", "並び替え(&R)...", "-",
                                 "特殊フォルダ登録(&P)...", "ファイルフォルダ登録(&F)...", "-",
                                 "データー保存(&E)", "-", "サイズ変更(&S)...", "横表示数(&H)...",
                                 "列表示数(&V)...", "-", "アイコンをボタンに合わせる(&I)"}));
    OpenMenu([&] { RightClickButton(0); });
    for (int i = 0; i < form->mnBtn->Count(); ++i)
        EXPECT_TRUE(form->mnBtn->Items(i)->Visible()) << i;
    EXPECT_TRUE(form->mnIconStretch->AutoCheck());
    EXPECT_TRUE(form->mnIconStretch->Checked());
}

TEST_F(EditingTest, MenuKey_EveryItemOfTheMenuForAProgramWithAPath) {
    StartShown({"[Mouse]", "ShowPos=2"});
    const Strings menu = OpenMenu([&] { kbtest::PressKey(VK_OEM_6); });
    EXPECT_EQ(menu, (Strings{"ページリスト(&P)",
                             "-",
                             "Note",
                             "-",
                             "開く(&O)",
                             "登録先のフォルダを開く(&U)",
                             "プロパティ(&R)",
                             "-",
                             "コマンド(&C)",
                             "-",
                             "ボタン(&B)",
                             "-",
                             kLock,
                             "ランチャー呼び出し不可(&N)",
                             "-",
                             kEditor,
                             "スタイルの設定(&K)...",
                             "環境設定(&S)...",
                             "ヘルプ(&H)...",
                             "バージョン情報(&A)...",
                             "-",
                             kQuit,
                             kHide}));
    EXPECT_EQ(form->InputState().MenuContext(), mcKeyboard);
}

// ---- Delete and clear --------------------------------------------------------------------------

TEST_F(EditingTest, Delete_AsksWithPageAndTitleThenDeletesDownToOneButton) {
    StartShown({"[Mouse]", "ShowPos=2"});
    form->BtnBar->SetBtnIndex(2);
    {
        auto driver = Answer("いいえ(&N)");
        form->mnBtnDelClick(nullptr);
        ASSERT_TRUE(driver->Acted());
    }
    EXPECT_EQ(question.text,
              Shown(TitledMessageText("ボタンの削除", DeleteQuestion("P1", "Site"))));
    EXPECT_EQ(question.buttons, (Strings{"はい(&Y)", "いいえ(&N)"}));
    EXPECT_EQ(question.rect.left, form->Left() + 16);
    EXPECT_EQ(question.rect.top, form->Top() + 16);
    EXPECT_EQ(SavedTitles(), (Strings{"Note", "未登録", "Site", "2.1", "2.2"}));

    for (const Strings& expected :
         {Strings{"Note", "未登録", "2.1", "2.2"}, Strings{"未登録", "2.1", "2.2"}}) {
        auto driver = Answer("はい(&Y)");
        form->mnBtnDelClick(nullptr);
        ASSERT_TRUE(driver->Acted());
        EXPECT_EQ(SavedTitles(), expected);
        EXPECT_EQ(form->BtnBar->BtnIndex(), 0);
        ExpectIconPerSlot();
    }
    // One button left: nothing is asked and nothing deleted.
    {
        auto driver = std::make_unique<kbtest::WindowDriver>(
            L"TMessageForm", [](HWND d) { kbtest::AnswerDialog(d, "はい(&Y)"); }, 500);
        form->mnBtnDelClick(nullptr);
        kbtest::PumpUntil([&] { return driver->Acted(); }, 700);
        EXPECT_FALSE(driver->Acted());
    }
    EXPECT_EQ(SavedTitles(), (Strings{"未登録", "2.1", "2.2"}));
    EXPECT_EQ(form->WindowState().Suspensions(), 0);
}

TEST_F(EditingTest, Clear_AsksThenLeavesAnUnregisteredButtonWithTheEmptyIcon) {
    StartShown({"[Mouse]", "ShowPos=2"});
    form->BtnBar->SetBtnIndex(0);
    {
        auto driver = Answer("はい(&Y)");
        form->mnBtnClsClick(nullptr);
        ASSERT_TRUE(driver->Acted());
    }
    EXPECT_EQ(question.text,
              Shown(TitledMessageText("登録情報のクリア", ClearQuestion("P1", "Note"))));
    EXPECT_EQ(SavedTitles(), (Strings{"未登録", "未登録", "Site", "2.1", "2.2"}));
    EXPECT_EQ(form->LaunchList().Items(0, 0)->Kind, ikUnregistered);
    EXPECT_EQ(form->LaunchList().Items(0, 0)->Path, "");
    EXPECT_EQ(IconMiddle(form->IconList().Items(0)->Handle()), kNullIconColour);
    ExpectIconPerSlot();
}

TEST_F(EditingTest, DeleteAndClear_NoSelectedButton_AskNothing) {
    StartShown({"[Mouse]", "ShowPos=2", "[Visible]", "RowMax=2"});
    form->BtnBar->SetBtnIndex(12);
    auto driver = std::make_unique<kbtest::WindowDriver>(
        L"TMessageForm", [](HWND d) { kbtest::AnswerDialog(d, "はい(&Y)"); }, 500);
    form->mnBtnDelClick(nullptr);
    form->mnBtnClsClick(nullptr);
    kbtest::PumpUntil([&] { return driver->Acted(); }, 700);
    EXPECT_FALSE(driver->Acted());
    EXPECT_EQ(SavedTitles(), (Strings{"Note", "未登録", "Site", "2.1", "2.2"}));
}

// ---- Folder registration
// -------------------------------------------------------------------------

TEST_F(EditingTest, RegisterFolder_ThePickedFolderTakesTheSlotWithItsIcon) {
    const std::string folder = dir.File("Tools");
    kbtest::MakeDir(folder);
    StartShown({"[Mouse]", "ShowPos=2"});
    form->BtnBar->SetBtnIndex(1);
    picking->picked = folder;
    form->mnRegFolderClick(nullptr);
    EXPECT_EQ(picking->picks, 1);
    const TLaunchDataItem& item = *form->LaunchList().Items(0, 1);
    EXPECT_EQ(item.Kind, ikFolder);
    EXPECT_EQ(item.Title, "Tools");
    EXPECT_EQ(SavedTitles(), (Strings{"Note", "Tools", "Site", "2.1", "2.2"}));
    EXPECT_NE(IconMiddle(form->IconList().Items(1)->Handle()), kNullIconColour);
    ExpectIconPerSlot();
    EXPECT_EQ(form->SHBrowseForFolderEx1->Caption(), "ファイルフォルダの登録");
    EXPECT_EQ(form->WindowState().Suspensions(), 0);
}

TEST_F(EditingTest, RegisterFolder_CancelledOrUnclassifiable_SlotUnchanged) {
    StartShown({"[Mouse]", "ShowPos=2"});
    form->BtnBar->SetBtnIndex(1);
    picking->picked = std::nullopt;
    form->mnRegFolderClick(nullptr);
    picking->picked = dir.File("nowhere\\at\\all.xyz");
    form->mnRegFolderClick(nullptr);
    picking->picked = "";
    form->mnRegFolderClick(nullptr);
    EXPECT_EQ(picking->picks, 3);
    EXPECT_EQ(form->LaunchList().Items(0, 1)->Kind, ikUnregistered);
    EXPECT_EQ(SavedTitles(), (Strings{"Note", "未登録", "Site", "2.1", "2.2"}));
    ExpectIconPerSlot();
    EXPECT_EQ(form->WindowState().Suspensions(), 0);
}

// ---- Icon fitting ------------------------------------------------------------------------------

TEST_F(EditingTest, IconFitting_TheItemTogglesTheBarAndTheSettings) {
    StartShown({"[Mouse]", "ShowPos=2"});
    ASSERT_TRUE(form->BtnBar->Stretch());
    form->mnIconStretch->Click();
    EXPECT_FALSE(form->mnIconStretch->Checked());
    EXPECT_FALSE(form->BtnBar->Stretch());
    EXPECT_FALSE(form->Cfg().IconStretch);
    ExpectIconPerSlot();
    form->mnIconStretch->Click();
    EXPECT_TRUE(form->BtnBar->Stretch());
    EXPECT_TRUE(form->Cfg().IconStretch);
    form->mnIconStretch->Click();
    SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_NE(kbtest::ReadBytes(IniFile()).find("IconStretch=0"), std::string::npos);
}

// ---- Commands through the value dialog ---------------------------------------------------------

namespace {
// What the value dialog showed.
struct ValueDialogView {
    std::string caption, message, value;
    Strings items;
    int selected = -1;
    bool defaultShown = false;
    RECT rect{};
};

bool IsVisibleChild(HWND h) {
    return IsWindowVisible(h) != FALSE;
}

class ValueEditingTest : public EditingTest {
protected:
    // Answers the next value dialog: the value typed into its number or text field, or the entry
    // chosen in its list, then OK (or Cancel).
    std::unique_ptr<kbtest::WindowDriver> AnswerValue(std::optional<std::string> value,
                                                      std::optional<int> choice = std::nullopt,
                                                      bool ok = true) {
        seen = {};
        return std::make_unique<kbtest::WindowDriver>(L"TResIconBox", [=](HWND d) {
            seen.caption = kbtest::WindowText(d);
            GetWindowRect(d, &seen.rect);
            if (HWND label = kbtest::FindChildWindow(d, L"TLabel"))
                seen.message = kbtest::WindowText(label);
            for (HWND h = GetWindow(d, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
                if (!IsVisibleChild(h))
                    continue;
                const std::wstring cls = kbtest::ClassNameOf(h);
                if (cls == L"TSpinEdit" || cls == L"TEdit") {
                    seen.value = kbtest::WindowText(h);
                    if (value)
                        SendMessageW(h, WM_SETTEXT, 0,
                                     reinterpret_cast<LPARAM>(cp932::Wide(*value).c_str()));
                } else if (cls == L"TComboBox") {
                    const int count = static_cast<int>(SendMessageW(h, CB_GETCOUNT, 0, 0));
                    for (int i = 0; i < count; ++i) {
                        wchar_t text[256] = {};
                        SendMessageW(h, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
                        seen.items.push_back(cp932::Narrow(text));
                    }
                    seen.selected = static_cast<int>(SendMessageW(h, CB_GETCURSEL, 0, 0));
                    if (choice)
                        SendMessageW(h, CB_SETCURSEL, *choice, 0);
                } else if (kbtest::WindowText(h) == "デフォルト") {
                    seen.defaultShown = true;
                }
            }
            kbtest::AnswerDialog(d, ok ? "OK" : "キャンセル");
        });
    }
    // Runs a command that asks through the value dialog; true when the dialog was answered.
    bool RunAsking(const std::function<void()>& command, kbtest::WindowDriver& driver) {
        command();
        return driver.Acted();
    }

    std::vector<std::string> SavedPages() {
        form->mnSaveClick(nullptr);
        TLaunchList list;
        list.SetFileName(DataFile());
        list.LoadFromFile();
        Strings captions;
        for (int p = 0; p < list.Pages().Count(); ++p)
            captions.push_back(list.Pages().Items(p)->Caption);
        return captions;
    }

    ValueDialogView seen;
};

} // namespace

TEST_F(ValueEditingTest, NewPage_OnAMiddlePage_InsertedBeforeItAndShown) {
    kbtest::MakeDir(UserFolder());
    {
        TLaunchList list;
        ClearPages(list);
        for (const char* caption : {"A", "B", "C"})
            list.AddPage(caption, 2, 0);
        list.SetFileName(DataFile());
        list.SaveToFile();
    }
    StartShown({"[Mouse]", "ShowPos=2"});
    form->PageTab->SetTabIndex(1);
    form->ResetPageView();
    auto driver = AnswerValue(std::nullopt);
    ASSERT_TRUE(RunAsking([&] { form->mnNewPageClick(nullptr); }, *driver));
    EXPECT_EQ(seen.caption, "新規ページ追加");
    EXPECT_EQ(seen.message, "ページ名を入力して下さい。");
    EXPECT_EQ(seen.value, "ページ4");
    EXPECT_EQ(SavedPages(), (Strings{"A", "ページ4", "B", "C"}));
    EXPECT_EQ(form->PageTab->TabIndex(), 1);
    EXPECT_EQ(form->PageTab->Tabs().Strings(1), "ページ4");
    EXPECT_EQ(form->mnPage->Count(), 4);
    EXPECT_EQ(form->LaunchList().Pages().Items(1)->BtnCount, 10);
    ExpectIconPerSlot();
}

TEST_F(ValueEditingTest, NewPage_OnTheLastPage_AppendedAndTheViewStays) {
    StartShown({"[Mouse]", "ShowPos=2"});
    form->PageTab->SetTabIndex(1);
    form->ResetPageView();
    auto driver = AnswerValue(std::string("Tools"));
    ASSERT_TRUE(RunAsking([&] { form->mnNewPageClick(nullptr); }, *driver));
    EXPECT_EQ(seen.value, "ページ3");
    EXPECT_EQ(SavedPages(), (Strings{"P1", "P2", "Tools"}));
    EXPECT_EQ(form->PageTab->TabIndex(), 1);
    EXPECT_EQ(form->BtnBar->ButtonCount(), 2);
    ExpectIconPerSlot();
}

TEST_F(ValueEditingTest, Add_ThreeAtButtonTwo_EmptyButtonsThereAndButtonTwoStillSelected) {
    StartShown({"[Mouse]", "ShowPos=2"});
    form->BtnBar->SetBtnIndex(2);
    auto driver = AnswerValue(std::string("3"));
    ASSERT_TRUE(RunAsking([&] { form->mnBtnAddClick(nullptr); }, *driver));
    EXPECT_EQ(seen.caption, "ボタンの追加");
    EXPECT_EQ(seen.message, "1～10個の間で指定 ");
    EXPECT_EQ(seen.value, "1");
    EXPECT_TRUE(seen.defaultShown);
    EXPECT_EQ(SavedTitles(),
              (Strings{"Note", "未登録", "未登録", "未登録", "未登録", "Site", "2.1", "2.2"}));
    EXPECT_EQ(form->BtnBar->BtnIndex(), 2);
    ExpectIconPerSlot();
}

TEST_F(ValueEditingTest, Add_OnAPageWithoutButtons_Appended) {
    StartShown({"[Mouse]", "ShowPos=2"});
    // A data file never holds a page without buttons; one in memory has had its slots taken.
    TLaunchList& list = form->LaunchList();
    const int first = list.ItemIndex(1, 0);
    list.Pages().Items(1)->BtnCount = 0;
    list.Delete(first + 1);
    list.Delete(first);
    form->Icons().Delete(first + 1);
    form->Icons().Delete(first);
    form->PageTab->SetTabIndex(1);
    form->ResetPageView();
    OpenMenu([&] { RightClickTitle(); });
    EXPECT_FALSE(form->mnBtnTitle->Visible());
    EXPECT_FALSE(form->mnBtnDel->Enabled());
    EXPECT_FALSE(form->mnBtnCls->Enabled());
    auto driver = AnswerValue(std::string("2"));
    ASSERT_TRUE(RunAsking([&] { form->mnBtnAddClick(nullptr); }, *driver));
    EXPECT_EQ(form->LaunchList().Pages().Items(1)->BtnCount, 2);
    EXPECT_EQ(SavedTitles(), (Strings{"Note", "未登録", "Site", "未登録", "未登録"}));
    ExpectIconPerSlot();
}

TEST_F(ValueEditingTest, Sort_ByUseCountDescending_MostUsedFirstAndSelected) {
    kbtest::MakeDir(UserFolder());
    {
        TLaunchList list;
        ClearPages(list);
        list.AddPage("P1", 3, 0);
        const int uses[] = {2, 7, 4};
        for (int s = 0; s < 3; ++s) {
            list.Items(0, s)->Title = "T" + std::to_string(s);
            list.Items(0, s)->UseCount = uses[s];
        }
        list.SetFileName(DataFile());
        list.SaveToFile();
    }
    StartShown({"[Mouse]", "ShowPos=2"});
    form->BtnBar->SetBtnIndex(2);
    auto driver = AnswerValue(std::nullopt, 3);
    ASSERT_TRUE(RunAsking([&] { form->mnBtnsortClick(nullptr); }, *driver));
    EXPECT_EQ(seen.caption, "ボタン並べ替え方法の選択");
    EXPECT_EQ(seen.message, "並べ替えの基準を選択して下さい");
    EXPECT_EQ(seen.items, SortOrderChoices());
    EXPECT_EQ(seen.selected, 0);
    EXPECT_EQ(SavedTitles(), (Strings{"T1", "T2", "T0"}));
    EXPECT_EQ(form->BtnBar->BtnIndex(), 0);
    ExpectIconPerSlot();
}

TEST_F(ValueEditingTest, Sort_Cancelled_NothingMoves) {
    StartShown({"[Mouse]", "ShowPos=2"});
    auto driver = AnswerValue(std::nullopt, 1, false);
    ASSERT_TRUE(RunAsking([&] { form->mnBtnsortClick(nullptr); }, *driver));
    EXPECT_EQ(SavedTitles(), (Strings{"Note", "未登録", "Site", "2.1", "2.2"}));
}

TEST_F(ValueEditingTest, SpecialFolder_TwentySixInOrderAndTheChosenOneRegistered) {
    StartShown({"[Mouse]", "ShowPos=2"});
    form->BtnBar->SetBtnIndex(1);
    auto driver = AnswerValue(std::nullopt, 0);
    ASSERT_TRUE(RunAsking([&] { form->mnRegSpfolderClick(nullptr); }, *driver));
    EXPECT_EQ(seen.caption, "登録する特殊フォルダの選択");
    EXPECT_EQ(seen.message, "");
    ASSERT_EQ(seen.items.size(), 26u);
    EXPECT_EQ(seen.selected, 0);
    const std::string suffix = " (All Users)";
    for (size_t i = 0; i < seen.items.size(); ++i) {
        const std::string& name = seen.items[i];
        const bool allUsers = name.size() > suffix.size() &&
                              name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
        EXPECT_EQ(allUsers, i >= 5 && i <= 8) << name;
    }
    const TLaunchDataItem& item = *form->LaunchList().Items(0, 1);
    EXPECT_EQ(item.Kind, ikSpecialFolder);
    EXPECT_EQ(item.Path, "rfDesktop");
    ExpectIconPerSlot();
}

TEST_F(ValueEditingTest, SpecialFolder_TheSystemLacksIt_ListedByNameAndSlotUnchanged) {
    ShellWithout shell;
    shell.specialFolders = false;
    env->shell = &shell;
    StartShown({"[Mouse]", "ShowPos=2"});
    form->BtnBar->SetBtnIndex(1);
    auto driver = AnswerValue(std::nullopt, 13);
    ASSERT_TRUE(RunAsking([&] { form->mnRegSpfolderClick(nullptr); }, *driver));
    ASSERT_EQ(seen.items.size(), 26u);
    EXPECT_EQ(seen.items[13], "rfInternet");
    EXPECT_EQ(seen.items[5], "rfCommonDesktopDirectory (All Users)");
    EXPECT_EQ(form->LaunchList().Items(0, 1)->Kind, ikUnregistered);
    EXPECT_EQ(form->WindowState().Suspensions(), 0);
    ExpectIconPerSlot();
    form.reset();
}

TEST_F(ValueEditingTest, ButtonSize_NewSizeOnTheBarTheWindowAndTheIniAfterExit) {
    StartShown({"[Mouse]", "ShowPos=2"});
    const int width = form->ClientWidth();
    const int left = form->Left(), top = form->Top();
    auto driver = AnswerValue(std::string("48"));
    ASSERT_TRUE(RunAsking([&] { form->mnBtnSizeClick(nullptr); }, *driver));
    EXPECT_EQ(seen.caption, "ボタンサイズの変更");
    EXPECT_EQ(seen.message, "24～72の間で指定 (標準 40) ");
    EXPECT_EQ(seen.value, "40");
    EXPECT_TRUE(seen.defaultShown);
    EXPECT_EQ(seen.rect.left, left + 16);
    EXPECT_EQ(seen.rect.top, top + 16);
    EXPECT_EQ(form->BtnBar->BtnSize(), 48);
    EXPECT_EQ(form->ClientWidth(), width / 40 * 48);
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(form->WindowState().Suspensions(), 0);
    SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_NE(kbtest::ReadBytes(IniFile()).find("BtnSize=48"), std::string::npos);
}

TEST_F(ValueEditingTest, ButtonsPerRowAndRows_InTheLayoutAndTheIniAfterExit) {
    StartShown({"[Mouse]", "ShowPos=2"});
    const int width = form->ClientWidth();
    {
        auto driver = AnswerValue(std::string("12"));
        ASSERT_TRUE(RunAsking([&] { form->nmFormSizeClick(nullptr); }, *driver));
        EXPECT_EQ(seen.caption, "ボタン横表示数の変更");
        EXPECT_EQ(seen.message, "10～50の間で指定 (標準 10) ");
        EXPECT_EQ(seen.value, "10");
    }
    EXPECT_EQ(form->Cfg().FormSize, 12);
    EXPECT_EQ(form->ClientWidth(), width + 2 * form->BtnBar->BtnSize());
    const int height = form->ClientHeight();
    {
        auto driver = AnswerValue(std::string("2"));
        ASSERT_TRUE(RunAsking([&] { form->nmFormVSizeClick(nullptr); }, *driver));
        EXPECT_EQ(seen.caption, "ボタン列数の変更");
        EXPECT_EQ(seen.message, "1～10の間で指定 (標準 1) ");
        EXPECT_EQ(seen.value, "1");
    }
    EXPECT_EQ(form->Cfg().RowMax, 2);
    EXPECT_EQ(form->ClientHeight(), height + form->BtnBar->BtnSize());
    {
        auto driver = AnswerValue(std::string("5"), std::nullopt, false);
        ASSERT_TRUE(RunAsking([&] { form->nmFormVSizeClick(nullptr); }, *driver));
    }
    EXPECT_EQ(form->Cfg().RowMax, 2);
    SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
    const std::string ini = kbtest::ReadBytes(IniFile());
    EXPECT_NE(ini.find("FormSize=12"), std::string::npos);
    EXPECT_NE(ini.find("RowMax=2"), std::string::npos);
}

// ---- Special folders from the shell ------------------------------------------------------------

TEST(SpecialFolderChoice, SystemShell_TwentySixNamesAllUsersOnesMarked) {
    const Strings names = SpecialFolderChoices([](TRootFolder f) {
        return DisplayNameOfPidl(*RootFolderPidl(f, LocalShell()), LocalShell());
    });
    ASSERT_EQ(names.size(), 26u);
    const std::string suffix = " (All Users)";
    for (size_t i = 0; i < names.size(); ++i) {
        const bool marked =
            names[i].size() > suffix.size() &&
            names[i].compare(names[i].size() - suffix.size(), suffix.size(), suffix) == 0;
        EXPECT_EQ(marked, i >= 5 && i <= 8) << names[i];
    }
}

TEST(SpecialFolderChoice, FolderTheSystemLacks_NoItemAndNoError) {
    ShellWithout shell;
    EXPECT_EQ(SpecialFolderItem(0, shell)->Path, "rfDesktop");
    EXPECT_EQ(SpecialFolderItem(0, shell)->Kind, ikSpecialFolder);
    shell.specialFolders = false;
    EXPECT_EQ(SpecialFolderItem(0, shell), nullptr);
    EXPECT_EQ(SpecialFolderItem(-1, shell), nullptr);
    EXPECT_EQ(SpecialFolderItem(26, shell), nullptr);
}
