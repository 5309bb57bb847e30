#include "qvtcfg/EllipsisEditRules.h"

#include <algorithm>
#include <cstdint>

using forms::TColor;
using forms::TPainter;
using forms::TPoint;
using forms::TRect;

namespace {

constexpr int kDotSpacing = 4;

int Channel(TColor color, int shift) {
    return static_cast<int>((static_cast<uint32_t>(color) >> shift) & 0xFF);
}

void Pixel(TPainter& painter, int x, int y, TColor color) {
    painter.SetBrushColor(color);
    painter.FillRect(forms::Rect(x, y, x + 1, y + 1));
}

void Plus(TPainter& painter, TPoint c, TColor color) {
    painter.SetBrushColor(color);
    painter.FillRect(forms::Rect(c.X - 1, c.Y, c.X + 2, c.Y + 1));
    painter.FillRect(forms::Rect(c.X, c.Y - 1, c.X + 1, c.Y + 2));
}

} // namespace

TRect EllipsisEditRect(int clientWidth, int clientHeight, int buttonWidth) {
    return forms::Rect(0, 0, std::max(clientWidth - buttonWidth, 0), std::max(clientHeight, 0));
}

TColor EllipsisBlend(TColor face, TColor shadow) {
    uint32_t blend = 0;
    for (const int shift : {0, 8, 16}) {
        const int channel = (8 * Channel(face, shift) + Channel(shadow, shift)) / 9;
        blend |= static_cast<uint32_t>(channel) << shift;
    }
    return static_cast<TColor>(blend);
}

std::array<TPoint, 3> EllipsisDots(int w, int h, bool pressed) {
    const int offset = pressed ? 1 : 0;
    const int x = offset + (w - 2) / 2, y = offset + (h - 2) / 2;
    return {TPoint{x - kDotSpacing, y}, TPoint{x, y}, TPoint{x + kDotSpacing, y}};
}

void DrawEllipsisFace(TPainter& painter, int w, int h, bool pressed, bool enabled,
                      const TEllipsisColors& colors) {
    pressed = pressed && enabled;
    if (pressed) {
        painter.SetPenColor(colors.Shadow);
        painter.SetBrushColor(colors.Face);
        painter.Rectangle(forms::Rect(0, 0, w, h));
    } else {
        painter.SetBrushColor(colors.Face);
        painter.FillRect(forms::Rect(2, 2, w - 2, h - 2));
    }
    const TColor blend = EllipsisBlend(colors.Face, colors.Shadow);
    for (const TPoint dot : EllipsisDots(w, h, pressed)) {
        if (enabled) {
            painter.SetBrushColor(blend);
            painter.FillRect(forms::Rect(dot.X - 1, dot.Y - 1, dot.X + 2, dot.Y + 2));
            Plus(painter, dot, colors.Shadow);
            Pixel(painter, dot.X, dot.Y, colors.DarkShadow);
        } else {
            Plus(painter, {dot.X + 1, dot.Y + 1}, colors.Highlight);
            Plus(painter, dot, colors.Shadow);
        }
    }
}

int ScaleValue(int value, int multiplier, int divisor) {
    if (divisor == 0)
        return value;
    int64_t product = static_cast<int64_t>(value) * multiplier;
    int64_t d = divisor;
    if (d < 0) {
        product = -product;
        d = -d;
    }
    const int64_t half = d / 2;
    const int64_t rounded = product >= 0 ? (product + half) / d : -((-product + half) / d);
    return static_cast<int>(std::clamp<int64_t>(rounded, INT32_MIN, INT32_MAX));
}
