// The main form wearing its style and its settings' look in this process: the style chosen from
// the program folder, the fallback to "format.sti" that stays in memory, skins and colours, the
// user's own colours over plain styles, the pop-up hint's settings, damaged styles at start-up
// and on a reload, and no handles left by repeated loads.
#include "qvtdock/MainFormTesting.h"

#include "forms/base/Files.h"
#include "shared/StyleFiles.h"
#include "support/GuiTest.h"

#include <gtest/gtest.h>

using namespace qvttest;

namespace {

// A style text of this type that passes the style test, followed by more lines.
std::string TypedStyleText(int type, const std::string& more) {
    return "[Style]\r\nFormat=K+StyleInformation\r\nVersion=1\r\nType=" + std::to_string(type) +
           "\r\n[About]\r\n" + more;
}

// A style whose title bar is this colour, with tiny glyphs behind the items named in more.
std::string TitleStyle(int type, const std::string& titleColour, const std::string& more = "") {
    return kbtest::MakeStyleFile({{0, TypedStyleText(type, "[TitleBar]\r\nColor=" + titleColour +
                                                               ",$00EEFFFF,$0099A8AC\r\n" + more)},
                                  {1, kbtest::TinyBmp()}});
}

class StyleTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        forms::Application.OnException = [this](std::exception_ptr e) {
            try {
                std::rethrow_exception(e);
            } catch (const std::exception& x) {
                errors.emplace_back(x.what());
            } catch (...) {
                errors.emplace_back("?");
            }
        };
        kbtest::MakeDir(UserFolder());
        WriteList(DataFile(), {5});
    }
    void TearDown() override {
        form.reset();
        forms::Application.OnException = nullptr;
        MainFormTest::TearDown();
    }

    // The settings file, whole.
    void Ini(const std::string& text) { kbtest::WriteBytes(IniFile(), text); }
    // A file of the program folder.
    void ProgramFile(const std::string& name, const std::string& bytes) {
        kbtest::WriteBytes(dir.File(name), bytes);
    }
    void CopyShippedStyle(const std::string& name) {
        ProgramFile(name, kbtest::ReadBytes(kbtest::ProgramFolder() + name));
    }
    // Starts and shows the window in front, painted and opaque.
    void StartShown() {
        Start();
        ASSERT_FALSE(EndedEarly());
        form->SetBounds(100, 100, form->Width(), form->Height());
        form->Show();
        kbtest::BringToFront(form->Handle());
        ASSERT_TRUE(kbtest::PumpUntil([&] { return kbtest::Painted(form->Handle()); }));
    }
    COLORREF TitlePixel() { return kbtest::ReadPixel(form->TitleBox->Handle(), 36, 14); }

    std::vector<std::string> errors;
};

constexpr COLORREF kRed = 0x0000FF;

} // namespace

// ---- Which style ---------------------------------------------------------------------------

TEST_F(StyleTest, MissingStyle_FormatStisLookNoErrorAndTheFileKeepsTheName) {
    ProgramFile("format.sti", TitleStyle(0, "$00112233"));
    Ini("[Visible]\r\nStyleFile=nosuch.sti\r\n");
    Start();
    ASSERT_FALSE(EndedEarly());
    EXPECT_EQ(form->TitleBarStyle().Color, 0x00112233);
    EXPECT_EQ(form->Cfg().StyleFile, "format.sti");
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(env->told.empty());
    bool canClose = false;
    form->FormCloseQuery(form.get(), canClose);
    EXPECT_NE(kbtest::ReadBytes(IniFile()).find("StyleFile=nosuch.sti"), std::string::npos);
}

TEST_F(StyleTest, EmptyStyleName_FormatStisLook) {
    ProgramFile("format.sti", TitleStyle(0, "$00112233"));
    Ini("[Visible]\r\nStyleFile=\r\n");
    Start();
    EXPECT_EQ(form->TitleBarStyle().Color, 0x00112233);
    EXPECT_EQ(form->Cfg().StyleFile, "format.sti");
    EXPECT_TRUE(errors.empty());
}

