// Build-time generator of the launcher's icons, drawn here so that no binary image lives in the
// repository: MAINICON (the program: a window of launch buttons under a title bar), NULLICON (an
// empty launch slot), ZLOCK (the tray while locked: a padlock) and ZNONE (the tray while calling is
// disabled: a barred circle). Each is written as a .ico of 32-bit images with their masks, at
// 32 x 32 and 16 x 16 pixels (NULLICON only at 32 x 32, the size of a launch button's icon).
// Usage: gen_icons OUTDIR
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

// One picture of size x size pixels, 0xAARRGGBB, top row first; drawn in coordinates of a 32 x 32
// picture, so that every icon has the same shapes at each size.
class Picture {
public:
    explicit Picture(int size) : size_(size), pixels_(size * size, 0) {}
    int Size() const { return size_; }
    uint32_t At(int x, int y) const { return pixels_[y * size_ + x]; }

    // Every pixel whose centre, in 32 x 32 coordinates, passes the test gets the colour.
    void Paint(uint32_t argb, const std::function<bool(double x, double y)>& inside) {
        const double scale = 32.0 / size_;
        for (int y = 0; y < size_; ++y)
            for (int x = 0; x < size_; ++x)
                if (inside((x + 0.5) * scale, (y + 0.5) * scale))
                    pixels_[y * size_ + x] = argb;
    }
    void Box(uint32_t argb, double l, double t, double r, double b) {
        Paint(argb, [=](double x, double y) { return x >= l && x < r && y >= t && y < b; });
    }
    void Frame(uint32_t argb, double l, double t, double r, double b, double w) {
        Paint(argb, [=](double x, double y) {
            const bool in = x >= l && x < r && y >= t && y < b;
            const bool inner = x >= l + w && x < r - w && y >= t + w && y < b - w;
            return in && !inner;
        });
    }
    void Disk(uint32_t argb, double cx, double cy, double radius) {
        Paint(argb, [=](double x, double y) { return std::hypot(x - cx, y - cy) <= radius; });
    }
    void Ring(uint32_t argb, double cx, double cy, double outer, double inner) {
        Paint(argb, [=](double x, double y) {
            const double d = std::hypot(x - cx, y - cy);
            return d <= outer && d >= inner;
        });
    }
    // A straight band of width w from (x0, y0) to (x1, y1).
    void Band(uint32_t argb, double x0, double y0, double x1, double y1, double w) {
        Paint(argb, [=](double x, double y) {
            const double dx = x1 - x0, dy = y1 - y0;
            const double len2 = dx * dx + dy * dy;
            const double t = std::clamp(((x - x0) * dx + (y - y0) * dy) / len2, 0.0, 1.0);
            return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= w / 2;
        });
    }

private:
    int size_;
    std::vector<uint32_t> pixels_;
};

constexpr uint32_t kFace = 0xFFE6E1CC; // the launcher's face colour
constexpr uint32_t kLight = 0xFFFFFFEE;
constexpr uint32_t kDark = 0xFF5A6A8A;
constexpr uint32_t kTitle = 0xFF2A3F8F;
constexpr uint32_t kYellow = 0xFFFFE040;
constexpr uint32_t kRed = 0xFFE03030;
constexpr uint32_t kGreen = 0xFF30B050;
constexpr uint32_t kBlue = 0xFF3070E0;
constexpr uint32_t kOrange = 0xFFF09020;
constexpr uint32_t kGrey = 0xFF8C8C8C;
constexpr uint32_t kGold = 0xFFD8A020;
constexpr uint32_t kGoldDark = 0xFF8A6010;

void DrawMain(Picture& p) {
    p.Box(kDark, 1, 3, 31, 29);
    p.Box(kFace, 2, 4, 30, 28);
    p.Box(kTitle, 2, 4, 30, 10);
    p.Box(kYellow, 4, 6, 16, 8);
    p.Box(kRed, 24, 5, 28, 9);
    const uint32_t colours[] = {kGreen, kBlue, kOrange, kRed};
    for (int i = 0; i < 4; ++i) {
        const double l = 4 + 6.5 * i;
        p.Frame(kLight, l, 13, l + 5.5, 18.5, 0.8);
        p.Box(colours[i], l + 1, 14, l + 4.5, 17.5);
    }
    p.Box(kDark, 3, 22, 29, 23);
    p.Box(kTitle, 4, 24, 12, 27);
}

