#include "forms/win/DrawGrid.h"

#include "forms/gfx/DeviceContext.h"

#include <algorithm>

namespace forms {

namespace {

// The index whose span holds coordinate v when the spans start at index first, or -1 outside
// 0 .. limit - 1 and beyond the last span.
int IndexAt(const std::vector<int>& sizes, int first, int v, int limit) {
    if (v < 0 || v >= limit)
        return -1;
    int64_t end = 0;
    for (size_t i = static_cast<size_t>(first); i < sizes.size(); ++i) {
        end += sizes[i];
        if (v < end)
            return static_cast<int>(i);
        if (end >= limit)
            break;
    }
    return -1;
}

// Where index i starts when the spans start at index first; false when it lies before first or
// starts at or beyond limit.
bool StartOf(const std::vector<int>& sizes, int first, int i, int limit, int& start) {
    if (i < first || i >= static_cast<int>(sizes.size()))
        return false;
    int64_t pos = 0;
    for (int j = first; j < i && pos < limit; ++j)
        pos += sizes[static_cast<size_t>(j)];
    if (pos >= limit)
        return false;
    start = static_cast<int>(pos);
    return true;
}

// The first shown index after bringing current into view: current itself when it lies before
// first, else the smallest first from which current ends within limit (never past current).
int FirstShowing(const std::vector<int>& sizes, int current, int first, int limit) {
    if (current < first)
        return current;
    int64_t end = 0;
    for (int j = first; j <= current; ++j)
        end += sizes[static_cast<size_t>(j)];
    while (first < current && end > limit)
        end -= sizes[static_cast<size_t>(first++)];
    return first;
}

} // namespace

TCustomDrawGrid::TCustomDrawGrid(TComponent* owner) : TCustomControl(owner) {
    // The grid clicks on a press, not on a release; it paints every pixel through an off-screen
    // picture, so it is never erased first.
    SetControlStyle(csCaptureMouse | csDoubleClicks | csOpaque);
    SetTabStop(true);
    colWidths_.assign(5, defaultColWidth_);
    rowHeights_.assign(5, defaultRowHeight_);
    SetBounds(0, 0, 320, 120);
}

int TCustomDrawGrid::CellSize(int value) {
    return std::clamp(value, 0, kMaxCellSize);
}

void TCustomDrawGrid::SetColCount(int value) {
    if (value > kMaxCount)
        throw EGridIndexError(value);
    value = std::max(value, 1);
    if (value == ColCount())
        return;
    colWidths_.resize(static_cast<size_t>(value), defaultColWidth_);
    col_ = std::min(col_, value - 1);
    leftCol_ = std::min(leftCol_, value - 1);
    Invalidate();
}

void TCustomDrawGrid::SetRowCount(int value) {
    if (value > kMaxCount)
        throw EGridIndexError(value);
    value = std::max(value, 1);
    if (value == RowCount())
        return;
    rowHeights_.resize(static_cast<size_t>(value), defaultRowHeight_);
    row_ = std::min(row_, value - 1);
    topRow_ = std::min(topRow_, value - 1);
    Invalidate();
}

void TCustomDrawGrid::SetDefaultColWidth(int value) {
    defaultColWidth_ = CellSize(value);
    std::fill(colWidths_.begin(), colWidths_.end(), defaultColWidth_);
    Invalidate();
}

void TCustomDrawGrid::SetDefaultRowHeight(int value) {
    defaultRowHeight_ = CellSize(value);
    std::fill(rowHeights_.begin(), rowHeights_.end(), defaultRowHeight_);
    Invalidate();
}

void TCustomDrawGrid::CheckCol(int col) const {
    if (col < 0 || col >= ColCount())
        throw EGridIndexError(col);
}

void TCustomDrawGrid::CheckRow(int row) const {
    if (row < 0 || row >= RowCount())
        throw EGridIndexError(row);
}

int TCustomDrawGrid::ColWidths(int col) const {
    CheckCol(col);
    return colWidths_[static_cast<size_t>(col)];
}

void TCustomDrawGrid::SetColWidths(int col, int width) {
    CheckCol(col);
    int& w = colWidths_[static_cast<size_t>(col)];
    if (w == CellSize(width))
        return;
    w = CellSize(width);
    InvalidateShown();
}

int TCustomDrawGrid::RowHeights(int row) const {
    CheckRow(row);
    return rowHeights_[static_cast<size_t>(row)];
}

void TCustomDrawGrid::SetRowHeights(int row, int height) {
    CheckRow(row);
    int& h = rowHeights_[static_cast<size_t>(row)];
    if (h == CellSize(height))
        return;
    h = CellSize(height);
    InvalidateShown();
}

// Sizes are set cell by cell, often for every cell of a long row: a hidden grid is painted whole
// when it shows, so it asks the system for nothing meanwhile.
void TCustomDrawGrid::InvalidateShown() {
    if (HandleAllocated() && IsWindowVisible(Handle()))
        Invalidate();
}

void TCustomDrawGrid::ScrollColIntoView() {
    leftCol_ = FirstShowing(colWidths_, col_, leftCol_, ClientWidth());
}

void TCustomDrawGrid::ScrollRowIntoView() {
    topRow_ = FirstShowing(rowHeights_, row_, topRow_, ClientHeight());
}

void TCustomDrawGrid::SetCol(int value) {
    CheckCol(value);
    if (value == col_)
        return;
    col_ = value;
    ScrollColIntoView();
    Invalidate();
    Click();
}

void TCustomDrawGrid::SetRow(int value) {
    CheckRow(value);
    if (value == row_)
        return;
    row_ = value;
    ScrollRowIntoView();
    Invalidate();
    Click();
}

void TCustomDrawGrid::SetLeftCol(int value) {
    CheckCol(value);
    if (value == leftCol_)
        return;
    leftCol_ = value;
    Invalidate();
}

void TCustomDrawGrid::SetTopRow(int value) {
    CheckRow(value);
    if (value == topRow_)
        return;
    topRow_ = value;
    Invalidate();
}

void TCustomDrawGrid::MouseToCell(int x, int y, int& col, int& row) const {
    col = IndexAt(colWidths_, leftCol_, x, ClientWidth());
    row = IndexAt(rowHeights_, topRow_, y, ClientHeight());
}

TRect TCustomDrawGrid::CellRect(int col, int row) const {
    int left = 0, top = 0;
    if (!StartOf(colWidths_, leftCol_, col, ClientWidth(), left) ||
        !StartOf(rowHeights_, topRow_, row, ClientHeight(), top))
        return {};
    return Bounds(left, top, colWidths_[static_cast<size_t>(col)],
                  rowHeights_[static_cast<size_t>(row)]);
}

void TCustomDrawGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
    if (OnDrawCell)
        OnDrawCell(this, col, row, rect, state);
}

