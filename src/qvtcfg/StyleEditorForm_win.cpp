#include "qvtcfg/StyleEditorForm.h"

#include "forms/base/DateTime.h"
#include "forms/base/Method.h"
#include "forms/base/Paths.h"
#include "forms/base/ScopeGuard.h"
#include "forms/base/SettingsFile.h"
#include "forms/base/StrUtils.h"
#include "forms/win/Application.h"
#include "qvtcfg/EditorControls.h"
#include "qvtcfg/StyleEditor.h"
#include "shared/DateFormat.h"
#include "shared/ScreenFonts.h"
#include "shared/StyleFile.h"

#include <windows.h>

using forms::Bounds;
using forms::MakeChild;
using forms::TComponent;

namespace {

constexpr char kIniExt[] = ".ini";
constexpr int kStylePage = 0, kDisplayPage = 1, kHintPage = 2;
constexpr int kStyleItemHeight = 16, kStyleDropDownCount = 10;
constexpr int kDescriptionItemHeight = 20, kColorItemHeight = 20;
constexpr int kDateTimeDropDownCount = 20;
// The shapes' Tag: which colour dialog section they keep their custom colours in.
constexpr int kHintTextTag = 0, kHintBackTag = 1;

// The glyphs of the bold and italic buttons: '#' is the letter, anything else the background,
// whose colour (the bottom-left pixel's) the button leaves transparent.
void DrawGlyph(forms::TBitmap& bitmap, const char* const (&rows)[16]) {
    constexpr forms::TColor kBack = forms::clOlive, kInk = forms::clBlack;
    bitmap.SetSize(16, 16);
    forms::TCanvas& canvas = bitmap.Canvas();
    canvas.SetBrushColor(kBack);
    canvas.FillRect({0, 0, 16, 16});
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16 && rows[y][x]; ++x)
            if (rows[y][x] == '#')
                canvas.SetPixel(x, y, kInk);
}

constexpr const char* kBoldGlyph[16] = {
    "................", "................", "...#######......", "....##...##.....",
    "....##....##....", "....##....##....", "....##...##.....", "....#######.....",
    "....##....##....", "....##.....##...", "....##.....##...", "....##....##....",
    "...########.....", "................", "................", "................",
};
constexpr const char* kItalicGlyph[16] = {
    "................", "................", ".......#####....", ".........##.....",
    ".........##.....", "........##......", "........##......", ".......##.......",
    ".......##.......", "......##........", "......##........", ".....##.........",
    "....#####.......", "................", "................", "................",
};

} // namespace

TfmStyle::TfmStyle(TComponent* owner, std::string settingsPath)
    : forms::TForm(owner), StyleIniPath(std::move(settingsPath)),
      StyleFolder_(ConfigProgramFolder()) {
    BuildDesign_();
}

// ---- the design ----

void TfmStyle::BuildDesign_() {
    SetBorderStyle(forms::TFormBorderStyle::bsDialog);
    SetFont(DialogFont("ＭＳ Ｐゴシック", -12, forms::clWindowText));
    SetColor(forms::clBtnFace);
    SetCaption(kStyleFormCaption);
    SetClientSize(kStyleFormClientWidth, kStyleFormClientHeight);
    OnCreate = forms::Method(this, &TfmStyle::FormCreate);
    OnShow = forms::Method(this, &TfmStyle::FormShow);
    OnDestroy = forms::Method(this, &TfmStyle::FormDestroy);

    // Created first: the first windowed control in the tab order.
    OkBtn = MakeChild<forms::TButton>(this, Bounds(224, 360, 89, 21));
    OkBtn->SetCaption("OK");
    OkBtn->SetModalResult(forms::mrOk);
    PageControl1 = MakeChild<forms::TPageControl>(this, Bounds(0, 0, 420, 353));
    PageControl1->SetAlign(forms::TAlign::alTop);
    SBDef = MakeChild<forms::TSpeedButton>(this, Bounds(8, 360, 113, 21));
    SBDef->SetCaption("初期値に戻す");
    SBDef->OnClick = forms::Method(this, &TfmStyle::SBDefClick);
    BtnCancel = MakeChild<forms::TButton>(this, Bounds(320, 360, 89, 21));
    BtnCancel->SetCaption("キャンセル");
    BtnCancel->SetModalResult(forms::mrCancel);
    BtnCancel->SetCancel(true);
    ColorDialog1 = forms::MakeOwned<forms::TColorDialog>(this);
    ColorDialog1->SetFullOpen(true);

    const auto page = [this](const char* caption) {
        auto* sheet = forms::MakeOwned<forms::TTabSheet>(this);
        sheet->SetPageControl(PageControl1);
        sheet->SetCaption(caption);
        return sheet;
    };
    TabStyle = page("スタイルファイル");
    TabStyleCfg = page("表示");
    TabHint = page("サブウィンドウ");
    BuildStylePage_();
    BuildDisplayPage_();
    BuildHintPage_();
    TabStyle->OnShow = forms::Method(this, &TfmStyle::TabStyleShow);
    TabStyleCfg->OnShow = forms::Method(this, &TfmStyle::TabStyleCfgShow);
    TabHint->OnShow = forms::Method(this, &TfmStyle::TabHintShow);
}

