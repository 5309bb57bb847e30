#pragma once
// Check boxes and radio buttons: the system BUTTON class under our own class names. The caption
// marks its accelerator with '&'; the face takes the colour of the parent.
#include "forms/gfx/Canvas.h"
#include "forms/win/WinControl.h"

namespace forms {

// What check boxes and radio buttons share: the checked state, kept while there is no window.
class TButtonControl : public TWinControl {
public:
    explicit TButtonControl(TComponent* owner);

    [[nodiscard]] bool Checked() const;
    virtual void SetChecked(bool value) = 0;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandle() override;
    void WndProc(TMessage& message) override;
    // BN_CLICKED: a click, Space, or the accelerator.
    virtual void Clicked() = 0;
    // Shows the state without any event.
    void ShowChecked(bool value);

private:
    bool checked_ = false;
    TBrush brush_;
};

class TCheckBox : public TButtonControl {
public:
    explicit TCheckBox(TComponent* owner);

    // A change of state fires OnClick, as a click would; the same state fires nothing.
    void SetChecked(bool value) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Clicked() override;
};

// Checking a radio button clears the radio buttons beside it (same parent). Only the checked one
// is a tab stop; the arrow keys move to the next or previous one beside it and check it.
class TRadioButton : public TButtonControl {
public:
    explicit TRadioButton(TComponent* owner);

    // A change of this button's state fires its OnClick, as a click that checks it does; the
    // buttons cleared beside it fire nothing.
    void SetChecked(bool value) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Clicked() override;
};

} // namespace forms
