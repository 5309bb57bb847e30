#pragma once
// Single-line edits: the system EDIT class under our own class name. The text is CP932; text typed
// or pasted that code page 932 cannot hold is refused (the edit keeps its text and the user is
// told why), so Text() never holds a stand-in character.
#include "forms/gfx/Canvas.h"
#include "forms/win/WinControl.h"

#include <string>
#include <string_view>

namespace forms {

// Whether the input method may be used in the control.
enum class TImeMode { imDontCare, imDisable };

class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);

    // The window's text (what the user typed), or the text set while there is no window.
    [[nodiscard]] std::string Text() const;
    // A new text fires OnChange, with or without a window; the same text fires nothing.
    void SetText(std::string_view text);

    [[nodiscard]] bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    // The most characters the user may type (0: the system's limit); texts set by the program
    // are not cut.
    [[nodiscard]] int MaxLength() const { return maxLength_; }
    void SetMaxLength(int value);
    // The selection in bytes of Text(); 0 without a window. Setting the start collapses the
    // selection there; a position inside a double-byte character counts as the character's end.
    [[nodiscard]] int SelStart() const;
    void SetSelStart(int value);
    [[nodiscard]] int SelLength() const;
    void SetSelLength(int value);
    void SelectAll();
    // Everything is selected when the edit gets the focus from the keyboard or the program (not
    // from a click into it).
    [[nodiscard]] bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool value) { autoSelect_ = value; }
    [[nodiscard]] TImeMode ImeMode() const { return imeMode_; }
    void SetImeMode(TImeMode mode);
    [[nodiscard]] TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);

    TNotifyEvent OnChange;
    virtual void Change();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandle() override;
    void WndProc(TMessage& message) override;
    void Resize() override;
    void FontChanged() override;
    // Runs after the window is made, resized or gets another font (which resets the margins):
    // the place for a derived edit to reserve margins with EM_SETMARGINS.
    virtual void UpdateMargins() {}
    // The window, made now when the edit lies on a parent; nullptr otherwise.
    HWND WindowIfPlaced();

private:
    void TextEdited();
    void ApplyImeMode();
    // The selection in the window's characters.
    void WindowSelection(DWORD& start, DWORD& end) const;

    std::string text_;
    bool readOnly_ = false;
    int maxLength_ = 0;
    bool autoSelect_ = true;
    TImeMode imeMode_ = TImeMode::imDontCare;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    TBrush brush_;
};

class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};

} // namespace forms