namespace {

forms::TSpinEdit* SpinEdit(forms::TWinControl* parent, const forms::TRect& bounds, TSpinRange range,
                           int value) {
    auto* spin = MakeChild<forms::TSpinEdit>(parent, bounds);
    spin->SetMinValue(range.Min);
    spin->SetMaxValue(range.Max);
    spin->SetValue(value);
    return spin;
}

forms::TBevel* FrameBevel(forms::TWinControl* parent, const forms::TRect& bounds) {
    auto* bevel = MakeChild<forms::TBevel>(parent, bounds);
    bevel->SetShape(forms::TBevelShape::bsFrame);
    return bevel;
}

} // namespace

void TfmStyle::BuildStylePage_() {
    forms::TTabSheet* p = TabStyle;
    Paback = MakeChild<forms::TPanel>(p, Bounds(8, 8, 266, 201));
    Paback->SetBevelOuter(forms::TBevelCut::bvNone);
    Paback->SetBorderStyle(forms::TPanelBorder::bsSingle);
    Paback->SetColor(forms::clBackground);
    Paback->SetFont(DialogFont("ＭＳ Ｐゴシック", -12, forms::clCaptionText));
    PaintBox1 = MakeChild<forms::TPaintBox>(Paback, Bounds(10, 24, 240, 148));
    PaintBox1->OnPaint = forms::Method(this, &TfmStyle::PaintBox1Paint);

    StyleCBox = MakeChild<forms::TComboBox>(p, Bounds(8, 216, 297, 22));
    StyleCBox->SetStyle(forms::TComboBoxStyle::csOwnerDrawFixed);
    StyleCBox->SetItemHeight(kStyleItemHeight);
    StyleCBox->SetDropDownCount(kStyleDropDownCount);
    StyleCBox->OnChange = forms::Method(this, &TfmStyle::StyleCBoxChange);
    StyleCBox->OnDrawItem = forms::Method(this, &TfmStyle::StyleCBoxDrawItem);
    BtnReList = MakeChild<forms::TSpeedButton>(p, Bounds(312, 214, 89, 22));
    BtnReList->SetCaption("一覧更新(&R)");
    BtnReList->OnClick = forms::Method(this, &TfmStyle::BtnReListClick);
    Memo1 = MakeChild<forms::TListBox>(p, Bounds(8, 242, 393, 79));
    Memo1->SetStyle(forms::TListBoxStyle::lbOwnerDrawFixed);
    Memo1->SetItemHeight(kDescriptionItemHeight);
    Memo1->SetTabStop(false);
    Memo1->SetFont(DialogFont("ＭＳ ゴシック", -13, forms::clWindowText));
    Memo1->OnDrawItem = forms::Method(this, &TfmStyle::Memo1DrawItem);

    const forms::TNotifyEvent cellCount = forms::Method(this, &TfmStyle::CheckBoxCellCountClick);
    CheckBoxColor2 = CheckBox(p, Bounds(280, 8, 113, 17), "表示色を変更(&C)", false, true,
                              forms::Method(this, &TfmStyle::CheckBoxColor2Click));
    CheckBoxNotTitlescrl =
        CheckBox(p, Bounds(280, 24, 137, 17), "タイトルスクロール(&R)", false, true, cellCount);
    ChVisTitle = CheckBox(p, Bounds(280, 40, 81, 17), "タイトル(&Y)", true, true, cellCount);
    CheckBoxDateTime2 = CheckBox(p, Bounds(280, 56, 225, 17), "日付/時刻を表示(&D)", false, true,
                                 forms::Method(this, &TfmStyle::CheckBoxDateTime2Click));
    CheckBoxVisPage = CheckBox(p, Bounds(280, 72, 89, 17), "ページ名(&N)", true, true, cellCount);
    ChVisTab = CheckBox(p, Bounds(280, 88, 97, 17), "ページタブ(&T)", true, true, cellCount);
    CheckBoxPageCount =
        CheckBox(p, Bounds(280, 104, 113, 17), "ページカウント(&P)", true, true, cellCount);
    CheckBoxCellCount =
        CheckBox(p, Bounds(280, 120, 105, 17), "ボタンカウント(&L)", true, true, cellCount);
    CBtnPopupHint2 = CheckBox(p, Bounds(280, 136, 113, 17), "サブウィンドウ(&U)", true, true,
                              forms::Method(this, &TfmStyle::CBtnPopupHint2Click));
}

