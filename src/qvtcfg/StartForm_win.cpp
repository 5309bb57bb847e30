#include "qvtcfg/StartForm.h"

#include "forms/base/Method.h"
#include "forms/base/Paths.h"
#include "forms/base/ScopeGuard.h"
#include "forms/win/CommonDialogs.h"
#include "forms/win/Screen.h"
#include "qvtcfg/CfgCommandLine.h"
#include "qvtcfg/Placement.h"
#include "qvtcfg/SettingsFileChoice.h"

#include <windows.h>

using forms::Bounds;
using forms::TComponent;

namespace {
constexpr int kClientWidth = 416;
constexpr int kClientHeight = 144;
constexpr int kSettingsMode = 0;
constexpr int kStyleMode = 1;
} // namespace

TCfgMain::TCfgMain(TComponent* owner, TCfgEnvironment& environment)
    : forms::TForm(owner), environment_(environment) {
    BuildDesign_();
}

void TCfgMain::BuildDesign_() {
    SetBorderStyle(forms::TFormBorderStyle::bsDialog);
    forms::TFont font; // "ＭＳ Ｐゴシック", 12 pixels
    font.SetCharset(SHIFTJIS_CHARSET);
    SetFont(font);
    SetCaption("K+Bandeo Config");
    SetClientSize(kClientWidth, kClientHeight);
    OnCreate = forms::Method(this, &TCfgMain::FormCreate);

    // Created in tab order: the windowed ones take their tab positions 0 to 4 from it.
    Label2 = forms::MakeChild<forms::TLabel>(this, Bounds(8, 8, 151, 12));
    Label2->SetCaption("設定ファイル(QVTDOCK.INI)");
    IniEdit = forms::MakeChild<TEllipsisEdit>(this, Bounds(8, 24, 401, 20));
    IniEdit->OnEllipsisClick = forms::Method(this, &TCfgMain::IniEditEllipsisClick);
    Bevel1 = forms::MakeChild<forms::TBevel>(this, Bounds(8, 56, 289, 57));
    Radio1 = forms::MakeChild<forms::TRadioButton>(this, Bounds(24, 64, 113, 17));
    Radio1->SetTag(kSettingsMode);
    Radio1->SetCaption("環境設定");
    Radio1->SetChecked(true);
    Radio1->OnClick = forms::Method(this, &TCfgMain::Radio2Click);
    Radio2 = forms::MakeChild<forms::TRadioButton>(this, Bounds(24, 88, 113, 17));
    Radio2->SetTag(kStyleMode);
    Radio2->SetCaption("スタイルの設定");
    Radio2->OnClick = forms::Method(this, &TCfgMain::Radio2Click);
    BtnCfg = forms::MakeChild<forms::TButton>(this, Bounds(184, 64, 97, 41));
    BtnCfg->SetCaption("設定");
    BtnCfg->OnClick = forms::Method(this, &TCfgMain::BtnCfgClick);
    BtnClose = forms::MakeChild<forms::TButton>(this, Bounds(312, 64, 97, 41));
    BtnClose->SetCaption("終了");
    BtnClose->OnClick = forms::Method(this, &TCfgMain::BtnCloseClick);
    Label1 = forms::MakeChild<forms::TLabel>(this, Bounds(8, 128, 389, 12));
    Label1->SetCaption("[設定ファイル]を指定した後[[設定]ボタンを押すとダイアログが表示されます。");
}

void TCfgMain::FormCreate(TComponent* /*sender*/) {
    SetBounds(CentredOn(forms::Screen.Width(), Width()),
              CentredOn(forms::Screen.Height(), Height()), Width(), Height());
}

void TCfgMain::Radio2Click(TComponent* sender) {
    if (sender)
        Mode = static_cast<int>(sender->Tag());
}

void TCfgMain::BtnCfgClick(TComponent* /*sender*/) {
    const int x = SaturatedAdd(Left(), kEditorOffset);
    const int y = SaturatedAdd(Top(), kEditorOffset);
    const std::optional<std::string> file = StartFormSettingsFile(IniEdit->Text(), environment_);
    if (!file) {
        environment_.TellError(kFileNotFoundMessage, kFileErrorTitle, x, y);
        return;
    }
    if (Mode == kSettingsMode)
        environment_.ShowCfgForm(x, y, false, *file);
    else if (Mode == kStyleMode)
        environment_.ShowStyleForm(x, y, false, *file);
}

void TCfgMain::BtnCloseClick(TComponent* /*sender*/) {
    Close();
}

void TCfgMain::IniEditEllipsisClick(TComponent* /*sender*/) {
    auto* dialog = forms::MakeOwned<forms::TOpenDialog>(this);
    const auto free = forms::OnScopeExit([this, dialog] { RemoveComponent(dialog).reset(); });
    dialog->SetFilter("設定ファイル(*.INI)|*.INI");
    dialog->SetTitle("設定ファイル（QVTDOCK.INI）の指定");
    dialog->SetFileName("qvtdock.ini");
    const std::vector<std::string> paths = environment_.ProgramPaths();
    if (!paths.empty())
        dialog->SetInitialDir(forms::ExtractFilePath(paths.front()));
    if (dialog->Execute())
        IniEdit->SetText(dialog->FileName());
}
