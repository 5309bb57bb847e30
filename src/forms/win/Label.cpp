#include "forms/win/Label.h"

#include "forms/base/StrUtils.h"
#include "forms/win/WinControl.h"

namespace forms {

bool IsAccel(uint16_t ch, std::string_view caption) {
    for (size_t i = 0; i < caption.size(); i = NextChar(caption, i)) {
        if (caption[i] != '&' || i + 1 >= caption.size())
            continue;
        const char next = caption[i + 1];
        if (next == '&') {
            ++i; // "&&" is a literal ampersand
            continue;
        }
        if (CharLength(caption, i + 1) != 1 || ch > 0x7F)
            return false;
        auto upper = [](unsigned c) { return c >= 'a' && c <= 'z' ? c - 32 : c; };
        return upper(static_cast<unsigned char>(next)) == upper(ch);
    }
    return false;
}

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
    SetControlStyle(csClickEvents | csCaptureMouse | csDoubleClicks | csOpaque);
    SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetAutoSize(bool value) {
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment value) {
    if (value == alignment_)
        return;
    alignment_ = value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value) {
    if (value == layout_)
        return;
    layout_ = value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool value) {
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool value) {
    if (value == transparent_)
        return;
    transparent_ = value;
    SetControlStyle(value ? ControlStyle() & ~csOpaque : ControlStyle() | csOpaque);
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
    if (value == showAccelChar_)
        return;
    showAccelChar_ = value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* control) {
    if (focusControl_)
        focusControl_->RemoveFreeNotification(this);
    focusControl_ = control;
    if (control)
        control->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == focusControl_)
        focusControl_ = nullptr;
}

bool TCustomLabel::DialogChar(uint16_t ch) {
    if (!showAccelChar_ || !focusControl_ || !Enabled() || !IsAccel(ch, Caption()) ||
        !focusControl_->CanFocus())
        return false;
    focusControl_->SetFocus();
    return true;
}

UINT TCustomLabel::DrawTextFlags() const {
    UINT flags = DT_EXPANDTABS;
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    if (alignment_ == TAlignment::taRightJustify)
        flags |= DT_RIGHT;
    else if (alignment_ == TAlignment::taCenter)
        flags |= DT_CENTER;
    return flags;
}

void TCustomLabel::TextChanged() {
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::FontChanged() {
    TGraphicControl::FontChanged();
    AdjustBounds();
}

void TCustomLabel::AdjustBounds() {
    if (!autoSize_)
        return;
    // Measured on a memory context: the label may have no window yet.
    TRect r = Rect(0, 0, wordWrap_ ? Width() : 0, 0);
    {
        const MemoryDC dc;
        TCanvas c(dc.Handle());
        c.Font().Assign(Font());
        const std::string text = Caption().empty() ? std::string(" ") : Caption();
        c.DrawTextIn(text, r, DrawTextFlags() | DT_CALCRECT);
    }
    int left = Left();
    if (alignment_ == TAlignment::taRightJustify && !wordWrap_)
        left += Width() - r.Width();
    SetBounds(left, Top(), r.Width(), r.Height());
}

void TCustomLabel::Paint() {
    TCanvas& c = Canvas();
    const TRect client = ClientRect();
    if (!transparent_) {
        c.Brush().SetColor(Color());
        c.FillRect(client);
    }
    c.Brush().SetStyle(TBrushStyle::bsClear);
    if (!Enabled())
        c.Font().SetColor(clGrayText);
    TRect r = client;
    const UINT flags = DrawTextFlags();
    if (layout_ != TTextLayout::tlTop) {
        TRect measured = r;
        c.DrawTextIn(Caption(), measured, flags | DT_CALCRECT);
        const int offset = layout_ == TTextLayout::tlCenter
                               ? (client.Height() - measured.Height()) / 2
                               : client.Height() - measured.Height();
        r.Top += offset;
    }
    c.DrawTextIn(Caption(), r, flags);
}

} // namespace forms
