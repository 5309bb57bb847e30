#pragma once
// What the ellipsis edit decides and draws apart from the system: the text area beside the
// button, the button's three dots (raised, pressed or engraved) on any painter, the text a
// one-line field accepts and the scaling of its edges. TEllipsisEdit (EllipsisEdit.h) applies
// them, so every rule also runs natively.
#include "forms/base/Color.h"
#include "forms/gfx/Geometry.h"
#include "forms/gfx/Painter.h"

#include <array>
#include <string>
#include <string_view>

// The area in which the text is laid out and erased: the client area without the button's strip
// at its right end.
[[nodiscard]] forms::TRect EllipsisEditRect(int clientWidth, int clientHeight, int buttonWidth);

// The colours of the button face as plain RGB values.
struct TEllipsisColors {
    forms::TColor Face = forms::clSilver;
    forms::TColor Shadow = forms::clGray;
    forms::TColor DarkShadow = forms::clBlack;
    forms::TColor Highlight = forms::clWhite;
};
// Per channel (8 x face + shadow) div 9: the square behind each dot, a shade darker than the face.
[[nodiscard]] forms::TColor EllipsisBlend(forms::TColor face, forms::TColor shadow);

// The centres of the three dots on a w x h button: four pixels apart around
// (offset + (w - 2) div 2, offset + (h - 2) div 2), offset 1 while the button is pressed.
[[nodiscard]] std::array<forms::TPoint, 3> EllipsisDots(int w, int h, bool pressed);

// The button's face over w x h, after the system's combo-box button frame when not pressed:
// - up or disabled: the frame's inside (inset 2) filled with the face, which removes the arrow;
// - pressed: a rectangle over the whole button, its edge in the shadow colour, face inside;
// then the dots. An enabled dot is a 3 x 3 square in the blend, a plus of three-pixel arms in the
// shadow colour and a dark-shadow centre; a disabled one is engraved: the plus in highlight one
// pixel right and down, then the plus in shadow.
void DrawEllipsisFace(forms::TPainter& painter, int w, int h, bool pressed, bool enabled,
                      const TEllipsisColors& colors);

// value x multiplier / divisor with a 64-bit intermediate, rounded to the nearest integer (halves
// away from zero) and held within 32 bits; value itself for a divisor of 0.
[[nodiscard]] int ScaleValue(int value, int multiplier, int divisor);
