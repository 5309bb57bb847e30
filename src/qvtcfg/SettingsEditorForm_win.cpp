#include "qvtcfg/SettingsEditorForm.h"

#include "forms/base/Exceptions.h"
#include "forms/base/Files.h"
#include "forms/base/Method.h"
#include "forms/base/Paths.h"
#include "forms/base/ScopeGuard.h"
#include "forms/base/SettingsFile.h"
#include "forms/win/Application.h"
#include "forms/win/CommonDialogs.h"
#include "forms/win/MessageDialog.h"
#include "qvtcfg/EditorControls.h"
#include "qvtcfg/SettingsEditor.h"
#include "shared/FileUtils.h"
#include "shared/HotKeyText.h"
#include "shared/TitledMessage.h"

#include <windows.h>

using forms::Bounds;
using forms::MakeChild;
using forms::TComponent;

namespace {

constexpr char kIniExt[] = ".ini";
constexpr int kMessageOffset = 16;
// Outer pages by tab index: "操作", whose restore resets its inner page, and "その他".
constexpr int kActionPage = 1, kOtherPage = 5;
// The Tag of the two program fields and their check boxes.
constexpr int kBrowserTag = 0, kMailTag = 1;

constexpr const char* kComboLabels[kActionComboCount] = {
    "左ボタン(&L):",
    "右ボタン(&R):",
    "ホイールボタン[中央](&M):",
    "第４ボタン(&4):",
    "第５ボタン(&5):",
    "[ホイールボタン]:上にスクロール(&U):",
    "[ホイールボタン]:下にスクロール(&D):",
    "ホイールボタン＋上にスクロール(&Y):",
    "ホイールボタン＋下にスクロール(&Z):",
    "左ボタン＋上にスクロール(&T):",
    "左ボタン＋下にスクロール(&B):",
    "右ボタン＋上にスクロール(&W):",
    "右ボタン＋下にスクロール(&X):",
};
constexpr const char* kKeyLabels[kLaunchKeyCount] = {
    "実行", "閉じる", "メニュー表示", "ロックの切替え", "前ページに移動", "次ページに移動",
};
// The edge boxes round the screen picture, in key order (Rect0..7), at their places on the page.
struct TEdgePlace {
    const char* Caption;
    int Left, Top;
};
constexpr TEdgePlace kEdgePlaces[kEdgeCount] = {
    {"左", 113, 80},   {"上", 185, 36},   {"右", 257, 80},    {"下", 185, 120},
    {"左上", 113, 36}, {"右上", 257, 36}, {"左下", 113, 120}, {"右下", 257, 120},
};
constexpr const char* kRevisionCaptions[kRevisionPointCount] = {
    "左上", "上", "右上", "左", "中央", "右", "左下", "下", "右下",
};
constexpr int kRevisionColumns[3] = {107, 187, 263};
constexpr int kRevisionRows[3] = {232, 252, 272};

forms::TGroupBox* Frame(forms::TWinControl* parent, const forms::TRect& bounds,
                        const char* caption) {
    auto* frame = MakeChild<forms::TGroupBox>(parent, bounds);
    frame->SetCaption(caption);
    return frame;
}

forms::TComboBox* List(forms::TWinControl* parent, const forms::TRect& bounds) {
    auto* list = MakeChild<forms::TComboBox>(parent, bounds);
    list->SetStyle(forms::TComboBoxStyle::csDropDownList);
    return list;
}

void Fill(forms::TComboBox* list, const char* const* items, int count) {
    const forms::TStringsUpdate update(list->Items());
    list->Items().Clear();
    for (int i = 0; i < count; ++i)
        list->Items().Add(items[i]);
}

uint16_t CodeOf(const forms::TControl* field) {
    return static_cast<uint16_t>(field->Tag());
}

THeldModifiers HeldOf(forms::TShiftState shift) {
    return {(shift & forms::ssShift) != 0, (shift & forms::ssCtrl) != 0,
            (shift & forms::ssAlt) != 0};
}

void CaretToEnd(forms::TCustomEdit* edit) {
    edit->SetSelStart(static_cast<int>(edit->Text().size()));
}

// A key field asks for every key but Tab, so that Tab and Shift+Tab leave it as any other field.
void LeaveTabToTheDialog(forms::TMessage& dlgCode) {
    const auto* msg = reinterpret_cast<const MSG*>(dlgCode.LParam);
    if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_TAB)
        dlgCode.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTMESSAGE);
}

} // namespace

// ---- the two kinds of key field ----

UINT THotKeyEdit::DlgCode() {
    return forms::TEdit::DlgCode() | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE;
}

void THotKeyEdit::WndProc(forms::TMessage& message) {
    // The key events have taken every key: what the keys would type goes nowhere.
    if (message.Msg == WM_CHAR || message.Msg == WM_SYSCHAR || message.Msg == WM_SYSKEYUP) {
        message.Result = 0;
        return;
    }
    forms::TEdit::WndProc(message);
    if (message.Msg == WM_GETDLGCODE)
        LeaveTabToTheDialog(message);
}

UINT TKeyEdit::DlgCode() {
    return forms::TEdit::DlgCode() | DLGC_WANTALLKEYS;
}

