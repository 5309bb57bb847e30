// The base panel: without bevels, and when translucent it leaves the screen as it was and lets
// OnPaint draw over it.
#include "components/BasePanel.h"

#include "support/WinTest.h"

using namespace forms;
using kbtest::PumpUntil;
using kbtest::ReadPixel;

namespace {
COLORREF Rgb(TColor c) {
    return static_cast<COLORREF>(ColorToRGB(c));
}

// Paints straight onto the screen where the panel is, as something else would have.
void MarkScreen(HWND window, const RECT& r, TColor color) {
    HDC dc = GetDC(window);
    HBRUSH brush = CreateSolidBrush(Rgb(color));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    ReleaseDC(window, dc);
}
} // namespace

using BasePanelTest = WinTest;

TEST_F(BasePanelTest, StartsWithoutBevelsAndNotTranslucent) {
    auto p = MakeScoped<TBasePanel>();
    EXPECT_EQ(p->BevelInner(), TBevelCut::bvNone);
    EXPECT_EQ(p->BevelOuter(), TBevelCut::bvNone);
    EXPECT_FALSE(p->Translucent());
}

TEST_F(BasePanelTest, TranslucentPanelKeepsWhatTheScreenShowedAndRunsOnPaint) {
    auto f = ShownForm(200, 150);
    auto* panel = MakeOwned<TBasePanel>(f.get());
    panel->SetBounds(20, 20, 100, 60);
    panel->SetColor(clSilver);
    int paints = 0;
    panel->OnPaint = [&](TComponent*) {
        ++paints;
        panel->Canvas().Brush().SetColor(clYellow);
        panel->Canvas().FillRect(Rect(60, 10, 70, 20));
    };
    panel->SetParent(f.get());
    ASSERT_TRUE(PumpUntil([&] { return ReadPixel(panel->Handle(), 65, 15) == Rgb(clYellow); }));
    EXPECT_EQ(ReadPixel(panel->Handle(), 0, 0), Rgb(clSilver)); // no bevel

    panel->SetTranslucent(true);
    ASSERT_TRUE(PumpUntil([&] { return !GetUpdateRect(panel->Handle(), nullptr, FALSE); }));
    MarkScreen(panel->Handle(), RECT{5, 5, 15, 15}, clFuchsia);
    ASSERT_TRUE(PumpUntil([&] { return ReadPixel(panel->Handle(), 8, 8) == Rgb(clFuchsia); }));
    const int before = paints;
    panel->SetTranslucent(true); // unchanged, and still a repaint
    ASSERT_TRUE(PumpUntil([&] { return paints > before; }));
    EXPECT_EQ(ReadPixel(panel->Handle(), 8, 8), Rgb(clFuchsia));
    EXPECT_EQ(ReadPixel(panel->Handle(), 65, 15), Rgb(clYellow));

    panel->SetTranslucent(false);
    EXPECT_TRUE(PumpUntil([&] { return ReadPixel(panel->Handle(), 8, 8) == Rgb(clSilver); }));
}
