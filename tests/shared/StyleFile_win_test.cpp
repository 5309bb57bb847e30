// Glyph strips of a style file into bitmaps.
#include "shared/StyleFile.h"

#include "StyleFiles.h"

#include "forms/base/Exceptions.h"
#include "forms/gfx/Bitmap.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include "forms/base/Codepage.h"

#include <windows.h>

#include <random>
#include <stdexcept>

using namespace forms;
using namespace kbtest;

namespace {

class StyleGlyphsTest : public ::testing::Test {
protected:
    StyleGlyphsTest() {
        for (TBitmap* b : {&a, &b2, &c}) {
            b->SetSize(3, 3);
            b->Canvas().Brush().SetColor(clLime);
            b->Canvas().FillRect(Rect(0, 0, 3, 3));
        }
    }
    std::string Write(const std::map<int, std::string>& items) {
        const std::string path = dir.File("g.sti");
        WriteBytes(path, MakeStyleFile(items));
        return path;
    }
    static bool Untouched(TBitmap& b) {
        return b.Width() == 3 && b.Height() == 3 && b.Pixels().ColorAt(1, 1) == clLime;
    }
    static bool IsTiny(TBitmap& b) {
        return b.Width() == 2 && b.Height() == 1 && b.Pixels().ColorAt(0, 0) == clRed &&
               b.Pixels().ColorAt(1, 0) == clBlue;
    }

