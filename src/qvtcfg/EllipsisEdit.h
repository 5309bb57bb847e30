#pragma once
// TEllipsisEdit (window class "TEllipsisEdit"): a one-line text field with a small button at its
// right end that shows three dots; a click on the button fires OnEllipsisClick, with which a
// form opens a file or folder picker for the field. The button (TEllipsisButton) is a child
// window inside the edit, as wide as a vertical scroll bar and as high as the client area; the
// edit keeps its text out of the button's strip with a right margin, renewed whenever the window
// is made, sized or given a font, so typed text scrolls beside the button and never under it.
// No line break ever enters the field: Enter and Ctrl+Enter insert nothing, a paste keeps its
// first line, and text set in code loses its CR and LF bytes.
#include "forms/win/Edit.h"
#include "forms/win/Label.h"
#include "forms/win/SpeedButton.h"
#include "qvtcfg/EllipsisEditRules.h"

class TCustomEllipsisEdit;

// The three-dot button: drawn as the system's combo-box button without its arrow, pressed in
// while held; disabled with its edit, engraved then. A press puts the keyboard focus into the
// edit (the button itself never takes it).
class TEllipsisButton : public forms::TSpeedButton {
public:
    TEllipsisButton(forms::TComponent* owner, TCustomEllipsisEdit& edit);

    void Click() override;

protected:
    void Paint() override;
    void MouseDown(forms::TMouseButton button, forms::TShiftState shift, int x, int y) override;

private:
    TCustomEllipsisEdit& edit_;
};

// Whether typed letters are changed to one case.
enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TCustomEllipsisEdit : public forms::TEdit {
public:
    // 150 x 20, empty; the button as wide as SM_CXVSCROLL says.
    explicit TCustomEllipsisEdit(forms::TComponent* owner);

    // The button's tooltip.
    [[nodiscard]] const std::string& EllipsisHint() const;
    void SetEllipsisHint(std::string_view hint);
    // Fired by a click on the button, with the edit as sender.
    forms::TNotifyEvent OnEllipsisClick;
    virtual void EllipsisClick();

    // Sets the text without its CR and LF bytes.
    void SetText(std::string_view text);

    // The edit properties that only take effect when the window is made (the window is made
    // again when they change) or through their own message.
    [[nodiscard]] forms::TAlignment Alignment() const { return alignment_; }
    void SetAlignment(forms::TAlignment value);
    [[nodiscard]] TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase value);
    // Off: the selection stays shown while the field has no focus.
    [[nodiscard]] bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);
    [[nodiscard]] bool OEMConvert() const { return oemConvert_; }
    void SetOEMConvert(bool value);
    // Shown in place of every character; '\0' shows the text.
    [[nodiscard]] char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char value);

    // Scales the edit's edges by multiplier / divisor (rounded to the nearest pixel) and, unless
    // it uses its parent's font, its font size; nothing when they are equal. The button keeps
    // the scroll-bar width and follows by alignment.
    void ChangeScale(int multiplier, int divisor);

    [[nodiscard]] TEllipsisButton* Button() const { return button_; }
    // The area the text is laid out in, in client coordinates.
    [[nodiscard]] forms::TRect EditRect() const;

protected:
    void CreateParams(forms::TCreateParams& params) override;
    void CreateHandle() override;
    void WndProc(forms::TMessage& message) override;
    void UpdateMargins() override;
    void AdjustClientRect(forms::TRect& rect) override;
    void EnabledChanged() override;

private:
    void Recreate();
    void EraseEditRect(HDC dc);
    bool SetCursorByPlace(forms::TMessage& message);
    void PasteFirstLine(forms::TMessage& message);

    TEllipsisButton* button_ = nullptr;
    forms::TAlignment alignment_ = forms::TAlignment::taLeftJustify;
    TEditCharCase charCase_ = TEditCharCase::ecNormal;
    bool hideSelection_ = true;
    bool oemConvert_ = false;
    char passwordChar_ = '\0';
};

class TEllipsisEdit : public TCustomEllipsisEdit {
public:
    explicit TEllipsisEdit(forms::TComponent* owner) : TCustomEllipsisEdit(owner) {}
};
