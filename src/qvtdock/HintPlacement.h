#pragma once
// Where the selected button's pop-up hint stands: around the button in one of eight places, each
// moved by the settings' offsets, or below the launcher window and, when that leaves the work
// area, above it. Also where the ordinary hint of the button bar points. All in plain numbers, so
// the window code only measures and shows.
#include "components/HintLayout.h"
#include "forms/gfx/Geometry.h"

#include <functional>

// The button bar's geometry and the offsets of a button-relative hint.
struct THintBar {
    int BtnSize = 0;
    int ColCount = 1;
    int XOffset = 0, YOffset = 0;
    // The page tabs are shown, and their height (the fallback place clears them).
    bool VisTab = false;
    int TabHeight = 0;
};

// Button index's top-left corner in the bar's client coordinates (a column count below 1 counts
// as 1).
[[nodiscard]] forms::TPoint ButtonCorner(int index, const THintBar& bar);

// The hint's top-left corner in the bar's client coordinates for a hint of width w and height h
// next to button index; a placement outside hlLtop..hlLeft stands at the bar's left edge, 2
// pixels below the button's top (and below the tabs when they show).
[[nodiscard]] forms::TPoint CalcHintPos(THintLocate locate, int index, int w, int h,
                                        const THintBar& bar);

// What places a hint below the window.
struct THintBelowForm {
    int X = 0, Y = 0;  // below the window: its left, its top + its height
    int Width = 0;     // the least width wanted
    int WindowTop = 0; // the window's top, for the place above it
    forms::TSize Text; // the measured hint (CalcHintRect) for Width
    bool LockWidth = false;
    int MaxWidth = 0;
    bool UseGlyph = false, UseStyle = false;
    int MaxLine = 0;
    int HeightMargin = 0, TopMargin = 0;
};

// The hint's rectangle below the window, as wide as the larger of Width and the text; when
// belowWorkArea says its bottom lies below the work area, above the window instead: with a locked
// width MaxWidth wide and up to the window's top, otherwise by the look and the line limit.
[[nodiscard]] forms::TRect PlaceHintBelowForm(const THintBelowForm& in,
                                              const std::function<bool(int y)>& belowWorkArea);
