// The launcher's pop-up hint shown for real: its window class and styles, its size in the real
// font, its looks and painted pixels, the shapes of the rounded and skinned looks, link clicks on
// the icon, and the window going with each hide and with its setter.
#include "components/PopupHint.h"

#include "support/BitmapTesting.h"
#include "support/PixelTesting.h"
#include "support/WinTest.h"

#include "forms/base/Codepage.h"
#include "forms/gfx/DeviceContext.h"
#include "forms/win/Screen.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using namespace forms;
using kbtest::PumpUntil;
using kbtest::ReadPixel;

namespace {

COLORREF Rgb(TColor c) {
    return static_cast<COLORREF>(ColorToRGB(c));
}

// The box that DrawTextW measures for text in the setter's font within width (DT_CALCRECT,
// word-wrapped, no prefixes).
SIZE Measured(THintSetter& s, const std::string& text, int width) {
    const MemoryDC dc;
    const SelectedObject font(dc.Handle(), s.Font().Handle());
    const std::wstring w = cp932::Wide(text);
    RECT r{0, 0, width, 0};
    DrawTextW(dc.Handle(), w.c_str(), static_cast<int>(w.size()), &r,
              DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    return {r.right - r.left, r.bottom - r.top};
}

RECT WindowRect(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return r;
}

// The window's shape, or none.
struct WindowShape {
    explicit WindowShape(HWND h) : rgn(CreateRectRgn(0, 0, 0, 0)) { type = GetWindowRgn(h, rgn); }
    ~WindowShape() { DeleteObject(rgn); }
    WindowShape(const WindowShape&) = delete;
    WindowShape& operator=(const WindowShape&) = delete;
    [[nodiscard]] bool Has() const { return type != ERROR; }
    [[nodiscard]] bool Contains(int x, int y) const { return PtInRegion(rgn, x, y) != 0; }
    HRGN rgn;
    int type = ERROR;
};

// A solid square icon of the size.
std::unique_ptr<TIcon> SolidIcon(TColor color, int size) {
    auto picture = bitmaptesting::Plain(size, size, color);
    const int stride = (size + 15) / 16 * 2;
    std::vector<uint8_t> bits(static_cast<size_t>(stride * size), 0); // 0: all opaque
    HBITMAP mask = CreateBitmap(size, size, 1, 1, bits.data());
    ICONINFO info{TRUE, 0, 0, mask, picture->Handle()};
    auto icon = std::make_unique<TIcon>();
    icon->SetHandle(CreateIconIndirect(&info));
    DeleteObject(mask);
    return icon;
}

constexpr TColor kKey = clFuchsia;

// Skins whose composed picture has the key colour at its bottom-left corner (the bottom edge's
// left cap) and in a 4 x 4 block of the body at (4, 4).
void SetKeyedSkins(THintSetter& s) {
    PixelBuffer body = pixeltesting::Picture(16, 16, clRed);
    for (int y = 4; y < 8; ++y)
        for (int x = 4; x < 8; ++x)
            body.View().SetColor(x, y, kKey);
    PixelBuffer edges = pixeltesting::Bands({clLime, clBlue}, 30, 10);
    edges.View().SetColor(30, 9, kKey);
    const PixelBuffer sides = pixeltesting::Bands({clYellow, clAqua}, 10, 10);
    s.SetGlyph(bitmaptesting::Of(body).get());
    s.SetHGlyph(bitmaptesting::Of(edges).get());
    s.SetVGlyph(bitmaptesting::Of(sides).get());
}

struct PopupHintTest : WinTest {
    void SetUp() override {
        WinTest::SetUp();
        setter = MakeScoped<THintSetter>();
    }
    void TearDown() override {
        setter.reset();
        WinTest::TearDown();
    }
    // Shows the hint at (x, y) and waits until it is painted; returns its window.
    HWND ShowAt(int x, int y, int width = 0, int height = 0) {
        setter->ShowHintAt(x, y, width, height);
        HWND h = setter->HintWindow()->Handle();
        EXPECT_TRUE(PumpUntil([h] { return kbtest::Painted(h); }));
        return h;
    }
    Scoped<THintSetter> setter;
};

} // namespace

// ---- the setter ----

TEST_F(PopupHintTest, SetterStartsWithItsDefaults) {
    THintSetter& s = *setter;
    EXPECT_TRUE(s.Glyph().Empty());
    EXPECT_TRUE(s.HGlyph().Empty());
    EXPECT_TRUE(s.VGlyph().Empty());
    EXPECT_EQ(s.DrawStyle(), wdsStretch);
    EXPECT_EQ(s.Style(), hwsNormal);
    EXPECT_EQ(s.Locate(), hlRight);
    EXPECT_EQ(s.TopMargin(), 10);
    EXPECT_EQ(s.LeftMargin(), 10);
    EXPECT_EQ(s.RightMargin(), 10);
    EXPECT_EQ(s.HeightMargin(), 10);
    EXPECT_EQ(s.MaxWidth(), Screen.Width());
    EXPECT_EQ(s.XMargin(), 0);
    EXPECT_EQ(s.YMargin(), 0);
    EXPECT_EQ(s.BkColor(), clInfoBk);
    EXPECT_EQ(s.HintPause(), 500);
    EXPECT_TRUE(s.Font().SameAs(Screen.HintFont()));
    EXPECT_EQ(s.Font().Color(), clInfoText);
    EXPECT_EQ(s.HintStr(), "");
    EXPECT_EQ(s.MaxHeight(), 0);
    EXPECT_EQ(s.MaxLine(), 0);
    EXPECT_FALSE(s.IsIcon());
    EXPECT_TRUE(s.Icon().Empty());
    EXPECT_FALSE(s.LockWidth());
    EXPECT_EQ(s.BtmLineColor(), clBtnShadow);
    EXPECT_EQ(s.TopLineColor(), clBtnHighlight);
    EXPECT_FALSE(s.UseGlyph());
    EXPECT_TRUE(s.UseStyle());
    EXPECT_EQ(s.FontColor(), clInfoText);
    EXPECT_FALSE(s.Trans());
    ASSERT_NE(s.HintWindow(), nullptr);
    EXPECT_EQ(s.HintWindow()->Owner(), setter.get());
}

TEST_F(PopupHintTest, WindowKeepsItsLightYellowUntilBkColorIsSet) {
    EXPECT_EQ(setter->HintWindow()->Color(), static_cast<TColor>(0x0080FFFF));
    setter->SetBkColor(clAqua);
    EXPECT_EQ(setter->BkColor(), clAqua);
    EXPECT_EQ(setter->HintWindow()->Color(), clAqua);
}

TEST_F(PopupHintTest, SettersCopyPicturesFontAndIcon) {
    auto glyph = bitmaptesting::Plain(8, 6, clRed);
    setter->SetGlyph(glyph.get());
    glyph->SetSize(2, 2);
    EXPECT_EQ(setter->Glyph().Width(), 8);
    setter->SetGlyph(nullptr);
    EXPECT_TRUE(setter->Glyph().Empty());

    TFont font;
    font.SetHeight(-20);
    setter->SetFont(font);
    font.SetHeight(-30);
    EXPECT_EQ(setter->Font().Height(), -20);
    setter->SetFont(setter->Font());
    EXPECT_EQ(setter->Font().Height(), -20);

    auto icon = SolidIcon(clRed, 32);
    setter->SetIcon(icon.get());
    EXPECT_FALSE(setter->Icon().Empty());
    EXPECT_NE(setter->Icon().Handle(), icon->Handle());
    setter->SetIcon(nullptr);
    EXPECT_TRUE(setter->Icon().Empty());
}

TEST_F(PopupHintTest, LineHeightIsCharacterHeightsOfTheFont) {
    TFont font;
    font.SetSize(9);
    setter->SetFont(font);
    const int height = std::abs(font.Height());
    EXPECT_EQ(setter->LineHeight(1), height);
    EXPECT_EQ(setter->LineHeight(3), 3 * height);
}

TEST_F(PopupHintTest, TheNewestSetterIsTheOneWindowsRead) {
    EXPECT_EQ(THintSetter::Instance(), setter.get());
    auto second = MakeScoped<THintSetter>();
    EXPECT_EQ(THintSetter::Instance(), second.get());
    setter.reset(); // an older one going leaves the newest
    EXPECT_EQ(THintSetter::Instance(), second.get());
    second.reset();
    EXPECT_EQ(THintSetter::Instance(), nullptr);
}

TEST_F(PopupHintTest, ADyingSetterTakesItsShownWindowWithIt) {
    setter->SetHintStr("消える");
    HWND h = ShowAt(200, 200);
    ASSERT_TRUE(IsWindow(h));
    setter.reset();
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(THintSetter::Instance(), nullptr);
}

TEST_F(PopupHintTest, ASetterDeletedPlainlyAlsoGoesCleanly) {
    setter.reset();
    auto* plain = new THintSetter(nullptr);
    plain->SetHintStr("x");
    plain->ShowHintAt(100, 100, 0, 0);
    HWND h = plain->HintWindow()->Handle();
    delete plain;
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(THintSetter::Instance(), nullptr);
    kbtest::Pump(20);
}

// ---- the window ----

TEST_F(PopupHintTest, ShownHintIsAPlainPopupOfItsOwnClass) {
    setter->SetHintStr("ヒント");
    HWND h = ShowAt(150, 120);
    EXPECT_EQ(kbtest::ClassNameOf(h), L"TRvHint");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE)) & ~WS_CLIPSIBLINGS,
              WS_POPUP | WS_VISIBLE);
    const DWORD ex = static_cast<DWORD>(GetWindowLongW(h, GWL_EXSTYLE));
    EXPECT_EQ(ex & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_ACCEPTFILES),
              static_cast<DWORD>(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_ACCEPTFILES));
    EXPECT_EQ(ex & (WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE), 0u);
    EXPECT_TRUE(setter->HintWindow()->IsHintVisible());
    EXPECT_TRUE(setter->HintWindow()->Visible());
    EXPECT_EQ(kbtest::WindowText(h), "ヒント");
}

