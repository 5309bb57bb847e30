// Glyph items through the portable BMP validator: malformed and randomly mutated bitmaps inside a
// style file raise the bitmap error and never read outside their item.
#include "shared/StyleFile.h"

#include "StyleFiles.h"

#include "forms/base/Exceptions.h"
#include "forms/gfx/BmpFormat.h"

#include "support/Rounds.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace forms;
using namespace kbtest;

namespace {

std::string With(std::string bmp, size_t at, const std::string& bytes) {
    bmp.replace(at, bytes.size(), bytes);
    return bmp;
}

std::string Encoded(int width, int height, int bitCount) {
    PixelBuffer pixels(width, height, bitCount);
    for (size_t i = 0; i < pixels.Bits().size(); ++i)
        pixels.Bits()[i] = static_cast<uint8_t>(i * 37);
    return EncodeBmp(pixels.View());
}

// Run-length bitmaps of 4 x 2 (8 bits) and 4 x 1 (4 bits) with two palette entries.
std::string Rle(int bitCount, const std::string& data) {
    const int height = bitCount == 8 ? 2 : 1;
    std::string b = "BM" + Le32(62 + static_cast<int32_t>(data.size())) + Le32(0) + Le32(62);
    b += Le32(40) + Le32(4) + Le32(height) + std::string("\x01\x00", 2) +
         std::string(1, static_cast<char>(bitCount)) + std::string(1, '\0') +
         Le32(bitCount == 8 ? 1 : 2) + Le32(static_cast<int32_t>(data.size())) + Le32(0) + Le32(0) +
         Le32(2) + Le32(0);
    b += Le32(0x000000) + Le32(0xFFFFFF);
    return b + data;
}
const std::string kRle8 =
    Rle(8, std::string("\x04\x01\x00\x00\x00\x04\x00\x01\x00\x01\x00\x01", 12));
const std::string kRle4 = Rle(4, std::string("\x04\x10\x00\x01", 4));

std::vector<std::string> Seeds() {
    return {TinyBmp(),
            Encoded(5, 3, 1),
            Encoded(5, 3, 4),
            Encoded(4, 4, 8),
            Encoded(3, 2, 16),
            Encoded(3, 2, 32),
            kRle8,
            kRle4};
}

class StyleBmpTest : public ::testing::Test {
protected:
    // Decodes a bitmap stored as glyph item 1 of a style file.
    PixelBuffer DecodeItem(const std::string& bmp) {
        const std::string path = dir.File("b.sti");
        WriteBytes(path, MakeStyleFile({{0, StyleText()}, {1, bmp}}));
        PixelBuffer out;
        ReadStyleGlyphs(path, {1}, true,
                        [&out](size_t, std::string_view b) { out = DecodeBmp(b); });
        return out;
    }
    TempDir dir;
};

TEST_F(StyleBmpTest, Seeds_AreValidBitmaps) {
    for (const std::string& seed : Seeds())
        EXPECT_FALSE(DecodeItem(seed).Empty());
    EXPECT_EQ(DecodeItem(kRle8).Width(), 4);
}

TEST_F(StyleBmpTest, MalformedBitmaps_RaiseTheBitmapError) {
    const std::string tiny = TinyBmp();
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"not a bitmap", "hello"},
        {"huge width", With(tiny, 18, Le32(0x7FFFFFFF))},
        {"huge height", With(tiny, 22, Le32(0x7FFFFFFF))},
        {"negative width", With(tiny, 18, Le32(-2))},
        {"smallest height", With(tiny, 22, Le32(INT32_MIN))},
        {"zero height", With(tiny, 22, Le32(0))},
        {"sizes above the caps", With(With(tiny, 18, Le32(30000)), 22, Le32(30000))},
        {"sizes within the caps, pixels missing", With(With(tiny, 18, Le32(4000)), 22, Le32(4000))},
        {"bit count 7", With(tiny, 28, std::string("\x07\x00", 2))},
        {"bit count 0", With(tiny, 28, std::string("\x00\x00", 2))},
        {"bit count 64", With(tiny, 28, std::string("\x40\x00", 2))},
        {"pixels cut", tiny.substr(0, tiny.size() - 3)},
        {"pixels beyond the item", With(tiny, 10, Le32(1000))},
        {"palette beyond the item", With(Encoded(4, 4, 8), 46, Le32(300))},
        {"palette cut", Encoded(4, 4, 8).substr(0, 100)},
        {"header size", With(tiny, 14, Le32(41))},
        {"header beyond the item", With(tiny, 14, Le32(0x7FFFFFF0))},
        {"unknown compression", With(tiny, 30, Le32(9))},
        {"run past the data", Rle(8, std::string("\x00\x10\x01\x01\x01\x01", 6))},
        {"run codes cut", Rle(8, std::string("\x04", 1))},
        {"no end code", Rle(8, std::string("\x04\x01", 2))},
        {"rle4 run past the data", Rle(4, std::string("\x00\x09\x12\x34", 4))},
    };
    for (const auto& [what, bmp] : cases)
        EXPECT_THROW(DecodeItem(bmp), EBitmapError) << what;
}

TEST_F(StyleBmpTest, RunPastTheRowEnd_StaysInsideThePicture) {
    // 40 pixels into a row of 4: the surplus is dropped, nothing is written outside.
    const PixelBuffer b = DecodeItem(Rle(8, std::string("\x28\x01\x00\x01", 4)));
    EXPECT_EQ(b.Width(), 4);
    EXPECT_EQ(b.Height(), 2);
}

// Mutated headers and cut data, stored as glyph items: decoding either gives a picture within the
// caps or raises the bitmap error; the sanitizers watch every read.
TEST_F(StyleBmpTest, MutatedBitmaps_DecodeOrRaiseTheBitmapError) {
    std::mt19937 rng(1106);
    const std::vector<std::string> seeds = Seeds();
    const std::vector<int32_t> extremes = {0,          1,         -1, 2,  255, 256, 0x7FFF, 0x8000,
                                           0x7FFFFFFF, INT32_MIN, 40, 12, 124, 54,  62};
    const std::string path = dir.File("m.sti");
    int runs = 0, decoded = 0;
    for (; runs < kbtest::Rounds(600); ++runs) {
        std::string bmp = seeds[rng() % seeds.size()];
        const int changes = std::uniform_int_distribution<int>(1, 4)(rng);
        for (int k = 0; k < changes; ++k) {
            const size_t at = rng() % std::min<size_t>(bmp.size(), 70);
            if (rng() % 2 && at + 4 <= bmp.size())
                bmp.replace(at, 4, Le32(extremes[rng() % extremes.size()]));
            else
                bmp[at] = static_cast<char>(rng());
        }
        if (rng() % 4 == 0)
            bmp.resize(rng() % (bmp.size() + 1));
        if (bmp.empty())
            bmp = "B";
        WriteBytes(path, MakeStyleFile({{0, StyleText()}, {1, bmp}}));
        try {
            ReadStyleGlyphs(path, {1}, false, [&](size_t, std::string_view b) {
                const PixelBuffer p = DecodeBmp(b);
                ASSERT_LE(p.Width(), kMaxBmpSide);
                ASSERT_LE(int64_t{p.Width()} * p.Height(), kMaxBmpPixels);
                ++decoded;
            });
        } catch (const EBitmapError&) {
        }
    }
    EXPECT_GT(decoded, 0);
    EXPECT_LT(decoded, runs);
}

} // namespace
