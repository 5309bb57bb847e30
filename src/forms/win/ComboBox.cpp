#include "forms/win/ComboBox.h"

#include "forms/base/Codepage.h"
#include "forms/base/Method.h"
#include "forms/base/ScopeGuard.h"
#include "forms/win/Form.h"

#include <commctrl.h>

#include <algorithm>

namespace forms {

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
    SetControlStyle(0); // the system combo box handles the mouse itself
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 145, 21);
}

void TComboBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = L"COMBOBOX";
    p.Style &= ~static_cast<DWORD>(WS_CLIPCHILDREN);
    p.ExStyle &= ~static_cast<DWORD>(WS_EX_CONTROLPARENT);
    p.Style |= WS_VSCROLL;
    switch (style_) {
    case TComboBoxStyle::csDropDown:
        p.Style |= CBS_DROPDOWN | CBS_AUTOHSCROLL;
        p.Caption = text_;
        break;
    case TComboBoxStyle::csDropDownList:
        p.Style |= CBS_DROPDOWNLIST;
        break;
    case TComboBoxStyle::csOwnerDrawFixed:
        p.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
        break;
    }
}

void TComboBox::CreateHandle() {
    TWinControl::CreateHandle();
    HWND h = ExistingHandle();
    if (!h)
        return;
    items_.WindowCreated();
    // The field's height measured while the window was made does not survive its font.
    ApplyItemHeight();
    if (HasEdit() && items_.Selected() < 0)
        SetWindowTextW(h, cp932::Wide(text_).c_str());
    SendMessageW(h, CB_SETMINVISIBLE, static_cast<WPARAM>(dropDownCount_), 0);
}

void TComboBox::SetStyle(TComboBoxStyle style) {
    if (style == style_)
        return;
    const std::string text = Text();
    const bool recreate = HandleAllocated();
    if (recreate)
        DestroyHandle(); // keeps the selection and the edit text
    style_ = style;
    if (HasEdit())
        text_ = text;
    reportedIndex_ = items_.Selected();
    if (recreate)
        HandleNeeded();
}

void TComboBox::SetItemIndex(int index) {
    items_.SetSelected(index);
    reportedIndex_ = items_.Selected();
    if (HasEdit())
        text_ = reportedIndex_ >= 0 ? items_.Strings(reportedIndex_) : std::string();
}

void TComboBox::SetDropDownCount(int count) {
    dropDownCount_ = std::max(count, 1);
    if (HWND h = ExistingHandle())
        SendMessageW(h, CB_SETMINVISIBLE, static_cast<WPARAM>(dropDownCount_), 0);
}

int TComboBox::ItemHeight() const {
    if (style_ == TComboBoxStyle::csOwnerDrawFixed)
        return itemHeight_;
    if (HWND h = ExistingHandle())
        return static_cast<int>(SendMessageW(h, CB_GETITEMHEIGHT, 0, 0));
    return itemHeight_;
}

void TComboBox::SetItemHeight(int height) {
    itemHeight_ = std::max(height, 1);
    ApplyItemHeight();
}

void TComboBox::ApplyItemHeight() {
    HWND h = ExistingHandle();
    if (!h || style_ != TComboBoxStyle::csOwnerDrawFixed)
        return;
    SendMessageW(h, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight_);
    SendMessageW(h, CB_SETITEMHEIGHT, 0, itemHeight_);
}

void TComboBox::FontChanged() {
    TWinControl::FontChanged();
    ApplyItemHeight();
}

std::string TComboBox::Text() const {
    if (!HasEdit()) {
        const int index = items_.Selected();
        return index >= 0 ? items_.Strings(index) : std::string();
    }
    if (HWND h = ExistingHandle(); h && !choosing_)
        if (auto text = WindowTextExact(h))
            return *text;
    return text_;
}

void TComboBox::SetText(std::string_view text) {
    if (!HasEdit()) {
        const int index = items_.IndexOf(ShownText(text));
        if (index == items_.Selected())
            return;
        SetItemIndex(index);
        Change();
        return;
    }
    const std::string shown = ShownText(text);
    if (shown == Text())
        return;
    text_ = shown; // first: the window's change notice then finds nothing new
    if (HWND h = ExistingHandle()) {
        SetWindowTextW(h, cp932::Wide(shown).c_str());
        if (auto now = WindowTextExact(h))
            text_ = *now;
    }
    Change();
}