void TKeyEdit::WndProc(forms::TMessage& message) {
    if ((message.Msg == WM_CHAR && message.WParam < 0x20) || message.Msg == WM_SYSCHAR ||
        message.Msg == WM_SYSKEYUP) {
        message.Result = 0;
        return;
    }
    forms::TEdit::WndProc(message);
    if (message.Msg == WM_GETDLGCODE)
        LeaveTabToTheDialog(message);
}

// ---- the design ----

TfmCfg::TfmCfg(TComponent* owner) : forms::TForm(owner), Capture_(SystemKeyNames()) {
    const std::string program = forms::ProgramPath();
    ProgramFolder_ = forms::ExtractFilePath(program);
    LongProgramFolder_ = forms::ExtractFilePath(GetLongPathNameStr(program));
    BuildDesign_();
}

void TfmCfg::BuildDesign_() {
    SetBorderStyle(forms::TFormBorderStyle::bsDialog);
    SetFont(DialogFont("ＭＳ Ｐゴシック", -12, forms::clWindowText));
    SetColor(forms::clBtnFace);
    SetCaption(kCfgFormCaption);
    SetClientSize(kCfgFormClientWidth, kCfgFormClientHeight);
    OnCreate = forms::Method(this, &TfmCfg::FormCreate);
    OnShow = forms::Method(this, &TfmCfg::FormShow);

    // Created in tab order: OK, Cancel, the pages.
    OkBtn = MakeChild<forms::TButton>(this, Bounds(224, 344, 89, 21));
    OkBtn->SetCaption("OK");
    OkBtn->SetModalResult(forms::mrOk);
    BtnCancel = MakeChild<forms::TButton>(this, Bounds(320, 344, 89, 21));
    BtnCancel->SetCaption("キャンセル");
    BtnCancel->SetModalResult(forms::mrCancel);
    BtnCancel->SetCancel(true);
    PageControl1 = MakeChild<forms::TPageControl>(this, Bounds(0, 0, 416, 337));
    PageControl1->SetAlign(forms::TAlign::alTop);
    SBDef = MakeChild<forms::TSpeedButton>(this, Bounds(8, 344, 113, 21));
    SBDef->SetCaption("初期値に戻す");
    SBDef->OnClick = forms::Method(this, &TfmCfg::SBDefClick);

    const auto page = [this](forms::TPageControl* control, const char* caption) {
        auto* sheet = forms::MakeOwned<forms::TTabSheet>(this);
        sheet->SetPageControl(control);
        sheet->SetCaption(caption);
        return sheet;
    };
    TabSheet1 = page(PageControl1, "全般");
    TabSheet2 = page(PageControl1, "操作");
    TabSheet3 = page(PageControl1, "ランチャー表示1");
    TabSheet7 = page(PageControl1, "ランチャー表示2");
    TabSheet9 = page(PageControl1, "ドロップ");
    TabSheet8 = page(PageControl1, "その他");
    PageControl2 = MakeChild<forms::TPageControl>(TabSheet2, Bounds(4, 4, 400, 302));
    TabSheet4 = page(PageControl2, "マウスボタンクリック");
    TabSheet5 = page(PageControl2, "マウスホイール");
    TabSheet6 = page(PageControl2, "キーボード");

    BuildGeneralPage_();
    BuildActionPages_();
    BuildLauncherPage1_();
    BuildLauncherPage2_();
    BuildDropPage_();
    BuildOtherPage_();

    TabSheet2->OnShow = forms::Method(this, &TfmCfg::TabSheet2Show);
    TabSheet7->OnShow = forms::Method(this, &TfmCfg::TabSheet7Show);
    TabSheet8->OnShow = forms::Method(this, &TfmCfg::TabSheet8Show);
    TabSheet6->OnShow = forms::Method(this, &TfmCfg::TabSheet6Show);
    TabSheet6->OnHide = forms::Method(this, &TfmCfg::TabSheet6Hide);
}

void TfmCfg::BuildGeneralPage_() {
    forms::TTabSheet* p = TabSheet1;
    CheckBoxDeskOnly =
        CheckBox(p, Bounds(16, 16, 377, 17), "デスクトップ以外でのマウスクリックは無効(&D)", true,
                 true, forms::Method(this, &TfmCfg::CheckBoxDeskOnlyClick));
    CheckBoxTaskBar =
        CheckBox(p, Bounds(32, 40, 361, 17), "タスクバーのマウスクリックは有効(&C)", true);
    CheckBoxDropOut = CheckBox(p, Bounds(16, 72, 377, 17),
                               "ロック時にファイルドロップした場合ロックを解除(&K)", true);
    CheckBoxAutoTab =
        CheckBox(p, Bounds(16, 96, 377, 17), "タブをクリックしてページを切り換える(&P)", true);
    CheckBoxHide = CheckBox(p, Bounds(16, 128, 377, 17), "非アクティブならランチャーを閉じる(&H)",
                            true, true, forms::Method(this, &TfmCfg::CheckBoxHideClick));
    CheckBoxOutClose = CheckBox(p, Bounds(32, 152, 361, 17),
                                "マウスポインタがランチャー外なら閉じる(&A)", false, false);
    CheckAutoLock =
        CheckBox(p, Bounds(8, 184, 396, 17),
                 "ロックボタンにマウスポインタを合わせるだけで切り替えられるようにする(&L)", false);
}

