#include "forms/gfx/Font.h"

#include "forms/base/Codepage.h"
#include "forms/gfx/DeviceContext.h"

#include <cmath>
#include <cstring>
#include <cwchar>

namespace forms {

namespace {
int ScreenPixelsPerInch() {
    static const int ppi = [] {
        const WindowDC screen;
        const int v = screen ? GetDeviceCaps(screen.Handle(), LOGPIXELSY) : 96;
        return v > 0 ? v : 96;
    }();
    return ppi;
}

// The whole face array is written, so that equal descriptions compare equal byte for byte.
void CopyFace(LOGFONTW& lf, std::wstring_view face) {
    std::wmemset(lf.lfFaceName, L'\0', LF_FACESIZE);
    const size_t n = std::min(face.size(), static_cast<size_t>(LF_FACESIZE - 1));
    std::wmemcpy(lf.lfFaceName, face.data(), n);
    lf.lfFaceName[n] = L'\0';
}
} // namespace

TFont::TFont() : pixelsPerInch_(ScreenPixelsPerInch()) {
    desc_.lfHeight = -12;
    desc_.lfWeight = FW_NORMAL;
    desc_.lfCharSet = DEFAULT_CHARSET;
    desc_.lfOutPrecision = OUT_DEFAULT_PRECIS;
    desc_.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    desc_.lfQuality = DEFAULT_QUALITY;
    desc_.lfPitchAndFamily = DEFAULT_PITCH;
    CopyFace(desc_, cp932::Wide("ＭＳ Ｐゴシック"));
}

TFont::TFont(const TFont& other)
    : desc_(other.desc_), color_(other.color_), pixelsPerInch_(other.pixelsPerInch_) {}

TFont& TFont::operator=(const TFont& other) {
    Assign(other);
    return *this;
}

TFont::~TFont() {
    FreeHandle();
}

std::string TFont::Name() const {
    return cp932::Narrow(desc_.lfFaceName);
}

void TFont::SetName(std::string_view name) {
    const std::wstring w = cp932::Wide(name);
    if (w == desc_.lfFaceName)
        return;
    CopyFace(desc_, w);
    Changed(true);
}

void TFont::SetHeight(int height) {
    if (height == desc_.lfHeight)
        return;
    desc_.lfHeight = height;
    Changed(true);
}

int TFont::Size() const {
    return -static_cast<int>(std::lround(desc_.lfHeight * 72.0 / pixelsPerInch_));
}

void TFont::SetSize(int points) {
    SetHeight(-static_cast<int>(std::lround(points * pixelsPerInch_ / 72.0)));
}

TFontStyles TFont::Style() const {
    TFontStyles s = 0;
    if (desc_.lfWeight >= FW_BOLD)
        s |= fsBold;
    if (desc_.lfItalic)
        s |= fsItalic;
    if (desc_.lfUnderline)
        s |= fsUnderline;
    if (desc_.lfStrikeOut)
        s |= fsStrikeOut;
    return s;
}

void TFont::SetStyle(TFontStyles style) {
    if (style == Style())
        return;
    desc_.lfWeight = (style & fsBold) ? FW_BOLD : FW_NORMAL;
    desc_.lfItalic = (style & fsItalic) ? 1 : 0;
    desc_.lfUnderline = (style & fsUnderline) ? 1 : 0;
    desc_.lfStrikeOut = (style & fsStrikeOut) ? 1 : 0;
    Changed(true);
}

void TFont::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    Changed(false);
}

void TFont::SetCharset(uint8_t charset) {
    if (charset == desc_.lfCharSet)
        return;
    desc_.lfCharSet = charset;
    Changed(true);
}

void TFont::SetOrientation(int tenths) {
    if (tenths == desc_.lfEscapement && tenths == desc_.lfOrientation)
        return;
    desc_.lfEscapement = tenths;
    desc_.lfOrientation = tenths;
    Changed(true);
}

HFONT TFont::Handle() const {
    if (!handle_)
        handle_ = CreateFontIndirectW(&desc_);
    return handle_;
}

void TFont::SetHandle(HFONT font) {
    if (font == handle_)
        return;
    LOGFONTW lf{};
    if (!font || GetObjectW(font, sizeof lf, &lf) != sizeof lf) {
        // Taken over all the same: a handle that is no font is let go, not leaked.
        if (font)
            DeleteObject(font);
        return;
    }
    FreeHandle();
    CopyFace(lf, std::wstring(lf.lfFaceName, wcsnlen(lf.lfFaceName, LF_FACESIZE)));
    desc_ = lf;
    handle_ = font;
    if (OnChange)
        OnChange();
}

void TFont::Assign(const TFont& source) {
    if (&source == this || SameAs(source))
        return;
    const bool handleChanges = std::memcmp(&desc_, &source.desc_, sizeof desc_) != 0;
    desc_ = source.desc_;
    color_ = source.color_;
    Changed(handleChanges);
}

bool TFont::SameAs(const TFont& other) const {
    return color_ == other.color_ && std::memcmp(&desc_, &other.desc_, sizeof desc_) == 0;
}

void TFont::Changed(bool handleChanges) {
    if (handleChanges)
        FreeHandle();
    if (OnChange)
        OnChange();
}

void TFont::FreeHandle() const {
    if (!handle_)
        return;
    if (releaseHook_)
        releaseHook_();
    DeleteObject(handle_);
    handle_ = nullptr;
}

HFONT CreateRotatedFont(const TFont& font, int angle) {
    LOGFONTW lf = font.Description();
    lf.lfEscapement = angle * 10;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = 0;
    return CreateFontIndirectW(&lf);
}

} // namespace forms
