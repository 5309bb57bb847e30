// The style editor's preview painted for real: on a bitmap's canvas and on a paint box, with the
// style files shipped beside the programs and with made ones.
#include "qvtcfg/StylePreview.h"

#include "PreviewTesting.h"

#include "shared/StyleFile.h"
#include "support/BitmapTesting.h"
#include "support/WinTest.h"

#include "forms/base/Exceptions.h"
#include "forms/win/PaintBox.h"

#include <gtest/gtest.h>

#include <memory>

using namespace forms;
using namespace previewtest;
using bitmaptesting::All;

namespace {

const TRect kBox{0, 0, 240, 148};
// A colour that no style here holds: what the canvas showed before the paint.
constexpr TColor kSentinel = 0x00123456;

TColor Rgb(TColor c) {
    return static_cast<TColor>(ColorToRGB(c));
}

// The same as the screen reads it.
COLORREF OnScreen(TColor c) {
    return ColorToRGB(c);
}

std::string Shipped(const std::string& name) {
    return kbtest::ProgramFolder() + name;
}

TStiData Loaded(const std::string& path) {
    TStiData s;
    LoadStyleFile(path, s);
    return s;
}

TStylePreviewInput ShippedInput(const std::string& name, int type) {
    TStylePreviewInput in = InputFor(Shipped(name), type);
    in.LauncherFolder.clear();
    return in;
}

class StylePreviewWin : public WinTest {
protected:
    // The launcher model painted onto a fresh bitmap that showed the sentinel.
    std::unique_ptr<TBitmap> Painted(const TStylePreviewInput& in) {
        auto b = bitmaptesting::Plain(240, 148, kSentinel);
        PaintLauncherPreview(b->Canvas(), kBox, in, glyphs);
        return b;
    }
    // The hint sample alone onto a fresh bitmap of the editor's sample size.
    std::unique_ptr<TBitmap> Sample(const TStylePreviewInput& in) {
        auto b = bitmaptesting::Plain(188, 73, kSentinel);
        PaintHintSample(b->Canvas(), Rect(0, 0, 188, 73), 0, 0, in, glyphs);
        return b;
    }
    // Pixels of the colour in r.
    static int Count(TBitmap& b, const TRect& r, TColor color) {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                n += b.Canvas().Pixels(x, y) == color;
        return n;
    }

