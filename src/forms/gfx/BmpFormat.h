#pragma once
// Reading and writing BMP files without the system: every size, offset, palette and run is checked
// against the data before anything is read or allocated.
#include "forms/gfx/PixelBuffer.h"

#include <string>
#include <string_view>

namespace forms {

// Largest picture accepted: each side and the pixel count.
constexpr int kMaxBmpSide = 32767;
constexpr int64_t kMaxBmpPixels = int64_t{1} << 24;

// A whole .bmp file (file header first) in a top-down buffer. Headers: core (12 bytes), info
// (40), its mask variants (52, 56), V4 (108), V5 (124); 1, 4, 8, 16, 24, 32 bits; uncompressed,
// RLE8, RLE4, or bit fields (16 and 32 bits). Up to 8 bits keep their depth and palette (padded to
// 2^bits entries); bit fields other than 5-5-5 become 32 bits. Anything else, data that ends
// early, or run-length codes too few to cover the picture, raises EBitmapError.
PixelBuffer DecodeBmp(std::string_view file);

// A packed DIB (a bitmap resource: info header, palette, pixels, without the file header).
PixelBuffer DecodePackedDib(std::string_view dib);

// A .bmp file of the pixels: info header, the palette for up to 8 bits, rows bottom-up.
std::string EncodeBmp(const PixelView& pixels);

} // namespace forms
