// The main form's design: its components with their design values and event bindings, and the
// window's shape. Later operations change many of these values at run time (layout, settings,
// style).
#include "qvtdock/MainForm.h"

#include "forms/base/Method.h"

#include <windows.h>

using forms::Bounds;
using forms::TComponent;

namespace {
// The launcher's face and its light and dark edges.
constexpr forms::TColor kFace = 0x00CCE1E6;
constexpr forms::TColor kLightEdge = 0x00EEFFFF;
constexpr forms::TColor kDarkEdge = 0x0099A8AC;

// The design's window: a title bar, one row of the button area and the tabs, 400 pixels wide.
constexpr int kDesignWidth = 400;
constexpr int kTitleHeight = 28;
constexpr int kTabHeight = 24;
constexpr int kBaseHeight = 40;
constexpr int kButtonEdge = 20;

constexpr DWORD kWindowStyle = 0x80010000;   // WS_POPUP | WS_TABSTOP
constexpr DWORD kWindowExStyle = 0x00000090; // WS_EX_TOOLWINDOW | WS_EX_ACCEPTFILES

void SetEdges(TMarkBtn& button, forms::TColor face, forms::TColor light, forms::TColor dark) {
    button.SetBaseColor(face);
    button.SetTopLineColor(light);
    button.SetBtmLineColor(dark);
}

// The counters' look: right-aligned lime digits on the title bar.
void MakeCounter(forms::TLabel& label, std::string_view hint) {
    label.SetCaption("000");
    label.SetHint(hint);
    label.SetAlignment(forms::TAlignment::taRightJustify);
    label.SetTransparent(true);
    label.SetParentFont(false);
    forms::TFont font(label.Font());
    font.SetName("ＭＳ ゴシック");
    font.SetHeight(-11);
    font.SetStyle(forms::fsBold);
    font.SetColor(forms::clLime);
    label.SetFont(font);
}
} // namespace

TfmMain::TfmMain(TComponent* owner, std::shared_ptr<TLauncherEnvironment> environment)
    : forms::TForm(owner), environment_(std::move(environment)) {
    if (!environment_)
        environment_ = std::make_shared<TLauncherEnvironment>();
    BuildDesign();
    BuildWindowStateDesign();
    BuildInputDesign();
}

TfmMain::~TfmMain() = default;