void TfmCfg::BuildActionPages_() {
    // Mouse button clicks: a label and its list per row.
    for (int i = 0; i < kClickActionCount; ++i) {
        ComboBox[i] = List(TabSheet4, Bounds(184, 16 + 32 * i, 193, 20));
        ComboLabel_[i] = Label(TabSheet4, 16, 20 + 32 * i, kComboLabels[i], ComboBox[i]);
    }
    ClickNote_ = Label(TabSheet4, 16, 192,
                       "※[第４]ボタン[第５]ボタンは環境によって動作しない場合があります");
    // The wheel alone, then with a button held.
    for (int i = kClickActionCount; i < 7; ++i) {
        ComboBox[i] = List(TabSheet5, Bounds(208, 8 + 26 * (i - 5), 177, 20));
        ComboLabel_[i] = Label(TabSheet5, 16, 12 + 26 * (i - 5), kComboLabels[i], ComboBox[i]);
    }
    WheelHeading_ = Label(TabSheet5, 16, 64, "マウスボタンを押したままホイールをスクロール");
    for (int i = 7; i < kActionComboCount; ++i) {
        ComboBox[i] = List(TabSheet5, Bounds(208, 82 + 26 * (i - 7), 177, 20));
        ComboLabel_[i] = Label(TabSheet5, 24, 86 + 26 * (i - 7), kComboLabels[i], ComboBox[i]);
    }
    WheelNote_ =
        Label(TabSheet5, 16, 246, "※ホイール[中央]ボタンは環境によって動作しない場合があります");

    // The launcher's keys: four in one frame, the page keys in a second.
    KeyFrame1_ = Frame(TabSheet6, Bounds(8, 8, 377, 137), "");
    KeyFrame2_ = Frame(TabSheet6, Bounds(8, 152, 377, 81), "");
    for (int i = 0; i < kLaunchKeyCount; ++i) {
        forms::TGroupBox* frame = i < 4 ? KeyFrame1_ : KeyFrame2_;
        const int row = i < 4 ? i : i - 4;
        Editkey[i] = MakeChild<TKeyEdit>(frame, Bounds(160, 20 + 28 * row, 81, 20));
        Editkey[i]->SetImeMode(forms::TImeMode::imDisable);
        KeyLabel_[i] = Label(frame, 24, 24 + 28 * row, kKeyLabels[i]);
        Editkey[i]->OnKeyDown = forms::Method(this, &TfmCfg::Editkey1KeyDown);
        Editkey[i]->OnKeyUp = forms::Method(this, &TfmCfg::Editkey1KeyUp);
    }
}

void TfmCfg::BuildLauncherPage1_() {
    forms::TTabSheet* p = TabSheet3;
    MouseFrame_ = Frame(p, Bounds(8, 8, 385, 145), "マウスボタン");
    const forms::TNotifyEvent button = forms::Method(this, &TfmCfg::CheckBoxLClick);
    const auto mouseBox = [&](int top, const char* caption, int tag) {
        forms::TCheckBox* box = CheckBox(MouseFrame_, Bounds(16, top, 121, 17), caption, false);
        box->SetTag(tag);
        box->OnClick = button;
        return box;
    };
    CheckBoxL = mouseBox(20, "左ボタン(&L)", 1);
    CheckBoxM = mouseBox(44, "中央ボタン(&M)", 4);
    CheckBoxR = mouseBox(68, "右ボタン(&R)", 2);
    CheckBoxM4 = mouseBox(92, "第４ボタン(&4)", 8);
    CheckBoxM5 = mouseBox(116, "第５ボタン(&5)", 16);
    ChkBoxFmVisble = List(MouseFrame_, Bounds(168, 40, 201, 20));
    FmVisbleLabel_ = Label(MouseFrame_, 168, 22, "表示位置(&V)", ChkBoxFmVisble);

    HotKeyFrame_ = Frame(p, Bounds(8, 164, 385, 121), "ホットキー");
    showHotKey = MakeChild<THotKeyEdit>(HotKeyFrame_, Bounds(16, 24, 201, 20));
    showHotKey->SetReadOnly(true);
    showHotKey->SetImeMode(forms::TImeMode::imDisable);
    GiveHint(showHotKey, "ここをクリックして、設定したいキーを押して下さい");
    showHotKey->OnKeyDown = forms::Method(this, &TfmCfg::showHotKeyKeyDown);
    showHotKey->OnKeyUp = forms::Method(this, &TfmCfg::showHotKeyKeyUp);
    ChkBoxKeyVisble = List(HotKeyFrame_, Bounds(16, 80, 201, 20));
    KeyVisbleLabel_ = Label(HotKeyFrame_, 16, 62, "表示位置(&S)", ChkBoxKeyVisble);
    for (forms::TComboBox* list : {ChkBoxFmVisble, ChkBoxKeyVisble}) {
        Fill(list, kShowPosItems.data(), kShowPosItemCount);
        list->SetItemIndex(1);
    }
}

