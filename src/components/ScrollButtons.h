#pragma once
// TScrollBtns: two arrow half-buttons in one control. Its owner reads Value in OnMouseDown to
// learn which half was pressed (-1 the first, +1 the second, 0 neither). The halves, the hit test
// and the drawing live in ScrollArrows.h.
#include "components/ScrollArrows.h"
#include "forms/win/GraphicControl.h"

class TScrollBtns : public forms::TGraphicControl {
public:
    explicit TScrollBtns(forms::TComponent* owner);

    [[nodiscard]] forms::TColor TopLineColor() const { return arrows_.TopLineColor; }
    void SetTopLineColor(forms::TColor value) { Change(arrows_.TopLineColor, value); }
    [[nodiscard]] forms::TColor BtmLineColor() const { return arrows_.BtmLineColor; }
    void SetBtmLineColor(forms::TColor value) { Change(arrows_.BtmLineColor, value); }
    // The face; the control's Color follows it.
    [[nodiscard]] forms::TColor BaseColor() const { return arrows_.BaseColor; }
    void SetBaseColor(forms::TColor value);
    [[nodiscard]] forms::TColor MarkColor() const { return arrows_.MarkColor; }
    void SetMarkColor(forms::TColor value) { Change(arrows_.MarkColor, value); }
    // A new type turns the control: width and height swap.
    [[nodiscard]] TScrollBtnsType ButtonType() const { return arrows_.ButtonType; }
    void SetButtonType(TScrollBtnsType value);
    [[nodiscard]] int Value() const { return arrows_.Value; }
    [[nodiscard]] TButtonArrowStyle LeftBtnArrow() const { return arrows_.LeftBtnArrow; }
    void SetLeftBtnArrow(TButtonArrowStyle value) { Change(arrows_.LeftBtnArrow, value); }
    [[nodiscard]] TButtonArrowStyle RightBtnArrow() const { return arrows_.RightBtnArrow; }
    void SetRightBtnArrow(TButtonArrowStyle value) { Change(arrows_.RightBtnArrow, value); }

    // The halves as the last paint (or type change) computed them, in client coordinates.
    [[nodiscard]] forms::TRect FirstHalf() const { return arrows_.FirstHalf; }
    [[nodiscard]] forms::TRect SecondHalf() const { return arrows_.SecondHalf; }

protected:
    void Paint() override;
    void MouseDown(forms::TMouseButton button, forms::TShiftState shift, int x, int y) override;
    void MouseUp(forms::TMouseButton button, forms::TShiftState shift, int x, int y) override;

private:
    template <typename T> void Change(T& field, T value) {
        if (field == value)
            return;
        field = value;
        Invalidate();
    }
    TScrollArrows arrows_;
};
