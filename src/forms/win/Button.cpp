#include "forms/win/Button.h"

#include "forms/win/Form.h"

namespace forms {

TButton::TButton(TComponent* owner) : TWinControl(owner) {
    SetControlStyle(0); // the system button captures and clicks by itself
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = L"BUTTON";
    p.Style &= ~static_cast<DWORD>(WS_CLIPCHILDREN);
    p.ExStyle &= ~static_cast<DWORD>(WS_EX_CONTROLPARENT);
    p.Style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool value) {
    default_ = value;
    if (TForm* form = ParentForm()) {
        if (value)
            form->SetDefaultButton(this);
        else if (form->DefaultButton() == this)
            form->SetDefaultButton(nullptr);
    }
    if (HandleAllocated())
        SendMessageW(Handle(), BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::SetCancel(bool value) {
    cancel_ = value;
    if (TForm* form = ParentForm()) {
        if (value)
            form->SetCancelButton(this);
        else if (form->CancelButton() == this)
            form->SetCancelButton(nullptr);
    }
}

void TButton::Click() {
    if (TForm* form = ParentForm(); form && modalResult_ != 0)
        form->SetModalResult(modalResult_);
    TWinControl::Click();
}

void TButton::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        if (HIWORD(m.WParam) == BN_CLICKED)
            Click();
        m.Result = 0;
        return;
    }
    TWinControl::WndProc(m);
}

} // namespace forms
