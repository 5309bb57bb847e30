// The style editor in this process, over style files made in a temporary folder: its design, what
// it shows of the settings file, the style list (order, selection, description, refresh, an empty
// folder), the restores of each page, the mirrors, the part-colour list and the colour dialogs,
// and the keys OK writes.
#include "qvtcfg/StyleEditorForm.h"

#include "forms/base/Paths.h"
#include "forms/base/SettingsFile.h"
#include "forms/base/StrUtils.h"
#include "forms/win/Screen.h"
#include "qvtcfg/RoundTrip.h"
#include "qvtcfg/StyleEditor.h"
#include "shared/DateFormat.h"
#include "shared/Settings.h"
#include "shared/StyleFiles.h"
#include "support/SaveFaults.h"
#include "support/TempDir.h"
#include "support/WinTest.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <cstdio>

using namespace forms;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

constexpr int kRed = 706, kGreen = 707, kBlue = 708; // the colour dialog's fields

std::string StyleText(const std::string& title, const std::string& file, int type,
                      const std::string& author = "作者", const std::string& note = "") {
    return "[Style]\r\nFormat=K+StyleInformation\r\nVersion=1\r\nType=" + std::to_string(type) +
           "\r\n[About]\r\nTitle=" + title + "\r\nFile=" + file + "\r\nAuthor=" + author +
           "\r\nNote=" + note + "\r\n";
}

struct StyleEditorTest : WinTest {
    void TearDown() override {
        form.reset();
        WinTest::TearDown();
    }

    // A style file named name in the folder.
    void AddStyle(const std::string& name, const std::string& title, const std::string& file,
                  int type = 0, const std::string& note = "") {
        kbtest::WriteBytes(dir.File(name), kbtest::MakeStyleFile(
                                               {{0, StyleText(title, file, type, "作者", note)}}));
    }
    void WriteIni(const std::string& bytes) { kbtest::WriteBytes(ini, bytes); }
    // The editor as ShowStyleForm makes it, shown without a modal loop.
    void Open() {
        form = MakeScoped<TfmStyle>(ini);
        form->StyleFolder_ = IncludeTrailingBackslash(dir.Path());
        form->LoadIni(ini);
        form->FillStyleList();
        form->SetBounds(100, 100, form->Width(), form->Height());
        form->Show();
        kbtest::BringToFront(form->Handle());
        ASSERT_TRUE(kbtest::PumpUntil([this] { return kbtest::Painted(form->Handle()); }));
    }
    void Page(TTabSheet* sheet) {
        form->PageControl1->SetActivePage(sheet);
        ASSERT_TRUE(kbtest::PumpUntil([this] { return kbtest::Painted(form->Handle()); }));
    }
    void Click(TControl* c, bool right = false) {
        kbtest::ClickAt(c->Handle(), c->Width() / 2, c->Height() / 2, right);
        kbtest::PumpPosted();
    }
    std::vector<std::string> Items(const TStrings& items) {
        std::vector<std::string> lines;
        for (int i = 0; i < items.Count(); ++i)
            lines.push_back(items.Strings(i));
        return lines;
    }
    std::string Key(const char* section, const char* key) {
        return TSettingsFile(ini).ReadString(section, key, "<none>");
    }
    // Answers the colour dialog with a colour, or cancels it (red < 0); reads whether it opened
    // with the custom-colour pane expanded.
    void AnswerColour(HWND dialog, int red, int green, int blue, bool* expanded = nullptr) {
        kbtest::WaitUntil([&] { return IsWindowVisible(dialog) != FALSE; });
        if (expanded)
            *expanded = IsWindowVisible(GetDlgItem(dialog, kRed)) != FALSE;
        if (red < 0) {
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            return;
        }
        SetDlgItemTextW(dialog, kRed, std::to_wstring(red).c_str());
        SetDlgItemTextW(dialog, kGreen, std::to_wstring(green).c_str());
        SetDlgItemTextW(dialog, kBlue, std::to_wstring(blue).c_str());
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    }

    kbtest::TempDir dir;
    std::string ini = dir.File("qvtdock.ini");
    Scoped<TfmStyle> form;
};

void ExpectBounds(TControl* c, int left, int top, int width, int height) {
    EXPECT_EQ(c->BoundsRect(), Bounds(left, top, width, height)) << c->ClassName();
}

// A combo box takes the height the system gives its font.
void ExpectComboPlace(TControl* c, int left, int top, int width) {
    EXPECT_EQ(c->Left(), left);
    EXPECT_EQ(c->Top(), top);
    EXPECT_EQ(c->Width(), width);
}

} // namespace

// ---- design ----

