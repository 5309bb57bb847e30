#include "components/ScrollButtons.h"

using namespace forms;

TScrollBtns::TScrollBtns(TComponent* owner) : TGraphicControl(owner) {
    // No capture: a release away from the control leaves Value as it was until the next release
    // over it. With double clicks the second press of one comes with ssDouble, which is no plain
    // press, so Value stays 0 for it.
    SetControlStyle(csClickEvents | csOpaque | csDoubleClicks);
    SetBounds(0, 0, 32, 16);
    SetColor(arrows_.BaseColor);
    arrows_.CalcHalves(Width(), Height());
}

void TScrollBtns::SetBaseColor(TColor value) {
    if (value == arrows_.BaseColor)
        return;
    arrows_.BaseColor = value;
    SetColor(value);
    Invalidate();
}

void TScrollBtns::SetButtonType(TScrollBtnsType value) {
    if (value == arrows_.ButtonType)
        return;
    const TSize turned = arrows_.ChangeType(value, {Width(), Height()});
    SetBounds(Left(), Top(), turned.Width, turned.Height);
    Invalidate();
}

void TScrollBtns::Paint() {
    SetColor(arrows_.BaseColor);
    arrows_.Paint(Canvas(), Width(), Height());
}

void TScrollBtns::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft && shift == ssLeft) {
        arrows_.Press(x, y);
        Invalidate();
    }
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TScrollBtns::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    arrows_.Release();
    Invalidate();
    TGraphicControl::MouseUp(button, shift, x, y);
}
