#pragma once
// A grid of cells that its subclass paints: ColCount x RowCount cells of per-column widths and
// per-row heights, one current cell, and a first shown column and row. No grid lines, no fixed
// cells, no scroll bars: the cells lie edge to edge from LeftCol and TopRow on, and what does not
// fit the client area is cut off. A left press makes the cell under the pointer current; any
// press focuses the grid, tab stop or not.
#include "forms/base/Exceptions.h"
#include "forms/win/WinControl.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace forms {

// How a cell stands when it is drawn: gdSelected for the current cell, gdFocused too while the
// grid has the keyboard focus.
using TGridDrawState = uint8_t;
constexpr TGridDrawState gdSelected = 1, gdFocused = 2;

using TDrawCellEvent = std::function<void(TComponent* sender, int col, int row, const TRect& rect,
                                          TGridDrawState state)>;

class TCustomDrawGrid : public TCustomControl {
public:
    // More columns or rows than this raise EGridIndexError: the cells of the largest grid still
    // add up to less than 2^31 pixels.
    static constexpr int kMaxCount = 65536;
    // Widths and heights are cut into 0 .. kMaxCellSize.
    static constexpr int kMaxCellSize = 32767;

    explicit TCustomDrawGrid(TComponent* owner);

    // At least 1: smaller values give 1; above kMaxCount raises and changes nothing. New columns
    // (rows) take the default size; the current cell and the first shown column (row) move in
    // when they fall outside, quietly.
    [[nodiscard]] int ColCount() const { return static_cast<int>(colWidths_.size()); }
    void SetColCount(int value);
    [[nodiscard]] int RowCount() const { return static_cast<int>(rowHeights_.size()); }
    void SetRowCount(int value);

    // Setting a default, changed or not, gives every column (row) that size.
    [[nodiscard]] int DefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(int value);
    [[nodiscard]] int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int value);
    // One column's width or row's height; an index outside the grid raises EGridIndexError.
    [[nodiscard]] int ColWidths(int col) const;
    void SetColWidths(int col, int width);
    [[nodiscard]] int RowHeights(int row) const;
    void SetRowHeights(int row, int height);

    // The current cell. A column (row) outside the grid raises EGridIndexError and changes
    // nothing; a move brings the cell into view and runs Click().
    [[nodiscard]] int Col() const { return col_; }
    void SetCol(int value);
    [[nodiscard]] int Row() const { return row_; }
    void SetRow(int value);
    // The first column (row) shown at the left (top) edge; outside the grid raises
    // EGridIndexError. The current cell stays where it is.
    [[nodiscard]] int LeftCol() const { return leftCol_; }
    void SetLeftCol(int value);
    [[nodiscard]] int TopRow() const { return topRow_; }
    void SetTopRow(int value);

    // The cell under a client point, each coordinate -1 where the point lies outside the client
    // area or beyond the last shown column (row).
    void MouseToCell(int x, int y, int& col, int& row) const;
    // A shown cell's rectangle in client coordinates (it may reach past the client area); empty
    // for a cell that does not exist, is scrolled out or starts beyond the client area.
    [[nodiscard]] TRect CellRect(int col, int row) const;

    TDrawCellEvent OnDrawCell;

protected:
    // Paints one cell: fires OnDrawCell. Subclasses paint on Canvas() and call the base.
    virtual void DrawCell(int col, int row, const TRect& rect, TGridDrawState state);

    void Paint() override;
    void WMPaint(TMessage& message) override;
    // Focus first, then a left press on a cell makes it current and runs Click() (also when it
    // was current already), then OnMouseDown.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    [[nodiscard]] bool FocusOnPress() const override { return true; }
    void DoEnter() override;
    void DoExit() override;

private:
    static int CellSize(int value);
    // Moves the first shown column (row) so that the current one is shown whole, as far as the
    // client area allows.
    void ScrollColIntoView();
    void ScrollRowIntoView();
    void InvalidateShown();
    void CheckCol(int col) const;
    void CheckRow(int row) const;

    std::vector<int> colWidths_, rowHeights_;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    int col_ = 0, row_ = 0;
    int leftCol_ = 0, topRow_ = 0;
};

} // namespace forms
