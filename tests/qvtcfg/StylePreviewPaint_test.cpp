// The steps of the style editor's preview on pixels: what the launcher model and the hint sample
// draw, where, in which colours and fonts, and from which glyph cells.
#include "qvtcfg/StylePreviewPaint.h"

#include "PreviewTesting.h"

#include "forms/base/Exceptions.h"
#include "support/PixelTesting.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace previewtest;
using forms::Rect;
using forms::TColor;
using forms::TPoint;
using forms::TRect;
using pixeltesting::All;
using pixeltesting::At;

namespace {

const TRect kBox{0, 0, 240, 148};
const forms::TDateTime kWhen = forms::EncodeDate(2024, 5, 6) + forms::EncodeTime(7, 8, 9, 0);

TColor Rgb(TColor c) {
    return static_cast<TColor>(forms::ColorToRGB(c));
}

class PreviewPaint : public ::testing::Test {
protected:
    std::string Style(const StyleSpec& spec = {}) { return WriteStyle(dir, spec); }
    void Paint(const TStylePreviewInput& in) { PaintLauncherModel(surface, kBox, in, kWhen); }

    kbtest::TempDir dir;
    RecordingSurface surface;
};

// --- the whole model ---

TEST_F(PreviewPaint, NoStyleSelected_PaintsNothing) {
    std::fill(surface.pixels.Bits().begin(), surface.pixels.Bits().end(), uint8_t{0x55});
    TStylePreviewInput in = InputFor(Style(), 0);
    in.StyleSelected = false;
    Paint(in);
    EXPECT_EQ(pixeltesting::Count(surface.pixels, 0x555555), 240 * 148);
    EXPECT_TRUE(surface.texts.empty());
    EXPECT_TRUE(surface.loads.empty());
}

TEST_F(PreviewPaint, WithTabRow_BodyAboveTabRowAt70To93BackgroundBelow) {
    Paint(InputFor(Style(), 1));
    // The body shows right of the five buttons and between them and the tab row.
    EXPECT_EQ(At(surface.pixels, 220, 50), kBody);
    EXPECT_EQ(At(surface.pixels, 100, 69), kBody);
    // Under the arrow boxes the arrow area keeps the tab colour, down to row 93.
    EXPECT_TRUE(All(surface.pixels, Rect(210, 85, 240, 94), kTabFace));
    // Right of the third tab the row is the tab colour too.
    EXPECT_TRUE(All(surface.pixels, Rect(195, 70, 210, 94), kTabFace));
    EXPECT_TRUE(All(surface.pixels, Rect(0, 94, 240, 96), Rgb(forms::clBackground)));
}

TEST_F(PreviewPaint, WithTabRow_PlainTabsSelectedFirstFramedInTheTabEdges) {
    Paint(InputFor(Style(), 1));
    // The selected tab gives up its bottom 4 rows and joins the row above; the others are framed.
    EXPECT_EQ(At(surface.pixels, 0, 80), kTabLight);
    EXPECT_EQ(At(surface.pixels, 63, 80), kTabDark);
    EXPECT_EQ(At(surface.pixels, 30, 70), kTabFace);
    EXPECT_EQ(At(surface.pixels, 30, 88), kTabDark);
    EXPECT_EQ(At(surface.pixels, 100, 70), kTabLight);
    EXPECT_EQ(At(surface.pixels, 100, 93), kTabDark);
    EXPECT_EQ(At(surface.pixels, 100, 80), kTabFace);
    // The arrow boxes: two rings in the tab edges, the arrows in the tab text colour 2 pixels
    // inside them.
    EXPECT_EQ(At(surface.pixels, 210, 75), kTabLight);
    EXPECT_EQ(At(surface.pixels, 223, 75), kTabDark);
    EXPECT_EQ(At(surface.pixels, 225, 70), kTabLight);
    EXPECT_EQ(At(surface.pixels, 218, 77), kTabText);
    EXPECT_EQ(At(surface.pixels, 213, 77), kTabFace);
    EXPECT_EQ(At(surface.pixels, 231, 77), kTabText);
    EXPECT_EQ(At(surface.pixels, 237, 77), kTabFace);
}

TEST_F(PreviewPaint, WithoutTabRow_ModelInTheStyleTabColourEvenWithPartColours) {
    TStylePreviewInput in = InputFor(Style(), 0);
    in.ChVisTab = false;
    in.CheckBoxColor = true;
    Paint(in);
    EXPECT_EQ(At(surface.pixels, 220, 50), kTabFace);
    EXPECT_EQ(At(surface.pixels, 100, 69), kTabFace);
    // No tab row: the background shows from row 70 down to the hint sample at 72 ...
    EXPECT_TRUE(All(surface.pixels, Rect(0, 70, 240, 72), Rgb(forms::clBackground)));
    // ... which ends 24 rows above the box's bottom.
    EXPECT_EQ(At(surface.pixels, 120, 100), in.HintBackColor);
    EXPECT_TRUE(All(surface.pixels, Rect(0, 124, 240, 148), Rgb(forms::clBackground)));
    EXPECT_EQ(surface.FindText("ページ1"), nullptr);
    EXPECT_EQ(surface.FindText("01-03"), nullptr);
}

TEST_F(PreviewPaint, HintOff_BandUnderTheTabRowClearedWhateverTheTabRow) {
    for (const bool visTab : {true, false}) {
        RecordingSurface s;
        TStylePreviewInput in = InputFor(Style(), 0);
        in.ChVisTab = visTab;
        in.CBtnPopupHint = false;
        PaintLauncherModel(s, kBox, in, kWhen);
        EXPECT_TRUE(All(s.pixels, Rect(0, 96, 240, 148), Rgb(forms::clBackground))) << visTab;
        EXPECT_TRUE(s.textsIn.empty());
        EXPECT_TRUE(s.icons.empty());
    }
}

TEST_F(PreviewPaint, HintOn_PlainSampleUnderTheTabRow) {
    const TStylePreviewInput in = InputFor(Style(), 0);
    Paint(in);
    EXPECT_EQ(At(surface.pixels, 0, 96), Rgb(forms::clBtnHighlight));
    EXPECT_EQ(At(surface.pixels, 239, 147), Rgb(forms::clBtnShadow));
    EXPECT_TRUE(All(surface.pixels, Rect(1, 97, 239, 147), in.HintBackColor));
    ASSERT_EQ(surface.icons.size(), 1u);
    EXPECT_EQ(surface.icons[0].second, (TPoint{10, 106}));
}

// --- colours by type ---

TEST_F(PreviewPaint, TitleBar_PartColoursOnlyForTypeZeroWithTheSwitchOn) {
    struct Case {
        int type;
        bool on;
        TColor face;
    };
    for (const Case c : {Case{0, true, 0x010101}, Case{0, false, kTitleFace},
                         Case{1, true, kTitleFace}, Case{2, true, kTitleFace}}) {
        RecordingSurface s;
        TStylePreviewInput in = InputFor(Style({c.type}), c.type);
        in.CheckBoxColor = c.on;
        PaintLauncherModel(s, kBox, in, kWhen);
        EXPECT_EQ(At(s.pixels, 36, 14), c.face) << c.type << c.on;
        // One ring of the title bar's edges.
        EXPECT_EQ(At(s.pixels, 100, 0), c.face == 0x010101 ? 0x020202 : kTitleLight);
        EXPECT_EQ(At(s.pixels, 100, 27), c.face == 0x010101 ? 0x030303 : kTitleDark);
    }
}

TEST_F(PreviewPaint, PartColoursOn_EveryPartButTheTitleBarButtonsChanges) {
    TStylePreviewInput in = InputFor(Style(), 0);
    in.CheckBoxColor = true;
    Paint(in);
    EXPECT_EQ(At(surface.pixels, 220, 50), 0x070707); // body
    EXPECT_EQ(At(surface.pixels, 200, 80), 0x0C0C0C); // tab row
    EXPECT_EQ(At(surface.pixels, 100, 70), 0x0D0D0D); // tab light edge
    EXPECT_EQ(At(surface.pixels, 60, 48), 0x090909);  // button face
    EXPECT_EQ(At(surface.pixels, 0, 48), 0x080808);   // selection frame
    EXPECT_EQ(At(surface.pixels, 40, 48), 0x0A0A0A);  // button light edge
    EXPECT_EQ(At(surface.pixels, 79, 48), 0x0B0B0B);  // button dark edge
    EXPECT_EQ(At(surface.pixels, 14, 22), kLockFace); // title-bar buttons keep theirs
    EXPECT_EQ(At(surface.pixels, 196, 22), kWizFace);
    EXPECT_EQ(At(surface.pixels, 218, 21), kCloseFace);
    EXPECT_EQ(surface.FindText("ページ1")->Font.Color, 0x080808);
    EXPECT_EQ(surface.FindText("ページ2")->Font.Color, 0x0F0F0F);
    EXPECT_EQ(surface.FindText("01-03")->Font.Color, 0x050505);
    EXPECT_EQ(surface.FindText("[ページ1] サンプル")->Font.Color, 0x040404);
    EXPECT_EQ(surface.FindText("010")->Font.Color, 0x060606);
}

// --- launch buttons ---

TEST_F(PreviewPaint, FirstButton_FrameOrFillByTheMarkStyle) {
    TStylePreviewInput in = InputFor(Style(), 1);
    Paint(in);
    EXPECT_EQ(At(surface.pixels, 0, 28), kButtonMark);
    EXPECT_EQ(At(surface.pixels, 38, 66), kButtonMark);
    EXPECT_EQ(At(surface.pixels, 20, 48), kButtonFace);
    RecordingSurface filled;
    in.CBtnMarkStyle = false;
    PaintLauncherModel(filled, kBox, in, kWhen);
    EXPECT_TRUE(All(filled.pixels, Rect(0, 28, 40, 68), kButtonMark));
}

TEST_F(PreviewPaint, OtherButtons_AsManyRingsAsTheBevelShows) {
    for (const int bevel : {0, 1, 2}) {
        RecordingSurface s;
        TStylePreviewInput in = InputFor(Style(), 1);
        in.SpinBevel = bevel;
        PaintLauncherModel(s, kBox, in, kWhen);
        for (int x = 40; x < 200; x += 40) {
            EXPECT_EQ(At(s.pixels, x, 48), bevel > 0 ? kButtonLight : kButtonFace) << bevel;
            EXPECT_EQ(At(s.pixels, x + 1, 48), bevel > 1 ? kButtonLight : kButtonFace) << bevel;
            EXPECT_EQ(At(s.pixels, x + 39, 48), bevel > 0 ? kButtonDark : kButtonFace) << bevel;
            EXPECT_EQ(At(s.pixels, x + 2, 48), kButtonFace);
        }
        // The first button's mark does not depend on it.
        EXPECT_EQ(At(s.pixels, 1, 48), kButtonMark);
        EXPECT_EQ(At(s.pixels, 2, 48), kButtonFace);
    }
}

TEST_F(PreviewPaint, BevelBeyondTheSpinRange_AtMostTwoRings) {
    TStylePreviewInput in = InputFor(Style(), 1);
    in.SpinBevel = 50;
    Paint(in);
    EXPECT_EQ(At(surface.pixels, 42, 48), kButtonFace);
    in.SpinBevel = -3;
    RecordingSurface s;
    PaintLauncherModel(s, kBox, in, kWhen);
    EXPECT_EQ(At(s.pixels, 40, 48), kButtonFace);
}

// --- texts ---

TEST_F(PreviewPaint, Texts_InOrderAtTheirPlacesOnAClearBrush) {
    Paint(InputFor(Style(), 1));
    const std::vector<std::string> expected = {
        "ページ1", "ページ2", "ページ3", "01-03", "[ページ1] サンプル", "010", "001"};
    EXPECT_EQ(surface.TextsWritten(), expected);
    EXPECT_TRUE(std::all_of(surface.brushClearAtText.begin(), surface.brushClearAtText.end(),
                            [](bool clear) { return clear; }));
    // Measured once each in the box's own font, before any other font.
    EXPECT_EQ(surface.boxMeasures, 2);
    EXPECT_EQ(surface.texts[0].At, (TPoint{10, 76}));
    EXPECT_EQ(surface.texts[1].At, (TPoint{74, 74}));
    // The page counter: 30 x 14 in its font, cut to the row's right end, drawn 2 pixels lower.
    EXPECT_EQ(surface.texts[3].Clip, Rect(210, 80, 240, 94));
    EXPECT_EQ(surface.texts[3].At, (TPoint{210, 82}));
    EXPECT_EQ(surface.texts[4].At, (TPoint{40, 8}));
    EXPECT_FALSE(surface.texts[4].Clip);
    EXPECT_EQ(surface.texts[5].Clip, Rect(172, 14, 212, 26));
    EXPECT_EQ(surface.texts[5].At, (TPoint{172, 14}));
    EXPECT_EQ(surface.texts[6].At, (TPoint{172, 2}));
    EXPECT_FALSE(surface.texts[6].Clip);
}

TEST_F(PreviewPaint, Texts_FontsOfTheStyleAndTheFixedCounterFonts) {
    Paint(InputFor(Style(), 1));
    const TPreviewFont& tab = surface.FindText("ページ1")->Font;
    EXPECT_EQ(tab.Name, "TabFace");
    EXPECT_EQ(tab.Size, 9);
    EXPECT_FALSE(tab.Bold);
    EXPECT_TRUE(tab.Italic);
    EXPECT_EQ(tab.Color, kTabSelect);
    EXPECT_EQ(surface.FindText("ページ3")->Font.Color, kTabText);
    const TPreviewFont& page = surface.FindText("01-03")->Font;
    EXPECT_EQ(page.Name, "Arial");
    EXPECT_EQ(page.Size, 8);
    EXPECT_TRUE(page.Bold);
    EXPECT_EQ(page.Color, kPageCounter);
    const TPreviewFont& title = surface.FindText("[ページ1] サンプル")->Font;
    EXPECT_EQ(title.Name, "TitleFace");
    EXPECT_EQ(title.Size, 9);
    EXPECT_TRUE(title.Bold);
    EXPECT_FALSE(title.Italic);
    EXPECT_EQ(title.Color, kTitleText);
    const TPreviewFont& counter = surface.FindText("001")->Font;
    EXPECT_EQ(counter.Name, "ＭＳ ゴシック");
    EXPECT_EQ(counter.Size, 8);
    EXPECT_TRUE(counter.Bold);
    EXPECT_EQ(counter.Color, kButtonCounter);
}

TEST_F(PreviewPaint, Title_PageNameDateTimeOrNothingByTheSwitches) {
    TStylePreviewInput in = InputFor(Style(), 1);
    in.CheckBoxVisPage = false;
    Paint(in);
    EXPECT_NE(surface.FindText("サンプル"), nullptr);

    RecordingSurface clock;
    in.CheckBoxDateTime = true;
    PaintLauncherModel(clock, kBox, in, kWhen);
    const TextCall* t = clock.FindText("2024/05/06-07:08");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->Clip, Rect(40, 8, 160, 24));

