#pragma once
// Points, sizes and rectangles in pixels. A rectangle excludes its Right column and Bottom row,
// as GDI fills them.
#include <algorithm>
#include <cstdint>
#include <limits>

namespace forms {

// A coordinate or extent worked out in 64 bits, held to the range of int: settings and files can
// give numbers whose sums and products leave it.
constexpr int SaturatedInt(int64_t v) {
    return static_cast<int>(
        std::clamp<int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

struct TPoint {
    int X = 0, Y = 0;
    friend bool operator==(TPoint a, TPoint b) { return a.X == b.X && a.Y == b.Y; }
    friend bool operator!=(TPoint a, TPoint b) { return !(a == b); }
};

struct TSize {
    int Width = 0, Height = 0;
    friend bool operator==(TSize a, TSize b) { return a.Width == b.Width && a.Height == b.Height; }
    friend bool operator!=(TSize a, TSize b) { return !(a == b); }
};

struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;

    [[nodiscard]] int Width() const { return Right - Left; }
    [[nodiscard]] int Height() const { return Bottom - Top; }
    [[nodiscard]] bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    [[nodiscard]] bool Contains(TPoint p) const {
        return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
    }
    [[nodiscard]] TPoint TopLeft() const { return {Left, Top}; }
    [[nodiscard]] TRect Offset(int dx, int dy) const {
        return {Left + dx, Top + dy, Right + dx, Bottom + dy};
    }
    [[nodiscard]] TRect Inflate(int dx, int dy) const {
        return {Left - dx, Top - dy, Right + dx, Bottom + dy};
    }
    // The common part; empty (all zero) when there is none.
    [[nodiscard]] TRect Intersect(const TRect& o) const {
        TRect r{std::max(Left, o.Left), std::max(Top, o.Top), std::min(Right, o.Right),
                std::min(Bottom, o.Bottom)};
        return r.IsEmpty() ? TRect{} : r;
    }
    [[nodiscard]] bool Intersects(const TRect& o) const { return !Intersect(o).IsEmpty(); }

    friend bool operator==(const TRect& a, const TRect& b) {
        return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
    }
    friend bool operator!=(const TRect& a, const TRect& b) { return !(a == b); }
};

constexpr TRect Rect(int left, int top, int right, int bottom) {
    return {left, top, right, bottom};
}
constexpr TRect Bounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

} // namespace forms
