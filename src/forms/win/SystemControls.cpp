#include "forms/win/SystemControls.h"

#include "forms/base/Codepage.h"

#include <algorithm>

namespace forms {

ETextNotInCodePage::ETextNotInCodePage()
    : Exception("コードページ 932 で表せない文字は入力できません。") {}

std::optional<std::string> WindowTextExact(HWND window) {
    const int n = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), n + 1);
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return cp932::NarrowExact(text);
}

std::string ShownText(std::string_view text) {
    return cp932::Narrow(cp932::Wide(text));
}

const TItemMessages kListBoxItems{LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT, LB_GETCURSEL,
                                  LB_SETCURSEL};
const TItemMessages kComboBoxItems{CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT, CB_GETCURSEL,
                                   CB_SETCURSEL};

TControlItems::TControlItems(TWinControl& control, const TItemMessages& messages)
    : control_(control), messages_(messages) {}

HWND TControlItems::Window() const {
    return control_.HandleAllocated() ? control_.Handle() : nullptr;
}

void TControlItems::Check(int index, int last) const {
    if (index < 0 || index > last)
        throw EListIndexError(index);
}

std::string TControlItems::Strings(int index) const {
    Check(index, Count() - 1);
    return lines_[static_cast<size_t>(index)];
}

void TControlItems::InsertIntoWindow(HWND window, int index, const std::string& line) {
    const LRESULT r = SendMessageW(window, messages_.InsertString, static_cast<WPARAM>(index),
                                   reinterpret_cast<LPARAM>(cp932::Wide(line).c_str()));
    if (r < 0) {
        lines_.erase(lines_.begin() + index);
        throw Exception("項目を追加できません: " + line);
    }
}

void TControlItems::Insert(int index, std::string_view s) {
    Check(index, Count());
    std::string line = ShownText(s);
    lines_.insert(lines_.begin() + index, line);
    if (HWND h = Window()) {
        InsertIntoWindow(h, index, line);
    } else if (selected_ >= index) {
        ++selected_;
    }
}

void TControlItems::Delete(int index) {
    Check(index, Count() - 1);
    lines_.erase(lines_.begin() + index);
    if (HWND h = Window()) {
        SendMessageW(h, messages_.DeleteString, static_cast<WPARAM>(index), 0);
    } else if (selected_ == index) {
        selected_ = -1;
    } else if (selected_ > index) {
        --selected_;
    }
}

void TControlItems::SetStrings(int index, std::string_view s) {
    Check(index, Count() - 1);
    const std::string line = ShownText(s);
    if (line == lines_[static_cast<size_t>(index)])
        return;
    const bool wasSelected = Selected() == index;
    Delete(index);
    Insert(index, line);
    if (wasSelected)
        SetSelected(index);
}

void TControlItems::Clear() {
    lines_.clear();
    selected_ = -1;
    if (HWND h = Window())
        SendMessageW(h, messages_.ResetContent, 0, 0);
}

int TControlItems::Selected() const {
    if (HWND h = Window()) {
        const LRESULT r = SendMessageW(h, messages_.GetCurSel, 0, 0);
        return r >= 0 && r < Count() ? static_cast<int>(r) : -1;
    }
    return selected_;
}

void TControlItems::SetSelected(int index) {
    if (index < 0 || index >= Count())
        index = -1;
    if (HWND h = Window())
        SendMessageW(h, messages_.SetCurSel, static_cast<WPARAM>(index), 0);
    else
        selected_ = index;
}

void TControlItems::WindowCreated() {
    HWND h = Window();
    if (!h)
        return;
    SendMessageW(h, messages_.ResetContent, 0, 0);
    for (size_t i = 0; i < lines_.size(); ++i)
        InsertIntoWindow(h, static_cast<int>(i), lines_[i]);
    if (selected_ >= 0)
        SendMessageW(h, messages_.SetCurSel, static_cast<WPARAM>(selected_), 0);
}

void TControlItems::WindowDestroying() {
    selected_ = Selected();
}

void TControlItems::SetUpdateState(bool updating) {
    if (updating)
        redraw_.emplace(control_);
    else
        redraw_.reset();
}

void DrawItemText(TCanvas& canvas, const TRect& rect, std::string_view text) {
    const int y = rect.Top + (rect.Height() - canvas.TextHeight("Ag")) / 2;
    canvas.TextRect(rect, rect.Left + 2, y, text);
}

bool HandleOwnerDrawMessage(TMessage& m, TWinControl& control, int count, TColor background,
                            const std::function<void(int, const TRect&, TOwnerDrawState)>& draw,
                            const std::function<void(int, int&)>& measure, int itemHeight) {
    if (m.Msg == CN_DRAWITEM) {
        DrawOwnerItem(control, *reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam), count,
                      background, draw);
    } else if (m.Msg == CN_MEASUREITEM) {
        auto& measured = *reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
        int height = itemHeight;
        measure(static_cast<int>(measured.itemID), height);
        measured.itemHeight = static_cast<UINT>(std::max(height, 1));
    } else {
        return false;
    }
    m.Result = TRUE;
    return true;
}

void DrawOwnerItem(TWinControl& control, const DRAWITEMSTRUCT& item, int count, TColor background,
                   const std::function<void(int, const TRect&, TOwnerDrawState)>& draw) {
    TOwnerDrawState state;
    state.Selected = (item.itemState & ODS_SELECTED) != 0;
    state.Focused = (item.itemState & ODS_FOCUS) != 0;
    state.Disabled = (item.itemState & ODS_DISABLED) != 0;
    state.ComboBoxEdit = (item.itemState & ODS_COMBOBOXEDIT) != 0;
    const TRect rect{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
    const int index = static_cast<int>(item.itemID);

    TCanvas& canvas = control.Canvas();
    canvas.SetHandle(item.hDC);
    canvas.Font().Assign(control.Font());
    canvas.Brush().SetColor(state.Selected ? clHighlight : background);
    if (state.Selected)
        canvas.Font().SetColor(clHighlightText);
    const std::weak_ptr<void> life = control.LifeToken();
    try {
        if (index >= 0 && index < count)
            draw(index, rect, state);
        else
            canvas.FillRect(rect);
    } catch (...) {
        if (!life.expired())
            canvas.SetHandle(nullptr);
        throw;
    }
    if (life.expired())
        return;
    canvas.SetHandle(nullptr);
    if (state.Focused && !(item.itemState & ODS_NOFOCUSRECT))
        DrawFocusRect(item.hDC, &item.rcItem);
}

LRESULT ControlColors(HDC dc, TBrush& brush, TColor background, TColor text) {
    SetTextColor(dc, ColorToRGB(text));
    SetBkColor(dc, ColorToRGB(background));
    brush.SetColor(background);
    return reinterpret_cast<LRESULT>(brush.Handle());
}

} // namespace forms
