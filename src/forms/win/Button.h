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
    // The button Enter clicks (drawn as the default button). Set before the button lies on a
    // form, it becomes the form's default button as soon as it does.
    [[nodiscard]] bool Default() const { return default_; }
    void SetDefault(bool value);
    // The button Esc clicks; it registers with its form as Default does.
    [[nodiscard]] bool Cancel() const { return cancel_; }
    void SetCancel(bool value);

    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void ParentChanged() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // Makes the button its form's default or cancel button as its settings say, and takes it
    // back from a form it no longer lies on.
    void RegisterWithForm();

    int modalResult_ = 0;
    bool default_ = false;
    bool cancel_ = false;
    TForm* form_ = nullptr; // the form the button registered with last
};

} // namespace forms