void TfmCfg::BuildLauncherPage2_() {
    forms::TTabSheet* p = TabSheet7;
    // The frames are drawn on the page, beneath the check boxes that head them.
    EdgeFrame_ = MakeChild<forms::TBevel>(p, Bounds(53, 16, 307, 129));
    EdgeFrame_->SetShape(forms::TBevelShape::bsFrame);
    RevisionFrame_ = MakeChild<forms::TBevel>(p, Bounds(33, 160, 345, 137));
    RevisionFrame_->SetShape(forms::TBevelShape::bsFrame);
    CheckRectPop = CheckBox(p, Bounds(64, 8, 281, 17), "画面端にマウスポインタを移動したら表示(&H)",
                            false, true, forms::Method(this, &TfmCfg::CheckRectPopClick));
    DesktopBox = MakeChild<forms::TPaintBox>(p, Bounds(161, 64, 80, 48));
    DesktopBox->OnPaint = forms::Method(this, &TfmCfg::DesktopBoxPaint);
    // In tab order round the picture: the top row, the sides, the bottom row.
    for (int i : {4, 1, 5, 0, 2, 6, 3, 7}) {
        const TEdgePlace& e = kEdgePlaces[i];
        CheckPop[i] = CheckBox(p, Bounds(e.Left, e.Top, 41, 17), e.Caption, true, false);
    }
    CheckMouseRevision = CheckBox(p, Bounds(44, 152, 321, 17),
                                  "ランチャー表示時にマウスポインタの位置を補正する(&R)", true,
                                  true, forms::Method(this, &TfmCfg::CheckMouseRevisionClick));
    CheckMouseRevisionTaskBar = CheckBox(
        p, Bounds(56, 180, 305, 17), "マウスポインタがタスクバー上にある時も補正する(&T)", true);
    LbRev = Label(p, 56, 208, "マウスポインタの移動位置（ランチャーウィンドウ上）");
    for (int i = 0; i < kRevisionPointCount; ++i) {
        RadioRev[i] = MakeChild<forms::TRadioButton>(
            p, Bounds(kRevisionColumns[i % 3], kRevisionRows[i / 3], 57, 17));
        RadioRev[i]->SetCaption(kRevisionCaptions[i]);
        RadioRev[i]->SetTag(i);
    }
    RadioRev[0]->SetChecked(true);
}

void TfmCfg::BuildDropPage_() {
    forms::TTabSheet* p = TabSheet9;
    DropFrame_ = Frame(p, Bounds(8, 8, 385, 121),
                       "ランチャーウィンドウにドロップした時の動作（サブウィンドウを含む）");
    CheckBoxDropDlg =
        CheckBox(DropFrame_, Bounds(16, 24, 241, 17), "処理選択ダイアログを表示(&H)", true);
    CheckBoxDropOpen =
        CheckBox(DropFrame_, Bounds(16, 48, 241, 17), "実行後フォルダを開く(&O)", true);
    DropNote_[0] =
        Label(DropFrame_, 16, 80, "※選択ボタンがファイルフォルダや一部の特殊フォルダの時に限る。");
    DropNote_[1] =
        Label(p, 16, 144, "※ [Ctrl] + ドロップでファイルコピー [Shift] + ドロップでファイル移動");
    DropNote_[2] = Label(p, 16, 164, "※ [Alt] + ドロップでファイルのショートカットを作成");
    for (forms::TLabel* note : DropNote_)
        note->SetShowAccelChar(false);
}

void TfmCfg::BuildOtherPage_() {
    forms::TTabSheet* p = TabSheet8;
    ConnectionFrame_ = Frame(p, Bounds(8, 4, 385, 153), "URL及びメールアドレス実行時の設定");
    const forms::TNotifyEvent connection = forms::Method(this, &TfmCfg::CheckBoxCntUrlClick);
    const forms::TNotifyEvent program = forms::Method(this, &TfmCfg::EdUrlEllipsisClick);
    const auto programField = [&](int top, int tag) {
        auto* field = MakeChild<TEllipsisEdit>(ConnectionFrame_, Bounds(16, top, 241, 20));
        field->SetTag(tag);
        field->SetEnabled(false);
        GiveHint(field, "実行ファイルを入力");
        field->OnEllipsisClick = program;
        return field;
    };
    const auto paramField = [&](int top) {
        auto* field = MakeChild<forms::TEdit>(ConnectionFrame_, Bounds(264, top, 105, 20));
        field->SetEnabled(false);
        GiveHint(field, "実行時にパラメータが必要な場合は入力");
        return field;
    };
    CheckBoxCntUrl = CheckBox(ConnectionFrame_, Bounds(16, 20, 353, 17),
                              "通常の関連付けられているブラウザを使用", true, true, connection);
    CheckBoxCntUrl->SetTag(kBrowserTag);
    GiveHint(CheckBoxCntUrl, "通常の関連付けられているブラウザを使用する場合はON");
    EdUrl = programField(56, kBrowserTag);
    EdUrlParam = paramField(56);
    UrlLabel_ = Label(ConnectionFrame_, 16, 40, "URL(&U):", EdUrl);
    CheckBoxCntMail =
        CheckBox(ConnectionFrame_, Bounds(16, 84, 353, 17),
                 "通常の関連付けられているメールソフトを使用", true, true, connection);
    CheckBoxCntMail->SetTag(kMailTag);
    GiveHint(CheckBoxCntMail, "通常の関連付けられているメールソフトを使用する場合はON");
    EdMail = programField(120, kMailTag);
    EdMailParam = paramField(120);
    MailLabel_ = Label(ConnectionFrame_, 16, 104, "メールアドレス(&M):", EdMail);

    EdEditorPath = MakeChild<TEllipsisEdit>(p, Bounds(8, 182, 385, 20));
    EdEditorPath->OnEllipsisClick = forms::Method(this, &TfmCfg::EdEditorPathEllipsisClick);
    EdEditorPath->OnChange = forms::Method(this, &TfmCfg::EdEditorPathChange);
    EditorPathLabel_ = Label(
        p, 8, 166, "登録データー編集ツール（ZVLEDIT.EXE）を格納しているフォルダ(&Z)", EdEditorPath);

    ShortcutFrame_ = Frame(p, Bounds(8, 212, 385, 57), "ショートカットの作成・削除");
    ComboBoxScm = List(ShortcutFrame_, Bounds(16, 22, 225, 20));
    SBtnScmC = MakeChild<forms::TSpeedButton>(ShortcutFrame_, Bounds(248, 21, 57, 22));
    SBtnScmC->SetCaption("作成(&C)");
    SBtnScmC->OnClick = forms::Method(this, &TfmCfg::SBtnScmCClick);
    SBtnScmD = MakeChild<forms::TSpeedButton>(ShortcutFrame_, Bounds(312, 21, 57, 22));
    SBtnScmD->SetCaption("削除(&D)");
    SBtnScmD->OnClick = forms::Method(this, &TfmCfg::SBtnScmDClick);
}

