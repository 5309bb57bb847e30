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
    if (!value && form_ && form_->DefaultButton() == this)
        form_->SetDefaultButton(nullptr);
    RegisterWithForm();
    if (HandleAllocated())
        SendMessageW(Handle(), BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::SetCancel(bool value) {
    cancel_ = value;
    if (!value && form_ && form_->CancelButton() == this)
        form_->SetCancelButton(nullptr);
    RegisterWithForm();
}

void TButton::ParentChanged() {
    TWinControl::ParentChanged();
    RegisterWithForm();
}

void TButton::RegisterWithForm() {
    TForm* form = ParentForm();
    if (form_ && form_ != form) {
        if (form_->DefaultButton() == this)
            form_->SetDefaultButton(nullptr);
        if (form_->CancelButton() == this)
            form_->SetCancelButton(nullptr);
        form_->RemoveFreeNotification(this);
        form_ = nullptr;
    }
    if (!form)
        return;
    if (form != form_) {
        form->FreeNotification(this);
        form_ = form;
    }
    if (default_)
        form->SetDefaultButton(this);
    if (cancel_)
        form->SetCancelButton(this);
}

void TButton::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == form_)
        form_ = nullptr;
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
