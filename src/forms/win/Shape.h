#pragma once
// Shapes: a rectangle, square, round rectangle, round square, ellipse or circle filled with the
// brush and outlined with the pen, inside the control's bounds. OnMouseUp fires for every button
// (the colour pickers of a form open on any of them).
#include "forms/win/GraphicControl.h"

namespace forms {

enum class TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TGraphicControl {
public:
    explicit TShape(TComponent* owner);

    [[nodiscard]] TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType value);
    // Changes to either repaint the shape.
    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }

protected:
    void Paint() override;

private:
    TShapeType shape_ = TShapeType::stRectangle;
    TPen pen_;
    TBrush brush_;
};

} // namespace forms
