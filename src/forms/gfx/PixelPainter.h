#pragma once
// A painter that draws into pixels it does not own, without any system: drawing code runs
// natively on it and its results can be read back exactly. Shapes follow GDI's rules where they
// are simple (end points and the right and bottom edges excluded, a one-pixel pen on the
// outline); wide pens and ellipse edges are close to GDI, not identical.
#include "forms/gfx/Painter.h"
#include "forms/gfx/PixelBuffer.h"

namespace forms {

class TPixelPainter : public TPainter {
public:
    // Draws into target, which must outlive the painter. Pen black, width 1; brush white, solid.
    explicit TPixelPainter(const PixelView& target) : target_(target) {}

    [[nodiscard]] TColor PenColor() const override { return penColor_; }
    void SetPenColor(TColor color) override { penColor_ = color; }
    [[nodiscard]] int PenWidth() const override { return penWidth_; }
    void SetPenWidth(int width) override { penWidth_ = width; }
    [[nodiscard]] TPenStyle PenStyle() const { return penStyle_; }
    void SetPenStyle(TPenStyle style) { penStyle_ = style; }
    [[nodiscard]] TColor BrushColor() const override { return brushColor_; }
    void SetBrushColor(TColor color) override {
        brushColor_ = color;
        brushStyle_ = TBrushStyle::bsSolid;
    }
    [[nodiscard]] TBrushStyle BrushStyle() const override { return brushStyle_; }
    void SetBrushStyle(TBrushStyle style) override { brushStyle_ = style; }

    [[nodiscard]] TPoint PenPos() const { return penPos_; }
    void MoveTo(int x, int y) override { penPos_ = {x, y}; }
    void LineTo(int x, int y) override;
    void Polyline(const std::vector<TPoint>& points) override;
    void Polygon(const std::vector<TPoint>& points) override;
    void FillRect(const TRect& r) override;
    void Rectangle(const TRect& r) override;
    void Ellipse(const TRect& r) override;
    bool GradientFillRect(const TRect& r, TColor from, TColor to, bool vertical) override;

private:
    void Plot(int x, int y, TColor color) const;
    void PenDot(int x, int y) const;
    void PenLine(TPoint from, TPoint to) const;
    [[nodiscard]] bool PenVisible() const { return penStyle_ != TPenStyle::psClear; }
    [[nodiscard]] bool BrushVisible() const { return brushStyle_ != TBrushStyle::bsClear; }

    PixelView target_;
    TColor penColor_ = clBlack;
    int penWidth_ = 1;
    TPenStyle penStyle_ = TPenStyle::psSolid;
    TColor brushColor_ = clWhite;
    TBrushStyle brushStyle_ = TBrushStyle::bsSolid;
    TPoint penPos_;
};

} // namespace forms
