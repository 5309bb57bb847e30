#include "forms/win/SpeedButton.h"

#include "forms/gfx/DeviceContext.h"
#include "forms/win/Label.h"
#include "forms/win/WinControl.h"

#include <algorithm>

namespace forms {

namespace {

// The face of a latched button: button face and highlight in alternate pixels.
GdiObject<HBRUSH> LatchedFaceBrush() {
    static const WORD kPattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    const GdiObject<HBITMAP> pattern(CreateBitmap(8, 8, 1, 1, kPattern));
    return GdiObject<HBRUSH>(pattern ? CreatePatternBrush(pattern.Handle()) : nullptr);
}

void FillLatchedFace(HDC dc, const TRect& r) {
    const GdiObject<HBRUSH> brush = LatchedFaceBrush();
    if (!brush)
        return;
    const COLORREF oldText = SetTextColor(dc, ColorToRGB(clBtnFace));
    const COLORREF oldBack = SetBkColor(dc, ColorToRGB(clBtnHighlight));
    const RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    FillRect(dc, &rc, brush.Handle());
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBack);
}

// Paints color into dest at (x, y) wherever the monochrome mask is 0.
void PaintThroughMask(HDC dest, int x, int y, int w, int h, HDC mask, TColor color) {
    const GdiObject<HBRUSH> brush(CreateSolidBrush(ColorToRGB(color)));
    const SelectedObject selected(dest, brush.Handle());
    const COLORREF oldText = SetTextColor(dest, RGB(0, 0, 0));
    const COLORREF oldBack = SetBkColor(dest, RGB(255, 255, 255));
    // Where the mask is 1 the destination stays, where it is 0 the brush goes: (D ^ P) & S ^ P.
    BitBlt(dest, x, y, w, h, mask, 0, 0, 0x00B8074A);
    SetTextColor(dest, oldText);
    SetBkColor(dest, oldBack);
}

} // namespace

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
    // Clicks are fired by the button itself, after its state has changed.
    SetControlStyle(csCaptureMouse);
    glyph_.OnChange = [this] { Invalidate(); };
    SetBounds(0, 0, 23, 22);
}

void TSpeedButton::SetGlyph(const TBitmap& glyph) {
    glyph_.Assign(glyph);
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int value) {
    value = std::clamp(value, 1, 4);
    if (value == numGlyphs_)
        return;
    numGlyphs_ = value;
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout value) {
    if (value == layout_)
        return;
    layout_ = value;
    Invalidate();
}

void TSpeedButton::SetFlat(bool value) {
    if (value == flat_)
        return;
    flat_ = value;
    Invalidate();
}

template <typename F> void TSpeedButton::ForGroup(F action) {
    TWinControl* parent = Parent();
    if (!parent || groupIndex_ == 0)
        return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* b = dynamic_cast<TSpeedButton*>(parent->Controls(i));
        if (b && b != this && b->groupIndex_ == groupIndex_)
            action(*b);
    }
}

void TSpeedButton::SetGroupIndex(int value) {
    if (value == groupIndex_)
        return;
    groupIndex_ = value;
    if (groupIndex_ == 0 && down_) {
        down_ = false;
        Invalidate();
    }
}

void TSpeedButton::SetAllowAllUp(bool value) {
    allowAllUp_ = value;
    ForGroup([value](TSpeedButton& b) { b.allowAllUp_ = value; });
}

void TSpeedButton::SetDown(bool value) {
    if (groupIndex_ == 0)
        value = false;
    if (value == down_)
        return;
    if (down_ && !allowAllUp_)
        return; // one button of the group stays down
    down_ = value;
    Invalidate();
    if (value)
        ForGroup([](TSpeedButton& b) {
            if (b.down_) {
                b.down_ = false;
                b.Invalidate();
            }
        });
}

bool TSpeedButton::DialogChar(uint16_t ch) {
    if (!Enabled() || !Showing() || !IsAccel(ch, Caption()))
        return false;
    Click();
    return true;
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft && Enabled()) {
        pressing_ = true;
        pressedIn_ = true;
        Invalidate();
    }
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
    if (pressing_) {
        const bool inside = ClientRect().Contains({x, y});
        if (inside != pressedIn_) {
            pressedIn_ = inside;
            Invalidate();
        }
    }
    TGraphicControl::MouseMove(shift, x, y);
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    bool click = false;
    if (button == TMouseButton::mbLeft && pressing_) {
        pressing_ = false;
        pressedIn_ = false;
        click = ClientRect().Contains({x, y});
        if (click && groupIndex_ != 0) {
            if (!down_)
                SetDown(true);
            else if (allowAllUp_)
                SetDown(false);
        }
        Invalidate();
    }
    const std::weak_ptr<void> life = LifeToken();
    TGraphicControl::MouseUp(button, shift, x, y);
    if (click && !life.expired())
        Click();
}

void TSpeedButton::MouseEnter() {
    hot_ = true;
    if (flat_)
        Invalidate();
    TGraphicControl::MouseEnter();
}

void TSpeedButton::MouseLeave() {
    hot_ = false;
    if (flat_)
        Invalidate();
    TGraphicControl::MouseLeave();
}

void TSpeedButton::WndProc(TMessage& m) {
    if (m.Msg != WM_LBUTTONUP) {
        TGraphicControl::WndProc(m);
        return;
    }
    // The release lets the capture go before MouseUp runs: that is no lost press.
    releasing_ = true;
    const std::weak_ptr<void> life = LifeToken();
    TGraphicControl::WndProc(m);
    if (!life.expired())
        releasing_ = false;
}

