#pragma once
// Pixels in the layout of a top-down device-independent bitmap: rows of Stride bytes (a multiple
// of 4), 1, 4, 8, 16 (5-5-5), 24 (B, G, R) or 32 (B, G, R, unused) bits per pixel, a palette for
// up to 8 bits. PixelView works on memory it does not own (a DIB section's bits); PixelBuffer
// owns its memory. Both serve rotation, blending and region scans natively and on bitmaps.
#include "forms/base/Color.h"
#include "forms/gfx/Geometry.h"

#include <cstdint>
#include <vector>

namespace forms {

// A palette entry as a DIB stores it: 0x00RRGGBB (bytes B, G, R, 0).
using RgbQuad = uint32_t;

constexpr RgbQuad RgbQuadFromColor(uint32_t bgr) {
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}
constexpr uint32_t ColorFromRgbQuad(RgbQuad q) {
    return ((q & 0xFF) << 16) | (q & 0xFF00) | ((q >> 16) & 0xFF);
}

[[nodiscard]] bool IsSupportedBitCount(int bitCount);
// Bytes per row, rounded up to whole 32-bit words.
[[nodiscard]] int64_t DibStride(int64_t width, int bitCount);

class PixelView {
public:
    PixelView() = default;
    PixelView(uint8_t* bits, int width, int height, int bitCount, const RgbQuad* palette = nullptr,
              int paletteSize = 0);

    [[nodiscard]] int Width() const { return width_; }
    [[nodiscard]] int Height() const { return height_; }
    [[nodiscard]] int BitCount() const { return bitCount_; }
    [[nodiscard]] int Stride() const { return stride_; }
    [[nodiscard]] bool Empty() const { return bits_ == nullptr || width_ <= 0 || height_ <= 0; }
    [[nodiscard]] uint8_t* Row(int y) const { return bits_ + static_cast<size_t>(y) * stride_; }
    [[nodiscard]] const RgbQuad* Palette() const { return palette_; }
    [[nodiscard]] int PaletteSize() const { return paletteSize_; }
    [[nodiscard]] bool Inside(int x, int y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_;
    }

    // The stored value: a palette index, a 5-5-5 word, or 0x00RRGGBB for 24 and 32 bits.
    [[nodiscard]] uint32_t Raw(int x, int y) const;
    void SetRaw(int x, int y, uint32_t value) const;
    // The pixel as a colour ($00BBGGRR); an index beyond the palette reads black.
    [[nodiscard]] TColor ColorAt(int x, int y) const;
    // Stores the colour itself (16 to 32 bits) or the nearest palette entry.
    void SetColor(int x, int y, TColor color) const;

private:
    uint8_t* bits_ = nullptr;
    int width_ = 0, height_ = 0, bitCount_ = 0, stride_ = 0;
    const RgbQuad* palette_ = nullptr;
    int paletteSize_ = 0;
};

class PixelBuffer {
public:
    PixelBuffer() = default;
    // Zero-filled; a palette of 2^bitCount black entries for up to 8 bits. Sizes must be
    // positive and bitCount supported (std::invalid_argument otherwise).
    PixelBuffer(int width, int height, int bitCount);

    [[nodiscard]] int Width() const { return width_; }
    [[nodiscard]] int Height() const { return height_; }
    [[nodiscard]] int BitCount() const { return bitCount_; }
    [[nodiscard]] int Stride() const { return static_cast<int>(DibStride(width_, bitCount_)); }
    [[nodiscard]] bool Empty() const { return bits_.empty(); }

    std::vector<uint8_t>& Bits() { return bits_; }
    const std::vector<uint8_t>& Bits() const { return bits_; }
    std::vector<RgbQuad>& Palette() { return palette_; }
    const std::vector<RgbQuad>& Palette() const { return palette_; }

    [[nodiscard]] PixelView View();
    [[nodiscard]] PixelView View() const; // for reading only

private:
    int width_ = 0, height_ = 0, bitCount_ = 0;
    std::vector<uint8_t> bits_;
    std::vector<RgbQuad> palette_;
};

// Copies srcRect of src onto dstRect of dst, stretched to it by taking for every target pixel the
// source pixel under its centre (as GDI's COLORONCOLOR mode does). Nothing happens for an empty
// rectangle on either side (a stretch never mirrors); pixels that fall outside either view are
// skipped. Equal depths with equal palettes copy stored values, others go through colours.
void StretchCopy(const PixelView& dst, const TRect& dstRect, const PixelView& src,
                 const TRect& srcRect);
// A new buffer of the part r of src (clipped to it) with src's depth and palette; empty when
// nothing of r lies inside src.
[[nodiscard]] PixelBuffer CopyPixels(const PixelView& src, const TRect& r);

} // namespace forms
