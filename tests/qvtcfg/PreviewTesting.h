#pragma once
// A preview surface that paints shapes into pixels and records everything else (texts, glyph
// loads and cells, pictures, icons), and style files for the preview with colours of their own.
#include "qvtcfg/StylePreviewPaint.h"

#include "shared/StyleFiles.h"
#include "support/TempDir.h"

#include "forms/gfx/PixelPainter.h"

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace previewtest {

struct TextCall {
    TPreviewFont Font;
    forms::TPoint At;
    std::optional<forms::TRect> Clip;
    std::string Text;
};

struct TextInCall {
    TPreviewFont Font;
    forms::TRect Rect;
    std::string Text;
};

// A glyph drawing: "cell" (StripCellStretched), "skin" (StripCellSkin) or "rotated".
struct GlyphCall {
    std::string Kind;
    int Glyph, Index, Count;
    forms::TRect Rect;
    bool Transparent;
    int Angle;
};

struct PictureCall {
    forms::PixelBuffer Picture;
    forms::TPoint At;
    bool Transparent;
};

class RecordingSurface : public TPreviewSurface {
public:
    // Pixels of width x height, black; "006" measures 18 x 12 and "0" 6 x 12 in the box's font.
    RecordingSurface(int width = 240, int height = 148)
        : pixels(width, height, 32), painter_(pixels.View()) {}

    forms::TPainter& Painter() override { return painter_; }
    forms::TSize BoxTextExtent(std::string_view text) override {
        ++boxMeasures;
        return {6 * static_cast<int>(text.size()), 12};
    }
    forms::TSize TextExtent(const TPreviewFont& /*font*/, std::string_view text) override {
        return {6 * static_cast<int>(text.size()), 14};
    }
    void WriteText(const TPreviewFont& font, forms::TPoint at,
                   const std::optional<forms::TRect>& clip, std::string_view text) override {
        brushClearAtText.push_back(painter_.BrushStyle() == forms::TBrushStyle::bsClear);
        texts.push_back({font, at, clip, std::string(text)});
    }
    void WriteTextIn(const TPreviewFont& font, const forms::TRect& r,
                     std::string_view text) override {
        brushClearAtText.push_back(painter_.BrushStyle() == forms::TBrushStyle::bsClear);
        textsIn.push_back({font, r, std::string(text)});
    }
    void LoadGlyphs(const std::string& styleFile, const std::vector<int>& items) override {
        loads.push_back({styleFile, items});
    }
    forms::PixelView GlyphPixels(int glyph) override {
        forms::PixelBuffer& b = glyphs.at(static_cast<size_t>(glyph));
        return b.Empty() ? forms::PixelView() : b.View();
    }
    void StripCellStretched(int glyph, int index, int count, const forms::TRect& r,
                            bool transparent) override {
        glyphCalls.push_back({"cell", glyph, index, count, r, transparent, 0});
    }
    void SkinPartRotated(int glyph, const forms::TRect& r, bool transparent, int angle) override {
        glyphCalls.push_back({"rotated", glyph, 0, 0, r, transparent, angle});
    }
    void StripCellSkin(int glyph, int index, int count, const forms::TRect& r,
                       bool transparent) override {
        glyphCalls.push_back({"skin", glyph, index, count, r, transparent, 0});
    }
    void Picture(const forms::PixelBuffer& picture, forms::TPoint at, bool transparent) override {
        pictures.push_back({picture, at, transparent});
    }
    void ProgramIcon(const std::string& programFile, forms::TPoint at) override {
        icons.push_back({programFile, at});
    }

    // The texts written, in order.
    std::vector<std::string> TextsWritten() const {
        std::vector<std::string> out;
        for (const TextCall& t : texts)
            out.push_back(t.Text);
        return out;
    }
    const TextCall* FindText(const std::string& text) const {
        for (const TextCall& t : texts)
            if (t.Text == text)
                return &t;
        return nullptr;
    }

    forms::PixelBuffer pixels;
    std::array<forms::PixelBuffer, 6> glyphs; // what the "loaded" glyph bitmaps hold
    int boxMeasures = 0;
    std::vector<bool> brushClearAtText;
    std::vector<TextCall> texts;
    std::vector<TextInCall> textsIn;
    std::vector<std::pair<std::string, std::vector<int>>> loads;
    std::vector<GlyphCall> glyphCalls;
    std::vector<PictureCall> pictures;
    std::vector<std::pair<std::string, forms::TPoint>> icons;

private:
    forms::TPixelPainter painter_;
};

// Colours of the test style, each its own.
constexpr forms::TColor kBody = 0x0000A0, kTabFace = 0x00B000, kTabLight = 0xC00000,
                        kTabDark = 0x303030, kTabText = 0x404040, kTabSelect = 0x505050,
                        kPageCounter = 0x606060, kTitleFace = 0x700070, kTitleLight = 0x800080,
                        kTitleDark = 0x900090, kTitleText = 0xA000A0, kButtonCounter = 0xB000B0,
                        kButtonFace = 0x00C0C0, kButtonLight = 0x00D0D0, kButtonDark = 0x00E0E0,
                        kButtonMark = 0x00F0F0, kLockFace = 0x102030, kWizFace = 0x203040,
                        kCloseFace = 0x304050;

inline std::string Hex(forms::TColor c) {
    char b[16];
    std::snprintf(b, sizeof b, "$%08X", static_cast<unsigned>(c));
    return b;
}

// The style text: type, the colours above, the fonts "TabFace" and "TitleFace", the glyph item
// numbers given (-1 by default) and a draw mode for the hint.
struct StyleSpec {
    int Type = 0;
    // Lock, data-editor and close buttons, launch buttons, tabs, title bar.
    std::array<int, 6> Glyphs{-1, -1, -1, -1, -1, -1};
    std::array<int, 3> HintGlyphs{-1, -1, -1};
    int DrawMode = 1;
};

inline std::string StyleTextOf(const StyleSpec& s) {
    const auto line = [](const std::string& k, const std::string& v) {
        return k + "=" + v + "\r\n";
    };
    const auto list = [](std::initializer_list<forms::TColor> cs) {
        std::string out;
        for (forms::TColor c : cs)
            out += (out.empty() ? "" : ",") + Hex(c);
        return out;
    };
    const auto g = [&s](size_t i) { return std::to_string(s.Glyphs[i]); };
    std::string t = "[Style]\r\nFormat=K+StyleInformation\r\nVersion=1\r\n" +
                    line("Type", std::to_string(s.Type)) + "[About]\r\nTitle=テスト\r\n";
    t += "[LockBtn]\r\n" + line("Color", list({kLockFace, 0xFFFFFF, 0x000000, 0x0000FF})) +
         "Trans=1\r\n";
    t += "[WizBtn]\r\n" + line("Color", list({kWizFace, 0xFFFFFF, 0x000000, 0x00FF00})) +
         "Trans=0\r\n";
    t += "[CloseBtn]\r\n" + line("Color", list({kCloseFace, 0xFFFFFF, 0x000000, 0xFF0000})) +
         "Trans=1\r\n";
    t += "[BtnBar]\r\n" +
         line("Color", list({kButtonFace, kButtonLight, kButtonDark, kButtonMark})) + "Trans=0\r\n";
    t += "[Form]\r\n" + line("Color", Hex(kBody));
    t += "[SubForm]\r\n" + line("DrawMode", std::to_string(s.DrawMode));
    t += "[Tab]\r\n" + line("Color", list({kTabFace, kTabLight, kTabDark})) + "Trans=1\r\n" +
         line("CounterColor", Hex(kPageCounter));
    t += "[TabFont]\r\nName=TabFace\r\nBold=0\r\nItalic=1\r\n" + line("Color", Hex(kTabText)) +
         line("SelectColor", Hex(kTabSelect));
    t += "[TitleBar]\r\n" + line("Color", list({kTitleFace, kTitleLight, kTitleDark})) +
         "Trans=1\r\n" + line("CounterColor", Hex(kButtonCounter));
    t += "[TitleFont]\r\nName=TitleFace\r\nBold=1\r\nItalic=0\r\n" + line("Color", Hex(kTitleText));
    t += "[Glyph]\r\n" + line("LockBtn", g(0)) + line("WizBtn", g(1)) + line("CloseBtn", g(2)) +
         line("BtnBar", g(3)) + line("Tab", g(4)) + line("TitleBar", g(5)) +
         line("SubFormH", std::to_string(s.HintGlyphs[0])) +
         line("SubFormV", std::to_string(s.HintGlyphs[1])) +
         line("SubForm", std::to_string(s.HintGlyphs[2]));
    return t;
}

// A style file as described by spec, written in dir; its path.
inline std::string WriteStyle(const kbtest::TempDir& dir, const StyleSpec& spec,
                              const std::string& name = "test.sti") {
    const std::string path = dir.File(name);
    kbtest::WriteBytes(path, kbtest::MakeStyleFile({{0, StyleTextOf(spec)}}));
    return path;
}

// The input for a selected style of the given type, the part colours numbered 0x10101 x k.
inline TStylePreviewInput InputFor(const std::string& path, int type) {
    TStylePreviewInput in;
    in.StyleSelected = true;
    in.StylePath = path;
    in.StyleType = type;
    in.ColorChangeable = type == 0;
    for (size_t k = 1; k < in.PartColors.size(); ++k)
        in.PartColors[k] = static_cast<forms::TColor>(0x010101 * k);
    in.HintFontName = "HintFace";
    in.HintTextColor = 0x112233;
    in.HintBackColor = 0x445566;
    in.LauncherFolder = "C:\\K";
    return in;
}

} // namespace previewtest