    RecordingSurface none;
    in.ChVisTitle = false;
    PaintLauncherModel(none, kBox, in, kWhen);
    const std::vector<std::string> left = {"ページ1", "ページ2", "ページ3", "01-03", "010", "001"};
    EXPECT_EQ(none.TextsWritten(), left);
}

TEST_F(PreviewPaint, Counters_OffLeavesThemOut) {
    TStylePreviewInput in = InputFor(Style(), 1);
    in.CheckBoxCellCount = false;
    in.CheckBoxPageCount = false;
    Paint(in);
    const std::vector<std::string> expected = {"ページ1", "ページ2", "ページ3",
                                               "[ページ1] サンプル"};
    EXPECT_EQ(surface.TextsWritten(), expected);
}

// --- glyphs ---

TEST_F(PreviewPaint, GlyphStyle_LoadsTheSixStripsInTheirOrder) {
    StyleSpec spec;
    spec.Glyphs = {3, 4, 5, 6, 7, 8};
    const std::string path = Style(spec);
    Paint(InputFor(path, 1));
    ASSERT_GE(surface.loads.size(), 1u);
    EXPECT_EQ(surface.loads[0].first, path);
    EXPECT_EQ(surface.loads[0].second, (std::vector<int>{3, 4, 5, 6, 7, 8}));
}

