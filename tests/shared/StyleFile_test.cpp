#include "shared/StyleFile.h"

#include "StyleFiles.h"

#include "forms/base/Exceptions.h"
#include "forms/base/StyleText.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <utility>
#include <vector>

using namespace forms;
using namespace kbtest;

namespace {

// Every field, one per line, for readable comparisons.
std::string Dump(const TStiData& d) {
    std::ostringstream o;
    const auto parts = [&o](const char* name, const TPartsColor& p) {
        o << name << ' ' << p.GlyphIndex << ' ' << p.Trans << ' ' << std::hex << p.BaseColor << ' '
          << p.TopLineColor << ' ' << p.BtmLineColor << std::dec << '\n';
    };
    const auto button = [&](const char* name, const TBtnColor& b) {
        parts(name, b);
        o << std::hex << b.MarkColor << ' ' << b.LockColor << std::dec << '\n';
    };
    const auto font = [&o](const TMsgFontStatus& f) {
        o << f.Name << ' ' << f.Bold << ' ' << f.Italic << ' ' << std::hex << f.Color << std::dec
          << '\n';
    };
    const auto form = [&o](const TFormPartsColor& f) {
        o << f.GlyphH << ' ' << f.GlyphV << ' ' << f.Glyph << ' ' << f.Trans << ' ' << std::hex
          << f.Color << std::dec << '\n';
    };
    const TStiAbout& a = d.About;
    o << a.Format << '|' << a.App << '|' << a.Version << '|' << a.Type << '|' << a.FileName << '|'
      << a.Title << '|' << a.Author << '|' << a.Note << '\n';
    button("LockBtn", d.LockBtn);
    button("WizBtn", d.WizBtn);
    button("CloseBtn", d.CloseBtn);
    button("BtnBar", d.BtnBar);
    parts("Tab", d.Tab);
    o << std::hex << d.Tab.CounterColor << std::dec << ' ' << d.Tab.CounterBackTrans << '\n';
    font(d.TabFont);
    o << std::hex << d.TabFont.SelectColor << std::dec << '\n';
    parts("TitleBar", d.TitleBar);
    o << std::hex << d.TitleBar.CounterColor << std::dec << '\n';
    font(d.TitleFont);
    form(d.SubForm);
    o << int{d.SubForm.DrawMode} << ' ' << d.SubForm.Bounds.X << ',' << d.SubForm.Bounds.Y << '\n';
    form(d.Form);
    return o.str();
}

// The built-in defaults, written out field by field.
TStiData Defaults() {
    TStiData d;
    d.About = {"K+StyleInformation", "untitled", "1",        0,
               "untitled.sti",       "untitled", "K+Bandeo", "default"};
    const auto button = [](TBtnColor& b, TColor base, TColor top, TColor btm, TColor mark,
                           TColor lock) {
        b.GlyphIndex = -1;
        b.Trans = true;
        b.BaseColor = base;
        b.TopLineColor = top;
        b.BtmLineColor = btm;
        b.MarkColor = mark;
        b.LockColor = lock;
    };
    button(d.LockBtn, 0xCCE1E6, 0xEEFFFF, 0x99A8AC, 0xFF0000, 0x0000FF);
    button(d.WizBtn, 0xFF4444, 0xFFFFFF, 0x800000, 0xFFFF93, 0);
    button(d.CloseBtn, 0x0000FF, 0xFFFFFF, 0x000080, 0xFFFFFF, 0);
    button(d.BtnBar, 0xCCE1E6, 0xEEFFFF, 0x99A8AC, 0x0000FF, 0);
    d.Tab.GlyphIndex = -1;
    d.Tab.Trans = true;
    d.Tab.BaseColor = 0xCCE1E6;
    d.Tab.TopLineColor = 0xEEFFFF;
    d.Tab.BtmLineColor = 0x99A8AC;
    d.Tab.CounterColor = 0xFF0000;
    d.Tab.CounterBackTrans = false;
    d.TabFont.Name = "ＭＳ Ｐゴシック";
    d.TabFont.Bold = true;
    d.TabFont.Italic = false;
    d.TabFont.Color = 0;
    d.TabFont.SelectColor = 0x0000FF;
    d.TitleBar.GlyphIndex = -1;
    d.TitleBar.Trans = false;
    d.TitleBar.BaseColor = 0;
    d.TitleBar.TopLineColor = 0xEEFFFF;
    d.TitleBar.BtmLineColor = 0x99A8AC;
    d.TitleBar.CounterColor = 0x00FF00;
    d.TitleFont.Name = "ＭＳ Ｐゴシック";
    d.TitleFont.Bold = true;
    d.TitleFont.Italic = false;
    d.TitleFont.Color = 0x00FFFF;
    d.SubForm.GlyphH = d.SubForm.GlyphV = d.SubForm.Glyph = -1;
    d.SubForm.Trans = false;
    d.SubForm.Color = static_cast<TColor>(0xFF000017);
    d.SubForm.DrawMode = 0;
    d.SubForm.Bounds = {0, 0};
    d.Form.GlyphH = d.Form.GlyphV = d.Form.Glyph = -1;
    d.Form.Trans = false;
    d.Form.Color = 0xCCE1E6;
    return d;
}

// A style whose every field differs from its default, so each read shows.
TStiData Marked() {
    TStiData d;
    d.About = {"f", "a", "v", 99, "fn", "t", "au", "n"};
    for (TBtnColor* b : {&d.LockBtn, &d.WizBtn, &d.CloseBtn, &d.BtnBar})
        *b = {{77, false, 1, 2, 3}, 4, 5};
    d.Tab = {{{77, false, 1, 2, 3}, 4}, true};
    d.TabFont = {{"x", false, true, 1}, 2};
    d.TitleBar = {{77, true, 1, 2, 3}, 4};
    d.TitleFont = {"x", false, true, 1};
    d.SubForm = {{77, 77, 77, true, 1}, 9, {5, 6}};
    d.Form = {77, 77, 77, true, 1};
    return d;
}

class StyleFileTest : public ::testing::Test {
protected:
    std::string Write(const std::string& bytes, const std::string& name = "s.sti") {
        const std::string path = dir.File(name);
        WriteBytes(path, bytes);
        return path;
    }
    std::string WriteStyle(const std::string& text) { return Write(MakeStyleFile({{0, text}})); }
    // The style of a text that passes the test, loaded into a fresh model.
    TStiData Load(const std::string& more) {
        TStiData d;
        EXPECT_TRUE(LoadStyleFile(WriteStyle(StyleText(more)), d));
        return d;
    }

