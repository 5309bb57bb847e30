#include "forms/win/Bevel.h"

namespace forms {

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
    SetControlStyle(0); // no clicks of its own
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape value) {
    if (value == shape_)
        return;
    shape_ = value;
    Invalidate();
}

void TBevel::SetStyle(TBevelCut value) {
    if (value == style_)
        return;
    style_ = value;
    Invalidate();
}

void TBevel::Paint() {
    if (style_ != TBevelCut::bvLowered && style_ != TBevelCut::bvRaised)
        return;
    // Lowered: the shadow above and left, the light below and right; raised the other way.
    const bool lowered = style_ == TBevelCut::bvLowered;
    const TColor first = lowered ? clBtnShadow : clBtnHighlight;
    const TColor second = lowered ? clBtnHighlight : clBtnShadow;
    TCanvas& c = Canvas();
    const int w = Width(), h = Height();
    auto line = [&c](const TRect& r, TColor color) {
        c.Brush().SetColor(color);
        c.FillRect(r);
    };
    switch (shape_) {
    case TBevelShape::bsBox: {
        TRect r = ClientRect();
        Frame3D(c, r, first, second, 1);
        break;
    }
    case TBevelShape::bsFrame: {
        // Etched: two rings one pixel apart, the second drawn over the first where they cross.
        TRect outer = Rect(0, 0, w - 1, h - 1);
        Frame3D(c, outer, first, first, 1);
        TRect inner = Rect(1, 1, w, h);
        Frame3D(c, inner, second, second, 1);
        break;
    }
    case TBevelShape::bsTopLine:
        line(Rect(0, 0, w, 1), first);
        line(Rect(0, 1, w, 2), second);
        break;
    case TBevelShape::bsBottomLine:
        line(Rect(0, h - 2, w, h - 1), first);
        line(Rect(0, h - 1, w, h), second);
        break;
    case TBevelShape::bsLeftLine:
        line(Rect(0, 0, 1, h), first);
        line(Rect(1, 0, 2, h), second);
        break;
    case TBevelShape::bsRightLine:
        line(Rect(w - 2, 0, w - 1, h), first);
        line(Rect(w - 1, 0, w, h), second);
        break;
    case TBevelShape::bsSpacer:
        break;
    }
}

} // namespace forms