void TfmStyle::BuildDisplayPage_() {
    forms::TTabSheet* p = TabStyleCfg;
    Bevel1_ = FrameBevel(p, Bounds(6, 8, 211, 177));
    Bevel2_ = FrameBevel(p, Bounds(224, 8, 182, 177));
    Bevel3_ = FrameBevel(p, Bounds(8, 198, 396, 35));
    Bevel4_ = FrameBevel(p, Bounds(8, 244, 396, 52));
    ButtonGroupLabel_ = Label(p, 16, 4, "ボタン");

    SpinIconSize = SpinEdit(p, Bounds(168, 16, 41, 21), kBtnSizeRange, 40);
    Label2 = Label(p, 16, 20, "ボタンサイズ(&S) [24～72] ", SpinIconSize);
    SpinBevel = SpinEdit(p, Bounds(168, 40, 41, 21), kBtnBevelRange, 1);
    Label3 = Label(p, 16, 44, "輪郭線サイズ(&B) [0～2] ", SpinBevel);
    SpinVis = SpinEdit(p, Bounds(168, 64, 41, 21), kFormSizeRange, 10);
    Label1 = Label(p, 16, 68, "ボタン横表示数(&H) [10～50] ", SpinVis);
    SpinVVis = SpinEdit(p, Bounds(168, 88, 41, 21), kRowMaxRange, 1);
    Label29 = Label(p, 16, 92, "ボタン表示列数(&V) [1～10] ");
    CBtnTrans = CheckBox(p, Bounds(16, 112, 153, 17), "ボタンの色を薄く表示(&G)", false);
    CIconStretch = CheckBox(p, Bounds(16, 128, 177, 17), "アイコンをボタンに合わせる(&I)", true);
    CBtnMarkStyle = CheckBox(p, Bounds(16, 144, 153, 17), "ボタン選択時に枠表示(&F)", true);
    CheckDummyBtn =
        CheckBox(p, Bounds(16, 160, 193, 17), "ボタンが無い部分はダミー描画(&Z) ", true);

    CheckBoxColor = CheckBox(p, Bounds(232, 0, 113, 17), "表示色を変更(&C)", false, true,
                             forms::Method(this, &TfmStyle::CheckBoxColorClick));
    CfgColorListBox = MakeChild<forms::TListBox>(p, Bounds(235, 18, 158, 160));
    CfgColorListBox->SetBorderStyle(forms::TBorderStyle::bsNone);
    CfgColorListBox->SetStyle(forms::TListBoxStyle::lbOwnerDrawFixed);
    CfgColorListBox->SetItemHeight(kColorItemHeight);
    {
        const forms::TStringsUpdate update(CfgColorListBox->Items());
        for (const char* name : kPartColorNames)
            CfgColorListBox->Items().Add(name);
    }
    CfgColorListBox->OnDrawItem = forms::Method(this, &TfmStyle::CfgColorListBoxDrawItem);
    CfgColorListBox->OnMouseMove = forms::Method(this, &TfmStyle::CfgColorListBoxMouseMove);
    CfgColorListBox->OnMouseUp = forms::Method(this, &TfmStyle::CfgColorListBoxMouseUp);

    CheckBoxAbv = CheckBox(p, Bounds(16, 192, 181, 17), "ランチャーウィンドウの透過(&A)", true);
    Label5 = Label(p, 16, 210, "0 (完全な透過) ～ 255 (不透明) [Windows2000/XP のみ]");
    SpinAbv = SpinEdit(p, Bounds(328, 204, 65, 21), kAlphaBlendRange, 255);
    CheckBoxDateTime =
        CheckBox(p, Bounds(16, 236, 225, 17), "タイトルのかわりに日付/時刻を表示(&D)", false, true,
                 forms::Method(this, &TfmStyle::CheckBoxDateTimeClick));
    DateTimefmtLabel = Label(p, 16, 256, "");
    DateTimefmtLabel->SetShowAccelChar(false); // a format may hold '&'
    DateTimefmt = MakeChild<forms::TComboBox>(p, Bounds(16, 270, 377, 20));
    DateTimefmt->SetStyle(forms::TComboBoxStyle::csDropDown);
    DateTimefmt->SetDropDownCount(kDateTimeDropDownCount);
    {
        const forms::TStringsUpdate update(DateTimefmt->Items());
        for (const char* preset : kDateTimePresets)
            DateTimefmt->Items().Add(preset);
    }
    DateTimefmt->SetText(kDateTimePresets[kDefaultDateTimePreset]);
    DateTimefmt->OnChange = forms::Method(this, &TfmStyle::DateTimefmtChange);
    SpinTabH = SpinEdit(p, Bounds(128, 300, 41, 21), kTabHeightRange, 24);
    GiveHint(SpinTabH, "ページタブの高さ(24～40) ");
    Label4 = Label(p, 8, 304, "ページタブの高さ(&H)", SpinTabH);
}