TEST_F(StyleTest, FileFailingTheStyleTest_FormatStisLook) {
    ProgramFile("format.sti", TitleStyle(0, "$00112233"));
    ProgramFile("other.sti", kbtest::MakeStyleFile({{0, "[Style]\r\nFormat=Other\r\n"}}));
    Ini("[Visible]\r\nStyleFile=other.sti\r\n");
    Start();
    EXPECT_EQ(form->TitleBarStyle().Color, 0x00112233);
    EXPECT_EQ(form->Cfg().StyleFile, "format.sti");
}

TEST_F(StyleTest, NoStyleAtAll_TheBuiltInLookWithoutSkins) {
    Ini("[Visible]\r\nStyleFile=nosuch.sti\r\n");
    Start();
    ASSERT_FALSE(EndedEarly());
    EXPECT_EQ(form->TitleBarStyle().Color, forms::clBlack);
    EXPECT_FALSE(form->TitleBarStyle().UseGlyph);
    EXPECT_FALSE(form->BtnBar->UseGlyph());
    EXPECT_EQ(form->LockBtn->NumGlyph(), -1);
    EXPECT_TRUE(errors.empty());
}

TEST_F(StyleTest, NamedStyle_ItsColoursAndItsType) {
    ProgramFile("format.sti", TitleStyle(0, "$00112233"));
    ProgramFile("mine.sti", TitleStyle(2, "$00445566"));
    Ini("[Visible]\r\nStyleFile=mine.sti\r\n");
    Start();
    EXPECT_EQ(form->TitleBarStyle().Color, 0x00445566);
    EXPECT_EQ(form->StyleType(), 2);
    EXPECT_EQ(form->Cfg().StyleFile, "mine.sti");
}

// ---- Skins -------------------------------------------------------------------------------------

TEST_F(StyleTest, ShippedStyles_SkinsWithGlyphsAndNoneWithout) {
    for (const char* name : {"format.sti", "night.sti", "plain.sti"})
        CopyShippedStyle(name);
    Start();
    EXPECT_EQ(form->StyleType(), 0);
    EXPECT_TRUE(form->BtnBar->UseGlyph());
    EXPECT_TRUE(form->PageTab->UseGlyph());
    EXPECT_TRUE(form->TitleBarStyle().UseGlyph);
    EXPECT_EQ(form->LockBtn->NumGlyph(), 0);
    EXPECT_FALSE(form->LockBtn->Glyph().Empty());
    EXPECT_EQ(form->HintSetter()->Style(), hwsStyle);

    form->LoadStyle(dir.File("night.sti"));
    EXPECT_EQ(form->StyleType(), 1);

    form->LoadStyle(dir.File("plain.sti"));
    EXPECT_FALSE(form->BtnBar->UseGlyph());
    EXPECT_FALSE(form->PageTab->UseGlyph());
    EXPECT_FALSE(form->TitleBarStyle().UseGlyph);
    EXPECT_EQ(form->LockBtn->NumGlyph(), -1);
    EXPECT_TRUE(form->LockBtn->Glyph().Empty());
    EXPECT_EQ(form->HintSetter()->Style(), hwsNormal);
    EXPECT_TRUE(errors.empty());
}

TEST_F(StyleTest, TitleBarSkin_PaintsTheTitleBar) {
    ProgramFile("format.sti", TitleStyle(0, "$00112233", "[Glyph]\r\nTitleBar=1\r\n"));
    Ini("[Visible]\r\nAlphaBlend=0\r\n");
    StartShown();
    EXPECT_TRUE(form->TitleBarStyle().UseGlyph);
    EXPECT_FALSE(form->TitleBarStyle().Transparent);
    EXPECT_EQ(form->TitleBarStyle().Glyph->Width(), 2);
}

