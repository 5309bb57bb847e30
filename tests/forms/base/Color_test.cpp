#include "forms/base/Color.h"
#include "forms/base/Exceptions.h"

#include <gtest/gtest.h>

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
