#include "shared/BitmapEffects.h"

namespace {
std::unique_ptr<forms::TBitmap> BitmapOf(const forms::PixelBuffer& pixels) {
    auto bitmap = std::make_unique<forms::TBitmap>();
    bitmap->LoadFromPixels(pixels);
    return bitmap;
}
} // namespace

std::unique_ptr<forms::TBitmap> RemapBitmap(forms::TBitmap& source, int newWidth, int newHeight,
                                            TRemapFunc map, forms::TColor fillColor,
                                            const void* data) {
    return BitmapOf(RemapPixels(source.Pixels(), newWidth, newHeight, map, fillColor, data));
}

std::unique_ptr<forms::TBitmap> RotateBitmap(forms::TBitmap& bitmap, int mode) {
    return BitmapOf(RotatePixels(bitmap.Pixels(), mode));
}

void DrawGraphicHalf(forms::TCanvas& canvas, int x, int y, const forms::TGraphic& graphic,
                     bool transparent) {
    const int w = graphic.Width(), h = graphic.Height();
    if (graphic.Empty() || w <= 0 || h <= 0)
        return;
    forms::TBitmap background;
    background.SetPixelFormat(forms::TPixelFormat::pf24bit);
    background.SetSize(w, h);
    background.Canvas().CopyRect(forms::Rect(0, 0, w, h), canvas, forms::Bounds(x, y, w, h));
    // The graphic over a copy of the background, so that its own transparency shows it.
    forms::TBitmap picture;
    picture.Assign(background);
    picture.Canvas().Draw(0, 0, graphic);
    BlendHalf(picture.Pixels(), background.Pixels());
    if (transparent) {
        picture.SetTransparentMode(forms::TTransparentMode::tmAuto);
        picture.SetTransparent(true);
    }
    canvas.Draw(x, y, picture);
}
