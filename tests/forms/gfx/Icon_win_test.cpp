#include "forms/gfx/Bitmap.h"
#include "forms/gfx/Icon.h"
#include "forms/gfx/Region.h"

#include <gtest/gtest.h>

using namespace forms;

namespace {
// A 16 x 16 icon, red inside a transparent one-pixel border.
HICON MakeIcon() {
    TBitmap color, mask;
    color.SetPixelFormat(TPixelFormat::pf24bit);
    color.SetSize(16, 16);
    color.Canvas().Brush().SetColor(clBlack); // transparent pixels are black in the image
    color.Canvas().FillRect(Rect(0, 0, 16, 16));
    color.Canvas().Brush().SetColor(clRed);
    color.Canvas().FillRect(Rect(1, 1, 15, 15));
    mask.SetPixelFormat(TPixelFormat::pf1bit);
    mask.SetSize(16, 16); // white = transparent
    mask.Canvas().Brush().SetColor(clBlack);
    mask.Canvas().FillRect(Rect(1, 1, 15, 15));
    ICONINFO info{TRUE, 0, 0, mask.Handle(), color.Handle()};
    return CreateIconIndirect(&info);
}
} // namespace

TEST(Icon, AdoptsHandleAndKnowsItsSize) {
    TIcon icon;
    icon.SetHandle(MakeIcon());
    EXPECT_FALSE(icon.Empty());
    EXPECT_EQ(icon.Width(), 16);
    EXPECT_EQ(icon.Height(), 16);
}

TEST(Icon, ExtractIconsNotAnIconResultIsNoIcon) {
    TIcon icon;
    icon.SetHandle(reinterpret_cast<HICON>(1));
    EXPECT_TRUE(icon.Empty());
}

TEST(Icon, AssignCopiesTheImage) {
    TIcon a, b;
    a.SetHandle(MakeIcon());
    b.Assign(a);
    EXPECT_FALSE(b.Empty());
    EXPECT_NE(b.Handle(), a.Handle());
    TIcon empty;
    b.Assign(empty);
    EXPECT_TRUE(b.Empty());
}

TEST(Icon, ReleaseHandleGivesOwnershipAway) {
    TIcon icon;
    icon.SetHandle(MakeIcon());
    HICON h = icon.ReleaseHandle();
    EXPECT_TRUE(icon.Empty());
    EXPECT_TRUE(DestroyIcon(h));
}

TEST(Icon, DrawsWithItsMaskAtAnySize) {
    TIcon icon;
    icon.SetHandle(MakeIcon());
    TBitmap b;
    b.SetPixelFormat(TPixelFormat::pf24bit);
    b.SetSize(40, 40);
    b.Canvas().DrawIconAt(0, 0, icon);
    EXPECT_EQ(b.Canvas().Pixels(0, 0), clWhite);
    EXPECT_EQ(b.Canvas().Pixels(8, 8), clRed);
    b.Canvas().DrawIconAt(8, 8, icon, 32);
    EXPECT_EQ(b.Canvas().Pixels(30, 30), clRed);
}

TEST(Icon, LoadsSystemIconResourceAndReportsMissingOnes) {
    TIcon icon;
    EXPECT_TRUE(icon.LoadFromResourceId(nullptr, 32516, 16)); // the information icon
    EXPECT_EQ(icon.Width(), 16);
    TIcon missing;
    EXPECT_FALSE(missing.LoadFromResource(GetModuleHandleW(nullptr), "MAINICON_NOT_HERE"));
    EXPECT_TRUE(missing.Empty());
}

TEST(Region, RectanglesBecomeOneRegion) {
    RegionData data(Rect(0, 0, 10, 4));
    data.Add(Rect(0, 0, 3, 1));
    data.Add(Rect(5, 2, 10, 3));
    TRegion r = TRegion::FromRects(data);
    ASSERT_FALSE(r.Empty());
    EXPECT_TRUE(r.Contains(1, 0));
    EXPECT_FALSE(r.Contains(4, 0));
    EXPECT_TRUE(r.Contains(9, 2));
    EXPECT_EQ(r.BoundsRect(), Rect(0, 0, 10, 3));
}

TEST(Region, RoundRectangleCutsItsCorners) {
    TRegion r = TRegion::FromRoundRect(Rect(0, 0, 40, 40), 20, 20);
    EXPECT_FALSE(r.Contains(0, 0));
    EXPECT_TRUE(r.Contains(20, 20));
}

TEST(Region, WindowTakesOwnershipOnlyOnSuccess) {
    TRegion r = TRegion::FromRect(Rect(0, 0, 5, 5));
    EXPECT_FALSE(r.ApplyToWindow(nullptr, false));
    EXPECT_FALSE(r.Empty());
}