TEST_F(StyleTest, GlyphNumberOutsideTheFile_SkinOnWithAnEmptyStrip) {
    ProgramFile("format.sti", TitleStyle(0, "$00112233", "[Glyph]\r\nLockBtn=300\r\nBtnBar=0\r\n"));
    Ini("[Visible]\r\nAlphaBlend=0\r\n");
    StartShown();
    EXPECT_EQ(form->LockBtn->NumGlyph(), 0);
    EXPECT_TRUE(form->LockBtn->Glyph().Empty());
    EXPECT_FALSE(form->BtnBar->UseGlyph());
    form->Repaint();
    EXPECT_TRUE(errors.empty());
}

TEST_F(StyleTest, HintWithoutItsSideGlyph_DrawnPlainWithoutAWindowShape) {
    ProgramFile("format.sti", TitleStyle(0, "$00112233",
                                         "[Glyph]\r\nSubFormH=1\r\nSubFormV=-1\r\nSubForm=1\r\n"));
    Start();
    THintSetter& hint = *form->HintSetter();
    EXPECT_FALSE(hint.UseGlyph());
    EXPECT_EQ(hint.Style(), hwsNormal);
    hint.SetHintStr("ヒント");
    hint.ShowHintAt(200, 200, 0, 0);
    ASSERT_NE(hint.HintWindow(), nullptr);
    EXPECT_FALSE(hint.HintWindow()->HasRegion());
    hint.HideHint();
}

// ---- Transfers ---------------------------------------------------------------------------------

TEST_F(StyleTest, PartsColoursFontsAndFlags_ReachTheirControls) {
    ProgramFile("format.sti",
                kbtest::MakeStyleFile(
                    {{0, TypedStyleText(0, "[LockBtn]\r\nColor=$00000011,$00000012,$00000013,"
                                           "$00000014,$00000015\r\nTrans=0\r\n"
                                           "[CloseBtn]\r\nColor=$00000021,$00000022,$00000023,"
                                           "$00000024\r\nTrans=1\r\n"
                                           "[BtnBar]\r\nColor=$00000031,$00000032,$00000033,"
                                           "$00000034\r\nTrans=0\r\n"
                                           "[Form]\r\nColor=$00000041\r\n"
                                           "[Tab]\r\nColor=$00000051,$00000052,$00000053\r\n"
                                           "Trans=0\r\nCounterColor=$00000054\r\n"
                                           "CounterBackTrans=1\r\n"
                                           "[TabFont]\r\nName=Arial\r\nBold=0\r\nItalic=1\r\n"
                                           "Color=$00000061\r\nSelectColor=$00000062\r\n"
                                           "[TitleBar]\r\nCounterColor=$00000071\r\n"
                                           "[TitleFont]\r\nName=Arial\r\nBold=1\r\n"
                                           "Italic=1\r\nColor=$00000081\r\n"
                                           "[SubForm]\r\nFontColor=$00000091\r\nDrawMode=2\r\n"
                                           "Trans=1\r\n")}}));
    Start();
    const TMarkBtn& lock = *form->LockBtn;
    EXPECT_EQ(lock.BaseColor(), 0x11);
    EXPECT_EQ(lock.ShapeMarkColor(), 0x14);
    EXPECT_EQ(lock.MarkColor(), 0x11);
    EXPECT_EQ(lock.LockColor(), 0x15);
    EXPECT_FALSE(lock.GlyphTrans());
    EXPECT_EQ(form->CloseBtn->BaseColor(), 0x21);
    EXPECT_EQ(form->CloseBtn->MarkColor(), 0x21);
    EXPECT_TRUE(form->CloseBtn->GlyphTrans());
    EXPECT_EQ(form->BtnBar->BaseColor(), 0x31);
    EXPECT_EQ(form->BtnBar->MarkColor(), 0x34);
    EXPECT_FALSE(form->BtnBar->GlyphTransparent());
    EXPECT_EQ(form->Color(), 0x41);
    EXPECT_EQ(form->Base->Color(), 0x41);
    EXPECT_EQ(form->PageTab->BaseColor(), 0x51);
    EXPECT_FALSE(form->PageTab->GlyphTrans());
    EXPECT_EQ(form->PageTab->CounterColor(), 0x54);
    EXPECT_TRUE(form->PageTab->CounterBackTrans());
    EXPECT_EQ(form->PageTab->NonSelectColor(), 0x61);
    EXPECT_EQ(form->PageTab->SelectColor(), 0x62);
    EXPECT_EQ(form->PageTab->Font().Name(), "Arial");
    EXPECT_EQ(form->PageTab->Font().Style(), forms::fsItalic);
    // The tabs draw with their own font, refreshed by the load.
    EXPECT_EQ(form->PageTab->CaptionFont().Name(), "Arial");
    EXPECT_EQ(form->LbBtn->Font().Color(), 0x71);
    EXPECT_EQ(form->LbCount->Font().Color(), 0x71);
    EXPECT_EQ(form->LbTitle->Font().Name(), "Arial");
    EXPECT_EQ(form->LbTitle->Font().Style(), forms::fsBold | forms::fsItalic);
    EXPECT_EQ(form->LbTitle->Font().Color(), 0x81);
    const THintSetter& hint = *form->HintSetter();
    EXPECT_EQ(hint.FontColor(), 0x91);
    EXPECT_EQ(hint.DrawStyle(), wdsTail);
    EXPECT_TRUE(hint.Trans());
    EXPECT_FALSE(form->TitleBarStyle().Transparent);
}