    TempDir dir;
};

// --- model ---

TEST_F(StyleFileTest, Create_HoldsBuiltInDefaults) {
    EXPECT_EQ(Dump(TStiData()), Dump(Defaults()));
}

TEST_F(StyleFileTest, SetDefault_AfterChanges_RestoresEveryField) {
    TStiData d = Marked();
    d.SetDefault();
    EXPECT_EQ(Dump(d), Dump(Defaults()));
}

// --- container ---

TEST_F(StyleFileTest, HandMadeFile_PassesTestAndLoads) {
    // Index: item 0 of 74 bytes at 2048, item 3 of 62 bytes at 2122; everything else 0.
    std::string file(2048, '\0');
    file[0] = 74;
    file[12] = 62;
    file[1024 + 1] = 0x08;                          // 2048 = 0x0800
    file[1024 + 12] = 0x4A, file[1024 + 13] = 0x08; // 2122 = 0x084A
    const std::string text = "[Style]\r\nFormat=K+StyleInformation\r\n[About]\r\nTitle=手\r\n"
                             "[Glyph]\nLockBtn=3\r\n";
    ASSERT_EQ(text.size(), 74u);
    file += text;
    const unsigned char bmp[62] = {'B',  'M',  62,   0,    0,    0,    0, 0, 0,    0,    54,
                                   0,    0,    0, // file header
                                   40,   0,    0,    0,    2,    0,    0, 0, 1,    0,    0,
                                   0,    1,    0,    24,   0,    0,    0, 0, 0, // info header
                                   8,    0,    0,    0,    0x13, 0x0B, 0, 0, 0x13, 0x0B, 0,
                                   0,    0,    0,    0,    0,    0,    0, 0, 0,    0x00, 0x00,
                                   0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00}; // red, blue, padding
    file.append(reinterpret_cast<const char*>(bmp), sizeof bmp);
    const std::string path = Write(file);

    EXPECT_TRUE(IsStyleFile(path, "1"));
    TStiData d;
    ASSERT_TRUE(LoadStyleFile(path, d));
    EXPECT_EQ(d.About.Title, "手");
    EXPECT_EQ(d.LockBtn.GlyphIndex, 3);
    std::vector<std::pair<size_t, std::string>> loaded;
    EXPECT_TRUE(ReadStyleGlyphs(path, {d.LockBtn.GlyphIndex}, true,
                                [&](size_t i, std::string_view b) { loaded.emplace_back(i, b); }));
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0].second, std::string(reinterpret_cast<const char*>(bmp), sizeof bmp));
}

