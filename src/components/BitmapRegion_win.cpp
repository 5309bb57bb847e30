#include "components/BitmapRegion.h"

forms::TRegion BitmapToRegion(forms::TBitmap* bitmap, forms::TColor transparentColor) {
    if (!bitmap || bitmap->Empty())
        return {};
    return forms::TRegion::FromRects(BitmapRegionRuns(bitmap->Pixels(), transparentColor));
}
