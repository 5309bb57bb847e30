#pragma once
// The title bar's look: its colours, whether a skin strip paints it instead, and the strip. The
// main form owns one; loading a style and the custom colours write it, painting the title bar
// reads it.
#include "forms/base/Color.h"
#include "forms/gfx/Bitmap.h"

#include <cstdint>
#include <memory>

class TTitleBarStyle {
public:
    forms::TColor Color = 0x00CCE1E6;        // face
    forms::TColor TopLineColor = 0x00EEFFFF; // light edge
    forms::TColor BtmLineColor = 0x0099A8AC; // dark edge
    // The skin's rotation; only the horizontal title bar exists, so it stays 0.
    int Angle = 0;
    // The skin is drawn leaving out its transparent colour.
    bool Transparent = false;
    // The skin strip paints the title bar instead of the colours.
    bool UseGlyph = false;
    // 0: the horizontal title bar (the only one laid out).
    uint8_t Orientation = 0;
    // The skin strip.
    std::unique_ptr<forms::TBitmap> Glyph = std::make_unique<forms::TBitmap>();
};
