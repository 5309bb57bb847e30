#pragma once
// What the launcher window paints itself, apart from the window: the title bar's plain face, and
// the button area below a page that has fewer rows than the window (rows of empty cells, or the
// bar's face colour). The drawing runs on any painter, so it is checked natively too.
#include "forms/gfx/Painter.h"

#include <vector>

// The title bar without a skin: a one-pixel edge, light on the top and left, dark on the bottom
// and right, around the face.
void PaintTitleBarFace(forms::TPainter& painter, const forms::TRect& rect, forms::TColor face,
                       forms::TColor light, forms::TColor dark);

// What the button area shows below the bar.
struct TEmptyRowsPlan {
    // Nothing to paint: the bar covers the area (or is taller than it).
    bool Paint = false;
    // Rows of empty cells (the setting that marks empty buttons); else Fill in the bar's face.
    bool Cells = false;
    forms::TRect Fill;
    // One cell of CellSize x CellSize, repeated Columns times into a row of RowWidth, which goes
    // at each of RowTops (x 0).
    int CellSize = 0, Columns = 0, RowWidth = 0;
    std::vector<int> RowTops;
};
// barHeight and the area's size as they are; btnSize and formSize are used as the layout uses
// them (UsableBtnSize, UsableFormSize), so a cell or a row is never larger than the largest
// window's.
[[nodiscard]] TEmptyRowsPlan PlanEmptyRows(int barHeight, int areaWidth, int areaHeight,
                                           int btnSize, int formSize, bool emptyCells);

// One empty cell of size x size at (0, 0) without a skin: the face, and a one-pixel outline one
// pixel inside the cell's edge.
void DrawEmptyCell(forms::TPainter& painter, int size, forms::TColor face, forms::TColor line);