TEST_F(StyleFileTest, MissingFile_IsNoStyleAndLoadsNothing) {
    const std::string path = dir.File("none.sti");
    EXPECT_FALSE(IsStyleFile(path, "1"));
    TStiData d = Marked();
    EXPECT_FALSE(LoadStyleFile(path, d));
    EXPECT_FALSE(LoadStyleIni(path, d));
    EXPECT_EQ(Dump(d), Dump(Marked()));
    bool called = false;
    EXPECT_FALSE(
        ReadStyleGlyphs(path, {1}, false, [&](size_t, std::string_view) { called = true; }));
    EXPECT_FALSE(called);
}

TEST_F(StyleFileTest, FileShorterThanIndex_IsNoStyle) {
    for (const size_t size : {size_t{0}, size_t{4}, size_t{2047}}) {
        std::string file = MakeStyleFile({{0, StyleText()}});
        // The item still lies inside what would be the file, but the index is cut.
        file.resize(size);
        const std::string path = Write(file);
        EXPECT_FALSE(IsStyleFile(path, "1")) << size;
        TStiData d = Marked();
        EXPECT_FALSE(LoadStyleFile(path, d)) << size;
        EXPECT_EQ(Dump(d), Dump(Marked()));
    }
}

TEST_F(StyleFileTest, BadIndexEntryOfText_IsNoStyle) {
    const std::string good = MakeStyleFile({{0, StyleText()}});
    const auto size = static_cast<int32_t>(StyleText().size());
    const auto length = static_cast<int32_t>(good.size());
    const std::vector<std::pair<int32_t, int32_t>> entries = {
        {0, 2048},                 // empty item
        {-1, 2048},                // negative size
        {size, -1},                // negative offset
        {size, length - size + 1}, // one byte past the end
        {0x7FFFFFFF, 2048},        // huge size
        {0x7FFFFFF0, 0x7FFFFFF0},  // the sum overflows 32 bits
        {-2048, 4096},             // ends inside the file, starts nowhere
        {size, static_cast<int32_t>(0x80000000)},
    };
    for (const auto& [s, o] : entries) {
        std::string file = good;
        SetIndexEntry(file, 0, s, o);
        const std::string path = Write(file);
        EXPECT_FALSE(IsStyleFile(path, "1")) << s << ' ' << o;
        TStiData d = Marked();
        EXPECT_FALSE(LoadStyleFile(path, d)) << s << ' ' << o;
        EXPECT_EQ(Dump(d), Dump(Marked()));
    }
}

TEST_F(StyleFileTest, TextEndingExactlyAtEndOfFile_IsStyle) {
    std::string file = MakeStyleFile({{0, StyleText()}});
    EXPECT_TRUE(IsStyleFile(Write(file), "1"));
}

TEST_F(StyleFileTest, TextStoredBeforeIndexEnd_IsReadFromWhereIndexSays) {
    // Items may lie anywhere inside the file; here item 0 follows a glyph.
    std::string file(2048, '\0');
    file += TinyBmp();
    SetIndexEntry(file, 1, static_cast<int32_t>(TinyBmp().size()), 2048);
    SetIndexEntry(file, 0, static_cast<int32_t>(StyleText().size()),
                  static_cast<int32_t>(file.size()));
    file += StyleText();
    EXPECT_TRUE(IsStyleFile(Write(file), "1"));
}

// --- style test ---

TEST_F(StyleFileTest, StyleTest_SectionLinesInAnyCase_Pass) {
    EXPECT_TRUE(
        IsStyleFile(WriteStyle("[style]\r\nFormat=K+StyleInformation\r\n[ABOUT]\r\n"), "1"));
}

TEST_F(StyleFileTest, StyleTest_SectionLineWithBlanks_Fails) {
    EXPECT_FALSE(
        IsStyleFile(WriteStyle(" [Style]\r\nFormat=K+StyleInformation\r\n[About]\r\n"), "1"));
    EXPECT_FALSE(
        IsStyleFile(WriteStyle("[Style] \r\nFormat=K+StyleInformation\r\n[About]\r\n"), "1"));
}

