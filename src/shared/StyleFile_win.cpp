#include "shared/StyleFile.h"

#include "forms/gfx/Bitmap.h"

#include <stdexcept>

bool LoadStyleGlyphs(std::string_view fileName, const std::vector<int>& items, bool check,
                     const std::vector<forms::TBitmap*>& bitmaps) {
    if (bitmaps.size() != items.size())
        throw std::invalid_argument("LoadStyleGlyphs: one bitmap per item");
    for (const forms::TBitmap* bitmap : bitmaps)
        if (bitmap == nullptr)
            throw std::invalid_argument("LoadStyleGlyphs: missing bitmap");
    // The bitmap validates the item before it changes, so a bad glyph leaves it as it was.
    return ReadStyleGlyphs(fileName, items, check, [&bitmaps](size_t i, std::string_view bmp) {
        bitmaps[i]->LoadFromBmpBytes(bmp);
    });
}
