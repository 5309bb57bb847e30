#pragma once
// What the superclassed system controls (edits, list and combo boxes, check boxes) share: their
// text read back from the window exactly or not at all, items kept by the control and shown by
// its window, owner-drawn items, and the colours they answer WM_CTLCOLOR* with.
#include "forms/base/Exceptions.h"
#include "forms/base/Strings.h"
#include "forms/win/RedrawSuspension.h"
#include "forms/win/WinControl.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

// Text typed or pasted into a control that code page 932 cannot hold: the control refuses it
// (its text stays what it was) and this error tells the user why.
class ETextNotInCodePage : public Exception {
public:
    ETextNotInCodePage();
};

// The window's text; none when code page 932 cannot hold all of it (never with '?' in place of
// the characters it cannot hold).
std::optional<std::string> WindowTextExact(HWND window);
// What a window shows of CP932 text, read back: the text itself for every valid character;
// bytes that are no character become the code page's replacement.
std::string ShownText(std::string_view text);

// The messages of one kind of item window.
struct TItemMessages {
    UINT InsertString, DeleteString, ResetContent, GetCurSel, SetCurSel;
};
extern const TItemMessages kListBoxItems;
extern const TItemMessages kComboBoxItems;

// The items of a list or combo box. The control keeps them (they outlive its window, which is
// filled again when it is made anew) and every change reaches the window at once; an update
// (BeginUpdate .. EndUpdate, Assign, SetText) is one WM_SETREDRAW pair around all its changes.
// Lines hold what the window shows (ShownText).
class TControlItems : public TStrings {
public:
    TControlItems(TWinControl& control, const TItemMessages& messages);

    int Count() const override { return static_cast<int>(lines_.size()); }
    std::string Strings(int index) const override;
    void SetStrings(int index, std::string_view s) override;
    void Insert(int index, std::string_view s) override;
    void Delete(int index) override;
    void Clear() override;

    // The selected item (-1: none): the window's, or kept here while there is no window.
    [[nodiscard]] int Selected() const;
    // An index outside the items selects none.
    void SetSelected(int index);
    // Fills a new window with the items and selects the kept selection.
    void WindowCreated();
    // Keeps the window's selection before the window goes.
    void WindowDestroying();

protected:
    void SetUpdateState(bool updating) override;

private:
    [[nodiscard]] HWND Window() const;
    void Check(int index, int last) const;
    void InsertIntoWindow(HWND window, int index, const std::string& line);

    TWinControl& control_;
    const TItemMessages& messages_;
    std::vector<std::string> lines_;
    int selected_ = -1;                       // while there is no window
    std::optional<TRedrawSuspension> redraw_; // during an update
};

// How an owner-drawn item is to look.
struct TOwnerDrawState {
    bool Selected = false;
    bool Focused = false;
    bool Disabled = false;
    // The item shown in the selection field of a combo box (not in its list).
    bool ComboBoxEdit = false;
};
// Draws item index into rect on the control's Canvas, which has the control's font and the
// item's colours (highlight when selected) when it is called.
using TDrawItemEvent =
    std::function<void(TWinControl* control, int index, const TRect& rect, TOwnerDrawState state)>;

// One WM_DRAWITEM of a list or combo box: sets up the control's canvas on the item's context, runs
// draw for an index among count items (an index that is no item any more only gets the
// background) and draws the focus rectangle. draw may free the control.
void DrawOwnerItem(TWinControl& control, const DRAWITEMSTRUCT& item, int count, TColor background,
                   const std::function<void(int, const TRect&, TOwnerDrawState)>& draw);
// Answers the owner-draw messages of a list or combo box: CN_DRAWITEM through DrawOwnerItem,
// CN_MEASUREITEM with measure's height (from itemHeight, at least 1). False for any other message.
bool HandleOwnerDrawMessage(TMessage& m, TWinControl& control, int count, TColor background,
                            const std::function<void(int, const TRect&, TOwnerDrawState)>& draw,
                            const std::function<void(int, int&)>& measure, int itemHeight);
// The default look of an item: background and the text, vertically centred.
void DrawItemText(TCanvas& canvas, const TRect& rect, std::string_view text);

// The answer to a WM_CTLCOLOR* message: text and background colours set on dc, brush (kept by
// the control) painted in the background colour.
LRESULT ControlColors(HDC dc, TBrush& brush, TColor background, TColor text);

} // namespace forms
