#include "qvtdock/AboutBox.h"

#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "forms/base/Method.h"
#include "forms/base/Paths.h"
#include "forms/gfx/Icon.h"
#include "forms/win/Clipboard.h"
#include "qvtdock/AboutText.h"
#include "qvtdock/DataEditor.h"
#include "qvtdock/DataFolder.h"
#include "shared/Desktop.h"
#include "shared/Drawing.h"
#include "shared/Settings.h"

#include <windows.h>

#include <shellapi.h>

using forms::Bounds;
using forms::TComponent;

namespace {
constexpr int kClientWidth = 360;
constexpr int kClientHeight = 156;
// The gradient band left of the texts, and the icon on it.
constexpr int kBandWidth = 50;
constexpr int kIconPlace = 8;
constexpr uint16_t kEscape = 27;

constexpr char kCfgProgram[] = "qvtcfg.exe";

forms::TFont LabelFont(const forms::TFont& base, int pixels, bool bold = false) {
    forms::TFont font(base);
    font.SetHeight(-pixels);
    if (bold)
        font.SetStyle(forms::fsBold);
    return font;
}

// The clipboard button's picture: a board with a clip and lines of text.
void DrawClipGlyph(forms::TBitmap& glyph) {
    glyph.SetSize(16, 16);
    forms::TCanvas& c = glyph.Canvas();
    c.SetBrushColor(forms::clOlive);
    c.FillRect({0, 0, 16, 16});
    c.SetBrushColor(0x00407080);
    c.FillRect({2, 2, 14, 16});
    c.SetBrushColor(forms::clWhite);
    c.FillRect({4, 4, 12, 15});
    c.SetBrushColor(forms::clGray);
    c.FillRect({5, 1, 11, 4});
    c.SetBrushColor(forms::clNavy);
    for (int y = 6; y < 14; y += 2)
        c.FillRect({5, y, 11, y + 1});
    glyph.SetTransparentColor(forms::clOlive);
}

std::optional<TVersionStrings> VersionIfPresent(const std::string& file) {
    if (!forms::FileExists(file))
        return std::nullopt;
    TVersionStrings info;
    GetFileVersionStrings(file, info);
    return info;
}
} // namespace

