#include "shared/Drawing.h"

#include <cmath>

using forms::TColor;
using forms::TPainter;
using forms::TPoint;
using forms::TRect;

void ColorToTriVertex(TColor color, uint16_t& red, uint16_t& green, uint16_t& blue) {
    const forms::TColor16 channels = forms::ColorToRGB16(color);
    red = channels.Red;
    green = channels.Green;
    blue = channels.Blue;
}

bool GradientRect(TPainter& canvas, const TRect& rect, TColor color1, TColor color2, uint8_t mode) {
    if (mode > 1)
        return false;
    return canvas.GradientFillRect(rect, color1, color2, mode == 0);
}

TColor InvertColor(TColor color) {
    const auto bits = static_cast<uint32_t>(color);
    return static_cast<TColor>((bits & 0xFF000000u) | (~bits & 0x00FFFFFFu));
}

namespace {

// The mark's box: the rect inset by the margin and moved down by the offset.
struct MarkBox {
    int L, T, R, B, CX, CY;
};

MarkBox MarkBoxOf(const TRect& r, int margin, int offset) {
    // Integer division truncates towards zero, as the centre's definition asks.
    return {r.Left + margin,
            r.Top + margin + offset,
            r.Right - margin,
            r.Bottom - margin + offset,
            r.Left + (r.Right - r.Left) / 2,
            r.Top + (r.Bottom - r.Top) / 2 + offset};
}

void Line(TPainter& c, TPoint from, TPoint to) {
    c.MoveTo(from.X, from.Y);
    c.LineTo(to.X, to.Y);
}

void DrawArrow(TPainter& c, TMarkStyleEx style, const MarkBox& m) {
    switch (style) {
    case bmsLeftArrow:
    case bmsLeftStopArrow:
        c.Polygon({{m.L, m.CY}, {m.R, m.T}, {m.R, m.B}});
        break;
    case bmsRightArrow:
    case bmsRightStopArrow:
        c.Polygon({{m.L, m.B}, {m.L, m.T}, {m.R, m.CY}});
        break;
    case bmsUpArrow:
    case bmsUpStopArrow:
        c.Polygon({{m.CX, m.T}, {m.R, m.B}, {m.L, m.B}});
        break;
    case bmsDownArrow:
    case bmsDownStopArrow:
        c.Polygon({{m.L, m.T}, {m.R, m.T}, {m.CX, m.B}});
        break;
    default:
        break;
    }
}

// The two-pixel bar of a stop arrow, at the side the arrow points to.
void DrawStopBar(TPainter& c, TMarkStyleEx style, const MarkBox& m) {
    switch (style) {
    case bmsLeftStopArrow:
        Line(c, {m.L, m.T}, {m.L, m.B});
        Line(c, {m.L + 1, m.T}, {m.L + 1, m.B});
        break;
    case bmsRightStopArrow:
        Line(c, {m.R, m.T}, {m.R, m.B});
        Line(c, {m.R - 1, m.T}, {m.R - 1, m.B});
        break;
    case bmsUpStopArrow:
        Line(c, {m.L, m.T}, {m.R, m.T});
        Line(c, {m.L, m.T + 1}, {m.R, m.T + 1});
        break;
    case bmsDownStopArrow:
        Line(c, {m.L, m.B}, {m.R, m.B});
        Line(c, {m.L, m.B - 1}, {m.R, m.B - 1});
        break;
    default:
        break;
    }
}

void DrawCross(TPainter& c, const TRect& r, int g, int s) {
    const int width = c.PenWidth();
    c.SetPenWidth(2);
    Line(c, {r.Left + g - 1 + s, r.Top + g - 1 + s}, {r.Right - g - 1 + s, r.Bottom - g - 1 + s});
    Line(c, {r.Right - g - 1 + s, r.Top + g - 1 + s}, {r.Left + g - 1 + s, r.Bottom - g - 1 + s});
    c.SetPenWidth(width);
}

} // namespace