TEST_F(PopupHintTest, OneLineFitsTheTextInTheRealFontWithTheMargins) {
    setter->SetLeftMargin(8);
    setter->SetRightMargin(5);
    setter->SetTopMargin(4);
    setter->SetHeightMargin(3);
    setter->SetHintStr("ボタンのヒント Hint");
    const SIZE text = Measured(*setter, setter->HintStr(), 10000);
    HWND h = ShowAt(150, 120);
    const RECT r = WindowRect(h);
    EXPECT_EQ(r.left, 150);
    EXPECT_EQ(r.top, 120);
    EXPECT_EQ(r.right - r.left, text.cx + 6 + 8 + 5);
    EXPECT_EQ(r.bottom - r.top, text.cy + 2 + 4 + 3);
}

TEST_F(PopupHintTest, CalcHintRectMeasuresInTheSettersFont) {
    TFont big;
    big.SetName("ＭＳ Ｐゴシック");
    big.SetHeight(-24);
    setter->SetFont(big);
    const SIZE text = Measured(*setter, "abc\r\nabcdef", 10000);
    const TRect r = setter->HintWindow()->CalcHintRect(0, "abc\r\nabcdef");
    EXPECT_EQ(r.Width(), text.cx + 6 + 20);
    EXPECT_EQ(r.Height(), text.cy + 2 + 20);
    EXPECT_EQ(setter->HintWindow()->TextWidth("abc\r\nabcdef", 1),
              Measured(*setter, "abc", 10000).cx + 26);
}

