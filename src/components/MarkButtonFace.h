#pragma once
// The faces of the title-bar buttons: which bevel, hover mark, shape colour and skin frame a
// button shows in each state, and the drawn face on any painter. The button controls keep their
// state in a TMarkBtnState and paint through these functions, so every rule also runs natively.
#include "forms/base/Color.h"
#include "forms/gfx/Geometry.h"
#include "forms/gfx/Painter.h"
#include "shared/Drawing.h"

// What the face of a title-bar button depends on besides its colours and sizes.
struct TMarkBtnState {
    bool Down = false;       // pressed by the left button now
    bool DownLocked = false; // kept drawn pressed by the owner
    bool NoUse = false;      // shown unusable; wins over both kinds of pressed
    bool FoucusOn = false;   // the pointer is over the button
    bool LockMark = false;   // the hover mark shows as if the pointer were always over it
    bool Marking = false;    // the hover mark is enabled at all
};

// Raised unless the button is pressed or locked down; always raised while unusable.
[[nodiscard]] bool BevelRaised(const TMarkBtnState& state);

// The hover mark shows while the pointer is over the button (or LockMark holds), unless marking
// is off or the button is unusable.
[[nodiscard]] bool ShowsHoverMark(const TMarkBtnState& state);

// The colour of the shape on the face and how far it moves down.
struct TShapeLook {
    forms::TColor Color = forms::clBlack;
    int Offset = 0;
};
// Unusable: the inverse of the shape colour, in place; pressed or locked down: the lock colour,
// one pixel lower, so that it looks pushed in; otherwise the shape colour in place.
[[nodiscard]] TShapeLook ShapeLookOf(const TMarkBtnState& state, forms::TColor shapeColor,
                                     forms::TColor lockColor);

// A skin strip holds four frames side by side: normal, pressed, hovered, unusable.
constexpr int kGlyphFrameCount = 4;
constexpr int kNormalFrame = 0, kPressedFrame = 1, kHoveredFrame = 2, kUnusableFrame = 3;
// The frame for the state. The hovered frame stands for the hover mark, so it needs Marking.
[[nodiscard]] int GlyphFrameOf(const TMarkBtnState& state);

// NumGlyph after a new glyph was copied in: the skin goes off (-1) when the copy reports itself
// modified (a fresh copy always does) or when the glyph is narrower than high, so a caller that
// wants the skin sets NumGlyph after the glyph.
[[nodiscard]] int NumGlyphAfterGlyph(int numGlyph, bool modified, int glyphWidth, int glyphHeight);

// The colours and the width of a button's bevel.
struct TBtnBevel {
    forms::TColor BaseColor = forms::clBtnFace;
    forms::TColor TopLineColor = forms::clBtnHighlight;
    forms::TColor BtmLineColor = forms::clBtnShadow;
    int BevelWidth = 2;
};

// The face of every button over r: filled with the base colour when it is drawn (a skinned face
// leaves the brush clear and fills nothing), then the bevel, raised or sunken.
void DrawBtnFace(forms::TPainter& painter, const forms::TRect& r, const TMarkBtnState& state,
                 bool drawnFace, const TBtnBevel& bevel);

// The area inside the bevel is filled with the current brush (nothing on a skinned face), then
// the hover mark is drawn over it when it shows: msFrame two rings in markColor, msFill a filled
// area. The brush is as before afterwards.
void DrawHoverMark(forms::TPainter& painter, const forms::TRect& r, int bevelWidth,
                   const TMarkBtnState& state, forms::TColor markColor, TMarkStyle markStyle);

// The shape inset by space, in the colour and offset of ShapeLookOf. An inset is used up to the
// face's longer side: a larger one changes nothing visible that matters and could overflow.
void DrawShapeMark(forms::TPainter& painter, const forms::TRect& r, const TMarkBtnState& state,
                   TMarkStyleEx shape, int space, forms::TColor shapeColor,
                   forms::TColor lockColor);
