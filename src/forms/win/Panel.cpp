#include "forms/win/Panel.h"

namespace forms {

void Frame3D(TCanvas& c, TRect& r, TColor topLeft, TColor bottomRight, int width) {
    c.Pen().SetWidth(1);
    for (int i = 0; i < width && !r.IsEmpty(); ++i) {
        c.Pen().SetColor(topLeft);
        c.Polyline({{r.Left, r.Bottom - 1}, {r.Left, r.Top}, {r.Right - 1, r.Top}});
        c.Pen().SetColor(bottomRight);
        c.Polyline({{r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left - 1, r.Bottom - 1}});
        r = r.Inflate(-1, -1);
    }
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(csClickEvents | csCaptureMouse | csDoubleClicks | csOpaque);
    SetColor(clBtnFace);
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::Changed() {
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut value) {
    if (value == bevelOuter_)
        return;
    bevelOuter_ = value;
    Changed();
}

void TCustomPanel::SetBevelInner(TBevelCut value) {
    if (value == bevelInner_)
        return;
    bevelInner_ = value;
    Changed();
}

void TCustomPanel::SetBevelWidth(int value) {
    if (value == bevelWidth_ || value < 0)
        return;
    bevelWidth_ = value;
    Changed();
}

void TCustomPanel::SetBorderWidth(int value) {
    if (value == borderWidth_ || value < 0)
        return;
    borderWidth_ = value;
    Changed();
}

void TCustomPanel::SetBorderStyle(TPanelBorder value) {
    if (value == borderStyle_)
        return;
    borderStyle_ = value;
    if (HandleAllocated()) {
        const LONG style = GetWindowLongW(Handle(), GWL_STYLE);
        SetWindowLongW(Handle(), GWL_STYLE,
                       value == TPanelBorder::bsSingle ? style | WS_BORDER : style & ~WS_BORDER);
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    Changed();
}

void TCustomPanel::SetAlignment(TAlignment value) {
    if (value == alignment_)
        return;
    alignment_ = value;
    Invalidate();
}

void TCustomPanel::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    if (borderStyle_ == TPanelBorder::bsSingle)
        p.Style |= WS_BORDER;
}

void TCustomPanel::AdjustClientRect(TRect& r) {
    int inset = borderWidth_;
    if (bevelOuter_ != TBevelCut::bvNone)
        inset += bevelWidth_;
    if (bevelInner_ != TBevelCut::bvNone)
        inset += bevelWidth_;
    r = r.Inflate(-inset, -inset);
}

namespace {
void Bevel(TCanvas& c, TRect& r, TBevelCut cut, int width, TColor face) {
    switch (cut) {
    case TBevelCut::bvNone:
        return;
    case TBevelCut::bvLowered:
        Frame3D(c, r, clBtnShadow, clBtnHighlight, width);
        return;
    case TBevelCut::bvRaised:
        Frame3D(c, r, clBtnHighlight, clBtnShadow, width);
        return;
    case TBevelCut::bvSpace:
        Frame3D(c, r, face, face, width);
        return;
    }
}
} // namespace

void TCustomPanel::Paint() {
    TCanvas& c = Canvas();
    TRect r = ClientRect();
    Bevel(c, r, bevelOuter_, bevelWidth_, Color());
    Frame3D(c, r, Color(), Color(), borderWidth_);
    Bevel(c, r, bevelInner_, bevelWidth_, Color());
    c.Brush().SetColor(Color());
    c.FillRect(r);
    if (Caption().empty())
        return;
    c.Brush().SetStyle(TBrushStyle::bsClear);
    UINT flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
    if (alignment_ == TAlignment::taCenter)
        flags |= DT_CENTER;
    else if (alignment_ == TAlignment::taRightJustify)
        flags |= DT_RIGHT;
    c.DrawTextIn(Caption(), r, flags);
}

} // namespace forms
