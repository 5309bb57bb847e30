#pragma once
// Bitmap processing: remapping every pixel through a point function, turning by quarter turns,
// and drawing a graphic half blended with what lies under it. The pixel work is portable; the
// bitmap and canvas forms below the #ifdef wrap it.
#include "forms/base/Color.h"
#include "forms/gfx/Geometry.h"
#include "forms/gfx/PixelBuffer.h"

// Names the source point of result point p; data is what the caller passed along.
using TRemapFunc = forms::TPoint (*)(forms::TPoint p, const void* data);

// A newWidth x newHeight picture with the source's depth and palette whose every pixel is copied
// from the source pixel that map names, or is the fill where that point lies outside the source.
// The fill is stored as the depth holds it: its lowest bit (1), lowest 4 bits (4), low byte (8),
// low word (16), its blue, green and red bytes (24), or the value as it stands (32). Empty for an
// empty source or size.
[[nodiscard]] forms::PixelBuffer RemapPixels(const forms::PixelView& source, int newWidth,
                                             int newHeight, TRemapFunc map, forms::TColor fillColor,
                                             const void* data);

// The source turned 90 degrees clockwise (mode 0), 180 degrees (1) or 90 degrees
// counter-clockwise (2); std::invalid_argument for any other mode.
[[nodiscard]] forms::PixelBuffer RotatePixels(const forms::PixelView& source, int mode);

// Every byte of picture becomes picture - picture div 2 + background div 2, four bytes at a time.
// Both must have the same size and 24 or 32 bits per pixel; otherwise nothing changes.
void BlendHalf(const forms::PixelView& picture, const forms::PixelView& background);

#ifdef _WIN32
#include "forms/gfx/Bitmap.h"
#include "forms/gfx/Canvas.h"

#include <memory>

// RemapPixels on a bitmap: a new bitmap, the caller's.
std::unique_ptr<forms::TBitmap> RemapBitmap(forms::TBitmap& source, int newWidth, int newHeight,
                                            TRemapFunc map, forms::TColor fillColor,
                                            const void* data);
// RotatePixels on a bitmap: a new bitmap, the caller's; modes 1 keeps the size, 0 and 2 swap
// width and height.
std::unique_ptr<forms::TBitmap> RotateBitmap(forms::TBitmap& bitmap, int mode);

// Draws graphic at (x, y) blended 50 % with what the canvas shows there. With transparent the
// blended picture leaves out the colour of its bottom-left pixel. A zero-size graphic draws
// nothing.
void DrawGraphicHalf(forms::TCanvas& canvas, int x, int y, const forms::TGraphic& graphic,
                     bool transparent);
#endif
