#pragma once
// The launch-button grid as a window (Windows only). TQvtBtnPanel draws every cell as an empty
// cell; TQvtIconBtns shows one icon per button, from an icon list of its own or from a range of
// another's that it only views; TQvtGrpBtns can paint the faces from a skin strip. The rules live
// in TButtonGrid (ButtonGrid.h) and the cell plans (ButtonGridDraw.h); these classes hold the
// properties, turn messages into the grid's input and carry the plans out. Each cell is composed
// in one off-screen bitmap and copied to the window at once, and the window is opaque, so the
// grid never flickers.
#include "components/ButtonGrid.h"
#include "components/ButtonGridDraw.h"
#include "forms/gfx/Bitmap.h"
#include "forms/gfx/Icon.h"
#include "forms/win/WinControl.h"
#include "shared/IconList.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

using TBtnWheelEvent = std::function<void(forms::TComponent* sender, int wheelDelta)>;

class TQvtBtnPanel : public forms::TCustomControl, protected TButtonGridHost {
public:
    explicit TQvtBtnPanel(forms::TComponent* owner);
    ~TQvtBtnPanel() override;

    // The key that presses the selected button (Enter).
    [[nodiscard]] uint16_t DownKeyCode() const { return grid_->DownKeyCode(); }
    void SetDownKeyCode(uint16_t key) { grid_->SetDownKeyCode(key); }
    [[nodiscard]] int Count() const { return grid_->Count(); }
    // Sizes of 0 or less, and sizes that would overflow Count, width or height, are ignored.
    [[nodiscard]] int ColCount() const { return grid_->ColCount(); }
    void SetColCount(int value) { grid_->SetColCount(value); }
    [[nodiscard]] int RowCount() const { return grid_->RowCount(); }
    void SetRowCount(int value) { grid_->SetRowCount(value); }
    // The selected cell; Count when none is. Out of range selects none.
    [[nodiscard]] int BtnIndex() const { return grid_->BtnIndex(); }
    void SetBtnIndex(int value) { grid_->SetBtnIndex(value); }
    [[nodiscard]] int BtnSize() const { return grid_->BtnSize(); }
    void SetBtnSize(int value) { grid_->SetBtnSize(value); }
    [[nodiscard]] bool ScrollWrap() const { return grid_->ScrollWrap(); }
    void SetScrollWrap(bool value) { grid_->SetScrollWrap(value); }
    [[nodiscard]] TMarkStyle MarkStyle() const { return look_.MarkStyle; }
    void SetMarkStyle(TMarkStyle value) { SetLook(look_.MarkStyle, value); }
    [[nodiscard]] int Space() const { return look_.Space; }
    void SetSpace(int value) { SetLook(look_.Space, value); }
    [[nodiscard]] int BevelWidth() const { return look_.BevelWidth; }
    void SetBevelWidth(int value) { SetLook(look_.BevelWidth, value); }
    [[nodiscard]] bool BtnTranslucent() const { return look_.BtnTranslucent; }
    void SetBtnTranslucent(bool value) { SetLook(look_.BtnTranslucent, value); }
    [[nodiscard]] forms::TColor MarkColor() const { return look_.MarkColor; }
    void SetMarkColor(forms::TColor value) { SetLook(look_.MarkColor, value); }
    [[nodiscard]] forms::TColor BaseColor() const { return look_.BaseColor; }
    void SetBaseColor(forms::TColor value) { SetLook(look_.BaseColor, value); }
    [[nodiscard]] forms::TColor TopLineColor() const { return look_.TopLineColor; }
    void SetTopLineColor(forms::TColor value) { SetLook(look_.TopLineColor, value); }
    [[nodiscard]] forms::TColor BtmLineColor() const { return look_.BtmLineColor; }
    void SetBtmLineColor(forms::TColor value) { SetLook(look_.BtmLineColor, value); }
    [[nodiscard]] bool Stretch() const { return look_.Stretch; }
    void SetStretch(bool value) { SetLook(look_.Stretch, value); }
    // Shows at the next repaint.
    [[nodiscard]] bool NoneMarked() const { return look_.NoneMarked; }
    void SetNoneMarked(bool value) { look_.NoneMarked = value; }
    // A button is being pressed (left mouse button or DownKeyCode).
    [[nodiscard]] bool Down() const { return grid_->Down(); }

