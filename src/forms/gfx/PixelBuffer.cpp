#include "forms/gfx/PixelBuffer.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <stdexcept>

namespace forms {

bool IsSupportedBitCount(int bitCount) {
    switch (bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        return true;
    default:
        return false;
    }
}

int64_t DibStride(int64_t width, int bitCount) {
    return (width * bitCount + 31) / 32 * 4;
}

PixelView::PixelView(uint8_t* bits, int width, int height, int bitCount, const RgbQuad* palette,
                     int paletteSize)
    : bits_(bits), width_(width), height_(height), bitCount_(bitCount),
      stride_(static_cast<int>(DibStride(width, bitCount))), palette_(palette),
      paletteSize_(paletteSize) {}

uint32_t PixelView::Raw(int x, int y) const {
    const uint8_t* row = Row(y);
    switch (bitCount_) {
    case 1:
        return (row[x / 8] >> (7 - x % 8)) & 1u;
    case 4:
        return x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0Fu;
    case 8:
        return row[x];
    case 16:
        return row[x * 2] | (row[x * 2 + 1] << 8);
    case 24:
        return row[x * 3] | (row[x * 3 + 1] << 8) | (static_cast<uint32_t>(row[x * 3 + 2]) << 16);
    case 32:
        return row[x * 4] | (row[x * 4 + 1] << 8) | (static_cast<uint32_t>(row[x * 4 + 2]) << 16) |
               (static_cast<uint32_t>(row[x * 4 + 3]) << 24);
    default:
        return 0;
    }
}

void PixelView::SetRaw(int x, int y, uint32_t value) const {
    uint8_t* row = Row(y);
    switch (bitCount_) {
    case 1: {
        const uint8_t bit = static_cast<uint8_t>(0x80 >> (x % 8));
        row[x / 8] = static_cast<uint8_t>((value & 1) ? row[x / 8] | bit : row[x / 8] & ~bit);
        break;
    }
    case 4:
        if (x % 2 == 0)
            row[x / 2] = static_cast<uint8_t>((row[x / 2] & 0x0F) | ((value & 0x0F) << 4));
        else
            row[x / 2] = static_cast<uint8_t>((row[x / 2] & 0xF0) | (value & 0x0F));
        break;
    case 8:
        row[x] = static_cast<uint8_t>(value);
        break;
    case 16:
        row[x * 2] = static_cast<uint8_t>(value);
        row[x * 2 + 1] = static_cast<uint8_t>(value >> 8);
        break;
    case 24:
        row[x * 3] = static_cast<uint8_t>(value);
        row[x * 3 + 1] = static_cast<uint8_t>(value >> 8);
        row[x * 3 + 2] = static_cast<uint8_t>(value >> 16);
        break;
    case 32:
        row[x * 4] = static_cast<uint8_t>(value);
        row[x * 4 + 1] = static_cast<uint8_t>(value >> 8);
        row[x * 4 + 2] = static_cast<uint8_t>(value >> 16);
        row[x * 4 + 3] = static_cast<uint8_t>(value >> 24);
        break;
    default:
        break;
    }
}

namespace {
// 5-bit channels widened so that 31 becomes 255.
uint32_t Expand5(uint32_t v) {
    return (v << 3) | (v >> 2);
}
} // namespace

TColor PixelView::ColorAt(int x, int y) const {
    const uint32_t raw = Raw(x, y);
    switch (bitCount_) {
    case 1:
    case 4:
    case 8:
        return static_cast<int>(raw) < paletteSize_ && palette_
                   ? static_cast<TColor>(ColorFromRgbQuad(palette_[raw] & 0xFFFFFF))
                   : 0;
    case 16: {
        const uint32_t r = Expand5((raw >> 10) & 31), g = Expand5((raw >> 5) & 31),
                       b = Expand5(raw & 31);
        return static_cast<TColor>(r | (g << 8) | (b << 16));
    }
    default:
        return static_cast<TColor>(ColorFromRgbQuad(raw & 0xFFFFFF));
    }
}

void PixelView::SetColor(int x, int y, TColor color) const {
    const uint32_t c = static_cast<uint32_t>(color) & 0xFFFFFF;
    const uint32_t r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
    switch (bitCount_) {
    case 16:
        SetRaw(x, y, ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
        return;
    case 24:
    case 32:
        SetRaw(x, y, RgbQuadFromColor(c));
        return;
    default:
        break;
    }
    // Nearest palette entry by squared distance.
    int best = 0;
    long bestDistance = std::numeric_limits<long>::max();
    for (int i = 0; i < paletteSize_; ++i) {
        const uint32_t p = ColorFromRgbQuad(palette_[i]);
        const long dr = static_cast<long>(p & 0xFF) - r,
                   dg = static_cast<long>((p >> 8) & 0xFF) - g,
                   db = static_cast<long>((p >> 16) & 0xFF) - b;
        const long d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    SetRaw(x, y, static_cast<uint32_t>(best));
}

PixelBuffer::PixelBuffer(int width, int height, int bitCount)
    : width_(width), height_(height), bitCount_(bitCount) {
    if (width <= 0 || height <= 0 || !IsSupportedBitCount(bitCount))
        throw std::invalid_argument("PixelBuffer: bad size or bit count");
    bits_.assign(static_cast<size_t>(DibStride(width, bitCount)) * static_cast<size_t>(height), 0);
    if (bitCount <= 8)
        palette_.assign(size_t{1} << bitCount, 0);
}

PixelView PixelBuffer::View() {
    return PixelView(bits_.empty() ? nullptr : bits_.data(), width_, height_, bitCount_,
                     palette_.data(), static_cast<int>(palette_.size()));
}

PixelView PixelBuffer::View() const {
    return const_cast<PixelBuffer*>(this)->View();
}

namespace {
bool SameStorage(const PixelView& a, const PixelView& b) {
    if (a.BitCount() != b.BitCount())
        return false;
    if (a.BitCount() > 8)
        return true;
    const int n = 1 << a.BitCount();
    for (int i = 0; i < n; ++i) {
        const RgbQuad pa = i < a.PaletteSize() && a.Palette() ? a.Palette()[i] & 0xFFFFFF : 0;
        const RgbQuad pb = i < b.PaletteSize() && b.Palette() ? b.Palette()[i] & 0xFFFFFF : 0;
        if (pa != pb)
            return false;
    }
    return true;
}

// The source coordinate under the centre of target step i of n, over a source span of m.
int SourceStep(int i, int n, int m) {
    return static_cast<int>((2 * static_cast<int64_t>(i) + 1) * m / (2 * static_cast<int64_t>(n)));
}
} // namespace

void StretchCopy(const PixelView& dst, const TRect& dstRect, const PixelView& src,
                 const TRect& srcRect) {
    if (dst.Empty() || src.Empty() || dstRect.IsEmpty() || srcRect.IsEmpty())
        return;
    const bool raw = SameStorage(dst, src);
    const TRect visible = dstRect.Intersect(Rect(0, 0, dst.Width(), dst.Height()));
    for (int y = visible.Top; y < visible.Bottom; ++y) {
        const int sy =
            srcRect.Top + SourceStep(y - dstRect.Top, dstRect.Height(), srcRect.Height());
        if (sy < 0 || sy >= src.Height())
            continue;
        for (int x = visible.Left; x < visible.Right; ++x) {
            const int sx =
                srcRect.Left + SourceStep(x - dstRect.Left, dstRect.Width(), srcRect.Width());
            if (sx < 0 || sx >= src.Width())
                continue;
            if (raw)
                dst.SetRaw(x, y, src.Raw(sx, sy));
            else
                dst.SetColor(x, y, src.ColorAt(sx, sy));
        }
    }
}

PixelBuffer CopyPixels(const PixelView& src, const TRect& r) {
    const TRect part = r.Intersect(Rect(0, 0, src.Width(), src.Height()));
    if (src.Empty() || part.IsEmpty())
        return {};
    PixelBuffer out(part.Width(), part.Height(), src.BitCount());
    for (int i = 0; i < static_cast<int>(out.Palette().size()) && i < src.PaletteSize(); ++i)
        out.Palette()[static_cast<size_t>(i)] = src.Palette()[i];
    StretchCopy(out.View(), Rect(0, 0, part.Width(), part.Height()), src, part);
    return out;
}

} // namespace forms
