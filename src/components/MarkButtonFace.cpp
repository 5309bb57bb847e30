#include "components/MarkButtonFace.h"

#include "components/Bevel.h"

#include <algorithm>

using forms::TColor;
using forms::TPainter;
using forms::TRect;

namespace {
bool Pressed(const TMarkBtnState& s) {
    return s.Down || s.DownLocked;
}
bool Hovered(const TMarkBtnState& s) {
    return s.FoucusOn || s.LockMark;
}
} // namespace

bool BevelRaised(const TMarkBtnState& state) {
    return state.NoUse || !Pressed(state);
}

bool ShowsHoverMark(const TMarkBtnState& state) {
    return !state.NoUse && state.Marking && Hovered(state);
}

TShapeLook ShapeLookOf(const TMarkBtnState& state, TColor shapeColor, TColor lockColor) {
    if (state.NoUse)
        return {InvertColor(shapeColor), 0};
    if (Pressed(state))
        return {lockColor, 1};
    return {shapeColor, 0};
}

int GlyphFrameOf(const TMarkBtnState& state) {
    if (state.NoUse)
        return kUnusableFrame;
    if (Pressed(state))
        return kPressedFrame;
    if (Hovered(state) && state.Marking)
        return kHoveredFrame;
    return kNormalFrame;
}

int NumGlyphAfterGlyph(int numGlyph, bool modified, int glyphWidth, int glyphHeight) {
    return modified || glyphWidth < glyphHeight ? -1 : numGlyph;
}

void DrawBtnFace(TPainter& painter, const TRect& r, const TMarkBtnState& state, bool drawnFace,
                 const TBtnBevel& bevel) {
    if (drawnFace) {
        painter.SetBrushColor(bevel.BaseColor);
        painter.FillRect(r);
    } else {
        painter.SetBrushStyle(forms::TBrushStyle::bsClear);
    }
    const bool raised = BevelRaised(state);
    TRect ring = r;
    DrawBevel(painter, ring, raised ? bevel.TopLineColor : bevel.BtmLineColor,
              raised ? bevel.BtmLineColor : bevel.TopLineColor, bevel.BevelWidth);
}

void DrawHoverMark(TPainter& painter, const TRect& r, int bevelWidth, const TMarkBtnState& state,
                   TColor markColor, TMarkStyle markStyle) {
    // A negative width draws no bevel, so the whole face lies inside it.
    const TRect inner = ShrinkRect(r, std::max(bevelWidth, 0));
    painter.FillRect(inner);
    if (!ShowsHoverMark(state))
        return;
    const TColor brushColor = painter.BrushColor();
    const forms::TBrushStyle brushStyle = painter.BrushStyle();
    if (markStyle == msFill) {
        painter.SetBrushColor(markColor);
        painter.FillRect(inner);
    } else {
        TRect ring = inner;
        DrawBevel(painter, ring, markColor, markColor, 2);
    }
    painter.SetBrushColor(brushColor);
    painter.SetBrushStyle(brushStyle);
}

void DrawShapeMark(TPainter& painter, const TRect& r, const TMarkBtnState& state,
                   TMarkStyleEx shape, int space, TColor shapeColor, TColor lockColor) {
    const int longer = std::max(r.Width(), r.Height());
    const int inset = std::clamp(space, -longer, longer);
    const TShapeLook look = ShapeLookOf(state, shapeColor, lockColor);
    DrawMarkStyle(painter, r, shape, inset, look.Offset, look.Color);
}