TEST_F(PopupHintTest, MaxLineShowsThatManyLinesHigh) {
    setter->SetMaxLine(2);
    setter->SetHintStr("一\r\n二\r\n三\r\n四");
    HWND h = ShowAt(150, 120);
    const RECT r = WindowRect(h);
    EXPECT_EQ(r.bottom - r.top, setter->LineHeight(2) + 20);
}

TEST_F(PopupHintTest, HideHintDestroysTheWindowAndTheNextShowMakesANewOne) {
    setter->SetHintStr("a");
    HWND first = ShowAt(100, 100);
    setter->HideHint();
    EXPECT_FALSE(IsWindow(first));
    EXPECT_FALSE(setter->HintWindow()->HandleAllocated());
    EXPECT_FALSE(setter->HintWindow()->Visible());
    EXPECT_FALSE(setter->HintWindow()->IsHintVisible());
    HWND second = ShowAt(100, 100);
    EXPECT_TRUE(IsWindowVisible(second));
    setter->HideHint();
    setter->HideHint(); // hiding a hidden hint does nothing
}

// ---- looks ----

TEST_F(PopupHintTest, PlainLookFillsWithTheColourInsideAOnePixelFrame) {
    setter->SetBkColor(clYellow);
    setter->SetTopLineColor(clRed);
    setter->SetBtmLineColor(clBlue);
    HWND h = ShowAt(200, 150, 80, 40);
    EXPECT_FALSE(WindowShape(h).Has());
    EXPECT_EQ(ReadPixel(h, 0, 0), Rgb(clRed));
    EXPECT_EQ(ReadPixel(h, 0, 38), Rgb(clRed));
    EXPECT_EQ(ReadPixel(h, 0, 39), Rgb(clBlue)); // the bottom line runs to the left edge
    EXPECT_EQ(ReadPixel(h, 79, 0), Rgb(clBlue));
    EXPECT_EQ(ReadPixel(h, 79, 39), Rgb(clBlue));
    EXPECT_EQ(ReadPixel(h, 40, 39), Rgb(clBlue));
    EXPECT_EQ(ReadPixel(h, 1, 1), Rgb(clYellow));
    EXPECT_EQ(ReadPixel(h, 78, 38), Rgb(clYellow));
}