TEST_F(StyleFileTest, StyleTest_MissingAboutOrStyle_Fails) {
    EXPECT_FALSE(IsStyleFile(WriteStyle("[Style]\r\nFormat=K+StyleInformation\r\n"), "1"));
    EXPECT_FALSE(IsStyleFile(WriteStyle("[About]\r\nFormat=K+StyleInformation\r\n"), "1"));
}

TEST_F(StyleFileTest, StyleTest_FormatInOtherCase_Fails) {
    EXPECT_FALSE(
        IsStyleFile(WriteStyle("[Style]\r\nFormat=k+styleinformation\r\n[About]\r\n"), "1"));
    EXPECT_FALSE(IsStyleFile(WriteStyle("[Style]\r\n[About]\r\n"), "1"));
}

TEST_F(StyleFileTest, StyleTest_FormatName_IsNotTrimmedButMatchesAnyCase) {
    EXPECT_FALSE(
        IsStyleFile(WriteStyle("[Style]\r\nFormat =K+StyleInformation\r\n[About]\r\n"), "1"));
    EXPECT_TRUE(
        IsStyleFile(WriteStyle("[Style]\r\nFORMAT=K+StyleInformation\r\n[About]\r\n"), "1"));
}

TEST_F(StyleFileTest, StyleTest_FirstFormatLineAnywhere_IsTheOneTested) {
    EXPECT_FALSE(IsStyleFile(
        WriteStyle("[About]\r\nFormat=other\r\n[Style]\r\nFormat=K+StyleInformation\r\n"), "1"));
    EXPECT_TRUE(IsStyleFile(
        WriteStyle("[About]\r\nFormat=K+StyleInformation\r\n[Style]\r\nFormat=other\r\n"), "1"));
}

TEST_F(StyleFileTest, StyleTest_VersionsUpToMaxVersionInByteOrder_Pass) {
    const std::string head = "[Style]\r\nFormat=K+StyleInformation\r\n[About]\r\n";
    for (const char* v : {"0", "0.9", "1", ""})
        EXPECT_TRUE(IsStyleFile(WriteStyle(head + "Version=" + v + "\r\n"), "1")) << v;
    EXPECT_TRUE(IsStyleFile(WriteStyle(head), "1"));
    for (const char* v : {"1.0", "10", "2", "\x82\x50"})
        EXPECT_FALSE(IsStyleFile(WriteStyle(head + "Version=" + v + "\r\n"), "1")) << v;
    EXPECT_TRUE(IsStyleFile(WriteStyle(head + "Version=10\r\n"), "2"));
}

TEST_F(StyleFileTest, StyleTest_LfOnlyAndCrOnlyText_Pass) {
    EXPECT_TRUE(IsStyleFile(WriteStyle("[Style]\nFormat=K+StyleInformation\n[About]\n"), "1"));
    EXPECT_TRUE(IsStyleFile(WriteStyle("[Style]\rFormat=K+StyleInformation\r[About]"), "1"));
}

TEST_F(StyleFileTest, StyleTest_NulBeforeAbout_EndsTextAndFails) {
    using namespace std::string_literals;
    EXPECT_FALSE(
        IsStyleFile(WriteStyle("[Style]\r\nFormat=K+StyleInformation\r\n\0[About]\r\n"s), "1"));
}

// --- reading the style text ---

TEST_F(StyleFileTest, Load_NoStyleFile_ReturnsFalseAndLeavesModel) {
    TStiData d = Marked();
    EXPECT_FALSE(
        LoadStyleFile(WriteStyle("[Style]\r\n[About]\r\nFormat=x\r\n[Glyph]\r\nTab=1\r\n"), d));
    EXPECT_EQ(Dump(d), Dump(Marked()));
}

TEST_F(StyleFileTest, Load_TooNewVersion_ReturnsFalseAndLeavesModel) {
    TStiData d = Marked();
    EXPECT_FALSE(LoadStyleFile(
        WriteStyle("[Style]\r\nFormat=K+StyleInformation\r\nVersion=2\r\n[About]\r\n"), d));
    EXPECT_EQ(Dump(d), Dump(Marked()));
}