// ---- Colours -----------------------------------------------------------------------------------

TEST_F(StyleTest, CustomColours_OverAPlainStyle_TheTitleBarTurnsRed) {
    ProgramFile("format.sti", TitleStyle(0, "$00112233"));
    Ini("[Visible]\r\nAlphaBlend=0\r\n[Color]\r\nColorCustom=1\r\n1=$000000FF\r\n");
    StartShown();
    EXPECT_EQ(form->TitleBarStyle().Color, 0x000000FF);
    ASSERT_TRUE(kbtest::PumpUntil([&] { return TitlePixel() == kRed; }));
}

TEST_F(StyleTest, CustomColours_AStyleOfItsOwnKeepsItsColours) {
    ProgramFile("format.sti", TitleStyle(1, "$00112233"));
    Ini("[Visible]\r\nAlphaBlend=0\r\n[Color]\r\nColorCustom=1\r\n1=$000000FF\r\n");
    StartShown();
    EXPECT_EQ(form->TitleBarStyle().Color, 0x00112233);
    ASSERT_TRUE(kbtest::PumpUntil([&] { return TitlePixel() == 0x112233; }));
}

TEST_F(StyleTest, CustomColoursOff_TheStylesColours) {
    ProgramFile("format.sti", TitleStyle(0, "$00112233"));
    Ini("[Color]\r\nColorCustom=0\r\n1=$000000FF\r\n");
    Start();
    EXPECT_EQ(form->TitleBarStyle().Color, 0x00112233);
}

// ---- The pop-up hint's settings ----------------------------------------------------------------

TEST_F(StyleTest, PopupHintOn_TheBarsOwnHintOff) {
    Ini("[Visible]\r\nBtnPopupHint=1\r\n");
    Start();
    EXPECT_FALSE(form->BtnBar->ShowHint());
    form.reset();
    Ini("[Visible]\r\nBtnPopupHint=0\r\n");
    Start();
    EXPECT_TRUE(form->BtnBar->ShowHint());
}