    TPreviewGlyphs glyphs;
    kbtest::TempDir dir;
};

// --- the launcher model on a bitmap ---

TEST_F(StylePreviewWin, PlainStyle_TabRowAt70To93InTheStyleTabColour) {
    const TStiData style = Loaded(Shipped("plain.sti"));
    TStylePreviewInput in = ShippedInput("plain.sti", 0);
    in.CheckBoxPageCount = false; // it would stand under the arrows
    auto b = Painted(in);
    // Under the arrow boxes, and right of the tabs.
    EXPECT_TRUE(All(*b, Rect(210, 85, 240, 94), Rgb(style.Tab.BaseColor)));
    EXPECT_TRUE(All(*b, Rect(195, 70, 210, 94), Rgb(style.Tab.BaseColor)));
    EXPECT_TRUE(All(*b, Rect(0, 94, 240, 96), Rgb(clBackground)));
    EXPECT_EQ(b->Canvas().Pixels(220, 50), Rgb(style.Form.Color));
}

TEST_F(StylePreviewWin, PlainStyleWithoutTabRow_StyleTabColourDownTo70AndHintHigher) {
    const TStiData style = Loaded(Shipped("plain.sti"));
    TStylePreviewInput in = ShippedInput("plain.sti", 0);
    in.ChVisTab = false;
    in.HintBackColor = clLime;
    auto b = Painted(in);
    EXPECT_EQ(b->Canvas().Pixels(220, 50), Rgb(style.Tab.BaseColor));
    EXPECT_TRUE(All(*b, Rect(0, 70, 240, 72), Rgb(clBackground)));
    EXPECT_EQ(b->Canvas().Pixels(30, 120), Rgb(clLime));
    EXPECT_TRUE(All(*b, Rect(0, 124, 240, 148), Rgb(clBackground)));
}

TEST_F(StylePreviewWin, TitleBarAt36x14_RedOnlyForTypeZeroWithPartColoursOn) {
    // A style of type 1 with a plain title bar, as the editor lists it.
    StyleSpec spec;
    spec.Type = 1;
    const std::string typeOne = WriteStyle(dir, spec);
    struct Case {
        std::string path;
        int type;
        bool on;
        bool red;
    };
    const Case cases[] = {{Shipped("plain.sti"), 0, true, true},
                          {Shipped("plain.sti"), 0, false, false},
                          {typeOne, 1, true, false},
                          {Shipped("night.sti"), 1, true, false}};
    for (const Case& c : cases) {
        TStylePreviewInput in = InputFor(c.path, c.type);
        in.CheckBoxColor = c.on;
        in.PartColors[1] = clRed;
        auto b = Painted(in);
        EXPECT_EQ(b->Canvas().Pixels(36, 14) == Rgb(clRed), c.red) << c.path << " " << c.on;
    }
    // The type-1 style keeps its own title bar colour.
    TStylePreviewInput in = InputFor(typeOne, 1);
    in.CheckBoxColor = true;
    EXPECT_EQ(Painted(in)->Canvas().Pixels(36, 14), kTitleFace);
}

TEST_F(StylePreviewWin, GlyphStyles_PartsDrawnFromTheirStrips) {
    for (const char* name : {"format.sti", "night.sti"}) {
        const TStiData style = Loaded(Shipped(name));
        auto b = Painted(ShippedInput(name, style.About.Type));
        // Nothing of the model is left to the sentinel, and glyph parts are not the background.
        EXPECT_EQ(Count(*b, kBox, kSentinel), 0) << name;
        EXPECT_NE(b->Canvas().Pixels(36, 14), Rgb(clBackground)) << name;
        EXPECT_NE(b->Canvas().Pixels(20, 48), Rgb(clBackground)) << name;
        EXPECT_NE(b->Canvas().Pixels(100, 80), Rgb(clBackground)) << name;
        // The glyph bitmaps now hold the model's six strips.
        for (const TBitmap& g : glyphs)
            EXPECT_FALSE(g.Empty()) << name;
    }
}

TEST_F(StylePreviewWin, NoStyleSelected_CanvasUntouched) {
    TStylePreviewInput in = ShippedInput("plain.sti", 0);
    in.StyleSelected = false;
    auto b = Painted(in);
    EXPECT_TRUE(All(*b, kBox, kSentinel));
}

TEST_F(StylePreviewWin, HintOff_BandBelowTheTabRowIsBackground) {
    TStylePreviewInput in = ShippedInput("format.sti", 0);
    in.CBtnPopupHint = false;
    auto b = Painted(in);
    EXPECT_TRUE(All(*b, Rect(0, 96, 240, 148), Rgb(clBackground)));
}

TEST_F(StylePreviewWin, BadColourInTheStyle_RaisesAndLeaksNothing) {
    const std::string bad = dir.File("bad.sti");
    kbtest::WriteBytes(bad,
                       kbtest::MakeStyleFile({{0, kbtest::StyleText("[Form]\r\nColor=zz\r\n")}}));
    auto b = bitmaptesting::Plain(240, 148, kSentinel);
    EXPECT_THROW(PaintLauncherPreview(b->Canvas(), kBox, InputFor(bad, 0), glyphs),
                 EConversionError);
    const DWORD before = kbtest::GdiObjects();
    EXPECT_THROW(PaintLauncherPreview(b->Canvas(), kBox, InputFor(bad, 0), glyphs),
                 EConversionError);
    EXPECT_LE(kbtest::GdiObjects(), before);
}

// --- the hint sample ---

TEST_F(StylePreviewWin, NoLauncherBesideTheProgram_SampleTextWithoutIcon) {
    // The test program's folder holds no qvtdock.exe.
    TStylePreviewInput in = ShippedInput("plain.sti", 0);
    in.HintBackColor = clWhite;
    in.HintTextColor = clBlack;
    in.HintFontName = "ＭＳ Ｐゴシック";
    auto b = Sample(in);
    EXPECT_GT(Count(*b, Rect(50, 12, 178, 63), Rgb(clBlack)), 20);
    EXPECT_TRUE(All(*b, Rect(10, 10, 42, 42), Rgb(clWhite)));
}

TEST_F(StylePreviewWin, LauncherBesideTheProgram_ItsIconAtTenTen) {
    TStylePreviewInput in = ShippedInput("plain.sti", 0);
    in.LauncherFolder = kbtest::ProgramFolder();
    in.HintBackColor = clWhite;
    auto b = Sample(in);
    EXPECT_GT(32 * 32 - Count(*b, Rect(10, 10, 42, 42), Rgb(clWhite)), 100);
}

TEST_F(StylePreviewWin, SkinnedSample_OnlyForTypesOtherThanZeroWithTheSwitchOn) {
    TStylePreviewInput in = ShippedInput("night.sti", 1);
    in.HintBackColor = clLime;
    auto skinned = Sample(in);
    EXPECT_EQ(Count(*skinned, Rect(1, 1, 187, 72), Rgb(clLime)), 0);
    EXPECT_LT(Count(*skinned, Rect(0, 0, 188, 73), kSentinel), 188 * 73 / 2);
    in.CheckBoxUseSubStyle = false;
    auto plain = Sample(in);
    EXPECT_EQ(plain->Canvas().Pixels(5, 60), Rgb(clLime));
    auto typeZero = Sample(ShippedInput("format.sti", 0));
    EXPECT_EQ(typeZero->Canvas().Pixels(5, 60), Rgb(0x445566));
}

TEST_F(StylePreviewWin, RepeatedPaints_KeepGdiAndUserObjectsSteady) {
    TStylePreviewInput skinned = ShippedInput("night.sti", 1);
    skinned.LauncherFolder = kbtest::ProgramFolder();
    TStylePreviewInput plain = ShippedInput("format.sti", 0);
    plain.LauncherFolder = kbtest::ProgramFolder();
    auto b = bitmaptesting::Plain(240, 148, kSentinel);
    const auto round = [&] {
        PaintLauncherPreview(b->Canvas(), kBox, skinned, glyphs);
        PaintLauncherPreview(b->Canvas(), kBox, plain, glyphs);
        PaintHintSample(b->Canvas(), Rect(0, 0, 188, 73), 0, 0, skinned, glyphs);
    };
    round();
    if (!kbtest::ObjectsCounted())
        GTEST_SKIP() << "no GDI or user object counts here";
    const DWORD gdi = kbtest::GdiObjects(), user = kbtest::UserObjects();
    for (int i = 0; i < 10; ++i)
        round();
    EXPECT_LE(kbtest::GdiObjects(), gdi);
    EXPECT_LE(kbtest::UserObjects(), user);
}

// --- on the editor's paint box ---

TEST_F(StylePreviewWin, PaintBox_ShowsTheModelOnScreen) {
    auto f = ShownForm(266, 201);
    auto* box = MakeOwned<TPaintBox>(f.get());
    box->SetBounds(10, 24, 240, 148);
    TStylePreviewInput in = ShippedInput("plain.sti", 0);
    in.CheckBoxColor = true;
    in.CheckBoxPageCount = false;
    in.PartColors[1] = clRed;
    box->OnPaint = [&](TComponent*) {
        PaintLauncherPreview(box->Canvas(), box->ClientRect(), in, glyphs);
    };
    box->SetParent(f.get());
    const TStiData style = Loaded(Shipped("plain.sti"));
    // The tab row at 70 .. 93 under the arrows, in part colours as the title bar.
    const auto shows = [&](TColor title, TColor tab) {
        return kbtest::Painted(f->Handle()) &&
               kbtest::ReadPixel(box->Handle(), 36, 14) == OnScreen(title) &&
               kbtest::ReadPixel(box->Handle(), 215, 86) == OnScreen(tab) &&
               kbtest::ReadPixel(box->Handle(), 215, 93) == OnScreen(tab) &&
               kbtest::ReadPixel(box->Handle(), 215, 94) == OnScreen(clBackground) &&
               kbtest::ReadPixel(box->Handle(), 36, 69) != OnScreen(tab);
    };
    EXPECT_TRUE(kbtest::PumpUntil([&] { return shows(clRed, in.PartColors[12]); }));
    // Switched off: the style's own colours at the next paint.
    in.CheckBoxColor = false;
    box->Invalidate();
    EXPECT_TRUE(
        kbtest::PumpUntil([&] { return shows(style.TitleBar.BaseColor, style.Tab.BaseColor); }));
    EXPECT_TRUE(errors.empty());
}

TEST_F(StylePreviewWin, PaintBox_NoLauncherBesideTheProgram_SampleTextAndNoError) {
    auto f = ShownForm(200, 90);
    auto* box = MakeOwned<TPaintBox>(f.get());
    box->SetBounds(6, 8, 188, 73);
    TStylePreviewInput in = ShippedInput("plain.sti", 0);
    in.HintBackColor = clWhite;
    in.HintTextColor = clNavy;
    in.HintFontName = "ＭＳ Ｐゴシック";
    box->OnPaint = [&](TComponent*) {
        PaintHintSample(box->Canvas(), box->ClientRect(), 0, 0, in, glyphs);
    };
    box->SetParent(f.get());
    const auto textShown = [&] {
        if (!kbtest::Painted(f->Handle()))
            return false;
        int navy = 0;
        for (int y = 12; y < 40; ++y)
            for (int x = 50; x < 120; ++x)
                navy += kbtest::ReadPixel(box->Handle(), x, y) == OnScreen(clNavy);
        return navy > 20;
    };
    EXPECT_TRUE(kbtest::PumpUntil(textShown));
    EXPECT_EQ(kbtest::ReadPixel(box->Handle(), 26, 26), OnScreen(clWhite));
    EXPECT_TRUE(errors.empty());
}

} // namespace