TEST_F(StyleFileTest, Load_EveryKey_ReachesItsField) {
    const std::string text =
        "[Style]\r\nFormat=K+StyleInformation\r\nApp=app\r\nVersion=0.5\r\n"
        "Type=2\r\n"
        "[About]\r\nFile=mine.sti\r\nTitle=題\r\nAuthor=作者\r\nNote=メモ\r\n"
        "[LockBtn]\r\nColor=$00000001,$00000002,$00000003,$00000004,$00000005\r\n"
        "Trans=0\r\n"
        "[WizBtn]\r\nColor=$00000011,$00000012,$00000013,$00000014\r\nTrans=0\r\n"
        "[CloseBtn]\r\nColor=$00000021,$00000022,$00000023,$00000024\r\n"
        "Trans=0\r\n"
        "[BtnBar]\r\nColor=$00000031,$00000032,$00000033,$00000034\r\nTrans=0\r\n"
        "[Form]\r\nColor=$00000041\r\nTrans=1\r\n"
        "[SubForm]\r\nFontColor=$00000051\r\nDrawMode=2\r\nTrans=1\r\n"
        "Bounds=-3,4\r\n"
        "[Tab]\r\nColor=$00000061,$00000062,$00000063\r\nTrans=0\r\n"
        "CounterColor=$00000064\r\nCounterBackTrans=1\r\n"
        "[TabFont]\r\nName=Tahoma\r\nBold=0\r\nItalic=1\r\nColor=$00000071\r\n"
        "SelectColor=$00000072\r\n"
        "[TitleBar]\r\nColor=$00000081,$00000082,$00000083\r\nTrans=1\r\n"
        "CounterColor=$00000084\r\n"
        "[TitleFont]\r\nName=Arial\r\nBold=0\r\nItalic=1\r\nColor=$00000091\r\n"
        "[Glyph]\r\nLockBtn=1\r\nWizBtn=2\r\nCloseBtn=3\r\nBtnBar=4\r\nTab=5\r\n"
        "TitleBar=6\r\nSubFormH=7\r\nSubFormV=8\r\nSubForm=9\r\nFormH=10\r\n"
        "FormV=11\r\nForm=12\r\n";
    TStiData d = Defaults();
    ASSERT_TRUE(LoadStyleFile(WriteStyle(text), d));

    TStiData e = Defaults();
    e.About = {"K+StyleInformation", "app", "0.5", 2, "mine.sti", "題", "作者", "メモ"};
    e.LockBtn = {{1, false, 1, 2, 3}, 4, 5};
    e.WizBtn = {{2, false, 0x11, 0x12, 0x13}, 0x14, 0}; // LockColor keeps its default
    e.CloseBtn = {{3, false, 0x21, 0x22, 0x23}, 0x24, 0};
    e.BtnBar = {{4, false, 0x31, 0x32, 0x33}, 0x34, 0};
    e.Form = {10, 11, 12, true, 0x41};
    e.SubForm = {{7, 8, 9, true, 0x51}, 2, {-3, 4}};
    e.Tab = {{{5, false, 0x61, 0x62, 0x63}, 0x64}, true};
    e.TabFont = {{"Tahoma", false, true, 0x71}, 0x72};
    e.TitleBar = {{6, true, 0x81, 0x82, 0x83}, 0x84};
    e.TitleFont = {"Arial", false, true, 0x91};
    EXPECT_EQ(Dump(d), Dump(e));
}

TEST_F(StyleFileTest, Load_MissingKeys_GiveReadingDefaults) {
    const TStiData d = Load("");
    TStiData e = Defaults();
    // Where the reading defaults differ from the built-in ones (StyleText() writes Version=1).
    e.About = {"K+StyleInformation", "UnTitled", "1", 0, "none", "UnTitled", "none", ""};
    e.SubForm.DrawMode = 1;
    EXPECT_EQ(Dump(d), Dump(e));
}

TEST_F(StyleFileTest, Load_WithoutDrawMode_GivesOneWhileNeverLoadedGivesZero) {
    EXPECT_EQ(Load("").SubForm.DrawMode, 1);
    EXPECT_EQ(TStiData().SubForm.DrawMode, 0);
}

TEST_F(StyleFileTest, Load_FormColorMissing_TakesButtonBarFaceJustRead) {
    EXPECT_EQ(Load("[BtnBar]\r\nColor=clNavy,clRed\r\n").Form.Color, clNavy);
    EXPECT_EQ(Load("[BtnBar]\r\nColor=clNavy\r\n[Form]\r\nColor=clTeal\r\n").Form.Color, clTeal);
    EXPECT_EQ(Load("").Form.Color, 0x00CCE1E6);
}

