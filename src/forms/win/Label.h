#pragma once
// Labels: a caption drawn on the parent's face. The caption is also the window text, so tests and
// tools read it with WM_GETTEXT.
#include "forms/win/GraphicControl.h"

namespace forms {

class TWinControl;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout { tlTop, tlCenter, tlBottom };

class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent* owner);

    // The size follows the caption (a right-aligned label keeps its right edge).
    [[nodiscard]] bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    [[nodiscard]] TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    [[nodiscard]] TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout value);
    [[nodiscard]] bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    // A transparent label shows what lies below it around the text.
    [[nodiscard]] bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    // "&x" underlines x and makes it the accelerator; off, '&' is shown as it is.
    [[nodiscard]] bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    // The control that Alt + the accelerator focuses.
    [[nodiscard]] TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* control);

    bool DialogChar(uint16_t ch) override;
    // The DrawTextW flags the label paints with.
    [[nodiscard]] UINT DrawTextFlags() const;

protected:
    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;
    void Notification(TComponent* component, TOperation operation) override;
    // Resizes to the caption when AutoSize is on.
    virtual void AdjustBounds();

private:
    bool autoSize_ = true;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    TTextLayout layout_ = TTextLayout::tlTop;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool showAccelChar_ = true;
    TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
public:
    explicit TLabel(TComponent* owner) : TCustomLabel(owner) {}
};

// True when caption marks ch (any letter case) as its accelerator with '&'.
bool IsAccel(uint16_t ch, std::string_view caption);

} // namespace forms
