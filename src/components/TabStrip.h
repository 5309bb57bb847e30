#pragma once
// The page tab strip without a window: the captions and the selected tab, the tab lengths and
// the layout of one column (strip at the top or bottom) or one row (left or right) per tab, where
// the scroll arrows and the page counter go, how a tab cell is painted, and when the strip tells
// its user that the tab changed. The strip works on the draw grid it lies on and measures and
// shows through its host, the control, so that every rule also runs natively.
//
// The selected tab lives twice: as the grid's current cell and as TabIndex. Click copies the cell
// into TabIndex; the TabIndex setter moves the cell; the Tabs setter sets TabIndex alone.
#include "components/ScrollArrows.h"
#include "forms/base/Color.h"
#include "forms/base/Strings.h"
#include "forms/gfx/Geometry.h"
#include "shared/Drawing.h"

#include <memory>
#include <string>
#include <string_view>

// What the strip needs of the draw grid it lies on.
class TTabGrid {
public:
    virtual ~TTabGrid() = default;
    [[nodiscard]] virtual int ColCount() const = 0;
    virtual void SetColCount(int value) = 0;
    [[nodiscard]] virtual int RowCount() const = 0;
    virtual void SetRowCount(int value) = 0;
    virtual void SetColWidths(int col, int width) = 0;
    virtual void SetRowHeights(int row, int height) = 0;
    // Setting a default gives every column (row) that size.
    virtual void SetDefaultColWidth(int value) = 0;
    virtual void SetDefaultRowHeight(int value) = 0;
    // The current cell. A cell outside the grid raises EGridIndexError; a move runs the strip's
    // Click (and OnClick), which may free the strip.
    [[nodiscard]] virtual int Col() const = 0;
    virtual void SetCol(int value) = 0;
    [[nodiscard]] virtual int Row() const = 0;
    virtual void SetRow(int value) = 0;
    virtual void SetLeftCol(int value) = 0;
    virtual void SetTopRow(int value) = 0;
};

// What the strip needs of the control that shows it.
class TTabStripHost {
public:
    virtual ~TTabStripHost() = default;
    // Text measured with the caption font.
    [[nodiscard]] virtual int CaptionWidth(std::string_view text) = 0;
    [[nodiscard]] virtual int CaptionHeight(std::string_view text) = 0;
    // The control font's name, style and size become the caption font's.
    virtual void CopyControlFont() = 0;
    // The caption font turns for the edge: -90 degrees on the left and right, upright otherwise.
    virtual void TurnCaptionFont(TTabEdgePosition position) = 0;
    virtual void HideCounter() = 0;
    // The arrows go back to the strip's end (ArrowsOrigin) and show.
    virtual void PlaceScrollBtns() = 0;
    // The counter label, when shown, reads CounterCaption again and goes back to its corner.
    virtual void UpdateCounter() = 0;
    // Everything needs painting again.
    virtual void Redraw() = 0;
    // The user moved to a tab or took the selected one again: hide the arrows, OnChange, place
    // the arrows, update the counter. OnChange may free the strip.
    virtual void Change() = 0;
};

// The colours and skin switches a tab is painted with.
struct TTabLook {
    forms::TColor BtmLineColor = forms::clBtnShadow;
    forms::TColor SelectColor = forms::clRed;
    forms::TColor BaseColor = forms::clBtnFace;
    forms::TColor TopLineColor = forms::clBtnHighlight;
    forms::TColor NonSelectColor = forms::clWindowText;
    bool UseGlyph = false;
    bool GlyphTrans = true;
};

// How one tab cell is painted: nothing at all (no tabs), or Fill in the control's colour, then
// the skin frame or the drawn face, then the caption when there is one.
struct TTabCellPlan {
    bool Paint = false;
    forms::TRect Fill;
    bool Selected = false;
    // From the two-frame skin: frame 0 for the selected tab, 1 for the others, laid into
    // SkinRect turned by SkinAngle. Otherwise a tab face over Fill.
    bool Skin = false;
    int SkinFrame = 0;
    forms::TRect SkinRect;
    int SkinAngle = 0;
    bool HasCaption = false;
    std::string Caption;
    forms::TColor CaptionColor = forms::clWindowText;
    // The caption is drawn from (X, Y) and clipped to CaptionRect.
    forms::TRect CaptionRect;
    int X = 0, Y = 0;
};

class TTabStrip {
public:
    // Counters are never padded to more places than this.
    static constexpr int kMaxCounterPlaces = 32;
    // The text whose width is the shortest tab.
    static constexpr std::string_view kShortestTab = "MMMMM";

    TTabStrip(TTabGrid& grid, TTabStripHost& host) : grid_(grid), host_(host) {}
    TTabStrip(const TTabStrip&) = delete;
    TTabStrip& operator=(const TTabStrip&) = delete;

    // One caption per tab. Edited in place, the strip shows the change at the next layout.
    [[nodiscard]] const forms::TStringList& Tabs() const { return tabs_; }
    forms::TStringList& Tabs() { return tabs_; }
    // New captions: layout, TabIndex 0 (-1 without tabs) without moving the current cell or any
    // event, arrows, counter, repaint. Callers set TabIndex afterwards.
    void SetTabs(const forms::TStrings& tabs);