TEST_F(StyleFileTest, Load_SingleColorForFive_FillsAllFive) {
    const TStiData d = Load("[LockBtn]\r\nColor=clRed\r\n");
    for (const TColor c : {d.LockBtn.BaseColor, d.LockBtn.TopLineColor, d.LockBtn.BtmLineColor,
                           d.LockBtn.MarkColor, d.LockBtn.LockColor})
        EXPECT_EQ(c, clRed);
}

TEST_F(StyleFileTest, Load_ShortColorList_RepeatsLastElement) {
    const TStiData d = Load("[WizBtn]\r\nColor=clRed,clblue\r\n");
    EXPECT_EQ(d.WizBtn.BaseColor, clRed);
    EXPECT_EQ(d.WizBtn.TopLineColor, clBlue);
    EXPECT_EQ(d.WizBtn.BtmLineColor, clBlue);
    EXPECT_EQ(d.WizBtn.MarkColor, clBlue);
}

TEST_F(StyleFileTest, Load_LongerColorList_IgnoresSurplus) {
    const TStiData d = Load("[Tab]\r\nColor=clRed,clLime,clBlue,clWhite,clBlack\r\n");
    EXPECT_EQ(d.Tab.BtmLineColor, clBlue);
    EXPECT_EQ(d.Tab.CounterColor, clBlue); // its own key's default
}

TEST_F(StyleFileTest, Load_EmptyListElement_RaisesConversionErrorKeepingEarlierFields) {
    const std::string path = WriteStyle(StyleText(
        "Title=t\r\n[Tab]\r\nCounterColor=clRed\r\n[TitleBar]\r\nColor=clNavy,,clRed\r\n"));
    TStiData d = Marked();
    try {
        LoadStyleFile(path, d);
        FAIL() << "no error";
    } catch (const EConversionError& e) {
        EXPECT_EQ(e.Message(), "'' は整数ではありません");
    }
    EXPECT_EQ(d.About.Title, "t");
    EXPECT_EQ(d.Tab.CounterColor, clRed);
    EXPECT_EQ(d.TitleBar.BaseColor, clNavy); // read before the bad element
    EXPECT_EQ(d.TitleBar.TopLineColor, Marked().TitleBar.TopLineColor);
    EXPECT_EQ(d.TitleFont.Name, Marked().TitleFont.Name); // never reached
    EXPECT_EQ(d.Form.Glyph, Marked().Form.Glyph);
}

TEST_F(StyleFileTest, Load_EmptyOrBadColorValue_RaisesConversionError) {
    TStiData d;
    EXPECT_THROW(LoadStyleFile(WriteStyle(StyleText("[Form]\r\nColor=\r\n")), d), EConversionError);
    EXPECT_THROW(LoadStyleFile(WriteStyle(StyleText("[Form]\r\nColor=blue\r\n")), d),
                 EConversionError);
    // Elements are not trimmed one by one.
    try {
        LoadStyleFile(WriteStyle(StyleText("[CloseBtn]\r\nColor=clRed, clBlue\r\n")), d);
        FAIL() << "no error";
    } catch (const EConversionError& e) {
        EXPECT_EQ(e.Message(), "' clBlue' は整数ではありません");
    }
}

TEST_F(StyleFileTest, Load_Bounds_ReadsTwoIntegersAndRepeatsALoneOne) {
    EXPECT_EQ(Load("[SubForm]\r\nBounds=3,$10\r\n").SubForm.Bounds.Y, 16);
    const TStiData d = Load("[SubForm]\r\nBounds=7\r\n");
    EXPECT_EQ(d.SubForm.Bounds.X, 7);
    EXPECT_EQ(d.SubForm.Bounds.Y, 7);
}

TEST_F(StyleFileTest, Load_BadBoundsElement_RaisesConversionError) {
    TStiData d;
    EXPECT_THROW(LoadStyleFile(WriteStyle(StyleText("[SubForm]\r\nBounds=x,1\r\n")), d),
                 EConversionError);
    EXPECT_THROW(LoadStyleFile(WriteStyle(StyleText("[SubForm]\r\nBounds=1,\r\n")), d),
                 EConversionError);
}