TEST_F(StyleTest, HintSettings_ReachTheSetter_SizesOutsideTheEditorsRangesBounded) {
    Ini("[PopupHint]\r\nLoc=2\r\nX=5\r\nY=-3\r\nMaxWidth=5000\r\nMaxLine=4\r\nIsIcon=0\r\n"
        "FontName=Arial\r\nFontBold=1\r\nFontItalic=1\r\nFontSize=0\r\nFontColor=$00102030\r\n"
        "Color=$00405060\r\nLockWidth=1\r\nUseStyle=0\r\n");
    Start();
    const THintSetter& hint = *form->HintSetter();
    EXPECT_EQ(hint.Locate(), hlTop);
    EXPECT_EQ(hint.XMargin(), 5);
    EXPECT_EQ(hint.YMargin(), -3);
    EXPECT_EQ(hint.MaxWidth(), 2000);
    EXPECT_EQ(hint.MaxLine(), 4);
    EXPECT_EQ(hint.MaxHeight(), 0);
    EXPECT_FALSE(hint.IsIcon());
    EXPECT_TRUE(hint.LockWidth());
    EXPECT_FALSE(hint.UseStyle());
    EXPECT_EQ(hint.BkColor(), 0x00405060);
    EXPECT_EQ(hint.HintPause(), 0);
    EXPECT_EQ(hint.LeftMargin(), 10);
    EXPECT_EQ(hint.RightMargin(), 10);
    EXPECT_EQ(hint.TopMargin(), 10);
    EXPECT_EQ(hint.HeightMargin(), 10);
    THintSetter& h = *form->HintSetter();
    EXPECT_EQ(h.Font().Name(), "Arial");
    EXPECT_EQ(h.Font().Size(), 9);
    EXPECT_EQ(h.Font().Style(), forms::fsBold | forms::fsItalic);
    EXPECT_EQ(h.Font().Color(), 0x00102030);
}

TEST_F(StyleTest, StoreSettings_AfterApplySettings_TheRecordComesBack) {
    Ini("[Bounds]\r\nLeft=120\r\nTop=80\r\n"
        "[Visible]\r\nBtnSize=48\r\nBtnBevel=2\r\nBtnTrans=1\r\nBtnMarkStyle=0\r\n"
        "IconStretch=1\r\nTabCounter=0\r\n"
        "[Mouse]\r\nLMLeft=1\r\nLMRight=0\r\nLMMiddle=0\r\nLMMos4=1\r\nLMMos5=0\r\n"
        "InvalidClickDeskTop=1\r\nEffectiveClickTaskBar=1\r\nTabClickChg=1\r\n"
        "[PopupHint]\r\nColor=$00405060\r\nMaxWidth=700\r\nX=-7\r\nY=9\r\nFontName=Arial\r\n"
        "FontColor=$00102030\r\nFontSize=14\r\n");
    Start();
    const TAppCfg before = form->Cfg();
    form->StoreSettings();
    const TAppCfg& after = form->Cfg();
    EXPECT_EQ(after.Left, before.Left);
    EXPECT_EQ(after.Top, before.Top);
    EXPECT_EQ(after.LMLeft, before.LMLeft);
    EXPECT_EQ(after.LMRight, before.LMRight);
    EXPECT_EQ(after.LMMiddle, before.LMMiddle);
    EXPECT_EQ(after.LMMos4, before.LMMos4);
    EXPECT_EQ(after.LMMos5, before.LMMos5);
    EXPECT_EQ(after.InvalidClickDeskTop, before.InvalidClickDeskTop);
    EXPECT_EQ(after.EffectiveClickTaskBar, before.EffectiveClickTaskBar);
    EXPECT_EQ(after.TabClickChg, before.TabClickChg);
    EXPECT_EQ(after.BtnSize, 48);
    EXPECT_EQ(after.BtnBevel, 2);
    EXPECT_EQ(after.BtnTrans, true);
    EXPECT_EQ(after.BtnMarkStyle, false);
    EXPECT_EQ(after.IconStretch, true);
    EXPECT_EQ(after.TabCounter, false);
    EXPECT_EQ(after.HintColor, 0x00405060);
    EXPECT_EQ(after.MaxWidth, 700);
    EXPECT_EQ(after.X, -7);
    EXPECT_EQ(after.Y, 9);
    EXPECT_EQ(after.FontName, "Arial");
    EXPECT_EQ(after.FontColor, 0x00102030);
    EXPECT_EQ(after.FontSize, 14);
}

// ---- Damaged styles ----------------------------------------------------------------------------

namespace {

// Passes the style test; its title-bar glyph runs past the end of the file.
std::string DamagedStyle() {
    std::string file = TitleStyle(0, "$00445566", "[Glyph]\r\nTitleBar=1\r\n");
    file.resize(file.size() - 10);
    return file;
}

} // namespace

