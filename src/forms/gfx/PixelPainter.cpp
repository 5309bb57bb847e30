#include "forms/gfx/PixelPainter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace forms {

void TPixelPainter::Plot(int x, int y, TColor color) const {
    if (target_.Inside(x, y))
        target_.SetColor(x, y, static_cast<TColor>(ColorToRGB(color)));
}

// A wide pen covers a square around the point, reaching further up and left for even widths.
void TPixelPainter::PenDot(int x, int y) const {
    const int w = std::max(1, penWidth_);
    const int off = w / 2;
    for (int dy = 0; dy < w; ++dy)
        for (int dx = 0; dx < w; ++dx)
            Plot(x - off + dx, y - off + dy, penColor_);
}

void TPixelPainter::PenLine(TPoint from, TPoint to) const {
    const int dx = std::abs(to.X - from.X), dy = std::abs(to.Y - from.Y);
    const int sx = from.X < to.X ? 1 : -1, sy = from.Y < to.Y ? 1 : -1;
    int err = dx - dy;
    int x = from.X, y = from.Y;
    while (x != to.X || y != to.Y) {
        PenDot(x, y);
        const int e2 = 2 * err;
        if (e2 > -dy) {
            err -= dy;
            x += sx;
        }
        if (e2 < dx) {
            err += dx;
            y += sy;
        }
    }
}

void TPixelPainter::LineTo(int x, int y) {
    if (PenVisible())
        PenLine(penPos_, {x, y});
    penPos_ = {x, y};
}

void TPixelPainter::Polyline(const std::vector<TPoint>& points) {
    if (points.empty())
        return;
    for (size_t i = 1; i < points.size() && PenVisible(); ++i)
        PenLine(points[i - 1], points[i]);
    penPos_ = points.back();
}

void TPixelPainter::Polygon(const std::vector<TPoint>& points) {
    if (points.size() < 2)
        return;
    if (BrushVisible()) {
        // Even-odd fill of the pixels whose centres lie inside.
        int top = points[0].Y, bottom = points[0].Y;
        for (const TPoint& p : points) {
            top = std::min(top, p.Y);
            bottom = std::max(bottom, p.Y);
        }
        top = std::max(top, 0);
        bottom = std::min(bottom, target_.Height());
        std::vector<double> xs;
        for (int y = top; y < bottom; ++y) {
            const double yc = y + 0.5;
            xs.clear();
            for (size_t i = 0; i < points.size(); ++i) {
                const TPoint a = points[i], b = points[(i + 1) % points.size()];
                if ((a.Y <= yc && yc < b.Y) || (b.Y <= yc && yc < a.Y))
                    xs.push_back(a.X + (yc - a.Y) * (b.X - a.X) / (b.Y - a.Y));
            }
            std::sort(xs.begin(), xs.end());
            for (size_t i = 0; i + 1 < xs.size(); i += 2) {
                const int from = static_cast<int>(std::ceil(xs[i] - 0.5));
                const int to = static_cast<int>(std::ceil(xs[i + 1] - 0.5));
                for (int x = std::max(from, 0); x < std::min(to, target_.Width()); ++x)
                    Plot(x, y, brushColor_);
            }
        }
    }
    if (PenVisible())
        for (size_t i = 0; i < points.size(); ++i)
            PenLine(points[i], points[(i + 1) % points.size()]);
}

void TPixelPainter::FillRect(const TRect& r) {
    if (!BrushVisible())
        return;
    const TRect part = r.Intersect(Rect(0, 0, target_.Width(), target_.Height()));
    for (int y = part.Top; y < part.Bottom; ++y)
        for (int x = part.Left; x < part.Right; ++x)
            Plot(x, y, brushColor_);
}

void TPixelPainter::Rectangle(const TRect& r) {
    if (r.IsEmpty())
        return;
    if (!PenVisible()) {
        // Without an outline GDI leaves the right column and bottom row of the box.
        FillRect(Rect(r.Left, r.Top, r.Right - 1, r.Bottom - 1));
        return;
    }
    FillRect(r.Inflate(-1, -1));
    const int right = r.Right - 1, bottom = r.Bottom - 1;
    if (right == r.Left || bottom == r.Top) {
        // A box one pixel wide or high is all outline.
        for (int y = r.Top; y <= bottom; ++y)
            for (int x = r.Left; x <= right; ++x)
                PenDot(x, y);
        return;
    }
    PenLine({r.Left, r.Top}, {right, r.Top});
    PenLine({right, r.Top}, {right, bottom});
    PenLine({right, bottom}, {r.Left, bottom});
    PenLine({r.Left, bottom}, {r.Left, r.Top});
}

void TPixelPainter::Ellipse(const TRect& r) {
    if (r.IsEmpty())
        return;
    const double cx = (r.Left + r.Right) / 2.0, cy = (r.Top + r.Bottom) / 2.0;
    const double rx = r.Width() / 2.0, ry = r.Height() / 2.0;
    auto inside = [&](int x, int y) {
        const double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
        return u * u + v * v <= 1.0;
    };
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) {
            if (!inside(x, y))
                continue;
            const bool edge =
                !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            if (edge && PenVisible())
                Plot(x, y, penColor_);
            else if (BrushVisible())
                Plot(x, y, brushColor_);
        }
}

bool TPixelPainter::GradientFillRect(const TRect& r, TColor from, TColor to, bool vertical) {
    if (r.IsEmpty())
        return true;
    const uint32_t a = ColorToRGB(from), b = ColorToRGB(to);
    const int length = vertical ? r.Height() : r.Width();
    for (int i = 0; i < length; ++i) {
        // Channels in the 16-bit form of a gradient vertex, shaded linearly along the span.
        uint32_t c = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            const int64_t va = ((a >> shift) & 0xFF) << 8, vb = ((b >> shift) & 0xFF) << 8;
            const int64_t v = (va * (length - i) + vb * i) / length;
            c |= static_cast<uint32_t>(v >> 8) << shift;
        }
        const TRect line = vertical ? Rect(r.Left, r.Top + i, r.Right, r.Top + i + 1)
                                    : Rect(r.Left + i, r.Top, r.Left + i + 1, r.Bottom);
        const TRect part = line.Intersect(Rect(0, 0, target_.Width(), target_.Height()));
        for (int y = part.Top; y < part.Bottom; ++y)
            for (int x = part.Left; x < part.Right; ++x)
                Plot(x, y, static_cast<TColor>(c));
    }
    return true;
}

} // namespace forms