void TfmMain::BuildMenuDesign() {
    PopupMenu1 = forms::MakeOwned<forms::TPopupMenu>(this);
    PopupMenu1->OnPopup = forms::Method(this, &TfmMain::PopupMenu1Popup);
    using Handler = void (TfmMain::*)(TComponent*);
    const auto add = [this](forms::TMenuItem& parent, const char* caption, Handler handler) {
        if (!handler)
            return parent.Add(caption);
        return parent.Add(caption, forms::Method(this, handler));
    };
    forms::TMenuItem& top = PopupMenu1->Items();
    mnPage = add(top, "ページリスト(&P)", nullptr);
    Np = add(top, "-", nullptr);
    mnBtnTitle = add(top, "", nullptr);
    mnNon1 = add(top, "-", nullptr);
    mnBtnOpen = add(top, "開く(&O)", &TfmMain::mnBtnOpenClick);
    mnBtnLinkOpen = add(top, "登録先のフォルダを開く(&U)", &TfmMain::mnBtnLinkOpenClick);
    mnBtnProp = add(top, "プロパティ(&R)", &TfmMain::mnBtnPropClick);
    N2 = add(top, "-", nullptr);
    mnLink = add(top, "コマンド(&C)", nullptr);
    mnNon2 = add(top, "-", nullptr);
    mnBtn = add(top, "ボタン(&B)", nullptr);
    mnNon3 = add(top, "-", nullptr);
    mnLock = add(top, "ランチャーをロック(&L)", &TfmMain::mnLockClick);
    mnNotuse = add(top, "ランチャー呼び出し不可(&N)", &TfmMain::mnNotuseClick);
    mnNon4 = add(top, "-", nullptr);
    mnRegData = add(top, "登録データー編集(&Z)...", &TfmMain::mnRegDataClick);
    mnSkin = add(top, "スタイルの設定(&K)...", &TfmMain::mnSkinClick);
    mnCfg = add(top, "環境設定(&S)...", &TfmMain::mnCfgClick);
    mnHelp = add(top, "ヘルプ(&H)...", &TfmMain::mnHelpClick);
    mnAbout = add(top, "バージョン情報(&A)...", &TfmMain::mnAboutClick);
    mnNon5 = add(top, "-", nullptr);
    mnClose = add(top, "K+Bandeoの終了(&X)", &TfmMain::mnCloseClick);
    mnExit = add(top, "ランチャーを閉じる(&Q)", &TfmMain::mnExitClick);

    forms::TMenuItem& btn = *mnBtn;
    mnNewPage = add(btn, "新規ページ追加(&N)...", &TfmMain::mnNewPageClick);
    mnBtnAdd = add(btn, "追加(&A)...", &TfmMain::mnBtnAddClick);
    mnBtnDel = add(btn, "削除(&D)...", &TfmMain::mnBtnDelClick);
    mnBtnCls = add(btn, "登録情報クリア(&C)...", &TfmMain::mnBtnClsClick);
    mnBtnsort = add(btn, "並び替え(&R)...", &TfmMain::mnBtnsortClick);
    N5 = add(btn, "-", nullptr);
    mnRegSpfolder = add(btn, "特殊フォルダ登録(&P)...", &TfmMain::mnRegSpfolderClick);
    mnRegFolder = add(btn, "ファイルフォルダ登録(&F)...", &TfmMain::mnRegFolderClick);
    N4 = add(btn, "-", nullptr);
    mnSave = add(btn, "データー保存(&E)", &TfmMain::mnSaveClick);
    N3 = add(btn, "-", nullptr);
    mnBtnSize = add(btn, "サイズ変更(&S)...", &TfmMain::mnBtnSizeClick);
    nmFormSize = add(btn, "横表示数(&H)...", &TfmMain::nmFormSizeClick);
    nmFormVSize = add(btn, "列表示数(&V)...", &TfmMain::nmFormVSizeClick);
    N1 = add(btn, "-", nullptr);
    mnIconStretch = add(btn, "アイコンをボタンに合わせる(&I)", &TfmMain::mnIconStretchClick);
    mnIconStretch->SetAutoCheck(true);
    mnIconStretch->SetChecked(true);
}