TEST_F(PopupHintTest, TextIsDrawnInTheFontsColourInsideTheMargins) {
    setter->SetBkColor(clWhite);
    TFont font = setter->Font();
    font.SetColor(clRed);
    font.SetHeight(-20);
    setter->SetFont(font);
    setter->SetHintStr("■■■");
    HWND h = ShowAt(200, 150);
    int red = 0;
    const RECT r = WindowRect(h);
    for (int y = 0; y < r.bottom - r.top; ++y)
        for (int x = 0; x < r.right - r.left; ++x)
            if (ReadPixel(h, x, y) == Rgb(clRed)) {
                ++red;
                EXPECT_GE(x, 12);
                EXPECT_GE(y, 12);
            }
    EXPECT_GT(red, 20);
}

TEST_F(PopupHintTest, RoundLookCutsTheCorners) {
    setter->SetStyle(hwsRoundRect);
    setter->SetLeftMargin(16);
    setter->SetTopMargin(12);
    HWND h = ShowAt(200, 150, 100, 50);
    const WindowShape shape(h);
    ASSERT_TRUE(shape.Has());
    EXPECT_FALSE(shape.Contains(0, 0));
    EXPECT_FALSE(shape.Contains(99, 49));
    EXPECT_TRUE(shape.Contains(50, 25));
    EXPECT_TRUE(shape.Contains(50, 1));
    EXPECT_TRUE(setter->HintWindow()->HasRegion());
}

TEST_F(PopupHintTest, OwnerDrawnLookCallsOnPaintWithTextAndSize) {
    setter->SetStyle(hwsOwnerDraw);
    setter->SetHintStr("");
    std::vector<std::string> texts;
    int w = 0, hgt = 0;
    setter->OnPaint = [&](const std::string& text, TCanvas& canvas, int width, int height) {
        texts.push_back(text);
        w = width;
        hgt = height;
        canvas.Brush().SetColor(clLime);
        canvas.FillRect(Rect(0, 0, width, height));
    };
    setter->SetHintStr("描く");
    HWND h = ShowAt(200, 150, 90, 45);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back(), "描く");
    EXPECT_EQ(w, 90);
    EXPECT_EQ(hgt, 45);
    EXPECT_EQ(ReadPixel(h, 2, 2), Rgb(clLime));
    EXPECT_FALSE(WindowShape(h).Has());
}

