#include "forms/win/Edit.h"

#include "forms/base/Codepage.h"
#include "forms/base/StrUtils.h"
#include "forms/win/SystemControls.h"

#include <imm.h>

#include <algorithm>

namespace forms {

namespace {

// Characters (UTF-16 units: every character of code page 932 is one) in the first bytes of text;
// a character cut by the end counts whole.
DWORD UnitsIn(std::string_view text, int bytes) {
    DWORD units = 0;
    for (size_t i = 0; i < text.size() && i < static_cast<size_t>(std::max(bytes, 0));
         i = NextChar(text, i))
        ++units;
    return units;
}

// Bytes of the first units characters of text.
int BytesOf(std::string_view text, DWORD units) {
    size_t i = 0;
    for (DWORD u = 0; u < units && i < text.size(); ++u)
        i = NextChar(text, i);
    return static_cast<int>(i);
}

} // namespace

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetControlStyle(0); // the system edit handles the mouse itself
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 121, 21);
}

void TCustomEdit::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = L"EDIT";
    p.Caption = text_;
    p.ExStyle &= ~static_cast<DWORD>(WS_EX_CONTROLPARENT);
    p.Style |= ES_LEFT | ES_AUTOHSCROLL;
    if (readOnly_)
        p.Style |= ES_READONLY;
    if (borderStyle_ == TBorderStyle::bsSingle)
        p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateHandle() {
    TWinControl::CreateHandle();
    HWND h = ExistingHandle();
    if (!h)
        return;
    if (maxLength_ > 0)
        SendMessageW(h, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
    ApplyImeMode();
    UpdateMargins();
}

HWND TCustomEdit::WindowIfPlaced() {
    return HandleAllocated() || Parent() ? Handle() : nullptr;
}

std::string TCustomEdit::Text() const {
    if (HWND h = ExistingHandle())
        if (auto text = WindowTextExact(h))
            return *text;
    return text_;
}

void TCustomEdit::SetText(std::string_view text) {
    const std::string shown = ShownText(text);
    if (shown == Text())
        return;
    text_ = shown; // first, so that the window's own change notice finds nothing new
    if (HWND h = ExistingHandle()) {
        SetWindowTextW(h, cp932::Wide(shown).c_str());
        if (auto now = WindowTextExact(h))
            text_ = *now;
    }
    Change();
}

void TCustomEdit::TextEdited() {
    HWND h = ExistingHandle();
    if (!h)
        return;
    const std::optional<std::string> now = WindowTextExact(h);
    if (!now) {
        // Put the last text back, the caret where the refused input began.
        DWORD start = 0, end = 0;
        WindowSelection(start, end);
        const DWORD length = static_cast<DWORD>(GetWindowTextLengthW(h));
        const std::wstring before = cp932::Wide(text_);
        const DWORD kept = static_cast<DWORD>(before.size());
        const DWORD grown = length > kept ? length - kept : 0;
        SetWindowTextW(h, before.c_str());
        const DWORD caret = std::min(end > grown ? end - grown : 0, kept);
        SendMessageW(h, EM_SETSEL, caret, caret);
        throw ETextNotInCodePage();
    }
    if (*now == text_)
        return;
    text_ = *now;
    Change();
}

void TCustomEdit::Change() {
    if (OnChange)
        OnChange(this);
}

void TCustomEdit::SetReadOnly(bool value) {
    if (value == readOnly_)
        return;
    readOnly_ = value;
    if (HWND h = ExistingHandle())
        SendMessageW(h, EM_SETREADONLY, value ? TRUE : FALSE, 0);
}

void TCustomEdit::SetMaxLength(int value) {
    value = std::max(value, 0);
    if (value == maxLength_)
        return;
    maxLength_ = value;
    if (HWND h = ExistingHandle())
        SendMessageW(h, EM_LIMITTEXT, static_cast<WPARAM>(value), 0);
}

void TCustomEdit::WindowSelection(DWORD& start, DWORD& end) const {
    start = end = 0;
    if (HWND h = ExistingHandle())
        SendMessageW(h, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
}

int TCustomEdit::SelStart() const {
    DWORD start = 0, end = 0;
    WindowSelection(start, end);
    return BytesOf(Text(), start);
}

int TCustomEdit::SelLength() const {
    DWORD start = 0, end = 0;
    WindowSelection(start, end);
    const std::string text = Text();
    return BytesOf(text, end) - BytesOf(text, start);
}

void TCustomEdit::SetSelStart(int value) {
    if (HWND h = WindowIfPlaced()) {
        const DWORD at = UnitsIn(Text(), value);
        SendMessageW(h, EM_SETSEL, at, at);
    }
}

void TCustomEdit::SetSelLength(int value) {
    if (HWND h = WindowIfPlaced()) {
        DWORD start = 0, end = 0;
        WindowSelection(start, end);
        const std::string text = Text();
        const int from = BytesOf(text, start);
        const DWORD to = UnitsIn(text, from + std::max(value, 0));
        SendMessageW(h, EM_SETSEL, start, to);
    }
}

void TCustomEdit::SelectAll() {
    if (HWND h = ExistingHandle())
        SendMessageW(h, EM_SETSEL, 0, -1);
}

void TCustomEdit::SetImeMode(TImeMode mode) {
    if (mode == imeMode_)
        return;
    imeMode_ = mode;
    ApplyImeMode();
}

void TCustomEdit::ApplyImeMode() {
    if (HWND h = ExistingHandle())
        ImmAssociateContextEx(h, nullptr, imeMode_ == TImeMode::imDisable ? 0 : IACE_DEFAULT);
}

void TCustomEdit::SetBorderStyle(TBorderStyle style) {
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    if (HWND h = ExistingHandle()) {
        const LONG ex = GetWindowLongW(h, GWL_EXSTYLE);
        SetWindowLongW(h, GWL_EXSTYLE,
                       style == TBorderStyle::bsSingle ? ex | WS_EX_CLIENTEDGE
                                                       : ex & ~WS_EX_CLIENTEDGE);
        SetWindowPos(h, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        UpdateMargins();
    }
}

void TCustomEdit::Resize() {
    TWinControl::Resize();
    if (ExistingHandle())
        UpdateMargins();
}

void TCustomEdit::FontChanged() {
    TWinControl::FontChanged();
    if (ExistingHandle())
        UpdateMargins();
}

void TCustomEdit::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND:
        if (HIWORD(m.WParam) == EN_CHANGE)
            TextEdited();
        m.Result = 0;
        return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC: // read-only
        if (!Enabled())
            break;
        m.Result = ControlColors(reinterpret_cast<HDC>(m.WParam), brush_, Color(), Font().Color());
        return;
    case WM_SETFOCUS: {
        const std::weak_ptr<void> life = LifeToken();
        TWinControl::WndProc(m);
        if (!life.expired() && autoSelect_ && GetKeyState(VK_LBUTTON) >= 0)
            SelectAll();
        return;
    }
    case WM_DESTROY:
        if (auto text = WindowTextExact(ExistingHandle()))
            text_ = *text;
        break;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

} // namespace forms
