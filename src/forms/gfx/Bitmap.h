#pragma once
// Bitmaps: always a top-down DIB section of 1, 4, 8, 16 (5-5-5), 24 or 32 bits per pixel ("device"
// means 32), with a canvas on its own memory context. Loading validates the data portably first.
#include "forms/gfx/Canvas.h"
#include "forms/gfx/PixelBuffer.h"

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

class TStream;

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf16bit, pf24bit, pf32bit };
enum class TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int width, int height);
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;
    ~TBitmap() override;

    [[nodiscard]] int Width() const override { return width_; }
    [[nodiscard]] int Height() const override { return height_; }
    [[nodiscard]] bool Empty() const override { return dib_ == nullptr; }
    // The picture keeps what fits; new parts are white. A size of 0 empties the bitmap.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }

    [[nodiscard]] TPixelFormat PixelFormat() const { return format_; }
    void SetPixelFormat(TPixelFormat format);
    [[nodiscard]] int BitCount() const;

    // A deep copy of the picture, format, palette and transparency; marks this bitmap modified.
    void Assign(const TBitmap& source);

    // The first byte of a row (top row 0); EListIndexError outside the picture.
    uint8_t* ScanLine(int row);
    // The pixels in place, after pending drawing has reached them.
    [[nodiscard]] PixelView Pixels();
    [[nodiscard]] std::vector<RgbQuad> Palette() const;
    void SetPalette(const std::vector<RgbQuad>& entries);
    // Replaces the picture by a copy of the buffer's pixels and palette.
    void LoadFromPixels(const PixelBuffer& pixels);

    TCanvas& Canvas();

    // Transparent colour: the bottom-left pixel (tmAuto) or a fixed colour.
    [[nodiscard]] TColor TransparentColor() const;
    void SetTransparentColor(TColor color);
    [[nodiscard]] TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode mode);

    // A whole .bmp file; EBitmapError "ビットマップイメージが不正です" for anything invalid, and
    // then the bitmap is unchanged.
    void LoadFromBmpBytes(std::string_view bytes);
    void LoadFromStream(TStream& stream);
    void LoadFromFile(std::string_view fileName);
    // A bitmap resource of the module; false when it is missing (EBitmapError when invalid).
    bool LoadFromResource(HINSTANCE module, std::string_view name);
    bool LoadFromResourceId(HINSTANCE module, int id);
    [[nodiscard]] std::string SaveToBmpBytes();
    void SaveToFile(std::string_view fileName);

    [[nodiscard]] HBITMAP Handle() const { return dib_; }
    void DrawTo(HDC dc, const TRect& r, DWORD copyMode) const override;

private:
    class BitmapCanvas;
    HBITMAP MakeDib(int width, int height, int bitCount, const std::vector<RgbQuad>& palette,
                    uint8_t** bits) const;
    void Install(HBITMAP dib, uint8_t* bits, int width, int height, TPixelFormat format,
                 std::vector<RgbQuad> palette);
    HDC SourceContext() const;

    HBITMAP dib_ = nullptr;
    uint8_t* bits_ = nullptr;
    int width_ = 0, height_ = 0;
    TPixelFormat format_ = TPixelFormat::pfDevice;
    TTransparentMode transparentMode_ = TTransparentMode::tmAuto;
    TColor transparentColor_ = clNone;
    std::vector<RgbQuad> palette_; // as the DIB holds it, for up to 8 bits
    std::unique_ptr<BitmapCanvas> canvas_;
};

[[nodiscard]] int BitCountOf(TPixelFormat format);
[[nodiscard]] TPixelFormat FormatOfBitCount(int bitCount);

} // namespace forms
