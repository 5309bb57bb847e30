#include "forms/base/Color.h"
#include "forms/base/Exceptions.h"
#include "forms/base/StrUtils.h"

#include <gtest/gtest.h>

#include <vector>

using namespace forms;

TEST(Color, NamesAndHexTextRoundTrip) {
    EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
    EXPECT_EQ(ColorToString(0x00EEFFFF), "$00EEFFFF");
    EXPECT_EQ(ColorToString(clNone), "clNone");
    EXPECT_EQ(ColorToString(static_cast<TColor>(0xFF00001F)), "$FF00001F");
    EXPECT_EQ(StringToColor("CLRED"), clRed);
    EXPECT_EQ(StringToColor("$00CCE1E6"), 0x00CCE1E6);
    EXPECT_EQ(StringToColor("$FF000017"), clInfoText);
    EXPECT_EQ(StringToColor("255"), clRed);
    EXPECT_EQ(StringToColor("0xFF"), clRed);
}

TEST(Color, BadTextRaisesTheConversionError) {
    for (const char* bad : {"", "red", "clRedd", "$GG", " clRed"}) {
        try {
            StringToColor(bad);
            ADD_FAILURE() << bad;
        } catch (const EConversionError& e) {
            EXPECT_EQ(e.Message(), std::string("'") + bad + "' は整数ではありません");
        }
    }
}

TEST(Color, ResolvingIsRangeSafe) {
    EXPECT_EQ(ColorToRGB(0x00123456), 0x123456u);
    EXPECT_EQ(ColorToRGB(clNone), 0u);
    EXPECT_EQ(ColorToRGB(clDefault), 0u);
    EXPECT_EQ(ColorToRGB(static_cast<TColor>(0xFFFFFFF7)), 0u); // an inverted system colour
    EXPECT_EQ(ColorToRGB(static_cast<TColor>(0xFF0000FF)), 0u);
    EXPECT_EQ(ColorToRGB(clBtnFace), SystemColorRGB(15));
}

TEST(Color, EveryNamedColourMapsBothWays) {
    const std::vector<std::pair<const char*, uint32_t>> names = {
        {"clBlack", 0x00000000},
        {"clMaroon", 0x00000080},
        {"clGreen", 0x00008000},
        {"clOlive", 0x00008080},
        {"clNavy", 0x00800000},
        {"clPurple", 0x00800080},
        {"clTeal", 0x00808000},
        {"clGray", 0x00808080},
        {"clSilver", 0x00C0C0C0},
        {"clRed", 0x000000FF},
        {"clLime", 0x0000FF00},
        {"clYellow", 0x0000FFFF},
        {"clBlue", 0x00FF0000},
        {"clFuchsia", 0x00FF00FF},
        {"clAqua", 0x00FFFF00},
        {"clWhite", 0x00FFFFFF},
        {"clMoneyGreen", 0x00C0DCC0},
        {"clSkyBlue", 0x00F0CAA6},
        {"clCream", 0x00F0FBFF},
        {"clMedGray", 0x00A4A0A0},
        {"clNone", 0x1FFFFFFF},
        {"clScrollBar", 0xFF000000},
        {"cl3DDkShadow", 0xFF000015},
        {"cl3DLight", 0xFF000016},
        {"clWindow", 0xFF000005},
        {"clWindowFrame", 0xFF000006},
        {"clActiveBorder", 0xFF00000A},
        {"clActiveCaption", 0xFF000002},
        {"clAppWorkSpace", 0xFF00000C},
        {"clBackground", 0xFF000001},
        {"clBtnFace", 0xFF00000F},
        {"clBtnHighlight", 0xFF000014},
        {"clBtnShadow", 0xFF000010},
        {"clBtnText", 0xFF000012},
        {"clCaptionText", 0xFF000009},
        {"clDefault", 0x20000000},
        {"clGradientActiveCaption", 0xFF00001B},
        {"clGradientInactiveCaption", 0xFF00001C},
        {"clGrayText", 0xFF000011},
        {"clHighlight", 0xFF00000D},
        {"clHighlightText", 0xFF00000E},
        {"clHotLight", 0xFF00001A},
        {"clInactiveBorder", 0xFF00000B},
        {"clInactiveCaption", 0xFF000003},
        {"clInactiveCaptionText", 0xFF000013},
        {"clInfoBk", 0xFF000018},
        {"clInfoText", 0xFF000017},
        {"clMenu", 0xFF000004},
        {"clMenuBar", 0xFF00001E},
        {"clMenuHighlight", 0xFF00001D},
        {"clMenuText", 0xFF000007},
        {"clWindowText", 0xFF000008},
    };
    ASSERT_EQ(names.size(), 52u);
    for (const auto& [name, bits] : names) {
        const auto value = static_cast<TColor>(bits);
        EXPECT_EQ(ColorToString(value), name);
        EXPECT_EQ(StringToColor(name), value) << name;
        EXPECT_EQ(StringToColor(LowerCase(name)), value) << name;
        EXPECT_EQ(StringToColor(ColorToString(value + 0x100)), value + 0x100) << name;
    }
}
