#pragma once
// Group boxes: a labelled frame (the system BUTTON class's group box under our own class name)
// that holds other controls. The caption's accelerator focuses the first tab stop inside.
#include "forms/gfx/Canvas.h"
#include "forms/win/WinControl.h"

namespace forms {

class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner);

    bool DialogChar(uint16_t ch) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    // The system draws only the frame and the caption; the inside is ours.
    void WMEraseBkgnd(TMessage& message) override;

private:
    TBrush brush_;
};

} // namespace forms
