// Settings and style applied to the main form, and the settings the window holds.
#include "qvtdock/MainForm.h"

#include "forms/base/Files.h"
#include "forms/base/Paths.h"
#include "qvtdock/DataFolder.h"
#include "qvtdock/Layout.h"
#include "qvtdock/TriggerSettings.h"
#include "shared/FileUtils.h"
#include "shared/VersionInfo.h"

#include <exception>

namespace {
// Layered windows, and so translucency, came with Windows 2000.
constexpr int kFirstTranslucentWindows = 5;

using TStyleGlyphs = std::array<std::unique_ptr<forms::TBitmap>, kStyleGlyphCount>;

TStyleGlyphs EmptyGlyphs() {
    TStyleGlyphs glyphs;
    for (auto& glyph : glyphs)
        glyph = std::make_unique<forms::TBitmap>();
    return glyphs;
}

forms::TFontStyles FontStyles(bool bold, bool italic) {
    return static_cast<forms::TFontStyles>((bold ? forms::fsBold : 0) |
                                           (italic ? forms::fsItalic : 0));
}
} // namespace

void TfmMain::ApplySettings() {
    SetBounds(FCfg.Left, FCfg.Top, Width(), Height());

    LTimer->SetLaunchMouseBtns(LaunchCombination(FCfg));
    LTimer->SetInvalidClickDeskTop(FCfg.InvalidClickDeskTop);
    LTimer->SetEffectiveClickTaskBar(FCfg.EffectiveClickTaskBar);

    // Without "change tabs by clicking", pointing at a tab selects it.
    PageTab->SetNoneClick(!FCfg.TabClickChg);

    SetAlphaBlendValue(FCfg.AlphaBlendValue);
    SetAlphaBlend(FCfg.AlphaBlend && GetNTMajorVersion() >= kFirstTranslucentWindows);

    // The sizes the settings file may hold wrongly are used, and kept, as the layout uses them;
    // the button size comes back from the bar when the settings are stored.
    FCfg.FormSize = UsableFormSize(FCfg.FormSize);
    FCfg.RowMax = UsableRowMax(FCfg.RowMax);
    BtnBar->SetBtnSize(UsableBtnSize(FCfg.BtnSize));
    BtnBar->SetBevelWidth(FCfg.BtnBevel);
    BtnBar->SetBtnTranslucent(FCfg.BtnTrans);
    BtnBar->SetMarkStyle(FCfg.BtnMarkStyle ? msFrame : msFill);
    BtnBar->SetStretch(FCfg.IconStretch);
    mnIconStretch->SetChecked(FCfg.IconStretch);
    BtnBar->SetNoneMarked(FCfg.DummyBtn);

    FTitleBarStyle->Orientation = 0;
    PageTab->SetTabPosition(teBottom);

    LbTitle->SetVisible(FCfg.VisTitle);
    LbTitle->SetDateTimeFormat(FCfg.DateTimeFmt);
    LbTitle->SetShowTime(FCfg.VisDateTime);
    LbTitle->SetTelop(FCfg.TitleScroll);
    if (FCfg.VisTitle) {
        LbTitle->SetWidth(FullTitleWidth(TitleBox->Width()));
        if (!FCfg.VisDateTime)
            UpdateTitleInfo();
    }
    LbTitle->Repaint();

    LbBtn->SetVisible(FCfg.BtnCounter);
    LbCount->SetVisible(LbBtn->Visible());

    PageTab->SetVisibleCounter(FCfg.TabCounter);
    PageTab->SetTabBtnHeight(FCfg.TabHeight);
    PageTab->SetHeight(PageTab->TabBtnHeight());

    RegisterShowHotKey(FCfg.KeyShow);

    // The run key presses the selected button.
    BtnBar->SetDownKeyCode(FCfg.LauncherKeys[0]);

    // The system's hint only when the launcher's own is off.
    BtnBar->SetShowHint(!FCfg.BtnPopupHint);

    ConfigureHintSetter();
    FHintSetter->HideHint();
}

void TfmMain::ApplySettingsAndStyle(bool withStyle) {
    ApplySettings();
    ReloadStyleAndPage(withStyle, true);
}

void TfmMain::ReloadStyleAndPage(bool withStyle, bool withTitleBar) {
    std::exception_ptr styleError;
    if (withStyle) {
        try {
            LoadStyle(LongProgramFolder() + FCfg.StyleFile);
        } catch (...) {
            styleError = std::current_exception();
        }
        ApplyCustomColors();
    }
    // A style that cannot be read leaves the look as it was; the layout follows the settings.
    ShowPageButtons();
    ArrangeLayout();
    if (withTitleBar)
        ArrangeTitleBar();
    if (styleError)
        std::rethrow_exception(styleError);
}

std::exception_ptr TfmMain::ReloadSettings() {
    TAppCfg read = FCfg;
    try {
        LoadAppCfg(FDataFolder + kSettingsBaseName, read);
    } catch (...) {
        return std::current_exception();
    }
    FCfg = std::move(read);
    return nullptr;
}

