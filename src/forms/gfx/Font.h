#pragma once
// Fonts: a description (face, pixel height, style, character set, rotation) with an owned font
// handle made from it on demand. The colour is kept beside the description, outside the handle.
#include "forms/base/Color.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace forms {

using TFontStyles = uint8_t;
constexpr TFontStyles fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8;

class TFont {
public:
    // "ＭＳ Ｐゴシック", height -12, default character set, window-text colour.
    TFont();
    TFont(const TFont& other);
    TFont& operator=(const TFont& other);
    ~TFont();

    [[nodiscard]] std::string Name() const;
    void SetName(std::string_view name);
    // Pixels; negative for the character height without leading.
    [[nodiscard]] int Height() const { return desc_.lfHeight; }
    void SetHeight(int height);
    // Points: Height = -round(Size * PixelsPerInch / 72).
    [[nodiscard]] int Size() const;
    void SetSize(int points);
    [[nodiscard]] TFontStyles Style() const;
    void SetStyle(TFontStyles style);
    [[nodiscard]] TColor Color() const { return color_; }
    void SetColor(TColor color);
    [[nodiscard]] uint8_t Charset() const { return desc_.lfCharSet; }
    void SetCharset(uint8_t charset);
    // Rotation in tenths of a degree, counter-clockwise (escapement and orientation).
    [[nodiscard]] int Orientation() const { return desc_.lfEscapement; }
    void SetOrientation(int tenths);
    [[nodiscard]] int PixelsPerInch() const { return pixelsPerInch_; }

    // The font handle, owned by this object; made when first asked for after a change.
    HFONT Handle() const;
    // Takes over a font handle (a rotated font, say): its description becomes this font's, and the
    // previous handle is deleted. A handle whose description cannot be read changes nothing and
    // is deleted too.
    void SetHandle(HFONT font);
    // Copies the description and colour; the handle is never shared.
    void Assign(const TFont& source);
    [[nodiscard]] bool SameAs(const TFont& other) const;
    [[nodiscard]] const LOGFONTW& Description() const { return desc_; }

    std::function<void()> OnChange;

    // Called just before the handle is deleted, so that a device context can let go of it.
    void SetReleaseHook(std::function<void()> hook) { releaseHook_ = std::move(hook); }

private:
    void Changed(bool handleChanges);
    void FreeHandle() const;

    LOGFONTW desc_{};
    TColor color_ = clWindowText;
    int pixelsPerInch_ = 96;
    mutable HFONT handle_ = nullptr;
    std::function<void()> releaseHook_;
};

// A new font handle of the font's description turned by angle degrees (escapement angle x 10,
// default character set, precisions and quality, pitch and family 0, orientation kept). The
// caller owns it.
HFONT CreateRotatedFont(const TFont& font, int angle);

} // namespace forms