// ---- the form ----

void TfmCfg::FormCreate(TComponent* /*sender*/) {
    forms::Application.HintHidePause = 30000;
    forms::Application.HintPause = 100;
    forms::Application.HintShortPause = 10;
    const TAppCfg defaults = DefaultCfgSettings();
    for (int i = 0; i < kActionComboCount; ++i) {
        forms::TComboBox* list = ComboBox[i];
        Fill(list, kActionItems.data(), kActionItemCount);
        list->SetDropDownCount(list->Items().Count());
        list->SetItemIndex(defaults.Actions[i]);
        GiveHint(list, list->Text());
    }
    {
        const forms::TStringsUpdate update(ComboBoxScm->Items());
        ComboBoxScm->Items().Clear();
        for (int i = 0; i < kShortcutFolderCount; ++i) {
            const TRootFolder folder = kShortcutFolders[i];
            std::string name;
            try {
                name = DisplayNameOfPidl(*RootFolderPidl(folder));
            } catch (const forms::EComError&) {
                name = RootFolderName(folder); // a folder this system lacks
            }
            ComboBoxScm->Items().Add(ShortcutFolderItem(i, name));
        }
    }
    for (forms::TCheckBox* box : CheckPop)
        box->SetEnabled(CheckRectPop->Checked());
    CheckMouseRevisionClick(CheckMouseRevision);
}

void TfmCfg::FormShow(TComponent* /*sender*/) {
    PageControl1->SetActivePage(TabSheet1);
}

// ---- values and controls ----

TBindingTable<TCfgPage> TfmCfg::Bindings_(TAppCfg& s) const {
    using P = TCfgPage;
    TBindingTable<P> table = {
        {Bound(CheckBoxDeskOnly), s.InvalidClickDeskTop, P::General},
        {Bound(CheckBoxTaskBar), s.EffectiveClickTaskBar, P::General},
        {Bound(CheckBoxDropOut), s.DropRunLockOff, P::General},
        {Bound(CheckBoxAutoTab), s.TabClickChg, P::General},
        {Bound(CheckBoxHide), s.RunHide, P::General},
        {Bound(CheckBoxOutClose), s.NotFormMos, P::General},
        {Bound(CheckAutoLock), s.AutoLock, P::General},
        {BoundIndex(ChkBoxFmVisble), s.MouseShowPos, P::Launcher1},
        {Bound(showHotKey), s.KeyShow, P::Launcher1},
        {BoundIndex(ChkBoxKeyVisble), s.KeyShowPos, P::Launcher1},
        {Bound(CheckRectPop), s.RectPopUp, P::Launcher2},
        {Bound(CheckMouseRevision), s.Revision, P::Launcher2},
        {Bound(CheckMouseRevisionTaskBar), s.RevisionTaskBar, P::Launcher2},
        {Bound(CheckBoxDropDlg), s.Dlg, P::Drop},
        {Bound(CheckBoxDropOpen), s.Open, P::Drop},
        {Bound(CheckBoxCntUrl), s.URL, P::Other},
        {Bound(CheckBoxCntMail), s.MAIL, P::Other},
        {Bound(EdUrl), s.URLExe, P::Other},
        {Bound(EdUrlParam), s.URLExeParam, P::Other},
        {Bound(EdMail), s.MAILExe, P::Other},
        {Bound(EdMailParam), s.MAILExeParam, P::Other},
        {Bound(EdEditorPath), s.DataEditorPath, P::Other},
    };
    for (int i = 0; i < kEdgeCount; ++i)
        table.push_back({Bound(CheckPop[i]), s.Rect[static_cast<size_t>(i)], P::Launcher2});
    for (int i = 0; i < kActionComboCount; ++i)
        table.push_back({BoundIndex(ComboBox[i]), s.Actions[static_cast<size_t>(i)],
                         i < kClickActionCount ? P::Click : P::Wheel});
    return table;
}

