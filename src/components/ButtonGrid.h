#pragma once
// The launch-button grid without a window: ColCount x RowCount square cells of BtnSize pixels,
// the selection and its mark, the pressed state, and what keys, the wheel and the mouse do to
// them. The grid draws and reports through its host, the control that shows it, so that every
// rule runs natively in tests.
//
// Cell i lies in column i mod ColCount and row i div ColCount; cells touch, with no gap and no
// border. BtnIndex = Count means that no cell is selected.
#include "forms/gfx/Geometry.h"

#include <cstdint>
#include <functional>
#include <memory>

// The virtual-key codes the grid acts on, as the system numbers them.
constexpr uint16_t kVkReturn = 0x0D, kVkLeft = 0x25, kVkUp = 0x26, kVkRight = 0x27, kVkDown = 0x28;

// What the grid needs of the control that shows it.
class TButtonGridHost {
public:
    virtual ~TButtonGridHost() = default;
    // Draws cell index, with the selection mark or without.
    virtual void DrawBtn(int index, bool marked) = 0;
    // The buttons: the cells below this index show an icon, the others are empty.
    [[nodiscard]] virtual int IconCount() const = 0;
    // The selection changed (OnChange).
    virtual void Change() = 0;
    // The wheel turned over the grid (OnBtnMouseWheel).
    virtual void BtnMouseWheel(int wheelDelta) = 0;
    // The grid's size in pixels is now width x height.
    virtual void GridResized(int width, int height) = 0;
    // Every cell needs painting again.
    virtual void GridChanged() = 0;
};

// One mouse message on its way through the grid.
struct TGridMouse {
    int X = 0, Y = 0;
    // A press of the left button alone: no Shift, Ctrl or Alt, no other button, no double click.
    bool PlainLeftPress = false;
    // The empty-area event of the message (OnNoneBtnMouseDown/Move/Up); icon grids fire it.
    std::function<void()> NoneBtnEvent;
    // The class library's handling of the message, which fires OnMouseDown/Move/Up.
    std::function<void()> LibraryEvent;
};

// The class library's handling of a key, which fires OnKeyDown or OnKeyUp (0 consumes the key).
using TLibraryKeyEvent = std::function<void(uint16_t& key)>;

class TButtonGrid {
public:
    explicit TButtonGrid(TButtonGridHost& host) : host_(host) {}
    virtual ~TButtonGrid() = default;
    TButtonGrid(const TButtonGrid&) = delete;
    TButtonGrid& operator=(const TButtonGrid&) = delete;

    // Geometry. A value of 0 or less, or one that would make Count, the width or the height
    // overflow, is ignored; BtnIndex is not clamped to a smaller Count.
    [[nodiscard]] int ColCount() const { return colCount_; }
    void SetColCount(int value);
    [[nodiscard]] int RowCount() const { return rowCount_; }
    void SetRowCount(int value);
    [[nodiscard]] int BtnSize() const { return btnSize_; }
    void SetBtnSize(int value);
    [[nodiscard]] int Count() const { return colCount_ * rowCount_; }
    [[nodiscard]] int Width() const { return colCount_ * btnSize_; }
    [[nodiscard]] int Height() const { return rowCount_ * btnSize_; }
    // Tells the host the size and forgets where the mark was drawn last.
    void UpdateSize();

    // The cell's rectangle; a cell beyond the grid lies outside (0, 0, Width, Height). Nothing
    // when its place does not fit in 32 bits (it could only be drawn outside the control).
    [[nodiscard]] bool CellRect(int index, forms::TRect& rect) const;
    // The cell under a client point; a point outside maps to the nearest edge cell.
    [[nodiscard]] int BtnIndexAt(int x, int y) const;
    // The cell's centre in client coordinates, saturated to 32 bits.
    [[nodiscard]] forms::TPoint CellCenter(int index) const;

    // Selection. Out of range selects nothing (Count); OnChange fires when the value differed.
    [[nodiscard]] int BtnIndex() const { return btnIndex_; }
    void SetBtnIndex(int value);
    // Moves the selection to a cell in range without any event.
    void SelectQuiet(int value);
    // The cell drawn with the mark.
    [[nodiscard]] int MarkedCell() const { return markedCell_; }

