#pragma once
// Colours as 32-bit values: $00BBGGRR for an ordinary colour, $FF0000xx for Windows system colour
// xx (resolved when drawn), clNone and clDefault. As text a colour is one of the 52 names below or
// "$" with eight upper-case hexadecimal digits.
#include <cstdint>
#include <string>
#include <string_view>

namespace forms {

using TColor = int32_t;

constexpr TColor MakeSystemColor(int index) {
    return static_cast<TColor>(0xFF000000u | static_cast<uint32_t>(index));
}

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                 clMoneyGreen = 0xC0DCC0, clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF,
                 clMedGray = 0xA4A0A0;
constexpr TColor clNone = 0x1FFFFFFF, clDefault = 0x20000000;
constexpr TColor clScrollBar = MakeSystemColor(0), clBackground = MakeSystemColor(1),
                 clActiveCaption = MakeSystemColor(2), clInactiveCaption = MakeSystemColor(3),
                 clMenu = MakeSystemColor(4), clWindow = MakeSystemColor(5),
                 clWindowFrame = MakeSystemColor(6), clMenuText = MakeSystemColor(7),
                 clWindowText = MakeSystemColor(8), clCaptionText = MakeSystemColor(9),
                 clActiveBorder = MakeSystemColor(10), clInactiveBorder = MakeSystemColor(11),
                 clAppWorkSpace = MakeSystemColor(12), clHighlight = MakeSystemColor(13),
                 clHighlightText = MakeSystemColor(14), clBtnFace = MakeSystemColor(15),
                 clBtnShadow = MakeSystemColor(16), clGrayText = MakeSystemColor(17),
                 clBtnText = MakeSystemColor(18), clInactiveCaptionText = MakeSystemColor(19),
                 clBtnHighlight = MakeSystemColor(20), cl3DDkShadow = MakeSystemColor(21),
                 cl3DLight = MakeSystemColor(22), clInfoText = MakeSystemColor(23),
                 clInfoBk = MakeSystemColor(24), clHotLight = MakeSystemColor(26),
                 clGradientActiveCaption = MakeSystemColor(27),
                 clGradientInactiveCaption = MakeSystemColor(28),
                 clMenuHighlight = MakeSystemColor(29), clMenuBar = MakeSystemColor(30);

// The name when the value is one of the named colours, else "$" + 8 upper-case hex digits.
std::string ColorToString(TColor color);
// A name (any letter case) or an integer text; EConversionError "'%s' は整数ではありません".
TColor StringToColor(std::string_view text);

// The $00BBGGRR value to draw with: ordinary colours as they are, system colours
// $FF000000..$FF00001E through the system, anything else black. Never reads out of range.
uint32_t ColorToRGB(TColor color);
// The channels of ColorToRGB in the 16-bit form that gradient vertices take (each byte x 256).
struct TColor16 {
    uint16_t Red, Green, Blue;
};
[[nodiscard]] TColor16 ColorToRGB16(TColor color);
// RGB of system colour index 0..30 (the system's own on Windows, the classic scheme natively).
uint32_t SystemColorRGB(int index);

} // namespace forms
