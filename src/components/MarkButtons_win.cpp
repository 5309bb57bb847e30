#include "components/MarkButtons.h"

#include "shared/SkinDrawing.h"

#include "forms/win/WinControl.h"

using namespace forms;

// ---- TBaseBtn ----

TBaseBtn::TBaseBtn(TComponent* owner) : TGraphicControl(owner) {
    // The library's default style is what a title-bar button needs: capture from the press,
    // OnClick on a release over it, and no double clicks, so that a quick second press presses
    // it again. ParentColor is on by default.
    SetBounds(0, 0, 40, 40);
}

void TBaseBtn::SetStretch(bool value) {
    if (value == stretch_)
        return;
    stretch_ = value;
    if (numGlyph_ != -1)
        Invalidate();
}

void TBaseBtn::SetBaseColor(TColor value) {
    if (value == bevel_.BaseColor)
        return;
    bevel_.BaseColor = value;
    if (!ParentColor())
        SetColor(value);
    Invalidate();
}

void TBaseBtn::Paint() {
    DrawBtnFace(Canvas(), ClientRect(), state_, numGlyph_ < 0, bevel_);
}

void TBaseBtn::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    // Only a plain left press: no modifier, no other button held.
    if (button == TMouseButton::mbLeft && shift == ssLeft) {
        state_.Down = true;
        Invalidate();
    }
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TBaseBtn::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    state_.Down = false;
    Invalidate();
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TBaseBtn::CaptureLost() {
    Change(state_.Down, false);
}

// ---- TFocusBtn ----

TFocusBtn::TFocusBtn(TComponent* owner) : TBaseBtn(owner) {
    SetMarking(true);
}

void TFocusBtn::Paint() {
    TBaseBtn::Paint();
    DrawHoverMark(Canvas(), ClientRect(), BevelWidth(), State(), markColor_, markStyle_);
}

void TFocusBtn::NotifyParent(UINT message) {
    // The value of wParam is a field that nothing in the launcher ever sets.
    if (Parent() && Parent()->HandleAllocated())
        SendMessageW(Parent()->Handle(), message, 0, 0);
}

void TFocusBtn::MouseEnter() {
    const std::weak_ptr<void> life = LifeToken();
    NotifyParent(kFocusBtnEnterMessage);
    if (life.expired())
        return;
    State().FoucusOn = true;
    Invalidate();
    DoEnter();
    if (!life.expired())
        TBaseBtn::MouseEnter();
}

void TFocusBtn::MouseLeave() {
    const std::weak_ptr<void> life = LifeToken();
    NotifyParent(kFocusBtnLeaveMessage);
    if (life.expired())
        return;
    State().FoucusOn = false;
    Invalidate();
    DoLeave();
    if (!life.expired())
        TBaseBtn::MouseLeave();
}

void TFocusBtn::DoEnter() {
    if (OnEnter)
        OnEnter(this);
}

void TFocusBtn::DoLeave() {
    if (OnLeave)
        OnLeave(this);
}

// ---- TCustomMarkBtn ----

TCustomMarkBtn::TCustomMarkBtn(TComponent* owner) : TFocusBtn(owner) {
    SetBounds(0, 0, 16, 16);
    SetMarking(false);
}

void TCustomMarkBtn::Paint() {
    TFocusBtn::Paint();
    DrawShapeMark(Canvas(), ClientRect(), State(), shapeMarkStyle_, Space(), shapeMarkColor_,
                  LockColor());
}

// ---- TDrawMarkBtn ----

TDrawMarkBtn::TDrawMarkBtn(TComponent* owner) : TCustomMarkBtn(owner) {}

void TDrawMarkBtn::SetGlyph(const TBitmap* value) {
    const TBitmap none;
    glyph_->Assign(value ? *value : none);
    SetNumGlyph(
        NumGlyphAfterGlyph(NumGlyph(), glyph_->Modified(), glyph_->Width(), glyph_->Height()));
    Invalidate();
}

void TDrawMarkBtn::SetGlyphTrans(bool value) {
    glyphTrans_ = value;
    Invalidate();
}

void TDrawMarkBtn::Paint() {
    if (NumGlyph() < 0) {
        TCustomMarkBtn::Paint();
        return;
    }
    // Where the skin leaves pixels out, the parent's picture below shows.
    Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    DrawStripCellIn(Canvas(), GlyphFrameOf(State()), kGlyphFrameCount, glyph_.get(), Width(),
                    Height(), Stretch(), glyphTrans_);
}