TEST_F(PreviewPaint, GlyphStyle_CellsOfTheStripsGoToTheirParts) {
    StyleSpec spec;
    spec.Glyphs = {2, 2, 2, 2, 2, 2};
    Paint(InputFor(Style(spec), 1));
    std::vector<GlyphCall> calls = surface.glyphCalls;
    ASSERT_EQ(calls.size(), 3u + 1u + 3u + 5u);
    // Tabs: the left half of the strip for the selected one, the right half for the others.
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(calls[static_cast<size_t>(i)].Kind, "skin");
        EXPECT_EQ(calls[static_cast<size_t>(i)].Glyph, pgTab);
        EXPECT_EQ(calls[static_cast<size_t>(i)].Index, i == 0 ? 0 : 1);
        EXPECT_EQ(calls[static_cast<size_t>(i)].Count, 2);
        EXPECT_TRUE(calls[static_cast<size_t>(i)].Transparent);
    }
    EXPECT_EQ(calls[1].Rect, Rect(65, 70, 129, 94));
    // The title bar, unturned over the whole bar.
    EXPECT_EQ(calls[3].Kind, "rotated");
    EXPECT_EQ(calls[3].Glyph, pgTitleBar);
    EXPECT_EQ(calls[3].Rect, Rect(0, 0, 240, 28));
    EXPECT_EQ(calls[3].Angle, 0);
    EXPECT_TRUE(calls[3].Transparent);
    // The title-bar buttons: cell 0 of 4, each transparent as its part says.
    const int glyphs[] = {pgLockBtn, pgWizBtn, pgCloseBtn};
    const bool trans[] = {true, false, true};
    for (int i = 0; i < 3; ++i) {
        const GlyphCall& c = calls[static_cast<size_t>(4 + i)];
        EXPECT_EQ(c.Kind, "cell");
        EXPECT_EQ(c.Glyph, glyphs[i]);
        EXPECT_EQ(c.Index, 0);
        EXPECT_EQ(c.Count, 4);
        EXPECT_EQ(c.Transparent, trans[i]);
    }
    EXPECT_EQ(calls[6].Rect, Rect(216, 4, 236, 24));
    // The launch buttons: cell 2 for the selected one, cell 0 for the others.
    for (int i = 0; i < 5; ++i) {
        const GlyphCall& c = calls[static_cast<size_t>(7 + i)];
        EXPECT_EQ(c.Glyph, pgBtnBar);
        EXPECT_EQ(c.Index, i == 0 ? 2 : 0);
        EXPECT_EQ(c.Count, 4);
        EXPECT_EQ(c.Rect, Rect(40 * i, 28, 40 * i + 40, 68));
        EXPECT_FALSE(c.Transparent);
    }
}

