#pragma once
// Pictures for the drawing tests: plain pictures, strips of coloured bands, and counts.
#include "forms/gfx/PixelBuffer.h"

#include <vector>

namespace pixeltesting {

inline forms::PixelBuffer Picture(int w, int h, forms::TColor color, int bits = 24) {
    forms::PixelBuffer p(w, h, bits);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.View().SetColor(x, y, color);
    return p;
}

// Bands side by side, each bandWidth wide and h high, in the colours given.
inline forms::PixelBuffer Bands(const std::vector<forms::TColor>& colors, int bandWidth, int h,
                                int bits = 24) {
    forms::PixelBuffer p(static_cast<int>(colors.size()) * bandWidth, h, bits);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < p.Width(); ++x)
            p.View().SetColor(x, y, colors[static_cast<size_t>(x / bandWidth)]);
    return p;
}

inline forms::TColor At(const forms::PixelBuffer& p, int x, int y) {
    return p.View().ColorAt(x, y);
}

inline int Count(const forms::PixelBuffer& p, forms::TColor color) {
    int n = 0;
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x)
            n += p.View().ColorAt(x, y) == color;
    return n;
}

// True when every pixel of the rectangle has the colour.
inline bool All(const forms::PixelBuffer& p, const forms::TRect& r, forms::TColor color) {
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (p.View().ColorAt(x, y) != color)
                return false;
    return true;
}

} // namespace pixeltesting