TEST_F(StyleTest, DamagedStyleAtStartUp_OneMessageThenTheBuiltInLook) {
    ProgramFile("format.sti", DamagedStyle());
    Start();
    ASSERT_FALSE(EndedEarly());
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_EQ(form->TitleBarStyle().Color, forms::clBlack);
    EXPECT_FALSE(form->TitleBarStyle().UseGlyph);
    EXPECT_TRUE(form->DataLoaded());
    EXPECT_TRUE(form->LTimer->Enabled());
    EXPECT_EQ(form->ClientWidth(), 10 * 40);
}

TEST_F(StyleTest, DamagedStyleOnReload_RaisesAfterTheLayoutAndTheLookStays) {
    ProgramFile("format.sti", TitleStyle(0, "$00112233", "[Glyph]\r\nLockBtn=1\r\n"));
    Start();
    ASSERT_EQ(form->LockBtn->NumGlyph(), 0);
    const std::string damaged[] = {
        DamagedStyle(),
        // A bad colour after keys that read well.
        kbtest::MakeStyleFile({{0, TypedStyleText(0, "[TitleBar]\r\nColor=$00445566\r\n"
                                                     "[TitleFont]\r\nColor=nocolour\r\n")}}),
        // A glyph that is no bitmap after one that is.
        kbtest::MakeStyleFile({{0, TypedStyleText(0, "[TitleBar]\r\nColor=$00445566\r\n"
                                                     "[Glyph]\r\nLockBtn=1\r\nTab=2\r\n")},
                               {1, kbtest::TinyBmp()},
                               {2, "no bitmap"}}),
    };
    int formSize = 8;
    for (const std::string& style : damaged) {
        ProgramFile("format.sti", style);
        Ini("[Visible]\r\nFormSize=" + std::to_string(formSize) + "\r\n");
        EXPECT_ANY_THROW(form->ReloadLaunchData());
        // The new settings are laid out; the look is the old style's.
        EXPECT_EQ(form->ClientWidth(), formSize * 40);
        EXPECT_EQ(form->TitleBarStyle().Color, 0x00112233);
        EXPECT_EQ(form->LockBtn->NumGlyph(), 0);
        EXPECT_FALSE(form->LockBtn->Glyph().Empty());
        EXPECT_FALSE(form->PageTab->UseGlyph());
        ++formSize;
    }
}

// ---- Handles -----------------------------------------------------------------------------------

TEST_F(StyleTest, RepeatedLoads_NoBitmapOrFontLeft) {
    CopyShippedStyle("format.sti");
    CopyShippedStyle("plain.sti");
    Start();
    const auto load = [&](int n) {
        for (int i = 0; i < n; ++i)
            form->LoadStyle(dir.File(i % 2 ? "plain.sti" : "format.sti"));
    };
    load(4);
    if (!kbtest::ObjectsCounted())
        GTEST_SKIP() << "no GDI or user object counts here";
    const DWORD gdi = kbtest::GdiObjects();
    const DWORD user = kbtest::UserObjects();
    load(200);
    EXPECT_LE(kbtest::GdiObjects(), gdi + 4);
    EXPECT_LE(kbtest::UserObjects(), user + 2);
}

// ---- The bar's selection mark ------------------------------------------------------------------

TEST_F(StyleTest, MarkStyle_OffFillsTheSelectedCell_OnFramesIt) {
    for (const bool frame : {false, true}) {
        Ini(std::string("[Visible]\r\nAlphaBlend=0\r\nBtnBevel=0\r\nBtnMarkStyle=") +
            (frame ? "1" : "0") + "\r\n");
        StartShown();
        form->BtnBar->SetBtnIndex(0);
        form->BtnBar->Invalidate();
        const HWND bar = form->BtnBar->Handle();
        // The frame is two pixels wide; the icon starts four pixels in.
        ASSERT_TRUE(kbtest::PumpUntil([&] { return kbtest::ReadPixel(bar, 0, 20) == kRed; }))
            << frame;
        EXPECT_EQ(kbtest::ReadPixel(bar, 2, 20) == kRed, !frame);
        form.reset();
    }
}
