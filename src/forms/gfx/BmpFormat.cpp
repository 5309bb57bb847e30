#include "forms/gfx/BmpFormat.h"

#include "forms/base/Exceptions.h"

#include <algorithm>
#include <cstring>

namespace forms {

namespace {

constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;
constexpr int kFileHeaderSize = 14;

// Little-endian reads that never leave the data: a read past the end raises.
class Reader {
public:
    explicit Reader(std::string_view data) : data_(data) {}
    [[nodiscard]] size_t Size() const { return data_.size(); }
    uint8_t U8(size_t at) const {
        Need(at, 1);
        return static_cast<uint8_t>(data_[at]);
    }
    uint16_t U16(size_t at) const {
        Need(at, 2);
        return static_cast<uint16_t>(U8(at) | (U8(at + 1) << 8));
    }
    uint32_t U32(size_t at) const {
        Need(at, 4);
        return static_cast<uint32_t>(U16(at)) | (static_cast<uint32_t>(U16(at + 2)) << 16);
    }
    int32_t I32(size_t at) const { return static_cast<int32_t>(U32(at)); }
    const uint8_t* Bytes(size_t at, size_t count) const {
        Need(at, count);
        return reinterpret_cast<const uint8_t*>(data_.data()) + at;
    }
    void Need(size_t at, size_t count) const {
        if (at > data_.size() || count > data_.size() - at)
            throw EBitmapError();
    }

private:
    std::string_view data_;
};

struct Header {
    int width = 0, height = 0; // height positive; topDown tells the row order
    bool topDown = false;
    int bitCount = 0;
    uint32_t compression = kRgb;
    uint32_t colorsUsed = 0;
    uint32_t masks[3] = {0, 0, 0};
    size_t paletteAt = 0;
    int paletteEntrySize = 4;
};

bool ValidMask(uint32_t mask, int bitCount) {
    if (mask == 0)
        return false;
    if (bitCount < 32 && (mask >> bitCount) != 0)
        return false;
    uint32_t m = mask;
    while ((m & 1) == 0)
        m >>= 1;
    return (m & (m + 1)) == 0; // one contiguous run of ones
}

Header ReadHeader(const Reader& in) {
    if (in.Size() < kFileHeaderSize || in.U8(0) != 'B' || in.U8(1) != 'M')
        throw EBitmapError();
    const uint32_t headerSize = in.U32(kFileHeaderSize);
    in.Need(kFileHeaderSize, headerSize);
    Header h;
    const size_t at = kFileHeaderSize;
    if (headerSize == 12) {
        h.width = in.U16(at + 4);
        h.height = in.U16(at + 6);
        if (in.U16(at + 8) != 1)
            throw EBitmapError();
        h.bitCount = in.U16(at + 10);
        if (h.bitCount != 1 && h.bitCount != 4 && h.bitCount != 8 && h.bitCount != 24)
            throw EBitmapError();
        h.paletteEntrySize = 3;
        h.paletteAt = at + headerSize;
        return h;
    }
    if (headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 &&
        headerSize != 124)
        throw EBitmapError();
    const int32_t width = in.I32(at + 4), height = in.I32(at + 8);
    if (width <= 0 || height == 0 || height == INT32_MIN || in.U16(at + 12) != 1)
        throw EBitmapError();
    h.width = width;
    h.topDown = height < 0;
    h.height = height < 0 ? -height : height;
    h.bitCount = in.U16(at + 14);
    h.compression = in.U32(at + 16);
    h.colorsUsed = in.U32(at + 32);
    h.paletteAt = at + headerSize;
    if (!IsSupportedBitCount(h.bitCount))
        throw EBitmapError();
    switch (h.compression) {
    case kRgb:
        break;
    case kRle8:
    case kRle4:
        if (h.bitCount != (h.compression == kRle8 ? 8 : 4) || h.topDown)
            throw EBitmapError();
        break;
    case kBitFields: {
        if (h.bitCount != 16 && h.bitCount != 32)
            throw EBitmapError();
        size_t masksAt = at + 40;
        if (headerSize == 40) {
            h.paletteAt += 12; // the masks follow the header
            in.Need(masksAt, 12);
        }
        for (int i = 0; i < 3; ++i) {
            h.masks[i] = in.U32(masksAt + 4 * static_cast<size_t>(i));
            if (!ValidMask(h.masks[i], h.bitCount))
                throw EBitmapError();
        }
        if ((h.masks[0] & h.masks[1]) || (h.masks[0] & h.masks[2]) || (h.masks[1] & h.masks[2]))
            throw EBitmapError();
        break;
    }
    default:
        throw EBitmapError();
    }
    return h;
}

void CheckSize(const Header& h) {
    if (h.width <= 0 || h.height <= 0 || h.width > kMaxBmpSide || h.height > kMaxBmpSide ||
        static_cast<int64_t>(h.width) * h.height > kMaxBmpPixels)
        throw EBitmapError();
}

void ReadPalette(const Reader& in, const Header& h, size_t offBits, PixelBuffer& out) {
    if (h.bitCount > 8) {
        if (h.paletteAt > offBits)
            throw EBitmapError();
        return;
    }
    const uint32_t full = 1u << h.bitCount;
    const uint32_t count = h.colorsUsed == 0 || h.paletteEntrySize == 3 ? full : h.colorsUsed;
    if (count > full)
        throw EBitmapError();
    const size_t bytes = static_cast<size_t>(count) * static_cast<size_t>(h.paletteEntrySize);
    if (h.paletteAt + bytes > offBits)
        throw EBitmapError();
    const uint8_t* p = in.Bytes(h.paletteAt, bytes);
    auto& palette = out.Palette();
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* e = p + static_cast<size_t>(i) * static_cast<size_t>(h.paletteEntrySize);
        palette[i] = static_cast<RgbQuad>(e[0] | (e[1] << 8) | (e[2] << 16));
    }
}

int TargetRow(const Header& h, int fileRow) {
    return h.topDown ? fileRow : h.height - 1 - fileRow;
}

uint32_t Channel(uint32_t pixel, uint32_t mask) {
    int shift = 0;
    while (((mask >> shift) & 1) == 0)
        ++shift;
    const uint32_t bits = mask >> shift;
    const uint32_t value = (pixel & mask) >> shift;
    return bits == 0xFF ? value : static_cast<uint32_t>((uint64_t{value} * 255 + bits / 2) / bits);
}

void ReadUncompressed(const Reader& in, const Header& h, size_t offBits, PixelBuffer& out) {
    const size_t stride = static_cast<size_t>(DibStride(h.width, h.bitCount));
    const uint8_t* src = in.Bytes(offBits, stride * static_cast<size_t>(h.height));
    const bool plain = h.compression == kRgb || (h.bitCount == 16 && h.masks[0] == 0x7C00 &&
                                                 h.masks[1] == 0x03E0 && h.masks[2] == 0x001F);
    const PixelView view = out.View();
    for (int y = 0; y < h.height; ++y) {
        const uint8_t* row = src + stride * static_cast<size_t>(y);
        const int target = TargetRow(h, y);
        if (plain) {
            std::memcpy(view.Row(target), row, stride);
            continue;
        }
        const PixelView source(const_cast<uint8_t*>(row), h.width, 1, h.bitCount);
        for (int x = 0; x < h.width; ++x) {
            const uint32_t p = source.Raw(x, 0);
            const uint32_t r = Channel(p, h.masks[0]), g = Channel(p, h.masks[1]),
                           b = Channel(p, h.masks[2]);
            view.SetRaw(x, target, (r << 16) | (g << 8) | b);
        }
    }
}

// Run-length data: every code is read through the bounded reader, and pixels that fall outside
// the picture are dropped. The data must end with the end-of-bitmap code or after the last row.
// Without a view the codes are only walked. The result is how many pixels the codes cover at most:
// every pixel of a run (each code holds at most 255), and those that a line end, a delta or the
// end code skips (the end code finishes its row, as some writers end the last row with it).
int64_t ReadRunLength(const Reader& in, const Header& h, size_t offBits, const PixelView* view) {
    const bool four = h.compression == kRle4;
    const int64_t width = h.width;
    size_t at = offBits;
    int64_t covered = 0;
    int64_t x = 0, y = 0; // y counts file rows from the bottom
    auto put = [&](uint32_t index) {
        if (x < h.width && y < h.height)
            view->SetRaw(static_cast<int>(x), TargetRow(h, static_cast<int>(y)), index);
        ++x;
    };
    while (y < h.height) {
        const uint8_t count = in.U8(at), value = in.U8(at + 1);
        at += 2;
        if (count > 0) {
            covered += count;
            if (!view)
                x += count;
            else
                for (int i = 0; i < count; ++i)
                    put(four ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
            continue;
        }
        switch (value) {
        case 0: // end of line
            covered += std::max<int64_t>(width - x, 0);
            x = 0;
            ++y;
            break;
        case 1: // end of bitmap
            return covered + std::max<int64_t>(width - x, 0);
        case 2: { // delta
            const int64_t dx = in.U8(at), dy = in.U8(at + 1);
            covered += dx + dy * width;
            x += dx;
            y += dy;
            at += 2;
            break;
        }
        default: { // absolute run of 'value' pixels, padded to a 16-bit boundary
            const size_t bytes = four ? (value + 1u) / 2u : value;
            const uint8_t* p = in.Bytes(at, bytes);
            covered += value;
            if (!view)
                x += value;
            else
                for (int i = 0; i < value; ++i)
                    put(four ? (i % 2 == 0 ? p[i / 2] >> 4 : p[i / 2] & 0x0F) : p[i]);
            at += bytes + (bytes & 1);
            break;
        }
        }
    }
    return covered;
}

void PutU16(std::string& s, uint32_t v) {
    s.push_back(static_cast<char>(v & 0xFF));
    s.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void PutU32(std::string& s, uint32_t v) {
    PutU16(s, v & 0xFFFF);
    PutU16(s, v >> 16);
}

} // namespace

PixelBuffer DecodeBmp(std::string_view file) {
    const Reader in(file);
    const Header h = ReadHeader(in);
    CheckSize(h);
    const uint32_t offBits = in.U32(10);
    if (offBits < h.paletteAt || offBits > in.Size())
        throw EBitmapError();
    // The pixels must all be there before the picture is allocated: uncompressed ones in full,
    // run-length codes enough to cover the picture (a few bytes must not claim 16 MiB).
    const bool runLength = h.compression == kRle8 || h.compression == kRle4;
    if (!runLength)
        in.Need(offBits, static_cast<size_t>(DibStride(h.width, h.bitCount)) *
                             static_cast<size_t>(h.height));
    else if (ReadRunLength(in, h, offBits, nullptr) < int64_t{h.width} * h.height)
        throw EBitmapError();
    const bool widened =
        h.compression == kBitFields &&
        !(h.bitCount == 16 && h.masks[0] == 0x7C00 && h.masks[1] == 0x03E0 && h.masks[2] == 0x001F);
    PixelBuffer out(h.width, h.height, widened ? 32 : h.bitCount);
    ReadPalette(in, h, offBits, out);
    if (runLength) {
        const PixelView view = out.View();
        ReadRunLength(in, h, offBits, &view);
    } else {
        ReadUncompressed(in, h, offBits, out);
    }
    return out;
}

PixelBuffer DecodePackedDib(std::string_view dib) {
    const Reader in(dib);
    const uint32_t headerSize = in.U32(0);
    in.Need(0, headerSize);
    uint64_t extra = 0;
    if (headerSize == 12) {
        const int bitCount = in.U16(10);
        extra = bitCount <= 8 ? (uint64_t{1} << bitCount) * 3 : 0;
    } else {
        in.Need(0, 40);
        const int bitCount = in.U16(14);
        const uint32_t compression = in.U32(16), colorsUsed = in.U32(32);
        uint64_t entries = colorsUsed;
        if (bitCount <= 8 && colorsUsed == 0)
            entries = uint64_t{1} << (bitCount & 15);
        if (entries > 256)
            throw EBitmapError();
        extra = entries * 4 + (compression == kBitFields && headerSize == 40 ? 12 : 0);
    }
    const uint64_t offBits = kFileHeaderSize + uint64_t{headerSize} + extra;
    if (offBits > kFileHeaderSize + dib.size())
        throw EBitmapError();
    std::string file = "BM";
    PutU32(file, static_cast<uint32_t>(kFileHeaderSize + dib.size()));
    PutU32(file, 0);
    PutU32(file, static_cast<uint32_t>(offBits));
    file.append(dib.data(), dib.size());
    return DecodeBmp(file);
}

std::string EncodeBmp(const PixelView& pixels) {
    const int bitCount = pixels.BitCount();
    const uint32_t paletteCount = bitCount <= 8 ? 1u << bitCount : 0;
    const uint32_t stride = static_cast<uint32_t>(pixels.Stride());
    const uint32_t offBits = kFileHeaderSize + 40 + paletteCount * 4;
    const uint32_t imageSize = stride * static_cast<uint32_t>(pixels.Height());
    std::string s;
    s.reserve(offBits + imageSize);
    s += "BM";
    PutU32(s, offBits + imageSize);
    PutU32(s, 0);
    PutU32(s, offBits);
    PutU32(s, 40);
    PutU32(s, static_cast<uint32_t>(pixels.Width()));
    PutU32(s, static_cast<uint32_t>(pixels.Height()));
    PutU16(s, 1);
    PutU16(s, static_cast<uint32_t>(bitCount));
    PutU32(s, kRgb);
    PutU32(s, imageSize);
    PutU32(s, 3780); // 96 DPI
    PutU32(s, 3780);
    PutU32(s, paletteCount);
    PutU32(s, 0);
    for (uint32_t i = 0; i < paletteCount; ++i) {
        // Entries the view lacks are written black.
        PutU32(s, static_cast<int>(i) < pixels.PaletteSize() ? pixels.Palette()[i] & 0xFFFFFF : 0);
    }
    for (int y = pixels.Height() - 1; y >= 0; --y)
        s.append(reinterpret_cast<const char*>(pixels.Row(y)), stride);
    return s;
}

} // namespace forms
