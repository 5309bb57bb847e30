// The style files: the container, the style test and text, and the glyph bitmaps the text names,
// read as the programs read them. Damage gives false or the documented errors, nothing else.
#include "FuzzTarget.h"

#include "forms/base/Exceptions.h"
#include "forms/gfx/BmpFormat.h"
#include "shared/StyleFile.h"

using namespace forms;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fuzz::ScratchFile scratch(".sti");
    const std::string& file = scratch.Write(fuzz::Bytes(data, size));
    const bool isStyle = IsStyleFile(file, kStyleMaxVersion);
    TStiData style;
    try {
        FUZZ_CHECK(LoadStyleFile(file, style) == isStyle);
    } catch (const EConversionError&) {
        FUZZ_CHECK(isStyle);
    }
    if (!isStyle)
        return 0;
    const std::vector<int> glyphs{
        style.LockBtn.GlyphIndex, style.WizBtn.GlyphIndex, style.CloseBtn.GlyphIndex,
        style.BtnBar.GlyphIndex,  style.Tab.GlyphIndex,    style.TitleBar.GlyphIndex,
        style.SubForm.GlyphH,     style.SubForm.GlyphV,    style.SubForm.Glyph,
        style.Form.GlyphH,        style.Form.GlyphV,       style.Form.Glyph};
    try {
        ReadStyleGlyphs(file, glyphs, false, [](size_t, std::string_view bmp) {
            try {
                DecodeBmp(bmp);
            } catch (const EBitmapError&) {
            }
        });
    } catch (const EStreamReadError&) {
    }
    return 0;
}
