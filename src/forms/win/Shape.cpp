#include "forms/win/Shape.h"

#include <algorithm>

namespace forms {

TShape::TShape(TComponent* owner) : TGraphicControl(owner) {
    pen_.OnChange = [this] { Invalidate(); };
    brush_.OnChange = [this] { Invalidate(); };
    SetBounds(0, 0, 65, 65);
}

void TShape::SetShape(TShapeType value) {
    if (value == shape_)
        return;
    shape_ = value;
    Invalidate();
}

void TShape::Paint() {
    TCanvas& c = Canvas();
    c.Pen().Assign(pen_);
    c.Brush().Assign(brush_);
    int w = Width(), h = Height();
    if (shape_ == TShapeType::stSquare || shape_ == TShapeType::stRoundSquare ||
        shape_ == TShapeType::stCircle)
        w = h = std::min(w, h);
    const int left = (Width() - w) / 2, top = (Height() - h) / 2;
    // The outline lies on the path's middle: the path is inset so that all of it stays inside.
    // Without a pen the fill stops one pixel short of the path's right and bottom.
    const int pen = pen_.Style() == TPenStyle::psClear ? 0 : std::max(pen_.Width(), 1);
    const TRect r = pen == 0 ? Rect(left, top, left + w + 1, top + h + 1)
                             : Rect(left + pen / 2, top + pen / 2, left + w - (pen - 1) / 2,
                                    top + h - (pen - 1) / 2);
    switch (shape_) {
    case TShapeType::stRectangle:
    case TShapeType::stSquare:
        c.Rectangle(r);
        break;
    case TShapeType::stRoundRect:
    case TShapeType::stRoundSquare: {
        const int corner = std::min(w, h) / 4;
        c.RoundRect(r, corner, corner);
        break;
    }
    case TShapeType::stEllipse:
    case TShapeType::stCircle:
        c.Ellipse(r);
        break;
    }
}

} // namespace forms
