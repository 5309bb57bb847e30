#include "shared/SkinDrawing.h"

#include "forms/gfx/Bitmap.h"

#include <memory>

using forms::TBitmap;
using forms::TCanvas;
using forms::TRect;

namespace {

bool Present(const TBitmap* bitmap) {
    return bitmap && !bitmap->Empty();
}

// Copies between canvases in plain source-copy mode, whatever mode the canvas is in.
class SourceCopyMode {
public:
    explicit SourceCopyMode(TCanvas& canvas) : canvas_(canvas), saved_(canvas.CopyMode()) {
        canvas.SetCopyMode(SRCCOPY);
    }
    ~SourceCopyMode() { canvas_.SetCopyMode(saved_); }
    SourceCopyMode(const SourceCopyMode&) = delete;
    SourceCopyMode& operator=(const SourceCopyMode&) = delete;

private:
    TCanvas& canvas_;
    DWORD saved_;
};

void MakeTransparent(TBitmap& bitmap) {
    bitmap.SetTransparentMode(forms::TTransparentMode::tmAuto);
    bitmap.SetTransparent(true);
}

// The cell as a bitmap of its own, or nothing when it is refused.
std::unique_ptr<TBitmap> CellBitmap(TBitmap* strip, int index, int count, bool transparent) {
    if (!Present(strip))
        return nullptr;
    const auto cell = StripCellRect(strip->Width(), strip->Height(), index, count);
    if (!cell)
        return nullptr;
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromPixels(forms::CopyPixels(strip->Pixels(), *cell));
    if (transparent)
        MakeTransparent(*bitmap);
    return bitmap;
}

} // namespace

bool CopyStripCell(TBitmap* dest, TBitmap* strip, int index, int count) {
    if (!Present(dest) || !Present(strip))
        return false;
    return CopyStripCell(dest->Pixels(), strip->Pixels(), index, count);
}

bool DrawStripCell(TCanvas& canvas, int x, int y, TBitmap* strip, int index, int count) {
    if (!Present(strip))
        return false;
    const auto cell = StripCellRect(strip->Width(), strip->Height(), index, count);
    if (!cell)
        return false;
    SourceCopyMode mode(canvas);
    canvas.CopyRect(forms::Bounds(x, y, cell->Width(), cell->Height()), strip->Canvas(), *cell);
    return true;
}

void DrawStripCellIn(TCanvas& canvas, int index, int count, TBitmap* strip, int boxW, int boxH,
                     bool stretch, bool transparent) {
    const auto cell = CellBitmap(strip, index, count, transparent);
    if (!cell)
        return;
    if (stretch) {
        if (boxW > 0 && boxH > 0)
            canvas.StretchDraw(forms::Rect(0, 0, boxW, boxH), *cell);
        return;
    }
    canvas.Brush().SetStyle(forms::TBrushStyle::bsClear);
    canvas.Draw((boxW - cell->Width()) / 2, (boxH - cell->Height()) / 2, *cell);
}

void DrawStripCellStretched(TCanvas& canvas, int index, int count, TBitmap* bitmap, const TRect& r,
                            bool transparent) {
    const auto cell = CellBitmap(bitmap, index, count, transparent);
    if (cell && !r.IsEmpty())
        canvas.StretchDraw(r, *cell);
}

void DrawThreeSlice(TCanvas& canvas, TBitmap* skin, const TRect& rect, int leftW, int rightW) {
    if (!Present(skin))
        return;
    SourceCopyMode mode(canvas);
    for (const TSliceCopy& c : ThreeSliceCopies(skin->Width(), skin->Height(), rect, leftW, rightW))
        canvas.CopyRect(c.Target, skin->Canvas(), c.Source);
}

void FillThreeSlice(TBitmap* dest, TBitmap* skin, int leftW, int rightW) {
    if (Present(dest) && Present(skin))
        FillThreeSlice(dest->Pixels(), skin->Pixels(), leftW, rightW);
}

void DrawSkinPart(TCanvas& canvas, TBitmap* skin, const TRect& rect, int leftW, int rightW,
                  int angle, bool transparent) {
    if (!Present(skin))
        return;
    const forms::PixelBuffer part =
        ComposeSkinPart(skin->Pixels(), rect.Width(), rect.Height(), leftW, rightW, angle);
    if (part.Empty())
        return;
    TBitmap work;
    work.LoadFromPixels(part);
    if (transparent)
        MakeTransparent(work);
    canvas.Draw(rect.Left, rect.Top, work);
}

void DrawSkinPartRotated(TCanvas& canvas, TBitmap* bitmap, const TRect& r, bool transparent,
                         int angle) {
    if (!Present(bitmap))
        return;
    const forms::PixelBuffer composed =
        ComposeRotatedSkin(bitmap->Pixels(), r.Width(), r.Height(), angle, canvas.BrushColor());
    if (composed.Empty())
        return;
    TBitmap target;
    target.LoadFromPixels(composed);
    DrawComposedSkin(canvas, target, r, transparent);
}

void DrawComposedSkin(TCanvas& canvas, TBitmap& target, const TRect& r, bool transparent) {
    if (transparent)
        MakeTransparent(target);
    canvas.Draw(r.Left, r.Top, target);
}