TEST_F(PreviewPaint, GlyphStyle_PlainPartsNotDrawn) {
    StyleSpec spec;
    spec.Glyphs = {2, 2, 2, 2, 2, 2};
    TStylePreviewInput in = InputFor(Style(spec), 1);
    in.CBtnPopupHint = false;
    Paint(in);
    // The glyphs are the fake's to draw: where the plain parts would be, the body shows.
    EXPECT_EQ(At(surface.pixels, 36, 14), kBody);
    EXPECT_EQ(At(surface.pixels, 20, 48), kBody);
    EXPECT_EQ(At(surface.pixels, 30, 80), kBody);
    // The arrows are never skinned.
    EXPECT_EQ(At(surface.pixels, 210, 75), kTabLight);
}

// --- failures ---

TEST_F(PreviewPaint, MissingStyleFile_PaintsWithTheBuiltInDefaults) {
    TStylePreviewInput in = InputFor(dir.File("gone.sti"), 0);
    Paint(in);
    const TStiData defaults;
    EXPECT_EQ(At(surface.pixels, 36, 14), Rgb(defaults.TitleBar.BaseColor));
    EXPECT_EQ(At(surface.pixels, 220, 50), Rgb(defaults.Form.Color));
}

TEST_F(PreviewPaint, BadColourInTheStyle_EndsThePaintWithTheConversionError) {
    const std::string path = dir.File("bad.sti");
    kbtest::WriteBytes(path,
                       kbtest::MakeStyleFile({{0, kbtest::StyleText("[Form]\r\nColor=zz\r\n")}}));
    EXPECT_THROW(Paint(InputFor(path, 0)), forms::EConversionError);
}