std::string TfmMain::LongProgramFolder() const {
    return LauncherFolderOf(environment_->ProgramPath());
}

void TfmMain::LoadStyle(const std::string& fileName) {
    // A missing style is no error: the style test says no, and the default style stands in.
    const TStyleChoice choice =
        ChooseStyleFile(fileName, LongProgramFolder(), [](const std::string& f) {
            return forms::FileExists(f) && IsStyleFile(f, kStyleMaxVersion);
        });

    // Everything is read before anything changes, so that a damaged file leaves the look as it
    // was.
    TStiData data;
    TStyleGlyphs glyphs = EmptyGlyphs();
    if (choice.Readable) {
        LoadStyleFile(choice.FileName, data);
        const std::array<int, kStyleGlyphCount> items = StyleGlyphItems(data);
        std::vector<forms::TBitmap*> targets;
        for (auto& glyph : glyphs)
            targets.push_back(glyph.get());
        LoadStyleGlyphs(choice.FileName, std::vector<int>(items.begin(), items.end()), false,
                        targets);
    }

    // Only in memory: the launcher never writes the style's name.
    if (choice.FellBack)
        FCfg.StyleFile = kDefaultStyleFile;
    ApplyStyle(data, glyphs);
}

void TfmMain::UseBuiltInStyle() {
    TStyleGlyphs glyphs = EmptyGlyphs();
    ApplyStyle(TStiData(), glyphs);
}

void TfmMain::ApplyStyle(const TStiData& data, TStyleGlyphs& glyphs) {
    TMarkBtn* const buttons[] = {LockBtn, WizBtn, CloseBtn};
    const TBtnColor* const parts[] = {&data.LockBtn, &data.WizBtn, &data.CloseBtn};

    // Every skin off first.
    for (TMarkBtn* button : buttons) {
        button->SetGlyph(nullptr);
        button->SetNumGlyph(-1);
    }
    BtnBar->SetUseGlyph(false);
    BtnBar->SetGlyph(forms::TBitmap());
    PageTab->SetUseGlyph(false);
    PageTab->SetGlyph(forms::TBitmap());
    FTitleBarStyle->UseGlyph = false;
    FTitleBarStyle->Glyph = std::make_unique<forms::TBitmap>();
    FHintSetter->SetUseGlyph(false);
    FHintSetter->SetGlyph(nullptr);
    FHintSetter->SetHGlyph(nullptr);
    FHintSetter->SetVGlyph(nullptr);

    FStyleType = data.About.Type;
    Base->SetColor(data.Form.Color);
    SetColor(Base->Color());

    LockBtn->SetGlyph(glyphs[sgLockBtn].get());
    WizBtn->SetGlyph(glyphs[sgWizBtn].get());
    CloseBtn->SetGlyph(glyphs[sgCloseBtn].get());
    BtnBar->SetGlyph(*glyphs[sgBtnBar]);
    PageTab->SetGlyph(*glyphs[sgTab]);
    FTitleBarStyle->Glyph = std::move(glyphs[sgTitleBar]);
    FHintSetter->SetHGlyph(glyphs[sgHintEdges].get());
    FHintSetter->SetVGlyph(glyphs[sgHintSides].get());
    FHintSetter->SetGlyph(glyphs[sgHintBody].get());

    const TSkinSwitches skins = SkinSwitches(data);
    const bool buttonSkins[] = {skins.LockBtn, skins.WizBtn, skins.CloseBtn};
    for (size_t i = 0; i < std::size(buttons); ++i)
        if (buttonSkins[i])
            buttons[i]->SetNumGlyph(0);
    if (skins.BtnBar)
        BtnBar->SetUseGlyph(true);
    if (skins.Tab)
        PageTab->SetUseGlyph(true);
    if (skins.TitleBar)
        FTitleBarStyle->UseGlyph = true;
    FHintSetter->SetUseGlyph(skins.Hint);

    for (size_t i = 0; i < std::size(buttons); ++i) {
        TMarkBtn& button = *buttons[i];
        const TBtnColor& part = *parts[i];
        button.SetBaseColor(part.BaseColor);
        button.SetTopLineColor(part.TopLineColor);
        button.SetBtmLineColor(part.BtmLineColor);
        button.SetShapeMarkColor(part.MarkColor);
        button.SetMarkColor(button.BaseColor());
        button.SetGlyphTrans(part.Trans);
    }
    LockBtn->SetLockColor(data.LockBtn.LockColor);

    BtnBar->SetGlyphTransparent(data.BtnBar.Trans);
    PageTab->SetGlyphTrans(data.Tab.Trans);
    PageTab->SetCounterBackTrans(data.Tab.CounterBackTrans);
    PageTab->Font().SetName(data.TabFont.Name);
    PageTab->Font().SetStyle(FontStyles(data.TabFont.Bold, data.TabFont.Italic));
    LbTitle->Font().SetName(data.TitleFont.Name);
    LbTitle->Font().SetStyle(FontStyles(data.TitleFont.Bold, data.TitleFont.Italic));
    ApplyLauncherColors(StyleColors(data));

    FHintSetter->SetFontColor(data.SubForm.Color);
    FHintSetter->SetDrawStyle(HintDrawStyle(data.SubForm.DrawMode));
    FHintSetter->SetTrans(data.SubForm.Trans);
    FHintSetter->SetStyle(skins.HintStyle);

    ConfigureHintSetter();
    ArrangeTitleBar();
    // Setting the tab position again makes the tabs take their new font.
    PageTab->SetTabPosition(PageTab->TabPosition());
    Invalidate();
}