bool TComboBox::DroppedDown() const {
    HWND h = ExistingHandle();
    return h && SendMessageW(h, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TComboBox::SetDroppedDown(bool value) {
    if (HWND h = ExistingHandle())
        SendMessageW(h, CB_SHOWDROPDOWN, value ? TRUE : FALSE, 0);
}

bool TComboBox::Focused() const {
    HWND h = ExistingHandle();
    if (!h)
        return false;
    HWND focus = GetFocus();
    return focus == h || (focus && IsChild(h, focus));
}

void TComboBox::Change() {
    if (OnChange)
        OnChange(this);
}

void TComboBox::EditChanged() {
    HWND h = ExistingHandle();
    if (!h)
        return;
    const std::optional<std::string> now = WindowTextExact(h);
    if (!now) {
        SetWindowTextW(h, cp932::Wide(text_).c_str());
        SendMessageW(h, CB_SETEDITSEL, 0, MAKELPARAM(-1, -1)); // caret to the end
        throw ETextNotInCodePage();
    }
    if (*now == text_)
        return;
    text_ = *now;
    Change();
}

void TComboBox::SelectionChanged() {
    const int index = items_.Selected();
    if (HasEdit()) {
        const std::string text = index >= 0 ? items_.Strings(index) : std::string();
        if (text == text_)
            return;
        text_ = text;
        // The edit field shows the chosen item only after this notice; till then Text() is it.
        choosing_ = true;
        const std::weak_ptr<void> life = LifeToken();
        const auto done = OnScopeExit([this, life] {
            if (!life.expired())
                choosing_ = false;
        });
        Change();
        return;
    }
    if (index == reportedIndex_)
        return;
    reportedIndex_ = index;
    Change();
}

void TComboBox::AdjustDropDown() {
    // The system's list takes the height the window had beyond its field when it was last
    // sized, so the window is made that tall for a moment; the combo box itself goes back to
    // the field's height at once.
    HWND h = ExistingHandle();
    const int shown = std::clamp(items_.Count(), 1, dropDownCount_);
    const int itemHeight = static_cast<int>(SendMessageW(h, CB_GETITEMHEIGHT, 0, 0));
    RECT r;
    GetWindowRect(h, &r);
    SetWindowPos(h, nullptr, 0, 0, r.right - r.left,
                 (r.bottom - r.top) + shown * std::max(itemHeight, 1) + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

void TComboBox::HandleCommand(WORD code) {
    switch (code) {
    case CBN_EDITCHANGE:
        EditChanged();
        break;
    case CBN_SELCHANGE:
        SelectionChanged();
        break;
    case CBN_DROPDOWN:
        AdjustDropDown();
        break;
    case CBN_SETFOCUS:
        // For the combo box or its edit field: one entry, however the focus moves inside.
        if (TForm* form = ParentForm())
            form->FocusChanged(this);
        DoEnter();
        break;
    case CBN_KILLFOCUS:
        DoExit();
        break;
    default:
        break;
    }
}

void TComboBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
    if (OnDrawItem) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    DrawItemText(Canvas(), rect, items_.Strings(index));
}

void TComboBox::MeasureItem(int /*index*/, int& height) {
    height = itemHeight_;
}

LRESULT TComboBox::Colors(HDC dc) {
    return ControlColors(dc, brush_, Color(), Font().Color());
}

void TComboBox::WndProc(TMessage& m) {
    if (HandleOwnerDrawMessage(m, *this, items_.Count(), Color(),
                               forms::Method(this, &TComboBox::DrawItem),
                               forms::Method(this, &TComboBox::MeasureItem), itemHeight_))
        return;
    switch (m.Msg) {
    case CN_COMMAND:
        HandleCommand(HIWORD(m.WParam));
        m.Result = 0;
        return;
    // The field (reflected) and the edit and list inside (sent to the combo box itself).
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        if (!Enabled())
            break;
        m.Result = Colors(reinterpret_cast<HDC>(m.WParam));
        return;
    // Entry and exit come as CBN_SETFOCUS and CBN_KILLFOCUS, whichever part has the focus.
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    // With its real MSG, so that the dropped list keeps Enter and Esc.
    case WM_GETDLGCODE:
        DefaultHandler(m);
        return;
    case WM_DESTROY:
        items_.WindowDestroying();
        if (HasEdit())
            if (auto text = WindowTextExact(ExistingHandle()))
                text_ = *text;
        break;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

} // namespace forms
