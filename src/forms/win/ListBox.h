#pragma once
// List boxes: the system LISTBOX class under our own class name, plain or owner-drawn with items
// of one height; single selection. The items belong to the control and survive its window.
#include "forms/gfx/Canvas.h"
#include "forms/win/SystemControls.h"

namespace forms {

enum class TListBoxStyle { lbStandard, lbOwnerDrawFixed };

class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* owner);

    // Changing the style makes the window anew (items and selection stay).
    [[nodiscard]] TListBoxStyle Style() const { return style_; }
    void SetStyle(TListBoxStyle style);
    TStrings& Items() { return items_; }
    [[nodiscard]] const TStrings& Items() const { return items_; }
    // -1: none. An index outside the items selects none. Fires nothing.
    [[nodiscard]] int ItemIndex() const { return items_.Selected(); }
    void SetItemIndex(int index) { items_.SetSelected(index); }
    // Owner-drawn: the height of every item (at least 1). Plain: the system's for the font.
    [[nodiscard]] int ItemHeight() const;
    void SetItemHeight(int height);
    // The item under a client point; -1 when the point lies on no item (below the last one,
    // outside the client area, or without a window).
    [[nodiscard]] int ItemAtPos(TPoint point) const;
    // The width in pixels that the horizontal scroll bar lets the user scroll through (0: no
    // horizontal scrolling).
    [[nodiscard]] int HorizontalExtent() const { return horizontalExtent_; }
    void SetHorizontalExtent(int width);
    [[nodiscard]] int TopIndex() const;
    void SetTopIndex(int index);
    [[nodiscard]] TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    // The background: Color while enabled, the face colour of disabled controls otherwise.
    [[nodiscard]] TColor BackgroundColor() const;

    // OnClick (inherited) fires when the user selects another item; OnDblClick, OnMouseMove and
    // OnMouseUp as for every control. Owner-drawn items; unassigned, the item's text is drawn.
    TDrawItemEvent OnDrawItem;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandle() override;
    void WndProc(TMessage& message) override;
    void EnabledChanged() override;
    virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
    virtual void MeasureItem(int index, int& height);

private:
    void Recreate();

    TControlItems items_{*this, kListBoxItems};
    TListBoxStyle style_ = TListBoxStyle::lbStandard;
    int itemHeight_ = 16;
    int horizontalExtent_ = 0;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    TBrush brush_;
};

} // namespace forms
