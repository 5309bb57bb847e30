// The settings editor in this process: its design, the action lists, what it shows of the
// settings file and writes back, the enable rules and the last-button rule under real clicks, the
// restores of each page, the key fields and the hot-key field under real keys, the dialog keys of
// the keyboard page, the screen picture, the data editor's folder and the program pickers.
#include "qvtcfg/SettingsEditorForm.h"

#include "forms/base/Codepage.h"
#include "forms/base/Paths.h"
#include "forms/base/SettingsFile.h"
#include "forms/win/Application.h"
#include "qvtcfg/CfgIniBytes.h"
#include "qvtcfg/RoundTrip.h"
#include "qvtcfg/SettingsEditor.h"
#include "shared/FileUtils.h"
#include "support/TempDir.h"
#include "support/WinTest.h"
#include "support/WinTesting.h"

#include <commctrl.h>

#include <gmock/gmock.h>

using namespace forms;
using ::testing::ElementsAre;
using ::testing::EndsWith;

namespace {

constexpr int kOpenDialogFileName = 1148; // cmb13
constexpr int kOpenDialogTypes = 1136;    // cmb1

struct SettingsEditorTest : WinTest {
    void TearDown() override {
        form.reset();
        WinTest::TearDown();
    }

    void WriteIni(const std::string& bytes) { kbtest::WriteBytes(ini, bytes); }
    // The editor as ShowCfgForm makes it, shown without a modal loop.
    void Open() {
        form = MakeScoped<TfmCfg>();
        form->LoadIni(ini);
        form->SetBounds(100, 100, form->Width(), form->Height());
        form->Show();
        kbtest::BringToFront(form->Handle());
        ASSERT_TRUE(kbtest::PumpUntil([this] { return kbtest::Painted(form->Handle()); }));
    }
    // Shows a page by a click on its tab, as the user does.
    void ClickTab(TPageControl* pages, TTabSheet* sheet) {
        const int index = sheet->PageIndex();
        RECT r{};
        SendMessageW(pages->Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&r));
        kbtest::ClickAt(pages->Handle(), (r.left + r.right) / 2, (r.top + r.bottom) / 2);
        ASSERT_TRUE(kbtest::PumpUntil([&] { return pages->ActivePage() == sheet; }));
        kbtest::PumpPosted();
    }
    void Click(TControl* c) {
        kbtest::ClickAt(c->Handle(), c->Width() / 2, c->Height() / 2);
        kbtest::PumpPosted();
    }
    void Focus(TWinControl* c) {
        c->SetFocus();
        ASSERT_TRUE(kbtest::PumpUntil([c] { return GetFocus() == c->Handle(); }));
    }
    std::string Key(const char* section, const char* key) {
        return TSettingsFile(ini).ReadString(section, key, "<none>");
    }
    std::vector<std::string> Items(const TStrings& items) {
        std::vector<std::string> lines;
        for (int i = 0; i < items.Count(); ++i)
            lines.push_back(items.Strings(i));
        return lines;
    }
    std::vector<bool> Checked(const std::vector<TButtonControl*>& boxes) {
        std::vector<bool> states;
        for (TButtonControl* b : boxes)
            states.push_back(b->Checked());
        return states;
    }
    std::vector<TButtonControl*> LaunchButtons() {
        return {form->CheckBoxL, form->CheckBoxM, form->CheckBoxR, form->CheckBoxM4,
                form->CheckBoxM5};
    }

    kbtest::TempDir dir;
    std::string ini = dir.File("qvtdock.ini");
    Scoped<TfmCfg> form;
};

void ExpectBounds(TControl* c, int left, int top, int width, int height) {
    EXPECT_EQ(c->BoundsRect(), Bounds(left, top, width, height)) << c->ClassName();
}

} // namespace

// ---- design ----

