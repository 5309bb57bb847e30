#include "Raster.h"

#include <algorithm>
#include <cmath>

namespace styles {

namespace {
uint8_t Channel(double v) {
    return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

void PutLe(std::string& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>(v >> (8 * i) & 0xFF);
}

// Inside a box of w x h with the named corners cut by radius r.
bool InsideRounded(int x, int y, int w, int h, int r, bool roundTop, bool roundBottom) {
    if (x < 0 || y < 0 || x >= w || y >= h)
        return false;
    if (r <= 0)
        return true;
    const bool top = roundTop && y < r, bottom = roundBottom && y >= h - r;
    const bool left = x < r, right = x >= w - r;
    if (!((top || bottom) && (left || right)))
        return true;
    const double cx = left ? r - 0.5 : w - r - 0.5, cy = top ? r - 0.5 : h - r - 0.5;
    const double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= (r - 0.25) * (r - 0.25);
}
} // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
    return {Channel(a.R + (b.R - a.R) * t), Channel(a.G + (b.G - a.G) * t),
            Channel(a.B + (b.B - a.B) * t)};
}
Rgb Lighter(Rgb c, double t) {
    return Mix(c, Hex(0xFFFFFF), t);
}
Rgb Darker(Rgb c, double t) {
    return Mix(c, Hex(0x000000), t);
}
Rgb Grey(Rgb c, double flat) {
    const uint8_t v = Channel(0.3 * c.R + 0.59 * c.G + 0.11 * c.B);
    return Mix({v, v, v}, Hex(0x9A9A9A), flat);
}

std::string ColorText(Rgb c) {
    static const char* digits = "0123456789ABCDEF";
    std::string s = "$00";
    for (const uint8_t v : {c.B, c.G, c.R}) {
        s += digits[v >> 4];
        s += digits[v & 15];
    }
    return s;
}

Image::Image(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width * height), fill) {}

void Image::Set(int x, int y, Rgb c) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_)
        pixels_[static_cast<size_t>(y * width_ + x)] = c;
}

void Image::Fill(int x, int y, int w, int h, Rgb c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            Set(i, j, c);
}

void Image::Blit(const Image& source, int x, int y) {
    for (int j = 0; j < source.height_; ++j)
        for (int i = 0; i < source.width_; ++i)
            Set(x + i, y + j, source.At(i, j));
}

Image Image::FlippedVertically() const {
    Image out(width_, height_);
    for (int j = 0; j < height_; ++j)
        for (int i = 0; i < width_; ++i)
            out.Set(i, height_ - 1 - j, At(i, j));
    return out;
}

std::string Image::Bmp() const {
    const uint32_t stride = (static_cast<uint32_t>(width_) * 3 + 3) & ~3u;
    const uint32_t pixelBytes = stride * static_cast<uint32_t>(height_);
    std::string out = "BM";
    PutLe(out, 54 + pixelBytes, 4);
    PutLe(out, 0, 4);
    PutLe(out, 54, 4);
    PutLe(out, 40, 4);
    PutLe(out, static_cast<uint32_t>(width_), 4);
    PutLe(out, static_cast<uint32_t>(height_), 4);
    PutLe(out, 1, 2);
    PutLe(out, 24, 2);
    PutLe(out, 0, 4); // no compression
    PutLe(out, pixelBytes, 4);
    PutLe(out, 2835, 4); // 72 dots per inch
    PutLe(out, 2835, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    for (int y = height_ - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < width_; ++x) {
            const Rgb c = At(x, y);
            row += static_cast<char>(c.B);
            row += static_cast<char>(c.G);
            row += static_cast<char>(c.R);
        }
        row.resize(stride, '\0');
        out += row;
    }
    return out;
}

void DrawPanel(Image& image, int x, int y, int w, int h, const Panel& p) {
    const auto inside = [&](int i, int j) {
        // An open side runs on beyond the box.
        if ((p.OpenTop && j < 0) || (p.OpenBottom && j >= h))
            return i >= 0 && i < w;
        if ((p.OpenLeft && i < 0) || (p.OpenRight && i >= w))
            return j >= 0 && j < h;
        return InsideRounded(i, j, w, h, p.Radius, p.RoundTop, p.RoundBottom);
    };
    for (int j = 0; j < h; ++j) {
        const double t = h > 1 ? static_cast<double>(j) / (h - 1) : 0.0;
        const Rgb face = Mix(p.Top, p.Bottom, t);
        for (int i = 0; i < w; ++i) {
            if (!inside(i, j))
                continue;
            const bool edge =
                !inside(i - 1, j) || !inside(i + 1, j) || !inside(i, j - 1) || !inside(i, j + 1);
            Rgb c = face;
            if (edge)
                c = p.Outline;
            else if (p.Highlighted && !inside(i, j - 2) && !p.OpenTop)
                c = p.Highlight;
            image.Set(x + i, y + j, c);
        }
    }
}

void DrawDashedFrame(Image& image, int x, int y, int w, int h, int radius, Rgb color) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            if (!InsideRounded(i, j, w, h, radius, true, true))
                continue;
            const bool edge = !InsideRounded(i - 1, j, w, h, radius, true, true) ||
                              !InsideRounded(i + 1, j, w, h, radius, true, true) ||
                              !InsideRounded(i, j - 1, w, h, radius, true, true) ||
                              !InsideRounded(i, j + 1, w, h, radius, true, true);
            if (edge && (i + j) % 4 < 2)
                image.Set(x + i, y + j, color);
        }
}

void DrawIcon(Image& image, const Icon& icon, int x, int y, Rgb color) {
    for (size_t j = 0; j < icon.size(); ++j)
        for (size_t i = 0; i < icon[j].size(); ++i)
            if (icon[j][i] == '#')
                image.Set(x + static_cast<int>(i), y + static_cast<int>(j), color);
}

void DrawIconCentred(Image& image, const Icon& icon, int x, int y, int w, int h, Rgb color,
                     int dy) {
    const int iw = icon.empty() ? 0 : static_cast<int>(icon[0].size());
    const int ih = static_cast<int>(icon.size());
    DrawIcon(image, icon, x + (w - iw) / 2, y + (h - ih) / 2 + dy, color);
}

} // namespace styles
