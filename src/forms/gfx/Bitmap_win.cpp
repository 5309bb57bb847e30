#include "forms/gfx/Bitmap.h"

#include "forms/base/Codepage.h"
#include "forms/base/Exceptions.h"
#include "forms/base/Files.h"
#include "forms/base/Streams.h"
#include "forms/gfx/BmpFormat.h"
#include "forms/gfx/DeviceContext.h"

#include <cstring>
#include <optional>

namespace forms {

int BitCountOf(TPixelFormat format) {
    switch (format) {
    case TPixelFormat::pf1bit:
        return 1;
    case TPixelFormat::pf4bit:
        return 4;
    case TPixelFormat::pf8bit:
        return 8;
    case TPixelFormat::pf16bit:
        return 16;
    case TPixelFormat::pf24bit:
        return 24;
    default:
        return 32;
    }
}

TPixelFormat FormatOfBitCount(int bitCount) {
    switch (bitCount) {
    case 1:
        return TPixelFormat::pf1bit;
    case 4:
        return TPixelFormat::pf4bit;
    case 8:
        return TPixelFormat::pf8bit;
    case 16:
        return TPixelFormat::pf16bit;
    case 24:
        return TPixelFormat::pf24bit;
    default:
        return TPixelFormat::pf32bit;
    }
}

namespace {

// Palettes for new bitmaps of up to 8 bits: black and white; the 16 VGA colours; those, a 6x6x6
// colour cube and a grey ramp that ends in white (so that all-ones bits are white).
std::vector<RgbQuad> DefaultPalette(int bitCount) {
    static const RgbQuad kVga[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                     0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                     0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    if (bitCount == 1)
        return {0x000000, 0xFFFFFF};
    if (bitCount == 4)
        return std::vector<RgbQuad>(kVga, kVga + 16);
    if (bitCount != 8)
        return {};
    std::vector<RgbQuad> p(kVga, kVga + 16);
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                p.push_back(static_cast<RgbQuad>((r * 51) << 16 | (g * 51) << 8 | (b * 51)));
    while (p.size() < 256) {
        const int i = static_cast<int>(p.size()) - 232; // 0..23
        const int v = 8 + i * 247 / 23;
        p.push_back(static_cast<RgbQuad>(v << 16 | v << 8 | v));
    }
    return p;
}

struct BitmapInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
};

} // namespace

// The memory context of a bitmap's canvas, holding the bitmap selected for its whole life.
class TBitmap::BitmapCanvas : public TCanvas {
public:
    explicit BitmapCanvas(TBitmap& owner) : owner_(owner) {}
    ~BitmapCanvas() override { FreeContext(); }

    // Puts a new bitmap into the context (nullptr: the context's own).
    void Select(HBITMAP dib) {
        if (!HandleAllocated())
            return;
        selected_.reset();
        if (dib)
            selected_.emplace(Handle(), dib);
    }

protected:
    HDC CreateContext() override {
        context_.emplace();
        if (!*context_) {
            context_.reset();
            return nullptr;
        }
        if (owner_.dib_)
            selected_.emplace(context_->Handle(), owner_.dib_);
        return context_->Handle();
    }
    void ReleaseContext(HDC /*dc*/) override {
        selected_.reset();
        context_.reset();
    }

private:
    TBitmap& owner_;
    std::optional<MemoryDC> context_;
    std::optional<SelectedObject> selected_; // inside the context's life
};

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) {
    SetSize(width, height);
}

TBitmap::~TBitmap() {
    canvas_.reset();
    if (dib_)
        DeleteObject(dib_);
}

int TBitmap::BitCount() const {
    return BitCountOf(format_);
}

HBITMAP TBitmap::MakeDib(int width, int height, int bitCount, const std::vector<RgbQuad>& palette,
                         uint8_t** bits) const {
    BitmapInfo info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = -height; // top-down
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(bitCount);
    info.header.biCompression = BI_RGB;
    if (bitCount <= 8) {
        const size_t n = std::min<size_t>(palette.size(), size_t{1} << bitCount);
        info.header.biClrUsed = static_cast<DWORD>(n);
        std::memcpy(info.colors, palette.data(), n * sizeof(RgbQuad));
    }
    void* p = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                   &p, nullptr, 0);
    if (!dib)
        throw EBitmapError();
    *bits = static_cast<uint8_t*>(p);
    return dib;
}