void TfmStyle::BuildHintPage_() {
    forms::TTabSheet* p = TabHint;
    Bevel5_ = FrameBevel(p, Bounds(5, 56, 204, 105));
    Bevel6_ = FrameBevel(p, Bounds(216, 56, 193, 105));
    CBtnPopupHint = CheckBox(p, Bounds(8, 4, 153, 17), "サブウィンドウを表示(&U)", true, true,
                             forms::Method(this, &TfmStyle::CBtnPopupHintClick));
    CheckHintHide = CheckBox(p, Bounds(8, 24, 329, 17),
                             "マウスポインタがランチャー外に移動したら非表示にする(&N)", true);
    PaintBox3 = MakeChild<forms::TPaintBox>(p, Bounds(13, 72, 188, 73));
    PaintBox3->OnPaint = forms::Method(this, &TfmStyle::PaintBox3Paint);
    Label8 = Label(p, 224, 50, "文字や背景色の設定(&C)");

    FontBox = MakeChild<forms::TComboBox>(p, Bounds(224, 68, 177, 20));
    FontBox->SetStyle(forms::TComboBoxStyle::csDropDownList);
    GiveHint(FontBox, "フォント名");
    FontBox->OnChange = forms::Method(this, &TfmStyle::FontBoxChange);
    const auto shape = [&](const forms::TRect& bounds, int tag, const char* hint,
                           forms::TColor color) {
        auto* s = MakeChild<forms::TShape>(p, bounds);
        s->SetShape(forms::TShapeType::stRoundRect);
        s->SetTag(tag);
        GiveHint(s, hint);
        s->Brush().SetColor(color);
        s->OnMouseUp = forms::Method(this, &TfmStyle::shpFontMouseUp);
        return s;
    };
    shpFont = shape(Bounds(232, 96, 41, 22), kHintTextTag, "文字の色", forms::clInfoText);
    ShpBack = shape(Bounds(232, 128, 41, 22), kHintBackTag, "背景色", forms::clInfoBk);
    HintFontSpin = SpinEdit(p, Bounds(308, 96, 41, 21), kHintFontSizeRange, 9);
    GiveHint(HintFontSpin, "フォントのサイズ（8～48）");
    HintFontSpin->OnChange = forms::Method(this, &TfmStyle::HintFontSpinChange);
    const auto toggle = [&](const forms::TRect& bounds, int group, const char* hint,
                            const char* const(&glyph)[16]) {
        auto* b = MakeChild<forms::TSpeedButton>(p, bounds);
        b->SetGroupIndex(group);
        b->SetAllowAllUp(true);
        GiveHint(b, hint);
        forms::TBitmap picture;
        DrawGlyph(picture, glyph);
        b->SetGlyph(picture);
        return b;
    };
    BtnBold = toggle(Bounds(352, 96, 23, 22), 1, "太字", kBoldGlyph);
    BtnBold->OnClick = forms::Method(this, &TfmStyle::BtnBoldClick);
    BtnItar = toggle(Bounds(376, 96, 23, 22), 2, "斜字", kItalicGlyph);
    BtnItar->OnClick = forms::Method(this, &TfmStyle::BtnItarClick);

    CheckBoxUseSubStyle = CheckBox(p, Bounds(8, 168, 161, 17), "スタイルファイルを適用(&S)", true,
                                   true, forms::Method(this, &TfmStyle::CheckBoxUseSubStyleClick));
    CheckLockWidth = CheckBox(p, Bounds(8, 192, 97, 17), "横幅を固定(&L)", false);
    HintSpinMax = SpinEdit(p, Bounds(120, 216, 57, 21), kHintWidthRange, 240);
    GiveHint(HintSpinMax, "ヒントの横幅の最大値(120 ～ 2000)");
    HintSpinMax->SetFont(DialogFont("ＭＳ ゴシック", -12, forms::clWindowText));
    Label27 = Label(p, 8, 220, "横幅の最大値(&W)", HintSpinMax);
    HintLineMax = SpinEdit(p, Bounds(120, 248, 57, 21), kHintLineRange, 0);
    GiveHint(HintLineMax, "ヒント文字の最大列数(0 ～ 10) 0は全ての文字列を表示");
    Label23 = Label(p, 8, 252, "文字の最大列数(&M)", HintLineMax);
}

// ---- values and controls ----

