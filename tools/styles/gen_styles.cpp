// Builds the style files that ship beside the programs: each a container of an index (256 item
// sizes, then 256 offsets, 32-bit little-endian), the style text as item 0 and the glyph strips as
// further items. The glyphs are drawn here; change a palette or a drawing and rebuild.
//   gen_styles <output folder>
#include "Raster.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <string>

using namespace styles;

namespace {

// Item numbers of the glyph strips, as the style text names them.
enum Item {
    kLockBtn = 1,
    kWizBtn,
    kCloseBtn,
    kBtnBar,
    kTab,
    kTitleBar,
    kSubFormH,
    kSubFormV,
    kSubForm,
    kFormH,
    kFormV,
    kForm
};

// Sizes the programs draw the glyphs at.
constexpr int kTitleButton = 20;           // the three title-bar buttons
constexpr int kLaunchButton = 40;          // the button grid's state images
constexpr int kTabW = 48, kTabH = 24;      // one tab frame, cut into thirds
constexpr int kTitleW = 160, kTitleH = 28; // caps of 40 and 80 around a middle of 40
constexpr int kEdge = 10;                  // the hint window's margins

struct ButtonColors {
    Rgb Face, Outline, Mark;
};

struct Palette {
    Rgb Body; // the window around the buttons
    Rgb TitleTop, TitleBottom, TitleLight, TitleDark, TitleText, Counter;
    ButtonColors Lock, Wiz, Close;
    Rgb LockShut; // the lock while the window is locked
    Rgb TileTop, TileBottom, TileOutline, TileLight, Mark, Empty, EmptyLine;
    Rgb TabTop, TabBottom, TabOutline, TabText, TabSelectText, PageCounter;
    Rgb HintBody, HintOutline, HintLight, HintText;
    Rgb HintStar; // the tiled body's pattern (when Starry)
    bool Starry = false;
};

// --- pixel art ---

const Icon kLockOpen = {
    "...####...", "..##..##..", "..#....#..", ".......#..", ".......#..", "##########",
    "##########", "####..####", "####..####", "##########", "##########",
};
const Icon kLockShut = {
    "..........", "...####...", "..##..##..", "..#....#..", "..#....#..", "##########",
    "##########", "####..####", "####..####", "##########", "##########",
};
const Icon kSheet = {
    "#####...", "#...##..", "#...#.#.", "#...####", "#......#", "#.####.#",
    "#......#", "#.####.#", "#......#", "#.###..#", "#......#", "########",
};
const Icon kCross = {
    "##....##", "###..###", ".######.", "..####..", "..####..", ".######.", "###..###", "##....##",
};
const Icon kTwinkle = {".#.", "###", ".#."};

// --- glyphs ---

// Four frames of one title-bar button: normal, pressed, hovered, unusable.
Image TitleButton(const ButtonColors& c, const Icon& icon, const Icon& pressedIcon,
                  Rgb pressedMark) {
    const int s = kTitleButton;
    Image strip(4 * s, s);
    const auto face = [&](int frame, Panel p, const Icon& mark, Rgb markColor, int dy) {
        DrawPanel(strip, frame * s, 0, s, s, p);
        DrawIconCentred(strip, mark, frame * s, 0, s, s, markColor, dy);
    };
    Panel normal{4,      true,      true,
                 false,  false,     false,
                 false,  c.Outline, Lighter(c.Face, 0.35),
                 c.Face, true,      Lighter(c.Face, 0.6)};
    face(0, normal, icon, c.Mark, 0);

    Panel pressed = normal;
    pressed.Top = Darker(c.Face, 0.18);
    pressed.Bottom = Lighter(c.Face, 0.1);
    pressed.Highlighted = false;
    face(1, pressed, pressedIcon, pressedMark, 1);

    Panel hovered = normal;
    hovered.Top = Lighter(c.Face, 0.55);
    hovered.Bottom = Lighter(c.Face, 0.2);
    hovered.Highlight = Lighter(c.Face, 0.8);
    face(2, hovered, icon, c.Mark, 0);

    Panel unusable = normal;
    unusable.Outline = Grey(c.Outline, 0.5);
    unusable.Top = Grey(normal.Top, 0.5);
    unusable.Bottom = Grey(c.Face, 0.5);
    unusable.Highlight = Grey(normal.Highlight, 0.5);
    face(3, unusable, icon, Grey(c.Mark, 0.6), 0);
    return strip;
}

// Four frames of a launch button: normal face, pressed face, selected face, empty cell. The grid
// draws them opaque, so the cut corners take the window's colour.
Image LaunchButtons(const Palette& p) {
    const int s = kLaunchButton;
    Image strip(4 * s, s, p.Body);
    const Panel normal{5,     true,          true,      false,        false, false,
                       false, p.TileOutline, p.TileTop, p.TileBottom, true,  p.TileLight};
    DrawPanel(strip, 0, 0, s, s, normal);

    Panel pressed = normal;
    pressed.Top = Darker(p.TileBottom, 0.08);
    pressed.Bottom = p.TileTop;
    pressed.Highlight = Darker(p.TileBottom, 0.15); // a shadow under the top edge
    DrawPanel(strip, s, 0, s, s, pressed);

    DrawPanel(strip, 2 * s, 0, s, s, normal);
    Panel ring{4, true, true, false, false, false, false, p.Mark, p.Mark, p.Mark, false, p.Mark};
    DrawPanel(strip, 2 * s + 1, 1, s - 2, s - 2, ring);
    Panel inner = normal;
    inner.Radius = 3;
    inner.Outline = Lighter(p.Mark, 0.45);
    DrawPanel(strip, 2 * s + 3, 3, s - 6, s - 6, inner);

    strip.Fill(3 * s + 1, 1, s - 2, s - 2, p.Empty);
    DrawDashedFrame(strip, 3 * s + 1, 1, s - 2, s - 2, 5, p.EmptyLine);
    return strip;
}

// Two tab frames, selected and other, for tabs below the page: the selected tab is of a piece
// with the page above it, the others sit back behind a line.
Image Tabs(const Palette& p) {
    Image strip(2 * kTabW, kTabH);
    const Panel selected{4,     false,        true,   true,        false, false,
                         false, p.TabOutline, p.Body, p.TabBottom, false, p.Body};
    DrawPanel(strip, 0, 0, kTabW, kTabH, selected);
    const Panel other{4,        false,
                      true,     false,
                      false,    false,
                      false,    p.TabOutline,
                      p.TabTop, Darker(p.TabBottom, 0.06),
                      true,     Lighter(p.TabTop, 0.3)};
    DrawPanel(strip, kTabW + 1, 0, kTabW - 2, kTabH - 2, other);
    return strip;
}

Image TitleBar(const Palette& p) {
    Image bar(kTitleW, kTitleH);
    for (int y = 0; y < kTitleH; ++y) {
        const double t = static_cast<double>(y) / (kTitleH - 1);
        Rgb c = Mix(p.TitleTop, p.TitleBottom, t);
        if (y < kTitleH / 2) // a soft gloss over the upper half
            c = Lighter(c, 0.08 * (1.0 - t * 2));
        bar.Fill(0, y, kTitleW, 1, c);
    }
    bar.Fill(0, 0, kTitleW, 1, p.TitleLight);
    bar.Fill(0, kTitleH - 1, kTitleW, 1, p.TitleDark);
    bar.Fill(0, 0, 1, kTitleH, p.TitleLight);
    bar.Fill(kTitleW - 1, 0, 1, kTitleH, p.TitleDark);
    return bar;
}

// A window skin in three strips: top and bottom edges side by side, left and right edges side
// by side, and the body.
struct Skin {
    Image Edges, Sides, Body;
};

Skin WindowSkin(Rgb body, Rgb outline, Rgb light, bool starry, Rgb star) {
    const int half = 3 * kEdge;
    Skin skin{Image(2 * half, kEdge), Image(2 * kEdge, kEdge), Image(32, 32, body)};
    Image top(half, kEdge);
    const Panel edge{6, true, false, false, true, false, false, outline, body, body, true, light};
    DrawPanel(top, 0, 0, half, kEdge, edge);
    skin.Edges.Blit(top, 0, 0);
    Panel bottomEdge = edge;
    bottomEdge.Highlighted = false;
    Image bottom(half, kEdge);
    DrawPanel(bottom, 0, 0, half, kEdge, bottomEdge);
    skin.Edges.Blit(bottom.FlippedVertically(), half, 0);

    skin.Sides.Fill(0, 0, 2 * kEdge, kEdge, body);
    skin.Sides.Fill(0, 0, 1, kEdge, outline);
    skin.Sides.Fill(1, 0, 1, kEdge, light);
    skin.Sides.Fill(2 * kEdge - 1, 0, 1, kEdge, outline);

    if (starry) {
        skin.Body = Image(16, 16, body);
        DrawIcon(skin.Body, kTwinkle, 2, 3, star);
        skin.Body.Set(11, 9, star);
        skin.Body.Set(6, 13, Mix(body, star, 0.5));
        skin.Body.Set(13, 2, Mix(body, star, 0.4));
    }
    return skin;
}

// --- style files ---

struct Style {
    std::string FileName, Title, Note;
    int Type = 0;
    int DrawMode = 1;
    bool Glyphs = true;
    Palette P;
};

std::string Line(const std::string& key, const std::string& value) {
    return key + "=" + value + "\r\n";
}

std::string Colors(std::initializer_list<Rgb> colors) {
    std::string s;
    for (const Rgb c : colors)
        s += (s.empty() ? "" : ",") + ColorText(c);
    return s;
}

std::string StyleText(const Style& s) {
    const Palette& p = s.P;
    const auto glyph = [&s](Item item) { return std::to_string(s.Glyphs ? item : -1); };
    std::string t = "; K+Bandeo のスタイル。tools/styles/gen_styles.cpp で作られます。\r\n";
    t += "[Style]\r\n" + Line("Format", "K+StyleInformation") + Line("App", "K+Bandeo") +
         Line("Version", "1") + Line("Type", std::to_string(s.Type));
    t += "[About]\r\n" + Line("File", s.FileName) + Line("Title", s.Title) +
         Line("Author", "K+Bandeo") + Line("Note", s.Note);
    t += "[LockBtn]\r\n" +
         Line("Color", Colors({p.Lock.Face, Lighter(p.Lock.Face, 0.6), p.Lock.Outline, p.Lock.Mark,
                               p.LockShut})) +
         Line("Trans", "1");
    t += "[WizBtn]\r\n" +
         Line("Color", Colors({p.Wiz.Face, Lighter(p.Wiz.Face, 0.6), p.Wiz.Outline, p.Wiz.Mark})) +
         Line("Trans", "1");
    t += "[CloseBtn]\r\n" +
         Line("Color",
              Colors({p.Close.Face, Lighter(p.Close.Face, 0.6), p.Close.Outline, p.Close.Mark})) +
         Line("Trans", "1");
    t += "[BtnBar]\r\n" +
         Line("Color", Colors({p.TileBottom, p.TileLight, p.TileOutline, p.Mark})) +
         Line("Trans", "0");
    t += "[Form]\r\n" + Line("Color", ColorText(p.Body)) + Line("Trans", "0");
    t += "[SubForm]\r\n" + Line("FontColor", ColorText(p.HintText)) +
         Line("DrawMode", std::to_string(s.DrawMode)) + Line("Trans", "0") + Line("Bounds", "0,0");
    t += "[Tab]\r\n" + Line("Color", Colors({p.TabTop, Lighter(p.TabTop, 0.3), p.TabOutline})) +
         Line("Trans", "1") + Line("CounterColor", ColorText(p.PageCounter)) +
         Line("CounterBackTrans", "1");
    t += "[TabFont]\r\n" + Line("Name", "ＭＳ Ｐゴシック") + Line("Bold", "1") +
         Line("Italic", "0") + Line("Color", ColorText(p.TabText)) +
         Line("SelectColor", ColorText(p.TabSelectText));
    t += "[TitleBar]\r\n" + Line("Color", Colors({p.TitleBottom, p.TitleLight, p.TitleDark})) +
         Line("Trans", "0") + Line("CounterColor", ColorText(p.Counter));
    t += "[TitleFont]\r\n" + Line("Name", "ＭＳ Ｐゴシック") + Line("Bold", "1") +
         Line("Italic", "0") + Line("Color", ColorText(p.TitleText));
    t += "[Glyph]\r\n" + Line("LockBtn", glyph(kLockBtn)) + Line("WizBtn", glyph(kWizBtn)) +
         Line("CloseBtn", glyph(kCloseBtn)) + Line("BtnBar", glyph(kBtnBar)) +
         Line("Tab", glyph(kTab)) + Line("TitleBar", glyph(kTitleBar)) +
         Line("SubFormH", glyph(kSubFormH)) + Line("SubFormV", glyph(kSubFormV)) +
         Line("SubForm", glyph(kSubForm)) + Line("FormH", glyph(kFormH)) +
         Line("FormV", glyph(kFormV)) + Line("Form", glyph(kForm));
    return t;
}

std::map<int, std::string> Items(const Style& s) {
    std::map<int, std::string> items{{0, StyleText(s)}};
    if (!s.Glyphs)
        return items;
    const Palette& p = s.P;
    items[kLockBtn] = TitleButton(p.Lock, kLockOpen, kLockShut, p.LockShut).Bmp();
    items[kWizBtn] = TitleButton(p.Wiz, kSheet, kSheet, p.Wiz.Mark).Bmp();
    items[kCloseBtn] = TitleButton(p.Close, kCross, kCross, p.Close.Mark).Bmp();
    items[kBtnBar] = LaunchButtons(p).Bmp();
    items[kTab] = Tabs(p).Bmp();
    items[kTitleBar] = TitleBar(p).Bmp();
    const Skin hint = WindowSkin(p.HintBody, p.HintOutline, p.HintLight, p.Starry, p.HintStar);
    items[kSubFormH] = hint.Edges.Bmp();
    items[kSubFormV] = hint.Sides.Bmp();
    items[kSubForm] = hint.Body.Bmp();
    const Skin form = WindowSkin(p.Body, p.TileOutline, p.TileLight, false, p.Body);
    items[kFormH] = form.Edges.Bmp();
    items[kFormV] = form.Sides.Bmp();
    items[kForm] = form.Body.Bmp();
    return items;
}

std::string Container(const std::map<int, std::string>& items) {
    std::string file(2048, '\0');
    const auto put = [&file](size_t at, size_t v) {
        for (int i = 0; i < 4; ++i)
            file[at + static_cast<size_t>(i)] = static_cast<char>(v >> (8 * i) & 0xFF);
    };
    for (const auto& [item, bytes] : items) {
        put(4 * static_cast<size_t>(item), bytes.size());
        put(1024 + 4 * static_cast<size_t>(item), file.size());
        file += bytes;
    }
    return file;
}

// --- the styles ---

Style Standard() {
    Style s{"format.sti", "標準", "明るい生成り色の標準スタイル", 0, 1, true, {}};
    Palette& p = s.P;
    p.Body = Hex(0xE9E4DC);
    p.TitleTop = Hex(0x4A5F7E);
    p.TitleBottom = Hex(0x2B3A52);
    p.TitleLight = Hex(0x6F86A8);
    p.TitleDark = Hex(0x18222F);
    p.TitleText = Hex(0xFFF4D6);
    p.Counter = Hex(0xA8E68A);
    p.Lock = {Hex(0xDCE4EE), Hex(0x5D6D80), Hex(0x34495E)};
    p.LockShut = Hex(0xC0392B);
    p.Wiz = {Hex(0x4F86E0), Hex(0x2C4F91), Hex(0xFFFFFF)};
    p.Close = {Hex(0xDE5448), Hex(0x8E2A22), Hex(0xFFFFFF)};
    p.TileTop = Hex(0xFFFFFF);
    p.TileBottom = Hex(0xEEE9E1);
    p.TileOutline = Hex(0xB7AEA2);
    p.TileLight = Hex(0xFFFFFF);
    p.Mark = Hex(0xE8873A);
    p.Empty = Hex(0xE2DCD2);
    p.EmptyLine = Hex(0xC6BDB0);
    p.TabTop = Hex(0xD9D2C7);
    p.TabBottom = Hex(0xF3EFE9);
    p.TabOutline = Hex(0xA39A8D);
    p.TabText = Hex(0x4A4540);
    p.TabSelectText = Hex(0xC2562A);
    p.PageCounter = Hex(0x2B3A52);
    p.HintBody = Hex(0xFFFCEF);
    p.HintOutline = Hex(0x9C8F74);
    p.HintLight = Hex(0xFFFFFF);
    p.HintText = Hex(0x2F2A22);
    return s;
}

Style Night() {
    Style s{"night.sti", "夜空", "紺色の夜空に星の浮かぶスタイル", 1, 2, true, {}};
    Palette& p = s.P;
    p.Body = Hex(0x1B2233);
    p.TitleTop = Hex(0x2C3856);
    p.TitleBottom = Hex(0x141A29);
    p.TitleLight = Hex(0x46557A);
    p.TitleDark = Hex(0x080B12);
    p.TitleText = Hex(0xE6EEFF);
    p.Counter = Hex(0x7FD8FF);
    p.Lock = {Hex(0x33405E), Hex(0x0E121C), Hex(0x9FD8FF)};
    p.LockShut = Hex(0xFFC857);
    p.Wiz = {Hex(0x3B5096), Hex(0x121A36), Hex(0xFFFFFF)};
    p.Close = {Hex(0x8E3040), Hex(0x2E0C12), Hex(0xFFE3E6)};
    p.TileTop = Hex(0x3A4766);
    p.TileBottom = Hex(0x262F46);
    p.TileOutline = Hex(0x0F131D);
    p.TileLight = Hex(0x52628A);
    p.Mark = Hex(0xFFC857);
    p.Empty = Hex(0x202839);
    p.EmptyLine = Hex(0x3A4560);
    p.TabTop = Hex(0x2A3449);
    p.TabBottom = Hex(0x232C40);
    p.TabOutline = Hex(0x0B0F18);
    p.TabText = Hex(0xB8C4DC);
    p.TabSelectText = Hex(0xFFC857);
    p.PageCounter = Hex(0x7FD8FF);
    p.HintBody = Hex(0x1E2639);
    p.HintOutline = Hex(0x5C6C90);
    p.HintLight = Hex(0x2F3A55);
    p.HintText = Hex(0xE6EEFF);
    p.HintStar = Hex(0x8A9BC4);
    p.Starry = true;
    return s;
}

// Colours only, no glyphs.
Style Plain() {
    Style s = Standard();
    s.FileName = "plain.sti";
    s.Title = "シンプル";
    s.Note = "画像を使わない色だけのスタイル";
    s.Glyphs = false;
    s.P.Body = Hex(0xDDE5DF);
    s.P.TileBottom = Hex(0xF2F6F3);
    s.P.TileOutline = Hex(0x8FA396);
    s.P.Mark = Hex(0x2E8B57);
    s.P.TabTop = Hex(0xCBD6CE);
    s.P.TabOutline = Hex(0x8FA396);
    s.P.TabSelectText = Hex(0x2E8B57);
    s.P.TitleBottom = Hex(0x35503F);
    s.P.TitleLight = Hex(0x5E7F69);
    s.P.TitleDark = Hex(0x1C2B21);
    return s;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_styles <output folder>\n");
        return 2;
    }
    for (const Style& style : {Standard(), Night(), Plain()}) {
        const std::string path = std::string(argv[1]) + "/" + style.FileName;
        const std::string bytes = Container(Items(style));
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "gen_styles: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