    // Selects a cell in range without any event.
    void SelectQuiet(int value) { grid_->SelectQuiet(value); }
    // The cell under a client point; a point outside maps to the nearest edge cell.
    [[nodiscard]] int BtnIndexAt(int x, int y) const { return grid_->BtnIndexAt(x, y); }
    // The cell's centre on the screen.
    [[nodiscard]] forms::TPoint BtnCenterOnScreen(int index);
    // Sizes the control to the cells.
    void UpdateSize() { grid_->UpdateSize(); }
    // Every cell without the mark.
    virtual void DrawAll();
    // One cell, with the mark or without; nothing before the window exists.
    void DrawBtn(int index, bool marked) override;

    forms::TNotifyEvent OnChange;
    TBtnWheelEvent OnBtnMouseWheel;

    // Arrows and characters reach the grid.
    UINT DlgCode() override;
    // OnKeyDown first (it may change or consume the key), then DownKeyCode and the arrows.
    void KeyDown(uint16_t& key, forms::TShiftState shift) override;
    // OnKeyUp first, then the release of DownKeyCode.
    void KeyUp(uint16_t& key, forms::TShiftState shift) override;

protected:
    // For grids with other rules: makes the grid with this control as its host.
    using TGridMaker = std::unique_ptr<TButtonGrid> (*)(TButtonGridHost& host);
    TQvtBtnPanel(forms::TComponent* owner, TGridMaker makeGrid);

    [[nodiscard]] TButtonGrid& Grid() { return *grid_; }
    [[nodiscard]] const TButtonGrid& Grid() const { return *grid_; }
    [[nodiscard]] const TGridLook& Look() const { return look_; }

    void CreateWnd() override;
    void Paint() override;
    void WndProc(forms::TMessage& message) override;
    void MouseDown(forms::TMouseButton button, forms::TShiftState shift, int x, int y) override;
    void MouseMove(forms::TShiftState shift, int x, int y) override;
    void MouseUp(forms::TMouseButton button, forms::TShiftState shift, int x, int y) override;
    // Replaces the library's wheel handling (no OnMouseWheel); the grid always takes the wheel.
    bool MouseWheel(forms::TShiftState shift, int delta, forms::TPoint mousePos) override;

    // Event dispatch.
    void Change() override;
    void BtnMouseWheel(int wheelDelta) override;
    [[nodiscard]] int IconCount() const override { return 0; }
    void GridResized(int width, int height) override;
    void GridChanged() override { Invalidate(); }

    // Cell rectangle r as a drawn face; the icon too when the cell is a button (hasIcon).
    void DrawButton(const forms::TRect& r, int index, bool marked, bool hasIcon,
                    const forms::TIcon* icon, bool translucent);
    // How cell index in rectangle r stands now.
    [[nodiscard]] TCellState CellState(const forms::TRect& r, int index, bool marked, bool hasIcon,
                                       bool translucent) const;
    // Readies the off-screen bitmap for a cell; false when nothing would show (no window yet,
    // or the cell lies outside the control).
    bool BeginCell(const forms::TRect& r);
    [[nodiscard]] forms::TCanvas& CellCanvas() { return offscreen_->Canvas(); }
    void DrawCellIcon(const TIconPlan& plan, const forms::TIcon* icon);
    // Copies the composed cell to the window in one go.
    void ShowCell(const forms::TRect& r);
    [[nodiscard]] static bool IsPlainLeftPress(forms::TMouseButton button,
                                               forms::TShiftState shift);

private:
    // Stores a changed value of the look and repaints.
    template <typename T> void SetLook(T& field, T value) {
        if (field == value)
            return;
        field = value;
        Invalidate();
    }
    // An enabled non-windowed child lies under the client point.
    [[nodiscard]] bool GraphicChildAt(forms::TPoint p) const;