TBindingTable<TStylePage> TfmStyle::Bindings_(TStyleSettings& s) const {
    using P = TStylePage;
    return {
        {Bound(CheckBoxNotTitlescrl), s.TitleScroll, P::StyleFile},
        {Bound(ChVisTitle), s.VisTitle, P::StyleFile},
        {Bound(CheckBoxVisPage), s.TitleInPage, P::StyleFile},
        {Bound(ChVisTab), s.VisTab, P::StyleFile},
        {Bound(CheckBoxPageCount), s.TabCounter, P::StyleFile},
        {Bound(CheckBoxCellCount), s.BtnCounter, P::StyleFile},

        {Bound(SpinIconSize), s.BtnSize, P::Display},
        {Bound(SpinBevel), s.BtnBevel, P::Display},
        {Bound(SpinVis), s.FormSize, P::Display},
        {Bound(SpinVVis), s.RowMax, P::Display},
        {Bound(CBtnTrans), s.BtnTrans, P::Display},
        {Bound(CIconStretch), s.IconStretch, P::Display},
        {Bound(CBtnMarkStyle), s.BtnMarkStyle, P::Display},
        {Bound(CheckDummyBtn), s.DummyBtn, P::Display},
        // The three masters that the style-file page mirrors are restored with it too.
        {Bound(CheckBoxColor), s.ColorCustom, {P::Display, P::StyleFile}},
        {Bound(CheckBoxAbv), s.AlphaBlend, {}}, // kept by every restore
        {Bound(SpinAbv), s.AlphaBlendValue, P::Display},
        {Bound(CheckBoxDateTime), s.VisDateTime, {P::Display, P::StyleFile}},
        {BoundText(DateTimefmt), s.DateTimeFmt, P::Display},
        {Bound(SpinTabH), s.TabHeight, P::Display},

        {Bound(CBtnPopupHint), s.BtnPopupHint, {P::Hint, P::StyleFile}},
        {Bound(CheckHintHide), s.HintHide, P::Hint},
        {Bound(HintFontSpin), s.FontSize, P::Hint},
        {Bound(BtnBold), s.FontBold, P::Hint},
        {Bound(BtnItar), s.FontItalic, P::Hint},
        {Bound(CheckBoxUseSubStyle), s.UseStyle, P::Hint},
        {Bound(CheckLockWidth), s.LockWidth, P::Hint},
        {Bound(HintSpinMax), s.MaxWidth, P::Hint},
        {Bound(HintLineMax), s.MaxLine, P::Hint},
    };
}

void TfmStyle::ShowMirrors_() {
    CheckBoxColor2->SetChecked(CheckBoxColor->Checked());
    CheckBoxDateTime2->SetChecked(CheckBoxDateTime->Checked());
    CBtnPopupHint2->SetChecked(CBtnPopupHint->Checked());
}

TStyleSettings TfmStyle::ShownSettings_() const {
    TStyleSettings s;
    ReadBound(Bindings_(s));
    s.StyleFile = StyleFileToWrite(StyleEntries.empty() || !StyleEntry ? nullptr : &*StyleEntry,
                                   SavedStyleFile);
    s.Loc = HintLoc;
    s.FontName = ChosenHintFont(SelectedFont_(), HintFontName);
    s.FontColor = shpFont->Brush().Color();
    s.HintColor = ShpBack->Brush().Color();
    s.PartColors = PartColors;
    return s;
}

std::optional<std::string> TfmStyle::SelectedFont_() const {
    const int index = FontBox->ItemIndex();
    if (index < 0)
        return std::nullopt;
    return FontBox->Items().Strings(index);
}

TStylePreviewInput TfmStyle::PreviewInput_() const {
    TStylePreviewInput in;
    const int index = StyleCBox->ItemIndex();
    if (index >= 0 && index < static_cast<int>(StyleEntries.size())) {
        const TStyleEntry& entry = StyleEntries[static_cast<size_t>(index)];
        in.StyleSelected = true;
        in.StylePath = entry.Path;
        in.StyleType = StyleTypeOf(entry);
    }
    in.ChVisTab = ChVisTab->Checked();
    in.ChVisTitle = ChVisTitle->Checked();
    in.CheckBoxDateTime = CheckBoxDateTime->Checked();
    in.CheckBoxVisPage = CheckBoxVisPage->Checked();
    in.CheckBoxCellCount = CheckBoxCellCount->Checked();
    in.CheckBoxPageCount = CheckBoxPageCount->Checked();
    in.CBtnMarkStyle = CBtnMarkStyle->Checked();
    in.SpinBevel = SpinBevel->Value();
    in.CheckBoxColor = CheckBoxColor->Checked();
    in.ColorChangeable = ColorChangeable;
    in.PartColors = PartColors;
    in.CBtnPopupHint = CBtnPopupHint->Checked();
    in.CheckBoxUseSubStyle = CheckBoxUseSubStyle->Checked();
    in.HintFontName = ChosenHintFont(SelectedFont_(), HintFontName);
    in.HintFontSpin = HintFontSpin->Value();
    in.BtnBold = BtnBold->Down();
    in.BtnItar = BtnItar->Down();
    in.HintTextColor = shpFont->Brush().Color();
    in.HintBackColor = ShpBack->Brush().Color();
    in.LauncherFolder = StyleFolder_;
    return in;
}

// ---- the settings file ----