void DrawEmptySlot(Picture& p) {
    // A dotted outline, so an unregistered button shows where an item can go.
    p.Paint(0xFF9AA8AC, [](double x, double y) {
        const bool edge = (x >= 4 && x < 28 && (y >= 4 && y < 5.5)) ||
                          (x >= 4 && x < 28 && (y >= 26.5 && y < 28)) ||
                          (y >= 4 && y < 28 && (x >= 4 && x < 5.5)) ||
                          (y >= 4 && y < 28 && (x >= 26.5 && x < 28));
        return edge && (static_cast<int>(x) / 2 + static_cast<int>(y) / 2) % 2 == 0;
    });
}

void DrawLock(Picture& p) {
    p.Ring(kGrey, 16, 13, 8.5, 5.5);
    p.Box(0, 6, 13, 26, 16); // the shackle ends inside the body
    p.Box(kGrey, 7.5, 13, 10.5, 17);
    p.Box(kGrey, 21.5, 13, 24.5, 17);
    p.Box(kGoldDark, 5, 15, 27, 30);
    p.Box(kGold, 6, 16, 26, 29);
    p.Disk(kGoldDark, 16, 21, 2.5);
    p.Box(kGoldDark, 15, 21, 17, 26);
}

void DrawNone(Picture& p) {
    p.Disk(0xFFFFFFFF, 16, 16, 13);
    p.Ring(kRed, 16, 16, 14.5, 10.5);
    p.Band(kRed, 8.5, 8.5, 23.5, 23.5, 4);
}

void Put16(std::vector<uint8_t>& out, unsigned v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// The image as an icon resource holds it: the header, the colours bottom row first, and the mask
// (rows padded to four bytes; a set bit where the picture is transparent).
std::vector<uint8_t> IconImage(const Picture& p) {
    const int n = p.Size();
    const int maskRow = ((n + 31) / 32) * 4;
    std::vector<uint8_t> out;
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(n));
    Put32(out, static_cast<uint32_t>(n * 2));
    Put16(out, 1);
    Put16(out, 32);
    for (int i = 0; i < 6; ++i)
        Put32(out, 0);
    for (int y = n - 1; y >= 0; --y)
        for (int x = 0; x < n; ++x)
            Put32(out, p.At(x, y));
    for (int y = n - 1; y >= 0; --y) {
        std::vector<uint8_t> row(maskRow, 0);
        for (int x = 0; x < n; ++x)
            if ((p.At(x, y) >> 24) == 0)
                row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

bool WriteIcon(const std::string& path, void (*draw)(Picture&), std::vector<int> sizes) {
    std::vector<std::vector<uint8_t>> images;
    for (int size : sizes) {
        Picture p(size);
        draw(p);
        images.push_back(IconImage(p));
    }
    std::vector<uint8_t> ico;
    Put16(ico, 0);
    Put16(ico, 1);
    Put16(ico, static_cast<unsigned>(images.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        ico.push_back(static_cast<uint8_t>(sizes[i]));
        ico.push_back(static_cast<uint8_t>(sizes[i]));
        ico.push_back(0);
        ico.push_back(0);
        Put16(ico, 1);
        Put16(ico, 32);
        Put32(ico, static_cast<uint32_t>(images[i].size()));
        Put32(ico, offset);
        offset += static_cast<uint32_t>(images[i].size());
    }
    for (const auto& image : images)
        ico.insert(ico.end(), image.begin(), image.end());
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(ico.data(), 1, ico.size(), f) == ico.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    const std::string dir = std::string(argv[1]) + "/";
    const bool ok = WriteIcon(dir + "mainicon.ico", DrawMain, {32, 16}) &&
                    WriteIcon(dir + "nullicon.ico", DrawEmptySlot, {32}) &&
                    WriteIcon(dir + "zlock.ico", DrawLock, {32, 16}) &&
                    WriteIcon(dir + "znone.ico", DrawNone, {32, 16});
    return ok ? 0 : 1;
}