void TfmMain::ApplyLauncherColors(const TLauncherColors& c) {
    FTitleBarStyle->Color = c.TitleBar;
    FTitleBarStyle->TopLineColor = c.TitleTopLine;
    FTitleBarStyle->BtmLineColor = c.TitleBtmLine;
    LbTitle->Font().SetColor(c.TitleText);
    PageTab->SetCounterColor(c.TabCounter);
    LbBtn->Font().SetColor(c.Counters);
    LbCount->Font().SetColor(c.Counters);
    SetColor(c.Form);
    Base->SetColor(c.Form);
    BtnBar->SetMarkColor(c.BarMark);
    BtnBar->SetBaseColor(c.BarBase);
    BtnBar->SetTopLineColor(c.BarTopLine);
    BtnBar->SetBtmLineColor(c.BarBtmLine);
    PageTab->SetBaseColor(c.TabBase);
    PageTab->SetTopLineColor(c.TabTopLine);
    PageTab->SetBtmLineColor(c.TabBtmLine);
    PageTab->SetSelectColor(c.TabSelected);
    PageTab->SetNonSelectColor(c.TabNotSelected);
}

void TfmMain::ApplyCustomColors() {
    const std::optional<TLauncherColors> colors = CustomColors(FCfg, FStyleType);
    if (!colors)
        return;
    ApplyLauncherColors(*colors);
    for (forms::TControl* control : std::initializer_list<forms::TControl*>{
             TitleBox, LbTitle, LbBtn, LbCount, BtnBar, Base, PageTab})
        control->Invalidate();
    Invalidate();
}

void TfmMain::ConfigureHintSetter() {
    const THintValues v = HintValuesOf(FCfg);
    THintSetter& hint = *FHintSetter;
    hint.SetUseStyle(v.UseStyle);
    BindHintWindowMouse();
    hint.SetBkColor(v.BkColor);
    hint.SetHintPause(0);
    hint.SetLeftMargin(kHintMargin);
    hint.SetRightMargin(kHintMargin);
    hint.SetHeightMargin(kHintMargin);
    hint.SetTopMargin(kHintMargin);
    hint.SetLockWidth(v.LockWidth);
    hint.SetIsIcon(v.IsIcon);
    hint.SetMaxHeight(0);
    hint.SetMaxLine(v.MaxLine);
    hint.SetMaxWidth(v.MaxWidth);
    hint.SetLocate(v.Locate);
    hint.SetXMargin(v.XMargin);
    hint.SetYMargin(v.YMargin);
    forms::TFont font(hint.Font());
    font.SetName(v.FontName);
    font.SetStyle(FontStyles(v.FontBold, v.FontItalic));
    font.SetColor(v.FontColor);
    font.SetSize(v.FontSize);
    hint.SetFont(font);
}

void TfmMain::StoreSettings() {
    FCfg.Left = Left();
    FCfg.Top = Top();
    StoreLaunchCombination(LTimer->LaunchMouseBtns(), FCfg);
    FCfg.InvalidClickDeskTop = LTimer->InvalidClickDeskTop();
    FCfg.EffectiveClickTaskBar = LTimer->EffectiveClickTaskBar();
    FCfg.TabClickChg = !PageTab->NoneClick();
    FCfg.BtnSize = BtnBar->BtnSize();
    FCfg.BtnBevel = BtnBar->BevelWidth();
    FCfg.BtnTrans = BtnBar->BtnTranslucent();
    FCfg.BtnMarkStyle = BtnBar->MarkStyle() == msFrame;
    FCfg.IconStretch = BtnBar->Stretch();
    FCfg.TabCounter = PageTab->VisibleCounter();
    StoreHintSettings();
}

void TfmMain::StoreHintSettings() {
    THintSetter& hint = *FHintSetter;
    THintValues v;
    v.BkColor = hint.BkColor();
    v.MaxWidth = hint.MaxWidth();
    v.XMargin = hint.XMargin();
    v.YMargin = hint.YMargin();
    v.FontName = hint.Font().Name();
    v.FontColor = hint.Font().Color();
    v.FontSize = hint.Font().Size();
    StoreHintValues(v, FCfg);
}
