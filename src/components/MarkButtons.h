#pragma once
// The title-bar buttons, one thing added at each level:
//   TBaseBtn        a bevelled face with pressed, locked-down and unusable states;
//   TFocusBtn       a hover mark, and enter and leave told to the parent window and to
//                   OnEnter/OnLeave;
//   TCustomMarkBtn  a shape on the face;
//   TDrawMarkBtn    an optional skin of four frames instead of the drawn face;
//   TMarkBtn        the finished button.
// The rules and the drawing live in MarkButtonFace.h; these classes keep the properties and turn
// the library's mouse handling into state changes.
#include "components/MarkButtonFace.h"
#include "forms/gfx/Bitmap.h"
#include "forms/win/GraphicControl.h"

#include <memory>

// Sent (synchronously) to the parent window when the pointer comes onto a TFocusBtn and when it
// leaves it, before the button changes; wParam and lParam are 0.
constexpr UINT kFocusBtnEnterMessage = WM_USER + 393;
constexpr UINT kFocusBtnLeaveMessage = WM_USER + 394;

class TBaseBtn : public forms::TGraphicControl {
public:
    explicit TBaseBtn(forms::TComponent* owner);

    // -1: the drawn face; any other value: the face comes from the skin (TDrawMarkBtn).
    [[nodiscard]] int NumGlyph() const { return numGlyph_; }
    void SetNumGlyph(int value) { Change(numGlyph_, value); }
    // The skin frame is stretched to the button (else centred).
    [[nodiscard]] bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    // Pressed by a plain left press until the next release.
    [[nodiscard]] bool Down() const { return state_.Down; }

    [[nodiscard]] forms::TColor BaseColor() const { return bevel_.BaseColor; }
    void SetBaseColor(forms::TColor value);
    [[nodiscard]] forms::TColor TopLineColor() const { return bevel_.TopLineColor; }
    void SetTopLineColor(forms::TColor value) { Change(bevel_.TopLineColor, value); }
    [[nodiscard]] forms::TColor BtmLineColor() const { return bevel_.BtmLineColor; }
    void SetBtmLineColor(forms::TColor value) { Change(bevel_.BtmLineColor, value); }
    // The shape's colour while the button is pressed or locked down.
    [[nodiscard]] forms::TColor LockColor() const { return lockColor_; }
    void SetLockColor(forms::TColor value) { Change(lockColor_, value); }
    [[nodiscard]] int BevelWidth() const { return bevel_.BevelWidth; }
    void SetBevelWidth(int value) { Change(bevel_.BevelWidth, value); }
    // Inset of the shape from the edge.
    [[nodiscard]] int Space() const { return space_; }
    void SetSpace(int value) { Change(space_, value); }
    [[nodiscard]] bool NoUse() const { return state_.NoUse; }
    void SetNoUse(bool value) { Change(state_.NoUse, value); }
    [[nodiscard]] bool DownLocked() const { return state_.DownLocked; }
    void SetDownLocked(bool value) { Change(state_.DownLocked, value); }

protected:
    void Paint() override;
    void MouseDown(forms::TMouseButton button, forms::TShiftState shift, int x, int y) override;
    void MouseUp(forms::TMouseButton button, forms::TShiftState shift, int x, int y) override;
    // A press whose release will never come (the capture went elsewhere) ends here.
    void CaptureLost() override;

    // Stores a changed value and repaints.
    template <typename T> void Change(T& field, T value) {
        if (field == value)
            return;
        field = value;
        Invalidate();
    }
    [[nodiscard]] TMarkBtnState& State() { return state_; }
    [[nodiscard]] const TMarkBtnState& State() const { return state_; }

private:
    TMarkBtnState state_;
    TBtnBevel bevel_;
    int numGlyph_ = -1;
    bool stretch_ = false;
    int space_ = 4;
    forms::TColor lockColor_ = forms::clBlack;
};

class TFocusBtn : public TBaseBtn {
public:
    explicit TFocusBtn(forms::TComponent* owner);

    // The hover mark's colour and kind show from the next repaint on.
    [[nodiscard]] forms::TColor MarkColor() const { return markColor_; }
    void SetMarkColor(forms::TColor value) { markColor_ = value; }
    [[nodiscard]] TMarkStyle MarkStyle() const { return markStyle_; }
    void SetMarkStyle(TMarkStyle value) { markStyle_ = value; }
    // The hover mark is enabled.
    [[nodiscard]] bool Marking() const { return State().Marking; }
    void SetMarking(bool value) { Change(State().Marking, value); }
    // The hover mark shows permanently.
    [[nodiscard]] bool LockMark() const { return State().LockMark; }
    void SetLockMark(bool value) { Change(State().LockMark, value); }
    // The pointer is over the button; setting it repaints nothing.
    [[nodiscard]] bool FoucusOn() const { return State().FoucusOn; }
    void SetFoucusOn(bool value) { State().FoucusOn = value; }

    // The pointer came onto the button, or left it. Not focus events: the button never has the
    // focus.
    forms::TNotifyEvent OnEnter, OnLeave;

protected:
    void Paint() override;
    void MouseEnter() override;
    void MouseLeave() override;
    virtual void DoEnter();
    virtual void DoLeave();

private:
    void NotifyParent(UINT message);
    forms::TColor markColor_ = forms::clRed;
    TMarkStyle markStyle_ = msFrame;
};

class TCustomMarkBtn : public TFocusBtn {
public:
    explicit TCustomMarkBtn(forms::TComponent* owner);

    [[nodiscard]] TMarkStyleEx ShapeMarkStyle() const { return shapeMarkStyle_; }
    void SetShapeMarkStyle(TMarkStyleEx value) { Change(shapeMarkStyle_, value); }
    [[nodiscard]] forms::TColor ShapeMarkColor() const { return shapeMarkColor_; }
    void SetShapeMarkColor(forms::TColor value) { Change(shapeMarkColor_, value); }

protected:
    void Paint() override;

private:
    TMarkStyleEx shapeMarkStyle_ = bmsLeftArrow;
    forms::TColor shapeMarkColor_ = forms::clWindowText;
};

class TDrawMarkBtn : public TCustomMarkBtn {
public:
    explicit TDrawMarkBtn(forms::TComponent* owner);

    // The skin: four frames side by side (normal, pressed, hovered, unusable), shown while
    // NumGlyph is not negative.
    [[nodiscard]] forms::TBitmap& Glyph() { return *glyph_; }
    // Copies the bitmap (nullptr empties the skin) and turns the skin off (NumGlyph -1): set
    // NumGlyph afterwards to show it.
    void SetGlyph(const forms::TBitmap* value);
    // The skin leaves out the colour of its bottom-left pixel.
    [[nodiscard]] bool GlyphTrans() const { return glyphTrans_; }
    void SetGlyphTrans(bool value);

protected:
    void Paint() override;

private:
    std::unique_ptr<forms::TBitmap> glyph_ = std::make_unique<forms::TBitmap>();
    bool glyphTrans_ = true;
};

class TMarkBtn : public TDrawMarkBtn {
public:
    explicit TMarkBtn(forms::TComponent* owner) : TDrawMarkBtn(owner) {}
};
