#pragma once
// Drawing skins from style glyphs: cells of glyph strips, three-slice skin parts (left cap,
// stretched middle, right cap) drawn at any length and, for vertical parts, turned, and the
// rotated skin parts of the style editor's preview. The geometry and the composition of work
// pictures are portable and work on pixels; the canvas and bitmap forms below the #ifdef put the
// results on the screen.
#include "forms/base/Color.h"
#include "forms/gfx/Geometry.h"
#include "forms/gfx/PixelBuffer.h"

#include <optional>
#include <vector>

// A glyph strip is a bitmap whose Count cells lie side by side, CellW = strip width div Count
// wide and the strip's height high. A cell index is accepted only within 0 .. Count - 1 and
// within the cells the strip holds when they are counted as squares (width div height): a strip
// 64 x 16 draws cell 3 and refuses cell 4 even when Count is 8. A strip without width or height,
// a Count of 0 or less, and a cell without width count as missing: nothing is drawn.

// Where cell index of a strip lies, or nothing (see above).
[[nodiscard]] std::optional<forms::TRect> StripCellRect(int stripWidth, int stripHeight, int index,
                                                        int count);

// One stretched copy of a part of a picture.
struct TSliceCopy {
    forms::TRect Source, Target;
};

// The copies that lay a skin of the given size into target in three slices, all stretched to the
// target's height: the left cap leftW wide, the middle stretched, the right cap rightW wide. When
// either width is 0 or less, both are the skin's width div 3. Caps wider together than the skin
// or the target get no middle (a stretch never mirrors) and are cut to the skin and the target;
// the right cap then lies over the left. Nothing for an empty skin or target.
[[nodiscard]] std::vector<TSliceCopy>
ThreeSliceCopies(int skinWidth, int skinHeight, const forms::TRect& target, int leftW, int rightW);

// Cell index of strip, stretched over the whole of dest; false when not done.
bool CopyStripCell(const forms::PixelView& dest, const forms::PixelView& strip, int index,
                   int count);
// ThreeSliceCopies of skin into rect of dest.
void DrawThreeSlice(const forms::PixelView& dest, const forms::PixelView& skin,
                    const forms::TRect& rect, int leftW, int rightW);
// DrawThreeSlice over the whole of dest.
void FillThreeSlice(const forms::PixelView& dest, const forms::PixelView& skin, int leftW,
                    int rightW);
// The picture of a skin part width x height: for angle 90 or -90 the skin is laid three-sliced
// along a height x width picture which is then turned 90 degrees clockwise; any other angle lays
// it unturned. Empty for an empty skin or size.
[[nodiscard]] forms::PixelBuffer ComposeSkinPart(const forms::PixelView& skin, int width,
                                                 int height, int leftW, int rightW, int angle);

// The rotated skin parts of the style editor's preview: a skin turned by 0, 90, -90 or 180
// degrees (any other angle as 0) that keeps a 40-pixel head and an 80-pixel tail unstretched
// along the part. At 90 the left end of the skin comes to the top, at -90 to the bottom, at 180
// to the right.
constexpr int kSkinHeadLength = 40;
constexpr int kSkinTailLength = 80;

enum class TSkinSlice { Head, Tail, Middle };
// The copy of one slice of a turned source into a target for the angle, or nothing when the
// slice has no room: caps are cut to both lengths, and a middle exists only where both the
// source and the target are longer than head and tail together.
[[nodiscard]] std::optional<TSliceCopy> SkinSliceCopy(forms::TSize source, forms::TSize target,
                                                      int angle, TSkinSlice slice);
void CopySkinHead(const forms::PixelView& target, const forms::PixelView& source, int angle);
void CopySkinTail(const forms::PixelView& target, const forms::PixelView& source, int angle);
void CopySkinMiddle(const forms::PixelView& target, const forms::PixelView& source, int angle);
// The skin turned by angle (corners that it does not cover in backColor) and laid into a picture
// width x height: squeezed whole when it is longer than the picture along the part, else in head,
// middle and tail. Empty for an empty bitmap or size.
[[nodiscard]] forms::PixelBuffer ComposeRotatedSkin(const forms::PixelView& bitmap, int width,
                                                    int height, int angle, forms::TColor backColor);

#ifdef _WIN32
#include "forms/gfx/Bitmap.h"
#include "forms/gfx/Canvas.h"

// Cell index of strip, stretched over the whole of dest; false when either is missing or empty or
// the cell is refused.
bool CopyStripCell(forms::TBitmap* dest, forms::TBitmap* strip, int index, int count);
// Cell index unscaled with its top-left corner at (x, y); false when not done.
bool DrawStripCell(forms::TCanvas& canvas, int x, int y, forms::TBitmap* strip, int index,
                   int count);
// Cell index into the box (0, 0, boxW, boxH): stretched to it, or centred in it unscaled with a
// clear brush (which the canvas keeps). With transparent the cell leaves out the colour of its
// bottom-left pixel.
void DrawStripCellIn(forms::TCanvas& canvas, int index, int count, forms::TBitmap* strip, int boxW,
                     int boxH, bool stretch, bool transparent);
// Cell index of a strip of count cells stretched into r; transparent as DrawStripCellIn.
void DrawStripCellStretched(forms::TCanvas& canvas, int index, int count, forms::TBitmap* bitmap,
                            const forms::TRect& r, bool transparent);

// The skin into rect in three slices (ThreeSliceCopies).
void DrawThreeSlice(forms::TCanvas& canvas, forms::TBitmap* skin, const forms::TRect& rect,
                    int leftW, int rightW);
// DrawThreeSlice over the whole of dest.
void FillThreeSlice(forms::TBitmap* dest, forms::TBitmap* skin, int leftW, int rightW);
// ComposeSkinPart drawn at rect's top-left corner; with transparent its bottom-left pixel's
// colour is left out.
void DrawSkinPart(forms::TCanvas& canvas, forms::TBitmap* skin, const forms::TRect& rect, int leftW,
                  int rightW, int angle, bool transparent);

// ComposeRotatedSkin into r, the corners in the canvas's brush colour; nothing for a missing
// bitmap.
void DrawSkinPartRotated(forms::TCanvas& canvas, forms::TBitmap* bitmap, const forms::TRect& r,
                         bool transparent, int angle);
// The composed picture drawn unscaled at r's top-left corner, transparent as DrawSkinPart.
void DrawComposedSkin(forms::TCanvas& canvas, forms::TBitmap& target, const forms::TRect& r,
                      bool transparent);
#endif
