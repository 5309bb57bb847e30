#pragma once
// Bevels: boxes, etched frames and etched lines drawn on the parent's face, lowered or raised,
// nothing else (what lies below shows through).
#include "forms/win/GraphicControl.h"
#include "forms/win/Panel.h"

namespace forms {

enum class TBevelShape {
    bsBox,
    bsFrame,
    bsTopLine,
    bsBottomLine,
    bsLeftLine,
    bsRightLine,
    bsSpacer
};

class TBevel : public TGraphicControl {
public:
    explicit TBevel(TComponent* owner);

    [[nodiscard]] TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape value);
    // bvLowered or bvRaised; bvNone and bvSpace draw nothing.
    [[nodiscard]] TBevelCut Style() const { return style_; }
    void SetStyle(TBevelCut value);

protected:
    void Paint() override;

private:
    TBevelShape shape_ = TBevelShape::bsBox;
    TBevelCut style_ = TBevelCut::bvLowered;
};

} // namespace forms