TEST_F(StyleFileTest, Load_DrawMode_KeepsLowEightBits) {
    EXPECT_EQ(Load("[SubForm]\r\nDrawMode=258\r\n").SubForm.DrawMode, 2);
    EXPECT_EQ(Load("[SubForm]\r\nDrawMode=-1\r\n").SubForm.DrawMode, 255);
    EXPECT_EQ(Load("[SubForm]\r\nDrawMode=tail\r\n").SubForm.DrawMode, 1);
}

TEST_F(StyleFileTest, Load_BooleansAndIntegersThatAreNoIntegers_GiveTheKeysDefaults) {
    const TStiData d = Load("[LockBtn]\r\nTrans=no\r\n[Form]\r\nTrans=yes\r\n[TabFont]\r\n"
                            "Bold=\r\n[Glyph]\r\nTab=five\r\nLockBtn=2\r\n");
    EXPECT_TRUE(d.LockBtn.Trans);
    EXPECT_FALSE(d.Form.Trans);
    EXPECT_TRUE(d.TabFont.Bold);
    EXPECT_EQ(d.Tab.GlyphIndex, -1);
    EXPECT_EQ(d.LockBtn.GlyphIndex, 2);
}

TEST_F(StyleFileTest, Load_RepeatedSection_OnlyTheFirstCounts) {
    EXPECT_EQ(Load("[Style]\r\nType=$10\r\n").About.Type, 0);
}

TEST_F(StyleFileTest, Load_TypeAndStrings_FromTheFirstStyleSection) {
    const std::string text = "[Style]\r\nFormat=K+StyleInformation\r\nType=$10\r\n[About]\r\n"
                             "Title=\"引用\"\r\nNote=  a ; b  \r\n";
    TStiData d;
    ASSERT_TRUE(LoadStyleFile(WriteStyle(text), d));
    EXPECT_EQ(d.About.Type, 16);
    EXPECT_EQ(d.About.Title, "\"引用\"");
    EXPECT_EQ(d.About.Note, "a ; b");
}

TEST_F(StyleFileTest, Load_NulInText_EndsWhatIsRead) {
    using namespace std::string_literals;
    const TStiData d = Load("[Glyph]\r\nLockBtn=3\0\r\nWizBtn=4\r\n"s);
    EXPECT_EQ(d.LockBtn.GlyphIndex, 3);
    EXPECT_EQ(d.WizBtn.GlyphIndex, -1);
}

TEST_F(StyleFileTest, Load_CreatesNoTemporaryFileAndLeavesAUsersOneAlone) {
    const std::string path = WriteStyle(StyleText("Title=x\r\n"));
    const std::string tmp = dir.File("s.tmp");
    TStiData d;
    ASSERT_TRUE(LoadStyleFile(path, d));
    EXPECT_FALSE(Exists(tmp));
    WriteBytes(tmp, "mine");
    ASSERT_TRUE(LoadStyleFile(path, d));
    EXPECT_EQ(ReadBytes(tmp), "mine");
}

TEST_F(StyleFileTest, Load_LeavesTheStyleFileUnchanged) {
    const std::string bytes = MakeStyleFile({{0, StyleText("Title=x\r\n")}, {1, TinyBmp()}});
    const std::string path = Write(bytes);
    TStiData d;
    ASSERT_TRUE(LoadStyleFile(path, d));
    EXPECT_EQ(ReadBytes(path), bytes);
}

// --- plain style text files ---

TEST_F(StyleFileTest, LoadStyleIni_ReadsTextFileWithTheSameRules) {
    TStiData d;
    ASSERT_TRUE(LoadStyleIni(Write("[LockBtn]\nColor=clRed\n[About]\nTitle='q'\n", "s.ini"), d));
    EXPECT_EQ(d.LockBtn.LockColor, clRed);
    EXPECT_EQ(d.About.Title, "'q'");
    EXPECT_EQ(d.About.FileName, "none");
}

TEST_F(StyleFileTest, ReadStyleIni_EmptyText_GivesEveryReadingDefault) {
    TStiData d = Marked();
    ReadStyleIni(TStyleText(""), d);
    TStiData e = Defaults();
    e.About = {"K+StyleInformation", "UnTitled", "0", 0, "none", "UnTitled", "none", ""};
    e.SubForm.DrawMode = 1;
    // Only the lock button's lock colour is ever read.
    e.WizBtn.LockColor = e.CloseBtn.LockColor = e.BtnBar.LockColor = Marked().BtnBar.LockColor;
    EXPECT_EQ(Dump(d), Dump(e));
}

