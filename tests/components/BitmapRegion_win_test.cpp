// A window shape made from a bitmap's pixels.
#include "components/BitmapRegion.h"

#include "support/BitmapTesting.h"
#include "support/PixelTesting.h"

#include <gtest/gtest.h>

using namespace forms;

TEST(BitmapToRegion, KeepsEveryPixelThatIsNotTheTransparentColour) {
    PixelBuffer p = pixeltesting::Picture(6, 4, clRed);
    p.View().SetColor(2, 1, clFuchsia);
    for (int x = 0; x < 6; ++x)
        p.View().SetColor(x, 3, clFuchsia);
    auto bitmap = bitmaptesting::Of(p);
    const TRegion region = BitmapToRegion(bitmap.get(), clFuchsia);
    ASSERT_FALSE(region.Empty());
    EXPECT_EQ(region.BoundsRect(), Rect(0, 0, 6, 3));
    EXPECT_TRUE(region.Contains(0, 0));
    EXPECT_TRUE(region.Contains(1, 1));
    EXPECT_FALSE(region.Contains(2, 1));
    EXPECT_TRUE(region.Contains(3, 1));
    EXPECT_FALSE(region.Contains(4, 3));
}

TEST(BitmapToRegion, AnEmptyOrMissingBitmapGivesNoRegion) {
    TBitmap empty;
    EXPECT_TRUE(BitmapToRegion(&empty, clFuchsia).Empty());
    EXPECT_TRUE(BitmapToRegion(nullptr, clFuchsia).Empty());
}

TEST(BitmapToRegion, AWhollyTransparentBitmapGivesAnEmptyShape) {
    auto bitmap = bitmaptesting::Plain(5, 5, clFuchsia);
    const TRegion region = BitmapToRegion(bitmap.get(), clFuchsia);
    ASSERT_FALSE(region.Empty());
    EXPECT_FALSE(region.Contains(2, 2));
}
