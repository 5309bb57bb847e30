// The style files built beside the programs.
#include "shared/SkinLib.h"

#include "forms/base/Files.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace forms;

namespace {

// The program folder of this build: bin beside the folder of the test programs.
std::string ProgramFolder() {
    const std::string self = ProgramPath();
    const size_t cut = self.find_last_of("/\\");
    const char sep = self[cut];
    return self.substr(0, cut + 1) + ".." + sep + "bin" + sep;
}

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

} // namespace
