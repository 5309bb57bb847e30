#pragma once
// Drawing utilities of the owner-drawn controls: the mark glyphs of buttons, tab faces, 3D frames,
// two-colour gradients, colour inversion, rotated fonts and a bitmap turned by any angle. Shapes
// are drawn on any painter (a canvas, or pixels natively); none of the routines keeps state.
#include "forms/base/Color.h"
#include "forms/gfx/Geometry.h"
#include "forms/gfx/Painter.h"
#include "forms/gfx/PixelBuffer.h"

#include <cstdint>

// The glyph that DrawMarkStyle draws.
enum TMarkStyleEx {
    bmsNone,
    bmsLeftArrow,
    bmsRightArrow,
    bmsUpArrow,
    bmsDownArrow,
    bmsLeftStopArrow,
    bmsRightStopArrow,
    bmsUpStopArrow,
    bmsDownStopArrow,
    bmsRect,
    bmsFrame,
    bmsCircle,
    bmsCross
};

// How the button controls mark a selected button: a 3D frame or a filled face.
enum TMarkStyle { msFrame, msFill };

// The side of a tab from which the tab strip grows.
enum TTabEdgePosition { teTop, teBottom, teLeft, teRight };

// The 16-bit channels of a gradient vertex: each byte of the colour's RGB value times 256. System
// colours resolve first; a value that names no colour (an inverted system colour, say) is black.
void ColorToTriVertex(forms::TColor color, uint16_t& red, uint16_t& green, uint16_t& blue);

// Fills rect with a gradient from color1 to color2: mode 0 top to bottom, mode 1 left to right.
// False when the system refuses, and for any other mode.
bool GradientRect(forms::TPainter& canvas, const forms::TRect& rect, forms::TColor color1,
                  forms::TColor color2, uint8_t mode);

// The colour with its low 24 bits inverted and its high byte kept ($FF000005 -> $FFFFFFFA).
[[nodiscard]] forms::TColor InvertColor(forms::TColor color);

// One mark glyph in color, inset by margin; offset (1 while the button is pressed) moves it down
// (the cross also right). The pen and brush colours are as before afterwards; bmsNone touches
// nothing.
void DrawMarkStyle(forms::TPainter& canvas, const forms::TRect& rect, TMarkStyleEx style,
                   int margin, int offset, forms::TColor color);

// A tab body with a 3D edge of the given width. A selected tab gives up 4 pixels on the edge side
// and joins the area it belongs to on the opposite side. Returns the free inner area (moved by
// (1, 1) when selected).
forms::TRect DrawTabFace(forms::TPainter& canvas, const forms::TRect& rect, int width,
                         forms::TColor faceColor, forms::TColor topColor, forms::TColor bottomColor,
                         TTabEdgePosition edge, bool selected, bool drawFrame);

// width nested one-pixel rings, topColor on the top and left, bottomColor on the bottom and
// right; rect shrinks by width on every side to the area inside them. The pen width becomes 1.
void DrawFrame3D(forms::TPainter& canvas, forms::TRect& rect, forms::TColor topColor,
                 forms::TColor bottomColor, int width);

// The picture turned by angle degrees (clockwise on the screen), in 32 bits per pixel, as large as
// its bounding box; corners that the picture does not cover take backColor. Empty for an empty
// picture.
[[nodiscard]] forms::PixelBuffer RotatePixelsByAngle(const forms::PixelView& source, int angle,
                                                     forms::TColor backColor);

#ifdef _WIN32
#include "forms/gfx/Bitmap.h"
#include "forms/gfx/Canvas.h"
#include "forms/gfx/Font.h"

// A new font handle (the caller's to delete) of the font's description with escapement
// angle x 10.
using forms::CreateRotatedFont;

// A new font handle (the caller's to delete) for tab captions on the edge: turned by -90 degrees
// for teLeft and teRight, upright for teTop and teBottom.
HFONT GetEdgeFont(const forms::TFont& font, TTabEdgePosition edge);

// bitmap turned by angle degrees, drawn with its bounding box's top-left corner at (x, y); a
// missing or empty bitmap draws nothing.
void DrawRotatedBitmap(forms::TCanvas& canvas, int x, int y, int angle, forms::TBitmap* bitmap,
                       forms::TColor backColor);
#endif
