#include "qvtcfg/EllipsisEdit.h"

#include "forms/base/Codepage.h"
#include "forms/base/ScopeGuard.h"
#include "forms/base/StrUtils.h"
#include "forms/win/Screen.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>

using forms::TMessage;

namespace {

forms::TColor Rgb(forms::TColor color) {
    return static_cast<forms::TColor>(forms::ColorToRGB(color));
}

// The clipboard's Unicode text; none when it holds none or cannot be opened.
std::optional<std::wstring> ClipboardText(HWND owner) {
    if (!OpenClipboard(owner))
        return std::nullopt;
    const auto close = forms::OnScopeExit([] { CloseClipboard(); });
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (!data)
        return std::nullopt;
    const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
    if (!text)
        return std::nullopt;
    const auto unlock = forms::OnScopeExit([data] { GlobalUnlock(data); });
    const size_t limit = GlobalSize(data) / sizeof(wchar_t);
    size_t length = 0;
    while (length < limit && text[length] != L'\0')
        ++length;
    return std::wstring(text, length);
}

} // namespace

// ---- TEllipsisButton ----

TEllipsisButton::TEllipsisButton(forms::TComponent* owner, TCustomEllipsisEdit& edit)
    : forms::TSpeedButton(owner), edit_(edit) {
    // The face below is drawn over every pixel.
    SetControlStyle(ControlStyle() | forms::csOpaque);
}

void TEllipsisButton::Click() {
    edit_.EllipsisClick();
}

void TEllipsisButton::MouseDown(forms::TMouseButton button, forms::TShiftState shift, int x,
                                int y) {
    if (button == forms::TMouseButton::mbLeft && edit_.CanFocus() && !edit_.Focused())
        edit_.SetFocus();
    forms::TSpeedButton::MouseDown(button, shift, x, y);
}

