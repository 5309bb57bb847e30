#pragma once
// Bevels of the owner-drawn controls. Widths come unchecked from the settings and style files, so
// a face never draws more rings than fit into it, and the area inside shrinks without overflow.
#include "forms/base/Color.h"
#include "forms/gfx/Geometry.h"
#include "forms/gfx/Painter.h"

// How many of width rings fit into r: at most half its shorter side, rounded up; 0 for an empty
// rectangle or a width of 0 or less.
[[nodiscard]] int FittingRings(const forms::TRect& r, int width);

// r shrunk by amount on every side; a rectangle that would turn inside out becomes an empty one at
// its middle. Never overflows.
[[nodiscard]] forms::TRect ShrinkRect(const forms::TRect& r, int amount);

// DrawFrame3D with the rings that fit; r ends shrunk by the whole width, as DrawFrame3D leaves it.
void DrawBevel(forms::TPainter& painter, forms::TRect& r, forms::TColor topColor,
               forms::TColor bottomColor, int width);