TEST_F(PopupHintTest, SkinCutsHolesWhereTheBottomLeftColourIs) {
    SetKeyedSkins(*setter);
    setter->SetUseGlyph(true);
    setter->SetStyle(hwsStyle);
    setter->SetDrawStyle(wdsNormal);
    HWND h = ShowAt(200, 150, 80, 50);
    const WindowShape shape(h);
    ASSERT_TRUE(shape.Has());
    EXPECT_FALSE(shape.Contains(0, 49));  // the key's own pixel
    EXPECT_FALSE(shape.Contains(15, 15)); // the key inside the body
    EXPECT_FALSE(shape.Contains(17, 17));
    EXPECT_TRUE(shape.Contains(12, 12)); // the body around it
    EXPECT_TRUE(shape.Contains(18, 15));
    EXPECT_TRUE(shape.Contains(1, 49)); // the rest of the bottom edge
    EXPECT_TRUE(shape.Contains(40, 2)); // the top edge
    EXPECT_EQ(ReadPixel(h, 12, 12), Rgb(clRed));
    EXPECT_EQ(ReadPixel(h, 40, 2), Rgb(clLime));
    EXPECT_EQ(ReadPixel(h, 40, 45), Rgb(clBlue));
}

TEST_F(PopupHintTest, SkinStretchedShowsSidesAndBody) {
    SetKeyedSkins(*setter);
    setter->SetUseGlyph(true);
    setter->SetStyle(hwsStyle);
    HWND h = ShowAt(200, 150, 80, 50);
    EXPECT_EQ(ReadPixel(h, 3, 25), Rgb(clYellow));
    EXPECT_EQ(ReadPixel(h, 76, 25), Rgb(clAqua));
    TBitmap& skin = setter->HintWindow()->SkinBitmap();
    EXPECT_EQ(skin.Width(), 80);
    EXPECT_EQ(skin.Height(), 50);
    EXPECT_EQ(skin.TransparentColor(), kKey);
}

TEST_F(PopupHintTest, SkinWithAMissingPictureFallsBackToThePlainLook) {
    SetKeyedSkins(*setter);
    setter->SetVGlyph(nullptr);
    setter->SetUseGlyph(true);
    setter->SetStyle(hwsStyle);
    setter->SetBkColor(clYellow);
    setter->SetTopLineColor(clRed);
    HWND h = ShowAt(200, 150, 80, 50);
    EXPECT_FALSE(WindowShape(h).Has());
    EXPECT_FALSE(setter->HintWindow()->HasRegion());
    EXPECT_EQ(ReadPixel(h, 0, 0), Rgb(clRed));
    EXPECT_EQ(ReadPixel(h, 40, 25), Rgb(clYellow));
}

TEST_F(PopupHintTest, SkinNeedsUseStyleToo) {
    SetKeyedSkins(*setter);
    setter->SetUseGlyph(true);
    setter->SetUseStyle(false);
    setter->SetStyle(hwsStyle);
    HWND h = ShowAt(200, 150, 80, 50);
    EXPECT_FALSE(WindowShape(h).Has());
}

TEST_F(PopupHintTest, ABuiltSkinOfNoSizeIsEmpty) {
    SetKeyedSkins(*setter);
    setter->SetUseGlyph(true);
    setter->HintWindow()->BuildStyleBitmap(Rect(0, 0, 0, 30));
    EXPECT_TRUE(setter->HintWindow()->SkinBitmap().Empty());
    setter->HintWindow()->BuildStyleBitmap(Rect(10, 10, 5, 40));
    EXPECT_TRUE(setter->HintWindow()->SkinBitmap().Empty());
}

TEST_F(PopupHintTest, ABuiltSkinWithoutUseGlyphIsWhite) {
    SetKeyedSkins(*setter);
    setter->HintWindow()->BuildStyleBitmap(Rect(0, 0, 30, 20));
    TBitmap& skin = setter->HintWindow()->SkinBitmap();
    EXPECT_EQ(skin.Width(), 30);
    EXPECT_TRUE(bitmaptesting::All(skin, Rect(0, 0, 30, 20), clWhite));
}

