#include "forms/base/Color.h"

#include "forms/base/Exceptions.h"
#include "forms/base/IntText.h"
#include "forms/base/StrUtils.h"

#include <array>
#include <cstdio>
#include <optional>

namespace forms {

namespace {
struct NamedColor {
    const char* name;
    TColor value;
};

constexpr std::array<NamedColor, 52> kNamedColors{{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen},
    {"clSkyBlue", clSkyBlue},
    {"clCream", clCream},
    {"clMedGray", clMedGray},
    {"clNone", clNone},
    {"clDefault", clDefault},
    {"clScrollBar", clScrollBar},
    {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText},
    {"clActiveBorder", clActiveBorder},
    {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk},
    {"clHotLight", clHotLight},
    {"clGradientActiveCaption", clGradientActiveCaption},
    {"clGradientInactiveCaption", clGradientInactiveCaption},
    {"clMenuHighlight", clMenuHighlight},
    {"clMenuBar", clMenuBar},
}};

std::optional<TColor> ColorFromName(std::string_view name) {
    for (const auto& c : kNamedColors)
        if (SameText(c.name, name))
            return c.value;
    return std::nullopt;
}

std::optional<std::string> ColorName(TColor color) {
    for (const auto& c : kNamedColors)
        if (c.value == color)
            return std::string(c.name);
    return std::nullopt;
}
} // namespace

std::string ColorToString(TColor color) {
    if (auto name = ColorName(color))
        return *name;
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%08X", static_cast<unsigned>(color));
    return buf;
}

TColor StringToColor(std::string_view text) {
    if (auto named = ColorFromName(text))
        return *named;
    return StrToInt(text);
}

uint32_t ColorToRGB(TColor color) {
    const auto bits = static_cast<uint32_t>(color);
    if ((bits >> 24) == 0)
        return bits;
    if ((bits & 0xFFFFFF00u) == 0xFF000000u && (bits & 0xFF) <= 30)
        return SystemColorRGB(static_cast<int>(bits & 0xFF)) & 0xFFFFFF;
    return 0;
}

TColor16 ColorToRGB16(TColor color) {
    const uint32_t rgb = ColorToRGB(color);
    const auto channel = [rgb](int shift) {
        return static_cast<uint16_t>(((rgb >> shift) & 0xFF) << 8);
    };
    return {channel(0), channel(8), channel(16)};
}

} // namespace forms
