#include "qvtdock/WindowFaces.h"

#include "qvtdock/Layout.h"
#include "shared/Drawing.h"

using forms::TRect;

void PaintTitleBarFace(forms::TPainter& painter, const TRect& rect, forms::TColor face,
                       forms::TColor light, forms::TColor dark) {
    TRect inner = rect;
    painter.SetBrushColor(face);
    DrawFrame3D(painter, inner, light, dark, 1);
    painter.FillRect(inner);
}

TEmptyRowsPlan PlanEmptyRows(int barHeight, int areaWidth, int areaHeight, int btnSize,
                             int formSize, bool emptyCells) {
    TEmptyRowsPlan plan;
    if (barHeight >= areaHeight)
        return plan;
    plan.Paint = true;
    if (!emptyCells) {
        plan.Fill = forms::Bounds(0, 0, areaWidth, areaHeight);
        return plan;
    }
    plan.Cells = true;
    plan.CellSize = UsableBtnSize(btnSize);
    plan.Columns = UsableFormSize(formSize);
    plan.RowWidth = plan.CellSize * plan.Columns;
    const int rows = (areaHeight - barHeight) / plan.CellSize;
    for (int j = 0; j < rows; ++j)
        plan.RowTops.push_back(barHeight + j * plan.CellSize);
    return plan;
}

void DrawEmptyCell(forms::TPainter& painter, int size, forms::TColor face, forms::TColor line) {
    painter.SetBrushColor(face);
    painter.FillRect(forms::Bounds(0, 0, size, size));
    painter.SetPenWidth(1);
    painter.SetPenColor(line);
    painter.SetBrushStyle(forms::TBrushStyle::bsClear);
    painter.Rectangle(forms::Rect(1, 1, size - 1, size - 1));
}