// --- the hint sample alone ---

class HintSample : public PreviewPaint {
protected:
    // A skinned sample of 188 x 73 at (13, 72).
    void PaintSample(const TStylePreviewInput& in) {
        PaintHintSampleOn(surface, forms::Bounds(13, 72, 188, 73), 13, 72, in);
    }
    StyleSpec SkinnedSpec(int type, int drawMode = 1) {
        StyleSpec spec;
        spec.Type = type;
        spec.HintGlyphs = {7, 8, 9};
        spec.DrawMode = drawMode;
        return spec;
    }
    void GiveGlyphs() {
        surface.glyphs[hgEdges] = pixeltesting::Bands({0x0000FF, 0x00FF00}, 30, 10);
        surface.glyphs[hgSides] = pixeltesting::Bands({0xFF0000, 0x00FFFF}, 10, 10);
        surface.glyphs[hgBody] = pixeltesting::Picture(16, 12, 0x808080);
    }
};

TEST_F(HintSample, TypeZero_AlwaysPlainInTheHintColours) {
    GiveGlyphs();
    const TStylePreviewInput in = InputFor(Style(SkinnedSpec(0)), 0);
    PaintSample(in);
    EXPECT_TRUE(surface.pictures.empty());
    EXPECT_TRUE(surface.loads.empty());
    EXPECT_EQ(At(surface.pixels, 13, 72), Rgb(forms::clBtnHighlight));
    EXPECT_EQ(At(surface.pixels, 200, 144), Rgb(forms::clBtnShadow));
    EXPECT_TRUE(All(surface.pixels, Rect(14, 73, 200, 144), in.HintBackColor));
}