void TEllipsisButton::Paint() {
    forms::TCanvas& canvas = Canvas();
    const int w = Width(), h = Height();
    const bool pressed = Enabled() && (Pressed() || Down());
    if (!pressed) {
        RECT frame{0, 0, w, h};
        DrawFrameControl(canvas.Handle(), &frame, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    }
    TEllipsisColors colors;
    colors.Face = Rgb(forms::clBtnFace);
    colors.Shadow = Rgb(forms::clBtnShadow);
    colors.DarkShadow = Rgb(forms::cl3DDkShadow);
    colors.Highlight = Rgb(forms::clBtnHighlight);
    DrawEllipsisFace(canvas, w, h, pressed, Enabled(), colors);
}

// ---- TCustomEllipsisEdit ----

TCustomEllipsisEdit::TCustomEllipsisEdit(forms::TComponent* owner) : forms::TEdit(owner) {
    SetBounds(Left(), Top(), 150, 20);
    button_ = forms::MakeOwned<TEllipsisButton>(this, *this);
    button_->SetColor(forms::clBtnFace);
    button_->SetWidth(GetSystemMetrics(SM_CXVSCROLL));
    button_->SetAlign(forms::TAlign::alRight);
    button_->SetParent(this);
}

const std::string& TCustomEllipsisEdit::EllipsisHint() const {
    return button_->Hint();
}

void TCustomEllipsisEdit::SetEllipsisHint(std::string_view hint) {
    button_->SetHint(hint);
}

void TCustomEllipsisEdit::EllipsisClick() {
    if (OnEllipsisClick)
        OnEllipsisClick(this);
}

void TCustomEllipsisEdit::SetText(std::string_view text) {
    forms::TEdit::SetText(forms::WithoutLineBreaks(text));
}

void TCustomEllipsisEdit::SetAlignment(forms::TAlignment value) {
    if (value == alignment_)
        return;
    alignment_ = value;
    Recreate();
}

void TCustomEllipsisEdit::SetCharCase(TEditCharCase value) {
    if (value == charCase_)
        return;
    charCase_ = value;
    Recreate();
}

void TCustomEllipsisEdit::SetHideSelection(bool value) {
    if (value == hideSelection_)
        return;
    hideSelection_ = value;
    Recreate();
}

void TCustomEllipsisEdit::SetOEMConvert(bool value) {
    if (value == oemConvert_)
        return;
    oemConvert_ = value;
    Recreate();
}

void TCustomEllipsisEdit::SetPasswordChar(char value) {
    // One single-byte character, or none.
    if (cp932::IsLeadByte(static_cast<unsigned char>(value)))
        value = '\0';
    if (value == passwordChar_)
        return;
    passwordChar_ = value;
    Recreate();
}

void TCustomEllipsisEdit::Recreate() {
    if (!HandleAllocated())
        return;
    DestroyHandle(); // the edit keeps its text
    if (Parent() && Parent()->HandleAllocated())
        HandleNeeded();
}

void TCustomEllipsisEdit::ChangeScale(int multiplier, int divisor) {
    if (multiplier == divisor || divisor == 0)
        return;
    const int left = ScaleValue(Left(), multiplier, divisor);
    const int top = ScaleValue(Top(), multiplier, divisor);
    const int right = ScaleValue(Left() + Width(), multiplier, divisor);
    const int bottom = ScaleValue(Top() + Height(), multiplier, divisor);
    SetBounds(left, top, right - left, bottom - top);
    if (!ParentFont())
        Font().SetSize(ScaleValue(Font().Size(), multiplier, divisor));
}

forms::TRect TCustomEllipsisEdit::EditRect() const {
    forms::TRect client = forms::Rect(0, 0, Width(), Height());
    const_cast<TCustomEllipsisEdit*>(this)->AdjustClientRect(client);
    const int buttonWidth = button_->Visible() ? button_->Width() : 0;
    return EllipsisEditRect(client.Width(), client.Height(), buttonWidth);
}

void TCustomEllipsisEdit::CreateParams(forms::TCreateParams& p) {
    forms::TEdit::CreateParams(p);
    p.Caption = forms::WithoutLineBreaks(p.Caption);
    p.Style &= ~static_cast<DWORD>(ES_CENTER | ES_RIGHT);
    if (alignment_ == forms::TAlignment::taCenter)
        p.Style |= ES_CENTER;
    else if (alignment_ == forms::TAlignment::taRightJustify)
        p.Style |= ES_RIGHT;
    if (charCase_ == TEditCharCase::ecUpperCase)
        p.Style |= ES_UPPERCASE;
    else if (charCase_ == TEditCharCase::ecLowerCase)
        p.Style |= ES_LOWERCASE;
    if (!hideSelection_)
        p.Style |= ES_NOHIDESEL;
    if (oemConvert_)
        p.Style |= ES_OEMCONVERT;
    if (passwordChar_ != '\0')
        p.Style |= ES_PASSWORD;
}

void TCustomEllipsisEdit::CreateHandle() {
    forms::TEdit::CreateHandle();
    const HWND h = ExistingHandle();
    if (h && passwordChar_ != '\0') {
        const std::wstring shown = cp932::Wide(std::string(1, passwordChar_));
        if (!shown.empty())
            SendMessageW(h, EM_SETPASSWORDCHAR, shown[0], 0);
    }
}

void TCustomEllipsisEdit::UpdateMargins() {
    const HWND h = ExistingHandle();
    if (!h)
        return;
    // The font's own margins first (a new font resets them anyway), then the button's strip
    // added to the right one.
    SendMessageW(h, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                 MAKELPARAM(EC_USEFONTINFO, EC_USEFONTINFO));
    const int fontRight = HIWORD(SendMessageW(h, EM_GETMARGINS, 0, 0));
    const int buttonWidth = button_->Visible() ? button_->Width() : 0;
    SendMessageW(h, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, fontRight + buttonWidth));
    Realign();
}

