#include "shared/BitmapEffects.h"

#include <cstring>
#include <stdexcept>

using forms::PixelBuffer;
using forms::PixelView;
using forms::TPoint;

namespace {

uint32_t FillValue(forms::TColor fill, int bitCount) {
    const auto bits = static_cast<uint32_t>(fill);
    switch (bitCount) {
    case 1:
        return bits & 1u;
    case 4:
        return bits & 15u;
    case 8:
        return bits & 0xFFu;
    case 16:
        return bits & 0xFFFFu;
    case 24:
        return forms::RgbQuadFromColor(bits & 0xFFFFFFu);
    default:
        return bits;
    }
}

struct TRotateData {
    int Width, Height, Mode;
};

TPoint RotateMap(TPoint p, const void* data) {
    const auto& d = *static_cast<const TRotateData*>(data);
    switch (d.Mode) {
    case 0:
        return {p.Y, d.Height - 1 - p.X};
    case 1:
        return {d.Width - 1 - p.X, d.Height - 1 - p.Y};
    default:
        return {d.Width - 1 - p.Y, p.X};
    }
}

} // namespace

PixelBuffer RemapPixels(const PixelView& source, int newWidth, int newHeight, TRemapFunc map,
                        forms::TColor fillColor, const void* data) {
    if (source.Empty() || newWidth <= 0 || newHeight <= 0 ||
        !forms::IsSupportedBitCount(source.BitCount()))
        return {};
    PixelBuffer out(newWidth, newHeight, source.BitCount());
    for (int i = 0; i < static_cast<int>(out.Palette().size()) && i < source.PaletteSize(); ++i)
        out.Palette()[static_cast<size_t>(i)] = source.Palette()[i];
    const PixelView view = out.View();
    const uint32_t fill = FillValue(fillColor, source.BitCount());
    for (int y = 0; y < newHeight; ++y)
        for (int x = 0; x < newWidth; ++x) {
            const TPoint s = map({x, y}, data);
            view.SetRaw(x, y, source.Inside(s.X, s.Y) ? source.Raw(s.X, s.Y) : fill);
        }
    return out;
}

PixelBuffer RotatePixels(const PixelView& source, int mode) {
    if (mode < 0 || mode > 2)
        throw std::invalid_argument("RotatePixels: mode must be 0, 1 or 2");
    const TRotateData data{source.Width(), source.Height(), mode};
    return mode == 1 ? RemapPixels(source, data.Width, data.Height, RotateMap, 0, &data)
                     : RemapPixels(source, data.Height, data.Width, RotateMap, 0, &data);
}

void BlendHalf(const PixelView& picture, const PixelView& background) {
    if (picture.Empty() || background.Empty() || picture.Width() != background.Width() ||
        picture.Height() != background.Height() || picture.BitCount() != background.BitCount() ||
        (picture.BitCount() != 24 && picture.BitCount() != 32))
        return;
    // Halving each byte of a word at once: shift the word, then drop the bit that crossed into
    // the byte below.
    constexpr uint32_t kMask = 0x7F7F7F7Fu;
    const int words = picture.Stride() / 4;
    for (int y = 0; y < picture.Height(); ++y) {
        uint8_t* p = picture.Row(y);
        const uint8_t* b = background.Row(y);
        for (int i = 0; i < words; ++i) {
            uint32_t pw, bw;
            std::memcpy(&pw, p + 4 * i, 4);
            std::memcpy(&bw, b + 4 * i, 4);
            pw = pw - ((pw >> 1) & kMask) + ((bw >> 1) & kMask);
            std::memcpy(p + 4 * i, &pw, 4);
        }
    }
}