void TSpeedButton::CaptureLost() {
    if (pressing_ && !releasing_) {
        pressing_ = false;
        pressedIn_ = false;
        Invalidate();
    }
    TGraphicControl::CaptureLost();
}

void TSpeedButton::EnabledChanged() {
    pressing_ = false;
    pressedIn_ = false;
    TGraphicControl::EnabledChanged();
}

void TSpeedButton::Paint() {
    TCanvas& c = Canvas();
    const HDC dc = c.Handle();
    const bool pushed = pressedIn_ || down_;
    RECT rc{0, 0, Width(), Height()};
    if (!flat_) {
        UINT state = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT;
        if (pushed)
            state |= DFCS_PUSHED;
        DrawFrameControl(dc, &rc, DFC_BUTTON, state);
        if (down_ && !pressedIn_)
            FillLatchedFace(dc, {rc.left, rc.top, rc.right, rc.bottom});
    } else {
        if (down_ && !pressedIn_)
            FillLatchedFace(dc, {1, 1, Width() - 1, Height() - 1});
        if (pushed)
            DrawEdge(dc, &rc, BDR_SUNKENOUTER, BF_RECT);
        else if (hot_ && Enabled())
            DrawEdge(dc, &rc, BDR_RAISEDINNER, BF_RECT);
    }
    PaintContent(ClientRect(), pushed);
}

void TSpeedButton::DrawGlyph(int x, int y, bool disabled, int cell) {
    const int w = glyph_.Width() / numGlyphs_, h = glyph_.Height();
    if (w <= 0 || h <= 0)
        return;
    // The cell as a picture of its own, transparent in its bottom-left colour.
    TBitmap picture(w, h);
    picture.Canvas().CopyRect(Rect(0, 0, w, h), glyph_.Canvas(), Bounds(cell * w, 0, w, h));
    TCanvas& c = Canvas();
    if (!disabled) {
        picture.SetTransparent(true);
        c.Draw(x, y, picture);
        return;
    }
    // Engraved: every pixel that is not transparent, in light one pixel down and right, then in
    // shadow.
    const HDC source = picture.Canvas().Handle();
    const MemoryDC maskDC(source);
    const GdiObject<HBITMAP> mask(CreateBitmap(w, h, 1, 1, nullptr));
    if (!maskDC || !mask)
        return;
    const SelectedObject selected(maskDC.Handle(), mask.Handle());
    const COLORREF oldBack = SetBkColor(source, ColorToRGB(picture.TransparentColor()));
    BitBlt(maskDC.Handle(), 0, 0, w, h, source, 0, 0, SRCCOPY);
    SetBkColor(source, oldBack);
    const HDC dest = c.Handle();
    PaintThroughMask(dest, x + 1, y + 1, w, h, maskDC.Handle(), clBtnHighlight);
    PaintThroughMask(dest, x, y, w, h, maskDC.Handle(), clBtnShadow);
}

void TSpeedButton::PaintContent(const TRect& bounds, bool pushed) {
    TCanvas& c = Canvas();
    const TRect area = pushed ? bounds.Offset(1, 1) : bounds;
    const bool hasGlyph = !glyph_.Empty() && glyph_.Width() >= numGlyphs_;
    const int gw = hasGlyph ? glyph_.Width() / numGlyphs_ : 0;
    const int gh = hasGlyph ? glyph_.Height() : 0;
    const std::string& caption = Caption();
    TRect textSize;
    if (!caption.empty()) {
        textSize = Rect(0, 0, area.Width(), 0);
        c.DrawTextIn(caption, textSize, DT_CALCRECT | DT_SINGLELINE);
    }
    const int tw = textSize.Width(), th = textSize.Height();
    const int spacing = hasGlyph && !caption.empty() ? 4 : 0;
    int gx = 0, gy = 0;
    TRect text = area;
    const bool vertical =
        layout_ == TButtonLayout::blGlyphTop || layout_ == TButtonLayout::blGlyphBottom;
    if (vertical) {
        const int top = area.Top + (area.Height() - (gh + spacing + th)) / 2;
        gx = area.Left + (area.Width() - gw) / 2;
        if (layout_ == TButtonLayout::blGlyphTop) {
            gy = top;
            text = Rect(area.Left, top + gh + spacing, area.Right, top + gh + spacing + th);
        } else {
            text = Rect(area.Left, top, area.Right, top + th);
            gy = top + th + spacing;
        }
    } else {
        const int left = area.Left + (area.Width() - (gw + spacing + tw)) / 2;
        gy = area.Top + (area.Height() - gh) / 2;
        if (layout_ == TButtonLayout::blGlyphLeft) {
            gx = left;
            text = Rect(left + gw + spacing, area.Top, left + gw + spacing + tw, area.Bottom);
        } else {
            text = Rect(left, area.Top, left + tw, area.Bottom);
            gx = left + tw + spacing;
        }
    }
    const bool disabled = !Enabled();
    if (hasGlyph) {
        int cell = 0;
        if (disabled && numGlyphs_ > 1)
            cell = 1;
        else if (pressedIn_ && numGlyphs_ > 2)
            cell = 2;
        else if (down_ && numGlyphs_ > 3)
            cell = 3;
        else if (down_ && numGlyphs_ > 2)
            cell = 2;
        DrawGlyph(gx, gy, disabled && cell == 0, cell);
    }
    if (caption.empty())
        return;
    c.Brush().SetStyle(TBrushStyle::bsClear);
    const UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (disabled) {
        TRect light = text.Offset(1, 1);
        c.Font().SetColor(clBtnHighlight);
        c.DrawTextIn(caption, light, flags);
        c.Font().SetColor(clBtnShadow);
    }
    c.DrawTextIn(caption, text, flags);
}

} // namespace forms
