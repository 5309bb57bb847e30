// Build-time generator of a test icon: one 32 x 32 image of 32 bits per pixel, opaque, filled
// with one colour, so that tests can tell it from any icon of the system by a pixel.
// Usage: gen_test_icon OUT.ico RRGGBB
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
void Put16(std::vector<uint8_t>& out, unsigned v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    const uint32_t rgb = static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 16));
    constexpr unsigned kSize = 32;
    constexpr uint32_t kPixels = kSize * kSize * 4, kMask = kSize * 4;
    constexpr uint32_t kImage = 40 + kPixels + kMask;
    std::vector<uint8_t> ico;
    Put16(ico, 0); // icon directory: reserved, type 1 (icon), one image
    Put16(ico, 1);
    Put16(ico, 1);
    ico.push_back(kSize); // directory entry
    ico.push_back(kSize);
    ico.push_back(0); // no palette
    ico.push_back(0);
    Put16(ico, 1);  // planes
    Put16(ico, 32); // bits per pixel
    Put32(ico, kImage);
    Put32(ico, 6 + 16);
    Put32(ico, 40); // BITMAPINFOHEADER, the height counting the image and its mask
    Put32(ico, kSize);
    Put32(ico, kSize * 2);
    Put16(ico, 1);
    Put16(ico, 32);
    for (int i = 0; i < 6; ++i)
        Put32(ico, 0);
    for (uint32_t i = 0; i < kSize * kSize; ++i) { // BGRA, opaque
        ico.push_back(static_cast<uint8_t>(rgb));
        ico.push_back(static_cast<uint8_t>(rgb >> 8));
        ico.push_back(static_cast<uint8_t>(rgb >> 16));
        ico.push_back(0xFF);
    }
    ico.insert(ico.end(), kMask, 0); // AND mask: every pixel shown
    FILE* f = std::fopen(argv[1], "wb");
    if (!f)
        return 1;
    const bool ok = std::fwrite(ico.data(), 1, ico.size(), f) == ico.size();
    return std::fclose(f) == 0 && ok ? 0 : 1;
}