std::array<std::pair<forms::TCheckBox*, bool*>, 5> TfmCfg::LaunchButtons_(TAppCfg& s) const {
    return {{{CheckBoxL, &s.LMLeft},
             {CheckBoxR, &s.LMRight},
             {CheckBoxM, &s.LMMiddle},
             {CheckBoxM4, &s.LMMos4},
             {CheckBoxM5, &s.LMMos5}}};
}

void TfmCfg::ShowSettings_(TAppCfg s) {
    // The boxes that end checked first: the last-button rule must never see none of the five.
    for (bool pass : {true, false})
        for (auto [box, checked] : LaunchButtons_(s))
            if (*checked == pass)
                box->SetChecked(*checked);
    ShowBound(Bindings_(s));
    ShowRevisionPoint_(s.RevisionPoint);
    ShowLauncherKeys_(s.LauncherKeys);
    ApplyEnables_();
}

void TfmCfg::ShowRevisionPoint_(int32_t point) {
    const int checked = ListIndexOf(point, kRevisionPointCount);
    for (int i = 0; i < kRevisionPointCount; ++i)
        if (i != checked)
            RadioRev[i]->SetChecked(false);
    if (checked >= 0)
        RadioRev[checked]->SetChecked(true);
}

void TfmCfg::ShowLauncherKeys_(const std::array<uint16_t, kLaunchKeyCount>& codes) {
    for (int i = 0; i < kLaunchKeyCount; ++i) {
        const uint16_t code = codes[static_cast<size_t>(i)];
        Editkey[i]->SetTag(code);
        Editkey[i]->SetText(SystemKeyNames().KeyName(code));
    }
}

TAppCfg TfmCfg::ShownSettings_() const {
    TAppCfg s = Loaded_;
    ReadBound(Bindings_(s));
    for (auto [box, checked] : LaunchButtons_(s))
        *checked = box->Checked();
    for (int i = 0; i < kRevisionPointCount; ++i)
        if (RadioRev[i]->Checked())
            s.RevisionPoint = static_cast<uint8_t>(i);
    for (int i = 0; i < kLaunchKeyCount; ++i)
        s.LauncherKeys[static_cast<size_t>(i)] = CodeOf(Editkey[i]);
    return s;
}

void TfmCfg::ApplyEnables_() {
    const TCfgEnables e = CfgEnables(ShownSettings_());
    CheckBoxTaskBar->SetEnabled(e.TaskBar);
    CheckBoxOutClose->SetEnabled(e.OutClose);
    for (forms::TCheckBox* box : CheckPop)
        box->SetEnabled(e.EdgeBoxes);
    CheckMouseRevisionTaskBar->SetEnabled(e.Revision);
    LbRev->SetEnabled(e.Revision);
    for (forms::TRadioButton* radio : RadioRev)
        radio->SetEnabled(e.Revision);
    ApplyConnectionRules_();
}

void TfmCfg::ApplyConnectionRules_() {
    const TCfgEnables e = CfgEnables(ShownSettings_());
    EdUrl->SetEnabled(e.UrlFields);
    EdUrlParam->SetEnabled(e.UrlFields);
    EdMail->SetEnabled(e.MailFields);
    EdMailParam->SetEnabled(e.MailFields);
}

// ---- the settings file ----

void TfmCfg::LoadIni(const std::string& settingsPath) {
    const forms::TSettingsFile ini(forms::ChangeFileExt(settingsPath, kIniExt));
    Loaded_ = LoadCfgSettings(ini);
    ShowSettings_(Loaded_);
}

void TfmCfg::SaveIni(const std::string& settingsPath) {
    forms::TSettingsFile ini(forms::ChangeFileExt(settingsPath, kIniExt));
    SaveCfgSettings(ini, ShownSettings_());
}

// ---- restores ----

void TfmCfg::SBDefClick(TComponent* sender) {
    // The settings each tab's restore resets, by tab; the action tab's are its inner tab's.
    static constexpr std::array<TCfgPage, 6> kTabPages{TCfgPage::General,   TCfgPage::Click,
                                                       TCfgPage::Launcher1, TCfgPage::Launcher2,
                                                       TCfgPage::Drop,      TCfgPage::Other};
    const int tab = PageControl1->ActivePageIndex();
    if (tab == kActionPage) {
        SBtnDefMouseBtnClick(sender);
    } else if (tab >= 0 && tab < static_cast<int>(kTabPages.size())) {
        RestorePage_(kTabPages[static_cast<size_t>(tab)]);
        if (tab == kOtherPage)
            TabSheet8Show(TabSheet8);
    }
}

void TfmCfg::SBtnDef1Click(TComponent* /*sender*/) {
    RestorePage_(TCfgPage::General);
}