    std::unique_ptr<forms::TBitmap> offscreen_;
    TGridLook look_;
    std::unique_ptr<TButtonGrid> grid_;
};

class TQvtIconBtns : public TQvtBtnPanel {
public:
    explicit TQvtIconBtns(forms::TComponent* owner);
    ~TQvtIconBtns() override;

    // The empty-area events fire for every mouse event, not only when there are no icons.
    [[nodiscard]] bool AllBtnClicked() const { return IconGrid().AllBtnClicked(); }
    void SetAllBtnClicked(bool value) { IconGrid().SetAllBtnClicked(value); }
    // One icon per button, filled by the owner; the list owns its icons. The cells show it unless
    // they show a view of another list.
    [[nodiscard]] TIconList* IconList() const { return iconList_.get(); }
    // The cells show count icons of list from first instead, one per button, and own none of
    // them: the list's owner keeps them in place while they are shown and shows them anew after
    // changing the list. No list: the grid's own IconList again.
    void ShowIcons(const TIconList* list, int first, int count);
    // The buttons and the icon each shows (none beyond them).
    [[nodiscard]] int ButtonCount() const { return IconCount(); }
    [[nodiscard]] const forms::TIcon* ButtonIcon(int index) const;

    void DrawBtn(int index, bool marked) override;

    forms::TMouseEvent OnNoneBtnMouseUp, OnNoneBtnMouseDown;
    forms::TMouseMoveEvent OnNoneBtnMouseMove;

protected:
    void MouseDown(forms::TMouseButton button, forms::TShiftState shift, int x, int y) override;
    void MouseMove(forms::TShiftState shift, int x, int y) override;
    void MouseUp(forms::TMouseButton button, forms::TShiftState shift, int x, int y) override;
    virtual void NoneBtnMouseUp(forms::TMouseButton button, forms::TShiftState shift, int x, int y);
    virtual void NoneBtnMouseDown(forms::TMouseButton button, forms::TShiftState shift, int x,
                                  int y);
    virtual void NoneBtnMouseMove(forms::TShiftState shift, int x, int y);
    [[nodiscard]] int IconCount() const override {
        return view_.List ? view_.Count : iconList_->Count();
    }
    // The cell shows an icon.
    [[nodiscard]] bool IsButton(int index) const { return index >= 0 && index < IconCount(); }

private:
    // The grid made by the constructor follows the icon rules.
    [[nodiscard]] TIconButtonGrid& IconGrid() { return static_cast<TIconButtonGrid&>(Grid()); }
    [[nodiscard]] const TIconButtonGrid& IconGrid() const {
        return static_cast<const TIconButtonGrid&>(Grid());
    }

    std::unique_ptr<TIconList> iconList_;
    // The icons of another list that the cells show, when List is set.
    struct TIconView {
        const TIconList* List = nullptr;
        int First = 0;
        int Count = 0;
    } view_;
};

class TQvtGrpBtns : public TQvtIconBtns {
public:
    explicit TQvtGrpBtns(forms::TComponent* owner);
    ~TQvtGrpBtns() override;

    // The faces come from the state images, made from Glyph each time this is set true: a new
    // Glyph or BaseColor shows only after that.
    [[nodiscard]] bool UseGlyph() const { return useGlyph_; }
    void SetUseGlyph(bool value);
    // The skin strip of four frames: normal, pressed, selected, empty. The setter copies it.
    [[nodiscard]] forms::TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(const forms::TBitmap& glyph);
    // The state images leave out their bottom-left pixel's colour.
    [[nodiscard]] bool GlyphTransparent() const { return glyphTransparent_; }
    void SetGlyphTransparent(bool value);

    void DrawBtn(int index, bool marked) override;

protected:
    void DrawSkinButton(const forms::TRect& r, int index, bool marked, bool translucent);

private:
    static constexpr int kStateImageSize = 40;
    std::array<std::unique_ptr<forms::TBitmap>, 4> stateImages_;
    bool useGlyph_ = false;
    std::unique_ptr<forms::TBitmap> glyph_;
    bool glyphTransparent_ = true;
};