    // A button is being pressed (left mouse button or DownKeyCode).
    [[nodiscard]] bool Down() const { return down_; }
    [[nodiscard]] uint16_t DownKeyCode() const { return downKeyCode_; }
    void SetDownKeyCode(uint16_t key) { downKeyCode_ = key; }
    // The wheel wraps from the last cell to the first and back.
    [[nodiscard]] bool ScrollWrap() const { return scrollWrap_; }
    void SetScrollWrap(bool value) { scrollWrap_ = value; }
    // The control has the keyboard focus (matters only to the wheel).
    [[nodiscard]] bool Focused() const { return focused_; }
    void SetFocused(bool value) { focused_ = value; }

    // Input. The library's handling runs where the grid's rules put it; it may free the grid,
    // which then does nothing more.
    virtual void KeyDown(uint16_t& key, const TLibraryKeyEvent& library);
    void KeyUp(uint16_t& key, const TLibraryKeyEvent& library);
    // graphicChildUnderPointer: an enabled non-windowed child control lies under the pointer.
    virtual void Wheel(int wheelDelta, bool graphicChildUnderPointer);
    // Selects the cell under the point, presses it on a plain left press, then the library's.
    virtual void MouseDown(const TGridMouse& m);
    // The selection follows the pointer, pressed or not; then the library's handling.
    virtual void MouseMove(const TGridMouse& m);
    // Any button's release ends Down; then the library's handling.
    virtual void MouseUp(const TGridMouse& m);

protected:
    [[nodiscard]] std::weak_ptr<void> LifeToken() const { return life_; }

    TButtonGridHost& host_;

private:
    // Whether a grid of these numbers keeps Count, width and height within 32 bits.
    [[nodiscard]] static bool Fits(int cols, int rows, int size);
    void Resized();
    // Down := value, and the cell drawn marked.
    void SetDown(bool value, int index);
    // Where an arrow moves the mark from cell i: around the whole grid, wrapping at the ends
    // and from the first row to the last; false for any other key.
    [[nodiscard]] bool ArrowTarget(uint16_t key, int i, int& target) const;

    int lastMarked_ = 0; // the cell that carried the mark at the last redraw
    bool down_ = false;
    bool focused_ = false;
    int markedCell_ = 0;
    int btnIndex_ = 0;
    int colCount_ = 10;
    int btnSize_ = 40;
    int rowCount_ = 1;
    bool scrollWrap_ = true;
    uint16_t downKeyCode_ = kVkReturn;
    std::shared_ptr<int> life_ = std::make_shared<int>(0);
};

// A grid of buttons with icons: the first IconCount cells are buttons. The arrows and the wheel
// move among the buttons only, and the mouse reaches the grid's rules only over a button.
class TIconButtonGrid : public TButtonGrid {
public:
    using TButtonGrid::TButtonGrid;

    // The empty-area events fire for every mouse message, not only when there are no icons.
    [[nodiscard]] bool AllBtnClicked() const { return allBtnClicked_; }
    void SetAllBtnClicked(bool value) { allBtnClicked_ = value; }

    // The arrows move among the buttons without OnKeyDown; other keys as on any grid.
    void KeyDown(uint16_t& key, const TLibraryKeyEvent& library) override;
    // Always wraps, whatever ScrollWrap, the focus or child controls say.
    void Wheel(int wheelDelta, bool graphicChildUnderPointer) override;
    void MouseDown(const TGridMouse& m) override;
    void MouseMove(const TGridMouse& m) override;
    void MouseUp(const TGridMouse& m) override;

private:
    // Where an arrow moves the mark from cell i among n buttons: left and right wrap, up and
    // down stop at the first row and at the last button; false for any other key.
    [[nodiscard]] static bool ArrowTarget(uint16_t key, int i, int n, int cols, int& target);
    // The empty-area event first when AllBtnClicked or there are no buttons; then the grid's
    // own rule, but only over a button.
    void Route(const TGridMouse& m, const std::function<void()>& gridRule);

    bool allBtnClicked_ = false;
};