TEST_F(SettingsEditorTest, ADialogOfItsOwnClassWithCaptionSizeAndSixPages) {
    Open();
    EXPECT_EQ(kbtest::ClassNameOf(form->Handle()), L"TfmCfg");
    EXPECT_EQ(kbtest::WindowText(form->Handle()), "K+Bandeoの環境設定");
    EXPECT_EQ(form->BorderStyle(), TFormBorderStyle::bsDialog);
    EXPECT_EQ(form->ClientWidth(), 416);
    EXPECT_EQ(form->ClientHeight(), 370);
    EXPECT_EQ(form->Font().Name(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(form->Font().Height(), -12);
    std::vector<std::string> pages, inner;
    for (int i = 0; i < form->PageControl1->PageCount(); ++i)
        pages.push_back(kbtest::WindowText(form->PageControl1->Pages(i)->Handle()));
    for (int i = 0; i < form->PageControl2->PageCount(); ++i)
        inner.push_back(kbtest::WindowText(form->PageControl2->Pages(i)->Handle()));
    EXPECT_THAT(pages, ElementsAre("全般", "操作", "ランチャー表示1", "ランチャー表示2", "ドロップ",
                                   "その他"));
    EXPECT_THAT(inner, ElementsAre("マウスボタンクリック", "マウスホイール", "キーボード"));
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet1);
    ExpectBounds(form->PageControl1, 0, 0, 416, 337);
    ExpectBounds(form->SBDef, 8, 344, 113, 21);
    ExpectBounds(form->OkBtn, 224, 344, 89, 21);
    ExpectBounds(form->BtnCancel, 320, 344, 89, 21);
    EXPECT_EQ(kbtest::WindowText(form->OkBtn->Handle()), "OK");
    EXPECT_EQ(kbtest::WindowText(form->BtnCancel->Handle()), "キャンセル");
    EXPECT_EQ(form->SBDef->Caption(), "初期値に戻す");
    // Enter does not press OK before the keyboard page has been left.
    EXPECT_EQ(form->DefaultButton(), nullptr);
    EXPECT_EQ(form->CancelButton(), form->BtnCancel);
    EXPECT_LT(form->OkBtn->TabOrder(), form->BtnCancel->TabOrder());
    EXPECT_LT(form->BtnCancel->TabOrder(), form->PageControl1->TabOrder());
}

TEST_F(SettingsEditorTest, TheScreenPictureAndItsEdgeBoxesStandWhereTheyBelong) {
    Open();
    ExpectBounds(form->DesktopBox, 161, 64, 80, 48);
    ExpectBounds(form->CheckPop[4], 113, 36, 41, 17);
    ExpectBounds(form->CheckPop[1], 185, 36, 41, 17);
    ExpectBounds(form->CheckPop[5], 257, 36, 41, 17);
    ExpectBounds(form->CheckPop[0], 113, 80, 41, 17);
    ExpectBounds(form->CheckPop[2], 257, 80, 41, 17);
    ExpectBounds(form->CheckPop[6], 113, 120, 41, 17);
    ExpectBounds(form->CheckPop[3], 185, 120, 41, 17);
    ExpectBounds(form->CheckPop[7], 257, 120, 41, 17);
    EXPECT_EQ(form->RadioRev[4]->Left(), 187);
    EXPECT_EQ(form->RadioRev[4]->Top(), 252);
    EXPECT_EQ(form->RadioRev[8]->Left(), 263);
    EXPECT_EQ(form->RadioRev[8]->Top(), 272);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(form->RadioRev[i]->Tag(), i);
    EXPECT_EQ(form->CheckPop[4]->Caption(), "左上");
    EXPECT_EQ(form->RadioRev[7]->Caption(), "下");

    ClickTab(form->PageControl1, form->TabSheet7);
    const HWND page = form->TabSheet7->Handle();
    ASSERT_TRUE(kbtest::PumpUntil([&] { return kbtest::Painted(form->Handle()); }));
    const COLORREF desktop = ColorToRGB(clBackground), face = ColorToRGB(clBtnFace);
    EXPECT_TRUE(kbtest::PumpUntil([&] { return kbtest::ReadPixel(page, 201, 88) == desktop; }));
    EXPECT_EQ(kbtest::ReadPixel(page, 162, 65), desktop);
    EXPECT_EQ(kbtest::ReadPixel(page, 161, 88), face);
    EXPECT_EQ(kbtest::ReadPixel(page, 240, 88), face);
    EXPECT_EQ(kbtest::ReadPixel(page, 201, 64), face);
    EXPECT_EQ(kbtest::ReadPixel(page, 201, 111), face);
}

TEST_F(SettingsEditorTest, EveryActionListHoldsTheFifteenActionsAndNamesItsDefaultAsTooltip) {
    WriteIni("[MouseBtnAction]\r\nBtn4=1\r\nLeft=7\r\n");
    Open();
    EXPECT_EQ(Application.HintHidePause, 30000);
    EXPECT_EQ(Application.HintPause, 100);
    EXPECT_EQ(Application.HintShortPause, 10);
    const char* defaults[] = {"指定なし",           "メニューを表示",   "登録ファイルを実行",
                              "前のページに移動",   "次のページに移動", "ページ内を左へ移動",
                              "ページ内を右へ移動", "指定なし",         "指定なし",
                              "前のページに移動",   "次のページに移動", "前のページに移動",
                              "次のページに移動"};
    for (int i = 0; i < kActionComboCount; ++i) {
        TComboBox* list = form->ComboBox[i];
        EXPECT_EQ(list->Items().Count(), 15) << i;
        EXPECT_EQ(list->DropDownCount(), 15) << i;
        EXPECT_EQ(list->Hint(), defaults[i]) << i;
        EXPECT_TRUE(list->ShowHint()) << i;
        EXPECT_EQ(list->Style(), TComboBoxStyle::csDropDownList) << i;
    }
    EXPECT_EQ(form->ComboBox[0]->Items().Strings(10), "K+Bandeoを終了");
    // The values read select their items; the tooltips stay the defaults' names.
    EXPECT_EQ(form->ComboBox[3]->ItemIndex(), 1);
    EXPECT_EQ(form->ComboBox[0]->ItemIndex(), 7);
    EXPECT_EQ(form->ComboBox[3]->Hint(), "前のページに移動");
    EXPECT_EQ(form->ComboBox[1]->ItemIndex(), 1);
}

TEST_F(SettingsEditorTest, AnActionLabelsAcceleratorFocusesItsList) {
    Open();
    ClickTab(form->PageControl1, form->TabSheet2);
    Focus(form->ComboBox[0]);
    kbtest::PressKey('M', false, false, true); // "ホイールボタン[中央](&M):"
    EXPECT_TRUE(kbtest::PumpUntil([this] { return form->ComboBox[2]->Focused(); }));
    ClickTab(form->PageControl2, form->TabSheet5);
    Focus(form->ComboBox[5]);
    kbtest::PressKey('X', false, false, true); // "右ボタン＋下にスクロール(&X):"
    EXPECT_TRUE(kbtest::PumpUntil([this] { return form->ComboBox[12]->Focused(); }));
    EXPECT_EQ(form->ComboBox[12]->ItemIndex(), 14); // focused, not changed
}

TEST_F(SettingsEditorTest, TheShortcutListNamesTheFourFoldersAndTheSharedOnesForAllUsers) {
    Open();
    const auto items = Items(form->ComboBoxScm->Items());
    ASSERT_EQ(items.size(), 4u);
    EXPECT_THAT(items[0], ::testing::Not(EndsWith(" (All Users)")));
    EXPECT_THAT(items[1], EndsWith(" (All Users)"));
    EXPECT_THAT(items[2], ::testing::Not(EndsWith(" (All Users)")));
    EXPECT_THAT(items[3], EndsWith(" (All Users)"));
    EXPECT_EQ(form->SBtnScmC->Caption(), "作成(&C)");
    EXPECT_EQ(form->SBtnScmD->Caption(), "削除(&D)");
    ClickTab(form->PageControl1, form->TabSheet8);
    EXPECT_EQ(form->ComboBoxScm->ItemIndex(), 0);
}

// ---- loading, enable rules, writing ----

TEST_F(SettingsEditorTest, AMissingFileShowsTheDefaultsAndOkWritesThemInOrder) {
    Open();
    EXPECT_THAT(Checked(LaunchButtons()), ElementsAre(false, false, false, false, false));
    EXPECT_EQ(form->ChkBoxFmVisble->ItemIndex(), 1);
    EXPECT_TRUE(form->RadioRev[0]->Checked());
    EXPECT_EQ(form->Editkey[2]->Text(), "]");
    EXPECT_EQ(form->Editkey[2]->Tag(), 221);
    EXPECT_EQ(form->EdEditorPath->Text(), form->LongProgramFolder_);
    EXPECT_TRUE(form->CheckBoxOutClose->Enabled()); // RunHide is on by default
    EXPECT_FALSE(form->CheckPop[0]->Enabled());
    EXPECT_TRUE(form->CheckPop[0]->Checked());
    EXPECT_FALSE(form->EdUrl->Enabled());
    form->SaveIni(ini);
    EXPECT_EQ(kbtest::ReadBytes(ini), NewCfgIniBytes(form->LongProgramFolder_));
}

TEST_F(SettingsEditorTest, EveryKeyComesBackFromItsOwnControl) {
    using cfgtest::SectionKeys;
    auto values = SectionKeys("Mouse", {}, {"ShowPos=0", "RevisionPoint=7"});
    values = SectionKeys(
        "Key", values,
        {"Show=Ctrl+Alt+K", "ShowPos=2", "0=112", "1=113", "2=65", "3=66", "4=37", "5=46"});
    values = SectionKeys("Edit", values, {"DataEditorPath=C:\\ed\\"});
    values =
        SectionKeys("Connection", values,
                    {"URLExe=C:\\u.exe", "MAILExe=C:\\m.exe", "URLExeParam=-u", "MAILExeParam=-m"});
    values =
        SectionKeys("MouseBtnAction", values, // each off its default and off both show positions
                    {"Left=3", "Right=4", "Middle=5", "Btn4=6", "Btn5=7", "UpScr=8", "DnScr=9",
                     "MUpScr=10", "MDnScr=11", "LUpScr=12", "LDnScr=13", "RUpScr=14", "RDnScr=1"});
    std::vector<cfgtest::TRoundTripKey> flags;
    TAppCfg unused;
    const std::vector<TCfgKey> keys = CfgEditorKeys(unused);
    for (const TCfgKey& k : keys)
        if (k.Type == TCfgKeyType::Boolean)
            flags.push_back({k.Section, k.Key, ""});
    ASSERT_EQ(flags.size() + values.size(), keys.size());
    const std::string out = dir.File("out.ini");
    cfgtest::ExpectRoundTrips(flags, values, ini, out, [&] {
        Open();
        form->SaveIni(out);
        form.reset();
    });
}

TEST_F(SettingsEditorTest, LoadedMastersEnableTheirControlsAndTheStoredStatesAreKept) {
    WriteIni("[Mouse]\r\nRectPopUp=1\r\nRect3=0\r\nInvalidClickDeskTop=0\r\nRunHide=0\r\n"
             "Revision=0\r\n[Connection]\r\nURL=0\r\nURLExe=C:\\b.exe\r\nMAILExe=C:\\m.exe\r\n");
    Open();
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(form->CheckPop[i]->Enabled()) << i;
    EXPECT_FALSE(form->CheckPop[3]->Checked());
    EXPECT_FALSE(form->CheckBoxTaskBar->Enabled());
    EXPECT_FALSE(form->CheckBoxOutClose->Enabled());
    EXPECT_FALSE(form->CheckMouseRevisionTaskBar->Enabled());
    EXPECT_FALSE(form->LbRev->Enabled());
    EXPECT_FALSE(form->RadioRev[4]->Enabled());
    EXPECT_TRUE(form->EdUrl->Enabled());
    EXPECT_TRUE(form->EdUrlParam->Enabled());
    EXPECT_FALSE(form->EdMail->Enabled());
    EXPECT_EQ(form->EdMail->Text(), "C:\\m.exe");

    // A click on a master applies its rule at once.
    ClickTab(form->PageControl1, form->TabSheet7);
    Click(form->CheckRectPop);
    EXPECT_FALSE(form->CheckPop[0]->Enabled());
    Click(form->CheckMouseRevision);
    EXPECT_TRUE(form->RadioRev[4]->Enabled());
    EXPECT_TRUE(form->LbRev->Enabled());
    ClickTab(form->PageControl1, form->TabSheet1);
    Click(form->CheckBoxDeskOnly);
    EXPECT_TRUE(form->CheckBoxTaskBar->Enabled());
    Click(form->CheckBoxHide);
    EXPECT_TRUE(form->CheckBoxOutClose->Enabled());
    ClickTab(form->PageControl1, form->TabSheet8);
    Click(form->CheckBoxCntMail);
    EXPECT_TRUE(form->EdMail->Enabled());
    EXPECT_TRUE(form->EdMailParam->Enabled());

    // Disabled controls are written as they stand.
    form->SaveIni(ini);
    EXPECT_EQ(Key("Mouse", "Rect3"), "0");
    EXPECT_EQ(Key("Mouse", "RectPopUp"), "0");
    EXPECT_EQ(Key("Connection", "MAILExe"), "C:\\m.exe");
    EXPECT_EQ(Key("Connection", "MAIL"), "0");
}

TEST_F(SettingsEditorTest, ValuesNoControlOffersAreWrittenBackUnlessTheUserChooses) {
    WriteIni("[MouseBtnAction]\r\nBtn4=15\r\nBtn5=99\r\nLeft=16\r\n[Mouse]\r\nShowPos=3\r\n"
             "RevisionPoint=9\r\n[Key]\r\nShowPos=-1\r\n");
    Open();
    EXPECT_EQ(form->ComboBox[3]->ItemIndex(), -1);
    EXPECT_EQ(form->ComboBox[4]->ItemIndex(), -1);
    EXPECT_EQ(form->ChkBoxFmVisble->ItemIndex(), -1);
    for (int i = 0; i < 9; ++i)
        EXPECT_FALSE(form->RadioRev[i]->Checked()) << i;
    form->ComboBox[4]->SetItemIndex(3);
    form->SaveIni(ini);
    EXPECT_EQ(Key("MouseBtnAction", "Btn4"), "15");
    EXPECT_EQ(Key("MouseBtnAction", "Btn5"), "3");
    EXPECT_EQ(Key("MouseBtnAction", "Left"), "16");
    EXPECT_EQ(Key("Mouse", "ShowPos"), "3");
    EXPECT_EQ(Key("Key", "ShowPos"), "-1");
    EXPECT_EQ(Key("Mouse", "RevisionPoint"), "9");

    ClickTab(form->PageControl1, form->TabSheet7);
    Click(form->RadioRev[5]);
    form->SaveIni(ini);
    EXPECT_EQ(Key("Mouse", "RevisionPoint"), "5");
}

TEST_F(SettingsEditorTest, TheLastMouseButtonThatCallsTheLauncherCannotBeUnchecked) {
    WriteIni("[Mouse]\r\nLMMiddle=1\r\n");
    Open();
    ClickTab(form->PageControl1, form->TabSheet3);
    Click(form->CheckBoxM);
    EXPECT_THAT(Checked(LaunchButtons()), ElementsAre(false, true, false, false, false));
    Click(form->CheckBoxR);
    Click(form->CheckBoxM);
    EXPECT_THAT(Checked(LaunchButtons()), ElementsAre(false, false, true, false, false));
    Click(form->CheckBoxM4);
    Click(form->CheckBoxR);
    EXPECT_THAT(Checked(LaunchButtons()), ElementsAre(false, false, false, true, false));
}

// ---- restores ----

TEST_F(SettingsEditorTest, RestoringTheFirstLauncherPageLeavesTheMiddleButtonAlone) {
    WriteIni("[Mouse]\r\nLMLeft=1\r\nShowPos=2\r\n[Key]\r\nShow=Ctrl+K\r\nShowPos=0\r\n"
             "[Drop]\r\nDlg=0\r\n");
    Open();
    ClickTab(form->PageControl1, form->TabSheet3);
    form->SBDef->Click();
    EXPECT_THAT(Checked(LaunchButtons()), ElementsAre(false, true, false, false, false));
    EXPECT_EQ(form->showHotKey->Text(), "");
    EXPECT_EQ(form->ChkBoxFmVisble->ItemIndex(), 1);
    EXPECT_EQ(form->ChkBoxKeyVisble->ItemIndex(), 1);
    EXPECT_FALSE(form->CheckBoxDropDlg->Checked()); // another page's
    EXPECT_EQ(kbtest::ReadBytes(ini), "[Mouse]\r\nLMLeft=1\r\nShowPos=2\r\n[Key]\r\nShow=Ctrl+K\r\n"
                                      "ShowPos=0\r\n[Drop]\r\nDlg=0\r\n");
}

TEST_F(SettingsEditorTest, RestoringActsOnTheActiveInnerPageOnly) {
    WriteIni("[MouseBtnAction]\r\nLeft=5\r\nUpScr=5\r\n[Key]\r\n0=65\r\n");
    Open();
    ClickTab(form->PageControl1, form->TabSheet2);
    EXPECT_EQ(form->PageControl2->ActivePage(), form->TabSheet4);
    form->SBDef->Click();
    EXPECT_EQ(form->ComboBox[0]->ItemIndex(), 0);
    EXPECT_EQ(form->ComboBox[0]->Hint(), "指定なし");
    EXPECT_EQ(form->ComboBox[5]->ItemIndex(), 5);
    ClickTab(form->PageControl2, form->TabSheet5);
    form->SBDef->Click();
    EXPECT_EQ(form->ComboBox[5]->ItemIndex(), 11);
    EXPECT_EQ(form->Editkey[0]->Text(), "A");
    ClickTab(form->PageControl2, form->TabSheet6);
    form->SBDef->Click();
    EXPECT_EQ(form->Editkey[0]->Text(), "Enter");
    EXPECT_EQ(form->Editkey[0]->Tag(), 13);
    EXPECT_EQ(form->Editkey[3]->Text(), "[");
    EXPECT_EQ(form->Editkey[3]->Tag(), 219);

    // Shown again, "操作" opens on its first inner page.
    ClickTab(form->PageControl1, form->TabSheet1);
    ClickTab(form->PageControl1, form->TabSheet2);
    EXPECT_EQ(form->PageControl2->ActivePage(), form->TabSheet4);
}

TEST_F(SettingsEditorTest, RestoringTheOtherPagesSetsTheirDefaults) {
    WriteIni("[Mouse]\r\nInvalidClickDeskTop=0\r\nRunHide=0\r\nNotFormMos=1\r\nAutoLock=1\r\n"
             "RectPopUp=1\r\nRect2=0\r\nRevision=0\r\nRevisionPoint=7\r\n[Drop]\r\nOpen=0\r\n"
             "[Connection]\r\nURL=0\r\nURLExe=C:\\b.exe\r\nMAILExeParam=-m\r\n"
             "[Edit]\r\nDataEditorPath=C:\\x\\\r\n");
    Open();
    form->SBDef->Click();
    EXPECT_TRUE(form->CheckBoxDeskOnly->Checked());
    EXPECT_TRUE(form->CheckBoxTaskBar->Enabled());
    EXPECT_TRUE(form->CheckBoxHide->Checked());
    EXPECT_FALSE(form->CheckBoxOutClose->Checked());
    EXPECT_TRUE(form->CheckBoxOutClose->Enabled());
    EXPECT_FALSE(form->CheckAutoLock->Checked());

    ClickTab(form->PageControl1, form->TabSheet7);
    form->SBDef->Click();
    EXPECT_FALSE(form->CheckRectPop->Checked());
    EXPECT_TRUE(form->CheckPop[2]->Checked());
    EXPECT_FALSE(form->CheckPop[2]->Enabled());
    EXPECT_TRUE(form->RadioRev[0]->Checked());
    EXPECT_FALSE(form->RadioRev[7]->Checked());
    EXPECT_TRUE(form->RadioRev[7]->Enabled());

    ClickTab(form->PageControl1, form->TabSheet9);
    form->SBDef->Click();
    EXPECT_TRUE(form->CheckBoxDropOpen->Checked());

    ClickTab(form->PageControl1, form->TabSheet8);
    form->ComboBoxScm->SetItemIndex(2);
    form->SBDef->Click();
    EXPECT_EQ(form->EdUrl->Text(), "");
    EXPECT_EQ(form->EdMailParam->Text(), "");
    EXPECT_TRUE(form->CheckBoxCntUrl->Checked());
    EXPECT_FALSE(form->EdUrl->Enabled());
    EXPECT_EQ(form->EdEditorPath->Text(), form->ProgramFolder_);
    EXPECT_EQ(form->ComboBoxScm->ItemIndex(), 0);
}

// ---- the launcher's keys ----

TEST_F(SettingsEditorTest, TheKeyFieldsTakeTheLastKeyPressedByItsNameOrCharacter) {
    Open();
    ClickTab(form->PageControl1, form->TabSheet2);
    ClickTab(form->PageControl2, form->TabSheet6);
    TEdit* field = form->Editkey[0];
    EXPECT_TRUE(kbtest::PumpUntil([&] { return GetFocus() == field->Handle(); }));
    kbtest::Press(VK_F5);
    EXPECT_EQ(field->Text(), "F5");
    EXPECT_EQ(field->Tag(), 116);
    kbtest::Press('A');
    EXPECT_EQ(field->Text(), "A");
    EXPECT_EQ(field->Tag(), 65);
    kbtest::Press(VK_SPACE);
    EXPECT_EQ(field->Text(), "Space");
    EXPECT_EQ(field->Tag(), 32);
    kbtest::Press(VK_OEM_4);
    EXPECT_EQ(field->Text(), "[");
    EXPECT_EQ(field->Tag(), 219);
    kbtest::Press(VK_NUMPAD5); // what it types depends on Num Lock; the code is kept
    EXPECT_EQ(field->Tag(), 101);
    // Tab and Shift+Tab leave the field as any other; Enter and Esc stay its keys.
    kbtest::Press(VK_TAB);
    EXPECT_EQ(GetFocus(), form->Editkey[1]->Handle());
    kbtest::PressKey(VK_TAB, true);
    kbtest::PumpPosted();
    EXPECT_EQ(GetFocus(), field->Handle());
    EXPECT_EQ(field->Tag(), 101);
    kbtest::Press(VK_ESCAPE);
    EXPECT_EQ(field->Text(), "Esc");
    kbtest::Press(VK_RETURN);
    EXPECT_EQ(field->Text(), "Enter");
    EXPECT_EQ(field->Tag(), 13);
    EXPECT_EQ(form->ModalResult(), mrNone);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_EQ(form->DefaultButton(), nullptr);
    EXPECT_EQ(form->CancelButton(), nullptr);

    Focus(form->Editkey[5]);
    kbtest::Press(VK_SHIFT);
    EXPECT_EQ(form->Editkey[5]->Tag(), 16);
    form->SaveIni(ini);
    EXPECT_EQ(Key("Key", "0"), "13");
    EXPECT_EQ(Key("Key", "5"), "16");
}

TEST_F(SettingsEditorTest, LeavingTheKeyboardPageMakesEnterAndEscTheDialogsKeysAgain) {
    Open();
    ClickTab(form->PageControl1, form->TabSheet2);
    ClickTab(form->PageControl2, form->TabSheet6);
    EXPECT_EQ(form->CancelButton(), nullptr);
    ClickTab(form->PageControl1, form->TabSheet1);
    EXPECT_EQ(form->DefaultButton(), form->OkBtn);
    EXPECT_EQ(form->CancelButton(), form->BtnCancel);
    Focus(form->CheckBoxDeskOnly);
    kbtest::Press(VK_RETURN);
    EXPECT_TRUE(kbtest::PumpUntil([this] { return form->ModalResult() == mrOk; }));
}

// ---- the hot key ----

struct HotKeyTest : SettingsEditorTest {
    void SetUp() override {
        SettingsEditorTest::SetUp();
        Open();
        ClickTab(form->PageControl1, form->TabSheet3);
        Focus(form->showHotKey);
    }
    std::string Text() { return form->showHotKey->Text(); }
};

TEST_F(HotKeyTest, CtrlThenAltThenKStaysAsTheHotKey) {
    wintest::HeldInput held;
    held.Key(VK_CONTROL);
    kbtest::PumpPosted();
    EXPECT_EQ(Text(), "Ctrl");
    held.Key(VK_MENU);
    kbtest::PumpPosted();
    EXPECT_EQ(Text(), "Ctrl+Alt");
    held.Key('K');
    kbtest::PumpPosted();
    EXPECT_EQ(Text(), "Ctrl+Alt+K");
    held.ReleaseAll();
    kbtest::PumpPosted();
    EXPECT_EQ(Text(), "Ctrl+Alt+K");
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    form->SaveIni(ini);
    EXPECT_EQ(Key("Key", "Show"), "Ctrl+Alt+K");
}

TEST_F(HotKeyTest, AltWithALetterIsTheHotKeyAndNoMnemonicOfThePage) {
    {
        wintest::HeldInput held;
        held.Key(VK_MENU);
        held.Key('L'); // "左ボタン(&L)" stands on this page
        kbtest::PumpPosted();
        EXPECT_EQ(Text(), "Alt+L");
    }
    kbtest::PumpPosted();
    EXPECT_EQ(Text(), "Alt+L");
    EXPECT_FALSE(form->CheckBoxL->Checked());
    EXPECT_EQ(GetFocus(), form->showHotKey->Handle());
    {
        wintest::HeldInput held;
        held.Key(VK_MENU);
        held.Key(VK_F5);
        kbtest::PumpPosted();
        EXPECT_EQ(Text(), "Alt+F5");
    }
    kbtest::PumpPosted();
    EXPECT_EQ(Text(), "");
}

TEST_F(HotKeyTest, ANamedKeyShowsWhileHeldAndIsGoneWhenReleased) {
    {
        wintest::HeldInput held;
        held.Key(VK_CONTROL);
        held.Key(VK_F5);
        kbtest::PumpPosted();
        EXPECT_EQ(Text(), "Ctrl+F5");
    }
    kbtest::PumpPosted();
    EXPECT_EQ(Text(), "");
    {
        wintest::HeldInput held;
        held.Key(VK_RETURN);
        kbtest::PumpPosted();
        EXPECT_EQ(Text(), "Enter");
    }
    kbtest::PumpPosted();
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(form->ModalResult(), mrNone);
}

TEST_F(HotKeyTest, TabAndShiftTabLeaveTheFieldWithItsHotKey) {
    kbtest::Press('Q');
    kbtest::Press(VK_TAB);
    EXPECT_NE(GetFocus(), form->showHotKey->Handle());
    EXPECT_TRUE(IsChild(form->Handle(), GetFocus()));
    kbtest::PressKey(VK_TAB, true);
    kbtest::PumpPosted();
    EXPECT_EQ(GetFocus(), form->showHotKey->Handle());
    EXPECT_EQ(Text(), "Q");
}

TEST_F(HotKeyTest, EscRemovesTheHotKeyAndACtrlAloneStaysAsItsName) {
    kbtest::Press('Q');
    EXPECT_EQ(Text(), "Q");
    kbtest::Press(VK_ESCAPE);
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(form->ModalResult(), mrNone);
    kbtest::Press(VK_CONTROL);
    EXPECT_EQ(Text(), "Ctrl");
    form->SaveIni(ini);
    EXPECT_EQ(Key("Key", "Show"), "Ctrl");
}

// ---- the data editor's folder and the programs ----

TEST_F(SettingsEditorTest, TheDataEditorsFieldAlwaysHoldsAFolder) {
    WriteIni("[Edit]\r\nDataEditorPath=C:\\tools\\zvledit.exe\r\n");
    Open();
    EXPECT_EQ(form->EdEditorPath->Text(), "C:\\tools\\");
    form->EdEditorPath->SetText("D:\\予");
    EXPECT_EQ(form->EdEditorPath->Text(), "D:\\");
    form->EdEditorPath->SetText("C:\\ソフト\\zvledit.exe");
    EXPECT_EQ(form->EdEditorPath->Text(), "C:\\ソフト\\");
    form->EdEditorPath->SetText("");
    ClickTab(form->PageControl1, form->TabSheet8);
    Focus(form->EdEditorPath);
    kbtest::TypeChar(L'x');
    EXPECT_TRUE(kbtest::PumpUntil([this] { return form->EdEditorPath->Text() == "\\"; }));
    form->SaveIni(ini);
    EXPECT_EQ(Key("Edit", "DataEditorPath"), "\\");
}

TEST_F(SettingsEditorTest, TheDataEditorsPickerGivesTheChosenFilesFolder) {
    kbtest::MakeDir(dir.File("tools"));
    kbtest::WriteBytes(dir.File("tools\\zvledit.exe"), "MZ");
    WriteIni("[Edit]\r\nDataEditorPath=" + dir.File("tools") + "\\\r\n");
    Open();
    std::string title, types;
    {
        kbtest::WindowDriver driver(L"#32770", [&](HWND dialog) {
            kbtest::WaitUntil(
                [&] { return IsWindowVisible(GetDlgItem(dialog, kOpenDialogTypes)); });
            title = kbtest::WindowText(dialog);
            wchar_t text[128] = {};
            SendMessageW(GetDlgItem(dialog, kOpenDialogTypes), CB_GETLBTEXT, 0,
                         reinterpret_cast<LPARAM>(text));
            types = cp932::Narrow(text);
            // A name alone is looked for in the initial folder.
            SetWindowTextW(
                kbtest::FindChildWindow(GetDlgItem(dialog, kOpenDialogFileName), L"Edit"),
                L"zvledit.exe");
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        });
        form->EdEditorPath->EllipsisClick();
    }
    EXPECT_EQ(title, "登録データー編集ツール（ZVLEDIT.EXE）の指定");
    EXPECT_EQ(types, "*.EXE");
    EXPECT_EQ(form->EdEditorPath->Text(), dir.File("tools") + "\\");
}

TEST_F(SettingsEditorTest, TheProgramPickersTitleByFieldAndGiveTheFullPath) {
    kbtest::WriteBytes(dir.File("mailer.exe"), "MZ");
    Open();
    for (TEllipsisEdit* field : {form->EdUrl, form->EdMail}) {
        std::string title;
        std::vector<std::string> types;
        {
            kbtest::WindowDriver driver(L"#32770", [&](HWND dialog) {
                kbtest::WaitUntil(
                    [&] { return IsWindowVisible(GetDlgItem(dialog, kOpenDialogTypes)); });
                title = kbtest::WindowText(dialog);
                const HWND typesBox = GetDlgItem(dialog, kOpenDialogTypes);
                const int count = static_cast<int>(SendMessageW(typesBox, CB_GETCOUNT, 0, 0));
                for (int i = 0; i < count; ++i) {
                    wchar_t text[128] = {};
                    SendMessageW(typesBox, CB_GETLBTEXT, static_cast<WPARAM>(i),
                                 reinterpret_cast<LPARAM>(text));
                    types.push_back(cp932::Narrow(text));
                }
                SetWindowTextW(
                    kbtest::FindChildWindow(GetDlgItem(dialog, kOpenDialogFileName), L"Edit"),
                    cp932::Wide(dir.File("mailer.exe")).c_str());
                PostMessageW(dialog, WM_COMMAND, IDOK, 0);
            });
            field->EllipsisClick();
        }
        EXPECT_EQ(title, field == form->EdUrl ? "ブラウザの指定" : "メールソフトの指定");
        EXPECT_THAT(types, ElementsAre("実行ファイル(*.EXE)", "すべてのファイル(*.*)"));
        EXPECT_EQ(field->Text(), dir.File("mailer.exe"));
    }
    {
        kbtest::WindowDriver driver(
            L"#32770", [](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); });
        form->EdUrl->EllipsisClick();
    }
    EXPECT_EQ(form->EdUrl->Text(), dir.File("mailer.exe"));
    EXPECT_EQ(form->EdMail->Text(), dir.File("mailer.exe"));
}
