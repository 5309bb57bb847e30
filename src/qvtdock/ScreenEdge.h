#pragma once
// The screen-edge and corner zones that pop the hidden launcher up when the pointer rests in one:
// four corner squares and four edge strips of the primary screen, sized by its height. The zones
// are tested in a fixed order and the first enabled one that holds the pointer wins.
#include "forms/gfx/Geometry.h"

#include <array>

// The zones by their setting's index ([Mouse] Rect0 .. Rect7).
enum TScreenZone : int {
    szLeftEdge = 0,
    szTopEdge = 1,
    szRightEdge = 2,
    szBottomEdge = 3,
    szTopLeft = 4,
    szTopRight = 5,
    szBottomLeft = 6,
    szBottomRight = 7,
};

// The side of a corner square, and the length of screen left free at each end of an edge strip,
// for a screen this many pixels high.
[[nodiscard]] int CornerSize(int screenHeight);
[[nodiscard]] int EdgeMargin(int screenHeight);
// How deep an edge strip reaches into the screen.
constexpr int kEdgeDepth = 4;

// The first enabled zone (in the testing order: top-left, top-right, left, top, bottom-left,
// bottom-right, right, bottom) that holds the point on a screen of the given size; -1 for none.
// A point off that screen (on another monitor) is in none: the zones lie along its own edges.
[[nodiscard]] int ScreenZoneAt(forms::TPoint p, int screenWidth, int screenHeight,
                               const std::array<bool, 8>& enabled);
