#include "qvtcfg/StylePreview.h"

#include "qvtcfg/StylePreviewPaint.h"

#include "shared/LaunchShell.h"
#include "shared/SkinDrawing.h"
#include "shared/StyleFile.h"

#include "forms/gfx/Icon.h"

#include <optional>

using forms::TBitmap;
using forms::TCanvas;
using forms::TRect;

namespace {

// The preview's steps carried out on a paint box's canvas with the editor's glyph bitmaps.
class TCanvasSurface final : public TPreviewSurface {
public:
    TCanvasSurface(TCanvas& canvas, TPreviewGlyphs& glyphs) : canvas_(canvas), glyphs_(glyphs) {}

    forms::TPainter& Painter() override { return canvas_; }

    forms::TSize BoxTextExtent(std::string_view text) override { return canvas_.TextExtent(text); }
    forms::TSize TextExtent(const TPreviewFont& font, std::string_view text) override {
        UseFont(font);
        return canvas_.TextExtent(text);
    }
    void WriteText(const TPreviewFont& font, forms::TPoint at, const std::optional<TRect>& clip,
                   std::string_view text) override {
        UseFont(font);
        if (clip)
            canvas_.TextRect(*clip, at.X, at.Y, text);
        else
            canvas_.TextOutAt(at.X, at.Y, text);
    }
    void WriteTextIn(const TPreviewFont& font, const TRect& r, std::string_view text) override {
        UseFont(font);
        TRect box = r;
        canvas_.DrawTextIn(text, box, DT_WORDBREAK | DT_NOPREFIX);
    }

    void LoadGlyphs(const std::string& styleFile, const std::vector<int>& items) override {
        std::vector<TBitmap*> bitmaps;
        for (size_t i = 0; i < items.size(); ++i)
            bitmaps.push_back(&glyphs_.at(i));
        LoadStyleGlyphs(styleFile, items, false, bitmaps);
    }
    forms::PixelView GlyphPixels(int glyph) override {
        TBitmap& bitmap = Glyph(glyph);
        return bitmap.Empty() ? forms::PixelView() : bitmap.Pixels();
    }
    void StripCellStretched(int glyph, int index, int count, const TRect& r,
                            bool transparent) override {
        DrawStripCellStretched(canvas_, index, count, &Glyph(glyph), r, transparent);
    }
    void SkinPartRotated(int glyph, const TRect& r, bool transparent, int angle) override {
        DrawSkinPartRotated(canvas_, &Glyph(glyph), r, transparent, angle);
    }
    void StripCellSkin(int glyph, int index, int count, const TRect& r, bool transparent) override {
        TBitmap& strip = Glyph(glyph);
        const std::optional<TRect> cell =
            StripCellRect(strip.Width(), strip.Height(), index, count);
        if (!cell)
            return;
        TBitmap part(cell->Width(), cell->Height());
        if (CopyStripCell(&part, &strip, index, count))
            DrawSkinPart(canvas_, &part, r, 0, 0, 0, transparent);
    }
    void Picture(const forms::PixelBuffer& picture, forms::TPoint at, bool transparent) override {
        TBitmap bitmap;
        bitmap.LoadFromPixels(picture);
        bitmap.SetTransparentMode(forms::TTransparentMode::tmAuto);
        bitmap.SetTransparent(transparent);
        canvas_.Draw(at.X, at.Y, bitmap);
    }
    void ProgramIcon(const std::string& programFile, forms::TPoint at) override {
        // Freed when drawn: a paint keeps no icon.
        forms::TIcon icon;
        TakeIcon(LocalShell().FileIcon(programFile, 0), icon);
        canvas_.DrawIconAt(at.X, at.Y, icon);
    }

private:
    TBitmap& Glyph(int glyph) { return glyphs_.at(static_cast<size_t>(glyph)); }

    void UseFont(const TPreviewFont& f) {
        forms::TFont& font = canvas_.Font();
        font.SetName(f.Name);
        font.SetSize(f.Size);
        font.SetStyle(static_cast<forms::TFontStyles>((f.Bold ? forms::fsBold : 0) |
                                                      (f.Italic ? forms::fsItalic : 0)));
        font.SetColor(f.Color);
    }

    TCanvas& canvas_;
    TPreviewGlyphs& glyphs_;
};

} // namespace

void PaintLauncherPreview(TCanvas& canvas, const TRect& box, const TStylePreviewInput& input,
                          TPreviewGlyphs& glyphs) {
    TCanvasSurface surface(canvas, glyphs);
    PaintLauncherModel(surface, box, input, forms::Now());
}

void PaintHintSample(TCanvas& canvas, const TRect& r, int x, int y, const TStylePreviewInput& input,
                     TPreviewGlyphs& glyphs) {
    TCanvasSurface surface(canvas, glyphs);
    PaintHintSampleOn(surface, r, x, y, input);
}
