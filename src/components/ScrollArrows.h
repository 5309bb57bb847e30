#pragma once
// A pair of arrow half-buttons in one control (the page tabs' scroll arrows): the two square
// halves at the ends, which half a point hits, the Value that a press gives its owner, and the
// drawn arrows on any painter. TScrollBtns keeps a TScrollArrows and paints through it, so every
// rule also runs natively.
#include "forms/base/Color.h"
#include "forms/gfx/Geometry.h"
#include "forms/gfx/Painter.h"

#include <array>

// Arrows left and right, up and down, or none.
enum TScrollBtnsType { sbtHor, sbtVer, sbtNone };
// The mark of a half: a triangle, a triangle with a stop bar, or a plain square.
enum TButtonArrowStyle { basArrow, basStopArrow, basRect };
// The arrow a half shows: sbtHor draws adLeft and adRight, sbtVer adUp and adDown.
enum TArrowDirection { adLeft, adRight, adUp, adDown };

// A line drawn with the pen from From up to, not including, To.
struct TPenLine {
    forms::TPoint From, To;
};

// The filled triangle of an arrow in half; pressedOffset (1 while the half is pressed, else 0)
// moves it down.
[[nodiscard]] std::array<forms::TPoint, 3> ArrowTriangle(const forms::TRect& half,
                                                         TArrowDirection arrow, int pressedOffset);
// The two one-pixel bars that basStopArrow adds at the arrow's point.
[[nodiscard]] std::array<TPenLine, 2> StopBars(const forms::TRect& half, TArrowDirection arrow,
                                               int pressedOffset);
// The square of basRect.
[[nodiscard]] forms::TRect ArrowSquare(const forms::TRect& half, int pressedOffset);

struct TArrowColors {
    forms::TColor Mark = forms::clWindowText;
    forms::TColor Base = forms::clBtnFace;
    forms::TColor TopLine = forms::clBtnHighlight;
    forms::TColor BtmLine = forms::clBtnShadow;
};

// One half: its mark in the mark colour, then a two-ring frame around it, raised or, while the
// half is pressed, sunken; the brush is left solid in the base colour.
void DrawArrow(forms::TPainter& painter, const forms::TRect& half, TArrowDirection arrow,
               TButtonArrowStyle style, bool pressed, const TArrowColors& colors);

// Everything the arrow control shows and decides, with the construction values.
struct TScrollArrows {
    forms::TRect SecondHalf;
    forms::TRect FirstHalf;
    bool FirstPressed = false;
    bool SecondPressed = false;
    forms::TColor TopLineColor = forms::clBtnHighlight;
    forms::TColor BtmLineColor = forms::clBtnShadow;
    TScrollBtnsType ButtonType = sbtHor;
    forms::TColor BaseColor = forms::clBtnFace;
    // -1 while the first half is pressed, +1 while the second is, else 0.
    int Value = 0;
    TButtonArrowStyle LeftBtnArrow = basArrow;
    TButtonArrowStyle RightBtnArrow = basArrow;
    forms::TColor MarkColor = forms::clWindowText;

    // sbtHor: two squares of the control's height at the left and right ends; sbtVer: two
    // squares of its width at the top and bottom; sbtNone keeps the halves as they were.
    void CalcHalves(int width, int height);
    // A new type turns the control: the size's width and height swap and the halves follow.
    // Returns the control's new size (the same one when the type is unchanged).
    [[nodiscard]] forms::TSize ChangeType(TScrollBtnsType type, forms::TSize size);
    // 0 strictly inside the first half, 1 strictly inside the second, else -1: the edge pixels,
    // which the frame draws on, count as neither.
    [[nodiscard]] int HitTest(int x, int y) const;
    // A plain left press: the half hit becomes the only pressed one and sets Value; a press on
    // neither releases both.
    void Press(int x, int y);
    // Any release: nothing pressed, Value 0.
    void Release();
    // Recomputes the halves, fills width x height with the base colour and draws the arrows of
    // the type.
    void Paint(forms::TPainter& painter, int width, int height);
};