void TfmStyle::LoadIni(const std::string& settingsPath) {
    forms::TSettingsFile ini(forms::ChangeFileExt(settingsPath, kIniExt));
    TStyleSettings s = LoadStyleSettings(ini);
    ShowBound(Bindings_(s));
    HintLoc = s.Loc;
    shpFont->Brush().SetColor(s.FontColor);
    ShpBack->Brush().SetColor(s.HintColor);
    PartColors = s.PartColors;
    CfgColorListBox->Invalidate();
    ShowMirrors_();
    {
        const forms::TStringsUpdate update(DateTimefmt->Items());
        DateTimefmt->Items().Insert(0, s.DateTimeFmt);
    }
    DateTimefmt->SetItemIndex(0);
    DateTimefmt->SetText(s.DateTimeFmt);
    DateTimefmtChange(DateTimefmt);
    SavedStyleFile = s.StyleFile;
    HintFontName = s.FontName;
}

void TfmStyle::SaveIni(const std::string& settingsPath) {
    forms::TSettingsFile ini(forms::ChangeFileExt(settingsPath, kIniExt));
    SaveStyleSettings(ini, ShownSettings_());
}

void TfmStyle::LoadCustomColors(const std::string& section, forms::TStrings& list) {
    const forms::TSettingsFile ini(forms::ChangeFileExt(StyleIniPath, kIniExt));
    LoadCustomColorSection(ini, section, list);
}

void TfmStyle::SaveCustomColors(const std::string& section, const forms::TStrings& list) {
    forms::TSettingsFile ini(forms::ChangeFileExt(StyleIniPath, kIniExt));
    SaveCustomColorSection(ini, section, list);
}

// ---- the style list ----

void TfmStyle::ScanStyleFiles() {
    StyleEntries =
        ScanStyleEntries(StyleFilePaths(StyleFolder_), [](const std::string& path, TStiData& data) {
            return LoadStyleFile(path, data);
        });
}

void TfmStyle::FillStyleList() {
    StyleEntries.clear();
    StyleCBox->Items().Clear();
    ScanStyleFiles();
    const bool filled = !StyleEntries.empty();
    // Enabled again whenever a refresh finds styles.
    for (forms::TWinControl* list :
         {static_cast<forms::TWinControl*>(StyleCBox), static_cast<forms::TWinControl*>(Memo1)}) {
        list->SetEnabled(filled);
        list->SetColor(filled ? forms::clWindow : forms::clBtnFace);
    }
    if (!filled) {
        // Nothing is described that is not listed.
        Memo1->Items().Clear();
        return;
    }
    {
        const forms::TStringsUpdate update(StyleCBox->Items());
        for (const TStyleEntry& entry : StyleEntries)
            StyleCBox->Items().Add(entry.Title);
    }
    const int index = StoredStyleIndex(StyleEntries, SavedStyleFile);
    StyleCBox->SetItemIndex(index);
    StyleEntry = StyleEntries[static_cast<size_t>(index)];
}

void TfmStyle::StyleCBoxChange(TComponent* /*sender*/) {
    const int index = StyleCBox->ItemIndex();
    if (index < 0 || index >= static_cast<int>(StyleEntries.size()))
        return;
    StyleEntry = StyleEntries[static_cast<size_t>(index)];
    {
        const forms::TStringsUpdate update(Memo1->Items());
        Memo1->Items().Clear();
        for (const std::string& line : StyleDescription(*StyleEntry))
            Memo1->Items().Add(line);
    }
    ColorChangeable = StyleColorsChangeable(*StyleEntry);
    PaintBox1->Invalidate();
}

void TfmStyle::BtnReListClick(TComponent* /*sender*/) {
    FillStyleList();
    StyleCBoxChange(StyleCBox);
    Paback->Invalidate();
    PaintBox1->Invalidate();
    FocusIfShowing(StyleCBox);
}

namespace {
// Text lowered by (item height - text height) div 2, clipped to the item.
void DrawItemLine(forms::TCanvas& canvas, const forms::TRect& rect, int indent,
                  const std::string& text) {
    canvas.FillRect(rect);
    const int lowered = (rect.Height() - canvas.TextHeight(text)) / 2;
    canvas.TextRect(rect, rect.Left + indent, rect.Top + lowered, text);
}
} // namespace

void TfmStyle::StyleCBoxDrawItem(forms::TWinControl* /*control*/, int index,
                                 const forms::TRect& rect, forms::TOwnerDrawState state) {
    if (index < 0 || index >= static_cast<int>(StyleEntries.size()))
        return;
    forms::TCanvas& canvas = StyleCBox->Canvas();
    const bool marked = state.Selected || state.Focused;
    canvas.SetBrushStyle(forms::TBrushStyle::bsSolid);
    canvas.SetBrushColor(marked ? forms::clHighlight : forms::clWindow);
    canvas.Font().SetColor(marked ? forms::clHighlightText : forms::clWindowText);
    DrawItemLine(canvas, rect, 8, StyleEntries[static_cast<size_t>(index)].Title);
}

