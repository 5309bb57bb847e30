#include "forms/win/ListBox.h"

#include "forms/base/Method.h"

#include <algorithm>

namespace forms {

TListBox::TListBox(TComponent* owner) : TWinControl(owner) {
    SetControlStyle(0); // the system list box handles the mouse itself
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 121, 97);
}

void TListBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = L"LISTBOX";
    p.Style &= ~static_cast<DWORD>(WS_CLIPCHILDREN);
    p.ExStyle &= ~static_cast<DWORD>(WS_EX_CONTROLPARENT);
    p.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL;
    if (style_ == TListBoxStyle::lbOwnerDrawFixed)
        p.Style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
    if (borderStyle_ == TBorderStyle::bsSingle)
        p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::CreateHandle() {
    TWinControl::CreateHandle();
    HWND h = ExistingHandle();
    if (!h)
        return;
    items_.WindowCreated();
    SendMessageW(h, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(horizontalExtent_), 0);
}

void TListBox::Recreate() {
    if (!HandleAllocated())
        return;
    DestroyHandle(); // the items keep the selection
    HandleNeeded();
}

void TListBox::SetStyle(TListBoxStyle style) {
    if (style == style_)
        return;
    style_ = style;
    Recreate();
}

void TListBox::SetBorderStyle(TBorderStyle style) {
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    Recreate();
}

int TListBox::ItemHeight() const {
    if (style_ == TListBoxStyle::lbOwnerDrawFixed)
        return itemHeight_;
    if (HWND h = ExistingHandle())
        return static_cast<int>(SendMessageW(h, LB_GETITEMHEIGHT, 0, 0));
    return itemHeight_;
}

void TListBox::SetItemHeight(int height) {
    itemHeight_ = std::max(height, 1);
    if (style_ != TListBoxStyle::lbOwnerDrawFixed)
        return;
    if (HWND h = ExistingHandle()) {
        SendMessageW(h, LB_SETITEMHEIGHT, 0, itemHeight_);
        InvalidateRect(h, nullptr, TRUE);
    }
}

int TListBox::ItemAtPos(TPoint point) const {
    HWND h = ExistingHandle();
    if (!h)
        return -1;
    RECT client;
    GetClientRect(h, &client);
    const POINT p{point.X, point.Y};
    if (!PtInRect(&client, p))
        return -1;
    const LRESULT hit = SendMessageW(h, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.X, point.Y));
    const int index = LOWORD(hit);
    if (HIWORD(hit) != 0 || index >= items_.Count())
        return -1;
    RECT item;
    if (SendMessageW(h, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item)) == LB_ERR ||
        !PtInRect(&item, p))
        return -1;
    return index;
}

void TListBox::SetHorizontalExtent(int width) {
    horizontalExtent_ = std::max(width, 0);
    if (HWND h = ExistingHandle())
        SendMessageW(h, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(horizontalExtent_), 0);
}

int TListBox::TopIndex() const {
    HWND h = ExistingHandle();
    return h ? static_cast<int>(SendMessageW(h, LB_GETTOPINDEX, 0, 0)) : 0;
}

void TListBox::SetTopIndex(int index) {
    if (HWND h = ExistingHandle())
        SendMessageW(h, LB_SETTOPINDEX, static_cast<WPARAM>(std::max(index, 0)), 0);
}

TColor TListBox::BackgroundColor() const {
    return Enabled() ? Color() : clBtnFace;
}

void TListBox::EnabledChanged() {
    if (HWND h = ExistingHandle())
        InvalidateRect(h, nullptr, TRUE);
}

void TListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
    if (OnDrawItem) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    DrawItemText(Canvas(), rect, items_.Strings(index));
}

void TListBox::MeasureItem(int /*index*/, int& height) {
    height = itemHeight_;
}

void TListBox::WndProc(TMessage& m) {
    if (HandleOwnerDrawMessage(m, *this, items_.Count(), BackgroundColor(),
                               forms::Method(this, &TListBox::DrawItem),
                               forms::Method(this, &TListBox::MeasureItem), itemHeight_))
        return;
    switch (m.Msg) {
    case CN_COMMAND:
        if (HIWORD(m.WParam) == LBN_SELCHANGE)
            Click();
        m.Result = 0;
        return;
    case CN_CTLCOLORLISTBOX:
        m.Result = ControlColors(reinterpret_cast<HDC>(m.WParam), brush_, BackgroundColor(),
                                 Font().Color());
        return;
    case WM_DESTROY:
        items_.WindowDestroying();
        break;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

} // namespace forms
