// The style files built beside the programs.
#include "shared/StyleFile.h"

#include "StyleFiles.h"

#include "forms/gfx/BmpFormat.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace forms;
using namespace kbtest;

namespace {

const std::vector<std::string> kShipped = {"format.sti", "night.sti", "plain.sti"};

std::vector<int> GlyphNumbers(const TStiData& d) {
    return {d.LockBtn.GlyphIndex, d.WizBtn.GlyphIndex,   d.CloseBtn.GlyphIndex, d.BtnBar.GlyphIndex,
            d.Tab.GlyphIndex,     d.TitleBar.GlyphIndex, d.SubForm.GlyphH,      d.SubForm.GlyphV,
            d.SubForm.Glyph,      d.Form.GlyphH,         d.Form.GlyphV,         d.Form.Glyph};
}

TStiData Load(const std::string& name) {
    TStiData d;
    EXPECT_TRUE(LoadStyleFile(ProgramFolder() + name, d)) << name;
    return d;
}

TEST(ShippedStyles, EveryStyle_PassesTheStyleTestAndLoads) {
    for (const std::string& name : kShipped) {
        EXPECT_TRUE(IsStyleFile(ProgramFolder() + name, kStyleMaxVersion)) << name;
        const TStiData d = Load(name);
        EXPECT_EQ(d.About.FileName, name);
        EXPECT_EQ(d.About.Format, "K+StyleInformation");
        EXPECT_EQ(d.About.Version, "1");
        EXPECT_FALSE(d.About.Title.empty());
    }
}

TEST(ShippedStyles, Format_IsTheDefaultTypeAndNamesEveryGlyph) {
    const TStiData d = Load("format.sti");
    EXPECT_EQ(d.About.Type, 0);
    const std::vector<int> numbers = GlyphNumbers(d);
    for (const int n : numbers)
        EXPECT_GE(n, 1);
    EXPECT_EQ(std::set<int>(numbers.begin(), numbers.end()).size(), numbers.size());
}

TEST(ShippedStyles, AnotherStyle_IsOfAnotherType) {
    bool other = false;
    for (const std::string& name : kShipped)
        other |= Load(name).About.Type != 0;
    EXPECT_TRUE(other);
}

TEST(ShippedStyles, EveryNamedGlyph_IsABitmapItemInsideTheFile) {
    for (const std::string& name : kShipped) {
        const std::vector<int> numbers = GlyphNumbers(Load(name));
        size_t read = 0;
        EXPECT_TRUE(ReadStyleGlyphs(ProgramFolder() + name, numbers, true,
                                    [&](size_t, std::string_view bmp) {
                                        EXPECT_EQ(bmp.substr(0, 2), "BM");
                                        ++read;
                                    }));
        size_t named = 0;
        for (const int n : numbers)
            named += n >= 1;
        EXPECT_EQ(read, named) << name;
    }
}

// Each strip as its drawing expects it: the strip routines count cells as if they were square, the
// title-bar buttons are 20 pixels and drawn unscaled, the title bar has caps of 40 and 80 pixels,
// the hint edges caps of 10. A cell drawn transparently takes its colour from its bottom-left
// pixel, which must not be the colour of its middle.
TEST(ShippedStyles, Glyphs_HaveTheShapesTheirDrawingExpects) {
    struct Shape {
        int Cells, Width, Height; // 0: any
        bool Transparent;
    };
    for (const std::string& name : kShipped) {
        const TStiData d = Load(name);
        const std::vector<Shape> shapes = {{4, 80, 20, d.LockBtn.Trans},
                                           {4, 80, 20, d.WizBtn.Trans},
                                           {4, 80, 20, d.CloseBtn.Trans},
                                           {4, 0, 0, d.BtnBar.Trans},
                                           {2, 0, 0, d.Tab.Trans},
                                           {1, 0, 28, false},
                                           {2, 0, 10, false},
                                           {2, 0, 0, false},
                                           {1, 0, 0, false},
                                           {2, 0, 0, false},
                                           {2, 0, 0, false},
                                           {1, 0, 0, false}};
        const std::vector<int> numbers = GlyphNumbers(d);
        ReadStyleGlyphs(ProgramFolder() + name, numbers, true, [&](size_t i, std::string_view b) {
            const PixelBuffer strip = DecodeBmp(b);
            const Shape& s = shapes[i];
            SCOPED_TRACE(name + " glyph " + std::to_string(i));
            EXPECT_GE(strip.Width() / strip.Height(), s.Cells);
            if (s.Width) {
                EXPECT_EQ(strip.Width(), s.Width);
            }
            if (s.Height) {
                EXPECT_EQ(strip.Height(), s.Height);
            }
            const int cellW = strip.Width() / s.Cells;
            for (int c = 0; s.Transparent && c < s.Cells; ++c)
                EXPECT_NE(strip.View().ColorAt(c * cellW, strip.Height() - 1),
                          strip.View().ColorAt(c * cellW + cellW / 2, strip.Height() / 2));
        });
    }
    const TStiData d = Load("format.sti");
    EXPECT_TRUE(ReadStyleGlyphs(
        ProgramFolder() + "format.sti", {d.TitleBar.GlyphIndex}, true,
        [](size_t, std::string_view b) { EXPECT_GE(DecodeBmp(b).Width(), 40 + 80 + 1); }));
}

} // namespace
