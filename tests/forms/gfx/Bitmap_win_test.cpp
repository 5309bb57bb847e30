#include "forms/gfx/Bitmap.h"

#include "forms/base/Exceptions.h"
#include "forms/gfx/BmpFormat.h"

#include <gtest/gtest.h>

using namespace forms;

TEST(Bitmap, NewBitmapIsEmptyDeviceFormat) {
    TBitmap b;
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.PixelFormat(), TPixelFormat::pfDevice);
    EXPECT_EQ(b.BitCount(), 32);
}

TEST(Bitmap, GrowingKeepsThePictureAndPaintsNewPartsWhite) {
    TBitmap b(4, 4);
    b.Canvas().Brush().SetColor(clRed);
    b.Canvas().FillRect(Rect(0, 0, 4, 4));
    b.SetSize(8, 6);
    EXPECT_EQ(b.Width(), 8);
    EXPECT_EQ(b.Canvas().Pixels(3, 3), clRed);
    EXPECT_EQ(b.Canvas().Pixels(6, 5), clWhite);
    b.SetSize(0, 6);
    EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, PixelFormatChangeKeepsColours) {
    TBitmap b(3, 3);
    b.Canvas().Brush().SetColor(clBlue);
    b.Canvas().FillRect(Rect(0, 0, 3, 3));
    for (TPixelFormat f : {TPixelFormat::pf24bit, TPixelFormat::pf16bit, TPixelFormat::pf8bit,
                           TPixelFormat::pf4bit}) {
        b.SetPixelFormat(f);
        EXPECT_EQ(b.Pixels().ColorAt(1, 1), clBlue) << BitCountOf(f);
    }
    b.SetPixelFormat(TPixelFormat::pf1bit);
    EXPECT_EQ(b.Pixels().BitCount(), 1);
}

TEST(Bitmap, ScanLineIsTopDownAndChecked) {
    TBitmap b;
    b.SetPixelFormat(TPixelFormat::pf24bit);
    b.SetSize(2, 3);
    uint8_t* top = b.ScanLine(0);
    top[0] = 0xFF; // blue of pixel (0, 0)
    top[1] = 0;
    top[2] = 0;
    EXPECT_EQ(b.Canvas().Pixels(0, 0), clBlue);
    EXPECT_EQ(b.ScanLine(1) - top, 8);
    EXPECT_THROW(b.ScanLine(3), EListIndexError);
    EXPECT_THROW(b.ScanLine(-1), EListIndexError);
}

TEST(Bitmap, AssignIsADeepCopyAndMarksModified) {
    TBitmap a(4, 4), b;
    a.Canvas().Brush().SetColor(clLime);
    a.Canvas().FillRect(Rect(0, 0, 4, 4));
    a.SetTransparent(true);
    b.SetModified(false);
    b.Assign(a);
    EXPECT_TRUE(b.Modified());
    EXPECT_TRUE(b.Transparent());
    EXPECT_NE(b.Handle(), a.Handle());
    a.Canvas().Brush().SetColor(clRed);
    a.Canvas().FillRect(Rect(0, 0, 4, 4));
    EXPECT_EQ(b.Canvas().Pixels(1, 1), clLime);
}

TEST(Bitmap, AutomaticTransparentColourIsBottomLeftPixel) {
    TBitmap b(3, 3);
    b.Canvas().SetPixel(0, 2, clFuchsia);
    EXPECT_EQ(b.TransparentColor(), clFuchsia);
    b.SetTransparentColor(clAqua);
    EXPECT_EQ(b.TransparentMode(), TTransparentMode::tmFixed);
    EXPECT_EQ(b.TransparentColor(), clAqua);
}

TEST(Bitmap, BmpBytesRoundTrip) {
    TBitmap a;
    a.SetPixelFormat(TPixelFormat::pf24bit);
    a.SetSize(5, 3);
    a.Canvas().SetPixel(4, 2, clRed);
    const std::string bytes = a.SaveToBmpBytes();
    TBitmap b;
    b.LoadFromBmpBytes(bytes);
    EXPECT_EQ(b.Width(), 5);
    EXPECT_EQ(b.Height(), 3);
    EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(b.Canvas().Pixels(4, 2), clRed);
    EXPECT_EQ(b.Canvas().Pixels(0, 0), clWhite);
}

TEST(Bitmap, PalettedBmpKeepsPaletteAndDepth) {
    PixelBuffer p(2, 1, 8);
    p.Palette()[3] = RgbQuadFromColor(clTeal);
    p.View().SetRaw(1, 0, 3);
    TBitmap b;
    b.LoadFromBmpBytes(EncodeBmp(p.View()));
    EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_EQ(b.Canvas().Pixels(1, 0), clTeal);
    EXPECT_EQ(b.Palette()[3], RgbQuadFromColor(clTeal));
}

TEST(Bitmap, InvalidBmpRaisesAndLeavesTheBitmapAlone) {
    TBitmap b(2, 2);
    b.Canvas().SetPixel(0, 0, clRed);
    try {
        b.LoadFromBmpBytes("BM not a bitmap");
        FAIL() << "no error";
    } catch (const EBitmapError& e) {
        EXPECT_EQ(e.Message(), "ビットマップイメージが不正です");
    }
    EXPECT_EQ(b.Width(), 2);
    EXPECT_EQ(b.Canvas().Pixels(0, 0), clRed);
}

TEST(Bitmap, MissingResourceIsReported) {
    TBitmap b;
    EXPECT_FALSE(b.LoadFromResource(GetModuleHandleW(nullptr), "NOSUCHBITMAP"));
    EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, ResizingAndDrawingDoNotGrowGdiObjects) {
    auto count = [] { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); };
    TBitmap b(2, 2), glyph(3, 3);
    (void)b.Canvas().Handle();
    const DWORD before = count();
    for (int i = 1; i < 60; ++i) {
        b.SetSize(i, i);
        glyph.SetTransparent(i % 2 == 0);
        b.Canvas().Draw(0, 0, glyph);
    }
    EXPECT_LE(count(), before + 1);
}