void TCustomDrawGrid::Paint() {
    TCanvas& c = Canvas();
    const int width = ClientWidth(), height = ClientHeight();
    c.Brush().SetColor(Color());
    c.FillRect(ClientRect());
    const TGridDrawState current = gdSelected | (Focused() ? gdFocused : 0);
    int top = 0;
    for (int r = topRow_; r < RowCount() && top < height; ++r) {
        const int h = rowHeights_[static_cast<size_t>(r)];
        int left = 0;
        for (int col = leftCol_; col < ColCount() && left < width; ++col) {
            const int w = colWidths_[static_cast<size_t>(col)];
            const bool isCurrent = col == col_ && r == row_;
            DrawCell(col, r, Bounds(left, top, w, h), isCurrent ? current : 0);
            left += w;
        }
        top += h;
    }
}

void TCustomDrawGrid::WMPaint(TMessage& m) {
    const TPaintScope paint(Handle());
    const int width = ClientWidth(), height = ClientHeight();
    m.Result = 0;
    if (width <= 0 || height <= 0)
        return;
    // Composed off-screen and copied at once, so that a repaint never shows a half-drawn strip.
    const MemoryDC memory(paint.DC());
    const GdiObject<HBITMAP> picture(CreateCompatibleBitmap(paint.DC(), width, height));
    if (!memory || !picture) {
        PaintTo(paint.DC());
        return;
    }
    const SelectedObject selected(memory.Handle(), picture.Handle());
    PaintTo(memory.Handle());
    BitBlt(paint.DC(), 0, 0, width, height, memory.Handle(), 0, 0, SRCCOPY);
}

void TCustomDrawGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    const std::weak_ptr<void> life = LifeToken();
    if (CanFocus() && !Focused() && HandleAllocated()) {
        SetFocus();
        if (life.expired())
            return;
    }
    if (button == TMouseButton::mbLeft) {
        int col = -1, row = -1;
        MouseToCell(x, y, col, row);
        if (col >= 0 && row >= 0) {
            col_ = col;
            row_ = row;
            ScrollColIntoView();
            ScrollRowIntoView();
            Invalidate();
            Click();
            if (life.expired())
                return;
        }
    }
    TControl::MouseDown(button, shift, x, y);
}

void TCustomDrawGrid::DoEnter() {
    Invalidate();
    TCustomControl::DoEnter();
}

void TCustomDrawGrid::DoExit() {
    Invalidate();
    TCustomControl::DoExit();
}

} // namespace forms
