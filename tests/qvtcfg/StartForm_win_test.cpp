// The start form in this process: its design (components, places, texts, tab order, font), its
// centring, the radio buttons' Mode, "設定" opening the chosen editor 16 pixels in with the full
// path of the field, the refusal and where it shows, the open dialog, "終了", and an editor's
// error leaving the form open.
#include "qvtcfg/StartForm.h"

#include "qvtcfg/CfgTesting.h"

#include "forms/base/Codepage.h"
#include "forms/base/Paths.h"
#include "forms/win/Screen.h"
#include "support/SaveFaults.h"
#include "support/TempDir.h"
#include "support/WinTest.h"
#include "support/WinTesting.h"

#include <gmock/gmock.h>

using namespace forms;
using cfgtest::RecordingEnvironment;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

constexpr int kOpenDialogFileName = 1148; // cmb13
constexpr int kOpenDialogTypes = 1136;    // cmb1

struct StartFormTest : WinTest {
    void SetUp() override {
        WinTest::SetUp();
        form = MakeScoped<TCfgMain>(env);
        form->Show();
        kbtest::BringToFront(form->Handle());
        ASSERT_TRUE(kbtest::PumpUntil([this] { return kbtest::Painted(form->Handle()); }));
    }
    void TearDown() override {
        form.reset();
        WinTest::TearDown();
    }
    std::string MakeIni(const std::string& relative = "qvtdock.ini") {
        const std::string path = dir.File(relative);
        kbtest::WriteBytes(path, "[Bounds]\r\n");
        return path;
    }
    void PressCfg() {
        const TRect b = form->BtnCfg->BoundsRect();
        kbtest::ClickAt(form->BtnCfg->Handle(), b.Width() / 2, b.Height() / 2);
        kbtest::PumpPosted();
    }
    // Presses "設定" and reads the refusal that shows.
    kbtest::MessageDialogView Refusal() {
        kbtest::MessageDialogView view;
        {
            kbtest::WindowDriver driver(L"TMessageForm",
                                        [&](HWND box) { view = cfgtest::ReadAndClose(box); });
            form->BtnCfgClick(form->BtnCfg);
        }
        return view;
    }

    kbtest::TempDir dir;
    RecordingEnvironment env;
    Scoped<TCfgMain> form;
};

void ExpectPlace(TControl* c, int left, int top) {
    EXPECT_EQ(c->Left(), left) << c->ClassName();
    EXPECT_EQ(c->Top(), top) << c->ClassName();
}

void ExpectBounds(TControl* c, int left, int top, int width, int height) {
    EXPECT_EQ(c->BoundsRect(), Bounds(left, top, width, height)) << c->ClassName();
}

} // namespace

// ---- design ----

