#pragma once
// Push buttons: the system BUTTON class under our own class name. A click sets the form's modal
// result (when the button has one) and fires OnClick.
#include "forms/win/WinControl.h"

namespace forms {

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);

    [[nodiscard]] int ModalResult() const { return modalResult_; }
    void SetModalResult(int value) { modalResult_ = value; }
    // The button Enter clicks (drawn as the default button).
    [[nodiscard]] bool Default() const { return default_; }
    void SetDefault(bool value);
    // The button Esc clicks.
    [[nodiscard]] bool Cancel() const { return cancel_; }
    void SetCancel(bool value);

    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    int modalResult_ = 0;
    bool default_ = false;
    bool cancel_ = false;
};

} // namespace forms
