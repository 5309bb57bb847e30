#include "components/TabStrip.h"

#include "forms/base/Exceptions.h"
#include "forms/base/IntText.h"
#include "forms/base/StrUtils.h"

#include <algorithm>
#include <cstdint>
#include <limits>

using namespace forms;

namespace {

// Sums of sizes and margins stay within int, whatever the caller stored.
int Saturate(int64_t v) {
    return static_cast<int>(
        std::clamp<int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

std::string PadNumber(int n, int places, bool zero) {
    places = std::min(places, TTabStrip::kMaxCounterPlaces);
    std::string padded = IntToStrPad(n, places);
    if (!zero) {
        const size_t added = padded.size() - IntToStr(n).size();
        const size_t sign = n < 0 ? 1 : 0;
        padded.replace(sign, added, added, ' ');
    }
    return padded;
}

int ArrowTarget(int value, int current, int count) {
    const int64_t target = static_cast<int64_t>(value) + current;
    if (target < 0)
        return 0;
    if (target >= count)
        return std::max(count - 1, 0);
    return static_cast<int>(target);
}

TScrollBtnsType ArrowsType(TTabEdgePosition position) {
    return position == teLeft || position == teRight ? sbtVer : sbtHor;
}

TPoint ArrowsOrigin(TTabEdgePosition position, TSize strip, int rowHeight, TSize arrows) {
    const int left = strip.Width - arrows.Width;
    switch (position) {
    case teTop:
        return {left, rowHeight - arrows.Height - 1};
    case teBottom:
        return {left, 0};
    default:
        return {left, strip.Height - arrows.Height};
    }
}

TPoint CounterOrigin(TSize strip, TSize label) {
    return {strip.Width - label.Width, strip.Height - label.Height + 2};
}

// ---- properties ----

void TTabStrip::SetTabs(const TStrings& tabs) {
    tabs_.Assign(tabs);
    LayoutTabs();
    tabIndex_ = tabs_.Count() > 0 ? 0 : -1;
    host_.PlaceScrollBtns();
    host_.UpdateCounter();
    host_.Redraw();
}

void TTabStrip::SetTabPosition(TTabEdgePosition value) {
    position_ = value;
    if (Vertical())
        host_.HideCounter();
    host_.CopyControlFont();
    LayoutTabs();
    host_.TurnCaptionFont(position_);
    host_.PlaceScrollBtns();
    if (tabIndex_ != -1 && NamesTab(tabIndex_) && tabIndex_ < CellCount()) {
        const std::weak_ptr<void> life = life_;
        MoveTo(tabIndex_);
        if (life.expired())
            return;
        if (Vertical())
            grid_.SetTopRow(0);
        else
            grid_.SetLeftCol(0);
    }
    host_.Redraw();
}

void TTabStrip::SetAutoWidthSize(bool value) {
    autoWidthSize_ = value;
    LayoutTabs();
    host_.Redraw();
}

void TTabStrip::SetMargin(int value) {
    margin_ = value;
    host_.Redraw();
}

void TTabStrip::SetTabBtnHeight(int value) {
    tabBtnHeight_ = value;
    LayoutTabs();
    host_.TurnCaptionFont(position_);
    host_.Redraw();
}

void TTabStrip::SetTabIndex(int value) {
    // Checked before anything is stored: the grid alone would take any of its cells, also one
    // beyond the captions, and -1 must not be stored before the grid refuses it.
    if (!NamesTab(value))
        throw EGridIndexError(value);
    const std::weak_ptr<void> life = life_;
    MoveTo(value); // raises, with nothing changed, for a tab not laid out yet
    if (life.expired())
        return;
    tabIndex_ = value;
    host_.UpdateCounter();
}

void TTabStrip::SetCounterPlace(int value) {
    counterPlace_ = value;
    host_.UpdateCounter();
}

void TTabStrip::SetCounterZero(bool value) {
    counterZero_ = value;
    host_.UpdateCounter();
}

// ---- layout ----

void TTabStrip::SizeTabCell(int index) {
    const int shortest = host_.CaptionWidth(kShortestTab);
    const int64_t length =
        static_cast<int64_t>(host_.CaptionWidth(tabs_.Strings(index))) + 2LL * margin_ + 8;
    const int size = Saturate(std::max<int64_t>(length, shortest));
    if (Vertical())
        grid_.SetRowHeights(index, size);
    else
        grid_.SetColWidths(index, size);
}

void TTabStrip::LayoutTabs() {
    const int n = tabs_.Count();
    if (n == 0)
        return;
    if (Vertical()) {
        grid_.SetRowCount(n);
        grid_.SetColCount(1);
    } else {
        grid_.SetColCount(n);
        grid_.SetRowCount(1);
    }
    const int shortest = autoWidthSize_ ? 0 : host_.CaptionWidth(kShortestTab);
    for (int i = 0; i < n; ++i) {
        if (autoWidthSize_)
            SizeTabCell(i);
        else if (Vertical())
            grid_.SetRowHeights(i, shortest);
        else
            grid_.SetColWidths(i, shortest);
    }
    if (Vertical())
        grid_.SetDefaultColWidth(tabBtnHeight_);
    else
        grid_.SetDefaultRowHeight(tabBtnHeight_);
}

void TTabStrip::Rebuild() {
    LayoutTabs();
    host_.PlaceScrollBtns();
    host_.UpdateCounter();
    host_.Redraw();
}

// ---- input ----

void TTabStrip::Click() {
    // Without tabs, or on a cell left over from captions edited in place, nothing is selected.
    const int cell = CurrentCell();
    if (NamesTab(cell))
        tabIndex_ = cell;
}

void TTabStrip::MouseMoved(bool noneClick) {
    if (noneClick && HasTabs() && tabIndex_ != lastSeen_) {
        const std::weak_ptr<void> life = life_;
        host_.Change();
        if (life.expired())
            return;
    }
    lastSeen_ = tabIndex_;
}

void TTabStrip::Released() {
    if (HasTabs())
        host_.Change();
}

void TTabStrip::ArrowPressed(int value, bool arrowsShown) {
    if (!HasTabs() || !arrowsShown)
        return;
    const std::weak_ptr<void> life = life_;
    MoveTo(ArrowTarget(value, CurrentCell(), CellCount()));
    if (!life.expired())
        host_.Change();
}

// ---- painting ----

TTabCellPlan TTabStrip::PlanCell(int col, int row, const TRect& rect, bool selected) {
    TTabCellPlan plan;
    if (!HasTabs())
        return plan;
    plan.Paint = true;
    plan.Fill = rect;
    plan.Selected = selected;
    TRect text = rect;
    if (Look.UseGlyph) {
        // One pixel off both ends along the strip, so that neighbouring skins do not touch.
        if (Vertical()) {
            ++text.Top;
            --text.Bottom;
        } else {
            ++text.Left;
            --text.Right;
        }
        plan.Skin = true;
        plan.SkinFrame = selected ? 0 : 1;
        plan.SkinRect = text;
        plan.SkinAngle = position_ == teLeft ? 90 : position_ == teRight ? -90 : 0;
    }
    const int index = Vertical() ? row : col;
    if (!NamesTab(index))
        return plan;
    std::string caption = tabs_.Strings(index);
    if (caption.empty())
        return plan;
    // Unselected captions sit one pixel further toward the window's inside.
    const int shift = selected ? 1 : 2;
    const int inset = Saturate(static_cast<int64_t>(margin_) + 2);
    const int h = host_.CaptionHeight(caption);
    const int centring = Saturate((static_cast<int64_t>(tabBtnHeight_) - h) / 2);
    int64_t x = 0, y = 0;
    if (Vertical()) {
        // The -90-degree font writes downward from its top-right corner.
        x = static_cast<int64_t>(text.Left) + centring + h;
        y = static_cast<int64_t>(text.Top) + inset;
        text.Bottom = Saturate(static_cast<int64_t>(text.Bottom) - inset);
    } else {
        x = static_cast<int64_t>(text.Left) + inset;
        y = static_cast<int64_t>(text.Top) + centring;
        text.Right = Saturate(static_cast<int64_t>(text.Right) - inset);
    }
    switch (position_) {
    case teTop:
        y += shift;
        break;
    case teBottom:
        y -= shift;
        break;
    case teLeft:
        x += shift;
        break;
    case teRight:
        x -= shift;
        break;
    }
    plan.HasCaption = true;
    plan.Caption = std::move(caption);
    plan.CaptionColor = selected ? Look.SelectColor : Look.NonSelectColor;
    plan.CaptionRect = text;
    plan.X = Saturate(x);
    plan.Y = Saturate(y);
    return plan;
}

// ---- counter ----

std::string TTabStrip::PadNumber(int n) const {
    return ::PadNumber(n, counterPlace_, counterZero_);
}

std::string TTabStrip::CounterCaption() const {
    return PadNumber(tabIndex_ + 1) + "-" + PadNumber(tabs_.Count());
}

std::string TTabStrip::CounterHint() const {
    return "Page No: " + IntToStr(tabIndex_ + 1) + " - " + "Total: " + IntToStr(tabs_.Count());
}