void TBitmap::Install(HBITMAP dib, uint8_t* bits, int width, int height, TPixelFormat format,
                      std::vector<RgbQuad> palette) {
    HBITMAP old = dib_;
    if (canvas_)
        canvas_->Select(dib);
    dib_ = dib;
    bits_ = bits;
    width_ = dib ? width : 0;
    height_ = dib ? height : 0;
    format_ = format;
    palette_ = std::move(palette);
    if (old)
        DeleteObject(old);
    Changed();
}

HDC TBitmap::SourceContext() const {
    return const_cast<TBitmap*>(this)->Canvas().Handle();
}

void TBitmap::SetSize(int width, int height) {
    if (width == width_ && height == height_)
        return;
    if (width <= 0 || height <= 0) {
        Install(nullptr, nullptr, 0, 0, format_, {});
        return;
    }
    const int bitCount = BitCount();
    std::vector<RgbQuad> palette = bitCount <= 8 ? Palette() : std::vector<RgbQuad>{};
    uint8_t* bits = nullptr;
    HBITMAP dib = MakeDib(width, height, bitCount, palette, &bits);
    std::memset(bits, 0xFF, static_cast<size_t>(DibStride(width, bitCount)) * height);
    if (dib_) {
        const MemoryDC dc;
        const SelectedObject selected(dc.Handle(), dib);
        BitBlt(dc.Handle(), 0, 0, std::min(width, width_), std::min(height, height_),
               SourceContext(), 0, 0, SRCCOPY);
    }
    Install(dib, bits, width, height, format_, std::move(palette));
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format == format_)
        return;
    if (!dib_) {
        format_ = format;
        return;
    }
    const int bitCount = BitCountOf(format);
    uint8_t* bits = nullptr;
    std::vector<RgbQuad> palette = DefaultPalette(bitCount);
    HBITMAP dib = MakeDib(width_, height_, bitCount, palette, &bits);
    {
        const MemoryDC dc;
        const SelectedObject selected(dc.Handle(), dib);
        BitBlt(dc.Handle(), 0, 0, width_, height_, SourceContext(), 0, 0, SRCCOPY);
    }
    Install(dib, bits, width_, height_, format, std::move(palette));
}

void TBitmap::Assign(const TBitmap& source) {
    if (&source == this)
        return;
    SetTransparent(source.Transparent());
    transparentMode_ = source.transparentMode_;
    transparentColor_ = source.transparentColor_;
    if (!source.dib_) {
        Install(nullptr, nullptr, 0, 0, source.format_, {});
        return;
    }
    GdiFlush();
    uint8_t* bits = nullptr;
    const int bitCount = source.BitCount();
    HBITMAP dib = MakeDib(source.width_, source.height_, bitCount, source.Palette(), &bits);
    std::memcpy(bits, source.bits_,
                static_cast<size_t>(DibStride(source.width_, bitCount)) * source.height_);
    Install(dib, bits, source.width_, source.height_, source.format_, source.Palette());
}

uint8_t* TBitmap::ScanLine(int row) {
    if (!dib_ || row < 0 || row >= height_)
        throw EListIndexError(row);
    GdiFlush();
    return bits_ + static_cast<size_t>(DibStride(width_, BitCount())) * row;
}

PixelView TBitmap::Pixels() {
    GdiFlush();
    return PixelView(bits_, width_, height_, BitCount(), palette_.data(),
                     static_cast<int>(palette_.size()));
}

std::vector<RgbQuad> TBitmap::Palette() const {
    const int bitCount = BitCount();
    if (bitCount > 8)
        return {};
    return dib_ ? palette_ : DefaultPalette(bitCount);
}

void TBitmap::SetPalette(const std::vector<RgbQuad>& entries) {
    if (!dib_ || BitCount() > 8)
        return;
    const UINT n = static_cast<UINT>(std::min<size_t>(entries.size(), size_t{1} << BitCount()));
    SetDIBColorTable(Canvas().Handle(), 0, n, reinterpret_cast<const RGBQUAD*>(entries.data()));
    std::copy(entries.begin(), entries.begin() + n, palette_.begin());
    Changed();
}

