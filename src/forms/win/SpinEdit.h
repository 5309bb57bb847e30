#pragma once
// Spin edits: an edit for an integer within MinValue..MaxValue, with the system's up-down arrows
// (msctls_updown32) inside its right edge. The arrows, the Up and Down keys step the value by
// Increment; only digits and signs can be typed.
#include "forms/win/Edit.h"

namespace forms {

class TSpinEdit : public TCustomEdit {
public:
    explicit TSpinEdit(TComponent* owner);

    // The bounds; setting one past the other moves the other with it. A text outside the new
    // range is pulled into it.
    [[nodiscard]] int MinValue() const { return minValue_; }
    void SetMinValue(int value);
    [[nodiscard]] int MaxValue() const { return maxValue_; }
    void SetMaxValue(int value);
    // The text's integer pulled into the range; a text that is no integer counts as MinValue.
    [[nodiscard]] int Value() const;
    // Shows value pulled to the nearest bound.
    void SetValue(int value);
    // The step of the arrows and keys; less than 1 counts as 1.
    [[nodiscard]] int Increment() const { return increment_; }
    void SetIncrement(int value);
    // The arrows' window (nullptr without one).
    [[nodiscard]] HWND UpDownHandle() const { return upDown_; }

    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(uint16_t& key) override;

protected:
    void CreateHandle() override;
    void WndProc(TMessage& message) override;
    void UpdateMargins() override;
    // A typed value is pulled into the range (and written out plainly) when the focus leaves.
    void DoExit() override;

private:
    void Step(int direction);
    // Rewrites the text as Value() when it says anything else.
    void PullIn();

    int minValue_ = 0;
    int maxValue_ = 100;
    int increment_ = 1;
    HWND upDown_ = nullptr; // a child of the edit's window, destroyed with it
};

} // namespace forms