TEST_F(PopupHintTest, ShapesGoBackToTheSystemOnEveryShowAndHide) {
    setter->SetStyle(hwsRoundRect);
    setter->SetHintStr("a");
    SetKeyedSkins(*setter);
    (void)ShowAt(200, 150, 60, 30);
    setter->HideHint();
    if (!kbtest::ObjectsCounted())
        GTEST_SKIP() << "no GDI or user object counts here";
    const DWORD before = kbtest::GdiObjects();
    for (int i = 0; i < 20; ++i) {
        setter->SetStyle(i % 2 ? hwsRoundRect : hwsStyle);
        setter->SetUseGlyph(true);
        setter->ShowHintAt(200, 150, 60 + i, 30);
        setter->ShowHintAt(210, 150, 60 + i, 30); // a show over a shown hint
        if (i % 3 == 0)
            setter->HideHint();
        kbtest::Pump(5);
    }
    setter->HideHint();
    kbtest::Pump(20);
    EXPECT_LE(kbtest::GdiObjects(), before + 2);
}

// ---- icon and link ----

TEST_F(PopupHintTest, IconIsDrawnAt16WithOneLineAndAtTheSystemSizeOtherwise) {
    auto icon = SolidIcon(clRed, 32);
    setter->SetIcon(icon.get());
    setter->SetIsIcon(true);
    setter->SetBkColor(clWhite);
    setter->SetMaxLine(1);
    HWND h = ShowAt(200, 150, 120, 0);
    EXPECT_EQ(ReadPixel(h, 10 + 8, 10 + 8), Rgb(clRed));
    EXPECT_EQ(ReadPixel(h, 10 + 24, 10 + 8), Rgb(clWhite));
    setter->HideHint();
    setter->SetMaxLine(0);
    setter->SetMaxHeight(60);
    h = ShowAt(200, 150, 120, 0);
    EXPECT_EQ(ReadPixel(h, 10 + 24, 10 + 24), Rgb(clRed));
}

TEST_F(PopupHintTest, AReleaseInsideTheIconSquareIsALinkClick) {
    setter->SetIsIcon(true);
    setter->SetMaxLine(1);
    setter->SetHintStr("リンク");
    std::vector<std::string> seen;
    TRvHint* hint = setter->HintWindow();
    hint->OnLinkClick = [&](TComponent* sender, TMouseButton, TShiftState, int x, int y) {
        EXPECT_EQ(sender, hint);
        seen.push_back("link " + std::to_string(x) + "," + std::to_string(y));
    };
    hint->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int x, int y) {
        seen.push_back("up " + std::to_string(x) + "," + std::to_string(y));
    };
    HWND h = ShowAt(300, 200, 200, 60);
    kbtest::ClickAt(h, 26, 26);
    ASSERT_TRUE(PumpUntil([&] { return seen.size() == 1; }));
    kbtest::ClickAt(h, 10, 26); // on the square's edge line
    ASSERT_TRUE(PumpUntil([&] { return seen.size() == 2; }));
    kbtest::ClickAt(h, 150, 30);
    ASSERT_TRUE(PumpUntil([&] { return seen.size() == 3; }));
    EXPECT_EQ(seen, (std::vector<std::string>{"link 26,26", "up 10,26", "up 150,30"}));
}

TEST_F(PopupHintTest, WithoutTheIconTheSquareIsAnOrdinaryRelease) {
    std::vector<std::string> seen;
    TRvHint* hint = setter->HintWindow();
    hint->OnLinkClick = [&](TComponent*, TMouseButton, TShiftState, int, int) {
        seen.push_back("link");
    };
    hint->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) {
        seen.push_back("down");
    };
    hint->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) {
        seen.push_back("up");
    };
    HWND h = ShowAt(300, 200, 200, 60);
    kbtest::ClickAt(h, 26, 26);
    ASSERT_TRUE(PumpUntil([&] { return seen.size() == 2; }));
    EXPECT_EQ(seen, (std::vector<std::string>{"down", "up"}));
}
