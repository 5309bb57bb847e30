// The runs of kept pixels that make a window's shape from a picture.
#include "components/BitmapRegion.h"

#include "support/PixelTesting.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace forms;
using namespace pixeltesting;

namespace {

constexpr TColor kKey = clFuchsia;

uint32_t U32(const std::string& s, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<uint8_t>(s[at + static_cast<size_t>(i)]);
    return v;
}

// The rectangles of a block, in order.
std::vector<TRect> Rects(const RegionData& data) {
    const std::string bytes = data.Bytes();
    std::vector<TRect> rects;
    for (size_t at = 32; at + 16 <= bytes.size(); at += 16)
        rects.push_back({static_cast<int>(U32(bytes, at)), static_cast<int>(U32(bytes, at + 4)),
                         static_cast<int>(U32(bytes, at + 8)),
                         static_cast<int>(U32(bytes, at + 12))});
    return rects;
}

// A picture w x h of kept (black) pixels with the key colour where mask has '#'.
PixelBuffer Masked(const std::vector<std::string>& rows, int bits = 24) {
    const int w = static_cast<int>(rows[0].size()), h = static_cast<int>(rows.size());
    PixelBuffer p = Picture(w, h, clBlack, bits);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (rows[static_cast<size_t>(y)][static_cast<size_t>(x)] == '#')
                p.View().SetColor(x, y, kKey);
    return p;
}

} // namespace

TEST(BitmapRegionRuns, AWhollyTransparentRowAddsNothingAndAWhollyKeptRowOneFullRect) {
    const PixelBuffer p = Masked({"#####", ".....", "#####"});
    const RegionData data = BitmapRegionRuns(p.View(), kKey);
    EXPECT_EQ(data.Count(), 1);
    EXPECT_EQ(Rects(data), (std::vector<TRect>{Rect(0, 1, 5, 2)}));
}

TEST(BitmapRegionRuns, ATransparentPixelSplitsARun) {
    const PixelBuffer p = Masked({"..#..#.", "#.....#"});
    EXPECT_EQ(Rects(BitmapRegionRuns(p.View(), kKey)),
              (std::vector<TRect>{Rect(0, 0, 2, 1), Rect(3, 0, 5, 1), Rect(6, 0, 7, 1),
                                  Rect(1, 1, 6, 2)}));
}

TEST(BitmapRegionRuns, TheBoundsAreThePicture) {
    const PixelBuffer p = Masked({"#..", "..."});
    const RegionData data = BitmapRegionRuns(p.View(), kKey);
    EXPECT_EQ(data.Bounds(), Rect(0, 0, 3, 2));
    const std::string bytes = data.Bytes();
    EXPECT_EQ(U32(bytes, 0), 32u);
    EXPECT_EQ(U32(bytes, 4), 1u);
    EXPECT_EQ(U32(bytes, 8), 2u);
    EXPECT_EQ(U32(bytes, 12), 32u);
}

TEST(BitmapRegionRuns, AnEmptyPictureGivesNoRects) {
    const RegionData data = BitmapRegionRuns(PixelView(), kKey);
    EXPECT_EQ(data.Count(), 0);
    EXPECT_EQ(data.Bounds(), TRect{});
}

TEST(BitmapRegionRuns, AllTransparentGivesNoRects) {
    const PixelBuffer p = Picture(4, 3, kKey);
    EXPECT_EQ(BitmapRegionRuns(p.View(), kKey).Count(), 0);
}

TEST(BitmapRegionRuns, ColoursOtherThanTheKeyAreKept) {
    PixelBuffer p = Picture(3, 1, kKey);
    p.View().SetColor(1, 0, static_cast<TColor>(0xFE00FF)); // one step off the key
    EXPECT_EQ(Rects(BitmapRegionRuns(p.View(), kKey)), (std::vector<TRect>{Rect(1, 0, 2, 1)}));
}

TEST(BitmapRegionRuns, WorksOnEveryDepth) {
    for (const int bits : {16, 24, 32}) {
        const PixelBuffer p = Masked({"#.#", "..#"}, bits);
        EXPECT_EQ(Rects(BitmapRegionRuns(p.View(), kKey)),
                  (std::vector<TRect>{Rect(1, 0, 2, 1), Rect(0, 1, 2, 2)}))
            << bits << " bits";
    }
}

TEST(BitmapRegionRuns, AFiveBitPictureMatchesTheKeyAsItStoresIt) {
    // 0x0A0B0C is stored as 0x080808 in five bits a channel; the key is compared in that form.
    PixelBuffer p = Picture(2, 1, static_cast<TColor>(0x0A0B0C), 16);
    p.View().SetColor(1, 0, clWhite);
    EXPECT_EQ(Rects(BitmapRegionRuns(p.View(), static_cast<TColor>(0x0A0B0C))),
              (std::vector<TRect>{Rect(1, 0, 2, 1)}));
}

TEST(BitmapRegionRuns, PalettePicturesCompareTheirColours) {
    PixelBuffer p(4, 1, 8);
    p.Palette()[0] = RgbQuadFromColor(static_cast<uint32_t>(kKey));
    p.Palette()[1] = RgbQuadFromColor(static_cast<uint32_t>(clRed));
    p.Palette()[2] = RgbQuadFromColor(static_cast<uint32_t>(kKey)); // the key twice
    p.View().SetRaw(0, 0, 0);
    p.View().SetRaw(1, 0, 1);
    p.View().SetRaw(2, 0, 2);
    p.View().SetRaw(3, 0, 1);
    EXPECT_EQ(Rects(BitmapRegionRuns(p.View(), kKey)),
              (std::vector<TRect>{Rect(1, 0, 2, 1), Rect(3, 0, 4, 1)}));
}
