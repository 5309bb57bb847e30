#pragma once
// The page tab strip as a window (Windows only). TBaseGrid is a borderless draw grid that
// remembers which mouse button is down and can select the cell under the pointer without a click
// (hover selection); TKTabPanel makes it the strip of page tabs, with its scroll arrows
// (TScrollBtns) and page counter (a TLabel) as child windows. The rules live in TTabStrip
// (TabStrip.h); these classes hold the properties, turn input into the strip's rules and paint
// its cell plans.
#include "components/ScrollButtons.h"
#include "components/TabStrip.h"
#include "forms/gfx/Bitmap.h"
#include "forms/gfx/DeviceContext.h"
#include "forms/win/DrawGrid.h"
#include "forms/win/Label.h"
#include "shared/MouseButtons.h"

#include <memory>

class TBaseGrid : public forms::TCustomDrawGrid {
public:
    explicit TBaseGrid(forms::TComponent* owner);

    // The left, right or middle button while it is down over the grid, else mbtNone.
    [[nodiscard]] TMouseBtnType MouseDownBtn() const { return mouseDownBtn_; }
    // Moving the pointer over the grid makes the cell under it current (outside the cells: the
    // first column or row).
    [[nodiscard]] bool NoneClick() const { return noneClick_; }
    void SetNoneClick(bool value) { noneClick_ = value; }

protected:
    void MouseDown(forms::TMouseButton button, forms::TShiftState shift, int x, int y) override;
    void MouseMove(forms::TShiftState shift, int x, int y) override;
    void MouseUp(forms::TMouseButton button, forms::TShiftState shift, int x, int y) override;

private:
    TMouseBtnType mouseDownBtn_ = mbtNone;
    bool noneClick_ = true;
};

class TKTabPanel : public TBaseGrid, private TTabStripHost {
public:
    explicit TKTabPanel(forms::TComponent* owner);
    ~TKTabPanel() override;

    [[nodiscard]] forms::TColor BtmLineColor() const { return strip_.Look.BtmLineColor; }
    void SetBtmLineColor(forms::TColor value);
    [[nodiscard]] forms::TColor SelectColor() const { return strip_.Look.SelectColor; }
    void SetSelectColor(forms::TColor value);
    // The tabs' face; the control's Color and the arrows' face follow it.
    [[nodiscard]] forms::TColor BaseColor() const { return strip_.Look.BaseColor; }
    void SetBaseColor(forms::TColor value);
    // The arrows take it when they are placed next.
    [[nodiscard]] forms::TColor TopLineColor() const { return strip_.Look.TopLineColor; }
    void SetTopLineColor(forms::TColor value);
    // Also the arrows' mark colour.
    [[nodiscard]] forms::TColor NonSelectColor() const { return strip_.Look.NonSelectColor; }
    void SetNonSelectColor(forms::TColor value);

    // One caption per tab; after editing them in place call Rebuild.
    [[nodiscard]] forms::TStrings& Tabs() { return strip_.Tabs(); }
    void SetTabs(const forms::TStrings& tabs) { strip_.SetTabs(tabs); }
    // Set once before the first layout, so that the captions take the control's Font.
    [[nodiscard]] TTabEdgePosition TabPosition() const { return strip_.TabPosition(); }
    void SetTabPosition(TTabEdgePosition value) { strip_.SetTabPosition(value); }
    [[nodiscard]] bool AutoWidthSize() const { return strip_.AutoWidthSize(); }
    void SetAutoWidthSize(bool value) { strip_.SetAutoWidthSize(value); }
    [[nodiscard]] int Margin() const { return strip_.Margin(); }
    void SetMargin(int value) { strip_.SetMargin(value); }
    [[nodiscard]] int TabBtnHeight() const { return strip_.TabBtnHeight(); }
    void SetTabBtnHeight(int value) { strip_.SetTabBtnHeight(value); }
    // An index that names no tab raises forms::EGridIndexError and changes nothing.
    [[nodiscard]] int TabIndex() const { return strip_.TabIndex(); }
    void SetTabIndex(int value) { strip_.SetTabIndex(value); }

    [[nodiscard]] bool UseGlyph() const { return strip_.Look.UseGlyph; }
    void SetUseGlyph(bool value);
    // Two frames side by side: the selected tab's, then the others'. Copied; shows at the next
    // repaint.
    [[nodiscard]] const forms::TBitmap& Glyph() const { return *glyph_; }
    void SetGlyph(const forms::TBitmap& value) { glyph_->Assign(value); }
    [[nodiscard]] bool GlyphTrans() const { return strip_.Look.GlyphTrans; }
    void SetGlyphTrans(bool value);

