#pragma once
// The hint window: a top-most pop-up that never takes activation. Each hide destroys the window
// (ReleaseHandle) and each show makes it anew, so a hint never keeps an old region or size.
#include "forms/win/WinControl.h"

namespace forms {

class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* owner);

    // The text measured word-wrapped without prefixes in maxWidth, plus 6 x 2 pixels.
    virtual TRect CalcHintRect(int maxWidth, const std::string& hint);
    // Shows the text in r (screen coordinates), top-most, without activating.
    virtual void ActivateHint(const TRect& r, const std::string& hint);
    // Hides the hint by destroying its window.
    void ReleaseHandle();
    [[nodiscard]] bool IsHintVisible() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void Paint() override;
};

} // namespace forms
