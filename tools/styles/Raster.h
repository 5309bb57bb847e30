#pragma once
// A small raster for drawing the style glyphs: 24-bit pixels, rounded panels with outline,
// gradient and highlight, one-colour pixel-art icons, and the .bmp file form.
#include <cstdint>
#include <string>
#include <vector>

namespace styles {

struct Rgb {
    uint8_t R = 0, G = 0, B = 0;
    friend bool operator==(Rgb a, Rgb b) { return a.R == b.R && a.G == b.G && a.B == b.B; }
};

constexpr Rgb Hex(uint32_t rgb) {
    return {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
            static_cast<uint8_t>(rgb)};
}

// The colour that marks transparent pixels: every glyph's bottom-left pixel is this colour, since
// the programs take a glyph's transparent colour from that pixel.
constexpr Rgb kKey = Hex(0xFF00FF);

// a + (b - a) * t
Rgb Mix(Rgb a, Rgb b, double t);
Rgb Lighter(Rgb c, double t);
Rgb Darker(Rgb c, double t);
// The same brightness in grey, pulled towards mid grey by flat.
Rgb Grey(Rgb c, double flat);
// "$00BBGGRR", as the style text writes colours.
std::string ColorText(Rgb c);

class Image {
public:
    Image(int width, int height, Rgb fill = kKey);
    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb At(int x, int y) const { return pixels_[static_cast<size_t>(y * width_ + x)]; }
    // Pixels outside the image are ignored.
    void Set(int x, int y, Rgb c);
    void Fill(int x, int y, int w, int h, Rgb c);
    void Blit(const Image& source, int x, int y);
    Image FlippedVertically() const;
    // A whole .bmp file: info header, 24 bits, rows bottom-up.
    std::string Bmp() const;

private:
    int width_, height_;
    std::vector<Rgb> pixels_;
};

// A rounded box at (x, y, w, h): the corners named round are cut with radius r; the outline runs
// along every side except those left open (an open side joins what lies beyond); the inside is
// a vertical gradient from top to bottom with a highlight row under the top outline.
struct Panel {
    int Radius = 0;
    bool RoundTop = true, RoundBottom = true;
    bool OpenTop = false, OpenBottom = false, OpenLeft = false, OpenRight = false;
    Rgb Outline, Top, Bottom;
    bool Highlighted = false;
    Rgb Highlight;
};
void DrawPanel(Image& image, int x, int y, int w, int h, const Panel& panel);

// A dashed outline along the inside of a rounded box.
void DrawDashedFrame(Image& image, int x, int y, int w, int h, int radius, Rgb color);

// Pixel art: rows of equal length, '#' is painted in color, any other character is left alone.
using Icon = std::vector<std::string>;
void DrawIcon(Image& image, const Icon& icon, int x, int y, Rgb color);
// The icon centred in the box (x, y, w, h), moved down by dy.
void DrawIconCentred(Image& image, const Icon& icon, int x, int y, int w, int h, Rgb color,
                     int dy = 0);

} // namespace styles
