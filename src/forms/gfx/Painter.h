#pragma once
// What shape-drawing code needs of a surface: the pen and brush state and the shape operations.
// TCanvas draws through GDI; TPixelPainter draws into pixels, so that drawing code written
// against this interface runs and is checked natively too. Rectangles exclude Right and Bottom;
// lines exclude their end point.
#include "forms/base/Color.h"
#include "forms/gfx/Geometry.h"

#include <vector>

namespace forms {

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
enum class TBrushStyle { bsSolid, bsClear };

class TPainter {
public:
    virtual ~TPainter() = default;

    [[nodiscard]] virtual TColor PenColor() const = 0;
    virtual void SetPenColor(TColor color) = 0;
    [[nodiscard]] virtual int PenWidth() const = 0;
    virtual void SetPenWidth(int width) = 0;
    [[nodiscard]] virtual TColor BrushColor() const = 0;
    // Setting a colour makes a clear brush solid again.
    virtual void SetBrushColor(TColor color) = 0;
    [[nodiscard]] virtual TBrushStyle BrushStyle() const = 0;
    virtual void SetBrushStyle(TBrushStyle style) = 0;

    virtual void MoveTo(int x, int y) = 0;
    // A line in the pen from the pen position to (x, y), which becomes the pen position.
    virtual void LineTo(int x, int y) = 0;
    virtual void Polyline(const std::vector<TPoint>& points) = 0;
    // Outlined with the pen, filled with the brush.
    virtual void Polygon(const std::vector<TPoint>& points) = 0;
    // The brush over r; a clear brush paints nothing.
    virtual void FillRect(const TRect& r) = 0;
    virtual void Rectangle(const TRect& r) = 0;
    virtual void Ellipse(const TRect& r) = 0;
    // A two-colour gradient from 'from' (top or left) to 'to'; false when it cannot be drawn.
    virtual bool GradientFillRect(const TRect& r, TColor from, TColor to, bool vertical) = 0;
};

} // namespace forms
