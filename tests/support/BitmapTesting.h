#pragma once
// Bitmaps for the drawing tests under Windows: plain ones and ones made of pictures, whose pixels
// are read back exactly.
#include "forms/gfx/Bitmap.h"

#include <memory>

namespace bitmaptesting {

inline std::unique_ptr<forms::TBitmap> Plain(int w, int h, forms::TColor color) {
    auto b = std::make_unique<forms::TBitmap>();
    b->SetPixelFormat(forms::TPixelFormat::pf24bit);
    b->SetSize(w, h);
    b->Canvas().Brush().SetColor(color);
    b->Canvas().FillRect(forms::Rect(0, 0, w, h));
    return b;
}

inline std::unique_ptr<forms::TBitmap> Of(const forms::PixelBuffer& pixels) {
    auto b = std::make_unique<forms::TBitmap>();
    b->LoadFromPixels(pixels);
    return b;
}

// True when every pixel of the rectangle has the colour.
inline bool All(forms::TBitmap& b, const forms::TRect& r, forms::TColor color) {
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (b.Canvas().Pixels(x, y) != color)
                return false;
    return true;
}

} // namespace bitmaptesting
