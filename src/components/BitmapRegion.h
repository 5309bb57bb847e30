#pragma once
// A window shape from a picture: every pixel that is not of the transparent colour belongs to the
// shape. The runs of kept pixels are found portably (one rectangle per run, row by row); the
// Windows part makes the region from them.
#include "forms/base/Color.h"
#include "forms/gfx/PixelBuffer.h"
#include "forms/gfx/RegionData.h"

// The runs of pixels not of transparentColor, each a rectangle one row high, top row first and
// left to right, in a block bounded by the picture. A colour is compared as the picture stores it
// (5-5-5 pictures after reducing it to five bits a channel). Empty for an empty picture.
[[nodiscard]] forms::RegionData BitmapRegionRuns(const forms::PixelView& pixels,
                                                 forms::TColor transparentColor);

#ifdef _WIN32
#include "forms/gfx/Bitmap.h"
#include "forms/gfx/Region.h"

// The region of bitmap's runs; the whole rectangle when the system refuses them, and none for a
// missing or empty bitmap. The caller owns the region.
[[nodiscard]] forms::TRegion BitmapToRegion(forms::TBitmap* bitmap, forms::TColor transparentColor);
#endif
