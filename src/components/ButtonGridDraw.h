#pragma once
// How one cell of the launch-button grid looks, as a plan: a drawn face (fill, bevel, and the
// selection mark or the empty-cell outline) or a skin's state image, and where the icon goes.
// The shapes are drawn here on any painter; the Windows layer draws state images and icons as
// the plan says. Every cell is composed in an off-screen picture of the cell's size, so the plan
// works in that picture's coordinates.
#include "forms/base/Color.h"
#include "forms/gfx/Geometry.h"
#include "forms/gfx/Painter.h"
#include "shared/Drawing.h"

// The grid's look, as its properties set it.
struct TGridLook {
    forms::TColor BaseColor = forms::clBtnFace;
    forms::TColor BtmLineColor = forms::clBtnShadow; // also the outline of empty cells
    forms::TColor TopLineColor = forms::clBtnHighlight;
    forms::TColor MarkColor = forms::clRed;
    TMarkStyle MarkStyle = msFrame;
    int BevelWidth = 2;
    int Space = 4; // inset of a stretched icon
    bool Stretch = true;
    bool BtnTranslucent = false;
    bool NoneMarked = true;
};

// One cell at the moment it is drawn.
struct TCellState {
    int Size = 0;
    bool Enabled = true;
    bool IsButton = false;    // the cell has an icon
    bool Marked = false;      // drawn with the selection mark
    bool Translucent = false; // an unmarked icon is half blended
    bool Down = false;        // a button of the grid is being pressed
    bool IsSelected = false;  // the cell is BtnIndex, the one pressed while Down
};

enum class TCellBevel { None, Raised, Sunken };
enum class TCellMark { None, Frame, Fill };

// The four state images of a skinned grid.
enum TStateImage { siNone = -1, siNormal = 0, siPressed = 1, siSelected = 2, siEmpty = 3 };

struct TIconPlan {
    bool Visible = false; // false: no icon, and no temporary bitmap either
    forms::TRect Box;     // the icon is scaled into it (one pixel down and right while Down)
    // Drawn into a temporary bitmap of the box's size, then blended 50 % onto the cell.
    bool Translucent = false;
};

struct TCellPlan {
    forms::TRect Face; // the whole cell
    bool Fill = false;
    forms::TColor FillColor = 0;
    TCellBevel Bevel = TCellBevel::None;
    forms::TColor BevelTop = 0, BevelBottom = 0; // top-left and bottom-right
    int BevelWidth = 0;
    TCellMark Mark = TCellMark::None;
    forms::TRect MarkRect; // inside the bevel, and the bevel's width further in
    forms::TColor MarkColor = 0;
    bool Outline = false;
    forms::TRect OutlineRect;
    forms::TColor OutlineColor = 0;
    int StateImage = siNone; // drawn over the face, three-sliced
    TIconPlan Icon;
};

// The icon of a button cell: with Stretch inset by Space on every side, otherwise 32 x 32
// centred. A box without area, or one whose place does not fit in 32 bits, shows no icon.
[[nodiscard]] TIconPlan PlanIcon(const TGridLook& look, const TCellState& cell);

// A drawn cell. An enabled button gets a bevel, sunken while it is the one pressed; marked and
// not Down, the mark inside it. Any other cell gets only the outline, and only with NoneMarked.
[[nodiscard]] TCellPlan PlanDrawnCell(const TGridLook& look, const TCellState& cell);

// A skinned cell: the state image of an enabled button (pressed, selected or normal), the
// empty-cell image with NoneMarked, else a fill in BaseColor. The picture below is not filled,
// so a transparent image shows what the previous cell left there.
[[nodiscard]] TCellPlan PlanSkinCell(const TGridLook& look, const TCellState& cell);

// The fill, bevel, mark and outline of the plan. Bevels and the mark frame never draw more
// rings than fit.
void DrawCellShapes(forms::TPainter& painter, const TCellPlan& plan);
