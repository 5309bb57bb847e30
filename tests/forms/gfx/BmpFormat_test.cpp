#include "forms/gfx/BmpFormat.h"

#include "forms/base/Exceptions.h"

#include <gtest/gtest.h>

#include <random>

using namespace forms;

namespace {

void Put16(std::string& s, uint32_t v) {
    s.push_back(static_cast<char>(v & 0xFF));
    s.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void Put32(std::string& s, uint32_t v) {
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

// A .bmp file with an info header (40 bytes) unless 'core'; the pixel bytes are given as stored.
struct BmpSpec {
    int32_t width = 2, height = 2;
    int bitCount = 24;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
    std::vector<uint32_t> palette; // written as given (4 bytes, or 3 with core)
    std::vector<uint32_t> masks;   // after the header
    std::string pixels;
    bool core = false;
    int64_t offBitsDelta = 0; // added to the correct offset
};

std::string Build(const BmpSpec& b) {
    std::string body;
    if (b.core) {
        Put32(body, 12);
        Put16(body, static_cast<uint32_t>(b.width));
        Put16(body, static_cast<uint32_t>(b.height));
        Put16(body, 1);
        Put16(body, static_cast<uint32_t>(b.bitCount));
        for (uint32_t c : b.palette) {
            body.push_back(static_cast<char>(c & 0xFF));
            body.push_back(static_cast<char>((c >> 8) & 0xFF));
            body.push_back(static_cast<char>((c >> 16) & 0xFF));
        }
    } else {
        Put32(body, 40);
        Put32(body, static_cast<uint32_t>(b.width));
        Put32(body, static_cast<uint32_t>(b.height));
        Put16(body, 1);
        Put16(body, static_cast<uint32_t>(b.bitCount));
        Put32(body, b.compression);
        Put32(body, static_cast<uint32_t>(b.pixels.size()));
        Put32(body, 0);
        Put32(body, 0);
        Put32(body, b.colorsUsed);
        Put32(body, 0);
        for (uint32_t m : b.masks)
            Put32(body, m);
        for (uint32_t c : b.palette)
            Put32(body, c);
    }
    std::string file = "BM";
    Put32(file, static_cast<uint32_t>(14 + body.size() + b.pixels.size()));
    Put32(file, 0);
    Put32(file, static_cast<uint32_t>(14 + static_cast<int64_t>(body.size()) + b.offBitsDelta));
    return file + body + b.pixels;
}

// Two rows of two 24-bit pixels, bottom row first: bottom red, green; top blue, white.
BmpSpec TwoByTwo() {
    BmpSpec b;
    b.pixels = std::string("\x00\x00\xFF\x00\xFF\x00\x00\x00", 8) +
               std::string("\xFF\x00\x00\xFF\xFF\xFF\x00\x00", 8);
    return b;
}

void ExpectBad(const std::string& file) {
    EXPECT_THROW(DecodeBmp(file), EBitmapError);
}

} // namespace

TEST(BmpFormat, BottomUpRowsBecomeTopDown) {
    const PixelBuffer p = DecodeBmp(Build(TwoByTwo()));
    ASSERT_EQ(p.BitCount(), 24);
    EXPECT_EQ(p.View().ColorAt(0, 0), clBlue);
    EXPECT_EQ(p.View().ColorAt(1, 0), clWhite);
    EXPECT_EQ(p.View().ColorAt(0, 1), clRed);
    EXPECT_EQ(p.View().ColorAt(1, 1), clLime);
}

TEST(BmpFormat, NegativeHeightIsAlreadyTopDown) {
    BmpSpec b = TwoByTwo();
    b.height = -2;
    const PixelBuffer p = DecodeBmp(Build(b));
    EXPECT_EQ(p.Height(), 2);
    EXPECT_EQ(p.View().ColorAt(0, 0), clRed);
}

TEST(BmpFormat, ShortPaletteIsPaddedWithBlack) {
    BmpSpec b;
    b.width = 3;
    b.height = 1;
    b.bitCount = 8;
    b.colorsUsed = 2;
    b.palette = {0x00FF0000, 0x0000FF00}; // red, green as stored (0x00RRGGBB)
    b.pixels = std::string("\x01\x00\x07\x00", 4);
    const PixelBuffer p = DecodeBmp(Build(b));
    EXPECT_EQ(p.Palette().size(), 256u);
    EXPECT_EQ(p.View().ColorAt(0, 0), clLime);
    EXPECT_EQ(p.View().ColorAt(1, 0), clRed);
    EXPECT_EQ(p.View().ColorAt(2, 0), clBlack);
}

TEST(BmpFormat, MonochromeKeepsDepthAndPalette) {
    BmpSpec b;
    b.width = 9;
    b.height = 1;
    b.bitCount = 1;
    b.palette = {0x000000, 0xFFFFFF};
    b.pixels = std::string("\x80\x80\x00\x00", 4);
    const PixelBuffer p = DecodeBmp(Build(b));
    EXPECT_EQ(p.BitCount(), 1);
    EXPECT_EQ(p.View().ColorAt(0, 0), clWhite);
    EXPECT_EQ(p.View().ColorAt(1, 0), clBlack);
    EXPECT_EQ(p.View().ColorAt(8, 0), clWhite);
}

TEST(BmpFormat, CoreHeaderWithThreeBytePalette) {
    BmpSpec b;
    b.core = true;
    b.width = 2;
    b.height = 1;
    b.bitCount = 4;
    for (uint32_t i = 0; i < 16; ++i)
        b.palette.push_back(i == 3 ? 0x0000FF : 0);
    b.pixels = std::string("\x30\x00\x00\x00", 4);
    const PixelBuffer p = DecodeBmp(Build(b));
    EXPECT_EQ(p.View().ColorAt(0, 0), clBlue);
    EXPECT_EQ(p.View().ColorAt(1, 0), clBlack);
}

TEST(BmpFormat, RunLength8WithDeltaAndAbsoluteRun) {
    BmpSpec b;
    b.width = 4;
    b.height = 2;
    b.bitCount = 8;
    b.compression = 1;
    b.palette.assign(256, 0);
    b.palette[5] = 0xFF0000;
    b.palette[6] = 0x00FF00;
    // bottom row: 2 x index 5, then delta (1, 0), end of line; top row: absolute 5, 6, 5.
    b.pixels = std::string("\x02\x05\x00\x02\x01\x00\x00\x00\x00\x03\x05\x06\x05\x00\x00\x01", 16);
    const PixelBuffer p = DecodeBmp(Build(b));
    EXPECT_EQ(p.BitCount(), 8);
    EXPECT_EQ(p.View().Raw(0, 1), 5u);
    EXPECT_EQ(p.View().Raw(1, 1), 5u);
    EXPECT_EQ(p.View().Raw(2, 1), 0u);
    EXPECT_EQ(p.View().Raw(0, 0), 5u);
    EXPECT_EQ(p.View().Raw(1, 0), 6u);
    EXPECT_EQ(p.View().ColorAt(1, 0), clLime);
}

TEST(BmpFormat, RunLength4AlternatesNibbles) {
    BmpSpec b;
    b.width = 5;
    b.height = 1;
    b.bitCount = 4;
    b.compression = 2;
    b.palette.assign(16, 0);
    b.pixels = std::string("\x05\x12\x00\x01", 4);
    const PixelBuffer p = DecodeBmp(Build(b));
    EXPECT_EQ(p.View().Raw(0, 0), 1u);
    EXPECT_EQ(p.View().Raw(1, 0), 2u);
    EXPECT_EQ(p.View().Raw(4, 0), 1u);
}

TEST(BmpFormat, RunsPastTheRightEdgeAreDropped) {
    BmpSpec b;
    b.width = 2;
    b.height = 1;
    b.bitCount = 8;
    b.compression = 1;
    b.palette.assign(256, 0);
    b.pixels = std::string("\xFF\x07\x00\x01", 4);
    const PixelBuffer p = DecodeBmp(Build(b));
    EXPECT_EQ(p.View().Raw(1, 0), 7u);
}

TEST(BmpFormat, BitFields565BecomeThirtyTwoBits) {
    BmpSpec b;
    b.width = 1;
    b.height = 1;
    b.bitCount = 16;
    b.compression = 3;
    b.masks = {0xF800, 0x07E0, 0x001F};
    b.pixels = std::string("\x00\xF8\x00\x00", 4); // pure red
    const PixelBuffer p = DecodeBmp(Build(b));
    EXPECT_EQ(p.BitCount(), 32);
    EXPECT_EQ(p.View().ColorAt(0, 0), clRed);
}

TEST(BmpFormat, BitFields555StaySixteenBits) {
    BmpSpec b;
    b.width = 1;
    b.height = 1;
    b.bitCount = 16;
    b.compression = 3;
    b.masks = {0x7C00, 0x03E0, 0x001F};
    b.pixels = std::string("\x1F\x00\x00\x00", 4);
    const PixelBuffer p = DecodeBmp(Build(b));
    EXPECT_EQ(p.BitCount(), 16);
    EXPECT_EQ(p.View().ColorAt(0, 0), clBlue);
}

TEST(BmpFormat, EncodedFileDecodesToSamePixels) {
    PixelBuffer p(3, 2, 8);
    p.Palette()[1] = 0x123456;
    p.View().SetRaw(2, 1, 1);
    const PixelBuffer q = DecodeBmp(EncodeBmp(p.View()));
    EXPECT_EQ(q.Bits(), p.Bits());
    EXPECT_EQ(q.Palette(), p.Palette());
}

TEST(BmpFormat, PackedDibGetsItsOffsetFromThePalette) {
    const std::string file = EncodeBmp(PixelBuffer(2, 2, 4).View());
    const PixelBuffer p = DecodePackedDib(file.substr(14));
    EXPECT_EQ(p.Width(), 2);
    EXPECT_EQ(p.BitCount(), 4);
}

TEST(BmpFormat, BadSignatureOrHeaderIsRefused) {
    std::string file = Build(TwoByTwo());
    file[0] = 'X';
    ExpectBad(file);
    ExpectBad("BM");
    ExpectBad("");
    file = Build(TwoByTwo());
    file[14] = 41; // header size 41
    ExpectBad(file);
}

TEST(BmpFormat, BadSizesAreRefused) {
    for (auto [w, h] : {std::pair{0, 2}, {-2, 2}, {2, 0}, {40000, 1}, {5000, 5000}}) {
        BmpSpec b = TwoByTwo();
        b.width = w;
        b.height = h;
        ExpectBad(Build(b));
    }
}

TEST(BmpFormat, BadBitCountsAndCompressionsAreRefused) {
    for (int bits : {0, 2, 3, 7, 48}) {
        BmpSpec b = TwoByTwo();
        b.bitCount = bits;
        ExpectBad(Build(b));
    }
    BmpSpec rle = TwoByTwo();
    rle.compression = 1; // RLE8 with 24 bits
    ExpectBad(Build(rle));
    BmpSpec jpeg = TwoByTwo();
    jpeg.compression = 4;
    ExpectBad(Build(jpeg));
}

TEST(BmpFormat, TopDownRunLengthIsRefused) {
    BmpSpec b;
    b.width = 1;
    b.height = -1;
    b.bitCount = 8;
    b.compression = 1;
    b.palette.assign(256, 0);
    b.pixels = std::string("\x01\x00\x00\x01", 4);
    ExpectBad(Build(b));
}

TEST(BmpFormat, PaletteLargerThanDepthAllowsIsRefused) {
    BmpSpec b;
    b.width = 1;
    b.height = 1;
    b.bitCount = 1;
    b.colorsUsed = 3;
    b.palette = {0, 0, 0};
    b.pixels = std::string(4, '\0');
    ExpectBad(Build(b));
}

TEST(BmpFormat, PaletteReachingIntoPixelsIsRefused) {
    BmpSpec b;
    b.width = 1;
    b.height = 1;
    b.bitCount = 8;
    b.palette.assign(256, 0);
    b.pixels = std::string(4, '\0');
    b.offBitsDelta = -8; // pixels said to start inside the palette
    ExpectBad(Build(b));
}

TEST(BmpFormat, OffsetPastTheDataIsRefused) {
    BmpSpec b = TwoByTwo();
    b.offBitsDelta = 1000;
    ExpectBad(Build(b));
}

TEST(BmpFormat, TruncatedPixelsAreRefused) {
    std::string file = Build(TwoByTwo());
    file.pop_back();
    ExpectBad(file);
}

TEST(BmpFormat, RunLengthWithoutEndIsRefused) {
    BmpSpec b;
    b.width = 4;
    b.height = 4;
    b.bitCount = 8;
    b.compression = 1;
    b.palette.assign(256, 0);
    b.pixels = std::string("\x02\x05", 2);
    ExpectBad(Build(b));
    b.pixels = std::string("\x00\x05\x01", 3); // absolute run of 5 with one byte
    ExpectBad(Build(b));
}

// 60 bytes claimed a 4096 x 4096 picture: the codes must reach every pixel. Line ends and deltas
// cover what they skip, and the end code finishes its row.
TEST(BmpFormat, RunLengthCodesMustCoverThePicture) {
    const std::string end("\x00\x01", 2);
    BmpSpec b;
    b.bitCount = 8;
    b.compression = 1;
    b.palette.assign(256, 0);
    b.width = b.height = 4096;
    b.pixels = end;
    ExpectBad(Build(b));
    b.width = b.height = 64;
    for (const std::string& rows63 : {std::string(63 * 2, '\0'), std::string("\0\x02\0\x3F", 4)}) {
        b.pixels = rows63 + end;
        EXPECT_EQ(DecodeBmp(Build(b)).Height(), 64);
    }
}

TEST(BmpFormat, OverlappingOrEmptyMasksAreRefused) {
    BmpSpec b;
    b.width = 1;
    b.height = 1;
    b.bitCount = 32;
    b.compression = 3;
    b.pixels = std::string(4, '\0');
    b.masks = {0xFF0000, 0x00FF00, 0x00FF00};
    ExpectBad(Build(b));
    b.masks = {0xFF0000, 0x00FF00, 0};
    ExpectBad(Build(b));
    b.masks = {0xF0F000, 0x000F00, 0xFF};
    ExpectBad(Build(b));
}

// Random damage to valid files: every outcome is a picture of the declared size or EBitmapError,
// never a read outside the data (the sanitizers watch the host build).
TEST(BmpFormat, RandomisedInputNeverCrashes) {
    std::vector<std::string> seeds;
    seeds.push_back(Build(TwoByTwo()));
    {
        BmpSpec b;
        b.width = 7;
        b.height = 5;
        b.bitCount = 8;
        b.compression = 1;
        b.palette.assign(256, 0x123456);
        b.pixels = std::string("\x03\x05\x00\x03\x03\x01\x02\x03\x00\x00\x00\x02\x02\x01\x00\x00"
                               "\x04\x09\x00\x01",
                               20);
        seeds.push_back(Build(b));
        b.bitCount = 4;
        b.compression = 2;
        b.palette.assign(16, 0x654321);
        seeds.push_back(Build(b));
    }
    {
        BmpSpec b;
        b.width = 3;
        b.height = 3;
        b.bitCount = 16;
        b.compression = 3;
        b.masks = {0xF800, 0x07E0, 0x001F};
        b.pixels = std::string(24, '\x5A');
        seeds.push_back(Build(b));
        b.core = true;
        b.bitCount = 1;
        b.masks.clear();
        b.palette = {0, 0xFFFFFF};
        b.pixels = std::string(12, '\x3C');
        seeds.push_back(Build(b));
    }
    std::mt19937 rng(20240611);
    int decoded = 0, refused = 0;
    for (int i = 0; i < 6000; ++i) {
        std::string file = seeds[rng() % seeds.size()];
        const int edits = 1 + static_cast<int>(rng() % 6);
        for (int e = 0; e < edits; ++e) {
            switch (rng() % 4) {
            case 0:
                file[rng() % file.size()] = static_cast<char>(rng());
                break;
            case 1: // header fields get the most interesting damage
                file[rng() % std::min<size_t>(file.size(), 60)] = static_cast<char>(rng());
                break;
            case 2:
                file.resize(rng() % (file.size() + 1));
                break;
            default:
                file.append(rng() % 8, static_cast<char>(rng()));
                break;
            }
            if (file.empty())
                file = "B";
        }
        try {
            const PixelBuffer p = DecodeBmp(file);
            ASSERT_GT(p.Width(), 0);
            ASSERT_GT(p.Height(), 0);
            ASSERT_EQ(p.Bits().size(), static_cast<size_t>(p.Stride()) * p.Height());
            ++decoded;
        } catch (const EBitmapError&) {
            ++refused;
        }
    }
    EXPECT_GT(decoded, 0);
    EXPECT_GT(refused, 0);
}
