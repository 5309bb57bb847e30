#pragma once
// The skinned hint's picture, composed from three style pictures: the body, the top and bottom
// edges (two halves side by side, the left one the top edge) and the side edges (two cells side
// by side, the first the left edge). The plan lists the copies, so that what goes where is checked
// natively; ComposeHintSkin carries them out on pixels.
#include "components/HintLayout.h"
#include "forms/gfx/Geometry.h"
#include "forms/gfx/PixelBuffer.h"

#include <vector>

// The picture a copy takes its pixels from.
enum class THintSkinSource { Body, Edges, Sides };

// Part From of a source picture copied (stretched when the sizes differ) onto To of the skin.
struct THintSkinCopy {
    THintSkinSource Source;
    forms::TRect From, To;
};

// The sizes of the three pictures (0 x 0 for a missing one).
struct THintSkinSizes {
    forms::TSize Body, Edges, Sides;
};

// The copies, in drawing order, that lay the skin of a width x height hint with the metrics'
// margins onto a white picture of that size. The body area lies inside the margins; the body
// (wdsStretch stretched into it, wdsTail tiled over it from its top-left corner, wdsNormal once
// unscaled at its corner) and, for wdsStretch and wdsTail only, the side edges beside it (stretched
// to the margin's width and the body's height, or repeated downward unscaled and cut to that box).
// The top and bottom edges span the whole width in three slices whose caps are the left and right
// margins wide. A body area without width or height gets no body and no side edges; a picture
// without pixels, or a cell that the strip rules refuse, gets no copy.
[[nodiscard]] std::vector<THintSkinCopy> HintSkinPlan(int width, int height, const THintMetrics& m,
                                                      TWindowDrawStyle style,
                                                      const THintSkinSizes& sizes);

// Carries out plan on skin, taking the pixels from body, edges and sides.
void ComposeHintSkin(const forms::PixelView& skin, const forms::PixelView& body,
                     const forms::PixelView& edges, const forms::PixelView& sides,
                     const std::vector<THintSkinCopy>& plan);
