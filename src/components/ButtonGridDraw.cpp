#include "components/ButtonGridDraw.h"

#include "components/Bevel.h"

#include <algorithm>
#include <cstdint>
#include <limits>

using forms::TRect;

namespace {
constexpr int kUnstretchedIcon = 32;
constexpr int kMarkFrameWidth = 2;
} // namespace

TIconPlan PlanIcon(const TGridLook& look, const TCellState& cell) {
    TIconPlan plan;
    if (!cell.IsButton)
        return plan;
    int64_t left = 0, side = 0;
    if (look.Stretch) {
        left = look.Space;
        side = int64_t{cell.Size} - 2 * int64_t{look.Space};
    } else {
        left = (int64_t{cell.Size} - kUnstretchedIcon) / 2;
        side = kUnstretchedIcon;
    }
    left += cell.Down ? 1 : 0; // every icon sinks while a button is pressed
    if (side <= 0 || left < std::numeric_limits<int32_t>::min() ||
        left + side > std::numeric_limits<int32_t>::max())
        return plan;
    plan.Visible = true;
    plan.Box = forms::Bounds(static_cast<int>(left), static_cast<int>(left), static_cast<int>(side),
                             static_cast<int>(side));
    plan.Translucent = cell.Translucent && !cell.Marked;
    return plan;
}

TCellPlan PlanDrawnCell(const TGridLook& look, const TCellState& cell) {
    TCellPlan plan;
    plan.Face = forms::Rect(0, 0, cell.Size, cell.Size);
    plan.Fill = true;
    plan.FillColor = look.BaseColor;
    if (cell.Enabled && cell.IsButton) {
        const bool sunken = cell.Down && cell.IsSelected;
        plan.Bevel = sunken ? TCellBevel::Sunken : TCellBevel::Raised;
        plan.BevelTop = sunken ? look.BtmLineColor : look.TopLineColor;
        plan.BevelBottom = sunken ? look.TopLineColor : look.BtmLineColor;
        plan.BevelWidth = look.BevelWidth;
        if (!cell.Down && cell.Marked) {
            plan.Mark = look.MarkStyle == msFill ? TCellMark::Fill : TCellMark::Frame;
            // The mark starts twice the bevel's width in; a negative width insets nothing.
            const int inset = std::max(look.BevelWidth, 0);
            plan.MarkRect = ShrinkRect(ShrinkRect(plan.Face, inset), inset);
            plan.MarkColor = look.MarkColor;
        }
    } else if (look.NoneMarked) {
        plan.Outline = true;
        plan.OutlineRect = ShrinkRect(plan.Face, 1);
        plan.OutlineColor = look.BtmLineColor;
    }
    plan.Icon = PlanIcon(look, cell);
    return plan;
}

TCellPlan PlanSkinCell(const TGridLook& look, const TCellState& cell) {
    TCellPlan plan;
    plan.Face = forms::Rect(0, 0, cell.Size, cell.Size);
    if (cell.Enabled && cell.IsButton) {
        if (cell.Down)
            plan.StateImage = cell.IsSelected ? siPressed : siNormal;
        else
            plan.StateImage = cell.Marked ? siSelected : siNormal;
    } else if (look.NoneMarked) {
        plan.StateImage = siEmpty;
    } else {
        plan.Fill = true;
        plan.FillColor = look.BaseColor;
    }
    plan.Icon = PlanIcon(look, cell);
    return plan;
}

void DrawCellShapes(forms::TPainter& painter, const TCellPlan& plan) {
    if (plan.Fill) {
        painter.SetBrushColor(plan.FillColor);
        painter.FillRect(plan.Face);
    }
    if (plan.Bevel != TCellBevel::None) {
        TRect r = plan.Face;
        DrawBevel(painter, r, plan.BevelTop, plan.BevelBottom, plan.BevelWidth);
    }
    if (plan.Mark == TCellMark::Frame) {
        TRect r = plan.MarkRect;
        DrawBevel(painter, r, plan.MarkColor, plan.MarkColor, kMarkFrameWidth);
    } else if (plan.Mark == TCellMark::Fill) {
        painter.SetBrushColor(plan.MarkColor);
        painter.FillRect(plan.MarkRect);
    }
    if (plan.Outline && !plan.OutlineRect.IsEmpty()) {
        painter.SetPenColor(plan.OutlineColor);
        painter.SetPenWidth(1);
        painter.SetBrushStyle(forms::TBrushStyle::bsClear);
        painter.Rectangle(plan.OutlineRect);
    }
}