    [[nodiscard]] bool CounterBackTrans() const { return counterBackTrans_; }
    void SetCounterBackTrans(bool value);
    [[nodiscard]] bool CounterZero() const { return strip_.CounterZero(); }
    void SetCounterZero(bool value) { strip_.SetCounterZero(value); }
    // Never shown on the left or right edge.
    [[nodiscard]] bool VisibleCounter() const { return visibleCounter_; }
    void SetVisibleCounter(bool value);
    [[nodiscard]] int CounterPlace() const { return strip_.CounterPlace(); }
    void SetCounterPlace(int value) { strip_.SetCounterPlace(value); }
    [[nodiscard]] forms::TColor CounterColor() const { return counterColor_; }
    void SetCounterColor(forms::TColor value);

    // Layout, arrows, counter and a repaint, after the captions were edited in place.
    void Rebuild() { strip_.Rebuild(); }
    [[nodiscard]] std::string PadNumber(int n) const { return strip_.PadNumber(n); }

    // The parts, for the user of the strip and for tests.
    [[nodiscard]] forms::TLabel* CounterLabel() const { return counter_; }
    [[nodiscard]] TScrollBtns* ScrollBtns() const { return arrows_; }
    // The font the captions are drawn with, turned for the edge.
    [[nodiscard]] const forms::TFont& CaptionFont() const { return captionFont_; }

    forms::TNotifyEvent OnChange;

    // Event dispatch: hide the arrows, OnChange, place the arrows, update the counter.
    void Change() override;
    // TabIndex follows the current cell, then OnClick.
    void Click() override;

protected:
    void MouseMove(forms::TShiftState shift, int x, int y) override;
    // Every release fires Change, then the focus goes on to the parent's next control.
    void MouseUp(forms::TMouseButton button, forms::TShiftState shift, int x, int y) override;
    void Resize() override;
    void Notification(forms::TComponent* component, forms::TOperation operation) override;
    void DrawCell(int col, int row, const forms::TRect& rect, forms::TGridDrawState state) override;

    // Hides the arrows, lays them over the cells at the strip's end and shows them again.
    void PlaceScrollBtns() override;
    // The counter label, when shown, reads the selected tab and the number of tabs.
    void UpdateCounter() override;
    // The arrows' OnMouseDown.
    void ScrollBtnsMouseDown(forms::TComponent* sender, forms::TMouseButton button,
                             forms::TShiftState shift, int x, int y);

private:
    // The draw grid as the strip sees it.
    class GridLink : public TTabGrid {
    public:
        explicit GridLink(forms::TCustomDrawGrid& grid) : grid_(grid) {}
        [[nodiscard]] int ColCount() const override { return grid_.ColCount(); }
        void SetColCount(int value) override { grid_.SetColCount(value); }
        [[nodiscard]] int RowCount() const override { return grid_.RowCount(); }
        void SetRowCount(int value) override { grid_.SetRowCount(value); }
        void SetColWidths(int col, int width) override { grid_.SetColWidths(col, width); }
        void SetRowHeights(int row, int height) override { grid_.SetRowHeights(row, height); }
        void SetDefaultColWidth(int value) override { grid_.SetDefaultColWidth(value); }
        void SetDefaultRowHeight(int value) override { grid_.SetDefaultRowHeight(value); }
        [[nodiscard]] int Col() const override { return grid_.Col(); }
        void SetCol(int value) override { grid_.SetCol(value); }
        [[nodiscard]] int Row() const override { return grid_.Row(); }
        void SetRow(int value) override { grid_.SetRow(value); }
        void SetLeftCol(int value) override { grid_.SetLeftCol(value); }
        void SetTopRow(int value) override { grid_.SetTopRow(value); }

    private:
        forms::TCustomDrawGrid& grid_;
    };

    // TTabStripHost
    [[nodiscard]] int CaptionWidth(std::string_view text) override;
    [[nodiscard]] int CaptionHeight(std::string_view text) override;
    void CopyControlFont() override;
    void TurnCaptionFont(TTabEdgePosition position) override;
    void HideCounter() override;
    void Redraw() override { Invalidate(); }

    // A canvas on a memory context that carries the caption font, for measuring.
    forms::TCanvas& MeasureCanvas();
    void PaintSkin(const TTabCellPlan& plan);

    GridLink gridLink_{*this};
    TTabStrip strip_{gridLink_, *this};
    std::unique_ptr<forms::TBitmap> glyph_;
    // The strip's own drawing font: the control's font as TabPosition copied it, turned for
    // the edge. Painting never resets it.
    forms::TFont captionFont_;
    std::unique_ptr<forms::MemoryDC> measureContext_;
    std::unique_ptr<forms::TCanvas> measureCanvas_;
    bool counterBackTrans_ = false;
    bool visibleCounter_ = false;
    forms::TColor counterColor_ = forms::clRed;
    forms::TLabel* counter_ = nullptr;
    TScrollBtns* arrows_ = nullptr;
};