void TfmStyle::Memo1DrawItem(forms::TWinControl* /*control*/, int index, const forms::TRect& rect,
                             forms::TOwnerDrawState /*state*/) {
    if (index < 0 || index >= Memo1->Items().Count())
        return;
    forms::TCanvas& canvas = Memo1->Canvas();
    canvas.SetBrushStyle(forms::TBrushStyle::bsSolid);
    canvas.SetBrushColor(forms::clWindow);
    canvas.Font().SetColor(forms::clWindowText);
    DrawItemLine(canvas, rect, 4, Memo1->Items().Strings(index));
}

// ---- the form ----

void TfmStyle::FormCreate(TComponent* /*sender*/) {
    forms::Application.HintPause = 100;
    forms::Application.HintShortPause = 10;
    forms::Application.HintHidePause = 30000;
    forms::TStringList fonts = GetScreenFontNames();
    fonts.Sort([](const std::string& a, const std::string& b) { return forms::CompareText(a, b); });
    FontBox->Items().Assign(fonts);
    StyleEntries.clear();
    Memo1->SetHorizontalExtent(3 * Memo1->Width());
}

void TfmStyle::FormShow(TComponent* /*sender*/) {
    PageControl1->SetActivePage(TabStyle);
    SetCaption(kStyleFormCaption);
    OkBtn->SetDefault(true);
    StyleCBoxChange(StyleCBox);
    Paback->Invalidate();
    PaintBox1->Invalidate();
    if (StyleCBox->Enabled())
        SetActiveControl(StyleCBox);
    FontBox->SetItemIndex(HintFontIndex(FontBox->Items(), HintFontName));
    PaintBox3->Invalidate();
}

void TfmStyle::FormDestroy(TComponent* /*sender*/) {
    StyleEntries.clear();
    StyleEntry.reset();
}

// ---- restores ----

void TfmStyle::SBDefClick(TComponent* sender) {
    switch (PageControl1->ActivePageIndex()) {
    case kStylePage:
        ResetStyleFilePage();
        break;
    case kDisplayPage:
        SBtnDef2Click(sender);
        break;
    case kHintPage:
        SBtnDef3Click(sender);
        break;
    default:
        break;
    }
}

void TfmStyle::ResetStyleFilePage() {
    TStyleSettings d = DefaultStyleSettings();
    ShowBoundPage(Bindings_(d), TStylePage::StyleFile);
    ShowMirrors_();
    PaintBox1->Invalidate();
}

void TfmStyle::SBtnDef2Click(TComponent* /*sender*/) {
    TStyleSettings d = DefaultStyleSettings();
    ShowBoundPage(Bindings_(d), TStylePage::Display);
    PartColors = d.PartColors;
    DateTimefmtChange(DateTimefmt);
    CfgColorListBox->Invalidate();
}

void TfmStyle::SBtnDef3Click(TComponent* /*sender*/) {
    TStyleSettings d = DefaultStyleSettings();
    ShowBoundPage(Bindings_(d), TStylePage::Hint);
    shpFont->Brush().SetColor(d.FontColor);
    ShpBack->Brush().SetColor(d.HintColor);
    FontBox->SetItemIndex(RestoredHintFontIndex(FontBox->Items(), HintFontName));
    PaintBox3->Invalidate();
}

// ---- pages, mirrors and switches ----

void TfmStyle::TabStyleShow(TComponent* /*sender*/) {
    SBDef->SetVisible(true);
    ShowMirrors_();
}

void TfmStyle::TabStyleCfgShow(TComponent* /*sender*/) {
    SBDef->SetVisible(true);
    CfgColorListBox->Invalidate();
}

void TfmStyle::TabHintShow(TComponent* /*sender*/) {
    SBDef->SetVisible(true);
}

void TfmStyle::CheckBoxColor2Click(TComponent* /*sender*/) {
    CheckBoxColor->SetChecked(CheckBoxColor2->Checked());
    PaintBox1->Invalidate();
    FocusIfShowing(StyleCBox);
}

void TfmStyle::CheckBoxDateTime2Click(TComponent* /*sender*/) {
    CheckBoxDateTime->SetChecked(CheckBoxDateTime2->Checked());
    PaintBox1->Invalidate();
    FocusIfShowing(StyleCBox);
}

void TfmStyle::CBtnPopupHint2Click(TComponent* /*sender*/) {
    CBtnPopupHint->SetChecked(CBtnPopupHint2->Checked());
    PaintBox1->Invalidate();
    FocusIfShowing(StyleCBox);
}

void TfmStyle::CheckBoxCellCountClick(TComponent* /*sender*/) {
    PaintBox1->Invalidate();
    FocusIfShowing(StyleCBox);
}

void TfmStyle::CheckBoxColorClick(TComponent* /*sender*/) {}
void TfmStyle::CheckBoxDateTimeClick(TComponent* /*sender*/) {}
void TfmStyle::CBtnPopupHintClick(TComponent* /*sender*/) {}

