#pragma once
// A small form built in code, as the programs build theirs: a label that counts timer ticks, a
// paint box whose colour a click or the pop-up menu changes, and a menu item that closes it.
#include "forms/win/Form.h"
#include "forms/win/Label.h"
#include "forms/win/Menus.h"
#include "forms/win/PaintBox.h"
#include "forms/win/Timer.h"

class TDemoForm : public forms::TForm {
public:
    explicit TDemoForm(forms::TComponent* owner);

    forms::TLabel* lbTicks;
    forms::TPaintBox* pbFace;
    forms::TPopupMenu* pmColors;
    forms::TMenuItem *mnRed, *mnBlue, *mnClose;
    forms::TTimer* tmTick;

    forms::TColor FaceColor() const { return face_; }
    int Ticks() const { return ticks_; }

private:
    void FormCreate();
    void SetFace(forms::TColor color);

    forms::TColor face_ = forms::clRed;
    int ticks_ = 0;
};