TEST_F(StartFormTest, ADialogFormOfItsOwnClassWithTheCaptionAndClientSize) {
    EXPECT_EQ(kbtest::ClassNameOf(form->Handle()), L"TCfgMain");
    EXPECT_EQ(kbtest::WindowText(form->Handle()), "K+Bandeo Config");
    EXPECT_EQ(form->BorderStyle(), TFormBorderStyle::bsDialog);
    RECT client{};
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 416);
    EXPECT_EQ(client.bottom, 144);
    EXPECT_EQ(GetWindowLongW(form->Handle(), GWL_STYLE) & WS_THICKFRAME, 0);
    EXPECT_EQ(form->Font().Name(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(form->Font().Height(), -12);
    EXPECT_EQ(form->Font().Charset(), SHIFTJIS_CHARSET);
}

TEST_F(StartFormTest, EveryComponentWhereTheDesignPutsItWithItsText) {
    ExpectPlace(form->Label2, 8, 8);
    EXPECT_EQ(kbtest::WindowText(form->Label2->Handle()), "設定ファイル(QVTDOCK.INI)");
    ExpectBounds(form->IniEdit, 8, 24, 401, 20);
    EXPECT_EQ(form->IniEdit->Text(), "");
    ExpectBounds(form->Bevel1, 8, 56, 289, 57);
    ExpectBounds(form->Radio1, 24, 64, 113, 17);
    EXPECT_EQ(kbtest::WindowText(form->Radio1->Handle()), "環境設定");
    ExpectBounds(form->Radio2, 24, 88, 113, 17);
    EXPECT_EQ(kbtest::WindowText(form->Radio2->Handle()), "スタイルの設定");
    ExpectBounds(form->BtnCfg, 184, 64, 97, 41);
    EXPECT_EQ(kbtest::WindowText(form->BtnCfg->Handle()), "設定");
    ExpectBounds(form->BtnClose, 312, 64, 97, 41);
    EXPECT_EQ(kbtest::WindowText(form->BtnClose->Handle()), "終了");
    ExpectPlace(form->Label1, 8, 128);
    EXPECT_EQ(kbtest::WindowText(form->Label1->Handle()),
              "[設定ファイル]を指定した後[[設定]ボタンを押すとダイアログが表示されます。");
    EXPECT_EQ(kbtest::ClassNameOf(form->IniEdit->Handle()), L"TEllipsisEdit");
    EXPECT_EQ(kbtest::ClassNameOf(form->Bevel1->Handle()), L"TBevel");
}

TEST_F(StartFormTest, TheSettingsEditorIsChosenAtStart) {
    EXPECT_TRUE(form->Radio1->Checked());
    EXPECT_FALSE(form->Radio2->Checked());
    EXPECT_EQ(form->Radio1->Tag(), 0);
    EXPECT_EQ(form->Radio2->Tag(), 1);
    EXPECT_EQ(form->Mode, 0);
}

TEST_F(StartFormTest, TabOrderIsFieldRadiosSettingsClose) {
    EXPECT_EQ(form->IniEdit->TabOrder(), 0);
    EXPECT_EQ(form->Radio1->TabOrder(), 1);
    EXPECT_EQ(form->Radio2->TabOrder(), 2);
    EXPECT_EQ(form->BtnCfg->TabOrder(), 3);
    EXPECT_EQ(form->BtnClose->TabOrder(), 4);
    // With real keys: only the checked radio button is a stop.
    form->IniEdit->SetFocus();
    ASSERT_TRUE(kbtest::PumpUntil([this] { return form->IniEdit->Focused(); }));
    for (TWinControl* next :
         std::vector<TWinControl*>{form->Radio1, form->BtnCfg, form->BtnClose, form->IniEdit}) {
        kbtest::PressKey(VK_TAB);
        EXPECT_TRUE(kbtest::PumpUntil([next] { return next->Focused(); })) << next->ClassName();
    }
}

TEST_F(StartFormTest, FormCreateCentresTheFormOnTheScreen) {
    EXPECT_EQ(form->Left(), (Screen.Width() - form->Width()) / 2);
    EXPECT_EQ(form->Top(), (Screen.Height() - form->Height()) / 2);
    const RECT r = kbtest::ScreenRectOf(form->Handle());
    EXPECT_EQ(r.left, form->Left());
    EXPECT_EQ(r.top, form->Top());
}

TEST_F(StartFormTest, TheRadioButtonsSetModeToTheirTag) {
    kbtest::ClickAt(form->Radio2->Handle(), 8, 8);
    EXPECT_TRUE(kbtest::PumpUntil([this] { return form->Mode == 1; }));
    EXPECT_TRUE(form->Radio2->Checked());
    kbtest::ClickAt(form->Radio1->Handle(), 8, 8);
    EXPECT_TRUE(kbtest::PumpUntil([this] { return form->Mode == 0; }));
}

// ---- "設定" ----

TEST_F(StartFormTest, SettingsOpensTheSettingsEditorAtTheCornerPlusSixteen) {
    const std::string ini = MakeIni();
    form->IniEdit->SetText(ini);
    PressCfg();
    ASSERT_EQ(env.editors.size(), 1u);
    EXPECT_EQ(env.editors[0].editor, "cfg");
    EXPECT_EQ(env.editors[0].x, form->Left() + 16);
    EXPECT_EQ(env.editors[0].y, form->Top() + 16);
    EXPECT_FALSE(env.editors[0].centre);
    EXPECT_EQ(env.editors[0].path, ini);
    EXPECT_TRUE(form->Visible());
}

TEST_F(StartFormTest, WithTheStyleChosenTheStyleEditorOpensAndTheFormStaysForAnother) {
    const std::string ini = MakeIni();
    form->IniEdit->SetText(ini);
    form->SetBounds(40, 30, form->Width(), form->Height());
    form->Radio2->SetChecked(true);
    EXPECT_EQ(form->Mode, 1);
    PressCfg();
    form->Radio1->SetChecked(true);
    PressCfg();
    ASSERT_EQ(env.editors.size(), 2u);
    EXPECT_EQ(env.editors[0].editor, "style");
    EXPECT_EQ(env.editors[0].x, 56);
    EXPECT_EQ(env.editors[0].y, 46);
    EXPECT_EQ(env.editors[1].editor, "cfg");
}

TEST_F(StartFormTest, AnyOtherModeOpensNothing) {
    form->IniEdit->SetText(MakeIni());
    form->Mode = 2;
    PressCfg();
    EXPECT_TRUE(env.editors.empty());
}

TEST_F(StartFormTest, ARelativeNameReachesTheEditorAsTheFullPathInTheCurrentFolder) {
    MakeIni();
    wchar_t before[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, before);
    ASSERT_TRUE(SetCurrentDirectoryW(cp932::Wide(dir.Path()).c_str()));
    form->IniEdit->SetFocus();
    ASSERT_TRUE(kbtest::PumpUntil([this] { return form->IniEdit->Focused(); }));
    for (const wchar_t ch : std::wstring(L"qvtdock.ini"))
        kbtest::TypeChar(ch);
    ASSERT_TRUE(kbtest::PumpUntil([this] { return form->IniEdit->Text() == "qvtdock.ini"; }));
    PressCfg();
    SetCurrentDirectoryW(before);
    ASSERT_EQ(env.editors.size(), 1u);
    EXPECT_EQ(env.editors[0].path, dir.File("qvtdock.ini"));
}

TEST_F(StartFormTest, AnEditorsErrorIsShownAndTheFormStays) {
    form->IniEdit->SetText(MakeIni());
    env.editorFails = [] { throw Exception("設定ファイルを保存できません"); };
    PressCfg();
    ASSERT_THAT(errors, ElementsAre("設定ファイルを保存できません"));
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST_F(StartFormTest, AnEditorsSaveThatFailsIsShownOnceKeepsTheFileAndTheNextOkWrites) {
    const std::string ini = MakeIni();
    form->IniEdit->SetText(ini);
    env.realEditors = true;
    const auto pressOk = [this](const wchar_t* editor) {
        kbtest::WindowDriver driver(editor, [](HWND e) {
            PostMessageW(kbtest::FindChildWindow(e, L"TButton", "OK"), BM_CLICK, 0, 0);
        });
        PressCfg();
        EXPECT_TRUE(driver.Acted());
    };
    for (const int mode : {0, 1})
        for (const kbtest::SaveFault fault : kbtest::kSaveFaults) {
            SCOPED_TRACE(std::to_string(mode) + ", " + kbtest::Name(fault));
            const wchar_t* editor = mode == 0 ? L"TfmCfg" : L"TfmStyle";
            form->Mode = mode;
            errors.clear();
            kbtest::Inflict(fault, ini);
            pressOk(editor);
            kbtest::Clear(fault, ini);
            ASSERT_EQ(errors.size(), 1u);
            EXPECT_THAT(errors[0], HasSubstr(ini));
            EXPECT_EQ(kbtest::ReadBytes(ini), "[Bounds]\r\n");
            EXPECT_TRUE(IsWindowVisible(form->Handle()));
            pressOk(editor);
            EXPECT_EQ(errors.size(), 1u);
            EXPECT_NE(kbtest::ReadBytes(ini), "[Bounds]\r\n");
            kbtest::WriteBytes(ini, "[Bounds]\r\n");
        }
}

// ---- the refusal ----

TEST_F(StartFormTest, AnEmptyFieldIsRefusedAtTheCornerPlusSixteen) {
    form->SetBounds(60, 50, form->Width(), form->Height());
    const auto view = Refusal();
    ASSERT_TRUE(view.found);
    EXPECT_EQ(view.caption, "エラー");
    EXPECT_THAT(view.text, HasSubstr("【 ファイルエラー 】"));
    EXPECT_THAT(view.text, HasSubstr("設定ファイルが見つかりません。"));
    EXPECT_THAT(view.buttons, ElementsAre("OK"));
    EXPECT_EQ(view.rect.left, 76);
    EXPECT_EQ(view.rect.top, 66);
    EXPECT_TRUE(env.editors.empty());
    EXPECT_EQ(form->IniEdit->Text(), "");
}

TEST_F(StartFormTest, AMissingFileAnotherNameAndAFolderAreRefused) {
    MakeIni("other.ini");
    for (const std::string& text :
         {dir.File("qvtdock.ini"), dir.File("other.ini"), dir.Path() + "\\"}) {
        form->IniEdit->SetText(text);
        const auto view = Refusal();
        EXPECT_THAT(view.text, HasSubstr("設定ファイルが見つかりません。")) << text;
        EXPECT_EQ(form->IniEdit->Text(), text);
    }
    EXPECT_TRUE(env.editors.empty());
}

TEST_F(StartFormTest, ACornerAtMinusSixteenPutsTheRefusalAtThePointer) {
    // Left + 16 = 0, which the titled message reads as "at the pointer".
    form->SetBounds(-16, 100, form->Width(), form->Height());
    wintest::PointAt(400, 300);
    const auto view = Refusal();
    ASSERT_TRUE(view.found);
    EXPECT_EQ(view.rect.left, 384);
    EXPECT_EQ(view.rect.top, 116);
}

// ---- the open dialog and "終了" ----

TEST_F(StartFormTest, TheFieldsButtonPicksTheFileStartingInTheProgramFolder) {
    const std::string ini = MakeIni();
    env.programPaths = std::vector<std::string>{dir.File("qvtcfg.exe")};
    std::string title;
    std::vector<std::string> types;
    std::wstring proposed;
    {
        kbtest::WindowDriver driver(L"#32770", [&](HWND dialog) {
            kbtest::WaitUntil(
                [&] { return IsWindowVisible(GetDlgItem(dialog, kOpenDialogTypes)); });
            title = kbtest::WindowText(dialog);
            const HWND typesBox = GetDlgItem(dialog, kOpenDialogTypes);
            wchar_t text[128] = {};
            SendMessageW(typesBox, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
            types.push_back(cp932::Narrow(text));
            types.push_back(std::to_string(SendMessageW(typesBox, CB_GETCOUNT, 0, 0)));
            const HWND name =
                kbtest::FindChildWindow(GetDlgItem(dialog, kOpenDialogFileName), L"Edit");
            wchar_t shown[MAX_PATH] = {};
            GetWindowTextW(name, shown, MAX_PATH);
            proposed = shown;
            PostMessageW(dialog, WM_COMMAND, IDOK, 0); // the proposed name in the first folder
        });
        form->IniEdit->EllipsisClick();
    }
    EXPECT_EQ(title, "設定ファイル（QVTDOCK.INI）の指定");
    EXPECT_THAT(types, ElementsAre("設定ファイル(*.INI)", "1"));
    EXPECT_EQ(proposed, L"qvtdock.ini");
    EXPECT_EQ(form->IniEdit->Text(), ini);
    EXPECT_EQ(form->ComponentCount(), 8); // the dialog went with its run
}

TEST_F(StartFormTest, ACancelledDialogLeavesTheField) {
    form->IniEdit->SetText("C:\\kept\\qvtdock.ini");
    {
        kbtest::WindowDriver driver(
            L"#32770", [](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); });
        form->IniEdit->EllipsisClick();
    }
    EXPECT_EQ(form->IniEdit->Text(), "C:\\kept\\qvtdock.ini");
}

TEST_F(StartFormTest, CloseClosesTheForm) {
    const TRect b = form->BtnClose->BoundsRect();
    kbtest::ClickAt(form->BtnClose->Handle(), b.Width() / 2, b.Height() / 2);
    EXPECT_TRUE(kbtest::PumpUntil([this] { return !IsWindowVisible(form->Handle()); }));
}