void TCustomEllipsisEdit::AdjustClientRect(forms::TRect& rect) {
    if (const HWND h = ExistingHandle()) {
        RECT client{};
        GetClientRect(h, &client);
        rect = forms::Rect(client.left, client.top, client.right, client.bottom);
        return;
    }
    rect = forms::Rect(0, 0, Width(), Height());
    if (BorderStyle() == forms::TBorderStyle::bsSingle) {
        const int edgeX = GetSystemMetrics(SM_CXEDGE), edgeY = GetSystemMetrics(SM_CYEDGE);
        rect =
            forms::Rect(0, 0, std::max(Width() - 2 * edgeX, 0), std::max(Height() - 2 * edgeY, 0));
    }
}

void TCustomEllipsisEdit::EnabledChanged() {
    button_->SetEnabled(Enabled());
    forms::TEdit::EnabledChanged();
}

void TCustomEllipsisEdit::EraseEditRect(HDC dc) {
    const HWND h = ExistingHandle();
    const HWND parent = h ? GetParent(h) : nullptr;
    // The brush the edit paints with, as its parent answers (and reflects) for it.
    const UINT question = !Enabled() || ReadOnly() ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    auto brush =
        parent ? reinterpret_cast<HBRUSH>(SendMessageW(
                     parent, question, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(h)))
               : nullptr;
    if (!brush)
        brush = GetSysColorBrush(COLOR_WINDOW);
    const forms::TRect area = EditRect();
    const RECT r{area.Left, area.Top, area.Right, area.Bottom};
    FillRect(dc, &r, brush);
}

bool TCustomEllipsisEdit::SetCursorByPlace(TMessage& m) {
    const HWND h = ExistingHandle();
    if (!h || LOWORD(m.LParam) != HTCLIENT || GetCapture() ||
        forms::Screen.Cursor() != forms::crDefault)
        return false;
    POINT p{};
    RECT client{};
    if (!GetCursorPos(&p) || !::ScreenToClient(h, &p) || !GetClientRect(h, &client))
        return false;
    const int buttonWidth = button_->Visible() ? button_->Width() : 0;
    forms::TCursor cursor = forms::crIBeam;
    if (p.x >= client.right - buttonWidth)
        cursor = Cursor() == forms::crDefault ? forms::crArrow : Cursor();
    const HCURSOR shape = forms::CursorHandle(cursor);
    if (!shape)
        return false;
    ::SetCursor(shape);
    m.Result = TRUE;
    return true;
}

void TCustomEllipsisEdit::PasteFirstLine(TMessage& m) {
    const HWND h = ExistingHandle();
    const std::optional<std::wstring> text =
        h && !ReadOnly() ? ClipboardText(h) : std::optional<std::wstring>();
    const size_t lineEnd = text ? text->find_first_of(L"\r\n") : std::wstring::npos;
    if (lineEnd == std::wstring::npos) {
        forms::TEdit::WndProc(m);
        return;
    }
    const std::wstring firstLine = text->substr(0, lineEnd);
    SendMessageW(h, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(firstLine.c_str()));
    m.Result = 0;
}

void TCustomEllipsisEdit::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_ERASEBKGND:
        EraseEditRect(reinterpret_cast<HDC>(m.WParam));
        m.Result = 1;
        return;
    case WM_SETCURSOR:
        if (SetCursorByPlace(m))
            return;
        break;
    case WM_CHAR:
        // Enter is the dialog's; Ctrl+Enter (LF) would be a line break.
        if (m.WParam == L'\r' || m.WParam == L'\n') {
            m.Result = 0;
            return;
        }
        break;
    case WM_PASTE:
        PasteFirstLine(m);
        return;
    case WM_SETTEXT:
        if (const auto* text = reinterpret_cast<const wchar_t*>(m.LParam)) {
            std::wstring kept(text);
            kept.erase(std::remove_if(kept.begin(), kept.end(),
                                      [](wchar_t c) { return c == L'\r' || c == L'\n'; }),
                       kept.end());
            TMessage stripped = m;
            stripped.LParam = reinterpret_cast<LPARAM>(kept.c_str());
            forms::TEdit::WndProc(stripped);
            m.Result = stripped.Result;
            return;
        }
        break;
    case WM_SETFONT:
        forms::TEdit::WndProc(m);
        UpdateMargins();
        return;
    default:
        break;
    }
    forms::TEdit::WndProc(m);
}