    TempDir dir;
    TBitmap a, b2, c;
};

TEST_F(StyleGlyphsTest, Load_NamedItems_ReplaceTheirBitmaps) {
    const std::string path = Write({{0, StyleText()}, {7, TinyBmp()}});
    EXPECT_TRUE(LoadStyleGlyphs(path, {7, -1, 7}, true, {&a, &b2, &c}));
    EXPECT_TRUE(IsTiny(a));
    EXPECT_TRUE(Untouched(b2));
    EXPECT_TRUE(IsTiny(c));
}

TEST_F(StyleGlyphsTest, Load_ZeroOrNumbersAbove255_LeaveBitmapsUntouched) {
    const std::string path = Write({{0, StyleText()}, {1, TinyBmp()}});
    EXPECT_TRUE(LoadStyleGlyphs(path, {0, 256, 100000}, false, {&a, &b2, &c}));
    EXPECT_TRUE(Untouched(a));
    EXPECT_TRUE(Untouched(b2));
    EXPECT_TRUE(Untouched(c));
}

TEST_F(StyleGlyphsTest, Load_InvalidBitmap_RaisesBitmapErrorKeepingEarlierGlyphs) {
    const std::string path = Write({{0, StyleText()}, {1, TinyBmp()}, {2, "BMnot a bitmap"}});
    try {
        LoadStyleGlyphs(path, {1, 2, 1}, false, {&a, &b2, &c});
        FAIL() << "no error";
    } catch (const EBitmapError& e) {
        EXPECT_EQ(e.Message(), "ビットマップイメージが不正です");
    }
    EXPECT_TRUE(IsTiny(a));
    EXPECT_TRUE(Untouched(b2));
    EXPECT_TRUE(Untouched(c));
}

TEST_F(StyleGlyphsTest, Load_ItemBeyondEnd_RaisesReadError) {
    std::string file = MakeStyleFile({{0, StyleText()}, {1, TinyBmp()}});
    SetIndexEntry(file, 1, 1000, 2048);
    const std::string path = dir.File("g.sti");
    WriteBytes(path, file);
    try {
        LoadStyleGlyphs(path, {1}, false, {&a});
        FAIL() << "no error";
    } catch (const EStreamReadError& e) {
        EXPECT_EQ(e.Message(), "ストリームからの読み込みエラー");
    }
    EXPECT_TRUE(Untouched(a));
}

TEST_F(StyleGlyphsTest, Load_MissingFileOrCheckedNoStyle_ReturnsFalseTouchingNothing) {
    EXPECT_FALSE(LoadStyleGlyphs(dir.File("none.sti"), {1}, false, {&a}));
    const std::string path = Write({{0, "[About]\r\n"}, {1, TinyBmp()}});
    EXPECT_FALSE(LoadStyleGlyphs(path, {1}, true, {&a}));
    EXPECT_TRUE(Untouched(a));
    EXPECT_TRUE(LoadStyleGlyphs(path, {1}, false, {&a}));
    EXPECT_TRUE(IsTiny(a));
}

TEST_F(StyleGlyphsTest, Load_ArraysOfDifferentLength_AreRefusedBeforeReading) {
    const std::string path = Write({{0, StyleText()}, {1, TinyBmp()}});
    EXPECT_THROW(LoadStyleGlyphs(path, {1, 1}, false, {&a}), std::invalid_argument);
    EXPECT_THROW(LoadStyleGlyphs(path, {1}, false, {nullptr}), std::invalid_argument);
    EXPECT_TRUE(Untouched(a));
}

TEST_F(StyleGlyphsTest, Load_AfterStyleFile_FillsTheLaunchersNineBitmaps) {
    const std::string text = StyleText("[Glyph]\r\nLockBtn=1\r\nTab=1\r\nSubForm=2\r\n");
    const std::string path = Write({{0, text}, {1, TinyBmp()}, {2, TinyBmp()}});
    TStiData d;
    ASSERT_TRUE(LoadStyleFile(path, d));
    TBitmap lock, wiz, close, bar, tab, title, h, v, body;
    for (TBitmap* b : {&lock, &wiz, &close, &bar, &tab, &title, &h, &v, &body})
        b->SetSize(3, 3);
    EXPECT_TRUE(LoadStyleGlyphs(path,
                                {d.LockBtn.GlyphIndex, d.WizBtn.GlyphIndex, d.CloseBtn.GlyphIndex,
                                 d.BtnBar.GlyphIndex, d.Tab.GlyphIndex, d.TitleBar.GlyphIndex,
                                 d.SubForm.GlyphH, d.SubForm.GlyphV, d.SubForm.Glyph},
                                false, {&lock, &wiz, &close, &bar, &tab, &title, &h, &v, &body}));
    EXPECT_TRUE(IsTiny(lock));
    EXPECT_TRUE(IsTiny(tab));
    EXPECT_TRUE(IsTiny(body));
    EXPECT_EQ(wiz.Width(), 3);
    EXPECT_EQ(h.Width(), 3);
}

// Mutated bitmaps through the bitmap class: a picture or the bitmap error, and a failed load
// leaves the bitmap as it was.
TEST_F(StyleGlyphsTest, Load_MutatedBitmaps_LoadOrRaiseLeavingBitmap) {
    std::mt19937 rng(1107);
    const std::string path = dir.File("m.sti");
    int runs = 0, loaded = 0;
    for (; runs < 200; ++runs) {
        std::string bmp = TinyBmp();
        const int changes = std::uniform_int_distribution<int>(1, 3)(rng);
        for (int k = 0; k < changes; ++k) {
            const size_t at = rng() % bmp.size();
            if (rng() % 2 && at + 4 <= bmp.size())
                bmp.replace(at, 4, Le32(static_cast<int32_t>(rng() % 2 ? rng() : rng() % 300)));
            else
                bmp[at] = static_cast<char>(rng());
        }
        WriteBytes(path, MakeStyleFile({{0, StyleText()}, {1, bmp}}));
        TBitmap b(3, 3);
        b.Canvas().Brush().SetColor(clLime);
        b.Canvas().FillRect(Rect(0, 0, 3, 3));
        try {
            LoadStyleGlyphs(path, {1}, false, {&b});
            ++loaded;
        } catch (const EBitmapError&) {
            ASSERT_TRUE(Untouched(b));
        }
    }
    EXPECT_GT(loaded, 0);
}

TEST_F(StyleGlyphsTest, StyleFileThatCannotBeOpened_RaisesOpenError) {
    const std::string path = Write({{0, StyleText()}, {1, TinyBmp()}});
    // Held open by another without sharing.
    const HANDLE held = CreateFileW(cp932::Wide(path).c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    TStiData d;
    EXPECT_THROW(IsStyleFile(path, "1"), EFileOpenError);
    EXPECT_THROW(LoadStyleFile(path, d), EFileOpenError);
    EXPECT_THROW(LoadStyleGlyphs(path, {1}, false, {&a}), EFileOpenError);
    CloseHandle(held);
    EXPECT_TRUE(Untouched(a));
    EXPECT_EQ(d.About.Title, "untitled");
}

// The style files built beside the programs load with every glyph they name.
TEST(ShippedStyleGlyphs, EveryShippedStyle_LoadsAllItsGlyphs) {
    const std::string folder = ProgramFolder();
    for (const char* name : {"format.sti", "night.sti", "plain.sti"}) {
        const std::string path = folder + name;
        TStiData d;
        ASSERT_TRUE(LoadStyleFile(path, d)) << name;
        const std::vector<int> items = {
            d.LockBtn.GlyphIndex, d.WizBtn.GlyphIndex,   d.CloseBtn.GlyphIndex, d.BtnBar.GlyphIndex,
            d.Tab.GlyphIndex,     d.TitleBar.GlyphIndex, d.SubForm.GlyphH,      d.SubForm.GlyphV,
            d.SubForm.Glyph,      d.Form.GlyphH,         d.Form.GlyphV,         d.Form.Glyph};
        std::vector<TBitmap> bitmaps(items.size());
        std::vector<TBitmap*> targets;
        for (TBitmap& b : bitmaps)
            targets.push_back(&b);
        ASSERT_TRUE(LoadStyleGlyphs(path, items, true, targets)) << name;
        for (size_t i = 0; i < items.size(); ++i)
            EXPECT_EQ(bitmaps[i].Empty(), items[i] < 1) << name << ' ' << i;
    }
}

} // namespace