void TBitmap::LoadFromPixels(const PixelBuffer& pixels) {
    if (pixels.Empty()) {
        Install(nullptr, nullptr, 0, 0, format_, {});
        return;
    }
    uint8_t* bits = nullptr;
    HBITMAP dib =
        MakeDib(pixels.Width(), pixels.Height(), pixels.BitCount(), pixels.Palette(), &bits);
    std::memcpy(bits, pixels.Bits().data(), pixels.Bits().size());
    Install(dib, bits, pixels.Width(), pixels.Height(), FormatOfBitCount(pixels.BitCount()),
            pixels.Palette());
}

TCanvas& TBitmap::Canvas() {
    if (!canvas_)
        canvas_ = std::make_unique<BitmapCanvas>(*this);
    return *canvas_;
}

TColor TBitmap::TransparentColor() const {
    if (transparentMode_ == TTransparentMode::tmFixed)
        return transparentColor_;
    if (!dib_)
        return clNone;
    GdiFlush();
    const PixelView view(bits_, width_, height_, BitCount(), palette_.data(),
                         static_cast<int>(palette_.size()));
    return view.ColorAt(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
    transparentColor_ = color;
    transparentMode_ = color == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
    if (mode == transparentMode_)
        return;
    transparentMode_ = mode;
    Changed();
}

void TBitmap::LoadFromBmpBytes(std::string_view bytes) {
    LoadFromPixels(DecodeBmp(bytes));
}

void TBitmap::LoadFromStream(TStream& stream) {
    const int64_t n = stream.Remaining();
    if (n <= 0)
        throw EBitmapError();
    std::string bytes(static_cast<size_t>(n), '\0');
    stream.ReadBuffer(bytes.data(), bytes.size());
    LoadFromBmpBytes(bytes);
}

void TBitmap::LoadFromFile(std::string_view fileName) {
    LoadFromBmpBytes(ReadFileBytes(fileName));
}

namespace {
// The bytes of a bitmap resource (a packed DIB), or nothing when the module has none.
std::optional<std::string_view> BitmapResource(HINSTANCE module, const wchar_t* name) {
    HRSRC res = FindResourceW(module, name, MAKEINTRESOURCEW(2) /* RT_BITMAP */);
    HGLOBAL data = res ? LoadResource(module, res) : nullptr;
    const void* p = data ? LockResource(data) : nullptr;
    if (!p)
        return std::nullopt;
    return std::string_view(static_cast<const char*>(p), SizeofResource(module, res));
}
} // namespace

bool TBitmap::LoadFromResource(HINSTANCE module, std::string_view name) {
    const auto bytes = BitmapResource(module, cp932::Wide(name).c_str());
    if (bytes)
        LoadFromPixels(DecodePackedDib(*bytes));
    return bytes.has_value();
}

bool TBitmap::LoadFromResourceId(HINSTANCE module, int id) {
    const auto bytes = BitmapResource(module, MAKEINTRESOURCEW(id));
    if (bytes)
        LoadFromPixels(DecodePackedDib(*bytes));
    return bytes.has_value();
}

std::string TBitmap::SaveToBmpBytes() {
    if (!dib_)
        throw EBitmapError();
    return EncodeBmp(Pixels());
}

void TBitmap::SaveToFile(std::string_view fileName) {
    WriteFileReplacing(fileName, SaveToBmpBytes());
}

void TBitmap::DrawTo(HDC dc, const TRect& r, DWORD copyMode) const {
    if (!dib_)
        return;
    HDC src = SourceContext();
    if (Transparent()) {
        TransparentBlt(dc, r.Left, r.Top, r.Width(), r.Height(), src, 0, 0, width_, height_,
                       static_cast<UINT>(ColorToRGB(TransparentColor())));
        return;
    }
    if (r.Width() == width_ && r.Height() == height_) {
        BitBlt(dc, r.Left, r.Top, width_, height_, src, 0, 0, copyMode);
        return;
    }
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, r.Left, r.Top, r.Width(), r.Height(), src, 0, 0, width_, height_, copyMode);
    SetStretchBltMode(dc, oldMode);
}

} // namespace forms