// --- glyph items ---

class GlyphItemsTest : public StyleFileTest {
protected:
    using Loaded = std::vector<std::pair<size_t, std::string>>;
    std::function<void(size_t, std::string_view)> Into(Loaded& loaded) {
        return [&loaded](size_t i, std::string_view b) { loaded.emplace_back(i, b); };
    }
};

TEST_F(GlyphItemsTest, Read_HandsEachNamedItemToItsSlot) {
    const std::string path =
        Write(MakeStyleFile({{0, StyleText()}, {1, "one"}, {2, "two"}, {255, "last"}}));
    Loaded loaded;
    EXPECT_TRUE(ReadStyleGlyphs(path, {2, 0, -1, 255, 1}, false, Into(loaded)));
    EXPECT_EQ(loaded, (Loaded{{0, "two"}, {3, "last"}, {4, "one"}}));
}

TEST_F(GlyphItemsTest, Read_NumbersAbove255_AreNeverRead) {
    // Item 256 would be read from the offsets' first entry, and larger ones past the index.
    const std::string path = Write(MakeStyleFile({{0, StyleText()}, {1, "one"}}));
    Loaded loaded;
    EXPECT_TRUE(
        ReadStyleGlyphs(path, {256, 257, 1000, 0x7FFFFFFF, -0x7FFFFFFF - 1}, false, Into(loaded)));
    EXPECT_TRUE(loaded.empty());
}

TEST_F(GlyphItemsTest, Read_ItemBeyondEnd_RaisesReadErrorKeepingEarlierItems) {
    std::string file = MakeStyleFile({{0, StyleText()}, {1, "one"}, {2, "two"}});
    SetIndexEntry(file, 2, 4, static_cast<int32_t>(file.size()) - 3);
    const std::string path = Write(file);
    Loaded loaded;
    EXPECT_THROW(ReadStyleGlyphs(path, {1, 2}, false, Into(loaded)), EStreamReadError);
    EXPECT_EQ(loaded, (Loaded{{0, "one"}}));
}

TEST_F(GlyphItemsTest, Read_EmptyOrNegativeEntry_RaisesReadError) {
    for (const auto& [size, offset] :
         std::vector<std::pair<int32_t, int32_t>>{{0, 2048}, {-5, 2048}, {3, -1}}) {
        std::string file = MakeStyleFile({{0, StyleText()}, {1, "one"}});
        SetIndexEntry(file, 1, size, offset);
        Loaded loaded;
        EXPECT_THROW(ReadStyleGlyphs(Write(file), {1}, false, Into(loaded)), EStreamReadError);
        EXPECT_TRUE(loaded.empty());
    }
}

TEST_F(GlyphItemsTest, Read_FileShorterThanIndex_ReadsNothingUnlessAnItemIsNamed) {
    const std::string path = Write("short");
    Loaded loaded;
    EXPECT_TRUE(ReadStyleGlyphs(path, {-1, 0, 300}, false, Into(loaded)));
    EXPECT_THROW(ReadStyleGlyphs(path, {1}, false, Into(loaded)), EStreamReadError);
    EXPECT_TRUE(loaded.empty());
}

TEST_F(GlyphItemsTest, Read_CheckedNoStyle_ReturnsFalseReadingNothing) {
    const std::string path = Write(MakeStyleFile({{0, "[Style]\r\n"}, {1, "one"}}));
    Loaded loaded;
    EXPECT_FALSE(ReadStyleGlyphs(path, {1}, true, Into(loaded)));
    EXPECT_TRUE(loaded.empty());
    EXPECT_TRUE(ReadStyleGlyphs(path, {1}, false, Into(loaded)));
    EXPECT_EQ(loaded, (Loaded{{0, "one"}}));
}

TEST_F(GlyphItemsTest, Read_LoaderFailure_PassesThroughKeepingEarlierItems) {
    const std::string path = Write(MakeStyleFile({{0, StyleText()}, {1, "one"}, {2, "bad"}}));
    Loaded loaded;
    EXPECT_THROW(ReadStyleGlyphs(path, {1, 2, 1}, false,
                                 [&](size_t i, std::string_view b) {
                                     if (b == "bad")
                                         throw EBitmapError();
                                     loaded.emplace_back(i, b);
                                 }),
                 EBitmapError);
    EXPECT_EQ(loaded, (Loaded{{0, "one"}}));
}

} // namespace
