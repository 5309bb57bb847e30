#pragma once
// The launcher window's geometry, apart from the window: a stack of the title bar, the button
// area (Base) that holds the launch-button grid (the bar), and the page tabs at the bottom. The
// window is as wide as the buttons of one row and as high as the title bar, the rows, the tabs
// when they are shown and two pixels more. A page with more buttons than the window shows makes
// the bar larger than Base, which clips it; the bar is then scrolled by moving it. The title
// bar's controls stand at fixed places from its edges. TfmMain (MainForm.h) applies these.
#include "forms/gfx/Geometry.h"

// The title bar's height, and the room the title label leaves beside it.
constexpr int kTitleBarHeight = 28;
constexpr int kTitleMargin = 120;
// The lock, data-editor and close buttons' edge.
constexpr int kTitleButtonEdge = 20;

// The sizes as the settings editor offers them, and what the launcher uses for a value outside:
// the default below 1, the editor's maximum above it. The settings file may hold anything.
constexpr int kDefaultBtnSize = 40, kMaxBtnSize = 72;
constexpr int kDefaultFormSize = 10, kMaxFormSize = 50;
constexpr int kDefaultRowMax = 1, kMaxRowMax = 10;
[[nodiscard]] int UsableBtnSize(int value);
[[nodiscard]] int UsableFormSize(int value);
[[nodiscard]] int UsableRowMax(int value);

// The grid of one page: a single row holds every button (and scrolls sideways); more rows hold
// the buttons per row and one row more than the full rows, so a page whose count is a multiple
// of the row leaves one empty row. A page without buttons still has one column.
struct TGridShape {
    int ColCount = 1, RowCount = 1;
};
[[nodiscard]] TGridShape PageGridShape(int btnCount, int formSize, int rowMax);

struct TLayoutInput {
    int BtnSize = kDefaultBtnSize;   // the bar's button edge
    int FormSize = kDefaultFormSize; // buttons per row of the window
    int RowMax = kDefaultRowMax;     // rows of the window
    int BtnCount = 0;                // buttons of the page shown
    int TabHeight = 24;
    bool TabsShown = true;
};

// Where everything lies. Sizes outside the usable ranges are used as UsableBtnSize and the
// others say; the bar's size saturates at the largest int.
struct TWindowLayout {
    TGridShape Grid;
    forms::TRect TitleBar; // in the client area
    forms::TRect Base;     // in the client area
    forms::TRect Bar;      // in Base
    forms::TRect Tabs;     // in the client area; empty when the tabs are hidden
    int ClientWidth = 0, ClientHeight = 0;
};
[[nodiscard]] TWindowLayout PlanLayout(const TLayoutInput& input);

// The title bar of width x height and the two counters' sizes (they size themselves to their
// digits) give the places of its controls: the close button at the right edge, the data-editor
// button left of it, the lock button at the left, the counters one above the other left of the
// data-editor button and centred in the bar, the title between. Halves truncate towards zero.
struct TTitleBarInput {
    int Width = 0, Height = kTitleBarHeight;
    forms::TSize BtnCounter, PageCounter;
};
struct TTitleBarLayout {
    forms::TRect CloseBtn, WizBtn, LockBtn;
    forms::TRect BtnCounter, PageCounter; // selected button above, buttons of the page below
    forms::TRect Title;                   // never of negative width
};
[[nodiscard]] TTitleBarLayout PlanTitleBar(const TTitleBarInput& input);

// The title label's width for a text of textWidth pixels when it does not scroll: the text's
// width, but no more than the title bar leaves (and never negative).
[[nodiscard]] int TitleWidthFor(int textWidth, int titleBarWidth);
// The title label's full width in a title bar this wide.
[[nodiscard]] int FullTitleWidth(int titleBarWidth);
