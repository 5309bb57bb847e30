#include "shared/Drawing.h"

HFONT GetEdgeFont(const forms::TFont& font, TTabEdgePosition edge) {
    const bool vertical = edge == teLeft || edge == teRight;
    return forms::CreateRotatedFont(font, vertical ? -90 : 0);
}

void DrawRotatedBitmap(forms::TCanvas& canvas, int x, int y, int angle, forms::TBitmap* bitmap,
                       forms::TColor backColor) {
    if (!bitmap || bitmap->Empty())
        return;
    const forms::PixelBuffer turned = RotatePixelsByAngle(bitmap->Pixels(), angle, backColor);
    if (turned.Empty())
        return;
    forms::TBitmap picture;
    picture.LoadFromPixels(turned);
    canvas.Draw(x, y, picture);
}