    // Runs in full also for the same edge: the caption font takes the control's font again.
    [[nodiscard]] TTabEdgePosition TabPosition() const { return position_; }
    void SetTabPosition(TTabEdgePosition value);
    [[nodiscard]] bool Vertical() const { return position_ == teLeft || position_ == teRight; }
    [[nodiscard]] bool AutoWidthSize() const { return autoWidthSize_; }
    void SetAutoWidthSize(bool value);
    // Takes effect at the next layout; until then only the captions move.
    [[nodiscard]] int Margin() const { return margin_; }
    void SetMargin(int value);
    [[nodiscard]] int TabBtnHeight() const { return tabBtnHeight_; }
    void SetTabBtnHeight(int value);
    // -1 when no tab is selected. Setting an index that names no tab (-1 too) raises
    // EGridIndexError and changes nothing; otherwise the current cell follows (Click and OnClick
    // when it moves) and the counter updates. Fires no OnChange.
    [[nodiscard]] int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int value);
    [[nodiscard]] int CounterPlace() const { return counterPlace_; }
    void SetCounterPlace(int value);
    [[nodiscard]] bool CounterZero() const { return counterZero_; }
    void SetCounterZero(bool value);

    TTabLook Look;

    // One tab's length, measured: caption width + 2 x Margin + 8, at least the width of
    // kShortestTab. A tab that does not exist raises.
    void SizeTabCell(int index);
    // Cells for the tabs (nothing without tabs); every tab kShortestTab long without
    // AutoWidthSize; the strip's thickness is TabBtnHeight.
    void LayoutTabs();
    // After the captions were edited in place: layout, arrows, counter, repaint.
    void Rebuild();

    // The grid's current cell moved or was pressed: TabIndex follows when the cell names a tab.
    void Click();
    // After a mouse move (which, with hover selection, may have moved the cell): Change when
    // hover selection is on and TabIndex differs from the last move's.
    void MouseMoved(bool noneClick);
    // Any mouse release over the strip: Change, also for the tab that was selected already.
    void Released();
    // An arrow press with the arrows' Value: one tab back or on, held at the ends, then Change.
    // Nothing without tabs or while the arrows are hidden.
    void ArrowPressed(int value, bool arrowsShown);

    // How to paint the cell at (col, row) in rect; selected: the grid draws it as current.
    [[nodiscard]] TTabCellPlan PlanCell(int col, int row, const forms::TRect& rect, bool selected);

    // n padded to CounterPlace places with "0" (CounterZero) or blanks; never cut.
    [[nodiscard]] std::string PadNumber(int n) const;
    // "02-05" for the second of five tabs.
    [[nodiscard]] std::string CounterCaption() const;
    // "Page No: 2 - Total: 5" for the second of five tabs.
    [[nodiscard]] std::string CounterHint() const;

private:
    [[nodiscard]] bool HasTabs() const { return tabs_.Count() > 0; }
    [[nodiscard]] bool NamesTab(int index) const { return index >= 0 && index < tabs_.Count(); }
    // The tab's index along the strip's axis (the current column or row, and their count).
    [[nodiscard]] int CurrentCell() const { return Vertical() ? grid_.Row() : grid_.Col(); }
    [[nodiscard]] int CellCount() const { return Vertical() ? grid_.RowCount() : grid_.ColCount(); }
    void MoveTo(int cell) {
        if (Vertical())
            grid_.SetRow(cell);
        else
            grid_.SetCol(cell);
    }

    TTabGrid& grid_;
    TTabStripHost& host_;
    int lastSeen_ = 0; // TabIndex after the previous mouse move
    forms::TStringList tabs_;
    TTabEdgePosition position_ = teTop;
    bool autoWidthSize_ = true;
    int margin_ = 6;
    int tabBtnHeight_ = 24;
    int tabIndex_ = -1;
    bool counterZero_ = true;
    int counterPlace_ = 2;
    // Expires with the strip, for the events that may free it.
    std::shared_ptr<int> life_ = std::make_shared<int>(0);
};

// n as decimal digits after places - digits copies of "0" (zero) or " "; places beyond
// TTabStrip::kMaxCounterPlaces count as that many.
[[nodiscard]] std::string PadNumber(int n, int places, bool zero);
// Where an arrow press goes from the current tab: value (-1, 0, +1) on, held within 0 .. count-1.
[[nodiscard]] int ArrowTarget(int value, int current, int count);
// The arrows point along the strip: left and right, or up and down on the vertical edges.
[[nodiscard]] TScrollBtnsType ArrowsType(TTabEdgePosition position);
// The arrows' top-left corner at the strip's end: teTop at the right end just above the tab row's
// bottom line, teBottom at the top right, the vertical edges at the bottom right corner.
[[nodiscard]] forms::TPoint ArrowsOrigin(TTabEdgePosition position, forms::TSize strip,
                                         int rowHeight, forms::TSize arrows);
// The counter at the strip's right end, its lower edge two pixels below the strip's.
[[nodiscard]] forms::TPoint CounterOrigin(forms::TSize strip, forms::TSize label);
