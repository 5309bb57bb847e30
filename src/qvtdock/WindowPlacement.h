#pragma once
// Where the launcher window goes when it is shown, and where the pointer goes with it: at its
// last position, at the pointer (its title bar under the pointer) or centred on the screen; kept
// inside the work area when asked; and, when the settings say so, the pointer moved to one of nine
// points of the window so that the next click lands on it.
#include "forms/gfx/Geometry.h"

#include <cstdint>
#include <optional>

// How a show places the window (the ShowPos settings).
constexpr int kPlaceAtLastPosition = 0;
constexpr int kPlaceAtPointer = 1;
// Any other value centres the window on the screen.
constexpr int kPlaceAtScreenCentre = 2;

// Where the pointer rests on a window placed at the pointer: right of and below its top-left
// corner, on the title bar.
constexpr int kPointerInsetX = 4;
constexpr int kPointerInsetY = 12;

// The pointer-move settings.
struct TPointerRevision {
    bool Revision = false;        // move the pointer onto the placed window
    bool RevisionTaskBar = false; // also when the pointer is on the taskbar
    uint8_t RevisionPoint = 0;    // which of the nine points (0 to 8; others: no move)
};

// What a placement starts from.
struct TPlacementInput {
    int Mode = kPlaceAtLastPosition;
    bool Clamp = true;             // keep the window inside WorkArea
    forms::TRect Window;           // the window as it is now (its size stays)
    forms::TPoint Pointer;         // on the screen
    bool PointerOnTaskbar = false; // strictly inside the taskbar
    forms::TSize Screen;           // the primary screen
    forms::TRect WorkArea;         // the desktop without the taskbar
    TPointerRevision Revision;
};

struct TPlacement {
    forms::TPoint Position;               // the window's new top-left corner
    std::optional<forms::TPoint> Pointer; // where the pointer moves, when it moves
};

// The point of a w x h window at (x, y) that RevisionPoint names: 0 to 2 along the title bar
// (left, middle, right), 3 to 5 across the middle, 6 to 8 along the bottom; 4 pixels in from the
// sides and 12 from the top and bottom; the middle truncates. None for any other value.
[[nodiscard]] std::optional<forms::TPoint> RevisionPointOf(uint8_t point, forms::TRect window);

// The window's new position and the pointer's move.
[[nodiscard]] TPlacement PlanPlacement(const TPlacementInput& in);