void TfmCfg::SBtnDefMouseBtnClick(TComponent* /*sender*/) {
    static constexpr std::array<TCfgPage, 3> kInnerTabPages{TCfgPage::Click, TCfgPage::Wheel,
                                                            TCfgPage::Keyboard};
    const int tab = PageControl2->ActivePageIndex();
    if (tab >= 0 && tab < static_cast<int>(kInnerTabPages.size()))
        RestorePage_(kInnerTabPages[static_cast<size_t>(tab)]);
}

void TfmCfg::RestorePage_(TCfgPage page) {
    TAppCfg d = DefaultCfgSettings();
    // The program's folder as the system reports it, not in its long form.
    d.DataEditorPath = forms::IncludeTrailingBackslash(ProgramFolder_);
    ShowBoundPage(Bindings_(d), page);
    switch (page) {
    case TCfgPage::Click:
    case TCfgPage::Wheel: {
        const int first = page == TCfgPage::Click ? 0 : kClickActionCount;
        const int last = page == TCfgPage::Click ? kClickActionCount : kActionComboCount;
        for (int i = first; i < last; ++i)
            GiveHint(ComboBox[i], ComboBox[i]->Text());
        break;
    }
    case TCfgPage::Keyboard:
        ShowLauncherKeys_(d.LauncherKeys);
        break;
    case TCfgPage::Launcher1:
        // The middle button alone, the launcher's usual call (the file's default is none),
        // checked first so that the last-button rule never sees none.
        CheckBoxM->SetChecked(true);
        for (forms::TCheckBox* box : {CheckBoxL, CheckBoxR, CheckBoxM4, CheckBoxM5})
            box->SetChecked(false);
        break;
    case TCfgPage::Launcher2:
        ShowRevisionPoint_(d.RevisionPoint);
        break;
    default:
        break;
    }
    ApplyEnables_();
}

// ---- enable rules ----

void TfmCfg::CheckBoxLClick(TComponent* sender) {
    auto* box = dynamic_cast<forms::TCheckBox*>(sender);
    if (box && !AnyLaunchButton(ShownSettings_()))
        box->SetChecked(true);
}

void TfmCfg::CheckBoxDeskOnlyClick(TComponent* /*sender*/) {
    CheckBoxTaskBar->SetEnabled(CfgEnables(ShownSettings_()).TaskBar);
}

void TfmCfg::CheckBoxHideClick(TComponent* /*sender*/) {
    CheckBoxOutClose->SetEnabled(CfgEnables(ShownSettings_()).OutClose);
}

void TfmCfg::CheckRectPopClick(TComponent* /*sender*/) {
    const bool enabled = CfgEnables(ShownSettings_()).EdgeBoxes;
    for (forms::TCheckBox* box : CheckPop)
        box->SetEnabled(enabled);
}

void TfmCfg::CheckMouseRevisionClick(TComponent* /*sender*/) {
    const bool enabled = CfgEnables(ShownSettings_()).Revision;
    CheckMouseRevisionTaskBar->SetEnabled(enabled);
    LbRev->SetEnabled(enabled);
    for (forms::TRadioButton* radio : RadioRev)
        radio->SetEnabled(enabled);
}

void TfmCfg::CheckBoxCntUrlClick(TComponent* /*sender*/) {
    ApplyConnectionRules_();
}

void TfmCfg::TabSheet2Show(TComponent* /*sender*/) {
    PageControl2->SetActivePage(TabSheet4);
}

void TfmCfg::TabSheet7Show(TComponent* /*sender*/) {
    CheckMouseRevisionClick(CheckMouseRevision);
}

void TfmCfg::TabSheet8Show(TComponent* /*sender*/) {
    ApplyConnectionRules_();
    ComboBoxScm->SetItemIndex(0);
}

void TfmCfg::DesktopBoxPaint(TComponent* /*sender*/) {
    forms::TCanvas& canvas = DesktopBox->Canvas();
    const forms::TRect r = DesktopBox->ClientRect();
    canvas.SetBrushStyle(forms::TBrushStyle::bsSolid);
    canvas.SetBrushColor(forms::clBackground);
    canvas.FillRect(r);
    canvas.SetBrushColor(forms::clBtnFace);
    canvas.FrameRect(r);
}

// ---- key capture ----

std::string TfmCfg::ShiftStateText(forms::TShiftState shift, bool withWin) {
    const THeldModifiers held = HeldOf(shift);
    return ::ShiftStateText(held.Shift, held.Ctrl, held.Alt, withWin);
}

void TfmCfg::showHotKeyKeyDown(TComponent* /*sender*/, uint16_t& key, forms::TShiftState shift) {
    std::string text = showHotKey->Text();
    Capture_.HotKeyDown(text, key, HeldOf(shift));
    showHotKey->SetText(text);
    CaretToEnd(showHotKey);
    key = 0;
}

void TfmCfg::showHotKeyKeyUp(TComponent* /*sender*/, uint16_t& /*key*/,
                             forms::TShiftState /*shift*/) {
    std::string text = showHotKey->Text();
    Capture_.HotKeyUp(text);
    showHotKey->SetText(text);
}