void TfmMain::BuildDesign() {
    SetBorderStyle(forms::TFormBorderStyle::bsNone);
    SetStayOnTop(true);
    SetKeyPreview(true);
    // The grid needs Enter, Tab and the arrows for itself.
    SetDialogKeys(false);
    SetAlphaBlend(true);
    SetColor(kFace);
    forms::TFont font;
    font.SetName("ＭＳ Ｐゴシック");
    font.SetHeight(-12);
    font.SetCharset(SHIFTJIS_CHARSET);
    SetFont(font);
    SetPosition(forms::TPosition::poDefault);
    SetClientSize(kDesignWidth, kTitleHeight + kBaseHeight + kTabHeight + 2);

    TitleBox = forms::MakeChild<forms::TPaintBox>(this, Bounds(0, 0, kDesignWidth, kTitleHeight));
    TitleBox->SetAlign(forms::TAlign::alTop);
    TitleBox->OnPaint = forms::Method(this, &TfmMain::TitleBoxPaint);

    const int buttonTop = (kTitleHeight - kButtonEdge) / 2;
    LockBtn = forms::MakeChild<TMarkBtn>(this, Bounds(12, 4, kButtonEdge, kButtonEdge));
    LockBtn->SetHint("ロック解除");
    LockBtn->SetLockColor(forms::clRed);
    LockBtn->SetMarkStyle(msFill);
    LockBtn->SetMarking(true);
    LockBtn->SetFoucusOn(true);
    LockBtn->SetShapeMarkStyle(bmsCircle);
    LockBtn->SetShapeMarkColor(forms::clBlue);
    LockBtn->SetStretch(true);
    LockBtn->SetBevelWidth(1);
    SetEdges(*LockBtn, kFace, kLightEdge, kDarkEdge);
    LockBtn->OnClick = forms::Method(this, &TfmMain::TitleBarLockBtnClick);
    LockBtn->OnEnter = forms::Method(this, &TfmMain::LockBtnEnter);

    const int closeLeft = kDesignWidth - kButtonEdge - 4;
    const int wizLeft = kDesignWidth - 2 * kButtonEdge - 6;
    LbBtn = forms::MakeChild<forms::TLabel>(this, Bounds(0, 0, 0, 0));
    MakeCounter(*LbBtn, "選択ボタンNo.");
    LbCount = forms::MakeChild<forms::TLabel>(this, Bounds(0, 0, 0, 0));
    MakeCounter(*LbCount, "ページ内ボタン数");
    // The counters stand one above the other, centred in the title bar, left of the buttons.
    const int gap = (kTitleHeight - LbCount->Height() - LbBtn->Height()) / 2;
    LbCount->SetBounds(wizLeft - LbCount->Width() - 4, kTitleHeight - gap - LbCount->Height(),
                       LbCount->Width(), LbCount->Height());
    LbBtn->SetBounds(LbCount->Left(), LbCount->Top() - LbBtn->Height(), LbBtn->Width(),
                     LbBtn->Height());

    WizBtn = forms::MakeChild<TMarkBtn>(this, Bounds(wizLeft, 4, kButtonEdge, kButtonEdge));
    WizBtn->SetHint("登録データー編集");
    SetEdges(*WizBtn, 0x00FF4444, forms::clWhite, forms::clNavy);
    WizBtn->SetShapeMarkStyle(bmsFrame);
    WizBtn->SetShapeMarkColor(0x00FFFF93);
    WizBtn->OnClick = forms::Method(this, &TfmMain::mnRegDataClick);

    CloseBtn =
        forms::MakeChild<TMarkBtn>(this, Bounds(closeLeft, buttonTop, kButtonEdge, kButtonEdge));
    CloseBtn->SetHint("閉じる");
    SetEdges(*CloseBtn, forms::clRed, forms::clWhite, forms::clMaroon);
    CloseBtn->SetShapeMarkStyle(bmsCross);
    CloseBtn->SetShapeMarkColor(forms::clWhite);
    CloseBtn->OnClick = forms::Method(this, &TfmMain::mnExitClick);

    LbTitle = forms::MakeChild<TScrlLabel>(
        this, Bounds(40, (kTitleHeight - 16) / 2, kDesignWidth - 120, 16));
    LbTitle->SetAutoSize(false);
    LbTitle->SetShowTime(false);
    LbTitle->SetDateTimeFormat("yyyy/mm/dd - hh:nn");
    LbTitle->SetTelopMessage("スクロール");
    LbTitle->SetInterval(500);
    LbTitle->SetTelop(false);
    LbTitle->SetScrollStyle(tssHorzLeft);
    LbTitle->SetScrollValue(10);
    LbTitle->SetTransparent(true);
    LbTitle->SetParentFont(false);
    {
        forms::TFont titleFont(Font());
        titleFont.SetHeight(-12);
        titleFont.SetStyle(forms::fsBold);
        titleFont.SetColor(forms::clYellow);
        LbTitle->SetFont(titleFont);
    }

    PageTab = forms::MakeChild<TKTabPanel>(
        this, Bounds(0, ClientHeight() - kTabHeight, kDesignWidth, kTabHeight));
    PageTab->SetAlign(forms::TAlign::alBottom);
    PageTab->SetTabPosition(teBottom);
    PageTab->SetTabBtnHeight(kTabHeight);
    forms::TStringList tabs;
    tabs.Add(kNewPageCaption);
    PageTab->SetTabs(tabs);
    PageTab->SetTabIndex(0);
    PageTab->SetDefaultColWidth(56);
    PageTab->SetAutoWidthSize(true);
    PageTab->SetNoneClick(false);
    PageTab->SetMargin(6);
    PageTab->SetVisibleCounter(true);
    PageTab->SetCounterColor(forms::clBlue);
    PageTab->SetSelectColor(forms::clRed);
    PageTab->SetNonSelectColor(forms::clBlack);
    PageTab->SetBaseColor(kFace);
    PageTab->SetTopLineColor(kLightEdge);
    PageTab->SetBtmLineColor(kDarkEdge);
    PageTab->OnChange = forms::Method(this, &TfmMain::PageTabChange);

    Base = forms::MakeChild<TBasePanel>(this, Bounds(0, kTitleHeight, kDesignWidth, kBaseHeight));
    Base->SetColor(kFace);
    Base->OnPaint = forms::Method(this, &TfmMain::BasePaint);

    BtnBar = forms::MakeChild<TQvtGrpBtns>(Base, Bounds(0, 0, kDesignWidth, kBaseHeight));
    BtnBar->SetColCount(8);
    BtnBar->SetRowCount(1);
    BtnBar->SetBtnIndex(0);
    BtnBar->SetMarkStyle(msFrame);
    BtnBar->SetSpace(4);
    BtnBar->SetBevelWidth(1);
    BtnBar->SetMarkColor(forms::clRed);
    BtnBar->SetBaseColor(kFace);
    BtnBar->SetTopLineColor(kLightEdge);
    BtnBar->SetBtmLineColor(kDarkEdge);
    BtnBar->SetAllBtnClicked(true);
    SetActiveControl(BtnBar);

    BuildMenuDesign();

    ApplicationEvents1 = forms::MakeOwned<forms::TApplicationEvents>(this);
    ApplicationEvents1->OnActivate = forms::Method(this, &TfmMain::ApplicationEvents1Activate);
    ApplicationEvents1->OnDeactivate = forms::Method(this, &TfmMain::ApplicationEvents1Deactivate);
    ApplicationEvents1->OnMessage = forms::Method(this, &TfmMain::ApplicationEvents1Message);
    ApplicationEvents1->OnShowHint = forms::Method(this, &TfmMain::ApplicationEvents1ShowHint);

    TrayIcon1 = forms::MakeOwned<TTrayIcon>(this, environment_->TrayShell());
    // The icon comes without a tip; start-up gives it the title.
    TrayIcon1->SetTipHelp("");
    TrayIcon1->SetEnabled(false);
    TrayIcon1->Icon().LoadFromResource(GetModuleHandleW(nullptr), "MAINICON",
                                       GetSystemMetrics(SM_CXSMICON));
    TrayIcon1->SetVisible(true);
    TrayIcon1->SetRBPopupMenu(PopupMenu1);
    TrayIcon1->OnClick = forms::Method(this, &TfmMain::TrayIcon1Click);

    LTimer = forms::MakeOwned<TRavoLaunchTimer>(this);
    LTimer->SetEnabled(false);
    LTimer->SetInterval(100);
    LTimer->SetLaunchMouseBtns({lmMiddle});
    LTimer->SetInvalidClickDeskTop(true);
    LTimer->SetEffectiveClickTaskBar(true);
    LTimer->OnTimer = forms::Method(this, &TfmMain::LTimerTimer);

    SHBrowseForFolderEx1 = forms::MakeOwned<TSHBrowseForFolderEx>(this);
    SHBrowseForFolderEx1->SetCaption("ファイルフォルダの登録");

    OnCreate = forms::Method(this, &TfmMain::FormCreate);
    OnResize = forms::Method(this, &TfmMain::FormResize);
    OnCloseQuery = forms::Method(this, &TfmMain::FormCloseQuery);
    OnDestroy = forms::Method(this, &TfmMain::FormDestroy);
}

void TfmMain::CreateParams(forms::TCreateParams& params) {
    forms::TForm::CreateParams(params);
    params.Style = kWindowStyle;
    params.ExStyle = kWindowExStyle;
    // Windows 7 and later, which the build targets, all draw the shadow.
    params.ClassStyle |= CS_DROPSHADOW;
}

void TfmMain::WndProc(forms::TMessage& message) {
    forms::TForm::WndProc(message);
    switch (message.Msg) {
    case WM_WINDOWPOSCHANGED:
        WMWindowPosChanged(message);
        break;
    case WM_POWERBROADCAST:
        WMPowerBroadcast(message);
        break;
    case WM_HOTKEY:
        WMHotKey(message);
        break;
    default:
        break;
    }
}
