// The system draws caption buttons, scroll arrows, check marks and combo-box arrows with glyphs of
// the Marlett font: without it a form's caption shows the letters "0", "1" and "r" instead of its
// buttons. Every machine that runs the programs (and the test prefix) must have it.
#include "forms/gfx/DeviceContext.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

TEST(SystemFonts, MarlettIsThereWithItsButtonGlyphs) {
    const forms::GdiObject<HFONT> font(CreateFontW(
        -16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SYMBOL_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Marlett"));
    ASSERT_TRUE(font);
    const forms::MemoryDC dc;
    const forms::SelectedObject selected(dc.Handle(), font.Handle());
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc.Handle(), LF_FACESIZE, face);
    EXPECT_EQ(std::wstring(face), L"Marlett");
    // Minimise, maximise, close.
    WORD glyphs[3] = {};
    ASSERT_EQ(GetGlyphIndicesW(dc.Handle(), L"01r", 3, glyphs, GGI_MARK_NONEXISTING_GLYPHS), 3u);
    for (WORD g : glyphs)
        EXPECT_NE(g, 0xFFFF);
}