TEST_F(HintSample, OtherTypes_SkinnedOnlyWithTheSwitchOn) {
    GiveGlyphs();
    TStylePreviewInput in = InputFor(Style(SkinnedSpec(1)), 1);
    in.CheckBoxUseSubStyle = false;
    PaintSample(in);
    EXPECT_TRUE(surface.pictures.empty());
    in.CheckBoxUseSubStyle = true;
    in.StyleType = 2;
    PaintSample(in);
    ASSERT_EQ(surface.pictures.size(), 1u);
    EXPECT_EQ(surface.loads.back().second, (std::vector<int>{7, 8, 9}));
}

TEST_F(HintSample, NoStyleSelected_Plain) {
    TStylePreviewInput in = InputFor(Style(SkinnedSpec(1)), 1);
    in.StyleSelected = false;
    PaintSample(in);
    EXPECT_TRUE(surface.pictures.empty());
    EXPECT_EQ(surface.textsIn.size(), 1u);
}

TEST_F(HintSample, Skinned_PictureComposedFromTheHintGlyphsDrawnTransparentAtTheCorner) {
    GiveGlyphs();
    PaintSample(InputFor(Style(SkinnedSpec(1)), 1));
    ASSERT_EQ(surface.pictures.size(), 1u);
    const PictureCall& p = surface.pictures[0];
    EXPECT_EQ(p.At, (TPoint{13, 72}));
    EXPECT_TRUE(p.Transparent);
    ASSERT_EQ(p.Picture.Width(), 188);
    ASSERT_EQ(p.Picture.Height(), 73);
    EXPECT_TRUE(All(p.Picture, Rect(0, 0, 188, 10), 0x0000FF));
    EXPECT_TRUE(All(p.Picture, Rect(0, 63, 188, 73), 0x00FF00));
    EXPECT_TRUE(All(p.Picture, Rect(0, 10, 10, 63), 0xFF0000));
    EXPECT_TRUE(All(p.Picture, Rect(178, 10, 188, 63), 0x00FFFF));
    EXPECT_TRUE(All(p.Picture, Rect(10, 10, 178, 63), 0x808080));
}

