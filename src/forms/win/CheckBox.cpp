#include "forms/win/CheckBox.h"

#include "forms/win/SystemControls.h"

#include <vector>

namespace forms {

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
    SetControlStyle(0); // the system button captures and clicks by itself
    SetTabStop(true);
}

void TButtonControl::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = L"BUTTON";
    p.Style &= ~static_cast<DWORD>(WS_CLIPCHILDREN);
    p.ExStyle &= ~static_cast<DWORD>(WS_EX_CONTROLPARENT);
}

void TButtonControl::CreateHandle() {
    TWinControl::CreateHandle();
    if (HWND h = ExistingHandle())
        SendMessageW(h, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TButtonControl::Checked() const {
    if (HWND h = ExistingHandle())
        return SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return checked_;
}

void TButtonControl::ShowChecked(bool value) {
    checked_ = value;
    if (HWND h = ExistingHandle())
        SendMessageW(h, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TButtonControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND:
        if (HIWORD(m.WParam) == BN_CLICKED)
            Clicked();
        m.Result = 0;
        return;
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORBTN:
        m.Result = ControlColors(reinterpret_cast<HDC>(m.WParam), brush_, Color(), Font().Color());
        return;
    case WM_DESTROY:
        checked_ = Checked();
        break;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

// ---- TCheckBox ----

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 97, 17);
}

void TCheckBox::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    p.Style |= BS_AUTOCHECKBOX;
}

void TCheckBox::SetChecked(bool value) {
    if (value == Checked())
        return;
    ShowChecked(value);
    Click();
}

void TCheckBox::Clicked() {
    ShowChecked(Checked()); // the system has turned it over already
    Click();
}

// ---- TRadioButton ----

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
    SetTabStop(false);
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    p.Style |= BS_RADIOBUTTON; // not the automatic kind: this class decides who is checked
}

void TRadioButton::SetChecked(bool value) {
    if (value == Checked())
        return;
    ShowChecked(value);
    SetTabStop(value);
    if (value && Parent()) {
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i));
            if (other && other != this && other->Checked()) {
                other->ShowChecked(false);
                other->SetTabStop(false);
            }
        }
    }
    Click();
}

void TRadioButton::Clicked() {
    SetChecked(true);
}

void TRadioButton::KeyDown(uint16_t& key, TShiftState shift) {
    TButtonControl::KeyDown(key, shift);
    if (key != VK_LEFT && key != VK_RIGHT && key != VK_UP && key != VK_DOWN)
        return;
    if (!Parent())
        return;
    std::vector<TRadioButton*> group;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* r = dynamic_cast<TRadioButton*>(Parent()->Controls(i)); r && r->CanFocus())
            group.push_back(r);
    size_t at = 0;
    while (at < group.size() && group[at] != this)
        ++at;
    if (group.size() < 2 || at == group.size())
        return;
    const bool forward = key == VK_RIGHT || key == VK_DOWN;
    key = 0;
    TRadioButton* next = group[(at + (forward ? 1 : group.size() - 1)) % group.size()];
    next->SetFocus();
    next->SetChecked(true);
}

} // namespace forms