// ---- colours ----

void TfmStyle::CfgColorListBoxDrawItem(forms::TWinControl* /*control*/, int index,
                                       const forms::TRect& rect, forms::TOwnerDrawState state) {
    if (index < 0 || index >= kPartColorCount)
        return;
    forms::TCanvas& canvas = CfgColorListBox->Canvas();
    canvas.SetBrushStyle(forms::TBrushStyle::bsSolid);
    canvas.SetBrushColor(state.Selected ? forms::clHighlight : CfgColorListBox->BackgroundColor());
    canvas.FillRect(rect);
    const forms::TRect swatch{rect.Left + 2, rect.Top + 2, rect.Left + 40, rect.Top + 16};
    canvas.SetBrushColor(PartColors[static_cast<size_t>(index) + 1]);
    canvas.FillRect(swatch);
    canvas.SetBrushColor(forms::clWindowFrame);
    canvas.FrameRect(swatch);
    canvas.SetBrushStyle(forms::TBrushStyle::bsClear);
    canvas.TextOutAt(rect.Left + 44, rect.Top + 3, kPartColorNames[static_cast<size_t>(index)]);
}

void TfmStyle::CfgColorListBoxMouseMove(TComponent* /*sender*/, forms::TShiftState /*shift*/, int x,
                                        int y) {
    const int index = CfgColorListBox->ItemAtPos({x, y});
    if (index >= 0)
        CfgColorListBox->SetItemIndex(index);
}

void TfmStyle::CfgColorListBoxMouseUp(TComponent* /*sender*/, forms::TMouseButton button,
                                      forms::TShiftState /*shift*/, int x, int y) {
    const int index = CfgColorListBox->ItemAtPos({x, y});
    if (index < 0)
        return; // a release after a drag off the items: no part colour to edit
    CfgColorListBox->SetItemIndex(index);
    if (button != forms::TMouseButton::mbLeft)
        return;
    auto* dialog = forms::MakeOwned<forms::TColorDialog>(this);
    const auto free = forms::OnScopeExit([this, dialog] { RemoveComponent(dialog).reset(); });
    LoadCustomColors(kPartsColorsSection, dialog->CustomColors());
    const size_t part = static_cast<size_t>(index) + 1;
    dialog->SetColor(PartColors[part]);
    const bool chosen = dialog->Execute();
    if (chosen)
        PartColors[part] = dialog->Color();
    // The chosen colour shows also when the dialog's custom colours cannot be kept.
    CfgColorListBox->Invalidate();
    if (chosen)
        SaveCustomColors(kPartsColorsSection, dialog->CustomColors());
}

void TfmStyle::shpFontMouseUp(TComponent* sender, forms::TMouseButton /*button*/,
                              forms::TShiftState /*shift*/, int /*x*/, int /*y*/) {
    auto* shape = dynamic_cast<forms::TShape*>(sender);
    if (!shape)
        return;
    const std::string section =
        shape->Tag() == kHintBackTag ? kHintBackColorsSection : kHintFontColorsSection;
    LoadCustomColors(section, ColorDialog1->CustomColors());
    ColorDialog1->SetColor(shape->Brush().Color());
    if (!ColorDialog1->Execute())
        return;
    shape->Brush().SetColor(ColorDialog1->Color());
    PaintBox3->Invalidate(); // before the custom colours, which may fail to be kept
    SaveCustomColors(section, ColorDialog1->CustomColors());
}

// ---- the hint sample's controls and the date format ----

void TfmStyle::FontBoxChange(TComponent* /*sender*/) {
    PaintBox3->Invalidate();
}

void TfmStyle::HintFontSpinChange(TComponent* /*sender*/) {
    PaintBox3->Invalidate();
}

void TfmStyle::BtnBoldClick(TComponent* /*sender*/) {
    PaintBox3->Invalidate();
}

void TfmStyle::BtnItarClick(TComponent* /*sender*/) {
    PaintBox3->Invalidate();
}

void TfmStyle::CheckBoxUseSubStyleClick(TComponent* /*sender*/) {
    PaintBox3->Invalidate();
}

void TfmStyle::DateTimefmtChange(TComponent* /*sender*/) {
    DateTimefmtLabel->SetCaption(FormatDateTimeEx(DateTimefmt->Text(), forms::Now()));
}

// ---- the previews ----

void TfmStyle::PaintBox1Paint(TComponent* /*sender*/) {
    PaintLauncherPreview(PaintBox1->Canvas(), PaintBox1->ClientRect(), PreviewInput_(), Glyphs);
}

void TfmStyle::PaintBox3Paint(TComponent* /*sender*/) {
    const forms::TRect r = PaintBox3->ClientRect();
    PaintHintSample(PaintBox3->Canvas(), r, r.Left, r.Top, PreviewInput_(), Glyphs);
}