TEST_F(HintSample, PictureTheStyleDoesNotName_EarlierContentNotUsed) {
    GiveGlyphs();
    StyleSpec spec = SkinnedSpec(1);
    spec.HintGlyphs = {7, 8, -1};
    PaintSample(InputFor(Style(spec), 1));
    ASSERT_EQ(surface.pictures.size(), 1u);
    EXPECT_TRUE(All(surface.pictures[0].Picture, Rect(10, 10, 178, 63), 0xFFFFFF));
}

TEST_F(HintSample, EmptyRect_NoPictureButTheBodyAllTheSame) {
    GiveGlyphs();
    PaintHintSampleOn(surface, Rect(13, 72, 13, 72), 13, 72, InputFor(Style(SkinnedSpec(1)), 1));
    EXPECT_TRUE(surface.pictures.empty());
    EXPECT_EQ(surface.textsIn.size(), 1u);
}

TEST_F(HintSample, Body_LauncherIconAndTwoLinesInTheHintFont) {
    TStylePreviewInput in = InputFor(Style(), 0);
    in.HintFontSpin = 14;
    in.BtnBold = true;
    in.BtnItar = false;
    PaintSample(in);
    ASSERT_EQ(surface.icons.size(), 1u);
    EXPECT_EQ(surface.icons[0].first, "C:\\K\\qvtdock.exe");
    EXPECT_EQ(surface.icons[0].second, (TPoint{23, 82}));
    ASSERT_EQ(surface.textsIn.size(), 1u);
    const TextInCall& t = surface.textsIn[0];
    EXPECT_EQ(t.Text, "[ページ1]\r\nサンプルTitle-01");
    EXPECT_EQ(t.Rect, Rect(63, 84, 191, 135));
    EXPECT_EQ(t.Font.Name, "HintFace");
    EXPECT_EQ(t.Font.Size, 14);
    EXPECT_TRUE(t.Font.Bold);
    EXPECT_FALSE(t.Font.Italic);
    EXPECT_EQ(t.Font.Color, 0x112233);
    EXPECT_TRUE(surface.brushClearAtText.back());
}

TEST_F(HintSample, SkinnedBody_SameIconAndTextInTheHintTextColour) {
    GiveGlyphs();
    PaintSample(InputFor(Style(SkinnedSpec(2)), 2));
    ASSERT_EQ(surface.textsIn.size(), 1u);
    EXPECT_EQ(surface.textsIn[0].Font.Color, 0x112233);
    EXPECT_EQ(surface.icons.size(), 1u);
}

TEST(LauncherProgramFile, InTheGivenFolderWithOrWithoutItsBackslash) {
    TStylePreviewInput in;
    in.LauncherFolder = "C:\\Tools";
    EXPECT_EQ(LauncherProgramFile(in), "C:\\Tools\\qvtdock.exe");
    in.LauncherFolder = "C:\\Tools\\";
    EXPECT_EQ(LauncherProgramFile(in), "C:\\Tools\\qvtdock.exe");
}

} // namespace