TAboutBox::TAboutBox(TComponent* owner, std::string programPath, TOpenUrl openUrl)
    : forms::TForm(owner), programPath_(std::move(programPath)), openUrl_(std::move(openUrl)),
      icon_(std::make_unique<forms::TIcon>()) {
    BuildDesign();
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::BuildDesign() {
    SetBorderStyle(forms::TFormBorderStyle::bsDialog);
    SetCaption("K+Bandeo のバージョン情報");
    SetClientSize(kClientWidth, kClientHeight);
    SetColor(forms::clBtnFace);
    forms::TFont font; // "ＭＳ Ｐゴシック", 12 pixels
    font.SetCharset(SHIFTJIS_CHARSET);
    SetFont(font);
    SetKeyPreview(true);
    OnKeyUp = forms::Method(this, &TAboutBox::FormKeyUp);
    OnPaint = forms::Method(this, &TAboutBox::FormPaint);

    const auto label = [this](int x, int y, const forms::TFont& f) {
        forms::TLabel* l = forms::MakeChild<forms::TLabel>(this, Bounds(x, y, 10, 10));
        l->SetAutoSize(true);
        l->SetTransparent(true);
        l->SetParentFont(false);
        l->SetFont(f);
        return l;
    };
    forms::TFont productFont = LabelFont(Font(), 21, true);
    productFont.SetName("Arial");
    productFont.SetCharset(ANSI_CHARSET);
    LbProductName = label(56, 8, productFont);
    LbVersion = label(56, 32, LabelFont(Font(), 13));
    forms::TFont urlFont(Font());
    urlFont.SetColor(forms::clActiveCaption);
    LbUrl = label(64, 72, urlFont);
    LbUrl->SetCaption(kHomePage);
    LbUrl->SetCursor(forms::crHandPoint);
    LbUrl->OnClick = forms::Method(this, &TAboutBox::LbUrlClick);
    LbCopyright = label(56, 48, LabelFont(Font(), 13));

    Bevel1 = forms::MakeChild<forms::TBevel>(this, Bounds(56, 96, 297, 2));
    Bevel1->SetShape(forms::TBevelShape::bsTopLine);

    SBtnClip = forms::MakeChild<forms::TSpeedButton>(this, Bounds(56, 104, 22, 44));
    SBtnClip->SetFlat(true);
    SBtnClip->SetLayout(forms::TButtonLayout::blGlyphTop);
    forms::TBitmap glyph;
    DrawClipGlyph(glyph);
    SBtnClip->SetGlyph(glyph);
    SBtnClip->SetHint("クリップボードへコピー");
    SBtnClip->SetShowHint(true);
    SBtnClip->OnClick = forms::Method(this, &TAboutBox::SBtnClipClick);

    Button1 = forms::MakeChild<forms::TButton>(this, Bounds(280, 8, 75, 25));
    Button1->SetCaption("OK");
    Button1->SetDefault(true);
    Button1->SetModalResult(forms::mrOk);

    PopupMenu2 = forms::MakeOwned<forms::TPopupMenu>(this);
    PopupMenu2->OnPopup = forms::Method(this, &TAboutBox::PopupMenu2Popup);
    forms::TMenuItem& items = PopupMenu2->Items();
    const auto add = [&items](const char* caption, const char* hint, std::function<void()> run) {
        forms::TMenuItem* item = items.Add(caption, [run](TComponent*) { run(); });
        item->SetHint(hint);
        return item;
    };
    Undo1 = add("元に戻す(&U)", "元に戻す|直前の変更を元に戻す", [this] { Memo->Undo(); });
    N5 = items.Add("-");
    Cut1 = add("切り取り(&T)", "切り取り|選択部分を切り取り、クリップボードに送る",
               [this] { Memo->CutToClipboard(); });
    Copy1 = add("コピー(&C)", "コピー|選択範囲をクリップボードにコピー",
                [this] { Memo->CopyToClipboard(); });
    Paste1 = add("貼り付け(&P)", "貼り付け|クリップボードの内容を貼り付ける",
                 [this] { Memo->PasteFromClipboard(); });
    Delete1 = add("削除(&D)", "削除|選択部分を削除する", [this] { Memo->ClearSelection(); });
    N6 = items.Add("-");
    SelectAll1 = add("すべてを選択(&A)", "すべてを選択|ドキュメント全体を選択する",
                     [this] { Memo->SelectAll(); });

    Memo = forms::MakeChild<forms::TRichEdit>(this, Bounds(80, 104, 273, 45));
    Memo->SetBorder(false);
    Memo->SetColor(forms::clBtnFace);
    Memo->SetParentFont(false);
    Memo->SetFont(LabelFont(Font(), 11));
    Memo->SetScrollBars(forms::TScrollStyle::ssVertical);
    Memo->SetWordWrap(false);
    Memo->SetPopupMenu(PopupMenu2);
}

void TAboutBox::FillInfo() {
    TAppCfg cfg;
    try {
        LoadAppCfg(settingsBase_, cfg);
    } catch (...) {
        // A bad value stops the read where it stands; what came before it (the data editor's
        // folder among the first keys) is used, and the box still opens.
    }
    info_ = {};
    GetFileVersionStrings(programPath_, info_);
    LbProductName->SetCaption(info_[2]);
    LbVersion->SetCaption(AboutVersionText(info_));
    LbCopyright->SetCaption(info_[4]);

    const std::vector<std::string> lines = AboutMemoLines(
        info_, forms::IncludeTrailingBackslash(forms::ExtractFilePath(settingsBase_)),
        VersionIfPresent(DataEditorFile(cfg, programPath_)),
        VersionIfPresent(ProgramFolderOf(programPath_) + kCfgProgram));
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines[i];
    }
    Memo->SetText(text);
    Memo->SetSelStart(0);
    Memo->SetSelLength(0);

    if (HICON icon = ExtractIconW(GetModuleHandleW(nullptr), cp932::Wide(programPath_).c_str(), 0);
        icon && icon != reinterpret_cast<HICON>(1))
        icon_->SetHandle(icon);
}

void TAboutBox::FormPaint(TComponent* /*sender*/) {
    forms::TCanvas& canvas = Canvas();
    GradientRect(canvas, {0, 0, kBandWidth, ClientHeight()}, forms::clActiveCaption,
                 forms::clInactiveCaption, 0);
    if (icon_->Handle())
        canvas.DrawIconAt(kIconPlace, kIconPlace, *icon_);
}

void TAboutBox::FormKeyUp(TComponent* /*sender*/, uint16_t& key, forms::TShiftState /*shift*/) {
    if (key == kEscape)
        SetModalResult(forms::mrOk);
}

void TAboutBox::LbUrlClick(TComponent* /*sender*/) {
    if (openUrl_)
        openUrl_(LbUrl->Caption());
}

void TAboutBox::SBtnClipClick(TComponent* /*sender*/) {
    forms::Clipboard.SetAsText(Memo->Text());
}

void TAboutBox::PopupMenu2Popup(TComponent* /*sender*/) {
    Undo1->SetEnabled(Memo->CanUndo());
    Cut1->SetEnabled(Memo->CanCut());
    Copy1->SetEnabled(Memo->CanCopy());
    Paste1->SetEnabled(Memo->CanPaste());
    Delete1->SetEnabled(Memo->CanDelete());
    SelectAll1->SetEnabled(Memo->CanSelectAll());
}

bool ShowAboutBox(int x, int y, const std::string& settingsBase, bool centre,
                  const std::string& programPath, TOpenUrl openUrl) {
    auto box = forms::MakeScoped<TAboutBox>(programPath, std::move(openUrl));
    box->settingsBase_ = settingsBase;
    box->requestedLeft_ = x;
    box->requestedTop_ = y;
    if (centre) {
        box->SetPosition(forms::TPosition::poScreenCenter);
    } else {
        ClampToWorkArea(x, y, box->Width(), box->Height());
        box->SetBounds(x, y, box->Width(), box->Height());
    }
    box->FillInfo();
    box->ShowModal();
    return true;
}
