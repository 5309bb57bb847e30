#include "components/BitmapRegion.h"

#include <cstdint>

namespace {

// Whether the pixel at (x, y) is of the colour key (a plain $00BBGGRR colour).
bool IsKeyPixel(const forms::PixelView& pixels, int x, int y, uint32_t key) {
    if (pixels.BitCount() == 16) {
        const uint32_t r = key & 0xFF, g = (key >> 8) & 0xFF, b = (key >> 16) & 0xFF;
        const uint32_t stored = ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3);
        return (pixels.Raw(x, y) & 0x7FFF) == stored;
    }
    return static_cast<uint32_t>(pixels.ColorAt(x, y)) == key;
}

} // namespace

forms::RegionData BitmapRegionRuns(const forms::PixelView& pixels, forms::TColor transparentColor) {
    if (pixels.Empty())
        return forms::RegionData(forms::TRect{});
    const int width = pixels.Width(), height = pixels.Height();
    forms::RegionData data(forms::Rect(0, 0, width, height));
    const uint32_t key = static_cast<uint32_t>(forms::ColorToRGB(transparentColor)) & 0xFFFFFF;
    for (int y = 0; y < height; ++y) {
        int x = 0;
        while (x < width) {
            while (x < width && IsKeyPixel(pixels, x, y, key))
                ++x;
            const int start = x;
            while (x < width && !IsKeyPixel(pixels, x, y, key))
                ++x;
            if (x > start)
                data.Add(forms::Rect(start, y, x, y + 1));
        }
    }
    return data;
}