void DrawMarkStyle(TPainter& canvas, const TRect& rect, TMarkStyleEx style, int margin, int offset,
                   TColor color) {
    if (style == bmsNone)
        return;
    const TColor pen = canvas.PenColor(), brush = canvas.BrushColor();
    canvas.SetPenColor(color);
    canvas.SetBrushColor(color);
    const MarkBox m = MarkBoxOf(rect, margin, offset);
    switch (style) {
    case bmsRect:
        canvas.Rectangle(forms::Rect(m.L, m.T, m.R, m.B));
        break;
    case bmsFrame: {
        TRect frame = forms::Rect(m.L, m.T, m.R, m.B);
        DrawFrame3D(canvas, frame, color, color, 2);
        break;
    }
    case bmsCircle:
        canvas.Ellipse(forms::Rect(m.L, m.T, m.R, m.B));
        break;
    case bmsCross:
        DrawCross(canvas, rect, margin, offset);
        break;
    default:
        DrawArrow(canvas, style, m);
        DrawStopBar(canvas, style, m);
        break;
    }
    canvas.SetPenColor(pen);
    canvas.SetBrushColor(brush);
}

TRect DrawTabFace(TPainter& canvas, const TRect& rect, int width, TColor faceColor, TColor topColor,
                  TColor bottomColor, TTabEdgePosition edge, bool selected, bool drawFrame) {
    const int L = rect.Left, T = rect.Top, R = rect.Right, B = rect.Bottom;
    TRect face = rect;
    TRect seam;
    if (selected) {
        switch (edge) {
        case teTop:
            face.Top += 4;
            seam = forms::Rect(L + 2, B - 2, R - 2, B);
            break;
        case teBottom:
            face.Bottom -= 4;
            seam = forms::Rect(L + 2, T, R - 2, T + 2);
            break;
        case teLeft:
            face.Left += 4;
            seam = forms::Rect(R - 2, T + 2, R, B - 2);
            break;
        case teRight:
            face.Right -= 4;
            seam = forms::Rect(L, T + 2, L + 2, B - 2);
            break;
        }
    }
    canvas.SetBrushColor(faceColor);
    canvas.FillRect(face);
    if (drawFrame) {
        canvas.SetBrushStyle(forms::TBrushStyle::bsClear);
        canvas.Rectangle(face);
    }
    DrawFrame3D(canvas, face, topColor, bottomColor, width);
    if (selected) {
        canvas.SetBrushColor(faceColor);
        canvas.FillRect(seam);
        face = face.Offset(1, 1);
    }
    return face;
}

void DrawFrame3D(TPainter& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width) {
    canvas.SetPenWidth(1);
    --rect.Right;
    --rect.Bottom;
    for (int i = 0; i < width; ++i) {
        canvas.SetPenColor(topColor);
        canvas.Polyline({{rect.Left, rect.Bottom}, {rect.Left, rect.Top}, {rect.Right, rect.Top}});
        canvas.SetPenColor(bottomColor);
        canvas.Polyline(
            {{rect.Right, rect.Top}, {rect.Right, rect.Bottom}, {rect.Left - 1, rect.Bottom}});
        rect = rect.Inflate(-1, -1);
    }
    ++rect.Right;
    ++rect.Bottom;
}

forms::PixelBuffer RotatePixelsByAngle(const forms::PixelView& source, int angle,
                                       TColor backColor) {
    if (source.Empty())
        return {};
    constexpr double kPi = 3.14159265358979323846;
    const double c = std::cos(angle * kPi / 180), s = std::sin(angle * kPi / 180);
    const int sw = source.Width(), sh = source.Height();
    const int dw = static_cast<int>(std::lround(std::fabs(c * sw) + std::fabs(s * sh)));
    const int dh = static_cast<int>(std::lround(std::fabs(s * sw) + std::fabs(c * sh)));
    if (dw <= 0 || dh <= 0)
        return {};
    forms::PixelBuffer out(dw, dh, 32);
    const forms::PixelView view = out.View();
    const auto back = static_cast<TColor>(forms::ColorToRGB(backColor));
    for (int y = 0; y < dh; ++y) {
        const double dy = y - (dh / 2.0 - 0.5);
        for (int x = 0; x < dw; ++x) {
            const double dx = x - (dw / 2.0 - 0.5);
            const double u = sw / 2.0 + dx * c + dy * s;
            const double v = sh / 2.0 - dx * s + dy * c;
            const int su = static_cast<int>(std::floor(u)), sv = static_cast<int>(std::floor(v));
            view.SetColor(x, y, source.Inside(su, sv) ? source.ColorAt(su, sv) : back);
        }
    }
    return out;
}
