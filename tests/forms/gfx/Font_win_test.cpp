#include "forms/gfx/Font.h"

#include <gtest/gtest.h>

using namespace forms;

TEST(Font, DefaultsToMsPGothicTwelvePixels) {
    TFont f;
    EXPECT_EQ(f.Name(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(f.Height(), -12);
    EXPECT_EQ(f.Size(), 9);
    EXPECT_EQ(f.Color(), clWindowText);
    EXPECT_EQ(f.Style(), 0);
}

TEST(Font, SizeInPointsSetsHeightAtScreenDensity) {
    TFont f;
    ASSERT_EQ(f.PixelsPerInch(), 96);
    f.SetSize(12);
    EXPECT_EQ(f.Height(), -16);
    f.SetHeight(-11);
    EXPECT_EQ(f.Size(), 8);
}

TEST(Font, ChangeEventFiresOnlyForRealChanges) {
    TFont f;
    int changes = 0;
    f.OnChange = [&] { ++changes; };
    f.SetName("ＭＳ Ｐゴシック");
    f.SetHeight(-12);
    EXPECT_EQ(changes, 0);
    f.SetStyle(fsBold | fsItalic);
    f.SetColor(clRed);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(f.Style(), fsBold | fsItalic);
}

TEST(Font, ColourChangeKeepsTheHandle) {
    TFont f;
    HFONT h = f.Handle();
    f.SetColor(clRed);
    EXPECT_EQ(f.Handle(), h);
    f.SetCharset(SHIFTJIS_CHARSET);
    EXPECT_NE(f.Handle(), nullptr);
}

TEST(Font, AssignCopiesDescriptionNotHandle) {
    TFont a, b;
    a.SetName("Arial");
    a.SetHeight(-20);
    a.SetColor(clBlue);
    b.Assign(a);
    EXPECT_TRUE(b.SameAs(a));
    EXPECT_EQ(b.Name(), "Arial");
    EXPECT_NE(b.Handle(), a.Handle());
}

TEST(Font, RotatedFontKeepsFaceAndTurnsEscapement) {
    TFont f;
    f.SetName("Arial");
    f.SetHeight(-14);
    HFONT h = CreateRotatedFont(f, -90);
    LOGFONTW lf{};
    ASSERT_EQ(GetObjectW(h, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfEscapement, -900);
    EXPECT_EQ(lf.lfHeight, -14);
    EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(std::wstring(lf.lfFaceName), L"Arial");
    DeleteObject(h);
}

TEST(Font, ReplacedAndRefusedHandlesAreDeleted) {
    // GetGuiResources counts nothing under Wine: ask the handles themselves.
    TFont f;
    f.SetName("Arial");
    HFONT first = CreateRotatedFont(f, 90);
    f.SetHandle(first);
    f.SetHandle(CreateRotatedFont(f, -90));
    EXPECT_EQ(GetObjectType(first), 0u);
    HBRUSH notAFont = CreateSolidBrush(RGB(1, 2, 3));
    f.SetHandle(reinterpret_cast<HFONT>(notAFont));
    EXPECT_EQ(GetObjectType(notAFont), 0u);
    EXPECT_EQ(f.Orientation(), -900);
    EXPECT_EQ(f.Name(), "Arial");
}

TEST(Font, AdoptedHandleBecomesTheDescriptionAndOldOnesAreFreed) {
    TFont f;
    f.SetName("Arial");
    auto count = [] { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); };
    f.SetHandle(CreateRotatedFont(f, 90));
    EXPECT_EQ(f.Orientation(), 900);
    const DWORD before = count();
    for (int i = 0; i < 100; ++i)
        f.SetHandle(CreateRotatedFont(f, i % 2 ? 90 : -90));
    EXPECT_LE(count(), before);
    EXPECT_EQ(f.Name(), "Arial");
    TFont copy;
    copy.Assign(f);
    EXPECT_EQ(copy.Orientation(), f.Orientation());
}
