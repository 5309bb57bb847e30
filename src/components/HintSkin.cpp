#include "components/HintSkin.h"

#include "shared/SkinDrawing.h"

#include <algorithm>
#include <optional>

using forms::TRect;
using forms::TSize;

namespace {

// Copies of the part cell of a source, unscaled, tiled from box's top-left corner over box (the
// last row and column cut to it), tileColumns across and tileRows down.
void AddTiles(std::vector<THintSkinCopy>& plan, THintSkinSource source, const TRect& cell,
              const TRect& box, int tileColumns, int tileRows) {
    const int cw = cell.Width(), ch = cell.Height();
    for (int row = 0; row < tileRows; ++row)
        for (int column = 0; column < tileColumns; ++column) {
            const int x = box.Left + column * cw, y = box.Top + row * ch;
            const int w = std::min(cw, box.Right - x), h = std::min(ch, box.Bottom - y);
            if (w <= 0 || h <= 0)
                continue;
            plan.push_back(
                {source, forms::Bounds(cell.Left, cell.Top, w, h), forms::Bounds(x, y, w, h)});
        }
}

// A side edge: cell index of the side pictures into box, stretched or repeated downward.
void AddSide(std::vector<THintSkinCopy>& plan, TSize sides, int index, const TRect& box,
             TWindowDrawStyle style) {
    const std::optional<TRect> cell = StripCellRect(sides.Width, sides.Height, index, 2);
    if (!cell || box.IsEmpty())
        return;
    if (style == wdsStretch)
        plan.push_back({THintSkinSource::Sides, *cell, box});
    else
        AddTiles(plan, THintSkinSource::Sides, *cell, box, 1, box.Height() / cell->Height() + 1);
}

// A top or bottom edge: frame index of the edge pictures laid over box in three slices.
void AddEdge(std::vector<THintSkinCopy>& plan, TSize edges, int index, const TRect& box,
             const THintMetrics& m) {
    const std::optional<TRect> half = StripCellRect(edges.Width, edges.Height, index, 2);
    if (!half)
        return;
    for (const TSliceCopy& c :
         ThreeSliceCopies(half->Width(), half->Height(), box, m.LeftMargin, m.RightMargin))
        plan.push_back({THintSkinSource::Edges, c.Source.Offset(half->Left, half->Top), c.Target});
}

} // namespace

std::vector<THintSkinCopy> HintSkinPlan(int width, int height, const THintMetrics& m,
                                        TWindowDrawStyle style, const THintSkinSizes& sizes) {
    std::vector<THintSkinCopy> plan;
    if (width <= 0 || height <= 0)
        return plan;
    const int bodyWidth = width - m.LeftMargin - m.RightMargin;
    const int bodyHeight = height - m.TopMargin - m.HeightMargin;
    if (bodyWidth > 0 && bodyHeight > 0) {
        const TRect body = forms::Bounds(m.LeftMargin, m.TopMargin, bodyWidth, bodyHeight);
        const TSize glyph = sizes.Body;
        if (glyph.Width > 0 && glyph.Height > 0) {
            const TRect whole{0, 0, glyph.Width, glyph.Height};
            switch (style) {
            case wdsStretch:
                plan.push_back({THintSkinSource::Body, whole, body});
                break;
            case wdsTail:
                AddTiles(plan, THintSkinSource::Body, whole, body, bodyWidth / glyph.Width + 1,
                         bodyHeight / glyph.Height + 1);
                break;
            case wdsNormal:
            default:
                plan.push_back(
                    {THintSkinSource::Body, whole,
                     forms::Bounds(m.LeftMargin, m.TopMargin, glyph.Width, glyph.Height)});
                break;
            }
        }
        if (style == wdsStretch || style == wdsTail) {
            AddSide(plan, sizes.Sides, 0,
                    forms::Rect(0, body.Top, std::max(0, m.LeftMargin), body.Bottom), style);
            AddSide(plan, sizes.Sides, 1,
                    forms::Rect(width - std::max(0, m.RightMargin), body.Top, width, body.Bottom),
                    style);
        }
    }
    AddEdge(plan, sizes.Edges, 0, forms::Rect(0, 0, width, m.TopMargin), m);
    AddEdge(plan, sizes.Edges, 1, forms::Rect(0, height - m.HeightMargin, width, height), m);
    return plan;
}

void ComposeHintSkin(const forms::PixelView& skin, const forms::PixelView& body,
                     const forms::PixelView& edges, const forms::PixelView& sides,
                     const std::vector<THintSkinCopy>& plan) {
    for (const THintSkinCopy& c : plan) {
        const forms::PixelView& source = c.Source == THintSkinSource::Body    ? body
                                         : c.Source == THintSkinSource::Edges ? edges
                                                                              : sides;
        if (!source.Empty())
            forms::StretchCopy(skin, c.To, source, c.From);
    }
}
