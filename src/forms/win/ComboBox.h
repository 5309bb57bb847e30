#pragma once
// Combo boxes: the system COMBOBOX class under our own class name, as a drop-down list, a
// drop-down with an edit field, or an owner-drawn drop-down list of items of one height. The
// items belong to the control and survive its window.
#include "forms/gfx/Canvas.h"
#include "forms/win/SystemControls.h"

#include <string>
#include <string_view>

namespace forms {

enum class TComboBoxStyle { csDropDown, csDropDownList, csOwnerDrawFixed };

class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* owner);

    // Changing the style makes the window anew (items, selection and text stay).
    [[nodiscard]] TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    TStrings& Items() { return items_; }
    [[nodiscard]] const TStrings& Items() const { return items_; }
    // -1: none. An index outside the items selects none. Fires nothing.
    [[nodiscard]] int ItemIndex() const { return items_.Selected(); }
    void SetItemIndex(int index);
    // Items the dropped list shows without scrolling (at least 1).
    [[nodiscard]] int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int count);
    // Owner-drawn: the height of every item and of the selection field (at least 1). Other
    // styles: the system's item height for the font.
    [[nodiscard]] int ItemHeight() const;
    void SetItemHeight(int height);
    // The edit field's text; for the list styles the selected item's text ("" for none), and
    // setting it selects the item of that text.
    [[nodiscard]] std::string Text() const;
    // Fires OnChange when the text (list styles: the selection) changes.
    void SetText(std::string_view text);
    [[nodiscard]] bool DroppedDown() const;
    void SetDroppedDown(bool value);
    [[nodiscard]] bool Focused() const override;

    // The user typed into the edit field or chose another item (also SetText, see there).
    TNotifyEvent OnChange;
    // Owner-drawn items; unassigned, the item's text is drawn.
    TDrawItemEvent OnDrawItem;
    virtual void Change();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandle() override;
    void WndProc(TMessage& message) override;
    void FontChanged() override;
    virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
    // index -1 is the selection field.
    virtual void MeasureItem(int index, int& height);

private:
    void HandleCommand(WORD code);
    void EditChanged();
    void SelectionChanged();
    void AdjustDropDown();
    // Owner-drawn: the item height for the field and the list (a new font resets the field's).
    void ApplyItemHeight();
    [[nodiscard]] bool HasEdit() const { return style_ == TComboBoxStyle::csDropDown; }
    LRESULT Colors(HDC dc);

    TControlItems items_{*this, kComboBoxItems};
    TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
    int dropDownCount_ = 8;
    int itemHeight_ = 16;
    std::string text_;       // the edit field's last text (csDropDown)
    int reportedIndex_ = -1; // the selection OnChange last stood for (list styles)
    bool choosing_ = false;  // OnChange of a chosen item runs before the field shows it
    TBrush brush_;
};

} // namespace forms