void TfmCfg::Editkey1KeyDown(TComponent* sender, uint16_t& key, forms::TShiftState /*shift*/) {
    auto* field = dynamic_cast<TKeyEdit*>(sender);
    if (!field)
        return;
    TKeyField value{field->Text(), CodeOf(field)};
    Capture_.KeyFieldDown(value, key);
    field->SetText(value.Text);
    field->SetTag(value.Code);
    // A character key goes on to type its character into the emptied field.
    if (!IsCharacterKey(key))
        key = 0;
}

void TfmCfg::Editkey1KeyUp(TComponent* sender, uint16_t& key, forms::TShiftState /*shift*/) {
    auto* field = dynamic_cast<TKeyEdit*>(sender);
    if (!field)
        return;
    TKeyField value{field->Text(), CodeOf(field)};
    const TKeyUpEffect effect = Capture_.KeyFieldUp(value, key);
    field->SetText(value.Text);
    field->SetTag(value.Code);
    if (effect.CaretToEnd)
        CaretToEnd(field);
}

void TfmCfg::TabSheet6Show(TComponent* /*sender*/) {
    // Enter and Esc are keys to capture here.
    BtnCancel->SetCancel(false);
    OkBtn->SetDefault(false);
    CaretToEnd(Editkey[0]);
    FocusIfShowing(Editkey[0]);
}

void TfmCfg::TabSheet6Hide(TComponent* /*sender*/) {
    BtnCancel->SetCancel(true);
    OkBtn->SetDefault(true);
}

// ---- programs ----

void TfmCfg::EdEditorPathEllipsisClick(TComponent* /*sender*/) {
    auto* dialog = forms::MakeOwned<forms::TOpenDialog>(this);
    const auto free = forms::OnScopeExit([this, dialog] { RemoveComponent(dialog).reset(); });
    dialog->SetFilter("*.EXE|*.EXE");
    dialog->SetTitle("登録データー編集ツール（ZVLEDIT.EXE）の指定");
    const std::string folder = EdEditorPath->Text();
    if (!folder.empty() && forms::DirectoryExists(folder))
        dialog->SetInitialDir(folder);
    if (dialog->Execute())
        EdEditorPath->SetText(
            forms::IncludeTrailingBackslash(forms::ExtractFilePath(dialog->FileName())));
}

void TfmCfg::EdEditorPathChange(TComponent* /*sender*/) {
    // Set only when it differs: setting the text fires this again.
    const std::string text = EdEditorPath->Text();
    const std::string folder = EditorFolderText(text);
    if (folder != text)
        EdEditorPath->SetText(folder);
}

void TfmCfg::EdUrlEllipsisClick(TComponent* sender) {
    auto* field = sender && sender->Tag() == kMailTag ? EdMail : EdUrl;
    auto* dialog = forms::MakeOwned<forms::TOpenDialog>(this);
    const auto free = forms::OnScopeExit([this, dialog] { RemoveComponent(dialog).reset(); });
    dialog->SetFilter("実行ファイル(*.EXE)|*.EXE|すべてのファイル(*.*)|*.*");
    dialog->SetTitle(field == EdMail ? "メールソフトの指定" : "ブラウザの指定");
    if (dialog->Execute())
        field->SetText(dialog->FileName());
}

// ---- the launcher's shortcut ----

const TRootFolder* TfmCfg::ChosenShortcutFolder_() const {
    const int index = ComboBoxScm->ItemIndex();
    if (index < 0 || index >= kShortcutFolderCount)
        return nullptr;
    return &kShortcutFolders[static_cast<size_t>(index)];
}

namespace {
// The folder's path; empty when the system lacks the folder or it has no path.
std::string ShortcutFolderPath(TRootFolder folder) {
    try {
        return RootFolderPath(folder);
    } catch (const forms::EComError&) {
        return {};
    }
}
} // namespace

void TfmCfg::ShowShortcutDone_(const std::string& text, std::string_view title) {
    ShowTitledMessage(text, title, {forms::TMsgDlgBtn::mbOK}, forms::TMsgDlgType::mtInformation,
                      Left() + kMessageOffset, Top() + kMessageOffset);
}

void TfmCfg::SBtnScmCClick(TComponent* /*sender*/) {
    const TRootFolder* folder = ChosenShortcutFolder_();
    const std::string path = folder ? ShortcutFolderPath(*folder) : std::string();
    if (path.empty())
        return;
    TVersionStrings launcher;
    GetFileVersionStrings(LongProgramFolder_ + kLauncherFileName, launcher);
    const TLaunchDataItem item = LauncherShortcutItem(launcher);
    // A link that cannot be written raises: the error box tells why.
    if (!CreateItemShortcut(item, *folder, path))
        return;
    ShowShortcutDone_(ShortcutCreatedMessage(ComboBoxScm->Text()), kShortcutCreatedTitle);
}

void TfmCfg::SBtnScmDClick(TComponent* /*sender*/) {
    const TRootFolder* folder = ChosenShortcutFolder_();
    const std::string path = folder ? ShortcutFolderPath(*folder) : std::string();
    if (path.empty())
        return;
    const std::string link = LauncherShortcutPath(path);
    if (!forms::RemoveFile(link))
        return;
    ShowShortcutDone_(ShortcutDeletedMessage(link), kShortcutDeletedTitle);
}