TEST_F(StyleEditorTest, ADialogOfItsOwnClassWithCaptionSizeAndThreePages) {
    Open();
    EXPECT_EQ(kbtest::ClassNameOf(form->Handle()), L"TfmStyle");
    EXPECT_EQ(kbtest::WindowText(form->Handle()), "スタイルの設定");
    EXPECT_EQ(form->BorderStyle(), TFormBorderStyle::bsDialog);
    EXPECT_EQ(form->ClientWidth(), 420);
    EXPECT_EQ(form->ClientHeight(), 386);
    EXPECT_EQ(form->Font().Name(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(form->Font().Height(), -12);
    ASSERT_EQ(form->PageControl1->PageCount(), 3);
    EXPECT_EQ(kbtest::WindowText(form->TabStyle->Handle()), "スタイルファイル");
    EXPECT_EQ(kbtest::WindowText(form->TabStyleCfg->Handle()), "表示");
    EXPECT_EQ(kbtest::WindowText(form->TabHint->Handle()), "サブウィンドウ");
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TabStyle);
    ExpectBounds(form->PageControl1, 0, 0, 420, 353);
    ExpectBounds(form->SBDef, 8, 360, 113, 21);
    ExpectBounds(form->OkBtn, 224, 360, 89, 21);
    ExpectBounds(form->BtnCancel, 320, 360, 89, 21);
    EXPECT_EQ(kbtest::WindowText(form->SBDef->Handle()), "初期値に戻す");
    EXPECT_EQ(kbtest::WindowText(form->BtnCancel->Handle()), "キャンセル");
    EXPECT_EQ(form->OkBtn->TabOrder(), 0);
    EXPECT_EQ(form->DefaultButton(), form->OkBtn);
    EXPECT_EQ(form->CancelButton(), form->BtnCancel);
    EXPECT_TRUE(form->ColorDialog1->FullOpen());
}

TEST_F(StyleEditorTest, TheStyleFilePageHoldsThePreviewTheListAndTheDisplaySwitches) {
    Open();
    ExpectBounds(form->Paback, 8, 8, 266, 201);
    EXPECT_EQ(form->Paback->Color(), clBackground);
    ExpectBounds(form->PaintBox1, 10, 24, 240, 148);
    EXPECT_EQ(form->PaintBox1->Parent(), form->Paback);
    EXPECT_EQ(form->PaintBox1->Font().Color(), clCaptionText); // the panel's font
    EXPECT_EQ(form->PaintBox1->Font().Height(), -12);
    ExpectComboPlace(form->StyleCBox, 8, 216, 297);
    EXPECT_EQ(form->StyleCBox->Style(), TComboBoxStyle::csOwnerDrawFixed);
    EXPECT_EQ(form->StyleCBox->DropDownCount(), 10);
    EXPECT_EQ(kbtest::WindowText(form->BtnReList->Handle()), "一覧更新(&R)");
    ExpectBounds(form->Memo1, 8, 242, 393, 79);
    EXPECT_FALSE(form->Memo1->TabStop());
    EXPECT_EQ(form->Memo1->Font().Name(), "ＭＳ ゴシック");
    EXPECT_EQ(form->Memo1->HorizontalExtent(), 3 * 393);
    const std::vector<std::pair<TCheckBox*, const char*>> boxes = {
        {form->CheckBoxColor2, "表示色を変更(&C)"},
        {form->CheckBoxNotTitlescrl, "タイトルスクロール(&R)"},
        {form->ChVisTitle, "タイトル(&Y)"},
        {form->CheckBoxDateTime2, "日付/時刻を表示(&D)"},
        {form->CheckBoxVisPage, "ページ名(&N)"},
        {form->ChVisTab, "ページタブ(&T)"},
        {form->CheckBoxPageCount, "ページカウント(&P)"},
        {form->CheckBoxCellCount, "ボタンカウント(&L)"},
        {form->CBtnPopupHint2, "サブウィンドウ(&U)"}};
    int top = 8;
    for (const auto& [box, caption] : boxes) {
        EXPECT_EQ(box->Left(), 280) << caption;
        EXPECT_EQ(box->Top(), top) << caption;
        EXPECT_EQ(kbtest::WindowText(box->Handle()), caption);
        top += 16;
    }
}

TEST_F(StyleEditorTest, TheDisplayPageHoldsTheSpinsTheColoursAndTheDateFormat) {
    Open();
    EXPECT_EQ(kbtest::WindowText(form->Label2->Handle()), "ボタンサイズ(&S) [24～72] ");
    EXPECT_EQ(form->Label2->FocusControl(), form->SpinIconSize);
    ExpectBounds(form->SpinIconSize, 168, 16, 41, 21);
    EXPECT_EQ(form->SpinIconSize->MinValue(), 24);
    EXPECT_EQ(form->SpinIconSize->MaxValue(), 72);
    EXPECT_EQ(form->SpinAbv->MaxValue(), 255);
    ExpectBounds(form->SpinAbv, 328, 204, 65, 21);
    EXPECT_EQ(kbtest::WindowText(form->Label5->Handle()),
              "0 (完全な透過) ～ 255 (不透明) [Windows2000/XP のみ]");
    EXPECT_EQ(form->SpinTabH->Hint(), "ページタブの高さ(24～40) ");
    EXPECT_TRUE(form->SpinTabH->ShowHint());
    ExpectBounds(form->CfgColorListBox, 235, 18, 158, 160);
    EXPECT_EQ(form->CfgColorListBox->BorderStyle(), TBorderStyle::bsNone);
    EXPECT_EQ(form->CfgColorListBox->ItemHeight(), 20);
    const std::vector<std::string> parts = Items(form->CfgColorListBox->Items());
    ASSERT_EQ(parts.size(), 15u);
    EXPECT_EQ(parts[0], "タイトルバー");
    EXPECT_EQ(parts[11], "タブ本体");
    EXPECT_EQ(parts[14], "タブ文字");
    ExpectComboPlace(form->DateTimefmt, 16, 270, 377);
    EXPECT_EQ(form->DateTimefmt->Style(), TComboBoxStyle::csDropDown);
    EXPECT_EQ(form->DateTimefmt->DropDownCount(), 20);
}

TEST_F(StyleEditorTest, TheSubWindowPageHoldsTheSampleFontColoursAndToggles) {
    Open();
    ExpectBounds(form->PaintBox3, 13, 72, 188, 73);
    ExpectComboPlace(form->FontBox, 224, 68, 177);
    EXPECT_EQ(form->FontBox->Hint(), "フォント名");
    EXPECT_EQ(form->shpFont->Tag(), 0);
    EXPECT_EQ(form->ShpBack->Tag(), 1);
    EXPECT_EQ(form->shpFont->Shape(), TShapeType::stRoundRect);
    EXPECT_EQ(form->shpFont->Hint(), "文字の色");
    EXPECT_EQ(form->ShpBack->Hint(), "背景色");
    EXPECT_EQ(form->BtnBold->GroupIndex(), 1);
    EXPECT_EQ(form->BtnItar->GroupIndex(), 2);
    EXPECT_TRUE(form->BtnBold->AllowAllUp());
    EXPECT_FALSE(form->BtnBold->Glyph().Empty());
    EXPECT_EQ(form->HintSpinMax->Hint(), "ヒントの横幅の最大値(120 ～ 2000)");
    EXPECT_EQ(form->HintLineMax->Hint(), "ヒント文字の最大列数(0 ～ 10) 0は全ての文字列を表示");
    EXPECT_EQ(form->HintFontSpin->Hint(), "フォントのサイズ（8～48）");
    EXPECT_EQ(kbtest::WindowText(form->CheckHintHide->Handle()),
              "マウスポインタがランチャー外に移動したら非表示にする(&N)");
}

// ---- reading ----

TEST_F(StyleEditorTest, AMissingFileShowsEveryDefault) {
    Open();
    EXPECT_EQ(form->SpinIconSize->Value(), 40);
    EXPECT_EQ(form->SpinAbv->Value(), 255);
    EXPECT_TRUE(form->CheckBoxAbv->Checked());
    EXPECT_EQ(form->SpinTabH->Value(), 24);
    EXPECT_EQ(form->DateTimefmt->Text(), "\"K+Bandeo :\" yyyy/mm/dd - hh:nn");
    EXPECT_EQ(form->HintFontSpin->Value(), 9);
    EXPECT_EQ(form->shpFont->Brush().Color(), clInfoText);
    EXPECT_EQ(form->ShpBack->Brush().Color(), clInfoBk);
    EXPECT_EQ(form->PartColors[4], clYellow);
    EXPECT_EQ(form->SavedStyleFile, "format.sti");
    EXPECT_EQ(form->HintFontName, "MS UI Gothic");
    EXPECT_FALSE(kbtest::Exists(ini));
}

TEST_F(StyleEditorTest, ValuesOutOfRangeShowInsideIt) {
    WriteIni("[Visible]\r\nTabHeight=50\r\nBtnSize=100\r\nAlphaBlendValue=300\r\n");
    Open();
    EXPECT_EQ(form->SpinTabH->Value(), 24);
    EXPECT_EQ(kbtest::WindowText(form->SpinIconSize->Handle()), "72");
    EXPECT_EQ(form->SpinAbv->Value(), 255);
}

TEST_F(StyleEditorTest, TheStoredFormatIsListedFirstAndItsDateShown) {
    WriteIni("[Visible]\r\nDateTimeFmt=yyyy/mm/dd - hh:nn:ss\r\n");
    Open();
    const std::vector<std::string> items = Items(form->DateTimefmt->Items());
    ASSERT_EQ(items.size(), 12u);
    EXPECT_EQ(items[0], "yyyy/mm/dd - hh:nn:ss");
    EXPECT_EQ(items[1], "yyyy/mm/dd - hh:nn:ss");
    EXPECT_EQ(items[8], "\"K+Bandeo :\" yyyy/mm/dd - hh:nn");
    EXPECT_EQ(form->DateTimefmt->Text(), "yyyy/mm/dd - hh:nn:ss");
    const std::string shown = kbtest::WindowText(form->DateTimefmtLabel->Handle());
    EXPECT_EQ(shown.size(), std::string("2024/01/02 - 03:04:05").size()) << shown;
}

TEST_F(StyleEditorTest, MirrorsFollowTheirMastersAsRead) {
    WriteIni("[Visible]\r\nVisDateTime=1\r\nBtnPopupHint=0\r\n[Color]\r\nColorCustom=1\r\n");
    Open();
    EXPECT_TRUE(form->CheckBoxDateTime->Checked());
    EXPECT_TRUE(form->CheckBoxDateTime2->Checked());
    EXPECT_FALSE(form->CBtnPopupHint->Checked());
    EXPECT_FALSE(form->CBtnPopupHint2->Checked());
    EXPECT_TRUE(form->CheckBoxColor->Checked());
    EXPECT_TRUE(form->CheckBoxColor2->Checked());
}

TEST_F(StyleEditorTest, ABadColourStopsTheReadingWithTheConversionError) {
    WriteIni("[Color]\r\n3=zzz\r\n");
    form = MakeScoped<TfmStyle>(ini);
    try {
        form->LoadIni(ini);
        FAIL() << "no error";
    } catch (const EConversionError& e) {
        EXPECT_STREQ(e.what(), "'zzz' は整数ではありません");
    }
}

// ---- the style list ----

TEST_F(StyleEditorTest, StylesAreListedByTitleAndTheStoredOneSelected) {
    AddStyle("b.sti", "Beta", "b.sti", 1, "ノート");
    AddStyle("a.sti", "alpha", "a.sti");
    AddStyle("c.sti", "ポップ", "c.sti", 2);
    kbtest::WriteBytes(dir.File("readme.sti"), "no style");
    WriteIni("[Visible]\r\nStyleFile=B.STI\r\n");
    Open();
    EXPECT_THAT(Items(form->StyleCBox->Items()), ElementsAre("alpha", "Beta", "ポップ"));
    EXPECT_EQ(form->StyleCBox->ItemIndex(), 1);
    EXPECT_TRUE(form->StyleCBox->Enabled());
    EXPECT_THAT(Items(form->Memo1->Items()),
                ElementsAre("[ファイル名]：b.sti", "[著　作　者]：作者", "[ コメント ]：ノート",
                            "[タ　イ　プ]：TYPE-1 "));
    EXPECT_FALSE(form->ColorChangeable);
    ASSERT_TRUE(form->StyleEntry.has_value());
    EXPECT_EQ(form->StyleEntry->Path, dir.File("b.sti"));
}

TEST_F(StyleEditorTest, ChoosingAStyleDescribesItAndSetsWhetherColoursMayChange) {
    AddStyle("a.sti", "alpha", "a.sti", 0);
    AddStyle("b.sti", "Beta", "b.sti", 5);
    Open();
    EXPECT_TRUE(form->ColorChangeable);
    form->StyleCBox->SetItemIndex(1);
    form->StyleCBoxChange(form->StyleCBox);
    EXPECT_FALSE(form->ColorChangeable);
    EXPECT_EQ(form->Memo1->Items().Strings(3), "[タ　イ　プ]：TYPE-5");
    EXPECT_EQ(form->PreviewInput_().StylePath, dir.File("b.sti"));
    EXPECT_EQ(form->PreviewInput_().StyleType, 5);
}

TEST_F(StyleEditorTest, ARefreshReturnsToTheStoredStyleAndFindsNewFiles) {
    AddStyle("a.sti", "alpha", "a.sti");
    AddStyle("n.sti", "Night", "night.sti");
    WriteIni("[Visible]\r\nStyleFile=night.sti\r\n");
    Open();
    EXPECT_EQ(form->StyleCBox->ItemIndex(), 1);
    form->StyleCBox->SetItemIndex(0);
    form->StyleCBoxChange(form->StyleCBox);
    AddStyle("m.sti", "Middle", "m.sti");
    Click(form->BtnReList);
    EXPECT_THAT(Items(form->StyleCBox->Items()), ElementsAre("alpha", "Middle", "Night"));
    EXPECT_EQ(form->StyleCBox->ItemIndex(), 2);
    EXPECT_EQ(form->Memo1->Items().Strings(0), "[ファイル名]：night.sti");
}

TEST_F(StyleEditorTest, AnEmptyFolderGreysTheListAndOkKeepsTheStoredStyle) {
    WriteIni("[Visible]\r\nStyleFile=mine.sti\r\n");
    Open();
    EXPECT_FALSE(form->StyleCBox->Enabled());
    EXPECT_FALSE(form->Memo1->Enabled());
    EXPECT_EQ(form->StyleCBox->Color(), clBtnFace);
    EXPECT_EQ(form->Memo1->Color(), clBtnFace);
    EXPECT_EQ(form->Memo1->Items().Count(), 0);
    EXPECT_FALSE(form->PreviewInput_().StyleSelected);
    form->SaveIni(ini);
    EXPECT_EQ(Key("Visible", "StyleFile"), "mine.sti");
}

TEST_F(StyleEditorTest, AListFilledByARefreshIsEnabledAgain) {
    Open();
    ASSERT_FALSE(form->StyleCBox->Enabled());
    AddStyle("a.sti", "alpha", "declared.sti");
    Click(form->BtnReList);
    EXPECT_TRUE(form->StyleCBox->Enabled());
    EXPECT_TRUE(form->Memo1->Enabled());
    EXPECT_EQ(form->StyleCBox->Color(), clWindow);
    form->SaveIni(ini);
    EXPECT_EQ(Key("Visible", "StyleFile"), "declared.sti"); // the declared name, not a.sti
}

// ---- restores and mirrors ----

TEST_F(StyleEditorTest, RestoringTheDisplayPageKeepsTheTranslucencySwitch) {
    WriteIni("[Visible]\r\nAlphaBlend=0\r\nAlphaBlendValue=10\r\nBtnSize=60\r\nVisTitle=0\r\n"
             "DateTimeFmt=hh\r\n[Color]\r\nColorCustom=1\r\n1=clRed\r\n");
    Open();
    Page(form->TabStyleCfg);
    Click(form->SBDef);
    EXPECT_FALSE(form->CheckBoxAbv->Checked());
    EXPECT_EQ(form->SpinAbv->Value(), 255);
    EXPECT_EQ(form->SpinIconSize->Value(), 40);
    EXPECT_FALSE(form->CheckBoxColor->Checked());
    EXPECT_EQ(form->PartColors[1], clBlack);
    EXPECT_EQ(form->DateTimefmt->Text(), "\"K+Bandeo :\" yyyy/mm/dd - hh:nn");
    EXPECT_THAT(kbtest::WindowText(form->DateTimefmtLabel->Handle()), HasSubstr("K+Bandeo :"));
    EXPECT_FALSE(form->ChVisTitle->Checked()); // another page's switch
    // The mirror catches up when its page shows.
    EXPECT_TRUE(form->CheckBoxColor2->Checked());
    Page(form->TabStyle);
    EXPECT_FALSE(form->CheckBoxColor2->Checked());
}

TEST_F(StyleEditorTest, RestoringTheStyleFilePageSwitchesMastersAndMirrorsAndKeepsTheStyle) {
    AddStyle("a.sti", "alpha", "a.sti");
    AddStyle("b.sti", "Beta", "b.sti");
    WriteIni("[Visible]\r\nVisTitle=0\r\nTitleScroll=1\r\nVisDateTime=1\r\nBtnPopupHint=0\r\n"
             "BtnSize=60\r\nStyleFile=b.sti\r\n[Color]\r\nColorCustom=1\r\n");
    Open();
    Click(form->SBDef);
    EXPECT_TRUE(form->ChVisTitle->Checked());
    EXPECT_FALSE(form->CheckBoxNotTitlescrl->Checked());
    EXPECT_FALSE(form->CheckBoxDateTime->Checked());
    EXPECT_FALSE(form->CheckBoxDateTime2->Checked());
    EXPECT_TRUE(form->CBtnPopupHint->Checked());
    EXPECT_TRUE(form->CBtnPopupHint2->Checked());
    EXPECT_FALSE(form->CheckBoxColor->Checked());
    EXPECT_EQ(form->SpinIconSize->Value(), 60);
    EXPECT_EQ(form->StyleCBox->ItemIndex(), 1);
}

TEST_F(StyleEditorTest, RestoringTheSubWindowPageResetsTheHintAndPicksTheStandardFont) {
    WriteIni("[PopupHint]\r\nFontSize=20\r\nFontBold=1\r\nColor=clRed\r\nMaxWidth=900\r\n"
             "UseStyle=0\r\n");
    Open();
    Page(form->TabHint);
    Click(form->SBDef);
    EXPECT_EQ(form->HintFontSpin->Value(), 9);
    EXPECT_FALSE(form->BtnBold->Down());
    EXPECT_EQ(form->ShpBack->Brush().Color(), clInfoBk);
    EXPECT_EQ(form->HintSpinMax->Value(), 240);
    EXPECT_TRUE(form->CheckBoxUseSubStyle->Checked());
    const int standard = form->FontBox->Items().IndexOf("MS UI Gothic");
    EXPECT_EQ(form->FontBox->ItemIndex(), standard);
}

TEST_F(StyleEditorTest, AMirrorClickedSetsItsMaster) {
    Open();
    Click(form->CheckBoxColor2);
    EXPECT_TRUE(kbtest::PumpUntil([this] { return form->CheckBoxColor->Checked(); }));
    Click(form->CBtnPopupHint2);
    EXPECT_TRUE(kbtest::PumpUntil([this] { return !form->CBtnPopupHint->Checked(); }));
    Click(form->CheckBoxDateTime2);
    EXPECT_TRUE(kbtest::PumpUntil([this] { return form->CheckBoxDateTime->Checked(); }));
    form->SaveIni(ini);
    EXPECT_EQ(Key("Color", "ColorCustom"), "1");
    EXPECT_EQ(Key("Visible", "BtnPopupHint"), "0");
    EXPECT_EQ(Key("Visible", "VisDateTime"), "1");
}

TEST_F(StyleEditorTest, NoSwitchDisablesAnything) {
    Open();
    form->CheckBoxColor->SetChecked(false);
    form->CBtnPopupHint->SetChecked(false);
    form->CheckBoxDateTime->SetChecked(false);
    EXPECT_TRUE(form->CfgColorListBox->Enabled());
    EXPECT_TRUE(form->DateTimefmt->Enabled());
    EXPECT_TRUE(form->FontBox->Enabled());
    EXPECT_TRUE(form->HintFontSpin->Enabled());
}

// ---- colours ----

TEST_F(StyleEditorTest, ARightClickOnAPartColourSelectsItWithoutADialog) {
    Open();
    Page(form->TabStyleCfg);
    const HWND list = form->CfgColorListBox->Handle();
    kbtest::ClickAt(list, 60, 2 * 20 + 10, true);
    EXPECT_TRUE(kbtest::PumpUntil([this] { return form->CfgColorListBox->ItemIndex() == 2; }));
    kbtest::PumpPosted();
    EXPECT_EQ(kbtest::FindTopWindow(L"#32770"), nullptr);
    EXPECT_EQ(Key("PartsColors", "ColorA"), "<none>");
}

TEST_F(StyleEditorTest, AReleaseOnNoPartColourOpensNothing) {
    Open();
    Page(form->TabStyleCfg);
    form->CfgColorListBox->SetItemIndex(4);
    {
        kbtest::WindowDriver driver(L"#32770",
                                    [](HWND d) { PostMessageW(d, WM_COMMAND, IDCANCEL, 0); });
        // Where a drag that began on an item ends, above the list.
        PostMessageW(form->CfgColorListBox->Handle(), WM_LBUTTONUP, 0,
                     MAKELPARAM(60, static_cast<WORD>(-30)));
        kbtest::PumpPosted();
        EXPECT_FALSE(driver.Acted());
    }
    EXPECT_EQ(form->CfgColorListBox->ItemIndex(), 4);
    EXPECT_EQ(Key("PartsColors", "ColorA"), "<none>");
}

TEST_F(StyleEditorTest, TheSelectionFollowsThePointer) {
    Open();
    Page(form->TabStyleCfg);
    kbtest::MoveMouseTo(form->CfgColorListBox->Handle(), 60, 5 * 20 + 10);
    EXPECT_TRUE(kbtest::PumpUntil([this] { return form->CfgColorListBox->ItemIndex() == 5; }));
}

TEST_F(StyleEditorTest, ALeftClickEditsThePartColourAndKeepsTheCustomColoursAtOnce) {
    WriteIni("[PartsColors]\r\nColorA=zz\r\nColorB=0000ff\r\n");
    Open();
    Page(form->TabStyleCfg);
    bool expanded = true;
    {
        kbtest::WindowDriver driver(L"#32770",
                                    [&](HWND d) { AnswerColour(d, 16, 32, 48, &expanded); });
        kbtest::ClickAt(form->CfgColorListBox->Handle(), 60, 2 * 20 + 10);
        EXPECT_TRUE(kbtest::PumpUntil([&] { return driver.Acted(); }, 10000));
        kbtest::PumpPosted();
    }
    EXPECT_FALSE(expanded); // the part colours' dialog opens folded
    EXPECT_TRUE(kbtest::PumpUntil([this] { return form->PartColors[3] == RGB(16, 32, 48); }));
    EXPECT_EQ(form->CfgColorListBox->ItemIndex(), 2);
    EXPECT_EQ(Key("PartsColors", "ColorA"), "000000");
    EXPECT_EQ(Key("PartsColors", "ColorB"), "0000FF");
    EXPECT_EQ(Key("PartsColors", "ColorP"), "000000");
    EXPECT_EQ(Key("Color", "3"), "<none>"); // only OK writes the part colours
    form->SaveIni(ini);
    EXPECT_EQ(Key("Color", "3"), "$00302010");
}

TEST_F(StyleEditorTest, CustomColoursThatCannotBeKeptAreShownOnceAndTheNextColourKeepsThem) {
    const std::string before = "[Visible]\r\nBtnSize=30\r\n";
    WriteIni(before);
    Open();
    Page(form->TabStyleCfg);
    const HWND list = form->CfgColorListBox->Handle();
    const auto pickColour = [&](int red) {
        kbtest::WindowDriver driver(L"#32770", [&](HWND d) { AnswerColour(d, red, 32, 48); });
        kbtest::ClickAt(list, 60, 2 * 20 + 10);
        EXPECT_TRUE(kbtest::PumpUntil([&] { return driver.Acted(); }, 10000));
        kbtest::PumpPosted();
    };
    int red = 16;
    for (const kbtest::SaveFault fault : kbtest::kSaveFaults) {
        SCOPED_TRACE(kbtest::Name(fault));
        errors.clear();
        kbtest::Inflict(fault, ini);
        pickColour(++red);
        EXPECT_TRUE(kbtest::PumpUntil([this] { return !errors.empty(); }));
        kbtest::Clear(fault, ini);
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_THAT(errors[0], HasSubstr(ini));
        EXPECT_EQ(kbtest::ReadBytes(ini), before);
        // The colour chosen is the part's and shows, kept or not.
        EXPECT_TRUE(kbtest::PumpUntil(
            [&] { return kbtest::ReadPixel(list, 20, 2 * 20 + 9) == RGB(red, 32, 48); }));
        pickColour(red);
        EXPECT_TRUE(kbtest::PumpUntil([this] { return Key("PartsColors", "ColorP") == "000000"; }));
        EXPECT_EQ(errors.size(), 1u);
        WriteIni(before);
    }
}

TEST_F(StyleEditorTest, TheShapesOpenTheExpandedDialogOnAnyButton) {
    Open();
    Page(form->TabHint);
    bool expanded = false;
    {
        kbtest::WindowDriver driver(L"#32770",
                                    [&](HWND d) { AnswerColour(d, 255, 0, 0, &expanded); });
        kbtest::ClickAt(form->shpFont->Handle(), 10, 10, true);
        EXPECT_TRUE(kbtest::PumpUntil([&] { return driver.Acted(); }, 10000));
        kbtest::PumpPosted();
    }
    EXPECT_TRUE(expanded);
    EXPECT_TRUE(kbtest::PumpUntil([this] { return form->shpFont->Brush().Color() == clRed; }));
    EXPECT_EQ(Key("PopupHintFontColors", "ColorA"), "000000");
    EXPECT_EQ(Key("PopupHintBackColors", "ColorA"), "<none>");
    {
        kbtest::WindowDriver driver(L"#32770", [&](HWND d) { AnswerColour(d, -1, 0, 0); });
        kbtest::ClickAt(form->ShpBack->Handle(), 10, 10);
        EXPECT_TRUE(kbtest::PumpUntil([&] { return driver.Acted(); }, 10000));
        kbtest::PumpPosted();
    }
    EXPECT_EQ(form->ShpBack->Brush().Color(), clInfoBk);
    EXPECT_EQ(Key("PopupHintBackColors", "ColorA"), "<none>"); // cancelled: nothing kept
}

// ---- writing ----

TEST_F(StyleEditorTest, EveryKeyComesBackFromItsOwnControl) {
    using cfgtest::SectionKeys;
    AddStyle("a.sti", "alpha", "a.sti");
    AddStyle("n.sti", "Night", "night.sti");
    const std::vector<std::string> fonts = Screen.Fonts();
    const auto font = std::find_if(fonts.begin(), fonts.end(), [](const std::string& f) {
        return !SameText(f, kDefaultHintFont);
    });
    ASSERT_NE(font, fonts.end());
    auto values =
        SectionKeys("Visible", {},
                    {"AlphaBlendValue=100", "BtnSize=50", "FormSize=20", "RowMax=3", "BtnBevel=2",
                     "DateTimeFmt=hh:nn", "TabHeight=30", "StyleFile=night.sti"});
    values = SectionKeys("PopupHint", values,
                         {"Loc=5", "MaxWidth=300", "MaxLine=4", "FontName=" + *font, "FontSize=11",
                          "FontColor=clNavy", "Color=clTeal"});
    for (int i = 1; i <= kPartColorCount; ++i) {
        char colour[16];
        std::snprintf(colour, sizeof colour, "%d=$%08X", i, i);
        values = SectionKeys("Color", values, {colour});
    }
    auto flags = SectionKeys("Visible", {},
                             {"AlphaBlend", "BtnTrans", "BtnMarkStyle", "IconStretch", "DummyBtn",
                              "VisTitle", "VisDateTime", "BtnPopupHint", "TitleScroll",
                              "TitleInPage", "BtnCounter", "TabCounter", "VisTab"});
    flags = SectionKeys("PopupHint", flags,
                        {"FontBold", "FontItalic", "HintHide", "LockWidth", "UseStyle"});
    flags = SectionKeys("Color", flags, {"ColorCustom"});
    const std::string out = dir.File("out.ini");
    cfgtest::ExpectRoundTrips(flags, values, ini, out, [&] {
        Open();
        form->SaveIni(out);
        form.reset();
    });
}

TEST_F(StyleEditorTest, ATypedValueOutOfRangeIsWrittenInsideIt) {
    Open();
    SetWindowTextW(form->SpinIconSize->Handle(), L"100");
    SetWindowTextW(form->HintLineMax->Handle(), L"abc");
    form->SaveIni(ini);
    EXPECT_EQ(Key("Visible", "BtnSize"), "72");
    EXPECT_EQ(Key("PopupHint", "MaxLine"), "0");
}

TEST_F(StyleEditorTest, WithoutASelectedFontTheStoredNameIsWrittenBack) {
    WriteIni("[PopupHint]\r\nFontName=No Such Face\r\n");
    Open();
    form->FontBox->SetItemIndex(-1);
    form->SaveIni(ini);
    EXPECT_EQ(Key("PopupHint", "FontName"), "No Such Face");
    EXPECT_EQ(form->PreviewInput_().HintFontName, "No Such Face");
}

TEST_F(StyleEditorTest, AStoredFontIsSelectedInAnyLetterCase) {
    ASSERT_GT(Screen.Fonts().size(), 0u);
    const std::string face = Screen.Fonts().back();
    WriteIni("[PopupHint]\r\nFontName=" + UpperCase(face) + "\r\n");
    Open();
    ASSERT_GE(form->FontBox->ItemIndex(), 0);
    EXPECT_TRUE(SameText(form->FontBox->Text(), face)) << form->FontBox->Text();
}

TEST_F(StyleEditorTest, OkWritesWhatTheLauncherReadsAndNeverTheHintOffsets) {
    AddStyle("n.sti", "Night", "night.sti", 1);
    WriteIni("[PopupHint]\r\nX=7\r\nLocate=2\r\nLoc=3\r\n");
    Open();
    EXPECT_EQ(kbtest::ReadBytes(ini), "[PopupHint]\r\nX=7\r\nLoc=3\r\n");
    form->CheckBoxNotTitlescrl->SetChecked(true);
    form->SpinVVis->SetValue(4);
    form->BtnItar->SetDown(true);
    form->SaveIni(ini);
    TAppCfg cfg;
    LoadAppCfg(ChangeFileExt(ini, ""), cfg);
    EXPECT_TRUE(cfg.TitleScroll);
    EXPECT_EQ(cfg.RowMax, 4);
    EXPECT_TRUE(cfg.FontItalic);
    EXPECT_EQ(cfg.Loc, 3);
    EXPECT_EQ(cfg.X, 7);
    EXPECT_EQ(cfg.StyleFile, "night.sti");
    EXPECT_EQ(Key("PopupHint", "IsIcon"), "<none>");
    EXPECT_EQ(Key("PopupHint", "Y"), "<none>");
}

// ---- the previews' input ----

TEST_F(StyleEditorTest, ThePreviewReadsTheControlsAndFields) {
    AddStyle("a.sti", "alpha", "a.sti", 0);
    Open();
    form->ChVisTab->SetChecked(false);
    form->SpinBevel->SetValue(2);
    form->CheckBoxColor->SetChecked(true);
    form->PartColors[7] = clAqua;
    form->HintFontSpin->SetValue(12);
    form->BtnBold->SetDown(true);
    form->ShpBack->Brush().SetColor(clLime);
    const TStylePreviewInput in = form->PreviewInput_();
    EXPECT_TRUE(in.StyleSelected);
    EXPECT_EQ(in.StylePath, dir.File("a.sti"));
    EXPECT_EQ(in.StyleType, 0);
    EXPECT_FALSE(in.ChVisTab);
    EXPECT_EQ(in.SpinBevel, 2);
    EXPECT_TRUE(in.CheckBoxColor);
    EXPECT_TRUE(in.ColorChangeable);
    EXPECT_EQ(in.PartColors[7], clAqua);
    EXPECT_EQ(in.HintFontSpin, 12);
    EXPECT_TRUE(in.BtnBold);
    EXPECT_FALSE(in.BtnItar);
    EXPECT_EQ(in.HintBackColor, clLime);
    EXPECT_EQ(in.LauncherFolder, IncludeTrailingBackslash(dir.Path()));
}

// ---- the entry ----

TEST_F(StyleEditorTest, OpeningFocusesTheStyleList) {
    AddStyle("a.sti", "alpha", "a.sti");
    Open();
    EXPECT_TRUE(kbtest::PumpUntil([this] { return form->StyleCBox->Focused(); }));
}

TEST_F(StyleEditorTest, ShowStyleFormIsTrueAfterOkAndThenTheKeysAreWritten) {
    bool ok = false;
    {
        kbtest::WindowDriver driver(L"TfmStyle", [](HWND editor) {
            PostMessageW(kbtest::FindChildWindow(editor, L"TButton", "OK"), BM_CLICK, 0, 0);
        });
        ok = ShowStyleForm(30, 40, false, ini);
    }
    EXPECT_TRUE(ok);
    EXPECT_EQ(Key("Visible", "BtnSize"), "40");
}

TEST_F(StyleEditorTest, ShowStyleFormIsFalseAfterCancelAndWritesNothing) {
    bool ok = true;
    HWND seen = nullptr;
    {
        kbtest::WindowDriver driver(L"TfmStyle", [&](HWND editor) {
            seen = editor;
            PostMessageW(editor, WM_CLOSE, 0, 0);
        });
        ok = ShowStyleForm(30, 40, false, ini);
    }
    EXPECT_FALSE(ok);
    EXPECT_FALSE(IsWindow(seen));
    EXPECT_FALSE(kbtest::Exists(ini));
}

TEST_F(StyleEditorTest, ShowStyleFormPassesABadColourOnWithoutShowingAnything) {
    WriteIni("[Color]\r\n3=zzz\r\n");
    EXPECT_THROW(ShowStyleForm(30, 40, true, ini), EConversionError);
    EXPECT_EQ(kbtest::FindTopWindow(L"TfmStyle"), nullptr);
}
