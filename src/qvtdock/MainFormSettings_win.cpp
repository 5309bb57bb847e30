// Settings and style applied to the main form, and the settings the window holds.
#include "qvtdock/MainForm.h"

#include "qvtdock/Layout.h"
#include "qvtdock/TriggerSettings.h"
#include "shared/VersionInfo.h"

namespace {
// Layered windows, and so translucency, came with Windows 2000.
constexpr int kFirstTranslucentWindows = 5;
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

    BindHintWindowMouse();
}

void TfmMain::LoadStyle(const std::string& /*fileName*/) {}

void TfmMain::ApplyCustomColors() {}

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
}
